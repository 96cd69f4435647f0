#include "achievement/DlgSCGZH.h"

#include "application/ApplicationDb.h"
#include "foundation/ColumnLimits.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

IMPLEMENT_DYNCREATE(CDlgSCGZH, ui::FormView)

using namespace resultchange;

const ui::DialogTemplate& CDlgSCGZH::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 576, 536}, {
        {Kind::Static, IDC_LIST_PLACE, "", {4, 4, 568, 124}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_FORM_PLACE, "", {4, 130, 568, 402}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return tpl;
}

CDlgSCGZH::CDlgSCGZH() : ui::FormView(Template()), m_dlgList(this), m_dlgForm(this) {
    m_dlgForm.m_pList = &m_dlgList;
    m_dlgForm.m_onSave = [this](int update) {
        CollectInfo();
        return SavetoDB(update) != FALSE;
    };
    m_dlgList.m_pInfo = &Info();
}

CDlgSCGZH::~CDlgSCGZH() = default;

std::optional<ui::CtlColor> CDlgSCGZH::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}

void CDlgSCGZH::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    m_strAppPath = sys::ProgramFolder();
    if (!appdb::Connect(m_connection)) {
        MessageBox("数据库连接失败");
        return;
    }
    appdb::Bind(m_recordset, m_connection);

    m_dlgList.m_pConnection = &m_connection;
    m_dlgList.CreateOver(this, IDC_LIST_PLACE);
    m_dlgList.ShowWindow(SW_SHOW);

    m_dlgForm.m_pConnection = &m_connection;
    Info().m_pConnection = &m_connection;
    Info().m_strAppPath = m_strAppPath;
    m_dlgForm.CreateOver(this, IDC_FORM_PLACE);
    m_dlgForm.ShowWindow(SW_SHOW);
    LoadRegulationTypes();
    std::vector<std::pair<int, std::string>> boxes;
    for (int index = 0; index < kFirstCheck; ++index)
        if (RichSlot(index) < 0) boxes.emplace_back(CDlgSCGZHInfo::ControlOf(index), Columns()[index]);
    ColumnLimits(m_connection, kMainTable).LimitBoxes(Info(), boxes);
}

void CDlgSCGZH::LoadRegulationTypes() {
    Info().m_arrGzzd = RegulationTypeNames(m_connection);
}

// ---- saving ----

void CDlgSCGZH::CollectInfo() {
    CDlgSCGZHInfo& info = Info();
    for (int index = 0; index < kFirstCheck; ++index) {
        const int slot = RichSlot(index);
        if (slot < 0) {
            m_strValues[index] = info.GetDlgItemText(CDlgSCGZHInfo::ControlOf(index));
            continue;
        }
        const std::string path = RichScratchPath(m_strAppPath, slot);
        info.RichEdit(slot).SaveRtfFile(path);
        m_strValues[index] = path;
    }
    for (int n = 1; n <= kCheckCount; ++n)
        m_strValues[kFirstCheck + n - 1] = CheckText(info.IsDlgButtonChecked(CDlgSCGZHInfo::CheckId(n)) != 0);
}

BOOL CDlgSCGZH::SavetoDB(int update) {
    const std::string number = m_strValues[0];
    const auto write = [&] { return WriteMainRow(update) && WriteChildRows(number); };
    // The record of the project loaded is written only while its application
    // is the one loaded; a number typed by hand is written as typed.
    const projectnumber::LoadedProject& loaded = m_dlgList.m_loaded;
    projectnumber::SaveResult result = projectnumber::SaveResult::Failed;
    if (loaded.IsLoaded() && projectnumber::SameNumber(loaded.number, number))
        result = projectnumber::SaveLoaded(m_connection, loaded, write);
    else if (db::InTransaction(m_connection, write))
        result = projectnumber::SaveResult::Saved;
    switch (result) {
    case projectnumber::SaveResult::Saved: return TRUE;
    case projectnumber::SaveResult::ChangedElsewhere: projectnumber::TellChangedElsewhere(); return FALSE;
    case projectnumber::SaveResult::Failed: break;
    }
    MessageBox(FailureText("数据保存失败！"), "提示", MB_OK | MB_ICONSTOP);
    return FALSE;
}

std::string CDlgSCGZH::FailureText(const std::string& failure) {
    const ColumnLimits limits(m_connection, kMainTable);
    for (int index = 0; index < kFirstCheck; ++index) {
        if (RichSlot(index) >= 0 || limits.FirstTooLong({{Columns()[index], m_strValues[index]}}).empty()) continue;
        return TooLongMessage(FieldLabel(Info(), CDlgSCGZHInfo::ControlOf(index)), limits.Of(Columns()[index]), failure);
    }
    return failure;
}

bool CDlgSCGZH::WriteMainRow(int update) {
    return resultchange::WriteMainRow(m_connection, m_strValues, update != 0);
}

bool CDlgSCGZH::WriteChildRows(const std::string& number) {
    std::array<GridRows, kChildCount> grids;
    for (int child = 0; child < kChildCount; ++child) grids[child] = Info().Grid(child).RowTexts();
    return resultchange::WriteChildRows(m_connection, number, grids);
}
