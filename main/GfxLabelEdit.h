// The in-place edit of the outlook-bar control: it edits a folder's name or
// an item's label over the control, ends itself on Enter, Escape or the loss
// of the focus, reports a non-empty text that was not cancelled to its parent
// by WM_USER+1 (wParam: its kind, lParam: the edit) and then deletes itself.
#pragma once

#include <QFont>
#include <string>

#include "platform/ui/Edit.h"

// The stock font of the outlook-bar control and its edit.
QFont DefaultGuiFont();
// The extent of a text in a font, laid out from the rectangle's top-left
// corner (its width bounds word wrapping) with DT_* flags.
ui::Rect MeasureText(const QFont& font, const std::string& text, ui::Rect r, UINT format);

class CGfxLabelEdit : public ui::Edit {
    DECLARE_DYNAMIC(CGfxLabelEdit)
public:
    // What the edit renames (the wParam of its message to the parent).
    static constexpr int kItemLabel = 2;
    static constexpr int kFolderName = 3;
    // The message the edit sends its parent when it ends with a new text.
    static constexpr UINT kEndMessage = WM_USER + 1;

    // Made with new: the edit deletes itself once it has ended.
    CGfxLabelEdit();

    // Creates the window with the stock font; false without a parent window.
    BOOL Create(DWORD style, const ui::Rect& rect, ui::Wnd* parent, int id, const std::string& text);

    void SetIndex(int index) { index_ = index; }
    int GetIndex() const { return index_; }
    void SetLabelKind(int kind) { kind_ = kind; }
    int GetLabelKind() const { return kind_; }
    // On one line the edit widens to its text; otherwise it wraps and grows.
    void SetGrowSideways(bool on) { growSideways_ = on; }
    bool IsCancelled() const { return escape_; }
    // The text read when the edit ended.
    const std::string& GetText() const { return text_; }

protected:
    bool OnKeyDown(UINT vk) override;
    void OnChar(UINT ch) override;
    void OnKillFocus() override;

private:
    ~CGfxLabelEdit() override = default;
    // Reads the text and reports it once; later calls do nothing.
    void End();
    void OnClose();
    void FitToText();

    bool escape_ = false;
    std::string text_;
    int kind_ = kFolderName;
    bool growSideways_ = false;
    int index_ = -1;
    bool ended_ = false;

    friend class CGfxOutBarCtrl;  // deletes edits still open when it is destroyed
};
