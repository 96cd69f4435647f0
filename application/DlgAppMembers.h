// The members page (申请人及成员): the staff counts with their total, and the
// grid of participating members, filled by hand or from a text file.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "application/DlgAppPage.h"
#include "application/MemberGridCtrl.h"
#include "platform/ui/MaskEdit.h"

class CDlgAppMembers : public CDlgAppPage {
public:
    static constexpr int IDD = 5008;
    static constexpr int IDC_TOTAL = 5126;
    // 高级, 中级, 初级, 博士后, 博士生, 硕士生.
    static constexpr std::array<int, 6> kCountIds = {5127, 5128, 5129, 5130, 5131, 5132};
    static constexpr int IDC_GRID_FRAME = 5514, IDC_GRID = 1;
    static constexpr int IDC_INSERT = 5143, IDC_DELETE = 5144, IDC_IMPORT = 5142, IDC_CLEAR = 5145;

    CDlgAppMembers();
    static const ui::DialogTemplate& Template();

    CMemberGridCtrl m_wndGrid;
    std::array<ui::MaskEdit, 6> m_editCounts;
    // Choices of the sex and title cells, and the degree names, filled by the
    // form view from the code tables.
    std::vector<std::string> m_arrSex, m_arrDegree, m_arrTitle;

    // A row of seven empty cells (性别 and 职称 offering their names), put
    // after the first selected row or at the end; the new row.
    ui::GridRow* AddMemberRow();
    // Such a row, not yet in the grid.
    std::unique_ptr<ui::GridRow> NewMemberRow();
    // Puts the rows in their order after the first selected row or at the
    // end, in one step; the first's index.
    int InsertMemberRows(std::vector<std::unique_ptr<ui::GridRow>> rows);

    // 总人数 becomes the sum of the six counts; unchanged while all are empty.
    void UpdateTotal();
    void OnBtnDelete();
    void OnBtnClear();
    // Members from a text file of words, seven words to a member.
    void OnBtnImport();
    // Appends the members of the file; false, after a message naming the
    // file, when it is no regular file or larger than a members file can be.
    bool ImportMembers(const std::string& path);

protected:
    BOOL OnInitDialog() override;
};
