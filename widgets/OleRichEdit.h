// COleRichEdit: the rich-text field of the forms. A rich edit that loads and
// saves whole RTF files, offers the formatting commands of the forms' tool
// bars (font and colour choosers, bold, italic, underline, alignment) on the
// selection or the word at the caret, and a fixed right-button menu.
//
// The deliverables differ in two points, chosen at construction:
//   Variant::Standard         sets the default character format on creation
//                             (宋体, 210 twips, red) and has a 字体 menu item;
//   Variant::KeepDefaultFormat  leaves the default format, has 字体;
//   Variant::AnnualGuide      leaves the default format and has no 字体 item
//                             (the ids after it move down by one).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/RichEditCtrl.h"

class COleRichEdit : public ui::RichEditCtrl {
    DECLARE_DYNAMIC(COleRichEdit)
public:
    enum class Variant { Standard, KeepDefaultFormat, AnnualGuide };
    explicit COleRichEdit(Variant variant = Variant::Standard) : variant_(variant) {}

    struct MenuItem {
        int id = 0;  // 0: a separator
        std::string text;
        bool enabled = true;
    };

    // Creates the control in code, then sets the default format (Standard).
    BOOL Create(DWORD style, const ui::Rect& rect, ui::Wnd* parent, int id);

    // Replaces the content by the RTF file; 0 when it cannot be opened (the
    // content is left as it was), else the number of characters read. Text
    // nested too deep to read is left out, and the user is told.
    long LoadRtfFile(const std::string& path);
    // Writes the whole content as RTF, replacing the file in one step; the
    // bytes written, or 0 when the file cannot be written. Content loaded
    // with text left out is written as the file it came from while it is
    // unedited; edited, only when the user agrees to lose that text (else 0).
    long SaveRtfFile(const std::string& path);

    void ChooseFont();
    void ChooseColor();
    void ToggleBold() { ToggleEffect(ui::CFM_BOLD); }
    void ToggleItalic() { ToggleEffect(ui::CFM_ITALIC); }
    void ToggleUnderline() { ToggleEffect(ui::CFM_UNDERLINE); }
    void AlignLeft() { Align(ui::PFA_LEFT); }
    void AlignCenter() { Align(ui::PFA_CENTER); }
    void AlignRight() { Align(ui::PFA_RIGHT); }

    // The right-button menu as it would show now, and the action of an item.
    std::vector<MenuItem> ContextMenu() const;
    void OnMenuCommand(int id);
    bool IsCallbackInstalled() const { return installed_; }

protected:
    void PreSubclassWindow() override;
    // Shows the menu at a screen point; the chosen id, 0 for none.
    virtual int TrackContextMenu(const std::vector<MenuItem>& items, ui::Point screen);

private:
    void Install();
    void OnRightButton(ui::Point screen);
    void ApplyToSelectionOrWord(const ui::CharFormat& format);
    void ToggleEffect(DWORD effect);
    void Align(int alignment);

    Variant variant_;
    bool installed_ = false;
    // The file loaded last, when text of it was left out, the content shown
    // of it, and when it was shown.
    struct PartlyShown {
        std::string bytes;
        richtext::Document shown;
        unsigned long replacement = 0;
    };
    std::optional<PartlyShown> partlyShown_;
};
