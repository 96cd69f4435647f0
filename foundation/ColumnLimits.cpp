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
    const std::vector<ui::ControlTemplate>& controls = dialog.GetTemplate().controls;
    const ui::ControlTemplate* box = nullptr;
    for (const ui::ControlTemplate& control : controls)
        if (control.id == id) box = &control;
    if (!box) return {};
    // The nearest text on the box's line to its left, else the nearest
    // above it over the same columns (the heading of a table of boxes).
    const ui::ControlTemplate* left = nullptr;
    const ui::ControlTemplate* above = nullptr;
    for (const ui::ControlTemplate& control : controls) {
        if (control.kind != ui::Kind::Static || control.text.empty()) continue;
        const ui::DluRect& r = control.rect;
        const bool sameLine = r.y < box->rect.y + box->rect.cy && box->rect.y < r.y + r.cy;
        if (sameLine && r.x + r.cx <= box->rect.x + 2 && (!left || r.x > left->rect.x)) left = &control;
        const bool overColumns = r.x < box->rect.x + box->rect.cx && box->rect.x < r.x + r.cx;
        if (overColumns && r.y + r.cy <= box->rect.y && (!above || r.y > above->rect.y)) above = &control;
    }
    std::string label = left ? left->text : above ? above->text : std::string();
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
