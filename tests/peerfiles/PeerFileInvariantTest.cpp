// Files from other offices, made from genuine exports and then changed as a
// peer's program, a damaged disk or a hostile sender changes them, imported
// through the real commands: at random for the project and guide bundles and
// row files, one crafted file at a time for the management lists' files, the
// data exchange's unit file, the five-year guide and the members text file
// (see "crafted files" below). After every import the database and the folders
// are checked against what they held before:
//  - rows of projects the file does not own are byte for byte as they were;
//  - a refused file (nothing counted) leaves the database as it was;
//  - what the message counts is what was stored: one counted file, its
//    project's main row stored once;
//  - files are written only in the folders chosen for them;
//  - a genuine file is accepted.
// The file owns the project its main part names. A failure prints the seed,
// the step and the changes made, so that the run can be replayed:
//
//   CORVANE_PEER_SEED=<n> CORVANE_PEER_STEPS=<n> build-test/tests/peerfiles_PeerFileInvariantTest
//
// Sequences the random run found are kept as plain tests beside the
// importers' own tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "achievement/ResultChangeBundle.h"
#include "platform/sys/Process.h"
#include "achievement/tests/ResultChangeTestSupport.h"
#include "achievement/tests/UnitTransferTestSupport.h"
#include "application/ApplicationBundleCommands.h"
#include "application/DlgImportPolicy.h"
#include "application/ProjectApplicationBundle.h"
#include "application/tests/ExchangeTestSupport.h"
#include "exchange/import/DlgProjectImport.h"
#include "followup/ProjectRowsFile.h"
#include "followup/SummaryBundle.h"
#include "guide_annual/DlgImportPolicy.h"
#include "guide_annual/GuideBundle.h"
#include "guide_annual/tests/GuideTestSupport.h"
#include "followup/tests/FollowupFilesTestSupport.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/Options.h"
#include "testsupport/CraftedBundle.h"
#include "testsupport/TempFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include "application/DlgAppMembers.h"
#include "application/tests/AppWriterTestSupport.h"
#include "exchange/import/DlgGuideImport.h"
#include "exchange/import/tests/ImportTestSupport.h"
#include "guide_annual/DlgImportPolicy.h"
#include "guide_fiveyear/FiveGuideBundle.h"
#include "guide_fiveyear/tests/FiveGuideTestSupport.h"
#include "platform/text/Text.h"
#include "sysmanage/DlgRepeatRecord.h"
#include "sysmanage/DlgUnitManage.h"
#include "sysmanage/tests/MasterListTestSupport.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

long EnvOr(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atol(value) : fallback;
}

// Every row of every table as one text of its quoted values, with its
// values as texts (to tell whose row it is once the import has run).
struct StoredRow {
    std::string quoted;
    std::vector<std::string> values;
};
using Database = std::map<std::string, std::vector<StoredRow>>;

// The rows that name one of the owned numbers in any column (as the database
// compares texts without case), and the others.
struct Snapshot {
    std::map<std::string, std::multiset<std::string>> owned, others;
};

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

Database Take(CAdoConnection& db) {
    Database rows;
    for (const auto& table : testdb::Query(db, "select name from sqlite_master where type='table' order by name")) {
        const Rows columns = testdb::Query(db, "select name from pragma_table_info(" + Quoted(table[0]) + ")");
        std::string values, plain;
        for (const auto& column : columns) {
            const std::string name = "\"" + column[0] + "\"";
            values += (values.empty() ? "" : " || '|' || ") + std::string("quote(") + name + ")";
            plain += ", " + name;
        }
        if (values.empty()) continue;
        auto& into = rows[table[0]];
        for (auto& row : testdb::Query(db, "select " + values + plain + " from \"" + table[0] + "\"")) {
            StoredRow stored{row[0], {}};
            stored.values.assign(row.begin() + 1, row.end());
            into.push_back(std::move(stored));
        }
    }
    return rows;
}

Snapshot Classify(const Database& rows, const std::set<std::string>& ownedNumbers) {
    Snapshot snapshot;
    for (const auto& [table, stored] : rows)
        for (const StoredRow& row : stored) {
            const bool owned = std::any_of(row.values.begin(), row.values.end(), [&](const std::string& value) {
                return std::any_of(ownedNumbers.begin(), ownedNumbers.end(),
                                   [&](const std::string& n) { return text::EqualsNoCase(value, n); });
            });
            (owned ? snapshot.owned : snapshot.others)[table].insert(row.quoted);
        }
    return snapshot;
}

std::string Difference(const std::map<std::string, std::multiset<std::string>>& before,
                       const std::map<std::string, std::multiset<std::string>>& after) {
    std::ostringstream out;
    std::set<std::string> tables;
    for (const auto& [t, rows] : before) tables.insert(t);
    for (const auto& [t, rows] : after) tables.insert(t);
    for (const std::string& t : tables) {
        const auto b = before.count(t) ? before.at(t) : std::multiset<std::string>{};
        const auto a = after.count(t) ? after.at(t) : std::multiset<std::string>{};
        std::vector<std::string> gone, added;
        std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(gone));
        std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(added));
        for (const auto& r : gone) out << "  " << t << " lost: " << r.substr(0, 200) << "\n";
        for (const auto& r : added) out << "  " << t << " gained: " << r.substr(0, 200) << "\n";
    }
    return out.str();
}

// Every file below the folders, with its size and time, apart from the
// database's own and the program's logs.
std::map<std::string, std::string> Files(const std::vector<std::string>& folders) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    for (const std::string& folder : folders) {
        std::error_code error;
        for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::end(it);
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name.find(".mdb") != std::string::npos || name.find(".db") != std::string::npos ||
                name == "error.log" || name == "error.txt")
                continue;
            if (!it->is_regular_file()) continue;
            files[it->path().string()] =
                std::to_string(it->file_size()) + "@" +
                std::to_string(it->last_write_time().time_since_epoch().count());
        }
    }
    return files;
}

// One importer as the runs see it.
struct Subject {
    std::string extension;
    std::optional<char> marker;
    bool container = true;  // false: the file is its one part as it stands (a saved recordset)
    std::vector<std::string> genuine;  // the parts of a genuine export
    std::string number;                // the project it carries
    std::vector<std::string> numbers;  // others stored, and malformed ones
    std::vector<std::pair<std::size_t, std::string>> values;  // texts of the main part to make hostile
    std::vector<std::string> foreignParts;                    // parts of another kind of bundle
    std::vector<std::string> watched;  // folders where nothing may appear
    std::vector<std::string> allowed;  // folders of the files an import writes
    // Imports every bundle of the folder, the overwrite question answered as
    // told; the messages shown.
    std::function<std::vector<std::string>(const std::string& folder, bool replace)> import;
    std::function<void(std::mt19937&)> before;  // the stored state a step starts from
    // The numbers of the stored projects, for an importer that stores a
    // project under a number of its own.
    std::function<std::set<std::string>()> mainNumbers;
    bool ownsItsNumber = true;  // false: the file's project is always stored anew
    std::string mainTable, keyColumn;  // where a project's main row is
    CAdoConnection* db = nullptr;
    // What of the stored state no view could show after an import (empty
    // when all is sound).
    std::function<std::string()> unsound;
};

// The parts of the other kinds of bundle, exported from a project stored
// only for this and removed again.
std::vector<std::string> ForeignParts(CAdoConnection& db, const std::string& folder) {
    const std::string number = "9140C030303080009001";
    testdb::Seed(db, {"corvane_itemappinfo", {"XMBH", "XMMC", "SQZNDM", "NF", "DWDM"},
                      {{number, "外来", "9140C030303", "2008", "0009"}}});
    testdb::Seed(db, {"corvane_project_sqcy", {"ITE_XMBH", "XM"}, {{number, "外人"}}});
    testdb::Seed(db, {"corvane_itemcheckaccept", {"XMBH", "BACKUPNAME"}, {{number, "外来总结"}}});
    testdb::Seed(db, {"corvane_cghz", {"XMBH", "MC"}, {{number, "外来成果"}}});
    testdb::Seed(db, {"CORVANE_NEW_RESULTCHANGE", {"XMBH", "XMMC"}, {{number, "外来转化"}}});
    EXPECT_TRUE(ProjectApplicationBundle(db).Export(number, folder));
    EXPECT_EQ(SummaryBundle(db, SummaryBundle::Variant::AcceptanceSummary).Export(number, folder),
              SummaryBundle::ExportResult::Exported);
    EXPECT_TRUE(resultchange::WriteBundle(db, number, folder));
    std::vector<std::string> parts;
    for (const auto& [file, count] : std::vector<std::pair<std::string, std::size_t>>{
             {ProjectApplicationBundle::FileName(number), 2}, {number + ".prosum", 2},
             {sys::FileName(resultchange::BundlePath(folder, number)), 6}}) {
        const auto more = crafted::Parts(sys::JoinPath(folder, file), std::nullopt, count);
        parts.insert(parts.end(), more.begin(), more.end());
        sys::RemoveFile(sys::JoinPath(folder, file));
    }
    for (const char* table : {"corvane_itemappinfo", "corvane_itemcheckaccept", "corvane_cghz", "CORVANE_NEW_RESULTCHANGE"})
        testdb::Exec(db, std::string("delete from ") + table + " where XMBH='" + number + "'");
    testdb::Exec(db, "delete from corvane_project_sqcy where ITE_XMBH='" + number + "'");
    return parts;
}

// A file made from the genuine parts, and how it was made.
struct Made {
    std::vector<std::string> parts;
    std::string cut;  // the packed bytes cut short; empty: whole
    bool truncated = false;
    std::vector<std::string> how;
};

const std::vector<std::string> kHostile = {"1e39", "-5", "abc", "inf", "nan", "922337203685477.5808", "",
                                           "'; drop table x; --", std::string(300, '9')};

std::string LongName() {
    std::string name;
    for (int i = 0; i < 200; ++i) name += "长";
    return name;
}

// Replaces, in one part, every quoted occurrence of a value.
bool ReplaceValue(std::string& part, const std::string& from, const std::string& to) {
    bool any = false;
    for (const char quote : {'\'', '"'}) {
        const std::string f = quote + from + quote, t = quote + to + quote;
        for (std::size_t at = part.find(f); at != std::string::npos; at = part.find(f, at + t.size())) {
            part.replace(at, f.size(), t);
            any = true;
        }
    }
    return any;
}

std::string XmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '\'') out += "&apos;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

void Mutate(const Subject& s, Made& made, std::mt19937& random) {
    auto pick = [&](std::size_t n) { return std::size_t(random() % n); };
    auto& parts = made.parts;
    const std::size_t part = pick(parts.size());
    switch (pick(10)) {
    case 0: {  // the number changed in every part, in the main part only, or in one other part
        const std::string to = XmlEscaped(s.numbers[pick(s.numbers.size())]);
        const int where = int(pick(3));
        for (std::size_t p = 0; p < parts.size(); ++p)
            if (where == 0 || (where == 1 && p == 0) || (where == 2 && p == part))
                ReplaceValue(parts[p], s.number, to);
        made.how.push_back("number -> '" + to + "' in " +
                           (where == 0 ? "every part" : "part " + std::to_string(where == 1 ? 0 : part)));
        break;
    }
    case 1: {
        const std::size_t other = pick(parts.size());
        std::swap(parts[part], parts[other]);
        made.how.push_back("parts " + std::to_string(part) + " and " + std::to_string(other) + " swapped");
        break;
    }
    case 2:
        if (parts[part].find("<rs:data>") != std::string::npos) {
            const std::size_t data = parts[part].find("<rs:data>"), end = parts[part].find("</rs:data>");
            if (end != std::string::npos) parts[part].erase(data + 9, end - data - 9);
        }
        made.how.push_back("rows of part " + std::to_string(part) + " dropped");
        break;
    case 3: {
        std::string& xml = parts[part];
        const std::size_t begin = xml.find("<z:row");
        if (begin != std::string::npos) {
            const std::size_t end = xml.find("/>", begin) + 2;
            const int copies = 1 + int(pick(2));
            for (int i = 0; i < copies; ++i) xml.insert(end, xml.substr(begin, end - begin));
        }
        made.how.push_back("first row of part " + std::to_string(part) + " repeated");
        break;
    }
    case 4: {  // a row of this part copied with another project's number
        std::string& xml = parts[part];
        const std::size_t begin = xml.find("<z:row");
        if (begin != std::string::npos) {
            const std::size_t end = xml.find("/>", begin) + 2;
            std::string row = xml.substr(begin, end - begin);
            const std::string to = XmlEscaped(s.numbers[pick(s.numbers.size())]);
            ReplaceValue(row, s.number, to);
            xml.insert(end, row);
            made.how.push_back("a row of part " + std::to_string(part) + " naming '" + to + "' added");
        }
        break;
    }
    case 5:
        if (!s.values.empty()) {
            const auto& [p, from] = s.values[pick(s.values.size())];
            const std::string to = XmlEscaped(kHostile[pick(kHostile.size())]);
            if (p < parts.size()) ReplaceValue(parts[p], from, to);
            made.how.push_back("value '" + from + "' of part " + std::to_string(p) + " -> '" + to.substr(0, 30) + "'");
        }
        break;
    case 6:
        if (!s.values.empty()) {
            const auto& [p, from] = s.values[pick(s.values.size())];
            if (p < parts.size()) ReplaceValue(parts[p], from, LongName());
            made.how.push_back("value '" + from + "' of part " + std::to_string(p) + " -> 200 characters");
        }
        break;
    case 7:
        if (!s.foreignParts.empty()) {
            parts[part] = s.foreignParts[pick(s.foreignParts.size())];
            made.how.push_back("part " + std::to_string(part) + " from another kind of bundle");
        }
        break;
    case 8:
        made.truncated = true;
        made.how.push_back("cut short");
        break;
    default:
        made.how.push_back("unchanged");
        break;
    }
}

// The numbers the main part names, of those the run knows; without a main
// row, those its other parts name.
std::set<std::string> OwnedBy(const Subject& s, const std::vector<std::string>& parts) {
    std::set<std::string> owned;
    std::vector<std::string> candidates = s.numbers;
    candidates.push_back(s.number);
    for (std::size_t p = 0; p < parts.size(); ++p) {
        if (p > 0 && (!owned.empty() || parts[0].find("<z:row") != std::string::npos)) break;
        for (const std::string& number : candidates) {
            const std::string escaped = XmlEscaped(number);
            if (parts[p].find("'" + escaped + "'") != std::string::npos ||
                parts[p].find("\"" + escaped + "\"") != std::string::npos)
                owned.insert(number);
        }
    }
    owned.erase("");  // a row without a number owns nothing
    return owned;
}

// Runs an import command with the folder chosen and, when given, the first
// question answered so; whatever else is asked is answered as closed. The
// texts of the message boxes shown.
std::vector<std::string> MessagesOf(const std::string& folder, std::optional<int> firstAnswer,
                                    const std::function<void()>& command,
                                    const std::function<void(ui::TestDriver&)>& beforeFolder = {}) {
    ui::TestDriver answers;
    if (beforeFolder) beforeFolder(answers);
    answers.AnswerFolder(folder);
    if (firstAnswer) answers.AnswerMessageBox(*firstAnswer);
    answers.AnswerTheRest([](ui::Dialog&) {});
    command();
    std::vector<std::string> texts;
    for (const auto& call : answers.MessageBoxes()) texts.push_back(call.text);
    return texts;
}

int CountIn(const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        const std::size_t at = message.find("共导入了");
        if (at != std::string::npos) return std::atoi(message.c_str() + at + std::string("共导入了").size());
    }
    return -1;
}

void RunSteps(Subject& s, testsupport::TempFolder& scratch) {
    const long seed = EnvOr("CORVANE_PEER_SEED", 22), steps = EnvOr("CORVANE_PEER_STEPS", 25);
    std::mt19937 random(std::uint32_t(seed * 7919 + long(s.extension.size())));
    std::map<int, int> counted;
    for (long step = 0; step < steps; ++step) {
        s.before(random);
        Made made{s.genuine};
        const int changes = step == 0 ? 0 : 1 + int(random() % 2);
        for (int i = 0; i < changes; ++i) Mutate(s, made, random);
        if (changes == 0) made.how.push_back("unchanged");
        const bool genuine = made.parts == s.genuine && !made.truncated;
        std::string bytes = s.container ? LengthPrefixedContainer::Pack(s.marker, made.parts) : made.parts[0];
        if (made.truncated) bytes.resize(random() % bytes.size());
        const std::string folder = scratch.File("step" + std::to_string(step));
        ASSERT_TRUE(sys::MakeDirs(folder));
        const std::string name = s.number + "." + s.extension;
        ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(folder, name), bytes));

        std::set<std::string> owned =
            made.truncated || !s.ownsItsNumber ? std::set<std::string>{} : OwnedBy(s, made.parts);
        const Database stored = Take(*s.db);
        const std::set<std::string> numbersBefore = s.mainNumbers ? s.mainNumbers() : std::set<std::string>{};
        std::vector<std::string> watched = s.watched;
        watched.push_back(folder);
        const auto filesBefore = Files(watched);
        const bool replace = random() % 4 != 0;
        const std::vector<std::string> messages = s.import(folder, replace);
        const auto filesAfter = Files(watched);
        // A project stored under a number of its own is the file's too.
        if (s.mainNumbers)
            for (const std::string& number : s.mainNumbers())
                if (!numbersBefore.count(number)) owned.insert(number);
        const Snapshot before = Classify(stored, owned), after = Classify(Take(*s.db), owned);

        std::ostringstream trace;
        trace << "seed " << seed << " step " << step << " (" << s.extension << "), "
              << (replace ? "replacing" : "keeping") << " a stored record:";
        for (const std::string& how : made.how) trace << " [" << how << "]";
        trace << "\nmessages:";
        for (const std::string& m : messages) trace << " \"" << m << "\"";
        SCOPED_TRACE(trace.str());

        const int count = CountIn(messages);
        ASSERT_GE(count, 0) << "no count in the messages";
        EXPECT_LE(count, 1);
        EXPECT_TRUE(before.others == after.others) << "rows the file does not own changed:\n"
                                                   << Difference(before.others, after.others);
        if (count == 0) {
            EXPECT_TRUE(before.owned == after.owned && numbersBefore == (s.mainNumbers ? s.mainNumbers() : numbersBefore)) << "a refused file changed rows:\n"
                                                     << Difference(before.owned, after.owned);
        }
        if (count == 1) {
            // Each step starts without the genuine file's record or with one
            // that differs from it (other projects may hold what an earlier
            // step stored).
            EXPECT_FALSE(owned.empty()) << "counted a file that names no project";
            if (!s.ownsItsNumber || owned == std::set<std::string>{s.number}) {
                EXPECT_FALSE(before.owned == after.owned) << "counted a file of which nothing was stored";
            }
            std::string numbers;
            for (const std::string& number : owned) numbers += (numbers.empty() ? "" : ", ") + Quoted(number);
            const long mainRows =
                testdb::Count(*s.db, "select 1 from " + s.mainTable + " where " + s.keyColumn + " in (" + numbers + ")");
            // A guide bundle of subjects and directions only brings no guide row.
            if (made.parts[0].find("<z:row") != std::string::npos) {
                EXPECT_EQ(mainRows, 1) << "a counted file is one project's main row";
            }
            for (const auto& [table, rows] : after.owned)
                for (const std::string& row : rows)
                    EXPECT_TRUE(row.find("e+999") == std::string::npos && row.find("Inf") == std::string::npos)
                        << "an amount out of range stored in " << table << ": " << row.substr(0, 300);
        }
        if (genuine && replace) {
            EXPECT_EQ(count, 1) << "a genuine file was refused";
        }
        for (const auto& [path, stamp] : filesAfter) {
            if (filesBefore.count(path) && filesBefore.at(path) == stamp) continue;
            // The program's own scratch folder (and its lock) under temp.
            if (path.rfind(sys::ScratchFolder(), 0) == 0) continue;
            const bool inAllowed = std::any_of(s.allowed.begin(), s.allowed.end(), [&](const std::string& a) {
                return path.rfind(a + "/", 0) == 0;
            });
            EXPECT_TRUE(inAllowed && count == 1) << "file written: " << path;
        }
        if (s.unsound) EXPECT_EQ(s.unsound(), "");
        if (testing::Test::HasFailure()) return;
        ++counted[count];
    }
    // A run that never stores or never refuses checks little.
    EXPECT_GT(counted[1], 0);
    EXPECT_GT(counted[0], 0);
    std::cout << s.extension << ": " << counted[1] << " files accepted, " << counted[0] << " refused\n";
}

}  // namespace

// ---- achievement-transfer bundles ----

class ResultChangePeerFiles : public ResultChangeTest {
protected:
    void SetUp() override {
        ResultChangeTest::SetUp();
        StoreRecord("A-001", {{"XMMC", "甲"}, {"XMJF", "30"}, {"CHECK13", "是"}}, {{"JSYYQJ", "前景甲"}});
        StoreChildRows(resultchange::kJcyj, "A-001", {{"张三", "一所", "材料"}, {"李四", "二所", "力学"}});
        StoreChildRows(resultchange::kGzzdlist, "A-001", {{"类型", "办法", "2008"}});
        StoreRecord("A-002", {{"XMMC", "乙"}, {"XMJF", "12"}});
        StoreChildRows(resultchange::kJcyj, "A-002", {{"王五", "三所", "化学"}});
        OpenView();
    }
    testsupport::TempFolder out;
};

TEST_F(ResultChangePeerFiles, FilesFromOutsideChangeNothingTheyDoNotOwn) {
    ASSERT_TRUE(resultchange::WriteBundle(db, "A-001", out.Path()));
    Subject s;
    s.foreignParts = ForeignParts(db, out.File("foreign"));
    s.extension = "cgzh";
    s.mainTable = "CORVANE_NEW_RESULTCHANGE";
    s.keyColumn = "XMBH";
    s.genuine = crafted::Parts(resultchange::BundlePath(out.Path(), "A-001"), std::nullopt, 6);
    ASSERT_EQ(s.genuine.size(), 6u);
    s.number = "A-001";
    s.numbers = {"A-002", "A-003", "", "X", "../../x", "a-001"};
    s.values = {{0, "甲"}, {0, "30"}, {0, "是"}, {1, "张三"}, {1, "一所"}};
    s.watched = {Folder(), out.Path()};
    s.db = &db;
    const std::string snapshotFile = out.File("genuine.sqlite");
    s.before = [&](std::mt19937& random) {
        // The project the genuine file carries stored, changed, or not stored.
        testdb::Exec(db, "delete from CORVANE_NEW_RESULTCHANGE where XMBH in ('A-001', 'A-003')");
        for (const auto& table : resultchange::ChildTables())
            testdb::Exec(db, "delete from " + table.table + " where ITEM_XMBH not in ('A-002')");
        if (random() % 2) {
            StoreRecord("A-001", {{"XMMC", "已存"}, {"XMJF", "7"}});
            StoreChildRows(resultchange::kJcyj, "A-001", {{"已存", "所", "学"}});
        }
    };
    s.import = [&](const std::string& folder, bool replace) {
        return MessagesOf(folder, replace ? IDOK : IDCANCEL, [&] { view->m_dlgList.OnBtnImport(); });
    };
    testsupport::TempFolder scratch;
    RunSteps(s, scratch);
}

// ---- summary bundles ----

class SummaryPeerFiles : public FollowupFilesTest {
protected:
    static constexpr const char* kNumber = "9140A01010108U001001";
    static constexpr const char* kOther = "9140B02020208U002001";
    void StoreSummary(const std::string& number, const std::string& name, const std::string& attachName) {
        StoreRow("corvane_itemcheckaccept",
                 {{"XMBH", number}, {"BACKUPNAME", name}, {"SJWCR", "张三"}, {"ATTACHNAME", attachName},
                  {"FINALSCORE", "91"}, {"WCSJ", "2010/01/02"}},
                 {{"WCQKJJ", "{\\rtf1 完成情况}"}, {"ATTACH", std::string("%PDF\0\x01 bytes", 12)}});
    }
    void StoreAchievement(const std::string& number, const std::string& name) {
        StoreRow("corvane_cghz", {{"XMBH", number}, {"MC", name}, {"LX", "论文"}, {"TIME", "2010-05"}, {"BZ", "备注"}});
    }
};

TEST_F(SummaryPeerFiles, FilesFromOutsideChangeNothingTheyDoNotOwn) {
    SetRole(1);
    for (const char* number : {kNumber, kOther})
        StoreRow("corvane_itemappinfo", {{"XMBH", number}, {"XMLB", "共性技术基金——重点项目"}, {"XMMC", "甲"}});
    StoreSummary(kNumber, "验收项目", "报告.pdf");
    StoreAchievement(kNumber, "论文一");
    StoreAchievement(kNumber, "论文二");
    StoreSummary(kOther, "他项", "他.pdf");
    StoreAchievement(kOther, "他文");
    ASSERT_EQ(SummaryBundle(connection, SummaryBundle::Variant::AcceptanceSummary).Export(kNumber, files.Path()),
              SummaryBundle::ExportResult::Exported);
    Subject s;
    s.foreignParts = ForeignParts(connection, files.File("foreign"));
    s.extension = "prosum";
    s.mainTable = "corvane_itemcheckaccept";
    s.keyColumn = "XMBH";
    s.genuine = crafted::Parts(files.File(std::string(kNumber) + ".prosum"), std::nullopt, 2);
    ASSERT_EQ(s.genuine.size(), 2u);
    s.number = kNumber;
    s.numbers = {kOther, "9140A01010108U001002", "", "X", "../../x", "9140a01010108u001001"};
    s.values = {{0, "验收项目"}, {0, "张三"}, {0, "报告.pdf"}, {1, "论文一"}, {1, "2010-05"}};
    const std::string save = files.File("save");
    ASSERT_TRUE(sys::MakeDirs(save));
    COptions options;
    options.SetAcceptDir(save);
    options.Save();
    s.watched = {Folder(), files.Path()};
    s.allowed = {save};
    s.db = &connection;
    s.before = [&](std::mt19937& random) {
        SetRole(random() % 2 ? 1 : 2);
        Exec(std::string("delete from corvane_itemcheckaccept where XMBH<>'") + kOther + "'");
        Exec(std::string("delete from corvane_cghz where XMBH<>'") + kOther + "'");
        if (random() % 2) {
            StoreSummary(kNumber, "已存", "旧.pdf");
            StoreAchievement(kNumber, "已存");
        }
    };
    s.import = [&](const std::string& folder, bool replace) {
        return MessagesOf(folder, replace ? IDOK : IDCANCEL, [&] {
            SummaryBundle(connection, SummaryBundle::Variant::AcceptanceSummary).OnBtnImport();
        });
    };
    testsupport::TempFolder scratch;
    RunSteps(s, scratch);
}

// ---- application bundles ----

class ApplicationPeerFiles : public ExchangeTest {};

TEST_F(ApplicationPeerFiles, FilesFromOutsideChangeNothingTheyDoNotOwn) {
    const std::string code = "9140A010108080001001", other = "9140A010108080002001";
    const std::vector<exchangetest::Member> members = {{"张三", "男", "40", "教授", "一所", "12", "总体"},
                                                       {"李四", "女", "35", "讲师", "二所", "6", "试验"}};
    StoreProject(code, exchangetest::WithCodesOf(code, {{"XMMC", "项目甲"}, {"SQJE", "120"}, {"DOCNAME", "申请书.doc"}}),
                 {{"DOC", std::string("DOC\0bytes", 9)}}, members);
    StoreProject(other, exchangetest::WithCodesOf(other, {{"XMMC", "项目乙"}, {"SQJE", "80"}}), {},
                 {{"王五", "男", "50", "研究员", "三所", "10", "总体"}});
    ASSERT_TRUE(ProjectApplicationBundle(connection).Export(code, files.Path()));
    Subject s;
    s.foreignParts = ForeignParts(connection, files.File("foreign"));
    s.extension = "proapp";
    s.mainTable = "corvane_itemappinfo";
    s.keyColumn = "XMBH";
    s.genuine = crafted::Parts(files.File(ProjectApplicationBundle::FileName(code)), std::nullopt, 2);
    ASSERT_EQ(s.genuine.size(), 2u);
    s.number = code;
    s.numbers = {other, "9140A010109080001001", "9140A010108080003001", "", "X", "../../../../x"};
    s.values = {{0, "项目甲"}, {0, "120"}, {0, "申请书.doc"}, {0, "0001"}, {0, "2008"}, {1, "张三"}, {1, "40"}};
    s.ownsItsNumber = false;
    const std::string save = files.File("save");
    ASSERT_TRUE(sys::MakeDirs(save));
    COptions options;
    options.SetAppDir(save);
    options.Save();
    s.watched = {Folder(), files.Path()};
    s.allowed = {save};
    s.db = &connection;
    s.mainNumbers = [&] {
        std::set<std::string> numbers;
        for (const auto& row : Codes()) numbers.insert(row[0]);
        return numbers;
    };
    bool partial = false;
    s.before = [&](std::mt19937& random) {
        exchangetest::SetRole(random() % 2 ? 0 : 2);
        partial = random() % 2;
        // Projects a step stored are removed; the two of the office stay.
        Exec("delete from corvane_project_sqcy where ite_xmbh not in ('" + code + "', '" + other + "')");
        Exec("delete from corvane_itemappinfo where xmbh not in ('" + code + "', '" + other + "')");
    };
    s.import = [&](const std::string& folder, bool) {
        return MessagesOf(folder, std::nullopt, [&] {
            ApplicationBundleCommands commands(connection);
            partial ? commands.OnBtnImportPartial() : commands.OnBtnImport();
        });
    };
    testsupport::TempFolder scratch;
    RunSteps(s, scratch);
}

// ---- annual guide bundles ----

class GuidePeerFiles : public GuideTest {};

TEST_F(GuidePeerFiles, FilesFromOutsideChangeNothingTheyDoNotOwn) {
    CAdoConnection connection;
    ASSERT_TRUE(ConnectGuideDatabase(connection));
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    guidetest::StoreSimpleGuide("9140A02", "指南二", "2007");
    guidetest::StoreSimpleGuide("9140A03", "指南三", "2007");
    testsupport::TempFolder out;
    ASSERT_TRUE(GuideBundle::Export(connection, "9140A01", "2007", out.Path(), "2024-05-06"));
    Subject s;
    s.extension = "fund";
    s.mainTable = "corvane_yearfundguide";
    s.keyColumn = "JJBH";
    s.marker = GuideBundle::kAnnualMarker;
    s.genuine = crafted::Parts(out.File(GuideBundle::FileName("9140A01", "2007", "2024-05-06")), '1', 3);
    ASSERT_EQ(s.genuine.size(), 3u);
    s.number = "9140A01";
    s.numbers = {"9140A02", "9140A03", "9140A04", "", "X", "../../x", "9140a01"};
    s.values = {{0, "指南一"}, {0, "2007"}, {1, "专题甲"}, {1, "9140A0101"}, {2, "方向甲"}, {2, "2007"}};
    s.watched = {Folder(), out.Path()};
    s.db = &connection;
    int policy = 0;
    s.before = [&](std::mt19937& random) {
        for (const char* table : {"corvane_yearfundguide", "corvane_year_studysubject", "corvane_year_studyaspect"})
            testdb::Exec(connection, std::string("delete from ") + table +
                                         " where JJBH not in ('9140A02', '9140A03')");
        if (random() % 2) {
            // Stored here with other subjects and directions than the file's.
            guidetest::StoreSimpleGuide("9140A01", "本地修改", "2007");
            testdb::Exec(connection, "update corvane_year_studysubject set ZTMC='本地专题' where JJBH='9140A01'");
            testdb::Exec(connection, "update corvane_year_studyaspect set YJFXMC='本地方向' where JJBH='9140A01'");
        }
        policy = int(random() % 2) * 2;  // 0 overwrite or 2 ask; a kept guide is the declined answer
    };
    CDlgOneGuide& view = OpenView("2006-2010");
    s.import = [&](const std::string& folder, bool replace) {
        const int chosen = replace ? policy : (policy == 2 ? 2 : 1);
        return MessagesOf(
            folder, chosen == 2 ? std::optional<int>(replace ? IDYES : IDNO) : std::nullopt, [&] { view.OnBtnImport(); },
            [&](ui::TestDriver& answers) {
                answers.OnModal<annualguide::CDlgImportPolicy>([chosen](annualguide::CDlgImportPolicy& dlg) {
                    dlg.CheckDlgButton(annualguide::CDlgImportPolicy::IDC_OVERWRITE, chosen == 0);
                    dlg.CheckDlgButton(annualguide::CDlgImportPolicy::IDC_KEEP, chosen == 1);
                    dlg.CheckDlgButton(annualguide::CDlgImportPolicy::IDC_ASK, chosen == 2);
                    dlg.Click(IDOK);
                });
            });
    };
    testsupport::TempFolder scratch;
    RunSteps(s, scratch);
}

// ---- plan and acceptance files, in the follow-up forms and the data exchange ----

class RowFilePeerFiles : public FollowupFilesTest {
protected:
    static constexpr const char* kNumber = "9140A01010108U001001";
    static constexpr const char* kOther = "9140B02020208U002001";
    void StorePlan(const std::string& number, const std::string& progress, const std::string& funds) {
        StoreRow("corvane_itemyearplan", {{"XMBH", number}, {"NF", "第一年度"}, {"JDYQ", progress}, {"NDJF", funds}, {"BZ", "备注"}},
                 {{"NDYJMUYNR", "{\\rtf1 目标}"}, {"NDWCXS", "{\\rtf1 形式}"}, {"YBJJXGBCSM", "{\\rtf1 说明}"}});
    }
    void StoreReport(const std::string& number, const std::string& contributors) {
        StoreRow("corvane_itemcheckaccept", {{"XMBH", number}, {"WCSJ", "2010/01/02"}, {"SJWCR", contributors}, {"BACKUPNAME", "名称"}},
                 {{"YJNR", "{\\rtf1 内容}"}, {"DWYSYJ", "{\\rtf1 意见}"}});
    }
    // One run over the format's files, imported through the exchange's view or the follow-up form's command.
    void Run(const ProjectRowsFormat& format, bool exchange) {
        for (const char* number : {kNumber, kOther}) StoreRow("corvane_itemappinfo", {{"XMBH", number}, {"XMMC", "甲"}});
        const bool plan = &format == &YearPlanFormat();
        auto store = [&](const std::string& number, bool changed) {
            if (plan) StorePlan(number, changed ? "已存" : "进度", changed ? "7" : "5");
            else StoreReport(number, changed ? "已存" : "张三");
        };
        store(kNumber, false);
        store(kOther, false);
        ASSERT_EQ(ProjectRowsFile(connection, format).ExportProject(kNumber, files.Path()),
                  ProjectRowsFile::ExportResult::Exported);
        Subject s;
        s.foreignParts = ForeignParts(connection, files.File("foreign"));
        s.extension = format.extension;
        s.container = false;
        s.mainTable = format.table;
        s.keyColumn = "XMBH";
        s.genuine = {ReadBytes(files.File(std::string(kNumber) + "." + format.extension))};
        s.number = kNumber;
        s.numbers = {kOther, "9140A01010108U001002", "", "X", "../../x", "9140a01010108u001001"};
        if (plan) s.values = {{0, "5"}, {0, "进度"}, {0, "备注"}, {0, "第一年度"}};
        else s.values = {{0, "张三"}, {0, "2010/01/02"}, {0, "名称"}};
        s.watched = {Folder(), files.Path()};
        s.db = &connection;
        // The project's plan rows are of the years one plan has.
        if (plan)
            s.unsound = [&] {
                std::vector<std::string> years;
                std::string told = "plan years:";
                for (const auto& row : Query(std::string("select NF from corvane_itemyearplan where XMBH = '") + kNumber + "'")) {
                    years.push_back(row[0]);
                    told += " '" + row[0] + "'";
                }
                return PlanYearsAgree(years) ? std::string() : told;
            };
        s.before = [&](std::mt19937& random) {
            Exec(std::string("delete from ") + format.table + " where XMBH <> '" + kOther + "'");
            if (random() % 2) store(kNumber, true);
        };
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        ui::Dialog host(hostTemplate);
        CDlgProjectImport view;
        if (exchange) {
            host.Create();
            view.CreateView(&host, {0, 0, 900, 700});
            view.OnInitialUpdate();
        }
        s.import = [&](const std::string& folder, bool replace) {
            // The follow-up form asks the policy first; closing the dialog keeps the one given.
            auto closePolicy = [&](ui::TestDriver& answers) {
                if (!exchange) answers.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dialog) { dialog.Click(IDCANCEL); });
            };
            return MessagesOf(folder, std::nullopt, [&] {
                if (exchange) {
                    view.m_nPolicy = replace ? 0 : 1;
                    view.UpdateData(FALSE);
                    view.Click(plan ? CDlgProjectImport::IDC_BTN_IMPORT_DRAFT : CDlgProjectImport::IDC_BTN_IMPORT_AUDIT);
                } else {
                    DuplicatePolicy policy = replace ? duplicate_policy::Overwrite : duplicate_policy::KeepExisting;
                    ProjectRowsFile(connection, format).ImportFolder(policy);
                }
            }, closePolicy);
        };
        testsupport::TempFolder scratch;
        RunSteps(s, scratch);
        if (exchange) view.DestroyWindow();
    }
};

TEST_F(RowFilePeerFiles, PlanFilesInTheFollowUpForm) { Run(YearPlanFormat(), false); }
TEST_F(RowFilePeerFiles, PlanFilesInTheExchange) { Run(YearPlanFormat(), true); }
TEST_F(RowFilePeerFiles, AcceptanceFilesInTheFollowUpForm) { Run(AcceptanceFormat(), false); }
TEST_F(RowFilePeerFiles, AcceptanceFilesInTheExchange) { Run(AcceptanceFormat(), true); }

// ---- unit achievement-transfer bundles ----

class UnitChangePeerFiles : public UnitTransferTest {};

TEST_F(UnitChangePeerFiles, FilesFromOutsideChangeNothingTheyDoNotOwn) {
    for (const char* code : {"U001", "U002"})
        testdb::Exec(db, std::string("insert or ignore into CORVANE_UNIT (DWDM, DWMC) values ('") + code + "', '单位')");
    Store(Distinct("U001", "第一研究所"));
    Store(Distinct("U002", "第二研究所"));
    testsupport::TempFolder out;
    CAdoRecordSet rs;
    rs.SetConnection(&db);
    rs.SetCursorLocation(adUseClient);
    std::string part;
    ASSERT_TRUE(rs.Open("select * from CORVANE_RESULT_UNITCHANGE where DWDM = 'U001'") &&
                rs.Save(out.File("part.xml"), adPersistXML) && sys::ReadFile(out.File("part.xml"), part));
    rs.Close();
    Subject s;
    s.foreignParts = ForeignParts(db, out.File("foreign"));
    s.extension = "prosum";
    s.mainTable = "CORVANE_RESULT_UNITCHANGE";
    s.keyColumn = "DWDM";
    s.genuine = {part};
    s.number = "U001";
    s.numbers = {"U002", "9999", "", "X", "../../x", "u001"};
    s.values = {{0, "第一研究所"}, {0, "cdxmzs-U001"}, {0, "cdxmzjf-U001"}};
    s.watched = {Folder(), out.Path()};
    s.db = &db;
    s.before = [&](std::mt19937& random) {
        testdb::Exec(db, "delete from CORVANE_RESULT_UNITCHANGE where DWDM <> 'U002'");
        if (random() % 2) Store(Distinct("U001", "已存"));
    };
    CDlgUCGHZ& view = OpenView();
    s.import = [&](const std::string& folder, bool replace) {
        return MessagesOf(folder, replace ? IDOK : IDCANCEL, [&] { view.m_dlgList.OnBtnImport(); });
    };
    testsupport::TempFolder scratch;
    RunSteps(s, scratch);
}

// ---- crafted files of the master-data, five-year guide and member imports ----
//
// Each of these importers meets its genuine file and, one at a time, the
// files a peer's old program, a damaged disk or a hostile sender makes of
// it. After every file: a refused file changed nothing and is named with its
// reason in the user's words; a file of which some rows were refused names
// them and changed nothing it does not own; the genuine file stored what it
// carries value for value and nothing else.

namespace {

struct CraftedFile {
    enum class Kind { Refused, RowsRefused, Genuine };
    enum class Make { Bytes, Fifo, Oversize, Device };
    std::string what;
    Kind kind = Kind::Refused;
    std::string bytes;
    std::string reason;  // words the messages hold (the file's name too, unless rows are named)
    Make make = Make::Bytes;
};

struct CraftedRun {
    std::string extension;
    std::vector<CraftedFile> files;
    // Imports the file (or, for a folder import, the folder it is in); the
    // messages shown.
    std::function<std::vector<std::string>(const std::string& path)> import;
    bool folderImport = false;
    std::uint64_t bound = sys::kMaxInputFileBytes;
    std::function<void()> before;        // the state each file starts from
    std::function<std::string()> state;  // all an import may change
    std::function<std::string()> others;  // what the genuine file does not own
    std::function<Rows()> stored;         // what it owns, as stored
    Rows expected;                        // ... once the genuine file came in
};

std::string Dump(const std::map<std::string, std::multiset<std::string>>& rows) {
    std::string out;
    for (const auto& [table, stored] : rows)
        for (const std::string& row : stored) out += table + ": " + row + "\n";
    return out;
}

std::string Dump(const Database& rows) {
    std::string out;
    for (const auto& [table, stored] : rows)
        for (const StoredRow& row : stored) out += table + ": " + row.quoted + "\n";
    return out;
}

// The files every importer of saved recordsets meets, made from its genuine
// file: `value` is a text of a row to spoil, `foreign` a file of another kind.
std::vector<CraftedFile> RecordsetVariants(const std::string& genuine, const std::string& value,
                                           const std::string& foreign, const std::string& kind) {
    using K = CraftedFile::Kind;
    using M = CraftedFile::Make;
    return {
        {"unreadable XML", K::Refused, genuine.substr(0, genuine.size() / 2), "不是可读取的" + kind},
        {"a part of another kind", K::Refused, foreign, "不是" + kind},
        {"bad UTF-8", K::Refused, crafted::Replaced(genuine, value, "\xff\xfe"), "UTF-8"},
        {"a document type", K::Refused, "<!DOCTYPE xml>" + genuine, "文档类型"},
        {"an oversize file", K::Refused, "", "大于256MB", M::Oversize},
        {"a pipe", K::Refused, "", "不是普通文件", M::Fifo},
        {"/dev/zero", K::Refused, "", "不是普通文件", M::Device},
    };
}

void RunCrafted(CraftedRun& run, testsupport::TempFolder& scratch) {
    using K = CraftedFile::Kind;
    using M = CraftedFile::Make;
    int step = 0;
    for (const CraftedFile& f : run.files) {
        SCOPED_TRACE(run.extension + ": " + f.what);
        run.before();
        const std::string folder = scratch.File("crafted" + std::to_string(step++));
        ASSERT_TRUE(sys::MakeDirs(folder));
        std::string path = sys::JoinPath(folder, "peer." + run.extension);
        switch (f.make) {
        case M::Bytes: ASSERT_TRUE(sys::WriteFileAtomic(path, f.bytes)); break;
        case M::Fifo: ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); break;
        case M::Oversize:
            ASSERT_TRUE(sys::WriteFileAtomic(path, f.bytes.empty() ? std::string("<xml>") : f.bytes));
            ASSERT_EQ(::truncate(path.c_str(), off_t(run.bound + 1)), 0);  // a hole, no disk
            break;
        case M::Device:
            // Under a name with the extension, as a chooser or a folder gives it.
            ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
            break;
        }
        const std::string stateBefore = run.state(), othersBefore = run.others();
        const std::vector<std::string> messages = run.import(run.folderImport ? folder : path);
        std::string all;
        for (const std::string& m : messages) all += m + "\n";
        SCOPED_TRACE("messages: " + all);
        EXPECT_NE(all.find(f.reason), std::string::npos) << "the reason is not told";
        if (f.kind == K::Refused) {
            EXPECT_NE(all.find(sys::FileName(path)), std::string::npos) << "the file is not named";
            EXPECT_EQ(run.state(), stateBefore) << "a refused file changed what is stored";
        } else {
            EXPECT_EQ(run.others(), othersBefore) << "the file changed what it does not own";
        }
        if (f.kind == K::Genuine) EXPECT_EQ(run.stored(), run.expected) << "the genuine file was not stored as it is";
        // The reasons are the user's words, not the XML library's.
        for (const char* english : {"not a", "line ", "Extra content", "Premature", "error", "XML file ("})
            EXPECT_EQ(all.find(english), std::string::npos) << english;
    }
}

// The run of a unit file, whichever screen reads it: units U1 and U2 in the
// file; stored here U1 as this office changed it, and U9 of no file.
CraftedRun UnitFileRun(CAdoConnection& db, const std::function<std::string(const std::string& sql)>& saved,
                       const std::string& foreignTable) {
    testdb::Exec(db, "delete from corvane_unit");
    testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC", "SSBM", "YZBM", "ZH"},
                      {{"U1", "单位一", "部一", "100081", "6222"}, {"U2", "单位二", "部二", "200000", ""}}});
    const std::string genuine = saved("select * from corvane_unit order by DWDM");
    CraftedRun run;
    run.extension = "uif";
    run.state = [&db] { return Dump(Take(db)); };
    run.others = [&db] { return Dump(Classify(Take(db), {"U1", "U2"}).others); };
    run.stored = [&db] { return testdb::Query(db, "select * from corvane_unit order by DWDM"); };
    run.expected = run.stored();
    run.expected.push_back({"U9", "他人", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""});
    run.before = [&db] {
        testdb::Exec(db, "delete from corvane_unit");
        testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC"}, {{"U1", "本地改过"}, {"U9", "他人"}}});
    };
    run.files = RecordsetVariants(genuine, "单位二", saved("select * from " + foreignTable), "单位信息文件");
    using K = CraftedFile::Kind;
    run.files.insert(run.files.end(), {
        {"a unit without its code", K::RowsRefused, crafted::Replaced(genuine, "DWDM='U2'", ""), "第2条：没有单位代码"},
        {"a unit twice", K::RowsRefused, crafted::FirstRowTwice(genuine), "第2条：单位代码U1与第1条重复"},
        {"a name longer than its column", K::RowsRefused, crafted::Replaced(genuine, "单位二", std::string(300, 'x')),
         "第2条：DWMC的值超过255个字符"},
        {"the genuine file", K::Genuine, genuine, "共导入了2条数据！"},
    });
    return run;
}

}  // namespace

// ---- unit, expert, specialty-group and laboratory files of the management lists ----

class MasterPeerFiles : public ListTest {
protected:
    void SetUp() override {
        ListTest::SetUp();
        ASSERT_TRUE(ConnectDatabase(connection, kProjectDatabase));
    }
    void TearDown() override {
        connection.Close();
        ListTest::TearDown();
    }
    // Runs `dialog` modally: 批量导入 clicked with the policy to overwrite, the
    // file chosen; whatever else is asked is answered as closed.
    template <class Dialog>
    std::vector<std::string> ImportThrough(std::function<std::unique_ptr<Dialog>()> make, int importId,
                                           const std::string& path) {
        ui::TestDriver answers;
        answers.OnModal<Dialog>([&](Dialog& dlg) {
            dlg.Click(importId);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
        answers.OnModal<CDlgRepeatRecord>([](CDlgRepeatRecord& prompt) {
            prompt.Click(CDlgRepeatRecord::IDC_OVERWRITE);
            prompt.Click(IDOK);
        });
        answers.AnswerFile(path);
        answers.AnswerTheRest([](ui::Dialog&) {});
        make()->DoModal();
        std::vector<std::string> texts;
        for (const auto& call : answers.MessageBoxes()) texts.push_back(call.text);
        return texts;
    }
    // The saved recordset of a query, as an export writes it.
    std::string Saved(const std::string& sql) {
        CAdoRecordSet rs;
        BindRecordset(rs, connection);
        const std::string file = PathOf("saved.xml");
        std::string bytes;
        EXPECT_TRUE(rs.Open(sql) && rs.Save(file) && sys::ReadFile(file, bytes)) << sql;
        sys::RemoveFile(file);
        return bytes;
    }
    // The run's state functions for a table whose rows of `keys` the file owns.
    void Watch(CraftedRun& run, const std::string& table, const std::string& key, const std::set<std::string>& keys) {
        run.state = [this] { return Dump(Take(connection)); };
        run.others = [this, keys] { return Dump(Classify(Take(connection), keys).others); };
        run.stored = [this, table, key] {
            return testdb::Query(connection, "select * from " + table + " order by " + key);
        };
    }

    CAdoConnection connection;
    testsupport::TempFolder scratch;
};

TEST_F(MasterPeerFiles, UnitFilesOfTheUnitList) {
    CraftedRun run = UnitFileRun(connection, [&](const std::string& sql) { return Saved(sql); }, "corvane_specgroup");
    run.import = [&](const std::string& path) {
        return ImportThrough<CDlgUnitManage>([] { return std::make_unique<CDlgUnitManage>(); },
                                             CDlgUnitManage::IDC_IMPORT, path);
    };
    RunCrafted(run, scratch);
}

TEST_F(MasterPeerFiles, ExpertGroupAndLaboratoryFiles) {
    listtest::AddExpert("J01", "E01", "张三", {"男", "45", "研究员"});
    listtest::AddExpert("J01", "E02", "李四", {"女", "38"});
    listtest::AddGroup("9140A01", "电子组", "研究所");
    listtest::AddGroup("9140A02", "光学组", "大学");
    listtest::AddLab("9140C01", "光学实验室", "大学");
    listtest::AddLab("9140C02", "材料实验室", "研究院");
    const struct {
        const listtest::ListKind* kind;
        std::string extension, fileKind, value, key1, key2, keyLabel, nameColumn;
        int importId;
    } lists[] = {
        {&listtest::kExperts, "eif", "专家信息文件", "李四", "E01", "E02", "专家ID", "XM", CDlgExpertManage::IDC_IMPORT},
        {&listtest::kGroups, "sif", "专业组信息文件", "光学组", "9140A01", "9140A02", "基金编号", "ZYZMC",
         CDlgSpecGroupManage::IDC_IMPORT},
        {&listtest::kLabs, "lif", "实验室信息文件", "材料实验室", "9140C01", "9140C02", "实验室代码", "sysqc",
         CDlgLabManage::IDC_IMPORT},
    };
    for (const auto& l : lists) {
        SCOPED_TRACE(l.extension);
        const std::string table = l.kind->table, key = l.kind->keyColumn;
        const std::string genuine = Saved("select * from " + table + " order by " + key);
        CraftedRun run;
        run.extension = l.extension;
        Watch(run, table, key, {l.key1, l.key2});
        run.expected = run.stored();
        // Stored here: the first row as this office changed it, not the second.
        run.before = [&] {
            testdb::Exec(connection, "delete from " + table + " where " + key + " = '" + l.key2 + "'");
            testdb::Exec(connection, "update " + table + " set " + l.nameColumn + " = '本地改过' where " + key +
                                         " = '" + l.key1 + "'");
        };
        run.files = RecordsetVariants(genuine, l.value, Saved("select * from corvane_unit"), l.fileKind);
        using K = CraftedFile::Kind;
        run.files.insert(run.files.end(), {
            {"a row without its key", K::RowsRefused,
             crafted::Replaced(genuine, key + "='" + l.key2 + "'", ""), "第2条：没有" + l.keyLabel},
            {"a row twice", K::RowsRefused, crafted::FirstRowTwice(genuine),
             "第2条：" + l.keyLabel + l.key1 + "与第1条重复"},
            {"a value longer than its column", K::RowsRefused,
             crafted::Replaced(genuine, l.value, std::string(300, 'x')), "超过"},
            {"the genuine file", K::Genuine, genuine, "共导入了2条数据！"},
        });
        run.import = [&](const std::string& path) {
            return ImportThrough<CMasterListDialog>([&] { return l.kind->make(); }, l.importId, path);
        };
        RunCrafted(run, scratch);
    }
}

// ---- unit files of the data exchange's 导入单位信息 ----

class ExchangeUnitPeerFiles : public ImportViewTest<CDlgGuideImport> {};

TEST_F(ExchangeUnitPeerFiles, UnitFilesOfTheGuideImport) {
    CraftedRun run = UnitFileRun(db, [&](const std::string& sql) { return Saved(sql); }, "corvane_five_studyaspect");
    OpenView();
    SetPolicy(0);
    run.import = [&](const std::string& path) {
        ui::TestDriver answers;
        answers.AnswerFile(path);
        answers.AnswerTheRest([](ui::Dialog&) {});
        view_->Click(CDlgGuideImport::IDC_BTN_IMPORT_UNITINFO);
        std::vector<std::string> texts;
        for (const auto& call : answers.MessageBoxes()) texts.push_back(call.text);
        return texts;
    };
    testsupport::TempFolder scratch;
    RunCrafted(run, scratch);
}

// ---- five-year guide bundles ----

class FiveGuidePeerFiles : public FiveGuideTest {};

TEST_F(FiveGuidePeerFiles, GuideBundlesOfTheFiveYearGuide) {
    const std::string period = "2011-2015";
    AddGuide("9140A01", "指南一", period);
    AddTopic("9140A0101", "9140A01", period, "专题甲");
    AddDirection("9140A010101", "9140A01", period, "9140A0101", "U1", "方向甲");
    AddGuide("9140A02", "指南二", period);
    AddTopic("9140A0201", "9140A02", period, "专题乙");
    testsupport::TempFolder out;
    ASSERT_TRUE(FiveGuideBundle::Export(db, "9140A01", period, out.Path(), "2024-05-06"));
    const std::string bundlePath = out.File(FiveGuideBundle::FileName("9140A01", "2024-05-06", "fund"));
    const std::vector<std::string> parts = crafted::Parts(bundlePath, FiveGuideBundle::kFiveYearMarker, 3);
    ASSERT_EQ(parts.size(), 3u);
    auto pack = [](std::vector<std::string> p) {
        return LengthPrefixedContainer::Pack(FiveGuideBundle::kFiveYearMarker, p);
    };
    const std::string genuine = pack(parts);
    const std::set<std::string> owned = {"9140A01", "9140A0101", "9140A010101"};
    CraftedRun run;
    run.extension = "fund";
    run.folderImport = true;
    run.bound = LengthPrefixedContainer::kMaxPartBytes;
    run.state = [&] { return Dump(Take(db)); };
    run.others = [&] { return Dump(Classify(Take(db), owned).others); };
    const std::string mine = " where JJBH = '9140A01' order by 1";
    run.stored = [&] {
        Rows rows;
        for (const char* table : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"}) {
            CAdoRecordSet rs;
            rs.SetConnection(&db);
            rs.SetCursorLocation(adUseClient);
            EXPECT_TRUE(rs.Open(std::string("select * from ") + table + mine));
            const Rows more = testdb::ReadRows(rs, 0);
            rows.insert(rows.end(), more.begin(), more.end());
        }
        return rows;
    };
    run.expected = run.stored();
    run.before = [&] {
        for (const char* table : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"})
            Exec(std::string("delete from ") + table + " where JJBH = '9140A01'");
        AddGuide("9140A01", "本地修改", period);
    };
    using K = CraftedFile::Kind;
    using M = CraftedFile::Make;
    const std::string notGuide = "不是有效的指南文件，未导入：\r\npeer.fund（";
    auto withPart = [&](std::size_t p, const std::string& part) {
        std::vector<std::string> changed = parts;
        changed[p] = part;
        return pack(changed);
    };
    auto everywhere = [&](const std::string& from, const std::string& to) {
        std::vector<std::string> changed = parts;
        for (std::string& part : changed) part = text::ReplaceAll(part, "'" + from + "'", "'" + to + "'");
        return pack(changed);
    };
    run.files = {
        {"unreadable XML", K::Refused, withPart(1, parts[1].substr(0, parts[1].size() / 2)), notGuide},
        {"a container cut short", K::Refused, genuine.substr(0, genuine.size() - 40), notGuide},
        {"an annual guide's bundle", K::Refused, LengthPrefixedContainer::Pack(GuideBundle::kAnnualMarker, parts),
         "另一类指南"},
        {"a part of another kind", K::Refused, withPart(0, parts[2]), notGuide},
        {"bad UTF-8", K::Refused, withPart(1, crafted::Replaced(parts[1], "专题甲", "\xff\xfe")), notGuide + "专题部分第"},
        {"a topic of another guide", K::Refused,
         withPart(1, crafted::Replaced(parts[1], "JJBH='9140A01'", "JJBH='9140A02'")), notGuide + "其中有"},
        {"a period no guide has", K::Refused, everywhere(period, "922337203685477.5808"), notGuide},
        {"a period of other years", K::Refused, everywhere(period, "2011-2013"), notGuide + "发布年度“2011-2013”"},
        {"an oversize file", K::Refused, genuine, notGuide, M::Oversize},
        {"a pipe", K::Refused, "", "不是可读取的文件", M::Fifo},
        {"/dev/zero", K::Refused, "", "不是可读取的文件", M::Device},
        {"the genuine file", K::Genuine, genuine, "共导入了1条数据！"},
    };
    CDlgFiveGuide& view = OpenView(period);
    run.import = [&](const std::string& folder) {
        return MessagesOf(folder, std::nullopt, [&] { view.OnBtnImport(); }, [](ui::TestDriver& answers) {
            answers.OnModal<annualguide::CDlgImportPolicy>([](annualguide::CDlgImportPolicy& dlg) {
                dlg.CheckDlgButton(annualguide::CDlgImportPolicy::IDC_OVERWRITE, 1);
                dlg.CheckDlgButton(annualguide::CDlgImportPolicy::IDC_KEEP, 0);
                dlg.CheckDlgButton(annualguide::CDlgImportPolicy::IDC_ASK, 0);
                dlg.Click(IDOK);
            });
        });
    };
    testsupport::TempFolder scratch;
    RunCrafted(run, scratch);
}

// ---- the members page's 从txt文件导入 ----

class MemberPeerFiles : public AppWriterTest {
protected:
    CDlgAppMembers& Page() { return Writer().m_dlgMembers; }
    Rows GridRows(bool own) {
        Rows rows;
        CMemberGridCtrl& grid = Page().m_wndGrid;
        for (int r = 0; r < grid.GetRowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < CMemberGridCtrl::kColumnCount; ++c) row.push_back(grid.GetItem(r, c)->GetValue());
            if ((row[0] == "已有") == own) rows.push_back(row);
        }
        return rows;
    }
};

TEST_F(MemberPeerFiles, MemberTextFiles) {
    const std::string lines = "张三 男 45 教授 一所 12 负责\r\n李四 女 38 讲师 二所 6 参加\r\n";
    CraftedRun run;
    run.extension = "txt";
    run.bound = std::uint64_t(16) << 20;
    run.state = [&] { return testing::PrintToString(GridRows(true)) + testing::PrintToString(GridRows(false)); };
    run.others = [&] { return testing::PrintToString(GridRows(true)); };
    run.stored = [&] { return GridRows(false); };
    run.expected = {{"张三", "男", "45", "教授", "一所", "12", "负责"}, {"李四", "女", "38", "讲师", "二所", "6", "参加"}};
    run.before = [&] {
        Page().OnBtnClear();
        Page().AddMemberRow()->GetItem(0)->SetValue("已有");
    };
    using K = CraftedFile::Kind;
    using M = CraftedFile::Make;
    run.files = {
        {"an oversize file", K::Refused, "", "大于16MB", M::Oversize},
        {"a pipe", K::Refused, "", "不是普通文件", M::Fifo},
        {"/dev/zero", K::Refused, "", "不是普通文件", M::Device},
        {"an age no one has", K::RowsRefused, text::ReplaceAll(lines, " 38 ", " -5 "), "第2位：李四（年龄“-5”不是整数）"},
        {"months beyond a number", K::RowsRefused, text::ReplaceAll(lines, " 12 ", " 1e39 "),
         "第1位：张三（参加月数“1e39”不是整数）"},
        {"GBK with CRLF", K::Genuine, text::Utf8ToGbk(lines), ""},
        {"UTF-8 with a byte-order mark", K::Genuine, "\xEF\xBB\xBF" + lines, ""},
    };
    run.import = [&](const std::string& path) {
        ui::TestDriver answers;
        answers.AnswerFile(path);
        answers.AnswerTheRest([](ui::Dialog&) {});
        Page().Click(CDlgAppMembers::IDC_IMPORT);
        std::vector<std::string> texts;
        for (const auto& call : answers.MessageBoxes()) texts.push_back(call.text);
        return texts;
    };
    testsupport::TempFolder scratch;
    RunCrafted(run, scratch);
}
