// A form view larger than its pane scrolls: scroll bars appear, the wheel
// moves the controls, and every control can be brought into the pane; once
// the pane is large enough the bars go and the controls return to their
// places.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/FrameWnd.h"

namespace {

constexpr int kCorner = 10;  // a button at the form's bottom right corner

class WideView : public ui::FormView {
public:
    WideView()
        : ui::FormView(ui::DialogTemplate{1, "", {0, 0, 400, 300}, {
              {ui::Kind::PushButton, kCorner, "清空", {340, 280, 50, 14}},
          }, WS_CHILD}) {}
};

std::vector<QScrollBar*> VisibleBars(QWidget* view) {
    std::vector<QScrollBar*> bars;
    for (QScrollBar* bar : view->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
        if (bar->isVisible()) bars.push_back(bar);
    return bars;
}

void Wheel(QWidget* target, int notches) {
    const QPointF at(10, 10);
    QWheelEvent event(at, target->mapToGlobal(at), {}, {0, notches * 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

struct FormViewScrollTest : ::testing::Test {
    FormViewScrollTest() {
        ui::EnsureApplication();
        EXPECT_TRUE(frame.Create("frame", {0, 0, 400, 300}));
        frame.ShowWindow(SW_SHOW);
        auto owned = std::make_unique<WideView>();
        view = owned.get();
        EXPECT_TRUE(view->CreateView(frame.GetViewParent(), {}));
        view->SetDlgCtrlID(ui::FrameWnd::kPaneFirstId);
        frame.AdoptView(std::move(owned));
        frame.RecalcLayout();
    }
    QRect CornerButton() const { return view->GetDlgItem(kCorner)->GetWidget()->geometry(); }
    ui::FrameWnd frame;
    WideView* view = nullptr;
};

TEST_F(FormViewScrollTest, ALargerFormGetsBarsAndTheWheelBringsItsLastControlIntoThePane) {
    QWidget* widget = view->GetWidget();
    ASSERT_EQ(VisibleBars(widget).size(), 2u);
    const int paneHeight = widget->height() - VisibleBars(widget)[0]->height();
    EXPECT_GT(CornerButton().bottom(), paneHeight);

    Wheel(widget, -100);  // far down: stops at the end of the form
    EXPECT_GT(view->GetScrollPosition().y, 0);
    EXPECT_LE(CornerButton().bottom(), widget->height());
    EXPECT_GE(CornerButton().top(), 0);

    Wheel(widget, 100);
    EXPECT_EQ(view->GetScrollPosition(), ui::Point{});
}

TEST_F(FormViewScrollTest, AFittingPaneHasNoBarsAndTheControlsAtTheirPlaces) {
    Wheel(view->GetWidget(), -3);
    frame.MoveWindow({0, 0, 900, 700});
    frame.RecalcLayout();
    EXPECT_TRUE(VisibleBars(view->GetWidget()).empty());
    EXPECT_EQ(view->GetScrollPosition(), ui::Point{});
    EXPECT_EQ(CornerButton().topLeft(), QPoint(340 * 6 / 4, 280 * 12 / 8));
}

// A form inside a form: the inner one grows to hold its controls and has no
// bars of its own; the outer one scrolls it, also with the wheel over the
// inner form's controls (where the inner form, having no bars, leaves the
// wheel to the form around it).
TEST_F(FormViewScrollTest, AFormInsideAFormScrollsWithTheOuterOne) {
    frame.MoveWindow({0, 0, 900, 500});
    frame.RecalcLayout();
    WideView inner;
    ASSERT_TRUE(inner.CreateView(view, {0, 100, 500, 150}));
    QWidget* outerWidget = view->GetWidget();
    EXPECT_TRUE(VisibleBars(inner.GetWidget()).empty());
    EXPECT_GE(inner.GetWidget()->height(), 300 * 12 / 8);
    ASSERT_EQ(VisibleBars(outerWidget).size(), 1u);

    QWheelEvent over(QPointF(10, 10), QPointF(10, 10), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                     false);
    over.ignore();
    QApplication::sendEvent(inner.GetWidget(), &over);
    EXPECT_FALSE(over.isAccepted()) << "the inner form keeps the wheel";
    Wheel(outerWidget, -100);
    EXPECT_GT(view->GetScrollPosition().y, 0);
    const QRect corner = inner.GetDlgItem(kCorner)->GetWidget()->geometry().translated(inner.GetWidget()->pos());
    EXPECT_LE(corner.bottom(), outerWidget->height());
    EXPECT_EQ(inner.GetScrollPosition(), ui::Point{});
}

}  // namespace
