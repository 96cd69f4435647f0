// The templates the system fills, written into the program folder's 模板, and
// the user manual beside the program. Each later area adds its templates to
// the list in Templates.cpp.
#pragma once

#include <string>
#include <vector>

namespace templates {

struct TemplateMaker {
    // The name the system uses (".xls" or ".doc"); written as .xlsx or .docx.
    std::string name;
    bool (*make)(const std::string& path, std::string& error);
};

const std::vector<TemplateMaker>& AllTemplates();

// Writes every template into programFolder/模板; false with a reason at the
// first failure.
bool WriteTemplates(const std::string& programFolder, std::string& error);

// Writes programFolder/用户手册.docx from the manual's text: "# " and "## "
// lines are headings, other lines paragraphs. A missing text is skipped.
bool WriteManual(const std::string& markdownPath, const std::string& programFolder, std::string& error);

}  // namespace templates
