#include "guide_annual/GuideTabWnd.h"

#include "guide_annual/AnnualGuideData.h"

IMPLEMENT_DYNAMIC(CGuideTabWnd, ui::TabWnd)

namespace {

constexpr const char* kTabLabels[] = {"概述", "国内外研究情况", "年度目标和重点研究内容", "选题范围"};

// The chapters' own format: 仿宋_GB2312, 14 points, black, not bold; the
// first line indented.
void SetChapterFormat(COleRichEdit& editor) {
    ui::CharFormat chars;
    chars.dwMask = ui::CFM_SIZE | ui::CFM_COLOR | ui::CFM_FACE | ui::CFM_BOLD;
    chars.yHeight = 280;
    chars.crTextColor = RGB(0, 0, 0);
    chars.szFaceName = "仿宋_GB2312";
    editor.SetDefaultCharFormat(chars);
    ui::ParaFormat para;
    para.dwMask = ui::PFM_STARTINDENT | ui::PFM_OFFSET;
    para.dxStartIndent = 580;
    para.dxOffset = -580;
    editor.SetParaFormat(para);
}

}  // namespace

CGuideTabWnd::CGuideTabWnd()
    : m_editors{COleRichEdit(COleRichEdit::Variant::AnnualGuide), COleRichEdit(COleRichEdit::Variant::AnnualGuide),
                COleRichEdit(COleRichEdit::Variant::AnnualGuide)} {
    for (int i = 0; i < 3; ++i)
        MapNotify(kChapterIds[i], ui::EN_SELCHANGE, [this](const ui::NotifyInfo&) {
            if (ui::Wnd* parent = GetParent()) parent->SendMessage(WM_CHAPTER_SELCHANGE);
        });
}

CGuideTabWnd::~CGuideTabWnd() = default;

BOOL CGuideTabWnd::CreateTabs(const ui::Rect& rect, ui::Wnd* parent) {
    if (!Create(STYLE_3D_ROUNDED, rect, parent, IDC_TABWND, LOCATION_BOTTOM)) return FALSE;
    constexpr DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                            ES_AUTOVSCROLL | ui::ES_NOHIDESEL | ES_WANTRETURN;
    for (int i = 0; i < 3; ++i) {
        COleRichEdit& editor = m_editors[i];
        editor.Create(style, {0, 0, 100, 100}, this, kChapterIds[i]);
        SetChapterFormat(editor);
        editor.SetEventMask(editor.GetEventMask() | ui::ENM_SELCHANGE);
    }
    m_subjectTree.Create(this);
    for (int i = 0; i < 3; ++i) AddTab(&m_editors[i], kTabLabels[i]);
    AddTab(&m_subjectTree, kTabLabels[kTopicTab]);
    m_initialTabColor = GetTabBkColor(kTopicTab);
    return TRUE;
}

void CGuideTabWnd::ClearAll() {
    for (COleRichEdit& editor : m_editors) editor.SetWindowText("");
    m_subjectTree.ResetTree();
}
