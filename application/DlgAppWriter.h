// The application writer: the child dialog in the lower band of the
// application form view. A chapter tree on the left, the tab window with the
// chapter pages, the formatting tool bar above them and a column of icon
// buttons on the right. The writer holds no application data: its buttons,
// its tree and its tabs report to the form view (its parent), which reaches
// into the writer's members directly. The formatting commands act on the
// current rich-text field, whose format the tool bar's check marks follow.
#pragma once

#include <functional>

#include "widgets/FormatToolBar.h"

#include <array>

#include "application/DlgAppBasicInfo.h"
#include "application/DlgAppBasis.h"
#include "application/DlgAppBudget.h"
#include "application/DlgAppChapter.h"
#include "application/DlgAppGoals.h"
#include "application/DlgAppMembers.h"
#include "application/DlgAppOpinion.h"
#include "application/DlgAppPlan.h"
#include "application/DlgRecommend.h"
#include "foundation/ButtonST.h"
#include "platform/ui/TabWnd.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/TreeCtrl.h"

class CDlgAppWriter : public ui::Dialog {
public:
    static constexpr int IDD = 5600;
    static constexpr int IDC_TREE = 5167, IDC_PLACEHOLDER = 5556, IDC_TABWND = 5007;
    static constexpr int IDC_BTN_SORT = 5150, IDC_BTN_EXDOC = 5146, IDC_BTN_IMPORTDOC = 5145,
                         IDC_BTN_SAVEDOC = 5148, IDC_BTN_READ = 5149, IDC_BTN_IMPORTPARTIAL = 5147,
                         IDC_BTN_WORD = 5144, IDC_BTN_SAVE = 5143, IDC_BTN_PROADD = 5142;
    static constexpr int IDR_FORMATBAR = 139;
    static constexpr int ID_FONTNAME = formatbar::ID_FONTNAME, ID_CHAR_COLOR = formatbar::ID_CHAR_COLOR,
                         ID_CHAR_BOLD = formatbar::ID_CHAR_BOLD, ID_CHAR_ITALIC = formatbar::ID_CHAR_ITALIC,
                         ID_CHAR_UNDERLINE = formatbar::ID_CHAR_UNDERLINE, ID_PARA_LEFT = formatbar::ID_PARA_LEFT,
                         ID_PARA_CENTER = formatbar::ID_PARA_CENTER, ID_PARA_RIGHT = formatbar::ID_PARA_RIGHT;
    static constexpr COLORREF kBackground = RGB(242, 246, 255);
    // The tabs of the four chapters that have one, in tab order.
    enum Tab { kTabBasicInfo, kTabMembers, kTabBudget, kTabChapter };

    explicit CDlgAppWriter(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    CButtonST m_btnSort, m_btnExDoc, m_btnImportDoc, m_btnSaveDoc, m_btnRead, m_btnImportPartial;
    ui::TreeCtrl m_tree;
    CButtonST m_btnWord, m_btnSave, m_btnProadd;

    CDlgAppBasicInfo m_dlgBasicInfo;
    CDlgAppMembers m_dlgMembers;
    CDlgAppBudget m_dlgBudget;
    CDlgAppChapter m_dlgChapter;
    CDlgAppGoals m_dlgGoals;
    CDlgAppPlan m_dlgPlan;
    CDlgAppBasis m_dlgBasis;
    CDlgAppOpinion m_dlgOpinion;
    CDlgRecommend m_dlgRecommend;

    ui::TabWnd m_wndTab;
    ui::ToolBar m_wndToolBar;

    // Format of the current field's selection, shown as the tool bar's checks.
    bool m_bUnderline = false, m_bItalic = false, m_bBold = false;
    bool m_bRight = false, m_bCenter = false, m_bLeft = true;

    // The field the formatting commands act on.
    COleRichEdit* m_pCurRichEdit = nullptr;

    // Formatting commands on the current field.
    void OnFontname();
    void OnCharColor();
    void OnCharBold();
    void OnCharItalic();
    void OnCharUnderline();
    void OnParaLeft();
    void OnParaCenter();
    void OnParaRight();
    void OnUpdateCharBold(ui::CmdUI* cmdUI);
    void OnUpdateCharItalic(ui::CmdUI* cmdUI);
    void OnUpdateCharUnderline(ui::CmdUI* cmdUI);
    void OnUpdateParaLeft(ui::CmdUI* cmdUI);
    void OnUpdateParaCenter(ui::CmdUI* cmdUI);
    void OnUpdateParaRight(ui::CmdUI* cmdUI);

    // The selection of a chapter field moved: the flags follow its format.
    // Set by the form view that owns the writer: a command button (its id),
    // the tree's selection changing (true) or changed (false), and the tab
    // window's change of tab.
    std::function<void(int id)> m_onCommand;
    std::function<void(const ui::NotifyInfo&, bool changing)> m_onTreeSelection;
    std::function<LRESULT(WPARAM tab, LPARAM)> m_onChangeActiveTab;

    LRESULT OnRichSelChanged(WPARAM, LPARAM);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void BuildTree();
    void CreatePages();
    void SetAlignmentFlags(int alignment);
};
