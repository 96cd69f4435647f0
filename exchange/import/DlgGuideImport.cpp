#include "exchange/import/DlgGuideImport.h"

#include <set>

#include "exchange/import/ExchangeImportStore.h"
#include "exchange/import/ImportSteps.h"
#include "foundation/ImportReport.h"
#include "foundation/MasterFileImport.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgGuideImport, ui::FormView)

namespace {

constexpr char kFiveYearMarker = '0';

}  // namespace

const ui::DialogTemplate& CDlgGuideImport::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 420, 220}, {
        {Kind::GroupBox, IDC_STATIC, "记录重复时处理方法 ", {10, 8, 400, 34}},
        {Kind::RadioButton, IDC_POLICY, "相同记录覆盖", {24, 22, 80, 12}, WS_GROUP},
        {Kind::RadioButton, IDC_KEEP, "保留原纪录", {140, 22, 80, 12}},
        {Kind::RadioButton, IDC_ASK, "询问后处理", {256, 22, 80, 12}},
        {Kind::Static, IDC_STATIC, "", {10, 50, 195, 160}, SS_ETCHEDFRAME},
        {Kind::Picture, IDC_STATIC, "#4036", {14, 54, 187, 30}, SS_BITMAP},
        {Kind::PushButton, IDC_BTN_IMPORT_UNITINFO, "导入单位代码", {50, 120, 110, 24}, WS_GROUP},
        {Kind::Static, IDC_STATIC, "", {215, 50, 195, 160}, SS_ETCHEDFRAME},
        {Kind::Picture, IDC_STATIC, "#4038", {219, 54, 187, 30}, SS_BITMAP},
        {Kind::PushButton, IDC_BTN_IMPORT_GUIDEINFO, "导入指南数据", {255, 120, 110, 24}},
    }, WS_CHILD};
    return tpl;
}

CDlgGuideImport::CDlgGuideImport() : ui::FormView(Template()) {
    MapClicked(IDC_BTN_IMPORT_UNITINFO, [this] { OnBtnImportUnitinfo(); });
    MapClicked(IDC_BTN_IMPORT_GUIDEINFO, [this] { OnBtnImportGuideinfo(); });
}

CDlgGuideImport::~CDlgGuideImport() { m_connection.Close(); }

void CDlgGuideImport::DoDataExchange(ui::DataExchange& dx) {
    ui::FormView::DoDataExchange(dx);
    dx.Control(IDC_BTN_IMPORT_UNITINFO, m_btnImportUnit);
    dx.Control(IDC_BTN_IMPORT_GUIDEINFO, m_btnImportGuide);
    dx.Radio(IDC_POLICY, m_nPolicy);
}

std::string CDlgGuideImport::GetExePath() { return sys::ProgramFolder(); }

void CDlgGuideImport::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    elbrin::SetUpButton(m_btnImportUnit);
    elbrin::SetUpButton(m_btnImportGuide);
    if (!elbrin::ConnectProject(m_connection, m_recordset)) ui::AfxMessageBox("连接数据库失败！");
}

BOOL CDlgGuideImport::DestroyWindow() {
    m_recordset.Close();
    m_connection.Close();
    return ui::FormView::DestroyWindow();
}

std::optional<ui::CtlColor> CDlgGuideImport::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_STATIC) return ui::CtlColor{elbrin::kButtonNormal, std::nullopt, true};
    return ui::FormView::OnCtlColor(control, kind);
}

BOOL CDlgGuideImport::SFCZ(const std::string& code) { return importstore::IsUnitStored(m_connection, code); }

BOOL CDlgGuideImport::IsRecordExist(const std::string& fund, const std::string& period) {
    return importstore::IsGuideStored(m_connection, fund, period);
}

void CDlgGuideImport::OnBtnImportUnitinfo() {
    UpdateData(TRUE);
    ui::FileDialog dialog(TRUE, "uif", "", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "单位信息文件(*.uif)|*.uif||", this);
    if (dialog.DoModal() != IDOK || !m_connection.IsOpen()) return;
    // Units named as the unit table names them, then the reserve columns by
    // position; a stored unit is replaced whole.
    static const MasterFileFormat format{"CORVANE_UNIT", "单位信息", "DWDM", "单位代码", kNamedUnitColumns,
                                         kUnitColumns, false};
    const std::string path = sys::NativePath(dialog.GetPathName());
    const MasterFileImport result = ImportMasterFile(m_connection, format, path, [&](const std::string& code) {
        return elbrin::ShouldReplace(m_nPolicy, "单位代码", code);
    });
    const bool read = result.outcome == MasterFileImport::Outcome::Read;
    ui::MessageBox(MasterFileReport(m_connection, format, path, result), "提示",
                   MB_OK | (read ? MB_ICONINFORMATION : MB_ICONSTOP));
}

std::vector<std::string> CDlgGuideImport::ScratchFiles() {
    return {sys::ScratchPath("指南.xml"), sys::ScratchPath("专题.xml"), sys::ScratchPath("研究方向.xml")};
}

void CDlgGuideImport::OnBtnImportGuideinfo() {
    if (elbrin::ImportFolder("fund", [this](const std::string& path) { return Import(path) != FALSE; }))
        elbrin::RemoveFiles(ScratchFiles());
}

BOOL CDlgGuideImport::Import(const std::string& path) {
    UpdateData(TRUE);
    // Annual-guide bundles (another marker, the same extension) are left
    // alone; a file that cannot be read is named.
    const std::vector<std::string> scratch = ScratchFiles();
    if (!m_connection.IsOpen()) return FALSE;
    LengthPrefixedContainer::ReadResult read = LengthPrefixedContainer::ReadResult::Ok;
    const std::string unreadable = "文件" + sys::FileName(path) + "无法读取，不是指南文件，未导入！";
    if (!elbrin::UnpackToScratch(path, kFiveYearMarker, scratch, &read)) {
        if (read != LengthPrefixedContainer::ReadResult::OtherMarker)
            ui::MessageBox(unreadable, "提示", MB_OK | MB_ICONERROR);
        return FALSE;
    }
    // Every row must belong to the bundle's one guide, so that the policy
    // for a stored guide holds for every row written.
    CAdoRecordSet parts[3];
    for (int p = 0; p < 3; ++p)
        if (!parts[p].OpenFromFile(sys::NativePath(scratch[p]))) {
            ui::MessageBox(unreadable, "提示", MB_OK | MB_ICONERROR);
            return FALSE;
        }
    if (!GuideRowsBelongToOneGuide(parts[0], parts[1], parts[2], importstore::GuideTables(),
                                   importstore::GuideLongColumns(), true)) {
        ui::MessageBox("文件" + path.substr(path.find_last_of('/') + 1) + "不是指南文件，或含有其他指南的记录，未导入！",
                       "提示", MB_OK | MB_ICONERROR);
        return FALSE;
    }
    // The policy holds for the guide the rows belong to (the bundle may bring
    // its subjects and directions only), and is asked before the write.
    std::string fund, period;
    // A bundle without any row has nothing to import.
    if (!BundleGuideKey(parts[0], parts[1], parts[2], fund, period)) {
        ui::MessageBox("文件" + sys::FileName(path) + "中没有指南的记录，未导入！", "提示", MB_OK | MB_ICONERROR);
        return FALSE;
    }
    if (!IsGuidePeriod(period)) {
        ui::MessageBox("文件" + sys::FileName(path) + "中指南的发布年度“" + text::TruncateGbk(period, 40) +
                           "”不是五年的年度范围，未导入！",
                       "提示", MB_OK | MB_ICONERROR);
        return FALSE;
    }
    const bool replace = IsRecordExist(fund, period);
    if (replace && !elbrin::ShouldReplace(m_nPolicy, "基金编号", fund)) return FALSE;
    return importstore::ImportGuide(m_connection, parts[0], parts[1], parts[2], fund, period, replace);
}
