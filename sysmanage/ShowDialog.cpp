#include "sysmanage/ShowDialog.h"

#include <memory>

#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "sysmanage/DlgExpertManage.h"
#include "sysmanage/DlgLabManage.h"
#include "sysmanage/DlgModifyPassword.h"
#include "sysmanage/DlgScoreIndex.h"
#include "sysmanage/DlgSpecGroupInfo.h"
#include "sysmanage/DlgSpecGroupManage.h"
#include "sysmanage/DlgUnitManage.h"
#include "sysmanage/ManageCommon.h"

namespace {

// The dialog of a code, owned by the main window.
std::unique_ptr<ui::Dialog> MakeDialog(int code) {
    ui::Wnd* owner = ui::AfxGetMainWnd();
    switch (code) {
    case 1: return std::make_unique<CDlgUnitManage>(owner);
    case 2: return std::make_unique<CDlgSpecGroupManage>(owner);
    case 3: return std::make_unique<CDlgExpertManage>(owner);
    case 4: return std::make_unique<CDlgScoreIndex>(owner);
    case 5: return std::make_unique<CDlgModifyPassword>(owner);
    // A new specialty group, on a connection of the editor's own.
    case 6: return std::make_unique<CDlgSpecGroupInfo>(owner);
    case 7: return std::make_unique<CDlgLabManage>(owner);
    default: return nullptr;
    }
}

}  // namespace

extern "C" int ShowDialog(int code, std::string userName) {
    SetCurrentUserName(userName);
    ui::EnsureApplication();
    if (std::unique_ptr<ui::Dialog> dialog = MakeDialog(code)) dialog->DoModal();
    return 1;
}
