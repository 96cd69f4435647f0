// Project numbers read from another office's files, checked before a row is
// stored under them: a number must be one this system would give.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "numbering/LeadingCharacters.h"
#include "numbering/ProjectNumbering.h"

namespace projectnumber {

// A serial: at least three ASCII digits.
inline bool IsSerial(std::string_view serial) {
    return serial.size() >= 3 && std::all_of(serial.begin(), serial.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The prefix of the codes the row names (guide code, year, unit code, all
// well-formed) followed by a serial. The prefix is compared as the database
// compares numbers: a project keeps its number when a code is retyped in
// other letter case, so its row may name the codes in another case.
inline bool IsNumberOf(const std::string& number, const std::string& guideCode, const std::string& year,
                       const std::string& unitCode) {
    if (!CodeProblem(guideCode, year, unitCode).empty()) return false;
    const std::string prefix = Prefix(guideCode, year, unitCode);
    return number.size() > prefix.size() && SameNumber(number.substr(0, prefix.size()), prefix) &&
           IsSerial(std::string_view(number).substr(prefix.size()));
}

// The shape of a number when no codes travel with it: 17 characters of
// prefix whose year part is two digits, then a serial; nothing that could
// act as a path or a control character.
inline bool IsWellFormedNumber(const std::string& number) {
    if (number.find_first_of("/\\.:*?\"<>|'") != std::string::npos ||
        std::any_of(number.begin(), number.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return false;
    const std::string prefix = LeadingCharacters(number, kPrefixLength);
    const std::string guide = LeadingCharacters(prefix, kGuideCodeLength);
    const std::string year = LeadingCharacters(std::string_view(prefix).substr(guide.size()), 2);
    return LeadingCharacters(prefix, kPrefixLength - 1) != prefix && IsSerial(year + "0") && year.size() == 2 &&
           IsSerial(std::string_view(number).substr(prefix.size()));
}

}  // namespace projectnumber
