// The rich edit control: formatted text (face, size, colour, bold, italic,
// underline; paragraph alignment and indents), embedded objects kept as the
// RTF they came from, and the rich edit's operations on the selection. Its
// content is exchanged whole with the rich-text model (GetDocument and
// SetDocument); the model is what files hold, the Qt editor shows and edits.
//
// Units are those of the rich edit: heights and indents in twips (1/20 point,
// 15 twips a pixel at 96 dots per inch), character positions counting a
// paragraph end as one character. The window text is the plain text, with
// "\r\n" between paragraphs and for a line break inside one.
//
// With ENM_SELCHANGE in the event mask a change of the selection reaches the
// parent as EN_SELCHANGE; with ENM_CHANGE a change of the text as EN_CHANGE.
#pragma once

#include <cstdint>
#include <string>

#include "platform/richtext/Document.h"
#include "platform/ui/Control.h"

class QTextCharFormat;
class QTextEdit;

namespace ui {

// Character format: the members named in dwMask are meant.
constexpr DWORD CFM_BOLD = 0x1, CFM_ITALIC = 0x2, CFM_UNDERLINE = 0x4, CFM_STRIKEOUT = 0x8,
                CFM_CHARSET = 0x08000000, CFM_FACE = 0x20000000, CFM_COLOR = 0x40000000, CFM_SIZE = 0x80000000;
constexpr DWORD CFE_BOLD = 0x1, CFE_ITALIC = 0x2, CFE_UNDERLINE = 0x4, CFE_STRIKEOUT = 0x8,
                CFE_AUTOCOLOR = 0x40000000;
// Paragraph format.
constexpr DWORD PFM_STARTINDENT = 0x1, PFM_RIGHTINDENT = 0x2, PFM_OFFSET = 0x4, PFM_ALIGNMENT = 0x8;
constexpr int PFA_LEFT = 1, PFA_RIGHT = 2, PFA_CENTER = 3, PFA_JUSTIFY = 4;
// Event mask and notifications.
constexpr DWORD ENM_NONE = 0x0, ENM_CHANGE = 0x1, ENM_SELCHANGE = 0x80000;
constexpr int EN_SELCHANGE = 0x0702;
// Styles of the rich edit: keep the selection shown while unfocused.
constexpr DWORD ES_NOHIDESEL = 0x100, ES_SAVESEL = 0x8000;

struct CharFormat {
    DWORD dwMask = 0;
    DWORD dwEffects = 0;
    long yHeight = 0;  // twips
    COLORREF crTextColor = 0;
    std::uint8_t bCharSet = 0;
    std::uint8_t bPitchAndFamily = 0;
    std::string szFaceName;  // UTF-8
};

struct ParaFormat {
    DWORD dwMask = 0;
    int wAlignment = PFA_LEFT;
    long dxStartIndent = 0;  // first line, from the margin
    long dxRightIndent = 0;
    long dxOffset = 0;       // the other lines, relative to the first
};

class RichEditCtrl : public Control {
    DECLARE_DYNAMIC(RichEditCtrl)
public:
    Kind KindForStyle(DWORD style) const override;
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;
    long GetTextLength() const;  // characters, a paragraph end counting one

    // Whole content as the rich-text model, and back.
    richtext::Document GetDocument() const;
    void SetDocument(const richtext::Document& document);
    // How many times the content was replaced whole (SetDocument, SetWindowText).
    unsigned long Replacements() const { return replacements_; }

    // Selection: end -1 means the end of the text; (0, -1) selects all.
    void SetSel(long start, long end);
    void GetSel(long& start, long& end) const;
    std::string GetSelText() const;
    void ReplaceSel(const std::string& text, BOOL canUndo = FALSE);
    void HideSelection(BOOL hide, BOOL permanent) {}

    BOOL SetReadOnly(BOOL readOnly = TRUE);
    bool IsReadOnly() const;
    DWORD SetEventMask(DWORD mask);  // the previous mask
    DWORD GetEventMask() const { return eventMask_; }
    // Typing stops at this many characters (a paragraph end counts as one);
    // 0 is no limit. Text the program sets is not cut.
    void LimitText(int maxChars) { limit_ = maxChars; }
    int GetLimitText() const { return limit_; }

    // Character formats: the default one (new text in an empty control), the
    // selection's (or the caret's), and the word at the caret's.
    BOOL SetDefaultCharFormat(const CharFormat& format);
    DWORD GetDefaultCharFormat(CharFormat& format) const;
    // Members alike over the whole selection are in the returned mask.
    DWORD GetSelectionCharFormat(CharFormat& format) const;
    BOOL SetSelectionCharFormat(const CharFormat& format);
    // The word at the caret; typing at the caret when there is no word.
    BOOL SetWordCharFormat(const CharFormat& format);
    // Paragraph format of the selected paragraphs (read from the first).
    DWORD GetParaFormat(ParaFormat& format) const;
    BOOL SetParaFormat(const ParaFormat& format);

    // Editing commands.
    BOOL CanUndo() const;
    BOOL Undo();
    void EmptyUndoBuffer();
    void Cut();
    void Copy();
    void Paste();
    BOOL CanPaste() const;
    void Clear();  // deletes the selection

protected:
    QTextEdit* Editor() const;

private:
    void Notify(int code, DWORD maskBit);
    void OnSelectionMoved();
    void OnTextChanged();
    void ApplyDefaultToEmpty();
    QTextCharFormat ToQt(const CharFormat& format) const;

    CharFormat default_;
    bool hasDefault_ = false;
    DWORD eventMask_ = ENM_NONE;
    int limit_ = 0;
    unsigned long replacements_ = 0;
    long lastStart_ = -1, lastEnd_ = -1;
};

}  // namespace ui
