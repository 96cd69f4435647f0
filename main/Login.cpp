#include "main/Login.h"

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "foundation/ProjectDatabase.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

std::string LoginQuery(const std::string& userName, const std::string& password) {
    return "select * from CORVANE_USERS where YHM = '" + text::EscapeSql(userName) + "' and YHMM = '" +
           text::EscapeSql(password) + "'";
}

LoginMatch LookUpUser(const std::string& userName, const std::string& password) {
    CAdoConnection connection;
    if (!ConnectProjectDatabase(connection))
        return {LoginLookup::NoDatabase, -1};
    CAdoRecordSet users;
    users.SetConnection(&connection);
    users.SetCursorLocation(adUseClient);
    LoginMatch match;
    long role = -1;
    if (users.Open(LoginQuery(userName, password)) && users.GetRecordCount() > 0 && users.GetInt("JS", role))
        match = {LoginLookup::Found, int(role)};
    users.Close();
    connection.Close();
    return match;
}

void RememberLogin(const std::string& userName, int role) {
    COptions options;
    options.SetUserName(userName);
    options.SetRole(role);
    options.Save();
}
