// Steps the two import views share: the connection, the look of their
// buttons, the duplicate policy, folder-wide imports, the scratch files of
// bundle parts and the copying of columns from a file's row to a new row.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "foundation/LengthPrefixedContainer.h"

namespace elbrin {

// The duplicate policy as the radio group holds it.
enum DuplicatePolicy { Overwrite = 0, KeepExisting = 1, AskEach = 2 };

constexpr COLORREF kButtonHover = RGB(175, 204, 237), kButtonNormal = RGB(215, 226, 238);

// Opens project.mdb of the program folder (with the database password every
// view uses: the database refuses a connection without it) and binds the
// recordset to it with a client-side cursor.
bool ConnectProject(CAdoConnection& connection, CAdoRecordSet& recordset);
// Binds a recordset to the connection with a client-side cursor.
void Bind(CAdoRecordSet& recordset, CAdoConnection& connection);
// Icon 8008, the hand cursor and the hover and normal backgrounds.
void SetUpButton(CButtonST& button);

// Whether a stored record is replaced: always, never, or when the user
// answers Yes to "<what><key>已存在，是否覆盖原有记录？".
bool ShouldReplace(int policy, const std::string& what, const std::string& key);

// What became of one file of a folder import.
enum class FileResult { Imported, NotImported, WriteFailed };

// Asks for a folder ("选择导入文件夹路径"), runs `importOne` on every file of
// the extension in it and reports "共导入了<n>条数据！" with the names of the
// files whose write failed. False when cancelled.
bool ImportFolder(const std::string& extension, const std::function<FileResult(const std::string&)>& importOne);
bool ImportFolder(const std::string& extension, const std::function<bool(const std::string&)>& importOne);

// Reads the container's parts into the scratch files, one part each;
// `result`, when given, receives why the container could not be read.
bool UnpackToScratch(const std::string& bundle, std::optional<char> marker, const std::vector<std::string>& scratch,
                     LengthPrefixedContainer::ReadResult* result = nullptr);
void RemoveFiles(const std::vector<std::string>& paths);

// Copies one column of the source's current row into the target's new row:
// by name or by position, as text or as long binary data.
bool CopyText(CAdoRecordSet& from, const std::string& column, CAdoRecordSet& to);
bool CopyText(CAdoRecordSet& from, long position, CAdoRecordSet& to);
bool CopyLong(CAdoRecordSet& from, const std::string& column, CAdoRecordSet& to);
bool CopyLong(CAdoRecordSet& from, long position, CAdoRecordSet& to);

}  // namespace elbrin
