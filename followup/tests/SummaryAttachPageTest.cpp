// The basic-data page's attachment: 添加, 提取 and 删除 of the file kept in
// the document's row (with the 50,000,000-byte limit), the fund office's
// folder commands, and the refusals without an open project.
#include "SummaryViewTestSupport.h"

#include <filesystem>

#include "platform/ui/Edit.h"

using namespace summarytest;

namespace {

using Page = CSummaryAttachPage;

void MakeFileOfSize(const std::string& path, std::uintmax_t size) {
    sys::WriteFileAtomic(path, "");
    std::filesystem::resize_file(path, size);
}

}  // namespace

class SummaryAttachTest : public SummaryViewTest {
protected:
    // The acceptance view with a project picked that has no document yet.
    CSummaryAttachPage& OpenNewProject() {
        StoreApplication(kNumber, "甲项目");
        CDlgProSum& view = OpenAcceptance();
        view.List().OpenDocument(kNumber, "甲项目");
        return view.Edit().TextPage().Attach();
    }
    std::string Attachment() { return Blob("select ATTACH from corvane_itemcheckaccept", "ATTACH"); }
};

TEST_F(SummaryAttachTest, EveryCommandNeedsAnOpenProject) {
    SetRole(2);
    CDlgProSum1& view = OpenProgress();
    for (int id : {Page::IDC_BTN_ADD, Page::IDC_BTN_EXTRACT, Page::IDC_BTN_DELETE, Page::IDC_BTN_OPEN_FOLDER,
                   Page::IDC_BTN_ADD_TO_FOLDER}) {
        driver.ExpectMessageBox("系统提示", "请先打开一个项目！");
        view.Edit().TextPage().Attach().Click(id);
        EXPECT_TRUE(driver.Finished()) << id;
    }
}

TEST_F(SummaryAttachTest, AddStoresTheFileInANewRowAndAskedBeforeReplacingIt) {
    CSummaryAttachPage& page = OpenNewProject();
    sys::WriteFileAtomic(files.File("报告.pdf"), std::string("%PDF\0bytes", 10));
    driver.AnswerFile(files.File("报告.pdf"));
    driver.ExpectMessageBox("系统提示", "附件添加成功！");
    page.Click(Page::IDC_BTN_ADD);
    EXPECT_EQ(driver.FileRequests().back().filter, "附件(*.*)|*.*||");
    EXPECT_EQ(page.GetDlgItemText(Page::IDC_ATTACHNAME), "报告.pdf");
    // Only the number and the attachment: the editor's 保存 fills the rest.
    EXPECT_EQ(Query("select XMBH, ATTACHNAME, SJWCR, BACKUPNAME from corvane_itemcheckaccept"),
              (Rows{{kNumber, "报告.pdf", "", ""}}));
    EXPECT_EQ(Attachment(), std::string("%PDF\0bytes", 10));

    driver.ExpectMessageBox("系统提示", "该项目附件已存在，确定覆盖吗？", IDCANCEL);
    page.Click(Page::IDC_BTN_ADD);
    sys::WriteFileAtomic(files.File("新.doc"), "new");
    driver.ExpectMessageBox("系统提示", "该项目附件已存在，确定覆盖吗？", IDOK);
    driver.AnswerFile(files.File("新.doc"));
    driver.ExpectMessageBox("系统提示", "附件添加成功！");
    page.Click(Page::IDC_BTN_ADD);
    EXPECT_EQ(Query("select ATTACHNAME from corvane_itemcheckaccept"), (Rows{{"新.doc"}}));
    EXPECT_EQ(Attachment(), "new");
}

TEST_F(SummaryAttachTest, FiftyMillionBytesAreStoredOneMoreIsRefused) {
    CSummaryAttachPage& page = OpenNewProject();
    MakeFileOfSize(files.File("big.bin"), Page::kMaxAttachmentBytes + 1);
    driver.AnswerFile(files.File("big.bin"));
    driver.ExpectMessageBox(ui::AppTitle(), "文件大小超过50M,请直接刻盘上交");
    page.Click(Page::IDC_BTN_ADD);
    EXPECT_TRUE(Query("select * from corvane_itemcheckaccept").empty());

    MakeFileOfSize(files.File("limit.bin"), Page::kMaxAttachmentBytes);
    driver.AnswerFile(files.File("limit.bin"));
    driver.ExpectMessageBox("系统提示", "附件添加成功！");
    page.Click(Page::IDC_BTN_ADD);
    EXPECT_EQ(Query("select ATTACHNAME from corvane_itemcheckaccept"), (Rows{{"limit.bin"}}));
}

TEST_F(SummaryAttachTest, ExtractWritesTheStoredBytesAndDeleteForgetsTheName) {
    CSummaryAttachPage& page = OpenNewProject();
    sys::WriteFileAtomic(files.File("a.txt"), "stored bytes");
    driver.AnswerFile(files.File("a.txt"));
    driver.AnswerMessageBox();
    page.Click(Page::IDC_BTN_ADD);

    driver.AnswerFile(files.File("out.txt"));
    page.Click(Page::IDC_BTN_EXTRACT);
    EXPECT_EQ(driver.FileRequests().back().defaultName, "a.txt");
    EXPECT_FALSE(driver.FileRequests().back().open);
    EXPECT_EQ(ReadBytes(files.File("out.txt")), "stored bytes");

    driver.AnswerFile(files.File("no-such-folder/out.txt"));
    driver.ExpectMessageBox(ui::AppTitle(),
                            "无法写入文件“" + sys::NativePath(files.File("no-such-folder/out.txt")) + "”：所在文件夹不存在！");
    page.Click(Page::IDC_BTN_EXTRACT);

    driver.ExpectMessageBox("系统提示", "确定删除附件吗？", IDCANCEL);
    page.Click(Page::IDC_BTN_DELETE);
    EXPECT_EQ(page.GetDlgItemText(Page::IDC_ATTACHNAME), "a.txt");
    driver.ExpectMessageBox("系统提示", "确定删除附件吗？", IDOK);
    page.Click(Page::IDC_BTN_DELETE);
    EXPECT_EQ(page.GetDlgItemText(Page::IDC_ATTACHNAME), "");
    EXPECT_EQ(Query("select ATTACHNAME from corvane_itemcheckaccept"), (Rows{{""}}));

    for (int id : {Page::IDC_BTN_EXTRACT, Page::IDC_BTN_DELETE}) {
        driver.ExpectMessageBox("系统提示", "该项目尚未添加附件！");
        page.Click(id);
        EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK | MB_ICONWARNING));
    }
}

TEST_F(SummaryAttachTest, TheFundOfficeKeepsAttachmentsInTheProjectsFolder) {
    SetRole(2);
    COptions options;
    options.SetProgressDir(files.File("进展") + "/");
    options.Save();
    StoreApplication(kNumber, "甲项目", "共性技术基金——一般项目");
    CDlgProSum1& view = OpenProgress();
    view.List().OpenDocument(kNumber, "甲项目");
    CSummaryAttachPage& page = view.Edit().TextPage().Attach();
    for (int id : {Page::IDC_BTN_ADD, Page::IDC_BTN_EXTRACT, Page::IDC_BTN_DELETE})
        EXPECT_FALSE(page.GetDlgItem(id)->IsWindowVisible()) << id;
    for (int id : {Page::IDC_BTN_OPEN_FOLDER, Page::IDC_BTN_ADD_TO_FOLDER})
        EXPECT_TRUE(page.GetDlgItem(id)->IsWindowVisible()) << id;
    EXPECT_FALSE(page.Item<ui::Edit>(Page::IDC_XMBH)->IsReadOnly());

    driver.ExpectMessageBox("系统提示", "该项目未添加附件！");
    page.Click(Page::IDC_BTN_OPEN_FOLDER);

    const std::string folder = files.File(std::string("进展/9140A01/一般项目/") + kNumber + "/所有文件");
    sys::WriteFileAtomic(files.File("说明.doc"), "first");
    driver.AnswerFile(files.File("说明.doc"));
    page.Click(Page::IDC_BTN_ADD_TO_FOLDER);
    EXPECT_EQ(ReadBytes(folder + "/说明.doc"), "first");
    EXPECT_EQ(page.GetDlgItemText(Page::IDC_ATTACHNAME), "说明.doc");

    // The same name again: Cancel keeps the old file and still lists the folder.
    sys::WriteFileAtomic(files.File("说明.doc"), "second");
    sys::WriteFileAtomic(folder + "/其他.pdf", "x");
    driver.AnswerFile(files.File("说明.doc"));
    driver.ExpectMessageBox("提示", "文件已存在，确定覆盖吗？", IDCANCEL);
    page.Click(Page::IDC_BTN_ADD_TO_FOLDER);
    EXPECT_EQ(ReadBytes(folder + "/说明.doc"), "first");
    EXPECT_EQ(page.GetDlgItemText(Page::IDC_ATTACHNAME), "其他.pdf, 说明.doc");
    driver.AnswerFile(files.File("说明.doc"));
    driver.ExpectMessageBox("提示", "文件已存在，确定覆盖吗？", IDOK);
    page.Click(Page::IDC_BTN_ADD_TO_FOLDER);
    EXPECT_EQ(ReadBytes(folder + "/说明.doc"), "second");

    page.Click(Page::IDC_BTN_OPEN_FOLDER);
    ASSERT_EQ(driver.ShellOpens().size(), 1u);
    EXPECT_EQ(sys::NativePath(driver.ShellOpens().back()), sys::NativePath(folder));
}

TEST_F(SummaryAttachTest, AnApplicantCannotTypeTheNumber) {
    CSummaryAttachPage& page = OpenNewProject();
    EXPECT_TRUE(page.Item<ui::Edit>(Page::IDC_XMBH)->IsReadOnly());
    EXPECT_TRUE(page.GetDlgItem(Page::IDC_BTN_ADD)->IsWindowVisible());
    EXPECT_FALSE(page.GetDlgItem(Page::IDC_BTN_ADD_TO_FOLDER)->IsWindowVisible());
}
