#include "platform/office/TextFit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace office {

namespace {

// The next code point of UTF-8 text; a stray byte counts as one character.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto b = static_cast<unsigned char>(text[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    std::uint32_t cp = extra == 3 ? b & 0x07u : extra == 2 ? b & 0x0Fu : extra == 1 ? b & 0x1Fu : b;
    ++i;
    for (; extra > 0 && i < text.size(); --extra, ++i) cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
    return cp;
}

bool IsFullWidth(std::uint32_t cp) {
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) || (cp >= 0xAC00 && cp <= 0xD7A3) ||
           (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x20000 || cp == 0x2014 || cp == 0x2026 || cp == 0x2610 ||
           cp == 0x2611;
}

// Width in ems: the Latin glyphs of the CJK fonts and their Latin fallbacks
// as printed: digits half an em, as in the Song face, capitals a little
// more, a space a third, other characters at most half.
double EmWidth(std::uint32_t cp) {
    if (IsFullWidth(cp)) return 1.0;
    if (cp == ' ') return 0.3;
    return cp >= 'A' && cp <= 'Z' ? 0.6 : 0.5;
}

// Whether a line may break after this character inside a Latin word, as
// after the hyphen of "2008-2009".
bool BreaksAfter(std::uint32_t cp) { return cp == '-' || cp == '/'; }

int LinesOfParagraph(std::string_view text, double widthEms) {
    int lines = 1;
    double used = 0;  // ems on the current line
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t cp = NextCodePoint(text, i);
        if (IsFullWidth(cp) || cp == ' ') {
            double w = EmWidth(cp);
            if (used + w > widthEms && used > 0) {
                ++lines;
                used = cp == ' ' ? 0 : w;
            } else {
                used += w;
            }
            continue;
        }
        // A Latin word: up to the next space or full-width character, or
        // after a hyphen.
        double word = EmWidth(cp);
        std::size_t end = i;
        while (end < text.size() && !BreaksAfter(cp)) {
            std::size_t next = end;
            std::uint32_t c = NextCodePoint(text, next);
            if (c == ' ' || IsFullWidth(c)) break;
            word += EmWidth(c);
            end = next;
            if (BreaksAfter(c)) break;
        }
        i = end;
        if (used + word <= widthEms) {
            used += word;
        } else if (word <= widthEms) {
            ++lines;
            used = word;
        } else {
            // Longer than a line: on lines of its own, broken where each ends.
            if (used > 0) ++lines;
            const int more = static_cast<int>(std::ceil(word / widthEms)) - 1;
            lines += more;
            used = word - more * widthEms;
        }
    }
    return lines;
}

}  // namespace

int WrappedLines(std::string_view text, double widthPoints, double fontPoints) {
    if (fontPoints <= 0) fontPoints = 11;
    const double widthEms = std::max(widthPoints / fontPoints, 1.0);
    int lines = 0;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        std::string_view paragraph = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        lines += LinesOfParagraph(paragraph, widthEms);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return std::max(lines, 1);
}

double TextWidthPoints(std::string_view text, double fontPoints) {
    if (fontPoints <= 0) fontPoints = 11;
    double widest = 0, line = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::uint32_t cp = NextCodePoint(text, i);
        if (cp == '\n') {
            line = 0;
            continue;
        }
        if (cp == '\r') continue;
        line += EmWidth(cp);
        widest = std::max(widest, line);
    }
    return widest * fontPoints;
}

double LineHeight(double fontPoints) { return (fontPoints <= 0 ? 11 : fontPoints) * 1.1; }

}  // namespace office
