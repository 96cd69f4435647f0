// The rich-text model: what the system keeps of a rich-text field.
//
// A Document is a list of paragraphs. Each paragraph has a format (alignment
// and indents) and a list of runs. A run is a piece of text in one character
// format, a tab, a line break inside the paragraph, or an embedded picture or
// object kept as the raw RTF group it was read from, so that it is written
// back unchanged.
//
// Units: sizes and indents are in twips (1/20 point): 210 twips is 10.5 pt,
// the system's default character height. RTF stores character sizes in
// half-points, so the written size is rounded to a multiple of 10 twips.
//
// Walking a document (what a Word or screen writer does):
//   for (const Paragraph& p : doc.paragraphs) {
//       // p.format.alignment, p.format.leftIndentTwips, p.format.firstIndentTwips
//       for (const Run& r : p.runs) switch (r.kind) {
//           case Run::Kind::Text:      /* r.text in r.format */ break;
//           case Run::Kind::Tab:       /* a tab */ break;
//           case Run::Kind::LineBreak: /* a line break, same paragraph */ break;
//           case Run::Kind::Object:    /* r.text is raw RTF, e.g. "{\pict ...}" */ break;
//       }
//   }
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace richtext {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

struct CharFormat {
    // Font face in UTF-8 ("宋体"). Empty means "no face given"; the writer
    // then uses DefaultFace().
    std::string face;
    // Character height in twips; 240 (12 pt) is the RTF default.
    int sizeTwips = 240;
    // Text colour; none means the automatic colour (normally black).
    std::optional<Colour> colour;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const CharFormat&) const = default;
};

// The face the writer gives text that names none.
const std::string& DefaultFace();

enum class Alignment { Left, Centre, Right, Justify };

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    // Indent of every line from the left margin.
    int leftIndentTwips = 0;
    // Indent of the first line relative to leftIndentTwips; negative hangs.
    int firstIndentTwips = 0;
    bool operator==(const ParagraphFormat&) const = default;
};

struct Run {
    enum class Kind { Text, Tab, LineBreak, Object };
    Kind kind = Kind::Text;
    CharFormat format;
    // Text: UTF-8 characters, never a control character (tabs and line
    // breaks are runs of their own). Object: the raw RTF group, braces included. Tab, LineBreak: empty.
    std::string text;
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    ParagraphFormat format;
    std::vector<Run> runs;

    // Appends text; a tab becomes a Tab run, "\n", "\r\n" or "\r" a
    // LineBreak run, and other control characters are dropped. Text joins
    // the last run when that is text in the same format, so a paragraph
    // never holds two adjacent text runs alike.
    void AddText(const CharFormat& format, std::string_view utf8);
    void AddTab(const CharFormat& format);
    void AddLineBreak(const CharFormat& format);
    void AddObject(const CharFormat& format, std::string rawRtf);

    bool operator==(const Paragraph&) const = default;
};

struct Document {
    std::vector<Paragraph> paragraphs;

    Paragraph& AddParagraph(const ParagraphFormat& format = {});
    bool operator==(const Document&) const = default;
};

}  // namespace richtext
