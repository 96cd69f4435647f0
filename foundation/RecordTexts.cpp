#include "foundation/RecordTexts.h"

#include "foundation/AdoRecordSet.h"

namespace {

template <class ReadCell>
RowTexts ReadRows(CAdoRecordSet& rs, std::size_t columns, ReadCell read) {
    RowTexts rows;
    while (rs.IsOpen() && !rs.IsEOF()) {
        std::vector<std::string>& row = rows.emplace_back(columns);
        for (std::size_t c = 0; c < columns; ++c) read(c, row[c]);
        if (!rs.MoveNext()) break;
    }
    return rows;
}

}  // namespace

RowTexts ReadRowTexts(CAdoRecordSet& rs, std::span<const char* const> columns) {
    return ReadRows(rs, columns.size(), [&](std::size_t c, std::string& text) { rs.GetString(columns[c], text); });
}

RowTexts ReadRowTexts(CAdoRecordSet& rs, std::initializer_list<const char*> columns) {
    return ReadRowTexts(rs, std::span<const char* const>(columns.begin(), columns.size()));
}

RowTexts ReadRowTexts(CAdoRecordSet& rs, long count) {
    return ReadRows(rs, std::size_t(count < 0 ? 0 : count),
                    [&](std::size_t c, std::string& text) { rs.GetFieldText(long(c), text); });
}

void NumberRows(RowTexts& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) rows[r].insert(rows[r].begin(), std::to_string(r + 1));
}
