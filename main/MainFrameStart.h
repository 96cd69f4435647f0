// The main window's start once the login has succeeded. The program carries
// the main frame, its views and the module libraries they use in a library
// of their own, libCorvaneFrame.so in the program folder, and loads it only
// now (FrameLoader.cpp): the login dialog shows without first loading and
// relocating the module libraries, the office model and what they need. The
// tests, and the frame library itself, link the frame in (MainFrameStart.cpp).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/FrameWnd.h"

// The main frame for the user of this run (g_strUserName, UserRole), not yet
// created; office documents left open for the user go to the desktop through
// the shell service from now on. Null when the frame library cannot be loaded:
// the reason goes to `problem` when given, and to the standard error, as the
// loader's own would. The program sees it as a frame window only: the frame's
// class, with its type information, stays in the library.
std::unique_ptr<ui::FrameWnd> NewMainFrame(std::string* problem = nullptr);

// With CORVANE_SCREENSHOTS set, starts the screen tour on the shown frame
// (one made by NewMainFrame).
void StartScreenTourIfAsked(ui::FrameWnd& frame);
