#include "exchange/import/DlgProjectImport.h"

#include "exchange/import/ImportSteps.h"
#include "foundation/ImportReport.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "numbering/ImportedNumber.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgProjectImport, ui::FormView)

namespace {

constexpr int kButtonIds[6] = {4049, 4047, 4048, 4050, 4052, 4051};

// The application's columns in the order they are written, each as text or
// as long binary data. The fund number, the first approval, the subject and
// secrecy columns, the recommenders, the plan columns and the document stay
// empty in the new row.
struct AppColumn {
    const char* name;
    bool isLong;
};
constexpr AppColumn kApplicationColumns[] = {
    {"XMBH", false}, {"FIVEYEAR", false}, {"XMMC", false}, {"XMLB", false}, {"SQZNDM", false},
    {"DWDM", false}, {"NF", false}, {"SQRXM", false}, {"GZDW", false}, {"DXDZ", false}, {"YZBM", false},
    {"DH", false}, {"SQRQ", false}, {"XMQSRQ", false}, {"XMZZRQ", false}, {"SQJE", false}, {"SQRXB", false},
    {"SQRNL", false}, {"XW", false}, {"ZC", false}, {"ZYTC", false}, {"LSGX", false}, {"HZDW", false},
    {"XMZRS", false}, {"GJZC", false}, {"ZJZC", false}, {"CJZC", false}, {"BSHRS", false}, {"BSSRS", false},
    {"SSSRS", false}, {"GFBGNUM", false}, {"ZJF", false}, {"SJF", false}, {"SJF_JSGJ", true}, {"CLF", false},
    {"CLF_JSGJ", true}, {"WXF", false}, {"WXF_JSGJ", true}, {"ZYF", false}, {"ZYF_JSGJ", true}, {"SYF", false},
    {"SYF_JSGJ", true}, {"GDZCF", false}, {"GDZCF_JSGJ", true}, {"GZF", false}, {"GZF_JSGJ", true},
    {"GLF", false}, {"GLF_JSGJ", true}, {"GNYNH", true}, {"JSXQFX", true}, {"GNWYJQK", true}, {"YJMBNR", true},
    {"YJFFJSLX", true}, {"ZYCXD", true}, {"YJJHJQJZ", true}, {"YJCGKHZB", true}, {"YJGZJCCJ", true},
    {"XYYJTJ", true}, {"GZJL", true}, {"CKWX", true}, {"DWXSWYHYJ", true}, {"DWSCYJ", true},
};
constexpr const char* kMemberColumns[] = {"XM", "XB", "NL", "ZC", "GZDW", "CJYS", "GZFG"};

std::vector<std::string> ColumnNames(const AppColumn (&columns)[std::size(kApplicationColumns)]) {
    std::vector<std::string> names;
    for (const AppColumn& column : columns) names.emplace_back(column.name);
    return names;
}

std::vector<std::string> ColumnNames(const char* const (&columns)[std::size(kMemberColumns)]) {
    return {std::begin(columns), std::end(columns)};
}

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

BOOL CDlgProjectImport::IsRecordExist(const std::string& projectNumber) {
    return db::HasRow(m_connection, "select * from corvane_itemappinfo where xmbh = ?1", {projectNumber});
}

BOOL CDlgProjectImport::IsRecordExist(const std::string& projectNumber, const std::string& year) {
    return db::HasRow(m_connection, "select * from corvane_itemyearplan where xmbh = ?1 and nf = ?2", {projectNumber, year});
}

BOOL CDlgProjectImport::IsRecordExist2(const std::string& projectNumber) {
    return db::HasRow(m_connection, "select * from corvane_itemcheckaccept where xmbh = ?1", {projectNumber});
}

void CDlgProjectImport::OnImportPlan() {
    if (elbrin::ImportFolder("proapp", [this](const std::string& path) { return ImportApplication(path); }))
        elbrin::RemoveFiles(ScratchFiles());
}

void CDlgProjectImport::OnImportDraft() {
    elbrin::ImportFolder("proplan", [this](const std::string& path) { return Import1(path) != FALSE; });
}

void CDlgProjectImport::OnImportAuditReport() {
    elbrin::ImportFolder("proys", [this](const std::string& path) { return Import2(path) != FALSE; });
}

BOOL CDlgProjectImport::Import(const std::string& path) {
    return ImportApplication(path) == elbrin::FileResult::Imported;
}

elbrin::FileResult CDlgProjectImport::ImportApplication(const std::string& path) {
    UpdateData(TRUE);
    const std::vector<std::string> scratch = ScratchFiles();
    if (!m_connection.IsOpen() || !elbrin::UnpackToScratch(path, std::nullopt, scratch))
        return elbrin::FileResult::NotImported;
    // A bundle without its application row is refused; so is a file of
    // another kind, whose parts lack the application's or the members' columns.
    const std::string fileName = path.substr(path.find_last_of('/') + 1);
    std::string number;
    CAdoRecordSet members;
    if (!m_recordset.OpenFromFile(sys::NativePath(scratch[0])) || !members.OpenFromFile(sys::NativePath(scratch[1])) ||
        !IsPartOf(m_recordset, "CORVANE_ITEMAPPINFO", ColumnNames(kApplicationColumns)) ||
        !IsPartOf(members, "CORVANE_PROJECT_SQCY", ColumnNames(kMemberColumns))) {
        m_recordset.Close();
        ui::MessageBox("文件" + fileName + "不是项目申请书文件，未导入！", "提示", MB_OK | MB_ICONERROR);
        return elbrin::FileResult::NotImported;
    }
    if (m_recordset.IsEOF() || !m_recordset.GetString("XMBH", number) || number.empty()) {
        m_recordset.Close();
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
    const bool replace = IsRecordExist(number);
    if (replace && !elbrin::ShouldReplace(m_nPolicy, "项目编号", number)) {
        m_recordset.Close();
        return elbrin::FileResult::NotImported;
    }
    const bool imported =
        db::InTransaction(m_connection, [&] { return WriteApplication(scratch, number, replace); });
    m_recordset.Close();
    return imported ? elbrin::FileResult::Imported : elbrin::FileResult::WriteFailed;
}

bool CDlgProjectImport::WriteApplication(const std::vector<std::string>& scratch, const std::string& number,
                                         bool replace) {
    if (replace && !db::Statement(m_connection, "delete from corvane_itemappinfo where xmbh=?1", {number}).Run()) return false;
    CAdoRecordSet local;
    elbrin::Bind(local, m_connection);
    if (!local.Open("select * from corvane_itemappinfo where 1 = 0") || !local.AddNew()) return false;
    for (const AppColumn& column : kApplicationColumns) {
        const bool written = column.isLong ? elbrin::CopyLong(m_recordset, column.name, local)
                                           : elbrin::CopyText(m_recordset, column.name, local);
        if (!written) return false;
    }
    if (!local.Update()) return false;

    // The members: those stored for the project are replaced by the bundle's.
    if (!m_recordset.OpenFromFile(sys::NativePath(scratch[1]))) return false;
    if (!db::Statement(m_connection, "delete from corvane_project_sqcy  where ITE_XMBH=?1", {number}).Run()) return false;
    if (!local.Open("select * from corvane_project_sqcy where 1 = 0")) return false;
    while (!m_recordset.IsEOF()) {
        bool written = local.AddNew() && local.SetString("ITE_XMBH", number);
        for (const char* column : kMemberColumns) written = written && elbrin::CopyText(m_recordset, column, local);
        if (!written || !local.Update()) return false;
        if (!m_recordset.MoveNext()) break;
    }
    return true;
}

bool CDlgProjectImport::WriteFileRow(CAdoRecordSet& file, const std::string& deleteSql, const std::string& table,
                                     bool plan) {
    return db::InTransaction(m_connection, [&] {
        if (!deleteSql.empty() && !m_connection.Execute(deleteSql)) return false;
        if (!m_recordset.Open("SELECT * FROM " + table) || !m_recordset.AddNew()) return false;
        bool written = true;
        if (plan) {
            for (long i = 0; i <= 2; ++i) written = written && elbrin::CopyText(file, i, m_recordset);
            for (const char* column : {"NDJF", "BZ"}) written = written && elbrin::CopyText(file, column, m_recordset);
            for (long i = 3; i <= 5; ++i) written = written && elbrin::CopyLong(file, i, m_recordset);
            written = written && elbrin::CopyLong(file, "YBJJXGBCSM", m_recordset);
        } else {
            written = elbrin::CopyText(file, "xmbh", m_recordset);
            for (long i = 8; i <= 10; ++i) written = written && elbrin::CopyText(file, i, m_recordset);
            for (long i = 1; i <= 7; ++i) written = written && elbrin::CopyLong(file, i, m_recordset);
        }
        written = written && m_recordset.Update();
        if (!written) m_recordset.CancelUpdate();
        m_recordset.Close();
        return written;
    });
}

BOOL CDlgProjectImport::Import1(const std::string& path) { return ImportRows(path, true); }

BOOL CDlgProjectImport::Import2(const std::string& path) { return ImportRows(path, false); }

BOOL CDlgProjectImport::ImportRows(const std::string& path, bool plan) {
    UpdateData(TRUE);
    CAdoRecordSet file;
    int count = 0;
    if (!m_connection.IsOpen() || !file.OpenFromFile(path)) return FALSE;
    // Columns are copied by position: up to the plan's last document, or the
    // report's main contributors.
    if (!HasLayoutOf(file, m_connection, plan ? "corvane_itemyearplan" : "corvane_itemcheckaccept", plan ? 6 : 11))
        return FALSE;
    std::string refused;  // numbers no project of this system can have
    for (; !file.IsEOF(); file.MoveNext()) {
        std::string number, year;
        file.GetString("xmbh", number);
        if (plan) file.GetString("NF", year);
        if (!projectnumber::IsWellFormedNumber(number)) {
            refused += (refused.empty() ? "" : "、") + (number.empty() ? std::string("（空）") : number);
            continue;
        }
        const bool stored = plan ? IsRecordExist(number, year) : IsRecordExist2(number);
        if (!stored || elbrin::ShouldReplace(m_nPolicy, "项目编号", number)) {
            std::string deleteSql;
            if (stored && plan)
                deleteSql = "delete from corvane_itemyearplan where xmbh = " + db::QuoteLiteral(number) +
                            " and nf = " + db::QuoteLiteral(year);
            else if (stored)
                deleteSql = "delete from corvane_itemcheckaccept where xmbh = " + db::QuoteLiteral(number);
            if (WriteFileRow(file, deleteSql, plan ? "corvane_itemyearplan" : "corvane_itemcheckaccept", plan)) ++count;
        }
    }
    if (!refused.empty())
        ui::MessageBox("文件" + path.substr(path.find_last_of('/') + 1) + "中以下项目编号不符合格式，未导入：" + refused,
                       "提示", MB_OK | MB_ICONERROR);
    return count > 0;
}
