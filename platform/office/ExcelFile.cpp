// Reading and writing the workbook model as an .xlsx package.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "platform/office/ExcelData.h"
#include "platform/office/Package.h"
#include "platform/office/TextFit.h"
#include "platform/office/Xml.h"
#include "platform/text/Text.h"

namespace office::excel {

namespace {

constexpr const char* kOfficeDocument =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
constexpr const char* kWorksheetRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
constexpr const char* kStylesRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
constexpr const char* kSharedStringsRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings";
constexpr const char* kSheetType = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

// Order of the worksheet's child elements; the model writes some of them
// itself and keeps the rest of a loaded sheet as they were.
const char* const kSheetOrder[] = {
    "sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols", "sheetData", "sheetCalcPr", "sheetProtection",
    "protectedRanges", "scenarios", "autoFilter", "sortState", "dataConsolidate", "customSheetViews", "mergeCells",
    "phoneticPr", "conditionalFormatting", "dataValidations", "hyperlinks", "printOptions", "pageMargins",
    "pageSetup", "headerFooter", "rowBreaks", "colBreaks", "customProperties", "cellWatches", "ignoredErrors",
    "smartTags", "drawing", "legacyDrawing", "legacyDrawingHF", "picture", "oleObjects", "controls",
    "webPublishItems", "tableParts", "extLst"};

std::string AttributesOf(xmlNode* node) {
    std::string out;
    for (xmlAttr* a = node ? node->properties : nullptr; a; a = a->next) {
        xmlChar* v = xmlNodeGetContent(reinterpret_cast<xmlNode*>(a));
        out += std::string(out.empty() ? "" : " ") + reinterpret_cast<const char*>(a->name) + "=\"" +
               xml::Escape(v ? reinterpret_cast<const char*>(v) : "") + "\"";
        xmlFree(v);
    }
    return out;
}

bool BoolAttr(xmlNode* node) {
    if (!node) return false;
    std::string v = xml::Attr(node, nullptr, "val");
    return v.empty() || v == "1" || v == "true";
}

FontSpec ReadFont(xmlNode* node) {
    FontSpec f;
    f.name.clear();
    f.bold = BoolAttr(xml::Child(node, xml::kMain, "b"));
    f.italic = BoolAttr(xml::Child(node, xml::kMain, "i"));
    if (xmlNode* u = xml::Child(node, xml::kMain, "u")) {
        f.underline = xml::Attr(u, nullptr, "val");
        if (f.underline.empty()) f.underline = "single";
    }
    if (xmlNode* sz = xml::Child(node, xml::kMain, "sz")) f.size = text::Atof(xml::Attr(sz, nullptr, "val"));
    if (xmlNode* c = xml::Child(node, xml::kMain, "color")) f.colour = AttributesOf(c);
    if (xmlNode* n = xml::Child(node, xml::kMain, "name")) f.name = xml::Attr(n, nullptr, "val");
    if (f.name.empty()) f.name = "宋体";
    return f;
}

EdgeSpec ReadEdge(xmlNode* border, const char* name) {
    EdgeSpec e;
    xmlNode* node = xml::Child(border, xml::kMain, name);
    if (!node) return e;
    e.style = xml::Attr(node, nullptr, "style");
    if (e.style == "none") e.style.clear();
    if (xmlNode* c = xml::Child(node, xml::kMain, "color")) {
        std::string attrs = AttributesOf(c);
        if (attrs != "auto=\"1\"" && attrs != "indexed=\"64\"") e.colour = attrs;
    }
    return e;
}

std::string FontXml(const FontSpec& f) {
    std::string out = "<font>";
    if (f.bold) out += "<b/>";
    if (f.italic) out += "<i/>";
    if (!f.underline.empty()) out += f.underline == "single" ? "<u/>" : "<u val=\"" + xml::Escape(f.underline) + "\"/>";
    out += "<sz val=\"" + FormatNumber(f.size) + "\"/>";
    if (!f.colour.empty()) out += "<color " + f.colour + "/>";
    out += "<name val=\"" + xml::Escape(f.name) + "\"/>";
    bool ascii = true;
    for (unsigned char c : f.name) ascii = ascii && c < 0x80;
    if (!ascii) out += "<charset val=\"134\"/>";
    return out + "</font>";
}

std::string EdgeXml(const char* name, const EdgeSpec& e) {
    if (e.style.empty()) return std::string("<") + name + "/>";
    std::string colour = e.colour.empty() ? "indexed=\"64\"" : e.colour;
    return std::string("<") + name + " style=\"" + e.style + "\"><color " + colour + "/></" + name + ">";
}

std::string BorderXml(const BorderSpec& b) {
    return "<border>" + EdgeXml("left", b.left) + EdgeXml("right", b.right) + EdgeXml("top", b.top) +
           EdgeXml("bottom", b.bottom) + "<diagonal/></border>";
}

std::string CellRef(int row, int column) { return ColumnName(column) + std::to_string(row); }

// <name a="1" b="2"/> from a map of attributes.
std::string EmptyElement(const char* name, const std::map<std::string, std::string>& attributes) {
    std::string out = std::string("<") + name;
    for (const auto& [k, v] : attributes) out += " " + k + "=\"" + xml::Escape(v) + "\"";
    return out + "/>";
}

// The sheet's properties with the flag that makes its page setup scale to
// fit, which lives inside them.
std::string SheetPropertiesXml(const SheetData& sheet, std::string kept) {
    if (!sheet.fitToPage) return kept;
    const std::string fit = "<pageSetUpPr fitToPage=\"1\"/>";
    if (kept.empty()) return "<sheetPr>" + fit + "</sheetPr>";
    if (kept.ends_with("/>")) return kept.substr(0, kept.size() - 2) + ">" + fit + "</sheetPr>";
    return kept.insert(kept.rfind("</"), fit);
}

// The workbook's print names: a sheet name quoted as formulas need it.
std::string SheetReference(const std::string& name) {
    std::string quoted = "'";
    for (char c : name) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'!";
}

std::string DefinedNamesXml(const BookData& book) {
    std::string out;
    for (std::size_t i = 0; i < book.sheets.size(); ++i) {
        const SheetData& sheet = *book.sheets[i];
        auto name = [&](const char* builtin, const std::string& ref) {
            if (ref.empty()) return;
            out += "<definedName name=\"" + std::string(builtin) + "\" localSheetId=\"" + std::to_string(i) + "\">" +
                   xml::Escape(SheetReference(sheet.name) + ref) + "</definedName>";
        };
        name("_xlnm.Print_Area", sheet.printArea);
        name("_xlnm.Print_Titles", sheet.printTitleRows);
    }
    return out.empty() ? out : "<definedNames>" + out + "</definedNames>";
}

bool ParseRef(const std::string& ref, int& row, int& column) { return ParseCellName(ref, row, column); }

// -------------------------------------------------------------- writing

std::string StylesXml(const BookData& book) {
    std::vector<std::string> fonts, borders;
    std::unordered_map<std::string, int> fontIds, borderIds;
    std::string xfs;
    for (const CellStyle& s : book.styles) {
        std::string fk = s.font.Key();
        auto f = fontIds.find(fk);
        if (f == fontIds.end()) {
            f = fontIds.emplace(fk, static_cast<int>(fonts.size())).first;
            fonts.push_back(FontXml(s.font));
        }
        std::string bk = s.border.Key();
        auto b = borderIds.find(bk);
        if (b == borderIds.end()) {
            b = borderIds.emplace(bk, static_cast<int>(borders.size())).first;
            borders.push_back(BorderXml(s.border));
        }
        int fillId = s.fillId >= 0 && s.fillId < static_cast<int>(book.fills.size()) ? s.fillId : 0;
        xfs += "<xf numFmtId=\"" + std::to_string(s.numFmtId) + "\" fontId=\"" + std::to_string(f->second) +
               "\" fillId=\"" + std::to_string(fillId) + "\" borderId=\"" + std::to_string(b->second) +
               "\" xfId=\"0\" applyFont=\"1\" applyBorder=\"1\"";
        if (s.numFmtId) xfs += " applyNumberFormat=\"1\"";
        if (fillId) xfs += " applyFill=\"1\"";
        if (s.alignment.empty()) {
            xfs += "/>";
        } else {
            xfs += " applyAlignment=\"1\"><alignment";
            for (const auto& [k, v] : s.alignment) xfs += " " + k + "=\"" + xml::Escape(v) + "\"";
            xfs += "/></xf>";
        }
    }
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    if (!book.numberFormats.empty()) {
        out += "<numFmts count=\"" + std::to_string(book.numberFormats.size()) + "\">";
        for (const auto& [id, code] : book.numberFormats)
            out += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\"" + xml::Escape(code) + "\"/>";
        out += "</numFmts>";
    }
    out += "<fonts count=\"" + std::to_string(fonts.size()) + "\">";
    for (const auto& f : fonts) out += f;
    out += "</fonts><fills count=\"" + std::to_string(book.fills.size()) + "\">";
    for (const auto& f : book.fills) out += f;
    out += "</fills><borders count=\"" + std::to_string(borders.size()) + "\">";
    for (const auto& b : borders) out += b;
    out += "</borders><cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
           "</cellStyleXfs><cellXfs count=\"" +
           std::to_string(book.styles.size()) + "\">" + xfs +
           "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
           "</styleSheet>";
    return out;
}

// The workbook's shared strings in the order of first use. The texts are
// viewed where the cells hold them: the book does not change while it saves.
struct SharedStrings {
    std::unordered_map<std::string_view, int> index;
    std::vector<std::string_view> order;

    int IndexOf(std::string_view text) {
        auto [it, added] = index.try_emplace(text, static_cast<int>(order.size()));
        if (added) order.push_back(text);
        return it->second;
    }
};

template <typename Integer>
void AppendInteger(std::string& out, Integer value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Rows grow to their wrapped text, as a reader that keeps the stored heights
// would not grow them: a row whose wrapping text needs more lines than its
// height (set, or the default of one line) holds is written with the height
// of those lines. Cells merged across one row wrap in the merged width; cells
// merged over several rows keep the heights they were given.
class RowFit {
public:
    explicit RowFit(const SheetData& sheet) : sheet_(sheet) {
        const auto& styles = sheet.book->styles;
        wraps_.reserve(styles.size());
        for (const CellStyle& style : styles) {
            auto it = style.alignment.find("wrapText");
            wraps_.push_back(it != style.alignment.end() && (it->second == "1" || it->second == "true"));
        }
        for (const Rect& m : sheet.merges) merges_.emplace(Key(m.top, m.left), m);
    }

    // The height to write for a row: its own, raised to what its wrapped
    // text needs; 0 to leave the default.
    double Height(int r, const RowData& row) const {
        double needed = 0;
        for (const auto& [c, cell] : row.cells) {
            if (cell.kind != ValueKind::Text || !wraps_[static_cast<std::size_t>(cell.style)]) continue;
            int right = c;
            auto merge = merges_.find(Key(r, c));
            if (merge != merges_.end()) {
                if (merge->second.bottom > r) continue;
                right = merge->second.right;
            }
            const FontSpec& font = sheet_.book->styles[static_cast<std::size_t>(cell.style)].font;
            double width = 0;
            for (int k = c; k <= right; ++k) width += ColumnPoints(k);
            const int lines = WrappedLines(cell.text, width - kCellPadding, font.size);
            if (lines < 2) continue;
            // A height given to the row stays while it holds the lines set
            // close; otherwise, as a row without one, it gets room to spare.
            if (row.height > 0 && lines * font.size * kCloseLines <= row.height) continue;
            needed = std::max(needed, lines * LineHeight(font.size) + kRowPadding);
        }
        needed = std::min(std::ceil(needed), 409.0);
        return row.height > 0 ? std::max(row.height, needed) : needed;
    }

private:
    static constexpr double kCellPadding = 2;   // points inside a cell's edges
    static constexpr double kRowPadding = 4;    // points above and below the lines
    static constexpr double kCloseLines = 1.15;  // ems from line to line, set close
    static long long Key(int r, int c) { return static_cast<long long>(r) << 16 | c; }

    // A column's width in points, as the office suite prints it: the stored
    // width (padding included) in digits of the default font, half an em of
    // its 11 points.
    double ColumnPoints(int c) const {
        auto it = sheet_.columnWidths.find(c);
        const double width = it != sheet_.columnWidths.end() ? it->second
                             : sheet_.defaultColumnWidth > 0 ? sheet_.defaultColumnWidth
                                                             : CharactersToFileWidth(8.38);
        return width * 5.5;
    }

    const SheetData& sheet_;
    std::vector<bool> wraps_;
    std::unordered_map<long long, Rect> merges_;
};

// The cells are most of a large workbook's bytes: they are appended in place,
// without a temporary text per cell.
void SheetDataXml(std::string& out, const SheetData& sheet, SharedStrings& strings) {
    out += "<sheetData>";
    const RowFit fit(sheet);
    for (const auto& [r, row] : sheet.rows) {
        if (row.cells.empty() && row.height <= 0) continue;
        out += "<row r=\"";
        AppendInteger(out, r);
        out += '"';
        if (const double height = fit.Height(r, row); height > 0) {
            out += " ht=\"";
            AppendNumber(out, height);
            out += "\" customHeight=\"1\"";
        }
        out += '>';
        for (const auto& [c, cell] : row.cells) {
            out += "<c r=\"";
            AppendColumnName(out, c);
            AppendInteger(out, r);
            out += '"';
            if (cell.style) {
                out += " s=\"";
                AppendInteger(out, cell.style);
                out += '"';
            }
            switch (cell.kind) {
                case ValueKind::Empty: out += "/>"; break;
                case ValueKind::Number:
                    out += "><v>";
                    AppendNumber(out, cell.number);
                    out += "</v></c>";
                    break;
                case ValueKind::Formula:
                    out += "><f>";
                    xml::EscapeTo(out, cell.text);
                    out += "</f></c>";
                    break;
                case ValueKind::Text:
                    out += " t=\"s\"><v>";
                    AppendInteger(out, strings.IndexOf(cell.text));
                    out += "</v></c>";
                    break;
            }
        }
        out += "</row>";
    }
    out += "</sheetData>";
}

std::string SheetXml(const SheetData& sheet, SharedStrings& strings) {
    auto kept = [&](const char* name) {
        auto it = sheet.kept.find(name);
        return it == sheet.kept.end() ? std::string() : it->second;
    };
    std::size_t cells = 0;
    for (const auto& entry : sheet.rows) cells += entry.second.cells.size();
    std::string out;
    out.reserve(1024 + sheet.rows.size() * 64 + cells * 48);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">";
    for (const char* name : kSheetOrder) {
        std::string element = name;
        if (element == "sheetPr") {
            out += SheetPropertiesXml(sheet, kept("sheetPr"));
        } else if (element == "dimension") {
            int top = 0, bottom = 0, left = 1 << 20, right = 0;
            for (const auto& [r, row] : sheet.rows) {
                if (row.cells.empty()) continue;
                if (!top) top = r;
                bottom = r;
                left = std::min(left, row.cells.begin()->first);
                right = std::max(right, row.cells.rbegin()->first);
            }
            std::string ref = top ? CellRef(top, left) + (top == bottom && left == right ? "" : ":" + CellRef(bottom, right))
                                  : std::string("A1");
            out += "<dimension ref=\"" + ref + "\"/>";
        } else if (element == "sheetViews") {
            std::string views = kept("sheetViews");
            out += views.empty() ? "<sheetViews><sheetView workbookViewId=\"0\"/></sheetViews>" : views;
        } else if (element == "sheetFormatPr") {
            out += "<sheetFormatPr";
            if (sheet.defaultColumnWidth > 0) out += " defaultColWidth=\"" + FormatNumber(sheet.defaultColumnWidth) + "\"";
            out += " defaultRowHeight=\"13.5\"/>";
        } else if (element == "cols") {
            if (sheet.columnWidths.empty()) continue;
            out += "<cols>";
            for (auto it = sheet.columnWidths.begin(); it != sheet.columnWidths.end();) {
                int first = it->first, last = it->first;
                double width = it->second;
                auto next = std::next(it);
                while (next != sheet.columnWidths.end() && next->first == last + 1 && next->second == width) {
                    last = next->first;
                    ++next;
                }
                out += "<col min=\"" + std::to_string(first) + "\" max=\"" + std::to_string(last) + "\" width=\"" +
                       FormatNumber(width) + "\" customWidth=\"1\"/>";
                it = next;
            }
            out += "</cols>";
        } else if (element == "sheetData") {
            SheetDataXml(out, sheet, strings);
        } else if (element == "mergeCells") {
            if (sheet.merges.empty()) continue;
            out += "<mergeCells count=\"" + std::to_string(sheet.merges.size()) + "\">";
            for (const Rect& m : sheet.merges)
                out += "<mergeCell ref=\"" + CellRef(m.top, m.left) + ":" + CellRef(m.bottom, m.right) + "\"/>";
            out += "</mergeCells>";
        } else if (element == "printOptions") {
            if (!sheet.printOptions.empty()) out += EmptyElement("printOptions", sheet.printOptions);
        } else if (element == "pageMargins") {
            out += sheet.pageMargins.empty() ? "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" "
                                               "header=\"0.3\" footer=\"0.3\"/>"
                                             : EmptyElement("pageMargins", sheet.pageMargins);
        } else if (element == "pageSetup") {
            if (!sheet.pageSetup.empty()) out += EmptyElement("pageSetup", sheet.pageSetup);
        } else if (element == "headerFooter") {
            if (sheet.headerFooter.empty()) continue;
            out += "<headerFooter>";
            // The children in the order the file format requires.
            for (const char* part : {"oddHeader", "oddFooter", "evenHeader", "evenFooter", "firstHeader", "firstFooter"}) {
                auto it = sheet.headerFooter.find(part);
                if (it != sheet.headerFooter.end())
                    out += std::string("<") + part + ">" + xml::Escape(it->second) + "</" + part + ">";
            }
            out += "</headerFooter>";
        } else if (element == "rowBreaks") {
            if (sheet.rowBreaks.empty()) continue;
            std::string n = std::to_string(sheet.rowBreaks.size());
            out += "<rowBreaks count=\"" + n + "\" manualBreakCount=\"" + n + "\">";
            for (int row : sheet.rowBreaks)
                out += "<brk id=\"" + std::to_string(row - 1) + "\" max=\"16383\" man=\"1\"/>";
            out += "</rowBreaks>";
        } else {
            out += kept(name);
        }
    }
    out += "</worksheet>";
    return out;
}

// -------------------------------------------------------------- reading

bool ReadStyles(const std::string& bytes, BookData& book, std::vector<int>& xfMap) {
    book.styles.clear();
    book.styleIndex.clear();
    xml::DocPtr doc = xml::Parse(bytes);
    if (!doc) return false;
    xmlNode* root = xmlDocGetRootElement(doc.get());
    for (xmlNode* f : xml::Children(xml::Child(root, xml::kMain, "numFmts"), xml::kMain, "numFmt"))
        book.numberFormats[static_cast<int>(text::Atol(xml::Attr(f, nullptr, "numFmtId")))] =
            xml::Attr(f, nullptr, "formatCode");
    std::vector<FontSpec> fonts;
    for (xmlNode* f : xml::Children(xml::Child(root, xml::kMain, "fonts"), xml::kMain, "font"))
        fonts.push_back(ReadFont(f));
    std::vector<std::string> fills;
    for (xmlNode* f : xml::Children(xml::Child(root, xml::kMain, "fills"), xml::kMain, "fill"))
        fills.push_back(xml::SerializeNode(f));
    if (fills.size() >= 2) book.fills = fills;
    std::vector<BorderSpec> borders;
    for (xmlNode* b : xml::Children(xml::Child(root, xml::kMain, "borders"), xml::kMain, "border"))
        borders.push_back({ReadEdge(b, "left"), ReadEdge(b, "right"), ReadEdge(b, "top"), ReadEdge(b, "bottom")});
    for (xmlNode* xf : xml::Children(xml::Child(root, xml::kMain, "cellXfs"), xml::kMain, "xf")) {
        CellStyle s;
        auto index = [&](const char* name) { return static_cast<std::size_t>(text::Atol(xml::Attr(xf, nullptr, name))); };
        if (index("fontId") < fonts.size()) s.font = fonts[index("fontId")];
        if (index("borderId") < borders.size()) s.border = borders[index("borderId")];
        s.fillId = static_cast<int>(index("fillId") < book.fills.size() ? index("fillId") : 0);
        s.numFmtId = static_cast<int>(text::Atol(xml::Attr(xf, nullptr, "numFmtId")));
        if (xmlNode* a = xml::Child(xf, xml::kMain, "alignment"))
            for (xmlAttr* attr = a->properties; attr; attr = attr->next)
                s.alignment[reinterpret_cast<const char*>(attr->name)] =
                    xml::Attr(a, nullptr, reinterpret_cast<const char*>(attr->name));
        xfMap.push_back(book.Intern(s));
    }
    if (book.styles.empty()) book.Intern(CellStyle{});
    return true;
}

std::vector<std::string> ReadSharedStrings(const std::string& bytes) {
    std::vector<std::string> out;
    xml::DocPtr doc = xml::Parse(bytes);
    if (!doc) return out;
    for (xmlNode* si : xml::Children(xmlDocGetRootElement(doc.get()), xml::kMain, "si")) {
        std::string s;
        if (xmlNode* t = xml::Child(si, xml::kMain, "t")) s = xml::Text(t);
        for (xmlNode* r : xml::Children(si, xml::kMain, "r")) s += xml::Text(xml::Child(r, xml::kMain, "t"));
        out.push_back(std::move(s));
    }
    return out;
}

void ReadAttributes(xmlNode* node, std::map<std::string, std::string>& into) {
    for (xmlAttr* a = node->properties; a; a = a->next)
        if (!a->ns)
            into[reinterpret_cast<const char*>(a->name)] = xml::Attr(node, nullptr, reinterpret_cast<const char*>(a->name));
}

// "'Sheet 1'!$1:$2" or "Sheet1!$A$1:$K$9": the reference after the sheet name.
std::string AfterSheetName(const std::string& reference) {
    std::size_t bang = reference.rfind('!');
    return bang == std::string::npos ? reference : reference.substr(bang + 1);
}

// The print area and title rows the workbook names for each sheet. A title
// reference may list columns too ("$A:$A,$1:$2"); only rows are modelled.
void ReadPrintNames(xmlNode* workbook, BookData& book) {
    xmlNode* names = xml::Child(workbook, xml::kMain, "definedNames");
    for (xmlNode* n : xml::Children(names, xml::kMain, "definedName")) {
        if (!xml::HasAttr(n, nullptr, "localSheetId")) continue;
        std::size_t index = static_cast<std::size_t>(text::Atol(xml::Attr(n, nullptr, "localSheetId")));
        if (index >= book.sheets.size()) continue;
        SheetData& sheet = *book.sheets[index];
        const std::string name = xml::Attr(n, nullptr, "name");
        if (name == "_xlnm.Print_Area") {
            sheet.printArea = AfterSheetName(xml::Text(n));
        } else if (name == "_xlnm.Print_Titles") {
            for (const std::string& part : text::Split(xml::Text(n), ",")) {
                std::string ref = AfterSheetName(part);
                if (ref.size() > 1 && ref[1] >= '0' && ref[1] <= '9') sheet.printTitleRows = ref;
            }
        }
    }
}

bool ReadSheet(const std::string& bytes, SheetData& sheet, const std::vector<std::string>& strings,
               const std::vector<int>& xfMap, std::string& error) {
    xml::DocPtr doc = xml::Parse(bytes);
    if (!doc) {
        error = "工作表已损坏：" + sheet.name;
        return false;
    }
    xmlNode* root = xmlDocGetRootElement(doc.get());
    for (xmlNode* n = xml::FirstElement(root); n; n = xml::NextElement(n)) {
        std::string name = reinterpret_cast<const char*>(n->name);
        if (name == "dimension" || name == "rowBreaks") {
            if (name == "rowBreaks")
                for (xmlNode* brk : xml::Children(n, xml::kMain, "brk"))
                    sheet.rowBreaks.insert(static_cast<int>(text::Atol(xml::Attr(brk, nullptr, "id"))) + 1);
        } else if (name == "sheetFormatPr") {
            sheet.defaultColumnWidth = text::Atof(xml::Attr(n, nullptr, "defaultColWidth"));
        } else if (name == "cols") {
            for (xmlNode* col : xml::Children(n, xml::kMain, "col")) {
                long first = text::Atol(xml::Attr(col, nullptr, "min")), last = text::Atol(xml::Attr(col, nullptr, "max"));
                double width = text::Atof(xml::Attr(col, nullptr, "width"));
                if (first < 1 || last < first || width <= 0) continue;
                if (last - first >= 1024) {
                    sheet.defaultColumnWidth = width;  // a run over the whole sheet
                    continue;
                }
                for (long c = first; c <= last; ++c) sheet.columnWidths[static_cast<int>(c)] = width;
            }
        } else if (name == "sheetData") {
            int rowNumber = 0;
            for (xmlNode* rowNode : xml::Children(n, xml::kMain, "row")) {
                std::string r = xml::Attr(rowNode, nullptr, "r");
                rowNumber = r.empty() ? rowNumber + 1 : static_cast<int>(text::Atol(r));
                if (rowNumber < 1 || rowNumber > 1048576) continue;
                RowData& row = sheet.rows[rowNumber];
                if (xml::HasAttr(rowNode, nullptr, "ht")) row.height = text::Atof(xml::Attr(rowNode, nullptr, "ht"));
                int column = 0;
                for (xmlNode* c : xml::Children(rowNode, xml::kMain, "c")) {
                    int refRow = rowNumber;
                    if (!ParseRef(xml::Attr(c, nullptr, "r"), refRow, column)) ++column;
                    Cell& cell = row.cells[column];
                    std::size_t s = static_cast<std::size_t>(text::Atol(xml::Attr(c, nullptr, "s")));
                    cell.style = s < xfMap.size() ? xfMap[s] : 0;
                    std::string type = xml::Attr(c, nullptr, "t");
                    xmlNode* f = xml::Child(c, xml::kMain, "f");
                    xmlNode* v = xml::Child(c, xml::kMain, "v");
                    if (f && !xml::Text(f).empty()) {
                        cell.kind = ValueKind::Formula;
                        cell.text = xml::Text(f);
                    } else if (type == "s" && v) {
                        std::size_t i = static_cast<std::size_t>(text::Atol(xml::Text(v)));
                        cell.kind = ValueKind::Text;
                        cell.text = i < strings.size() ? strings[i] : std::string();
                    } else if (type == "inlineStr") {
                        cell.kind = ValueKind::Text;
                        cell.text = xml::Text(xml::Child(c, xml::kMain, "is"));
                    } else if ((type == "str" || type == "e") && v) {
                        cell.kind = ValueKind::Text;
                        cell.text = xml::Text(v);
                    } else if (v) {
                        cell.kind = ValueKind::Number;
                        cell.number = text::Atof(xml::Text(v));
                    }
                }
            }
        } else if (name == "mergeCells") {
            for (xmlNode* m : xml::Children(n, xml::kMain, "mergeCell")) {
                auto parts = text::Split(xml::Attr(m, nullptr, "ref"), ":");
                Rect rect{};
                if (parts.size() == 2 && ParseRef(parts[0], rect.top, rect.left) && ParseRef(parts[1], rect.bottom, rect.right))
                    sheet.merges.push_back(rect);
            }
        } else if (name == "pageSetup") {
            ReadAttributes(n, sheet.pageSetup);
        } else if (name == "printOptions") {
            ReadAttributes(n, sheet.printOptions);
        } else if (name == "pageMargins") {
            ReadAttributes(n, sheet.pageMargins);
        } else if (name == "headerFooter") {
            for (xmlNode* part = xml::FirstElement(n); part; part = xml::NextElement(part))
                sheet.headerFooter[reinterpret_cast<const char*>(part->name)] = xml::Text(part);
        } else if (name == "sheetPr") {
            if (xmlNode* fit = xml::Child(n, xml::kMain, "pageSetUpPr")) {
                const std::string value = xml::Attr(fit, nullptr, "fitToPage");
                sheet.fitToPage = value == "1" || value == "true";
                xmlUnlinkNode(fit);
                xmlFreeNode(fit);
            }
            sheet.kept[name] = xml::SerializeNode(n);
        } else {
            sheet.kept[name] = xml::SerializeNode(n);
        }
    }
    return true;
}

}  // namespace

// -------------------------------------------------------------- model helpers

std::string FontSpec::Key() const {
    return name + '\x1f' + FormatNumber(size) + (bold ? "b" : "") + (italic ? "i" : "") + '\x1f' + underline + '\x1f' + colour;
}

std::string BorderSpec::Key() const {
    return left.style + ',' + left.colour + ';' + right.style + ',' + right.colour + ';' + top.style + ',' + top.colour +
           ';' + bottom.style + ',' + bottom.colour;
}

std::size_t CellStyle::Hash() const {
    std::size_t h = 0;
    auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
    const std::hash<std::string> text;
    mix(text(font.name));
    mix(std::hash<double>()(font.size));
    mix(static_cast<std::size_t>(font.bold) | static_cast<std::size_t>(font.italic) << 1);
    mix(text(font.underline));
    mix(text(font.colour));
    mix(static_cast<std::size_t>(fillId));
    for (const EdgeSpec* e : {&border.left, &border.right, &border.top, &border.bottom}) {
        mix(text(e->style));
        mix(text(e->colour));
    }
    mix(static_cast<std::size_t>(numFmtId));
    for (const auto& [k, v] : alignment) {
        mix(text(k));
        mix(text(v));
    }
    return h;
}

const Cell* SheetData::Find(int row, int column) const {
    auto r = rows.find(row);
    if (r == rows.end()) return nullptr;
    auto c = r->second.cells.find(column);
    return c == r->second.cells.end() ? nullptr : &c->second;
}

BookData::BookData() {
    fills = {"<fill><patternFill patternType=\"none\"/></fill>", "<fill><patternFill patternType=\"gray125\"/></fill>"};
    Intern(CellStyle{});
}

int BookData::Intern(const CellStyle& style) {
    const std::size_t hash = style.Hash();
    for (auto [it, end] = styleIndex.equal_range(hash); it != end; ++it)
        if (styles[static_cast<std::size_t>(it->second)] == style) return it->second;
    int index = static_cast<int>(styles.size());
    styles.push_back(style);
    styleIndex.emplace(hash, index);
    return index;
}

namespace {
// Built-in format 2 is "0.00"; custom formats take ids from 164.
constexpr int kTwoDecimals = 2;
constexpr int kFirstCustomFormat = 164;
constexpr int kTextFormat = 49;  // "@"

bool IsDecimalCode(const std::string& code) {
    return code.size() > 2 && code.compare(0, 2, "0.") == 0 && code.find_first_not_of('0', 2) == std::string::npos;
}
}  // namespace

int BookData::DecimalFormat(int decimals) {
    if (decimals <= 0) return 0;
    if (decimals == 2) return kTwoDecimals;
    const std::string code = "0." + std::string(static_cast<std::size_t>(decimals), '0');
    int next = kFirstCustomFormat;
    for (const auto& [id, existing] : numberFormats) {
        if (existing == code && !chosenFormats.count(id)) return id;
        next = std::max(next, id + 1);
    }
    numberFormats[next] = code;
    return next;
}

int BookData::ChosenFormat(const std::string& code) {
    if (code == "General") return 0;
    if (code == "@") return kTextFormat;
    int next = kFirstCustomFormat;
    for (const auto& [id, existing] : numberFormats) {
        if (existing == code && chosenFormats.count(id)) return id;
        next = std::max(next, id + 1);
    }
    numberFormats[next] = code;
    chosenFormats.insert(next);
    return next;
}

bool BookData::IsPlainNumberFormat(int id) const {
    if (chosenFormats.count(id)) return false;
    if (id == 0 || id == kTwoDecimals) return true;
    auto it = numberFormats.find(id);
    return it != numberFormats.end() && IsDecimalCode(it->second);
}

std::string BookData::NumberFormatCode(int id) const {
    static const std::map<int, std::string> builtIn = {{0, "General"}, {1, "0"}, {2, "0.00"}, {3, "#,##0"},
                                                       {4, "#,##0.00"}, {9, "0%"}, {10, "0.00%"}, {49, "@"}};
    auto custom = numberFormats.find(id);
    if (custom != numberFormats.end()) return custom->second;
    auto known = builtIn.find(id);
    return known == builtIn.end() ? "General" : known->second;
}

void AppendNumber(std::string& out, double v) {
    char buffer[40];
    char* const end = buffer + sizeof buffer;
    // A whole number below 10^15 prints as its digits under %.15g too.
    if (v == std::trunc(v) && std::fabs(v) < 1e15 && !(v == 0 && std::signbit(v))) {
        out.append(buffer, std::to_chars(buffer, end, static_cast<long long>(v)).ptr);
        return;
    }
    // %.15g, or %.17g when fifteen digits do not read back as the same number.
    auto written = std::to_chars(buffer, end, v, std::chars_format::general, 15);
    double back = 0;
    std::from_chars(buffer, written.ptr, back);
    if (back != v) written = std::to_chars(buffer, end, v, std::chars_format::general, 17);
    out.append(buffer, written.ptr);
}

std::string FormatNumber(double v) {
    std::string out;
    AppendNumber(out, v);
    return out;
}

void AppendColumnName(std::string& out, int column) {
    char letters[8];
    char* first = letters + sizeof letters;
    for (; column > 0 && first > letters; column = (column - 1) / 26) *--first = static_cast<char>('A' + (column - 1) % 26);
    out.append(first, letters + sizeof letters);
}

double CharactersToFileWidth(double characters) {
    // Excel's rule for a font whose digits are 7 pixels wide with 5 pixels of
    // padding, truncated to 1/256 of a character.
    return std::trunc((characters * 7 + 5) / 7 * 256) / 256;
}

double FileWidthToCharacters(double width) {
    double characters = (width * 7 - 5) / 7;
    return characters <= 0 ? 0 : std::round(characters * 100) / 100;
}

bool SaveWorkbook(const BookData& book, const std::string& path, std::string& error) {
    Package package;
    package.SetRelationships("", {{"rId1", kOfficeDocument, "xl/workbook.xml"}});
    std::string workbook = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                           "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                           "<bookViews><workbookView/></bookViews><sheets>";
    std::vector<Relationship> rels;
    SharedStrings strings;
    for (std::size_t i = 0; i < book.sheets.size(); ++i) {
        std::string n = std::to_string(i + 1);
        std::string id = "rId" + n;
        workbook += "<sheet name=\"" + xml::Escape(book.sheets[i]->name) + "\" sheetId=\"" + n + "\" r:id=\"" + id + "\"/>";
        rels.push_back({id, kWorksheetRel, "worksheets/sheet" + n + ".xml"});
        package.SetPart("xl/worksheets/sheet" + n + ".xml", SheetXml(*book.sheets[i], strings), kSheetType);
    }
    // The opening program recalculates every formula, since none carries a
    // cached value.
    workbook += "</sheets>" + DefinedNamesXml(book) + "<calcPr calcId=\"191029\" fullCalcOnLoad=\"1\"/></workbook>";
    package.SetPart("xl/workbook.xml", workbook,
                    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
    std::string id = "rId" + std::to_string(book.sheets.size() + 1);
    rels.push_back({id, kStylesRel, "styles.xml"});
    package.SetPart("xl/styles.xml", StylesXml(book),
                    "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml");
    std::string sst = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"" +
                      std::to_string(strings.order.size()) + "\" uniqueCount=\"" + std::to_string(strings.order.size()) +
                      "\">";
    for (std::string_view s : strings.order) {
        sst += "<si><t xml:space=\"preserve\">";
        xml::EscapeTo(sst, s);
        sst += "</t></si>";
    }
    sst += "</sst>";
    rels.push_back({"rId" + std::to_string(book.sheets.size() + 2), kSharedStringsRel, "sharedStrings.xml"});
    package.SetPart("xl/sharedStrings.xml", sst,
                    "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml");
    package.SetRelationships("xl/workbook.xml", rels);
    return package.Save(path, error);
}

bool LoadWorkbook(const std::string& path, BookData& book, std::string& error) {
    Package package;
    if (!package.Load(path, error)) return false;
    std::string workbookPart;
    for (const Relationship& r : package.Relationships(""))
        if (r.type == kOfficeDocument) workbookPart = Package::ResolveTarget("", r.target);
    xml::DocPtr workbook = workbookPart.empty() ? nullptr : xml::Parse(package.Part(workbookPart));
    if (!workbook) {
        error = "不是有效的Excel工作簿：" + path;
        return false;
    }
    std::unordered_map<std::string, std::string> targets;
    std::string stylesPart, stringsPart;
    for (const Relationship& r : package.Relationships(workbookPart)) {
        std::string part = Package::ResolveTarget(workbookPart, r.target);
        targets[r.id] = part;
        if (r.type == kStylesRel) stylesPart = part;
        if (r.type == kSharedStringsRel) stringsPart = part;
    }
    std::vector<int> xfMap;
    if (!stylesPart.empty() && !ReadStyles(package.Part(stylesPart), book, xfMap)) {
        error = "工作簿的样式已损坏：" + path;
        return false;
    }
    std::vector<std::string> strings = stringsPart.empty() ? std::vector<std::string>{}
                                                           : ReadSharedStrings(package.Part(stringsPart));
    xmlNode* sheets = xml::Child(xmlDocGetRootElement(workbook.get()), xml::kMain, "sheets");
    for (xmlNode* s : xml::Children(sheets, xml::kMain, "sheet")) {
        auto sheet = std::make_shared<SheetData>();
        sheet->book = &book;
        sheet->name = xml::Attr(s, nullptr, "name");
        auto target = targets.find(xml::Attr(s, xml::kRel, "id"));
        if (target == targets.end() || !package.Has(target->second)) {
            error = "工作表缺失：" + sheet->name;
            return false;
        }
        if (!ReadSheet(package.Part(target->second), *sheet, strings, xfMap, error)) return false;
        book.sheets.push_back(sheet);
    }
    if (book.sheets.empty()) {
        error = "工作簿中没有工作表：" + path;
        return false;
    }
    ReadPrintNames(xmlDocGetRootElement(workbook.get()), book);
    return true;
}

}  // namespace office::excel
