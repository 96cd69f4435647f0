#include "guide_fiveyear/FiveGuideBundle.h"

#include <initializer_list>
#include <vector>

#include "foundation/AdoRecordSet.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/LongBinary.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_fiveyear/FiveGuideStore.h"
#include "platform/sys/Sys.h"

namespace {

constexpr int kParts = 3;
constexpr const char* kPartTables[kParts] = {"corvane_fivefundguide", "corvane_five_studysubject",
                                             "corvane_five_studyaspect"};

// Saves the rows of a query as a saved recordset; false when the query
// fails. With `onlyWithRows` a query without rows writes nothing.
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

// Only the first guide row of a bundle is taken.
bool AddGuide(CAdoConnection& connection, CAdoRecordSet& guides) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    return target.Open("select * from corvane_fivefundguide") && AddRow(target, [&] {
               return CopyTexts(guides, target, {"JJBH", "ZNMC", "FBNF"}) &&
                      CopyBlobs(guides, target, {"GS", "GNWYJQK", "ZMB", "XTFW", "YXGJHZNGX", "XYFX"});
           });
}

bool AddTopics(CAdoConnection& connection, CAdoRecordSet& topics) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    if (!target.Open("select * from corvane_five_studysubject")) return false;
    for (; !topics.IsEOF(); topics.MoveNext()) {
        const bool added = AddRow(target, [&] {
            return CopyTexts(topics, target, {"ZTBH", "JJBH", "FBNF", "ZTMC"}) && CopyBlobs(topics, target, {"YJMD"});
        });
        if (!added) return false;
    }
    return true;
}

// Direction rows are copied by position, so the key-direction flag and the
// remark arrive as the sender had them.
bool AddDirections(CAdoConnection& connection, CAdoRecordSet& directions) {
    CAdoRecordSet target;
    BindGuideRecordset(target, connection);
    if (!target.Open("select * from corvane_five_studyaspect")) return false;
    const long count = directions.GetFieldCount();
    if (!HasLayoutOf(directions, connection, "corvane_five_studyaspect", count)) return false;
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
bool MayWrite(CAdoConnection& connection, const std::string& fund, const std::string& period, int policy) {
    if (!fiveyearstore::IsGuideStored(connection, fund, period)) return true;
    switch (policy) {
    case 0: return true;
    case 2: return GuidePrompt("记录已存在，是否覆盖原有记录？", MB_ICONQUESTION, MB_YESNO) == IDYES;
    default: return false;
    }
}

}  // namespace

std::string FiveGuideBundle::FileName(const std::string& fund, const std::string& today, const std::string& extension) {
    return sys::SafeFileName(fund) + "(" + today + ")." + extension;
}

std::string FiveGuideBundle::ScratchFile(int part) {
    static const char* const names[kParts] = {"temp\\指南.xml", "temp\\专题.xml", "temp\\研究方向.xml"};
    return sys::JoinPath(sys::ProgramFolder(), names[part]);
}

void FiveGuideBundle::RemoveScratchFiles() {
    for (int part = 0; part < kParts; ++part) sys::RemoveFile(ScratchFile(part));
}

bool FiveGuideBundle::Export(CAdoConnection& connection, const std::string& fund, const std::string& period,
                             const std::string& folder, const std::string& today) {
    std::vector<std::string> parts(kParts);
    bool ok = true;
    for (int part = 0; part < kParts && ok; ++part)
        ok = SaveQuery(connection,
                       std::string("select * from ") + kPartTables[part] + " where " +
                           fiveyearstore::GuideCondition(fund, period),
                       ScratchFile(part), false) &&
             sys::ReadFile(ScratchFile(part), parts[part]);
    RemoveScratchFiles();
    ok = ok && LengthPrefixedContainer::Write(sys::JoinPath(folder, FileName(fund, today, kExtension)),
                                              kFiveYearMarker, parts);

    const std::string code = guidestore::Quote(fund);
    ok = SaveQuery(connection, "select * from corvane_specgroup where jjbh = '" + code + "'",
                   sys::JoinPath(folder, FileName(fund, today, "sif")), true) && ok;
    ok = SaveQuery(connection, "select * from corvane_lab where sysdm = '" + code + "'",
                   sys::JoinPath(folder, FileName(fund, today, "lif")), true) && ok;
    return ok;
}

FiveGuideBundle::ImportResult FiveGuideBundle::Import(CAdoConnection& connection, const std::string& path,
                                                      int policy) {
    std::vector<std::string> parts;
    switch (LengthPrefixedContainer::Read(path, kFiveYearMarker, kParts, parts)) {
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
        std::string fund, period;
        guides.GetString("JJBH", fund);
        guides.GetString("FBNF", period);
        if (!MayWrite(connection, fund, period, policy)) {
            connection.RollbackTrans();
            return ImportResult::Skipped;
        }
        if (!fiveyearstore::DeleteGuideRows(connection, fund, period) || !AddGuide(connection, guides)) {
            connection.RollbackTrans();
            return ImportResult::Failed;
        }
    }
    if (AddTopics(connection, recordsets[1]) && AddDirections(connection, recordsets[2]) && connection.CommitTrans())
        return ImportResult::Imported;
    connection.RollbackTrans();
    return ImportResult::Failed;
}
