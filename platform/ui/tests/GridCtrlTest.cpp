// The grid control: columns, rows made, added, inserted and removed, the
// three kinds of cells edited in place, the item-changed hook, committing an
// open edit, and the selection of rows.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/ui/GridCtrl.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/tests/ControlHost.h"

using namespace ui;
using ui::testing::ControlHost;

namespace {

// Columns: 0 name (text), 1 sex (choice), 2 age (read-only text), 3 member (check box).
class MemberGrid : public GridCtrl {
public:
    struct Change {
        std::string value;
        int row, column;
        bool operator==(const Change&) const = default;
    };
    std::vector<Change> changes;

    int AddMember(const std::string& name) {
        auto row = CreateRow(GetColumnCount());
        row->GetItem(0)->SetValue(name);
        auto sex = std::make_unique<GridItem>("");
        sex->AddOption("男");
        sex->AddOption("女");
        row->ReplaceItem(1, std::move(sex));
        row->GetItem(2)->AllowEdit(FALSE);
        row->ReplaceItem(3, std::make_unique<GridCheckItem>(false));
        return AddRow(std::move(row));
    }

protected:
    int OnCreate() override {
        const char* names[] = {"姓名", "性别", "年龄", "成员"};
        const int widths[] = {100, 50, 80, 60};
        for (int c = 0; c < 4; ++c) {
            InsertColumn(c, names[c], widths[c]);
            SetColumnAlign(c, HDF_CENTER);
            SetHeaderAlign(c, HDF_CENTER);
        }
        EnableHeader(TRUE, 0);
        return 0;
    }
    void OnItemChanged(GridItem* item, int row, int column) override {
        changes.push_back({item->GetValue(), row, column});
    }
};

void TypeInto(QWidget* editor, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(editor, &press);
    }
}

std::vector<std::string> Column(const GridCtrl& grid, int column) {
    std::vector<std::string> values;
    for (int r = 0; r < grid.GetRowCount(); ++r) values.push_back(grid.GetItem(r, column)->GetValue());
    return values;
}

class GridTest : public ::testing::Test {
protected:
    GridTest() { grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, {5, 5, 390, 280}, &host, 1); }
    ControlHost host;
    MemberGrid grid;
};

TEST_F(GridTest, ColumnsHaveHeaderWidthAndAlignment) {
    EXPECT_EQ(grid.GetColumnCount(), 4);
    EXPECT_EQ(grid.GetColumnName(1), "性别");
    EXPECT_EQ(grid.GetColumnWidth(0), 100);
    EXPECT_EQ(grid.GetColumnAlign(2), HDF_CENTER);
    EXPECT_EQ(grid.GetHeaderAlign(3), HDF_CENTER);
    EXPECT_TRUE(grid.IsHeaderEnabled());
    grid.SetColumnWidth(0, 150);
    EXPECT_EQ(grid.GetColumnWidth(0), 150);
}

TEST_F(GridTest, RowsAreAddedInsertedAfterARowAndRemoved) {
    for (const char* n : {"甲", "乙", "丙"}) grid.AddMember(n);
    auto row = grid.CreateRow(4);
    row->GetItem(0)->SetValue("丁");
    EXPECT_EQ(grid.InsertRowAfter(0, std::move(row)), 1);
    EXPECT_EQ(Column(grid, 0), (std::vector<std::string>{"甲", "丁", "乙", "丙"}));
    EXPECT_EQ(grid.GetRow(2)->GetRowId(), 2);
    EXPECT_EQ(grid.GetItem(1, 0)->GetType(), GridItem::Type::Text);
    EXPECT_EQ(grid.GetItem(0, 1)->GetType(), GridItem::Type::Choice);
    EXPECT_EQ(grid.GetItem(0, 3)->GetType(), GridItem::Type::Check);

    EXPECT_TRUE(grid.RemoveRow(1));
    EXPECT_FALSE(grid.RemoveRow(7));
    EXPECT_EQ(Column(grid, 0), (std::vector<std::string>{"甲", "乙", "丙"}));
    grid.RemoveAll();
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_TRUE(grid.changes.empty());  // nothing here came from the user
}

TEST_F(GridTest, EveryKindOfCellIsEditedThroughTheControl) {
    grid.AddMember("甲");
    grid.AddMember("乙");

    // Text: typed into the in-place editor, taken over when the edit ends.
    ASSERT_TRUE(grid.EditItem(1, 0));
    auto* line = qobject_cast<QLineEdit*>(grid.GetInPlaceEditor());
    ASSERT_NE(line, nullptr);
    line->selectAll();
    TypeInto(line, "王五");
    EXPECT_EQ(grid.GetItem(1, 0)->GetValue(), "乙");  // still being edited
    EXPECT_TRUE(grid.EndEditItem());
    EXPECT_EQ(grid.GetItem(1, 0)->GetValue(), "王五");

    // Choice: the drop-down offers the options; picking one ends the edit.
    ASSERT_TRUE(grid.EditItem(0, 1));
    auto* combo = qobject_cast<QComboBox*>(grid.GetInPlaceEditor());
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1).toStdString(), "女");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(grid.GetItem(0, 1)->GetValue(), "女");
    EXPECT_EQ(grid.GetInPlaceEditor(), nullptr);

    // Check box: the space key on the cell ticks it.
    auto* view = qobject_cast<QAbstractItemView*>(grid.GetWidget());
    view->setCurrentIndex(view->model()->index(0, 3));
    sim::PressKey(grid, VK_SPACE);
    EXPECT_EQ(static_cast<GridCheckItem*>(grid.GetItem(0, 3))->GetCheck(), true);

    // Read-only text cannot be edited.
    EXPECT_FALSE(grid.EditItem(0, 2));

    EXPECT_EQ(grid.changes, (std::vector<MemberGrid::Change>{{"王五", 1, 0}, {"女", 0, 1}, {"1", 0, 3}}));
}

TEST_F(GridTest, AnEditCanBeDroppedAndUnchangedValuesDoNotNotify) {
    grid.AddMember("甲");
    ASSERT_TRUE(grid.EditItem(0, 0));
    TypeInto(grid.GetInPlaceEditor(), "x");
    EXPECT_TRUE(grid.EndEditItem(FALSE));
    EXPECT_EQ(grid.GetItem(0, 0)->GetValue(), "甲");

    ASSERT_TRUE(grid.EditItem(0, 0));  // opened and committed with the same text
    EXPECT_TRUE(grid.EndEditItem());
    EXPECT_FALSE(grid.EndEditItem());  // nothing open
    grid.GetItem(0, 0)->SetValue("乙");  // from code
    EXPECT_TRUE(grid.changes.empty());
}

TEST_F(GridTest, CurrentRowAndSeveralSelectedRows) {
    for (const char* n : {"1", "2", "3", "4", "5"}) grid.AddMember(n);
    EXPECT_EQ(grid.GetCurSel(), nullptr);
    grid.SetCurSel(1);
    ASSERT_NE(grid.GetCurSel(), nullptr);
    EXPECT_EQ(grid.GetCurSel()->GetRowId(), 1);
    grid.SelectRow(3);
    EXPECT_EQ(grid.GetSelectedRows(), (std::vector<int>{1, 3}));
    EXPECT_TRUE(grid.IsRowSelected(3));
    EXPECT_FALSE(grid.IsRowSelected(2));

    // Removing the selected rows from the highest index down.
    const std::vector<int> selected = grid.GetSelectedRows();
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) grid.RemoveRow(*it);
    EXPECT_EQ(Column(grid, 0), (std::vector<std::string>{"1", "3", "5"}));

    grid.SetCurSel(-1);
    EXPECT_EQ(grid.GetCurSel(), nullptr);
    EXPECT_TRUE(grid.GetSelectedRows().empty());
}

}  // namespace
