// The few places where the engine's SQL, as the system writes it, differs
// from SQLite's: Left( and Right( are join keywords to SQLite, so calls of
// those functions are renamed to the registered Jet_Left and Jet_Right.
#pragma once

#include <string>
#include <string_view>

namespace ado {

std::string RewriteJetSql(std::string_view sql);

// A table or column name between double quotes (inner quotes doubled).
std::string QuoteName(std::string_view name);
// A text value between single quotes (inner quotes doubled), for the few
// statements whose text has to carry the value itself.
std::string QuoteText(std::string_view value);

// Scanning helpers: a character of a word or name, and the index just past
// the quoted text or name ('...', "...", [...]) that starts at `i`.
bool IsSqlWordChar(char c);
std::size_t SkipQuoted(std::string_view sql, std::size_t i);

}  // namespace ado
