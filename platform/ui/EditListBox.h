// The edit list box: a list of text items under a caption and a small bar of
// buttons: new (adds a blank item and edits it in place), delete, move up,
// move down, and browse ("...", off until enabled), whose action belongs to
// a subclass. Clicking the selected item again, or double-clicking an item,
// edits it in place; Enter or leaving the editor keeps the text, Esc drops
// it. A blank new item whose editing ends still blank is taken away again.
//
// What the user does reaches the overridables below; calls of the program
// (AddItem, RemoveItem, SetItemText, SelectItem) do not. Every change of the
// items first ends an edit in progress, keeping its text.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Control.h"

class QAbstractButton;

namespace ui {

class Edit;

class EditListBox : public Control {
    DECLARE_DYNAMIC(EditListBox)
public:
    // The buttons of the bar.
    static constexpr UINT BTN_NEW = 0x1, BTN_DELETE = 0x2, BTN_UP = 0x4, BTN_DOWN = 0x8, BTN_BROWSE = 0x10;
    static constexpr UINT BTN_STANDARD = BTN_NEW | BTN_DELETE | BTN_UP | BTN_DOWN;

    EditListBox();
    ~EditListBox() override;

    Kind KindForStyle(DWORD) const override { return Kind::EditListBox; }
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    // The caption shown beside the buttons.
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;

    // Which of new, delete, up and down the bar shows; browse is separate.
    void SetStandardButtons(UINT buttons = BTN_STANDARD);
    void EnableBrowseButton(BOOL enable = TRUE);
    // The button's widget while the bar shows it (tests press it), or null.
    QAbstractButton* GetButton(UINT button) const;

    // Items.
    int AddItem(const std::string& text, DWORD_PTR data = 0, int index = -1);  // position of the item
    BOOL RemoveItem(int index);
    void RemoveAllItems();
    int GetCount() const;
    std::string GetItemText(int index) const;
    BOOL SetItemText(int index, const std::string& text);
    DWORD_PTR GetItemData(int index) const;
    int GetSelItem() const;  // -1: none
    BOOL SelectItem(int index);  // -1 clears the selection

    // In-place editing: starts editing an item (FALSE for no such item),
    // gives the editor while it is open, and ends it, keeping or dropping
    // the text.
    BOOL EditItem(int index);
    Edit* GetEditCtrl() const;
    int GetEditedItem() const { return editItem_; }
    BOOL EndEditItem(BOOL keep = TRUE);
    // When on, the in-place editor shows the text but takes no typing, so
    // items change only through the program (a browse action).
    void SetReadOnlyEditor(BOOL readOnly = TRUE);
    bool IsReadOnlyEditor() const { return readOnlyEditor_; }

protected:
    // The new button: by default a blank item at the end, selected and
    // edited in place.
    virtual void CreateNewItem();
    // The browse button, with any edit still open (the blank new item stays
    // selected); the edit is ended afterwards.
    virtual void OnBrowse() {}
    // The delete button: FALSE keeps the item.
    virtual BOOL OnBeforeRemoveItem(int item) { return TRUE; }
    virtual void OnAfterRemoveItem(int item) {}
    // A new item got its text from the user.
    virtual void OnAfterAddItem(int item) {}
    // The user changed the text of an existing item.
    virtual void OnAfterRenameItem(int item) {}
    // The item moved by the up or down button; `item` is its new position.
    virtual void OnAfterMoveItemUp(int item) {}
    virtual void OnAfterMoveItemDown(int item) {}
    virtual void OnSelectionChanged() {}

private:
    class Parts;
    friend class Parts;
    void OnButton(UINT button);
    void DeleteSelected();
    void MoveSelected(int step);
    void UpdateButtons();
    // A press or release of the left button on the list (the click that
    // starts editing the selected item).
    void OnListPress(int row);
    void OnListRelease(int row, int dx, int dy);

    std::unique_ptr<Parts> parts_;
    std::unique_ptr<Edit> editor_;
    int editItem_ = -1;
    bool editingNewItem_ = false;
    bool browsing_ = false;
    bool readOnlyEditor_ = false;
    int pressedOnSelected_ = -1;
};

}  // namespace ui
