#include "foundation/ColumnLimits.h"

#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"

ColumnLimits::ColumnLimits(CAdoConnection& connection, const std::string& table) {
    CAdoRecordSet schema;
    schema.SetConnection(&connection);
    if (!schema.Open("select * from " + table + " where 1 = 0")) return;
    const ado::Recordset* fields = schema.GetFields();
    for (long i = 0; fields && i < fields->FieldCount(); ++i) {
        const ado::ColumnInfo& column = fields->Column(i);
        if (column.type == ado::adVarWChar && !column.IsLong() && column.definedSize > 0)
            limits_.emplace_back(column.name, column.definedSize);
    }
}

int ColumnLimits::Of(const std::string& column) const {
    for (const auto& [name, limit] : limits_)
        if (text::EqualsNoCase(name, column)) return limit;
    return 0;
}

void ColumnLimits::LimitBoxes(ui::Dialog& dialog, const std::vector<std::pair<int, std::string>>& boxes) const {
    for (const auto& [id, column] : boxes)
        if (auto* edit = dialog.Item<ui::Edit>(id)) edit->LimitChars(Of(column));
}

std::string ColumnLimits::FirstTooLong(const std::vector<std::pair<std::string, std::string>>& values) const {
    for (const auto& [column, value] : values) {
        const int limit = Of(column);
        if (limit > 0 && CharacterCount(value) > std::size_t(limit)) return column;
    }
    return {};
}

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (unsigned char byte : utf8)
        if ((byte & 0xC0) != 0x80) ++count;
    return count;
}

std::string FieldLabel(const ui::Dialog& dialog, int id) {
    std::string label;
    for (const ui::ControlTemplate& control : dialog.GetTemplate().controls) {
        if (control.id == id) break;
        if (control.kind == ui::Kind::Static) label = control.text;
    }
    label = text::ReplaceAll(label, "(必填)", "");
    for (const char* colon : {"：", ":"}) {
        const std::string tail(colon);
        if (label.size() >= tail.size() && label.compare(label.size() - tail.size(), tail.size(), tail) == 0)
            label.erase(label.size() - tail.size());
    }
    return text::Trim(label);
}

std::string TooLongMessage(const std::string& field, int limit, const std::string& failure) {
    return text::Format("“%s”不能超过%d个字符。\r\n", field.c_str(), limit) + failure;
}
