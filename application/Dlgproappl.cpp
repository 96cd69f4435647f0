#include "application/Dlgproappl.h"

#include "foundation/Sql.h"

#include <map>

#include <algorithm>

#include "application/ApplicationBundleCommands.h"
#include "application/ApplicationDb.h"
#include "application/ApplicationImportCheck.h"
#include "application/ApplicationStore.h"
#include "application/ApplicationWordDocument.h"
#include "application/DlgAppOutputSelect.h"
#include "application/DlgProQuery.h"
#include "numbering/LeadingCharacters.h"
#include "application/ProjectApplicationBundle.h"
#include "application/StoredApplicationDocument.h"
#include "foundation/CodeTables.h"
#include "foundation/ColumnLimits.h"
#include "foundation/Options.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgproappl, ui::FormView)

std::string CDlgproappl::m_strPublishYear;

namespace {

constexpr int kHandCursor = 5165;
constexpr COLORREF kButtonBackground = RGB(242, 246, 255);
constexpr const char* kBasicChapter = "（一）申请书基本信息";
constexpr const char* kSummaryGroup = "一、项目申请简表";
constexpr const char* kMembersChapter = "（二）申请人及成员";
constexpr const char* kBudgetChapter = "二、经费预算";
constexpr const char* kGoalsChapter = "三、研究目标及研究内容";
constexpr const char* kRecommendChapter = "附：推荐意见";
constexpr int kTabCount = 8;

// Counts of the members page and their columns.
const std::pair<int, std::string PROAPP::*> kCounts[] = {
    {CDlgAppMembers::IDC_TOTAL, &PROAPP::XMZRS}, {5127, &PROAPP::GJZC}, {5128, &PROAPP::ZJZC},
    {5129, &PROAPP::CJZC},  {5130, &PROAPP::BSHRS}, {5131, &PROAPP::BSSRS}, {5132, &PROAPP::SSSRS},
};

void ButtonTexture(CButtonST& button, int icon, const char* tooltip) {
    button.SetIcon(icon, icon);
    button.SetHandCursor(kHandCursor);
    for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(index, kButtonBackground);
    button.SetTooltipText(tooltip);
}

// The two boxes of a number: its first 17 characters, and the serial after them.
std::string Leading(const std::string& number) { return LeadingCharacters(number, projectnumber::kPrefixLength); }
std::string Serial(const std::string& number) { return number.substr(Leading(number).size()); }

// The full category of the form's chosen kind. The fund-number box is hidden
// and mostly empty, so the guide code or the number shown decides the fund.
std::string FormCategory(CDlgAppBasicInfo& basic) {
    using B = CDlgAppBasicInfo;
    return proapp::FullCategory(basic.GetDlgItemText(B::IDC_CATEGORY),
                                {basic.GetDlgItemText(B::IDC_FUND_NUMBER), basic.GetDlgItemText(B::IDC_GUIDE_CODE),
                                 basic.GetDlgItemText(B::IDC_NUMBER_PREFIX)});
}

// A stored date text: year the first four characters, month two from the
// sixth, day the last two.
text::DateTime ParseStoredDate(const std::string& stored) {
    auto piece = [&stored](std::size_t from, std::size_t count) {
        return from < stored.size() ? text::Atol(stored.substr(from, count)) : 0L;
    };
    text::DateTime date;
    date.year = int(piece(0, 4));
    date.month = int(piece(5, 2));
    date.day = int(stored.size() >= 2 ? text::Atol(stored.substr(stored.size() - 2)) : text::Atol(stored));
    return date;
}

}  // namespace

const ui::DialogTemplate& CDlgproappl::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 741, 536}, {
        {Kind::Static, IDC_LIST_PLACE, "", {4, 4, 737, 124}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_WRITER_PLACE, "", {4, 130, 737, 402}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return tpl;
}

CDlgproappl::CDlgproappl() : ui::FormView(Template()), m_dlgOutputList(this), m_dlgAppWriter(this) {
    using W = CDlgAppWriter;
    MapClicked(W::ID_FONTNAME, [this] { OnFontname(); });
    MapClicked(W::ID_CHAR_COLOR, [this] { OnCharColor(); });
    MapClicked(W::ID_CHAR_BOLD, [this] { OnCharBold(); });
    MapClicked(W::ID_CHAR_ITALIC, [this] { OnCharItalic(); });
    MapClicked(W::ID_CHAR_UNDERLINE, [this] { OnCharUnderline(); });
    MapClicked(W::ID_PARA_LEFT, [this] { OnParaLeft(); });
    MapClicked(W::ID_PARA_CENTER, [this] { OnParaCenter(); });
    MapClicked(W::ID_PARA_RIGHT, [this] { OnParaRight(); });
    MapUpdateUI(W::ID_CHAR_BOLD, [this](ui::CmdUI& cmd) { OnUpdateCharBold(&cmd); });
    MapUpdateUI(W::ID_CHAR_ITALIC, [this](ui::CmdUI& cmd) { OnUpdateCharItalic(&cmd); });
    MapUpdateUI(W::ID_CHAR_UNDERLINE, [this](ui::CmdUI& cmd) { OnUpdateCharUnderline(&cmd); });
    MapUpdateUI(W::ID_PARA_LEFT, [this](ui::CmdUI& cmd) { OnUpdateParaLeft(&cmd); });
    MapUpdateUI(W::ID_PARA_CENTER, [this](ui::CmdUI& cmd) { OnUpdateParaCenter(&cmd); });
    MapUpdateUI(W::ID_PARA_RIGHT, [this](ui::CmdUI& cmd) { OnUpdateParaRight(&cmd); });
    ConnectChildren();
}

// The list's and the writer's buttons, tree and tabs come to this view's handlers.
void CDlgproappl::ConnectChildren() {
    using Handler = void (CDlgproappl::*)();
    const std::map<int, Handler> listCommands = {
        {CDlgOutputList::IDC_BTN_IMPORT, &CDlgproappl::OnBtnImportPartial},
        {CDlgOutputList::IDC_BTN_PROEXP, &CDlgproappl::OnBtnProexp},
        {CDlgOutputList::IDC_BTN_PROQUERY, &CDlgproappl::OnBtnProquery},
        {CDlgOutputList::IDC_BTN_PRODEL, &CDlgproappl::OnBtnProdel},
        {CDlgOutputList::IDC_BTN_SORT, &CDlgproappl::OnButtonSort},
    };
    const std::map<int, Handler> writerCommands = {
        {CDlgAppWriter::IDC_BTN_PROADD, &CDlgproappl::OnBtnProadd},
        {CDlgAppWriter::IDC_BTN_SAVE, &CDlgproappl::OnBtnSave},
        {CDlgAppWriter::IDC_BTN_WORD, &CDlgproappl::OnBtnWord},
        {CDlgAppWriter::IDC_BTN_IMPORTDOC, &CDlgproappl::OnBtnImportDoc},
        {CDlgAppWriter::IDC_BTN_EXDOC, &CDlgproappl::OnBtnExDoc},
        {CDlgAppWriter::IDC_BTN_IMPORTPARTIAL, &CDlgproappl::OnBtnImportPartial},
        {CDlgAppWriter::IDC_BTN_SAVEDOC, &CDlgproappl::OnBtnSaveDoc},
        {CDlgAppWriter::IDC_BTN_READ, &CDlgproappl::OnBtnRead},
        {CDlgAppWriter::IDC_BTN_SORT, &CDlgproappl::OnButtonSort},
    };
    const auto dispatch = [this](const std::map<int, Handler>& handlers) {
        return [this, handlers](int id) {
            if (const auto found = handlers.find(id); found != handlers.end()) (this->*found->second)();
        };
    };
    m_dlgOutputList.m_onCommand = dispatch(listCommands);
    m_dlgOutputList.m_onDoubleClick = [this](const ui::NotifyInfo& info) {
        LRESULT result = 0;
        OnDblclkListProlist(&info, &result);
    };
    m_dlgAppWriter.m_onCommand = dispatch(writerCommands);
    m_dlgAppWriter.m_onTreeSelection = [this](const ui::NotifyInfo& info, bool changing) {
        LRESULT result = 0;
        if (changing) OnSelchangingTree1(&info, &result);
        else OnSelchangedTree1(&info, &result);
    };
    m_dlgAppWriter.m_onChangeActiveTab = [this](WPARAM tab, LPARAM l) { return OnChangeActiveTab(tab, l); };
}

CDlgproappl::~CDlgproappl() = default;

std::optional<ui::CtlColor> CDlgproappl::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}

// ---- set-up ----

void CDlgproappl::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    m_dlgOutputList.m_pConnection = &m_connection;
    m_dlgOutputList.CreateOver(this, IDC_LIST_PLACE);
    m_dlgOutputList.ShowWindow(SW_SHOW);
    m_dlgAppWriter.CreateOver(this, IDC_WRITER_PLACE);
    m_dlgAppWriter.ShowWindow(SW_SHOW);

    const bool applicantUnit = COptions().GetRole() == 1;
    if (applicantUnit) {
        m_dlgAppWriter.m_btnSaveDoc.ShowWindow(SW_HIDE);
        m_dlgAppWriter.m_btnRead.ShowWindow(SW_HIDE);
    }
    if (auto* serial = Basic().Item<ui::Edit>(CDlgAppBasicInfo::IDC_SERIAL)) serial->SetReadOnly(!applicantUnit);

    m_dlgOutputList.InitProjectList();
    StyleButtons();
    m_crStdTab = m_dlgAppWriter.m_wndTab.GetTabBkColor(1);
    m_strExePath = sys::ProgramFolder();

    if (!appdb::Connect(m_connection)) {
        ui::AfxMessageBox("数据库连接失败");
        return;
    }
    appdb::Bind(m_recordset, m_connection);
    std::vector<std::pair<int, std::string>> boxes;
    for (const CDlgAppBasicInfo::Field& f : CDlgAppBasicInfo::kFields) boxes.emplace_back(f.id, f.column);
    ColumnLimits(m_connection, appstore::kApplicationTable).LimitBoxes(Basic(), boxes);
    loadzd();
    LoadlistDate();
    m_dlgAppWriter.m_dlgChapter.m_richEdit.LoadRtfFile(proapp::DefaultTextPath("xmjj2.rtf"));
}

void CDlgproappl::StyleButtons() {
    CDlgAppWriter& w = m_dlgAppWriter;
    ButtonTexture(w.m_btnProadd, 5151, "新增");
    ButtonTexture(w.m_btnSave, 5154, "保存");
    ButtonTexture(w.m_btnWord, 5153, "生成word文档");
    ButtonTexture(w.m_btnImportPartial, 5592, "导入基本信息");
    ButtonTexture(w.m_btnImportDoc, 5514, "导入申请书文档");
    ButtonTexture(w.m_btnExDoc, 5516, "查看附件");
    ButtonTexture(w.m_btnSaveDoc, 5511, "保存申请书文档");
    ButtonTexture(w.m_btnRead, 5510, "查看附件");
    // The writer's own 重排序 button: without a picture it would be an empty square.
    ButtonTexture(w.m_btnSort, 5526, "重排序");
    CDlgOutputList& l = m_dlgOutputList;
    ButtonTexture(l.m_btnProdel, 5160, "删除");
    ButtonTexture(l.m_btnProquery, 5156, "查询");
    ButtonTexture(l.m_btnProexp, 5162, "导出");
    ButtonTexture(l.m_btnImport, 3003, "导入");
    ButtonTexture(l.m_btnSort, 5526, "重排序");
}

BOOL CDlgproappl::DestroyWindow() {
    if (IsWindow() && m_dlgAppWriter.IsWindow()) ClearAll();
    return ui::FormView::DestroyWindow();
}

void CDlgproappl::loadzd() {
    struct Lookup {
        const char* table;
        int comboId;
        std::vector<std::string> CDlgAppMembers::*names;
    };
    const Lookup lookups[] = {
        {"corvane_zd_xb", CDlgAppBasicInfo::IDC_SEX, &CDlgAppMembers::m_arrSex},
        {"corvane_zd_xw", CDlgAppBasicInfo::IDC_DEGREE, &CDlgAppMembers::m_arrDegree},
        {"corvane_zd_zc", CDlgAppBasicInfo::IDC_TITLE, &CDlgAppMembers::m_arrTitle},
    };
    for (const Lookup& lookup : lookups) {
        auto* combo = Basic().Item<ui::ComboBox>(lookup.comboId);
        std::vector<std::string>& names = m_dlgAppWriter.m_dlgMembers.*lookup.names;
        names = codetables::Names(m_connection, lookup.table);
        if (!combo) continue;
        combo->ResetContent();
        for (const std::string& name : names) combo->AddString(name);
    }
}

void CDlgproappl::LoadlistDate() {
    UpdateData(TRUE);
    m_dlgOutputList.LoadProjects(m_recordset, appstore::ListQuery());
    m_recordset.Close();
}

// ---- chapters ----

std::vector<COleRichEdit*> CDlgproappl::ChapterEditors(const proapp::Chapter& chapter) {
    CDlgAppWriter& w = m_dlgAppWriter;
    switch (chapter.pageId) {
    case CDlgAppChapter::IDD: return {&w.m_dlgChapter.m_richEdit};
    case CDlgAppGoals::IDD: return {&w.m_dlgGoals.m_richEdit};
    case CDlgAppPlan::IDD: return {&w.m_dlgPlan.m_richEdit};
    case CDlgAppBasis::IDD: return {&w.m_dlgBasis.m_richEdit};
    case CDlgAppOpinion::IDD: return {&w.m_dlgOpinion.m_richEdit};
    case CDlgRecommend::IDD: return {&w.m_dlgRecommend.m_richEdit1, &w.m_dlgRecommend.m_richEdit2};
    default: return {};
    }
}

COleRichEdit* CDlgproappl::BudgetEditor(int reasonId) {
    for (std::size_t i = 0; i < CDlgAppBudget::kItems.size(); ++i)
        if (CDlgAppBudget::kItems[i].reasonId == reasonId) return &m_dlgAppWriter.m_dlgBudget.m_richReasons[i];
    return nullptr;
}

void CDlgproappl::SetCurRichedit(int n) {
    CDlgAppWriter& w = m_dlgAppWriter;
    COleRichEdit* const targets[] = {&w.m_dlgChapter.m_richEdit, &w.m_dlgPlan.m_richEdit, &w.m_dlgBasis.m_richEdit,
                                     &w.m_dlgOpinion.m_richEdit, &w.m_dlgRecommend.m_richEdit1,
                                     &w.m_dlgRecommend.m_richEdit2};
    if (n >= 3 && n <= 8) w.m_pCurRichEdit = targets[n - 3];
}

void CDlgproappl::ShowFormatBar(bool show) { m_dlgAppWriter.m_wndToolBar.ShowWindow(show ? SW_SHOW : SW_HIDE); }

void CDlgproappl::ActivateTab(int tab) { m_dlgAppWriter.m_wndTab.SetActiveTab(tab); }

void CDlgproappl::CopyBudgetTotal() {
    Basic().SetDlgItemText(CDlgAppBasicInfo::IDC_AMOUNT,
                           m_dlgAppWriter.m_dlgBudget.GetDlgItemText(CDlgAppBudget::IDC_TOTAL));
}

void CDlgproappl::SaveCurrentChapter() {
    const proapp::Chapter* chapter = proapp::FindChapter(m_strCurChapter);
    if (!chapter) return;
    const std::vector<COleRichEdit*> editors = ChapterEditors(*chapter);
    for (std::size_t i = 0; i < editors.size(); ++i) editors[i]->SaveRtfFile(proapp::ScratchPath(chapter->files[i]));
}

void CDlgproappl::SetTreeNodeSel(const std::string& name) {
    ui::TreeCtrl& tree = m_dlgAppWriter.m_tree;
    for (ui::HTREEITEM item = tree.GetFirstVisibleItem(); item; item = tree.GetNextVisibleItem(item)) {
        tree.Expand(item, ui::TVE_EXPAND);
        if (tree.GetItemText(item) == name) {
            tree.Select(item, ui::TVGN_CARET);
            return;
        }
    }
}

void CDlgproappl::OnSelchangingTree1(const ui::NotifyInfo*, LRESULT* result) {
    ui::TreeCtrl& tree = m_dlgAppWriter.m_tree;
    if (ui::HTREEITEM left = tree.GetSelectedItem()) {
        m_strCurChapter = tree.GetItemText(left);
        SaveCurrentChapter();
    }
    CDlgAppWriter& w = m_dlgAppWriter;
    for (COleRichEdit* shared : {&w.m_dlgGoals.m_richEdit, &w.m_dlgPlan.m_richEdit, &w.m_dlgBasis.m_richEdit,
                                 &w.m_dlgOpinion.m_richEdit})
        shared->SetWindowText("");
    if (result) *result = 0;
}

void CDlgproappl::OnSelchangedTree1(const ui::NotifyInfo*, LRESULT* result) {
    if (result) *result = 0;
    ui::TreeCtrl& tree = m_dlgAppWriter.m_tree;
    const ui::HTREEITEM selected = tree.GetSelectedItem();
    if (!selected) return;
    m_strCurChapter = tree.GetItemText(selected);
    CDlgAppWriter& w = m_dlgAppWriter;
    if (m_strCurChapter == kSummaryGroup || m_strCurChapter == kBasicChapter) {
        ActivateTab(CDlgAppWriter::kTabBasicInfo);
        ShowFormatBar(false);
        CopyBudgetTotal();
        return;
    }
    if (m_strCurChapter == kMembersChapter || m_strCurChapter == kBudgetChapter) {
        ActivateTab(m_strCurChapter == kMembersChapter ? CDlgAppWriter::kTabMembers : CDlgAppWriter::kTabBudget);
        ShowFormatBar(false);
        return;
    }
    const proapp::Chapter* chapter = proapp::FindChapter(m_strCurChapter);
    if (!chapter) return;
    if (chapter->tab >= 0) {
        ActivateTab(chapter->tab);
        ShowFormatBar(true);
    }
    if (chapter->pageId == CDlgAppPlan::IDD) w.m_dlgPlan.SetTitle(m_strCurChapter);
    if (chapter->pageId == CDlgAppBasis::IDD) w.m_dlgBasis.SetTitle(m_strCurChapter);
    if (chapter->pageId == CDlgAppOpinion::IDD) w.m_dlgOpinion.SetTitle(m_strCurChapter);
    const std::vector<COleRichEdit*> editors = ChapterEditors(*chapter);
    for (std::size_t i = 0; i < editors.size(); ++i) {
        // A file that cannot be read leaves the field empty.
        if (editors[i]->LoadRtfFile(proapp::ScratchPath(chapter->files[i])) == 0) editors[i]->SetWindowText("");
        editors[i]->Invalidate();
    }
    SetCurRichedit(chapter->target);
}

LRESULT CDlgproappl::OnChangeActiveTab(WPARAM wParam, LPARAM) {
    const int tab = int(wParam);
    // The chapter a tab shows when the current chapter is not one of its own.
    static const char* const kFirstChapter[kTabCount] = {
        kBasicChapter,          kMembersChapter,          kBudgetChapter,
        kGoalsChapter,          "（一）研究目标和内容",   "（一）研究工作基础及成绩",
        "（一）单位学术委员会审查意见", kRecommendChapter,
    };
    int target = 3;
    if (tab == CDlgAppWriter::kTabBasicInfo) {
        if (m_strCurChapter != kBasicChapter && m_strCurChapter != kSummaryGroup) {
            m_strCurChapter = kBasicChapter;
            ShowFormatBar(false);
            CopyBudgetTotal();
        }
    } else if (tab > 0 && tab < kTabCount) {
        const proapp::Chapter* current = proapp::FindChapter(m_strCurChapter);
        const bool ownChapter = tab >= 4 && tab <= 6 && current && current->tab == tab;
        if (!ownChapter) m_strCurChapter = kFirstChapter[tab];
        if (tab >= 3) {
            target = tab;
            ShowFormatBar(true);
        }
        if (tab == 4) m_dlgAppWriter.m_dlgPlan.SetTitle(m_strCurChapter);
        if (tab == 5) m_dlgAppWriter.m_dlgBasis.SetTitle(m_strCurChapter);
        if (tab == 6) m_dlgAppWriter.m_dlgOpinion.SetTitle(m_strCurChapter);
    }
    SetTreeNodeSel(m_strCurChapter);
    SetCurRichedit(target);
    ui::TabWnd& tabs = m_dlgAppWriter.m_wndTab;
    for (int t = 0; t < kTabCount; ++t) tabs.SetTabBkColor(t, t == tab ? kActiveTab : m_crStdTab);
    tabs.Invalidate();
    return 0;
}

// ---- loading, clearing, new, deleting ----

void CDlgproappl::OnDblclkListProlist(const ui::NotifyInfo*, LRESULT* result) {
    if (result) *result = 0;
    ClearAll();
    ui::ListCtrl& list = m_dlgOutputList.List();
    const int mark = list.GetSelectionMark();
    if (mark < 0) return;
    // The project is the row stored under the number now; its saves write
    // only while that row holds it.
    m_current = projectnumber::LoadProject(m_connection, list.GetItemText(mark, CDlgOutputList::kNumberColumn),
                                           WrittenColumnNames());
    PROAPP record;
    if (!m_current.IsLoaded() || !appstore::ReadApplication(m_connection, m_current.number, record)) {
        m_current = {};
        LoadlistDate();
        projectnumber::TellChangedElsewhere();
        return;
    }
    SetDlgValue(record);
}

void CDlgproappl::ShowNumber(const std::string& number) {
    Basic().SetDlgItemText(CDlgAppBasicInfo::IDC_NUMBER_PREFIX, Leading(number));
    Basic().SetDlgItemText(CDlgAppBasicInfo::IDC_SERIAL, Serial(number));
}

std::string CDlgproappl::ShownNumber() {
    return Basic().GetDlgItemText(CDlgAppBasicInfo::IDC_NUMBER_PREFIX) +
           Basic().GetDlgItemText(CDlgAppBasicInfo::IDC_SERIAL);
}

void CDlgproappl::SetDlgValue(PROAPP record) {
    CDlgAppWriter& w = m_dlgAppWriter;
    ShowNumber(record.XMBH);
    Basic().SetDlgItemText(CDlgAppBasicInfo::IDC_AMOUNT, record.SQJE);
    for (const CDlgAppBasicInfo::Field& f : CDlgAppBasicInfo::kFields) {
        const std::string& value = record.*proapp::FindTextField(f.column);
        ui::Wnd* control = Basic().GetDlgItem(f.id);
        if (auto* picker = dynamic_cast<ui::DateTimeCtrl*>(control)) {
            picker->ShowStored(value, ParseStoredDate(value));  // an unreadable date is saved back as it was
        } else if (control) {
            // The category list shows the project's kind of the stored full name.
            control->SetWindowText(f.id == CDlgAppBasicInfo::IDC_CATEGORY ? proapp::CategoryKind(value) : value);
        }
    }
    for (const auto& [id, field] : kCounts) w.m_dlgMembers.SetDlgItemText(id, record.*field);
    for (const proapp::MemberRow& member : appstore::ReadMembers(m_connection, record.XMBH)) {
        ui::GridRow* row = w.m_dlgMembers.AddMemberRow();
        for (std::size_t c = 0; row && c < member.size(); ++c)
            if (ui::GridItem* cell = row->GetItem(int(c))) cell->SetValue(member[c]);
    }
    for (const proapp::BudgetItem& item : proapp::BudgetItems()) {
        w.m_dlgBudget.SetDlgItemText(item.amountId, record.*item.amount);
        if (COleRichEdit* reason = BudgetEditor(item.reasonId)) reason->LoadRtfFile(proapp::ScratchPath(item.reason.file));
    }
    w.m_dlgBudget.SetDlgItemText(CDlgAppBudget::IDC_TOTAL, record.ZJF);
    w.m_dlgPlan.SetDlgItemText(CDlgAppPlan::IDC_GF_COUNT, record.GFBGNUM);
    // The recommenders' texts come back with the rest, so that a later save
    // keeps them.
    CDlgRecommend& r = w.m_dlgRecommend;
    r.m_strTJRXM1 = record.TJRXM1, r.m_strZYJSZW1 = record.ZYJSZW1, r.m_strTJRZC1 = record.TJRZC1;
    r.m_strTJRDW1 = record.TJRDW1, r.m_strTJRXM2 = record.TJRXM2, r.m_strZYJSZW2 = record.ZYJSZW2;
    r.m_strTJRZC2 = record.TJRZC2, r.m_strTJRDW2 = record.TJRDW2;
    r.UpdateData(FALSE);
    if (const proapp::Chapter* chapter = proapp::FindChapter(m_strCurChapter)) {
        const std::vector<COleRichEdit*> editors = ChapterEditors(*chapter);
        for (std::size_t i = 0; i < editors.size(); ++i)
            editors[i]->LoadRtfFile(proapp::ScratchPath(chapter->files[i]));
    }
}

void CDlgproappl::Emptyfile(const std::string& path) { sys::TruncateFile(path); }

void CDlgproappl::ClearAll() {
    CDlgAppWriter& w = m_dlgAppWriter;
    for (int id : {CDlgAppBasicInfo::IDC_NUMBER_PREFIX, CDlgAppBasicInfo::IDC_SERIAL})
        Basic().SetDlgItemText(id, "");
    for (const CDlgAppBasicInfo::Field& f : CDlgAppBasicInfo::kFields) {
        ui::Wnd* control = Basic().GetDlgItem(f.id);
        if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) {
            combo->SetCurSel(-1);
        } else if (auto* picker = dynamic_cast<ui::DateTimeCtrl*>(control)) {
            picker->SetTime(text::DateTime::Now());
        } else if (control) {
            control->SetWindowText("");
        }
    }
    Basic().SetDlgItemText(CDlgAppBasicInfo::IDC_AMOUNT, "0");
    for (const auto& [id, field] : kCounts) w.m_dlgMembers.SetDlgItemText(id, "");
    w.m_dlgMembers.m_wndGrid.RemoveAll();
    for (const proapp::BudgetItem& item : proapp::BudgetItems()) {
        w.m_dlgBudget.SetDlgItemText(item.amountId, "");
        if (COleRichEdit* reason = BudgetEditor(item.reasonId)) reason->SetWindowText("");
    }
    w.m_dlgBudget.SetDlgItemText(CDlgAppBudget::IDC_TOTAL, "");
    for (COleRichEdit* editor : {&w.m_dlgChapter.m_richEdit, &w.m_dlgGoals.m_richEdit, &w.m_dlgPlan.m_richEdit,
                                 &w.m_dlgBasis.m_richEdit, &w.m_dlgOpinion.m_richEdit, &w.m_dlgRecommend.m_richEdit1,
                                 &w.m_dlgRecommend.m_richEdit2})
        editor->SetWindowText("");
    w.m_dlgPlan.SetDlgItemText(CDlgAppPlan::IDC_GF_COUNT, "");
    CDlgRecommend& r = w.m_dlgRecommend;
    for (std::string* text : {&r.m_strTJRXM1, &r.m_strZYJSZW1, &r.m_strTJRZC1, &r.m_strTJRDW1, &r.m_strTJRXM2,
                              &r.m_strZYJSZW2, &r.m_strTJRZC2, &r.m_strTJRDW2})
        text->clear();
    r.UpdateData(FALSE);
    for (const proapp::RtfColumn& rtf : proapp::AllRtfColumns()) Emptyfile(proapp::ScratchPath(rtf.file));
}

void CDlgproappl::OnBtnProadd() {
    ClearAll();
    m_current = {};
    ActivateTab(CDlgAppWriter::kTabBasicInfo);
}

void CDlgproappl::OnBtnProdel() {
    const std::vector<projectnumber::LoadedProject> projects = m_dlgOutputList.CheckedProjects();
    if (projects.empty()) {
        ui::MessageBox("请选中要删除的记录！", "提示");
        return;
    }
    if (ui::MessageBox("确定要删除所选纪录吗？", "系统提示", MB_OKCANCEL) != IDOK) return;
    projectnumber::Renames renames;
    std::string notDeleted;
    appstore::DeleteResult deleted = appstore::DeleteResult::Failed;
    {
        // A year's selection takes a while: the progress shows its two stages.
        // The events wait while the deletion's transaction is open.
        ui::ProgressDialog progress("删除项目", 2);
        progress.Next(text::Format("删除所选的%zu个项目", projects.size()));
        // A deletion that fails ends the command: nothing is renumbered, the
        // project is named and the list shows what is stored.
        deleted = appstore::DeleteApplications(m_connection, projects, renames, &notDeleted);
        progress.Next("刷新项目列表");
        // The form is emptied: it holds no project any more, and the next save
        // adds a new one.
        FollowRenames(renames);
        ClearAll();
        m_current = {};
        LoadlistDate();
    }
    if (deleted == appstore::DeleteResult::ChangedElsewhere)
        ui::MessageBox(projectnumber::kListChangedElsewhereMessage, "系统提示", MB_OK | MB_ICONEXCLAMATION);
    else if (deleted == appstore::DeleteResult::Failed)
        ui::MessageBox(db::FailureMessage(m_connection, notDeleted.empty() ? std::string("删除失败！")
                                                                           : "项目" + notDeleted + "删除失败！"),
                       "提示", MB_OK | MB_ICONEXCLAMATION);
}

// ---- saving and numbering ----

bool CDlgproappl::ReadPrefix(std::string& prefix, UINT type) {
    const std::string guide = Basic().GetDlgItemText(CDlgAppBasicInfo::IDC_GUIDE_CODE);
    const std::string year = Basic().GetDlgItemText(CDlgAppBasicInfo::IDC_YEAR);
    const std::string unit = Basic().GetDlgItemText(CDlgAppBasicInfo::IDC_UNIT_CODE);
    if (const std::string problem = projectnumber::CodeProblem(guide, year, unit); !problem.empty()) {
        ui::MessageBox(problem, "系统提示", type);
        return false;
    }
    prefix = projectnumber::Prefix(guide, year, unit);
    return true;
}

BOOL CDlgproappl::ValiData() {
    const std::string year = Basic().GetDlgItemText(CDlgAppBasicInfo::IDC_YEAR);
    const std::string& period = m_strPublishYear;  // "2021-2025"
    const bool fourDigits = year.size() == 4 && std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; });
    // A year of another form is refused with the code checks that follow.
    if (!fourDigits || period.size() != 9 || period[4] != '-') return TRUE;
    if (year >= period.substr(0, 4) && year <= period.substr(5)) return TRUE;
    // A stored project keeps its year without a word: an older project stays editable.
    if (m_current.IsLoaded() &&
        appstore::StoredYear(m_connection, m_current) == year)
        return TRUE;
    return ui::MessageBox("年份" + year + "不在当前时期（" + period + "）内，本时期的评审中看不到该项目。确定保存吗？",
                          "系统提示", MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void CDlgproappl::OnBtnSave() {
    if (!ValiData()) return;
    if (!m_current.IsLoaded()) {
        // A new application's number is always built from its codes: a typed
        // serial goes after their prefix, no serial takes the next free one
        // (chosen in the save's transaction).
        std::string prefix;
        if (!ReadPrefix(prefix, MB_OK | MB_ICONEXCLAMATION)) return;
        m_proapp.FIVEYEAR = m_strPublishYear;
        const std::string serial = Basic().GetDlgItemText(CDlgAppBasicInfo::IDC_SERIAL);
        if (!serial.empty() && !RefuseSerial(serial)) return;
        m_proapp.XMBH = prefix + serial;
        CollectInfo();
        SavetoDB(0);
        LoadlistDate();
        return;
    }
    if (ui::MessageBox("确定更新该项目的信息？", "系统提示", MB_OKCANCEL) != IDOK) return;
    const std::string previous = m_current.number;
    m_proapp.XMBH = ShownNumber();
    m_proapp.FIVEYEAR = m_strPublishYear;
    std::string prefix;
    if (!ReadPrefix(prefix, MB_OKCANCEL)) return;
    if (projectnumber::SameNumber(prefix, Leading(m_proapp.XMBH))) {
        // A serial stored before serials were checked is saved back as it is.
        if (!projectnumber::SameNumber(m_proapp.XMBH, previous) && !RefuseSerial(Serial(m_proapp.XMBH))) return;
        if (!projectnumber::SameNumber(m_proapp.XMBH, previous) &&
            projectnumber::IsNumberInUse(m_connection, m_proapp.XMBH)) {
            ui::MessageBox("项目编号重复，请重新指定流水号！", "系统提示", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    } else {
        // A new guide code, year or unit: the project takes the next number
        // under the new prefix and the projects left under the old one close
        // their gap, in the save's transaction.
        m_proapp.XMBH = prefix + Serial(previous);
    }
    CollectInfo();
    SavetoDB(1);
    LoadlistDate();
}

std::vector<proapp::MemberRow> CDlgproappl::GridMembers() {
    std::vector<proapp::MemberRow> members;
    const ui::GridCtrl& grid = m_dlgAppWriter.m_dlgMembers.m_wndGrid;
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        proapp::MemberRow& member = members.emplace_back();
        const ui::GridRow* row = grid.GetRow(r);
        for (std::size_t c = 0; row && c < member.size(); ++c)
            if (const ui::GridItem* cell = row->GetItem(int(c))) member[c] = cell->GetValue();
    }
    return members;
}

void CDlgproappl::CollectInfo() {
    CDlgAppWriter& w = m_dlgAppWriter;
    m_proapp.FIVEYEAR = m_strPublishYear;
    for (const CDlgAppBasicInfo::Field& f : CDlgAppBasicInfo::kFields)
        m_proapp.*proapp::FindTextField(f.column) = Basic().GetDlgItemText(f.id);
    m_proapp.XMLB = FormCategory(Basic());
    for (const auto& [id, field] : kCounts) m_proapp.*field = w.m_dlgMembers.GetDlgItemText(id);
    for (const proapp::BudgetItem& item : proapp::BudgetItems())
        m_proapp.*item.amount = w.m_dlgBudget.GetDlgItemText(item.amountId);
    m_proapp.SQJE = m_proapp.ZJF = w.m_dlgBudget.GetDlgItemText(CDlgAppBudget::IDC_TOTAL);
    m_proapp.GFBGNUM = w.m_dlgPlan.GetDlgItemText(CDlgAppPlan::IDC_GF_COUNT);
    CDlgRecommend& r = w.m_dlgRecommend;
    r.UpdateData(TRUE);
    m_proapp.TJRXM1 = r.m_strTJRXM1, m_proapp.ZYJSZW1 = r.m_strZYJSZW1, m_proapp.TJRZC1 = r.m_strTJRZC1;
    m_proapp.TJRDW1 = r.m_strTJRDW1, m_proapp.TJRXM2 = r.m_strTJRXM2, m_proapp.ZYJSZW2 = r.m_strZYJSZW2;
    m_proapp.TJRZC2 = r.m_strTJRZC2, m_proapp.TJRDW2 = r.m_strTJRDW2;
    for (const proapp::BudgetItem& item : proapp::BudgetItems()) {
        const std::string path = proapp::ScratchPath(item.reason.file);
        if (COleRichEdit* reason = BudgetEditor(item.reasonId)) reason->SaveRtfFile(path);
        m_proapp.*item.reason.field = path;
    }
    SaveCurrentChapter();
    for (const proapp::RtfColumn& chapter : proapp::ChapterColumns()) {
        const std::string path = proapp::ScratchPath(chapter.file);
        if (sys::FileExists(path)) m_proapp.*chapter.field = path;
    }
}

std::string CDlgproappl::SaveFailureMessage() {
    const ColumnLimits limits(m_connection, appstore::kApplicationTable);
    for (const CDlgAppBasicInfo::Field& f : CDlgAppBasicInfo::kFields) {
        if (!limits.FirstTooLong({{f.column, m_proapp.*proapp::FindTextField(f.column)}}).empty())
            return TooLongMessage(FieldLabel(Basic(), f.id), limits.Of(f.column), "数据保存失败！");
    }
    return "数据保存失败！";
}

bool CDlgproappl::RefuseSerial(const std::string& serial) {
    const std::string problem = projectnumber::SerialProblem(serial);
    if (!problem.empty()) ui::MessageBox(problem, "系统提示", MB_OK | MB_ICONEXCLAMATION);
    return problem.empty();
}

BOOL CDlgproappl::SavetoDB(int update) {
    projectnumber::LoadedProject stored;
    if (update) stored = m_current;
    else stored.columns = WrittenColumnNames();  // the new project is stamped as saved
    projectnumber::LoadedProject saved;
    switch (appstore::WriteApplication(m_connection, m_proapp, GridMembers(), stored, nullptr, &saved)) {
    case appstore::SaveResult::Saved:
        // The saved application is the project being edited from now on,
        // under the number the save gave it, holding what the form shows.
        m_current = saved;
        m_proapp.XMBH = m_current.number;
        ShowNumber(m_current.number);
        ui::MessageBox("保存成功！", "系统提示");
        return TRUE;
    case appstore::SaveResult::NumberTaken:
        ui::MessageBox("项目编号重复，请重新指定流水号！", "系统提示", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    case appstore::SaveResult::ChangedElsewhere:
        projectnumber::TellChangedElsewhere();
        return FALSE;
    case appstore::SaveResult::Failed: break;
    }
    ui::MessageBox(db::FailureMessage(m_connection, SaveFailureMessage()), "提示", MB_OK | MB_ICONERROR);
    return FALSE;
}

const std::vector<std::string>& CDlgproappl::WrittenColumnNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> written;
        // The number is held apart: the form follows it through renumberings.
        for (const proapp::Column& column : proapp::WrittenColumns())
            if (std::string(column.name) != "XMBH") written.push_back(column.name);
        return written;
    }();
    return names;
}

void CDlgproappl::FollowRenames(const projectnumber::Renames& renames) {
    if (projectnumber::FollowRename(renames, m_current)) ShowNumber(m_current.number);
}

void CDlgproappl::OnButtonSort() {
    if (ui::MessageBox("对项目编号进行重新排序吗？", "提示", MB_OKCANCEL | MB_ICONQUESTION) == IDOK) OnButtonSort1();
}

void CDlgproappl::OnButtonSort1() {
    projectnumber::Renames renames;
    projectnumber::RenumberResult result = projectnumber::RenumberResult::Failed;
    std::vector<std::string> caseVariants;
    if (projectnumber::RenumberAll(m_connection, &renames, &result, &caseVariants)) FollowRenames(renames);
    LoadlistDate();
    // A re-sort says whether it was done.
    if (const std::string refused = projectnumber::RefusedRenumberingMessage(result, caseVariants); !refused.empty())
        ui::MessageBox(refused, "提示", MB_OK | MB_ICONEXCLAMATION);
    else ui::MessageBox(projectnumber::RenumberingDoneMessage(renames), "提示", MB_OK | MB_ICONINFORMATION);
}

// ---- bundles, stored documents, query and Word ----

void CDlgproappl::OnBtnProexp() { ApplicationBundleCommands(m_connection).OnBtnProexp(m_dlgOutputList.CheckedNumbers()); }

void CDlgproappl::OnBtnImport() {
    if (ApplicationBundleCommands(m_connection).OnBtnImport()) LoadlistDate();
}

void CDlgproappl::OnBtnImportPartial() {
    if (ApplicationBundleCommands(m_connection).OnBtnImportPartial()) LoadlistDate();
}

int CDlgproappl::Import(const std::string& path, bool& problem) {
    return ProjectApplicationBundle(m_connection).Import(path, problem);
}

int CDlgproappl::ImportPartial(const std::string& path, bool& problem) {
    return ProjectApplicationBundle(m_connection).ImportPartial(path, problem);
}

int CDlgproappl::IsRecordExist(const std::string& number) {
    return ProjectApplicationBundle(m_connection).IsRecordExist(number);
}

bool CDlgproappl::CheckDWAvail(const std::string& unitCode, const std::string& guideCode,
                               const std::string& category, const std::string& bundlePath,
                               const std::string& year) {
    return ApplicationImportCheck(m_connection).CheckDWAvail(unitCode, guideCode, category, bundlePath, year);
}

namespace {
OpenApplication OpenForm(CDlgAppBasicInfo& basic) {
    return {basic.GetDlgItemText(CDlgAppBasicInfo::IDC_NUMBER_PREFIX),
            basic.GetDlgItemText(CDlgAppBasicInfo::IDC_SERIAL), FormCategory(basic)};
}
}  // namespace

void CDlgproappl::OnBtnImportDoc() { StoredApplicationDocument(m_connection).OnBtnImportDoc(OpenForm(Basic())); }
void CDlgproappl::OnBtnExDoc() { StoredApplicationDocument(m_connection).OnBtnExDoc(OpenForm(Basic())); }
void CDlgproappl::OnBtnSaveDoc() { StoredApplicationDocument(m_connection).OnBtnSaveDoc(OpenForm(Basic())); }
void CDlgproappl::OnBtnRead() { StoredApplicationDocument(m_connection).OnBtnRead(OpenForm(Basic())); }

void CDlgproappl::PlaceDoc(const std::string& number, CAdoRecordSet* source) {
    if (source) StoredApplicationDocument(m_connection).PlaceDoc(number, *source);
}

void CDlgproappl::OnBtnProquery() {
    CDlgProQuery query(this);
    if (query.DoModal() != IDOK) return;
    m_dlgOutputList.LoadProjects(m_recordset, query.m_strAppQuery + " order by Right(XMBH, 7)");
    m_recordset.Close();
}

void CDlgproappl::OnBtnWord() {
    CDlgAppWriter& w = m_dlgAppWriter;
    w.m_dlgRecommend.UpdateData(TRUE);
    CopyBudgetTotal();
    CDlgAppOutputSelect choice(this);
    if (choice.DoModal() != IDOK) return;
    m_arrOutput = choice.m_arrOutput;

    using B = CDlgAppBasicInfo;
    auto basic = [this](int id) { return Basic().GetDlgItemText(id); };
    appword::Content content;
    content.category = FormCategory(Basic());
    content.guideCode = basic(B::IDC_GUIDE_CODE);
    content.numberPrefix = basic(B::IDC_NUMBER_PREFIX);
    content.secretLevel = basic(B::IDC_SECRET_LEVEL);
    content.projectName = basic(B::IDC_NAME);
    content.applicant = basic(B::IDC_APPLICANT);
    content.workUnit = basic(B::IDC_WORK_UNIT);
    content.address = basic(B::IDC_ADDRESS);
    content.postcode = basic(B::IDC_POSTCODE);
    content.phone = basic(B::IDC_PHONE);
    content.applyDate = basic(B::IDC_APPLY_DATE);
    content.startDate = basic(B::IDC_START_DATE);
    content.endDate = basic(B::IDC_END_DATE);
    content.amount = basic(B::IDC_AMOUNT);
    content.sex = basic(B::IDC_SEX);
    content.idNumber = basic(B::IDC_ID_NUMBER);
    content.degree = basic(B::IDC_DEGREE);
    content.title = basic(B::IDC_TITLE);
    content.speciality = basic(B::IDC_SPECIALITY);
    content.affiliation = basic(B::IDC_AFFILIATION);
    content.partners = basic(B::IDC_PARTNERS);
    content.keyWords = basic(B::IDC_SUBJECT_WORDS);
    for (std::size_t i = 0; i < content.counts.size(); ++i)
        content.counts[i] = w.m_dlgMembers.GetDlgItemText(kCounts[i].first);
    for (const proapp::MemberRow& member : GridMembers()) content.members.push_back(member);
    for (std::size_t i = 0; i < CDlgAppBudget::kItems.size(); ++i) {
        content.budget[i].amount = w.m_dlgBudget.GetDlgItemText(CDlgAppBudget::kItems[i].amountId);
        content.budget[i].reason = w.m_dlgBudget.m_richReasons[i].GetWindowText();
    }
    const CDlgRecommend& r = w.m_dlgRecommend;
    content.recommenders[0] = {r.m_strZYJSZW1, r.m_strTJRZC1, r.m_strTJRDW1};
    content.recommenders[1] = {r.m_strZYJSZW2, r.m_strTJRZC2, r.m_strTJRDW2};
    content.saveCurrentChapter = [this] { SaveCurrentChapter(); };
    appword::WriteApplicationDocument(content, m_arrOutput);
}
