// The drawing context on an off-screen image, read back by its pixels.
#include <gtest/gtest.h>

#include "platform/ui/DC.h"

using namespace ui;

namespace {

COLORREF At(const QImage& image, int x, int y) { return ToColorRef(image.pixel(x, y)); }

TEST(DCTest, RectanglesLinesAndEdgesLandOnTheirPixels) {
    MemoryDC dc(40, 30);
    dc.FillSolidRect(Rect{0, 0, 20, 10}, RGB(10, 20, 30));
    dc.Draw3dRect(Rect{20, 0, 40, 10}, RGB(255, 0, 0), RGB(0, 0, 255));
    dc.SetPenColor(RGB(0, 128, 0));
    dc.MoveTo(0, 20);
    dc.LineTo(10, 20);
    dc.FrameRect(Rect{20, 15, 30, 25}, RGB(1, 2, 3));
    const QImage image = dc.Image();

    EXPECT_EQ(At(image, 19, 9), RGB(10, 20, 30));
    EXPECT_EQ(At(image, 20, 10), RGB(255, 255, 255));  // right and bottom are outside
    EXPECT_EQ(At(image, 20, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(image, 39, 9), RGB(0, 0, 255));
    EXPECT_EQ(At(image, 25, 5), RGB(255, 255, 255));
    EXPECT_EQ(At(image, 9, 20), RGB(0, 128, 0));
    EXPECT_EQ(At(image, 10, 20), RGB(255, 255, 255));  // a line leaves out its last pixel
    EXPECT_EQ(At(image, 29, 24), RGB(1, 2, 3));
    EXPECT_EQ(At(image, 25, 20), RGB(255, 255, 255));
}

TEST(DCTest, TextIsMeasuredAndDrawnInItsColourOnlyWhereItFalls) {
    MemoryDC dc(120, 40);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(200, 0, 0));
    Rect r{0, 0, 120, 40};
    const int height = dc.DrawText("国家基金", r, DT_CENTER | DT_CALCRECT);
    EXPECT_GT(height, 8);
    EXPECT_GT(r.Width(), 20);
    const QImage before = dc.Image();
    EXPECT_EQ(At(before, 5, 5), RGB(255, 255, 255));  // measuring draws nothing

    Rect place{0, 0, 120, 40};
    dc.DrawText("国家基金", place, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const QImage image = dc.Image();
    int red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 100) ++red;
    EXPECT_GT(red, 10);
    EXPECT_EQ(At(image, 2, 2), RGB(255, 255, 255));  // transparent: no background box
}

TEST(DCTest, DisabledPicturesAreEmbossed) {
    QImage icon(8, 8, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x) icon.setPixel(x, y, qRgb(0, 200, 0));
    MemoryDC dc(20, 20);
    dc.FillSolidRect(Rect{0, 0, 20, 20}, RGB(50, 50, 50));
    dc.DrawIcon(Icon{icon}, 0, 0, true);
    dc.DrawIcon(Icon{icon}, 10, 10);
    const QImage image = dc.Image();
    EXPECT_EQ(At(image, 3, 3), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(At(image, 6, 6), GetSysColor(COLOR_BTNHIGHLIGHT));  // one pixel right and down
    EXPECT_EQ(At(image, 0, 0), RGB(50, 50, 50));                   // transparent stays
    EXPECT_EQ(At(image, 13, 13), RGB(0, 200, 0));
}

}  // namespace
