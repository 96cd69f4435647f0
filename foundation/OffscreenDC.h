// COffscreenDC: a drawing context over a memory copy of one rectangle of a
// target. Callers draw with the target's coordinates; when the context ends
// the rectangle is copied to the target in one piece, so the picture never
// shows half drawn. A printing target (a printer or PDF writer) is drawn on
// directly.
#pragma once

#include <QImage>
#include <QPainter>

#include "platform/ui/DC.h"

namespace offscreen_detail {
// The memory picture and its painter, built before the DC base that draws
// with them (or standing aside for a printing target).
struct Buffer {
    Buffer(ui::DC& target, const ui::Rect& rect);
    bool inMemory;
    QImage image;
    QPainter painter;
    QPainter* active;
};
}  // namespace offscreen_detail

class COffscreenDC : private offscreen_detail::Buffer, public ui::DC {
public:
    COffscreenDC(ui::DC& target, const ui::Rect& rect);
    ~COffscreenDC() override;
    bool InMemory() const { return inMemory; }

private:
    ui::DC& target_;
    ui::Rect rect_;
};
