// The rich-text model: what the system keeps of a rich-text field.
//
// A Document is a list of paragraphs. Each paragraph has a format (alignment
// and indents) and a list of runs. A run is a piece of text in one character
// format, a tab, a line break inside the paragraph, an embedded picture or
// object kept as the raw RTF group it was read from, so that it is written
// back unchanged, or another group the model does not represent (a bookmark,
// a footnote), kept the same way and shown as nothing.
//
// Tables are kept as RTF keeps them: their paragraphs stand in the list in
// reading order, marked inTable; the last paragraph of a cell has endsCell,
// and the last paragraph of a row also carries the row's definition (cell
// widths and merges). A table inside a table's cell is kept alike, its
// paragraphs marked one level deeper (nesting) among those of the cell.
// Blocks() gives the text as paragraphs and tables, cells holding their
// paragraphs and tables. A list paragraph keeps its number or bullet as shown
// ("1.", "（一）", "•") and the definition that made it, as read.
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
//           case Run::Kind::Group:     /* r.text is raw RTF, not shown */ break;
//       }
//   }
#pragma once

#include <cstdint>
#include <memory>
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
    // \super and \sub: smaller text, raised or lowered.
    enum class Script { Normal, Super, Sub };
    Script script = Script::Normal;
    // \upN and \dnN: text raised (positive) or lowered by N half-points,
    // kept in twips, its size unchanged.
    int raiseTwips = 0;
    // \v: hidden text, kept and written back, not printed.
    bool hidden = false;
    // \strike and \striked1: struck through once, or twice.
    bool strike = false;
    bool doubleStrike = false;
    // \scaps: small capitals.
    bool smallCaps = false;
    // \highlightN, \cbN or \chcbpatN: the colour behind the text; none: none.
    std::optional<Colour> background;
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
    // \intbl: the paragraph stands in a table cell.
    bool inTable = false;
    // \itapN: in a table, how many tables deep beyond the first (N - 1): 1
    // for a paragraph of a table inside a cell of another. At most
    // kMaxTableNesting.
    int nesting = 0;
    // The list the paragraph belongs to, as read: the "{\*\pn ...}" group
    // the Windows control writes, written back unchanged; and \lsN \ilvlN,
    // an entry of the document's list table (kept in headerGroups). Empty
    // and 0: not in a list.
    std::string listDefinition;
    int listOverride = 0;
    int listLevel = 0;
    bool operator==(const ParagraphFormat&) const = default;
};

struct TableCell {
    // The right edge of the cell from the row's left edge (\cellxN).
    int rightTwips = 0;
    // \clmgf: first of horizontally merged cells; \clmrg: merged into the
    // cell before it.
    enum class Merge { None, First, Continued };
    Merge merge = Merge::None;
    // \clvmgf: first of vertically merged cells; \clvmrg: merged into the
    // cell above it.
    Merge verticalMerge = Merge::None;
    // The cell's other definition words as read (borders, shading,
    // vertical alignment: "\clbrdrt\brdrs\brdrw10"), written back before \cellx.
    std::string otherWords;
    bool operator==(const TableCell&) const = default;
};

struct TableRow {
    int gapTwips = 108;    // \trgaph: half the space between cells
    int leftTwips = -108;  // \trleft: where the row starts
    // The row's other definition words as read (borders, alignment).
    std::string otherWords;
    std::vector<TableCell> cells;
    bool operator==(const TableRow&) const = default;
};

struct Run {
    enum class Kind { Text, Tab, LineBreak, Object, Group };
    Kind kind = Kind::Text;
    CharFormat format;
    // Text: UTF-8 characters, never a control character (tabs and line
    // breaks are runs of their own). Object, Group: the raw RTF group,
    // braces included. Tab, LineBreak: empty.
    std::string text;
    // Group: of a footnote ("{\\footnote ...}"), its text in UTF-8, a
    // paragraph a line; it is shown as a marked note and printed as a
    // footnote. Empty for other groups.
    std::string note;
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    ParagraphFormat format;
    std::vector<Run> runs;
    // The number or bullet shown before a list paragraph, as read from
    // {\pntext ...} or {\listtext ...}, without its tab; in listTextFormat.
    std::string listText;
    CharFormat listTextFormat;
    // In a table: the paragraph is the last of its cell (\cell), and the
    // last of its row (\row), which it then defines.
    bool endsCell = false;
    std::optional<TableRow> endsRow;
    // What ends the paragraph: \par, or a page (\page) or section (\sect)
    // break, which starts a new page where the text is printed.
    enum class End { Paragraph, Page, Section };
    End end = End::Paragraph;

    // Appends text; a tab becomes a Tab run, "\n", "\r\n" or "\r" a
    // LineBreak run, and other control characters are dropped. Text joins
    // the last run when that is text in the same format, so a paragraph
    // never holds two adjacent text runs alike.
    void AddText(const CharFormat& format, std::string_view utf8);
    void AddTab(const CharFormat& format);
    void AddLineBreak(const CharFormat& format);
    void AddObject(const CharFormat& format, std::string rawRtf);
    void AddGroup(const CharFormat& format, std::string rawRtf, std::string note = {});

    bool operator==(const Paragraph&) const = default;
};

struct Document {
    std::vector<Paragraph> paragraphs;
    // Groups of the document's head the model does not represent (the list
    // tables, the style sheet, unknown "{\* ...}" groups), byte for byte in
    // their order; written back after the colour table.
    std::vector<std::string> headerGroups;
    // The font table as read, indexed by font number ("" where a number was
    // not given). The writer keeps these numbers, so that passed-through
    // groups naming a font (\pnfN, \fN) still name the same one.
    std::vector<std::string> fonts;
    // The numbers among them of symbol fonts (\fcharset2), whose text is
    // single bytes: written back as such, so that a bullet stays a bullet.
    std::vector<int> symbolFonts;

    Paragraph& AddParagraph(const ParagraphFormat& format = {});
    // Alike in paragraphs and head groups; how fonts were numbered does not count.
    bool operator==(const Document& other) const {
        return paragraphs == other.paragraphs && headerGroups == other.headerGroups;
    }
};

// How many tables deep a table may stand inside cells of others; deeper
// ones are read as tables at this depth.
constexpr int kMaxTableNesting = 31;

// The text as paragraphs and tables in reading order, each table cell
// holding its own paragraphs and the tables inside it. Each table row ends
// at the paragraph that carries its definition; a row cut off before it
// ends with the text's or the cell's table (only an edit or a damaged file
// makes one) and comes with an empty definition.
struct TableRows;
struct Block {
    const Paragraph* paragraph = nullptr;     // a paragraph, or else
    std::shared_ptr<const TableRows> table;  // a table
};
struct TableRows {
    struct Row {
        std::vector<std::vector<Block>> cells;
        TableRow definition;
    };
    std::vector<Row> rows;
    int columns = 1;  // the most cells of a row, by its paragraphs or its definition
};
std::vector<Block> Blocks(const std::vector<Paragraph>& paragraphs);

}  // namespace richtext
