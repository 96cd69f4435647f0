// The login check against the user table of project.mdb.
#pragma once

#include <string>

// The query that finds the user row; both texts are quoted so that nothing
// typed can change the statement.
std::string LoginQuery(const std::string& userName, const std::string& password);

enum class LoginLookup { Found, NotFound, NoDatabase };

struct LoginMatch {
    LoginLookup outcome = LoginLookup::NotFound;
    int role = -1;  // column JS of the first matching row when found
};

// Runs the query on project.mdb in the program folder.
LoginMatch LookUpUser(const std::string& userName, const std::string& password);

// After a successful login: the settings record keeps the user and role.
void RememberLogin(const std::string& userName, int role);
