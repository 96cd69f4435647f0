// 查询: narrows the application list by category, year, project number,
// guide code, unit code, unit name and leader. OK builds one condition and
// three complete statements from it, over the applications, the acceptance
// summaries and the progress reports; callers append their order clause.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

// What the user asked for; empty texts ask for nothing.
struct ProjectQueryFields {
    std::string category;  // "全部基金" asks for every category
    std::string year, number, guideCode, unitCode, unitName, leader;
};

struct ProjectQueries {
    std::string condition;  // without "where"; empty when nothing was asked
    std::string application, acceptance, progress;
};

// The condition joins one clause per non-empty field (the number as a
// prefix, the others exactly), values quoted for SQL; the acceptance and
// progress statements qualify the number column, which both joined tables have.
ProjectQueries BuildProjectQueries(const ProjectQueryFields& fields);

class CDlgProQuery : public ui::Dialog {
public:
    static constexpr int IDD = 5503;
    static constexpr int IDC_CATEGORY = 5554;
    static constexpr int IDC_YEAR = 5522;
    static constexpr int IDC_NUMBER = 5523;
    static constexpr int IDC_GUIDE_CODE = 5524;
    static constexpr int IDC_UNIT_CODE = 5525;
    static constexpr int IDC_UNIT_NAME = 5537;
    static constexpr int IDC_LEADER = 5538;
    static constexpr const char* kAllFunds = "全部基金";

    explicit CDlgProQuery(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The statements built by OK; empty until then.
    std::string m_strAppQuery;
    std::string m_strAcceptQuery;
    std::string m_strProgressQuery;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    ProjectQueryFields m_fields;
};
