#include "testsupport/PrintedPages.h"

#include <sstream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>
#include <tuple>

#include "platform/sys/Sys.h"

namespace testsupport {

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

std::string Stem(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    return name.substr(0, name.find_last_of('.'));
}

}  // namespace

bool CanPrintToPdf() {
    // Where CI is set, scripts/setup has installed the tools: the checks run,
    // and fail if the tools are missing, instead of being skipped.
    if (const char* ci = std::getenv("CI"); ci && *ci && std::string(ci) != "0" && std::string(ci) != "false") return true;
    return std::system("command -v soffice >/dev/null 2>&1 && command -v pdftotext >/dev/null 2>&1") == 0;
}

std::vector<std::vector<std::string>> PrintedPages(const std::vector<std::string>& files, const std::string& folder) {
    std::string command = "soffice -env:UserInstallation=file://" + folder + "/office-profile --headless "
                          "--convert-to pdf --outdir " + Quoted(folder + "/pdf");
    for (const std::string& f : files) command += " " + Quoted(f);
    Output(command + " 2>&1");
    std::vector<std::vector<std::string>> out;
    for (const std::string& f : files) {
        std::vector<std::string> pages;
        const std::string pdf = folder + "/pdf/" + Stem(f) + ".pdf";
        // PRINTED_PAGES_KEEP names a folder that keeps a copy of each PDF to look at.
        if (const char* keep = std::getenv("PRINTED_PAGES_KEEP"); keep && sys::FileExists(pdf))
            std::system(("cp " + Quoted(pdf) + " " + Quoted(keep) + " 2>/dev/null").c_str());
        if (sys::FileExists(pdf)) {
            std::string text = Output("pdftotext -layout " + Quoted(pdf) + " - 2>/dev/null");
            std::size_t start = 0;
            for (std::size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', start)) {
                pages.push_back(text.substr(start, feed - start));
                start = feed + 1;
            }
        }
        out.push_back(std::move(pages));
    }
    return out;
}

std::string PrintedPdf(const std::string& file, const std::string& folder) {
    return folder + "/pdf/" + Stem(file) + ".pdf";
}

std::vector<PrintedImage> PrintedImages(const std::string& pdf) {
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    std::istringstream lines(Output("pdfimages -list " + Quoted(pdf) + " 2>/dev/null"));
    std::vector<PrintedImage> images;
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> f;
        for (std::string field; fields >> field;) f.push_back(field);
        if (f.size() < 14 || f[0].find_first_not_of("0123456789") != std::string::npos) continue;
        if (f[2] == "smask" || f[2] == "stencil") continue;  // the mask of a picture, no picture of its own
        images.push_back({std::atoi(f[0].c_str()), std::atoi(f[3].c_str()), std::atoi(f[4].c_str()),
                          std::atoi(f[12].c_str()), std::atoi(f[13].c_str())});
    }
    return images;
}

std::vector<PrintedWord> PrintedWords(const std::string& pdf) {
    const std::string xml = Output("pdftotext -bbox-layout " + Quoted(pdf) + " - 2>/dev/null");
    auto attribute = [](const std::string& tag, const char* name) {
        const std::string key = std::string(" ") + name + "=\"";
        const std::size_t at = tag.find(key);
        return at == std::string::npos ? 0.0 : std::atof(tag.c_str() + at + key.size());
    };
    std::vector<PrintedWord> words;
    int page = 0;
    for (std::size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        const std::size_t end = xml.find('>', at);
        if (end == std::string::npos) break;
        const std::string tag = xml.substr(at, end - at + 1);
        if (tag.rfind("<page ", 0) == 0) {
            ++page;
        } else if (tag.rfind("<word ", 0) == 0) {
            const std::size_t close = xml.find("</word>", end);
            words.push_back({page, attribute(tag, "xMin"), attribute(tag, "yMin"), attribute(tag, "xMax"),
                             attribute(tag, "yMax"), xml.substr(end + 1, close == std::string::npos ? 0 : close - end - 1)});
        }
    }
    return words;
}

namespace {

bool Overlap(double a1, double a2, double b1, double b2, double least) {
    return std::min(a2, b2) - std::max(a1, b1) > least;
}

// Whether `rest` is printed from the word `at` on: the next word stands to
// its right on the same line, or on the next line under the line begun at
// `lineStart`, or at the top of the next page where a table row breaks.
// `pageStart` holds the index of each page's first word.
// `failed` remembers the ways already tried, so that many alike texts are
// followed once.
// On success `lines` holds the text's printed lines, last line first.
bool WholeFrom(const std::vector<PrintedWord>& words, const std::vector<std::size_t>& pageStart, std::size_t at,
               double lineStart, std::string_view rest, std::set<std::tuple<std::size_t, std::size_t, int>>& failed,
               std::vector<std::string>& lines) {
    const PrintedWord& w = words[at];
    if (rest.substr(0, w.text.size()) != w.text) return false;
    rest.remove_prefix(w.text.size());
    if (rest.empty()) {
        lines.assign(1, w.text);
        return true;
    }
    const auto way = std::make_tuple(at, rest.size(), static_cast<int>(lineStart));
    if (failed.count(way)) return false;
    const double height = w.yMax - w.yMin;
    const std::size_t from = pageStart[static_cast<std::size_t>(w.page - 1)];
    const std::size_t to = static_cast<std::size_t>(w.page + 1) < pageStart.size()
                               ? pageStart[static_cast<std::size_t>(w.page + 1)]
                               : words.size();
    for (std::size_t k = from; k < to; ++k) {
        const PrintedWord& next = words[k];
        if (k == at) continue;
        const bool samePage = next.page == w.page;
        const bool sameLine = samePage && std::abs(next.yMin - w.yMin) < height / 2 && next.xMin >= w.xMax - 1 &&
                              next.xMin <= w.xMax + height;
        if (sameLine) {
            if (WholeFrom(words, pageStart, k, lineStart, rest, failed, lines)) {
                lines.back().insert(0, w.text);
                return true;
            }
            continue;
        }
        const bool below = samePage && next.yMin >= w.yMin + height / 2 && next.yMin <= w.yMax + height;
        if (!below && samePage) continue;
        if (!Overlap(lineStart, w.xMax, next.xMin, next.xMax, 0)) continue;
        if (WholeFrom(words, pageStart, k, next.xMin, rest, failed, lines)) {
            lines.push_back(w.text);
            return true;
        }
    }
    failed.insert(way);
    return false;
}

}  // namespace

namespace {

// The lines of each text as the PDF's words print it whole; none for a text
// not printed whole.
std::vector<std::vector<std::string>> LinesOfTexts(const std::vector<PrintedWord>& words,
                                                   const std::vector<std::string>& texts) {
    std::vector<std::size_t> pageStart;
    for (std::size_t i = 0; i < words.size(); ++i)
        while (static_cast<int>(pageStart.size()) < words[i].page) pageStart.push_back(i);
    std::vector<std::vector<std::string>> out;
    for (const std::string& text : texts) {
        const std::string wanted = WithoutBlanks(text);
        std::vector<std::string> lines;
        std::set<std::tuple<std::size_t, std::size_t, int>> failed;
        bool found = false;
        for (std::size_t i = 0; i < words.size() && !found; ++i)
            found = WholeFrom(words, pageStart, i, words[i].xMin, wanted, failed, lines);
        if (!found) lines.clear();
        std::reverse(lines.begin(), lines.end());
        out.push_back(std::move(lines));
    }
    return out;
}

std::size_t CodePoints(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

std::vector<std::string> TextsNotPrintedWhole(const std::string& pdf, const std::vector<std::string>& texts) {
    const std::vector<std::vector<std::string>> lines = LinesOfTexts(PrintedWords(pdf), texts);
    std::vector<std::string> missing;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (lines[i].empty()) missing.push_back(texts[i]);
    return missing;
}

std::vector<std::string> PrintedLines(const std::string& pdf, const std::string& text) {
    return LinesOfTexts(PrintedWords(pdf), {text}).front();
}

::testing::AssertionResult PrintsAtLeastPerLine(const std::string& pdf, const std::vector<std::string>& texts,
                                               std::size_t characters) {
    const std::vector<std::vector<std::string>> lines = LinesOfTexts(PrintedWords(pdf), texts);
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    bool failed = false;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (lines[i].empty()) {
            failure << "'" << texts[i] << "' is not printed whole; ";
            failed = true;
            continue;
        }
        // The fullest line is what the column holds on a line (another may
        // end early where a closing bracket may not begin the next one).
        if (lines[i].size() < 2) continue;
        std::size_t fullest = 0;
        for (const std::string& line : lines[i]) fullest = std::max(fullest, CodePoints(line));
        if (fullest < characters) {
            failure << "'" << texts[i] << "' prints at most " << fullest << " characters a line ('"
                    << lines[i].front() << "', " << lines[i].size() << " lines); ";
            failed = true;
        }
    }
    return failed ? failure : ::testing::AssertionSuccess();
}

std::vector<std::string> OverlappingWords(const std::string& pdf) {
    const std::vector<PrintedWord> words = PrintedWords(pdf);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < words.size(); ++i)
        for (std::size_t j = i + 1; j < words.size() && words[j].page == words[i].page; ++j) {
            const PrintedWord &a = words[i], &b = words[j];
            // Touching boxes of neighbouring lines are not an overlap; a
            // third of the lower word's height is.
            const double least = std::min(a.yMax - a.yMin, b.yMax - b.yMin) / 3;
            if (Overlap(a.xMin, a.xMax, b.xMin, b.xMax, 1) && Overlap(a.yMin, a.yMax, b.yMin, b.yMax, least))
                out.push_back("page " + std::to_string(a.page) + ": '" + a.text + "' over '" + b.text + "'");
        }
    return out;
}

::testing::AssertionResult PrintsWholeWithoutOverlaps(const std::string& pdf, const std::vector<std::string>& texts) {
    const std::vector<std::string> missing = TextsNotPrintedWhole(pdf, texts);
    const std::vector<std::string> overlaps = OverlappingWords(pdf);
    if (missing.empty() && overlaps.empty()) return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    if (!missing.empty()) failure << missing.size() << " texts not whole, first " << missing.front() << "; ";
    if (!overlaps.empty()) failure << overlaps.size() << " words overlap, first " << overlaps.front();
    return failure;
}

std::string CopyOutput(const std::string& file, const std::string& folder, const std::string& name) {
    const std::size_t dot = file.find_last_of('.');
    const std::string path = folder + "/" + name + (dot == std::string::npos ? "" : file.substr(dot));
    return sys::CopyFile(file, path) ? path : std::string();
}

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\t' && c != '\r') out += c;
    return out;
}

}  // namespace testsupport
