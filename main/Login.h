// The login check against the user table of project.mdb.
#pragma once

#include <string>

// The query that finds the rows of a user name; the name is quoted so that
// nothing typed can change the statement. The password never enters SQL: it
// is compared exactly with the stored hash (foundation/Password.h).
std::string UserQuery(const std::string& userName);

enum class LoginLookup { Found, NotFound, NoDatabase };

struct LoginMatch {
    LoginLookup outcome = LoginLookup::NotFound;
    int role = -1;  // column JS of the first matching row when found
};

// Looks the user up in project.mdb in the program folder. A row that still
// holds its password in clear is rewritten as a hash when it matches.
LoginMatch LookUpUser(const std::string& userName, const std::string& typedPassword);

// After a successful login: the settings record keeps the user and role.
void RememberLogin(const std::string& userName, int role);
