#include "platform/ui/ToolBar.h"

#include <QAction>
#include <QLayout>
#include <QTimer>
#include <QToolBar>
#include <map>

namespace ui {

IMPLEMENT_DYNAMIC(ToolBar, Wnd)

namespace {
std::map<int, ToolBarResource>& Resources() {
    static std::map<int, ToolBarResource> resources;
    return resources;
}
constexpr int kIdleUpdateMs = 200;
}  // namespace

void RegisterToolBar(int id, const ToolBarResource& resource) { Resources().emplace(id, resource); }

const ToolBarResource* FindToolBar(int id) {
    auto it = Resources().find(id);
    return it == Resources().end() ? nullptr : &it->second;
}

ToolBar::ToolBar() = default;
ToolBar::~ToolBar() = default;

BOOL ToolBar::Create(Wnd* parent, DWORD style, int id) {
    if (!parent || !parent->GetWidget() || GetWidget()) return FALSE;
    auto* bar = new detail::Bridged<QToolBar>(parent->GetWidget());
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    Attach(bar, false);
    SetDlgCtrlID(id);
    ModifyStyle(~DWORD(0), style);
    // Idle-time update of the buttons while the bar is shown.
    auto* idle = new QTimer(bar);
    QObject::connect(idle, &QTimer::timeout, bar, [bar] {
        if (auto* self = dynamic_cast<ToolBar*>(Wnd::FromWidget(bar)); self && bar->isVisible()) self->OnUpdateCmdUI();
    });
    idle->start(kIdleUpdateMs);
    if (style & WS_VISIBLE) bar->show();
    return TRUE;
}

BOOL ToolBar::LoadToolBar(int resourceId) {
    const ToolBarResource* resource = FindToolBar(resourceId);
    return resource ? LoadToolBar(*resource) : FALSE;
}

BOOL ToolBar::LoadToolBar(const ToolBarResource& resource) {
    auto* bar = qobject_cast<QToolBar*>(GetWidget());
    if (!bar) return FALSE;
    bar->clear();
    ids_.clear();
    actions_.clear();
    bar->setIconSize(QSize(resource.buttonSize, resource.buttonSize));
    int picture = 0;
    for (int id : resource.buttons) {
        ids_.push_back(id);
        if (id == ID_SEPARATOR) {
            actions_.push_back(bar->addSeparator());
            continue;
        }
        const QImage image = resource.strip.copy(picture++ * resource.buttonSize, 0, resource.buttonSize,
                                                 resource.buttonSize);
        QAction* action = bar->addAction(QIcon(QPixmap::fromImage(image)), QString());
        QObject::connect(action, &QAction::triggered, bar, [bar, id] {
            auto* self = dynamic_cast<ToolBar*>(Wnd::FromWidget(bar));
            if (!self) return;
            if (Wnd* owner = self->GetOwner()) owner->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
            if (self->GetWidget()) self->OnUpdateCmdUI();
        });
        actions_.push_back(action);
    }
    if (bar->layout()) bar->layout()->activate();  // buttons in place at once
    return TRUE;
}

Wnd* ToolBar::GetOwner() const { return owner_ ? owner_ : GetParent(); }

int ToolBar::GetItemID(int index) const { return index >= 0 && index < GetCount() ? ids_[index] : -1; }

int ToolBar::CommandToIndex(int id) const {
    for (int i = 0; i < GetCount(); ++i)
        if (ids_[i] == id && id != ID_SEPARATOR) return i;
    return -1;
}

QAction* ToolBar::ActionOf(int id) const {
    const int index = CommandToIndex(id);
    return index < 0 ? nullptr : actions_[index];
}

Rect ToolBar::GetItemRect(int index) const {
    auto* bar = qobject_cast<QToolBar*>(GetWidget());
    if (!bar || index < 0 || index >= GetCount()) return {};
    QWidget* button = bar->widgetForAction(actions_[index]);
    if (!button) return {};
    const QRect r = button->geometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

bool ToolBar::IsButtonChecked(int id) const {
    QAction* action = ActionOf(id);
    return action && action->isChecked();
}

bool ToolBar::IsButtonEnabled(int id) const {
    QAction* action = ActionOf(id);
    return action && action->isEnabled();
}

void ToolBar::OnUpdateCmdUI(CmdTarget* target, BOOL disableIfNoHandler) {
    if (!target) target = GetOwner();
    if (!target) return;
    for (int i = 0; i < GetCount(); ++i) {
        if (ids_[i] == ID_SEPARATOR) continue;
        QAction* action = actions_[i];
        CmdUI state(ids_[i]);
        if (target->OnUpdateCmdUI(state)) {
            action->setEnabled(state.IsEnabled());
            if (state.Check()) {
                action->setCheckable(true);
                action->setChecked(*state.Check() != 0);
            }
        } else {
            action->setEnabled(!disableIfNoHandler || target->HasCommandHandler(ids_[i]));
        }
    }
}

}  // namespace ui
