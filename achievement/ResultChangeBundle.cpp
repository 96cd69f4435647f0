#include "achievement/ResultChangeBundle.h"

#include <array>
#include <memory>
#include <vector>

#include "achievement/ResultChangeRecord.h"
#include "application/ApplicationDb.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ImportReport.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/LongBinary.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace resultchange {

namespace {

constexpr std::size_t kPartCount = 1 + kChildCount;

// Scratch names of the parts on the writing and on the reading side.
const std::array<const char*, kPartCount> kWriterScratch = {"信息表.xml", "基础研究人员.xml", "骨干力量.xml",
                                                           "为预研输送骨干.xml", "为型号输送骨干.xml", "规章制度.xml"};
const std::array<const char*, kPartCount> kReaderScratch = {"由课题组填报的信息表.xml", "基础研究人员.xml",
                                                           "骨干力量.xml", "为预研输送骨干.xml",
                                                           "为型号输送骨干.xml", "规章制度.xml"};

std::string PartQuery(std::size_t part, const std::string& number) {
    if (part == 0) return SelectByKey("corvane_new_resultchange", "XMBH", number);
    return SelectByKey(text::ToLowerAscii(ChildTables()[part - 1].table), "item_XMBH", number);
}

void RemoveScratch(const std::string& folder, const std::array<const char*, kPartCount>& names) {
    for (const char* name : names) sys::RemoveFile(sys::JoinPath(folder, name));
}

// Copies the current row of `from` into a new row of `to`: the named text
// columns, then the rich-text columns byte for byte.
bool CopyRow(CAdoRecordSet& from, CAdoRecordSet& to, const std::vector<std::string>& textColumns,
             const std::vector<std::string>& richColumns, const std::string& owner = {}) {
    if (!to.AddNew()) return false;
    if (!owner.empty() && !to.SetString("ITEM_XMBH", owner)) {
        to.CancelUpdate();
        return false;
    }
    for (const std::string& column : textColumns) {
        if (!to.SetString(column, Field(from, column))) {
            to.CancelUpdate();
            return false;
        }
    }
    for (const std::string& column : richColumns) {
        std::string bytes;
        ReadLongBinary(from, column, bytes);
        if (!bytes.empty() && !WriteLongBinary(to, column, bytes)) {
            to.CancelUpdate();
            return false;
        }
    }
    return to.Update() != FALSE;
}

bool StoreMainRow(CAdoConnection& connection, CAdoRecordSet& part, const std::string& key) {
    std::vector<std::string> texts, riches;
    for (int i = 0; i < kColumnCount; ++i) (IsRichColumn(i) ? riches : texts).push_back(Columns()[i]);
    CAdoRecordSet target;
    appdb::Bind(target, connection);
    return target.Open(SelectByKey(kMainTable, "XMBH", key)) && CopyRow(part, target, texts, riches);
}

// Child rows are stored under the main row's project, whatever the file says.
bool StoreChildRows(CAdoConnection& connection, const ChildTable& table, CAdoRecordSet& part, const std::string& key) {
    if (!DeleteByKey(connection, table.table, "ITEM_XMBH", key)) return false;
    CAdoRecordSet target;
    appdb::Bind(target, connection);
    if (!target.Open("select * from " + table.table + " where 1=0")) return false;
    for (part.MoveFirst(); !part.IsEOF(); part.MoveNext()) {
        if (!CopyRow(part, target, table.stored, {}, key)) return false;
    }
    return true;
}

std::vector<std::string> MainColumns() { return {Columns().begin(), Columns().end()}; }

std::vector<std::string> ChildColumns(const ChildTable& table) {
    std::vector<std::string> columns = {"ITEM_XMBH"};
    columns.insert(columns.end(), table.stored.begin(), table.stored.end());
    return columns;
}

// What the parts say before anything is stored: each has its table's
// columns, the main part one row with a number, and every child row belongs
// to that number (a row without one is taken as the main row's).
ImportResult CheckParts(std::array<std::unique_ptr<CAdoRecordSet>, kPartCount>& parts) {
    if (!IsPartOf(*parts[0], kMainTable, MainColumns())) return ImportResult::OtherKind;
    for (int child = 0; child < kChildCount; ++child)
        if (!IsPartOf(*parts[1 + child], ChildTables()[child].table, ChildColumns(ChildTables()[child])))
            return ImportResult::OtherKind;
    CAdoRecordSet& main = *parts[0];
    if (main.IsEOF() || Field(main, "XMBH").empty()) return ImportResult::WrongRows;
    const std::string key = Field(main, "XMBH");
    if (main.MoveNext() && !main.IsEOF()) return ImportResult::WrongRows;  // a second record
    main.MoveFirst();
    for (int child = 0; child < kChildCount; ++child) {
        CAdoRecordSet& part = *parts[1 + child];
        for (part.MoveFirst(); !part.IsEOF(); part.MoveNext()) {
            const std::string owner = Field(part, "ITEM_XMBH");
            if (!owner.empty() && owner != key) return ImportResult::WrongRows;
        }
    }
    return ImportResult::Imported;
}

}  // namespace

std::string ExportFolder(const std::string& chosen, const text::DateTime& day) {
    return sys::JoinPath(chosen, day.Format("%Y-%m-%d") + "由课题组填报的信息表");
}

std::string BundlePath(const std::string& exportFolder, const std::string& number) {
    return sys::JoinPath(exportFolder, sys::SafeFileName(number) + ".cgzh");
}

bool WriteBundle(CAdoConnection& connection, const std::string& number, const std::string& exportFolder) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    std::vector<std::string> parts;
    for (std::size_t part = 0; part < kPartCount; ++part) {
        if (!rs.Open(PartQuery(part, number))) return false;
        // Only a project with a record gets a folder and a bundle.
        if (part == 0 && (rs.IsEOF() || !sys::MakeDirs(exportFolder))) return false;
        const std::string scratch = sys::JoinPath(exportFolder, kWriterScratch[part]);
        std::string bytes;
        if (!rs.Save(scratch, adPersistXML) || !sys::ReadFile(scratch, bytes)) return false;
        parts.push_back(std::move(bytes));
        rs.Close();
    }
    if (!LengthPrefixedContainer::Write(BundlePath(exportFolder, number), std::nullopt, parts)) return false;
    RemoveScratch(exportFolder, kWriterScratch);
    return true;
}

ImportResult ReadBundle(CAdoConnection& connection, const std::string& path, const std::string& scratchFolder,
                        const ConfirmOverwrite& confirm) {
    std::vector<std::string> scratch;
    for (std::size_t i = 0; i < kPartCount; ++i) scratch.push_back(sys::JoinPath(scratchFolder, kReaderScratch[i]));
    if (LengthPrefixedContainer::Extract(path, std::nullopt, scratch) != LengthPrefixedContainer::ReadResult::Ok) {
        RemoveScratch(scratchFolder, kReaderScratch);
        return ImportResult::Unreadable;
    }

    // Every part must open as a recordset before anything is stored.
    std::array<std::unique_ptr<CAdoRecordSet>, kPartCount> parts;
    bool readable = true;
    for (std::size_t i = 0; i < kPartCount && readable; ++i) {
        parts[i] = std::make_unique<CAdoRecordSet>();
        readable = parts[i]->OpenFromFile(scratch[i]);
    }
    RemoveScratch(scratchFolder, kReaderScratch);
    if (!readable) return ImportResult::Unreadable;

    if (const ImportResult checked = CheckParts(parts); checked != ImportResult::Imported) return checked;

    CAdoRecordSet& main = *parts[0];
    const bool hasMain = !main.IsEOF();
    const std::string key = hasMain ? Field(main, "XMBH") : std::string();
    const bool exists = hasMain && RecordExists(connection, key);
    if (exists && !confirm(key)) return ImportResult::Declined;

    const bool stored = db::InTransaction(connection, [&] {
        if (exists && !DeleteByKey(connection, kMainTable, "XMBH", key)) return false;
        if (hasMain && !StoreMainRow(connection, main, key)) return false;
        for (int child = 0; child < kChildCount; ++child)
            if (!StoreChildRows(connection, ChildTables()[child], *parts[1 + child], key)) return false;
        return true;
    });
    return stored ? ImportResult::Imported : ImportResult::Unreadable;
}

}  // namespace resultchange
