#include "exchange/import/DlgProjectImport.h"

#include "exchange/import/ExchangeImportStore.h"
#include "exchange/import/ImportSteps.h"
#include "foundation/ImportReport.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "numbering/ImportedNumber.h"
#include "numbering/ProjectRows.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgProjectImport, ui::FormView)

namespace {

constexpr int kButtonIds[6] = {4049, 4047, 4048, 4050, 4052, 4051};

}  // namespace

const ui::DialogTemplate& CDlgProjectImport::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 420, 300}, {
        {Kind::GroupBox, IDC_STATIC, "记录重复时处理方法 ", {10, 8, 400, 34}},
        {Kind::RadioButton, IDC_POLICY, "相同记录覆盖", {24, 22, 80, 12}, WS_GROUP},
        {Kind::RadioButton, IDC_KEEP, "保留原纪录", {140, 22, 80, 12}},
        {Kind::RadioButton, IDC_ASK, "询问后处理", {256, 22, 80, 12}},
        {Kind::Static, IDC_STATIC, "", {10, 50, 195, 118}, SS_ETCHEDFRAME},
        {Kind::Picture, IDC_STATIC, "#4046", {14, 54, 187, 30}, SS_BITMAP},
        {Kind::PushButton, IDC_BTN_IMPORT_PLAN, "导入项目申请书", {50, 100, 110, 22}, WS_GROUP},
        {Kind::Static, IDC_STATIC, "", {215, 50, 195, 118}, SS_ETCHEDFRAME},
        {Kind::Picture, IDC_STATIC, "#4044", {219, 54, 187, 30}, SS_BITMAP},
        {Kind::PushButton, IDC_BTN_IMPORT_DRAFT, "导入项目计划草案", {255, 92, 110, 22}},
        {Kind::PushButton, IDC_BTN_PLAN_BOOK, "导入项目计划书", {255, 122, 110, 22}},
        {Kind::Static, IDC_STATIC, "", {10, 174, 195, 118}, SS_ETCHEDFRAME},
        {Kind::Picture, IDC_STATIC, "#4042", {14, 178, 187, 30}, SS_BITMAP},
        {Kind::PushButton, IDC_BTN_RESULTS, "导入成果简介", {50, 226, 110, 22}},
        {Kind::Static, IDC_STATIC, "", {215, 174, 195, 118}, SS_ETCHEDFRAME},
        {Kind::Picture, IDC_STATIC, "#4041", {219, 178, 187, 30}, SS_BITMAP},
        {Kind::PushButton, IDC_BTN_IMPORT_AUDIT, "导入验收总结报告", {255, 216, 110, 22}},
        {Kind::PushButton, IDC_BTN_OTHER, "导入验收其他相关资料", {255, 246, 110, 22}},
    }, WS_CHILD};
    return tpl;
}

CDlgProjectImport::CDlgProjectImport() : ui::FormView(Template()) {
    MapClicked(IDC_BTN_IMPORT_PLAN, [this] { OnImportPlan(); });
    MapClicked(IDC_BTN_IMPORT_DRAFT, [this] { OnImportDraft(); });
    MapClicked(IDC_BTN_IMPORT_AUDIT, [this] { OnImportAuditReport(); });
}

CDlgProjectImport::~CDlgProjectImport() { m_connection.Close(); }

void CDlgProjectImport::DoDataExchange(ui::DataExchange& dx) {
    ui::FormView::DoDataExchange(dx);
    for (int i = 0; i < 6; ++i) dx.Control(kButtonIds[i], m_btn[i]);
    dx.Radio(IDC_POLICY, m_nPolicy);
}

std::string CDlgProjectImport::GetExePath() { return sys::ProgramFolder(); }

void CDlgProjectImport::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    for (CButtonST& button : m_btn) elbrin::SetUpButton(button);
    if (!elbrin::ConnectProject(m_connection, m_recordset)) ui::AfxMessageBox("数据库连接失败");
}

BOOL CDlgProjectImport::DestroyWindow() {
    m_recordset.Close();
    m_connection.Close();
    return ui::FormView::DestroyWindow();
}

std::optional<ui::CtlColor> CDlgProjectImport::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_STATIC) return ui::CtlColor{elbrin::kButtonNormal, std::nullopt, true};
    return ui::FormView::OnCtlColor(control, kind);
}

std::vector<std::string> CDlgProjectImport::ScratchFiles() {
    return {sys::ScratchPath("项目申请书.xml"), sys::ScratchPath("申请人员.xml")};
}

db::Found CDlgProjectImport::IsRecordExist(const std::string& projectNumber) {
    return importstore::HasApplication(m_connection, projectNumber);
}

void CDlgProjectImport::OnImportPlan() {
    if (elbrin::ImportFolder("proapp", [this](const std::string& path) { return ImportApplication(path); }))
        elbrin::RemoveFiles(ScratchFiles());
}

void CDlgProjectImport::OnImportDraft() { ImportRowsFolder(YearPlanFormat()); }

void CDlgProjectImport::OnImportAuditReport() { ImportRowsFolder(ExchangeAcceptanceFormat()); }

void CDlgProjectImport::ImportRowsFolder(const ProjectRowsFormat& format) {
    UpdateData(TRUE);
    const std::string folder = ui::BrowseForFolder("选择导入文件夹路径");
    if (folder.empty() || !m_connection.IsOpen()) return;
    const std::string report = ProjectRowsImport(m_connection, format).ImportFolder(
        sys::NativePath(folder),
        [this](const std::string& number) { return elbrin::ShouldReplace(m_nPolicy, "项目编号", number); });
    ui::MessageBox(report, "提示", MB_OK | MB_ICONINFORMATION);
}

BOOL CDlgProjectImport::Import(const std::string& path) {
    return ImportApplication(path) == elbrin::FileResult::Imported;
}

elbrin::FileResult CDlgProjectImport::ImportApplication(const std::string& path) {
    UpdateData(TRUE);
    const std::vector<std::string> scratch = ScratchFiles();
    if (!m_connection.IsOpen()) return elbrin::FileResult::NotImported;
    // A bundle without its application row is refused; so is a file of
    // another kind, whose parts lack the application's or the members' columns,
    // and one that cannot be read at all.
    const std::string fileName = sys::FileName(path);
    std::string number;
    CAdoRecordSet members;
    if (!elbrin::UnpackToScratch(path, std::nullopt, scratch) || !m_recordset.OpenFromFile(sys::NativePath(scratch[0])) ||
        !members.OpenFromFile(sys::NativePath(scratch[1])) ||
        !IsPartOf(m_recordset, importstore::kApplicationTable, importstore::ApplicationColumns()) ||
        !IsPartOf(members, importstore::kMemberTable, importstore::MemberColumns())) {
        m_recordset.Close();
        ui::MessageBox("文件" + fileName + "不是项目申请书文件，未导入！", "提示", MB_OK | MB_ICONERROR);
        return elbrin::FileResult::NotImported;
    }
    if (m_recordset.IsEOF() || !m_recordset.GetString("XMBH", number) || number.empty()) {
        m_recordset.Close();
        ui::MessageBox("文件" + fileName + "中没有项目编号的申请书记录，未导入！", "提示", MB_OK | MB_ICONERROR);
        return elbrin::FileResult::NotImported;
    }
    // The number must be the one its own guide code, year and unit code give.
    std::string guide, year, unit;
    m_recordset.GetString("SQZNDM", guide);
    m_recordset.GetString("NF", year);
    m_recordset.GetString("DWDM", unit);
    if (!projectnumber::IsNumberOf(number, guide, year, unit)) {
        m_recordset.Close();
        ui::MessageBox("文件" + fileName + "中的项目编号" + number + "与其指南代码、年份及单位代码不符，未导入！", "提示",
                       MB_OK | MB_ICONERROR);
        return elbrin::FileResult::NotImported;
    }
    // Amounts the columns cannot hold ("1e39", "-5", "inf") are refused, as the application's own import does.
    const std::string badAmount = FirstUnstorableAmount(m_recordset, ApplicationAmountColumns());
    if (!badAmount.empty()) {
        m_recordset.Close();
        ui::MessageBox("文件" + fileName + "中的金额" + badAmount + "不是有效的数值，未导入！", "提示",
                       MB_OK | MB_ICONERROR);
        return elbrin::FileResult::NotImported;
    }
    const db::Found stored = IsRecordExist(number);
    if (stored == db::Found::Failed) {
        m_recordset.Close();
        return elbrin::FileResult::WriteFailed;
    }
    const bool replace = stored == db::Found::Row;
    if (replace && !elbrin::ShouldReplace(m_nPolicy, "项目编号", number)) {
        m_recordset.Close();
        return elbrin::FileResult::NotImported;
    }
    const bool imported = importstore::ImportApplication(m_connection, m_recordset, members, number, replace);
    m_recordset.Close();
    return imported ? elbrin::FileResult::Imported : elbrin::FileResult::WriteFailed;
}
