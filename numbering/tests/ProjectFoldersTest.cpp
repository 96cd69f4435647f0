// What another program (or command) may have done to a project between its
// load and its save, and the folders named by a project number: they move
// with every renumbering and go with a deletion, or nothing changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/Options.h"
#include "foundation/ProjectDatabase.h"
#include "foundation/Transaction.h"
#include "numbering/LoadedProject.h"
#include "numbering/ProjectFolders.h"
#include "numbering/ProjectNumbering.h"
#include "numbering/ProjectRows.h"
#include "platform/sys/Sys.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace {

const std::string kPrefix = "9140A01010108U001";
const std::string kFirst = kPrefix + "001", kSecond = kPrefix + "002", kThird = kPrefix + "003";
const std::string kCategory = "共性技术基金——一般项目";

using projectnumber::SaveResult;

class ProjectIdentity : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(ConnectProjectDatabase(connection));
        accept = sys::JoinPath(Folder(), "验收");
        progress = sys::JoinPath(Folder(), "进展");
        COptions options;
        options.SetAcceptDir(accept + "\\");
        options.SetProgressDir(progress + "/");
        options.Save();
    }
    void Store(const std::vector<std::string>& numbers) {
        for (const std::string& number : numbers) {
            testdb::Seed(connection, {"CORVANE_ITEMAPPINFO", {"XMBH", "XMMC", "XMLB"}, {{number, "名" + number, kCategory}}});
            testdb::Seed(connection, {"CORVANE_ITEMPROGRESS", {"XMBH", "BACKUPNAME"}, {{number, "a" + number}}});
        }
    }
    // An attachment holding `text` in the number's folder of each kind.
    void Attach(const std::string& number, const std::string& text) {
        for (const std::string& save : {accept, progress}) {
            const std::string folder = projectfolders::AttachmentFolder(save, number, kCategory);
            ASSERT_TRUE(sys::MakeDirs(folder));
            ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(folder, "附件.txt"), text));
        }
    }
    // What the folder of the number holds in each save folder ("" none).
    std::vector<std::string> Attached(const std::string& number) {
        std::vector<std::string> held;
        for (const std::string& save : {accept, progress}) {
            std::string bytes;
            sys::ReadFile(sys::JoinPath(projectfolders::AttachmentFolder(save, number, kCategory), "附件.txt"), bytes);
            held.push_back(bytes);
        }
        return held;
    }
    static std::vector<std::string> Both(const std::string& text) { return {text, text}; }
    const std::vector<std::string> kNone{"", ""};
    std::string NameOf(const std::string& number) {
        return db::Scalar(connection, "select XMMC from CORVANE_ITEMAPPINFO where XMBH = ?1", {number}).value_or("");
    }

    CAdoConnection connection;
    std::string accept, progress;
};

}  // namespace

// A save checks that the row it loaded still holds the project: after the
// project was deleted, renumbered, swapped with another or deleted and its
// number given to a new project, nothing may be written.
TEST_F(ProjectIdentity, ASaveWritesOnlyWhileTheLoadedRowHoldsTheProject) {
    const struct {
        const char* what;
        void (*meanwhile)(CAdoConnection&);
        SaveResult expected;
    } cases[] = {
        {"nothing happened", [](CAdoConnection&) {}, SaveResult::Saved},
        {"the project was deleted", [](CAdoConnection& c) { ASSERT_TRUE(projectnumber::DeleteProjectRows(c, kSecond)); },
         SaveResult::ChangedElsewhere},
        {"the first was deleted and the gap closed",
         [](CAdoConnection& c) {
             ASSERT_TRUE(projectnumber::DeleteProjectRows(c, kFirst));
             ASSERT_TRUE(projectnumber::RenumberPrefix(c, kPrefix));
         },
         SaveResult::ChangedElsewhere},
        {"two projects traded numbers",
         [](CAdoConnection& c) {
             ASSERT_EQ(projectnumber::MoveProjects(c, {{kFirst, kSecond}, {kSecond, kFirst}}),
                       projectnumber::RenumberResult::Done);
         },
         SaveResult::ChangedElsewhere},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testdb::Exec(connection, "delete from CORVANE_ITEMAPPINFO");
        Store({kFirst, kSecond, kThird});
        const projectnumber::LoadedProject loaded = projectnumber::LoadProject(connection, kSecond);
        ASSERT_TRUE(loaded.IsLoaded());
        c.meanwhile(connection);
        bool wrote = false;
        EXPECT_EQ(projectnumber::SaveLoaded(connection, loaded, [&] {
                      wrote = true;
                      return db::Statement(connection, "update CORVANE_ITEMAPPINFO set XMMC = 'saved' where XMBH = ?1",
                                           {loaded.number})
                          .Run();
                  }),
                  c.expected);
        EXPECT_EQ(wrote, c.expected == SaveResult::Saved);
        EXPECT_EQ(testdb::Count(connection, "select * from CORVANE_ITEMAPPINFO where XMMC = 'saved'"),
                  c.expected == SaveResult::Saved ? 1 : 0);
    }
    // A project followed through the renames of its own view stays loaded.
    testdb::Exec(connection, "delete from CORVANE_ITEMAPPINFO");
    Store({kFirst, kSecond});
    projectnumber::LoadedProject loaded = projectnumber::LoadProject(connection, kSecond);
    ASSERT_TRUE(projectnumber::DeleteProjectRows(connection, kFirst));
    projectnumber::Renames renames;
    ASSERT_TRUE(projectnumber::RenumberPrefix(connection, kPrefix, &renames));
    EXPECT_TRUE(projectnumber::FollowRename(renames, loaded));
    EXPECT_EQ(projectnumber::CheckLoaded(connection, loaded), SaveResult::Saved);
}

// A view stamps the columns it writes: another program's change to one of
// them meanwhile refuses the save (else the view would write back what it
// showed), whatever the change; a column the view does not write, or a value
// written back as it was, does not. Once the view's own save is stamped, the
// next save goes through.
TEST_F(ProjectIdentity, ASaveIsRefusedWhenAStampedColumnChangedMeanwhile) {
    const struct {
        const char* what;
        const char* meanwhile;
        SaveResult expected;
    } cases[] = {
        {"nothing happened", "", SaveResult::Saved},
        {"a new amount", "update CORVANE_ITEMAPPINFO set SQJE = '13' where XMBH = ?1", SaveResult::ChangedElsewhere},
        {"the same name written again", "update CORVANE_ITEMAPPINFO set XMMC = XMMC where XMBH = ?1", SaveResult::Saved},
        {"a column the view does not write", "update CORVANE_ITEMAPPINFO set MJ = 'x' where XMBH = ?1",
         SaveResult::Saved},
        {"an empty amount for none", "update CORVANE_ITEMAPPINFO set SQJE = '' where XMBH = ?1",
         SaveResult::ChangedElsewhere},
        {"a chapter of the same length", "update CORVANE_ITEMAPPINFO set XMMC = x'0102' where XMBH = ?1",
         SaveResult::ChangedElsewhere},
    };
    const std::vector<std::string> written = {"XMMC", "SQJE"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testdb::Exec(connection, "delete from CORVANE_ITEMAPPINFO");
        Store({kFirst, kSecond});
        testdb::Exec(connection, "update CORVANE_ITEMAPPINFO set XMMC = x'0101'");
        projectnumber::LoadedProject loaded = projectnumber::LoadProject(connection, kSecond, written);
        ASSERT_TRUE(loaded.IsLoaded());
        if (*c.meanwhile) ASSERT_TRUE(db::Statement(connection, c.meanwhile, {kSecond}).Run());
        const auto save = [&] {
            return projectnumber::SaveLoaded(connection, loaded, [&] {
                if (!db::Statement(connection, "update CORVANE_ITEMAPPINFO set XMMC = 'saved' where XMBH = ?1",
                                   {loaded.number})
                         .Run())
                    return false;
                const std::optional<std::string> stamp = projectnumber::StampNow(connection, loaded);
                if (stamp) loaded.stamp = *stamp;
                return stamp.has_value();
            });
        };
        EXPECT_EQ(save(), c.expected);
        EXPECT_EQ(NameOf(kSecond) == "saved", c.expected == SaveResult::Saved);
        if (c.expected == SaveResult::Saved) EXPECT_EQ(save(), SaveResult::Saved) << "the view's own save stamped";
    }
}

// Two programs adding a project under one prefix at once: the next free
// number is chosen inside the transaction that writes it, after the write
// lock is taken, so the second waits and takes the next one.
TEST_F(ProjectIdentity, TheNextFreeNumberIsChosenUnderTheWriteLock) {
    Store({kFirst});
    CAdoConnection other;
    ado::SetBusyTimeout(50);
    ASSERT_TRUE(ConnectProjectDatabase(other));
    ado::SetBusyTimeout(5000);
    db::Transaction first(connection);
    ASSERT_TRUE(first.Began() && projectnumber::TakeWriteLock(connection));
    const std::string mine = projectnumber::NextNumber(connection, kPrefix);
    EXPECT_EQ(mine, kSecond);
    {
        // The other program cannot begin its write while this one holds the
        // lock (write transactions begin immediate), nor take the lock.
        db::Transaction second(other);
        EXPECT_FALSE(second.Began() && projectnumber::TakeWriteLock(other));
    }
    testdb::Seed(connection, {"CORVANE_ITEMAPPINFO", {"XMBH"}, {{mine}}});
    ASSERT_TRUE(first.Commit());
    db::Transaction second(other);
    ASSERT_TRUE(second.Began() && projectnumber::TakeWriteLock(other));
    EXPECT_EQ(projectnumber::NextNumber(other, kPrefix), kThird);
}

// Found in the issue: 甲 deleted, 乙 renumbered into 甲's number listed 甲's
// attachment as its own. The folders follow every renumbering, trades of
// numbers among them, and go with a deletion.
TEST_F(ProjectIdentity, AttachmentFoldersFollowTheirProjectsNumber) {
    Store({kFirst, kSecond, kThird});
    Attach(kFirst, "甲");
    Attach(kSecond, "乙");
    ASSERT_TRUE(projectnumber::DeleteRowsOfProjects(connection, {kFirst}));
    EXPECT_EQ(Attached(kFirst), kNone);
    projectnumber::Renames renames;
    ASSERT_TRUE(projectnumber::RenumberPrefix(connection, kPrefix, &renames));
    EXPECT_EQ(Attached(kFirst), Both("乙"));  // 乙, now 001, with its own attachment
    EXPECT_EQ(Attached(kSecond), kNone);      // 丙, now 002, had none

    // Two projects trade numbers: each folder goes with its project.
    Attach(kSecond, "丙");
    ASSERT_EQ(projectnumber::MoveProjects(connection, {{kFirst, kSecond}, {kSecond, kFirst}}),
              projectnumber::RenumberResult::Done);
    EXPECT_EQ(Attached(kFirst), Both("丙"));
    EXPECT_EQ(Attached(kSecond), Both("乙"));

    // A project that changes prefix takes its folder to the new fund number.
    projectnumber::Renames moved;
    ASSERT_EQ(projectnumber::MoveToPrefix(connection, kSecond, "9140B02020208U001", moved),
              projectnumber::RenumberResult::Done);
    EXPECT_EQ(Attached("9140B02020208U001001"), Both("乙"));
    EXPECT_EQ(Attached(kSecond), kNone);

    // The deletion of the application's list removes its folders too.
    ASSERT_TRUE(projectnumber::DeleteProjectRows(connection, "9140B02020208U001001"));
    EXPECT_EQ(Attached("9140B02020208U001001"), kNone);
    EXPECT_EQ(Attached(kFirst), Both("丙"));
}

// A folder that cannot move fails the renumbering: rows and folders stay as
// they were. So does a renumbering whose transaction is rolled back after the
// folders moved.
TEST_F(ProjectIdentity, AFolderThatCannotMoveLeavesRowsAndFoldersAsTheyWere) {
    Store({kFirst, kSecond, kThird});
    Attach(kSecond, "乙");
    Attach(kThird, "丙");
    const std::string rows = "select XMBH, XMMC from CORVANE_ITEMAPPINFO order by XMBH";
    const auto before = testdb::Query(connection, rows);
    // The new fund number's folder is a file in the way.
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(progress, "9140B02"), "in the way"));
    projectnumber::Renames moved;
    EXPECT_EQ(projectnumber::MoveToPrefix(connection, kSecond, "9140B02020208U001", moved),
              projectnumber::RenumberResult::FoldersNotMoved);
    EXPECT_EQ(testdb::Query(connection, rows), before);
    EXPECT_EQ(Attached(kSecond), Both("乙"));
    EXPECT_EQ(Attached(kThird), Both("丙"));
    EXPECT_EQ(projectnumber::RefusedRenumberingMessage(projectnumber::RenumberResult::FoldersNotMoved),
              projectfolders::kFolderMoveFailedMessage);

    // Moved inside a transaction that is then given up.
    ASSERT_TRUE(projectnumber::DeleteProjectRows(connection, kFirst));
    {
        db::Transaction transaction(connection);
        ASSERT_TRUE(transaction.Began());
        ASSERT_TRUE(projectnumber::RenumberPrefix(connection, kPrefix));
        EXPECT_EQ(Attached(kFirst), Both("乙"));
    }
    EXPECT_EQ(Attached(kFirst), kNone);
    EXPECT_EQ(Attached(kSecond), Both("乙"));
    EXPECT_EQ(Attached(kThird), Both("丙"));
    // And a deletion given up leaves the folder.
    {
        db::Transaction transaction(connection);
        ASSERT_TRUE(transaction.Began());
        ASSERT_TRUE(projectnumber::DeleteRowsOfProjects(connection, {kSecond}));
        EXPECT_EQ(Attached(kSecond), kNone);
    }
    EXPECT_EQ(Attached(kSecond), Both("乙"));
}
