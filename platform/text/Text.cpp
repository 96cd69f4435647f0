#include "platform/text/Text.h"
#include "platform/text/Utf8Repair.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace text {
namespace {

// Runs an open converter over the bytes. An input sequence the target cannot
// hold, or that is invalid in the source, becomes '?' and conversion goes on
// after `skipUnit` bytes of it.
std::string RunConverter(iconv_t cd, std::string_view in, std::size_t (*skipUnit)(std::string_view)) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ, or EINVAL for a sequence cut off at the end.
        out.push_back('?');
        std::size_t skip = std::min(inLeft, skipUnit(std::string_view(inPtr, inLeft)));
        inPtr += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

std::size_t SkipOneByte(std::string_view) { return 1; }

std::string IconvName(int codePage) {
    switch (codePage) {
        case 10000: return "MACINTOSH";
        case 65001: return "UTF-8";
        default: return "CP" + std::to_string(codePage);
    }
}

// One open converter per code page and thread; iconv descriptors carry
// conversion state and must not be shared between threads.
class Converters {
public:
    ~Converters() {
        for (auto* table : {&toUtf8_, &fromUtf8_})
            for (auto& [codePage, cd] : *table)
                if (cd != kFailed) iconv_close(cd);
    }

    // The converter from the code page to UTF-8; one for 1252 when glibc has
    // none for the code page; null when even that is missing.
    iconv_t ToUtf8(int codePage) {
        iconv_t cd = Find(toUtf8_, codePage, "UTF-8", IconvName(codePage).c_str());
        if (cd != nullptr || codePage == 1252) return cd;
        return ToUtf8(1252);
    }

    // The converter from UTF-8 to the code page; null when glibc has none.
    iconv_t FromUtf8(int codePage) { return Find(fromUtf8_, codePage, IconvName(codePage).c_str(), "UTF-8"); }

private:
    static inline const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);

    static iconv_t Find(std::unordered_map<int, iconv_t>& table, int codePage, const char* to, const char* from) {
        auto found = table.find(codePage);
        if (found == table.end()) found = table.emplace(codePage, iconv_open(to, from)).first;
        return found->second == kFailed ? nullptr : found->second;
    }

    std::unordered_map<int, iconv_t> toUtf8_, fromUtf8_;
};

Converters& ThreadConverters() {
    thread_local Converters converters;
    return converters;
}

bool IsAscii(std::string_view bytes) {
    for (unsigned char c : bytes)
        if (c >= 0x80) return false;
    return true;
}

std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

std::size_t SkipUtf8(std::string_view s) {
    std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(s[0]));
    // Skip only the well-formed continuation bytes, so a broken sequence
    // costs one '?' and the next character survives.
    std::size_t i = 1;
    while (i < n && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    return i;
}

}  // namespace

std::string DecodeCodePage(std::string_view bytes, int codePage) {
    if (IsAscii(bytes)) return std::string(bytes);
    iconv_t cd = ThreadConverters().ToUtf8(codePage);
    if (cd == nullptr) {  // no converter at all: keep ASCII, mark the rest
        std::string out;
        for (unsigned char c : bytes) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        return out;
    }
    return RunConverter(cd, bytes, SkipOneByte);
}

std::string GbkToUtf8(std::string_view gbk) { return DecodeCodePage(gbk, 936); }

std::string Utf8ToGbk(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    iconv_t cd = ThreadConverters().FromUtf8(936);
    if (cd == nullptr) return std::string(utf8);
    return RunConverter(cd, utf8, SkipUtf8);
}

std::size_t GbkLength(std::string_view utf8) { return Utf8ToGbk(utf8).size(); }

std::string TruncateGbk(std::string_view utf8, std::size_t maxBytes) {
    std::size_t used = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t len = SkipUtf8(utf8.substr(pos));
        std::size_t bytes = Utf8ToGbk(utf8.substr(pos, len)).size();
        if (used + bytes > maxBytes) break;
        used += bytes;
        pos += len;
    }
    return std::string(utf8.substr(0, pos));
}

namespace {

// The length of the well-formed sequence at the start of `s`, or 0 when it
// is ill-formed (the table of well-formed byte sequences of Unicode).
std::size_t WellFormedSequence(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    else return 0;
    if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 0;
    return length;
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = WellFormedSequence(s.substr(i));
        if (n == 0) return false;
        i += n;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) c = 0xFFFD;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point of the well-formed UTF-8 sequence at s[i], i moved past it;
// false (i moved past the lead byte) for a malformed one: a stray or cut-short
// sequence, an overlong form, a surrogate, or beyond U+10FFFF.
bool NextCodePoint(std::string_view s, std::size_t& i, char32_t& c) {
    const std::size_t length = WellFormedSequence(s.substr(i));
    if (length == 0) {
        ++i;
        return false;
    }
    constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};  // by sequence length
    c = static_cast<unsigned char>(s[i]) & kLeadBits[length];
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += length;
    return true;
}

// The characters an office's text files hold: ASCII, the middle dot of
// transcribed names, general punctuation (quotes, dashes, ellipsis), Roman
// numerals, CJK punctuation, the CJK ideographs (extension A included) and
// the full-width forms. GBK text read as UTF-8 falls outside them: "叶英" in
// GBK is the bytes of the Cyrillic "ҶӢ".
bool UsedByAnOffice(char32_t c) {
    return c < 0x80 || c == 0xB7 || (c >= 0x2000 && c <= 0x206F) || (c >= 0x2160 && c <= 0x217F) ||
           (c >= 0x3000 && c <= 0x303F) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    auto unit = [&](std::size_t at) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[at]), b = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;  // a half of a pair alone
        }
        AppendUtf8(out, c);
    }
    if (bytes.size() % 2 != 0) AppendUtf8(out, kReplacement);  // a byte cut off at the end
    return out;
}

}  // namespace

// The rule: a byte-order mark says the encoding (UTF-8, UTF-16 little- or
// big-endian) and is dropped; in a file marked UTF-8 a malformed sequence
// becomes U+FFFD. Without a mark the file is UTF-8 only when it is well-formed
// UTF-8 and every character is one an office uses (UsedByAnOffice); anything
// else (a malformed sequence, a Cyrillic or Latin letter that GBK bytes make)
// is read as GBK, the encoding of text files written on an office's desktop.
std::string DecodeTextFile(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE") return DecodeUtf16(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF") return DecodeUtf16(bytes.substr(2), true);
    const bool marked = bytes.substr(0, 3) == "\xEF\xBB\xBF";
    if (marked) bytes.remove_prefix(3);
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        if (NextCodePoint(bytes, i, c) && (marked || UsedByAnOffice(c))) {
            AppendUtf8(out, c);
        } else if (marked) {
            AppendUtf8(out, kReplacement);
        } else {
            return GbkToUtf8(bytes);
        }
    }
    return out;
}

std::string RepairUtf8(std::string_view s) {
    std::string out;
    std::size_t copied = 0, i = 0;
    while (i < s.size()) {
        if (const std::size_t n = WellFormedSequence(s.substr(i))) {
            i += n;
            continue;
        }
        out.append(s.data() + copied, i - copied);
        out += "\xEF\xBF\xBD";  // U+FFFD for the byte that starts no well-formed sequence
        copied = ++i;
    }
    if (copied == 0) return std::string(s);
    out.append(s.data() + copied, s.size() - copied);
    return out;
}

std::string Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string out;
    if (size > 0) {
        out.resize(static_cast<std::size_t>(size) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, args);
        out.resize(static_cast<std::size_t>(size));
    }
    va_end(args);
    return out;
}

long Atol(std::string_view s) {
    std::string copy(s);
    long long value = std::strtoll(copy.c_str(), nullptr, 10);
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<long>(value);
}

double Atof(std::string_view s) {
    std::string copy(s);
    return std::strtod(copy.c_str(), nullptr);
}

std::string ToLowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string ToUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ToLowerAscii(a) == ToLowerAscii(b);
}

std::string Trim(std::string_view s) {
    const char* blanks = " \t\r\n";
    std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = s.find_last_not_of(blanks);
    return std::string(s.substr(first, last - first + 1));
}

std::vector<std::string> Split(std::string_view s, std::string_view separator) {
    std::vector<std::string> parts;
    if (separator.empty()) {
        parts.emplace_back(s);
        return parts;
    }
    std::size_t start = 0;
    for (;;) {
        std::size_t hit = s.find(separator, start);
        if (hit == std::string_view::npos) break;
        parts.emplace_back(s.substr(start, hit - start));
        start = hit + separator.size();
    }
    parts.emplace_back(s.substr(start));
    return parts;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t start = 0;
    for (;;) {
        std::size_t hit = s.find(from, start);
        if (hit == std::string_view::npos) break;
        out.append(s.substr(start, hit - start));
        out.append(to);
        start = hit + from.size();
    }
    out.append(s.substr(start));
    return out;
}

}  // namespace text
