#include "exchange/export/DlgGuideExport.h"

#include <vector>

#include "exchange/export/DlgProjectExport.h"
#include "exchange/export/ExchangeExportStore.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/Options.h"
#include "foundation/ProjectDatabase.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgGuideExport, ui::FormView)

namespace {

constexpr char kFiveYearMarker = '0';

}  // namespace

const ui::DialogTemplate& CDlgGuideExport::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 420, 330}, {
        {Kind::GroupBox, IDC_STATIC, "导出单位代码", {10, 8, 400, 40}},
        {Kind::Static, IDC_STATIC, "导出文件存放路径：", {20, 26, 72, 12}},
        {Kind::Edit, IDC_UNIT_FILE, "", {94, 24, 220, 14}},
        {Kind::PushButton, IDC_BTN_PATH, "", {318, 22, 20, 18}},
        {Kind::PushButton, IDC_BTN_EXPORT_UNIT, "导出", {344, 22, 50, 18}},
        {Kind::GroupBox, IDC_STATIC, "导出给各单位的指南", {10, 56, 400, 264}},
        {Kind::Static, IDC_STATIC, "选择单位：", {20, 72, 60, 12}},
        {Kind::ListCtrl, IDC_UNITS, "", {20, 86, 380, 170}, WS_BORDER},
        {Kind::Static, IDC_STATIC, "基金类型：", {20, 264, 44, 12}},
        {Kind::CheckBox, 4071, "一般基金", {66, 262, 60, 12}},
        {Kind::CheckBox, 4072, "重点基金", {130, 262, 60, 12}},
        {Kind::CheckBox, 4073, "重点实验室基金", {194, 262, 80, 12}},
        {Kind::Static, IDC_STATIC, "导出存放路径：", {20, 290, 60, 12}},
        {Kind::Edit, IDC_GUIDE_FOLDER, "", {82, 288, 232, 14}},
        {Kind::PushButton, IDC_BTN_PATH2, "", {318, 286, 20, 18}},
        {Kind::PushButton, IDC_BTN_EXPORT_GUIDE, "导出", {344, 286, 50, 18}},
    }, WS_CHILD};
    return tpl;
}

CDlgGuideExport::CDlgGuideExport() : ui::FormView(Template()) {
    MapClicked(IDC_BTN_PATH, [this] { OnBtnPath(); });
    MapClicked(IDC_BTN_EXPORT_UNIT, [this] { OnBtnExportUnit(); });
    MapClicked(IDC_BTN_PATH2, [this] { OnBtnPath2(); });
    MapClicked(IDC_BTN_EXPORT_GUIDE, [this] { OnBtnExportGuide(); });
}

CDlgGuideExport::~CDlgGuideExport() { m_connection.Close(); }

void CDlgGuideExport::DoDataExchange(ui::DataExchange& dx) {
    ui::FormView::DoDataExchange(dx);
    dx.Control(IDC_BTN_PATH2, m_btnPath2);
    dx.Control(IDC_BTN_PATH, m_btnPath);
    dx.Control(IDC_BTN_EXPORT_UNIT, m_btnExportUnit);
    dx.Control(IDC_BTN_EXPORT_GUIDE, m_btnExportGuide);
    dx.Text(IDC_UNIT_FILE, m_strUnitFile);
    dx.Text(IDC_GUIDE_FOLDER, m_strGuideFolder);
}

std::string CDlgGuideExport::GetExePath() { return sys::ProgramFolder(); }

void CDlgGuideExport::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    CDlgProjectExport::SetBTNType(m_btnExportUnit, CDlgProjectExport::kExportIcon);
    CDlgProjectExport::SetBTNType(m_btnExportGuide, CDlgProjectExport::kExportIcon);
    CDlgProjectExport::SetBTNType(m_btnPath, CDlgProjectExport::kBrowseIcon);
    CDlgProjectExport::SetBTNType(m_btnPath2, CDlgProjectExport::kBrowseIcon);

    ui::ListCtrl& list = *Item<ui::ListCtrl>(IDC_UNITS);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, "单位代码", LVCFMT_CENTER, 80);
    list.InsertColumn(1, "单位名称", LVCFMT_CENTER, 280);

    // The same database password as every other view: the database refuses
    // a connection without it.
    if (!ConnectProjectDatabase(m_connection)) {
        ui::AfxMessageBox("连接数据库失败！");
        return;
    }
    m_recordset.SetConnection(&m_connection);
    m_recordset.SetCursorLocation(adUseClient);
    FillUnits();
}

void CDlgGuideExport::FillUnits() {
    ui::ListCtrl& list = *Item<ui::ListCtrl>(IDC_UNITS);
    int row = 0;
    for (const exportstore::UnitName& unit : exportstore::Units(m_connection)) {
        list.InsertItem(row, unit.code);
        list.SetItemText(row++, 1, unit.name);
    }
}

BOOL CDlgGuideExport::DestroyWindow() {
    m_recordset.Close();
    m_connection.Close();
    return ui::FormView::DestroyWindow();
}

void CDlgGuideExport::OnBtnPath() {
    ui::FileDialog dialog(FALSE, "uif", "单位信息.uif", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                          "单位信息文件(*.uif)|*.uif||", this);
    if (dialog.DoModal() != IDOK) return;
    Item<ui::Wnd>(IDC_UNIT_FILE)->SetWindowText(dialog.GetPathName());
}

void CDlgGuideExport::OnBtnExportUnit() {
    UpdateData(TRUE);
    // The save replaces a file already at the path.
    const bool saved = !m_strUnitFile.empty() && exportstore::SaveUnits(m_connection, m_strUnitFile);
    ui::MessageBox(saved ? "文件导出成功！" : "文件导出失败！", "提示", MB_OK | MB_ICONINFORMATION);
}

void CDlgGuideExport::OnBtnPath2() {
    const std::string folder = ui::BrowseForFolder("选择导出文件夹路径");
    if (folder.empty()) return;
    Item<ui::Wnd>(IDC_GUIDE_FOLDER)->SetWindowText(folder);
    sys::MakeDir(sys::NativePath(folder + "\\" + kUnitsFolder));
}

bool CDlgGuideExport::ExportGuide(const std::string& fund, const std::string& folder, const std::string& today) {
    std::vector<std::string> scratch;
    for (const std::string& name : exportstore::GuidePartNames()) scratch.push_back(sys::ScratchPath(name));

    // The period the user works in; the first five-year period when none is set.
    std::string period = COptions().GetPeriod();
    if (period.empty()) period = kPeriod;
    // A guide not stored for the period is not exported.
    bool ok = exportstore::SaveGuideParts(m_connection, fund, period, scratch);
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < scratch.size() && ok; ++i) {
        std::string bytes;
        ok = sys::ReadFile(sys::NativePath(scratch[i]), bytes);
        parts.push_back(std::move(bytes));
    }
    if (ok) {
        sys::MakeDir(sys::NativePath(folder));
        const std::string bundle = folder + "\\" + sys::SafeFileName(fund + "(" + today + ")") + ".fund";
        ok = LengthPrefixedContainer::Write(sys::NativePath(bundle), kFiveYearMarker, parts);
    }
    for (const std::string& path : scratch) sys::RemoveAll(sys::NativePath(path));
    return ok;
}

void CDlgGuideExport::OnBtnExportGuide() {
    UpdateData(TRUE);
    ui::ListCtrl& list = *Item<ui::ListCtrl>(IDC_UNITS);
    const std::string today = text::DateTime::Now().Format("%Y-%m-%d");
    int count = 0;
    ui::ProgressDialog progress("导出指南", list.GetItemCount());
    for (int row = 0; row < list.GetItemCount() && m_connection.IsOpen(); ++row) {
        progress.Next(list.GetItemText(row, 1));
        if (!list.GetCheck(row)) continue;
        const std::string code = list.GetItemText(row, 0);
        const std::string folder =
            m_strGuideFolder + "\\" + kUnitsFolder + "\\" + sys::SafeFileName(list.GetItemText(row, 1));
        // Each guide once, however many of its directions go to the unit.
        for (const std::string& fund : exportstore::FundsDirectedTo(m_connection, code))
            if (ExportGuide(fund, folder, today)) ++count;
    }
    ui::MessageBox("共导出了" + std::to_string(count) + "条指南数据！", "提示", MB_OK | MB_ICONINFORMATION);
}

std::optional<ui::CtlColor> CDlgGuideExport::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_STATIC) return ui::CtlColor{CDlgProjectExport::kButtonNormal, std::nullopt, true};
    return ui::FormView::OnCtlColor(control, kind);
}
