// The list of applications on the application form: one row per project
// with a check box, 全选, 反选 and 导出Excel, and the icon buttons 删除,
// 查询, 导出, 导入 and 重排序, whose clicks go to the form view that owns it.
#pragma once

#include <functional>

#include <string>

#include "numbering/LoadedProject.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

namespace ui {
class ListCtrl;
}


class CDlgOutputList : public ui::Dialog {
public:
    static constexpr int IDD = 5507;
    static constexpr int IDC_LIST_PROLIST = 5555;
    static constexpr int IDC_BTN_IMPORT = 5142;    // 导入
    static constexpr int IDC_BTN_PROEXP = 5143;    // 导出
    static constexpr int IDC_BTN_PROQUERY = 5144;  // 查询
    static constexpr int IDC_BTN_PRODEL = 5145;    // 删除
    static constexpr int IDC_BTN_SORT = 5149;      // 重排序
    static constexpr int IDC_SELECT_ALL = 5146;    // 全选
    static constexpr int IDC_INVERT = 5147;        // 反选
    static constexpr int IDC_EXPORT_EXCEL = 5148;  // 导出Excel

    // Column of the project number.
    static constexpr int kNumberColumn = 1;

    explicit CDlgOutputList(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    ui::ListCtrl& List() const;

    // Grid lines, check boxes and full-row selection, and the columns
    // 序号 项目编号 指南代码 项目类别 年份 单位代码 单位名称 负责人 申请经费.
    void InitProjectList();
    // Empties the list and lists the rows of `sql` (columns xmlb, nf, xmbh,
    // sqzndm, dwdm, gzdw, sqrxm, sqje) on `rs`, numbered from 1, unticked.
    void LoadProjects(CAdoRecordSet& rs, const std::string& sql);

    // Project numbers of the ticked rows, in list order.
    std::vector<std::string> CheckedNumbers() const;
    // The same projects as they were listed (number and row), for a command
    // that must act on the projects the user saw.
    std::vector<projectnumber::LoadedProject> CheckedProjects() const;

    void OnSelectAll();
    void OnInvert();
    // The ticked applications as a table in a new workbook made from
    // "申请表.xls", left open in Excel.
    void OutputExcel();

    // The icon buttons; the form view gives them their icons and tool tips.
    CButtonST m_btnProdel, m_btnProquery, m_btnProexp, m_btnImport, m_btnSort;

    // The form view's open connection, set before the list is used.
    CAdoConnection* m_pConnection = nullptr;
    // Set by the form view that owns the list: an icon button (its id) and a
    // double click on the list.
    std::function<void(int id)> m_onCommand;
    std::function<void(const ui::NotifyInfo&)> m_onDoubleClick;

protected:
    BOOL OnInitDialog() override;

private:
    // The project of each row as LoadProjects listed it.
    std::vector<projectnumber::LoadedProject> m_listed;

};
