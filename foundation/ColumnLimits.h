// The lengths a table's text columns hold, read from the database's own
// schema (TEXT(n): n characters, as the database counts them), so that edit
// boxes are limited, and an over-long value named, from that one source
// rather than from numbers typed per box.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "foundation/AdoConnection.h"

namespace ui {
class Dialog;
}

class ColumnLimits {
public:
    // No limits are known when the table cannot be read.
    ColumnLimits(CAdoConnection& connection, const std::string& table);

    // Characters the column holds; 0 when it is no text column of a set length.
    int Of(const std::string& column) const;
    // Limits each edit box (control id, column) of the dialog to its column.
    void LimitBoxes(ui::Dialog& dialog, const std::vector<std::pair<int, std::string>>& boxes) const;
    // The first (column, value) whose value is longer than the column holds;
    // empty when every value fits.
    std::string FirstTooLong(const std::vector<std::pair<std::string, std::string>>& values) const;

private:
    std::vector<std::pair<std::string, int>> limits_;
};

// Characters of a UTF-8 text as the database counts them.
std::size_t CharacterCount(const std::string& utf8);

// The label a dialog's template gives the control: the nearest static text
// to its left on its line, else the nearest above it (a column heading),
// without "(必填)" or a closing colon.
std::string FieldLabel(const ui::Dialog& dialog, int id);

// "“<field>”不能超过<n>个字符。" followed by the failure text on its own line.
std::string TooLongMessage(const std::string& field, int limit, const std::string& failure);
