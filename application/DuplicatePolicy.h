// What an importer does with an imported record whose key is stored already.
// The user chooses one value per import (CDlgImportPolicy); the importer
// applies it record by record. A record whose key is not stored is always
// inserted.
#pragma once

#include <string>

using DuplicatePolicy = int;

namespace duplicate_policy {
constexpr DuplicatePolicy Overwrite = 0;     // replace the stored record with its child rows
constexpr DuplicatePolicy KeepExisting = 1;  // keep the stored record, skip the imported one
constexpr DuplicatePolicy AskEach = 2;       // ask per record: Yes overwrites, No keeps
}  // namespace duplicate_policy

// Whether the stored project `projectCode` is to be replaced by the imported
// one. AskEach asks "项目编号<code>已存在，是否覆盖原有记录？"; any value other
// than KeepExisting and AskEach overwrites.
bool ShouldOverwriteExisting(DuplicatePolicy policy, const std::string& projectCode);
