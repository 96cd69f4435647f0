#include "main/Login.h"

#include "foundation/Transaction.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "foundation/Password.h"
#include "foundation/ProjectDatabase.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

std::string UserQuery(const std::string& userName) {
    return "select * from CORVANE_USERS where YHM = " + db::QuoteLiteral(userName);
}

namespace {

// A password still stored in clear is replaced by its hash once it matched.
void HashIfClear(CAdoConnection& connection, CAdoRecordSet& user, const std::string& stored,
                 const std::string& typed) {
    if (!password::NeedsRehash(stored)) return;
    const std::string hashed = password::Hash(typed);
    if (hashed.empty()) return;
    db::Transaction transaction(connection);
    if (transaction.Began() && user.SetString("YHMM", hashed) && user.Update() && transaction.Commit()) return;
    user.CancelUpdate();
}

}  // namespace

LoginMatch LookUpUser(const std::string& userName, const std::string& typedPassword) {
    CAdoConnection connection;
    if (!ConnectProjectDatabase(connection))
        return {LoginLookup::NoDatabase, -1};
    CAdoRecordSet users;
    users.SetConnection(&connection);
    users.SetCursorLocation(adUseClient);
    LoginMatch match;
    if (users.Open(UserQuery(userName))) {
        // The name matches as text does in this database; the password exactly.
        for (; !users.IsEOF(); users.MoveNext()) {
            std::string stored;
            long role = -1;
            users.GetString("YHMM", stored);
            if (!password::Matches(stored, typedPassword) || !users.GetInt("JS", role)) continue;
            HashIfClear(connection, users, stored, typedPassword);
            match = {LoginLookup::Found, int(role)};
            break;
        }
    }
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
