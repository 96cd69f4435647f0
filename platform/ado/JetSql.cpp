#include "platform/ado/JetSql.h"

#include <cctype>

#include "platform/text/Text.h"

namespace ado {

namespace {

bool IsCall(std::string_view sql, std::size_t afterWord) {
    while (afterWord < sql.size() && std::isspace(static_cast<unsigned char>(sql[afterWord]))) ++afterWord;
    return afterWord < sql.size() && sql[afterWord] == '(';
}

}  // namespace

bool IsSqlWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80); }

std::size_t SkipQuoted(std::string_view sql, std::size_t i) {
    const char close = sql[i] == '[' ? ']' : sql[i];
    for (++i; i < sql.size(); ++i) {
        if (sql[i] != close) continue;
        if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
            ++i;
            continue;
        }
        return i + 1;
    }
    return sql.size();
}

namespace {

std::string QuoteWith(std::string_view content, char quote) {
    std::string quoted;
    quoted.reserve(content.size() + 2);
    quoted += quote;
    for (char c : content) {
        if (c == quote) quoted += quote;
        quoted += c;
    }
    quoted += quote;
    return quoted;
}

}  // namespace

std::string QuoteName(std::string_view name) { return QuoteWith(name, '"'); }

std::string QuoteText(std::string_view value) { return QuoteWith(value, '\''); }

std::string RewriteJetSql(std::string_view sql) {
    std::string out;
    out.reserve(sql.size() + 16);
    for (std::size_t i = 0; i < sql.size();) {
        const char c = sql[i];
        if (c == '\'' || c == '"' || c == '[') {
            std::size_t end = SkipQuoted(sql, i);
            out.append(sql.substr(i, end - i));
            i = end;
        } else if (IsSqlWordChar(c)) {
            std::size_t end = i;
            while (end < sql.size() && IsSqlWordChar(sql[end])) ++end;
            std::string_view word = sql.substr(i, end - i);
            if ((text::EqualsNoCase(word, "Left") || text::EqualsNoCase(word, "Right")) && IsCall(sql, end))
                out += "Jet_";
            out.append(word);
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace ado
