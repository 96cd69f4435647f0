// The frame window with its menu bar, status bar, outlook bar and view slot.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/OutlookBar.h"
#include "platform/ui/StatusBar.h"

namespace {

constexpr int kViewCommand = 100, kFrameCommand = 101, kAppCommand = 102, kSharedCommand = 103, kUnhandled = 104,
              kRuledCommand = 105;

class TestView : public ui::FormView {
public:
    TestView() : ui::FormView(ui::DialogTemplate{1, "", {0, 0, 50, 30}, {}, WS_CHILD}) {
        MapClicked(kViewCommand, [this] { log.push_back("view"); });
        MapClicked(kSharedCommand, [this] { log.push_back("view shared"); });
        ++alive;
    }
    ~TestView() override { --alive; }
    std::vector<std::string> log;
    static inline int alive = 0;
};

class TestFrame : public ui::FrameWnd {
public:
    TestFrame() {
        MapClicked(kFrameCommand, [this] { log.push_back("frame"); });
        MapClicked(kSharedCommand, [this] { log.push_back("frame shared"); });
        MapClicked(kRuledCommand, [this] { log.push_back("ruled"); });
        MapUpdateUI(kRuledCommand, [this](ui::CmdUI& state) { state.Enable(ruleAllows); });
    }
    void OnClose() override {
        ++closeRequests;
        if (allowClose) ui::FrameWnd::OnClose();
    }
    std::vector<std::string> log;
    bool ruleAllows = false, allowClose = false;
    int closeRequests = 0;

protected:
    int OnCreate() override {
        if (!menu.Create(this) || !status.Create(this) || !outlook.Create(this, "Shortcuts", 130, 108)) return -1;
        const int file = menu.AddMenu("文件");
        for (int id : {kViewCommand, kFrameCommand, kAppCommand}) menu.AppendItem(file, id, "item " + std::to_string(id));
        menu.AppendSeparator(file);
        for (int id : {kUnhandled, kRuledCommand}) menu.AppendItem(file, id, "item " + std::to_string(id));
        menu.AppendContextItem(kFrameCommand, "context");
        return 0;
    }

public:
    ui::MenuBar menu;
    ui::StatusBar status;
    ui::OutlookBar outlook;
};

class TestApp : public ui::App {
public:
    TestApp() { MapClicked(kAppCommand, [this] { handled = true; }); }
    bool handled = false;
};

struct FrameFixture : ::testing::Test {
    FrameFixture() {
        EXPECT_TRUE(frame.Create("frame", {0, 0, 600, 400}));
        frame.ShowWindow(SW_SHOW);
    }
    // A view in the slot, made the active one.
    TestView* AddView() {
        auto view = std::make_unique<TestView>();
        TestView* raw = view.get();
        EXPECT_TRUE(raw->CreateView(frame.GetViewParent(), {}));
        raw->SetDlgCtrlID(ui::FrameWnd::kPaneFirstId);
        frame.AdoptView(std::move(view));
        frame.SetActiveView(raw);
        frame.RecalcLayout();
        return raw;
    }
    TestApp app;
    TestFrame frame;
};

}  // namespace

TEST_F(FrameFixture, CommandsGoToTheViewThenTheFrameThenTheApplication) {
    TestView* view = AddView();
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(kSharedCommand, 0));
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(kFrameCommand, 0));
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(kAppCommand, 0));
    EXPECT_EQ(view->log, (std::vector<std::string>{"view shared"}));
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame"}));
    EXPECT_TRUE(app.handled);
}

TEST_F(FrameFixture, MenuItemsWithoutHandlerOrRefusedByTheirRuleAreDisabled) {
    AddView();
    struct Case {
        int id;
        bool enabled;
    } cases[] = {{kViewCommand, true}, {kFrameCommand, true}, {kAppCommand, true}, {kUnhandled, false},
                 {kRuledCommand, false}, {999, false}};
    for (const Case& c : cases) EXPECT_EQ(frame.menu.IsItemEnabled(c.id), c.enabled) << c.id;
    EXPECT_FALSE(frame.menu.ChooseItem(kRuledCommand));
    EXPECT_TRUE(frame.log.empty());
    frame.ruleAllows = true;
    EXPECT_TRUE(frame.menu.ChooseItem(kRuledCommand));
    EXPECT_EQ(frame.log, (std::vector<std::string>{"ruled"}));

    const auto items = frame.menu.GetItems(0);
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[3].id, 0);  // the separator
    EXPECT_EQ(frame.menu.GetContextItems().size(), 1u);
}

TEST_F(FrameFixture, ItemChosenByTheUserIsHandledFromTheEventLoop) {
    QAction* item = nullptr;
    for (QMenu* menu : frame.MainWindow()->menuBar()->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->data().toInt() == kFrameCommand) item = action;
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_TRUE(frame.log.empty());
    ui::PumpMessages();
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame"}));
}

TEST_F(FrameFixture, StatusPanesKeepWidthsAndTextsWithoutWideningTheWindow) {
    ASSERT_TRUE(frame.status.SetIndicators({0, 57345, 57346}));
    EXPECT_EQ(frame.status.GetCount(), 3);
    EXPECT_EQ(frame.status.CommandToIndex(57346), 2);
    EXPECT_EQ(frame.status.CommandToIndex(1), -1);
    for (int pane = 0; pane < 3; ++pane) {
        frame.status.SetPaneWidth(pane, 400);  // 1200 in all, wider than the window
        frame.status.SetPaneText(pane, "pane " + std::to_string(pane));
    }
    ui::PumpMessages();
    EXPECT_EQ(frame.status.GetPaneWidth(1), 400);
    EXPECT_EQ(frame.status.GetPaneText(2), "pane 2");
    EXPECT_EQ(frame.GetWidget()->width(), 600);
}

TEST_F(FrameFixture, OutlookButtonsSendTheirCommandsFromTheOpenPage) {
    ui::OutlookBar& bar = frame.outlook;
    const int first = bar.AddPage(1, "甲", 0), second = bar.AddPage(2, "乙", 1);
    bar.AddButton(first, 0, "frame", kFrameCommand);
    bar.AddButton(second, 1, "app", kAppCommand);
    bar.SetActivePage(first);
    EXPECT_EQ(bar.GetPageCount(), 2);
    EXPECT_EQ(bar.GetPageName(second), "乙");
    EXPECT_EQ(bar.GetPagePaneId(second), 2);
    EXPECT_FALSE(bar.ClickButton(kAppCommand));  // its page is closed
    EXPECT_FALSE(app.handled);
    EXPECT_TRUE(bar.ClickButton(kFrameCommand));
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame"}));

    // A click of the user arrives from the event loop.
    QToolButton* button = bar.GetWidget()->findChild<QToolButton*>();
    ASSERT_NE(button, nullptr);
    button->click();
    ui::PumpMessages();
    EXPECT_EQ(frame.log.size(), 2u);
}

TEST_F(FrameFixture, ViewFillsTheSlotAndDiesWithTheFrame) {
    const int before = TestView::alive;
    TestView* view = AddView();
    EXPECT_EQ(frame.GetPaneView(), view);
    EXPECT_EQ(view->GetClientRect(), frame.GetViewParent()->GetClientRect());
    frame.GetWidget()->resize(700, 500);
    ui::PumpMessages();
    EXPECT_EQ(view->GetClientRect(), frame.GetViewParent()->GetClientRect());

    frame.DestroyView(view);
    EXPECT_EQ(frame.GetActiveView(), nullptr);
    EXPECT_EQ(TestView::alive, before);
    AddView();
    frame.DestroyWindow();
    EXPECT_EQ(TestView::alive, before);
    EXPECT_FALSE(frame.IsWindow());
}

TEST_F(FrameFixture, CloseButtonAsksTheFrameLater) {
    QCloseEvent event;
    QCoreApplication::sendEvent(frame.GetWidget(), &event);
    EXPECT_EQ(frame.closeRequests, 0);
    ui::PumpMessages();
    EXPECT_EQ(frame.closeRequests, 1);
    EXPECT_TRUE(frame.IsWindow());  // refused
    frame.allowClose = true;
    QCoreApplication::sendEvent(frame.GetWidget(), &event);
    ui::PumpMessages();
    EXPECT_FALSE(frame.IsWindow());
}
