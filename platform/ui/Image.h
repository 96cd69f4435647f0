// Bitmaps, icons and cursors: images held by value, loaded from the resource
// table by numeric id or made in code.
#pragma once

#include <QCursor>
#include <QImage>

#include "platform/ui/WinDefs.h"

namespace ui {

// A picture drawn as it is (a bitmap resource).
struct Bitmap {
    QImage image;
    bool IsNull() const { return image.isNull(); }
    int Width() const { return image.width(); }
    int Height() const { return image.height(); }
};

// A picture with its own transparency (an icon resource).
struct Icon {
    QImage image;  // ARGB32
    bool IsNull() const { return image.isNull(); }
    int Width() const { return image.width(); }
    int Height() const { return image.height(); }
};

struct Cursor {
    QCursor cursor;
    bool valid = false;
};

// The colour of a pixel as a COLORREF, and back.
COLORREF ToColorRef(QRgb rgb);
QColor ToQColor(COLORREF c);

}  // namespace ui
