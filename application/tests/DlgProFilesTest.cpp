// The project documents dialog: stored names listed by kind, files added
// and stored by position, extraction, deletion and the compilation.
#include "AppOutputTestSupport.h"

#include "application/DlgProFiles.h"
#include "platform/sys/Sys.h"
#include "testsupport/TempFolder.h"

namespace {

using Dlg = CDlgProFiles;
using Texts = std::vector<std::string>;

class ProFilesTest : public AppOutputTest {
protected:
    void SetUp() override {
        AppOutputTest::SetUp();
        ASSERT_TRUE(files.Create(&host));
        files.m_strXMBH = "P1";
        files.m_pConnection = &db;
        files.m_pRecordset = &rs;
    }

    void Store(const std::string& table, const std::string& nameColumn, const std::string& dataColumn,
               const std::string& project, const std::string& name, const std::string& bytes) {
        CAdoRecordSet add;
        add.SetConnection(&db);
        add.SetCursorLocation(adUseClient);
        ASSERT_TRUE(add.Open("select * from " + table));
        ASSERT_TRUE(add.AddNew());
        add.SetString("XMBH", project);
        add.SetString(nameColumn, name);
        ASSERT_TRUE(add.AppendChunk(dataColumn, bytes.data(), long(bytes.size())));
        ASSERT_TRUE(add.Update()) << add.GetLastErrorText();
    }
    void StorePaper(const std::string& name, const std::string& project = "P1") {
        Store("CORVANE_LW", "LWNAME", "LW", project, name, "bytes of " + name);
    }
    // Name and bytes of the project's rows of a table, in table order.
    Texts Stored(const std::string& table, const std::string& nameColumn, const std::string& dataColumn) {
        CAdoRecordSet read;
        read.SetConnection(&db);
        read.SetCursorLocation(adUseClient);
        Texts rows;
        if (!read.Open("select * from " + table + " where XMBH = 'P1'")) return {"(failed)"};
        for (; !read.IsEOF(); read.MoveNext()) {
            std::string name;
            read.GetString(nameColumn, name);
            std::string bytes(std::size_t(std::max(0L, read.GetFieldActualSize(dataColumn))), '\0');
            if (!bytes.empty()) read.GetChunk(dataColumn, bytes.data());
            rows.push_back(name + "=" + bytes);
        }
        return rows;
    }
    Texts Papers() { return Stored("CORVANE_LW", "LWNAME", "LW"); }
    static Texts Items(const CFileEditListBox& list) {
        Texts items;
        for (int i = 0; i < list.GetCount(); ++i) items.push_back(list.GetItemText(i));
        return items;
    }
    // A file to add, with its own name as its content.
    std::string File(const std::string& name) {
        const std::string path = temp.File(name);
        EXPECT_TRUE(sys::WriteFileAtomic(path, "bytes of " + name));
        return path;
    }
    void AddPaper(const std::string& path) {
        driver.AnswerFile(path);
        files.Click(Dlg::IDC_LW_ADD);
    }

    testsupport::TempFolder temp;
    HostDialog host;
    Dlg files{&host};
};

TEST_F(ProFilesTest, ListsTheProjectsStoredNamesByKind) {
    Store("CORVANE_GF", "GFBGNAME", "GFBG", "P1", "gf.doc", "g");
    StorePaper("paper1.pdf");
    StorePaper("other.pdf", "P2");
    StorePaper("paper2.pdf");
    Store("CORVANE_ATTACH", "ATTACHNAME", "ATTACH", "P1", "attach.zip", "a");
    Store("CORVANE_CGHB", "CGHBNAME", "CGHB", "P1", "汇编.doc", "c");
    files.LoadFileNames();
    EXPECT_EQ(Items(files.m_listGF), (Texts{"gf.doc"}));
    EXPECT_EQ(Items(files.m_listLW), (Texts{"paper1.pdf", "paper2.pdf"}));
    EXPECT_EQ(Items(files.m_listAttach), (Texts{"attach.zip"}));
    EXPECT_EQ(files.GetDlgItemText(Dlg::IDC_CGHB), "汇编.doc");
    EXPECT_EQ(files.m_listLW.GetWindowText(), "论文");

    files.m_strXMBH = "P3";
    files.LoadFileNames();
    EXPECT_EQ(files.m_listLW.GetCount() + files.m_listGF.GetCount() + files.m_listAttach.GetCount(), 0);
    EXPECT_EQ(files.GetDlgItemText(Dlg::IDC_CGHB), "");
}

// Two papers stored and one added: storing appends exactly that one, under
// its file name alone.
TEST_F(ProFilesTest, StoringAppendsOnlyTheFilesAddedSince) {
    StorePaper("paper1.pdf");
    StorePaper("paper2.pdf");
    files.LoadFileNames();
    AddPaper(File("paper3.pdf"));
    EXPECT_EQ(Items(files.m_listLW), (Texts{"paper1.pdf", "paper2.pdf", temp.File("paper3.pdf")}));
    EXPECT_EQ(Papers().size(), 2u);

    files.SaveFiles();
    EXPECT_EQ(Papers(), (Texts{"paper1.pdf=bytes of paper1.pdf", "paper2.pdf=bytes of paper2.pdf",
                               "paper3.pdf=bytes of paper3.pdf"}));
    EXPECT_EQ(Items(files.m_listLW), (Texts{"paper1.pdf", "paper2.pdf", "paper3.pdf"}));
    files.SaveFiles();
    EXPECT_EQ(Papers().size(), 3u);
}

TEST_F(ProFilesTest, EachKindIsStoredInItsOwnTable) {
    driver.AnswerFile(File("gf.doc"));
    files.Click(Dlg::IDC_GF_ADD);
    driver.AnswerFile(File("attach.zip"));
    files.Click(Dlg::IDC_ATTACH_ADD);
    files.SaveFiles();
    EXPECT_EQ(Stored("CORVANE_GF", "GFBGNAME", "GFBG"), (Texts{"gf.doc=bytes of gf.doc"}));
    EXPECT_EQ(Stored("CORVANE_ATTACH", "ATTACHNAME", "ATTACH"), (Texts{"attach.zip=bytes of attach.zip"}));
    EXPECT_TRUE(Papers().empty());
}

TEST_F(ProFilesTest, AFileThatCannotBeReadIsNotStored) {
    AddPaper(File("gone.pdf"));
    ASSERT_TRUE(sys::RemoveFile(temp.File("gone.pdf")));
    driver.ExpectMessageBox("系统提示", "无法读取文件：" + temp.File("gone.pdf"));
    files.SaveFiles();
    EXPECT_TRUE(Papers().empty());
}

TEST_F(ProFilesTest, DeletingAnUnsavedItemOnlyTakesItOffTheList) {
    StorePaper("paper1.pdf");
    files.LoadFileNames();
    AddPaper(File("new.pdf"));
    files.m_listLW.SelectItem(1);
    files.Click(Dlg::IDC_LW_DELETE);
    EXPECT_EQ(Items(files.m_listLW), (Texts{"paper1.pdf"}));
    EXPECT_EQ(Papers().size(), 1u);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

// A stored file goes after the question; files added but not yet stored
// stay listed and still follow the stored ones.
TEST_F(ProFilesTest, DeletingAStoredFileAsksAndKeepsTheFilesNotYetStored) {
    StorePaper("paper1.pdf");
    StorePaper("paper2.pdf");
    files.LoadFileNames();
    AddPaper(File("new.pdf"));

    files.m_listLW.SelectItem(0);
    driver.ExpectMessageBox("提示", "确定删除该文件？", IDNO);
    files.Click(Dlg::IDC_LW_DELETE);
    EXPECT_EQ(driver.MessageBoxes().back().type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Papers().size(), 2u);

    driver.ExpectMessageBox("提示", "确定删除该文件？", IDYES);
    files.Click(Dlg::IDC_LW_DELETE);
    EXPECT_EQ(Papers(), (Texts{"paper2.pdf=bytes of paper2.pdf"}));
    EXPECT_EQ(Items(files.m_listLW), (Texts{"paper2.pdf", temp.File("new.pdf")}));

    files.SaveFiles();
    EXPECT_EQ(Papers(), (Texts{"paper2.pdf=bytes of paper2.pdf", "new.pdf=bytes of new.pdf"}));
}

TEST_F(ProFilesTest, RefusalsOfExtractAndDelete) {
    StorePaper("paper1.pdf");
    files.LoadFileNames();
    struct Case {
        int button;
        std::string text;
    };
    for (const Case& c : {Case{Dlg::IDC_LW_EXTRACT, "请选择要提取的文件！"}, Case{Dlg::IDC_LW_DELETE, "请选择要删除的文件！"},
                          Case{Dlg::IDC_GF_EXTRACT, "请选择要提取的文件！"}}) {
        driver.ExpectMessageBox("系统提示", c.text);
        files.Click(c.button);
        EXPECT_EQ(driver.MessageBoxes().back().type, MB_OK | MB_ICONSTOP);
    }
    AddPaper(File("new.pdf"));
    files.m_listLW.SelectItem(1);
    driver.ExpectMessageBox("系统提示", "该文件还未保存入库！");
    files.Click(Dlg::IDC_LW_EXTRACT);
}

TEST_F(ProFilesTest, ExtractWritesTheStoredBytesWhereTheUserChooses) {
    StorePaper("paper1.pdf");
    StorePaper("paper2.pdf");
    files.LoadFileNames();
    files.m_listLW.SelectItem(1);
    const std::string target = temp.File("saved.pdf");
    driver.AnswerFile(target);
    files.Click(Dlg::IDC_LW_EXTRACT);
    ASSERT_EQ(driver.FileRequests().size(), 1u);
    EXPECT_FALSE(driver.FileRequests()[0].open);
    EXPECT_EQ(driver.FileRequests()[0].defaultName, "paper2.pdf");
    EXPECT_EQ(driver.FileRequests()[0].filter, "(*.*)|*.*||");
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(target, bytes));
    EXPECT_EQ(bytes, "bytes of paper2.pdf");

    // A folder that does not exist cannot take the file.
    driver.AnswerFile(temp.File("no/such/folder/saved.pdf"));
    driver.AnswerMessageBox();
    files.Click(Dlg::IDC_LW_EXTRACT);
    EXPECT_EQ(driver.MessageBoxes().back().text,
              "无法写入文件“" + sys::NativePath(temp.File("no/such/folder/saved.pdf")) + "”：所在文件夹不存在！");
}

TEST_F(ProFilesTest, AStoredNameFromElsewhereIsOfferedAsOneFileName) {
    StorePaper("../../etc/passwd");
    files.LoadFileNames();
    files.m_listLW.SelectItem(0);
    driver.CancelFile();
    files.Click(Dlg::IDC_LW_EXTRACT);
    ASSERT_EQ(driver.FileRequests().size(), 1u);
    EXPECT_EQ(driver.FileRequests()[0].defaultName.find('/'), std::string::npos);
}

TEST_F(ProFilesTest, CompilationAddStoreExtractAndDelete) {
    // Nothing stored and nothing chosen.
    for (int button : {Dlg::IDC_CGHB_EXTRACT, Dlg::IDC_CGHB_DELETE}) {
        driver.ExpectMessageBox("系统提示", "成果汇编不存在！");
        files.Click(button);
    }
    const std::string path = File("汇编.doc");
    driver.AnswerFile(path);
    files.Click(Dlg::IDC_CGHB_ADD);
    EXPECT_EQ(files.GetDlgItemText(Dlg::IDC_CGHB), path);
    driver.ExpectMessageBox("系统提示", "成果汇编还未保存入库！");
    files.Click(Dlg::IDC_CGHB_EXTRACT);
    // Deleting a chosen, unsaved compilation only empties the text.
    files.Click(Dlg::IDC_CGHB_DELETE);
    EXPECT_EQ(files.GetDlgItemText(Dlg::IDC_CGHB), "");

    driver.AnswerFile(path);
    files.Click(Dlg::IDC_CGHB_ADD);
    files.SaveFiles();
    EXPECT_EQ(Stored("CORVANE_CGHB", "CGHBNAME", "CGHB"), (Texts{"汇编.doc=bytes of 汇编.doc"}));
    EXPECT_EQ(files.GetDlgItemText(Dlg::IDC_CGHB), "汇编.doc");

    driver.ExpectMessageBox("系统提示", "成果汇编已存在！");
    files.Click(Dlg::IDC_CGHB_ADD);

    driver.AnswerFile(temp.File("copy.doc"));
    files.Click(Dlg::IDC_CGHB_EXTRACT);
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(temp.File("copy.doc"), bytes));
    EXPECT_EQ(bytes, "bytes of 汇编.doc");

    driver.ExpectMessageBox("提示", "确定删除成果汇编？", IDNO);
    files.Click(Dlg::IDC_CGHB_DELETE);
    EXPECT_EQ(Stored("CORVANE_CGHB", "CGHBNAME", "CGHB").size(), 1u);
    driver.ExpectMessageBox("提示", "确定删除成果汇编？", IDYES);
    files.Click(Dlg::IDC_CGHB_DELETE);
    EXPECT_TRUE(Stored("CORVANE_CGHB", "CGHBNAME", "CGHB").empty());
    EXPECT_EQ(files.GetDlgItemText(Dlg::IDC_CGHB), "");
}

}  // namespace
