// A device context over QPainter: the drawing operations of the system's
// owner-drawn controls, usable on a window while it paints or on an
// off-screen image (MemoryDC), so that drawing can be tested by its pixels.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"
#include "platform/ui/WinDefs.h"

namespace ui {

class DC {
public:
    explicit DC(QPainter& painter) : painter_(&painter) {}
    virtual ~DC() = default;
    DC(const DC&) = delete;
    DC& operator=(const DC&) = delete;

    QPainter& Painter() { return *painter_; }

    // Filled and framed rectangles.
    void FillSolidRect(const Rect& r, COLORREF color);
    void FrameRect(const Rect& r, COLORREF color);
    // Top and left lines in one colour, bottom and right in the other.
    void Draw3dRect(const Rect& r, COLORREF topLeft, COLORREF bottomRight);
    // Outline in the pen colour, filled with the brush colour.
    void Rectangle(const Rect& r);
    void SetPenColor(COLORREF c) { pen_ = c; }
    void SetBrushColor(COLORREF c) { brush_ = c; }
    // Dotted focus rectangle.
    void DrawFocusRect(const Rect& r);

    // Lines: MoveTo then LineTo, in the pen colour (the end point is not drawn).
    void MoveTo(int x, int y) { pos_ = {x, y}; }
    void LineTo(int x, int y);

    // Text.
    COLORREF SetTextColor(COLORREF c);
    COLORREF SetBkColor(COLORREF c);
    int SetBkMode(int mode);
    void SelectFont(const QFont& font) { painter_->setFont(font); }
    void TextOut(int x, int y, const std::string& text);
    // Draws within the rectangle with DT_* alignment; with DT_CALCRECT it only
    // measures, setting the rectangle's right and bottom, and returns the height.
    int DrawText(const std::string& text, Rect& r, UINT format);

    // Pictures. `disabled` draws the picture embossed: its shape once in the
    // highlight colour one pixel right and down, then in the shadow colour.
    void DrawBitmap(const Bitmap& bmp, int x, int y);
    void DrawIcon(const Icon& icon, int x, int y, bool disabled = false);
    void DrawImage(const QImage& image, int x, int y, bool disabled = false);
    void StretchBitmap(const Bitmap& bmp, const Rect& target);

    COLORREF GetPixel(int x, int y) const;

private:
    QPainter* painter_;
    Point pos_;
    COLORREF pen_ = RGB(0, 0, 0);
    COLORREF brush_ = RGB(255, 255, 255);
    COLORREF text_ = RGB(0, 0, 0);
    COLORREF bk_ = RGB(255, 255, 255);
    int bkMode_ = OPAQUE;
};

namespace detail {
// The image and painter of a MemoryDC, built before its DC base.
struct PaintTarget {
    PaintTarget(int width, int height);
    QImage image;
    QPainter painter;
};
}  // namespace detail

// A drawing context on its own image, filled white at the start.
class MemoryDC : private detail::PaintTarget, public DC {
public:
    MemoryDC(int width, int height) : detail::PaintTarget(width, height), DC(painter) {}
    // The picture so far (painting may go on afterwards).
    QImage Image();
};

}  // namespace ui
