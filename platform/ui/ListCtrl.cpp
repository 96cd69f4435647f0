#include "platform/ui/ListCtrl.h"

#include <QSignalBlocker>

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>

namespace ui {

IMPLEMENT_DYNAMIC(ListCtrl, Control)

namespace {
constexpr int kDataRole = Qt::UserRole + 1;
// Checked and unchecked state images of an item, as the states report them.
constexpr UINT kUnchecked = 0x1000, kChecked = 0x2000;

QTableWidget* Table(const Wnd* w) { return qobject_cast<QTableWidget*>(w->GetWidget()); }

Qt::Alignment AlignmentOf(int format) {
    switch (format) {
    case LVCFMT_CENTER: return Qt::AlignHCenter | Qt::AlignVCenter;
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// The longest code a column has been widened for, kept on its heading.
constexpr int kCodeLengthRole = Qt::UserRole + 3;

// A code: 8 or more ASCII letters and digits in one word (project numbers,
// guide, unit and fund codes), which a cut shows as another code.
bool IsCode(const QString& text) {
    if (text.size() < 8) return false;
    for (QChar c : text)
        if (c.unicode() > 0x7f || !c.isLetterOrNumber()) return false;
    return true;
}

// Widens the column, never narrows it, so that a code in it is shown whole
// in the list's font: a longer code than any before is measured (codes of
// one length are about as wide), with the cell's margins and check box.
void FitCode(QTableWidget* table, int column, const QString& text, bool checkBox) {
    if (!IsCode(text)) return;
    QTableWidgetItem* heading = table->horizontalHeaderItem(column);
    if (!heading || heading->data(kCodeLengthRole).toInt() >= text.size()) return;
    heading->setData(kCodeLengthRole, int(text.size()));
    const QStyle* style = table->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    int width = table->fontMetrics().horizontalAdvance(text) + 2 * margin + 8;
    if (checkBox) width += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, table) + 8;
    if (table->columnWidth(column) < width) table->setColumnWidth(column, width);
}

QTableWidgetItem* Cell(QTableWidget* table, int row, int column) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    }
    return item;
}
}  // namespace

void ListCtrl::Build(const ControlTemplate& entry, QWidget* parent) {
    auto* table = new detail::Bridged<QTableWidget>(parent);
    Attach(table, false);
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style | LVS_REPORT);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode((entry.style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                          : QAbstractItemView::ExtendedSelection);
    table->setShowGrid(false);
    table->setWordWrap(false);

    QObject::connect(table, &QTableWidget::cellClicked, [table](int row, int column) {
        auto* list = Driver<ListCtrl>(table);
        if (!list) return;
        list->mark_ = row;
        NotifyInfo info;
        info.item = row;
        info.subItem = column;
        list->NotifyParent(NM_CLICK, &info);
    });
    QObject::connect(table, &QTableWidget::cellDoubleClicked, [table](int row, int column) {
        auto* list = Driver<ListCtrl>(table);
        if (!list) return;
        NotifyInfo info;
        info.item = row;
        info.subItem = column;
        // The centre of the cell that was double-clicked, in the control's
        // coordinates: a row can be wider than the visible area.
        const QRect cell = table->visualRect(table->model()->index(row, column));
        const QPoint centre = table->viewport()->mapTo(table, cell.center());
        info.point = {centre.x(), centre.y()};
        list->NotifyParent(NM_DBLCLK, &info);
    });
    QObject::connect(table->selectionModel(), &QItemSelectionModel::selectionChanged,
                     [table](const QItemSelection& selected, const QItemSelection& deselected) {
                         auto* list = Driver<ListCtrl>(table);
                         if (!list) return;
                         auto report = [list](const QItemSelection& rows, UINT oldState, UINT newState) {
                             for (const QModelIndex& index : rows.indexes()) {
                                 if (index.column() != 0) continue;
                                 NotifyInfo info;
                                 info.item = index.row();
                                 info.oldState = oldState;
                                 info.newState = newState;
                                 list->NotifyParent(LVN_ITEMCHANGED, &info);
                             }
                         };
                         report(deselected, LVIS_SELECTED, 0);
                         report(selected, 0, LVIS_SELECTED);
                     });
    QObject::connect(table, &QTableWidget::itemChanged, [table](QTableWidgetItem* item) {
        auto* list = Driver<ListCtrl>(table);
        if (!list || item->column() != 0 || !(list->exStyle_ & LVS_EX_CHECKBOXES)) return;
        const bool checked = item->checkState() == Qt::Checked;
        if (item->data(kDataRole + 1).toBool() == checked) return;  // not a check change
        item->setData(kDataRole + 1, checked);
        NotifyInfo info;
        info.item = item->row();
        info.oldState = checked ? kUnchecked : kChecked;
        info.newState = checked ? kChecked : kUnchecked;
        list->NotifyParent(LVN_ITEMCHANGED, &info);
    });
}

DWORD ListCtrl::SetExtendedStyle(DWORD exStyle) {
    const DWORD previous = exStyle_;
    exStyle_ = exStyle;
    if (auto* table = Table(this)) {
        table->setShowGrid(exStyle & LVS_EX_GRIDLINES);
        const bool checks = exStyle & LVS_EX_CHECKBOXES;
        for (int row = 0; row < table->rowCount(); ++row) {
            QTableWidgetItem* item = Cell(table, row, 0);
            CodeChange change(*this);
            if (checks) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                if (item->data(Qt::CheckStateRole).isNull()) item->setCheckState(Qt::Unchecked);
            }
        }
    }
    return previous;
}

int ListCtrl::InsertColumn(int column, const std::string& heading, int format, int width) {
    auto* table = Table(this);
    if (!table) return -1;
    if (column < 0 || column > table->columnCount()) column = table->columnCount();
    table->insertColumn(column);
    auto* header = new QTableWidgetItem(QString::fromStdString(heading));
    header->setTextAlignment(AlignmentOf(format));
    table->setHorizontalHeaderItem(column, header);
    if (width >= 0) table->setColumnWidth(column, width);
    formats_.insert(formats_.begin() + column, format);
    return column;
}

BOOL ListCtrl::DeleteColumn(int column) {
    auto* table = Table(this);
    if (!table || column < 0 || column >= table->columnCount()) return FALSE;
    table->removeColumn(column);
    formats_.erase(formats_.begin() + column);
    return TRUE;
}

int ListCtrl::GetColumnCount() const {
    auto* table = Table(this);
    return table ? table->columnCount() : 0;
}

BOOL ListCtrl::SetColumnWidth(int column, int width) {
    auto* table = Table(this);
    if (!table || column < 0 || column >= table->columnCount()) return FALSE;
    table->setColumnWidth(column, width);
    return TRUE;
}

int ListCtrl::GetColumnWidth(int column) const {
    auto* table = Table(this);
    return table ? table->columnWidth(column) : 0;
}

void ListCtrl::ApplyAlignment(int item, int column) {
    if (auto* table = Table(this); table && column < int(formats_.size()))
        Cell(table, item, column)->setTextAlignment(AlignmentOf(formats_[size_t(column)]));
}

int ListCtrl::InsertItem(int item, const std::string& text) {
    auto* table = Table(this);
    if (!table || table->columnCount() == 0) return -1;
    if (item < 0 || item > table->rowCount()) item = table->rowCount();
    CodeChange change(*this);
    table->insertRow(item);
    QTableWidgetItem* cell = Cell(table, item, 0);
    cell->setText(QString::fromStdString(text));
    FitCode(table, 0, cell->text(), exStyle_ & LVS_EX_CHECKBOXES);
    if (exStyle_ & LVS_EX_CHECKBOXES) {
        cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable);
        cell->setCheckState(Qt::Unchecked);
    }
    for (int column = 0; column < table->columnCount(); ++column) ApplyAlignment(item, column);
    if (mark_ >= item) ++mark_;
    return item;
}

int ListCtrl::AppendRows(const std::vector<std::vector<std::string>>& rows) {
    auto* table = Table(this);
    if (!table || table->columnCount() == 0) return -1;
    CodeChange change(*this);
    const int first = table->rowCount();
    const int columns = table->columnCount();
    const bool checkable = (exStyle_ & LVS_EX_CHECKBOXES) != 0;
    const QSignalBlocker quiet(table);
    table->setUpdatesEnabled(false);
    table->setRowCount(first + int(rows.size()));
    // One empty cell per column with its flags, check box and alignment; each
    // new cell is a copy given its text, which spares an allocation per role.
    std::vector<QTableWidgetItem> prototypes(static_cast<std::size_t>(columns));
    for (int column = 0; column < columns; ++column) {
        QTableWidgetItem& prototype = prototypes[size_t(column)];
        prototype.setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                           (checkable && column == 0 ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
        if (checkable && column == 0) prototype.setCheckState(Qt::Unchecked);
        if (column < int(formats_.size())) prototype.setTextAlignment(AlignmentOf(formats_[size_t(column)]));
        prototype.setText(QString());
    }
    for (int r = 0; r < int(rows.size()); ++r) {
        const std::vector<std::string>& texts = rows[size_t(r)];
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem* cell = prototypes[size_t(column)].clone();
            if (column < int(texts.size()) && !texts[size_t(column)].empty()) {
                cell->setText(QString::fromStdString(texts[size_t(column)]));
                FitCode(table, column, cell->text(), checkable && column == 0);
            }
            table->setItem(first + r, column, cell);
        }
    }
    table->setUpdatesEnabled(true);
    return first;
}

BOOL ListCtrl::SetItemText(int item, int subItem, const std::string& text) {
    auto* table = Table(this);
    if (!table || item < 0 || item >= table->rowCount() || subItem < 0 || subItem >= table->columnCount())
        return FALSE;
    QTableWidgetItem* cell = Cell(table, item, subItem);
    cell->setText(QString::fromStdString(text));
    FitCode(table, subItem, cell->text(), subItem == 0 && (exStyle_ & LVS_EX_CHECKBOXES));
    ApplyAlignment(item, subItem);
    return TRUE;
}

std::string ListCtrl::GetItemText(int item, int subItem) const {
    auto* table = Table(this);
    if (!table) return {};
    QTableWidgetItem* cell = table->item(item, subItem);
    return cell ? cell->text().toStdString() : std::string();
}

BOOL ListCtrl::DeleteItem(int item) {
    auto* table = Table(this);
    if (!table || item < 0 || item >= table->rowCount()) return FALSE;
    table->removeRow(item);
    if (mark_ == item) mark_ = -1;
    else if (mark_ > item) --mark_;
    return TRUE;
}

BOOL ListCtrl::DeleteAllItems() {
    auto* table = Table(this);
    if (!table) return FALSE;
    table->setRowCount(0);
    mark_ = -1;
    return TRUE;
}

int ListCtrl::GetItemCount() const {
    auto* table = Table(this);
    return table ? table->rowCount() : 0;
}

BOOL ListCtrl::SetItemData(int item, DWORD_PTR data) {
    auto* table = Table(this);
    if (!table || item < 0 || item >= table->rowCount()) return FALSE;
    Cell(table, item, 0)->setData(kDataRole, QVariant::fromValue<qulonglong>(data));
    return TRUE;
}

DWORD_PTR ListCtrl::GetItemData(int item) const {
    auto* table = Table(this);
    QTableWidgetItem* cell = table ? table->item(item, 0) : nullptr;
    return cell ? DWORD_PTR(cell->data(kDataRole).toULongLong()) : 0;
}

BOOL ListCtrl::SetCheck(int item, BOOL checked) {
    auto* table = Table(this);
    if (!table || item < 0 || item >= table->rowCount() || !(exStyle_ & LVS_EX_CHECKBOXES)) return FALSE;
    Cell(table, item, 0)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return TRUE;
}

BOOL ListCtrl::GetCheck(int item) const {
    auto* table = Table(this);
    QTableWidgetItem* cell = table ? table->item(item, 0) : nullptr;
    return cell && cell->checkState() == Qt::Checked;
}

BOOL ListCtrl::SetItemState(int item, UINT state, UINT mask) {
    auto* table = Table(this);
    if (!table || item >= table->rowCount()) return FALSE;
    auto* model = table->selectionModel();
    for (int row = 0; row < table->rowCount(); ++row) {
        if (item >= 0 && row != item) continue;
        const QModelIndex index = table->model()->index(row, 0);
        if (mask & LVIS_SELECTED) {
            const auto command = (state & LVIS_SELECTED) ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
            model->select(index, command | QItemSelectionModel::Rows);
        }
        if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED))
            model->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    return TRUE;
}

UINT ListCtrl::GetItemState(int item, UINT mask) const {
    auto* table = Table(this);
    if (!table || item < 0 || item >= table->rowCount()) return 0;
    UINT state = 0;
    if (table->selectionModel()->isRowSelected(item, QModelIndex())) state |= LVIS_SELECTED;
    if (table->currentRow() == item) state |= LVIS_FOCUSED;
    return state & mask;
}

UINT ListCtrl::GetSelectedCount() const {
    auto* table = Table(this);
    return table ? UINT(table->selectionModel()->selectedRows().size()) : 0;
}

int ListCtrl::GetNextItem(int start, UINT flags) const {
    const int count = GetItemCount();
    for (int row = start + 1; row < count; ++row)
        if (!(flags & LVNI_SELECTED) || GetItemState(row, LVIS_SELECTED)) return row;
    return -1;
}

POSITION ListCtrl::GetFirstSelectedItemPosition() const { return POSITION(GetNextItem(-1, LVNI_SELECTED) + 1); }

int ListCtrl::GetNextSelectedItem(POSITION& pos) const {
    const int item = int(pos) - 1;
    pos = POSITION(GetNextItem(item, LVNI_SELECTED) + 1);
    return item;
}

int ListCtrl::SetSelectionMark(int item) {
    std::swap(mark_, item);
    return item;
}

int ListCtrl::HitTest(Point point) const {
    auto* table = Table(this);
    if (!table) return -1;
    const QPoint inViewport = table->viewport()->mapFrom(table, QPoint(point.x, point.y));
    if (!table->viewport()->rect().contains(inViewport)) return -1;
    const QModelIndex index = table->indexAt(inViewport);
    return index.isValid() ? index.row() : -1;
}

Rect ListCtrl::GetItemRect(int item) const {
    auto* table = Table(this);
    if (!table || item < 0 || item >= table->rowCount()) return {};
    const int y = table->rowViewportPosition(item);
    const QPoint topLeft = table->viewport()->mapTo(table, QPoint(0, y));
    int width = 0;
    for (int column = 0; column < table->columnCount(); ++column) width += table->columnWidth(column);
    return {topLeft.x(), topLeft.y(), topLeft.x() + width, topLeft.y() + table->rowHeight(item)};
}

BOOL ListCtrl::EnsureVisible(int item, BOOL) {
    auto* table = Table(this);
    if (!table || item < 0 || item >= table->rowCount()) return FALSE;
    table->scrollToItem(Cell(table, item, 0));
    return TRUE;
}

}  // namespace ui
