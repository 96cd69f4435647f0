// The report that ends a folder import.
#pragma once

#include <string>
#include <vector>

class CAdoRecordSet;

// "共导入了<n>条数据！", then the names of the files whose records the database
// refused, so that no file is left out of the count unexplained.
std::string ImportReport(int count, const std::vector<std::string>& failedFiles);

// Whether a part read from a file carries every column of the table it is
// meant for: a part of another kind of file lacks some of them.
bool HasAllColumns(CAdoRecordSet& part, const std::vector<std::string>& columns);
