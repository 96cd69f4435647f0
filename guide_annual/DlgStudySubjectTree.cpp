#include "guide_annual/DlgStudySubjectTree.h"

#include <algorithm>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/DlgStudyAspect.h"
#include "guide_annual/DlgStudySubject.h"
#include "guide_annual/TopicLookup.h"
#include "guide_annual/TopicScopeDocument.h"
#include "platform/sys/Sys.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

using ui::HTREEITEM;

namespace {
int Ask(const std::string& question) { return GuidePrompt(question, MB_ICONQUESTION, MB_YESNO); }

std::string Label(const std::string& number, const std::string& name) { return number + "(" + name + ")"; }
}  // namespace

const ui::DialogTemplate& CDlgStudySubjectTree::Template() {
    using ui::Kind;
    constexpr DWORD kTreeStyle = WS_TABSTOP | WS_BORDER | ui::TVS_HASBUTTONS | ui::TVS_HASLINES |
                                 ui::TVS_LINESATROOT | ui::TVS_SHOWSELALWAYS | ui::TVS_FULLROWSELECT;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 687, 316}, {
        {Kind::TreeCtrl, IDC_TREE, "", {5, 5, 330, 306}, kTreeStyle},
        {Kind::PushButton, IDC_ADDSUBJECT, "增加专题", {342, 60, 62, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_ADDASPECT, "增加研究方向", {342, 90, 62, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_DELETE, "删除", {342, 120, 62, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_MODIFY, "修改", {342, 150, 62, 16}, WS_TABSTOP},
        {Kind::GroupBox, IDC_STATIC, "专题研究目的", {411, 5, 271, 306}},
        {Kind::RichEdit, IDC_PURPOSE, "", {417, 17, 259, 288},
         WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY},
    }, WS_CHILD};
    return tpl;
}

CDlgStudySubjectTree::CDlgStudySubjectTree(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapNotify(IDC_TREE, ui::TVN_SELCHANGED, [this](const ui::NotifyInfo&) { OnSelChanged(); });
    MapClicked(IDC_ADDSUBJECT, [this] { OnAddSubject(); });
    MapClicked(IDC_ADDASPECT, [this] { OnAddAspect(); });
    MapClicked(IDC_DELETE, [this] { OnDelete(); });
    MapClicked(IDC_MODIFY, [this] { OnModify(); });
}

// The topic folder goes with the panel, also when its window went with the
// guide editor's without a destroy of its own.
CDlgStudySubjectTree::~CDlgStudySubjectTree() {
    if (IsWindow()) DestroyWindow();
    RemoveTopicFolder();
}

void CDlgStudySubjectTree::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_TREE, m_tree);
    dx.Control(IDC_PURPOSE, m_richPurpose);
}

BOOL CDlgStudySubjectTree::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    CreateDocument();
    return TRUE;
}

void CDlgStudySubjectTree::OnDestroy() {
    ui::Dialog::OnDestroy();
    RemoveTopicFolder();
}

// ---- the topic file ----

void CDlgStudySubjectTree::CreateDocument() {
    m_strTopicFolder = guidefiles::TopicFolder();
    sys::MakeDir(m_strTopicFolder);  // an existing folder is kept; a failure shows at the save
    m_strTopicFile = guidefiles::TopicFile();
    if (!TopicScopeDocument::Create(m_strTopicFile)) topiclookup::ShowDocumentFailure(m_strTopicFile);
}

void CDlgStudySubjectTree::RemoveTopicFolder() {
    if (!m_strTopicFolder.empty()) sys::RemoveAll(m_strTopicFolder);
}

void CDlgStudySubjectTree::ResetTree() {
    m_tree.DeleteAllItems();
    m_richPurpose.SetWindowText("");
    RemoveTopicFolder();
    CreateDocument();
}

void CDlgStudySubjectTree::LoadSubjects() {
    CAdoConnection connection;
    if (!ConnectGuideDatabase(connection)) {
        ui::AfxMessageBox("连接数据库失败！");
        return;
    }
    CAdoRecordSet recordset;
    BindGuideRecordset(recordset, connection);

    m_tree.DeleteAllItems();
    const HTREEITEM root = m_tree.InsertItem(Label(m_strJJBH, m_strZNMC));
    TopicScopeDocument document;
    if (document.Load(m_strTopicFile)) {
        for (const TopicSubject& subject : document.Subjects()) {
            const HTREEITEM subjectItem = m_tree.InsertItem(Label(subject.number, subject.name), root);
            for (const TopicAspect& aspect : subject.aspects) {
                const HTREEITEM aspectItem = m_tree.InsertItem(Label(aspect.number, aspect.name), subjectItem);
                for (const TopicUnit& unit : aspect.units)
                    m_tree.InsertItem(Label(unit.code, topiclookup::UnitName(recordset, unit.code)), aspectItem);
            }
        }
    } else {
        topiclookup::ShowDocumentFailure(document.LastError());
    }
    m_tree.Expand(root, ui::TVE_EXPAND);
    connection.Close();
}

// ---- items ----

std::string CDlgStudySubjectTree::GetItemCode(HTREEITEM item) const {
    const std::string text = m_tree.GetItemText(item);
    return text.substr(0, text.find('('));
}

int CDlgStudySubjectTree::GetItemLevel(HTREEITEM item) const {
    if (!item) return -1;
    int level = 0;
    for (HTREEITEM parent = m_tree.GetParentItem(item); parent; parent = m_tree.GetParentItem(parent)) ++level;
    return level;
}

HTREEITEM CDlgStudySubjectTree::AncestorAt(HTREEITEM item, int level) const {
    for (int steps = GetItemLevel(item) - level; steps > 0; --steps) item = m_tree.GetParentItem(item);
    return item;
}

std::string CDlgStudySubjectTree::ItemName(HTREEITEM item) const {
    std::string name = m_tree.GetItemText(item).substr(GetItemCode(item).size());
    name.erase(0, name.find_first_not_of('('));
    name.erase(name.find_last_not_of(')') + 1);
    return name;
}

std::vector<std::string> CDlgStudySubjectTree::ChildCodes(HTREEITEM parent) const {
    std::vector<std::string> codes;
    for (HTREEITEM child = m_tree.GetChildItem(parent); child; child = m_tree.GetNextSiblingItem(child))
        codes.push_back(GetItemCode(child));
    return codes;
}

void CDlgStudySubjectTree::ExpandSubject(const std::string& subjectNumber, bool select) {
    for (HTREEITEM subject = m_tree.GetChildItem(m_tree.GetRootItem()); subject;
         subject = m_tree.GetNextSiblingItem(subject))
        if (GetItemCode(subject) == subjectNumber) {
            if (select) m_tree.SelectItem(subject);
            m_tree.Expand(subject, ui::TVE_EXPAND);
            return;
        }
}

// ---- the purpose display ----

std::string CDlgStudySubjectTree::GetTopicCode(HTREEITEM item) {
    if (GetItemLevel(item) < 1) return "-1";
    const std::string subject = GetItemCode(AncestorAt(item, 1));
    if (subject == m_strShownSubject) return kSameSubject;
    m_strShownSubject = subject;
    return subject;
}

void CDlgStudySubjectTree::ShowPurpose(const std::string& path) { m_richPurpose.LoadRtfFile(path); }

void CDlgStudySubjectTree::OnSelChanged() {
    const std::string subject = GetTopicCode(m_tree.GetSelectedItem());
    if (subject != "-1" && subject != kSameSubject) ShowPurpose(topic::PurposeFile(m_strTopicFolder, subject));
}

// ---- commands ----

std::unique_ptr<CDlgStudySubject> CDlgStudySubjectTree::NewSubjectEditor() {
    return std::make_unique<CDlgStudySubject>(this);
}

std::unique_ptr<CDlgStudyAspect> CDlgStudySubjectTree::NewAspectEditor() {
    return std::make_unique<CDlgStudyAspect>(this);
}

void CDlgStudySubjectTree::OnAddSubject() {
    if (m_strJJBH.empty() || m_strZNMC.empty() || m_strFBNF.empty()) {
        GuidePrompt("基金编号、指南名称和发布年份都是必填项！", 0);
        return;
    }
    OpenSubjectEditor(nullptr);
}

void CDlgStudySubjectTree::ModifySubject(HTREEITEM subject) { OpenSubjectEditor(subject); }

void CDlgStudySubjectTree::OpenSubjectEditor(HTREEITEM subject) {
    const std::unique_ptr<CDlgStudySubject> editor = NewSubjectEditor();
    editor->m_nMode = subject ? CDlgStudySubject::kModify : CDlgStudySubject::kAdd;
    editor->m_strJJBH = m_strJJBH;
    editor->m_strZNMC = m_strZNMC;
    if (LooksUpFiveYearNames()) editor->m_strFBNF = m_strFBNF;
    editor->m_strTopicFolder = m_strTopicFolder;
    editor->m_strTopicFile = m_strTopicFile;
    editor->m_arrSubjectCodes = ChildCodes(m_tree.GetRootItem());
    if (subject) {
        const std::string code = GetItemCode(subject);
        editor->m_strSuffix = code.substr(std::min(m_strJJBH.size(), code.size()));
        editor->m_onPurposeChanged = [this](const std::string& purposeFile) { ShowPurpose(purposeFile); };
    }
    if (editor->DoModal() == IDOK) LoadSubjects();
}

void CDlgStudySubjectTree::OnAddAspect() {
    const HTREEITEM selected = m_tree.GetSelectedItem();
    if (GetItemLevel(selected) < 1) {
        GuidePrompt("请先选择要添加的研究方向所属专题！");
        return;
    }
    OpenAspectEditor(AncestorAt(selected, 1), nullptr);
}

void CDlgStudySubjectTree::ModifyAspect(HTREEITEM aspect) { OpenAspectEditor(m_tree.GetParentItem(aspect), aspect); }

void CDlgStudySubjectTree::OpenAspectEditor(HTREEITEM subject, HTREEITEM aspect) {
    const std::string subjectCode = GetItemCode(subject);
    const std::unique_ptr<CDlgStudyAspect> editor = NewAspectEditor();
    editor->m_nMode = aspect ? CDlgStudyAspect::kModify : CDlgStudyAspect::kAdd;
    editor->m_strJJBH = m_strJJBH;
    if (LooksUpFiveYearNames()) editor->m_strFBNF = m_strFBNF;
    editor->m_strTopicFile = m_strTopicFile;
    editor->m_strZTBH = subjectCode;
    editor->m_strZTMC = ItemName(subject);
    editor->m_arrAspectCodes = ChildCodes(subject);
    if (aspect) {
        const std::string aspectCode = GetItemCode(aspect);
        editor->m_strSuffix = aspectCode.substr(std::min(subjectCode.size(), aspectCode.size()));
        editor->m_strYJFXMC = ItemName(aspect);
    }
    if (editor->DoModal() != IDOK) return;
    LoadSubjects();
    // A new direction selects its subject again.
    ExpandSubject(subjectCode, !aspect);
}

void CDlgStudySubjectTree::OnModify() {
    const HTREEITEM selected = m_tree.GetSelectedItem();
    const int level = GetItemLevel(selected);
    if (level == 1) ModifySubject(selected);
    else if (level == 2 || (level == 3 && UnitsModifyTheirDirection())) ModifyAspect(AncestorAt(selected, 2));
    else GuidePrompt("请先选中要修改的专题或者研究方向！");
}

void CDlgStudySubjectTree::OnDelete() {
    const HTREEITEM selected = m_tree.GetSelectedItem();
    const int level = GetItemLevel(selected);
    if (level < 0) {
        GuidePrompt("请先选中要删除的内容！");
        return;
    }
    std::string expand;
    if (level == 0) {
        if (Ask("确定删除指南" + GetItemCode(selected) + "所有的专题和研究方向？") != IDYES) return;
        DeleteAll();
    } else if (level == 1) {
        const std::string subject = GetItemCode(selected);
        if (Ask("确定删除专题" + subject + "？") != IDYES) return;
        DeleteSubject(subject);
    } else {
        const HTREEITEM aspect = AncestorAt(selected, 2);
        const std::string aspectCode = GetItemCode(aspect);
        if (Ask("确定删除研究方向" + aspectCode + "？") != IDYES) return;
        expand = GetItemCode(m_tree.GetParentItem(aspect));
        DeleteAspect(expand, aspectCode);
    }
    LoadSubjects();
    if (!expand.empty()) ExpandSubject(expand, false);
    m_richPurpose.SetWindowText("");
}

// Purpose files are deleted only once the document no longer names them.
void CDlgStudySubjectTree::DeleteAll() {
    TopicScopeDocument document;
    if (!document.Load(m_strTopicFile)) {
        topiclookup::ShowDocumentFailure(document.LastError());
        return;
    }
    const std::vector<std::string> removed = document.RemoveAllSubjects();
    if (!document.Save()) {
        topiclookup::ShowDocumentFailure(document.LastError());
        return;
    }
    for (const std::string& subject : removed) sys::RemoveFile(topic::PurposeFile(m_strTopicFolder, subject));
}

void CDlgStudySubjectTree::DeleteSubject(const std::string& subjectNumber) {
    TopicScopeDocument document;
    if (!document.Load(m_strTopicFile) || !document.RemoveSubject(subjectNumber) || !document.Save()) {
        topiclookup::ShowDocumentFailure(document.LastError());
        return;
    }
    sys::RemoveFile(topic::PurposeFile(m_strTopicFolder, subjectNumber));
}

void CDlgStudySubjectTree::DeleteAspect(const std::string& subjectNumber, const std::string& aspectNumber) {
    TopicScopeDocument document;
    if (!document.Load(m_strTopicFile) || !document.RemoveAspect(subjectNumber, aspectNumber) || !document.Save())
        topiclookup::ShowDocumentFailure(document.LastError());
}
