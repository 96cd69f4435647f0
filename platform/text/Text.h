// UTF-8 text helpers: GBK conversion and byte counting, printf-style
// formatting, C-style number prefixes, SQL quoting, ASCII case folding.
// Every string in the system is UTF-8; GBK appears only at file and
// fixed-field boundaries, where these helpers convert or count.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Bytes in a Windows code page (936 GBK, 1252, 950, ...) to UTF-8. A byte
// sequence the code page does not define, or a lead byte cut off at the end,
// becomes '?' and decoding goes on after its first byte. An unknown code page
// is read as 1252.
std::string DecodeCodePage(std::string_view bytes, int codePage);
// GBK (code page 936) bytes to UTF-8, as DecodeCodePage.
std::string GbkToUtf8(std::string_view gbk);
// UTF-8 to GBK bytes. A character GBK cannot hold, or invalid UTF-8, becomes '?'.
std::string Utf8ToGbk(std::string_view utf8);
// Number of bytes the text takes in GBK.
std::size_t GbkLength(std::string_view utf8);
// The longest prefix of the text whose GBK form fits in maxBytes; never cuts
// a character in two.
std::string TruncateGbk(std::string_view utf8, std::size_t maxBytes);
// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);
// Appends the code point in UTF-8; a surrogate or a value beyond U+10FFFF
// becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);
// The text of a text file a user brings (names typed in Notepad, lists
// saved from a spreadsheet) as UTF-8, by the file's byte-order mark or, without
// one, by its bytes; see the rule at its definition.
std::string DecodeTextFile(std::string_view bytes);

// printf-style formatting into a std::string (%d, %ld, %.4f, %.8f, %g, %s, %x, ...).
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// atol/atof: optional blanks and sign, then the longest numeric prefix; a text
// that does not start with a number gives 0. Atol saturates like strtol and
// then narrows to 32 bits, as the C library's atol does on a 32-bit long.
long Atol(std::string_view s);
double Atof(std::string_view s);

// ASCII case folding and comparison (names of columns, tables, extensions).
std::string ToLowerAscii(std::string_view s);
std::string ToUpperAscii(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Blanks (space, tab, CR, LF) removed from both ends.
std::string Trim(std::string_view s);
// Splits at every occurrence of the separator; an empty text gives one empty piece.
std::vector<std::string> Split(std::string_view s, std::string_view separator);
// Replaces every occurrence of `from` (not empty) by `to`.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

}  // namespace text
