// The 成果转化 module view: the achievement-transfer records of projects.
// The list page fills the upper strip, the form page with the information
// page the rest. The view owns the database connection that every page
// uses and moves the record shown on the information page into the
// database (CollectInfo, then SavetoDB).
#pragma once

#include <array>
#include <string>

#include "achievement/DlgSCGZHForm.h"
#include "achievement/DlgSCGZHList.h"
#include "achievement/ResultChangeRecord.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"

class CDlgSCGZH : public ui::FormView {
    DECLARE_DYNCREATE(CDlgSCGZH)
public:
    static constexpr int IDD = 5606;
    static constexpr int IDC_FORM_PLACE = 5556, IDC_LIST_PLACE = 5557;

    CDlgSCGZH();
    ~CDlgSCGZH() override;
    static const ui::DialogTemplate& Template();

    // Connects, creates the two pages and reads the regulation types; with
    // no connection only "数据库连接失败" is shown and no page is made.
    void OnInitialUpdate() override;
    // The information page's contents into m_strValues; the rich edits into
    // their scratch files, whose paths the RTF entries then hold.
    void CollectInfo();
    // Stores m_strValues and the five grids as one record in one
    // transaction: 0 adds a new row, 1 rewrites the existing row of the
    // number. The child rows of the number are replaced. TRUE when stored;
    // otherwise "数据保存失败！" has been shown and nothing changed.
    BOOL SavetoDB(int update);
    // The failure text, after the label of the first value its column cannot hold.
    std::string FailureText(const std::string& failure);

    CDlgSCGZHInfo& Info() { return m_dlgForm.m_dlgInfo; }
    bool IsConnected() { return m_connection.IsOpen() != FALSE; }

    std::string m_strAppPath;
    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;
    CDlgSCGZHList m_dlgList;
    CDlgSCGZHForm m_dlgForm;
    std::array<std::string, resultchange::kColumnCount> m_strValues;

protected:
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    bool WriteMainRow(int update);
    bool WriteChildRows(const std::string& number);
    void LoadRegulationTypes();
};
