#include "foundation/OffscreenDC.h"

#include <QPagedPaintDevice>

namespace offscreen_detail {

namespace {
// Printers and PDF writers: devices of pages, not of pixels.
bool IsPrinting(const QPaintDevice* device) {
    return device && (device->devType() == QInternal::Printer || dynamic_cast<const QPagedPaintDevice*>(device));
}
}  // namespace

Buffer::Buffer(ui::DC& target, const ui::Rect& rect)
    : inMemory(target.Painter().device() && !IsPrinting(target.Painter().device())), active(&target.Painter()) {
    if (!inMemory || rect.IsRectEmpty()) {
        inMemory = false;
        return;
    }
    // A new bitmap of the rectangle's size, black as the system makes it.
    image = QImage(rect.Width(), rect.Height(), QImage::Format_RGB32);
    image.fill(Qt::black);
    painter.begin(&image);
    painter.setFont(target.Painter().font());
    painter.translate(-rect.left, -rect.top);
    active = &painter;
}

}  // namespace offscreen_detail

COffscreenDC::COffscreenDC(ui::DC& target, const ui::Rect& rect)
    : offscreen_detail::Buffer(target, rect), ui::DC(*active), target_(target), rect_(rect) {}

COffscreenDC::~COffscreenDC() {
    if (!inMemory) return;
    painter.end();
    target_.Painter().drawImage(rect_.left, rect_.top, image);
}
