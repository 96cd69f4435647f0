#include "platform/ui/EditListBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>

#include "platform/ui/Edit.h"

namespace ui {

IMPLEMENT_DYNAMIC(EditListBox, Control)
namespace {
const bool registeredEditListBox =
    (RegisterControlKind(Kind::EditListBox, [] { return std::make_unique<EditListBox>(); }), true);

constexpr int kDataRole = Qt::UserRole;

// The in-place editor: Enter keeps the text, Esc drops it, and losing the
// focus keeps it (the owner decides through the callbacks).
class InPlaceEdit : public Edit {
public:
    std::function<void(bool keep)> onEnd;
    std::function<void()> onFocusLost;

protected:
    bool OnKeyDown(UINT vk) override {
        if (vk != VK_RETURN && vk != VK_ESCAPE) return false;
        if (onEnd) onEnd(vk == VK_RETURN);
        return true;
    }
    void OnKillFocus() override {
        if (onFocusLost) onFocusLost();
    }
};

// Watches the list's mouse buttons before the list handles them, so that a
// press can be told apart on an item that was already selected.
class ClickWatcher : public QObject {
public:
    std::function<void(QPoint)> onPress;
    std::function<void(QPoint)> onRelease;
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const QPoint p = mouse->position().toPoint();
        if (event->type() == QEvent::MouseButtonPress) {
            if (onPress) onPress(p);
        } else if (onRelease) {
            onRelease(p);
        }
        return false;
    }
};

struct ButtonLook {
    UINT id;
    const char* text;
    const char* tip;
};
constexpr ButtonLook kButtons[] = {
    {EditListBox::BTN_NEW, "+", "新建"},          {EditListBox::BTN_DELETE, "×", "删除"},
    {EditListBox::BTN_UP, "↑", "上移"},           {EditListBox::BTN_DOWN, "↓", "下移"},
    {EditListBox::BTN_BROWSE, "...", "浏览"},
};
}  // namespace

class EditListBox::Parts {
public:
    QPointer<QListWidget> list;
    QPointer<QLabel> caption;
    std::map<UINT, QPointer<QToolButton>> buttons;
    QPoint pressAt;
};

EditListBox::EditListBox() : parts_(std::make_unique<Parts>()) {}
EditListBox::~EditListBox() = default;

void EditListBox::Build(const ControlTemplate& entry, QWidget* parent) {
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
    auto* box = new detail::Bridged<QWidget>(parent);
    Attach(box, false);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);

    auto* bar = new QWidget(box);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(2, 1, 2, 1);
    barLayout->setSpacing(1);
    parts_->caption = new QLabel(QString::fromStdString(entry.text), bar);
    barLayout->addWidget(parts_->caption);
    barLayout->addStretch(1);
    auto self = [box] { return Driver<EditListBox>(box); };
    for (const ButtonLook& look : kButtons) {
        auto* button = new QToolButton(bar);
        button->setText(QString::fromUtf8(look.text));
        button->setToolTip(QString::fromUtf8(look.tip));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);  // pressing it leaves an edit open
        button->setVisible(look.id != BTN_BROWSE);
        const UINT id = look.id;
        QObject::connect(button, &QToolButton::clicked, [self, id] {
            if (EditListBox* owner = self()) owner->OnButton(id);
        });
        barLayout->addWidget(button);
        parts_->buttons[id] = button;
    }
    layout->addWidget(bar);

    auto* list = new QListWidget(box);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(list, 1);
    parts_->list = list;
    QObject::connect(list, &QListWidget::currentRowChanged, [self](int) {
        EditListBox* owner = self();
        if (!owner) return;
        if (!owner->changingFromCode_) owner->OnSelectionChanged();
        owner->UpdateButtons();
    });
    auto* watcher = new ClickWatcher(list);
    watcher->onPress = [self, list](QPoint p) {
        if (EditListBox* owner = self()) {
            owner->parts_->pressAt = p;
            owner->OnListPress(list->indexAt(p).row());
        }
    };
    watcher->onRelease = [self, list](QPoint p) {
        if (EditListBox* owner = self()) {
            const QPoint moved = p - owner->parts_->pressAt;
            owner->OnListRelease(list->indexAt(p).row(), std::abs(moved.x()), std::abs(moved.y()));
        }
    };
    list->viewport()->installEventFilter(watcher);

    auto editor = std::make_unique<InPlaceEdit>();
    ControlTemplate editEntry;
    editEntry.kind = Kind::Edit;
    editEntry.id = 0;
    editEntry.style = ES_AUTOHSCROLL;
    editor->Build(editEntry, list->viewport());
    editor->GetWidget()->hide();
    editor->onEnd = [this](bool keep) { EndEditItem(keep); };
    editor->onFocusLost = [this] {
        if (!browsing_) EndEditItem(TRUE);
    };
    editor_ = std::move(editor);
    UpdateButtons();
}

void EditListBox::SetWindowText(const std::string& text) {
    if (parts_->caption) parts_->caption->setText(QString::fromStdString(text));
}

std::string EditListBox::GetWindowText() const {
    return parts_->caption ? parts_->caption->text().toStdString() : std::string();
}

void EditListBox::SetStandardButtons(UINT buttons) {
    for (UINT id : {BTN_NEW, BTN_DELETE, BTN_UP, BTN_DOWN})
        if (QToolButton* button = parts_->buttons[id]) button->setVisible(buttons & id);
}

void EditListBox::EnableBrowseButton(BOOL enable) {
    if (QToolButton* button = parts_->buttons[BTN_BROWSE]) button->setVisible(enable);
}

QAbstractButton* EditListBox::GetButton(UINT button) const {
    auto it = parts_->buttons.find(button);
    return it != parts_->buttons.end() && it->second && !it->second->isHidden() ? it->second.data() : nullptr;
}

// ---- items ----

int EditListBox::GetCount() const { return parts_->list ? parts_->list->count() : 0; }

std::string EditListBox::GetItemText(int index) const {
    QListWidgetItem* item = parts_->list ? parts_->list->item(index) : nullptr;
    return item ? item->text().toStdString() : std::string();
}

DWORD_PTR EditListBox::GetItemData(int index) const {
    QListWidgetItem* item = parts_->list ? parts_->list->item(index) : nullptr;
    return item ? DWORD_PTR(item->data(kDataRole).toULongLong()) : 0;
}

int EditListBox::GetSelItem() const {
    QListWidget* list = parts_->list;
    QListWidgetItem* current = list ? list->currentItem() : nullptr;
    return current && current->isSelected() ? list->row(current) : -1;
}

// Ends an edit in progress before the items change, and gives where the
// item at `index` is afterwards (a blank new item may have gone; -1 when it
// was the item itself).
static int IndexAfterEdit(EditListBox& box, int index) {
    const int edited = box.GetEditedItem();
    if (edited < 0) return index;
    const int before = box.GetCount();
    box.EndEditItem(TRUE);
    if (box.GetCount() == before || index < 0) return index;
    if (index == edited) return -1;
    return index > edited ? index - 1 : index;
}

int EditListBox::AddItem(const std::string& text, DWORD_PTR data, int index) {
    QListWidget* list = parts_->list;
    if (!list) return -1;
    index = IndexAfterEdit(*this, index);
    if (index < 0 || index > list->count()) index = list->count();
    auto* item = new QListWidgetItem(QString::fromStdString(text));
    item->setData(kDataRole, QVariant::fromValue<qulonglong>(data));
    CodeChange silent(*this);
    list->insertItem(index, item);
    UpdateButtons();
    return index;
}

BOOL EditListBox::RemoveItem(int index) {
    QListWidget* list = parts_->list;
    if (!list || index < 0 || index >= list->count()) return FALSE;
    index = IndexAfterEdit(*this, index);
    if (index < 0) return TRUE;  // the blank item being edited went with its edit
    CodeChange silent(*this);
    delete list->takeItem(index);
    UpdateButtons();
    return TRUE;
}

void EditListBox::RemoveAllItems() {
    EndEditItem(FALSE);
    CodeChange silent(*this);
    if (parts_->list) parts_->list->clear();
    UpdateButtons();
}

BOOL EditListBox::SetItemText(int index, const std::string& text) {
    QListWidget* list = parts_->list;
    if (!list || index < 0 || index >= list->count()) return FALSE;
    index = IndexAfterEdit(*this, index);
    if (index < 0) return FALSE;
    list->item(index)->setText(QString::fromStdString(text));
    return TRUE;
}

BOOL EditListBox::SelectItem(int index) {
    QListWidget* list = parts_->list;
    if (!list || index < -1 || index >= list->count()) return FALSE;
    index = IndexAfterEdit(*this, index);
    CodeChange silent(*this);
    if (index < 0) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->item(index));
    }
    UpdateButtons();
    return TRUE;
}

// ---- in-place editing ----

Edit* EditListBox::GetEditCtrl() const { return editItem_ >= 0 ? editor_.get() : nullptr; }

BOOL EditListBox::EditItem(int index) {
    QListWidget* list = parts_->list;
    if (!list || !editor_ || !editor_->GetWidget() || index < 0 || index >= list->count()) return FALSE;
    if (index == editItem_) return TRUE;
    index = IndexAfterEdit(*this, index);
    if (index < 0) return FALSE;
    QListWidgetItem* item = list->item(index);
    list->scrollToItem(item);
    const QRect r = list->visualItemRect(item);
    editor_->MoveWindow(Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    editor_->SetWindowText(item->text().toStdString());
    editor_->SetReadOnly(readOnlyEditor_);
    editItem_ = index;
    editingNewItem_ = false;
    QWidget* widget = editor_->GetWidget();
    widget->show();
    widget->raise();
    widget->setFocus();
    editor_->SetSel(0, -1);
    return TRUE;
}

BOOL EditListBox::EndEditItem(BOOL keep) {
    if (editItem_ < 0) return FALSE;
    const int row = editItem_;
    const bool wasNew = editingNewItem_;
    editItem_ = -1;  // first, so that the focus leaving the editor ends nothing more
    editingNewItem_ = false;
    QWidget* widget = editor_->GetWidget();
    const std::string text = editor_->GetWindowText();
    if (widget) {
        const bool hadFocus = widget->hasFocus();
        widget->hide();
        if (hadFocus && parts_->list) parts_->list->setFocus();
    }
    QListWidget* list = parts_->list;
    if (!list || row >= list->count()) return TRUE;
    QListWidgetItem* item = list->item(row);
    if (wasNew && (!keep || text.empty())) {
        const int selected = GetSelItem();
        CodeChange silent(*this);
        delete list->takeItem(row);
        if (selected == row) {
            list->clearSelection();
            list->setCurrentRow(-1);
        }
        UpdateButtons();
        return TRUE;
    }
    if (!keep || text == item->text().toStdString()) return TRUE;
    item->setText(QString::fromStdString(text));
    if (wasNew) OnAfterAddItem(row);
    else OnAfterRenameItem(row);
    return TRUE;
}

void EditListBox::SetReadOnlyEditor(BOOL readOnly) {
    readOnlyEditor_ = readOnly;
    if (editItem_ >= 0) editor_->SetReadOnly(readOnly);
}

// ---- the user's actions ----

void EditListBox::CreateNewItem() {
    const int index = AddItem({});
    SelectItem(index);
    EditItem(index);
    editingNewItem_ = true;
}

void EditListBox::OnButton(UINT button) {
    const int selectedBefore = GetSelItem();
    switch (button) {
    case BTN_NEW:
        EndEditItem(TRUE);
        CreateNewItem();
        break;
    case BTN_DELETE: DeleteSelected(); break;
    case BTN_UP: MoveSelected(-1); break;
    case BTN_DOWN: MoveSelected(+1); break;
    case BTN_BROWSE:
        browsing_ = true;  // a file chooser taking the focus does not end the edit
        OnBrowse();
        browsing_ = false;
        EndEditItem(TRUE);
        break;
    default: break;
    }
    UpdateButtons();
    if (GetSelItem() != selectedBefore) OnSelectionChanged();
}

void EditListBox::DeleteSelected() {
    EndEditItem(TRUE);
    const int selected = GetSelItem();
    if (selected < 0 || !OnBeforeRemoveItem(selected)) return;
    RemoveItem(selected);
    SelectItem(std::min(selected, GetCount() - 1));
    OnAfterRemoveItem(selected);
}

void EditListBox::MoveSelected(int step) {
    EndEditItem(TRUE);
    QListWidget* list = parts_->list;
    const int selected = GetSelItem();
    const int target = selected + step;
    if (!list || selected < 0 || target < 0 || target >= list->count()) return;
    {
        CodeChange silent(*this);
        QListWidgetItem* item = list->takeItem(selected);
        list->insertItem(target, item);
        list->setCurrentRow(target, QItemSelectionModel::ClearAndSelect);
    }
    if (step < 0) OnAfterMoveItemUp(target);
    else OnAfterMoveItemDown(target);
}

void EditListBox::UpdateButtons() {
    const int selected = GetSelItem();
    const int count = GetCount();
    auto enable = [this](UINT id, bool on) {
        if (QToolButton* button = parts_->buttons[id]) button->setEnabled(on);
    };
    enable(BTN_DELETE, selected >= 0);
    enable(BTN_UP, selected > 0);
    enable(BTN_DOWN, selected >= 0 && selected < count - 1);
}

void EditListBox::OnListPress(int row) {
    QListWidget* list = parts_->list;
    // The list's own focus within its window: a click that activates the
    // window does not edit.
    const bool focused = list && list->window()->focusWidget() == list;
    pressedOnSelected_ = focused && row >= 0 && row == GetSelItem() ? row : -1;
}

void EditListBox::OnListRelease(int row, int dx, int dy) {
    const int pressed = pressedOnSelected_;
    pressedOnSelected_ = -1;
    const int distance = QApplication::startDragDistance();
    if (pressed >= 0 && row == pressed && dx < distance && dy < distance) EditItem(row);
}

}  // namespace ui
