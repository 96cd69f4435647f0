#include "guide_annual/DlgGuideHeader.h"

#include "guide_annual/AnnualGuideData.h"
#include "platform/ui/DataExchange.h"

const ui::DialogTemplate& CDlgGuideHeader::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 690, 20}, {
        {Kind::Static, IDC_STATIC, "基金编号/实验室代码：", {4, 6, 84, 10}},
        {Kind::Edit, IDC_FUND, "", {90, 3, 110, 14}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY},
        {Kind::Static, IDC_STATIC, "指南名称：", {210, 6, 40, 10}},
        {Kind::Edit, IDC_NAME, "", {252, 3, 300, 14}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | WS_DISABLED},
        {Kind::Static, IDC_STATIC, "发布年份：", {562, 6, 40, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {604, 3, 70, 100}, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL},
    }, WS_CHILD};
    return tpl;
}

CDlgGuideHeader::CDlgGuideHeader(Events events) : ui::Dialog(Template(), nullptr), events_(std::move(events)) {
    MapCommand(IDC_NAME, EN_KILLFOCUS, [this] {
        if (events_.nameLeft) events_.nameLeft();
    });
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] {
        if (events_.yearChosen) events_.yearChosen();
    });
}

BOOL CDlgGuideHeader::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    return TRUE;
}

void CDlgGuideHeader::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_FUND, m_strFundCode);
    dx.Text(IDC_NAME, m_strGuideName);
}
