// The editor page of a summary view: a tab window with the text page (and,
// for the acceptance summary, the results page), the formatting tool bar
// whose commands go to the view, and the buttons 新增 (pick a project) and
// 保存 (store the document, and for the acceptance summary its achievements,
// in one transaction). CDlgProSumEdit and CDlgProSum1Edit are its two kinds.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "followup/DlgProSumResults.h"
#include "followup/SummaryTextPage.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TabWnd.h"
#include "platform/ui/ToolBar.h"

class CAdoConnection;

class CSummaryEditPage : public ui::Dialog {
public:
    static constexpr int IDC_BTN_NEW = 5143;   // 新增
    static constexpr int IDC_BTN_SAVE = 5142;  // 保存
    static constexpr int IDC_TAB_PLACE = 5556;
    static constexpr int IDC_TAB = 5007;
    static constexpr int IDR_FORMATBAR = 139;
    static constexpr COLORREF kActiveTabColor = RGB(63, 131, 240);

    // `results` only for the acceptance summary.
    CSummaryEditPage(followup::SummaryKind kind, std::unique_ptr<CSummaryTextPage> text,
                     std::unique_ptr<CDlgProSumResults> results);
    ~CSummaryEditPage() override;
    static const ui::DialogTemplate& Template(followup::SummaryKind kind);

    // The view's connection for this page and the pages inside it.
    void SetConnection(CAdoConnection* connection);

    void OnBtnNew();
    void OnBtnSave();
    LRESULT OnChangeActiveTab(WPARAM tab, LPARAM);

    CSummaryTextPage& Text() const { return *m_pText; }
    // Null in the progress report.
    CDlgProSumResults* Results() const { return m_pResults.get(); }
    followup::SummaryKind Kind() const { return m_kind; }

    CButtonST m_btnNew, m_btnSave;
    ui::TabWnd m_wndTab;
    ui::ToolBar m_wndToolBar;
    CAdoConnection* m_pConnection = nullptr;
    // Set by the view to reach the list page above: opening a picked project
    // (number, name) and refreshing the list after a save.
    std::function<void(const std::string&, const std::string&)> m_onOpenProject;
    std::function<void()> m_onSaved;
    COLORREF m_crStdTab = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    // Stores the document under `k1` (moved from `k0`) in one transaction;
    // false when anything was refused, with nothing changed.
    bool StoreDocument(const std::string& k0, const std::string& k1, bool replaceK1);
    // The attach page's boxes limited to their columns, and the failure text
    // after the label of the first value its column cannot hold.
    static std::vector<std::pair<int, std::string>> LimitedBoxes();
    std::string FailureText(const std::string& failure) const;
    void PlaceToolBar();

    followup::SummaryKind m_kind;
    std::unique_ptr<CSummaryTextPage> m_pText;
    std::unique_ptr<CDlgProSumResults> m_pResults;
};
