#include "foundation/Password.h"

#include <sodium.h>

#include <array>

#include "foundation/Transaction.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace password {
namespace {

constexpr char kTag[] = "$pw1$";
constexpr std::size_t kTagLength = sizeof kTag - 1;
constexpr std::size_t kSaltBytes = crypto_pwhash_SALTBYTES;  // 16
constexpr std::size_t kDigestBytes = 16;
constexpr int kBase64 = sodium_base64_VARIANT_URLSAFE_NO_PADDING;
constexpr std::size_t kSaltText = sodium_base64_ENCODED_LEN(kSaltBytes, kBase64) - 1;
constexpr std::size_t kDigestText = sodium_base64_ENCODED_LEN(kDigestBytes, kBase64) - 1;
constexpr std::size_t kStoredLength = kTagLength + kSaltText + 1 + kDigestText;
static_assert(kStoredLength <= 50, "a stored hash must fit YHMM");

bool Ready() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

std::string ToText(const unsigned char* bytes, std::size_t size) {
    std::string out(sodium_base64_ENCODED_LEN(size, kBase64), '\0');
    sodium_bin2base64(out.data(), out.size(), bytes, size, kBase64);
    out.resize(out.size() - 1);  // the terminator
    return out;
}

template <std::size_t N>
bool FromText(const std::string& text, std::array<unsigned char, N>& bytes) {
    std::size_t written = 0;
    return sodium_base642bin(bytes.data(), N, text.data(), text.size(), nullptr, &written, nullptr, kBase64) == 0 &&
           written == N;
}

bool Digest(const std::string& plain, const std::array<unsigned char, kSaltBytes>& salt,
            std::array<unsigned char, kDigestBytes>& digest) {
    return Ready() && crypto_pwhash(digest.data(), digest.size(), plain.data(), plain.size(), salt.data(),
                                    crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                                    crypto_pwhash_ALG_ARGON2ID13) == 0;
}

// Splits a stored hash into salt and digest; false when it is not one.
bool Parse(const std::string& stored, std::array<unsigned char, kSaltBytes>& salt,
           std::array<unsigned char, kDigestBytes>& digest) {
    return stored.size() == kStoredLength && stored.compare(0, kTagLength, kTag) == 0 &&
           stored[kTagLength + kSaltText] == '$' && FromText(stored.substr(kTagLength, kSaltText), salt) &&
           FromText(stored.substr(kTagLength + kSaltText + 1), digest);
}

}  // namespace

bool IsTooLong(const std::string& plain) {
    std::size_t characters = 0;
    for (const unsigned char byte : plain) characters += (byte & 0xC0) != 0x80;  // UTF-8 lead bytes
    return characters > kMaxLength;
}

std::string Hash(const std::string& plain) {
    std::array<unsigned char, kSaltBytes> salt{};
    std::array<unsigned char, kDigestBytes> digest{};
    if (!Ready()) return {};
    randombytes_buf(salt.data(), salt.size());
    if (!Digest(plain, salt, digest)) return {};
    return kTag + ToText(salt.data(), salt.size()) + "$" + ToText(digest.data(), digest.size());
}

bool IsHash(const std::string& stored) {
    std::array<unsigned char, kSaltBytes> salt{};
    std::array<unsigned char, kDigestBytes> digest{};
    return Parse(stored, salt, digest);
}

bool Matches(const std::string& stored, const std::string& typed) {
    if (stored.empty()) return false;
    std::array<unsigned char, kSaltBytes> salt{};
    std::array<unsigned char, kDigestBytes> digest{};
    if (!Parse(stored, salt, digest))  // a password stored in clear before hashing
        return stored.size() == typed.size() && Ready() &&
               sodium_memcmp(stored.data(), typed.data(), stored.size()) == 0;
    std::array<unsigned char, kDigestBytes> computed{};
    return Digest(typed, salt, computed) && sodium_memcmp(computed.data(), digest.data(), digest.size()) == 0;
}

bool HashClearPasswords(CAdoConnection& connection) {
    CAdoRecordSet users;
    users.SetConnection(&connection);
    users.SetCursorLocation(adUseClient);
    if (!users.Open("select * from CORVANE_USERS")) return true;  // no user table in this database
    db::Transaction transaction(connection);
    if (!transaction.Began()) return false;
    bool ok = true;
    for (; ok && !users.IsEOF(); users.MoveNext()) {
        std::string stored;
        users.GetString("YHMM", stored);
        if (stored.empty() || IsHash(stored)) continue;
        const std::string hashed = Hash(stored);
        ok = !hashed.empty() && users.SetString("YHMM", hashed) && users.Update();
        if (!ok) users.CancelUpdate();
    }
    return ok && transaction.Commit();
}

}  // namespace password
