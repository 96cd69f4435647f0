#include "widgets/FileEditListBox.h"

#include "platform/ui/Services.h"

IMPLEMENT_DYNAMIC(CFileEditListBox, ui::EditListBox)

// The editor of every item, the blank new one included, is read-only.
CFileEditListBox::CFileEditListBox() { SetReadOnlyEditor(TRUE); }

void CFileEditListBox::OnBrowse() {
    const int selected = GetSelItem();
    const bool blank = GetItemText(selected).empty();
    ui::FileDialog dialog(TRUE, {}, {}, OFN_HIDEREADONLY, "(*.*)|*.*||", this);
    if (dialog.DoModal() != IDOK) return;
    const std::string path = dialog.GetPathName();
    if (blank) {
        SelectItem(AddItem(path));
    } else {
        SetItemText(selected, path);
    }
}
