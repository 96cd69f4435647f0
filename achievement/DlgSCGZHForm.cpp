#include "achievement/DlgSCGZHForm.h"

#include "achievement/ResultChangeRecord.h"

#include <QLayout>
#include <QTabBar>
#include <QWidget>

#include "achievement/DlgSCGZHList.h"
#include "achievement/DlgSelectResult.h"
#include "achievement/ResultArtwork.h"
#include "achievement/ResultExcelOutput.h"
#include "achievement/ResultWordOutput.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"

using namespace resultchange;

namespace {
constexpr COLORREF kPanelBackground = RGB(242, 246, 255);
}  // namespace

const ui::DialogTemplate& CDlgSCGZHForm::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 568, 402}, {
        {Kind::Static, IDC_TAB_PLACE, "", {5, 5, 527, 369}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_BTN_NEW, "", {538, 5, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_SAVE, "", {538, 36, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_WORD, "", {538, 67, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_EXCEL, "", {538, 98, 23, 21}, WS_TABSTOP},
    }, WS_CHILD};
    return tpl;
}

CDlgSCGZHForm::CDlgSCGZHForm(ui::Wnd* parent) : ui::Dialog(Template(), parent), m_dlgInfo(nullptr) {
    MapClicked(IDC_BTN_NEW, [this] { OnBtnProadd(); });
    MapClicked(IDC_BTN_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_BTN_WORD, [this] { OutputWord(); });
    MapClicked(IDC_BTN_EXCEL, [this] { OutputExcel(); });
    MapMessage(ui::BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab, LPARAM l) { return OnChangeActiveTab(tab, l); });
}

CDlgSCGZHForm::~CDlgSCGZHForm() = default;

void CDlgSCGZHForm::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_BTN_NEW, m_btnNew);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
    dx.Control(IDC_BTN_WORD, m_btnWord);
    dx.Control(IDC_BTN_EXCEL, m_btnExcel);
}

BOOL CDlgSCGZHForm::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kPanelBackground);
    if (m_wndTab.IsWindow()) return FALSE;
    m_wndTab.Create(ui::TabWnd::STYLE_3D_ROUNDED, GetItemRect(IDC_TAB_PLACE), this, IDC_TABWND,
                    ui::TabWnd::LOCATION_BOTTOM, FALSE);
    m_dlgInfo.Create(&m_wndTab);
    m_wndTab.AddTab(&m_dlgInfo, "成果转化(项目)", UINT(-1), TRUE);
    // The page shows whole, as tall as its template: the tab window grows to
    // hold it and the view around the form scrolls it, one scrolling area.
    QWidget* tabs = m_wndTab.GetWidget();
    const QTabBar* bar = tabs->findChild<QTabBar*>();
    const int height = m_dlgInfo.MapDialogRect(m_dlgInfo.GetTemplate().rect).Height() + (bar ? bar->sizeHint().height() : 0);
    if (tabs->height() < height) {
        tabs->resize(tabs->width(), height);
        tabs->layout()->activate();
    }

    const std::pair<CButtonST*, std::pair<int, const char*>> buttons[] = {
        {&m_btnNew, {kIconNew, "新增"}},
        {&m_btnSave, {kIconSave, "保存"}},
        {&m_btnWord, {kIconWord, "Word"}},
        {&m_btnExcel, {kIconExcel, "Excel"}},
    };
    for (const auto& [button, look] : buttons) {
        button->SetIcon(look.first);
        button->SetHandCursor(kHandCursor);
        for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
            button->SetColor(index, kPanelBackground, TRUE);
        button->SetTooltipText(look.second);
    }
    m_crTab = m_wndTab.GetTabBkColor(1);
    m_strAppPath = sys::ProgramFolder();
    return TRUE;
}

LRESULT CDlgSCGZHForm::OnChangeActiveTab(WPARAM tab, LPARAM) {
    const int active = int(tab);
    m_wndTab.SetTabBkColor(active, kActiveTab);
    for (int other : {0, 1})
        if (other != active) m_wndTab.SetTabBkColor(other, m_crTab);
    m_wndTab.Invalidate(TRUE);
    return 0;
}

void CDlgSCGZHForm::OnBtnProadd() {
    CDlgSelectResult picker(nullptr);
    picker.m_pConnection = m_pConnection;
    picker.m_strSQL = resultchange::ChooserQuery();
    if (picker.DoModal() != IDOK) return;
    if (m_pList) m_pList->LoadRecord(picker.m_strXMBH, picker.m_strXMMC);
}

void CDlgSCGZHForm::OnBtnSave() {
    if (!m_pList || !m_onSave) return;
    const std::string name = m_dlgInfo.GetDlgItemText(CDlgSCGZHInfo::IDC_XMMC);
    const std::string number = m_dlgInfo.GetDlgItemText(CDlgSCGZHInfo::IDC_XMBH);
    if (name.empty() || number.empty()) {
        MessageBox("项目名称、项目代码是必填项！", "系统提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    int update = 0;
    if (RecordExists(*m_pConnection, number)) {
        if (MessageBox("该项目编号已存在，确定覆盖吗？", "系统提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
        update = 1;
    }
    if (!m_onSave(update)) return;
    MessageBox("保存成功！", "提示", MB_OK | MB_ICONINFORMATION);
    m_pList->FillList();
}

void CDlgSCGZHForm::OutputWord() {
    using namespace office::word;
    if (!m_pList) return;
    auto word = Application::Create();
    if (!word) {
        MessageBox("Word服务程序启动失败！", "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    const std::string templatePath =
        sys::JoinPath(sys::JoinPath(m_strAppPath, "模板"), "由课题组填报的信息表.doc");
    const Document document = word->Documents().Add(templatePath, false, 0, true);
    const Selection selection = word->Selection();
    if (!document.IsValid() || !selection.GoToNext(wdGoToTable)) {
        const std::string error = document.IsValid() ? "模板中没有表格" : word->LastError();
        word->Quit();
        MessageBox(error, "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    selection.MoveRight(wdCell, 1, wdMove);
    const ui::ListCtrl& list = m_pList->List();
    const int row = list.GetSelectionMark();
    if (row < 0) {
        // The new document stays in Word, hidden, as the user never saw it.
        MessageBox("请先选中要导出的记录", "系统提示", MB_OK | MB_ICONSTOP);
        return;
    }
    ScreenValues screen;
    for (int slot = 0; slot < 3; ++slot) screen.richText[slot] = m_dlgInfo.RichEdit(slot).GetWindowText();
    for (int child = 0; child < kChildCount; ++child) screen.gridRows[child] = m_dlgInfo.Grid(child).GetRowCount();
    TypeInformationTable(selection, *m_pConnection, list.GetItemText(row, CDlgSCGZHList::kNumberColumn),
                         list.GetItemText(row, 2), screen);
    word->SetVisible(true);
}

void CDlgSCGZHForm::OutputExcel() {
    if (!m_pList) return;
    CAdoConnection& connection = *m_pConnection;
    OutputTickedRows(*this, m_pList->List(), InformationTable(), "成果转化信息表",
                     [&connection](const std::string& number, int running) {
                         return InformationRow(connection, number, running);
                     });
}
