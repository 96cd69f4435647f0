#include "platform/ui/Lists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "platform/text/Text.h"

namespace ui {

IMPLEMENT_DYNAMIC(ComboBox, Control)
IMPLEMENT_DYNAMIC(ListBox, Control)

namespace {
constexpr int kDataRole = Qt::UserRole + 1;

bool LessGbk(const std::string& a, const std::string& b) {
    return text::Utf8ToGbk(text::ToLowerAscii(a)) < text::Utf8ToGbk(text::ToLowerAscii(b));
}

int FindIn(const std::vector<std::string>& items, int start, const std::string& text, bool exact) {
    const int n = int(items.size());
    if (n == 0) return -1;
    const int first = start < 0 || start >= n ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        const std::string& item = items[size_t(i)];
        if (exact ? text::EqualsNoCase(item, text)
                  : item.size() >= text.size() && text::EqualsNoCase(item.substr(0, text.size()), text))
            return i;
    }
    return -1;
}
}  // namespace

int SortedInsertIndex(const std::vector<std::string>& items, const std::string& text) {
    return int(std::upper_bound(items.begin(), items.end(), text, LessGbk) - items.begin());
}

// ---- ComboBox ----

void ComboBox::Build(const ControlTemplate& entry, QWidget* parent) {
    auto* combo = new detail::Bridged<QComboBox>(parent);
    Attach(combo, false);
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
    combo->setEditable(!IsDropDownList());
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (combo->isEditable()) combo->setCompleter(nullptr);  // typing is not completed
    combo->setMaxVisibleItems(12);
    for (const auto& item : entry.items) AddString(item);
    combo->setCurrentIndex(-1);
    QObject::connect(combo, &QComboBox::activated, [combo](int) {
        if (auto* box = Driver<ComboBox>(combo)) box->NotifyParent(CBN_SELCHANGE);
    });
    if (QLineEdit* line = combo->lineEdit()) {
        QObject::connect(line, &QLineEdit::textEdited, [combo] {
            if (auto* box = Driver<ComboBox>(combo)) box->NotifyParent(CBN_EDITCHANGE);
        });
    }
}

std::vector<std::string> ComboBox::Texts() const {
    std::vector<std::string> texts;
    if (auto* combo = qobject_cast<QComboBox*>(GetWidget()))
        for (int i = 0; i < combo->count(); ++i) texts.push_back(combo->itemText(i).toStdString());
    return texts;
}

int ComboBox::AddString(const std::string& text) {
    const int at = (GetStyle() & CBS_SORT) ? SortedInsertIndex(Texts(), text) : GetCount();
    return InsertString(at, text);
}

int ComboBox::InsertString(int index, const std::string& text) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo) return CB_ERR;
    if (index < 0 || index > combo->count()) index = combo->count();
    CodeChange change(*this);
    const QString keep = combo->isEditable() ? combo->currentText() : QString();
    const int selected = combo->currentIndex();
    combo->insertItem(index, QString::fromStdString(text));
    // Inserting never selects: the selection stays where it was.
    combo->setCurrentIndex(selected < 0 ? -1 : (selected >= index ? selected + 1 : selected));
    if (selected < 0 && combo->isEditable()) combo->setEditText(keep);
    return index;
}

int ComboBox::DeleteString(int index) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo || index < 0 || index >= combo->count()) return CB_ERR;
    CodeChange change(*this);
    combo->removeItem(index);
    return combo->count();
}

void ComboBox::ResetContent() {
    if (auto* combo = qobject_cast<QComboBox*>(GetWidget())) {
        CodeChange change(*this);
        KeepText({});
        combo->clear();
        combo->setCurrentIndex(-1);
    }
}

int ComboBox::GetCount() const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    return combo ? combo->count() : 0;
}

int ComboBox::GetCurSel() const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo || combo->currentIndex() < 0) return CB_ERR;
    // A drop-down whose edit text was changed by the user has no selection.
    if (combo->isEditable() && combo->currentText() != combo->itemText(combo->currentIndex())) return CB_ERR;
    return combo->currentIndex();
}

int ComboBox::SetCurSel(int index) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo) return CB_ERR;
    CodeChange change(*this);
    KeepText({});
    if (index < 0 || index >= combo->count()) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) combo->setEditText(QString());
        return CB_ERR;
    }
    combo->setCurrentIndex(index);
    return index;
}

std::string ComboBox::GetLBText(int index) const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    return combo && index >= 0 && index < combo->count() ? combo->itemText(index).toStdString() : std::string();
}

int ComboBox::FindString(int start, const std::string& prefix) const { return FindIn(Texts(), start, prefix, false); }

int ComboBox::FindStringExact(int start, const std::string& text) const { return FindIn(Texts(), start, text, true); }

int ComboBox::SelectString(int start, const std::string& prefix) {
    const int found = FindString(start, prefix);
    if (found >= 0) SetCurSel(found);
    return found;
}

int ComboBox::SetItemData(int index, DWORD_PTR data) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo || index < 0 || index >= combo->count()) return CB_ERR;
    combo->setItemData(index, QVariant::fromValue<qulonglong>(data), kDataRole);
    return 0;
}

DWORD_PTR ComboBox::GetItemData(int index) const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    return combo ? DWORD_PTR(combo->itemData(index, kDataRole).toULongLong()) : 0;
}

void ComboBox::SetWindowText(const std::string& text) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo) return;
    CodeChange change(*this);
    if (combo->isEditable()) {
        combo->setEditText(QString::fromStdString(text));
        return;
    }
    const int found = FindStringExact(-1, text);
    combo->setCurrentIndex(found);
    KeepText(found < 0 ? text : std::string());
}

std::string ComboBox::GetWindowText() const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo) return {};
    if (!combo->isEditable() && combo->currentIndex() < 0) return keptText_;
    return combo->currentText().toStdString();
}

void ComboBox::KeepText(const std::string& text) {
    keptText_ = text;
    // Shown while nothing is selected.
    if (auto* combo = qobject_cast<QComboBox*>(GetWidget())) combo->setPlaceholderText(QString::fromStdString(text));
}

void ComboBox::OnKillFocus() {
    // The list's own popup takes the focus while it is open.
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (combo && combo->view() && combo->view()->isVisible()) return;
    NotifyParent(CBN_KILLFOCUS);
}

// ---- ListBox ----

void ListBox::Build(const ControlTemplate& entry, QWidget* parent) {
    auto* list = new detail::Bridged<QListWidget>(parent);
    Attach(list, false);
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
    if (entry.style & LBS_EXTENDEDSEL) list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    else if (entry.style & LBS_MULTIPLESEL) list->setSelectionMode(QAbstractItemView::MultiSelection);
    else list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const auto& item : entry.items) AddString(item);
    QObject::connect(list, &QListWidget::itemSelectionChanged, [list] {
        if (auto* box = Driver<ListBox>(list); box && !box->changingFromCode_) box->NotifyParent(LBN_SELCHANGE);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, [list] {
        if (auto* box = Driver<ListBox>(list)) box->NotifyParent(LBN_DBLCLK);
    });
}

std::vector<std::string> ListBox::Texts() const {
    std::vector<std::string> texts;
    if (auto* list = qobject_cast<QListWidget*>(GetWidget()))
        for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
    return texts;
}

int ListBox::AddString(const std::string& text) {
    const int at = (GetStyle() & LBS_SORT) ? SortedInsertIndex(Texts(), text) : GetCount();
    return InsertString(at, text);
}

namespace {
// The height of a row: the list font's, or that of the taller glyphs of
// Chinese text (drawn from a fallback font when the list's font has none),
// and of the row's own text, with a pixel above and below so that rows do
// not touch.
int RowHeight(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    const int glyphs = std::max(metrics.boundingRect(QStringLiteral("国系实登申Ag")).height(), metrics.boundingRect(text).height());
    return std::max(metrics.height(), glyphs) + 2;
}
}  // namespace

int ListBox::InsertString(int index, const std::string& text) {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list) return LB_ERR;
    if (index < 0 || index > list->count()) index = list->count();
    CodeChange change(*this);
    auto* item = new QListWidgetItem(QString::fromStdString(text));
    item->setSizeHint({QFontMetrics(list->font()).horizontalAdvance(item->text()) + 8, RowHeight(list->font(), item->text())});
    list->insertItem(index, item);
    return index;
}

int ListBox::DeleteString(int index) {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list || index < 0 || index >= list->count()) return LB_ERR;
    CodeChange change(*this);
    delete list->takeItem(index);
    return list->count();
}

void ListBox::ResetContent() {
    if (auto* list = qobject_cast<QListWidget*>(GetWidget())) {
        CodeChange change(*this);
        list->clear();
    }
}

int ListBox::GetCount() const {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    return list ? list->count() : 0;
}

int ListBox::GetCurSel() const {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list) return LB_ERR;
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? LB_ERR : list->row(selected.first());
}

int ListBox::SetCurSel(int index) {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list) return LB_ERR;
    CodeChange change(*this);
    list->clearSelection();
    if (index < 0 || index >= list->count()) return LB_ERR;
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    return index;
}

std::string ListBox::GetText(int index) const {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    return list && index >= 0 && index < list->count() ? list->item(index)->text().toStdString() : std::string();
}

int ListBox::FindStringExact(int start, const std::string& text) const { return FindIn(Texts(), start, text, true); }

int ListBox::SetItemData(int index, DWORD_PTR data) {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list || index < 0 || index >= list->count()) return LB_ERR;
    list->item(index)->setData(kDataRole, QVariant::fromValue<qulonglong>(data));
    return 0;
}

DWORD_PTR ListBox::GetItemData(int index) const {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list || index < 0 || index >= list->count()) return 0;
    return DWORD_PTR(list->item(index)->data(kDataRole).toULongLong());
}

int ListBox::GetSel(int index) const {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list || index < 0 || index >= list->count()) return LB_ERR;
    return list->item(index)->isSelected() ? 1 : 0;
}

int ListBox::SetSel(int index, BOOL select) {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list || index >= list->count()) return LB_ERR;
    CodeChange change(*this);
    for (int i = 0; i < list->count(); ++i)
        if (index < 0 || i == index) list->item(i)->setSelected(select != FALSE);
    return 0;
}

int ListBox::GetSelCount() const { return int(GetSelItems().size()); }

std::vector<int> ListBox::GetSelItems() const {
    std::vector<int> rows;
    if (auto* list = qobject_cast<QListWidget*>(GetWidget()))
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected()) rows.push_back(i);
    return rows;
}

}  // namespace ui
