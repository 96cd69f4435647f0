// How many lines a text takes when it wraps in a cell or table cell of a
// given width, from the font size alone: ideographs, kana, hangul and
// full-width forms are one em wide, other characters about half of it. The
// widths err on the wide side, so a row sized by it keeps every line; the
// line height is the office suite's as it prints the outputs' CJK fonts,
// with a little to spare.
#pragma once

#include <string_view>

namespace office {

// Lines of `text` wrapped in `widthPoints` at `fontPoints`: "\n" starts a new
// line, Latin words move whole to the next line unless longer than a line,
// ideographs break anywhere. At least 1; 1 for an empty text.
int WrappedLines(std::string_view text, double widthPoints, double fontPoints);

// The width in points that `text` takes on one line at `fontPoints` (its
// widest line where "\n" breaks it), by the same character widths: what a
// column or table cell needs inside its padding to print it unbroken.
double TextWidthPoints(std::string_view text, double fontPoints);

// The height of one line of text at `fontPoints`, as the office suite sets
// the CJK fonts the outputs use (about 1.05 em) with a little to spare.
double LineHeight(double fontPoints);

}  // namespace office
