#include "platform/richtext/RtfWriter.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "platform/richtext/CodePage.h"
#include "platform/text/Text.h"

namespace richtext {

namespace {

// Next code point of UTF-8 text at `pos`; an invalid byte gives U+FFFD.
char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
    const unsigned char lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (lead >= 0xF5) extra = -1;
    if (extra < 0 || pos + extra > s.size()) return 0xFFFD;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const unsigned char next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        c = c << 6 | (next & 0x3F);
    }
    pos += extra;
    return c;
}

int HalfPoints(int twips) { return std::max(1, (twips + 5) / 10); }

// The character properties as the reader of the output last saw them.
struct WrittenFormat {
    int font = 0;
    int halfPoints = 24;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    CharFormat::Script script = CharFormat::Script::Normal;
    int raiseHalfPoints = 0;
    bool hidden = false;
    bool strike = false;
    bool doubleStrike = false;
    bool smallCaps = false;
    int background = 0;
};

class RtfWriter {
public:
    explicit RtfWriter(const Document& document) : document_(document) {}

    std::string Write() {
        CollectTables();
        out_.reserve(EstimatedSize());
        out_ += "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl";
        for (std::size_t i = 0; i < faces_.size(); ++i) {
            out_ += "{\\f" + std::to_string(i) + "\\fnil\\fcharset" + (IsSymbol(int(i)) ? "2 " : "134 ");
            needDelimiter_ = false;
            WriteText(faces_[i], true, false);
            out_ += ";}";
        }
        out_ += "}\r\n{\\colortbl ;";
        for (const Colour& c : colours_)
            out_ += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
                    std::to_string(c.blue) + ";";
        out_ += "}\r\n";
        for (const std::string& group : document_.headerGroups) out_ += group + "\r\n";
        out_ += "\\viewkind4\\uc1";
        for (const Block& block : Blocks(document_.paragraphs)) {
            if (block.table) WriteTable(*block.table, 1);
            else WriteParagraph(*block.paragraph, 0, false);
        }
        out_ += "}\r\n";
        return std::move(out_);
    }

private:
    static const std::string& FaceOf(const CharFormat& format) {
        return format.face.empty() ? DefaultFace() : format.face;
    }

    void CollectTables() {
        // The fonts read keep their numbers (passed-through groups name them).
        for (const std::string& face : document_.fonts) {
            const std::string& f = face.empty() ? DefaultFace() : face;
            fontIndex_.emplace(f, static_cast<int>(faces_.size()));
            faces_.push_back(f);
        }
        auto collect = [this](const CharFormat& format) {
            const std::string& face = FaceOf(format);
            if (fontIndex_.emplace(face, static_cast<int>(faces_.size())).second) faces_.push_back(face);
            for (const std::optional<Colour>& colour : {format.colour, format.background})
                if (colour && colourIndex_.emplace(*colour, colours_.size() + 1).second) colours_.push_back(*colour);
        };
        for (const Paragraph& paragraph : document_.paragraphs) {
            if (!paragraph.listText.empty()) collect(paragraph.listTextFormat);
            for (const Run& run : paragraph.runs) collect(run.format);
        }
        if (faces_.empty()) faces_.push_back(DefaultFace());
    }

    // A table `depth` tables deep (1: a table of the text) as the Windows
    // rich edit writes it: each row's definition, then its cells' paragraphs,
    // each cell ended by \cell, the row by \row. A table inside a cell is
    // written as Word writes it: its paragraphs marked \itapN, its cells
    // ended by \nestcell, each row by its definition in
    // {\*\nesttableprops ...\nestrow}, then {\nonesttables\par} for readers
    // that know no such tables; the row around it gets its definition again
    // before \row. A row cut off before its end (only an edit can make one)
    // gets its end and a definition of equal cells.
    void WriteTable(const TableRows& table, int depth) {
        for (const TableRows::Row& row : table.rows) {
            const TableRow definition = Padded(row.definition, row.cells.size());
            if (depth == 1) WriteRowDefinition(definition);
            bool inner = false;
            for (const std::vector<Block>& cell : row.cells) {
                for (std::size_t b = 0; b < cell.size(); ++b) {
                    if (cell[b].table) {
                        WriteTable(*cell[b].table, depth + 1);
                        inner = true;
                    } else {
                        WriteParagraph(*cell[b].paragraph, depth, b + 1 == cell.size());
                    }
                }
                if (cell.empty() || cell.back().table) WriteParagraph(Paragraph{}, depth, true);  // the cell's end
            }
            if (depth == 1) {
                if (inner) WriteRowDefinition(definition);
                Word("row");
                out_ += "\r\n";
                needDelimiter_ = false;
            } else {
                out_ += "{\\*";
                Word("nesttableprops");
                WriteRowDefinition(definition);
                Word("nestrow");
                out_ += "}{";
                Word("nonesttables");
                Word("par");
                out_ += "}";
                needDelimiter_ = false;
            }
        }
    }

    // The row's definition with a cell more for each cell it lacks.
    static TableRow Padded(TableRow row, std::size_t cells) {
        const int width = row.cells.empty() ? 1800
                                            : row.cells.back().rightTwips -
                                                  (row.cells.size() > 1 ? row.cells[row.cells.size() - 2].rightTwips : row.leftTwips);
        while (row.cells.size() < cells)
            row.cells.push_back(TableCell{(row.cells.empty() ? row.leftTwips : row.cells.back().rightTwips) + std::max(width, 360)});
        return row;
    }

    std::size_t EstimatedSize() const {
        std::size_t size = 512;
        for (const Paragraph& paragraph : document_.paragraphs)
            for (const Run& run : paragraph.runs) size += run.text.size() * 2 + 16;
        return size;
    }

    void Word(const char* name) {
        out_ += '\\';
        out_ += name;
        needDelimiter_ = true;
    }

    void Word(const char* name, int value) {
        Word(name);
        out_ += std::to_string(value);
    }

    void WriteRowDefinition(const TableRow& row) {
        Word("trowd");
        Word("trgaph", row.gapTwips);
        Word("trleft", row.leftTwips);
        WriteWords(row.otherWords);
        for (const TableCell& cell : row.cells) {
            if (cell.merge == TableCell::Merge::First) Word("clmgf");
            if (cell.merge == TableCell::Merge::Continued) Word("clmrg");
            if (cell.verticalMerge == TableCell::Merge::First) Word("clvmgf");
            if (cell.verticalMerge == TableCell::Merge::Continued) Word("clvmrg");
            WriteWords(cell.otherWords);
            Word("cellx", cell.rightTwips);
        }
    }

    // Control words kept as read ("\\clbrdrt\\brdrs"); nothing else is written.
    void WriteWords(std::string_view words) {
        if (words.empty() || words[0] != '\\' ||
            words.find_first_of("{} \r\n;") != std::string_view::npos)
            return;
        out_ += words;
        needDelimiter_ = true;
    }

    // {\pntext 1.\tab}: the number or bullet as shown, for readers that do
    // not number lists themselves.
    void WriteListText(const Paragraph& paragraph) {
        const WrittenFormat saved = written_;
        out_ += "{";
        Word(paragraph.format.listDefinition.empty() && paragraph.format.listOverride > 0 ? "listtext" : "pntext");
        written_.font = -1;  // the group names its font, as the rich edit writes it
        WriteFormat(paragraph.listTextFormat);
        WriteText(paragraph.listText, false, IsSymbol(fontIndex_.at(FaceOf(paragraph.listTextFormat))));
        Word("tab");
        out_ += "}";
        needDelimiter_ = false;
        written_ = saved;
    }

    // A paragraph `depth` tables deep (0: outside tables); endsCell: the
    // last of its cell.
    void WriteParagraph(const Paragraph& paragraph, int depth, bool endsCell) {
        Word("pard");
        const ParagraphFormat& format = paragraph.format;
        if (depth > 0) Word("intbl");
        if (depth > 1) Word("itap", depth);
        if (!paragraph.listText.empty()) WriteListText(paragraph);
        if (!format.listDefinition.empty() && format.listDefinition.front() == '{' &&
            format.listDefinition.back() == '}') {
            out_ += format.listDefinition;
            needDelimiter_ = false;
        }
        if (format.listOverride > 0) {
            Word("ls", format.listOverride);
            Word("ilvl", format.listLevel);
        }
        switch (format.alignment) {
            case Alignment::Left: break;
            case Alignment::Centre: Word("qc"); break;
            case Alignment::Right: Word("qr"); break;
            case Alignment::Justify: Word("qj"); break;
        }
        if (format.firstIndentTwips != 0) Word("fi", format.firstIndentTwips);
        if (format.leftIndentTwips != 0) Word("li", format.leftIndentTwips);
        for (const Run& run : paragraph.runs) {
            WriteFormat(run.format);
            switch (run.kind) {
                case Run::Kind::Text: WriteText(run.text, false, IsSymbol(fontIndex_.at(FaceOf(run.format)))); break;
                case Run::Kind::Tab: Word("tab"); break;
                case Run::Kind::LineBreak: Word("line"); break;
                case Run::Kind::Object:
                case Run::Kind::Group:
                    out_ += run.text;
                    needDelimiter_ = false;
                    break;
            }
        }
        Word(endsCell ? (depth > 1 ? "nestcell" : "cell")
             : paragraph.end == Paragraph::End::Page ? "page"
             : paragraph.end == Paragraph::End::Section ? "sect"
                                                        : "par");
        if (depth == 0) {
            out_ += "\r\n";
            needDelimiter_ = false;
        }
    }

    void WriteFormat(const CharFormat& format) {
        const int font = fontIndex_.at(FaceOf(format));
        if (font != written_.font) Word("f", written_.font = font);
        const int halfPoints = HalfPoints(format.sizeTwips);
        if (halfPoints != written_.halfPoints) Word("fs", written_.halfPoints = halfPoints);
        const int colour = format.colour ? colourIndex_.at(*format.colour) : 0;
        if (colour != written_.colour) Word("cf", written_.colour = colour);
        if (format.bold != written_.bold) (written_.bold = format.bold) ? Word("b") : Word("b", 0);
        if (format.italic != written_.italic) (written_.italic = format.italic) ? Word("i") : Word("i", 0);
        if (format.underline != written_.underline) (written_.underline = format.underline) ? Word("ul") : Word("ulnone");
        if (format.script != written_.script) {
            written_.script = format.script;
            Word(format.script == CharFormat::Script::Super ? "super"
                 : format.script == CharFormat::Script::Sub ? "sub"
                                                             : "nosupersub");
        }
        const int raise = format.raiseTwips / 10;
        if (raise != written_.raiseHalfPoints) {
            written_.raiseHalfPoints = raise;
            if (raise >= 0) Word("up", raise);
            else Word("dn", -raise);
        }
        if (format.hidden != written_.hidden) (written_.hidden = format.hidden) ? Word("v") : Word("v", 0);
        if (format.strike != written_.strike) (written_.strike = format.strike) ? Word("strike") : Word("strike", 0);
        if (format.doubleStrike != written_.doubleStrike)
            Word("striked", (written_.doubleStrike = format.doubleStrike) ? 1 : 0);
        if (format.smallCaps != written_.smallCaps) (written_.smallCaps = format.smallCaps) ? Word("scaps") : Word("scaps", 0);
        const int background = format.background ? colourIndex_.at(*format.background) : 0;
        if (background != written_.background) Word("highlight", written_.background = background);
    }

    void Delimit() {
        if (needDelimiter_) out_ += ' ';
        needDelimiter_ = false;
    }

    void HexByte(unsigned char byte) {
        static const char digits[] = "0123456789abcdef";
        out_ += "\\'";
        out_ += digits[byte >> 4];
        out_ += digits[byte & 0xF];
    }

    void UnicodeUnit(char32_t unit) {
        out_ += "\\u" + std::to_string(unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit));
        out_ += '?';  // what a reader without Unicode shows (one byte, as \uc1 says)
    }

    bool IsSymbol(int font) const {
        return std::find(document_.symbolFonts.begin(), document_.symbolFonts.end(), font) !=
                   document_.symbolFonts.end() &&
               font < int(document_.fonts.size());
    }

    // The byte a symbol font shows a character with, as the reader took it
    // (code page 1252); 0 when there is none.
    static unsigned char SymbolByte(char32_t c) {
        static const std::map<char32_t, unsigned char> bytes = [] {
            std::map<char32_t, unsigned char> m;
            for (int b = 0x80; b < 0x100; ++b) {
                const std::string utf8 = text::DecodeCodePage(std::string(1, char(b)), kCodePageWestern);
                std::size_t pos = 0;
                if (!utf8.empty()) m.emplace(NextCodePoint(utf8, pos), static_cast<unsigned char>(b));
            }
            return m;
        }();
        auto found = bytes.find(c);
        return found == bytes.end() ? 0 : found->second;
    }

    // Text of a run, or a font name (where ';' would end the entry); in a
    // symbol font, single bytes.
    void WriteText(std::string_view text, bool fontName, bool symbol) {
        std::size_t pos = 0;
        while (pos < text.size()) {
            const char32_t c = NextCodePoint(text, pos);
            if (c == '\\' || c == '{' || c == '}') {
                Delimit();
                out_ += '\\';
                out_ += static_cast<char>(c);
            } else if (c == ';' && fontName) {
                HexByte(';');
            } else if (c == '\t' || c == '\n') {
                Word(c == '\t' ? "tab" : "line");
            } else if (c < 0x20) {
                // other control characters have no place in the text
            } else if (c < 0x80) {
                Delimit();
                out_ += static_cast<char>(c);
            } else if (symbol && SymbolByte(c) != 0) {
                HexByte(SymbolByte(c));
                needDelimiter_ = false;
            } else {
                unsigned char bytes[2];
                const int length = symbol ? 0 : GbkBytesOf(c, bytes);
                for (int i = 0; i < length; ++i) HexByte(bytes[i]);
                if (length == 0 && c < 0x10000) UnicodeUnit(c);
                if (length == 0 && c >= 0x10000) {
                    UnicodeUnit(0xD800 + ((c - 0x10000) >> 10));
                    UnicodeUnit(0xDC00 + ((c - 0x10000) & 0x3FF));
                }
                needDelimiter_ = false;
            }
        }
    }

    struct ColourLess {
        bool operator()(const Colour& a, const Colour& b) const {
            return std::tie(a.red, a.green, a.blue) < std::tie(b.red, b.green, b.blue);
        }
    };

    const Document& document_;
    std::vector<std::string> faces_;
    std::map<std::string, int> fontIndex_;
    std::vector<Colour> colours_;
    std::map<Colour, int, ColourLess> colourIndex_;
    WrittenFormat written_;
    bool needDelimiter_ = false;
    std::string out_;
};

}  // namespace

std::string WriteRtf(const Document& document) { return RtfWriter(document).Write(); }

}  // namespace richtext
