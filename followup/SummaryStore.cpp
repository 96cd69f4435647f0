#include "followup/SummaryStore.h"

#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "foundation/LongBinary.h"
#include "foundation/ProjectTables.h"
#include "foundation/Transaction.h"

namespace summarystore {

namespace {

const char* const kAchievementStored[kAchievementColumns] = {"MC", "LX", "TIME", "BZ"};

std::string Table(followup::SummaryKind kind) { return followup::Traits(kind).table; }

// The rows of a table the project numbered ?1 owns.
std::string DeleteOwnRows(const std::string& table) {
    return projecttables::DeleteWhere(table, projecttables::KeyedRowsCondition("XMBH", "?1"));
}

// The project's row of the document's table, as the pages read and change it.
bool OpenRow(CAdoRecordSet& rs, CAdoConnection& connection, followup::SummaryKind kind, const std::string& number,
             const std::string& columns = "*") {
    appdb::Bind(rs, connection);
    return rs.Open("select " + columns + " from " + Table(kind) + " where " +
                   projecttables::KeyedRowsCondition("XMBH", db::QuoteLiteral(number)));
}

bool DeleteAchievements(CAdoConnection& connection, const std::string& number) {
    return db::Statement(connection, DeleteOwnRows("CORVANE_CGHZ"), {number}).Run();
}

bool DeleteDocumentRow(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number) {
    return db::Statement(connection, DeleteOwnRows(Table(kind)), {number}).Run();
}

// The achievements of k0 become `rows`, under k1, top to bottom.
bool ReplaceAchievements(CAdoConnection& connection, const std::string& k0, const std::string& k1,
                         const std::vector<Achievement>& rows) {
    if (!DeleteAchievements(connection, k0)) return false;
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select * from CORVANE_CGHZ where 1 = 0")) return false;
    for (const Achievement& cells : rows) {
        bool ok = rs.AddNew() && rs.SetString("XMBH", k1);
        for (int column = 0; column < kAchievementColumns; ++column)
            ok = ok && rs.SetString(kAchievementStored[column],
                                    column < int(cells.size()) ? cells[column] : std::string());
        if (!ok || !rs.Update()) {
            rs.CancelUpdate();
            return false;
        }
    }
    return true;
}

}  // namespace

db::Found HasDocument(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number) {
    return db::HasRow(connection,
                      "select XMBH from " + Table(kind) + " where " + projecttables::KeyedRowsCondition("XMBH", "?1"),
                      {number});
}

db::Found ReadDocument(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number,
                       SummaryDocument& document) {
    document = {};
    CAdoRecordSet rs;
    if (!OpenRow(rs, connection, kind, number)) return db::Found::Failed;
    if (rs.IsEOF()) return db::Found::NoRow;
    rs.GetString("SJWCR", document.person);
    rs.GetString("ATTACHNAME", document.attachName);
    rs.GetString("BACKUPNAME", document.name);
    if (followup::Traits(kind).hasIndicators) {
        std::string bytes;
        if (ReadLongBinary(rs, "ZBSXQK", bytes)) document.indicators = followup::IndicatorText(bytes);
    }
    ReadLongBinary(rs, "WCQKJJ", document.rtf);
    return db::Found::Row;
}

bool StoreDocument(CAdoConnection& connection, followup::SummaryKind kind, const std::string& k0,
                   const std::string& k1, bool replaceK1, const SummaryDocument& document,
                   const std::vector<Achievement>* achievements) {
    return db::InTransaction(connection, [&] {
        if (replaceK1 && (!DeleteDocumentRow(connection, kind, k1) || !DeleteAchievements(connection, k1)))
            return false;
        CAdoRecordSet rs;
        if (!OpenRow(rs, connection, kind, k0)) return false;
        bool ok = !rs.IsEOF() || rs.AddNew();
        ok = ok && rs.SetString("XMBH", k1) && rs.SetString("SJWCR", document.person) &&
             rs.SetString("BACKUPNAME", document.name);
        if (followup::Traits(kind).hasIndicators)
            ok = ok && WriteLongBinary(rs, "ZBSXQK", followup::IndicatorBytes(document.indicators));
        ok = ok && WriteLongBinary(rs, "WCQKJJ", document.rtf) && rs.Update();
        if (!ok) {
            rs.CancelUpdate();
            return false;
        }
        return !achievements || ReplaceAchievements(connection, k0, k1, *achievements);
    });
}

std::vector<std::string> DeleteDocuments(CAdoConnection& connection, followup::SummaryKind kind,
                                         const std::vector<std::string>& numbers) {
    // A document goes with the project's achievements, or not at all.
    return db::EachInTransaction(connection, numbers, [&](const std::string& number) {
        return DeleteDocumentRow(connection, kind, number) && DeleteAchievements(connection, number);
    });
}

std::vector<Achievement> ReadAchievements(CAdoConnection& connection, const std::string& number) {
    std::vector<Achievement> rows;
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select * from corvane_cghz where " +
                 projecttables::KeyedRowsCondition("xmbh", db::QuoteLiteral(number))))
        return rows;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        Achievement cells(kAchievementColumns);
        for (int column = 0; column < kAchievementColumns; ++column)
            rs.GetString(kAchievementStored[column], cells[column]);
        rows.push_back(cells);
    }
    return rows;
}

bool OpenList(CAdoRecordSet& rs, CAdoConnection& connection, followup::SummaryKind kind,
              const std::string& selection) {
    const std::string table = followup::Traits(kind).listTable;
    appdb::Bind(rs, connection);
    return rs.Open((selection.empty() ? appstore::JoinedQueryFormSelect(table) : selection) + " order by " + table +
                   ".xmbh");
}

bool StoreAttachment(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number,
                     const std::string& name, const std::string& bytes) {
    CAdoRecordSet rs;
    bool stored = OpenRow(rs, connection, kind, number);
    if (stored && rs.IsEOF()) stored = rs.AddNew() && rs.SetString("XMBH", number);
    stored = stored && rs.SetString("ATTACHNAME", name) && WriteLongBinary(rs, "ATTACH", bytes) && rs.Update();
    if (!stored) rs.CancelUpdate();
    return stored;
}

bool ReadAttachment(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number,
                    std::string& bytes) {
    CAdoRecordSet rs;
    return OpenRow(rs, connection, kind, number, "ATTACH") && !rs.IsEOF() && ReadLongBinary(rs, "ATTACH", bytes);
}

bool ClearAttachmentName(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number) {
    CAdoRecordSet rs;
    if (OpenRow(rs, connection, kind, number) && !rs.IsEOF() && !(rs.SetString("ATTACHNAME", "") && rs.Update())) {
        rs.CancelUpdate();
        return false;
    }
    return true;
}

}  // namespace summarystore
