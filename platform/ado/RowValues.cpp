#include "platform/ado/RowValues.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>

namespace ado {

namespace {

static_assert(sizeof(RowValues) % alignof(std::int64_t) == 0, "cells follow the row header aligned");

constexpr std::size_t kFirstArea = 16 << 10;    // enough for the few rows most queries return
constexpr std::size_t kLargestArea = 8 << 20;
constexpr std::size_t kLargePage = 2 << 20;

bool IsReal(VarType type) { return type == VT_R4 || type == VT_R8 || type == VT_DATE || type == VT_DECIMAL; }

std::string_view BytesOf(const Variant& value) {
    if (value.Type() == VT_BSTR) return value.TextValue();
    const auto& bytes = value.BytesValue();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// An area aligned to the large page size and marked for large pages, so that
// filling it costs a page fault per 2 MB instead of one per 4 KB: with a few
// thousand rows the faults on fresh memory cost more than reading the rows.
char* MapLargeArea(std::size_t size) {
    void* mapped = mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kLargePage - 1) & ~(kLargePage - 1);
    if (aligned > start) munmap(mapped, aligned - start);
    const std::uintptr_t end = start + size + kLargePage;
    if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - aligned - size);
#ifdef MADV_HUGEPAGE
    madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);  // a hint: small pages work as well
#endif
    return reinterpret_cast<char*>(aligned);
}

// Large areas given back by closed recordsets, kept for the next large
// result: a screen that runs its query again fills memory that is already
// mapped instead of having fresh pages cleared for it. Up to kKeptBytes are
// kept; the system may still take their pages back when it runs short
// (MADV_FREE), in which case they are faulted in again on use.
class LargeAreaPool {
public:
    static LargeAreaPool& Shared() {
        static auto* pool = new LargeAreaPool;  // never destroyed: tables may outlive static destruction
        return *pool;
    }

    char* Take(std::size_t size) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (std::size_t i = 0; i < kept_.size(); ++i) {
                if (kept_[i].size != size) continue;
                char* start = kept_[i].start;
                kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(i));
                keptBytes_ -= size;
                return start;
            }
        }
        return MapLargeArea(size);
    }

    void Give(char* start, std::size_t size) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (keptBytes_ + size <= kKeptBytes) {
#ifdef MADV_FREE
                madvise(start, size, MADV_FREE);
#endif
                kept_.push_back({start, size});
                keptBytes_ += size;
                return;
            }
        }
        munmap(start, size);
    }

private:
    static constexpr std::size_t kKeptBytes = 128 << 20;
    struct Kept {
        char* start;
        std::size_t size;
    };
    std::mutex mutex_;
    std::vector<Kept> kept_;
    std::size_t keptBytes_ = 0;
};

}  // namespace

std::size_t RowValues::BlockSize(std::size_t count, std::size_t bytes) {
    const std::size_t align = alignof(RowValues);
    return sizeof(RowValues) + count * sizeof(Cell) + (bytes + align - 1) / align * align;
}

Variant RowValues::Get(std::size_t column) const {
    const Cell& cell = Cells()[column];
    switch (cell.type) {
    case VT_BSTR: return Variant::Text(std::string(Bytes(column)));
    case VT_ARRAY_UI1: {
        std::string_view bytes = Bytes(column);
        return Variant::Bytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }
    case VT_R4: return Variant::R4(static_cast<float>(cell.real));
    case VT_R8: return Variant::R8(cell.real);
    case VT_DATE: return Variant::Date(cell.real);
    case VT_DECIMAL: return Variant::Decimal(cell.real);
    case VT_EMPTY: return Variant();  // a deferred value among them
    default: return Variant::Raw(cell.type, static_cast<std::uint64_t>(cell.whole));
    }
}

RowValues::Cell RowValues::NumberCell(const Variant& value) {
    Cell cell;
    cell.type = value.Type();
    if (IsReal(cell.type))
        cell.real = value.RealValue();
    else
        cell.whole = value.IntBits();
    return cell;
}

void RowBuilder::Start(std::size_t columns, std::int64_t rowid) {
    rowid_ = rowid;
    cells_.clear();
    cells_.reserve(columns);
    bytes_.clear();
}

void RowBuilder::Push(const Variant& value) {
    if (RowValues::HoldsBytes(value.Type()))
        PushBytes(value.Type(), BytesOf(value));
    else
        cells_.push_back(RowValues::NumberCell(value));
}

void RowBuilder::PushBytes(VarType type, std::string_view bytes) {
    RowValues::Cell cell;
    cell.type = type;
    cell.length = static_cast<std::uint32_t>(bytes.size());
    cell.offset = bytes_.size();
    bytes_.append(bytes);
    cells_.push_back(cell);
}

void RowBuilder::PushDeferred(std::int64_t size) {
    RowValues::Cell cell;
    cell.deferred = true;
    cell.whole = size;
    cells_.push_back(cell);
}

void RowTable::FreeRow::operator()(RowValues* row) const {
    row->~RowValues();
    ::operator delete(row);
}

void RowTable::Clear() {
    for (RowValues* row : rows_)
        if (row->ownBlock_) FreeRow()(row);
    std::vector<RowValues*>().swap(rows_);
    for (const Area& area : areas_) {
        if (area.mapped)
            LargeAreaPool::Shared().Give(area.start, area.size);
        else
            ::operator delete(area.start);
    }
    areas_.clear();
    free_ = nullptr;
    left_ = 0;
}

RowValues* RowTable::Build(const RowBuilder& row, void* block, bool ownBlock) {
    const auto count = static_cast<std::uint32_t>(row.cells_.size());
    const auto bytes = static_cast<std::uint32_t>(row.bytes_.size());
    auto* values = new (block) RowValues(row.rowid_, count, bytes, ownBlock);
    if (count) std::memcpy(values->Cells(), row.cells_.data(), count * sizeof(RowValues::Cell));
    if (bytes) std::memcpy(values->Data(), row.bytes_.data(), bytes);
    return values;
}

RowValues* RowTable::OwnBlock(std::size_t size) { return static_cast<RowValues*>(::operator new(size)); }

// A block in the last area, or in a new one four times as large as the one
// before (up to kLargestArea); null for a row too large to share an area.
void* RowTable::Take(std::size_t size) {
    if (size > left_) {
        const std::size_t next = areas_.empty() ? kFirstArea : std::min(areas_.back().size * 4, kLargestArea);
        if (size > next / 4) return nullptr;
        Area area{nullptr, next, next >= kLargePage};
        area.start = area.mapped ? LargeAreaPool::Shared().Take(next) : static_cast<char*>(::operator new(next));
        areas_.push_back(area);
        free_ = area.start;
        left_ = next;
    }
    void* block = free_;
    free_ += size;
    left_ -= size;
    return block;
}

void RowTable::Append(const RowBuilder& row) {
    const std::size_t size = RowValues::BlockSize(row.cells_.size(), row.bytes_.size());
    void* shared = Take(size);
    rows_.push_back(shared ? Build(row, shared, false) : Build(row, OwnBlock(size), true));
}

void RowTable::Replace(std::size_t row, RowValues* block) {
    if (rows_[row]->ownBlock_) FreeRow()(rows_[row]);
    rows_[row] = block;
}

void RowTable::Remove(std::size_t row) {
    if (rows_[row]->ownBlock_) FreeRow()(rows_[row]);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

void RowTable::Set(std::size_t row, std::size_t column, const Variant& value) {
    const RowValues& current = *rows_[row];
    const RowValues::Cell& cell = current.Cells()[column];
    if (!RowValues::HoldsBytes(cell.type) && !RowValues::HoldsBytes(value.Type())) {
        rows_[row]->Cells()[column] = RowValues::NumberCell(value);
        return;
    }
    // A text or binary value changes size: the row is laid out again.
    RowBuilder rebuilt;
    rebuilt.Start(current.Size(), current.rowid_);
    for (std::size_t c = 0; c < current.Size(); ++c) {
        if (c == column)
            rebuilt.Push(value);
        else if (RowValues::HoldsBytes(current.Type(c)))
            rebuilt.PushBytes(current.Type(c), current.Bytes(c));
        else
            rebuilt.cells_.push_back(current.Cells()[c]);
    }
    Replace(row, Build(rebuilt, OwnBlock(RowValues::BlockSize(rebuilt.cells_.size(), rebuilt.bytes_.size())), true));
}

RowTable::OwnedRow RowTable::Copy(std::size_t row) const {
    const RowValues& from = *rows_[row];
    OwnedRow copy(new (OwnBlock(from.BlockSize())) RowValues(from.rowid_, from.count_, from.bytes_, true));
    std::memcpy(copy->Cells(), from.Cells(), from.BlockSize() - sizeof(RowValues));
    return copy;
}

void RowTable::Restore(std::size_t row, OwnedRow copy) { Replace(row, copy.release()); }

}  // namespace ado
