// The full name of a project's category from a short one ("一般项目",
// "重点项目"): the fund's kind, "——", then the project's kind, e.g.
// "重点实验室基金——一般项目". Applications and imports store the full name;
// a database from a build that stored the short one is completed when it is
// opened (EnsureIndexes).
#pragma once

#include <initializer_list>
#include <string>

namespace projectcategory {

// The fund's kind follows the fund number's prefix ("9140C": 重点实验室基金,
// "9140A": 共性技术基金); the fund number, the guide code and the project
// number all begin with it, so the first of `numbers` with a known prefix
// decides. Any other text (a full name, empty) is kept, as is a kind without
// a known fund.
std::string FullCategory(const std::string& category, std::initializer_list<std::string> numbers);

}  // namespace projectcategory
