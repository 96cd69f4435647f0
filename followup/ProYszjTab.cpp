#include "followup/ProYszjTab.h"

const std::array<CProYszjTab::Section, CProYszjTab::kSectionCount>& CProYszjTab::Sections() {
    static const std::array<Section, kSectionCount> sections = {{
        {"研究内容", "YJNR", "研究内容.rtf"},
        {"完成情况", "WCQK", "完成情况.rtf"},
        {"重要进展及成效", "ZYJZJCX", "重要进展及成效.rtf"},
        {"问题及建议", "WTYJY", "问题及建议.rtf"},
        {"后续发展及成果转化思路", "HXFZCGZH", "后续发展及成果转化思路.rtf"},
        {"学术委员会评价", "XSWYHPJ", "学术委员会评价.rtf"},
        {"单位验收意见", "DWYSYJ", "单位验收意见.rtf"},
    }};
    return sections;
}

CProYszjTab::CProYszjTab() {
    for (int i = 0; i < kSectionCount; ++i)
        MapNotify(kFirstSectionId + i, ui::EN_SELCHANGE, [this](const ui::NotifyInfo&) { OnSectionSelChange(); });
}

CProYszjTab::~CProYszjTab() = default;

BOOL CProYszjTab::Create(int style, const ui::Rect& rect, ui::Wnd* parent, int id, Location location) {
    if (!ui::TabWnd::Create(style, rect, parent, id, location, FALSE)) return FALSE;
    OnCreate();
    return TRUE;
}

void CProYszjTab::OnCreate() {
    ui::CharFormat format;
    format.dwMask = ui::CFM_FACE | ui::CFM_SIZE | ui::CFM_COLOR | ui::CFM_BOLD;
    format.dwEffects = 0;
    format.szFaceName = "宋体";
    format.yHeight = 210;
    format.crTextColor = RGB(0, 0, 0);
    constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                             ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ui::ES_NOHIDESEL;
    for (int i = 0; i < kSectionCount; ++i) {
        COleRichEdit& box = m_richSections[i];
        box.Create(kStyle, {0, 0, 100, 100}, this, kFirstSectionId + i);
        box.SetDefaultCharFormat(format);
        box.SetEventMask(box.GetEventMask() | ui::ENM_SELCHANGE);
        AddTab(&box, Sections()[i].caption, UINT(-1), TRUE);
    }
    m_dlgProFiles.Create(this);
    AddTab(&m_dlgProFiles, "相关附件", UINT(-1), TRUE);
    m_crStdTab = GetTabBkColor(1);
}

void CProYszjTab::OnSectionSelChange() {
    if (ui::Wnd* view = GetParent()) view->SendMessage(WM_SECTION_SELCHANGE, 0, 0);
}
