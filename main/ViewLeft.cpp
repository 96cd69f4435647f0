#include "main/ViewLeft.h"

#include <QMainWindow>
#include <algorithm>

#include "main/Artwork.h"
#include "main/Commands.h"
#include "main/CurrentUser.h"
#include "main/Period.h"
#include "main/Roles.h"
#include "main/ViewTable.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CViewLeft, ui::FormView)

namespace {

constexpr int kFirstPeriodYear = 2006;
constexpr int kYearsPerPeriod = 5;
constexpr int kFirstIcon = 184, kLastIcon = 191;
constexpr int kFolderAnimationDelayMs = 20;
constexpr int kIconAnimationMs = 200;

// The groups of the navigation bar, one page per module group, each with the
// views the table puts on this pane, in item order. "阶段进展报告" names an
// image past the end of the list and so shows none.
void AddViewPages(ui::OutlookBar& bar) {
    const std::span<const NavigationGroup> groups = NavigationGroups();
    for (int group = 0; group < int(groups.size()); ++group) {
        const int page = bar.AddPage(group + 1, groups[std::size_t(group)].name, -1);
        for (int item = 0; const ViewRow* row = FindModuleView(group, item); ++item)
            if (row->leftPaneImage != ViewRow::kNotOnLeftPane)
                bar.AddButton(page, row->leftPaneImage, row->buttonText, row->command);
    }
}

}  // namespace

// The navigation bar docks at a frame's edge, so the pane carries it in a
// frame window of its own, embedded as a child over the placeholder. The
// bar's commands go on to the application's main window.
class CViewLeft::BarHost : public ui::FrameWnd {
public:
    bool CreateOver(ui::Wnd& pane, const ui::Rect& place) {
        if (!pane.GetWidget() || !Create("Shortcuts", place)) return false;
        QMainWindow* window = MainWindow();
        window->setParent(pane.GetWidget(), Qt::Widget);
        window->setGeometry(place.left, place.top, place.Width(), place.Height());
        window->show();
        return true;
    }
    bool OnCmdMsg(int id, int code, const ui::NotifyInfo* info) override {
        ui::Wnd* main = ui::AfxGetMainWnd();
        return main && main != this && main->OnCmdMsg(id, code, info);
    }
};

CViewLeft::CViewLeft() : ui::FormView(Template()) {
    MapCommand(IDC_PERIOD, CBN_SELCHANGE, [this] { OnSelchangePeriod(); });
}

CViewLeft::~CViewLeft() = default;

const ui::DialogTemplate& CViewLeft::Template() {
    static const ui::DialogTemplate t{
        IDD,
        "",
        {0, 0, 108, 422},
        {
            {ui::Kind::ComboBox, IDC_PERIOD, "", {0, 6, 107, 30}, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {ui::Kind::Static, IDC_BAR_PLACE, "", {0, 25, 107, 395}, SS_LEFT},
        },
        WS_CHILD,
    };
    return t;
}

void CViewLeft::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_PERIOD, m_comboPeriod);
    dx.Control(IDC_BAR_PLACE, m_stBarPlace);
}

int CViewLeft::PeriodIndexForYear(int year) {
    const int last = int(AllPeriods().size()) - 1;
    return std::clamp((year - kFirstPeriodYear) / kYearsPerPeriod, 0, last);
}

void CViewLeft::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    if (!CreateOutlookBar()) {
        ui::AfxMessageBox("无法创建导航栏！");
        return;
    }
    FillFolderControl(UserRole);
    FillPeriods();
    m_pMainWnd = ui::AfxGetMainWnd();
}

bool CViewLeft::CreateOutlookBar() {
    const ui::Rect place = GetItemRect(IDC_BAR_PLACE);
    m_barHost = std::make_unique<BarHost>();
    if (!m_barHost->CreateOver(*this, place) ||
        !m_wndBar.Create(m_barHost.get(), "Shortcuts", place.Width(), IDC_OUTLOOK_BAR)) {
        m_barHost.reset();
        return false;
    }
    artwork::RegisterMainArtwork();
    m_icons.clear();
    for (int id = kFirstIcon; id <= kLastIcon; ++id) m_icons.push_back(ui::LoadIcon(id));
    m_wndBar.SetImageList(m_icons);
    AddViewPages(m_wndBar);
    return true;
}

void CViewLeft::FillFolderControl(int role) {
    if (role != kRoleGuideManagement && role != kRoleApplicantUnit) return;
    m_wndFolders.SetFolderAnimationDelay(kFolderAnimationDelayMs);
    m_wndFolders.SetIconAnimation(kIconAnimationMs);
    if (role == kRoleGuideManagement) {
        m_wndFolders.AddFolder("指南管理", 0);
        m_wndFolders.AddFolder("...", 1);
        m_wndFolders.InsertItem(0, -1, "五年指南", 0);
        m_wndFolders.InsertItem(0, -1, "年度指南", 1);
        m_wndFolders.SelectFolder(0);
        m_wndFolders.RemoveFolder(1);
    } else {
        m_wndFolders.AddFolder("...", 0);
        m_wndFolders.AddFolder("项目申报", 1);
        m_wndFolders.InsertItem(1, -1, "项目申请", 2);
        m_wndFolders.InsertItem(1, -1, "项目计划", 3);
        m_wndFolders.InsertItem(1, -1, "项目验收总结", 4);
        m_wndFolders.SelectFolder(1);
        m_wndFolders.RemoveFolder(0);
    }
}

void CViewLeft::FillPeriods() {
    m_comboPeriod.ResetContent();
    m_mapPeriod.clear();
    for (const Period& period : AllPeriods()) {
        m_comboPeriod.AddString(period.name);
        m_mapPeriod[period.name] = period.range;
    }
    const int index = PeriodIndexForYear(text::Atol(text::DateTime::Now().Format("%Y")));
    m_comboPeriod.SetCurSel(index);
    m_strPeriod = m_mapPeriod[m_comboPeriod.GetLBText(index)];
}

void CViewLeft::OnSelchangePeriod() {
    const int index = m_comboPeriod.GetCurSel();
    if (index < 0) return;
    m_strPeriod = m_mapPeriod[m_comboPeriod.GetLBText(index)];
    if (m_pMainWnd) m_pMainWnd->SendMessage(kPeriodMessage, WPARAM(index), 0);
}
