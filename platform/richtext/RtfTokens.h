// The pieces RTF is made of, for the readers of RTF in this folder: control
// words, \binN data and the extent of a group.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>

namespace richtext::rtftokens {

inline bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A control word: "\name", "\nameN" or "\name-N", with the one space that
// may end it consumed.
struct ControlWord {
    std::string_view name;
    bool hasParam = false;
    int param = 0;
};

// Reads a control word whose letters start at `pos` (just after the
// backslash). Digits beyond the range of int saturate.
inline ControlWord ReadControlWord(std::string_view in, std::size_t& pos) {
    ControlWord word;
    const std::size_t start = pos;
    while (pos < in.size() && IsLetter(in[pos])) ++pos;
    word.name = in.substr(start, pos - start);
    bool negative = false;
    if (pos + 1 < in.size() && in[pos] == '-' && IsDigit(in[pos + 1])) {
        negative = true;
        ++pos;
    }
    if (pos < in.size() && IsDigit(in[pos])) {
        std::int64_t value = 0;
        while (pos < in.size() && IsDigit(in[pos])) {
            if (value <= INT_MAX) value = value * 10 + (in[pos] - '0');
            ++pos;
        }
        if (value > INT_MAX) value = INT_MAX;
        word.hasParam = true;
        word.param = static_cast<int>(negative ? -value : value);
    }
    if (pos < in.size() && in[pos] == ' ') ++pos;
    return word;
}

// Skips the data of "\binN" that ends at `pos`: N raw bytes, as many as there are.
inline void SkipBinary(std::string_view in, std::size_t& pos, int count) {
    if (count > 0) pos += std::min<std::size_t>(static_cast<std::size_t>(count), in.size() - pos);
}

// The position of the '}' that closes the group `pos` is inside, `depth`
// levels down; in.size() when the text ends first. Escaped braces and \bin
// data are not counted.
inline std::size_t FindGroupEnd(std::string_view in, std::size_t pos, int depth) {
    while (pos < in.size()) {
        const char c = in[pos];
        if (c == '\\') {
            ++pos;
            if (pos < in.size() && IsLetter(in[pos])) {
                const ControlWord word = ReadControlWord(in, pos);
                if (word.name == "bin") SkipBinary(in, pos, word.param);
            } else {
                ++pos;
            }
        } else if (c == '{') {
            ++depth;
            ++pos;
        } else if (c == '}') {
            if (--depth == 0) return pos;
            ++pos;
        } else {
            ++pos;
        }
    }
    return in.size();
}

}  // namespace richtext::rtftokens
