#include "guide_fiveyear/FiveGuideStore.h"

#include <vector>

#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/TopicScopeDocument.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"

namespace fiveyearstore {

const char* const kChapterColumns[kChapterCount] = {"GS", "GNWYJQK", "ZMB", "YXGJHZNGX", "XYFX"};

namespace {

// Runs `fill` on the pending row and stores it; the row is dropped when a
// step fails.
template <class Fill>
bool StoreRow(CAdoRecordSet& recordset, Fill fill) {
    if (fill() && recordset.Update()) return true;
    recordset.CancelUpdate();
    return false;
}

template <class Fill>
bool AddRow(CAdoRecordSet& recordset, Fill fill) {
    return recordset.AddNew() && StoreRow(recordset, fill);
}

// The topic document's bytes; no file is an empty topic scope.
bool ReadTopicFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const std::string native = sys::NativePath(path);
    return !sys::FileExists(native) || sys::ReadFile(native, bytes);
}

// The guide row's columns from the header and the files.
bool FillGuideRow(CAdoRecordSet& rs, const std::string& fund, const std::string& name, const std::string& period,
                  const GuideFiles& files, const std::string& topic) {
    if (!rs.SetString("JJBH", fund) || !rs.SetString("ZNMC", name) || !rs.SetString("FBNF", period)) return false;
    for (int i = 0; i < kChapterCount; ++i) {
        std::string bytes;
        if (!sys::ReadFile(sys::NativePath(files.chapters[i]), bytes) ||
            !guidestore::WriteBlob(rs, kChapterColumns[i], bytes))
            return false;
    }
    return guidestore::WriteBlob(rs, "XTFW", topic);
}

bool WriteGuideRow(CAdoConnection& connection, const std::string& fund, const std::string& name,
                   const std::string& period, const GuideFiles& files, bool replace) {
    std::string topic;
    if (!ReadTopicFile(files.topicFile, topic)) return false;
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    auto fill = [&] { return FillGuideRow(rs, fund, name, period, files, topic); };
    if (!replace) return rs.Open("select * from corvane_fivefundguide where 1 = 0") && AddRow(rs, fill);
    // A replaced guide must still be stored: its row is rewritten in place.
    return rs.Open("select * from corvane_fivefundguide where " + GuideCondition(fund, period)) && !rs.IsEOF() &&
           StoreRow(rs, fill);
}

bool AddTopics(CAdoConnection& connection, const std::string& fund, const std::string& period,
               const std::vector<TopicSubject>& topics, const std::string& topicFolder) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_five_studysubject where 1 = 0")) return false;
    for (const TopicSubject& topic : topics) {
        std::string purpose;
        if (!sys::ReadFile(sys::NativePath(topic::FileInFolder(topicFolder, topic.purposeFile)), purpose)) return false;
        const bool added = AddRow(rs, [&] {
            return rs.SetString("ZTBH", topic.number) && rs.SetString("JJBH", fund) && rs.SetString("FBNF", period) &&
                   rs.SetString("ZTMC", topic.name) && guidestore::WriteBlob(rs, "YJMD", purpose);
        });
        if (!added) return false;
    }
    return true;
}

// One row per directed unit; a direction without one gets a row with the
// unit code " ". The key-direction flag is left empty: the five-year guide
// has none.
bool AddDirections(CAdoConnection& connection, const std::string& fund, const std::string& period,
                   const std::vector<TopicSubject>& topics) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_five_studyaspect where 1 = 0")) return false;
    for (const TopicSubject& topic : topics) {
        for (const TopicAspect& direction : topic.aspects) {
            std::vector<std::string> units;
            for (const TopicUnit& unit : direction.units) units.push_back(unit.code);
            if (units.empty()) units.push_back(" ");
            for (const std::string& unit : units) {
                const bool added = AddRow(rs, [&] {
                    return rs.SetString("YJFXBH", direction.number) && rs.SetString("JJBH", fund) &&
                           rs.SetString("FBNF", period) && rs.SetString("ZTBH", topic.number) &&
                           rs.SetString("DWDM", unit) && rs.SetString("YJFXMC", direction.name) &&
                           rs.SetString("BZ", "备注");
                });
                if (!added) return false;
            }
        }
    }
    return true;
}

bool DeleteTopicRows(CAdoConnection& connection, const std::string& fund, const std::string& period) {
    const std::string condition = " where " + GuideCondition(fund, period);
    return connection.Execute("delete from CORVANE_FIVE_STUDYASPECT" + condition) &&
           connection.Execute("delete from CORVANE_FIVE_STUDYSUBJECT" + condition);
}

// The topic and direction rows of the topic document. A missing document is
// an empty topic scope; an unreadable one fails.
bool WriteTopicScope(CAdoConnection& connection, const std::string& fund, const std::string& period,
                     const GuideFiles& files) {
    if (!sys::FileExists(sys::NativePath(files.topicFile))) return true;
    TopicScopeDocument document;
    if (!document.Load(files.topicFile)) return false;
    const std::vector<TopicSubject> topics = document.Subjects();
    return AddTopics(connection, fund, period, topics, files.topicFolder) &&
           AddDirections(connection, fund, period, topics);
}

// Writes a long binary column to a file, replacing it; a column that cannot
// be read gives an empty file.
void ColumnToFile(CAdoRecordSet& rs, const char* column, const std::string& path) {
    std::string bytes;
    guidestore::ReadBlob(rs, column, bytes);
    sys::WriteFileAtomic(sys::NativePath(path), bytes);
}

}  // namespace

std::string ChapterFile(int chapter) {
    static const char* const names[kChapterCount] = {"temp\\概述.rtf", "temp\\国内外研究情况.rtf",
                                                     "temp\\五年总目标和重点研究内容.rtf", "temp\\与相关计划指南的关系.rtf",
                                                     "temp\\效益分析.rtf"};
    if (chapter < 0 || chapter >= kChapterCount) return {};
    return sys::JoinPath(sys::ProgramFolder(), names[chapter]);
}

GuideFiles EditorFiles() {
    GuideFiles files;
    for (int i = 0; i < kChapterCount; ++i) files.chapters[i] = ChapterFile(i);
    files.topicFile = guidefiles::TopicFile();
    files.topicFolder = guidefiles::TopicFolder();
    return files;
}

std::string GuideCondition(const std::string& fund, const std::string& period) {
    return "JJBH=" + db::QuoteLiteral(fund) + " and FBNF=" + db::QuoteLiteral(period);
}

bool IsGuideStored(CAdoConnection& connection, const std::string& fund, const std::string& period) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    return rs.Open("select * from corvane_fivefundguide where " + GuideCondition(fund, period)) && !rs.IsEOF();
}

bool StoreGuide(CAdoConnection& connection, const std::string& fund, const std::string& name,
                const std::string& period, const GuideFiles& files, bool replace) {
    return db::InTransaction(connection, [&] {
        return WriteGuideRow(connection, fund, name, period, files, replace) &&
               (!replace || DeleteTopicRows(connection, fund, period)) &&
               WriteTopicScope(connection, fund, period, files);
    });
}

bool DeleteGuideRows(CAdoConnection& connection, const std::string& fund, const std::string& period) {
    return connection.Execute("delete from corvane_fivefundguide where " + GuideCondition(fund, period)) &&
           DeleteTopicRows(connection, fund, period);
}

bool DeleteGuide(CAdoConnection& connection, const std::string& fund, const std::string& period) {
    return db::InTransaction(connection, [&] { return DeleteGuideRows(connection, fund, period); });
}

bool LoadGuide(CAdoConnection& connection, const std::string& fund, const std::string& period,
               const GuideFiles& files) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_fivefundguide where " + GuideCondition(fund, period)) || rs.IsEOF())
        return false;
    for (int i = 0; i < kChapterCount; ++i) ColumnToFile(rs, kChapterColumns[i], files.chapters[i]);
    sys::MakeDirs(sys::NativePath(files.topicFolder));
    std::string topic;
    guidestore::ReadBlob(rs, "XTFW", topic);
    if (topic.empty()) TopicScopeDocument::Create(files.topicFile);
    else sys::WriteFileAtomic(sys::NativePath(files.topicFile), topic);
    rs.Close();
    if (rs.Open("select * from corvane_five_studysubject where " + GuideCondition(fund, period))) {
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string number;
            rs.GetString("ZTBH", number);
            ColumnToFile(rs, "YJMD", topic::PurposeFile(files.topicFolder, number));
        }
    }
    return true;
}

namespace {

// The rows of a list query: fund number, owner's name and guide name.
void AppendGuides(CAdoConnection& connection, const std::string& sql, const char* ownerColumn,
                  std::vector<ListedGuide>& guides) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open(sql)) return;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ListedGuide guide;
        rs.GetString("jjbh", guide.fund);
        rs.GetString(ownerColumn, guide.owner);
        rs.GetString("znmc", guide.name);
        guides.push_back(guide);
    }
}

}  // namespace

std::vector<ListedGuide> ListGuides(CAdoConnection& connection, const std::string& period) {
    const std::string year = db::QuoteLiteral(period);
    std::vector<ListedGuide> guides;
    AppendGuides(connection,
                 "select corvane_fivefundguide.jjbh,zyzmc,znmc,fbnf from corvane_fivefundguide,corvane_specgroup "
                 "where corvane_fivefundguide.jjbh = corvane_specgroup.jjbh and fbnf=" +
                     year + " order by corvane_fivefundguide.jjbh",
                 "zyzmc", guides);
    AppendGuides(connection,
                 "select jjbh,sysqc,znmc,fbnf from corvane_fivefundguide,corvane_lab where jjbh = sysdm and fbnf=" +
                     year + " order by jjbh",
                 "sysqc", guides);
    return guides;
}

std::vector<ListedGuide> SearchGuides(CAdoConnection& connection, const std::string& groupSelection,
                                      const std::string& labSelection, const std::string& period) {
    const std::string year = db::QuoteLiteral(period);
    std::vector<ListedGuide> guides;
    AppendGuides(connection, groupSelection + " and FBNF=" + year + " order by corvane_fivefundguide.jjbh", "zyzmc",
                 guides);
    AppendGuides(connection, labSelection + " and FBNF=" + year + " order by jjbh", "sysqc", guides);
    return guides;
}

std::vector<ListedGuide> SearchGuides(CAdoConnection& connection, const GuideSearch& search, const std::string& period) {
    std::string group, lab;
    auto both = [&](const std::string& condition) {
        group += condition;
        lab += condition;
    };
    if (!search.fund.empty()) both("corvane_fivefundguide.jjbh = " + db::QuoteLiteral(search.fund) + " and ");
    if (!search.name.empty()) both("znmc like " + db::QuoteLiteral("%" + search.name + "%") + " and ");
    if (!search.owner.empty()) {
        group += "zyzmc like " + db::QuoteLiteral("%" + search.owner + "%") + " and ";
        lab += "sysqc like " + db::QuoteLiteral("%" + search.owner + "%") + " and ";
    }
    // The last " and " of each condition text is cut.
    auto joined = [](const std::string& conditions) {
        return conditions.empty() ? std::string() : " and " + conditions.substr(0, conditions.size() - 5);
    };
    const std::string groupSelection =
        "select corvane_fivefundguide.jjbh,znmc,zyzmc from corvane_fivefundguide,corvane_specgroup "
        "where corvane_fivefundguide.jjbh = corvane_specgroup.jjbh" + joined(group);
    const std::string labSelection =
        "select jjbh,znmc,sysqc from corvane_fivefundguide,corvane_lab where jjbh = sysdm" + joined(lab);
    return SearchGuides(connection, groupSelection, labSelection, period);
}

std::vector<ListedGuide> GuidesByFund(CAdoConnection& connection, const std::string& period) {
    std::vector<ListedGuide> guides;
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_fivefundguide where fbnf = " + db::QuoteLiteral(period) + " order by jjbh"))
        return guides;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ListedGuide guide;
        rs.GetString("jjbh", guide.fund);
        rs.GetString("znmc", guide.name);
        guides.push_back(guide);
    }
    return guides;
}

std::vector<GuideOwner> GuideOwners(CAdoConnection& connection) {
    std::vector<GuideOwner> owners;
    const struct {
        const char* sql;
        const char* nameColumn;
        const char* codeColumn;
        bool lab;
    } kinds[] = {{"select * from corvane_specgroup", "ZYZMC", "JJBH", false},
                 {"select * from corvane_lab", "sysqc", "sysdm", true}};
    for (const auto& kind : kinds) {
        CAdoRecordSet rs;
        BindGuideRecordset(rs, connection);
        if (!rs.Open(kind.sql)) continue;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            GuideOwner owner{{}, {}, kind.lab};
            rs.GetString(kind.nameColumn, owner.name);
            rs.GetString(kind.codeColumn, owner.code);
            owners.push_back(owner);
        }
    }
    return owners;
}

std::string OwnerName(CAdoConnection& connection, const std::string& code, bool lab) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    std::string name;
    if (rs.Open(lab ? "select * from corvane_lab where sysdm = " + db::QuoteLiteral(code)
                    : "select * from corvane_specgroup where jjbh = " + db::QuoteLiteral(code)) &&
        !rs.IsEOF())
        rs.GetString(lab ? "SYSQC" : "ZYZMC", name);
    return name;
}

}  // namespace fiveyearstore
