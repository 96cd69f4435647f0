// The masked edit: an edit that either takes free text limited to a set of
// allowed characters (and the edit's length limit), or follows a mask.
//
// With a mask, the text keeps the shape of its template: the template's
// prompt characters ("____/__/__" with prompt '_') are the places the user
// fills, every other character stays as it is. A typed character goes to the
// next place at or after the caret when the mask character of that place
// (D digit, d digit or blank, C letter, c letter or blank, A letter or digit,
// a letter, digit or blank, + plus, minus or blank, * anything) and the
// allowed characters accept it; Backspace and Delete put the prompt back.
// The window text is the whole text, prompts and fixed characters included;
// an edit that holds only its template (nothing filled in) is empty: its
// window text is "", and setting "" shows the template.
#pragma once

#include <QString>
#include <string>

#include "platform/ui/Edit.h"

namespace ui {

class MaskEdit : public Edit {
    DECLARE_DYNAMIC(MaskEdit)
public:
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;

    // Mask and template of equal length; `valid` further limits what is typed
    // (empty: the mask alone decides).
    void EnableMask(const std::string& mask, const std::string& inputTemplate, char prompt = '_',
                    const std::string& valid = {});
    // Free text from now on (allowed characters and length limit only).
    void DisableMask();
    bool IsMaskEnabled() const { return !mask_.isEmpty(); }
    // The characters that can be typed, with or without a mask; empty: all.
    void SetValidChars(const std::string& valid);

protected:
    void PreSubclassWindow() override;

private:
    friend class MaskKeyFilter;
    // Handles a key of the user in mask mode; true when it was used up.
    bool OnMaskKey(class QKeyEvent& key);
    // The text after typing `ch` with the caret at `caret`, and where the
    // caret goes; false when the character is refused.
    bool TypeMasked(QString& text, int& caret, QChar ch) const;
    // Backspace (back) or Delete at the caret.
    void EraseMasked(QString& text, int& caret, bool back) const;
    bool Accepts(int place, QChar ch) const;
    bool IsPlace(int index) const;
    void InstallKeyFilter();

    QString mask_, template_, valid_;
    QChar prompt_ = '_';
};

}  // namespace ui
