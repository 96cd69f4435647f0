// Reading, creating and writing .docx packages for the Word model.
#include "platform/office/WordData.h"
#include "platform/office/Word.h"

namespace office::word {

namespace {

constexpr const char* kOfficeDocument =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
constexpr const char* kStylesRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
constexpr const char* kSettingsRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings";
constexpr const char* kFooterRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer";
constexpr const char* kMainType = "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
constexpr const char* kStylesType = "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml";
constexpr const char* kSettingsType = "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml";
constexpr const char* kFooterType = "application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml";
constexpr const char* kNamespaces =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

// 宋体 10.5 pt (五号) for Chinese text and Times New Roman for Latin text,
// as the system's documents expect.
const char* const kStyles =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" "
    "w:eastAsia=\"宋体\" w:cs=\"Times New Roman\"/><w:kern w:val=\"2\"/><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/>"
    "<w:lang w:val=\"en-US\" w:eastAsia=\"zh-CN\"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr>"
    "<w:jc w:val=\"both\"/></w:pPr></w:pPrDefault></w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"
    "<w:pPr><w:widowControl w:val=\"0\"/></w:pPr></w:style>"
    "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/>"
    "<w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/>"
    "<w:left w:w=\"108\" w:type=\"dxa\"/><w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/>"
    "</w:tblCellMar></w:tblPr></w:style></w:styles>";

const char* const kSettings =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:defaultTabStop w:val=\"420\"/><w:characterSpacingControl w:val=\"compressPunctuation\"/></w:settings>";

std::string FooterXml(const std::string& paragraphs) {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:ftr ") + kNamespaces + ">" +
           (paragraphs.empty() ? "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr></w:p>" : paragraphs) + "</w:ftr>";
}

struct PageSize {
    int width, height;
};
constexpr int kSideMargin = 1800;  // twips, left and right

// Page width and height in twips; landscape turns the page.
PageSize PageSizeOf(PaperSize paper, bool landscape) {
    PageSize size{11906, 16838};                                // A4, 210 x 297 mm
    if (paper == PaperSize::A3) size = {16838, 23811};         // 297 x 420 mm
    if (paper == PaperSize::B4) size = {14570, 20636};         // 257 x 364 mm
    if (paper == PaperSize::B5) size = {10318, 14570};         // 182 x 257 mm
    if (landscape) std::swap(size.width, size.height);
    return size;
}

std::string PageSizeXml(PaperSize paper, bool landscape) {
    const PageSize size = PageSizeOf(paper, landscape);
    return "<w:pgSz w:w=\"" + std::to_string(size.width) + "\" w:h=\"" + std::to_string(size.height) + "\"" +
           (landscape ? " w:orient=\"landscape\"" : "") + "/>";
}

Package SkeletonPackage(const std::string& bodyXml, const std::string& footerXml, PaperSize paper = PaperSize::A4,
                        bool landscape = false) {
    Package package;
    package.SetRelationships("", {{"rId1", kOfficeDocument, "word/document.xml"}});
    std::vector<Relationship> rels = {{"rId1", kStylesRel, "styles.xml"}, {"rId2", kSettingsRel, "settings.xml"}};
    std::string footerReference;
    if (!footerXml.empty()) {
        rels.push_back({"rId3", kFooterRel, "footer1.xml"});
        package.SetPart("word/footer1.xml", FooterXml(footerXml), kFooterType);
        footerReference = "<w:footerReference w:type=\"default\" r:id=\"rId3\"/>";
    }
    package.SetRelationships("word/document.xml", rels);
    package.SetPart("word/styles.xml", kStyles, kStylesType);
    package.SetPart("word/settings.xml", kSettings, kSettingsType);
    std::string body = bodyXml.empty() ? "<w:p/>" : bodyXml;
    package.SetPart("word/document.xml",
                    std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:document ") +
                        kNamespaces + "><w:body>" + body + "<w:sectPr>" + footerReference + PageSizeXml(paper, landscape) +
                        "<w:pgMar w:top=\"1440\" w:right=\"" + std::to_string(kSideMargin) + "\" "
                        "w:bottom=\"1440\" w:left=\"" + std::to_string(kSideMargin) + "\" w:header=\"851\" w:footer=\"992\" w:gutter=\"0\"/>"
                        "<w:docGrid w:type=\"lines\" w:linePitch=\"312\"/></w:sectPr></w:body></w:document>",
                    kMainType);
    return package;
}

bool ParseParts(DocData& doc, std::string& error) {
    doc.main = xml::Parse(doc.package.Part(doc.mainPart));
    if (!doc.main || !doc.Body()) {
        error = "文档内容已损坏";
        return false;
    }
    doc.footers.clear();
    for (const Relationship& r : doc.package.Relationships(doc.mainPart)) {
        if (r.type != kFooterRel) continue;
        std::string part = Package::ResolveTarget(doc.mainPart, r.target);
        xml::DocPtr footer = xml::Parse(doc.package.Part(part));
        if (!footer) {
            error = "文档页脚已损坏：" + part;
            return false;
        }
        doc.footers[part] = std::move(footer);
    }
    return true;
}

void StartAtBeginning(DocData& doc) {
    xmlNode* body = doc.Body();
    doc.pos = Position{FirstPara(xml::FirstElement(body)), 0, false};
    if (!doc.pos.para) {
        // A body without paragraphs gets one, so that there is a place to type.
        xmlNode* p = NewW(body, "p");
        xmlNode* first = xml::FirstElement(body);
        doc.pos.para = first ? xmlAddPrevSibling(first, p) : xmlAddChild(body, p);
    }
}

}  // namespace

bool LoadDocument(const std::string& path, DocData& doc, std::string& error) {
    if (!doc.package.Load(path, error)) return false;
    doc.mainPart.clear();
    for (const Relationship& r : doc.package.Relationships(""))
        if (r.type == kOfficeDocument) doc.mainPart = Package::ResolveTarget("", r.target);
    if (doc.mainPart.empty() || !doc.package.Has(doc.mainPart)) {
        error = "不是有效的Word文档：" + path;
        return false;
    }
    if (!ParseParts(doc, error)) {
        error += "：" + path;
        return false;
    }
    StartAtBeginning(doc);
    return true;
}

void NewDocument(DocData& doc) {
    doc.package = SkeletonPackage("", "");
    doc.mainPart = "word/document.xml";
    std::string error;
    ParseParts(doc, error);
    StartAtBeginning(doc);
}

bool SaveDocument(DocData& doc, const std::string& path, std::string& error) {
    doc.package.SetPart(doc.mainPart, xml::Serialize(doc.main.get()));
    for (const auto& [part, tree] : doc.footers) doc.package.SetPart(part, xml::Serialize(tree.get()));
    return doc.package.Save(path, error);
}

std::string AddFooterPart(DocData& doc, xmlNode* copyFrom, std::string& partName) {
    int n = 1;
    while (doc.package.Has("word/footer" + std::to_string(n) + ".xml") ||
           doc.footers.count("word/footer" + std::to_string(n) + ".xml"))
        ++n;
    partName = "word/footer" + std::to_string(n) + ".xml";
    std::string content;
    if (copyFrom)
        for (xmlNode* c = copyFrom->children; c; c = c->next) content += xml::SerializeNode(c);
    std::string bytes = FooterXml(content);
    doc.package.SetPart(partName, bytes, kFooterType);
    doc.footers[partName] = xml::Parse(bytes);
    return doc.package.AddRelationship(doc.mainPart, kFooterRel, "footer" + std::to_string(n) + ".xml");
}

std::string FooterPartOf(const DocData& doc, const std::string& relId) {
    for (const Relationship& r : doc.package.Relationships(doc.mainPart))
        if (r.id == relId && r.type == kFooterRel) return Package::ResolveTarget(doc.mainPart, r.target);
    return {};
}

int TextWidthTwips(PaperSize paper, bool landscape) {
    return PageSizeOf(paper, landscape).width - 2 * kSideMargin;
}

bool WriteDocx(const std::string& path, const std::string& bodyXml, const std::string& footerXml,
               std::string& error, PaperSize paper, bool landscape) {
    Package package = SkeletonPackage(bodyXml, footerXml, paper, landscape);
    // Checks that the body is well-formed before anything is written.
    if (!xml::Parse(package.Part("word/document.xml"))) {
        error = "文档内容不是有效的XML";
        return false;
    }
    return package.Save(path, error);
}

}  // namespace office::word
