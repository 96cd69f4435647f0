// Points, sizes and rectangles in pixels (left/top/right/bottom, right and
// bottom exclusive), and rectangles of dialog templates in dialog units.
#pragma once

namespace ui {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int cx = 0, cy = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Point TopLeft() const { return {left, top}; }
    Point CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void DeflateRect(int dx, int dy) { left += dx; top += dy; right -= dx; bottom -= dy; }
    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    bool operator==(const Rect&) const = default;
};

// A control's place in a template: x, y, width, height in dialog units.
struct DluRect {
    int x = 0, y = 0, cx = 0, cy = 0;
};

}  // namespace ui
