// The project-information editor of the first-review view's detail panel:
// shows the basic record of one application and its members, and saves the
// corrected record with the first-review verdict (FIRSTAPPR "+" or "-").
// A changed guide code, year or unit code renumbers the project.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "numbering/LoadedProject.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"

class CAdoConnection;

class CDlgProEdit : public ui::Dialog {
public:
    static constexpr int IDD = 6012;
    static constexpr int IDC_XMBH = 6101, IDC_XMMC = 6023, IDC_XMLB = 6043, IDC_SQJE = 6024, IDC_SQZNDM = 6103,
                         IDC_DWDM = 6025, IDC_NF = 6019, IDC_SQRQ = 6030, IDC_XMQSRQ = 6031, IDC_XMZZRQ = 6032,
                         IDC_DH = 6114, IDC_YZBM = 6021, IDC_DXDZ = 6027, IDC_ZTC = 6022, IDC_MJ = 6028,
                         IDC_SQRXM = 6033, IDC_SQRXB = 6136, IDC_SQRNL = 6035, IDC_XW = 6036, IDC_ZC = 6039,
                         IDC_ZYTC = 6038, IDC_GZDW = 6040, IDC_LSGX = 6041, IDC_HZDW = 6042, IDC_XMZRS = 6102,
                         IDC_GJZC = 6104, IDC_ZJZC = 6105, IDC_CJZC = 6044, IDC_BSHRS = 6045, IDC_BSSRS = 6046,
                         IDC_SSSRS = 6047, IDC_FIRSTAPPR = 6053, IDC_MEMBERS = 6054;

    CDlgProEdit();
    static const ui::DialogTemplate& Template();

    // Fills the sex, degree and title lists from their code tables and limits
    // each text box to what its column holds.
    void InitCodeLists();
    // Shows the application with this number; nothing changes when there is none.
    void LoadProject(const std::string& xmbh);
    // Asks, then writes the form into the application shown, renumbering it
    // when its group prefix changed; m_onSaved follows a save.
    void SaveProject();
    // Numbers the group of the prefix again without gaps.
    void RenumberGroup(const std::string& prefix);

    ui::ListCtrl& Members() const { return *Item<ui::ListCtrl>(IDC_MEMBERS); }

    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;
    // Set by the view: a save has written the project (the view's lists
    // then show it under its number).
    std::function<void()> m_onSaved;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void FillCodeList(int id, const std::string& table);
    void LoadMembers(const std::string& xmbh);
    // "保存失败！", naming the field first when a value is longer than its column holds.
    std::string FailureMessage(const std::vector<std::pair<std::string, std::string>>& columns) const;

    // The project shown (its number and row), as LoadProject found it.
    projectnumber::LoadedProject m_loaded;
};
