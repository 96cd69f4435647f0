#include "platform/sys/Sys.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "testsupport/TempFolder.h"

namespace {

class Files : public ::testing::Test {
protected:
    void TearDown() override { sys::SetProgramFolder(""); }
    testsupport::TempFolder folder_;
    const std::string root_ = folder_.Path();
};

}  // namespace

TEST(Paths, BackslashesBecomeSlashes) {
    EXPECT_EQ(sys::NativePath("C:\\a\\\\b\\c.txt"), "C:/a/b/c.txt");
    EXPECT_EQ(sys::JoinPath("/x/", "\\y\\z"), "/x/y/z");
    EXPECT_EQ(sys::JoinPath("", "a\\b"), "a/b");
    EXPECT_EQ(sys::FileName("/x\\y.rtf"), "y.rtf");
    EXPECT_EQ(sys::ParentFolder("/x\\y.rtf"), "/x");
    EXPECT_EQ(sys::ParentFolder("/y"), "/");
}

TEST(Paths, NamesFromFilesStayInTheirFolder) {
    struct Case { const char* name; const char* safe; } cases[] = {
        {"9140C01", "9140C01"}, {"../../etc/passwd", "______etc_passwd"}, {"a\\b", "a_b"},
        {"..", "__"}, {"单位.doc", "单位.doc"},
    };
    for (const auto& c : cases) EXPECT_EQ(sys::SafeFileName(c.name), c.safe) << c.name;
}

TEST_F(Files, ProgramFolderCanBePointedElsewhereAndBack) {
    std::string real = sys::ProgramFolder();
    EXPECT_FALSE(real.empty());
    sys::SetProgramFolder(root_ + "/");
    EXPECT_EQ(sys::ProgramFolder(), root_);
    EXPECT_TRUE(sys::FolderExists(sys::ProgramFolder() + "\\"));
    sys::SetProgramFolder("");
    EXPECT_EQ(sys::ProgramFolder(), real);
}

TEST_F(Files, FoldersAreMadeAndRemoved) {
    EXPECT_FALSE(sys::MakeDir(root_ + "\\a\\b"));  // parent missing
    EXPECT_TRUE(sys::MakeDirs(root_ + "\\a\\b"));
    EXPECT_TRUE(sys::MakeDir(root_ + "\\a\\b"));   // already there
    EXPECT_TRUE(sys::WriteFileAtomic(root_ + "/a/b/f.txt", "x"));
    EXPECT_TRUE(sys::RemoveAll(root_ + "/a"));
    EXPECT_FALSE(sys::FolderExists(root_ + "/a"));
    EXPECT_TRUE(sys::RemoveAll(root_ + "/never-was"));
}

TEST_F(Files, AtomicWriteReplacesWholeOrNothing) {
    std::string path = root_ + "/f.dat";
    ASSERT_TRUE(sys::WriteFileAtomic(path, "old"));
    ASSERT_TRUE(sys::WriteFileAtomic(path, std::string("n\0ew", 4)));
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(path, bytes));
    EXPECT_EQ(bytes, std::string("n\0ew", 4));
    EXPECT_FALSE(sys::WriteFileAtomic(root_ + "/missing/f.dat", "x"));
    EXPECT_EQ(sys::ListFiles(root_, ""), std::vector<std::string>{"f.dat"});  // no temporary left
    EXPECT_TRUE(sys::TruncateFile(path));
    ASSERT_TRUE(sys::ReadFile(path, bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(sys::ReadFile(root_ + "/nope", bytes));
}

// A file from outside is read only when it is a regular file within the
// bound; anything else is refused at once (a pipe without a writer would
// otherwise block for ever, /dev/zero never end) with a sentence naming it.
TEST_F(Files, InputFilesAreRegularAndBounded) {
    using S = sys::InputStatus;
    ASSERT_TRUE(sys::WriteFileAtomic(root_ + "/small.txt", "12345"));
    ASSERT_EQ(::mkfifo((root_ + "/pipe.txt").c_str(), 0600), 0);
    ASSERT_TRUE(sys::MakeDir(root_ + "/folder.txt"));
    ASSERT_TRUE(sys::WriteFileAtomic(root_ + "/sparse.txt", ""));
    ASSERT_EQ(::truncate((root_ + "/sparse.txt").c_str(), off_t(3) << 30), 0);  // 3 GB, all a hole
    const struct {
        std::string path;
        std::uint64_t bound;
        S status;
        std::string refusal;
    } cases[] = {
        {root_ + "/small.txt", 5, S::Ok, ""},
        {root_ + "/small.txt", 4, S::TooLarge, "文件small.txt大于4字节，未读取！"},
        {root_ + "/sparse.txt", sys::kMaxInputFileBytes, S::TooLarge, "文件sparse.txt大于256MB，未读取！"},
        {root_ + "/pipe.txt", sys::kMaxInputFileBytes, S::NotRegular, "文件pipe.txt不是普通文件（文件夹、管道或设备），未读取！"},
        {root_ + "/folder.txt", sys::kMaxInputFileBytes, S::NotRegular, "文件folder.txt不是普通文件（文件夹、管道或设备），未读取！"},
        {"/dev/zero", sys::kMaxInputFileBytes, S::NotRegular, "文件zero不是普通文件（文件夹、管道或设备），未读取！"},
        {"/dev/null", sys::kMaxInputFileBytes, S::NotRegular, "文件null不是普通文件（文件夹、管道或设备），未读取！"},
        {root_ + "/none.txt", sys::kMaxInputFileBytes, S::Missing, "文件none.txt不存在，未读取！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string bytes = "untouched";
        EXPECT_EQ(sys::ReadInputFile(c.path, bytes, c.bound), c.status);
        EXPECT_EQ(bytes, c.status == S::Ok ? "12345" : "untouched");
        EXPECT_EQ(sys::InputRefusal(c.path, c.status, c.bound), c.refusal);
    }
    // Every whole-file read refuses what is no regular file.
    std::string bytes;
    EXPECT_FALSE(sys::ReadFile(root_ + "/pipe.txt", bytes));
    EXPECT_FALSE(sys::ReadFile("/dev/zero", bytes));
    EXPECT_EQ(sys::SizeInWords(std::uint64_t(16) << 20), "16MB");
    EXPECT_EQ(sys::SizeInWords(3 << 10), "3KB");
}

TEST_F(Files, ListsByExtensionSortedByName) {
    for (const char* name : {"b.UIF", "a.uif", "c.sif", "d.uif.bak"}) sys::WriteFileAtomic(root_ + "/" + name, "");
    sys::MakeDir(root_ + "/sub.uif");
    EXPECT_EQ(sys::ListFiles(root_, "uif"), (std::vector<std::string>{"a.uif", "b.UIF"}));
    EXPECT_EQ(sys::ListFiles(root_, ".sif"), std::vector<std::string>{"c.sif"});
    EXPECT_EQ(sys::ListFiles(root_, "").size(), 4u);
    EXPECT_TRUE(sys::ListFiles(root_ + "/none", "uif").empty());
}

TEST_F(Files, CopyOverwrites) {
    sys::WriteFileAtomic(root_ + "/a", "1");
    sys::WriteFileAtomic(root_ + "/b", "22");
    EXPECT_TRUE(sys::CopyFile(root_ + "/a", root_ + "/b"));
    std::string bytes;
    sys::ReadFile(root_ + "/b", bytes);
    EXPECT_EQ(bytes, "1");
    EXPECT_FALSE(sys::CopyFile(root_ + "/none", root_ + "/c"));
}

TEST_F(Files, ListedNamesWithBackslashesAreReadAndRemovedWhereTheyAre) {
    // "..\..\evil.proapp" is a legal name here; joined as listed it names the
    // file inside the chosen folder, never one two levels up.
    const std::string chosen = root_ + "/a/chosen";
    ASSERT_TRUE(sys::MakeDirs(chosen));
    ASSERT_TRUE(sys::WriteFileAtomic(root_ + "/evil.proapp", "outside"));
    ASSERT_TRUE(sys::WriteFileAtomic(root_ + "/a/evil.proapp", "outside"));
    const std::string listedName = "..\\..\\evil.proapp";
    std::ofstream(chosen + "/" + listedName) << "inside";
    ASSERT_EQ(sys::ListFiles(chosen, "proapp"), std::vector<std::string>{listedName});

    const std::string listed = sys::JoinListedName(chosen, listedName);
    EXPECT_EQ(listed, chosen + "/" + listedName);
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(listed, bytes));
    EXPECT_EQ(bytes, "inside");
    EXPECT_TRUE(sys::RemoveAll(listed));
    EXPECT_TRUE(sys::ListFiles(chosen, "proapp").empty());
    EXPECT_TRUE(sys::FileExists(root_ + "/evil.proapp"));
    EXPECT_TRUE(sys::FileExists(root_ + "/a/evil.proapp"));
    // A path written the old system's way still finds its file.
    ASSERT_TRUE(sys::ReadFile(root_ + "\\a\\evil.proapp", bytes));
    EXPECT_EQ(bytes, "outside");
}

TEST_F(Files, NamesTooLongForTheFileSystemAreShortenedKeepingExtensionAndStayingApart) {
    std::string chinese;
    for (int i = 0; i < 200; ++i) chinese += "附";  // 600 bytes
    const struct {
        std::string name;
        std::string extension;
    } cases[] = {
        {chinese + ".doc", ".doc"},
        {chinese + "乙.doc", ".doc"},  // the same start: another file
        {chinese, ""},
        {std::string(300, 'a') + ".pdf", ".pdf"},
        {std::string(254, 'b') + "é", ""},  // a character across the limit is not cut in two
    };
    std::set<std::string> made;
    for (const auto& c : cases) {
        const std::string safe = sys::SafeFileName(c.name);
        SCOPED_TRACE(safe);
        EXPECT_LE(safe.size(), sys::kMaxFileNameBytes);
        EXPECT_EQ(safe.substr(safe.size() - c.extension.size()), c.extension);
        EXPECT_EQ(sys::SafeFileName(c.name), safe);  // the same name, the same file
        EXPECT_TRUE(made.insert(safe).second);
        // Written as every file is: the write's temporary name fits too.
        EXPECT_TRUE(sys::WriteFileAtomic(root_ + "/" + safe, "bytes"));
        EXPECT_TRUE(sys::FileExists(root_ + "/" + safe));
        for (unsigned char ch : safe) EXPECT_NE(ch, 0xFF);
        std::size_t i = 0;  // whole UTF-8 characters: no continuation byte follows an ASCII one at the cut
        while (i < safe.size() && safe[i] != '~') ++i;
        ASSERT_LT(i, safe.size());
        EXPECT_NE(static_cast<unsigned char>(safe[i - 1]) & 0xC0, 0xC0);  // not a lead byte left alone
    }
    EXPECT_EQ(sys::SafeFileName("报告.doc"), "报告.doc");  // names that fit are unchanged
}
