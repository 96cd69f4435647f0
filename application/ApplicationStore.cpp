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
    if (!db::Statement(connection, "delete from corvane_project_sqcy where ITE_XMBH = ?1", {number}).Run())
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

bool WriteReviewRow(CAdoConnection& connection, const PROAPP& record) {
    const std::string where = Where("XMBH", record.XMBH);
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select * from CORVANE_ITEMPF" + where)) return false;
    if (!rs.IsEOF()) return true;
    const std::pair<const char*, std::string PROAPP::*> amounts[] = {
        {"PFJF", &PROAPP::SQJE}, {"PFSJF", &PROAPP::SJF}, {"PFCLF", &PROAPP::CLF},     {"PFWXF", &PROAPP::WXF},
        {"PFZYF", &PROAPP::ZYF}, {"PFSYF", &PROAPP::SYF}, {"PFGDZCF", &PROAPP::GDZCF}, {"PFGZF", &PROAPP::GZF},
        {"PFGLF", &PROAPP::GLF},
    };
    bool written = rs.AddNew() && rs.SetString("XMBH", record.XMBH) && rs.SetString("PSJG", "+");
    for (const auto& [column, field] : amounts) written = written && SetAmount(rs, column, record.*field);
    if (written && rs.Update()) return true;
    rs.CancelUpdate();
    return false;
}

SaveResult WriteApplication(CAdoConnection& connection, PROAPP& written,
                            const std::vector<proapp::MemberRow>& members, const projectnumber::LoadedProject& loaded,
                            projectnumber::Renames* renames) {
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
    // A number that differs from the stored one only in case is the same number.
    const bool renamed = !changesPrefix && !nextFree && !projectnumber::SameNumber(record.XMBH, storedNumber);
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
    const bool saved = [&] {
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
            if (!WriteApplicationRow(connection, record, storedNumber)) return false;
            if (!storedNumber.empty() && record.XMBH != storedNumber) {
                if (!projectnumber::MoveProjectRows(connection, storedNumber, record.XMBH)) return false;
                moved[storedNumber] = record.XMBH;
            }
        }
        if (!WriteMembers(connection, record.XMBH, members)) return false;
        return !proapp::IsKeyLabCategory(record.XMLB) || WriteReviewRow(connection, record);
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
    if (!rs.Open("select * from corvane_project_sqcy" + Where("ite_xmbh", number))) return members;
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
    return std::string("select * from ") + kApplicationTable + Where("XMBH", number);
}

std::string ListQuery() {
    return std::string("select xmlb,nf,xmbh,sqzndm,dwdm,gzdw,sqrxm,sqje from ") + kApplicationTable +
           " order by Right(XMBH, 7)";
}

std::string QueryFormSelect() {
    return std::string("select xmlb,nf,xmbh,xmmc,sqzndm,dwdm,gzdw,sqrxm,sqje from ") + kApplicationTable;
}

std::string JoinedQueryFormSelect(const std::string& table) {
    return "select " + table + ".xmbh,xmlb,nf,xmmc,sqzndm,dwdm,gzdw,sqrxm,sqje from " + table + " left join " +
           kApplicationTable + " on " + table + ".xmbh = " + kApplicationTable + ".xmbh";
}

std::string ChooserQuery() { return std::string("select xmlb,xmbh from ") + kApplicationTable + " order by xmbh"; }

std::string ExcelRowsQuery() {
    return std::string("select XMBH, XMMC, XMLB, XMQSRQ, XMZZRQ, SQRXM, SQRXB, SQRNL, ZC, SQJE from ") +
           kApplicationTable;
}

bool ReadName(CAdoConnection& connection, const std::string& number, std::string& name) {
    db::Statement read(connection, std::string("select xmmc from ") + kApplicationTable + " where xmbh = ?1", {number});
    if (!read.Next()) return false;
    name = read.Text(0);
    return true;
}

bool ReadUnitName(CAdoConnection& connection, const std::string& number, std::string& name) {
    db::Statement read(connection,
                       "select DWMC from corvane_itemappinfo, corvane_unit "
                       "where corvane_itemappinfo.DWDM = corvane_unit.DWDM and XMBH = ?1",
                       {number});
    if (!read.Next()) return false;
    name = read.Text(0);
    return true;
}

bool ClearPlanColumns(CAdoConnection& connection, const std::string& number) {
    const std::string sql =
        std::string("update ") + kApplicationTable + " set pfjf=null,ybjf=null,zwcxs=null where xmbh=?1";
    return db::Statement(connection, sql, {number}).Run();
}

bool OpenDocumentRow(CAdoConnection& connection, const std::string& number, CAdoRecordSet& row) {
    appdb::Bind(row, connection);
    return row.Open(std::string("select XMBH, DOCNAME, DOC from ") + kApplicationTable + Where("XMBH", number)) !=
           FALSE;
}

bool StoreDocument(CAdoConnection& connection, const std::string& number, const std::string& name,
                   const std::string& bytes) {
    CAdoRecordSet row;
    return OpenDocumentRow(connection, number, row) && !row.IsEOF() && row.SetString("DOCNAME", name) &&
           WriteLongBinary(row, "DOC", bytes) && row.Update();
}

}  // namespace appstore
