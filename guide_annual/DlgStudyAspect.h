// The research-direction editor (研究方向): adds a direction to a subject of
// the topic document or rewrites one, with its number, name, key-direction
// flag and the units it is directed at. While the suffix is typed, the name
// is looked up among the five-year guide's directions of the period (when a
// publish year is given: the annual guide). OK saves the topic document
// itself; Cancel writes nothing. The five-year guide's direction editor is
// this dialog with its own layout and rules.
#pragma once

#include <string>
#include <vector>

#include "guide_annual/CodeSuffixEdit.h"
#include "guide_annual/UnitGridCtrl.h"
#include "platform/ui/Dialog.h"

// What differs between the guides' direction editors: the dialog and control
// ids (no key-direction buttons: ids 0), and the rules.
struct AspectEditorLayout {
    int dialog, ztbh, ztmc, codeHead, suffix, yjfxmc, keyYes, keyNo, gridFrame, addRow, removeRows, pickUnits,
        unitGrid;
    // Which guides' directions may be directed at no unit: a specialty
    // group's only, or every guide but a specialty group's.
    bool undirectedOnlyForSpecialtyGroups;
    // Whether changing a direction no longer in the document fails, or adds it.
    bool modifyNeedsOldAspect;
    bool HasKeyFlag() const { return keyYes != 0; }
};

class CDlgStudyAspect : public ui::Dialog {
public:
    static constexpr int IDD = 3116;
    static constexpr int IDC_ZTBH = 3100, IDC_ZTMC = 3105, IDC_CODEHEAD = 3113, IDC_SUFFIX = 3106, IDC_YJFXMC = 3104,
                         IDC_KEY_YES = 7004, IDC_KEY_NO = 7005, IDC_GRIDFRAME = 3114, IDC_ADDROW = 3117,
                         IDC_REMOVEROWS = 3118, IDC_PICKUNITS = 7020, IDC_UNITGRID = 3119;
    enum Mode { kAdd = 0, kModify = 1 };

    explicit CDlgStudyAspect(ui::Wnd* parent = nullptr);
    ~CDlgStudyAspect() override;
    static const ui::DialogTemplate& Template();

    // Given by the subject tree before DoModal.
    int m_nMode = kAdd;
    std::string m_strJJBH;       // fund number of the guide
    std::string m_strFBNF;       // publish year
    std::string m_strTopicFile;  // the topic document
    std::string m_strZTBH;       // subject number
    std::string m_strZTMC;       // subject name
    std::vector<std::string> m_arrAspectCodes;  // direction numbers the tree shows under the subject
    std::string m_strSuffix;     // direction suffix (modify mode: the current one)
    std::string m_strYJFXMC;     // direction name
    // 1 key direction, 0 general (a guide without the flag stores it empty).
    int m_nKey = 0;

    // The number's name in the five-year guide, after each typed character.
    void LookUpName();
    // Reads the fields and checks them; messages for what is refused.
    bool CheckFields();
    // Write the direction (after CheckFields); true when the document was saved.
    BOOL AddAspect();
    BOOL ModifyAspect();

    CUnitGridCtrl& UnitGrid() { return m_gridUnits; }

protected:
    CDlgStudyAspect(const AspectEditorLayout& layout, ui::Wnd* parent);
    static ui::DialogTemplate BuildTemplate(const AspectEditorLayout& layout);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    void SetKey(int key);
    void LoadAspect();
    void OnRemoveRows();
    void OnPickUnits();
    // Writes the direction anew, the old one removed first in modify mode.
    BOOL WriteAspect(bool removeOld);

    const AspectEditorLayout m_layout;
    CAspectCodeEdit m_editSuffix;
    CUnitGridCtrl m_gridUnits;
    std::string m_strOldCode;  // subject number + suffix as given
};
