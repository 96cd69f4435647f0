// The query dialog of the achievement-transfer list: the filled-in fields
// become one complete select statement over the project records.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

// What the user asked for; empty texts ask for nothing.
struct ResultQueryFields {
    std::string category;  // "全部基金", "一般项目" or "重点项目"
    std::string name, number, leader, unit, jointUnit;
};

// One condition per asked field, in the order category, number (as a
// prefix), name, leader, unit, joint unit, joined by "and"; values quoted
// for SQL. Without conditions, the statement over every record.
std::string BuildResultQuery(const ResultQueryFields& fields);

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
