#include "main/GfxLabelEdit.h"

#include <QWidget>
#include <algorithm>

#include "platform/ui/DC.h"

IMPLEMENT_DYNAMIC(CGfxLabelEdit, ui::Edit)

namespace {
constexpr UINT kWmClose = 0x0010;
}  // namespace

ui::Rect MeasureText(const QFont& font, const std::string& text, ui::Rect r, UINT format) {
    // One drawing context for every measurement, kept for the whole run.
    static ui::MemoryDC* const measuring = new ui::MemoryDC(1, 1);
    measuring->SelectFont(font);
    measuring->DrawText(text, r, format | DT_CALCRECT);
    return r;
}

QFont DefaultGuiFont() {
    QFont font;
    font.setFamilies({"宋体", "WenQuanYi Zen Hei", "Noto Sans CJK SC"});
    font.setPointSize(9);
    return font;
}

CGfxLabelEdit::CGfxLabelEdit() {
    MapMessage(kWmClose, [this](WPARAM, LPARAM) {
        OnClose();
        return LRESULT(0);
    });
}

BOOL CGfxLabelEdit::Create(DWORD style, const ui::Rect& rect, ui::Wnd* parent, int id, const std::string& text) {
    if (!ui::Control::Create(style, rect, parent, id, text)) return FALSE;
    SetFont(DefaultGuiFont());
    return TRUE;
}

bool CGfxLabelEdit::OnKeyDown(UINT vk) {
    if (vk != VK_RETURN && vk != VK_ESCAPE) return false;
    if (vk == VK_ESCAPE) escape_ = true;
    PostMessage(kWmClose);
    return true;
}

void CGfxLabelEdit::OnKillFocus() {
    ui::Edit::OnKillFocus();
    PostMessage(kWmClose);
    End();
}

void CGfxLabelEdit::End() {
    if (ended_) return;
    ended_ = true;
    text_ = GetWindowText();
    if (escape_ || text_.empty()) return;
    if (ui::Wnd* parent = GetParent()) parent->SendMessage(kEndMessage, WPARAM(kind_), reinterpret_cast<LPARAM>(this));
}

void CGfxLabelEdit::OnClose() {
    End();
    DestroyWindow();
    delete this;
}

void CGfxLabelEdit::OnChar(UINT ch) {
    ui::Edit::OnChar(ch);
    if (kind_ != kFolderName) FitToText();
}

void CGfxLabelEdit::FitToText() {
    QWidget* widget = GetWidget();
    ui::Wnd* parent = GetParent();
    if (!widget || !parent) return;
    const QRect g = widget->geometry();
    ui::Rect r{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    const ui::Rect bounds = parent->GetClientRect();
    const std::string text = GetWindowText();
    if (growSideways_) {
        const ui::Rect extent = MeasureText(parent->GetFont(), text, {r.left, r.top, r.left, r.top}, DT_SINGLELINE);
        r.right = std::min(extent.right, bounds.right - 1);
    } else {
        const ui::Rect extent = MeasureText(parent->GetFont(), text, r, DT_WORDBREAK | DT_CENTER);
        if (r.Width() < extent.Width()) r.right = std::min(r.left + extent.Width(), bounds.right);
        else if (r.Height() < extent.Height()) r.bottom = std::min(r.top + extent.Height(), bounds.bottom);
    }
    MoveWindow(r);
}
