#include "platform/ado/RowValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace ado;

// What a table should hold, kept as plain variants beside it; a deferred
// value is kept as its size.
struct ModelValue {
    Variant value;
    std::int64_t deferredSize = -1;
};
using ModelRow = std::vector<ModelValue>;

constexpr std::size_t kColumns = 6;

// Values of every layout: a number, a real, NULL beside an empty text, texts
// and binary values with NUL bytes, a deferred long value.
ModelRow RowOf(std::size_t r) {
    const std::string text = "row " + std::to_string(r) + std::string(r % 7, '\0') + "中文" + std::string(r % 300, 'x');
    std::vector<std::uint8_t> bytes(r % 5, 0);
    bytes.push_back(static_cast<std::uint8_t>(r));
    ModelRow row(kColumns);
    row[0].value = Variant::I4(static_cast<std::int32_t>(r));
    row[1].value = Variant::R8(r / 4.0);
    row[2].value = r % 3 == 0 ? Variant::Null() : Variant::Text(r % 3 == 1 ? "" : text);
    row[3].value = Variant::Text(text);
    row[4].value = Variant::Bytes(bytes);
    if (r % 2)
        row[5].deferredSize = static_cast<std::int64_t>(r) * 1000;
    else
        row[5].value = Variant::Null();
    return row;
}

void Build(RowBuilder& builder, const ModelRow& row, std::int64_t rowid) {
    builder.Start(row.size(), rowid);
    for (const ModelValue& v : row) {
        if (v.deferredSize >= 0)
            builder.PushDeferred(v.deferredSize);
        else if (v.value.Type() == VT_BSTR)
            builder.PushBytes(VT_BSTR, v.value.TextValue());  // as rows are read from a statement
        else
            builder.Push(v.value);
    }
}

void ExpectSame(const RowTable& table, const std::vector<ModelRow>& model, const std::vector<std::int64_t>& rowids,
                const char* when) {
    ASSERT_EQ(table.Count(), model.size()) << when;
    for (std::size_t r = 0; r < model.size(); ++r) {
        const RowValues& row = table[r];
        ASSERT_EQ(row.Size(), kColumns) << when << " row " << r;
        EXPECT_EQ(row.RowId(), rowids[r]) << when << " row " << r;
        for (std::size_t c = 0; c < kColumns; ++c) {
            const ModelValue& expected = model[r][c];
            EXPECT_EQ(row.IsDeferred(c), expected.deferredSize >= 0) << when << " row " << r << " column " << c;
            if (expected.deferredSize >= 0) {
                EXPECT_EQ(row.DeferredSize(c), expected.deferredSize) << when << " row " << r << " column " << c;
                EXPECT_EQ(row.Type(c), VT_EMPTY) << when << " row " << r << " column " << c;
                continue;
            }
            EXPECT_EQ(row.Get(c), expected.value) << when << " row " << r << " column " << c;
            EXPECT_EQ(row.Type(c), expected.value.Type()) << when << " row " << r << " column " << c;
        }
    }
}

// Enough rows to fill the first small areas and several large ones, with rows
// too large to share an area among them.
TEST(RowTableTest, ValuesSurviveAreasEditsCopiesAndRemovals) {
    RowTable table;
    RowBuilder builder;
    std::vector<ModelRow> model;
    std::vector<std::int64_t> rowids;
    for (std::size_t r = 0; r < 40000; ++r) {
        model.push_back(RowOf(r));
        if (r % 10000 == 5) model.back()[3].value = Variant::Text(std::string(3 << 20, 'L'));
        rowids.push_back(static_cast<std::int64_t>(r) + 100);
        Build(builder, model.back(), rowids.back());
        table.Append(builder);
    }
    ExpectSame(table, model, rowids, "read");

    const struct {
        const char* what;
        std::size_t row, column;
        Variant value;
    } edits[] = {
        {"a number in place", 17, 0, Variant::I4(-5)},
        {"a longer text", 17, 3, Variant::Text(std::string(5000, 'y') + std::string(1, '\0'))},
        {"a shorter text in the same row", 17, 2, Variant::Text("z")},
        {"a text to NULL", 18, 3, Variant::Null()},
        {"NULL to an empty text", 18, 2, Variant::Text("")},
        {"a deferred value loaded", 19, 5, Variant::Bytes({0, 0, 9})},
        {"a number over a deferred value", 21, 5, Variant::I4(3)},
        {"binary to a number", 20, 4, Variant::I4(8)},
        {"a large row edited", 10005, 1, Variant::R8(1.5)},
        {"a row edited again", 17, 3, Variant::Text("again")},
    };
    for (const auto& edit : edits) {
        table.Set(edit.row, edit.column, edit.value);
        model[edit.row][edit.column] = {edit.value, -1};
    }
    ExpectSame(table, model, rowids, "edited");

    // An edit taken back: the copy comes back whole, whether the row sat in
    // an area or in a block of its own.
    for (std::size_t r : {std::size_t{30}, std::size_t{17}}) {
        RowTable::OwnedRow before = table.Copy(r);
        table.Set(r, 3, Variant::Text("discarded"));
        table.Set(r, 0, Variant::I4(0));
        table.Restore(r, std::move(before));
    }
    table.SetRowId(30, 7);
    rowids[30] = 7;
    ExpectSame(table, model, rowids, "restored");

    for (std::size_t r : {std::size_t{20005}, std::size_t{17}, std::size_t{0}}) {
        table.Remove(r);
        model.erase(model.begin() + static_cast<std::ptrdiff_t>(r));
        rowids.erase(rowids.begin() + static_cast<std::ptrdiff_t>(r));
    }
    table.RemoveLast();
    model.pop_back();
    rowids.pop_back();
    ExpectSame(table, model, rowids, "removed");

    Build(builder, RowOf(1), 1);
    table.Append(builder);
    model.push_back(RowOf(1));
    rowids.push_back(1);
    ExpectSame(table, model, rowids, "appended after edits");

    table.Clear();
    EXPECT_TRUE(table.Empty());
    Build(builder, RowOf(2), 2);
    table.Append(builder);
    ExpectSame(table, {RowOf(2)}, {2}, "refilled");
}

}  // namespace
