#include "followup/SummaryKind.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "followup/SummaryBundle.h"
#include "foundation/ProjectTables.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace followup {

const SummaryTraits& Traits(SummaryKind kind) {
    static const SummaryTraits acceptance{"CORVANE_ITEMCHECKACCEPT",
                                          "corvane_itemcheckaccept",
                                          "完成情况简介.rtf",
                                          "sumdefault.rtf",
                                          "基本信息",
                                          "完成情况简介(1000字以内)：",
                                          "主要完成人：",
                                          true,
                                          true,
                                          5518, 5519, 5520, 5523, 5521};
    static const SummaryTraits progress{"CORVANE_ITEMPROGRESS",
                                        "corvane_itemprogress",
                                        "进展情况简介.rtf",
                                        "sumdefault1.rtf",
                                        "阶段进展报告",
                                        "进展情况简介(1000字以内)：",
                                        "负责人：",
                                        false,
                                        false,
                                        5601, 5603, 5602, 5604, 5605};
    return kind == SummaryKind::Acceptance ? acceptance : progress;
}

std::optional<std::string> ProjectCategory(CAdoConnection& connection, const std::string& number) {
    return db::Scalar(connection,
                      "select XMLB from CORVANE_ITEMAPPINFO where " + projecttables::KeyedRowsCondition("XMBH", "?1"),
                      {number});
}

std::string AttachmentFolder(CAdoConnection& connection, SummaryKind kind, const std::string& number) {
    const std::optional<std::string> category = ProjectCategory(connection, number);
    if (!category) return {};  // no folder to list when the project cannot be read
    const auto variant = kind == SummaryKind::Acceptance ? SummaryBundle::Variant::AcceptanceSummary
                                                         : SummaryBundle::Variant::ProgressReport;
    return SummaryBundle(connection, variant).AttachmentFolder(number, *category);
}

namespace {

void AppendNames(const std::filesystem::path& folder, std::vector<std::string>& names) {
    std::error_code error;
    std::vector<std::filesystem::directory_entry> entries;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        if (entry.is_directory(error)) AppendNames(entry.path(), names);
        names.push_back(name);
    }
}

}  // namespace

std::string ListFolderNames(const std::string& folder) {
    if (folder.empty()) return {};
    std::vector<std::string> names;
    AppendNames(std::filesystem::path(sys::NativePath(folder)), names);
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

std::string TempFile(const std::string& name) {
    return sys::JoinPath(sys::JoinPath(sys::ProgramFolder(), "temp"), name);
}

std::string IndicatorBytes(const std::string& text) { return text::Utf8ToGbk(text) + '\0'; }

std::string IndicatorText(const std::string& bytes) {
    return text::GbkToUtf8(std::string_view(bytes).substr(0, bytes.find('\0')));
}

}  // namespace followup
