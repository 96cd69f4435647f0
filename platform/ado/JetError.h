// Errors as the database layer reports them: the four texts of an ADO error
// entry, with the database engine's descriptions for the common failures.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ado {

struct Error {
    std::string description;
    std::string sqlState;
    int nativeError = 0;
    std::string source;
};

using ErrorList = std::vector<Error>;

inline constexpr const char* kEngineSource = "Microsoft JET Database Engine";
inline constexpr const char* kRecordsetSource = "ADODB.Recordset";

inline constexpr const char* kFieldTooSmall =
    "The field is too small to accept the amount of data you attempted to add.  "
    "Try inserting or pasting less data.";
inline constexpr const char* kNotValidPassword = "Not a valid password.";
inline constexpr const char* kNoCurrentRecord =
    "Either BOF or EOF is True, or the current record has been deleted. "
    "Requested operation requires a current record.";
inline constexpr const char* kNotUpdatable =
    "Current Recordset does not support updating. This may be a limitation of the provider, "
    "or of the selected locktype.";
inline constexpr const char* kItemNotFound =
    "Item cannot be found in the collection corresponding to the requested name or ordinal.";
inline constexpr const char* kTypeMismatch =
    "Multiple-step operation generated errors. Check each status value.";
inline constexpr const char* kClosedObject = "Operation is not allowed when the object is closed.";

// An error of the database engine, described as the engine describes it.
Error EngineError(std::string_view description, std::string_view jetNumber, int nativeError = 0);
// An error of the recordset layer itself (cursor, field access).
Error RecordsetError(std::string_view description, int number);

// The engine's description of a failure SQLite reported for `sql`.
Error TranslateSqliteError(int code, std::string_view message, std::string_view sql);

// A missing database file, an unreadable one, and a wrong password.
Error FileNotFoundError(std::string_view path);
Error NotADatabaseError(std::string_view path);
Error WrongPasswordError();

}  // namespace ado
