// The research-direction editor of the five-year guide (研究方向): adds a
// direction to a topic of the topic document or rewrites one, with its
// number suffix, name and the units it is directed at. The five-year guide
// has no key-direction flag: its directions carry it empty. OK saves the
// topic document; Cancel writes nothing.
#pragma once

#include <string>
#include <vector>

#include "guide_annual/CodeSuffixEdit.h"
#include "guide_annual/UnitGridCtrl.h"
#include "platform/ui/Dialog.h"

namespace fiveyear {

class CDlgStudyAspect : public ui::Dialog {
public:
    static constexpr int IDD = 3047;
    static constexpr int IDC_ZTBH = 3007, IDC_ZTMC = 3018, IDC_CODEHEAD = 3043, IDC_SUFFIX = 3022,
                         IDC_YJFXMC = 3015, IDC_GRIDFRAME = 3045, IDC_ADDROW = 3049, IDC_REMOVEROW = 3050,
                         IDC_PICKUNITS = 6043, IDC_UNITGRID = 3048;
    enum Mode { kAdd = 0, kModify = 1 };

    explicit CDlgStudyAspect(ui::Wnd* parent = nullptr);
    ~CDlgStudyAspect() override;
    static const ui::DialogTemplate& Template();

    // Given by the topic tree before DoModal.
    int m_nMode = kAdd;
    std::string m_strJJBH;       // fund number of the guide
    std::string m_strTopicFile;  // the topic document
    std::string m_strZTBH;       // topic number
    std::string m_strZTMC;       // topic name
    std::vector<std::string> m_arrAspectCodes;  // direction numbers the tree shows under the topic
    std::string m_strSuffix;     // direction suffix (modify mode: the current one)
    std::string m_strYJFXMC;     // direction name

    CUnitGridCtrl& UnitGrid() { return m_gridUnits; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    // Reads the fields and checks them; messages for what is refused.
    bool CheckFields();
    // Lists the stored direction's units (modify mode).
    void LoadUnits();
    void OnRemoveRow();
    void OnPickUnits();
    // Writes the direction anew (the old one removed first in modify mode);
    // true when the document was saved.
    bool WriteAspect();

    CCodeSuffixEdit m_editSuffix;
    CUnitGridCtrl m_gridUnits;
    std::string m_strOldCode;  // topic number + suffix as given
};

}  // namespace fiveyear
