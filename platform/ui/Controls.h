// Static text and pictures, group boxes, buttons (push, check, radio) and the
// progress bar.
#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/Image.h"

namespace ui {

class Static : public Control {
    DECLARE_DYNAMIC(Static)
public:
    Kind KindForStyle(DWORD style) const override;
    void Build(const ControlTemplate& entry, QWidget* parent) override;
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;
    void SetBitmap(const Bitmap& bitmap);
    void SetIcon(const Icon& icon);

protected:
    void OnSize(int cx, int cy) override;

private:
    // A text that fits on one line stays on one line; a longer one wraps.
    void FitWrap();
};

class GroupBox : public Control {
    DECLARE_DYNAMIC(GroupBox)
public:
    Kind KindForStyle(DWORD) const override { return Kind::GroupBox; }
    void Build(const ControlTemplate& entry, QWidget* parent) override;
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;
};

// A push button, check box or radio button. A click of the user (or Click)
// reaches the parent as BN_CLICKED; setting the check from code does not.
class Button : public Control {
    DECLARE_DYNAMIC(Button)
public:
    Kind KindForStyle(DWORD style) const override;
    void Build(const ControlTemplate& entry, QWidget* parent) override;
    int GetCheck() const;
    void SetCheck(int check);
    bool IsPushButton() const;
    bool IsDefault() const { return (GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }
    // Presses the button as the user would; nothing when it is disabled.
    void Click();

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The click as the button itself sees it, before the parent hears of it;
    // true stops the notification.
    virtual bool OnClicked() { return false; }

private:
    void HandleClick();
};

class ProgressCtrl : public Control {
    DECLARE_DYNAMIC(ProgressCtrl)
public:
    Kind KindForStyle(DWORD) const override { return Kind::Progress; }
    void Build(const ControlTemplate& entry, QWidget* parent) override;
    void SetRange(int lower, int upper);
    void SetRange32(int lower, int upper) { SetRange(lower, upper); }
    void GetRange(int& lower, int& upper) const;
    int SetPos(int pos);  // the previous position
    int GetPos() const;
    int OffsetPos(int delta) { return SetPos(GetPos() + delta); }
    int SetStep(int step);
    int StepIt();  // wraps to the lower bound past the upper one

private:
    int step_ = 10;
};

}  // namespace ui
