// Inserting files at the cursor: a .docx's body, or RTF through the
// rich-text reader with its character and paragraph formats.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

#include "platform/office/Office.h"
#include "platform/office/WordData.h"
#include "platform/richtext/Document.h"
#include "platform/richtext/Picture.h"
#include "platform/richtext/RtfReader.h"
#include "platform/sys/Sys.h"

namespace office::word {

namespace {

constexpr const char* kWrapperStart =
    "<w:body xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">";

std::string Hex(const richtext::Colour& c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", c.red, c.green, c.blue);
    return buffer;
}

std::string RunProperties(const richtext::CharFormat& f) {
    const std::string& face = f.face.empty() ? richtext::DefaultFace() : f.face;
    std::string fontAttr = xml::Escape(face);
    std::string out = "<w:rPr><w:rFonts w:ascii=\"" + fontAttr + "\" w:hAnsi=\"" + fontAttr + "\" w:eastAsia=\"" +
                      fontAttr + "\" w:cs=\"" + fontAttr + "\"/>";
    if (f.bold) out += "<w:b/>";
    if (f.italic) out += "<w:i/>";
    if (f.smallCaps) out += "<w:smallCaps/>";
    if (f.strike) out += "<w:strike/>";
    if (f.doubleStrike) out += "<w:dstrike/>";
    if (f.hidden) out += "<w:vanish/>";
    if (f.colour) out += "<w:color w:val=\"" + Hex(*f.colour) + "\"/>";
    if (f.raiseTwips != 0) out += "<w:position w:val=\"" + std::to_string(f.raiseTwips / 10) + "\"/>";
    // Twips to half-points.
    std::string half = std::to_string((f.sizeTwips + 5) / 10);
    out += "<w:sz w:val=\"" + half + "\"/><w:szCs w:val=\"" + half + "\"/>";
    if (f.underline) out += "<w:u w:val=\"single\"/>";
    if (f.background) out += "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"" + Hex(*f.background) + "\"/>";
    if (f.script == richtext::CharFormat::Script::Super) out += "<w:vertAlign w:val=\"superscript\"/>";
    if (f.script == richtext::CharFormat::Script::Sub) out += "<w:vertAlign w:val=\"subscript\"/>";
    return out + "</w:rPr>";
}

std::string TextRun(const richtext::CharFormat& format, const std::string& text) {
    return "<w:r>" + RunProperties(format) + "<w:t xml:space=\"preserve\">" + xml::Escape(text) + "</w:t></w:r>";
}

constexpr const char* kImageRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
constexpr const char* kFootnotesRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/footnotes";
constexpr const char* kFootnotesType = "application/vnd.openxmlformats-officedocument.wordprocessingml.footnotes+xml";
constexpr const char* kFootnotesPart = "word/footnotes.xml";

// Where the parts an inserted text brings (its pictures) go: the document
// the text is inserted in.
class Media {
public:
    explicit Media(DocData& doc) : doc_(doc) {}

    // A picture as an inline drawing of its size, its bytes a media part of
    // the document; "" for a picture of a type the document cannot show.
    std::string Drawing(const richtext::Picture& picture) {
        const std::string extension = richtext::ExtensionOf(picture.type);
        if (extension.empty() || picture.data.empty()) return {};
        static const std::map<std::string, std::string> types = {
            {"png", "image/png"}, {"jpeg", "image/jpeg"}, {"emf", "image/x-emf"},
            {"wmf", "image/x-wmf"}, {"bmp", "image/bmp"}};
        int n = 1;
        while (doc_.package.Has("word/media/image" + std::to_string(n) + "." + extension)) ++n;
        const std::string name = "image" + std::to_string(n) + "." + extension;
        doc_.package.SetPart("word/media/" + name, picture.data, types.at(extension));
        const std::string rel = doc_.package.AddRelationship(doc_.mainPart, kImageRel, "media/" + name);
        const std::string id = std::to_string(++drawings_ + 1000 * int(doc_.package.PartNames().size()));
        // Twips to English metric units; a picture without a size gets an inch.
        const std::string cx = std::to_string(std::int64_t(picture.widthTwips > 0 ? picture.widthTwips : 1440) * 635);
        const std::string cy = std::to_string(std::int64_t(picture.heightTwips > 0 ? picture.heightTwips : 1440) * 635);
        return "<w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\" "
               "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\">"
               "<wp:extent cx=\"" + cx + "\" cy=\"" + cy + "\"/><wp:docPr id=\"" + id + "\" name=\"" + name + "\"/>"
               "<a:graphic xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
               "<a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
               "<pic:pic xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
               "<pic:nvPicPr><pic:cNvPr id=\"" + id + "\" name=\"" + name + "\"/><pic:cNvPicPr/></pic:nvPicPr>"
               "<pic:blipFill><a:blip r:embed=\"" + rel + "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
               "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"" + cx + "\" cy=\"" + cy + "\"/></a:xfrm>"
               "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData></a:graphic>"
               "</wp:inline></w:drawing>";
    }

    // A footnote: its reference where it stands, its text, a paragraph a
    // line, in the document's footnotes (made with their separators when
    // the document has none).
    std::string Footnote(const richtext::Run& run) {
        std::string part;
        if (doc_.package.Has(kFootnotesPart)) {
            part = doc_.package.Part(kFootnotesPart);
        } else {
            part = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:footnotes "
                   "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                   "<w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/></w:r></w:p></w:footnote>"
                   "<w:footnote w:type=\"continuationSeparator\" w:id=\"0\"><w:p><w:r><w:continuationSeparator/>"
                   "</w:r></w:p></w:footnote></w:footnotes>";
            doc_.package.AddRelationship(doc_.mainPart, kFootnotesRel, "footnotes.xml");
        }
        const std::size_t end = part.rfind("</w:footnotes>");
        if (end == std::string::npos) return {};
        int id = 0;
        for (std::size_t at = part.find(" w:id=\""); at != std::string::npos; at = part.find(" w:id=\"", at + 1))
            id = std::max(id, std::atoi(part.c_str() + at + 7));
        ++id;
        richtext::CharFormat text = run.format;
        text.sizeTwips = std::max(run.format.sizeTwips * 3 / 4, 100);
        text.script = richtext::CharFormat::Script::Normal;
        richtext::CharFormat mark = text;
        mark.script = richtext::CharFormat::Script::Super;
        std::string note = "<w:footnote w:id=\"" + std::to_string(id) + "\">";
        std::size_t from = 0;
        while (from <= run.note.size()) {
            const std::size_t line = std::min(run.note.find('\n', from), run.note.size());
            note += "<w:p>";
            if (from == 0) note += "<w:r>" + RunProperties(mark) + "<w:footnoteRef/></w:r>" + TextRun(text, " ");
            note += TextRun(text, run.note.substr(from, line - from)) + "</w:p>";
            from = line + 1;
        }
        part.insert(end, note + "</w:footnote>");
        doc_.package.SetPart(kFootnotesPart, part, kFootnotesType);
        richtext::CharFormat reference = run.format;
        reference.script = richtext::CharFormat::Script::Super;
        return "<w:r>" + RunProperties(reference) + "<w:footnoteReference w:id=\"" + std::to_string(id) + "\"/></w:r>";
    }

private:
    DocData& doc_;
    int drawings_ = 0;
};

// An embedded picture or object by the first of its pictures the document
// can show (a Word picture's own, else its fallback; an object's result).
std::string ObjectRun(const richtext::Run& run, Media& media) {
    for (const richtext::Picture& picture : richtext::PicturesOf(run.text)) {
        std::string drawing = media.Drawing(picture);
        if (!drawing.empty()) return "<w:r>" + RunProperties(run.format) + drawing + "</w:r>";
    }
    return {};
}


std::string ParagraphXml(const richtext::Paragraph& p, Media& media) {
    static const char* const kJc[] = {"left", "center", "right", "both"};
    std::string out;
    out += "<w:p><w:pPr>";
    const auto& pf = p.format;
    if (pf.leftIndentTwips || pf.firstIndentTwips) {
        out += "<w:ind w:left=\"" + std::to_string(pf.leftIndentTwips) + "\"";
        out += pf.firstIndentTwips >= 0 ? " w:firstLine=\"" + std::to_string(pf.firstIndentTwips) + "\""
                                        : " w:hanging=\"" + std::to_string(-pf.firstIndentTwips) + "\"";
        out += "/>";
    }
    out += std::string("<w:jc w:val=\"") + kJc[static_cast<int>(pf.alignment)] + "\"/>";
    if (!p.runs.empty()) out += RunProperties(p.runs.back().format);
    out += "</w:pPr>";
    // The list's number or bullet as it was shown.
    if (!p.listText.empty())
        out += TextRun(p.listTextFormat, p.listText) + "<w:r>" + RunProperties(p.listTextFormat) + "<w:tab/></w:r>";
    for (const richtext::Run& r : p.runs) {
        switch (r.kind) {
            case richtext::Run::Kind::Text: out += TextRun(r.format, r.text); break;
            case richtext::Run::Kind::Tab: out += "<w:r>" + RunProperties(r.format) + "<w:tab/></w:r>"; break;
            case richtext::Run::Kind::LineBreak: out += "<w:r>" + RunProperties(r.format) + "<w:br/></w:r>"; break;
            case richtext::Run::Kind::Object: out += ObjectRun(r, media); break;
            case richtext::Run::Kind::Group: if (!r.note.empty()) out += media.Footnote(r); break;
        }
    }
    // A page or section break: what follows starts a new page.
    if (p.end != richtext::Paragraph::End::Paragraph && !p.format.inTable) out += "<w:r><w:br w:type=\"page\"/></w:r>";
    out += "</w:p>";
    return out;
}

bool HasBorders(const richtext::TableRow& row) {
    if (row.otherWords.find("brdr") != std::string::npos) return true;
    return std::any_of(row.cells.begin(), row.cells.end(),
                       [](const richtext::TableCell& c) { return c.otherWords.find("brdr") != std::string::npos; });
}

std::string BlocksXml(const std::vector<richtext::Block>& blocks, Media& media);

// A table as Word keeps it: a grid of every cell edge of its rows, each cell
// spanning the grid columns between its edges, merged cells as one; a table
// inside a cell as a table in it, the cell ending with a paragraph.
std::string TableXml(const richtext::TableRows& table, Media& media) {
    // Right edges of the cells of a row (a row without its definition gets
    // cells of equal width).
    auto edges = [&](const richtext::TableRows::Row& row) {
        std::vector<int> right;
        int left = row.definition.leftTwips;
        for (const richtext::TableCell& cell : row.definition.cells) right.push_back(left = std::max(cell.rightTwips, left + 1));
        while (right.size() < row.cells.size()) right.push_back(left += 1800);
        return right;
    };
    const int start = table.rows.front().definition.leftTwips;
    std::set<int> grid;
    bool borders = false;
    for (const auto& row : table.rows) {
        for (int edge : edges(row)) grid.insert(edge);
        borders = borders || HasBorders(row.definition);
    }
    std::string out = "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/><w:tblInd w:w=\"" +
                      std::to_string(start + table.rows.front().definition.gapTwips) + "\" w:type=\"dxa\"/>";
    if (borders) {
        out += "<w:tblBorders>";
        for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
            out += std::string("<w:") + side + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
        out += "</w:tblBorders>";
    }
    out += "<w:tblLayout w:type=\"fixed\"/></w:tblPr><w:tblGrid>";
    int previous = start;
    for (int edge : grid) {
        out += "<w:gridCol w:w=\"" + std::to_string(std::max(edge - previous, 0)) + "\"/>";
        previous = edge;
    }
    out += "</w:tblGrid>";
    for (const auto& row : table.rows) {
        out += "<w:tr>";
        const std::vector<int> right = edges(row);
        const auto& cells = row.definition.cells;
        int left = start;
        for (std::size_t c = 0; c < right.size(); ++c) {
            // Cells merged into this one widen it and give no cell of their own.
            std::size_t last = c;
            if (c < cells.size() && cells[c].merge == richtext::TableCell::Merge::First)
                while (last + 1 < cells.size() && cells[last + 1].merge == richtext::TableCell::Merge::Continued) ++last;
            const int span = int(std::distance(grid.upper_bound(left), grid.upper_bound(right[last])));
            out += "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(right[last] - left) + "\" w:type=\"dxa\"/>";
            if (span > 1) out += "<w:gridSpan w:val=\"" + std::to_string(span) + "\"/>";
            if (c < cells.size() && cells[c].verticalMerge != richtext::TableCell::Merge::None)
                out += cells[c].verticalMerge == richtext::TableCell::Merge::First ? "<w:vMerge w:val=\"restart\"/>"
                                                                                  : "<w:vMerge/>";
            out += "</w:tcPr>";
            std::vector<richtext::Block> blocks;
            for (std::size_t k = c; k <= last && k < row.cells.size(); ++k)
                for (const richtext::Block& b : row.cells[k])
                    if (k == c || b.table || !b.paragraph->runs.empty()) blocks.push_back(b);
            out += BlocksXml(blocks, media);
            if (blocks.empty() || blocks.back().table) out += "<w:p/>";
            out += "</w:tc>";
            left = right[last];
            c = last;
        }
        out += "</w:tr>";
    }
    return out + "</w:tbl>";
}

// WordprocessingML paragraphs and tables.
std::string BlocksXml(const std::vector<richtext::Block>& blocks, Media& media) {
    std::string out;
    for (const richtext::Block& block : blocks)
        out += block.table ? TableXml(*block.table, media) : ParagraphXml(*block.paragraph, media);
    return out;
}

}  // namespace

void InsertBlocksAt(DocData& doc, xmlNode* source) {
    xmlNode* p = doc.pos.para;
    std::vector<xmlNode*> blocks;
    for (xmlNode* b = xml::FirstElement(source); b; b = xml::NextElement(b)) {
        if (!IsW(b, "p") && !IsW(b, "tbl")) continue;
        xmlNode* copy = xmlDocCopyNode(b, p->doc, 1);
        // A section break of the inserted file does not come along.
        if (IsW(copy, "p"))
            if (xmlNode* sect = xml::Child(xml::Child(copy, xml::kWord, "pPr"), xml::kWord, "sectPr")) {
                xmlUnlinkNode(sect);
                xmlFreeNode(sect);
            }
        blocks.push_back(copy);
    }
    if (blocks.empty()) return;
    if (doc.pos.offset > 0 || doc.pos.rowEnd) {
        xmlNode* before = doc.pos.rowEnd ? nullptr : SplitAt(p, doc.pos.offset);
        xmlNode* target = IsW(blocks.front(), "p") ? blocks.front() : nullptr;
        if (!target) {
            target = CloneParagraphShell(p);
            blocks.insert(blocks.begin(), target);
        }
        xmlNode* anchor = xml::FirstElement(target);
        while (anchor && IsW(anchor, "pPr")) anchor = xml::NextElement(anchor);
        for (xmlNode* c = p->children; c && c != before;) {
            xmlNode* next = c->next;
            if (!IsW(c, "pPr")) {
                xmlUnlinkNode(c);
                if (anchor) xmlAddPrevSibling(anchor, c);
                else xmlAddChild(target, c);
            }
            c = next;
        }
    }
    for (xmlNode* b : blocks) {
        xmlAddPrevSibling(p, b);
        xmlReconciliateNs(p->doc, b);
    }
    doc.pos = Position{p, 0, false};
}

bool InsertFileAt(DocData& doc, const std::string& path, std::string& error) {
    std::string file = OoxmlPath(path);
    std::string bytes;
    if (!sys::ReadFile(file, bytes)) {
        error = "无法读取文件：" + file;
        return false;
    }
    if (bytes.size() >= 2 && bytes[0] == 'P' && bytes[1] == 'K') {
        DocData inserted;
        if (!LoadDocument(file, inserted, error)) return false;
        InsertBlocksAt(doc, inserted.Body());
        return true;
    }
    // RTF, or plain text, which the reader takes one paragraph per line.
    richtext::Document rich = richtext::ReadRtf(bytes);
    Media media(doc);
    xml::DocPtr wrapper = xml::Parse(std::string(kWrapperStart) + BlocksXml(richtext::Blocks(rich.paragraphs), media) + "</w:body>");
    if (!wrapper) {
        error = "无法插入文件：" + file;
        return false;
    }
    InsertBlocksAt(doc, xmlDocGetRootElement(wrapper.get()));
    return true;
}

}  // namespace office::word
