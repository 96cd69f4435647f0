// The two follow-up documents of a project that the summary views edit: the
// acceptance summary (项目验收总结) and the stage progress report
// (阶段进展报告). Their views, pages and queries are twins; what tells them
// apart is gathered here, with the small helpers both use.
#pragma once

#include <optional>
#include <string>

class CAdoConnection;

namespace followup {

enum class SummaryKind { Acceptance, Progress };

struct SummaryTraits {
    const char* table;       // "CORVANE_ITEMCHECKACCEPT"
    const char* listTable;   // as the list queries write it
    const char* scratchRtf;  // the rich text on its way into the row, under temp
    const char* defaultRtf;  // the text of a project without a document, under temp
    const char* textTab;     // label of the text page's tab
    const char* textLabel;   // label of the rich-text field
    const char* personLabel;  // SJWCR: main contributors or project leader
    bool hasIndicators;       // ZBSXQK, the technical-indicator text
    bool hasResults;          // the results page over CORVANE_CGHZ
    int viewId, listId, editId, textId, attachId;
};

const SummaryTraits& Traits(SummaryKind kind);

// The category (XMLB) of the project stored under `number`: "" when none is,
// nothing when it cannot be read.
std::optional<std::string> ProjectCategory(CAdoConnection& connection, const std::string& number);

// The fund office's folder of a project's attachments (the bundle's rule),
// or an empty text while the settings record names no save folder.
std::string AttachmentFolder(CAdoConnection& connection, SummaryKind kind, const std::string& number);

// The names found below a folder joined by ", ": names beginning with "."
// are passed over, a sub-folder's contents come before its own name, and
// entries are taken in name order. A missing or empty folder gives "".
std::string ListFolderNames(const std::string& folder);

// A file of the folder temp beside the program.
std::string TempFile(const std::string& name);

// The indicator text as stored (GBK bytes and one zero byte), and back.
std::string IndicatorBytes(const std::string& text);
std::string IndicatorText(const std::string& bytes);

}  // namespace followup
