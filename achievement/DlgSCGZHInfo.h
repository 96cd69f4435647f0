// The information page of a project's achievement-transfer record: the
// edits, check boxes, rich edits and five grids that hold the record between
// a load and a save. The page keeps paired check boxes exclusive and enables
// the fields that depend on them, and adds and removes grid rows. The page
// shows whole, as tall as its contents: the view around it scrolls them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "achievement/ResultChangeRecord.h"
#include "achievement/SCGZHGridCtrl.h"
#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

class CAdoConnection;

class CDlgSCGZHInfo : public ui::Dialog {
public:
    static constexpr int IDD = 102;
    static constexpr int IDC_XMMC = 1000;  // 项目名称
    static constexpr int IDC_XMBH = 1001;  // 项目编号
    static constexpr int IDC_RICH_BEFORE = 5546;   // 项目研究前技术指标
    static constexpr int IDC_RICH_AT = 5547;       // 项目验收时技术指标
    static constexpr int IDC_RICH_MILITARY = 5575; // 军事应用前景
    // CHECKn has the id IDC_CHECK0 + n.
    static constexpr int IDC_CHECK0 = 1100;
    // Frames, grids, add and remove buttons of child table i (ResultChangeRecord order).
    static constexpr int IDC_FRAME0 = 1201, IDC_GRID0 = 1231, IDC_ADD0 = 1211, IDC_REMOVE0 = 1221;

    explicit CDlgSCGZHInfo(ui::Wnd* parent = nullptr);
    ~CDlgSCGZHInfo() override;
    static const ui::DialogTemplate& Template();

    // The control of main-row column `index` (an edit, rich edit or check box).
    static int ControlOf(int index);
    static int CheckId(int n) { return IDC_CHECK0 + n; }

    // Empties every edit, rich edit (and its scratch file), check box and grid.
    void ClearAll();
    // A new record: the number and the name in their edits, the rest as the
    // page's texts are (empty after ClearAll).
    void SetNumberAndName(const std::string& number, const std::string& name);

    COleRichEdit& RichEdit(int slot);
    CSCGZHGridCtrl& Grid(int child) { return m_grids[child]; }

    void OnAddRow(int child);
    void OnRemoveRows(int child);
    void OnCheckClicked(int id);

    // The program folder (scratch files) and the regulation-type names.
    std::string m_strAppPath;
    std::vector<std::string> m_arrGzzd;
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    void CreateGrids();
    void StyleButtons();

    std::array<CSCGZHGridCtrl, resultchange::kChildCount> m_grids;
    std::array<COleRichEdit, 3> m_richEdits;
    std::array<CButtonST, 2 * resultchange::kChildCount> m_buttons;
    // The texts of the edits, by main-row column index (other entries unused).
    std::array<std::string, resultchange::kColumnCount> m_strText;
};
