// The query dialog of the achievement-transfer list: the filled-in fields
// become, through the store, one complete select statement over the project
// records.
#pragma once

#include <string>

#include "achievement/ResultChangeRecord.h"
#include "platform/ui/Dialog.h"

// The fields and their statement are the store's (resultchange).
using resultchange::BuildResultQuery;
using resultchange::ResultQueryFields;

class CDlgResultQuery : public ui::Dialog {
public:
    static constexpr int IDD = 5534;
    static constexpr int IDC_CATEGORY = 5554;
    static constexpr int IDC_NAME = 5522;
    static constexpr int IDC_NUMBER = 5523;
    static constexpr int IDC_LEADER = 5524;
    static constexpr int IDC_UNIT = 5525;
    static constexpr int IDC_JOINT_UNIT = 5526;

    explicit CDlgResultQuery(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // After OK: the statement that fills the list; empty after Cancel.
    std::string m_strSQL;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    ResultQueryFields m_fields;
};
