#include "install/templates/Templates.h"

#include <cstdlib>
#include <cstdio>

#include "platform/office/Excel.h"
#include "platform/office/Word.h"
#include "platform/office/tests/OfficeFixture.h"

using namespace office;

namespace {

class TemplatesTest : public OfficeFixture {
protected:
    void SetUp() override {
        OfficeFixture::SetUp();
        std::string error;
        ASSERT_TRUE(templates::WriteTemplates(folder_, error)) << error;
    }
    std::string Template(const std::string& name) { return sys::JoinPath(Path("模板"), name); }

    // Where a typed marker landed: the label in the cell before it.
    static std::string LabelBefore(const word::Document& doc, const std::string& marker) {
        for (int t = 1; t <= doc.TableCount(); ++t)
            for (int r = 1; r <= doc.RowCount(t); ++r)
                for (int c = 1; c <= 10; ++c)  // no row has more cells
                    if (doc.CellText(t, r, c) == marker) return c > 1 ? doc.CellText(t, r, c - 1) : "(first)";
        return "(not found)";
    }
};

TEST_F(TemplatesTest, EveryTemplateOpensThroughItsModel) {
    auto excel = excel::Application::Create();
    auto word = word::Application::Create();
    for (const auto& t : templates::AllTemplates()) {
        if (t.name.ends_with(".xls")) {
            excel::Workbook book = excel->Workbooks().Add(Template(t.name));
            ASSERT_TRUE(book.IsValid()) << t.name << ": " << excel->LastError();
            // Each report names its sheet: "sheet1", or "打印报表" for the printed lists.
            EXPECT_TRUE(book.Sheets().Item("sheet1").IsValid() || book.Sheets().Item("打印报表").IsValid()) << t.name;
            // Each prints one page wide, its headings on every page, its pages numbered.
            excel::PageSetup setup = book.Sheets().Item(1).PageSetup();
            EXPECT_EQ(setup.FitToPagesWide(), 1) << t.name;
            EXPECT_EQ(setup.FitToPagesTall(), 0) << t.name;
            EXPECT_NE(setup.PrintTitleRows(), "") << t.name;
            EXPECT_EQ(setup.CenterFooter(), "第 &P 页 共 &N 页") << t.name;
        } else {
            EXPECT_TRUE(word->Documents().Add(Template(t.name)).IsValid()) << t.name << ": " << word->LastError();
        }
    }
    auto lab = excel->Workbooks().Add(Template("重点实验室经费表.xls")).Sheets().Item("sheet1");
    EXPECT_EQ(lab.Range("A1").Value(), "序号");
    EXPECT_EQ(lab.Range("G1").Value(), "重点项目经费(万元)");
}

// The application form's cells must be where the filling walk types.
TEST_F(TemplatesTest, ApplicationFormMatchesTheFillingWalk) {
    auto word = word::Application::Create();
    word::Document doc = word->Documents().Add(Template("项目申请书模板.doc"));
    ASSERT_TRUE(doc.IsValid());
    word::Selection sel = word->Selection();
    auto right = [&](int n, const std::string& text) {
        sel.MoveRight(word::wdCell, n);
        sel.TypeText(text);
    };
    right(1, "<类别>");
    right(2, "<指南>");
    right(2, "<编号>");
    right(2, "<密级>");
    sel.MoveDown(word::wdLine, 10);
    sel.TypeText("<项目名称>");
    for (const char* line : {"<申请人>", "<单位>", "<地址>", "<邮编>", "<电话>", "<日期>"}) {
        sel.MoveDown(word::wdLine, 1);
        sel.EndKey(word::wdLine);
        sel.TypeText(line);
    }
    ASSERT_TRUE(sel.GoToNext(word::wdGoToTable));
    const std::pair<int, const char*> basic[] = {
        {1, "<名称>"}, {2, "<起止>"}, {2, "<金额>"}, {3, "<姓名>"}, {2, "<性别>"}, {2, "<身份证>"}, {2, "<学位>"},
        {3, "<职称>"}, {2, "<特长>"}, {3, "<工作单位>"}, {3, "<隶属>"}, {2, "<合作>"}, {11, "<总人数>"},
        {1, "<高级>"}, {1, "<中级>"}, {1, "<初级>"}, {1, "<博士后>"}, {1, "<博士生>"}, {1, "<硕士生>"}};
    for (const auto& [moves, marker] : basic) right(moves, marker);
    // Twelve members: two rows are inserted above the first member row.
    ASSERT_TRUE(sel.GoToNext(word::wdGoToTable));
    sel.MoveRight(word::wdCell, 12);
    ASSERT_TRUE(sel.InsertRowsAbove(2));
    sel.MoveRight(word::wdCell, 2);
    const int members = 12;
    for (int m = 1; m <= members; ++m) {
        for (int c = 1; c <= 7; ++c) {
            sel.TypeText("m" + std::to_string(m) + "." + std::to_string(c));
            sel.MoveRight(word::wdCell, 1);
        }
        sel.MoveRight(word::wdCell, m < members ? 3 : 2);
    }
    sel.TypeText("<主题词>");
    ASSERT_TRUE(sel.GoToNext(word::wdGoToTable));
    right(1, "<申请金额>");
    sel.MoveRight(word::wdCell, 5);
    for (int item = 0; item < 8; ++item) {
        if (item) sel.MoveRight(word::wdCell, 2);
        sel.TypeText("<费" + std::to_string(item) + ">");
        right(1, "<由" + std::to_string(item) + ">");
    }
    right(2, "<合计>");
    ASSERT_TRUE(sel.GoToNext(word::wdGoToPage));
    sel.TypeText("三、立论依据");
    ASSERT_TRUE(sel.GoToNext(word::wdGoToTable));
    sel.TypeText("<推荐一>");
    right(1, "<推荐二>");

    const std::pair<const char*, const char*> expected[] = {
        {"<类别>", "项目类别"}, {"<指南>", "指南代码"}, {"<编号>", "项目编号"}, {"<密级>", "密级"},
        {"<名称>", "项目名称"}, {"<起止>", "起止年月"}, {"<金额>", "申请金额"}, {"<姓名>", "姓名"},
        {"<性别>", "性别"}, {"<身份证>", "身份证号"}, {"<学位>", "学位"}, {"<职称>", "职称"},
        {"<特长>", "专业特长"}, {"<工作单位>", "工作单位"}, {"<隶属>", "隶属关系"}, {"<合作>", "合作单位"},
        {"<总人数>", "人数"}, {"<高级>", "<总人数>"}, {"<硕士生>", "<博士生>"}, {"m1.1", ""}, {"m12.7", "m12.6"},
        {"<主题词>", "主题词"}, {"<申请金额>", "申请金额"}, {"<费0>", "设计费"}, {"<由0>", "<费0>"},
        {"<费7>", "管理费"}, {"<合计>", "合计"}, {"<推荐一>", "(first)"}, {"<推荐二>", "(first)"}};
    for (const auto& [marker, label] : expected) EXPECT_EQ(LabelBefore(doc, marker), label) << marker;
    std::string text = doc.Text();
    EXPECT_NE(text.find("项 目 名 称\r<项目名称>\r申 请 人：<申请人>\r"), std::string::npos);
    EXPECT_NE(text.find("申请日期：<日期>\r"), std::string::npos);
    EXPECT_NE(text.find("\f三、立论依据"), std::string::npos);
}

TEST_F(TemplatesTest, ManualIsWrittenFromItsTextAndSkippedWhenAbsent) {
    ASSERT_TRUE(sys::WriteFileAtomic(Path("manual.md"), "# 用户手册\n\n## 登录\n输入用户名和密码。\n"));
    std::string error;
    ASSERT_TRUE(templates::WriteManual(Path("manual.md"), folder_, error)) << error;
    auto word = word::Application::Create();
    EXPECT_EQ(word->Documents().Add(Path("用户手册.doc")).Text(), "用户手册\r登录\r输入用户名和密码。\r");
    sys::RemoveFile(Path("用户手册.docx"));
    EXPECT_TRUE(templates::WriteManual(Path("absent.md"), folder_, error));
    EXPECT_FALSE(sys::FileExists(Path("用户手册.docx")));
}

// Every template and a filled sample of each model open in LibreOffice. Run
// with LibreOffice installed (apt-get install libreoffice-writer-nogui
// libreoffice-calc-nogui); skipped otherwise.
TEST_F(TemplatesTest, LibreOfficeConvertsTemplatesAndSamplesToPdf) {
    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "LibreOffice is not installed";
    {
        auto excel = excel::Application::Create();
        auto book = excel->Workbooks().Add(Template("重点实验室经费表.xls"));
        auto sheet = book.Sheets().Item("sheet1");
        sheet.Range("A2", "G2").Font().SetName("仿宋_GB2312");
        for (int c = 1; c <= 7; ++c) sheet.Range("A2", "G2").Item(1, c).SetValue(c == 2 ? "9140C01" : "3");
        sheet.Range("A3", "C3").Merge();
        sheet.Range("A3").SetValue("合计");
        sheet.Range("D3").SetValue("=SUM(D2:D2)");
        sheet.Range("A3", "C3").BorderAround();
        ASSERT_TRUE(book.SaveAs(Path("sample-book.xls")));
        auto word = word::Application::Create();
        word->Documents().Add(Template("未获资助通知.doc"));
        auto sel = word->Selection();
        sel.GoToNext(word::wdGoToTable);
        sel.MoveUp(word::wdLine, 3);
        sel.TypeText("甲单位：");
        sel.GoToNext(word::wdGoToTable);
        sel.MoveRight(word::wdCell, 4);
        sel.TypeText("1");
        sel.InsertBreak(word::wdSectionBreakNextPage);
        word->ActiveWindow().ActivePane().View().SetSeekView(word::wdSeekCurrentPageFooter);
        sel.HeaderFooter().SetLinkToPrevious(false);
        sel.TypeText("页脚");
        ASSERT_TRUE(word->ActiveDocument().SaveAs(Path("sample-doc.doc")));
    }
    std::string files;
    for (const auto& t : templates::AllTemplates()) files += " '" + OoxmlPath(Template(t.name)) + "'";
    files += " '" + Path("sample-book.xlsx") + "' '" + Path("sample-doc.docx") + "'";
    std::string command = "cd '" + folder_ + "' && soffice -env:UserInstallation=file://" + folder_ +
                          "/lo-profile --headless --convert-to pdf --outdir pdf" + files + " > convert.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const auto& t : templates::AllTemplates()) {
        std::string stem = t.name.substr(0, t.name.rfind('.'));
        EXPECT_TRUE(sys::FileExists(Path("pdf/" + stem + ".pdf"))) << stem;
    }
    EXPECT_TRUE(sys::FileExists(Path("pdf/sample-book.pdf")));
    EXPECT_TRUE(sys::FileExists(Path("pdf/sample-doc.pdf")));
}

}  // namespace
