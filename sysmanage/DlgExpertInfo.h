// The expert editor (专家信息管理): adds one expert to CORVANE_EXPERTINFO or
// changes one, on the expert list's connection and recordset. An expert ID
// names one expert: an ID that another record holds is refused.
#pragma once

#include "sysmanage/RecordEditor.h"

class CDlgExpertInfo : public CRecordEditor {
public:
    static constexpr int IDD = 10008;
    static constexpr int IDC_SSJJLB = 10060, IDC_ID = 10018, IDC_XM = 10019, IDC_XB = 10058, IDC_NL = 10021,
                         IDC_ZC = 10061, IDC_ZYTC = 10023, IDC_GZDW = 10024, IDC_TXDZ = 10025, IDC_YZBM = 10026,
                         IDC_DH = 10027, IDC_SJ = 10036, IDC_SFXSWYHCY = 10059;

    explicit CDlgExpertInfo(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void LoadExpert();
    // True when a record other than the one being changed holds `id`.
    bool IdHeldByAnother(const std::string& id);

    std::string m_strLoadedId;  // the ID as loaded; empty for a new expert
};
