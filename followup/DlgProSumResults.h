// 成果汇总: the achievements of the project in the acceptance summary, a
// grid of name, type (one of seven), time and remark with 插入, 删除 and
// 清空. The rows belong to the project (CORVANE_CGHZ): the progress report
// of the same project shares them.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"
#include "platform/ui/GridCtrl.h"

class CAdoConnection;

class CDlgProSumResults : public ui::Dialog {
public:
    static constexpr int IDD = 5524;
    static constexpr int IDC_GRID_PLACE = 5567;
    static constexpr int IDC_GRID = 1;
    static constexpr int IDC_BTN_INSERT = 5142;  // 插入
    static constexpr int IDC_BTN_DELETE = 5143;  // 删除
    static constexpr int IDC_BTN_CLEAR = 5144;   // 清空
    static constexpr int kColumns = 4;           // MC, LX, TIME, BZ

    CDlgProSumResults();
    static const ui::DialogTemplate& Template();
    // The types an achievement can have, in the order offered.
    static const std::vector<std::string>& Types();

    void OnBtnInsert();
    void OnBtnDelete();
    void OnBtnClear();
    // Adds the project's stored achievements below the grid's rows.
    void LoadRows(const std::string& number);
    // The displayed texts of the four cells of every row, top to bottom (an
    // edit in progress is taken over first).
    std::vector<std::vector<std::string>> Rows();

    ui::GridCtrl m_wndGrid;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    // A row of four empty cells, the type cell offering the seven types.
    std::unique_ptr<ui::GridRow> NewRow();
};
