#include "followup/SummaryEditPage.h"

#include <QWidget>

#include "application/ApplicationStore.h"
#include "application/DlgSelectProject.h"
#include "followup/SummaryArtwork.h"
#include "followup/SummaryStore.h"
#include "foundation/ColumnLimits.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"
#include "widgets/FormatToolBar.h"

namespace {

constexpr COLORREF kBackground = RGB(242, 246, 255);
constexpr int kResultsTab = 1;

}  // namespace

CSummaryEditPage::CSummaryEditPage(followup::SummaryKind kind, std::unique_ptr<CSummaryTextPage> text,
                                   std::unique_ptr<CDlgProSumResults> results)
    : ui::Dialog(Template(kind), nullptr), m_kind(kind), m_pText(std::move(text)), m_pResults(std::move(results)) {
    static const bool registered = (ui::RegisterToolBar(IDR_FORMATBAR, formatbar::Resource()), true);
    (void)registered;
    MapClicked(IDC_BTN_NEW, [this] { OnBtnNew(); });
    MapClicked(IDC_BTN_SAVE, [this] { OnBtnSave(); });
    MapMessage(ui::BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab, LPARAM l) { return OnChangeActiveTab(tab, l); });
}

CSummaryEditPage::~CSummaryEditPage() = default;

const ui::DialogTemplate& CSummaryEditPage::Template(followup::SummaryKind kind) {
    using ui::Kind;
    auto make = [](followup::SummaryKind kind) {
        return ui::DialogTemplate{followup::Traits(kind).editId, "", {0, 0, 743, 380}, {
            {Kind::PushButton, IDC_BTN_NEW, "", {710, 5, 23, 21}, WS_TABSTOP | BS_OWNERDRAW},
            {Kind::PushButton, IDC_BTN_SAVE, "", {710, 35, 23, 21}, WS_TABSTOP | BS_OWNERDRAW},
            {Kind::Static, IDC_TAB_PLACE, "", {5, 5, 689, 369}, SS_BLACKFRAME, {}, true},
        }, WS_CHILD};
    };
    static const ui::DialogTemplate acceptance = make(followup::SummaryKind::Acceptance);
    static const ui::DialogTemplate progress = make(followup::SummaryKind::Progress);
    return kind == followup::SummaryKind::Acceptance ? acceptance : progress;
}

void CSummaryEditPage::SetConnection(CAdoConnection* connection) {
    m_pConnection = connection;
    m_pText->Attach().m_pConnection = connection;
    if (m_pResults) m_pResults->m_pConnection = connection;
}

void CSummaryEditPage::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_BTN_NEW, m_btnNew);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
}

BOOL CSummaryEditPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kBackground);

    // The tool bar's commands and update requests go where an unhandled
    // command of this page would go: to the view that holds it.
    m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | ui::CBRS_ALIGN_TOP | ui::CBRS_TOOLTIPS | ui::CBRS_FLYBY);
    m_wndToolBar.LoadToolBar(IDR_FORMATBAR);
    if (ui::Wnd* view = GetParent()) m_wndToolBar.SetOwner(view);

    m_wndTab.Create(ui::TabWnd::STYLE_3D_ROUNDED, GetItemRect(IDC_TAB_PLACE), this, IDC_TAB, ui::TabWnd::LOCATION_TOP,
                    FALSE);
    m_pText->Create(&m_wndTab);
    if (m_pResults) m_pResults->Create(&m_wndTab);
    m_wndTab.AddTab(m_pText.get(), followup::Traits(m_kind).textTab, UINT(-1), TRUE);
    if (m_pResults) m_wndTab.AddTab(m_pResults.get(), "成果汇总", UINT(-1), TRUE);

    followup::StyleIconButton(m_btnNew, followup::kIconNew, "新增");
    followup::StyleIconButton(m_btnSave, followup::kIconSave, "保存");
    m_crStdTab = m_wndTab.GetTabBkColor(1);
    PlaceToolBar();
    if (m_pConnection)
        ColumnLimits(*m_pConnection, followup::Traits(m_kind).table).LimitBoxes(m_pText->Attach(), LimitedBoxes());
    return TRUE;
}

std::vector<std::pair<int, std::string>> CSummaryEditPage::LimitedBoxes() {
    // The name box is left out: the name is stored with a mark added.
    return {{CSummaryAttachPage::IDC_XMBH, "XMBH"},
            {CSummaryAttachPage::IDC_SJWCR, "SJWCR"},
            {CSummaryAttachPage::IDC_ATTACHNAME, "ATTACHNAME"}};
}

std::string CSummaryEditPage::FailureText(const std::string& failure) const {
    const CSummaryAttachPage& attach = m_pText->Attach();
    const std::vector<std::pair<int, std::pair<std::string, std::string>>> values = {
        {CSummaryAttachPage::IDC_XMBH, {"XMBH", attach.m_strXMBH}},
        {CSummaryAttachPage::IDC_SJWCR, {"SJWCR", attach.m_strSJWCR}},
        {CSummaryAttachPage::IDC_ATTACHNAME, {"ATTACHNAME", attach.m_strAttachName}},
        {CSummaryAttachPage::IDC_XMMC, {"BACKUPNAME", attach.NameToStore()}},
    };
    const ColumnLimits limits(*m_pConnection, followup::Traits(m_kind).table);
    for (const auto& [id, value] : values)
        if (!limits.FirstTooLong({value}).empty())
            return TooLongMessage(FieldLabel(attach, id), limits.Of(value.first), failure);
    return failure;
}

// Over the strip of the text page between its basic data and its field,
// above every other window of the page.
void CSummaryEditPage::PlaceToolBar() {
    const ui::Rect place = GetItemRect(IDC_TAB_PLACE);
    ui::Rect strip = ScreenToClient(m_pText->GetDlgItem(CSummaryTextPage::IDC_TOOLBAR_PLACE)->GetWindowRect());
    m_wndToolBar.MoveWindow(place.left + 12, strip.top, place.Width() - 26, 31);
    m_wndToolBar.GetWidget()->raise();
}

LRESULT CSummaryEditPage::OnChangeActiveTab(WPARAM tab, LPARAM) {
    const int active = int(tab);
    for (int other = 0; other <= kResultsTab; ++other)
        if (other != active) m_wndTab.SetTabBkColor(other, m_crStdTab);
    m_wndTab.SetTabBkColor(active, kActiveTabColor);
    m_wndToolBar.ShowWindow(active == kResultsTab ? SW_HIDE : SW_SHOW);
    m_wndTab.Invalidate();
    return 0;
}

void CSummaryEditPage::OnBtnNew() {
    CDlgSelectProject picker(this);
    picker.m_pConnection = m_pConnection;
    picker.m_strSQL = appstore::ChooserQuery();
    if (picker.DoModal() != IDOK) return;
    if (m_onOpenProject) m_onOpenProject(picker.m_strXMBH, picker.m_strXMMC);
}

void CSummaryEditPage::OnBtnSave() {
    CSummaryAttachPage& attach = m_pText->Attach();
    auto refuseNoProject = [] { ui::MessageBox("请先打开一个项目！", "系统提示", MB_OK | MB_ICONWARNING); };
    if (attach.m_strXMBH.empty()) return refuseNoProject();
    const std::string k0 = attach.m_strXMBH;
    if (!attach.UpdateData(TRUE)) return;  // the indicator text is over its limit
    const std::string k1 = attach.m_strXMBH;
    if (k1.empty()) return refuseNoProject();

    bool replaceK1 = false;
    if (k1 != k0) {
        const db::Found stored = summarystore::HasDocument(*m_pConnection, m_kind, k1);
        if (stored == db::Found::Failed) {
            ui::MessageBox(db::FailureMessage(*m_pConnection, FailureText("保存失败！")), "提示", MB_OK | MB_ICONSTOP);
            return;
        }
        if (stored == db::Found::Row) {
            if (ui::MessageBox("该项目编号已存在，确定覆盖吗？", "系统提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
                return;
            replaceK1 = true;
        }
    }
    if (!StoreDocument(k0, k1, replaceK1)) {
        ui::MessageBox(db::FailureMessage(*m_pConnection, FailureText("保存失败！")), "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    ui::MessageBox("保存成功！", "提示", MB_OK | MB_ICONINFORMATION);
    if (m_onSaved) m_onSaved();
}

bool CSummaryEditPage::StoreDocument(const std::string& k0, const std::string& k1, bool replaceK1) {
    const CSummaryAttachPage& attach = m_pText->Attach();
    summarystore::SummaryDocument document;
    document.person = attach.m_strSJWCR;
    document.name = attach.NameToStore();
    document.indicators = attach.m_strZBSXQK;

    const std::string scratch = sys::ScratchPath(followup::Traits(m_kind).scratchRtf);
    sys::MakeDirs(sys::ParentFolder(scratch));
    if (m_pText->m_richEdit.SaveRtfFile(scratch) <= 0 || !sys::ReadFile(scratch, document.rtf)) return false;

    std::vector<summarystore::Achievement> achievements;
    if (m_pResults) achievements = m_pResults->Rows();
    return summarystore::StoreDocument(*m_pConnection, m_kind, k0, k1, replaceK1, document,
                                       m_pResults ? &achievements : nullptr);
}
