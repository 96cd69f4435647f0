#include "foundation/ButtonST.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "platform/ui/Resources.h"
#include "platform/ui/Services.h"

namespace {
constexpr size_t kMaxUrlBytes = 259;  // 260 with the terminator
constexpr int kImageMargin = 3;

// The picture with the pixels of the transparent colour made see-through,
// as a monochrome mask would leave them.
QImage Masked(const QImage& bitmap, COLORREF transparent) {
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(GetRValue(transparent), GetGValue(transparent), GetBValue(transparent));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}
}  // namespace

CButtonST::CButtonST() {
    SetDefaultColors(FALSE);
    SetOwnerDraw(true);
}

CButtonST::~CButtonST() { FreeResources(); }

void CButtonST::PreSubclassWindow() {
    const DWORD type = GetStyle() & BS_TYPEMASK;
    checkBox_ = (type & BS_CHECKBOX) != 0;
    defaultButton_ = type == BS_DEFPUSHBUTTON;
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    if (QWidget* w = GetWidget()) w->setMouseTracking(true);
    ShowPicture();
}

// The picture the button paints is also the Qt button's icon, where the
// accessibility tools and the tests find it; the painting stays this class's.
void CButtonST::ShowPicture() {
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget()))
        button->setIcon(in_.image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(in_.image)));
}

void CButtonST::FreeResources(BOOL) {
    in_ = {};
    out_ = {};
}

ui::Icon CButtonST::DeriveIcon(const ui::Icon& icon) {
    if (icon.IsNull()) return {};
    QImage grey = icon.image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = line[x];
            if ((p & 0xFFFFFF) == 0) continue;  // black stays black
            const int v = int(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p));
            line[x] = qRgba(v, v, v, qAlpha(p));
        }
    }
    return {grey};
}

DWORD CButtonST::SetIcon(int inId, int outId) {
    const ui::Icon in = ui::LoadIcon(inId);
    const ui::Icon out = outId > 0 ? ui::LoadIcon(outId) : ui::Icon{};
    return SetIcon(in, out, outId == BTNST_AUTO_GRAY);
}

DWORD CButtonST::SetIcon(const ui::Icon& in, const ui::Icon& out, bool autoGrayOut) {
    FreeResources();
    // A missing icon leaves the button with its caption alone.
    in_.image = in.image;
    out_.image = autoGrayOut ? DeriveIcon(in).image : out.image;
    ShowPicture();
    Repaint(TRUE);
    return BTNST_OK;
}

DWORD CButtonST::SetBitmaps(const ui::Bitmap& in, COLORREF inTransparent, const ui::Bitmap& out,
                            COLORREF outTransparent) {
    FreeResources();
    if (in.IsNull()) return BTNST_INVALIDRESOURCE;
    in_.image = Masked(in.image, inTransparent);
    if (!out.IsNull()) out_.image = Masked(out.image, outTransparent);
    ShowPicture();
    Repaint(TRUE);
    return BTNST_OK;
}

DWORD CButtonST::SetBitmaps(int inId, COLORREF inTransparent, int outId, COLORREF outTransparent) {
    return SetBitmaps(ui::LoadBitmap(inId), inTransparent, outId ? ui::LoadBitmap(outId) : ui::Bitmap{},
                      outTransparent);
}

DWORD CButtonST::SetColor(int index, COLORREF color, BOOL repaint) {
    if (index < 0 || index >= BTNST_MAX_COLORS) return BTNST_INVALIDINDEX;
    colors_[index] = color;
    Repaint(repaint);
    return BTNST_OK;
}

DWORD CButtonST::GetColor(int index, COLORREF* color) const {
    if (index < 0 || index >= BTNST_MAX_COLORS) return BTNST_INVALIDINDEX;
    *color = colors_[index];
    return BTNST_OK;
}

DWORD CButtonST::ShiftColor(int index, int shift, BOOL repaint) {
    if (index < 0 || index >= BTNST_MAX_COLORS) return BTNST_INVALIDINDEX;
    if (shift < -255 || shift > 255) return BTNST_BADPARAM;
    const COLORREF c = colors_[index];
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    // One amount for all three channels, reduced until none leaves 0-255.
    const int amount = shift > 0 ? std::min(shift, 255 - std::max({r, g, b})) : std::max(shift, -std::min({r, g, b}));
    colors_[index] = RGB(r + amount, g + amount, b + amount);
    Repaint(repaint);
    return BTNST_OK;
}

DWORD CButtonST::SetDefaultColors(BOOL repaint) {
    for (int i = 0; i < BTNST_MAX_COLORS; ++i) colors_[i] = GetSysColor(i % 2 ? COLOR_BTNTEXT : COLOR_BTNFACE);
    Repaint(repaint);
    return BTNST_OK;
}

DWORD CButtonST::SetHandCursor(int cursorId, BOOL repaint) {
    QWidget* w = GetWidget();
    hasCursor_ = false;
    if (w) w->unsetCursor();
    if (cursorId == 0) return BTNST_OK;
    const ui::Cursor cursor = ui::LoadCursor(cursorId);
    if (!cursor.valid) return BTNST_INVALIDRESOURCE;
    hasCursor_ = true;
    if (w) w->setCursor(cursor.cursor);
    Repaint(repaint);
    return BTNST_OK;
}

void CButtonST::SetTooltipText(const char* text, BOOL activate) {
    if (!text) return;
    tooltip_ = text;
    ActivateTooltip(activate);
}

void CButtonST::ActivateTooltip(BOOL activate) {
    tooltipActive_ = activate != FALSE;
    SetToolTip(tooltipActive_ ? tooltip_ : std::string(), kTooltipWidth);
}

void CButtonST::SetCheck(int checked, BOOL repaint) {
    if (!checkBox_) return;
    checked_ = checked != 0;
    Repaint(repaint);
}

void CButtonST::SetURL(const char* url) {
    url_.clear();
    if (url) url_ = std::string(url).substr(0, kMaxUrlBytes);
}

void CButtonST::SetFlat(BOOL flat, BOOL repaint) {
    flat_ = flat != FALSE;
    Repaint(repaint);
}

void CButtonST::SetAlign(int align, BOOL repaint) {
    if (align >= ST_ALIGN_HORIZ && align <= ST_ALIGN_HORIZ_RIGHT) align_ = align;
    Repaint(repaint);
}

void CButtonST::DrawBorder(BOOL enable, BOOL repaint) {
    drawBorder_ = enable != FALSE;
    Repaint(repaint);
}

void CButtonST::DrawFlatFocus(BOOL enable, BOOL repaint) {
    flatFocus_ = enable != FALSE;
    Repaint(repaint);
}

void CButtonST::DrawTransparent(BOOL repaint) {
    transparent_ = true;
    background_ = QImage();
    Repaint(repaint);
}

DWORD CButtonST::SetMenu(int menuId, ui::Wnd* owner, BOOL repaint) {
    menu_.DestroyMenu();
    menuOwner_ = owner;
    if (menuId == 0) return BTNST_OK;
    if (!menu_.LoadMenu(menuId)) return BTNST_INVALIDRESOURCE;
    Repaint(repaint);
    return BTNST_OK;
}

void CButtonST::Repaint(BOOL repaint) {
    if (repaint) Invalidate();
}

void CButtonST::CancelHover() {
    if (flat_ && hover_) {
        hover_ = false;
        Invalidate();
    }
}

void CButtonST::OnMouseMove(UINT flags, ui::Point point) {
    if (!flat_) return;
    if ((flags & MK_LBUTTON) && !hover_) return;
    const bool over = GetClientRect().PtInRect(point) && IsWindowEnabled();
    if (over && (alwaysTrack_ || QApplication::activeWindow())) {
        if (!hover_) {
            hover_ = true;
            Invalidate();
        }
        return;
    }
    CancelHover();
}

void CButtonST::OnEnable(BOOL enabled) {
    if (!enabled) CancelHover();  // the focus moves on to the next control by itself
}

bool CButtonST::OnClicked() {
    SetFocus();
    if (checkBox_) {
        checked_ = !checked_;
        Invalidate();
    } else if (menu_.GetSafeHmenu()) {
        menuShown_ = true;
        UpdateWindow();
        const ui::Rect r = GetWindowRect();
        constexpr UINT kDropDown = ui::TPM_LEFTALIGN | ui::TPM_RIGHTBUTTON | ui::TPM_NONOTIFY | ui::TPM_RETURNCMD;
        const UINT command = ui::TrackPopupMenu(menu_.GetSubMenu(0), kDropDown, r.left, r.bottom, this);
        menuShown_ = false;
        UpdateWindow();
        if (command && menuOwner_) menuOwner_->PostMessage(WM_COMMAND, MAKEWPARAM(int(command), BN_CLICKED));
    } else if (!url_.empty()) {
        ui::ShellOpen(url_, "open");
    }
    return false;  // the dialog's own click handler runs as well
}

LRESULT CButtonST::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BM_GETCHECK) return GetCheck();
    // Mnemonic keys of the drop-down menu's own pop-ups.
    if (message == ui::WM_MENUCHAR && BCMenu::IsOwnSubMenu(reinterpret_cast<ui::HMENU>(lParam)))
        return BCMenu::HandleMenuChar(UINT(LOWORD(wParam)), UINT(HIWORD(wParam)),
                                      ui::Menu::FromHandlePermanent(reinterpret_cast<ui::HMENU>(lParam)));
    if (message == BM_SETCHECK) {
        SetCheck(wParam == 1 || wParam == 2 ? 1 : 0);
        return 0;
    }
    // The dialog moves its default button: remember it, stay owner-drawn.
    if (message == BM_SETSTYLE) {
        const DWORD type = DWORD(wParam) & BS_TYPEMASK;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) defaultButton_ = type == BS_DEFPUSHBUTTON;
        return ui::Button::DefWindowProc(message, (wParam & ~WPARAM(0x14)) | BS_OWNERDRAW, lParam);
    }
    if (message == WM_GETDLGCODE)
        return ui::Button::DefWindowProc(message, wParam, lParam) |
               (defaultButton_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    return ui::Button::DefWindowProc(message, wParam, lParam);
}

void CButtonST::OnPaint(ui::DC& dc) {
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button) return;
    DrawState state;
    state.rect = GetClientRect();
    state.selected = button->isDown();
    state.focused = button->hasFocus();
    state.disabled = !button->isEnabled();
    DrawItem(dc, state);
}

DWORD CButtonST::OnDrawBackground(ui::DC& dc, const ui::Rect& rect) {
    COLORREF color = colors_[BTNST_COLOR_BK_OUT];
    if (hover_ || pressed_) color = colors_[BTNST_COLOR_BK_IN];
    else if (focused_) color = colors_[BTNST_COLOR_BK_FOCUS];
    dc.FillSolidRect(rect, color);
    return BTNST_OK;
}

DWORD CButtonST::OnDrawBorder(ui::DC& dc, const ui::Rect& rect) {
    if (pressed_) dc.Draw3dRect(rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    else dc.Draw3dRect(rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    return BTNST_OK;
}

void CButtonST::DrawItem(ui::DC& dc, const DrawState& state) {
    pressed_ = checkBox_ ? (state.selected || checked_) : (state.selected || menuShown_);
    focused_ = state.focused;
    disabled_ = state.disabled;
    ui::Rect item = state.rect;
    dc.SetBkMode(TRANSPARENT);

    if (!flat_ && (focused_ || defaultButton_)) {
        dc.FrameRect(item, RGB(0, 0, 0));
        item.DeflateRect(1, 1);
    }

    // Background: the parent's, captured once, or the state colour.
    if (transparent_ && GetWidget() && GetWidget()->parentWidget()) {
        if (background_.isNull()) {
            QWidget* parent = GetWidget()->parentWidget();
            background_ = QImage(GetWidget()->size(), QImage::Format_ARGB32);
            background_.fill(Qt::transparent);
            parent->render(&background_, QPoint(), QRegion(GetWidget()->geometry()), QWidget::DrawWindowBackground);
        }
        dc.DrawImage(background_, 0, 0);
    } else {
        OnDrawBackground(dc, item);
    }

    // Border.
    if (!pressed_) {
        if (!flat_) {
            dc.Draw3dRect(item, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
            ui::Rect inner = item;
            inner.DeflateRect(1, 1);
            dc.Draw3dRect(inner, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNSHADOW));
        } else if (hover_ && drawBorder_) {
            OnDrawBorder(dc, item);
        }
    } else if (!flat_) {
        dc.FrameRect(item, GetSysColor(COLOR_BTNSHADOW));
    } else if (drawBorder_) {
        OnDrawBorder(dc, item);
    }

    ui::Rect caption = item;
    DrawPicture(dc, pressed_, disabled_, item, caption);
    DrawCaption(dc, pressed_, disabled_, caption);

    if (focused_ && (!flat_ || flatFocus_)) {
        ui::Rect focus = item;
        focus.DeflateRect(3, 3);
        dc.DrawFocusRect(focus);
    }
}

void CButtonST::DrawPicture(ui::DC& dc, bool pressed, bool disabled, const ui::Rect& item, ui::Rect& caption) {
    const bool showIn = checkBox_ ? pressed : (hover_ || pressed);
    const Picture& picture = (showIn || out_.IsNull()) ? in_ : out_;
    if (picture.IsNull()) return;
    const int w = picture.image.width(), h = picture.image.height();
    const bool hasCaption = !GetWindowText().empty();
    int x = item.left + (item.Width() - w) / 2;
    int y = item.top + (item.Height() - h) / 2;
    if (hasCaption) {
        switch (align_) {
        case ST_ALIGN_VERT:
            y = item.top + kImageMargin;
            caption.top += h;
            break;
        case ST_ALIGN_HORIZ_RIGHT:
            x = item.right - kImageMargin - w;
            caption.left = item.left + kImageMargin;
            caption.right = x;
            break;
        default:
            x = item.left + kImageMargin;
            caption.left = x + w;
        }
    }
    if (pressed && !checkBox_) {
        ++x;
        ++y;
    }
    dc.DrawImage(picture.image, x, y, disabled && grayDisabled_);
}

void CButtonST::DrawCaption(ui::DC& dc, bool pressed, bool disabled, const ui::Rect& caption) {
    const std::string text = GetWindowText();
    if (text.empty()) return;
    ui::Rect place = caption;
    if (pressed && !checkBox_) place.OffsetRect(1, 1);
    ui::Rect measured = place;
    dc.DrawText(text, measured, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    const int dx = (place.Width() - measured.Width()) / 2, dy = (place.Height() - measured.Height()) / 2;
    ui::Rect centred{place.left + dx, place.top + dy, place.left + dx + measured.Width(), place.top + dy + measured.Height()};
    dc.SetBkMode(TRANSPARENT);
    if (disabled) {
        ui::Rect shifted = centred;
        shifted.OffsetRect(1, 1);
        dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.DrawText(text, shifted, DT_WORDBREAK | DT_CENTER);
        dc.SetTextColor(GetSysColor(COLOR_BTNSHADOW));
        dc.DrawText(text, centred, DT_WORDBREAK | DT_CENTER);
        return;
    }
    const bool active = hover_ || pressed;
    dc.SetTextColor(colors_[active ? BTNST_COLOR_FG_IN : BTNST_COLOR_FG_OUT]);
    dc.DrawText(text, centred, DT_WORDBREAK | DT_CENTER);
}
