// 专家信息浏览: the experts of the browsed project's fund, the projects of
// the same year each of them already reviews, and 添加为评议专家, which
// writes the ticked experts into the free rows of the expert grid.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CAdoConnection;
class CExpertGridCtrl;

namespace ui {
class ListCtrl;
}

class CDlgExpertBrowse : public ui::Dialog {
public:
    static constexpr int IDD = 7036;
    static constexpr int IDC_EXPERTS = 6054;
    static constexpr int IDC_PROJECTS = 6078;

    explicit CDlgExpertBrowse(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    ui::ListCtrl& ExpertList() const;
    ui::ListCtrl& ProjectList() const;

    // Set by the caller before DoModal.
    CAdoConnection* m_pConnection = nullptr;
    CExpertGridCtrl* m_pGrid = nullptr;
    std::string m_strXMBH;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void FillExperts();
    void OnClickExpertList(const ui::NotifyInfo& click);
};
