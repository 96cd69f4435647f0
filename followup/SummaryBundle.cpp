#include "followup/SummaryBundle.h"

#include <array>
#include <optional>
#include <utility>

#include "application/ApplicationDb.h"
#include "followup/SummaryKind.h"
#include "application/ApplicationStore.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/FileMessages.h"
#include "foundation/ImportReport.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/LongBinary.h"
#include "foundation/Options.h"
#include "foundation/ProjectTables.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "foundation/StagedFile.h"
#include "numbering/LeadingCharacters.h"
#include "numbering/ProjectFolders.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kApplicantUnitRole = 1;
constexpr int kFundOfficeRole = 2;

// Scratch files of the two parts, in the export folder when writing and in
// the program folder when reading.
constexpr const char* kDocumentFile = "验收总结.xml";
constexpr const char* kAchievementFile = "成果汇总.xml";

// The achievement columns a bundle carries, besides the project number.
constexpr std::array<const char*, 4> kAchievementColumns = {"MC", "LX", "TIME", "BZ"};

struct VariantInfo {
    const char* table;
    const char* folderWord;
    const char* doneMessage;
    std::vector<const char*> richColumns;  // long binary columns besides ATTACH
    // A column only this variant's table has: a bundle without it holds
    // another kind of document.
    const char* ownColumn;
};

const VariantInfo& Info(SummaryBundle::Variant variant) {
    static const VariantInfo acceptance{"CORVANE_ITEMCHECKACCEPT", "项目验收总结", "项目验收总结导出完成！",
                                        {"WCQKJJ", "ZBSXQK"}, "ZBSXQK"};
    static const VariantInfo progress{"CORVANE_ITEMPROGRESS", "阶段进展报告", "阶段进展报告导出完成！",
                                      {"WCQKJJ"}, "JCJL"};
    return variant == SummaryBundle::Variant::AcceptanceSummary ? acceptance : progress;
}

std::string FieldText(CAdoRecordSet& rs, const char* column) {
    std::string value;
    rs.GetString(column, value);
    return value;
}


// The file that cannot be read is named: a folder import may hold many.
void ShowLoadFailure(const std::string& path) {
    ui::MessageBox("载入数据文件" + sys::FileName(path) + "失败！", "提示", MB_ICONERROR);
}

}  // namespace

// What an import takes from a bundle, read whole before anything is written.
struct SummaryBundle::Document {
    std::string number, backupName, contributors, attachName;
    std::vector<std::pair<const char*, std::optional<std::string>>> richTexts;  // nullopt: NULL
    std::string attachment;
    std::vector<std::array<std::string, kAchievementColumns.size()>> achievements;
};

// ---- the container ----

bool SummaryBundle::WriteParts(const std::string& bundlePath, const std::vector<std::string>& partFiles) {
    std::vector<std::string> parts(partFiles.size());
    for (std::size_t i = 0; i < partFiles.size(); ++i)
        if (!sys::ReadFile(partFiles[i], parts[i])) return false;
    return LengthPrefixedContainer::Write(bundlePath, std::nullopt, parts);
}

bool SummaryBundle::ReadParts(const std::string& bundlePath, const std::vector<std::string>& partFiles) {
    return LengthPrefixedContainer::Extract(bundlePath, std::nullopt, partFiles) ==
           LengthPrefixedContainer::ReadResult::Ok;
}

// ---- folders ----

std::string SummaryBundle::ExportFolder(const std::string& chosenFolder, const std::string& date) const {
    return sys::JoinPath(chosenFolder, date + Info(m_variant).folderWord);
}

std::string SummaryBundle::AttachmentFolder(const std::string& number, const std::string& category) const {
    const COptions options;
    const std::string saveFolder =
        m_variant == Variant::AcceptanceSummary ? options.GetAcceptDir() : options.GetProgressDir();
    return projectfolders::AttachmentFolder(saveFolder, number, category);
}

// ---- export ----

void SummaryBundle::OnBtnExport(const std::vector<std::string>& tickedNumbers) {
    if (tickedNumbers.empty()) {
        ui::MessageBox("请先选择要导出的记录！", "提示", MB_ICONSTOP);
        return;
    }
    const std::string chosen = ui::BrowseForFolder("请选择项目申请书保存路径");
    if (chosen.empty()) return;
    const std::string folder = ExportFolder(chosen, text::DateTime::Now().Format("%Y-%m-%d"));
    ui::ProgressDialog progress("导出", int(tickedNumbers.size()));
    for (const std::string& number : tickedNumbers) {
        progress.Next(number);
        if (Export(number, folder) == ExportResult::Failed) {
            ui::MessageBox("项目编号为" + number + "的项目导出失败！", "提示", MB_ICONINFORMATION);
            return;
        }
    }
    ui::MessageBox(WithSavedFolder(Info(m_variant).doneMessage, folder), "提示", MB_ICONINFORMATION);
}

SummaryBundle::ExportResult SummaryBundle::Export(const std::string& number, const std::string& folder) {
    const std::string table = Info(m_variant).table;
    CAdoRecordSet document, achievements;
    appdb::Bind(document, m_connection);
    appdb::Bind(achievements, m_connection);
    if (!document.Open("select * from " + table + " where " +
                       projecttables::KeyedRowsCondition("XMBH", db::QuoteLiteral(number))) ||
        document.IsEOF())
        return ExportResult::NoDocument;

    const std::vector<std::string> scratch = {sys::JoinPath(folder, kDocumentFile),
                                              sys::JoinPath(folder, kAchievementFile)};
    // A project without achievement rows still carries its (empty) second part.
    const bool written = sys::MakeDirs(sys::NativePath(folder)) && document.Save(scratch[0], adPersistXML) &&
                         achievements.Open("select * from corvane_cghz where " +
                                           projecttables::KeyedRowsCondition("XMBH",
                                                                             db::QuoteLiteral(number))) &&
                         achievements.Save(scratch[1], adPersistXML) &&
                         WriteParts(sys::JoinPath(folder, sys::SafeFileName(number) + "." + kExtension), scratch);
    for (const std::string& file : scratch) sys::RemoveFile(file);
    return written ? ExportResult::Exported : ExportResult::Failed;
}

// ---- import ----

void SummaryBundle::RemoveImportScratchFiles() {
    for (const char* name : {kDocumentFile, kAchievementFile}) sys::RemoveFile(sys::ScratchPath(name));
}

bool SummaryBundle::OnBtnImport() {
    const std::string folder = ui::BrowseForFolder("选择导入文件夹路径");
    if (folder.empty()) return false;
    int count = 0;
    m_failedFiles.clear();
    m_notStored.clear();
    m_unplaced.clear();
    {
        const std::vector<std::string> names = sys::ListFiles(folder, kExtension);
        ui::ProgressDialog progress("导入", int(names.size()));
        for (const std::string& name : names) {
            progress.Next(name);
            count += Import(sys::JoinListedName(folder, name));
        }
    }
    ui::MessageBox(ImportReport(m_connection, count, m_failedFiles, sys::ListNonFiles(folder, kExtension)) +
                       NamedFilesReport("以下文件的附件无法保存，未导入：", m_unplaced) +
                       NotStoredProjectsReport(m_notStored),
                   "提示", MB_ICONINFORMATION);
    RemoveImportScratchFiles();
    return true;
}

int SummaryBundle::Import(const std::string& path) {
    Document document;
    if (!ReadDocument(path, document)) return 0;
    if (document.number.empty()) {  // a bundle without a document row, or one without its number
        ui::MessageBox("文件" + sys::FileName(path) + "中没有项目编号的记录，未导入！", "提示", MB_ICONERROR);
        return 0;
    }
    // The rows of a project that is not stored are refused, and named.
    switch (db::HasRow(m_connection,
                       "select XMBH from CORVANE_ITEMAPPINFO where " + projecttables::KeyedRowsCondition("XMBH", "?1"),
                       {document.number})) {
    case db::Found::Row: break;
    case db::Found::NoRow: m_notStored.push_back(document.number); return 0;
    case db::Found::Failed: m_failedFiles.push_back(sys::FileName(path)); return 0;
    }
    switch (AskOverwrite(document.number)) {
    case Overwrite::Yes: break;
    case Overwrite::No: return 0;
    case Overwrite::Failed: m_failedFiles.push_back(sys::FileName(path)); return 0;
    }
    bool replaceAchievements = true;
    StagedFile attachment;
    if (COptions().GetRole() == kFundOfficeRole && !document.attachName.empty()) {
        const StagedFile::Result staged = StageAttachment(document, attachment);
        if (staged == StagedFile::Result::Failed) {
            // The attachment's bytes could not be kept: neither is the record.
            m_unplaced.push_back(sys::FileName(path));
            return 0;
        }
        replaceAchievements = staged == StagedFile::Result::Staged;
    }
    // The attachment's note is committed with the record (StagedFile).
    if (!db::InTransaction(m_connection,
                           [&] { return WriteDocument(document, replaceAchievements) && attachment.Journal(m_connection); })) {
        m_failedFiles.push_back(sys::FileName(path));
        return 0;
    }
    // Stored: a rename that fails now leaves the bytes in the hidden file, and says where.
    attachment.Place();
    return 1;
}

bool SummaryBundle::ReadDocument(const std::string& path, Document& document) {
    const VariantInfo& info = Info(m_variant);
    const std::string folder = sys::ScratchFolder();
    CAdoRecordSet row, achievements;
    const bool loaded = ReadParts(path, {sys::JoinPath(folder, kDocumentFile), sys::JoinPath(folder, kAchievementFile)}) &&
                        row.OpenFromFile(sys::JoinPath(folder, kDocumentFile)) &&
                        achievements.OpenFromFile(sys::JoinPath(folder, kAchievementFile));
    if (!loaded) {
        ShowLoadFailure(path);
        return false;
    }
    // The document of the other variant lacks this one's own column; the
    // parts of another kind of file, or swapped, are of other tables.
    std::vector<std::string> documentColumns = {"XMBH", "BACKUPNAME", "SJWCR", "ATTACHNAME", "ATTACH", info.ownColumn};
    documentColumns.insert(documentColumns.end(), info.richColumns.begin(), info.richColumns.end());
    std::vector<std::string> achievementColumns = {"XMBH"};
    achievementColumns.insert(achievementColumns.end(), kAchievementColumns.begin(), kAchievementColumns.end());
    if (!IsPartOf(row, info.table, documentColumns) || !IsPartOf(achievements, "CORVANE_CGHZ", achievementColumns)) {
        ui::MessageBox("文件" + sys::FileName(path) + "不是" + info.folderWord + "文件，未导入！", "提示", MB_ICONERROR);
        return false;
    }
    if (row.IsEOF()) return true;  // no document: nothing to import

    document.number = FieldText(row, "XMBH");
    document.backupName = FieldText(row, "BACKUPNAME");
    document.contributors = FieldText(row, "SJWCR");
    document.attachName = FieldText(row, "ATTACHNAME");
    for (const char* column : info.richColumns) {
        std::string bytes;
        ReadLongBinary(row, column, bytes);
        if (bytes.empty() && IsNullValue(row, column)) document.richTexts.emplace_back(column, std::nullopt);
        else document.richTexts.emplace_back(column, std::move(bytes));
    }
    ReadLongBinary(row, "ATTACH", document.attachment);
    // A bundle carries one project's document and that project's
    // achievements: a document row of another project would be dropped, and
    // achievement rows of another project filed under this one. Rows that
    // name no project are the bundle's; of the project's own document rows
    // the first is taken, as it always was.
    bool otherRows = false;
    for (row.MoveNext(); !otherRows && !row.IsEOF(); row.MoveNext())
        otherRows = !text::EqualsNoCase(FieldText(row, "XMBH"), document.number);
    for (; !otherRows && !achievements.IsEOF(); achievements.MoveNext()) {
        const std::string owner = FieldText(achievements, "XMBH");
        if (!owner.empty() && !text::EqualsNoCase(owner, document.number)) {
            otherRows = true;
            break;
        }
        auto& values = document.achievements.emplace_back();
        for (std::size_t i = 0; i < kAchievementColumns.size(); ++i)
            values[i] = FieldText(achievements, kAchievementColumns[i]);
    }
    if (otherRows) {
        ui::MessageBox("文件" + sys::FileName(path) + "中含有其他项目的记录，未导入！", "提示", MB_ICONERROR);
        return false;
    }
    return true;
}

SummaryBundle::Overwrite SummaryBundle::AskOverwrite(const std::string& number) {
    switch (db::HasRow(m_connection,
                       "select xmbh from " + std::string(Info(m_variant).table) + " where " +
                           projecttables::KeyedRowsCondition("xmbh", "?1"),
                       {number})) {
    case db::Found::NoRow: return Overwrite::Yes;
    case db::Found::Failed: return Overwrite::Failed;
    case db::Found::Row: break;
    }
    return ui::MessageBox("项目" + number + "的验收总结已存在，确定覆盖吗？", "提示", MB_OKCANCEL | MB_ICONQUESTION) ==
                   IDOK
               ? Overwrite::Yes
               : Overwrite::No;
}

StagedFile::Result SummaryBundle::StageAttachment(Document& document, StagedFile& file) {
    const std::string category = followup::ProjectCategory(m_connection, document.number).value_or("");
    const std::string folder = AttachmentFolder(document.number, category);
    // The record names the file as it is placed.
    const std::string name = sys::SafeFileName(document.attachName);
    const StagedFile::Result staged = file.Stage(sys::JoinPath(folder, name), document.attachment,
                                                 "附件\"" + document.attachName + "\"已存在，确定覆盖吗？");
    if (staged != StagedFile::Result::Failed) document.attachName = name;
    return staged;
}

bool SummaryBundle::WriteDocument(const Document& document, bool replaceAchievements) {
    const std::string table = Info(m_variant).table;
    // The rows of the document's project alone give way.
    const auto deleteOwnRows = [&](const std::string& from) {
        return db::Statement(m_connection,
                             projecttables::DeleteWhere(from, projecttables::KeyedRowsCondition("XMBH", "?1")),
                             {document.number})
            .Run();
    };
    const bool keepAttachment = COptions().GetRole() == kApplicantUnitRole;
    return db::InTransaction(m_connection, [&] {
        if (!deleteOwnRows(table)) return false;
        CAdoRecordSet row;
        appdb::Bind(row, m_connection);
        bool ok = row.Open("select * from " + table + " where 1 = 0") && row.AddNew() &&
                  row.SetString("XMBH", document.number) && row.SetString("BACKUPNAME", document.backupName) &&
                  row.SetString("SJWCR", document.contributors) && row.SetString("ATTACHNAME", document.attachName);
        // The row is new (the stored one was deleted): a NULL text is left NULL.
        for (const auto& [column, bytes] : document.richTexts)
            if (bytes) ok = ok && WriteLongBinary(row, column, *bytes);
        if (keepAttachment) ok = ok && WriteLongBinary(row, "ATTACH", document.attachment);
        if (!ok || !row.Update()) {
            row.CancelUpdate();
            return false;
        }
        if (!replaceAchievements) return true;

        if (!deleteOwnRows("corvane_cghz")) return false;
        CAdoRecordSet achievements;
        appdb::Bind(achievements, m_connection);
        if (!achievements.Open("select * from CORVANE_CGHZ where 1 = 0")) return false;
        for (const auto& values : document.achievements) {
            bool added = achievements.AddNew() && achievements.SetString("XMBH", document.number);
            for (std::size_t i = 0; i < kAchievementColumns.size(); ++i)
                added = added && achievements.SetString(kAchievementColumns[i], values[i]);
            if (!added || !achievements.Update()) {
                achievements.CancelUpdate();
                return false;
            }
        }
        return true;
    });
}
