#include "platform/richtext/RtfWriter.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "platform/richtext/CodePage.h"

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
};

class RtfWriter {
public:
    explicit RtfWriter(const Document& document) : document_(document) {}

    std::string Write() {
        CollectTables();
        out_.reserve(EstimatedSize());
        out_ += "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl";
        for (std::size_t i = 0; i < faces_.size(); ++i) {
            out_ += "{\\f" + std::to_string(i) + "\\fnil\\fcharset134 ";
            needDelimiter_ = false;
            WriteText(faces_[i], true);
            out_ += ";}";
        }
        out_ += "}\r\n{\\colortbl ;";
        for (const Colour& c : colours_)
            out_ += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
                    std::to_string(c.blue) + ";";
        out_ += "}\r\n\\viewkind4\\uc1";
        for (const Paragraph& paragraph : document_.paragraphs) WriteParagraph(paragraph);
        out_ += "}\r\n";
        return std::move(out_);
    }

private:
    static const std::string& FaceOf(const CharFormat& format) {
        return format.face.empty() ? DefaultFace() : format.face;
    }

    void CollectTables() {
        for (const Paragraph& paragraph : document_.paragraphs)
            for (const Run& run : paragraph.runs) {
                const std::string& face = FaceOf(run.format);
                if (fontIndex_.emplace(face, static_cast<int>(faces_.size())).second) faces_.push_back(face);
                if (run.format.colour && colourIndex_.emplace(*run.format.colour, colours_.size() + 1).second)
                    colours_.push_back(*run.format.colour);
            }
        if (faces_.empty()) faces_.push_back(DefaultFace());
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

    void WriteParagraph(const Paragraph& paragraph) {
        Word("pard");
        const ParagraphFormat& format = paragraph.format;
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
                case Run::Kind::Text: WriteText(run.text, false); break;
                case Run::Kind::Tab: Word("tab"); break;
                case Run::Kind::LineBreak: Word("line"); break;
                case Run::Kind::Object:
                    out_ += run.text;
                    needDelimiter_ = false;
                    break;
            }
        }
        Word("par");
        out_ += "\r\n";
        needDelimiter_ = false;
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

    // Text of a run, or a font name (where ';' would end the entry).
    void WriteText(std::string_view text, bool fontName) {
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
            } else {
                unsigned char bytes[2];
                const int length = GbkBytesOf(c, bytes);
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
