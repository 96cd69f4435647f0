// What the user sees of every view: each outlook button's and exchange
// command's view of each role, made at the frame's pane size, is checked for
// drawn buttons, controls kept inside their parents, controls that do not
// cover one another, labels whose text fits, buttons that lie within the
// pane's width, and no sideways scroll bar at the window's designed width;
// the dialogs the views, their lists and the menus open are checked alike.
#include "MainTestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>
#include <QWidget>
#include <set>

#include "main/Commands.h"
#include "main/CustomizeSheet.h"
#include "main/MenuLayout.h"
#include "main/ViewTable.h"
#include "main/OutlookLayout.h"
#include "platform/ui/TabWnd.h"

namespace {

std::string Describe(const ui::Wnd& control) {
    return std::to_string(control.GetDlgCtrlID()) + " \"" + control.GetWindowText() + "\"";
}

// Visible window-layer controls directly inside `parent`, those of the page
// stack of a tab window included (the shown page).
std::vector<ui::Wnd*> VisibleChildren(QWidget* parent) {
    std::vector<ui::Wnd*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible()) continue;
        if (ui::Wnd* wnd = ui::Wnd::FromWidget(child)) children.push_back(wnd);
        else if (qobject_cast<QStackedWidget*>(child))
            for (ui::Wnd* page : VisibleChildren(child)) children.push_back(page);
    }
    return children;
}

// Containers drawn under the controls they hold: group boxes and frames.
bool IsContainer(const ui::Wnd& control) {
    const QWidget* w = control.GetWidget();
    if (w->inherits("QGroupBox")) return true;
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && label->text().isEmpty() && label->pixmap().isNull();
}

// Controls that a template places over each other on purpose, by the id of
// the window holding them: buttons shown by role in one place, and the
// formatting bar over the band that the tab window's pages leave free.
struct OverlapByDesign {
    int parent, first, second;
};
constexpr int kAnyParent = 0, kFormatBar = 0xE800, kTabWindow = 5007;
constexpr OverlapByDesign kOverlapsByDesign[] = {
    {5600, 5145, 5148},  // 导入申请书文档 / 保存申请书文档
    {5600, 5146, 5149},  // 查看附件 (stored) / 查看附件 (folder)
    {kAnyParent, kTabWindow, kFormatBar},
};

bool OverlapsByDesign(int parent, int a, int b) {
    for (const OverlapByDesign& o : kOverlapsByDesign)
        if ((o.parent == kAnyParent || o.parent == parent) &&
            ((o.first == a && o.second == b) || (o.first == b && o.second == a)))
            return true;
    return false;
}

// The visible controls holding no others, inside `control`, in the
// coordinates of `control`'s parent.
std::vector<QRect> VisibleLeaves(QWidget* control) {
    std::vector<QRect> leaves;
    for (QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible()) continue;
        std::vector<QRect> inner;
        if (qobject_cast<QStackedWidget*>(child)) {
            inner = VisibleLeaves(child);  // the shown page's, already where the stack lies
        } else if (ui::Wnd* wnd = ui::Wnd::FromWidget(child)) {
            inner = VisibleLeaves(child);
            if (inner.empty() && !IsContainer(*wnd)) inner.push_back(child->geometry());
        }
        for (const QRect& leaf : inner) leaves.push_back(leaf.translated(control->pos()));
    }
    return leaves;
}

bool IsOwnerDrawn(const ui::Wnd& control) {
    return qobject_cast<QAbstractButton*>(control.GetWidget()) &&
           (control.GetStyle() & BS_TYPEMASK) == BS_OWNERDRAW;
}

// More than one colour in what the button paints.
bool PaintsSomething(QWidget* button) {
    const QImage image = button->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() && colours.size() < 2; ++x) colours.insert(image.pixel(x, y));
    return colours.size() > 1;
}

// The height the text's glyphs take, those of a fallback font included.
int TextHeight(const QFontMetrics& metrics, const QString& text) {
    return std::max(metrics.height(), metrics.boundingRect(text).height());
}

// The room a label's text takes in the label's font.
QSize TextNeeds(const QLabel& label) {
    const QFontMetrics metrics(label.font());
    if (!label.wordWrap()) return {metrics.horizontalAdvance(label.text()), metrics.height()};
    return metrics.boundingRect(QRect(0, 0, label.contentsRect().width(), 10000), Qt::TextWordWrap, label.text()).size();
}

bool TextFits(const QLabel& label) {
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText) return true;
    const QSize needed = TextNeeds(label), room = label.contentsRect().size();
    return needed.width() <= room.width() && needed.height() <= room.height();
}

int ownerDrawnSeen = 0;  // over all views

// Checks one window and, depth first, every child window it holds.
void CheckLayout(QWidget* parent, const std::string& where, bool isView) {
    const std::vector<ui::Wnd*> children = VisibleChildren(parent);
    for (ui::Wnd* control : children) {
        QWidget* w = control->GetWidget();
        SCOPED_TRACE(where + " / " + Describe(*control));
        if (IsOwnerDrawn(*control)) {
            ++ownerDrawnSeen;
            EXPECT_TRUE(PaintsSomething(w)) << "an owner-drawn button paints nothing";
        }
        // A view scrolls to every control; any other window clips them.
        if (!isView) {
            EXPECT_TRUE(parent->rect().contains(w->geometry()))
                << "outside its parent: " << w->geometry().x() << "," << w->geometry().y() << " "
                << w->width() << "x" << w->height() << " in " << parent->width() << "x" << parent->height();
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_TRUE(TextFits(*label)) << "clipped text: " << label->width() << "x" << label->height() << " for "
                                                 << TextNeeds(*label).width() << "x" << TextNeeds(*label).height();
        }
        CheckLayout(w, where + " / " + std::to_string(control->GetDlgCtrlID()), false);
    }
    for (size_t i = 0; i < children.size(); ++i)
        for (size_t j = i + 1; j < children.size(); ++j) {
            const ui::Wnd& a = *children[i];
            const ui::Wnd& b = *children[j];
            if (IsContainer(a) || IsContainer(b)) continue;
            const QRect placeA = a.GetWidget()->geometry(), placeB = b.GetWidget()->geometry();
            if (!OverlapsByDesign(ui::Wnd::FromWidget(parent)->GetDlgCtrlID(), a.GetDlgCtrlID(), b.GetDlgCtrlID())) {
                EXPECT_FALSE(placeA.intersects(placeB)) << where << ": " << Describe(a) << " overlaps " << Describe(b);
                continue;
            }
            // Placed together on purpose: still nothing inside one covers the other.
            for (auto [outer, other] : {std::pair{&a, placeB}, std::pair{&b, placeA}})
                for (const QRect& leaf : VisibleLeaves(outer->GetWidget()))
                    EXPECT_FALSE(leaf.intersects(other)) << where << ": a control inside " << Describe(*outer)
                                                         << " lies under its neighbour at " << leaf.x() << ","
                                                         << leaf.y() << " " << leaf.width() << "x" << leaf.height();
        }
}

// The width of the view's pane that shows controls: the pane less the
// vertical scroll bar when it shows.
int ShownWidth(QWidget* view) {
    int width = view->width();
    for (QScrollBar* bar : view->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
        if (bar->orientation() == Qt::Vertical && bar->isVisibleTo(view)) width -= bar->width();
    return width;
}

// Every button the view shows lies whole within its pane's width: no command
// is reached only by scrolling sideways.
void CheckCommandsInPane(QWidget* view, const std::string& where) {
    const int shown = ShownWidth(view);
    for (QAbstractButton* button : view->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(view) || !ui::Wnd::FromWidget(button)) continue;
        const QRect place(button->mapTo(view, QPoint(0, 0)), button->size());
        EXPECT_LE(place.right(), shown - 1) << where << " / " << Describe(*ui::Wnd::FromWidget(button))
                                            << " reaches x " << place.right() << " past the pane's " << shown;
    }
}

// The height of the view's pane that shows controls: the pane less the
// horizontal scroll bar when it shows.
int ShownHeight(QWidget* view) {
    int height = view->height();
    for (QScrollBar* bar : view->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
        if (bar->orientation() == Qt::Horizontal && bar->isVisibleTo(view)) height -= bar->height();
    return height;
}

using ViewLayout = MainWindowTest;

TEST_F(ViewLayout, EveryViewOfEveryRoleIsDrawnWhole) {
    ForEachView([](const std::string& where, ui::Wnd& view) {
        CheckLayout(view.GetWidget(), where, true);
        CheckCommandsInPane(view.GetWidget(), where);
    });
    EXPECT_GT(ownerDrawnSeen, 50);  // the views were really made, with their buttons
}

// The designed window (1270 x 850), and the same width on a 1366x768 screen
// whose window manager leaves a 1366x740 work area: the views fit the pane's
// width, with the vertical scroll bar where one shows, so no sideways scroll
// bar appears.
TEST_F(ViewLayout, NoViewNeedsASidewaysScrollBarAtTheDesignedWidth) {
    for (const InstalledUser& user : kInstalledUsers)
        for (const ui::Rect workArea : {ui::Rect{0, 0, 1920, 1080}, ui::Rect{0, 0, 1366, 740}}) {
            CMainFrame& main = OpenFrame(user.role, user.name);
            PlaceMainWindow(main, workArea);
            for (const auto& [name, command] : ViewCommands(user.role)) {
                const std::string where = std::string(user.name) + " " + name + " in " +
                                          std::to_string(workArea.Width()) + "x" +
                                          std::to_string(workArea.Height());
                main.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
                ui::Wnd* view = main.GetPaneView();
                ASSERT_NE(view, nullptr) << where;
                QWidget* pane = view->GetWidget();
                EXPECT_EQ(ShownHeight(pane), pane->height())
                    << where << ": a sideways scroll bar under a view " << pane->width() << "x"
                    << pane->height() << " px";
            }
            frame.reset();
        }
}

// The commands of a list or form that open an editor or a picker.
bool OpensEditorOrPicker(QAbstractButton* button) {
    static const QStringList kLabels{"新增", "修改", "增加", "添加", "选择", "浏览", "查询", "查找"};
    const QString text = button->text().isEmpty() ? button->toolTip() : button->text();
    for (const QString& label : kLabels)
        if (text.contains(label)) return true;
    return false;
}

// Presses, in `window`, every shown command that opens an editor or a picker.
void PressEditorCommands(QWidget* window) {
    std::vector<QPointer<QAbstractButton>> buttons;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(window) && button->isEnabled() && OpensEditorOrPicker(button)) buttons.emplace_back(button);
    for (const QPointer<QAbstractButton>& button : buttons)
        if (button && button->isVisibleTo(window) && button->isEnabled()) button->click();
}

// The editors and pickers that each view's lists and forms open (新增, 修改,
// 选择, 浏览, 查询...), the dialogs of the menus with the editors their lists
// open, and those these open in turn, are drawn whole at their dialog units:
// every label's text fits, controls lie inside their parents and do not
// cover one another. The driver answers every question as closed and hands
// each dialog to the check.
TEST_F(ViewLayout, TheDialogsOpenedFromEveryViewAndListAreDrawnWhole) {
    std::set<std::string> seen;
    int depth = 0;
    std::string where;
    driver.AnswerTheRest([&](ui::Dialog& dialog) {
        const std::string name = std::to_string(dialog.GetTemplate().id) + " " + dialog.GetTemplate().caption;
        seen.insert(name);
        CheckLayout(dialog.GetWidget(), where + " / " + name, false);
        if (++depth <= 2 && dialog.IsRunningModal()) PressEditorCommands(dialog.GetWidget());
        --depth;
        if (dialog.IsRunningModal()) dialog.EndDialog(IDCANCEL);
    });
    driver.SetShellOpensSucceed(false);
    ASSERT_TRUE(sys::CopyFile(REAL_DUNMERE, PathOf("libDunmere.so")));
    for (const InstalledUser& user : kInstalledUsers) {
        CMainFrame& main = OpenFrame(user.role, user.name);
        for (const auto& [name, command] : ViewCommands(user.role)) {
            where = std::string(user.name) + " " + name;
            main.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
            ui::Wnd* view = main.GetPaneView();
            ASSERT_NE(view, nullptr) << where;
            PressEditorCommands(view->GetWidget());
        }
        for (const MenuSpec& menu : MenusForRole(user.role))
            for (const MenuItemSpec& item : menu.items) {
                // The end of the program and documents handed to the desktop.
                if (item.command == cmd::kAppExit || item.command == cmd::kHelpManual ||
                    item.command == cmd::kApplicationTemplate || item.command == cmd::kResearchTemplate)
                    continue;
                where = std::string(user.name) + " " + menu.title + "-" + item.text;
                main.SendMessage(WM_COMMAND, MAKEWPARAM(item.command, 0));
            }
        frame.reset();
    }
    std::string names;
    for (const std::string& name : seen) names += name + "; ";
    EXPECT_GE(seen.size(), 25u) << "the dialogs reached: " << names;
}

// The achievement-transfer form, long and filled in from top to bottom,
// fits the pane's width on a 1024x768 screen: it scrolls only vertically.
TEST_F(ViewLayout, TheAchievementTransferFormScrollsOnlyVerticallyOnA1024x768Screen) {
    CMainFrame& main = OpenFrame(2, "jjb");
    PlaceMainWindow(main, {0, 0, 1024, 740});
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kAchievement, 0));
    ui::Wnd* view = main.GetPaneView();
    ASSERT_NE(view, nullptr);
    QWidget* pane = view->GetWidget();
    ASSERT_LT(pane->width(), 900);
    EXPECT_EQ(ShownHeight(pane), pane->height()) << "a sideways scroll bar under a view " << pane->width() << " px wide";
    EXPECT_LT(ShownWidth(pane), pane->width()) << "the form scrolls vertically";
}

// What lies below the pane's shown height in the view, among its buttons and
// the tabs of its tab windows.
void CheckShownWithoutScrolling(QWidget* pane, const std::string& where) {
    const int shown = ShownHeight(pane);
    for (QWidget* w : pane->findChildren<QWidget*>()) {
        ui::Wnd* wnd = ui::Wnd::FromWidget(w);
        if (!wnd || !w->isVisibleTo(pane)) continue;
        QRect place;
        if (auto* tabs = dynamic_cast<ui::TabWnd*>(wnd); tabs && tabs->GetTabsNum() > 0) {
            const ui::Rect strip = tabs->GetTabRect(0);
            place = QRect(QPoint(strip.left, strip.top), QPoint(strip.right - 1, strip.bottom - 1));
        } else if (qobject_cast<QAbstractButton*>(w)) {
            place = w->rect();
        } else {
            continue;
        }
        place.translate(w->mapTo(pane, QPoint(0, 0)));
        EXPECT_LE(place.bottom(), shown - 1) << where << " / " << Describe(*wnd) << " reaches y " << place.bottom()
                                             << " below the pane's " << shown;
    }
}

// On a 1366x768 screen whose window manager leaves a 1366x740 work area, the
// guide editors and the application writer show, on each of their pages, the
// chapter tabs and the page's commands without scrolling.
TEST_F(ViewLayout, TheEditorsShowTheirTabsAndCommandsOnA1366x768Screen) {
    CMainFrame& main = OpenFrame(2, "jjb");
    PlaceMainWindow(main, {0, 0, 1366, 740});
    for (int command : {cmd::kFiveYearGuide, cmd::kAnnualGuide, cmd::kApplication}) {
        main.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
        ui::Wnd* view = main.GetPaneView();
        ASSERT_NE(view, nullptr) << command;
        QWidget* pane = view->GetWidget();
        std::vector<ui::TabWnd*> tabWindows;
        for (QWidget* w : pane->findChildren<QWidget*>())
            if (auto* tabs = dynamic_cast<ui::TabWnd*>(ui::Wnd::FromWidget(w)); tabs && w->isVisibleTo(pane))
                tabWindows.push_back(tabs);
        ASSERT_FALSE(tabWindows.empty()) << command;
        for (ui::TabWnd* tabs : tabWindows)
            for (int tab = 0; tab < tabs->GetTabsNum(); ++tab) {
                tabs->SetActiveTab(tab);
                CheckShownWithoutScrolling(pane, std::to_string(command) + " tab " + std::to_string(tab));
            }
    }
}

}  // namespace

namespace {

// The dialogs of the fund office's menus that the program itself shows (the
// management commands show the management library's, the help commands open
// documents).
TEST_F(ViewLayout, EveryDialogOfTheMenusIsDrawnWhole) {
    CMainFrame& main = OpenFrame(2, "jjb");
    for (int command : {cmd::kPeriodSet, cmd::kAppDirSet, cmd::kProgressDirSet, cmd::kAcceptDirSet,
                        cmd::kExpertReviewTable, cmd::kLabFundTable, cmd::kUnfundedTable, cmd::kUnitPlanTable,
                        cmd::kUnitFundTable, cmd::kAppAbout}) {
        bool shown = false;
        driver.OnModal([&](ui::Dialog& dialog) {
            shown = true;
            CheckLayout(dialog.GetWidget(), "command " + std::to_string(command), false);
            dialog.EndDialog(IDCANCEL);
        });
        main.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
        EXPECT_TRUE(shown) << command;
    }
}

TEST_F(ViewLayout, TheCustomisationSheetIsDrawnWhole) {
    CMainFrame& main = OpenFrame(2, "jjb");
    ASSERT_TRUE(main.GetMenuBar().ChooseItem(cmd::kViewCustomize));
    ASSERT_NE(main.GetCustomizeSheet(), nullptr);
    CheckLayout(main.GetCustomizeSheet()->GetWidget(), "自定义", false);
    // Rows as tall as the Chinese text they hold, with room between them.
    int rows = 0;
    for (QListWidget* list : main.GetCustomizeSheet()->GetWidget()->findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row, ++rows) {
            QListWidgetItem* item = list->item(row);
            const QFontMetrics metrics(list->font());
            EXPECT_GE(list->visualItemRect(item).height(), TextHeight(metrics, item->text()) + 2)
                << item->text().toStdString();
        }
    EXPECT_GT(rows, 10);
}

}  // namespace
