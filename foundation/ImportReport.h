// The report that ends a folder import.
#pragma once

#include <string>
#include <vector>

// "共导入了<n>条数据！", then the names of the files whose records the database
// refused, so that no file is left out of the count unexplained.
std::string ImportReport(int count, const std::vector<std::string>& failedFiles);

// The projects a folder import left out because they are not stored: their
// rows would belong to no project, and later to whichever project is given
// the number. Empty without such projects; else a line to add to the report.
std::string NotStoredProjectsReport(const std::vector<std::string>& numbers);
