// What the program and libCorvaneFrame.so agree on: the library's name and
// the names and types of its entry points.
#pragma once

class CMainFrame;

namespace framelibrary {
constexpr const char* kName = "CorvaneFrame";  // libCorvaneFrame.so in the program folder
constexpr const char* kNewMainFrame = "CorvaneNewMainFrame";
constexpr const char* kStartScreenTourIfAsked = "CorvaneStartScreenTourIfAsked";
using NewMainFrameFn = CMainFrame* (*)(const char* userName, int role);
using StartScreenTourIfAskedFn = void (*)(CMainFrame* frame);
}  // namespace framelibrary

extern "C" {
CMainFrame* CorvaneNewMainFrame(const char* userName, int role);
void CorvaneStartScreenTourIfAsked(CMainFrame* frame);
}
