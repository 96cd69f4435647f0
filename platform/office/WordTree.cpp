// Helpers over the WordprocessingML tree (see WordData.h).
#include <cstring>

#include "platform/office/WordData.h"
#include "platform/text/Text.h"

namespace office::word {

namespace {

// Schema order of the children that the model creates.
const char* const kPPrOrder[] = {"pStyle", "keepNext", "keepLines", "pageBreakBefore", "framePr", "widowControl",
                                 "numPr", "suppressLineNumbers", "pBdr", "shd", "tabs", "suppressAutoHyphens",
                                 "kinsoku", "wordWrap", "overflowPunct", "topLinePunct", "autoSpaceDE", "autoSpaceDN",
                                 "bidi", "adjustRightInd", "snapToGrid", "spacing", "ind", "contextualSpacing",
                                 "mirrorIndents", "suppressOverlap", "jc", "textDirection", "textAlignment",
                                 "textboxTightWrap", "outlineLvl", "divId", "cnfStyle", "rPr", "sectPr", "pPrChange"};
const char* const kTcPrOrder[] = {"cnfStyle", "tcW", "gridSpan", "hMerge", "vMerge", "tcBorders", "shd", "noWrap",
                                  "tcMar", "textDirection", "tcFitText", "vAlign", "hideMark"};
const char* const kBordersOrder[] = {"top", "left", "start", "bottom", "right", "end", "insideH", "insideV", "tl2br",
                                     "tr2bl"};
const char* const kSectPrOrder[] = {"headerReference", "footerReference", "footnotePr", "endnotePr", "type", "pgSz",
                                    "pgMar", "paperSrc", "pgBorders", "lnNumType", "pgNumType", "cols", "formProt",
                                    "vAlign", "noEndnote", "titlePg", "textDirection", "bidi", "rtlGutter",
                                    "docGrid", "printerSettings", "sectPrChange"};
const char* const kPrOrder[] = {"pPr", "rPr", "tcPr", "trPr", "tblPr", "tblGrid"};

template <std::size_t N>
int IndexIn(const char* const (&order)[N], const char* name) {
    for (std::size_t i = 0; i < N; ++i)
        if (std::strcmp(order[i], name) == 0) return static_cast<int>(i);
    return -1;
}

int OrderOf(const xmlNode* parent, const char* name) {
    const char* p = reinterpret_cast<const char*>(parent->name);
    if (!std::strcmp(p, "pPr")) return IndexIn(kPPrOrder, name);
    if (!std::strcmp(p, "tcPr")) return IndexIn(kTcPrOrder, name);
    if (!std::strcmp(p, "tcBorders") || !std::strcmp(p, "pBdr") || !std::strcmp(p, "tblBorders"))
        return IndexIn(kBordersOrder, name);
    if (!std::strcmp(p, "sectPr")) return IndexIn(kSectPrOrder, name);
    // Property elements come first in paragraphs, runs, cells, rows and tables.
    int i = IndexIn(kPrOrder, name);
    return i >= 0 ? 0 : 1000;
}

int CodePoints(const std::string& s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::size_t ByteOffset(const std::string& s, int codePoints) {
    std::size_t i = 0;
    for (int n = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == codePoints) return i;
            ++n;
        }
    }
    return s.size();
}

// Characters an element inside a run stands for.
int LengthOf(xmlNode* item) {
    if (item->type != XML_ELEMENT_NODE) return 0;
    const char* n = reinterpret_cast<const char*>(item->name);
    if (!std::strcmp(n, "t")) return CodePoints(xml::Text(item));
    if (!std::strcmp(n, "br") || !std::strcmp(n, "tab") || !std::strcmp(n, "cr") || !std::strcmp(n, "sym") ||
        !std::strcmp(n, "noBreakHyphen"))
        return 1;
    return 0;
}

int RunLength(xmlNode* r) {
    int n = 0;
    for (xmlNode* c = r->children; c; c = c->next) n += LengthOf(c);
    return n;
}

bool IsRun(xmlNode* n) { return IsW(n, "r"); }

bool IsBlock(xmlNode* n) { return IsW(n, "p") || IsW(n, "tbl"); }

}  // namespace

// ------------------------------------------------------------- formats

RunFormat ReadRunFormat(xmlNode* rPr) {
    RunFormat f;
    if (!rPr) return f;
    auto flag = [&](const char* name) -> std::optional<bool> {
        xmlNode* n = xml::Child(rPr, xml::kWord, name);
        if (!n) return std::nullopt;
        std::string v = xml::Attr(n, xml::kWord, "val");
        return v.empty() || v == "1" || v == "true" || v == "on";
    };
    if (xmlNode* fonts = xml::Child(rPr, xml::kWord, "rFonts")) {
        std::string face = xml::Attr(fonts, xml::kWord, "eastAsia");
        if (face.empty()) face = xml::Attr(fonts, xml::kWord, "ascii");
        if (!face.empty()) f.font = face;
    }
    if (xmlNode* sz = xml::Child(rPr, xml::kWord, "sz")) f.size = text::Atof(xml::Attr(sz, xml::kWord, "val")) / 2;
    f.bold = flag("b");
    f.italic = flag("i");
    if (xmlNode* u = xml::Child(rPr, xml::kWord, "u")) f.underline = xml::Attr(u, xml::kWord, "val") != "none";
    if (xmlNode* c = xml::Child(rPr, xml::kWord, "color")) {
        std::string v = xml::Attr(c, xml::kWord, "val");
        if (!v.empty() && v != "auto") f.colour = v;
    }
    return f;
}

void WriteRunFormat(xmlNode* owner, const RunFormat& f) {
    if (xmlNode* old = xml::Child(owner, xml::kWord, "rPr")) {
        xmlUnlinkNode(old);
        xmlFreeNode(old);
    }
    if (f == RunFormat{}) return;
    xmlNode* rPr = EnsureChild(owner, "rPr");
    if (f.font) {
        xmlNode* fonts = xmlAddChild(rPr, NewW(owner, "rFonts"));
        for (const char* a : {"ascii", "hAnsi", "eastAsia", "cs"}) SetVal(fonts, a, *f.font);
    }
    auto flag = [&](const char* name, const std::optional<bool>& v) {
        if (v) SetVal(xmlAddChild(rPr, NewW(owner, name)), "val", *v ? "1" : "0");
    };
    flag("b", f.bold);
    flag("i", f.italic);
    if (f.colour) SetVal(xmlAddChild(rPr, NewW(owner, "color")), "val", *f.colour);
    if (f.size) {
        std::string half = std::to_string(static_cast<int>(*f.size * 2 + 0.5));
        SetVal(xmlAddChild(rPr, NewW(owner, "sz")), "val", half);
        SetVal(xmlAddChild(rPr, NewW(owner, "szCs")), "val", half);
    }
    if (f.underline) SetVal(xmlAddChild(rPr, NewW(owner, "u")), "val", *f.underline ? "single" : "none");
}

// ------------------------------------------------------------- elements

bool IsW(const xmlNode* node, const char* name) { return xml::Is(node, xml::kWord, name); }

xmlNode* NewW(xmlNode* context, const char* name) {
    xmlNs* ns = xmlSearchNsByHref(context->doc, xmlDocGetRootElement(context->doc), BAD_CAST xml::kWord);
    xmlNode* node = xmlNewDocNode(context->doc, ns, BAD_CAST name, nullptr);
    return node;
}

void SetVal(xmlNode* node, const char* attribute, const std::string& value) {
    xmlNs* ns = xmlSearchNsByHref(node->doc, xmlDocGetRootElement(node->doc), BAD_CAST xml::kWord);
    xmlSetNsProp(node, ns, BAD_CAST attribute, BAD_CAST value.c_str());
}

xmlNode* EnsureChild(xmlNode* parent, const char* name) {
    if (xmlNode* existing = xml::Child(parent, xml::kWord, name)) return existing;
    xmlNode* node = NewW(parent, name);
    int order = OrderOf(parent, name);
    for (xmlNode* c = parent->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE) continue;
        int other = OrderOf(parent, reinterpret_cast<const char*>(c->name));
        if (order >= 0 && other > order) return xmlAddPrevSibling(c, node);
    }
    return xmlAddChild(parent, node);
}

xmlNode* Ancestor(xmlNode* node, const char* name) {
    for (xmlNode* n = node ? node->parent : nullptr; n && n->type == XML_ELEMENT_NODE; n = n->parent)
        if (IsW(n, name)) return n;
    return nullptr;
}

xmlNode* StoryRoot(xmlNode* node) {
    for (xmlNode* n = node; n && n->type == XML_ELEMENT_NODE; n = n->parent)
        if (IsW(n, "body") || IsW(n, "ftr") || IsW(n, "hdr")) return n;
    return nullptr;
}

xmlNode* TopBlock(xmlNode* node) {
    xmlNode* root = StoryRoot(node);
    for (xmlNode* n = node; n; n = n->parent)
        if (n->parent == root) return n;
    return nullptr;
}

// ------------------------------------------------------------- characters

int ParaLength(xmlNode* p) {
    int n = 0;
    for (xmlNode* r = p->children; r; r = r->next)
        if (IsRun(r)) n += RunLength(r);
    return n;
}

std::string ParaText(xmlNode* p) {
    std::string out;
    for (xmlNode* r = p->children; r; r = r->next) {
        if (!IsRun(r)) continue;
        for (xmlNode* c = r->children; c; c = c->next) {
            if (IsW(c, "t")) out += xml::Text(c);
            else if (IsW(c, "tab")) out += '\t';
            else if (IsW(c, "br")) out += xml::Attr(c, xml::kWord, "type") == "page" ? '\f' : '\v';
            else if (IsW(c, "cr")) out += '\v';
        }
    }
    return out;
}

xmlNode* SplitAt(xmlNode* p, int offset) {
    for (xmlNode* r = p->children; r; r = r->next) {
        if (!IsRun(r)) continue;
        int length = RunLength(r);
        if (offset <= 0) return r;
        if (offset >= length) {
            offset -= length;
            continue;
        }
        // Split inside this run: a copy of its properties takes the rest.
        xmlNode* rest = xmlDocCopyNode(r, r->doc, 2);
        if (xmlNode* rPr = xml::Child(r, xml::kWord, "rPr")) xmlAddChild(rest, xmlDocCopyNode(rPr, r->doc, 1));
        xmlAddNextSibling(r, rest);
        int seen = 0;
        xmlNode* c = r->children;
        while (c) {
            xmlNode* next = c->next;
            int len = LengthOf(c);
            if (seen >= offset && !IsW(c, "rPr")) {
                xmlUnlinkNode(c);
                xmlAddChild(rest, c);
            } else if (seen < offset && seen + len > offset) {
                // A text element straddles the boundary.
                std::string s = xml::Text(c);
                std::size_t cut = ByteOffset(s, offset - seen);
                xmlNode* tail = NewW(r, "t");
                xmlNodeSetSpacePreserve(tail, 1);
                xmlNodeAddContentLen(tail, BAD_CAST(s.c_str() + cut), static_cast<int>(s.size() - cut));
                xmlAddChild(rest, tail);
                std::string head = s.substr(0, cut);
                xmlNodeSetContent(c, nullptr);
                xmlNodeAddContentLen(c, BAD_CAST head.c_str(), static_cast<int>(head.size()));
                xmlNodeSetSpacePreserve(c, 1);
            }
            seen += len;
            c = next;
        }
        return rest;
    }
    return nullptr;
}

xmlNode* RunAt(xmlNode* p, int offset) {
    xmlNode* last = nullptr;
    for (xmlNode* r = p->children; r; r = r->next) {
        if (!IsRun(r)) continue;
        int length = RunLength(r);
        if (length == 0) continue;
        if (offset <= length) return r;
        offset -= length;
        last = r;
    }
    return last;
}

std::vector<int> PageBreakOffsets(xmlNode* p) {
    std::vector<int> out;
    int offset = 0;
    for (xmlNode* r = p->children; r; r = r->next) {
        if (!IsRun(r)) continue;
        for (xmlNode* c = r->children; c; c = c->next) {
            offset += LengthOf(c);
            if (IsW(c, "br") && xml::Attr(c, xml::kWord, "type") == "page") out.push_back(offset);
        }
    }
    return out;
}

void DeleteCharAt(xmlNode* p, int offset) {
    xmlNode* after = SplitAt(p, offset);
    if (!after) return;
    SplitAt(p, offset + 1);
    // 'after' now holds exactly the one character, unless it had none.
    for (xmlNode* c = after->children; c; c = c->next)
        if (LengthOf(c) > 0) {
            xmlUnlinkNode(c);
            xmlFreeNode(c);
            break;
        }
    if (RunLength(after) == 0) {
        xmlUnlinkNode(after);
        xmlFreeNode(after);
    }
}

xmlNode* CloneParagraphShell(xmlNode* p) {
    xmlNode* copy = NewW(p, "p");
    if (xmlNode* pPr = xml::Child(p, xml::kWord, "pPr")) {
        xmlNode* ppr = xmlDocCopyNode(pPr, p->doc, 1);
        if (xmlNode* sect = xml::Child(ppr, xml::kWord, "sectPr")) {
            xmlUnlinkNode(sect);
            xmlFreeNode(sect);
        }
        xmlAddChild(copy, ppr);
    }
    return copy;
}

// ------------------------------------------------------------- reading order

xmlNode* FirstPara(xmlNode* block) {
    for (xmlNode* b = block; b; b = xml::NextElement(b)) {
        if (IsW(b, "p")) return b;
        if (IsW(b, "tbl")) {
            for (xmlNode* tr : xml::Children(b, xml::kWord, "tr"))
                for (xmlNode* tc : CellsOf(tr))
                    if (xmlNode* p = FirstPara(xml::FirstElement(tc))) return p;
        }
    }
    return nullptr;
}

xmlNode* LastPara(xmlNode* block) {
    for (xmlNode* b = block; b; b = xml::PrevElement(b)) {
        if (IsW(b, "p")) return b;
        if (IsW(b, "tbl")) {
            auto rows = xml::Children(b, xml::kWord, "tr");
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
                auto cells = CellsOf(*row);
                for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell)
                    if (xmlNode* p = LastPara(xml::LastElement(*cell))) return p;
            }
        }
    }
    return nullptr;
}

xmlNode* NextPara(xmlNode* p) {
    for (xmlNode* node = p; node;) {
        for (xmlNode* b = xml::NextElement(node); b; b = xml::NextElement(b))
            if (IsBlock(b))
                if (xmlNode* found = FirstPara(b)) return found;
        xmlNode* container = node->parent;
        if (IsW(container, "tc")) {
            // On to the next cell, or the block after the table.
            for (xmlNode* cell = NextCell(container); cell; cell = NextCell(cell))
                if (xmlNode* found = FirstPara(xml::FirstElement(cell))) return found;
            node = Ancestor(container, "tbl");
            continue;
        }
        return nullptr;
    }
    return nullptr;
}

xmlNode* PrevPara(xmlNode* p) {
    for (xmlNode* node = p; node;) {
        for (xmlNode* b = xml::PrevElement(node); b; b = xml::PrevElement(b))
            if (IsBlock(b))
                if (xmlNode* found = LastPara(b)) return found;
        xmlNode* container = node->parent;
        if (IsW(container, "tc")) {
            for (xmlNode* cell = PrevCell(container); cell; cell = PrevCell(cell))
                if (xmlNode* found = LastPara(xml::LastElement(cell))) return found;
            node = Ancestor(container, "tbl");
            continue;
        }
        return nullptr;
    }
    return nullptr;
}

// ------------------------------------------------------------- cells

namespace {
bool IsMergeContinuation(xmlNode* tc) {
    xmlNode* vMerge = xml::Child(xml::Child(tc, xml::kWord, "tcPr"), xml::kWord, "vMerge");
    return vMerge && xml::Attr(vMerge, xml::kWord, "val") != "restart";
}
}  // namespace

std::vector<xmlNode*> CellsOf(xmlNode* tr) {
    std::vector<xmlNode*> out;
    for (xmlNode* tc : xml::Children(tr, xml::kWord, "tc"))
        if (!IsMergeContinuation(tc)) out.push_back(tc);
    return out;
}

xmlNode* NextCell(xmlNode* tc) {
    for (xmlNode* c = xml::NextElement(tc); c; c = xml::NextElement(c))
        if (IsW(c, "tc") && !IsMergeContinuation(c)) return c;
    for (xmlNode* row = xml::NextElement(tc->parent); row; row = xml::NextElement(row)) {
        if (!IsW(row, "tr")) continue;
        auto cells = CellsOf(row);
        if (!cells.empty()) return cells.front();
    }
    return nullptr;
}

xmlNode* PrevCell(xmlNode* tc) {
    for (xmlNode* c = xml::PrevElement(tc); c; c = xml::PrevElement(c))
        if (IsW(c, "tc") && !IsMergeContinuation(c)) return c;
    for (xmlNode* row = xml::PrevElement(tc->parent); row; row = xml::PrevElement(row)) {
        if (!IsW(row, "tr")) continue;
        auto cells = CellsOf(row);
        if (!cells.empty()) return cells.back();
    }
    return nullptr;
}

xmlNode* EmptyCopyOfRow(xmlNode* tr) {
    xmlNode* copy = xmlDocCopyNode(tr, tr->doc, 1);
    for (xmlNode* tc : xml::Children(copy, xml::kWord, "tc")) {
        xmlNode* first = xml::Child(tc, xml::kWord, "p");
        xmlNode* shell = first ? CloneParagraphShell(first) : NewW(tc, "p");
        for (xmlNode* c = tc->children; c;) {
            xmlNode* next = c->next;
            if (!IsW(c, "tcPr")) {
                xmlUnlinkNode(c);
                xmlFreeNode(c);
            }
            c = next;
        }
        xmlAddChild(tc, shell);
    }
    return copy;
}

int GridSpan(xmlNode* tc) {
    xmlNode* span = xml::Child(xml::Child(tc, xml::kWord, "tcPr"), xml::kWord, "gridSpan");
    long n = span ? text::Atol(xml::Attr(span, xml::kWord, "val")) : 1;
    return n > 0 ? static_cast<int>(n) : 1;
}

int GridStart(xmlNode* tc) {
    int start = 0;
    for (xmlNode* c = xml::PrevElement(tc); c; c = xml::PrevElement(c))
        if (IsW(c, "tc")) start += GridSpan(c);
    return start;
}

xmlNode* DocData::Body() const { return xml::Child(xmlDocGetRootElement(main.get()), xml::kWord, "body"); }

std::vector<xmlNode*> DocData::Sections() const {
    std::vector<xmlNode*> out;
    xmlNode* body = Body();
    for (xmlNode* b = xml::FirstElement(body); b; b = xml::NextElement(b)) {
        if (IsW(b, "p")) {
            if (xmlNode* s = xml::Child(xml::Child(b, xml::kWord, "pPr"), xml::kWord, "sectPr")) out.push_back(s);
        } else if (IsW(b, "sectPr")) {
            out.push_back(b);
        }
    }
    return out;
}

}  // namespace office::word
