// The annual-guide view: lists the annual guides of the current period and
// shows one guide in an editor (header bar, three rich-text chapters and the
// topic scope), with the commands new, save, delete, search, import, export
// and Word output.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/DlgGuideDetail.h"
#include "guide_annual/DlgGuideList.h"
#include "platform/ui/Dialog.h"

class CDlgOneGuide : public ui::FormView {
    DECLARE_DYNCREATE(CDlgOneGuide)
public:
    static constexpr int IDD = 3136;
    static constexpr int IDC_LIST_FRAME = 7018;
    static constexpr int IDC_DETAIL_FRAME = 7019;

    CDlgOneGuide();
    ~CDlgOneGuide() override;
    static const ui::DialogTemplate& Template();

    // The current period's year range ("2006-2010"), assigned by the main program.
    static std::string m_strPublishYear;

    void OnInitialUpdate() override;
    // Offers the period's five years and lists the period's guides; 1.
    int ShowFundInfo(std::string period);
    // Empties the editor (the header edits show it at their next refresh).
    void Clear();

    BOOL ConnectAccess();
    void InitUnitDict();
    std::string GetExePath();
    void ButtonTexture(CButtonST& button, int icon, const std::string& tooltip);
    void Emptyfile(const std::string& path);
    // Deletes everything inside the folder; the folder itself stays.
    void DelFolder(const std::string& path);
    // 1 when the chapter is among the chosen output chapters.
    int IfOutput(int chapter);
    int IsRecordExist(const std::string& fund, const std::string& year);
    // Imports one guide bundle with the view's policy; 1 when imported.
    int Import(const std::string& path);
    void AddNewFund();
    void UpdateFundInfo();
    void InitZtArray() {}

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
    // Header bar events.
    void OnKillfocusGuideName();
    void OnSelchangeYear();

    CDlgGuideList m_dlgList;
    CDlgGuideDetail m_dlgDetail;
    // The chapters chosen for the last Word output ("0" to "3").
    std::vector<std::string> m_arrOutputChapters;
    // The import policy: 0 overwrite, 1 keep, 2 ask.
    int m_nPolicy = 0;

protected:
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;
    void OnDestroy() override;

private:
    CDlgGuideHeader& Header() { return m_dlgDetail.m_dlgHeader; }
    CGuideTabWnd& Tabs() { return m_dlgDetail.m_tabWnd; }
    // Shows the guides in the list.
    void FillGuideList(const std::vector<guidestore::ListedGuide>& guides);
    void RefillGuideList();
    // Tells the topic scope which guide it shows, and reloads it.
    void SetTopicGuide();
    void ReloadTopic();
    // Gives the chapters the guide's own format and saves them to their files.
    void PrepareChapters();
    void LoadChapters(int count);
    void EnableGuideName(bool enable);
    // The fund numbers and years of the selected list rows.
    std::vector<std::pair<std::string, std::string>> SelectedGuides() const;

    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;
    std::vector<std::string> m_arrChapterFiles;
};
