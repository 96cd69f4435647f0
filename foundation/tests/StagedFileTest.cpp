// Files staged for a record and recovered after a kill: the file of a
// committed record is put in place at the next start, or the user is told
// where its bytes are and it is tried again at the start after; the file of a
// record never committed is removed.
#include <signal.h>

#include "foundation/StagedFile.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "foundation/tests/AdoTestDatabase.h"
#include "platform/sys/Process.h"
#include "platform/ui/TestDriverGTest.h"

namespace {

class StagedFileTest : public AdoTestDatabase {
protected:
    void SetUp() override {
        AdoTestDatabase::SetUp();
        sys::SetProgramFolder(folder_);
        GTEST_FLAG_SET(death_test_style, "fast");
    }
    void TearDown() override {
        sys::SetProgramFolder("");
        AdoTestDatabase::TearDown();
    }

    // A program that stages `bytes` for `target`, stores a record with the
    // note when `commit`, and is killed before it places the file.
    void KilledImport(const std::string& target, const std::string& bytes, bool commit) {
        EXPECT_EXIT(
            {
                CAdoConnection own;
                own.ConnectAccess(DatabasePath(), kPassword, -1);
                StagedFile file;
                file.Stage(target, bytes, "");
                if (commit)
                    db::InTransaction(own, [&] {
                        return db::Execute(own, "insert into CORVANE_T (CODE) values ('rec')") && file.Journal(own);
                    });
                raise(SIGKILL);
            },
            ::testing::KilledBySignal(SIGKILL), "");
    }
    std::vector<std::string> Hidden(const std::string& folder) {
        std::vector<std::string> hidden;
        for (const std::string& name : sys::ListFiles(folder, ""))
            if (name[0] == '.') hidden.push_back(name);
        return hidden;
    }
    std::string Read(const std::string& path) {
        std::string bytes;
        sys::ReadFile(path, bytes);
        return bytes;
    }
};

TEST_F(StagedFileTest, AfterAKillTheCommittedFileIsPlacedOrToldAndTheUncommittedOneRemoved) {
    const std::string folder = FilePath("附件");
    const std::string committed = folder + "/报告.pdf", dropped = folder + "/草稿.pdf";
    KilledImport(committed, "committed bytes", true);
    KilledImport(dropped, "dropped bytes", false);
    EXPECT_EQ(Hidden(folder).size(), 2u);
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T where CODE = 'rec'"), "1");

    // Something stands in the way of the committed file: the user learns
    // where its bytes are, and its note stays for the next start.
    ASSERT_TRUE(sys::MakeDirs(committed + "/占位"));
    const std::string hidden = Scalar("select HIDDEN from CORVANE_STAGEDFILE");
    {
        ui::TestDriver driver;
        driver.ExpectMessageBox(
            "提示", "无法写入文件" + committed + "（已有同名的文件夹），其内容已保存在" + hidden + "！\r\n");
        RecoverStagedFiles(connection_);
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ(Hidden(folder), std::vector<std::string>{sys::FileName(hidden)});
    EXPECT_EQ(Read(hidden), "committed bytes");
    EXPECT_FALSE(sys::FileExists(dropped));

    // The next start, the way cleared: placed without a word.
    ASSERT_TRUE(sys::RemoveAll(committed));
    {
        ui::TestDriver driver;
        RecoverStagedFiles(connection_);
        EXPECT_TRUE(driver.Calls().empty());
    }
    EXPECT_EQ(Read(committed), "committed bytes");
    EXPECT_TRUE(Hidden(folder).empty());
    EXPECT_EQ(Scalar("select count(*) from CORVANE_STAGEDFILE"), "0");
}

}  // namespace
