#include "platform/ui/TreeCtrl.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>


namespace ui {

IMPLEMENT_DYNAMIC(TreeCtrl, Control)
namespace {
const bool registeredTreeCtrl = (RegisterControlKind(Kind::TreeCtrl, [] { return std::make_unique<TreeCtrl>(); }), true);
}  // namespace

namespace {
QTreeWidgetItem* Q(HTREEITEM item) { return reinterpret_cast<QTreeWidgetItem*>(item); }
HTREEITEM H(QTreeWidgetItem* item) { return reinterpret_cast<HTREEITEM>(item); }
bool IsPlace(HTREEITEM item) { return item == TVI_ROOT || item == TVI_FIRST || item == TVI_LAST; }
// A real item handle, or null for the special places.
QTreeWidgetItem* Real(HTREEITEM item) { return IsPlace(item) ? nullptr : Q(item); }
constexpr int kDataRole = Qt::UserRole;

// Rows a few pixels taller than the text, as the tree control of the original
// platform draws them (16 pixels with its 12-pixel dialog font).
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 4));
        return size;
    }
};
}  // namespace

Kind TreeCtrl::KindForStyle(DWORD) const { return Kind::TreeCtrl; }

void TreeCtrl::Build(const ControlTemplate& entry, QWidget* parent) {
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
    auto* tree = new detail::Bridged<QTreeWidget>(parent);
    tree->setColumnCount(1);
    tree->header()->hide();
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setRootIsDecorated(entry.style & (TVS_LINESATROOT | TVS_HASBUTTONS));
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setItemDelegate(new RowDelegate(tree));
    Attach(tree, false);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, [tree](QTreeWidgetItem* current, QTreeWidgetItem*) {
        if (auto* self = Driver<TreeCtrl>(tree)) self->OnCurrentChanged(current);
    });
}

void TreeCtrl::OnCurrentChanged(QTreeWidgetItem* current) {
    if (H(current) == selected_) return;
    if (silent_) {
        selected_ = H(current);
        return;
    }
    NotifyParent(TVN_SELCHANGING);
    selected_ = H(current);
    NotifyParent(TVN_SELCHANGED);
}

HTREEITEM TreeCtrl::InsertItem(const std::string& text, HTREEITEM parent, HTREEITEM after) {
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, after);
}

HTREEITEM TreeCtrl::InsertItem(UINT mask, const std::string& text, int, int, UINT, UINT, LPARAM data,
                               HTREEITEM parent, HTREEITEM after) {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    if (!tree) return nullptr;
    QTreeWidgetItem* parentItem = Real(parent);
    auto* item = new QTreeWidgetItem;
    if (mask & TVIF_TEXT) item->setText(0, QString::fromStdString(text));
    item->setData(0, kDataRole, QVariant::fromValue<qulonglong>((mask & TVIF_PARAM) ? qulonglong(data) : 0));
    const int count = parentItem ? parentItem->childCount() : tree->topLevelItemCount();
    int index = count;
    if (after == TVI_FIRST) index = 0;
    else if (QTreeWidgetItem* sibling = Real(after)) {
        const int at = parentItem ? parentItem->indexOfChild(sibling) : tree->indexOfTopLevelItem(sibling);
        if (at >= 0) index = at + 1;
    }
    if (parentItem) parentItem->insertChild(index, item);
    else tree->insertTopLevelItem(index, item);
    return H(item);
}

BOOL TreeCtrl::DeleteItem(HTREEITEM item) {
    QTreeWidgetItem* q = Real(item);
    if (item == TVI_ROOT) return DeleteAllItems();
    if (!q) return FALSE;
    silent_ = true;
    for (QTreeWidgetItem* s = Q(selected_); s; s = s->parent())
        if (s == q) selected_ = nullptr;  // the selection goes with the branch
    delete q;
    if (auto* tree = qobject_cast<QTreeWidget*>(GetWidget()); tree && !selected_) {
        tree->setCurrentItem(nullptr);
        selected_ = nullptr;
    }
    silent_ = false;
    return TRUE;
}

BOOL TreeCtrl::DeleteAllItems() {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    if (!tree) return FALSE;
    silent_ = true;
    tree->clear();
    selected_ = nullptr;
    silent_ = false;
    return TRUE;
}

UINT TreeCtrl::GetCount() const {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    if (!tree) return 0;
    UINT count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) ++count;
    return count;
}

std::string TreeCtrl::GetItemText(HTREEITEM item) const {
    QTreeWidgetItem* q = Real(item);
    return q ? q->text(0).toStdString() : std::string();
}

BOOL TreeCtrl::SetItemText(HTREEITEM item, const std::string& text) {
    QTreeWidgetItem* q = Real(item);
    if (!q) return FALSE;
    q->setText(0, QString::fromStdString(text));
    return TRUE;
}

DWORD_PTR TreeCtrl::GetItemData(HTREEITEM item) const {
    QTreeWidgetItem* q = Real(item);
    return q ? DWORD_PTR(q->data(0, kDataRole).toULongLong()) : 0;
}

BOOL TreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
    QTreeWidgetItem* q = Real(item);
    if (!q) return FALSE;
    q->setData(0, kDataRole, QVariant::fromValue<qulonglong>(data));
    return TRUE;
}

BOOL TreeCtrl::Expand(HTREEITEM item, UINT code) {
    QTreeWidgetItem* q = Real(item);
    if (!q) return FALSE;
    switch (code) {
    case TVE_EXPAND: q->setExpanded(true); break;
    case TVE_COLLAPSE: q->setExpanded(false); break;
    case TVE_TOGGLE: q->setExpanded(!q->isExpanded()); break;
    default: return FALSE;
    }
    return TRUE;
}

bool TreeCtrl::IsExpanded(HTREEITEM item) const {
    QTreeWidgetItem* q = Real(item);
    return q && q->isExpanded();
}

HTREEITEM TreeCtrl::GetRootItem() const {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    return tree && tree->topLevelItemCount() ? H(tree->topLevelItem(0)) : nullptr;
}

HTREEITEM TreeCtrl::GetParentItem(HTREEITEM item) const {
    QTreeWidgetItem* q = Real(item);
    return q ? H(q->parent()) : nullptr;
}

HTREEITEM TreeCtrl::GetChildItem(HTREEITEM item) const {
    if (item == TVI_ROOT || item == nullptr) return GetRootItem();
    QTreeWidgetItem* q = Real(item);
    return q && q->childCount() ? H(q->child(0)) : nullptr;
}

HTREEITEM TreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    QTreeWidgetItem* q = Real(item);
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    if (!q || !tree) return nullptr;
    if (QTreeWidgetItem* parent = q->parent()) {
        const int at = parent->indexOfChild(q);
        return at + 1 < parent->childCount() ? H(parent->child(at + 1)) : nullptr;
    }
    const int at = tree->indexOfTopLevelItem(q);
    return at + 1 < tree->topLevelItemCount() ? H(tree->topLevelItem(at + 1)) : nullptr;
}

HTREEITEM TreeCtrl::GetPrevSiblingItem(HTREEITEM item) const {
    QTreeWidgetItem* q = Real(item);
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    if (!q || !tree) return nullptr;
    if (QTreeWidgetItem* parent = q->parent()) {
        const int at = parent->indexOfChild(q);
        return at > 0 ? H(parent->child(at - 1)) : nullptr;
    }
    const int at = tree->indexOfTopLevelItem(q);
    return at > 0 ? H(tree->topLevelItem(at - 1)) : nullptr;
}

HTREEITEM TreeCtrl::GetFirstVisibleItem() const {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    if (!tree) return nullptr;
    if (QTreeWidgetItem* top = tree->itemAt(QPoint(1, 1))) return H(top);
    return GetRootItem();
}

HTREEITEM TreeCtrl::GetNextVisibleItem(HTREEITEM item) const {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    QTreeWidgetItem* q = Real(item);
    if (!tree || !q) return nullptr;
    // The item below in display order: first child of an expanded item, else
    // the next sibling of the item or of its nearest ancestor that has one.
    if (q->isExpanded() && q->childCount()) return H(q->child(0));
    for (QTreeWidgetItem* up = q; up; up = up->parent())
        if (HTREEITEM next = GetNextSiblingItem(H(up))) return next;
    return nullptr;
}

HTREEITEM TreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
    switch (code) {
    case TVGN_ROOT: return GetRootItem();
    case TVGN_NEXT: return GetNextSiblingItem(item);
    case TVGN_PREVIOUS: return GetPrevSiblingItem(item);
    case TVGN_PARENT: return GetParentItem(item);
    case TVGN_CHILD: return GetChildItem(item);
    case TVGN_FIRSTVISIBLE: return GetFirstVisibleItem();
    case TVGN_NEXTVISIBLE: return GetNextVisibleItem(item);
    case TVGN_CARET: return GetSelectedItem();
    default: return nullptr;
    }
}

BOOL TreeCtrl::SelectItem(HTREEITEM item) {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    if (!tree) return FALSE;
    QTreeWidgetItem* q = Real(item);
    if (q) {
        tree->setCurrentItem(q);
        q->setSelected(true);
    } else {
        tree->clearSelection();
        tree->setCurrentItem(nullptr);
    }
    return TRUE;
}

BOOL TreeCtrl::Select(HTREEITEM item, UINT code) { return code == TVGN_CARET ? SelectItem(item) : FALSE; }

HTREEITEM TreeCtrl::HitTest(Point point, UINT* flags) const {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    if (flags) *flags = TVHT_NOWHERE;
    if (!tree) return nullptr;
    const QPoint p = tree->viewport()->mapFrom(tree, QPoint(point.x, point.y));
    QTreeWidgetItem* q = tree->itemAt(p);
    if (flags) *flags = q ? TVHT_ONITEM : (tree->viewport()->rect().contains(p) ? TVHT_BELOW : TVHT_NOWHERE);
    return H(q);
}

Rect TreeCtrl::GetItemRect(HTREEITEM item) const {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    QTreeWidgetItem* q = Real(item);
    if (!tree || !q) return {};
    const QRect r = tree->visualItemRect(q);
    if (r.isEmpty()) return {};
    const QPoint tl = tree->viewport()->mapTo(tree, r.topLeft());
    return {tl.x(), tl.y(), tl.x() + r.width(), tl.y() + r.height()};
}

BOOL TreeCtrl::EnsureVisible(HTREEITEM item) {
    auto* tree = qobject_cast<QTreeWidget*>(GetWidget());
    QTreeWidgetItem* q = Real(item);
    if (!tree || !q) return FALSE;
    for (QTreeWidgetItem* up = q->parent(); up; up = up->parent()) up->setExpanded(true);
    tree->scrollToItem(q);
    return TRUE;
}

}  // namespace ui
