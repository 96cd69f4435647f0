// The scroll bars of a form view: when its pane is smaller than the form (its
// template, or wherever its controls lie), scroll bars appear at the right and
// bottom edges, and the bars and the mouse wheel move the controls, as a
// scrolling view moves its window's contents. A form inside another form
// grows to hold its controls instead, and the outer form scrolls.
#pragma once

#include <QObject>
#include <QSize>

class QScrollBar;
class QWidget;

namespace ui {

class FormScroller : public QObject {
public:
    // Lives as long as `view`, whose size at creation is the form's size.
    FormScroller(QWidget* view, QSize formSize);

    // The scroll position in pixels (0, 0 at the top left).
    QPoint Position() const;
    // Recomputes the form's extent and the bars after the pane changed size.
    void Update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr const char* kObjectName = "formScroller";
    FormScroller* Outer() const;
    QSize Extent() const;
    void ScrollTo(int x, int y);

    QWidget* view_;
    QSize formSize_;
    QScrollBar* horizontal_;
    QScrollBar* vertical_;
    int x_ = 0, y_ = 0;
    bool updating_ = false;
};

}  // namespace ui
