// 选择输出 of the five-year guide: which stored guides of the period, and
// which of the six chapters, the Word output prints.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "platform/ui/Dialog.h"

namespace ui {
class ListCtrl;
}

namespace fiveyear {

class CDlgSelectOutput : public ui::Dialog {
public:
    static constexpr int IDD = 6036;
    static constexpr int IDC_GUIDE_LIST = 6035;
    // The chapter boxes 概述 ... 效益分析 (chapters 0 to 5) and 全选.
    static constexpr int IDC_CHAPTER_FIRST = 6028;
    static constexpr int IDC_CHAPTER_LAST = 6033;
    static constexpr int IDC_CHAPTER_ALL = 6034;

    explicit CDlgSelectOutput(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // Given before the dialog opens: the period and the view's connection.
    std::string m_strPublishYear;
    CAdoConnection* m_pConnection = nullptr;

    // The results of OK: fund numbers of the ticked guides in list order, and
    // the chapters "0" to "5" of the checked boxes.
    std::vector<std::string> m_arrFunds;
    std::vector<std::string> m_arrChapters;

    ui::ListCtrl& GuideList() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void FillGuideList();
};

}  // namespace fiveyear
