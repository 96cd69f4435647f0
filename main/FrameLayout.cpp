#include "main/FrameLayout.h"

#include <algorithm>

const std::array<const char*, kStatusPaneCount> kStatusInitialTexts{"就绪", "就绪", "当前用户", "当前时间", "版权"};

WindowOrigin MainWindowOrigin(int screenWidth, int screenHeight) {
    return {screenWidth > kMainWindowWidth ? (screenWidth - kMainWindowWidth) / 2 : 0,
            screenHeight > kMainWindowHeight ? (screenHeight - kMainWindowHeight) / 2 : 0};
}

ScreenRect MainWindowClientRect(const ScreenRect& workArea, const FrameMargins& margins) {
    const int frameWidth = workArea.width > 0 ? std::min(kMainWindowWidth, workArea.width) : kMainWindowWidth;
    const int frameHeight = workArea.height > 0 ? std::min(kMainWindowHeight, workArea.height) : kMainWindowHeight;
    const WindowOrigin origin = MainWindowOrigin(std::max(workArea.width, 0), std::max(workArea.height, 0));
    return {workArea.x + origin.x + margins.left, workArea.y + origin.y + margins.top,
            std::max(frameWidth - margins.left - margins.right, 1),
            std::max(frameHeight - margins.top - margins.bottom, 1)};
}

std::array<int, kStatusPaneCount> StatusPaneWidths(int clientWidth) {
    const int quarter = clientWidth / 4;
    return {quarter - 80, 180, quarter - 90, quarter - 30, quarter + 20};
}

std::string PeriodPaneText(const std::string& periodName) { return "当前时期：" + periodName; }
std::string UserPaneText(const std::string& userName) { return "当前用户：" + userName; }
std::string ClockPaneText(const text::DateTime& now) { return now.Format("当前时间：%Y年%m月%d日 %H:%M:%S"); }
