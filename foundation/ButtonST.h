// CButtonST: the owner-drawn push button of the system's dialogs. A flat
// button with an icon or bitmap and a caption, six state colours, hover
// tracking, its own cursor and tool tip; it can also act as a check box, open
// a URL through the shell, or drop down an owner-drawn menu. It takes over
// a template button (DDX_Control / SubclassDlgItem) and lets every click go
// on to the dialog's own handler.
#pragma once

#include <functional>
#include <string>

#include "foundation/BCMenu.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DC.h"
#include "platform/ui/Image.h"

class CButtonST : public ui::Button {
public:
    enum { ST_ALIGN_HORIZ = 0, ST_ALIGN_VERT = 1, ST_ALIGN_HORIZ_RIGHT = 2 };
    enum {
        BTNST_COLOR_BK_IN = 0,
        BTNST_COLOR_FG_IN,
        BTNST_COLOR_BK_OUT,
        BTNST_COLOR_FG_OUT,
        BTNST_COLOR_BK_FOCUS,
        BTNST_COLOR_FG_FOCUS,
        BTNST_MAX_COLORS
    };
    enum { BTNST_OK = 0, BTNST_INVALIDRESOURCE = 1, BTNST_FAILEDMASK = 2, BTNST_INVALIDINDEX = 3, BTNST_BADPARAM = 5 };
    // As the out icon: a grey copy of the in icon.
    static constexpr int BTNST_AUTO_GRAY = -2;
    // Longer tool tips wrap onto more lines at this width in pixels.
    static constexpr int kTooltipWidth = 400;

    // What one drawing is asked for.
    struct DrawState {
        ui::Rect rect;
        bool selected = false;
        bool focused = false;
        bool disabled = false;
    };

    CButtonST();
    ~CButtonST() override;

    // Icons from the resource table; outId 0: none, BTNST_AUTO_GRAY: grey copy.
    DWORD SetIcon(int inId, int outId = 0);
    DWORD SetIcon(const ui::Icon& in, const ui::Icon& out, bool autoGrayOut = false);
    // Bitmaps with the colour that shows the background through them.
    DWORD SetBitmaps(const ui::Bitmap& in, COLORREF inTransparent, const ui::Bitmap& out = {},
                     COLORREF outTransparent = 0);
    DWORD SetBitmaps(int inId, COLORREF inTransparent, int outId = 0, COLORREF outTransparent = 0);
    DWORD SetColor(int index, COLORREF color, BOOL repaint = TRUE);
    DWORD GetColor(int index, COLORREF* color) const;
    DWORD ShiftColor(int index, int shift, BOOL repaint = TRUE);
    DWORD SetDefaultColors(BOOL repaint = TRUE);
    DWORD SetHandCursor(int cursorId, BOOL repaint = TRUE);
    void SetTooltipText(const char* text, BOOL activate = TRUE);
    void ActivateTooltip(BOOL activate = TRUE);
    void SetCheck(int checked, BOOL repaint = TRUE);
    int GetCheck() const { return checked_ ? 1 : 0; }
    void SetURL(const char* url);
    void SetFlat(BOOL flat = TRUE, BOOL repaint = TRUE);
    void SetAlign(int align, BOOL repaint = TRUE);
    void DrawBorder(BOOL enable = TRUE, BOOL repaint = TRUE);
    void DrawFlatFocus(BOOL enable, BOOL repaint = TRUE);
    void DrawTransparent(BOOL repaint = FALSE);
    void SetAlwaysTrack(BOOL always = TRUE) { alwaysTrack_ = always != FALSE; }
    void SetGrayDisabled(BOOL gray = TRUE) { grayDisabled_ = gray != FALSE; }
    // The drop-down menu: loads menu resource `menuId` (0 only empties the
    // menu); a click shows its first pop-up below the button and posts the
    // chosen command to `owner` as WM_COMMAND. BTNST_INVALIDRESOURCE when the
    // resource cannot be loaded.
    DWORD SetMenu(int menuId, ui::Wnd* owner, BOOL repaint = TRUE);
    BCMenu& GetMenu() { return menu_; }
    void FreeResources(BOOL destroyHandles = TRUE);

    static ui::Icon DeriveIcon(const ui::Icon& icon);

    bool IsHovered() const { return hover_; }
    bool IsCheckBox() const { return checkBox_; }
    bool IsDefaultButton() const { return defaultButton_; }
    bool IsMenuShown() const { return menuShown_; }
    const std::string& GetURL() const { return url_; }
    const std::string& GetTooltipText() const { return tooltip_; }

    // Draws the button for a state (as its window paints it).
    void DrawItem(ui::DC& dc, const DrawState& state);

protected:
    virtual DWORD OnDrawBackground(ui::DC& dc, const ui::Rect& rect);
    virtual DWORD OnDrawBorder(ui::DC& dc, const ui::Rect& rect);

    void PreSubclassWindow() override;
    void ShowPicture();
    void OnPaint(ui::DC& dc) override;
    void OnMouseMove(UINT flags, ui::Point point) override;
    void OnMouseLeave() override { CancelHover(); }
    void OnKillFocus() override { CancelHover(); }
    void OnEnable(BOOL enabled) override;
    bool OnClicked() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Picture {
        QImage image;  // transparent where the background shows through
        bool IsNull() const { return image.isNull(); }
    };
    void CancelHover();
    void Repaint(BOOL repaint);
    void DrawPicture(ui::DC& dc, bool pressed, bool disabled, const ui::Rect& item, ui::Rect& caption);
    void DrawCaption(ui::DC& dc, bool pressed, bool disabled, const ui::Rect& caption);

    bool grayDisabled_ = true;
    bool flat_ = true;
    bool hover_ = false;
    bool pressed_ = false, focused_ = false, disabled_ = false;  // of the current draw
    bool transparent_ = false;
    bool defaultButton_ = false;
    bool checkBox_ = false;
    int align_ = ST_ALIGN_HORIZ;
    bool drawBorder_ = true;
    bool flatFocus_ = false;
    COLORREF colors_[BTNST_MAX_COLORS];
    ui::Wnd* menuOwner_ = nullptr;
    bool menuShown_ = false;
    BCMenu menu_;
    bool hasCursor_ = false;
    std::string tooltip_;
    bool tooltipActive_ = false;
    QImage background_;  // the parent's background under the button (transparent look)
    bool alwaysTrack_ = true;
    bool checked_ = false;
    std::string url_;
    Picture in_, out_;
};
