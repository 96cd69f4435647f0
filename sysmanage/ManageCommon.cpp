#include "sysmanage/ManageCommon.h"

#include "foundation/ProjectDatabase.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace {
std::string currentUserName;
}  // namespace

const std::string& CurrentUserName() { return currentUserName; }
void SetCurrentUserName(const std::string& name) { currentUserName = name; }

BOOL ConnectDatabase(CAdoConnection& connection, const char* file) {
    return ConnectProjectDatabase(connection, file);
}

void BindRecordset(CAdoRecordSet& recordset, CAdoConnection& connection) {
    recordset.SetConnection(&connection);
    recordset.SetCursorLocation(adUseClient);
}

int Prompt(const std::string& text, UINT icon, UINT buttons) {
    return ui::MessageBox(text, "提示", buttons | icon);
}

void StandardDialogSetUp(ui::Dialog& dialog) { dialog.SetBackgroundColor(kManageBackground); }

std::vector<std::string> SelectedColumnTexts(const ui::ListCtrl& list, int column) {
    std::vector<std::string> texts;
    POSITION pos = list.GetFirstSelectedItemPosition();
    while (pos) texts.push_back(list.GetItemText(list.GetNextSelectedItem(pos), column));
    return texts;
}
