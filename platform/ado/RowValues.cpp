#include "platform/ado/RowValues.h"

namespace ado {

namespace {

bool IsReal(VarType type) { return type == VT_R4 || type == VT_R8 || type == VT_DATE || type == VT_DECIMAL; }

std::string_view BytesOf(const Variant& value) {
    if (value.Type() == VT_BSTR) return value.TextValue();
    const auto& bytes = value.BytesValue();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

RowValues::RowValues(std::size_t columns, std::size_t bytes) {
    cells_.reserve(columns);
    buffer_.reserve(bytes);
}

std::string_view RowValues::Bytes(std::size_t column) const {
    const Cell& cell = cells_[column];
    if (!HoldsBytes(cell.type)) return {};
    return std::string_view(buffer_).substr(cell.offset, cell.length);
}

Variant RowValues::Get(std::size_t column) const {
    const Cell& cell = cells_[column];
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

void RowValues::Push(const Variant& value) {
    if (HoldsBytes(value.Type()))
        PushBytes(value.Type(), BytesOf(value));
    else
        cells_.push_back(NumberCell(value));
}

void RowValues::PushBytes(VarType type, std::string_view bytes) {
    Cell cell;
    cell.type = type;
    cell.length = static_cast<std::uint32_t>(bytes.size());
    cell.offset = buffer_.size();
    buffer_.append(bytes);
    cells_.push_back(cell);
}

void RowValues::Set(std::size_t column, const Variant& value) {
    if (!HoldsBytes(cells_[column].type) && !HoldsBytes(value.Type())) {
        cells_[column] = NumberCell(value);
        return;
    }
    // A text or binary value changes size: the row is laid out again.
    RowValues rebuilt(cells_.size(), buffer_.size() + BytesOf(value).size());
    for (std::size_t c = 0; c < cells_.size(); ++c) {
        if (c == column)
            rebuilt.Push(value);
        else if (HoldsBytes(cells_[c].type))
            rebuilt.PushBytes(cells_[c].type, Bytes(c));
        else
            rebuilt.cells_.push_back(cells_[c]);
    }
    *this = std::move(rebuilt);
}

}  // namespace ado
