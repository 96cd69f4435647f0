// The 导入项目 module view: the applications (.proapp), year-plan drafts
// (.proplan) and acceptance reports (.proys) that applicant units send in,
// a whole folder at a time, under the duplicate policy of its radios.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "foundation/ProjectRowsImport.h"
#include "foundation/Sql.h"
#include "exchange/import/ImportSteps.h"
#include "platform/ui/Dialog.h"

class CDlgProjectImport : public ui::FormView {
    DECLARE_DYNCREATE(CDlgProjectImport)
public:
    static constexpr int IDD = 4032;
    static constexpr int IDC_POLICY = 4037, IDC_KEEP = 4039, IDC_ASK = 4040;
    static constexpr int IDC_BTN_PLAN_BOOK = 4049, IDC_BTN_IMPORT_PLAN = 4047, IDC_BTN_IMPORT_DRAFT = 4048,
                         IDC_BTN_IMPORT_AUDIT = 4050, IDC_BTN_OTHER = 4052, IDC_BTN_RESULTS = 4051;

    CDlgProjectImport();
    ~CDlgProjectImport() override;
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    BOOL DestroyWindow() override;

    void OnImportPlan();
    void OnImportDraft();
    void OnImportAuditReport();
    // One application with its members, in one transaction.
    BOOL Import(const std::string& path);
    db::Found IsRecordExist(const std::string& projectNumber);
    std::string GetExePath();

    // In data-exchange order: 4049, 4047, 4048, 4050, 4052, 4051.
    CButtonST m_btn[6];
    int m_nPolicy = 0;
    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    std::vector<std::string> ScratchFiles();
    // The plan or acceptance files of a chosen folder (ProjectRowsImport),
    // stored rows by the policy.
    void ImportRowsFolder(const ProjectRowsFormat& format);
    // Decides on a stored project first, then writes in one transaction.
    elbrin::FileResult ImportApplication(const std::string& path);
};
