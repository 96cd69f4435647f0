#include "review/ManageInfoView.h"

#include "foundation/Transaction.h"
#include "platform/sys/Process.h"
#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "foundation/ProjectDatabase.h"
#include "foundation/RecordTexts.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"
#include "review/ReviewArtwork.h"
#include "foundation/LongBinary.h"
#include "review/ReviewStore.h"

IMPLEMENT_DYNAMIC(CManageInfoView, ui::FormView)

int ManagePrompt(const std::string& text, UINT type) { return ui::MessageBox(text, "提示", type); }

CManageInfoView::CManageInfoView(const ui::DialogTemplate& tpl, std::vector<std::string> workingFiles)
    : ui::FormView(tpl), m_workingFiles(std::move(workingFiles)) {
    MapNotify(IDC_LIST_PROLIST, NM_DBLCLK, [this](const ui::NotifyInfo&) { OnDblclkListProlist(); });
}

CManageInfoView::~CManageInfoView() {
    // A view dropped without its window being destroyed first still closes
    // its connection and removes its working files.
    Cleanup();
}

std::string CManageInfoView::GetExePath() { return sys::ProgramFolder(); }

BOOL CManageInfoView::ConnectAccess() {
    if (!ConnectProjectDatabase(m_connection)) {
        ui::AfxMessageBox("数据库连接失败！");
        return FALSE;
    }
    m_recordset.SetConnection(&m_connection);
    m_recordset.SetCursorLocation(adUseClient);
    return TRUE;
}

void CManageInfoView::ButtonTexture(CButtonST& button, int icon, const std::string& tooltip) {
    reviewart::EnsureArtwork();
    button.SetIcon(icon);
    button.SetHandCursor(kHandCursor);
    button.SetColor(CButtonST::BTNST_COLOR_BK_IN, kButtonNormal);
    button.SetColor(CButtonST::BTNST_COLOR_BK_OUT, kButtonActive);
    button.SetColor(CButtonST::BTNST_COLOR_BK_FOCUS, kButtonActive);
    button.SetTooltipText(tooltip.c_str());
}

ui::ListCtrl& CManageInfoView::ProjectList() const { return *Item<ui::ListCtrl>(IDC_LIST_PROLIST); }

void CManageInfoView::SetUpProjectList(const std::string& thirdColumn, const std::string& fifthColumn) {
    ui::ListCtrl& list = ProjectList();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const std::pair<std::string, int> columns[] = {
        {"项目类别", 100}, {"年份", 80}, {thirdColumn, 100}, {"项目名称", 100}, {fifthColumn, 100}};
    int index = 0;
    for (const auto& [heading, width] : columns) list.InsertColumn(index++, heading, LVCFMT_CENTER, width);
}

void CManageInfoView::FillProjectList(const RowTexts& rows) {
    ui::ListCtrl& list = ProjectList();
    list.DeleteAllItems();
    if (m_connection.IsOpen()) list.AppendRows(rows);
}

bool CManageInfoView::SelectedProject(std::string& number) const {
    const ui::ListCtrl& list = ProjectList();
    const int row = list.GetSelectionMark();
    if (row < 0 || row >= list.GetItemCount()) return false;
    number = list.GetItemText(row, 2);
    return true;
}

std::string CManageInfoView::WorkingFile(const std::string& name) const {
    return sys::ScratchPath(name);
}

bool CManageInfoView::ConfirmAndClear(const std::string& number, const std::string& ending,
                                      const std::vector<std::string>& columns, bool withJudgements,
                                      const std::string& successText) {
    if (ManagePrompt("确定删除项目" + number + ending, MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    const bool done = reviewstore::ClearManageInfo(m_connection, number, columns, withJudgements);
    ManagePrompt(done ? successText : db::FailureMessage(m_connection, "删除数据失败！"),
                 done ? MB_ICONINFORMATION : MB_ICONERROR);
    return done;
}

bool CManageInfoView::OpenManageRow(const std::string& number) {
    return reviewstore::OpenManageRow(m_recordset, &m_connection, number) && m_recordset.GetRecordCount() > 0;
}

void CManageInfoView::LoadRichText(COleRichEdit& edit, const std::string& field, const std::string& fileName) {
    const std::string path = WorkingFile(fileName);
    if (LongBinaryToFile(m_recordset, field, path)) edit.LoadRtfFile(path);
}

bool CManageInfoView::SaveManageRow(const std::string& number, const std::function<bool()>& setFields) {
    const bool saved = reviewstore::UpdateManageRow(m_recordset, m_connection, number, setFields);
    ManagePrompt(saved ? "数据入库保存成功！" : db::FailureMessage(m_connection, "数据入库失败！"), MB_ICONINFORMATION);
    return saved;
}

void CManageInfoView::SetRichTextFormat(COleRichEdit& edit, COLORREF colour) {
    ui::CharFormat format;
    format.dwMask = ui::CFM_FACE | ui::CFM_SIZE | ui::CFM_BOLD | ui::CFM_COLOR;
    format.szFaceName = "宋体";
    format.yHeight = 210;
    format.dwEffects = 0;
    format.crTextColor = colour;
    edit.SetDefaultCharFormat(format);
}

std::optional<ui::CtlColor> CManageInfoView::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_STATIC) {
        ui::CtlColor colors;
        colors.background = kStaticBackground;
        colors.transparent = true;
        return colors;
    }
    return ui::FormView::OnCtlColor(control, kind);
}

void CManageInfoView::OnDestroy() {
    ui::FormView::OnDestroy();
    Cleanup();
}

void CManageInfoView::Cleanup() {
    if (m_bCleanedUp) return;
    m_bCleanedUp = true;
    m_recordset.Close();
    m_connection.Close();
    for (const std::string& name : m_workingFiles) sys::RemoveFile(WorkingFile(name));
}
