// The report that ends a folder import.
#pragma once

#include <string>
#include <vector>

// "共导入了<n>条数据！", then the names of the files whose records the database
// refused, so that no file is left out of the count unexplained.
std::string ImportReport(int count, const std::vector<std::string>& failedFiles);
