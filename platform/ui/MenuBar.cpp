#include "platform/ui/MenuBar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "platform/ui/FrameWnd.h"

namespace ui {

IMPLEMENT_DYNAMIC(MenuBar, Wnd)

namespace {
QAction* ActionOf(QWidget* owner, int id) {
    for (QAction* action : owner->actions())
        if (!action->isSeparator() && action->data().toInt() == id) return action;
    return nullptr;
}
}  // namespace

BOOL MenuBar::Create(FrameWnd* frame) {
    if (!frame || !frame->MainWindow()) return FALSE;
    frame_ = frame;
    auto* bar = new detail::Bridged<QMenuBar>(frame->MainWindow());
    frame->MainWindow()->setMenuBar(bar);
    Attach(bar, false);
    return TRUE;
}

int MenuBar::AddMenu(const std::string& title) {
    auto* bar = qobject_cast<QMenuBar*>(GetWidget());
    if (!bar) return -1;
    QMenu* menu = bar->addMenu(QString::fromStdString(title));
    menu->setWindowFlag(Qt::NoDropShadowWindowHint, !shadows_);
    QObject::connect(menu, &QMenu::aboutToShow, [this] { UpdateItems(); });
    menus_.push_back({title, menu, {}});
    return int(menus_.size()) - 1;
}

void MenuBar::RemoveMenu(int menu) {
    auto* bar = qobject_cast<QMenuBar*>(GetWidget());
    if (!bar || menu < 0 || menu >= GetMenuCount()) return;
    bar->removeAction(menus_[menu].menu->menuAction());
    delete menus_[menu].menu;
    menus_.erase(menus_.begin() + menu);
}

void MenuBar::SetMenuShadows(bool shadows) {
    shadows_ = shadows;
    for (QWidget* owner : ActionOwners()) owner->setWindowFlag(Qt::NoDropShadowWindowHint, !shadows);
}

QAction* MenuBar::NewAction(QWidget* owner, int id, const std::string& text) {
    auto* action = new QAction(QString::fromStdString(text), owner);
    action->setData(id);
    FrameWnd* frame = frame_;
    QObject::connect(action, &QAction::triggered, [frame, id] { frame->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0)); });
    owner->addAction(action);
    return action;
}

void MenuBar::AppendItem(int menu, int id, const std::string& text) {
    if (menu < 0 || menu >= GetMenuCount()) return;
    NewAction(menus_[menu].menu, id, text);
    menus_[menu].items.push_back({id, text});
}

void MenuBar::AppendContextItem(int id, const std::string& text) {
    QWidget* bar = GetWidget();
    if (!bar) return;
    if (!contextMenu_) {
        contextMenu_ = new QMenu(bar);
        contextMenu_->setWindowFlag(Qt::NoDropShadowWindowHint, !shadows_);
        QObject::connect(contextMenu_, &QMenu::aboutToShow, [this] { UpdateItems(); });
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        QMenu* menu = contextMenu_;
        QObject::connect(bar, &QWidget::customContextMenuRequested,
                         [menu, bar](const QPoint& at) { menu->popup(bar->mapToGlobal(at)); });
    }
    NewAction(contextMenu_, id, text);
    contextItems_.push_back({id, text});
}

void MenuBar::AppendSeparator(int menu) {
    if (menu < 0 || menu >= GetMenuCount()) return;
    menus_[menu].menu->addSeparator();
    menus_[menu].items.push_back({0, {}});
}

std::string MenuBar::GetMenuTitle(int menu) const {
    return menu >= 0 && menu < GetMenuCount() ? menus_[menu].title : std::string();
}

std::vector<MenuBar::Item> MenuBar::GetItems(int menu) const {
    return menu >= 0 && menu < GetMenuCount() ? menus_[menu].items : std::vector<Item>{};
}

std::vector<QWidget*> MenuBar::ActionOwners() const {
    std::vector<QWidget*> owners;
    for (const Menu& menu : menus_) owners.push_back(menu.menu);
    if (contextMenu_) owners.push_back(contextMenu_);
    return owners;
}

void MenuBar::UpdateItems() {
    if (!frame_) return;
    for (QWidget* owner : ActionOwners())
        for (QAction* action : owner->actions()) {
            if (action->isSeparator()) continue;
            CmdUI state(action->data().toInt());
            frame_->UpdateCommand(state);
            action->setEnabled(state.IsEnabled());
        }
}

bool MenuBar::IsItemEnabled(int id) {
    UpdateItems();
    for (QWidget* owner : ActionOwners())
        if (QAction* action = ActionOf(owner, id)) return action->isEnabled();
    return false;
}

bool MenuBar::ChooseItem(int id) {
    if (!IsItemEnabled(id)) return false;
    frame_->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0));
    return true;
}

}  // namespace ui
