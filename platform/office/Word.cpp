#include "platform/office/Word.h"

#include <algorithm>
#include <cmath>

#include "platform/office/Office.h"
#include "platform/office/WordData.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/text/Utf8Repair.h"

namespace office::word {

namespace {

constexpr const char* kDefaultFont = "宋体";
constexpr double kDefaultSize = 10.5;

DocData* Active(const std::shared_ptr<AppData>& app) { return app && app->active ? app->active.get() : nullptr; }

std::string Stem(const std::string& path) {
    std::string name = sys::FileName(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// The format typing continues with at the cursor: that of the character
// before it, else of the paragraph's first text, else of the paragraph mark.
void RefreshFormat(DocData& d) {
    xmlNode* p = d.pos.para;
    xmlNode* run = RunAt(p, d.pos.rowEnd ? ParaLength(p) : d.pos.offset);
    xmlNode* rPr = run ? xml::Child(run, xml::kWord, "rPr")
                       : xml::Child(xml::Child(p, xml::kWord, "pPr"), xml::kWord, "rPr");
    d.format = ReadRunFormat(rPr);
}

void MoveTo(DocData& d, xmlNode* para, int offset) {
    d.pos = Position{para, offset, false};
    d.selectedRow = nullptr;
    RefreshFormat(d);
}

bool IsLastParaOfRow(xmlNode* p) {
    xmlNode* tc = p->parent;
    if (!IsW(tc, "tc") || LastPara(xml::LastElement(tc)) != p) return false;
    for (xmlNode* c = xml::NextElement(tc); c; c = xml::NextElement(c))
        if (IsW(c, "tc")) return false;
    return true;
}

// ---------------------------------------------------------------- typing

void InsertRun(DocData& d, xmlNode* content, int length, bool mergeable) {
    xmlNode* p = d.pos.para;
    xmlNode* before = SplitAt(p, d.pos.offset);
    xmlNode* prev = before ? xml::PrevElement(before) : xml::LastElement(p);
    if (mergeable && IsW(prev, "r") && IsW(xml::LastElement(prev), "t") &&
        ReadRunFormat(xml::Child(prev, xml::kWord, "rPr")) == d.format) {
        xmlNode* t = xml::LastElement(prev);
        xmlChar* extra = xmlNodeGetContent(content);
        xmlNodeAddContent(t, extra);
        xmlFree(extra);
        xmlFreeNode(content);
    } else {
        xmlNode* run = NewW(p, "r");
        WriteRunFormat(run, d.format);
        xmlAddChild(run, content);
        if (before) xmlAddPrevSibling(before, run);
        else xmlAddChild(p, run);
    }
    d.pos.offset += length;
    d.pos.rowEnd = false;
}

int CodePoints(std::string_view s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

void TypeLine(DocData& d, std::string_view line) {
    std::size_t start = 0;
    auto flush = [&](std::size_t end) {
        if (end <= start) return;
        xmlNode* t = NewW(d.pos.para, "t");
        xmlNodeSetSpacePreserve(t, 1);
        xmlNodeAddContentLen(t, BAD_CAST(line.data() + start), static_cast<int>(end - start));
        InsertRun(d, t, CodePoints(line.substr(start, end - start)), true);
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\n' && line[i] != '\t') continue;
        flush(i);
        InsertRun(d, NewW(d.pos.para, line[i] == '\n' ? "br" : "tab"), 1, false);
        start = i + 1;
    }
    flush(line.size());
}

// Splits the paragraph at the cursor: a new paragraph with the same
// paragraph format takes the text before the cursor and ends with a mark in
// the typing format; the cursor stays at the start of the rest.
xmlNode* SplitParagraph(DocData& d) {
    xmlNode* p = d.pos.para;
    xmlNode* before = d.pos.rowEnd ? nullptr : SplitAt(p, d.pos.offset);
    xmlNode* first = CloneParagraphShell(p);
    for (xmlNode* c = p->children; c && c != before;) {
        xmlNode* next = c->next;
        if (!IsW(c, "pPr")) {
            xmlUnlinkNode(c);
            xmlAddChild(first, c);
        }
        c = next;
    }
    WriteRunFormat(EnsureChild(first, "pPr"), d.format);
    xmlAddPrevSibling(p, first);
    d.pos = Position{p, 0, false};
    return first;
}

// The section properties that end the section holding a main-text block.
int SectionIndexOf(DocData& d, xmlNode* para) {
    xmlNode* top = TopBlock(para);
    int index = 0;
    for (xmlNode* b = xml::FirstElement(d.Body()); b && b != top; b = xml::NextElement(b))
        if (IsW(b, "p") && xml::Child(xml::Child(b, xml::kWord, "pPr"), xml::kWord, "sectPr")) ++index;
    return index;
}

xmlNode* DefaultFooterReference(xmlNode* sectPr) {
    for (xmlNode* ref : xml::Children(sectPr, xml::kWord, "footerReference"))
        if (xml::Attr(ref, xml::kWord, "type") == "default" || xml::Attr(ref, xml::kWord, "type").empty()) return ref;
    return nullptr;
}

void RemoveReferences(xmlNode* sectPr) {
    for (const char* name : {"headerReference", "footerReference"})
        for (xmlNode* ref : xml::Children(sectPr, xml::kWord, name)) {
            xmlUnlinkNode(ref);
            xmlFreeNode(ref);
        }
}

// The footer part in force for a section: its own, else the nearest
// earlier section's.
std::string EffectiveFooter(DocData& d, int section) {
    auto sections = d.Sections();
    for (int j = std::min(section, static_cast<int>(sections.size()) - 1); j >= 0; --j)
        if (xmlNode* ref = DefaultFooterReference(sections[static_cast<std::size_t>(j)]))
            return FooterPartOf(d, xml::Attr(ref, xml::kRel, "id"));
    return {};
}

xmlNode* FooterRoot(DocData& d, const std::string& part) {
    auto it = d.footers.find(part);
    return it == d.footers.end() ? nullptr : xmlDocGetRootElement(it->second.get());
}

void AddFooterReference(xmlNode* sectPr, const std::string& relId) {
    xmlNode* ref = NewW(sectPr, "footerReference");
    SetVal(ref, "type", "default");
    xmlNs* r = xmlSearchNsByHref(sectPr->doc, xmlDocGetRootElement(sectPr->doc), BAD_CAST xml::kRel);
    if (!r) r = xmlNewNs(xmlDocGetRootElement(sectPr->doc), BAD_CAST xml::kRel, BAD_CAST "r");
    xmlSetNsProp(ref, r, BAD_CAST "id", BAD_CAST relId.c_str());
    xmlNode* anchor = xml::FirstElement(sectPr);
    while (anchor && (IsW(anchor, "headerReference") || IsW(anchor, "footerReference"))) anchor = xml::NextElement(anchor);
    if (anchor) xmlAddPrevSibling(anchor, ref);
    else xmlAddChild(sectPr, ref);
}

void EnterFooter(DocData& d, const std::string& part) {
    xmlNode* root = FooterRoot(d, part);
    xmlNode* p = FirstPara(xml::FirstElement(root));
    if (!p) p = xmlAddChild(root, NewW(root, "p"));
    MoveTo(d, p, 0);
}

// ---------------------------------------------------------------- moves

bool StepRight(DocData& d) {
    Position& q = d.pos;
    if (!q.rowEnd) {
        if (q.offset < ParaLength(q.para)) {
            ++q.offset;
            return true;
        }
        if (IsLastParaOfRow(q.para)) {
            q.rowEnd = true;
            return true;
        }
    }
    xmlNode* next = NextPara(q.para);
    if (!next) return false;
    q = Position{next, 0, false};
    return true;
}

bool StepLeft(DocData& d) {
    Position& q = d.pos;
    if (q.rowEnd) {
        q.rowEnd = false;
        q.offset = ParaLength(q.para);
        return true;
    }
    if (q.offset > 0) {
        --q.offset;
        return true;
    }
    xmlNode* prev = PrevPara(q.para);
    if (!prev) return false;
    bool enteringRowFromAfter = IsLastParaOfRow(prev) && Ancestor(q.para, "tr") != prev->parent->parent;
    q = Position{prev, ParaLength(prev), enteringRowFromAfter};
    return true;
}

bool StepLine(DocData& d, bool down) {
    xmlNode* target = down ? NextPara(d.pos.para) : PrevPara(d.pos.para);
    if (!target) return false;
    d.pos = Position{target, std::min(d.pos.offset, ParaLength(target)), false};
    return true;
}

bool StepCell(DocData& d, bool right) {
    xmlNode* tc = Ancestor(d.pos.para, "tc");
    if (!tc) return false;
    xmlNode* target = right ? NextCell(tc) : PrevCell(tc);
    if (!target) {
        if (!right) return false;
        // From the last cell a new row like the last one is added.
        xmlNode* row = tc->parent;
        xmlNode* added = xmlAddNextSibling(row, EmptyCopyOfRow(row));
        auto cells = CellsOf(added);
        if (cells.empty()) return false;
        target = cells.front();
    }
    xmlNode* p = FirstPara(xml::FirstElement(target));
    if (!p) p = xmlAddChild(target, NewW(target, "p"));
    d.pos = Position{p, 0, false};
    return true;
}

int Move(const std::shared_ptr<AppData>& app, int unit, int count, bool forward) {
    DocData* d = Active(app);
    if (!d || count < 1) return 0;
    int moved = 0;
    for (; moved < count; ++moved) {
        bool ok = false;
        switch (unit) {
            case wdCharacter: ok = forward ? StepRight(*d) : StepLeft(*d); break;
            case wdLine: ok = StepLine(*d, forward); break;
            case wdCell: ok = StepCell(*d, forward); break;
            default: break;
        }
        if (!ok) break;
    }
    d->selectedRow = nullptr;
    RefreshFormat(*d);
    return moved;
}

// Page starts in reading order: the story's start and the place after each
// page break, section break or paragraph that begins a page.
bool GoToPage(DocData& d, bool next) {
    xmlNode* root = StoryRoot(d.pos.para);
    struct Key {
        int para, offset;
        bool operator<(const Key& o) const { return para != o.para ? para < o.para : offset < o.offset; }
        bool operator<=(const Key& o) const { return !(o < *this); }
    };
    std::vector<std::pair<Key, Position>> starts;
    Key cursor{0, d.pos.offset};
    int index = 0;
    xmlNode* first = FirstPara(xml::FirstElement(root));
    bool sectionEnded = false;
    for (xmlNode* p = first; p; p = NextPara(p), ++index) {
        if (p == d.pos.para) cursor.para = index;
        xmlNode* pPr = xml::Child(p, xml::kWord, "pPr");
        if (p == first || sectionEnded || xml::Child(pPr, xml::kWord, "pageBreakBefore"))
            starts.push_back({{index, 0}, {p, 0, false}});
        for (int offset : PageBreakOffsets(p)) starts.push_back({{index, offset}, {p, offset, false}});
        sectionEnded = xml::Child(pPr, xml::kWord, "sectPr") != nullptr;
    }
    if (d.pos.rowEnd) cursor.offset = ParaLength(d.pos.para) + 1;
    const Position* target = nullptr;
    if (next) {
        for (const auto& s : starts)
            if (cursor < s.first) {
                target = &s.second;
                break;
            }
    } else {
        int current = -1;
        for (std::size_t i = 0; i < starts.size(); ++i)
            if (starts[i].first <= cursor) current = static_cast<int>(i);
        if (current > 0) target = &starts[static_cast<std::size_t>(current - 1)].second;
    }
    if (!target) return false;
    MoveTo(d, target->para, target->offset);
    return true;
}

bool GoToTable(DocData& d, bool next) {
    xmlNode* top = TopBlock(d.pos.para);
    for (xmlNode* b = next ? xml::NextElement(top) : xml::PrevElement(top); b;
         b = next ? xml::NextElement(b) : xml::PrevElement(b)) {
        if (!IsW(b, "tbl")) continue;
        if (xmlNode* p = FirstPara(b)) {
            MoveTo(d, p, 0);
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- cells

std::vector<xmlNode*> SelectedCells(DocData& d) {
    if (d.selectedRow) return CellsOf(d.selectedRow);
    if (xmlNode* tc = Ancestor(d.pos.para, "tc")) return {tc};
    return {};
}

std::vector<xmlNode*> SelectedParagraphs(DocData& d) {
    if (!d.selectedRow) return {d.pos.para};
    std::vector<xmlNode*> out;
    for (xmlNode* tc : CellsOf(d.selectedRow))
        for (xmlNode* p = FirstPara(xml::FirstElement(tc)); p && Ancestor(p, "tc") == tc; p = NextPara(p))
            out.push_back(p);
    return out;
}

xmlNode* CellAtGrid(xmlNode* tr, int gridColumn) {
    if (!tr) return nullptr;
    int start = 0;
    for (xmlNode* tc : xml::Children(tr, xml::kWord, "tc")) {
        int span = GridSpan(tc);
        if (gridColumn >= start && gridColumn < start + span) return tc;
        start += span;
    }
    return nullptr;
}

xmlNode* RowSibling(xmlNode* tr, bool next) {
    for (xmlNode* r = next ? xml::NextElement(tr) : xml::PrevElement(tr); r;
         r = next ? xml::NextElement(r) : xml::PrevElement(r))
        if (IsW(r, "tr")) return r;
    return nullptr;
}

const char* EdgeName(int edge) {
    switch (edge) {
        case wdBorderTop: return "top";
        case wdBorderLeft: return "left";
        case wdBorderBottom: return "bottom";
        case wdBorderRight: return "right";
        default: return nullptr;
    }
}

// The cell across an edge, which draws the same line from its side.
std::pair<xmlNode*, int> Neighbour(xmlNode* tc, int edge) {
    switch (edge) {
        case wdBorderTop: return {CellAtGrid(RowSibling(tc->parent, false), GridStart(tc)), wdBorderBottom};
        case wdBorderBottom: return {CellAtGrid(RowSibling(tc->parent, true), GridStart(tc)), wdBorderTop};
        case wdBorderLeft: return {xml::PrevElement(tc), wdBorderRight};
        case wdBorderRight: return {xml::NextElement(tc), wdBorderLeft};
        default: return {nullptr, 0};
    }
}

xmlNode* EdgeElement(xmlNode* tc, int edge, bool create) {
    xmlNode* tcPr = create ? EnsureChild(tc, "tcPr") : xml::Child(tc, xml::kWord, "tcPr");
    xmlNode* borders = create ? EnsureChild(tcPr, "tcBorders") : xml::Child(tcPr, xml::kWord, "tcBorders");
    if (!borders) return nullptr;
    return create ? EnsureChild(borders, EdgeName(edge)) : xml::Child(borders, xml::kWord, EdgeName(edge));
}

template <typename F>
bool ForEachEdge(const std::shared_ptr<AppData>& app, int edge, F&& change) {
    DocData* d = Active(app);
    if (!d || !EdgeName(edge)) return false;
    auto cells = SelectedCells(*d);
    if (cells.empty()) return false;
    for (xmlNode* tc : cells) {
        change(EdgeElement(tc, edge, true));
        auto [other, otherEdge] = Neighbour(tc, edge);
        if (IsW(other, "tc")) change(EdgeElement(other, otherEdge, true));
    }
    d->dirty = true;
    return true;
}

const char* LineStyleValue(int style) {
    static const char* const kStyles[] = {"nil", "single", "dotted", "dashSmallGap", "dashed", "dotDash", "dotDotDash",
                                          "double"};
    return style >= 0 && style <= 7 ? kStyles[style] : nullptr;
}

}  // namespace

// ---------------------------------------------------------------- Selection

void Selection::TypeText(std::string_view typed) const {
    DocData* d = Active(app_);
    if (!d || typed.empty()) return;
    // The document is UTF-8 throughout: broken bytes are written as U+FFFD.
    const std::string repaired = text::IsValidUtf8(typed) ? std::string() : text::RepairUtf8(typed);
    const std::string_view text = repaired.empty() ? typed : std::string_view(repaired);
    d->selectedRow = nullptr;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r') continue;
        TypeLine(*d, text.substr(start, i - start));
        if (i == text.size()) break;
        SplitParagraph(*d);
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;  // "\r\n" is one paragraph end
        start = i + 1;
    }
    d->dirty = true;
}

void Selection::TypeParagraph() const {
    DocData* d = Active(app_);
    if (!d) return;
    d->selectedRow = nullptr;
    SplitParagraph(*d);
    d->dirty = true;
}

void Selection::TypeBackspace() const {
    DocData* d = Active(app_);
    if (!d) return;
    d->selectedRow = nullptr;
    Position& q = d->pos;
    if (q.rowEnd) return;
    if (q.offset > 0) {
        DeleteCharAt(q.para, q.offset - 1);
        --q.offset;
    } else {
        xmlNode* prev = xml::PrevElement(q.para);
        if (!IsW(prev, "p")) return;
        int length = ParaLength(prev);
        xmlNode* anchor = xml::FirstElement(q.para);
        while (anchor && IsW(anchor, "pPr")) anchor = xml::NextElement(anchor);
        for (xmlNode* c = prev->children; c;) {
            xmlNode* next = c->next;
            if (!IsW(c, "pPr")) {
                xmlUnlinkNode(c);
                if (anchor) xmlAddPrevSibling(anchor, c);
                else xmlAddChild(q.para, c);
            }
            c = next;
        }
        xmlUnlinkNode(prev);
        xmlFreeNode(prev);
        q.offset = length;
    }
    d->dirty = true;
}

bool Selection::InsertBreak(int type) const {
    DocData* d = Active(app_);
    if (!d) return false;
    d->selectedRow = nullptr;
    if (type == wdPageBreak) {
        xmlNode* br = NewW(d->pos.para, "br");
        SetVal(br, "type", "page");
        InsertRun(*d, br, 1, false);
        d->dirty = true;
        return true;
    }
    if (type != wdSectionBreakNextPage || d->inFooter || Ancestor(d->pos.para, "tc")) return false;
    auto sections = d->Sections();
    std::size_t index = static_cast<std::size_t>(SectionIndexOf(*d, d->pos.para));
    if (index >= sections.size()) return false;
    xmlNode* current = sections[index];
    // The text before the cursor becomes a section of its own with the
    // current section's properties and footers; the rest starts on a new page
    // and is linked to it.
    xmlNode* first = SplitParagraph(*d);
    xmlAddChild(EnsureChild(first, "pPr"), xmlDocCopyNode(current, current->doc, 1));
    RemoveReferences(current);
    SetVal(EnsureChild(current, "type"), "val", "nextPage");
    RefreshFormat(*d);
    d->dirty = true;
    return true;
}

bool Selection::InsertFile(std::string_view path) const {
    DocData* d = Active(app_);
    if (!d) return false;
    d->selectedRow = nullptr;
    std::string error;
    if (!InsertFileAt(*d, std::string(path), error)) {
        d->lastError = error;
        return false;
    }
    RefreshFormat(*d);
    d->dirty = true;
    return true;
}

int Selection::MoveRight(int unit, int count, int) const { return Move(app_, unit, count, true); }
int Selection::MoveLeft(int unit, int count, int) const { return Move(app_, unit, count, false); }
int Selection::MoveDown(int unit, int count, int) const { return Move(app_, unit == wdLine ? wdLine : -1, count, true); }
int Selection::MoveUp(int unit, int count, int) const { return Move(app_, unit == wdLine ? wdLine : -1, count, false); }

int Selection::HomeKey(int unit, int) const {
    DocData* d = Active(app_);
    if (!d) return 0;
    if (unit == wdStory) MoveTo(*d, FirstPara(xml::FirstElement(StoryRoot(d->pos.para))), 0);
    else if (unit == wdLine) MoveTo(*d, d->pos.para, 0);
    else return 0;
    return 1;
}

int Selection::EndKey(int unit, int) const {
    DocData* d = Active(app_);
    if (!d) return 0;
    xmlNode* p = unit == wdStory ? LastPara(xml::LastElement(StoryRoot(d->pos.para)))
                 : unit == wdLine ? d->pos.para
                                  : nullptr;
    if (!p) return 0;
    MoveTo(*d, p, ParaLength(p));
    return 1;
}

bool Selection::GoToNext(int what) const {
    DocData* d = Active(app_);
    if (!d) return false;
    return what == wdGoToTable ? GoToTable(*d, true) : what == wdGoToPage ? GoToPage(*d, true) : false;
}

bool Selection::GoToPrevious(int what) const {
    DocData* d = Active(app_);
    if (!d) return false;
    return what == wdGoToTable ? GoToTable(*d, false) : what == wdGoToPage ? GoToPage(*d, false) : false;
}

bool Selection::InsertRowsAbove(int count) const {
    DocData* d = Active(app_);
    xmlNode* tr = d ? Ancestor(d->pos.para, "tr") : nullptr;
    if (!tr || count < 1) return false;
    xmlNode* first = nullptr;
    for (int i = 0; i < count; ++i) {
        xmlNode* row = xmlAddPrevSibling(tr, EmptyCopyOfRow(tr));
        if (!first) first = row;
    }
    auto cells = CellsOf(first);
    if (cells.empty()) return false;
    MoveTo(*d, FirstPara(xml::FirstElement(cells.front())), 0);
    d->dirty = true;
    return true;
}

bool Selection::SelectRow() const {
    DocData* d = Active(app_);
    xmlNode* tr = d ? Ancestor(d->pos.para, "tr") : nullptr;
    if (!tr) return false;
    auto cells = CellsOf(tr);
    if (cells.empty()) return false;
    MoveTo(*d, FirstPara(xml::FirstElement(cells.front())), 0);
    d->selectedRow = tr;
    return true;
}

bool Selection::InTable() const {
    DocData* d = Active(app_);
    return d && Ancestor(d->pos.para, "tc") != nullptr;
}

std::string Selection::ParagraphText() const {
    DocData* d = Active(app_);
    return d ? ParaText(d->pos.para) : std::string();
}

// ---------------------------------------------------------------- Cells, Borders

bool Cells::Merge() const {
    DocData* d = Active(app_);
    if (!d || !d->selectedRow) return false;
    auto cells = CellsOf(d->selectedRow);
    if (cells.size() < 2) return !cells.empty();
    xmlNode* first = cells.front();
    int span = 0;
    long width = 0;
    for (xmlNode* tc : cells) {
        span += GridSpan(tc);
        width += text::Atol(xml::Attr(xml::Child(xml::Child(tc, xml::kWord, "tcPr"), xml::kWord, "tcW"), xml::kWord, "w"));
    }
    for (std::size_t i = 1; i < cells.size(); ++i) {
        for (xmlNode* b : xml::Children(cells[i], xml::kWord, "p"))
            if (ParaLength(b) > 0) {
                xmlUnlinkNode(b);
                xmlAddChild(first, b);
            }
        xmlUnlinkNode(cells[i]);
        xmlFreeNode(cells[i]);
    }
    xmlNode* tcPr = EnsureChild(first, "tcPr");
    SetVal(EnsureChild(tcPr, "gridSpan"), "val", std::to_string(span));
    if (width > 0) {
        xmlNode* tcW = EnsureChild(tcPr, "tcW");
        SetVal(tcW, "w", std::to_string(width));
        SetVal(tcW, "type", "dxa");
    }
    MoveTo(*d, FirstPara(xml::FirstElement(first)), 0);
    d->dirty = true;
    return true;
}

Border Borders::Item(int index) const {
    DocData* d = Active(app_);
    if (!d || !EdgeName(index) || SelectedCells(*d).empty()) return Border();
    return Border(app_, index);
}

bool Border::SetLineStyle(int style) const {
    const char* value = LineStyleValue(style);
    if (!app_ || !value) return false;
    return ForEachEdge(app_, edge_, [&](xmlNode* e) {
        SetVal(e, "val", value);
        if (style != wdLineStyleNone && xml::Attr(e, xml::kWord, "sz").empty()) SetVal(e, "sz", "4");
        if (xml::Attr(e, xml::kWord, "color").empty()) SetVal(e, "color", "auto");
    });
}

int Border::LineStyle() const {
    DocData* d = Active(app_);
    if (!d) return wdLineStyleNone;
    auto cells = SelectedCells(*d);
    xmlNode* e = cells.empty() ? nullptr : EdgeElement(cells.front(), edge_, false);
    if (!e) return wdLineStyleSingle;  // the table's own border applies
    std::string v = xml::Attr(e, xml::kWord, "val");
    for (int s = 0; s <= 7; ++s)
        if (v == LineStyleValue(s)) return s;
    return v == "none" ? wdLineStyleNone : wdLineStyleSingle;
}

bool Border::SetLineWidth(int width) const {
    static const int kWidths[] = {2, 4, 6, 8, 12, 18, 24, 36, 48};
    if (!app_ || std::find(std::begin(kWidths), std::end(kWidths), width) == std::end(kWidths)) return false;
    return ForEachEdge(app_, edge_, [&](xmlNode* e) {
        std::string v = xml::Attr(e, xml::kWord, "val");
        if (v.empty() || v == "nil" || v == "none") SetVal(e, "val", "single");
        SetVal(e, "sz", std::to_string(width));
        if (xml::Attr(e, xml::kWord, "color").empty()) SetVal(e, "color", "auto");
    });
}

int Border::LineWidth() const {
    DocData* d = Active(app_);
    if (!d) return 0;
    auto cells = SelectedCells(*d);
    xmlNode* e = cells.empty() ? nullptr : EdgeElement(cells.front(), edge_, false);
    return e ? static_cast<int>(text::Atol(xml::Attr(e, xml::kWord, "sz"))) : 4;
}

// ---------------------------------------------------------------- Font, Paragraphs

namespace {

template <typename F>
void ChangeFormat(const std::shared_ptr<AppData>& app, F&& change) {
    DocData* d = Active(app);
    if (!d) return;
    if (d->selectedRow) {
        for (xmlNode* p : SelectedParagraphs(*d)) {
            for (xmlNode* r : xml::Children(p, xml::kWord, "r")) {
                RunFormat f = ReadRunFormat(xml::Child(r, xml::kWord, "rPr"));
                change(f);
                WriteRunFormat(r, f);
            }
            xmlNode* pPr = EnsureChild(p, "pPr");
            RunFormat mark = ReadRunFormat(xml::Child(pPr, xml::kWord, "rPr"));
            change(mark);
            WriteRunFormat(pPr, mark);
        }
    } else if (ParaLength(d->pos.para) == 0) {
        // An empty paragraph's mark takes the format too, as in Word.
        xmlNode* pPr = EnsureChild(d->pos.para, "pPr");
        RunFormat mark = ReadRunFormat(xml::Child(pPr, xml::kWord, "rPr"));
        change(mark);
        WriteRunFormat(pPr, mark);
    }
    change(d->format);
    d->dirty = true;
}

template <typename F>
void ChangeParagraphs(const std::shared_ptr<AppData>& app, F&& change) {
    DocData* d = Active(app);
    if (!d) return;
    for (xmlNode* p : SelectedParagraphs(*d)) change(EnsureChild(p, "pPr"));
    d->dirty = true;
}

}  // namespace

void Font::SetName(std::string_view name) const {
    if (name.empty()) return;
    ChangeFormat(app_, [&](RunFormat& f) { f.font = std::string(name); });
}

std::string Font::Name() const {
    DocData* d = Active(app_);
    return d ? d->format.font.value_or(kDefaultFont) : std::string();
}

void Font::SetSize(double points) const {
    if (points < 1 || points > 1638) return;
    ChangeFormat(app_, [&](RunFormat& f) { f.size = points; });
}

double Font::Size() const {
    DocData* d = Active(app_);
    return d ? d->format.size.value_or(kDefaultSize) : 0;
}

void Font::SetBold(bool on) const {
    ChangeFormat(app_, [&](RunFormat& f) { f.bold = on; });
}

bool Font::Bold() const {
    DocData* d = Active(app_);
    return d && d->format.bold.value_or(false);
}

void Paragraphs::SetAlignment(int alignment) const {
    static const char* const kJc[] = {"left", "center", "right", "both"};
    if (alignment < 0 || alignment > 3) return;
    ChangeParagraphs(app_, [&](xmlNode* pPr) { SetVal(EnsureChild(pPr, "jc"), "val", kJc[alignment]); });
}

int Paragraphs::Alignment() const {
    DocData* d = Active(app_);
    if (!d) return wdAlignParagraphLeft;
    std::string jc = xml::Attr(xml::Child(xml::Child(d->pos.para, xml::kWord, "pPr"), xml::kWord, "jc"), xml::kWord, "val");
    if (jc == "center") return wdAlignParagraphCenter;
    if (jc == "right" || jc == "end") return wdAlignParagraphRight;
    if (jc == "both" || jc == "distribute") return wdAlignParagraphJustify;
    return wdAlignParagraphLeft;
}

void Paragraphs::SetFirstLineIndent(double points) const {
    if (std::fabs(points) > 1584) return;
    long twips = std::lround(points * 20);
    ChangeParagraphs(app_, [&](xmlNode* pPr) {
        xmlNode* ind = EnsureChild(pPr, "ind");
        for (const char* a : {"firstLine", "hanging", "firstLineChars", "hangingChars"}) {
            xmlNs* ns = xmlSearchNsByHref(ind->doc, xmlDocGetRootElement(ind->doc), BAD_CAST xml::kWord);
            xmlUnsetNsProp(ind, ns, BAD_CAST a);
        }
        if (twips >= 0) SetVal(ind, "firstLine", std::to_string(twips));
        else SetVal(ind, "hanging", std::to_string(-twips));
    });
}

double Paragraphs::FirstLineIndent() const {
    DocData* d = Active(app_);
    if (!d) return 0;
    xmlNode* ind = xml::Child(xml::Child(d->pos.para, xml::kWord, "pPr"), xml::kWord, "ind");
    if (!ind) return 0;
    if (xml::HasAttr(ind, xml::kWord, "hanging")) return -text::Atof(xml::Attr(ind, xml::kWord, "hanging")) / 20;
    return text::Atof(xml::Attr(ind, xml::kWord, "firstLine")) / 20;
}

// ---------------------------------------------------------------- footers

bool HeaderFooter::SetLinkToPrevious(bool link) const {
    DocData* d = Active(app_);
    if (!d || !d->inFooter) return false;
    auto sections = d->Sections();
    int i = d->seekSection;
    if (i <= 0 || i >= static_cast<int>(sections.size())) return false;
    xmlNode* sectPr = sections[static_cast<std::size_t>(i)];
    xmlNode* own = DefaultFooterReference(sectPr);
    if (link) {
        if (own) {
            xmlUnlinkNode(own);
            xmlFreeNode(own);
        }
        std::string part = EffectiveFooter(*d, i);
        if (!part.empty()) EnterFooter(*d, part);
    } else if (!own) {
        std::string previous = EffectiveFooter(*d, i - 1);
        std::string part;
        std::string relId = AddFooterPart(*d, previous.empty() ? nullptr : FooterRoot(*d, previous), part);
        AddFooterReference(sectPr, relId);
        EnterFooter(*d, part);
    }
    d->dirty = true;
    return true;
}

bool HeaderFooter::LinkToPrevious() const {
    DocData* d = Active(app_);
    if (!d || !d->inFooter || d->seekSection <= 0) return false;
    auto sections = d->Sections();
    return d->seekSection < static_cast<int>(sections.size()) &&
           !DefaultFooterReference(sections[static_cast<std::size_t>(d->seekSection)]);
}

void View::SetSeekView(int view) const {
    DocData* d = Active(app_);
    if (!d) return;
    if (view == wdSeekMainDocument) {
        if (!d->inFooter) return;
        d->inFooter = false;
        d->pos = d->mainPos;
        d->selectedRow = nullptr;
        RefreshFormat(*d);
        return;
    }
    if (view != wdSeekCurrentPageFooter || d->inFooter) return;
    int section = SectionIndexOf(*d, d->pos.para);
    std::string part = EffectiveFooter(*d, section);
    if (part.empty()) {
        // No section has a footer yet: the first section gets one, which
        // every later linked section shows as well.
        std::string relId = AddFooterPart(*d, nullptr, part);
        AddFooterReference(d->Sections().front(), relId);
        d->dirty = true;
    }
    d->mainPos = d->pos;
    d->inFooter = true;
    d->seekSection = section;
    EnterFooter(*d, part);
}

int View::SeekView() const {
    DocData* d = Active(app_);
    return d && d->inFooter ? wdSeekCurrentPageFooter : wdSeekMainDocument;
}

bool View::NextHeaderFooter() const {
    DocData* d = Active(app_);
    if (!d || !d->inFooter) return false;
    if (d->seekSection + 1 >= static_cast<int>(d->Sections().size())) return false;
    ++d->seekSection;
    EnterFooter(*d, EffectiveFooter(*d, d->seekSection));
    return true;
}

// ---------------------------------------------------------------- Document

namespace {

std::string BlockText(xmlNode* block);

std::string CellText(xmlNode* tc) {
    std::string out;
    for (xmlNode* b = xml::FirstElement(tc); b; b = xml::NextElement(b)) {
        if (!IsW(b, "p") && !IsW(b, "tbl")) continue;
        if (!out.empty() && IsW(b, "p")) out += '\r';
        out += IsW(b, "p") ? ParaText(b) : BlockText(b);
    }
    return out;
}

std::string BlockText(xmlNode* block) {
    if (IsW(block, "p")) return ParaText(block) + "\r";
    std::string out;
    if (IsW(block, "tbl"))
        for (xmlNode* tr : xml::Children(block, xml::kWord, "tr")) {
            for (xmlNode* tc : CellsOf(tr)) out += CellText(tc) + "\r\a";
            out += "\r\a";
        }
    return out;
}

std::vector<xmlNode*> Tables(const DocData& d) { return xml::Children(d.Body(), xml::kWord, "tbl"); }

}  // namespace

bool Document::SaveAs(std::string_view path, int) const {
    if (!doc_) return false;
    std::string target = OoxmlPath(path);
    std::string error;
    if (!SaveDocument(*doc_, target, error)) {
        doc_->lastError = error;
        return false;
    }
    doc_->fullName = target;
    doc_->dirty = false;
    return true;
}

std::string Document::FullName() const { return doc_ ? doc_->fullName : std::string(); }
bool Document::Saved() const { return doc_ && !doc_->dirty; }
void Document::SetTitle(const std::string& title) const {
    if (doc_) doc_->title = title;
}
std::string Document::LastError() const { return doc_ ? doc_->lastError : std::string(); }

std::string Document::Text() const {
    if (!doc_) return {};
    std::string out;
    for (xmlNode* b = xml::FirstElement(doc_->Body()); b; b = xml::NextElement(b)) out += BlockText(b);
    return out;
}

int Document::TableCount() const { return doc_ ? static_cast<int>(Tables(*doc_).size()) : 0; }

int Document::RowCount(int table) const {
    if (!doc_ || table < 1 || table > TableCount()) return 0;
    return static_cast<int>(xml::Children(Tables(*doc_)[static_cast<std::size_t>(table - 1)], xml::kWord, "tr").size());
}

std::string Document::CellText(int table, int row, int column) const {
    if (!doc_ || row < 1 || column < 1 || row > RowCount(table)) return {};
    xmlNode* tr = xml::Children(Tables(*doc_)[static_cast<std::size_t>(table - 1)], xml::kWord, "tr")[static_cast<std::size_t>(row - 1)];
    auto cells = CellsOf(tr);
    if (column > static_cast<int>(cells.size())) return {};
    return word::CellText(cells[static_cast<std::size_t>(column - 1)]);
}

int Document::SectionCount() const { return doc_ ? static_cast<int>(doc_->Sections().size()) : 0; }

std::string Document::FooterText(int section) const {
    if (!doc_ || section < 1 || section > SectionCount()) return {};
    xmlNode* root = FooterRoot(*doc_, EffectiveFooter(*doc_, section - 1));
    return root ? word::CellText(root) : std::string();
}

bool Document::FooterLinkedToPrevious(int section) const {
    if (!doc_ || section < 2 || section > SectionCount()) return false;
    return !DefaultFooterReference(doc_->Sections()[static_cast<std::size_t>(section - 1)]);
}

// ---------------------------------------------------------------- Documents, Application

Document Documents::Add(std::string_view templatePath, bool, int, bool) const {
    if (!app_ || app_->quit) return {};
    auto doc = std::make_shared<DocData>();
    if (templatePath.empty()) {
        NewDocument(*doc);
    } else {
        std::string path = OoxmlPath(templatePath);
        std::string error;
        if (!LoadDocument(path, *doc, error)) {
            app_->lastError = error;
            return {};
        }
        doc->templateName = Stem(path);
    }
    RefreshFormat(*doc);
    app_->docs.push_back(doc);
    app_->active = doc;
    return Document(doc);
}

int Documents::Count() const { return app_ ? static_cast<int>(app_->docs.size()) : 0; }

bool Documents::Close(const Document& document) const {
    if (!app_ || !document.doc_) return false;
    const auto found = std::find(app_->docs.begin(), app_->docs.end(), document.doc_);
    if (found == app_->docs.end()) return false;
    app_->docs.erase(found);
    if (app_->active == document.doc_) app_->active = app_->docs.empty() ? nullptr : app_->docs.back();
    return true;
}

Document Documents::Item(int index) const {
    if (!app_ || index < 1 || index > Count()) return {};
    return Document(app_->docs[static_cast<std::size_t>(index - 1)]);
}

Application::Application() : app_(std::make_shared<AppData>()) {}

std::unique_ptr<Application> Application::Create() {
    if (!CanStart("word.Application")) return nullptr;
    return std::unique_ptr<Application>(new Application());
}

Application::~Application() {
    if (!app_->visible || app_->quit) return;
    for (const auto& doc : app_->docs) {
        if (doc->handedOver) continue;
        doc->handedOver = true;
        if (!doc->fullName.empty() && !doc->dirty) {
            ShellOpen(doc->fullName);
            continue;
        }
        std::string path = ScratchPath(doc->title, doc->templateName, "文档", "docx");
        std::string error;
        if (SaveDocument(*doc, path, error)) ShellOpen(path);
        else HandOverFailed(path, error);
    }
}

Document Application::ActiveDocument() const { return Document(app_->active); }
void Application::SetVisible(bool visible) { app_->visible = visible; }
bool Application::Visible() const { return app_->visible; }

void Application::Quit(int, int, bool) {
    app_->quit = true;
    app_->docs.clear();
    app_->active.reset();
}

std::string Application::LastError() const { return app_->lastError; }

}  // namespace office::word
