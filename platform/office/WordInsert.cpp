// Inserting files at the cursor: a .docx's body, or RTF through the
// rich-text reader with its character and paragraph formats.
#include <cstdio>

#include "platform/office/Office.h"
#include "platform/office/WordData.h"
#include "platform/richtext/Document.h"
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
    if (f.colour) out += "<w:color w:val=\"" + Hex(*f.colour) + "\"/>";
    // Twips to half-points.
    std::string half = std::to_string((f.sizeTwips + 5) / 10);
    out += "<w:sz w:val=\"" + half + "\"/><w:szCs w:val=\"" + half + "\"/>";
    if (f.underline) out += "<w:u w:val=\"single\"/>";
    return out + "</w:rPr>";
}

// WordprocessingML paragraphs for a rich-text document.
std::string ParagraphsXml(const richtext::Document& doc) {
    static const char* const kJc[] = {"left", "center", "right", "both"};
    std::string out;
    for (const richtext::Paragraph& p : doc.paragraphs) {
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
        for (const richtext::Run& r : p.runs) {
            switch (r.kind) {
                case richtext::Run::Kind::Text:
                    out += "<w:r>" + RunProperties(r.format) + "<w:t xml:space=\"preserve\">" + xml::Escape(r.text) +
                           "</w:t></w:r>";
                    break;
                case richtext::Run::Kind::Tab: out += "<w:r>" + RunProperties(r.format) + "<w:tab/></w:r>"; break;
                case richtext::Run::Kind::LineBreak: out += "<w:r>" + RunProperties(r.format) + "<w:br/></w:r>"; break;
                case richtext::Run::Kind::Object: break;  // embedded pictures and objects are not carried over
            }
        }
        out += "</w:p>";
    }
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
    xml::DocPtr wrapper = xml::Parse(std::string(kWrapperStart) + ParagraphsXml(rich) + "</w:body>");
    if (!wrapper) {
        error = "无法插入文件：" + file;
        return false;
    }
    InsertBlocksAt(doc, xmlDocGetRootElement(wrapper.get()));
    return true;
}

}  // namespace office::word
