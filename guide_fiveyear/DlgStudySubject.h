// The topic editor of the five-year guide (专题编辑): adds a topic to the
// topic document or changes one (number suffix, name, research purpose).
// OK writes the purpose file and the topic document; Cancel writes nothing.
#pragma once

#include <string>
#include <vector>

#include "widgets/OleRichEdit.h"
#include "guide_annual/CodeSuffixEdit.h"
#include "platform/ui/Dialog.h"

namespace fiveyear {

class CDlgStudySubjectTree;

class CDlgStudySubject : public ui::Dialog {
public:
    static constexpr int IDD = 3046;
    static constexpr int IDC_JJBH = 3009, IDC_ZNMC = 3012, IDC_CODEHEAD = 3042, IDC_SUFFIX = 3014, IDC_ZTMC = 3018,
                         IDC_PURPOSE = 3029;
    enum Mode { kAdd = 0, kModify = 1 };

    explicit CDlgStudySubject(ui::Wnd* parent = nullptr);
    ~CDlgStudySubject() override;
    static const ui::DialogTemplate& Template();

    // Given by the topic tree before DoModal.
    int m_nMode = kAdd;
    std::string m_strJJBH;         // fund number: the fixed first part of the number
    std::string m_strZNMC;         // guide name
    std::string m_strTopicFolder;  // the purpose files
    std::string m_strTopicFile;    // the topic document
    std::vector<std::string> m_arrSubjectCodes;  // topic numbers the tree shows
    std::string m_strSuffix;       // topic suffix (modify mode: the current one)
    std::string m_strZTMC;         // topic name
    CDlgStudySubjectTree* m_pTree = nullptr;  // modify mode: its purpose display follows

    COleRichEdit& PurposeEditor() { return m_richPurpose; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    // Reads the fields; false (after the message) when the suffix or the
    // name is empty, or the new number is another topic's.
    bool CheckFields();
    // The purpose editor's content into a purpose file.
    bool SavePurpose(const std::string& path);
    bool AddSubject();
    bool ModifySubject();

    CCodeSuffixEdit m_editSuffix;
    COleRichEdit m_richPurpose;
    std::string m_strOldCode;         // fund number + suffix as given
    std::string m_strOldPurposeFile;  // modify mode
};

}  // namespace fiveyear
