// The subject editor (专题编辑): adds a research subject to the topic document
// or changes one (number, name, research purpose). While the suffix is typed,
// the name is looked up among the five-year guide's subjects of the period
// (when a publish year is given: the annual guide).
// OK writes the purpose file and the topic document; Cancel writes nothing.
// The five-year guide's topic editor is this dialog with its own layout.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/OleRichEdit.h"
#include "guide_annual/CodeSuffixEdit.h"
#include "platform/ui/Dialog.h"


// The format a research purpose is kept in: 仿宋_GB2312, 14 points, black,
// not bold; the first line of each paragraph indented by 580 twips.
ui::CharFormat PurposeCharFormat();
ui::ParaFormat PurposeParaFormat();

// What differs between the guides' subject editors: the dialog and control
// ids, the caption of the guide name and the purpose editor's variant.
struct SubjectEditorLayout {
    int dialog, jjbh, znmc, codeHead, suffix, ztmc, purpose;
    const char* guideNameCaption;
    COleRichEdit::Variant purposeVariant;
};

class CDlgStudySubject : public ui::Dialog {
public:
    static constexpr int IDD = 3115;
    static constexpr int IDC_JJBH = 3126, IDC_ZNMC = 3127, IDC_CODEHEAD = 3112, IDC_SUFFIX = 3103, IDC_ZTMC = 3105,
                         IDC_PURPOSE = 3107;
    enum Mode { kAdd = 0, kModify = 1 };

    explicit CDlgStudySubject(ui::Wnd* parent = nullptr);
    ~CDlgStudySubject() override;
    static const ui::DialogTemplate& Template();

    // Given by the subject tree before DoModal.
    int m_nMode = kAdd;
    std::string m_strJJBH;         // fund number: the fixed first part of the number
    std::string m_strZNMC;         // guide name
    std::string m_strFBNF;         // publish year
    std::string m_strTopicFolder;  // the purpose files
    std::string m_strTopicFile;    // the topic document
    std::vector<std::string> m_arrSubjectCodes;  // subject numbers the tree shows
    std::string m_strSuffix;       // subject suffix (modify mode: the current one)
    std::string m_strZTMC;         // subject name
    // Modify mode: told the purpose file shown, so that the tree's display follows.
    std::function<void(const std::string& purposeFile)> m_onPurposeChanged;

    // The number's name in the five-year guide, after each typed character.
    void LookUpName();
    // Reads and checks the fields, then writes; true when the topic document
    // was saved.
    BOOL AddSubject();
    BOOL ModifySubject();

    COleRichEdit& PurposeEditor() { return m_richPurpose; }

protected:
    CDlgStudySubject(const SubjectEditorLayout& layout, ui::Wnd* parent);
    static ui::DialogTemplate BuildTemplate(const SubjectEditorLayout& layout);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    // Reads the fields; false (after the message) when the suffix or the
    // name is empty, or the new number is another subject's.
    bool CheckFields();
    // The purpose editor's content into the new number's purpose file.
    bool SavePurpose(const std::string& path);

    const SubjectEditorLayout m_layout;
    CSubjectCodeEdit m_editSuffix;
    COleRichEdit m_richPurpose;
    std::string m_strOldCode;         // fund number + suffix as given
    std::string m_strOldPurposeFile;  // modify mode
};
