// Pictures of the program for its documentation and for checking what the
// user sees: with the environment variable CORVANE_SCREENSHOTS naming a
// folder, once the main window shows, the program opens each outlook button's
// view in turn, then each dialog of its menus and the customisation sheet,
// then what the first clicks in a view or a list show (the bottom of a long
// form, a new guide, a file chooser, the unit editor), saves a picture of the
// screen for each, and ends.
#pragma once

#include <string>

class CMainFrame;

// The folder from CORVANE_SCREENSHOTS; empty when the tour is not asked for.
std::string ScreenTourFolder();
void StartScreenTour(CMainFrame& frame, const std::string& folder);
