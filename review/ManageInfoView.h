// What the three management-table views (expert judging, fund-office
// acceptance, approval opinion) share: the project list, the connection to
// project.mdb, the button styling, the colours of their static texts, the
// working files in the program folder that go with the view, and the
// confirmed clearing of one project's columns.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/RecordTexts.h"
#include "platform/ui/Dialog.h"

class CButtonST;
class COleRichEdit;

namespace ui {
class ListCtrl;
}

class CManageInfoView : public ui::FormView {
    DECLARE_DYNAMIC(CManageInfoView)
public:
    static constexpr int IDC_LIST_PROLIST = 6138;
    static constexpr int kHandCursor = 32004;
    static constexpr COLORREF kButtonNormal = RGB(175, 203, 237);
    static constexpr COLORREF kButtonActive = RGB(215, 226, 238);
    static constexpr COLORREF kStaticBackground = RGB(215, 226, 238);

    ~CManageInfoView() override;

    // The program's folder, and the connection to its project.mdb (the
    // recordset is bound to it); a failure says "数据库连接失败！".
    std::string GetExePath();
    BOOL ConnectAccess();
    // Icon, hand cursor, the three background colours and the tool tip.
    void ButtonTexture(CButtonST& button, int icon, const std::string& tooltip);

    ui::ListCtrl& ProjectList() const;
    // The project opened by the last double click; empty before.
    const std::string& CurrentProject() const { return m_strCurrentProject; }

    // A double click in the project list opens the project of the selected row.
    virtual void OnDblclkListProlist() = 0;

protected:
    // `workingFiles`: names of the view's RTF files in the program folder,
    // deleted when the view goes.
    CManageInfoView(const ui::DialogTemplate& tpl, std::vector<std::string> workingFiles);

    // Full-row selection, grid lines and the five centred columns.
    void SetUpProjectList(const std::string& thirdColumn, const std::string& fifthColumn);
    // Refills the list with the rows (XMLB, NF, XMBH, XMMC and JJBH of each
    // project, as the store gives them).
    void FillProjectList(const RowTexts& rows);
    // The project number (column 2) of the row under the selection mark; false
    // when no row is marked.
    bool SelectedProject(std::string& number) const;
    // Path of a working file: the program folder + name.
    std::string WorkingFile(const std::string& name) const;
    // Asks "确定删除项目<number><ending>" and, on Yes, empties `columns` of
    // the project's management row and, with `withJudgements`, deletes its
    // experts' judgements, in one transaction. Shows `successText` or
    // "删除数据失败！"; true when all of it was done.
    bool ConfirmAndClear(const std::string& number, const std::string& ending, const std::vector<std::string>& columns,
                         bool withJudgements, const std::string& successText);
    // Opens the project's row of CORVANE_ITEMMANAGEINFO in the view's
    // recordset; false when there is none.
    bool OpenManageRow(const std::string& number);
    // Writes `field` of the open row to the working file `fileName` and loads
    // that file into `edit`; the control stays empty when the value cannot be
    // read or written.
    void LoadRichText(COleRichEdit& edit, const std::string& field, const std::string& fileName);
    // Writes one project's existing row in one transaction: `setFields` sets
    // the columns on the open row (false stops), then the row is updated and
    // the transaction committed; any failure cancels and rolls back. Shows
    // "数据入库保存成功！" or "数据入库失败！"; true when written. No row is added.
    bool SaveManageRow(const std::string& number, const std::function<bool()>& setFields);
    // The default character format of a rich-text field of these views.
    static void SetRichTextFormat(COleRichEdit& edit, COLORREF colour);

    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;
    void OnDestroy() override;

    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;
    std::string m_strCurrentProject;

private:
    void Cleanup();
    std::vector<std::string> m_workingFiles;
    bool m_bCleanedUp = false;
};

// Message boxes of these views, all with the caption "提示".
int ManagePrompt(const std::string& text, UINT type);
