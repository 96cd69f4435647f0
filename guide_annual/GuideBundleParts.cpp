#include "guide_annual/GuideBundleParts.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "foundation/Transaction.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ImportReport.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/LongBinary.h"
#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace guidebundle {

namespace {

// Saves the rows of a query as a saved recordset; false when the query fails.
bool SaveQuery(CAdoConnection& connection, const std::string& sql, const std::string& path, bool onlyWithRows) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open(sql)) return false;
    if (onlyWithRows && rs.IsEOF()) return true;
    return rs.Save(path, adPersistXML) != FALSE;
}

template <class Fill>
bool AddRow(CAdoRecordSet& target, Fill fill) {
    if (target.AddNew() && fill() && target.Update()) return true;
    target.CancelUpdate();
    return false;
}

bool CopyTexts(CAdoRecordSet& from, CAdoRecordSet& to, std::initializer_list<const char*> columns) {
    for (const char* column : columns) {
        std::string value;
        from.GetString(column, value);
        if (!to.SetString(column, value)) return false;
    }
    return true;
}

bool CopyBlobs(CAdoRecordSet& from, CAdoRecordSet& to, std::initializer_list<const char*> columns) {
    for (const char* column : columns)
        if (!CopyLongBinary(from, column, to)) return false;
    return true;
}

// The guide rows of the bundle: the first, or every one.
bool AddGuides(const BundleKind& kind, CAdoConnection& connection, CAdoRecordSet& guides) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    if (!target.Open(std::string("select * from ") + kind.tables[0] + " where 1 = 0")) return false;
    for (guides.MoveFirst(); !guides.IsEOF(); guides.MoveNext()) {
        const bool added = AddRow(target, [&] {
            if (!CopyTexts(guides, target, {"JJBH", "ZNMC", "FBNF"})) return false;
            for (const char* column : kind.guideBlobs)
                if (!CopyBlobs(guides, target, {column})) return false;
            return true;
        });
        if (!added) return false;
        if (kind.firstGuideRowOnly) break;
    }
    return true;
}

bool AddSubjects(const BundleKind& kind, CAdoConnection& connection, CAdoRecordSet& subjects) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    if (!target.Open(std::string("select * from ") + kind.tables[1] + " where 1 = 0")) return false;
    for (; !subjects.IsEOF(); subjects.MoveNext()) {
        const bool added = AddRow(target, [&] {
            return CopyTexts(subjects, target, {"ZTBH", "JJBH", "FBNF", "ZTMC"}) &&
                   CopyBlobs(subjects, target, {"YJMD"});
        });
        if (!added) return false;
    }
    return true;
}

// Direction rows are copied by position: the sender's columns stand in the
// order of this table's.
bool AddDirections(const BundleKind& kind, CAdoConnection& connection, CAdoRecordSet& directions) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    if (!target.Open(std::string("select * from ") + kind.tables[2] + " where 1 = 0")) return false;
    const long count = directions.GetFieldCount();
    if (!HasLayoutOf(directions, connection, kind.tables[2], count)) return false;
    for (; !directions.IsEOF(); directions.MoveNext()) {
        const bool added = AddRow(target, [&] {
            for (long i = 0; i < count; ++i) {
                std::string value;
                directions.GetFieldText(i, value);
                if (!target.SetFieldText(i, value)) return false;
            }
            return true;
        });
        if (!added) return false;
    }
    return true;
}

// Whether a stored guide may be replaced by the bundle's, by the policy.
bool MayWrite(int policy) {
    switch (policy) {
    case 0: return true;
    case 2: return GuidePrompt("记录已存在，是否覆盖原有记录？", MB_ICONQUESTION, MB_YESNO) == IDYES;
    default: return false;
    }
}

}  // namespace

std::string ScratchFile(int part) {
    static const char* const names[kParts] = {"指南.xml", "专题.xml", "研究方向.xml"};
    return sys::ScratchPath(names[part]);
}

void RemoveScratchFiles() {
    for (int part = 0; part < kParts; ++part) sys::RemoveFile(ScratchFile(part));
}

bool WriteBundle(const BundleKind& kind, CAdoConnection& connection, const std::string& fund,
                 const std::string& year, const std::string& path) {
    std::vector<std::string> parts(kParts);
    bool ok = true;
    for (int part = 0; part < kParts && ok; ++part)
        ok = SaveQuery(connection,
                       std::string("select * from ") + kind.tables[part] + " where JJBH=" + db::QuoteLiteral(fund) +
                           " and FBNF=" + db::QuoteLiteral(year),
                       ScratchFile(part), false) &&
             sys::ReadFile(ScratchFile(part), parts[part]);
    RemoveScratchFiles();
    return ok && LengthPrefixedContainer::Write(path, kind.marker, parts);
}

bool SaveCompanions(CAdoConnection& connection, const std::string& fund, const std::string& groupPath,
                    const std::string& labPath) {
    const std::string code = db::QuoteLiteral(fund);
    const bool group = SaveQuery(connection, "select * from corvane_specgroup where jjbh = " + code, groupPath, true);
    const bool lab = SaveQuery(connection, "select * from corvane_lab where sysdm = " + code, labPath, true);
    return group && lab;
}

ImportResult Import(const BundleKind& kind, CAdoConnection& connection, const std::string& path, int policy,
                    std::string* reason) {
    auto corrupt = [&](const std::string& why) {
        if (reason) *reason = why;
        return ImportResult::Corrupt;
    };
    std::vector<std::string> scratch;
    for (int part = 0; part < kParts; ++part) scratch.push_back(ScratchFile(part));
    switch (const auto read = LengthPrefixedContainer::Extract(path, kind.marker, scratch)) {
    case LengthPrefixedContainer::ReadResult::Ok: break;
    case LengthPrefixedContainer::ReadResult::OtherMarker: return ImportResult::OtherKind;
    default: return corrupt(LengthPrefixedContainer::Reason(read));
    }
    // Every part is read before anything is written.
    static const char* const kPartNames[kParts] = {"指南", "专题", "研究方向"};
    CAdoRecordSet recordsets[kParts];
    for (int part = 0; part < kParts; ++part) {
        if (!recordsets[part].OpenFromFile(ScratchFile(part)))
            return corrupt(std::string(kPartNames[part]) + "部分" + recordsets[part].LoadError());
    }
    if (!GuideRowsBelongToOneGuide(recordsets[0], recordsets[1], recordsets[2],
                                   {kind.tables[0], kind.tables[1], kind.tables[2]}, kind.guideBlobs,
                                   kind.firstGuideRowOnly))
        return corrupt("其中有不是指南、专题或研究方向的部分，或其他指南的记录");
    CAdoRecordSet& guides = recordsets[0];

    // The policy holds for the guide the rows belong to, whether the bundle
    // brings its guide row or its subjects and directions only.
    std::string fund, year;
    const bool hasRows = BundleGuideKey(guides, recordsets[1], recordsets[2], fund, year);
    if (!hasRows) return corrupt("没有指南的记录");
    if (!kind.isYear(year)) return corrupt("发布年度“" + text::TruncateGbk(year, 40) + "”不是指南的年度");
    const bool stored = kind.isStored(connection, fund, year);
    if (stored && !MayWrite(policy)) return ImportResult::Skipped;  // asked before the write
    db::Transaction transaction(connection);
    if (!transaction.Began()) return ImportResult::Failed;
    if (!guides.IsEOF()) {
        if (!kind.deleteRows(connection, fund, year) || !AddGuides(kind, connection, guides)) return ImportResult::Failed;
    } else if (stored) {
        // The stored guide row stays; its subjects and directions are replaced.
        for (int part = 1; part < kParts; ++part)
            if (!connection.Execute(std::string("delete from ") + kind.tables[part] + " where JJBH=" +
                                    db::QuoteLiteral(fund) + " and FBNF=" + db::QuoteLiteral(year)))
                return ImportResult::Failed;
    }
    if (AddSubjects(kind, connection, recordsets[1]) && AddDirections(kind, connection, recordsets[2]) &&
        transaction.Commit())
        return ImportResult::Imported;
    return ImportResult::Failed;
}

}  // namespace guidebundle
