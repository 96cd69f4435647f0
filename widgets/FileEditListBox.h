// CFileEditListBox: the list of file paths of the project documents dialog.
// Its entries are made only by choosing a file: the in-place editor takes no
// typing, and the browse button (switched on by the owner) asks for a file.
// With the blank item of "new" (or nothing) selected, the chosen path is
// added at the end and selected; with a filled item selected, the chosen
// path replaces it. Cancelling the chooser changes nothing, and the blank
// item never stays in the list.
#pragma once

#include "platform/ui/EditListBox.h"

class CFileEditListBox : public ui::EditListBox {
    DECLARE_DYNAMIC(CFileEditListBox)
public:
    CFileEditListBox();

protected:
    void OnBrowse() override;
};
