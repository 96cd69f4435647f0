// User input for tests and test-driver handlers: typing, keys, clicks,
// double clicks and pointer moves, delivered as real Qt input events so that
// they take the same path as a person's input (filters, hooks, notifications).
#pragma once

#include <string>

#include "platform/ui/Geometry.h"
#include "platform/ui/WinDefs.h"

namespace ui {

class ListCtrl;
class Wnd;

namespace sim {
// Types each character into the control (which gets the focus first).
void Type(Wnd& control, const std::string& text);
// Presses one key (VK_RETURN, VK_ESCAPE, VK_TAB, ...) in the control.
void PressKey(Wnd& control, UINT vk);
// Left click / double click at a point of the control's client area.
void Click(Wnd& control, Point point);
void DoubleClick(Wnd& control, Point point);
// Double click on a row of a list control.
void DoubleClickItem(ListCtrl& list, int item);
void ClickItem(ListCtrl& list, int item);
// The pointer enters and moves over the control, or leaves it.
void MoveMouse(Wnd& control, Point point);
void LeaveMouse(Wnd& control);
}  // namespace sim

}  // namespace ui
