// 选择输出: which stored guides of a year, and which chapters, the Word
// guide output prints.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"

namespace ui {
class ListCtrl;
}

class CDlgSelectOutput : public ui::Dialog {
public:
    static constexpr int IDD = 7014;
    static constexpr int IDC_YEAR = 7013;
    static constexpr int IDC_GUIDE_LIST = 3109;

    explicit CDlgSelectOutput(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // Given before the dialog opens: the period and the view's recordset.
    std::string m_strPublishYear;
    CAdoRecordSet* m_pRecordset = nullptr;

    // The results of OK: fund numbers and years of the ticked guides, in
    // list order, and the chapters "0" to "3" of the checked boxes.
    std::vector<std::string> m_arrFunds;
    std::vector<std::string> m_arrYears;
    std::vector<std::string> m_arrChapters;

    ui::ListCtrl& GuideList() const;
    // Lists the stored guides of the selected year (ticks are lost).
    void FillGuideList();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
