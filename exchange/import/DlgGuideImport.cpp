#include "exchange/import/DlgGuideImport.h"

#include <set>

#include "exchange/import/ExchangeImportStore.h"
#include "exchange/import/ImportSteps.h"
#include "foundation/ImportReport.h"
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
    CAdoRecordSet file;
    if (!file.OpenFromFile(sys::NativePath(dialog.GetPathName()))) {
        ui::MessageBox(UnreadableFileMessage(sys::FileName(dialog.GetPathName()), "单位信息", file.LoadError()), "提示",
                       MB_OK | MB_ICONSTOP);
        return;
    }
    // Another table's rows would be stored as units column by column.
    if (!HasLayoutOf(file, m_connection, importstore::kUnitTable, kNamedUnitColumns)) {
        ui::MessageBox("所选文件不是单位信息文件，未导入任何数据！", "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    int count = 0;
    std::set<std::string> seen;  // codes of this file, compared as the table compares them
    std::string repeated;
    std::vector<std::string> failed, withoutCode;
    for (long row = 1; !file.IsEOF(); ++row) {
        std::string code;
        file.GetString("DWDM", code);
        if (code.empty()) {
            withoutCode.push_back(text::Format("第%ld条", row));  // a unit without its key cannot be stored
        } else if (!seen.insert(text::ToLowerAscii(code)).second) {
            repeated += (repeated.empty() ? "" : "、") + code;  // a later row of the same unit
        } else {
            const bool stored = SFCZ(code);
            if (!stored || elbrin::ShouldReplace(m_nPolicy, "单位代码", code)) {
                if (importstore::StoreUnit(m_connection, file, code, stored)) ++count;
                else failed.push_back(code);
            }
        }
        if (!file.MoveNext()) break;
    }
    if (!repeated.empty())
        ui::MessageBox("所选文件中以下单位代码重复，只导入了第一条：" + repeated, "提示", MB_OK | MB_ICONINFORMATION);
    ui::MessageBox(ImportReport(count, {}) + NamedFilesReport("以下单位写入数据库失败，未导入：", failed) +
                       NamedFilesReport("以下记录没有单位代码，未导入：", withoutCode),
                   "提示", MB_OK | MB_ICONINFORMATION);
    file.Close();
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
    const bool replace = IsRecordExist(fund, period);
    if (replace && !elbrin::ShouldReplace(m_nPolicy, "基金编号", fund)) return FALSE;
    return importstore::ImportGuide(m_connection, parts[0], parts[1], parts[2], fund, period, replace);
}
