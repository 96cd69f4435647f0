// Message maps, custom messages, update-UI handlers, timers and runtime
// classes (a view created from the record of another shared library).
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "platform/ui/App.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TestDriverGTest.h"
#include "viewlib/TestView.h"

using namespace ui;

namespace {

const DialogTemplate& PanelTemplate() {
    static const DialogTemplate t{205, "时期设置", {0, 0, 200, 100}, {
        {Kind::PushButton, 7020, "导入", {5, 5, 40, 14}},
        {Kind::PushButton, 7021, "导出", {50, 5, 40, 14}},
        {Kind::CheckBox, 7022, "显示", {95, 5, 40, 10}},
        {Kind::PushButton, 32803, "左", {5, 25, 20, 14}},
        {Kind::PushButton, 32804, "中", {30, 25, 20, 14}},
        {Kind::PushButton, 32805, "右", {55, 25, 20, 14}},
    }, WS_POPUP};
    return t;
}

class CPanel : public Dialog {
public:
    CPanel() : Dialog(PanelTemplate()) {
        MapClicked(7020, [this] { log.push_back("import"); });
        MapCommandRange(32803, 32805, [this](int id) { log.push_back("align " + std::to_string(id)); });
        MapMessage(WM_USER + 102, [this](WPARAM w, LPARAM l) {
            log.push_back("period " + std::to_string(w) + "," + std::to_string(l));
            return LRESULT(7);
        });
        MapUpdateUI(7021, [this](CmdUI& ui) { ui.Enable(canExport); });
        MapUpdateUI(7022, [this](CmdUI& ui) { ui.SetCheck(shown ? 1 : 0); });
    }
    std::vector<std::string> log;
    bool canExport = false;
    bool shown = true;
    std::vector<UINT_PTR> ticks;
    void MapClickedForTest(int id, std::function<void()> f) { MapClicked(id, std::move(f)); }

protected:
    void OnTimer(UINT_PTR id) override {
        ticks.push_back(id);
        KillTimer(id);
    }
};

TEST(MessageMapTest, ClicksAndCommandRangesReachTheirHandlers) {
    CPanel panel;
    panel.Create();
    panel.Click(7020);
    panel.Click(32804);
    panel.Click(7021);  // no handler: nothing happens
    EXPECT_EQ(panel.log, (std::vector<std::string>{"import", "align 32804"}));
    // A menu or tool button command routed by id.
    EXPECT_TRUE(panel.OnCmdMsg(32805, BN_CLICKED));
    EXPECT_FALSE(panel.OnCmdMsg(32806, BN_CLICKED));
    EXPECT_EQ(panel.log.back(), "align 32805");
}

TEST(MessageMapTest, CustomMessageArrivesWithItsParametersSentOrPosted) {
    CPanel panel;
    panel.Create();
    EXPECT_EQ(panel.SendMessage(WM_USER + 102, 3, 0), 7);
    EXPECT_EQ(panel.log, (std::vector<std::string>{"period 3,0"}));

    panel.PostMessage(WM_USER + 102, 4, 1777);
    EXPECT_EQ(panel.log.size(), 1u);  // not yet: posted messages wait for the loop
    PumpMessages();
    EXPECT_EQ(panel.log.back(), "period 4,1777");
    EXPECT_EQ(panel.SendMessage(WM_USER + 5, 1, 2), 0);  // unmapped
}

TEST(MessageMapTest, PostedMessageToAWindowThatIsGoneIsDropped) {
    auto panel = std::make_unique<CPanel>();
    panel->Create();
    panel->PostMessage(WM_USER + 102, 1, 1);
    panel.reset();
    PumpMessages();  // must not reach the destroyed object
    SUCCEED();
}

TEST(UpdateUITest, HandlersEnableAndCheckTheControls) {
    CPanel panel;
    panel.Create();
    panel.UpdateDialogControls();
    EXPECT_FALSE(panel.GetDlgItem(7021)->IsWindowEnabled());
    EXPECT_EQ(panel.IsDlgButtonChecked(7022), 1u);

    panel.canExport = true;
    panel.shown = false;
    panel.UpdateDialogControls();
    EXPECT_TRUE(panel.GetDlgItem(7021)->IsWindowEnabled());
    EXPECT_EQ(panel.IsDlgButtonChecked(7022), 0u);

    CmdUI state(7021);
    panel.canExport = false;
    EXPECT_TRUE(panel.OnUpdateCmdUI(state));
    EXPECT_FALSE(state.IsEnabled());
    CmdUI none(9999);
    EXPECT_FALSE(panel.OnUpdateCmdUI(none));
}

TEST(UpdateUITest, SettingACheckFromCodeFiresNoClick) {
    CPanel panel;
    panel.Create();
    panel.MapClickedForTest(7022, [&panel] { panel.log.push_back("clicked"); });
    panel.CheckDlgButton(7022, 1);
    panel.Item<Button>(7022)->SetCheck(0);
    EXPECT_TRUE(panel.log.empty());
    panel.Click(7022);
    EXPECT_EQ(panel.log, (std::vector<std::string>{"clicked"}));
    EXPECT_EQ(panel.IsDlgButtonChecked(7022), 1u);
}

TEST(TimerTest, DeliversOnTimerWithItsId) {
    CPanel panel;
    panel.Create();
    panel.SetTimer(5, 1);
    QElapsedTimer waited;
    waited.start();
    while (panel.ticks.empty() && waited.elapsed() < 5000) PumpMessages();
    EXPECT_EQ(panel.ticks, (std::vector<UINT_PTR>{5}));
}

TEST(RuntimeClassTest, CreatesAViewOfAnotherLibraryFromItsRecord) {
    const RuntimeClass* record = RUNTIME_CLASS(CTestView);
    EXPECT_STREQ(record->m_lpszClassName, "CTestView");
    EXPECT_EQ(RuntimeClass::FromName("CTestView"), record);
    EXPECT_TRUE(record->IsDerivedFrom(RUNTIME_CLASS(FormView)));
    EXPECT_TRUE(record->IsDerivedFrom(RUNTIME_CLASS(Wnd)));
    EXPECT_FALSE(RUNTIME_CLASS(Dialog)->IsDerivedFrom(record));

    std::unique_ptr<Object> object(record->CreateObject());
    auto* view = dynamic_cast<FormView*>(object.get());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetRuntimeClass(), record);
    EXPECT_TRUE(view->IsKindOf(RUNTIME_CLASS(Dialog)));

    CPanel frame;
    frame.Create();
    ASSERT_TRUE(view->CreateView(&frame, Rect{0, 0, 300, 200}));
    view->OnInitialUpdate();
    EXPECT_EQ(static_cast<CTestView*>(view)->initialUpdates, 1);
    EXPECT_EQ(view->GetParent(), &frame);
    EXPECT_EQ(view->GetDlgItemText(3130), "初始标题");
    EXPECT_EQ(RUNTIME_CLASS(Dialog)->CreateObject(), nullptr);  // not creatable
}

}  // namespace
