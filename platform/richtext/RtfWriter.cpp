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
        PlanTables();
        for (std::size_t i = 0; i < document_.paragraphs.size(); ++i) WriteParagraph(i);
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

    // Where each table row starts and ends, and its definition. A table cut
    // off before its row's end (only an edit can make one) gets its end and
    // a definition of equal cells.
    void PlanTables() {
        const std::vector<Paragraph>& ps = document_.paragraphs;
        rows_.assign(ps.size(), nullptr);
        endsCell_.assign(ps.size(), false);
        endsRow_.assign(ps.size(), false);
        made_.reserve(ps.size());
        std::size_t first = 0;
        for (std::size_t i = 0; i < ps.size(); ++i) {
            if (!ps[i].format.inTable) continue;
            if (i == 0 || !ps[i - 1].format.inTable || endsRow_[i - 1]) first = i;
            endsCell_[i] = ps[i].endsCell;
            const bool last = i + 1 == ps.size() || !ps[i + 1].format.inTable;
            if (!ps[i].endsRow && !last) continue;
            endsCell_[i] = endsRow_[i] = true;
            std::size_t cells = 0;
            for (std::size_t j = first; j <= i; ++j) cells += endsCell_[j] ? 1 : 0;
            TableRow row = ps[i].endsRow ? *ps[i].endsRow : TableRow{};
            const int width = row.cells.empty() ? 1800 : row.cells.back().rightTwips - (row.cells.size() > 1 ? row.cells[row.cells.size() - 2].rightTwips : row.leftTwips);
            while (row.cells.size() < cells)
                row.cells.push_back(TableCell{(row.cells.empty() ? row.leftTwips : row.cells.back().rightTwips) + std::max(width, 360)});
            made_.push_back(std::move(row));
            for (std::size_t j = first; j <= i; ++j) rows_[j] = &made_.back();
        }
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

    void WriteParagraph(std::size_t index) {
        const Paragraph& paragraph = document_.paragraphs[index];
        if (rows_[index] && (index == 0 || !rows_[index - 1] || endsRow_[index - 1]))
            WriteRowDefinition(*rows_[index]);
        Word("pard");
        const ParagraphFormat& format = paragraph.format;
        if (rows_[index]) Word("intbl");
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
        Word(endsCell_[index] ? "cell"
             : paragraph.end == Paragraph::End::Page ? "page"
             : paragraph.end == Paragraph::End::Section ? "sect"
                                                        : "par");
        if (endsRow_[index]) Word("row");
        if (!rows_[index] || endsRow_[index]) {
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
    std::vector<const TableRow*> rows_;  // per paragraph: the row it stands in
    std::vector<bool> endsCell_;
    std::vector<bool> endsRow_;
    std::vector<TableRow> made_;  // reserved whole: rows_ points into it
    bool needDelimiter_ = false;
    std::string out_;
};

}  // namespace

std::string WriteRtf(const Document& document) { return RtfWriter(document).Write(); }

}  // namespace richtext
