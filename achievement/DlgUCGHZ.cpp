#include "achievement/DlgUCGHZ.h"

#include "application/ApplicationDb.h"
#include "foundation/ColumnLimits.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgUCGHZ, ui::FormView)

using unitchange::ControlKind;
using unitchange::Fields;

const ui::DialogTemplate& CDlgUCGHZ::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 741, 536}, {
        {Kind::Static, IDC_LIST_PLACE, "", {4, 4, 737, 124}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_FORM_PLACE, "", {4, 130, 737, 402}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return tpl;
}

CDlgUCGHZ::CDlgUCGHZ() : ui::FormView(Template()) {
    m_dlgForm.m_pList = &m_dlgList;
    m_dlgForm.m_onSave = [this](int update) {
        CollectInfo();
        SavetoDB(update);
    };
    m_dlgList.m_pPage1 = &m_dlgForm.m_dlgPage1;
    m_dlgList.m_pPage2 = &m_dlgForm.m_dlgPage2;
}

CDlgUCGHZ::~CDlgUCGHZ() = default;

std::optional<ui::CtlColor> CDlgUCGHZ::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}

void CDlgUCGHZ::OnInitialUpdate() {
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
    m_dlgForm.m_dlgPage1.m_pConnection = &m_connection;
    m_dlgForm.m_dlgPage2.m_pConnection = &m_connection;
    m_dlgForm.CreateOver(this, IDC_FORM_PLACE);
    m_dlgForm.ShowWindow(SW_SHOW);
    loadzd();
    LimitBoxes();
}

void CDlgUCGHZ::LimitBoxes() {
    std::vector<std::pair<int, std::string>> boxes[2];
    for (const unitchange::Field& field : Fields())
        if (field.kind == ControlKind::Edit) boxes[field.page - 1].emplace_back(field.controlId, field.column);
    const ColumnLimits limits(m_connection, unitchange::kTable);
    limits.LimitBoxes(m_dlgForm.m_dlgPage1, boxes[0]);
    limits.LimitBoxes(m_dlgForm.m_dlgPage2, boxes[1]);
}

UnitChangePage& CDlgUCGHZ::PageOf(int index) {
    if (Fields()[index].page == 1) return m_dlgForm.m_dlgPage1;
    return m_dlgForm.m_dlgPage2;
}

void CDlgUCGHZ::loadzd() {
    // The code tables in the order they are read.
    static const int kComboColumns[] = {5, 3, 4, 33};
    for (int index : kComboColumns) {
        const unitchange::Field& field = Fields()[index];
        auto* combo = PageOf(index).Item<ui::ComboBox>(field.controlId);
        if (!combo) continue;
        combo->ResetContent();
        for (const std::string& name : unitchange::CodeNames(m_connection, field.codeTable)) combo->AddString(name);
    }
}

void CDlgUCGHZ::CollectInfo() {
    for (int i = 0; i < unitchange::kColumnCount; ++i) m_strValues[i] = PageOf(i).ShownValue(i);
}

void CDlgUCGHZ::SavetoDB(int update) {
    if (!unitchange::SaveRecord(m_connection, m_strValues, update != 0)) {
        ui::MessageBox(db::FailureMessage(m_connection, unitchange::FailureMessage(m_connection, m_strValues, "数据保存失败！")),
                       "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    ui::MessageBox("保存成功！", "系统提示", MB_OK);
}
