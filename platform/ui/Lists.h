// The combo box (drop-down with an edit, or drop-down list) and the list box.
// Sorted ones keep their items in GBK order, ASCII letters without regard to
// case. Selection notifications come from the user only; SetCurSel and the
// like are silent.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

constexpr int CB_ERR = -1, LB_ERR = -1;

class ComboBox : public Control {
    DECLARE_DYNAMIC(ComboBox)
public:
    Kind KindForStyle(DWORD) const override { return Kind::ComboBox; }
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    int AddString(const std::string& text);  // index of the new item
    int InsertString(int index, const std::string& text);  // -1: at the end
    int DeleteString(int index);  // items left, or CB_ERR
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);  // -1 clears; CB_ERR when out of range
    std::string GetLBText(int index) const;
    void GetLBText(int index, std::string& text) const { text = GetLBText(index); }
    // First item from after `start` (-1: from the top) that begins with /
    // equals the text, ignoring ASCII case; CB_ERR when none.
    int FindString(int start, const std::string& prefix) const;
    int FindStringExact(int start, const std::string& text) const;
    int SelectString(int start, const std::string& prefix);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    bool IsDropDownList() const { return (GetStyle() & 0x3) == CBS_DROPDOWNLIST; }

    // The edit text (drop-down) or the selected item's text (drop-down list).
    // A drop-down list given a text that is none of its items (a value stored
    // before the list changed) selects nothing but shows and answers that
    // text until an item is selected, so that a save keeps the stored value.
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;

protected:
    void OnSetFocus() override { NotifyParent(CBN_SETFOCUS); }
    void OnKillFocus() override;

private:
    std::vector<std::string> Texts() const;
    void KeepText(const std::string& text);

    std::string keptText_;  // a drop-down list's text outside its items
};

class ListBox : public Control {
    DECLARE_DYNAMIC(ListBox)
public:
    Kind KindForStyle(DWORD) const override { return Kind::ListBox; }
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    std::string GetText(int index) const;
    void GetText(int index, std::string& text) const { text = GetText(index); }
    int FindStringExact(int start, const std::string& text) const;
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    // Multiple-selection list boxes.
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);  // -1: every item
    int GetSelCount() const;
    std::vector<int> GetSelItems() const;

protected:
    void OnKillFocus() override { NotifyParent(LBN_KILLFOCUS); }

private:
    std::vector<std::string> Texts() const;
};

// Where a text goes among items kept in order.
int SortedInsertIndex(const std::vector<std::string>& items, const std::string& text);

}  // namespace ui
