// The five-year guide view (五年指南): lists the five-year guides of the
// current period, one per specialty group or key laboratory, and shows one
// guide in an editor (header bar, five rich-text chapters and the topic
// scope), with the commands new, save, delete, search, import, export and
// Word output.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "guide_fiveyear/DlgGuideDetail.h"
#include "guide_fiveyear/DlgGuideList.h"
#include "guide_fiveyear/FiveGuideStore.h"
#include "platform/ui/Dialog.h"

class CDlgFiveGuide : public ui::FormView {
    DECLARE_DYNCREATE(CDlgFiveGuide)
public:
    static constexpr int IDD = 3031;
    static constexpr int IDC_LIST_FRAME = 6047;
    static constexpr int IDC_DETAIL_FRAME = 6048;

    CDlgFiveGuide();
    ~CDlgFiveGuide() override;
    static const ui::DialogTemplate& Template();

    // The current period's year range ("2011-2015"), assigned by the main
    // program; the publish year (FBNF) of every guide the view lists, opens,
    // deletes and creates.
    static std::string m_strPublishYear;

    void OnInitialUpdate() override;
    // Lists the guides of a period: the specialty groups' first, then the
    // laboratories', each in fund-number order; 1.
    int ShowFundInfo(std::string period);
    // Empties the header, the chapters and the topic scope.
    void Clear();

    std::string GetExePath();
    void ButtonTexture(CButtonST& button, int icon, const std::string& tooltip);
    void Emptyfile(const std::string& path);
    // 1 when the chapter is among those chosen for the last Word output.
    int IfOutput(int chapter);
    int IsRecordExist(const std::string& fund, const std::string& period);
    // Imports one guide bundle with the view's policy; 1 when imported.
    int Import(const std::string& path);
    void AddNewFund();
    void UpdateFundInfo();

    // Commands.
    void OnBtnAdd();
    void OnButtonSave();
    void OnBtnDelete();
    void OnBtnSearch();
    void OnBtnImport();
    void OnBtnExport();
    void OnBtnExportToWord();
    void OnDblclkListFundinfo();
    void OnFontname() { m_dlgDetail.Font(); }
    void OnCharColor() { m_dlgDetail.CharColor(); }
    void OnCharBold() { m_dlgDetail.CharBold(); }
    void OnCharItalic() { m_dlgDetail.CharItalic(); }
    void OnCharUnderline() { m_dlgDetail.CharUnderline(); }
    void OnParaLeft() { m_dlgDetail.ParaAlign(ui::PFA_LEFT); }
    void OnParaCenter() { m_dlgDetail.ParaAlign(ui::PFA_CENTER); }
    void OnParaRight() { m_dlgDetail.ParaAlign(ui::PFA_RIGHT); }
    // Header bar: leaving the guide name.
    void OnKillfocusGuideName();

    fiveyear::CDlgGuideList m_dlgList;
    fiveyear::CDlgGuideDetail m_dlgDetail;
    // The chapters chosen for the last Word output ("0" to "5").
    std::vector<std::string> m_arrOutputChapters;
    // The import policy: 0 overwrite, 1 keep, 2 ask.
    int m_nPolicy = 0;
    // Set while the editor shows a guide opened from the list.
    bool m_bOpenGuide = false;

protected:
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;
    void OnDestroy() override;

private:
    fiveyear::CDlgGuideHeader& Header() { return m_dlgDetail.m_dlgHeader; }
    fiveyear::CGuideTabWnd& Tabs() { return m_dlgDetail.m_tabWnd; }
    BOOL ConnectAccess();
    void InitUnitDict();
    // Appends the guides to the list.
    void AppendGuides(const std::vector<fiveyearstore::ListedGuide>& guides);
    // Tells the topic scope which guide it shows.
    void SetTopicGuide();
    // Empties the header, the chapters and the topic scope; the name edit
    // is enabled or not.
    void ResetEditor(bool enableName);
    // Gives the chapters the guide's own format and saves them to their files.
    void PrepareChapters();
    void EnableGuideName(bool enable);
    // The fund numbers of the selected list rows, in list order.
    std::vector<std::string> SelectedFunds() const;

    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;
    std::vector<std::string> m_arrChapterFiles;
};
