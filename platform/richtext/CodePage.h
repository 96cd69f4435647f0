// Windows code pages as RTF uses them: the document's \ansicpg, the code page
// a font's \fcharset implies, decoding of \'hh bytes, and the GBK form of a
// character for writing.
#pragma once

#include <string>
#include <string_view>

namespace richtext {

constexpr int kCodePageGbk = 936;
constexpr int kCodePageWestern = 1252;

// The code page of a font character set (\fcharsetN): 134 gives 936, 0 gives
// 1252, and so on. 0 for the default character set and unknown ones, which
// means "the document's code page".
int CodePageOfCharset(int charset);

// The GBK (code page 936) bytes of a character: 0 when GBK cannot hold it,
// else 1 or 2 bytes written to `out`. ASCII is its own single byte.
int GbkBytesOf(char32_t character, unsigned char out[2]);

// Appends the UTF-8 form of a code point (invalid ones become U+FFFD).
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace richtext
