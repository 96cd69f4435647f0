// The summary module views (项目验收总结 and 阶段进展报告): one database
// connection, the list page of the stored documents above and the editor
// page of one document below, both shown at once. The view carries the
// handlers of the formatting tool bar in the editor page and passes them to
// the text page. CDlgProSum and CDlgProSum1 are its two kinds.
#pragma once

#include <memory>
#include <optional>

#include "followup/SummaryEditPage.h"
#include "followup/SummaryListPage.h"
#include "foundation/AdoConnection.h"
#include "platform/ui/Dialog.h"

class CSummaryView : public ui::FormView {
    DECLARE_DYNAMIC(CSummaryView)
public:
    static constexpr int IDC_LIST_PLACE = 5557;
    static constexpr int IDC_EDIT_PLACE = 5556;

    CSummaryView(followup::SummaryKind kind, std::unique_ptr<CSummaryListPage> list,
                 std::unique_ptr<CSummaryEditPage> edit);
    ~CSummaryView() override;
    static const ui::DialogTemplate& Template(followup::SummaryKind kind);

    void OnInitialUpdate() override;

    // The pages exist as objects from construction; their windows only once
    // the database is connected.
    CSummaryListPage& ListPage() const { return *m_pList; }
    CSummaryEditPage& EditPage() const { return *m_pEdit; }
    CAdoConnection& Connection() { return m_connection; }

    void OnFontname();
    void OnCharColor();
    void OnCharBold();
    void OnCharItalic();
    void OnCharUnderline();
    void OnParaLeft();
    void OnParaCenter();
    void OnParaRight();
    void OnUpdateCharBold(ui::CmdUI* cmd);
    void OnUpdateCharItalic(ui::CmdUI* cmd);
    void OnUpdateCharUnderline(ui::CmdUI* cmd);
    void OnUpdateParaLeft(ui::CmdUI* cmd);
    void OnUpdateParaCenter(ui::CmdUI* cmd);
    void OnUpdateParaRight(ui::CmdUI* cmd);

protected:
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    CSummaryTextPage& Text() const { return m_pEdit->Text(); }

    followup::SummaryKind m_kind;
    std::unique_ptr<CSummaryListPage> m_pList;
    std::unique_ptr<CSummaryEditPage> m_pEdit;
    CAdoConnection m_connection;
};
