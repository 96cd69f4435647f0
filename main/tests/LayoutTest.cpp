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
