// The pages of documents as printed: the office suite converts them to PDF in
// one run and each page's text is read back, so a test can check what a user
// would see on paper. Tests skip when the suite or the PDF tools are absent.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace testsupport {

// True when soffice and pdftotext are on the PATH, and always on a CI
// machine (the environment variable CI set), where a missing tool must fail
// the printed-page tests rather than skip them.
bool CanPrintToPdf();

// Converts the files (.xlsx, .docx) to PDF in `folder` with one soffice run
// and a profile of its own, and returns for each file, in order, the text of
// each of its pages (pdftotext -layout); no pages for a file that did not
// convert. With PRINTED_PAGES_KEEP set to a folder, a copy of each PDF is
// left there to be looked at.
std::vector<std::vector<std::string>> PrintedPages(const std::vector<std::string>& files, const std::string& folder);

// The PDF that PrintedPages made of `file` in `folder`.
std::string PrintedPdf(const std::string& file, const std::string& folder);

// A word of a PDF with its box in points from the page's top left corner
// (pdftotext -bbox-layout); pages count from 1.
struct PrintedWord {
    int page;
    double xMin, yMin, xMax, yMax;
    std::string text;
};
std::vector<PrintedWord> PrintedWords(const std::string& pdf);

// A picture of a PDF as pdfimages -list gives it: its page (from 1), its
// pixels, and its resolution in pixels per inch as placed on the page.
struct PrintedImage {
    int page = 0;
    int width = 0, height = 0;
    int xPpi = 0, yPpi = 0;
};
std::vector<PrintedImage> PrintedImages(const std::string& pdf);

// The texts (blanks ignored) that a PDF does not print whole: a text is whole
// when its lines stand one under the other on a page (or go on at the top of
// the next page, where a table row breaks), each line beneath the line
// before, from its first character to its last, as a cell or a table cell
// prints a wrapped text. A text whose first or last lines
// are cut off, or that is not printed at all, is returned.
std::vector<std::string> TextsNotPrintedWhole(const std::string& pdf, const std::vector<std::string>& texts);

// The lines of `text` (blanks ignored) as the PDF prints it whole, first
// line first; none when it is not printed whole.
std::vector<std::string> PrintedLines(const std::string& pdf, const std::string& text);

// Each text printed whole, and where it wraps, with at least `characters`
// characters on its fullest line: a column as narrow as two characters a
// line fails a text of ten with five lines. A text on one line passes.
::testing::AssertionResult PrintsAtLeastPerLine(const std::string& pdf, const std::vector<std::string>& texts,
                                               std::size_t characters);

// Words of a PDF that are printed over one another (pdftotext -bbox-layout):
// a row too low for its wrapped text lets its lines run into the next row.
// One description per pair ("page 2: 'word' over 'other'"); empty when the
// words stand apart.
std::vector<std::string> OverlappingWords(const std::string& pdf);

// A printed page's check in one: every text printed whole and no words over
// one another; on failure the counts and the first of each are the message.
::testing::AssertionResult PrintsWholeWithoutOverlaps(const std::string& pdf, const std::vector<std::string>& texts);

// A copy of an output file as `folder`/`name` with the file's extension, so
// that several outputs of one test convert under names of their own; ""
// when it cannot be copied.
std::string CopyOutput(const std::string& file, const std::string& folder, const std::string& name);

// The text with every blank removed, so that a heading wrapped or spaced in
// its cell can still be found.
std::string WithoutBlanks(const std::string& text);

}  // namespace testsupport
