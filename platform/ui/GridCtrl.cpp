#include "platform/ui/GridCtrl.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

namespace ui {

IMPLEMENT_DYNAMIC(GridCtrl, Wnd)

namespace {
Qt::Alignment QtAlign(int align) {
    switch (align & 3) {
    case HDF_CENTER: return Qt::AlignCenter;
    case HDF_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
}  // namespace

// ---- cells and rows ----

GridItem::GridItem(const std::string& value) : value_(value) {}
GridItem::~GridItem() = default;

GridItem::Type GridItem::GetType() const {
    if (dynamic_cast<const GridCheckItem*>(this)) return Type::Check;
    return options_.empty() ? Type::Text : Type::Choice;
}

void GridItem::SetValue(const std::string& value) { StoreValue(value); }

void GridItem::StoreValue(const std::string& value) {
    value_ = value;
    if (GridCtrl* grid = row_ ? row_->grid_ : nullptr) grid->ItemValueChanged(*this, false);
}

void GridItem::AllowEdit(BOOL allow) { allowEdit_ = allow != FALSE; }
void GridItem::AddOption(const std::string& option) { options_.push_back(option); }
void GridItem::RemoveAllOptions() { options_.clear(); }

GridCheckItem::GridCheckItem(bool checked) : GridItem(checked ? "1" : "0") {}

GridItem* GridRow::GetItem(int column) const {
    return column >= 0 && column < int(items_.size()) ? items_[column].get() : nullptr;
}

BOOL GridRow::ReplaceItem(int column, std::unique_ptr<GridItem> item) {
    if (!item || column < 0 || column >= int(items_.size())) return FALSE;
    item->row_ = this;
    item->column_ = column;
    items_[column] = std::move(item);
    if (grid_) grid_->ItemValueChanged(*items_[column], false);
    return TRUE;
}

void GridRow::AddItem(std::unique_ptr<GridItem> item) {
    if (!item) return;
    item->row_ = this;
    item->column_ = int(items_.size());
    items_.push_back(std::move(item));
}

int GridRow::GetRowId() const { return grid_ ? grid_->IndexOf(this) : -1; }

// ---- the Qt model and the in-place editors ----

class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(GridCtrl& grid) : grid_(grid) {}

    using QAbstractTableModel::beginInsertRows;
    using QAbstractTableModel::beginRemoveRows;
    using QAbstractTableModel::beginResetModel;
    using QAbstractTableModel::endInsertRows;
    using QAbstractTableModel::endRemoveRows;
    using QAbstractTableModel::endResetModel;

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : grid_.GetRowCount(); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : grid_.GetColumnCount(); }

    QVariant data(const QModelIndex& index, int role) const override {
        const GridItem* item = grid_.GetItem(index.row(), index.column());
        if (!item) return {};
        const bool check = item->GetType() == GridItem::Type::Check;
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return check ? QVariant() : QVariant(QString::fromStdString(item->GetValue()));
        case Qt::CheckStateRole:
            return check ? QVariant(item->GetValue() == "1" ? Qt::Checked : Qt::Unchecked) : QVariant();
        case Qt::TextAlignmentRole: return QVariant(int(QtAlign(grid_.GetColumnAlign(index.column()))));
        default: return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        const GridItem* item = grid_.GetItem(index.row(), index.column());
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!item || !item->IsAllowEdit()) return f;
        return f | (item->GetType() == GridItem::Type::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        GridItem* item = grid_.GetItem(index.row(), index.column());
        if (!item || !item->IsAllowEdit()) return false;
        std::string now;
        if (role == Qt::CheckStateRole) now = value.toInt() == Qt::Checked ? "1" : "0";
        else if (role == Qt::EditRole) now = value.toString().toStdString();
        else return false;
        grid_.UserEdit(*item, now);
        return true;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= grid_.GetColumnCount()) return {};
        if (role == Qt::DisplayRole) return QString::fromStdString(grid_.GetColumnName(section));
        if (role == Qt::TextAlignmentRole) return QVariant(int(QtAlign(grid_.GetHeaderAlign(section))));
        return {};
    }

    void CellChanged(int row, int column) {
        const QModelIndex i = index(row, column);
        emit dataChanged(i, i);
    }
    void HeaderChanged() { emit headerDataChanged(Qt::Horizontal, 0, std::max(0, grid_.GetColumnCount() - 1)); }

private:
    GridCtrl& grid_;
};

// Text cells get a line edit, choice cells a drop-down list; the open editor
// is remembered so that it can be committed from code.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(GridCtrl& grid) : grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const GridItem* item = grid_.GetItem(index.row(), index.column());
        QWidget* editor = nullptr;
        if (item && item->GetType() == GridItem::Type::Choice) {
            auto* combo = new QComboBox(parent);
            for (const auto& o : item->GetOptions()) combo->addItem(QString::fromStdString(o));
            // Picking an option ends the edit at once.
            QObject::connect(combo, &QComboBox::activated, combo, [this, combo] { Commit(combo); });
            editor = combo;
        } else {
            editor = QStyledItemDelegate::createEditor(parent, option, index);
        }
        grid_.editor_ = editor;
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString()));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (combo->currentIndex() >= 0) model->setData(index, combo->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        if (grid_.editor_ == editor) grid_.editor_ = nullptr;
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    void Commit(QWidget* editor) const {
        auto* self = const_cast<GridDelegate*>(this);
        emit self->commitData(editor);
        emit self->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    void Drop(QWidget* editor) const {
        emit const_cast<GridDelegate*>(this)->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }

private:
    GridCtrl& grid_;
};

// ---- the grid ----

GridCtrl::GridCtrl() = default;

GridCtrl::~GridCtrl() {
    // The view goes with the window; its model must not outlive the rows.
    if (auto* view = qobject_cast<QTableView*>(GetWidget())) view->setModel(nullptr);
    delete model_;
}

namespace {
QTableView* ViewOf(QWidget* w) { return qobject_cast<QTableView*>(w); }
}  // namespace

BOOL GridCtrl::Create(DWORD style, const Rect& rect, Wnd* parent, int id) {
    if (!parent || !parent->GetWidget() || GetWidget()) return FALSE;
    auto* view = new detail::Bridged<QTableView>(parent->GetWidget());
    Attach(view, false);
    SetDlgCtrlID(id);
    ModifyStyle(~DWORD(0), style);
    model_ = new GridModel(*this);
    delegate_ = new GridDelegate(*this);
    delegate_->setParent(view);
    view->setModel(model_);
    view->setItemDelegate(delegate_);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                          QAbstractItemView::EditKeyPressed);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionsMovable(false);
    view->setSortingEnabled(false);
    if (!(style & WS_BORDER)) view->setFrameShape(QFrame::NoFrame);
    MoveWindow(rect);
    if (style & WS_VISIBLE) view->show();
    if (OnCreate() == -1) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

void GridCtrl::ApplyColumns() {
    QTableView* view = ViewOf(GetWidget());
    if (!view) return;
    for (int c = 0; c < GetColumnCount(); ++c) view->setColumnWidth(c, columns_[c].width);
    view->horizontalHeader()->setVisible(header_);
}

int GridCtrl::InsertColumn(int column, const std::string& name, int width) {
    column = std::clamp(column, 0, GetColumnCount());
    if (model_) model_->beginResetModel();
    columns_.insert(columns_.begin() + column, Column{name, width});
    if (model_) model_->endResetModel();
    ApplyColumns();
    return column;
}

std::string GridCtrl::GetColumnName(int column) const {
    return column >= 0 && column < GetColumnCount() ? columns_[column].name : std::string();
}

int GridCtrl::GetColumnWidth(int column) const {
    QTableView* view = ViewOf(GetWidget());
    if (column < 0 || column >= GetColumnCount()) return 0;
    return view ? view->columnWidth(column) : columns_[column].width;
}

BOOL GridCtrl::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount()) return FALSE;
    columns_[column].width = width;
    ApplyColumns();
    return TRUE;
}

void GridCtrl::SetColumnAlign(int column, int align) {
    if (column < 0 || column >= GetColumnCount()) return;
    columns_[column].align = align;
    if (model_ && GetRowCount())
        emit model_->dataChanged(model_->index(0, column), model_->index(GetRowCount() - 1, column));
}

void GridCtrl::SetHeaderAlign(int column, int align) {
    if (column < 0 || column >= GetColumnCount()) return;
    columns_[column].headerAlign = align;
    if (model_) model_->HeaderChanged();
}

int GridCtrl::GetColumnAlign(int column) const {
    return column >= 0 && column < GetColumnCount() ? columns_[column].align : HDF_LEFT;
}

int GridCtrl::GetHeaderAlign(int column) const {
    return column >= 0 && column < GetColumnCount() ? columns_[column].headerAlign : HDF_LEFT;
}

void GridCtrl::EnableHeader(BOOL enable, DWORD) {
    header_ = enable != FALSE;
    ApplyColumns();
}

std::unique_ptr<GridItem> GridCtrl::CreateItem(int, int) { return std::make_unique<GridItem>(); }

std::unique_ptr<GridRow> GridCtrl::CreateRow(int columns) {
    auto row = std::make_unique<GridRow>();
    for (int c = 0; c < columns; ++c) row->AddItem(CreateItem(GetRowCount(), c));
    return row;
}

int GridCtrl::AddRow(std::unique_ptr<GridRow> row, BOOL recalcLayout) {
    return InsertRowAfter(GetRowCount() - 1, std::move(row), recalcLayout);
}

int GridCtrl::InsertRowAfter(int after, std::unique_ptr<GridRow> row, BOOL) {
    if (!row) return -1;
    std::vector<std::unique_ptr<GridRow>> rows;
    rows.push_back(std::move(row));
    return InsertRowsAfter(after, std::move(rows));
}

int GridCtrl::InsertRowsAfter(int after, std::vector<std::unique_ptr<GridRow>> rows) {
    std::erase(rows, nullptr);
    const int at = std::clamp(after + 1, 0, GetRowCount());
    if (rows.empty()) return -1;
    for (auto& row : rows) row->grid_ = this;
    if (model_) model_->beginInsertRows({}, at, at + int(rows.size()) - 1);
    rows_.insert(rows_.begin() + at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    if (model_) model_->endInsertRows();
    return at;
}

BOOL GridCtrl::RemoveRow(int row, BOOL) {
    if (row < 0 || row >= GetRowCount()) return FALSE;
    EndEditItem(FALSE);
    if (model_) model_->beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    if (model_) model_->endRemoveRows();
    return TRUE;
}

void GridCtrl::RemoveAll() {
    EndEditItem(FALSE);
    if (model_) model_->beginResetModel();
    rows_.clear();
    if (model_) model_->endResetModel();
}

GridRow* GridCtrl::GetRow(int row) const { return row >= 0 && row < GetRowCount() ? rows_[row].get() : nullptr; }

GridItem* GridCtrl::GetItem(int row, int column) const {
    GridRow* r = GetRow(row);
    return r ? r->GetItem(column) : nullptr;
}

int GridCtrl::IndexOf(const GridRow* row) const {
    for (int i = 0; i < GetRowCount(); ++i)
        if (rows_[i].get() == row) return i;
    return -1;
}

void GridCtrl::AdjustLayout() {
    ApplyColumns();
    if (GetWidget()) GetWidget()->update();
}

void GridCtrl::ItemValueChanged(GridItem& item, bool byUser) {
    const int row = item.row_ ? IndexOf(item.row_) : -1;
    if (row < 0) return;
    if (model_) model_->CellChanged(row, item.column_);
    if (byUser) OnItemChanged(&item, row, item.column_);
}

void GridCtrl::UserEdit(GridItem& item, const std::string& value) {
    if (value == item.value_) return;
    item.value_ = value;
    ItemValueChanged(item, true);
}

GridRow* GridCtrl::GetCurSel() const {
    QTableView* view = ViewOf(GetWidget());
    if (!view || !view->currentIndex().isValid()) return nullptr;
    return GetRow(view->currentIndex().row());
}

void GridCtrl::SetCurSel(int row) {
    QTableView* view = ViewOf(GetWidget());
    if (!view) return;
    view->clearSelection();
    if (row < 0 || row >= GetRowCount()) {
        view->setCurrentIndex({});
        return;
    }
    view->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void GridCtrl::SelectRow(int row, BOOL select) {
    QTableView* view = ViewOf(GetWidget());
    if (!view || row < 0 || row >= GetRowCount()) return;
    view->selectionModel()->select(model_->index(row, 0), (select ? QItemSelectionModel::Select
                                                                  : QItemSelectionModel::Deselect) |
                                                              QItemSelectionModel::Rows);
}

BOOL GridCtrl::IsRowSelected(int row) const {
    QTableView* view = ViewOf(GetWidget());
    return view && row >= 0 && row < GetRowCount() && view->selectionModel()->isRowSelected(row, {});
}

std::vector<int> GridCtrl::GetSelectedRows() const {
    std::vector<int> rows;
    for (int r = 0; r < GetRowCount(); ++r)
        if (IsRowSelected(r)) rows.push_back(r);
    return rows;
}

BOOL GridCtrl::EditItem(int row, int column) {
    QTableView* view = ViewOf(GetWidget());
    const GridItem* item = GetItem(row, column);
    if (!view || !item || !item->IsAllowEdit() || item->GetType() == GridItem::Type::Check) return FALSE;
    EndEditItem(TRUE);
    const QModelIndex index = model_->index(row, column);
    view->setCurrentIndex(index);
    view->edit(index);
    return editor_ != nullptr;
}

BOOL GridCtrl::EndEditItem(BOOL updateData) {
    if (!editor_ || !delegate_) return FALSE;
    QWidget* editor = editor_;
    if (updateData) delegate_->Commit(editor);
    else delegate_->Drop(editor);
    editor_ = nullptr;
    return TRUE;
}

Rect GridCtrl::GetItemRect(int row, int column) const {
    QTableView* view = ViewOf(GetWidget());
    if (!view || !GetItem(row, column)) return {};
    const QRect r = view->visualRect(model_->index(row, column));
    const QPoint tl = view->viewport()->mapTo(view, r.topLeft());
    return {tl.x(), tl.y(), tl.x() + r.width(), tl.y() + r.height()};
}

}  // namespace ui
