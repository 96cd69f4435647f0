#include "testsupport/PrintedPages.h"

#include <cstdio>
#include <cstdlib>

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
