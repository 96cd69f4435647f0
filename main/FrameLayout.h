// Sizes, places and texts of the main window: its fixed size and centred
// position, and the five status-bar panes.
#pragma once

#include <array>
#include <string>

#include "platform/text/DateTime.h"

constexpr int kMainWindowWidth = 1270;
constexpr int kMainWindowHeight = 850;
constexpr const char* kProductTitle = "Tessaly";

struct WindowOrigin {
    int x, y;
};

// Top-left corner of the main window on a screen of the given size: centred
// when the screen is larger than the window in that direction, else 0.
WindowOrigin MainWindowOrigin(int screenWidth, int screenHeight);

struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// What the window manager adds around the client area: title bar and borders.
struct FrameMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const FrameMargins&) const = default;
};

// The client area of the main window in a work area (the screen less the
// window manager's panels): the whole frame, title bar and borders included,
// is 1270 x 850 where the work area holds it, else as large as the work area
// lets it be; it is centred as MainWindowOrigin centres it.
ScreenRect MainWindowClientRect(const ScreenRect& workArea, const FrameMargins& margins);

constexpr int kStatusPaneCount = 5;
enum StatusPane { kPaneMessage = 0, kPanePeriod, kPaneUser, kPaneClock, kPaneCopyright };

// Indicator ids of the panes (0: the message pane).
constexpr std::array<int, kStatusPaneCount> kStatusIndicators{0, 57345, 57346, 57347, 57348};
// Texts of the panes before they are first set.
extern const std::array<const char*, kStatusPaneCount> kStatusInitialTexts;

// Pane widths for the frame's client width at creation.
std::array<int, kStatusPaneCount> StatusPaneWidths(int clientWidth);

std::string PeriodPaneText(const std::string& periodName);
std::string UserPaneText(const std::string& userName);
std::string ClockPaneText(const text::DateTime& now);
