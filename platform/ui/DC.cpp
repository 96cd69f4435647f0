#include "platform/ui/DC.h"

#include <QPen>

#include "platform/ui/App.h"

namespace ui {

COLORREF ToColorRef(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }
QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

namespace {
QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

int ToQtAlignment(UINT format) {
    int flags = 0;
    if (format & DT_CENTER) flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT) flags |= Qt::AlignRight;
    else flags |= Qt::AlignLeft;
    if (format & DT_VCENTER) flags |= Qt::AlignVCenter;
    else if (format & DT_BOTTOM) flags |= Qt::AlignBottom;
    else flags |= Qt::AlignTop;
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) flags |= Qt::TextWordWrap;
    return flags;
}

// The shape of an image (its opaque pixels) in one colour.
QImage Silhouette(const QImage& image, COLORREF color) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb fill = ToQColor(color).rgb();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qAlpha(line[x]) >= 128 ? fill : qRgba(0, 0, 0, 0);
    }
    return out;
}
}  // namespace

detail::PaintTarget::PaintTarget(int width, int height)
    : image((EnsureApplication(), QSize(width, height)), QImage::Format_ARGB32) {
    image.fill(Qt::white);
    painter.begin(&image);
}

QImage MemoryDC::Image() {
    painter.end();
    QImage copy = image.copy();
    painter.begin(&image);
    return copy;
}

void DC::FillSolidRect(const Rect& r, COLORREF color) {
    painter_->fillRect(ToQRect(r), ToQColor(color));
}

void DC::FrameRect(const Rect& r, COLORREF color) {
    if (r.IsRectEmpty()) return;
    const QColor c = ToQColor(color);
    painter_->fillRect(QRect(r.left, r.top, r.Width(), 1), c);
    painter_->fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), c);
    painter_->fillRect(QRect(r.left, r.top, 1, r.Height()), c);
    painter_->fillRect(QRect(r.right - 1, r.top, 1, r.Height()), c);
}

void DC::Draw3dRect(const Rect& r, COLORREF topLeft, COLORREF bottomRight) {
    if (r.IsRectEmpty()) return;
    const QColor tl = ToQColor(topLeft), br = ToQColor(bottomRight);
    painter_->fillRect(QRect(r.left, r.top, r.Width() - 1, 1), tl);
    painter_->fillRect(QRect(r.left, r.top, 1, r.Height() - 1), tl);
    painter_->fillRect(QRect(r.right - 1, r.top, 1, r.Height()), br);
    painter_->fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), br);
}

void DC::Rectangle(const Rect& r) {
    FillSolidRect(r, brush_);
    FrameRect(r, pen_);
}

void DC::DrawFocusRect(const Rect& r) {
    QPen pen(Qt::black);
    pen.setStyle(Qt::DotLine);
    painter_->save();
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
    painter_->restore();
}

void DC::LineTo(int x, int y) {
    if (x != pos_.x || y != pos_.y) {
        // Windows leaves out the last pixel of a line.
        int endX = x, endY = y;
        if (y == pos_.y) endX += x > pos_.x ? -1 : 1;
        else if (x == pos_.x) endY += y > pos_.y ? -1 : 1;
        painter_->save();
        painter_->setPen(QPen(ToQColor(pen_), 1));
        painter_->drawLine(pos_.x, pos_.y, endX, endY);
        painter_->restore();
    }
    pos_ = {x, y};
}

COLORREF DC::SetTextColor(COLORREF c) { std::swap(text_, c); return c; }
COLORREF DC::SetBkColor(COLORREF c) { std::swap(bk_, c); return c; }
int DC::SetBkMode(int mode) { std::swap(bkMode_, mode); return mode; }

void DC::TextOut(int x, int y, const std::string& text) {
    Rect r{x, y, x + 10000, y + 10000};
    DrawText(text, r, DT_LEFT | DT_SINGLELINE);
}

int DC::DrawText(const std::string& text, Rect& r, UINT format) {
    const QString s = QString::fromStdString(text);
    const int flags = ToQtAlignment(format);
    const QRect bounds = painter_->boundingRect(ToQRect(r), flags, s);
    if (format & DT_CALCRECT) {
        r.right = r.left + bounds.width();
        r.bottom = r.top + bounds.height();
        return bounds.height();
    }
    if (bkMode_ == OPAQUE) painter_->fillRect(bounds, ToQColor(bk_));
    painter_->save();
    painter_->setPen(ToQColor(text_));
    painter_->drawText(ToQRect(r), flags, s);
    painter_->restore();
    return bounds.height();
}

void DC::DrawBitmap(const Bitmap& bmp, int x, int y) { DrawImage(bmp.image, x, y, false); }

void DC::DrawIcon(const Icon& icon, int x, int y, bool disabled) { DrawImage(icon.image, x, y, disabled); }

void DC::DrawImage(const QImage& image, int x, int y, bool disabled) {
    if (image.isNull()) return;
    if (!disabled) {
        painter_->drawImage(x, y, image);
        return;
    }
    painter_->drawImage(x + 1, y + 1, Silhouette(image, GetSysColor(COLOR_BTNHIGHLIGHT)));
    painter_->drawImage(x, y, Silhouette(image, GetSysColor(COLOR_BTNSHADOW)));
}

void DC::StretchBitmap(const Bitmap& bmp, const Rect& target) {
    if (!bmp.IsNull()) painter_->drawImage(ToQRect(target), bmp.image);
}

COLORREF DC::GetPixel(int x, int y) const {
    auto* image = dynamic_cast<QImage*>(painter_->device());
    if (!image || !image->valid(x, y)) return 0xFFFFFFFF;
    return ToColorRef(image->pixel(x, y));
}

}  // namespace ui
