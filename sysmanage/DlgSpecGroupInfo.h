// The specialty-group editor (专业组信息管理): adds one group to
// CORVANE_SPECGROUP or overwrites one after asking. Opened by the group list
// with its connection, or by the management entry alone to add a group.
#pragma once

#include "sysmanage/RecordEditor.h"

class CDlgSpecGroupInfo : public CRecordEditor {
public:
    static constexpr int IDD = 10006;
    static constexpr int IDC_JJBH = 10015, IDC_ZYZMC = 10027, IDC_YTDW = 10028, IDC_LXR = 10029, IDC_DH = 10030,
                         IDC_SJ = 10031;

    explicit CDlgSpecGroupInfo(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void LoadSpecGroup();
};
