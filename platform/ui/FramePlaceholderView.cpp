#include "platform/ui/FramePlaceholderView.h"

namespace ui {

IMPLEMENT_DYNAMIC(PlaceholderView, FormView)

namespace {
DialogTemplate PlaceholderTemplate(int id, const std::string& moduleName) {
    return {id, "", {0, 0, 600, 400}, {
        {Kind::Static, PlaceholderView::kNameId, moduleName + "（此模块尚未建成）", {10, 10, 400, 14}},
        {Kind::Static, PlaceholderView::kDetailId, "", {10, 30, 400, 14}},
    }, WS_CHILD};
}
}  // namespace

PlaceholderView::PlaceholderView(int templateId, const std::string& moduleName)
    : FormView(PlaceholderTemplate(templateId, moduleName)), moduleName_(moduleName) {}

void PlaceholderView::SetDetail(const std::string& detail) {
    detail_ = detail;
    if (IsWindow()) SetDlgItemText(kDetailId, detail);
}

}  // namespace ui
