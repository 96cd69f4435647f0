// The stored application document: importing a file into the project's row,
// showing it from a temporary file, copying files into the application folder
// and opening them from there, with the questions before anything is replaced.
#include <cstdlib>
#include <optional>

#include "ExchangeTestSupport.h"
#include "application/StoredApplicationDocument.h"

namespace {

constexpr const char* kCode = "9140A010108080001001";
const OpenApplication kForm{"9140A010108080001", "001", "一般项目"};

class StoredDocument : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        // The system's temporary folder of these tests.
        if (const char* tmp = std::getenv("TMPDIR")) previousTmp = tmp;
        setenv("TMPDIR", temp.Path().c_str(), 1);
    }
    void TearDown() override {
        if (previousTmp) setenv("TMPDIR", previousTmp->c_str(), 1);
        else unsetenv("TMPDIR");
        ExchangeTest::TearDown();
    }
    std::string Document(const std::string& name, const std::string& bytes) {
        const std::string path = files.File(name);
        EXPECT_TRUE(sys::WriteFileAtomic(path, bytes));
        return path;
    }
    static std::string Read(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(sys::ReadFile(path, bytes)) << path;
        return bytes;
    }

    StoredApplicationDocument documents{connection};
    testsupport::TempFolder temp;
    std::optional<std::string> previousTmp;
};

TEST_F(StoredDocument, EveryCommandNeedsAnOpenForm) {
    const OpenApplication closed{"", "001", "一般项目"};
    using Command = void (StoredApplicationDocument::*)(const OpenApplication&);
    for (Command command : {&StoredApplicationDocument::OnBtnImportDoc, &StoredApplicationDocument::OnBtnExDoc,
                            &StoredApplicationDocument::OnBtnSaveDoc, &StoredApplicationDocument::OnBtnRead}) {
        driver.ExpectMessageBox("系统提示", "请先打开一个项目！");
        (documents.*command)(closed);
    }
    EXPECT_TRUE(driver.FileRequests().empty());
    EXPECT_FALSE(sys::FolderExists(PathOf("申请书汇总")));
}

TEST_F(StoredDocument, ImportStoresTheFileAndAsksBeforeReplacingIt) {
    StoreProject(kCode);
    driver.AnswerFile(Document("申请书.docx", std::string("one\0two", 7)));
    driver.ExpectMessageBox("系统提示", "申请书文档导入成功！");
    documents.OnBtnImportDoc(kForm);
    EXPECT_EQ(Query(std::string("select DOCNAME from corvane_itemappinfo")), (Rows{{"申请书.docx"}}));
    EXPECT_EQ(Blob(kCode, "DOC"), std::string("one\0two", 7));
    const ui::FileRequest& request = driver.FileRequests().at(0);
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.filter, "申请书文档(*.doc, *.docx)|*.doc*|所有文件(*.*)|*.*||");
    EXPECT_EQ(request.flags, DWORD(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));

    // Cancel at the question keeps the document; OK replaces it.
    driver.ExpectMessageBox("系统提示", "该申请书文档已存在，确定覆盖吗？", IDCANCEL);
    documents.OnBtnImportDoc(kForm);
    driver.ExpectMessageBox("系统提示", "该申请书文档已存在，确定覆盖吗？", IDOK);
    driver.AnswerFile(Document("第二稿.doc", "2"));
    driver.ExpectMessageBox("系统提示", "申请书文档导入成功！");
    documents.OnBtnImportDoc(kForm);
    EXPECT_EQ(Query(std::string("select DOCNAME from corvane_itemappinfo")), (Rows{{"第二稿.doc"}}));
    EXPECT_EQ(Blob(kCode, "DOC"), "2");
}

TEST_F(StoredDocument, ImportIntoAnUnsavedProjectIsRefused) {
    driver.ExpectMessageBox("系统提示", "请先保存该项目！");
    documents.OnBtnImportDoc(kForm);
    EXPECT_TRUE(driver.FileRequests().empty());
    EXPECT_TRUE(Codes().empty());
}

TEST_F(StoredDocument, ShowingWritesTheDocumentToTheTemporaryFolderEachTime) {
    StoreProject(kCode);
    driver.ExpectMessageBox("系统提示", "该项目未导入申请书文档！");
    documents.OnBtnExDoc(kForm);

    Exec(std::string("update corvane_itemappinfo set DOCNAME = '../申请书.doc'"));
    StoreProject("other");
    {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        ASSERT_TRUE(rs.Open(std::string("select * from corvane_itemappinfo where xmbh='") + kCode + "'"));
        ASSERT_TRUE(WriteLongBinary(rs, "DOC", "stored") && rs.Update());
    }
    const std::string shown = temp.File(sys::SafeFileName("../申请书.doc"));
    ASSERT_TRUE(sys::WriteFileAtomic(shown, "old"));
    documents.OnBtnExDoc(kForm);
    documents.OnBtnExDoc(kForm);
    EXPECT_EQ(Read(shown), "stored");
    EXPECT_EQ(driver.ShellOpens(), (std::vector<std::string>{shown, shown}));
}

TEST_F(StoredDocument, SavingCopiesIntoTheApplicationFolderAndAsksTheSecondTime) {
    const std::string folder = PathOf("申请书汇总/9140A01/一般项目/");
    EXPECT_EQ(StoredApplicationDocument::ApplicationFolder(kCode, kForm.category), folder);
    const std::string document = Document("申请书.doc", "v1");

    driver.AnswerFile(document);
    documents.OnBtnSaveDoc(kForm);
    EXPECT_EQ(Read(folder + "申请书.doc"), "v1");
    EXPECT_EQ(driver.FileRequests().at(0).filter, "申请书文档(*.doc, *.docx)|*.doc*||");

    ASSERT_TRUE(sys::WriteFileAtomic(document, "v2"));
    driver.AnswerFile(document);
    driver.ExpectMessageBox("提示", "文档已存在，确定覆盖吗？", IDCANCEL);
    documents.OnBtnSaveDoc(kForm);
    EXPECT_EQ(Read(folder + "申请书.doc"), "v1");

    driver.AnswerFile(document);
    driver.ExpectMessageBox("提示", "文档已存在，确定覆盖吗？", IDOK);
    documents.OnBtnSaveDoc(kForm);
    EXPECT_EQ(Read(folder + "申请书.doc"), "v2");

    // The chooser cancelled: the folder exists, nothing is copied.
    driver.CancelFile();
    documents.OnBtnSaveDoc(OpenApplication{"9140C010108080001", "002", "重点项目"});
    EXPECT_TRUE(sys::FolderExists(PathOf("申请书汇总/9140C01/重点项目")));
}

TEST_F(StoredDocument, ReadingOpensAFileChosenInTheApplicationFolder) {
    driver.AnswerFile(files.File("a.doc"));
    documents.OnBtnRead(kForm);
    EXPECT_EQ(driver.FileRequests().at(0).initialFolder, PathOf("申请书汇总/9140A01/一般项目/"));
    EXPECT_EQ(driver.ShellOpens(), std::vector<std::string>{files.File("a.doc")});
    EXPECT_FALSE(sys::FolderExists(PathOf("申请书汇总")));
}

TEST_F(StoredDocument, ApplicationFoldersNeverLeaveTheSaveFolder) {
    struct Case {
        std::string number, category, expected;
    };
    const Case cases[] = {
        {kCode, "共性技术基金——一般项目", "9140A01/一般项目/"},
        {"../../x", "a/../b", sys::SafeFileName("../../x") + "/" + sys::SafeFileName("a/../b") + "/"},
        {"91", "重点项目", "91/重点项目/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredApplicationDocument::ApplicationFolder(c.number, c.category), PathOf("申请书汇总/" + c.expected))
            << c.number;
}

}  // namespace
