// The navigation bar docked at the left edge of a frame: pages (groups),
// one of them open at a time, each a column of buttons with a large icon
// above a label. Pressing a button sends its command to the frame.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Image.h"
#include "platform/ui/Wnd.h"

class QToolBox;

namespace ui {

class FrameWnd;

class OutlookBar : public Wnd {
    DECLARE_DYNAMIC(OutlookBar)
public:
    struct Button {
        std::string text;
        int command;
        int image;
    };

    // Creates the bar with its caption and width at the frame's left edge.
    BOOL Create(FrameWnd* frame, const std::string& caption, int width, int id);
    // The icons that pages and buttons name by index.
    void SetImageList(std::vector<Icon> icons) { icons_ = std::move(icons); }

    // Adds a page (its pane id, name and image) and returns its index.
    int AddPage(int paneId, const std::string& name, int image);
    void AddButton(int page, int image, const std::string& text, int command);
    // Text labels under the buttons' icons (on by default), or icons alone.
    void SetTextLabels(bool labels);
    bool HasTextLabels() const { return textLabels_; }

    int GetPageCount() const { return int(pages_.size()); }
    std::string GetPageName(int page) const;
    int GetPageImage(int page) const;
    int GetPagePaneId(int page) const;
    std::vector<Button> GetButtons(int page) const;
    // The icon a button shows (null when its index has none).
    Icon GetButtonIcon(int page, int button) const;

    int GetActivePage() const;
    void SetActivePage(int page);
    // Presses the button of the command on the open page, as the user would,
    // and handles the command at once; false when no such button is shown.
    bool ClickButton(int command);

private:
    struct Page {
        int paneId;
        std::string name;
        int image;
        QWidget* widget;
        std::vector<Button> buttons;
    };
    Icon IconAt(int index) const;

    FrameWnd* frame_ = nullptr;
    QToolBox* pagesBox_ = nullptr;
    std::vector<Icon> icons_;
    std::vector<Page> pages_;
    bool textLabels_ = true;
};

}  // namespace ui
