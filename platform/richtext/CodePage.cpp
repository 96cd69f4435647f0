#include "platform/richtext/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/text/Text.h"

namespace richtext {

int CodePageOfCharset(int charset) {
    switch (charset) {
        case 0: return 1252;    // ANSI
        case 2: return 1252;    // symbol: bytes taken as they are
        case 77: return 10000;  // Mac Roman
        case 128: return 932;   // Shift-JIS
        case 129: return 949;   // Hangul
        case 130: return 1361;  // Johab
        case 134: return 936;   // GB2312 / GBK
        case 136: return 950;   // Big5
        case 161: return 1253;  // Greek
        case 162: return 1254;  // Turkish
        case 163: return 1258;  // Vietnamese
        case 177: return 1255;  // Hebrew
        case 178: return 1256;  // Arabic
        case 186: return 1257;  // Baltic
        case 204: return 1251;  // Cyrillic
        case 222: return 874;   // Thai
        case 238: return 1250;  // Eastern Europe
        case 254: return 437;   // PC 437
        case 255: return 850;   // OEM
        default: return 0;      // default character set and unknown ones
    }
}

namespace {

// GBK code of every BMP character, built once: 0 where GBK has none,
// 0x00hh for a single byte, 0xhhhh for a byte pair.
const std::vector<std::uint16_t>& GbkTable() {
    static const std::vector<std::uint16_t> table = [] {
        std::vector<std::uint16_t> codes(0x10000, 0);
        iconv_t cd = iconv_open("CP936", "UTF-32LE");
        if (cd == reinterpret_cast<iconv_t>(-1)) return codes;
        for (std::uint32_t c = 0x80; c < 0x10000; ++c) {
            if (c >= 0xD800 && c < 0xE000) continue;
            unsigned char in[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8), 0, 0};
            unsigned char out[8];
            char* inPtr = reinterpret_cast<char*>(in);
            char* outPtr = reinterpret_cast<char*>(out);
            std::size_t inLeft = 4, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) continue;
            const std::size_t length = sizeof out - outLeft;
            if (length == 1) codes[c] = out[0];
            else if (length == 2) codes[c] = static_cast<std::uint16_t>(out[0] << 8 | out[1]);
        }
        iconv_close(cd);
        return codes;
    }();
    return table;
}

}  // namespace

int GbkBytesOf(char32_t character, unsigned char out[2]) {
    if (character < 0x80) {
        out[0] = static_cast<unsigned char>(character);
        return 1;
    }
    if (character >= 0x10000) return 0;
    const std::uint16_t code = GbkTable()[character];
    if (code == 0) return 0;
    if (code < 0x100) {
        out[0] = static_cast<unsigned char>(code);
        return 1;
    }
    out[0] = static_cast<unsigned char>(code >> 8);
    out[1] = static_cast<unsigned char>(code);
    return 2;
}

void AppendUtf8(std::string& out, char32_t c) { text::AppendUtf8(out, c); }

}  // namespace richtext
