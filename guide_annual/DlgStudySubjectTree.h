// The subject tree panel, tab 选题范围 of the guide editor: the topic document
// as a tree (root: the guide; subjects; directions; directed units), the
// research purpose of the subject that holds the selected item, and the
// commands add subject, add direction, delete and modify. Nothing is kept in
// memory: each command loads the topic file, changes it and saves it back;
// the editors save their own changes before the tree is rebuilt.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "widgets/OleRichEdit.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TreeCtrl.h"

class CDlgStudyAspect;
class CDlgStudySubject;

class CDlgStudySubjectTree : public ui::Dialog {
public:
    static constexpr int IDD = 6024;
    static constexpr int IDC_TREE = 6018, IDC_PURPOSE = 6019, IDC_ADDSUBJECT = 6023, IDC_ADDASPECT = 6021,
                         IDC_DELETE = 6022, IDC_MODIFY = 6024;

    explicit CDlgStudySubjectTree(ui::Wnd* parent = nullptr);
    ~CDlgStudySubjectTree() override;
    static const ui::DialogTemplate& Template();

    // The guide being edited, set by the guide editor.
    std::string m_strJJBH;  // fund number
    std::string m_strZNMC;  // guide name
    std::string m_strFBNF;  // publish year
    // Set by CreateDocument.
    std::string m_strTopicFolder;
    std::string m_strTopicFile;

    // Makes the topic folder and a new topic file holding only "选题范围".
    void CreateDocument();
    // Rebuilds the tree from the topic file; unit names from the unit table.
    void LoadSubjects();
    // Empties the tree and the purpose display and starts a new, empty topic
    // folder and file.
    void ResetTree();

    // An item's number (its text before the first "("), its level (0 root,
    // 1 subject, 2 direction, 3 unit; -1 no item), and the subject number
    // whose purpose the display should load for it (below).
    std::string GetItemCode(ui::HTREEITEM item) const;
    int GetItemLevel(ui::HTREEITEM item) const;
    // "-1" for the root or no item; kSameSubject when the item's subject is
    // the one whose purpose is shown; otherwise that subject's number, which
    // is remembered as the one shown.
    std::string GetTopicCode(ui::HTREEITEM item);
    static inline const std::string kSameSubject = "\xFF";

    void DeleteSubject(const std::string& subjectNumber);
    void DeleteAspect(const std::string& subjectNumber, const std::string& aspectNumber);
    // The purpose display loads a file (a file that cannot be read changes nothing).
    void ShowPurpose(const std::string& path);

    ui::TreeCtrl& Tree() { return m_tree; }
    COleRichEdit& PurposeDisplay() { return m_richPurpose; }

protected:
    // The editors the commands open (the five-year guide has its own), and
    // what differs in how they are used: whether the editors look names up
    // in the five-year guide of the publish year, and whether 修改 on a unit
    // changes its direction (or asks for a subject or direction).
    virtual std::unique_ptr<CDlgStudySubject> NewSubjectEditor();
    virtual std::unique_ptr<CDlgStudyAspect> NewAspectEditor();
    virtual bool LooksUpFiveYearNames() const { return true; }
    virtual bool UnitsModifyTheirDirection() const { return true; }

    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    void OnSelChanged();
    void OnAddSubject();
    void OnAddAspect();
    void OnModify();
    void OnDelete();
    void ModifySubject(ui::HTREEITEM subject);
    void ModifyAspect(ui::HTREEITEM aspect);
    // The subject editor for a subject, or to add one (no item); the
    // direction editor for a direction of the subject, or to add one.
    void OpenSubjectEditor(ui::HTREEITEM subject);
    void OpenAspectEditor(ui::HTREEITEM subject, ui::HTREEITEM aspect);
    void DeleteAll();

    // The item's ancestor of a level (the item itself when it has that level).
    ui::HTREEITEM AncestorAt(ui::HTREEITEM item, int level) const;
    // An item's text without its number, leading "(" and trailing ")".
    std::string ItemName(ui::HTREEITEM item) const;
    // The numbers of an item's children, in tree order.
    std::vector<std::string> ChildCodes(ui::HTREEITEM parent) const;
    // The subject item of a number, expanded (and selected when asked).
    void ExpandSubject(const std::string& subjectNumber, bool select);
    // Empties the topic folder and removes it.
    void RemoveTopicFolder();

    ui::TreeCtrl m_tree;
    COleRichEdit m_richPurpose{COleRichEdit::Variant::AnnualGuide};
    std::string m_strShownSubject;  // the subject whose purpose the display shows
};
