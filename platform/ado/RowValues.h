// The values of one recordset row held compactly: numbers in place, texts and
// bytes together in one buffer, so that a large result costs two allocations
// per row instead of one per value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/Variant.h"

namespace ado {

class RowValues {
public:
    RowValues() = default;
    // Reserves room for `columns` values and `bytes` bytes of texts.
    RowValues(std::size_t columns, std::size_t bytes);

    std::size_t Size() const { return cells_.size(); }
    std::size_t TextBytes() const { return buffer_.size(); }
    VarType Type(std::size_t column) const { return cells_[column].type; }
    // The bytes of a text or binary value (empty for other values).
    std::string_view Bytes(std::size_t column) const;
    Variant Get(std::size_t column) const;

    // Adds a value after the last one; texts and binary values with
    // PushBytes, everything else with Push.
    void Push(const Variant& value);
    void PushBytes(VarType type, std::string_view bytes);
    // Replaces a value.
    void Set(std::size_t column, const Variant& value);

private:
    struct Cell {
        VarType type = VT_EMPTY;
        std::uint32_t length = 0;  // bytes of a text or binary value
        union {
            std::int64_t whole = 0;
            double real;
            std::uint64_t offset;  // of a text or binary value in buffer_
        };
    };
    static bool HoldsBytes(VarType type) { return type == VT_BSTR || type == VT_ARRAY_UI1; }
    static Cell NumberCell(const Variant& value);

    std::vector<Cell> cells_;
    std::string buffer_;
};

}  // namespace ado
