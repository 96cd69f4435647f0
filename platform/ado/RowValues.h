// The rows of a recordset held compactly. A row is one block of memory: a
// short header, a cell per column (numbers in place, texts and binary values
// as an offset and a length), then the bytes of its texts and binary values.
// The rows read when a recordset opens lie end to end in a few large areas,
// so that a large result costs a handful of allocations instead of two per
// row, and reading a value is an index and a view. A row changed later is
// laid out again in a block of its own, freed when the row is replaced or
// removed, so that repeated edits do not pile up in the areas.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/Variant.h"

namespace ado {

class RowValues {
public:
    RowValues(const RowValues&) = delete;
    RowValues& operator=(const RowValues&) = delete;

    std::size_t Size() const { return count_; }
    // VT_EMPTY for a deferred value.
    VarType Type(std::size_t column) const { return Cells()[column].type; }
    // The bytes of a text or binary value (empty for other values).
    std::string_view Bytes(std::size_t column) const {
        const Cell& cell = Cells()[column];
        if (!HoldsBytes(cell.type)) return {};
        return {Data() + cell.offset, cell.length};
    }
    Variant Get(std::size_t column) const;
    // A long binary value not read yet: the row holds only its size.
    bool IsDeferred(std::size_t column) const { return Cells()[column].deferred; }
    std::int64_t DeferredSize(std::size_t column) const { return Cells()[column].whole; }
    // The row's rowid in its base table (0 when it has none).
    std::int64_t RowId() const { return rowid_; }

private:
    friend class RowBuilder;
    friend class RowTable;

    struct Cell {
        VarType type = VT_EMPTY;
        bool deferred = false;     // `whole` holds the size of the value not read
        std::uint32_t length = 0;  // bytes of a text or binary value
        union {
            std::int64_t whole = 0;
            double real;
            std::uint64_t offset;  // of a text or binary value after the cells
        };
    };
    static bool HoldsBytes(VarType type) { return type == VT_BSTR || type == VT_ARRAY_UI1; }
    static Cell NumberCell(const Variant& value);

    RowValues(std::int64_t rowid, std::uint32_t count, std::uint32_t bytes, bool ownBlock)
        : rowid_(rowid), count_(count), bytes_(bytes), ownBlock_(ownBlock) {}
    static std::size_t BlockSize(std::size_t count, std::size_t bytes);
    std::size_t BlockSize() const { return BlockSize(count_, bytes_); }
    const Cell* Cells() const { return reinterpret_cast<const Cell*>(this + 1); }
    Cell* Cells() { return reinterpret_cast<Cell*>(this + 1); }
    const char* Data() const { return reinterpret_cast<const char*>(Cells() + count_); }
    char* Data() { return reinterpret_cast<char*>(Cells() + count_); }

    std::int64_t rowid_;
    std::uint32_t count_;
    std::uint32_t bytes_;
    bool ownBlock_;  // allocated for this row alone, not in a table's areas
};

// A row put together value after value before a table takes a copy of it;
// kept and reused, it stops allocating once it has held the largest row.
class RowBuilder {
public:
    // Empties the builder for a row of `columns` values.
    void Start(std::size_t columns, std::int64_t rowid = 0);
    std::size_t Size() const { return cells_.size(); }

    // Adds a value after the last one; texts and binary values from a view
    // with PushBytes, any value with Push.
    void Push(const Variant& value);
    void PushBytes(VarType type, std::string_view bytes);
    void PushNull() { cells_.push_back(RowValues::Cell{VT_NULL}); }
    // A long binary value of `size` bytes left in the database until asked for.
    void PushDeferred(std::int64_t size);

private:
    friend class RowTable;
    std::int64_t rowid_ = 0;
    std::vector<RowValues::Cell> cells_;
    std::string bytes_;
};

class RowTable {
public:
    struct FreeRow {
        void operator()(RowValues* row) const;
    };
    // A copy of a row that belongs to its holder until handed back.
    using OwnedRow = std::unique_ptr<RowValues, FreeRow>;

    RowTable() = default;
    RowTable(const RowTable&) = delete;
    RowTable& operator=(const RowTable&) = delete;
    ~RowTable() { Clear(); }

    void Clear();
    std::size_t Count() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    const RowValues& operator[](std::size_t row) const { return *rows_[row]; }

    // Adds a copy of the built row after the last one.
    void Append(const RowBuilder& row);
    void RemoveLast() { Remove(rows_.size() - 1); }
    void Remove(std::size_t row);
    void SetRowId(std::size_t row, std::int64_t rowid) { rows_[row]->rowid_ = rowid; }
    // Replaces a value, a deferred one included: a number over a number in
    // place, anything else by laying the row out again.
    void Set(std::size_t row, std::size_t column, const Variant& value);

    OwnedRow Copy(std::size_t row) const;
    // Puts a copy back in the place of a row.
    void Restore(std::size_t row, OwnedRow copy);

private:
    struct Area {
        char* start;
        std::size_t size;
        bool mapped;  // taken from the system in large pages
    };

    static RowValues* Build(const RowBuilder& row, void* block, bool ownBlock);
    static RowValues* OwnBlock(std::size_t size);
    void* Take(std::size_t size);
    void Replace(std::size_t row, RowValues* block);

    std::vector<RowValues*> rows_;
    std::vector<Area> areas_;
    char* free_ = nullptr;  // unused end of the last area
    std::size_t left_ = 0;
};

}  // namespace ado
