#include "platform/ado/JetError.h"

#include <sqlite3.h>

#include "platform/text/Text.h"

namespace ado {

namespace {

// Text after a prefix such as "no such table: ", or empty when absent.
bool After(std::string_view message, std::string_view prefix, std::string& rest) {
    if (message.substr(0, prefix.size()) != prefix) return false;
    rest = std::string(message.substr(prefix.size()));
    return true;
}

std::string FirstWord(std::string_view sql) {
    std::string trimmed = text::Trim(sql);
    std::size_t end = 0;
    while (end < trimmed.size() && trimmed[end] != ' ' && trimmed[end] != '\t' && trimmed[end] != '\r' &&
           trimmed[end] != '\n' && trimmed[end] != '(')
        ++end;
    return text::ToUpperAscii(trimmed.substr(0, end));
}

Error SyntaxError(std::string_view sql, int code) {
    std::string word = FirstWord(sql);
    if (word == "INSERT") return EngineError("Syntax error in INSERT INTO statement.", "3134", code);
    if (word == "UPDATE") return EngineError("Syntax error in UPDATE statement.", "3144", code);
    if (word == "DELETE") return EngineError("Syntax error in DELETE statement.", "3135", code);
    if (word == "SELECT") return EngineError("Syntax error in query expression.", "3075", code);
    return EngineError(
        "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'.", "3129", code);
}

}  // namespace

Error EngineError(std::string_view description, std::string_view jetNumber, int nativeError) {
    return Error{std::string(description), std::string(jetNumber), nativeError, kEngineSource};
}

Error RecordsetError(std::string_view description, int number) {
    return Error{std::string(description), "", number, kRecordsetSource};
}

Error TranslateSqliteError(int code, std::string_view message, std::string_view sql) {
    std::string name;
    if (message == kFieldTooSmall) return EngineError(kFieldTooSmall, "3163", code);
    if (After(message, "no such table: ", name))
        return EngineError("The Microsoft Jet database engine cannot find the input table or query '" + name +
                               "'.  Make sure it exists and that its name is spelled correctly.",
                           "3078", code);
    if (After(message, "no such column: ", name) || After(message, "no such function: ", name))
        return EngineError("No value given for one or more required parameters.", "3061", code);
    if (After(message, "ambiguous column name: ", name))
        return EngineError("The specified field '" + name +
                               "' could refer to more than one table listed in the FROM clause of your SQL "
                               "statement.",
                           "3079", code);
    if (message.find("syntax error") != std::string_view::npos || message == "incomplete input")
        return SyntaxError(sql, code);
    if (message.size() > 6 && message.substr(0, 6) == "table " &&
        message.find(" already exists") != std::string_view::npos) {
        std::string table(message.substr(6, message.find(" already exists") - 6));
        return EngineError("Table '" + table + "' already exists.", "3010", code);
    }
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return EngineError("Could not update; currently locked.", "3218", code);
    case SQLITE_READONLY: return EngineError("Cannot update.  Database or object is read-only.", "3027", code);
    case SQLITE_MISMATCH: return EngineError("Data type mismatch in criteria expression.", "3464", code);
    default: break;
    }
    return EngineError(message, "HY000", code);
}

Error FileNotFoundError(std::string_view path) {
    return EngineError("Could not find file '" + std::string(path) + "'.", "3024", SQLITE_CANTOPEN);
}

Error NotADatabaseError(std::string_view path) {
    return EngineError("Unrecognized database format '" + std::string(path) + "'.", "3343", SQLITE_NOTADB);
}

Error WrongPasswordError() { return EngineError(kNotValidPassword, "3031", SQLITE_AUTH); }

}  // namespace ado
