#include "main/ScreenTour.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "main/Commands.h"
#include "main/CurrentUser.h"
#include "main/MainFrame.h"
#include "main/MenuLayout.h"
#include "main/OutlookLayout.h"
#include "platform/ui/TabWnd.h"

namespace {

constexpr int kPaintDelayMs = 900;

struct Step {
    std::string name;
    std::function<void()> action;  // may open a modal dialog: the picture closes it
    // Run one after the other once the action has painted (inside the
    // dialog it opened, if any), as the user's next clicks: the picture
    // waits for them.
    std::vector<std::function<void()>> then;
};

// The visible button of `root` whose caption or tooltip is `label`, after
// showing the tab page that holds it.
QAbstractButton* ButtonLabelled(QWidget* root, const QString& label) {
    const auto find = [&]() -> QAbstractButton* {
        for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled() && (button->text() == label || button->toolTip().contains(label)))
                return button;
        return nullptr;
    };
    if (QAbstractButton* button = find()) return button;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (auto* tabs = dynamic_cast<ui::TabWnd*>(ui::Wnd::FromWidget(w)))
            for (int tab = 0; tab < tabs->GetTabsNum(); ++tab) {
                tabs->SetActiveTab(tab);
                if (QAbstractButton* button = find()) return button;
            }
    return nullptr;
}

// Clicks the button as the user does; nothing when the window has none.
void ClickLabelled(QWidget* root, const char* label) {
    if (!root) return;
    if (QAbstractButton* button = ButtonLabelled(root, QString::fromUtf8(label))) button->click();
}

QWidget* PaneView(CMainFrame& frame) {
    ui::Wnd* view = frame.GetPaneView();
    return view ? view->GetWidget() : nullptr;
}

// Selects the first row of the window's lists, as the user's click does.
void ChooseFirstRow(QWidget* root) {
    if (!root) return;
    for (QAbstractItemView* list : root->findChildren<QAbstractItemView*>()) {
        if (!list->isVisible() || !list->model() || list->model()->rowCount() == 0) continue;
        const QModelIndex first = list->model()->index(0, 0);
        list->setCurrentIndex(first);
        list->selectionModel()->select(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

// Turns the wheel over the view until it scrolls no further: its bottom.
void ScrollToBottom(QWidget* view) {
    if (!view) return;
    for (int turn = 0; turn < 100; ++turn) {
        QWheelEvent wheel(QPointF(view->width() / 2, view->height() / 2), view->mapToGlobal(view->rect().center()).toPointF(),
                          {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
    }
}

// Commands of the menus that open no dialog of the program: documents handed
// to the desktop, and the end of the program.
bool OpensDialog(int command) {
    for (int other : {cmd::kAppExit, 32876, 32901, 32904})
        if (command == other) return false;
    return true;
}

std::vector<Step> StepsFor(CMainFrame& frame) {
    std::vector<Step> steps{{"main", [] {}}};
    const auto& groups = OutlookGroupsForRole(UserRole);
    for (int page = 0; page < int(groups.size()); ++page)
        for (const OutlookButtonSpec& button : groups[page].buttons)
            steps.push_back({button.text, [&frame, page, command = button.command] {
                                 frame.GetOutlookBar().SetActivePage(page);
                                 frame.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
                             }});
    for (const MenuSpec& menu : MenusForRole(UserRole))
        for (const MenuItemSpec& item : menu.items)
            if (item.command && OpensDialog(item.command))
                steps.push_back({menu.title + "-" + item.text, [&frame, command = item.command] {
                                     frame.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
                                 }});
    steps.push_back({"自定义", [&frame] { frame.GetMenuBar().ChooseItem(cmd::kViewCustomize); }});

    // What the user sees after the first clicks in a view or a list: the
    // bottom of the long achievement-transfer form, a new annual guide, a
    // file chooser, the progress reports' import and the unit editor.
    const auto view = [&frame, &groups](int command) -> std::function<void()> {
        for (int page = 0; page < int(groups.size()); ++page)
            for (const OutlookButtonSpec& button : groups[page].buttons)
                if (button.command == command)
                    return [&frame, page, command] {
                        frame.GetOutlookBar().SetActivePage(page);
                        frame.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
                    };
        return {};
    };
    if (auto open = view(cmd::kAchievement))
        steps.push_back({"成果转化-底部", open, {[&frame] { ScrollToBottom(PaneView(frame)); }}});
    // 新增, then the five-year guide it starts from (the first one listed).
    if (auto open = view(cmd::kAnnualGuide))
        steps.push_back({"年度指南-新增", open,
                         {[&frame] { ClickLabelled(PaneView(frame), "新增"); },
                          [] {
                              QWidget* picker = QApplication::activeModalWidget();
                              ChooseFirstRow(picker);
                              ClickLabelled(picker, "确定");
                          }}});
    if (auto open = view(cmd::kApplication))
        steps.push_back({"项目申请-文件选择", open, {[&frame] { ClickLabelled(PaneView(frame), "从txt文件导入"); }}});
    // The progress reports' 导入: the folder chooser it opens.
    if (auto open = view(cmd::kProgressReport))
        steps.push_back({"阶段进展报告-导入", open, {[&frame] { ClickLabelled(PaneView(frame), "导入"); }}});
    for (const MenuSpec& menu : MenusForRole(UserRole))
        for (const MenuItemSpec& item : menu.items)
            if (item.command == cmd::kUnitManage || item.command == cmd::kUnitManageGuideRole)
                steps.push_back({"单位信息管理-新增",
                                 [&frame, command = item.command] { frame.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0)); },
                                 {[] { ClickLabelled(QApplication::activeModalWidget(), "新增"); }}});
    return steps;
}

class Tour : public std::enable_shared_from_this<Tour> {
public:
    Tour(CMainFrame& frame, std::string folder) : steps_(StepsFor(frame)), folder_(std::move(folder)) {}

    void Run(size_t step) {
        if (step >= steps_.size()) {
            QApplication::exit(0);
            return;
        }
        auto self = shared_from_this();
        // The picture is taken after the step has painted, whether or not the
        // step waits in a modal dialog meanwhile; it then moves on.
        QTimer::singleShot(kPaintDelayMs, [self, step] { self->Then(step, 0); });
        steps_[step].action();
    }

private:
    // The step's next click, or its picture after the last.
    void Then(size_t step, size_t click) {
        if (click >= steps_[step].then.size()) {
            Picture(step);
            return;
        }
        auto self = shared_from_this();
        QTimer::singleShot(kPaintDelayMs, [self, step, click] { self->Then(step, click + 1); });
        steps_[step].then[click]();  // may wait in a dialog it opens
    }

    void Picture(size_t step) {
        char number[8];
        std::snprintf(number, sizeof number, "%02zu-", step);
        QString name = QString::fromStdString(number + steps_[step].name).replace('/', '_');
        if (QScreen* screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(QDir(QString::fromStdString(folder_)).filePath(name + ".png"));
        // Closes what the step left open: dialogs, modal or not, and message
        // boxes, the innermost modal one first.
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (!modal->close()) break;
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->windowFlags().testFlag(Qt::Dialog)) window->close();
        auto self = shared_from_this();
        QTimer::singleShot(200, [self, step] { self->Run(step + 1); });
    }

    std::vector<Step> steps_;
    std::string folder_;
};

}  // namespace

std::string ScreenTourFolder() {
    const char* folder = std::getenv("CORVANE_SCREENSHOTS");
    return folder ? folder : "";
}

void StartScreenTour(CMainFrame& frame, const std::string& folder) {
    QDir().mkpath(QString::fromStdString(folder));
    auto tour = std::make_shared<Tour>(frame, folder);
    QTimer::singleShot(kPaintDelayMs, [tour] { tour->Run(0); });
}
