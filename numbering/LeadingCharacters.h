// The leading characters of a UTF-8 text (project numbers are cut by
// characters: the 17-character prefix, the 7-character fund number).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline bool IsUtf8LeadByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// The first `count` characters of the text (all of it when shorter); never
// cuts a character in two.
inline std::string LeadingCharacters(std::string_view s, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t chars = 0; end < s.size() && chars < count; ++chars) {
        ++end;
        while (end < s.size() && !IsUtf8LeadByte(s[end])) ++end;
    }
    return std::string(s.substr(0, end));
}

// `count` characters of the text from character `first` (0 for the first);
// shorter or empty near its end, never a character cut in two.
inline std::string CharactersAt(std::string_view s, std::size_t first, std::size_t count) {
    const std::size_t skipped = LeadingCharacters(s, first).size();
    return LeadingCharacters(s.substr(skipped), count);
}

// The last `count` characters of the text (all of it when shorter).
inline std::string TrailingCharacters(std::string_view s, std::size_t count) {
    std::size_t begin = s.size();
    for (std::size_t chars = 0; begin > 0 && chars < count; ++chars) {
        --begin;
        while (begin > 0 && !IsUtf8LeadByte(s[begin])) --begin;
    }
    return std::string(s.substr(begin));
}
