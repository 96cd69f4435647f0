#include "followup/ProYszj.h"

#include <algorithm>

#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "application/DlgProQuery.h"
#include "followup/AcceptanceStore.h"
#include "followup/Dlgproplan.h"
#include "followup/ProjectRowsFile.h"
#include "foundation/LongBinary.h"
#include "foundation/RecordTexts.h"
#include "foundation/Sql.h"
#include "platform/office/Word.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"
#include "widgets/FormatToolBar.h"

IMPLEMENT_DYNCREATE(CProYszj, ui::FormView)

namespace {

constexpr const char* kTemplate = "验收总结模板.doc";
constexpr const char* kDateMask = "dddd dd dd";
constexpr const char* kDigits = "1234567890";

}  // namespace

const ui::DialogTemplate& CProYszj::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 640, 500}, {
        {Kind::ListCtrl, IDC_LIST_PROLIST, "", {5, 5, 590, 108}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_BTN_IMPORT, "", {605, 5, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PROEXP, "", {605, 29, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PRODEL, "", {605, 53, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PROQUERY, "", {605, 77, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_SAVE, "", {605, 101, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_WORD, "", {605, 125, 23, 21}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "项目编号：", {5, 121, 42, 10}},
        {Kind::Edit, IDC_NUMBER, "", {48, 119, 100, 12}, WS_TABSTOP | WS_BORDER | ES_READONLY},
        {Kind::Static, IDC_STATIC, "项目名称：", {155, 121, 42, 10}},
        {Kind::Edit, IDC_NAME, "", {198, 119, 200, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "完成时间：", {405, 121, 42, 10}},
        {Kind::Edit, IDC_WCSJ, "", {448, 119, 50, 12}, WS_TABSTOP | WS_BORDER},
        {Kind::Static, IDC_STATIC, "填报时间：", {505, 121, 42, 10}},
        {Kind::Edit, IDC_TBSJ, "", {548, 119, 50, 12}, WS_TABSTOP | WS_BORDER},
        {Kind::Static, IDC_TOOLBAR_PLACE, "", {5, 136, 590, 14}, SS_ETCHEDFRAME},
        {Kind::Static, IDC_TAB_PLACE, "", {5, 152, 590, 320}, SS_BLACKFRAME},
    }, WS_CHILD};
    return tpl;
}

CProYszj::CProYszj() : ui::FormView(Template()) {
    using namespace formatbar;
    MapNotify(IDC_LIST_PROLIST, NM_DBLCLK, [this](const ui::NotifyInfo& info) {
        LRESULT result = 0;
        OnDblclkListProlist(&info, &result);
    });
    MapMessage(ui::BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab, LPARAM value) { return OnChangeActiveTab(tab, value); });
    MapMessage(CProYszjTab::WM_SECTION_SELCHANGE, [this](WPARAM w, LPARAM l) { return OnEditSelChange(w, l); });
    const std::pair<int, void (CProYszj::*)()> commands[] = {
        {ID_FONTNAME, &CProYszj::OnFontname},       {ID_CHAR_COLOR, &CProYszj::OnCharColor},
        {ID_CHAR_BOLD, &CProYszj::OnCharBold},      {ID_CHAR_ITALIC, &CProYszj::OnCharItalic},
        {ID_CHAR_UNDERLINE, &CProYszj::OnCharUnderline}, {ID_PARA_LEFT, &CProYszj::OnParaLeft},
        {ID_PARA_CENTER, &CProYszj::OnParaCenter},  {ID_PARA_RIGHT, &CProYszj::OnParaRight},
        {IDC_BTN_SAVE, &CProYszj::OnBtnSave},       {IDC_BTN_PRODEL, &CProYszj::OnBtnProdel},
        {IDC_BTN_PROEXP, &CProYszj::OnBtnProexp},   {IDC_BTN_IMPORT, &CProYszj::OnBtnProimp},
        {IDC_BTN_PROQUERY, &CProYszj::OnBtnProquery}, {IDC_BTN_WORD, &CProYszj::OnBtnWord},
    };
    for (const auto& [id, command] : commands) MapClicked(id, [this, command = command] { (this->*command)(); });
    const std::pair<int, void (CProYszj::*)(ui::CmdUI*)> updates[] = {
        {ID_CHAR_BOLD, &CProYszj::OnUpdateCharBold},     {ID_CHAR_ITALIC, &CProYszj::OnUpdateCharItalic},
        {ID_CHAR_UNDERLINE, &CProYszj::OnUpdateCharUnderline}, {ID_PARA_LEFT, &CProYszj::OnUpdateParaLeft},
        {ID_PARA_CENTER, &CProYszj::OnUpdateParaCenter}, {ID_PARA_RIGHT, &CProYszj::OnUpdateParaRight},
    };
    for (const auto& [id, update] : updates)
        MapUpdateUI(id, [this, update = update](ui::CmdUI& cmd) { (this->*update)(&cmd); });
}

CProYszj::~CProYszj() = default;

void CProYszj::DoDataExchange(ui::DataExchange& dx) {
    ui::FormView::DoDataExchange(dx);
    dx.Control(IDC_WCSJ, m_editWCSJ);
    dx.Control(IDC_TBSJ, m_editTBSJ);
    dx.Control(IDC_BTN_IMPORT, m_btnImport);
    dx.Control(IDC_BTN_PROEXP, m_btnProexp);
    dx.Control(IDC_BTN_PRODEL, m_btnProdel);
    dx.Control(IDC_BTN_PROQUERY, m_btnProquery);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
    dx.Control(IDC_BTN_WORD, m_btnWord);
}

std::optional<ui::CtlColor> CProYszj::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (auto color = CDlgproplan::StaticColor(kind)) return color;
    return ui::FormView::OnCtlColor(control, kind);
}

ui::ListCtrl& CProYszj::List() const { return *Item<ui::ListCtrl>(IDC_LIST_PROLIST); }

std::string CProYszj::GetExePath() const { return sys::ProgramFolder(); }

// ---- set-up ----

void CProYszj::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    CreateToolBar();
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    // A first column cannot be centred: a dummy one goes first and is removed.
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, 10);
    const std::pair<const char*, int> columns[] = {
        {"项目类别", 100}, {"项目编号", 80}, {"项目名称", 100}, {"所在单位", 100}, {"项目负责人", 100}};
    int column = 1;
    for (const auto& [heading, width] : columns) list.InsertColumn(column++, heading, LVCFMT_CENTER, width);
    list.DeleteColumn(0);

    for (int i = 0; i < CProYszjTab::kSectionCount; ++i)
        m_strScratchFiles[i] = sys::ScratchPath(CProYszjTab::Sections()[i].scratchFile);

    CDlgproplan::StyleIconButton(m_btnImport, 3003, "导入");
    CDlgproplan::StyleIconButton(m_btnProexp, 5162, "导出");
    CDlgproplan::StyleIconButton(m_btnProdel, 5160, "删除");
    CDlgproplan::StyleIconButton(m_btnProquery, 5156, "查询");
    CDlgproplan::StyleIconButton(m_btnSave, 5154, "保存");
    CDlgproplan::StyleIconButton(m_btnWord, 5153, "生成word文档");
    for (ui::MaskEdit* date : {&m_editWCSJ, &m_editTBSJ}) date->EnableMask(kDateMask, kEmptyDate, '_', kDigits);

    if (!m_wndTab.IsWindow()) {
        m_wndTab.Create(ui::TabWnd::STYLE_3D_ROUNDED, GetItemRect(IDC_TAB_PLACE), this, IDC_TABWND,
                        ui::TabWnd::LOCATION_BOTTOM);
        m_pCurRichEdit = &m_wndTab.m_richSections[0];
        if (ui::Wnd* place = GetDlgItem(IDC_TAB_PLACE)) place->ShowWindow(SW_HIDE);
    }
    if (!appdb::Connect(m_connection)) {
        ui::AfxMessageBox("数据库连接失败");
        return;
    }
    appdb::Bind(m_recordset, m_connection);
    m_wndTab.m_dlgProFiles.m_pConnection = &m_connection;
    m_wndTab.m_dlgProFiles.m_pRecordset = &m_recordset;
    LoadlistDate();
}

void CProYszj::CreateToolBar() {
    const ui::Rect place = GetItemRect(IDC_TOOLBAR_PLACE);
    m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | ui::CBRS_ALIGN_TOP | ui::CBRS_BORDER_BOTTOM, ui::AFX_IDW_TOOLBAR);
    m_wndToolBar.LoadToolBar(formatbar::Resource());
    m_wndToolBar.SetOwner(this);
    m_wndToolBar.MoveWindow(place.left, place.top, place.Width(), place.Height());
    if (ui::Wnd* strip = GetDlgItem(IDC_TOOLBAR_PLACE)) strip->ShowWindow(SW_HIDE);
}

BOOL CProYszj::DestroyWindow() {
    if (IsWindow() && m_wndTab.IsWindow()) ClearAll();
    return ui::FormView::DestroyWindow();
}

LRESULT CProYszj::OnChangeActiveTab(WPARAM tab, LPARAM) {
    const int index = int(tab);
    if (index < 0 || index > kDocumentsTab) return 0;
    if (index < kDocumentsTab) m_pCurRichEdit = &m_wndTab.m_richSections[index];
    m_wndToolBar.ShowWindow(index < kDocumentsTab ? SW_SHOW : SW_HIDE);
    for (int i = 0; i < m_wndTab.GetTabsNum(); ++i)
        m_wndTab.SetTabBkColor(i, i == index ? kActiveTab : m_wndTab.m_crStdTab);
    m_wndTab.Invalidate();
    return 0;
}

// ---- list ----

void CProYszj::FillList(const std::string& sql) {
    ui::ListCtrl& list = List();
    list.DeleteAllItems();
    if (!m_recordset.Open(sql)) return;
    list.AppendRows(ReadRowTexts(m_recordset, {"xmlb", "xmbh", "xmmc", "gzdw", "sqrxm"}));
    m_recordset.Close();
}

void CProYszj::LoadlistDate() {
    UpdateData(TRUE);
    FillList(appstore::QueryFormSelect());
    UpdateData(FALSE);
    m_editWCSJ.SetWindowText(kEmptyDate);
    m_editTBSJ.SetWindowText(kEmptyDate);
}

std::string CProYszj::MarkedColumn(int column) const {
    const int mark = List().GetSelectionMark();
    return mark >= 0 && mark < List().GetItemCount() ? List().GetItemText(mark, column) : std::string();
}

std::vector<std::string> CProYszj::SelectedNumbers() const {
    std::vector<std::string> numbers;
    for (int row = List().GetNextItem(-1, LVNI_SELECTED); row >= 0; row = List().GetNextItem(row, LVNI_SELECTED))
        numbers.push_back(List().GetItemText(row, 1));
    return numbers;
}

void CProYszj::OnBtnProquery() {
    CDlgProQuery query;
    if (query.DoModal() != IDOK) return;
    FillList(query.m_strAppQuery);
}

// ---- load, save, delete ----

void CProYszj::ClearAll() {
    UpdateData(TRUE);
    m_editWCSJ.SetWindowText("");
    m_editTBSJ.SetWindowText("");
    for (COleRichEdit& box : m_wndTab.m_richSections) box.SetWindowText("");
    for (const std::string& file : m_strScratchFiles) sys::RemoveFile(file);
    UpdateData(FALSE);
}

void CProYszj::OnDblclkListProlist(const ui::NotifyInfo*, LRESULT* result) {
    UpdateData(TRUE);
    ClearAll();
    if (result) *result = 0;
    const std::string number = MarkedColumn(1);
    if (number.empty()) return;
    SetDlgItemText(IDC_NUMBER, number);
    SetDlgItemText(IDC_NAME, MarkedColumn(2));
    m_wndTab.m_dlgProFiles.m_strXMBH = number;

    if (m_recordset.Open(acceptancestore::RowQuery(number)) &&
        !m_recordset.IsEOF()) {
        std::string date;
        if (m_recordset.GetString("TBSJ", date) && !date.empty()) m_editTBSJ.SetWindowText(date);
        date.clear();
        if (m_recordset.GetString("WCSJ", date) && !date.empty()) m_editWCSJ.SetWindowText(date);
        for (int i = 0; i < CProYszjTab::kSectionCount; ++i) {
            std::string bytes;
            if (ReadLongBinary(m_recordset, CProYszjTab::Sections()[i].column, bytes) && !bytes.empty())
                sys::WriteFileAtomic(m_strScratchFiles[i], bytes);
        }
        for (int i = 0; i < CProYszjTab::kSectionCount; ++i)
            if (sys::FileExists(m_strScratchFiles[i])) m_wndTab.m_richSections[i].LoadRtfFile(m_strScratchFiles[i]);
    }
    m_recordset.Close();
    m_wndTab.m_dlgProFiles.LoadFileNames();
}

std::string CProYszj::DateText(int id) const {
    const std::string text = GetDlgItemText(id);
    return text.find_first_of(kDigits) == std::string::npos ? std::string() : text;
}

void CProYszj::OnBtnSave() {
    UpdateData(TRUE);
    const std::string number = GetDlgItemText(IDC_NUMBER);
    if (number.empty()) {
        ui::MessageBox("请选中要编辑的项目！", "提示");
        return;
    }
    for (int i = 0; i < CProYszjTab::kSectionCount; ++i) m_wndTab.m_richSections[i].SaveRtfFile(m_strScratchFiles[i]);
    // An existing row is changed in place: the summary and the fund office's
    // grading in its other columns stay.
    const bool saved = db::InTransaction(m_connection, [&] {
        if (!m_recordset.Open(acceptancestore::RowQuery(number)))
            return false;
        bool ok = (!m_recordset.IsEOF() || m_recordset.AddNew()) && m_recordset.SetString("xmbh", number) &&
                  m_recordset.SetString("WCSJ", DateText(IDC_WCSJ)) && m_recordset.SetString("TBSJ", DateText(IDC_TBSJ));
        for (int i = 0; i < CProYszjTab::kSectionCount; ++i)
            ok = ok && m_recordset.AppendChunkFromFile(CProYszjTab::Sections()[i].column, m_strScratchFiles[i]);
        if (ok && m_recordset.Update()) return true;
        m_recordset.CancelUpdate();
        return false;
    });
    m_recordset.Close();
    if (saved) m_wndTab.m_dlgProFiles.SaveFiles();
}

void CProYszj::OnBtnProdel() {
    if (List().GetSelectionMark() < 0) {
        ui::MessageBox("请先选中要删除的记录", "系统提示", MB_ICONSTOP);
        return;
    }
    if (ui::MessageBox("确定要删除该项目相关的所有验收总结信息吗？", "系统提示", MB_OKCANCEL) != IDOK) return;
    const std::string number = MarkedColumn(1);
    const bool deleted = db::InTransaction(m_connection, [&] {
        return acceptancestore::DeleteRow(m_connection, number);
    });
    if (!deleted) return;
    ui::MessageBox("删除成功！", "系统提示");
    LoadlistDate();
    ClearAll();
}

// ---- formatting ----

void CProYszj::OnFontname() { CurrentSection().ChooseFont(); }
void CProYszj::OnCharColor() { CurrentSection().ChooseColor(); }
void CProYszj::OnCharBold() { CurrentSection().ToggleBold(); }
void CProYszj::OnCharItalic() { CurrentSection().ToggleItalic(); }
void CProYszj::OnCharUnderline() { CurrentSection().ToggleUnderline(); }

void CProYszj::SetAlignment(int& flag) {
    m_bLeft = m_bCenter = m_bRight = 0;
    flag = 1;
}

void CProYszj::OnParaLeft() {
    CurrentSection().AlignLeft();
    SetAlignment(m_bLeft);
}

void CProYszj::OnParaCenter() {
    CurrentSection().AlignCenter();
    SetAlignment(m_bCenter);
}

void CProYszj::OnParaRight() {
    CurrentSection().AlignRight();
    SetAlignment(m_bRight);
}

LRESULT CProYszj::OnEditSelChange(WPARAM, LPARAM) {
    ui::CharFormat chars;
    CurrentSection().GetSelectionCharFormat(chars);
    m_bBold = (chars.dwEffects & ui::CFE_BOLD) ? 1 : 0;
    m_bItalic = (chars.dwEffects & ui::CFE_ITALIC) ? 1 : 0;
    m_bUnderline = (chars.dwEffects & ui::CFE_UNDERLINE) ? 1 : 0;
    ui::ParaFormat para;
    CurrentSection().GetParaFormat(para);
    if (para.wAlignment == ui::PFA_LEFT) SetAlignment(m_bLeft);
    else if (para.wAlignment == ui::PFA_CENTER) SetAlignment(m_bCenter);
    else if (para.wAlignment == ui::PFA_RIGHT) SetAlignment(m_bRight);
    return 0;
}

// ---- acceptance files ----

void CProYszj::OnBtnProexp() { ProjectRowsFile(m_connection, AcceptanceFormat()).Export(SelectedNumbers()); }

void CProYszj::OnBtnProimp() {
    if (ProjectRowsFile(m_connection, AcceptanceFormat()).ImportFolder(m_nPolicy)) LoadlistDate();
}

int CProYszj::Import(const std::string& path) {
    return ProjectRowsFile(m_connection, AcceptanceFormat()).Import(path, m_nPolicy);
}

int CProYszj::IsRecordExist(const std::string& number) {
    return ProjectRowsFile(m_connection, AcceptanceFormat()).IsRecordExist({number});
}

// ---- Word report ----

int CProYszj::IfOutput(int number) const {
    return std::any_of(m_arrOutput.begin(), m_arrOutput.end(),
                       [number](const std::string& text) { return text::Atol(text) == number; })
               ? 1
               : 0;
}

void CProYszj::OnBtnWord() {
    m_arrOutput.clear();
    UpdateData(TRUE);
    const std::string number = GetDlgItemText(IDC_NUMBER);
    if (number.empty()) {
        ui::MessageBox("请选中要编辑的项目！", "提示");
        return;
    }
    auto word = office::word::Application::Create();
    if (!word || !word->Documents().Add(sys::JoinPath(sys::JoinPath(GetExePath(), "模板"), kTemplate)).IsValid()) {
        ui::MessageBox("Word服务程序启动失败！", "提示", MB_ICONSTOP);
        return;
    }
    CAdoRecordSet rs;
    appdb::Bind(rs, m_connection);
    std::string values[9];
    if (rs.Open(acceptancestore::WordQuery(number)) &&
        !rs.IsEOF()) {
        const char* names[] = {"xmbh", "xmmc", "xmlb", "sqrxm", "dh", "gzdw"};
        for (int i = 0; i < 6; ++i) rs.GetString(names[i], values[i]);
        std::string from, to;
        rs.GetString("xmqsrq", from);
        rs.GetString("xmzzrq", to);
        values[6] = from + " - " + to;
        rs.GetString("wcsj", values[7]);
        rs.GetString("tbsj", values[8]);
    }

    office::word::Selection sel = word->Selection();
    office::word::Font font = sel.Font();
    sel.MoveDown(office::word::wdLine, 15);
    // The project's data go into the right-hand cells of the template's table.
    sel.GoToNext(office::word::wdGoToTable);
    font.SetName("仿宋_GB2312");
    for (int i = 0; i < 9; ++i) {
        sel.MoveRight(office::word::wdCell, i == 0 ? 1 : 2);
        sel.TypeText(values[i]);
    }
    // Then the seven sections as the form shows them, each under its caption.
    sel.EndKey(office::word::wdStory);
    for (int i = 0; i < CProYszjTab::kSectionCount; ++i) {
        m_wndTab.m_richSections[i].SaveRtfFile(m_strScratchFiles[i]);
        font.SetName("黑体");
        sel.TypeText(text::Format("%d、", i + 1) + CProYszjTab::Sections()[i].caption);
        sel.TypeParagraph();
        sel.InsertFile(m_strScratchFiles[i]);
        sel.TypeParagraph();
    }
    word->SetVisible(true);
}
