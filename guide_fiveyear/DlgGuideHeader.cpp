#include "guide_fiveyear/DlgGuideHeader.h"

#include "guide_annual/AnnualGuideData.h"
#include "platform/ui/DataExchange.h"

namespace fiveyear {

const ui::DialogTemplate& CDlgGuideHeader::Template() {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 690, 20}, {
        {Kind::Static, IDC_STATIC, "基金编号/实验室代码：", {4, 6, 84, 10}},
        {Kind::Edit, IDC_FUND, "", {90, 3, 110, 14}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "指南名称：", {210, 6, 40, 10}},
        {Kind::Edit, IDC_NAME, "", {252, 3, 300, 14}, kEdit | WS_DISABLED},
        {Kind::Static, IDC_STATIC, "发布年份：", {562, 6, 40, 10}},
        {Kind::Edit, IDC_YEAR, "", {604, 3, 80, 14}, kEdit | ES_READONLY},
    }, WS_CHILD};
    return tpl;
}

CDlgGuideHeader::CDlgGuideHeader(std::function<void()> nameLeft) : ui::Dialog(Template(), nullptr) {
    MapCommand(IDC_NAME, EN_KILLFOCUS, [nameLeft = std::move(nameLeft)] {
        if (nameLeft) nameLeft();
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
    dx.Text(IDC_YEAR, m_strPublishYear);
}

}  // namespace fiveyear
