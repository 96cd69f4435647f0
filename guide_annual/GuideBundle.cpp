#include "guide_annual/GuideBundle.h"

#include <vector>

#include "foundation/AdoRecordSet.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "foundation/LengthPrefixedContainer.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kParts = 3;
constexpr const char* kPartTables[kParts] = {"corvane_yearfundguide", "corvane_year_studysubject",
                                             "corvane_year_studyaspect"};
constexpr const char* kGuideBlobs[] = {"GS", "GNWYJQK", "YJNR_YEAR", "XTFW"};
constexpr const char* kSubjectTexts[] = {"ZTBH", "JJBH", "FBNF", "ZTMC"};

std::string PartQuery(int part, const std::string& fund, const std::string& year) {
    return std::string("select * from ") + kPartTables[part] + " where JJBH='" + guidestore::Quote(fund) +
           "' and FBNF='" + guidestore::Quote(year) + "'";
}

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
    for (const char* column : columns) {
        std::string bytes;
        if (!guidestore::ReadBlob(from, column, bytes) || !guidestore::WriteBlob(to, column, bytes)) return false;
    }
    return true;
}

// The guide rows of the bundle (at most one is expected).
bool AddGuides(CAdoConnection& connection, CAdoRecordSet& guides) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    if (!target.Open("select * from corvane_yearfundguide")) return false;
    for (guides.MoveFirst(); !guides.IsEOF(); guides.MoveNext()) {
        const bool added = AddRow(target, [&] {
            return CopyTexts(guides, target, {"JJBH", "ZNMC", "FBNF"}) &&
                   CopyBlobs(guides, target, {kGuideBlobs[0], kGuideBlobs[1], kGuideBlobs[2], kGuideBlobs[3]});
        });
        if (!added) return false;
    }
    return true;
}

bool AddSubjects(CAdoConnection& connection, CAdoRecordSet& subjects) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    if (!target.Open("select * from corvane_year_studysubject")) return false;
    for (; !subjects.IsEOF(); subjects.MoveNext()) {
        const bool added = AddRow(target, [&] {
            return CopyTexts(subjects, target, {kSubjectTexts[0], kSubjectTexts[1], kSubjectTexts[2], kSubjectTexts[3]}) &&
                   CopyBlobs(subjects, target, {"YJMD"});
        });
        if (!added) return false;
    }
    return true;
}

// Direction rows are copied by position: the sender's columns stand in the
// order of this table's.
bool AddDirections(CAdoConnection& connection, CAdoRecordSet& directions) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    if (!target.Open("select * from corvane_year_studyaspect")) return false;
    const long count = directions.GetFieldCount();
    if (count > target.GetFieldCount()) return false;
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

// Whether the bundle's guide may be written, by the policy when it is stored.
bool MayWrite(CAdoConnection& connection, const std::string& fund, const std::string& year, int policy) {
    if (!guidestore::IsGuideStored(connection, fund, year)) return true;
    switch (policy) {
    case 0: return true;
    case 2: return GuidePrompt("记录已存在，是否覆盖原有记录？", MB_ICONQUESTION, MB_YESNO) == IDYES;
    default: return false;
    }
}

}  // namespace

std::string GuideBundle::FileName(const std::string& fund, const std::string& year, const std::string& today) {
    return sys::SafeFileName(fund + "(" + year + ")(" + today + ")") + "." + kExtension;
}

std::string GuideBundle::ScratchFile(int part) {
    static const char* const names[kParts] = {"temp\\指南.xml", "temp\\专题.xml", "temp\\研究方向.xml"};
    return sys::JoinPath(sys::ProgramFolder(), names[part]);
}

void GuideBundle::RemoveScratchFiles() {
    for (int part = 0; part < kParts; ++part) sys::RemoveFile(ScratchFile(part));
}

bool GuideBundle::Export(CAdoConnection& connection, const std::string& fund, const std::string& year,
                         const std::string& folder, const std::string& today) {
    if (!guidestore::IsGuideStored(connection, fund, year)) return false;
    std::vector<std::string> parts(kParts);
    bool ok = true;
    for (int part = 0; part < kParts && ok; ++part)
        ok = SaveQuery(connection, PartQuery(part, fund, year), ScratchFile(part), false) &&
             sys::ReadFile(ScratchFile(part), parts[part]);
    RemoveScratchFiles();
    if (!ok) return false;
    ok = LengthPrefixedContainer::Write(sys::JoinPath(folder, FileName(fund, year, today)), kAnnualMarker, parts);

    const std::string companion = sys::JoinPath(folder, sys::SafeFileName(fund + "(" + today + ")"));
    const std::string code = guidestore::Quote(fund);
    SaveQuery(connection, "select * from corvane_specgroup where jjbh = '" + code + "'", companion + ".sif", true);
    SaveQuery(connection, "select * from corvane_lab where sysdm = '" + code + "'", companion + ".lif", true);
    return ok;
}

GuideBundle::ImportResult GuideBundle::Import(CAdoConnection& connection, const std::string& path, int policy) {
    std::vector<std::string> parts;
    switch (LengthPrefixedContainer::Read(path, kAnnualMarker, kParts, parts)) {
    case LengthPrefixedContainer::ReadResult::Ok: break;
    case LengthPrefixedContainer::ReadResult::OtherMarker: return ImportResult::OtherKind;
    default: return ImportResult::Corrupt;
    }
    // Every part is read before anything is written.
    CAdoRecordSet recordsets[kParts];
    for (int part = 0; part < kParts; ++part) {
        if (!sys::WriteFileAtomic(ScratchFile(part), parts[part]) || !recordsets[part].OpenFromFile(ScratchFile(part)))
            return ImportResult::Corrupt;
    }
    CAdoRecordSet& guides = recordsets[0];

    if (connection.BeginTrans() < 0) return ImportResult::Failed;
    if (!guides.IsEOF()) {
        std::string fund, year;
        guides.GetString("JJBH", fund);
        guides.GetString("FBNF", year);
        if (!MayWrite(connection, fund, year, policy)) {
            connection.RollbackTrans();
            return ImportResult::Skipped;
        }
        if (!guidestore::DeleteGuideRows(connection, fund, year) || !AddGuides(connection, guides)) {
            connection.RollbackTrans();
            return ImportResult::Failed;
        }
    }
    if (AddSubjects(connection, recordsets[1]) && AddDirections(connection, recordsets[2]) && connection.CommitTrans())
        return ImportResult::Imported;
    connection.RollbackTrans();
    return ImportResult::Failed;
}
