#include "application/ProjectApplicationBundle.h"

#include <vector>

#include "application/ApplicationImportCheck.h"
#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "foundation/Sql.h"
#include "numbering/LeadingCharacters.h"
#include "foundation/LongBinary.h"
#include "application/ProApp.h"
#include "numbering/ProjectNumbering.h"
#include "application/StoredApplicationDocument.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ImportReport.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/Options.h"
#include "foundation/StagedFile.h"
#include "numbering/ImportedNumber.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kApplicantUnitRole = 1;
constexpr int kFundOfficeRole = 2;
constexpr std::size_t kParts = 2;

// The scratch files each part passes through.
constexpr const char* kExportApplicationFile = "项目申请书.xml";
constexpr const char* kExportMembersFile = "参加人员.xml";
constexpr const char* kImportApplicationFile = "项目申请书.xml";
constexpr const char* kImportMembersFile = "申请人员.xml";

enum class Column { Text, RichText, Chapter };

struct ApplicationColumn {
    const char* name;
    Column kind;
};

// The columns an import copies from the bundle's row, in the order of
// writing (XMBH and FIRSTAPPR are set by the import itself). The partial
// import leaves out the chapters.
constexpr ApplicationColumn kImportedColumns[] = {
    {"FIVEYEAR", Column::Text},    {"XMMC", Column::Text},        {"XMLB", Column::Text},
    {"SQZNDM", Column::Text},      {"JJBH", Column::Text},        {"DWDM", Column::Text},
    {"NF", Column::Text},          {"ZTC", Column::Text},         {"MJ", Column::Text},
    {"SQRXM", Column::Text},       {"GZDW", Column::Text},        {"DXDZ", Column::Text},
    {"YZBM", Column::Text},        {"DH", Column::Text},          {"SQRQ", Column::Text},
    {"XMQSRQ", Column::Text},      {"XMZZRQ", Column::Text},      {"SQJE", Column::Text},
    {"SQRXB", Column::Text},       {"SQRNL", Column::Text},       {"XW", Column::Text},
    {"ZC", Column::Text},          {"ZYTC", Column::Text},        {"LSGX", Column::Text},
    {"HZDW", Column::Text},        {"XMZRS", Column::Text},       {"GJZC", Column::Text},
    {"ZJZC", Column::Text},        {"CJZC", Column::Text},        {"BSHRS", Column::Text},
    {"BSSRS", Column::Text},       {"SSSRS", Column::Text},       {"GFBGNUM", Column::Text},
    {"ZJF", Column::Text},         {"SJF", Column::Text},         {"SJF_JSGJ", Column::RichText},
    {"CLF", Column::Text},         {"CLF_JSGJ", Column::RichText}, {"WXF", Column::Text},
    {"WXF_JSGJ", Column::RichText}, {"ZYF", Column::Text},        {"ZYF_JSGJ", Column::RichText},
    {"SYF", Column::Text},         {"SYF_JSGJ", Column::RichText}, {"GDZCF", Column::Text},
    {"GDZCF_JSGJ", Column::RichText}, {"GZF", Column::Text},      {"GZF_JSGJ", Column::RichText},
    {"GLF", Column::Text},         {"GLF_JSGJ", Column::RichText}, {"XMJJ", Column::RichText},
    {"GNYNH", Column::Chapter},    {"JSXQFX", Column::Chapter},   {"GNWYJQK", Column::Chapter},
    {"YJMBNR", Column::Chapter},   {"YJFFJSLX", Column::Chapter}, {"ZYCXD", Column::Chapter},
    {"YJJHJQJZ", Column::Chapter}, {"YJCGKHZB", Column::Chapter}, {"YJGZJCCJ", Column::Chapter},
    {"XYYJTJ", Column::Chapter},   {"GZJL", Column::Chapter},     {"CKWX", Column::Chapter},
    {"DWXSWYHYJ", Column::Chapter}, {"DWSCYJ", Column::Chapter},  {"TJYJ1", Column::Chapter},
    {"TJYJ2", Column::Chapter},    {"TJRXM1", Column::Text},      {"ZYJSZW1", Column::Text},
    {"TJRZC1", Column::Text},      {"TJRDW1", Column::Text},      {"TJRXM2", Column::Text},
    {"ZYJSZW2", Column::Text},     {"TJRZC2", Column::Text},      {"TJRDW2", Column::Text},
};

// The project's rows: those of its number as stored, so that one of two
// legacy numbers that differ only in case never exports the other's.
std::string ApplicationQuery(const std::string& code) {
    return "select * from corvane_itemappinfo where " +
           projectnumber::KeyedRowsCondition("XMBH", db::QuoteLiteral(code));
}

std::string MembersQuery(const std::string& code) {
    return "select * from corvane_project_sqcy where " +
           projectnumber::KeyedRowsCondition("ITE_XMBH", db::QuoteLiteral(code));
}

std::string FieldText(CAdoRecordSet& rs, const char* column) {
    std::string value;
    rs.GetString(column, value);
    return value;
}

// The bundle's category; a short one, written by an older form, is completed
// from the fund number, guide code or number so that review can find it.
std::string BundleCategory(CAdoRecordSet& rs) {
    return proapp::FullCategory(FieldText(rs, "XMLB"), {FieldText(rs, "JJBH"), FieldText(rs, "SQZNDM"),
                                                        FieldText(rs, "XMBH")});
}

// Copies one column of the bundle's row into the row being added. A column
// the bundle does not carry stays empty; a rich text the bundle holds as NULL
// stays NULL.
bool CopyColumn(CAdoRecordSet& from, CAdoRecordSet& to, const ApplicationColumn& column) {
    if (column.kind == Column::Text) {
        const bool category = std::string(column.name) == "XMLB";
        return to.SetString(column.name, category ? BundleCategory(from) : FieldText(from, column.name));
    }
    std::string bytes;
    if (IsNullValue(from, column.name) || !ReadLongBinary(from, column.name, bytes)) return true;
    return WriteLongBinary(to, column.name, bytes);
}

bool IsApplicationBundle(CAdoRecordSet& application, CAdoRecordSet& members) {
    std::vector<std::string> columns = {"XMBH"};
    for (const ApplicationColumn& column : kImportedColumns) columns.emplace_back(column.name);
    return IsPartOf(application, "CORVANE_ITEMAPPINFO", columns) &&
           IsPartOf(members, "CORVANE_PROJECT_SQCY", {proapp::kMemberColumns.begin(), proapp::kMemberColumns.end()});
}

}  // namespace

std::string ProjectApplicationBundle::FileName(const std::string& projectCode) {
    return sys::SafeFileName(projectCode) + "." + kExtension;
}

bool ProjectApplicationBundle::Export(const std::string& projectCode, const std::string& folder) {
    const std::string scratch[kParts] = {sys::JoinPath(folder, kExportApplicationFile),
                                         sys::JoinPath(folder, kExportMembersFile)};
    CAdoRecordSet application, members;
    appdb::Bind(application, m_connection);
    appdb::Bind(members, m_connection);
    std::vector<std::string> parts(kParts);
    const bool ok = application.Open(ApplicationQuery(projectCode)) && !application.IsEOF() &&
                    sys::MakeDirs(sys::NativePath(folder)) && application.Save(scratch[0], adPersistXML) &&
                    members.Open(MembersQuery(projectCode)) && members.Save(scratch[1], adPersistXML) &&
                    sys::ReadFile(scratch[0], parts[0]) && sys::ReadFile(scratch[1], parts[1]) &&
                    LengthPrefixedContainer::Write(sys::JoinPath(folder, FileName(projectCode)), std::nullopt, parts);
    for (const std::string& file : scratch) sys::RemoveFile(file);
    return ok;
}

void ProjectApplicationBundle::RemoveImportScratchFiles() {
    for (const char* name : {kImportApplicationFile, kImportMembersFile})
        sys::RemoveFile(sys::ScratchPath(name));
}

int ProjectApplicationBundle::IsRecordExist(const std::string& projectCode) {
    return projectnumber::IsNumberStored(m_connection, projectCode) ? 1 : 0;
}

int ProjectApplicationBundle::Import(const std::string& path, bool& problem) {
    return ImportBundle(path, problem, Variant::Full);
}

int ProjectApplicationBundle::ImportPartial(const std::string& path, bool& problem) {
    return ImportBundle(path, problem, Variant::Partial);
}

void ProjectApplicationBundle::Refuse(const std::string& path, const std::string& message, UINT icon) {
    ui::MessageBox(message, "提示", icon);
    LogRefusal(path, message);
}

void ProjectApplicationBundle::LogRefusal(const std::string& path, const std::string& reason) {
    if (COptions().GetRole() != kFundOfficeRole) return;
    ApplicationImportCheck::AppendLog(path, {reason});
    m_logged = true;
}

int ProjectApplicationBundle::ImportBundle(const std::string& path, bool& problem, Variant variant) {
    // Both parts are read and opened before anything is written.
    const std::vector<std::string> scratch = {sys::ScratchPath(kImportApplicationFile),
                                              sys::ScratchPath(kImportMembersFile)};
    CAdoRecordSet application, members;
    const LengthPrefixedContainer::ReadResult read = LengthPrefixedContainer::Extract(path, std::nullopt, scratch);
    // What is no regular file, or holds a part beyond the bound, is named with why.
    if (read == LengthPrefixedContainer::ReadResult::CannotOpen ||
        read == LengthPrefixedContainer::ReadResult::PartTooLarge) {
        Refuse(path, LengthPrefixedContainer::Refusal(path, read), MB_ICONERROR);
        return 0;
    }
    const bool loaded = read == LengthPrefixedContainer::ReadResult::Ok && application.OpenFromFile(scratch[0]) &&
                        members.OpenFromFile(scratch[1]);
    // A file of another kind lacks the application's or the members' columns.
    if (loaded && !IsApplicationBundle(application, members)) {
        Refuse(path, "文件" + sys::FileName(path) + "不是项目申请书文件，未导入！", MB_ICONERROR);
        return 0;
    }
    // Only the first application row counts; a bundle without one, or whose
    // row has no project number, carries no application.
    const std::string bundleCode = loaded && !application.IsEOF() ? FieldText(application, "XMBH") : std::string();
    if (bundleCode.empty()) {
        Refuse(path, "载入数据文件失败！", MB_ICONERROR);
        return 0;
    }

    // Codes of other characters than ASCII letters and digits are refused.
    if (const std::string refused = projectnumber::CodeCharactersProblem(bundleCode, FieldText(application, "SQZNDM"),
                                                                         FieldText(application, "DWDM"));
        !refused.empty()) {
        Refuse(path, sys::FileName(path) + "：" + refused, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }

    // The new number is taken after the bundle's prefix: a number of another
    // shape would give one no project of this system can have.
    if (!projectnumber::IsWellFormedNumber(bundleCode)) {
        Refuse(path, "文件" + sys::FileName(path) + "中的项目编号" + bundleCode + "不是有效的项目编号，未导入！",
               MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }

    // The project is numbered under the bundle's prefix and stored with the
    // row's guide code, year and unit code: they must agree, or it would be
    // filed under another unit's or another year's numbers. An applicant
    // unit then takes only a unit it holds (CheckDWAvail).
    const std::string guideCode = FieldText(application, "SQZNDM"), year = FieldText(application, "NF"),
                      unitCode = FieldText(application, "DWDM");
    if (!projectnumber::IsNumberOf(bundleCode, guideCode, year, unitCode)) {
        Refuse(path,
               "文件" + sys::FileName(path) + "中的项目编号" + bundleCode + "与其指南代码、年份及单位代码不符，未导入！",
               MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }

    ApplicationImportCheck check(m_connection);
    if (!check.CheckDWAvail(unitCode, guideCode, BundleCategory(application), path, year)) {
        if (COptions().GetRole() == kApplicantUnitRole) return 0;
        problem = true;
    }

    // The fund office's document file: asked about and its bytes written
    // beside its place before the transaction (the project keeps the
    // bundle's fund number, which names the folder), put in place after the
    // commit. Bytes that cannot be kept keep the record out.
    StoredApplicationDocument document(m_connection);
    StagedFile documentFile;
    if (!document.StageDocFile(bundleCode, application, documentFile)) {
        m_unplaced.push_back(sys::FileName(path));
        LogRefusal(path, "申请书文档无法保存，未导入！");
        return 0;
    }
    const bool imported = db::InTransaction(m_connection, [&] {
        const std::string code =
            // a number that rows of another project still hold is not taken
            variant == Variant::Partial && !projectnumber::IsNumberInUse(m_connection, bundleCode)
                ? bundleCode
                : projectnumber::NextNumber(m_connection, LeadingCharacters(bundleCode, projectnumber::kPrefixLength));
        return WriteApplication(application, code, variant) && document.StoreDoc(code, application) &&
               WriteMembers(members, code) && (variant == Variant::Full || WriteKeyLaboratoryReview(application, code)) &&
               documentFile.Journal(m_connection);
    });
    if (!imported) {
        m_failedFiles.push_back(sys::FileName(path));
        LogRefusal(path, "写入数据库失败，未导入！");
        return 0;  // the staged document goes with it
    }
    // Stored: a rename that fails now leaves the bytes in the hidden file, and says where.
    documentFile.Place();
    return 1;
}

bool ProjectApplicationBundle::WriteApplication(CAdoRecordSet& source, const std::string& code, Variant variant) {
    CAdoRecordSet target;
    appdb::Bind(target, m_connection);
    if (!target.Open(ApplicationQuery(code)) || !target.AddNew()) return false;
    bool ok = target.SetString("XMBH", code) && target.SetString("FIRSTAPPR", "+");
    for (const ApplicationColumn& column : kImportedColumns) {
        if (!ok) break;
        if (column.kind == Column::Chapter && variant == Variant::Partial) continue;
        ok = CopyColumn(source, target, column);
    }
    if (ok && target.Update()) return true;
    target.CancelUpdate();
    return false;
}

bool ProjectApplicationBundle::WriteMembers(CAdoRecordSet& members, const std::string& code) {
    // Member rows stored under the number before are replaced by the bundle's.
    if (!db::Statement(m_connection, "delete from corvane_project_sqcy  where ITE_XMBH=?1", {code}).Run())
        return false;
    CAdoRecordSet target;
    appdb::Bind(target, m_connection);
    if (!target.Open(MembersQuery(code))) return false;
    for (; !members.IsEOF(); members.MoveNext()) {
        bool ok = target.AddNew() && target.SetString("ITE_XMBH", code);
        for (const char* column : proapp::kMemberColumns) ok = ok && target.SetString(column, FieldText(members, column));
        if (!ok || !target.Update()) {
            target.CancelUpdate();
            return false;
        }
    }
    return true;
}

bool ProjectApplicationBundle::WriteKeyLaboratoryReview(CAdoRecordSet& source, const std::string& code) {
    PROAPP record;
    record.XMBH = code;
    record.XMLB = BundleCategory(source);
    if (!proapp::IsKeyLabCategory(record.XMLB)) return true;
    // Refused, not stored as 0 or infinity.
    if (!FirstUnstorableAmount(source, ApplicationAmountColumns()).empty()) return false;
    const std::pair<const char*, std::string PROAPP::*> amounts[] = {
        {"SQJE", &PROAPP::SQJE}, {"SJF", &PROAPP::SJF}, {"CLF", &PROAPP::CLF},     {"WXF", &PROAPP::WXF},
        {"ZYF", &PROAPP::ZYF},   {"SYF", &PROAPP::SYF}, {"GDZCF", &PROAPP::GDZCF}, {"GZF", &PROAPP::GZF},
        {"GLF", &PROAPP::GLF},
    };
    for (const auto& [column, field] : amounts) record.*field = FieldText(source, column);
    return appstore::WriteReviewRow(m_connection, record);
}
