// The laboratory editor (实验室信息管理): adds one key laboratory to
// CORVANE_LAB or overwrites one after asking. Opened by the laboratory list
// with its connection and recordset.
#pragma once

#include "sysmanage/RecordEditor.h"

class CDlgLabInfo : public CRecordEditor {
public:
    static constexpr int IDD = 10013;
    static constexpr int IDC_SYSDM = 10017, IDC_SYSQC = 10018, IDC_SYSDWMC = 10019, IDC_YTDW = 10020,
                         IDC_LXR = 10021, IDC_DH = 10022, IDC_SJ = 10023, IDC_YB = 10024, IDC_TXDZ = 10025,
                         IDC_SF = 10026, IDC_S = 10027, IDC_KHDW = 10036, IDC_KHH = 10038, IDC_ZH = 10039;

    explicit CDlgLabInfo(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void LoadLab();
};
