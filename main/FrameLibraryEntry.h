// What the program and libCorvaneFrame.so agree on: the library's name and
// the names and types of its entry points.
#pragma once

namespace ui {
class FrameWnd;
}

namespace framelibrary {
constexpr const char* kName = "CorvaneFrame";  // libCorvaneFrame.so in the program folder
constexpr const char* kNewMainFrame = "CorvaneNewMainFrame";
constexpr const char* kStartScreenTourIfAsked = "CorvaneStartScreenTourIfAsked";
using NewMainFrameFn = ui::FrameWnd* (*)(const char* userName, int role);
using StartScreenTourIfAskedFn = void (*)(ui::FrameWnd* frame);
}  // namespace framelibrary

extern "C" {
ui::FrameWnd* CorvaneNewMainFrame(const char* userName, int role);
void CorvaneStartScreenTourIfAsked(ui::FrameWnd* frame);
}
