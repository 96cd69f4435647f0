// The text page of a summary document: the basic-data page above, the one
// rich-text field (完成情况简介 or 进展情况简介) below, and between them the
// strip where the editor page's formatting tool bar lies. The formatting
// operations act on the field; the alignment buttons show the alignment
// last chosen on the page, the effect buttons never show a check mark.
// CDlgProSumText and CDlgProSum1Text are its two kinds.
#pragma once

#include <memory>
#include <string>

#include "widgets/OleRichEdit.h"
#include "followup/SummaryAttachPage.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/Dialog.h"

class CSummaryTextPage : public ui::Dialog {
public:
    static constexpr int IDC_ATTACH_PLACE = 5564;
    static constexpr int IDC_TOOLBAR_PLACE = 5565;
    static constexpr int IDC_RICHEDIT = 5546;
    static constexpr int kTextLimit = 2000;

    CSummaryTextPage(followup::SummaryKind kind, std::unique_ptr<CSummaryAttachPage> attach);
    static const ui::DialogTemplate& Template(followup::SummaryKind kind);

    CSummaryAttachPage& Attach() const { return *m_pAttach; }

    // Number and name on the basic-data page.
    void ShowProject(const std::string& number, const std::string& name);
    // The fields after the name; the indicator text is the acceptance
    // summary's alone.
    void ShowDetails(const std::string& person, const std::string& attachName, const std::string& indicators = {});
    // The default text of a project without a document; a missing file
    // leaves the field as it was.
    void LoadDefaultText();
    // Replaces the field's content by a stored rich text (empty bytes: an
    // empty field), through the scratch file wcqkjj.rtf under temp.
    void ShowStoredText(const std::string& rtf);
    // Empties the field.
    void ClearText();

    void ChooseFont();
    void ChooseColor();
    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void AlignLeft();
    void AlignCenter();
    void AlignRight();
    void UpdateCharBold(ui::CmdUI* cmd) const { cmd->SetCheck(m_bBold); }
    void UpdateCharItalic(ui::CmdUI* cmd) const { cmd->SetCheck(m_bItalic); }
    void UpdateCharUnderline(ui::CmdUI* cmd) const { cmd->SetCheck(m_bUnderline); }
    void UpdateParaLeft(ui::CmdUI* cmd) const { cmd->SetCheck(m_bLeft); }
    void UpdateParaCenter(ui::CmdUI* cmd) const { cmd->SetCheck(m_bCenter); }
    void UpdateParaRight(ui::CmdUI* cmd) const { cmd->SetCheck(m_bRight); }

    followup::SummaryKind Kind() const { return m_kind; }

    COleRichEdit m_richEdit;
    // The field's text as data exchange writes it into the field.
    std::string m_strText;
    // The field the formatting operations act on.
    COleRichEdit* m_pRichEdit = nullptr;
    // States of the tool bar's buttons.
    int m_bUnderline = 0, m_bItalic = 0, m_bBold = 0, m_bRight = 0, m_bCenter = 0, m_bLeft = 1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void SetAlignment(int& flag);

    followup::SummaryKind m_kind;
    std::unique_ptr<CSummaryAttachPage> m_pAttach;
};
