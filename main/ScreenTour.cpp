#include "main/ScreenTour.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
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

namespace {

constexpr int kPaintDelayMs = 900;

struct Step {
    std::string name;
    std::function<void()> action;  // may open a modal dialog: the picture closes it
};

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
        QTimer::singleShot(kPaintDelayMs, [self, step] { self->Picture(step); });
        steps_[step].action();
    }

private:
    void Picture(size_t step) {
        char number[8];
        std::snprintf(number, sizeof number, "%02zu-", step);
        QString name = QString::fromStdString(number + steps_[step].name).replace('/', '_');
        if (QScreen* screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(QDir(QString::fromStdString(folder_)).filePath(name + ".png"));
        // Closes what the step left open: dialogs, modal or not, and message boxes.
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
