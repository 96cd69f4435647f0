// The status bar of a frame: a row of text panes, each with an indicator id
// and a width in pixels; pane 0 is the message pane.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

class QLabel;

namespace ui {

class FrameWnd;

class StatusBar : public Wnd {
    DECLARE_DYNAMIC(StatusBar)
public:
    static constexpr int kSeparator = 0;  // indicator of the message pane

    // Creates the bar at the bottom of the frame.
    BOOL Create(FrameWnd* frame);
    // One pane per indicator id, replacing any earlier panes.
    BOOL SetIndicators(const std::vector<int>& ids);

    int GetCount() const { return int(panes_.size()); }
    // Index of the pane with the indicator id, or -1.
    int CommandToIndex(int id) const;
    void SetPaneWidth(int index, int width);
    int GetPaneWidth(int index) const;
    void SetPaneText(int index, const std::string& text);
    std::string GetPaneText(int index) const;

private:
    struct Pane {
        int id;
        QLabel* label;
        int width = 0;
    };
    std::vector<Pane> panes_;
};

}  // namespace ui
