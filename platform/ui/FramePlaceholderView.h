// A module view that stands in for a business area not built yet: the frame
// hosts it like any module view, and its window says which module it is.
// A second line shows what the host last handed to the module (a period).
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

namespace ui {

class PlaceholderView : public FormView {
    DECLARE_DYNAMIC(PlaceholderView)
public:
    static constexpr int kNameId = 1000;
    static constexpr int kDetailId = 1001;

    PlaceholderView(int templateId, const std::string& moduleName);

    const std::string& ModuleName() const { return moduleName_; }
    void SetDetail(const std::string& detail);
    const std::string& Detail() const { return detail_; }

private:
    std::string moduleName_;
    std::string detail_;
};

}  // namespace ui
