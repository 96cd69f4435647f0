// Window placement, status-bar panes and the period table.
#include <gtest/gtest.h>

#include "main/FrameLayout.h"
#include "main/Period.h"

TEST(MainWindowOrigin, CentresOnLargeScreensAndPinsSmallOnesToTheCorner) {
    struct Case {
        int cx, cy, x, y;
    } cases[] = {
        {1024, 768, 0, 0},      // smaller both ways
        {1920, 1080, 325, 115}, // centred
        {1270, 850, 0, 0},      // exactly the window's size
        {1271, 851, 0, 0},      // one pixel larger: (1 / 2) is 0
        {1280, 720, 5, 0},      // wide but low
    };
    for (const Case& c : cases) {
        const WindowOrigin origin = MainWindowOrigin(c.cx, c.cy);
        EXPECT_EQ(origin.x, c.x) << c.cx << "x" << c.cy;
        EXPECT_EQ(origin.y, c.y) << c.cx << "x" << c.cy;
    }
}

// The whole frame, title bar and borders included, lies in the work area.
TEST(MainWindowClientRect, KeepsTheTitleBarAndBordersInTheWorkArea) {
    const FrameMargins none{}, openbox{1, 23, 1, 5};
    struct Case {
        ScreenRect work;
        FrameMargins margins;
        ScreenRect client;
    } cases[] = {
        {{0, 0, 1920, 1080}, none, {325, 115, 1270, 850}},
        {{0, 0, 1920, 1080}, openbox, {326, 138, 1268, 822}},  // the frame is 1270 x 850
        {{0, 0, 1366, 768}, openbox, {49, 23, 1268, 740}},     // as high as the screen, title bar on it
        {{0, 0, 1024, 768}, openbox, {1, 23, 1022, 740}},
        {{0, 0, 1366, 728}, openbox, {49, 23, 1268, 700}},     // a panel below
        {{60, 24, 1366, 768}, openbox, {109, 47, 1268, 740}},  // panels at the left and top
    };
    for (const Case& c : cases) {
        const ScreenRect client = MainWindowClientRect(c.work, c.margins);
        EXPECT_EQ(client, c.client) << c.work.width << "x" << c.work.height << " margins " << c.margins.top;
        const FrameMargins& m = c.margins;
        EXPECT_GE(client.x - m.left, c.work.x);
        EXPECT_GE(client.y - m.top, c.work.y);
        EXPECT_LE(client.x + client.width + m.right, c.work.x + c.work.width);
        EXPECT_LE(client.y + client.height + m.bottom, c.work.y + c.work.height);
    }
}

TEST(StatusPanes, WidthsFollowAQuarterOfTheClientWidth) {
    EXPECT_EQ(StatusPaneWidths(1260), (std::array<int, 5>{235, 180, 225, 285, 335}));
    // Integer division: 1263 / 4 is still 315.
    EXPECT_EQ(StatusPaneWidths(1263), StatusPaneWidths(1260));
}

TEST(StatusPanes, Texts) {
    EXPECT_EQ(PeriodPaneText("十五五"), "当前时期：十五五");
    EXPECT_EQ(UserPaneText("jjb"), "当前用户：jjb");
    EXPECT_EQ(ClockPaneText(text::DateTime{2026, 3, 7, 9, 5, 1}), "当前时间：2026年03月07日 09:05:01");
}

TEST(Period, NamesAndRangesBothWays) {
    ASSERT_EQ(AllPeriods().size(), 5u);
    for (const Period& p : AllPeriods()) {
        EXPECT_EQ(PeriodNameForRange(p.range), p.name);
        EXPECT_EQ(PeriodRangeForName(p.name), p.range);
    }
    EXPECT_EQ(AllPeriods().front().range, std::string("2006-2010"));
    EXPECT_EQ(AllPeriods().back().range, std::string("2026-2030"));
}

TEST(Period, UnknownTexts) {
    for (const char* stored : {"", "2001-2005", "2021-2025 ", "garbage"})
        EXPECT_EQ(PeriodNameForRange(stored), "十四五") << stored;
    EXPECT_EQ(PeriodRangeForName("十六五"), "");
}

TEST(Period, FiveYearsFromTheFirstYear) {
    EXPECT_EQ(YearsOfRange("2026-2030"), (std::vector<std::string>{"2026", "2027", "2028", "2029", "2030"}));
    EXPECT_EQ(YearsOfRange("2011-2015").front(), "2011");
}
