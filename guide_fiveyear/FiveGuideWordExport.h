// 导出成word文档 of the five-year guide: the chosen guides of a period with
// the chosen chapters printed into one new document made from
// 模板\template.doc, which is left open for the user and not saved by the
// system.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"

namespace fiveyearword {

// Headings of the chapters 0 to 5 (概述 ... 效益分析); chapter 3 is the topic scope.
constexpr int kChapterCount = 6;
extern const char* const kChapterHeadings[kChapterCount];

// Prints the guides of the period (fund numbers in this order) with the
// chosen chapters ("0" to "5"). The rich texts pass through scratch files in
// the program folder's "output", which are removed again, as is "output"
// when nothing else is in it. A guide's chapter without data prints empty,
// never the text of the guide before it. False, with the message shown, when
// Word or the template cannot be used.
bool ExportGuidesToWord(CAdoConnection& connection, const std::vector<std::string>& funds,
                        const std::string& period, const std::vector<std::string>& chapters);

}  // namespace fiveyearword
