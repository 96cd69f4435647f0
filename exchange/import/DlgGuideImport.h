// The 导入指南 module view: the unit list from a unit file, and five-year
// guide bundles from a folder, under the duplicate policy of its radios.
#pragma once

#include <optional>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

class CDlgGuideImport : public ui::FormView {
    DECLARE_DYNCREATE(CDlgGuideImport)
public:
    static constexpr int IDD = 4031;
    static constexpr int IDC_POLICY = 4037, IDC_KEEP = 4039, IDC_ASK = 4040;
    static constexpr int IDC_BTN_IMPORT_UNITINFO = 4043, IDC_BTN_IMPORT_GUIDEINFO = 4045;
    // Columns of a unit that travel by position.
    static constexpr long kUnitColumns = 21;
    // The columns a unit file must name as the unit table does; the reserve
    // columns after them are copied by position whatever their names.
    static constexpr long kNamedUnitColumns = 15;

    CDlgGuideImport();
    ~CDlgGuideImport() override;
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    BOOL DestroyWindow() override;

    void OnBtnImportUnitinfo();
    void OnBtnImportGuideinfo();
    // One guide bundle in one transaction; TRUE when it was committed.
    BOOL Import(const std::string& path);
    BOOL SFCZ(const std::string& code);
    BOOL IsRecordExist(const std::string& fund, const std::string& period);
    std::string GetExePath();

    CButtonST m_btnImportUnit, m_btnImportGuide;
    int m_nPolicy = 0;
    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    // The scratch files of the guide row, the subjects and the directions.
    std::vector<std::string> ScratchFiles();
    // Writes the bundle's rows; `replace` first removes the stored guide
    // (fund, period) with its subjects and directions, its guide row only
    // when the bundle brings one.
    bool WriteGuide(const std::vector<std::string>& scratch, bool replace, const std::string& fund,
                    const std::string& period);
};
