// The import policy of the guide bundles: what to do with a guide that is
// stored already (0 overwrite, 1 keep the stored one, 2 ask for each).
#pragma once

#include "platform/ui/Dialog.h"

// The project-application library has a dialog of the same name; the program
// loads both libraries into one process, so this one lives in a namespace of
// its own to keep their symbols apart (and names it qualified, so that code
// using both libraries can include both headers).
namespace annualguide {

class CDlgImportPolicy : public ui::Dialog {
public:
    static constexpr int IDD = 6025;
    static constexpr int IDC_OVERWRITE = 6025;
    static constexpr int IDC_KEEP = 6026;
    static constexpr int IDC_ASK = 6027;

    explicit CDlgImportPolicy(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The policy shown on opening, and the one chosen on OK.
    int m_nPolicy = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

}  // namespace annualguide
