#include "exchange/export/DlgProjectExport.h"

#include <QPainter>

#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Resources.h"

IMPLEMENT_DYNCREATE(CDlgProjectExport, ui::FormView)

namespace {

// A rounded tile with a plain mark: an arrow out for export, dots for browse.
QImage ButtonPicture(QColor colour, bool browse) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker(140));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    if (browse) {
        for (int x : {9, 16, 23}) p.drawPoint(QPointF(x, 16));
    } else {
        p.drawLine(QPointF(8, 16), QPointF(23, 16));
        p.drawLine(QPointF(17, 10), QPointF(23, 16));
        p.drawLine(QPointF(17, 22), QPointF(23, 16));
    }
    return image;
}

// Painting needs the running application, so the pictures are registered on
// first use rather than when the library loads.
void EnsureButtonArtwork() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    ui::RegisterIcon(CDlgProjectExport::kExportIcon, ButtonPicture(QColor(0, 131, 143), false));
    ui::RegisterIcon(CDlgProjectExport::kBrowseIcon, ButtonPicture(QColor(21, 101, 192), true));
    ui::RegisterCursor(CDlgProjectExport::kHandCursor, Qt::PointingHandCursor);
}

// The buttons in data-exchange order, with their pictures.
struct ButtonLook {
    int id, image;
};
constexpr ButtonLook kButtons[13] = {
    {4087, 9008}, {4090, 9008}, {4093, 9008}, {4104, 9008}, {4084, 9008}, {4097, 9008}, {4088, 9007},
    {4091, 9007}, {4094, 9007}, {4105, 9007}, {4083, 9007}, {4099, 9007}, {4085, 32004},
};

}  // namespace

// ---- CDlgExpertCost ----

const ui::DialogTemplate& CDlgExpertCost::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "专家评审费计算方法", {0, 0, 200, 170}, {
        {Kind::ListCtrl, IDC_LIST, "", {7, 7, 186, 134}, WS_BORDER},
        {Kind::DefPushButton, IDOK, "确定", {75, 147, 50, 16}},
    }};
    return tpl;
}

CDlgExpertCost::CDlgExpertCost(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

BOOL CDlgExpertCost::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    ui::ListCtrl& list = *Item<ui::ListCtrl>(IDC_LIST);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, "评审份数", LVCFMT_CENTER, 80);
    list.InsertColumn(1, "评审费", LVCFMT_CENTER, 80);
    return TRUE;
}

// ---- CDlgConditionSetup ----

const ui::DialogTemplate& CDlgConditionSetup::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "导出条件设置", {0, 0, 330, 190}, {
        {Kind::Static, IDC_STATIC, "请选择单位", {7, 7, 100, 10}},
        {Kind::ListBox, IDC_UNITS, "", {7, 20, 100, 140}, LBS_SORT | WS_BORDER},
        {Kind::Static, IDC_STATIC, "请选择基金", {115, 7, 100, 10}},
        {Kind::ListBox, IDC_FUNDS, "", {115, 20, 100, 140}, LBS_SORT | WS_BORDER},
        {Kind::Static, IDC_STATIC, "请选择数据项", {223, 7, 100, 10}},
        {Kind::ListBox, IDC_ITEMS, "", {223, 20, 100, 140}, LBS_SORT | WS_BORDER},
        {Kind::DefPushButton, IDOK, "确定", {210, 167, 50, 16}},
        {Kind::PushButton, IDCANCEL, "取消", {270, 167, 50, 16}},
    }};
    return tpl;
}

CDlgConditionSetup::CDlgConditionSetup(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    SetBackgroundColor(RGB(232, 241, 250));
}

// ---- CDlgProjectExport ----

const ui::DialogTemplate& CDlgProjectExport::Template() {
    using ui::Kind;
    // One group of the form: its box at (x, y), the path row below its choices.
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 620, 420}, {
        {Kind::Picture, IDC_STATIC, "#4065", {10, 6, 295, 20}, SS_BITMAP},
        {Kind::Picture, IDC_STATIC, "#4063", {315, 6, 295, 20}, SS_BITMAP},
        {Kind::Picture, IDC_STATIC, "#4061", {10, 214, 295, 20}, SS_BITMAP},
        {Kind::Picture, IDC_STATIC, "#4059", {315, 214, 295, 20}, SS_BITMAP},

        {Kind::GroupBox, IDC_STATIC, "导出项目申请书", {10, 30, 295, 110}},
        {Kind::CheckBox, 4071, "一般基金", {20, 44, 60, 12}},
        {Kind::CheckBox, 4072, "重点基金", {90, 44, 60, 12}},
        {Kind::CheckBox, 4073, "重点实验室基金", {160, 44, 80, 12}},
        {Kind::RadioButton, 4077, "按类别", {20, 62, 60, 12}, WS_GROUP},
        {Kind::RadioButton, 4078, "按单位", {90, 62, 60, 12}},
        {Kind::RadioButton, 4079, "全部", {20, 80, 60, 12}, WS_GROUP},
        {Kind::RadioButton, 4080, "资助申请", {90, 80, 60, 12}},
        {Kind::Static, IDC_STATIC, "导出路径", {20, 100, 40, 12}},
        {Kind::Edit, 4082, "", {62, 98, 170, 14}, WS_GROUP},
        {Kind::PushButton, 4084, "", {236, 96, 20, 18}},
        {Kind::PushButton, 4083, "导出", {260, 96, 40, 18}},

        {Kind::GroupBox, IDC_STATIC, "导出专家评审费计算列表", {315, 30, 295, 50}},
        {Kind::Static, IDC_STATIC, "导出路径：", {325, 46, 40, 12}},
        {Kind::Edit, 4089, "", {367, 44, 165, 14}},
        {Kind::PushButton, 4090, "", {536, 42, 20, 18}},
        {Kind::PushButton, 4091, "导出", {560, 42, 40, 18}},
        {Kind::PushButton, 4085, "查看专家评审费计算方法", {325, 62, 120, 16}},

        {Kind::GroupBox, IDC_STATIC, "导出拨款清单", {315, 86, 295, 54}},
        {Kind::CheckBox, 4074, "一般基金", {325, 100, 60, 12}},
        {Kind::CheckBox, 4075, "重点基金", {395, 100, 60, 12}},
        {Kind::CheckBox, 4076, "重点实验室基金", {465, 100, 80, 12}},
        {Kind::Static, IDC_STATIC, "导出路径", {325, 120, 40, 12}},
        {Kind::Edit, 4092, "", {367, 118, 165, 14}},
        {Kind::PushButton, 4093, "", {536, 116, 20, 18}},
        {Kind::PushButton, 4094, "导出", {560, 116, 40, 18}},

        {Kind::GroupBox, IDC_STATIC, "导出重点基金项目计划表", {10, 146, 295, 60}},
        {Kind::Static, IDC_STATIC, "导出路径", {20, 162, 40, 12}},
        {Kind::Edit, 4086, "", {62, 160, 170, 14}},
        {Kind::PushButton, 4087, "", {236, 158, 20, 18}},
        {Kind::PushButton, 4088, "导出", {260, 158, 40, 18}},
        {Kind::PushButton, 4095, "导出条件设置", {20, 182, 80, 16}},

        {Kind::GroupBox, IDC_STATIC, "导出批复意见", {315, 146, 295, 60}},
        {Kind::Static, IDC_STATIC, "导出路径", {325, 162, 40, 12}},
        {Kind::Edit, 4096, "", {367, 160, 165, 14}},
        {Kind::PushButton, 4097, "", {536, 158, 20, 18}},
        {Kind::PushButton, 4099, "导出", {560, 158, 40, 18}},
        {Kind::PushButton, 4100, "导出条件设置", {325, 182, 80, 16}},

        {Kind::GroupBox, IDC_STATIC, "导出项目验收通知", {10, 238, 600, 90}},
        {Kind::CheckBox, 4081, "一般基金", {20, 252, 60, 12}},
        {Kind::CheckBox, 4101, "重点基金", {90, 252, 60, 12}},
        {Kind::CheckBox, 4102, "重点实验室基金", {160, 252, 80, 12}},
        {Kind::RadioButton, 4106, "按类别", {20, 270, 60, 12}, WS_GROUP},
        {Kind::RadioButton, 4107, "按单位", {90, 270, 60, 12}},
        {Kind::RadioButton, 4108, "全部", {20, 288, 60, 12}, WS_GROUP},
        {Kind::RadioButton, 4109, "资助申请", {90, 288, 60, 12}},
        {Kind::Static, IDC_STATIC, "导出路径", {20, 308, 40, 12}},
        {Kind::Edit, 4103, "", {62, 306, 170, 14}, WS_GROUP},
        {Kind::PushButton, 4104, "", {236, 304, 20, 18}},
        {Kind::PushButton, 4105, "导出", {260, 304, 40, 18}},
    }, WS_CHILD};
    return tpl;
}

CDlgProjectExport::CDlgProjectExport() : ui::FormView(Template()) {
    MapClicked(IDC_BTN_EXPERTCOST, [this] { OnBtnExpertcost(); });
    MapClicked(IDC_BTN_CONDITION, [this] { OnBtnConditionSetup(); });
    MapClicked(IDC_BTN_CONDITION2, [this] { OnBtnConditionSetup2(); });
}

void CDlgProjectExport::DoDataExchange(ui::DataExchange& dx) {
    ui::FormView::DoDataExchange(dx);
    for (int i = 0; i < 13; ++i) dx.Control(kButtons[i].id, m_btn[i]);
}

void CDlgProjectExport::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    for (int i = 0; i < 13; ++i) SetBTNType(m_btn[i], kButtons[i].image);
}

void CDlgProjectExport::SetBTNType(CButtonST& button, int image) {
    EnsureButtonArtwork();
    button.SetIcon(image);
    button.SetHandCursor(kHandCursor);
    button.SetColor(CButtonST::BTNST_COLOR_BK_IN, kButtonHover);
    button.SetColor(CButtonST::BTNST_COLOR_BK_OUT, kButtonNormal);
    button.SetColor(CButtonST::BTNST_COLOR_BK_FOCUS, kButtonNormal);
    if (image == kBrowseIcon) button.SetTooltipText("浏览");
}

void CDlgProjectExport::OnBtnExpertcost() {
    CDlgExpertCost dialog;
    dialog.DoModal();
}

void CDlgProjectExport::OnBtnConditionSetup() {
    CDlgConditionSetup dialog;
    dialog.DoModal();
}

void CDlgProjectExport::OnBtnConditionSetup2() {
    CDlgConditionSetup dialog;
    dialog.DoModal();
}

std::optional<ui::CtlColor> CDlgProjectExport::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_STATIC) return ui::CtlColor{kButtonNormal, std::nullopt, true};
    return ui::FormView::OnCtlColor(control, kind);
}
