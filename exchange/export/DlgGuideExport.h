// The 导出指南 module view: the unit list written out as a unit file, and for
// each ticked unit the five-year guides that direct a research direction to
// it, one guide bundle per guide in a folder named after the unit.
#pragma once

#include <optional>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

class CDlgGuideExport : public ui::FormView {
    DECLARE_DYNCREATE(CDlgGuideExport)
public:
    static constexpr int IDD = 4053;
    static constexpr int IDC_GUIDE_FOLDER = 4066, IDC_UNITS = 4062, IDC_UNIT_FILE = 4057;
    static constexpr int IDC_BTN_PATH2 = 4068, IDC_BTN_PATH = 4058, IDC_BTN_EXPORT_UNIT = 4060,
                         IDC_BTN_EXPORT_GUIDE = 4070;
    // The period of every exported guide.
    // The period exported when the settings name none.
    static constexpr const char* kPeriod = "2011-2015";
    // The folder under the chosen one that holds a folder per unit.
    static constexpr const char* kUnitsFolder = "给各单位的指南";

    CDlgGuideExport();
    ~CDlgGuideExport() override;
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    BOOL DestroyWindow() override;

    void OnBtnPath();
    void OnBtnExportUnit();
    void OnBtnPath2();
    void OnBtnExportGuide();
    std::string GetExePath();

    CButtonST m_btnPath2, m_btnPath, m_btnExportUnit, m_btnExportGuide;
    std::string m_strUnitFile;
    std::string m_strGuideFolder;
    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    void FillUnits();
    // Writes the bundle of one guide into `folder`; false when the guide is
    // not stored for the period or a file cannot be written.
    bool ExportGuide(const std::string& fund, const std::string& folder, const std::string& today);
};
