// A dialog with every control kind of the window layer, filled with sample
// data. Run it on a desktop:        ui_gallery
// or save a picture of it:          ui_gallery --screenshot gallery.png
#include <QApplication>
#include <QPainter>
#include <cstring>

#include "platform/ui/App.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Resources.h"

namespace {

constexpr int kLogo = 174;

const ui::DialogTemplate& GalleryTemplate() {
    using ui::Kind;
    static const ui::DialogTemplate t{10005, "控件一览", {0, 0, 420, 290}, {
        {Kind::GroupBox, IDC_STATIC, "查询条件", {7, 5, 260, 70}},
        {Kind::Static, IDC_STATIC, "单位代码：", {15, 20, 45, 10}},
        {Kind::Edit, 10000, "", {62, 18, 70, 13}, ES_UPPERCASE},
        {Kind::Static, IDC_STATIC, "单位名称：", {140, 20, 45, 10}},
        {Kind::Edit, 10002, "", {187, 18, 72, 13}},
        {Kind::Static, IDC_STATIC, "用户密码：", {15, 38, 45, 10}},
        {Kind::Edit, 10003, "", {62, 36, 70, 13}, ES_PASSWORD},
        {Kind::Static, IDC_STATIC, "选择时期：", {140, 38, 45, 10}},
        {Kind::ComboBox, 1048, "", {187, 36, 72, 80}, CBS_DROPDOWNLIST},
        {Kind::CheckBox, 10004, "只看本单位", {15, 56, 60, 12}},
        {Kind::RadioButton, 10005, "领域基金", {80, 56, 50, 12}, WS_GROUP},
        {Kind::RadioButton, 10006, "重点实验室", {135, 56, 60, 12}},
        {Kind::Picture, 10007, "#174", {275, 10, 60, 60}, SS_BITMAP},
        {Kind::Static, IDC_STATIC, "申请日期：", {275, 75, 45, 10}},
        {Kind::DateTimePicker, 5559, "", {320, 73, 90, 13}},
        {Kind::Static, IDC_STATIC, "起止年月：", {275, 92, 45, 10}},
        {Kind::DateTimePicker, 5560, "", {320, 90, 90, 13}},
        {Kind::ComboBox, 1052, "", {340, 10, 70, 80}, CBS_DROPDOWN | CBS_SORT, {"2010", "2008", "2006", "2009", "2007"}},
        {Kind::ListBox, 1053, "", {340, 28, 70, 40}, LBS_SORT, {"专业组", "实验室", "专家"}},
        {Kind::ListCtrl, 10006 + 100, "", {7, 110, 406, 110}, LVS_REPORT},
        {Kind::Static, IDC_STATIC, "摘要：", {7, 225, 40, 10}},
        {Kind::Edit, 10020, "", {45, 225, 220, 35}, ES_MULTILINE | ES_WANTRETURN},
        {Kind::Progress, 10021, "", {275, 225, 138, 10}},
        {Kind::Static, 10022, "", {275, 240, 138, 20}, SS_ETCHEDFRAME},
        {Kind::PushButton, 10008, "新增", {200, 268, 50, 15}},
        {Kind::PushButton, 10053, "删除", {255, 268, 50, 15}, WS_DISABLED},
        {Kind::DefPushButton, IDOK, "确定", {310, 268, 50, 15}},
        {Kind::PushButton, IDCANCEL, "退出", {363, 268, 50, 15}},
    }};
    return t;
}

class CDlgGallery : public ui::Dialog {
public:
    CDlgGallery() : ui::Dialog(GalleryTemplate()) {}

protected:
    BOOL OnInitDialog() override {
        ui::Dialog::OnInitDialog();
        SetBackgroundColor(RGB(232, 241, 250));
        auto* period = Item<ui::ComboBox>(1048);
        for (const char* name : {"十一五", "十二五", "十三五", "十四五", "十五五"}) period->AddString(name);
        period->SetCurSel(3);
        Item<ui::ComboBox>(1052)->SetCurSel(2);
        Item<ui::DateTimeCtrl>(5559)->SetFormat("yyyy/MM/dd");
        Item<ui::DateTimeCtrl>(5559)->SetTime(text::DateTime{2008, 3, 9});
        Item<ui::DateTimeCtrl>(5560)->SetFormat("yyyy/MM");
        Item<ui::DateTimeCtrl>(5560)->SetTime(text::DateTime{2010, 12, 1});

        auto* list = Item<ui::ListCtrl>(10106);
        list->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
        list->InsertColumn(0, "单位代码", LVCFMT_CENTER, 100);
        list->InsertColumn(1, "单位名称", LVCFMT_CENTER, 250);
        list->InsertColumn(2, "联系人", LVCFMT_CENTER, 100);
        const char* rows[][3] = {{"A001", "第一研究所", "张三"}, {"A002", "第二研究所", "李四"}, {"B017", "材料试验中心", "王五"}};
        for (const auto& row : rows) {
            const int i = list->InsertItem(list->GetItemCount(), row[0]);
            list->SetItemText(i, 1, row[1]);
            list->SetItemText(i, 2, row[2]);
        }
        list->SetCheck(1);
        list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);

        SetDlgItemText(10000, "A001");
        SetDlgItemText(10002, "第一研究所");
        SetDlgItemText(10003, "secret");
        SetDlgItemText(10020, "项目简介：\r\n研究内容与目标。");
        CheckDlgButton(10004, 1);
        CheckDlgButton(10005, 1);
        Item<ui::ProgressCtrl>(10021)->SetPos(60);
        return TRUE;
    }
};

// Our own artwork for the picture control.
const ui::ResourceRegistration artwork([] {
    QImage logo(96, 96, QImage::Format_RGB32);
    logo.fill(QColor(40, 90, 160));
    QPainter p(&logo);
    p.fillRect(16, 16, 64, 64, QColor(242, 246, 255));
    p.fillRect(32, 32, 32, 32, QColor(200, 40, 40));
    ui::RegisterBitmap(kLogo, logo);
});

}  // namespace

int main(int argc, char** argv) {
    ui::EnsureApplication(argc, argv);
    const char* screenshot = argc == 3 && std::strcmp(argv[1], "--screenshot") == 0 ? argv[2] : nullptr;
    CDlgGallery dlg;
    if (!screenshot) return dlg.DoModal() == IDOK ? 0 : 1;
    dlg.Create();
    dlg.ShowWindow(SW_SHOW);
    ui::PumpMessages();
    return dlg.GetWidget()->grab().save(QString::fromLocal8Bit(screenshot)) ? 0 : 2;
}
