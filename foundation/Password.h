// Login passwords as stored in CORVANE_USERS.YHMM: a salted, slow hash
// (Argon2id from libsodium), never the password itself.
//
// The stored text fits the column's 50 characters:
//   "$pw1$" <salt, 16 bytes> "$" <digest, 16 bytes>   (URL-safe base64, no padding)
// The tag fixes the hash's cost parameters, so a later tag can raise them.
// A row written before passwords were hashed holds the clear password; it is
// recognised as such, compared exactly once, and rewritten as a hash by the
// caller (`NeedsRehash`).
#pragma once

#include <string>

class CAdoConnection;

namespace password {

// The longest password a user can choose, in characters: the length YHMM
// held when it stored the password itself.
constexpr std::size_t kMaxLength = 50;
bool IsTooLong(const std::string& plain);

// A new stored text for `plain`, with a fresh salt; empty when hashing fails.
std::string Hash(const std::string& plain);

// True when `stored` is a hash of this format (not a clear password).
bool IsHash(const std::string& stored);

// Exact comparison of what was typed with what is stored: a hash is verified,
// an old clear password compared byte for byte (case counts). An empty stored
// value matches nothing.
bool Matches(const std::string& stored, const std::string& typed);

// True when a matching stored value should be replaced by Hash(typed).
inline bool NeedsRehash(const std::string& stored) { return !IsHash(stored); }

// Rewrites every clear password of CORVANE_USERS as a hash, in one
// transaction; true when nothing is left in clear (or there is no such table).
bool HashClearPasswords(CAdoConnection& connection);

}  // namespace password
