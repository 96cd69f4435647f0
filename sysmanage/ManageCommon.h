// What every dialog of the management library shares: the databases beside
// the program and how a screen opens them, the current user of this call,
// the "提示" message boxes, the dialogs' background and the keys of the
// selected rows of a list.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/WinDefs.h"

namespace ui {
class Dialog;
class ListCtrl;
}  // namespace ui

constexpr const char* kProjectDatabase = "project.mdb";
constexpr const char* kSideDatabase = "temp.mdb";
constexpr const char* kConnectFailed = "连接数据库失败！";
constexpr const char* kSelectRecordsFirst = "请先选择一条或多条记录！";
constexpr COLORREF kManageBackground = RGB(232, 241, 250);

// The login name given to the running ShowDialog call.
const std::string& CurrentUserName();
void SetCurrentUserName(const std::string& name);

// Connects to a database file of the program folder ("project.mdb" or
// "temp.mdb") with the database password.
BOOL ConnectDatabase(CAdoConnection& connection, const char* file);
// Binds a recordset to a connection with the client-side cursor.
void BindRecordset(CAdoRecordSet& recordset, CAdoConnection& connection);

// Message box with the caption "提示"; `icon` is an MB_ICON* flag, `buttons`
// MB_OK or MB_YESNO. Returns the answer.
int Prompt(const std::string& text, UINT icon = MB_ICONINFORMATION, UINT buttons = MB_OK);

// The set-up every dialog of the library runs in OnInitDialog after the
// framework's: the light-blue background.
void StandardDialogSetUp(ui::Dialog& dialog);

// The texts of one column of the selected rows, in list order.
std::vector<std::string> SelectedColumnTexts(const ui::ListCtrl& list, int column);
