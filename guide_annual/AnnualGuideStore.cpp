#include "guide_annual/AnnualGuideStore.h"

#include <vector>

#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/TopicScopeDocument.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/xmldom/Document.h"

namespace guidestore {

namespace {

constexpr const char* kChapterColumns[] = {"GS", "GNWYJQK", "YJNR_YEAR"};

std::string GuideCondition(const std::string& fund, const std::string& year) {
    return "JJBH=" + db::QuoteLiteral(fund) + " and FBNF=" + db::QuoteLiteral(year);
}

// The number an element stands for: its name without the leading "fund".
std::string CodeOf(const xmldom::Node& element) {
    const std::string name = element.Name();
    return name.size() > 4 ? name.substr(4) : std::string();
}

// Adds one row to an open recordset with `fill`, cancelling it on failure.
template <class Fill>
bool AddRow(CAdoRecordSet& recordset, Fill fill) {
    if (recordset.AddNew() && fill() && recordset.Update()) return true;
    recordset.CancelUpdate();
    return false;
}

bool AddSubjects(CAdoConnection& connection, const std::string& fund, const std::string& year,
                 const std::vector<xmldom::Node>& subjects, const GuideFiles& files) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_year_studysubject where 1 = 0")) return false;
    for (const xmldom::Node& subject : subjects) {
        // The document may come from another office: its file name stays inside the topic folder.
        const std::string purpose = topic::FileInFolder(files.topicFolder, subject.GetAttribute(topic::kPurposeFile));
        const bool added = AddRow(rs, [&] {
            return rs.SetString("ZTBH", CodeOf(subject)) && rs.SetString("JJBH", fund) && rs.SetString("FBNF", year) &&
                   rs.SetString("ZTMC", subject.GetAttribute(topic::kSubjectName)) && rs.AppendChunkFromFile("YJMD", purpose);
        });
        if (!added) return false;
    }
    return true;
}

bool AddDirections(CAdoConnection& connection, const std::string& fund, const std::string& year,
                   const std::vector<xmldom::Node>& subjects) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_year_studyaspect where 1 = 0")) return false;
    for (const xmldom::Node& subject : subjects) {
        for (const xmldom::Node& direction : subject.ChildElements()) {
            std::vector<std::string> units;
            for (const xmldom::Node& unit : direction.ChildElements()) units.push_back(unit.GetAttribute("单位代码"));
            if (units.empty()) units.push_back(" ");  // an undirected direction
            for (const std::string& unit : units) {
                const bool added = AddRow(rs, [&] {
                    return rs.SetString("YJFXBH", CodeOf(direction)) && rs.SetString("JJBH", fund) &&
                           rs.SetString("FBNF", year) && rs.SetString("ZTBH", CodeOf(subject)) &&
                           rs.SetString("DWDM", unit) && rs.SetString("YJFXMC", direction.GetAttribute("研究方向名称")) &&
                           rs.SetString("SFZDYJFX", direction.GetAttribute("是否重点研究方向")) &&
                           rs.SetString("BZ", "备注");
                });
                if (!added) return false;
            }
        }
    }
    return true;
}

bool AddGuideRow(CAdoConnection& connection, const std::string& fund, const std::string& name,
                 const std::string& year, const GuideFiles& files) {
    std::string topic;
    if (sys::FileExists(sys::NativePath(files.topicFile)) && !sys::ReadFile(sys::NativePath(files.topicFile), topic))
        return false;
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_yearfundguide where 1 = 0")) return false;
    return AddRow(rs, [&] {
        if (!rs.SetString("JJBH", fund) || !rs.SetString("ZNMC", name) || !rs.SetString("FBNF", year)) return false;
        for (int i = 0; i < 3; ++i)
            if (!rs.AppendChunkFromFile(kChapterColumns[i], files.chapters[i])) return false;
        return WriteBlob(rs, "XTFW", topic);
    });
}

}  // namespace

GuideFiles EditorFiles() {
    GuideFiles files;
    for (int i = 0; i < 3; ++i) files.chapters[i] = guidefiles::ChapterFile(i);
    files.topicFile = guidefiles::TopicFile();
    files.topicFolder = guidefiles::TopicFolder();
    return files;
}

bool ReadBlob(CAdoRecordSet& recordset, const std::string& column, std::string& bytes) {
    const long size = recordset.GetFieldActualSize(column);
    if (size < 0) return false;
    std::string read(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !recordset.GetChunk(column, read.data())) return false;
    bytes = std::move(read);
    return true;
}

bool BlobToFile(CAdoRecordSet& recordset, const std::string& column, const std::string& path) {
    std::string bytes;
    return ReadBlob(recordset, column, bytes) && sys::WriteFileAtomic(sys::NativePath(path), bytes);
}

bool WriteBlob(CAdoRecordSet& recordset, const std::string& column, const std::string& bytes) {
    return recordset.AppendChunk(column, bytes.data(), static_cast<long>(bytes.size())) != FALSE;
}

bool IsGuideStored(CAdoConnection& connection, const std::string& fund, const std::string& year) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    return rs.Open("select * from corvane_yearfundguide where " + GuideCondition(fund, year)) && !rs.IsEOF();
}

bool DeleteGuideRows(CAdoConnection& connection, const std::string& fund, const std::string& year) {
    const std::string condition = " where JJBH = " + db::QuoteLiteral(fund) + " and FBNF=" + db::QuoteLiteral(year);
    return connection.Execute("delete from corvane_yearfundguide" + condition) &&
           connection.Execute("delete from CORVANE_YEAR_STUDYASPECT" + condition) &&
           connection.Execute("delete from CORVANE_YEAR_STUDYSUBJECT" + condition);
}

bool WriteTopicScope(CAdoConnection& connection, const std::string& fund, const std::string& year,
                     const GuideFiles& files) {
    if (!sys::FileExists(sys::NativePath(files.topicFile))) return true;
    xmldom::Document document;
    if (!document.Load(files.topicFile)) return false;
    const std::vector<xmldom::Node> subjects = document.DocumentElement().ChildElements();
    if (subjects.empty()) return true;
    return AddSubjects(connection, fund, year, subjects, files) && AddDirections(connection, fund, year, subjects);
}

bool StoreGuide(CAdoConnection& connection, const std::string& fund, const std::string& name,
                const std::string& year, const GuideFiles& files, bool replace) {
    return db::InTransaction(connection, [&] {
        return (!replace || DeleteGuideRows(connection, fund, year)) &&
               AddGuideRow(connection, fund, name, year, files) && WriteTopicScope(connection, fund, year, files);
    });
}

bool DeleteGuide(CAdoConnection& connection, const std::string& fund, const std::string& year) {
    return db::InTransaction(connection, [&] { return DeleteGuideRows(connection, fund, year); });
}

bool LoadGuide(CAdoConnection& connection, const std::string& fund, const std::string& year,
               const GuideFiles& files) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_yearfundguide where " + GuideCondition(fund, year)) || rs.IsEOF()) return false;
    for (int i = 0; i < 3; ++i) BlobToFile(rs, kChapterColumns[i], files.chapters[i]);
    sys::MakeDirs(sys::NativePath(files.topicFolder));
    BlobToFile(rs, "XTFW", files.topicFile);
    rs.Close();
    if (rs.Open("select * from corvane_year_studysubject where " + GuideCondition(fund, year))) {
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string code;
            rs.GetString("ZTBH", code);
            BlobToFile(rs, "YJMD", sys::JoinPath(files.topicFolder, sys::FileName(guidefiles::PurposeFile(code))));
        }
    }
    return true;
}

std::vector<ListedGuide> ListGuides(CAdoConnection& connection, const std::string& firstYear,
                                    const std::string& lastYear, const std::string& selection) {
    const std::string years = "FBNF>= " + db::QuoteLiteral(firstYear) + " and FBNF<=" + db::QuoteLiteral(lastYear);
    const std::string sql = selection.empty() ? "select * from corvane_yearfundguide where " + years
                                              : selection + " and " + years;
    std::vector<ListedGuide> guides;
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open(sql + " order by fbnf,jjbh")) return guides;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ListedGuide guide;
        rs.GetString("JJBH", guide.fund);
        rs.GetString("ZNMC", guide.name);
        rs.GetString("FBNF", guide.year);
        guides.push_back(guide);
    }
    return guides;
}

bool OpenGuidesOfYear(CAdoRecordSet& rs, const std::string& year) {
    return rs.Open("select * from corvane_yearfundguide where FBNF = " + db::QuoteLiteral(year) +
                   " order by fbnf, jjbh") != FALSE;
}

std::vector<ListedGuide> SearchGuides(CAdoConnection& connection, const std::string& firstYear,
                                      const std::string& lastYear, const GuideSearch& search) {
    std::string conditions;
    const std::pair<const char*, const std::string*> fields[] = {
        {"jjbh", &search.fund}, {"znmc", &search.name}, {"fbnf", &search.year}};
    for (const auto& [column, value] : fields)
        if (!value->empty()) conditions += std::string(column) + " = " + db::QuoteLiteral(*value) + " and ";
    if (conditions.empty())
        return ListGuides(connection, firstYear, lastYear,
                          "select jjbh,znmc,fbnf from corvane_yearfundguide where jjbh is not null");
    conditions.resize(conditions.size() - 5);  // the last " and "
    return ListGuides(connection, firstYear, lastYear,
                      "select jjbh,znmc,fbnf from corvane_yearfundguide where " + conditions);
}

std::vector<FiveYearGuide> FiveYearGuides(CAdoConnection& connection, const std::string& period) {
    std::vector<FiveYearGuide> guides;
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_fivefundguide where FBNF=" + db::QuoteLiteral(period))) return guides;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        FiveYearGuide guide;
        rs.GetString("ZNMC", guide.name);
        rs.GetString("JJBH", guide.fund);
        guides.push_back(guide);
    }
    return guides;
}

bool LoadFiveYearChapters(CAdoConnection& connection, const std::string& fund, const std::string& period,
                          std::string& name, const std::string& overviewFile, const std::string& researchFile) {
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open("select * from corvane_fivefundguide where JJBH=" + db::QuoteLiteral(fund) +
                 " and FBNF=" + db::QuoteLiteral(period)) ||
        rs.IsEOF())
        return false;
    rs.GetString("ZNMC", name);
    BlobToFile(rs, "GS", overviewFile);
    BlobToFile(rs, "GNWYJQK", researchFile);
    return true;
}

RowTexts DirectedUnits(CAdoConnection& connection, const std::string& year, bool key, bool general) {
    if (!key && !general) return {};
    std::string sql =
        "select distinct corvane_unit.dwdm,dwmc from corvane_unit,corvane_year_studyaspect where "
        "corvane_unit.dwdm = corvane_year_studyaspect.dwdm and fbnf = " +
        db::QuoteLiteral(year);
    if (!general) sql += " and sfzdyjfx = '1'";
    else if (!key) sql += " and sfzdyjfx = '0'";
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open(sql)) return {};
    return ReadRowTexts(rs, 2);
}

RowTexts FindUnits(CAdoConnection& connection, const std::string& code, const std::string& name, long columns) {
    const std::string c = db::QuoteLiteral(code + "%"), n = db::QuoteLiteral("%" + name + "%");
    std::string sql;
    if (code.empty() && name.empty()) sql = "SELECT * FROM CORVANE_UNIT ORDER BY DWDM ASC";
    else if (name.empty()) sql = "SELECT * FROM CORVANE_UNIT where DWDM like " + c + " ORDER BY DWDM ASC";
    else if (code.empty()) sql = "SELECT * FROM CORVANE_UNIT where DWMC LIKE " + n + " ORDER BY DWDM ASC";
    else sql = "SELECT * FROM CORVANE_UNIT where DWDM like " + c + " and DWMC like " + n + " ORDER BY DWDM ASC";
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    if (!rs.Open(sql)) return {};
    return ReadRowTexts(rs, columns);
}

}  // namespace guidestore
