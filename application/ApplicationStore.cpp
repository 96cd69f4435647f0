#include "application/ApplicationStore.h"

#include <algorithm>

#include "application/ApplicationDb.h"
#include "foundation/LongBinary.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "numbering/LeadingCharacters.h"
#include "numbering/LoadedProject.h"
#include "numbering/ProjectNumbering.h"
#include "platform/ado/Variant.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace appstore {

namespace {

std::string Where(const char* column, const std::string& number) {
    return std::string(" where ") + column + " = " + db::QuoteLiteral(number);
}

bool WriteColumn(CAdoRecordSet& rs, const proapp::Column& column, const PROAPP& record) {
    switch (column.kind) {
    case proapp::ColumnKind::Text: return rs.SetString(column.name, record.*column.field) != FALSE;
    case proapp::ColumnKind::FirstReview: return rs.SetString(column.name, "+") != FALSE;
    case proapp::ColumnKind::Rtf: {
        // A record without a file for the column stores an empty value.
        const std::string& path = record.*column.field;
        if (path.empty()) return rs.AppendChunk(column.name, "", 0) != FALSE;
        return rs.AppendChunkFromFile(column.name, path) != FALSE;
    }
    }
    return false;
}

bool WriteApplicationRow(CAdoConnection& connection, const PROAPP& record, const std::string& storedNumber) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(RowQuery(storedNumber))) return false;
    if (rs.IsEOF() && !rs.AddNew()) return false;
    for (const proapp::Column& column : proapp::WrittenColumns()) {
        if (!WriteColumn(rs, column, record)) {
            rs.CancelUpdate();
            return false;
        }
    }
    return rs.Update() != FALSE;
}

bool WriteMembers(CAdoConnection& connection, const std::string& number,
                  const std::vector<proapp::MemberRow>& members) {
    if (!db::Execute(connection, "delete from corvane_project_sqcy where " +
                                     projectnumber::KeyedRowsCondition("ITE_XMBH",
                                                                       db::QuoteLiteral(number))))
        return false;
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select * from corvane_project_sqcy" + Where("ITE_XMBH", number))) return false;
    for (const proapp::MemberRow& member : members) {
        bool written = rs.AddNew() && rs.SetString("ITE_XMBH", number);
        for (std::size_t i = 0; written && i < member.size(); ++i)
            written = rs.SetString(proapp::kMemberColumns[i], member[i]);
        if (!written || !rs.Update()) {
            rs.CancelUpdate();
            return false;
        }
    }
    return true;
}

bool SetAmount(CAdoRecordSet& rs, const char* column, const std::string& amount) {
    if (amount.empty()) return rs.PutCollect(column, ado::Variant::Null()) != FALSE;
    return rs.SetFloat(column, static_cast<float>(text::Atof(amount))) != FALSE;
}

}  // namespace

namespace {

// The review row's approved amounts and the application's amounts they are
// carried from.
struct ReviewAmount {
    const char* column;       // in the review row
    const char* applied;      // in the application row
    std::string PROAPP::*field;
};
const ReviewAmount kReviewAmounts[] = {
    {"PFJF", "SQJE", &PROAPP::SQJE},  {"PFSJF", "SJF", &PROAPP::SJF}, {"PFCLF", "CLF", &PROAPP::CLF},
    {"PFWXF", "WXF", &PROAPP::WXF},   {"PFZYF", "ZYF", &PROAPP::ZYF}, {"PFSYF", "SYF", &PROAPP::SYF},
    {"PFGDZCF", "GDZCF", &PROAPP::GDZCF}, {"PFGZF", "GZF", &PROAPP::GZF}, {"PFGLF", "GLF", &PROAPP::GLF},
};

bool SameAmount(CAdoRecordSet& rs, const char* column, const std::string& amount) {
    std::string value;  // empty for NULL
    rs.GetString(column, value);
    if (text::Trim(amount).empty()) return value.empty();
    float stored = 0;
    return !value.empty() && rs.GetFloat(column, stored) && stored == static_cast<float>(text::Atof(amount));
}

// True while the row holds only what an application save wrote from `carried`:
// result "+" (or none), no expert, mark, score or opinion, and the amounts
// as they were carried. A review step that wrote to the row (a meeting's
// grant among it) makes it the review's own.
bool HoldsOnlyCarriedAmounts(CAdoRecordSet& rs, const PROAPP& carried) {
    std::string result;
    rs.GetString("PSJG", result);
    if (!result.empty() && result != "+") return false;
    for (const char* column : {"ZJ1", "ZJ2", "ZJ3", "PF1", "PF2", "PF3", "FS", "YJ1", "YJ2", "YJ3", "BZZLY"}) {
        std::string value;
        if (rs.GetString(column, value) && !value.empty()) return false;
    }
    for (const char* column : {"ZJYJ", "PFYJ"})
        if (rs.GetFieldActualSize(column) > 0) return false;
    for (const ReviewAmount& amount : kReviewAmounts)
        if (!SameAmount(rs, amount.column, carried.*amount.field)) return false;
    return true;
}

bool ReadCarriedAmounts(CAdoConnection& connection, const std::string& number, PROAPP& amounts) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(RowQuery(number))) return false;
    if (rs.IsEOF()) return true;
    for (const ReviewAmount& amount : kReviewAmounts) rs.GetString(amount.applied, amounts.*amount.field);
    return true;
}

}  // namespace

bool WriteReviewRow(CAdoConnection& connection, const PROAPP& record, const PROAPP* carried) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select * from CORVANE_ITEMPF where " +
                 projectnumber::KeyedRowsCondition("XMBH", db::QuoteLiteral(record.XMBH))))
        return false;
    if (!rs.IsEOF()) {
        if (!carried || rs.GetRecordCount() != 1 || !HoldsOnlyCarriedAmounts(rs, *carried)) return true;
    } else if (!rs.AddNew()) {
        return false;
    }
    bool written = rs.SetString("XMBH", record.XMBH) && rs.SetString("PSJG", "+");
    for (const ReviewAmount& amount : kReviewAmounts)
        written = written && SetAmount(rs, amount.column, record.*amount.field);
    if (written && rs.Update()) return true;
    rs.CancelUpdate();
    return false;
}

SaveResult WriteApplication(CAdoConnection& connection, PROAPP& written,
                            const std::vector<proapp::MemberRow>& members, const projectnumber::LoadedProject& loaded,
                            projectnumber::Renames* renames, projectnumber::LoadedProject* savedAs) {
    PROAPP record = written;
    proapp::CompleteCategory(record);
    if (renames) renames->clear();
    const std::string storedNumber = loaded.IsLoaded() ? loaded.number : std::string();
    const std::string newPrefix = LeadingCharacters(record.XMBH, projectnumber::kPrefixLength);
    const bool changesPrefix =
        !storedNumber.empty() &&
        !projectnumber::SameNumber(LeadingCharacters(storedNumber, projectnumber::kPrefixLength), newPrefix);
    // A new application given its prefix alone takes the next free number.
    const bool nextFree = storedNumber.empty() && record.XMBH == newPrefix;
    // A number that differs from the stored one only in case is the same
    // number, and stays as stored (as the first-review editor keeps it): of a
    // legacy pair, the other case is the other project's number.
    const bool renamed = !changesPrefix && !nextFree && !projectnumber::SameNumber(record.XMBH, storedNumber);
    if (!storedNumber.empty() && !changesPrefix && !renamed) record.XMBH = storedNumber;
    projectnumber::Renames moved;
    SaveResult result = SaveResult::Failed;
    // The check of the loaded project, the free number and the write are one
    // write transaction: another program cannot take the number or move the
    // project in between.
    db::Transaction transaction(connection);
    if (!transaction.Began() || !projectnumber::TakeWriteLock(connection)) return SaveResult::Failed;
    if (!storedNumber.empty()) {
        switch (projectnumber::CheckLoaded(connection, loaded)) {
        case projectnumber::SaveResult::Saved: break;
        case projectnumber::SaveResult::ChangedElsewhere: return SaveResult::ChangedElsewhere;
        case projectnumber::SaveResult::Failed: return SaveResult::Failed;
        }
    }
    if (nextFree) record.XMBH = projectnumber::NextNumber(connection, newPrefix);
    if (renamed && projectnumber::IsNumberInUse(connection, record.XMBH)) return SaveResult::NumberTaken;
    // The amounts the form carried to the review row at the last save.
    PROAPP carried;
    const bool saved = [&] {
        if (!storedNumber.empty() && !ReadCarriedAmounts(connection, storedNumber, carried)) return false;
        if (changesPrefix) {
            // Written under its number, then the project changes prefix.
            PROAPP kept = record;
            kept.XMBH = storedNumber;
            if (!WriteApplicationRow(connection, kept, storedNumber) ||
                projectnumber::MoveToPrefix(connection, storedNumber, newPrefix, moved) !=
                    projectnumber::RenumberResult::Done)
                return false;
            record.XMBH = moved.at(storedNumber);
        } else {
            // The rows move first, while the application row still tells
            // whose they are (one of a legacy pair takes only its own).
            if (!storedNumber.empty() && record.XMBH != storedNumber) {
                if (!projectnumber::MoveProjectRows(connection, storedNumber, record.XMBH)) return false;
                moved[storedNumber] = record.XMBH;
            }
            if (!WriteApplicationRow(connection, record, storedNumber)) return false;
        }
        if (!WriteMembers(connection, record.XMBH, members)) return false;
        if (proapp::IsKeyLabCategory(record.XMLB) &&
            !WriteReviewRow(connection, record, storedNumber.empty() ? nullptr : &carried))
            return false;
        if (!savedAs) return true;
        // The project as saved, stamped before another program may write to it.
        *savedAs = projectnumber::LoadProject(connection, record.XMBH, loaded.columns);
        return savedAs->IsLoaded();
    }();
    if (saved && transaction.Commit()) result = SaveResult::Saved;
    if (result != SaveResult::Saved) return result;
    written.XMBH = record.XMBH;
    if (renames) *renames = std::move(moved);
    return SaveResult::Saved;
}

bool ReadApplication(CAdoConnection& connection, const std::string& number, PROAPP& record) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(RowQuery(number)) || rs.IsEOF()) return false;
    for (const proapp::Column& column : proapp::WrittenColumns()) {
        if (column.kind == proapp::ColumnKind::Text) rs.GetString(column.name, record.*column.field);
    }
    proapp::CompleteCategory(record);
    for (const proapp::RtfColumn& rtf : proapp::AllRtfColumns()) {
        const std::string path = proapp::ScratchPath(rtf.file);
        record.*rtf.field = path;
        const long size = rs.GetFieldActualSize(rtf.column);
        if (size < 0) continue;
        std::string bytes(static_cast<std::size_t>(size), '\0');
        if (size > 0 && !rs.GetChunk(rtf.column, bytes.data())) continue;
        sys::WriteFileAtomic(path, bytes);
    }
    return true;
}

std::vector<proapp::MemberRow> ReadMembers(CAdoConnection& connection, const std::string& number) {
    std::vector<proapp::MemberRow> members;
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select * from corvane_project_sqcy where " +
                 projectnumber::KeyedRowsCondition("ITE_XMBH", db::QuoteLiteral(number))))
        return members;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        proapp::MemberRow& member = members.emplace_back();
        for (std::size_t i = 0; i < member.size(); ++i) rs.GetString(proapp::kMemberColumns[i], member[i]);
    }
    return members;
}

bool DeleteApplication(CAdoConnection& connection, const std::string& number) {
    return db::InTransaction(connection, [&] {
        return projectnumber::DeleteProjectRows(connection, number);
    });
}

DeleteResult DeleteApplications(CAdoConnection& connection, const std::vector<projectnumber::LoadedProject>& projects,
                                projectnumber::Renames& renames, std::string* notDeleted) {
    renames.clear();
    bool deleted = true, changed = false;
    projectnumber::Renames moved;
    std::vector<std::string> numbers;
    for (const projectnumber::LoadedProject& project : projects) numbers.push_back(project.number);
    const bool committed = db::InTransaction(connection, [&] {
        if (!projectnumber::TakeWriteLock(connection)) return false;
        for (const projectnumber::LoadedProject& project : projects) {
            const projectnumber::SaveResult loaded = projectnumber::CheckLoaded(connection, project);
            changed = loaded == projectnumber::SaveResult::ChangedElsewhere;
            if (loaded != projectnumber::SaveResult::Saved) return false;
        }
        // All at once, one statement per table; when that fails, nothing of it
        // is kept and they go one by one, so that those before the one that
        // fails stay deleted.
        if (!projectnumber::DeleteRowsOfProjects(connection, numbers)) {
            projectnumber::ProjectRowsRemover remover(connection);
            for (const std::string& number : numbers) {
                // Each application goes whole, as DeleteApplication removes it.
                if (!db::InTransaction(connection, [&] { return remover.Remove(number); })) {
                    deleted = false;
                    if (notDeleted) *notDeleted = number;
                    return true;  // the deletions before it are kept, as one by one
                }
            }
        }
        std::vector<std::string> prefixes;
        for (const std::string& number : numbers) {
            const std::string prefix = LeadingCharacters(number, projectnumber::kPrefixLength);
            if (std::none_of(prefixes.begin(), prefixes.end(),
                             [&](const std::string& p) { return projectnumber::SameNumber(p, prefix); }))
                prefixes.push_back(prefix);
        }
        for (const std::string& prefix : prefixes) {
            projectnumber::Renames under;
            if (projectnumber::RenumberPrefix(connection, prefix, &under)) moved.merge(under);
        }
        return true;
    });
    if (changed) return DeleteResult::ChangedElsewhere;
    if (!committed) return DeleteResult::Failed;
    renames = std::move(moved);
    return deleted ? DeleteResult::Deleted : DeleteResult::Failed;
}

std::string RowQuery(const std::string& number) {
    return std::string("select * from ") + kApplicationTable + " where " +
           projectnumber::KeyedRowsCondition("XMBH", db::QuoteLiteral(number));
}

std::string ListQuery() {
    return std::string("select xmlb,nf,xmbh,sqzndm,dwdm,gzdw,sqrxm,sqje from ") + kApplicationTable +
           " order by Right(XMBH, 7)";
}

std::string QueryFormSelect() {
    return std::string("select xmlb,nf,xmbh,xmmc,sqzndm,dwdm,gzdw,sqrxm,sqje from ") + kApplicationTable;
}

std::string JoinedQueryFormSelect(const std::string& table) {
    // Each row of the table joins the one application it belongs to: two
    // legacy numbers that differ only in case never list a row twice.
    const std::string app = kApplicationTable;
    const std::string number = table + ".xmbh";
    return "select " + number + ",xmlb,nf,xmmc,sqzndm,dwdm,gzdw,sqrxm,sqje from " + table + " left join " + app +
           " on " + projectnumber::KeyedRowsCondition(app + ".xmbh", number);
}

std::string ChooserQuery() { return std::string("select xmlb,xmbh from ") + kApplicationTable + " order by xmbh"; }

std::string ExcelRowsQuery() {
    return std::string("select XMBH, XMMC, XMLB, XMQSRQ, XMZZRQ, SQRXM, SQRXB, SQRNL, ZC, SQJE from ") +
           kApplicationTable;
}

std::string JoinedExcelRowsQuery(const std::string& table) {
    return "select " + table + ".XMBH, XMMC, XMLB, XMQSRQ, XMZZRQ, SQRXM, SQRXB, SQRNL, ZC, SQJE from " + table +
           " left join CORVANE_ITEMAPPINFO on " +
           projectnumber::KeyedRowsCondition("CORVANE_ITEMAPPINFO.XMBH", table + ".XMBH");
}

bool ReadName(CAdoConnection& connection, const std::string& number, std::string& name) {
    db::Statement read(connection,
                       std::string("select xmmc from ") + kApplicationTable + " where " +
                           projectnumber::KeyedRowsCondition("xmbh", "?1"),
                       {number});
    if (!read.Next()) return false;
    name = read.Text(0);
    return true;
}

std::optional<std::string> StoredYear(CAdoConnection& connection, const projectnumber::LoadedProject& project) {
    return db::Scalar(connection, std::string("select NF from ") + kApplicationTable + " where rowid = ?1", {project.row});
}

bool ReadUnitName(CAdoConnection& connection, const std::string& number, std::string& name) {
    db::Statement read(connection,
                       "select DWMC from corvane_itemappinfo, corvane_unit "
                       "where corvane_itemappinfo.DWDM = corvane_unit.DWDM and " +
                           projectnumber::KeyedRowsCondition("XMBH", "?1"),
                       {number});
    if (!read.Next()) return false;
    name = read.Text(0);
    return true;
}

bool ClearPlanColumns(CAdoConnection& connection, const std::string& number) {
    const std::string sql =
        std::string("update ") + kApplicationTable + " set pfjf=null,ybjf=null,zwcxs=null where " +
        projectnumber::KeyedRowsCondition("xmbh", "?1");
    return db::Statement(connection, sql, {number}).Run();
}

bool OpenDocumentRow(CAdoConnection& connection, const std::string& number, CAdoRecordSet& row) {
    appdb::Bind(row, connection);
    return row.Open(std::string("select XMBH, DOCNAME, DOC from ") + kApplicationTable + " where " +
                    projectnumber::KeyedRowsCondition("XMBH", db::QuoteLiteral(number))) !=
           FALSE;
}

bool StoreDocument(CAdoConnection& connection, const std::string& number, const std::string& name,
                   const std::string& bytes) {
    CAdoRecordSet row;
    return OpenDocumentRow(connection, number, row) && !row.IsEOF() && row.SetString("DOCNAME", name) &&
           WriteLongBinary(row, "DOC", bytes) && row.Update();
}

bool OpenFileRows(CAdoRecordSet& rows, const std::string& table, const std::string& columns,
                  const std::string& number) {
    return rows.Open("select " + columns + " from " + table + " where xmbh = " + db::QuoteLiteral(number)) != FALSE;
}

}  // namespace appstore
