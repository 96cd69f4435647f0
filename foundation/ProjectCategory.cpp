#include "foundation/ProjectCategory.h"

#include <utility>

namespace projectcategory {

std::string FullCategory(const std::string& category, std::initializer_list<std::string> numbers) {
    if (category != "一般项目" && category != "重点项目") return category;
    static const std::pair<const char*, const char*> kFunds[] = {{"9140C", "重点实验室基金"}, {"9140A", "共性技术基金"}};
    for (const std::string& number : numbers)
        for (const auto& [prefix, fund] : kFunds)
            if (number.compare(0, 5, prefix) == 0) return fund + std::string("——") + category;
    return category;
}

}  // namespace projectcategory
