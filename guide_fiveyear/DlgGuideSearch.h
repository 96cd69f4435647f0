// The guide search of the five-year guide (查询): fund number (compared
// exactly), group or laboratory name and guide name (each a part of the
// name). OK leaves one statement for the groups' guides and one for the
// laboratories' guides; the caller adds the period and the order.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

namespace fiveyear {

class CDlgGuideSearch : public ui::Dialog {
public:
    static constexpr int IDD = 6028;
    static constexpr int IDC_FUND = 3007;
    static constexpr int IDC_OWNER = 3010;
    static constexpr int IDC_NAME = 3013;

    explicit CDlgGuideSearch(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The statements of OK: rows jjbh, znmc and zyzmc (groups) or sysqc
    // (laboratories).
    std::string m_strGroupSQL;
    std::string m_strLabSQL;

    // Builds both statements from the three fields (empty ones are left out).
    void BuildQueries(const std::string& fund, const std::string& owner, const std::string& name);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

}  // namespace fiveyear
