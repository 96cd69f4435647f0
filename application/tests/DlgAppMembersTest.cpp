// The members page: the team total, rows inserted and deleted, the whole-
// number checks of the grid, and members read from a text file.
#include <sys/stat.h>
#include <unistd.h>

#include <QLineEdit>

#include "AppWriterTestSupport.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "testsupport/TempFolder.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class MembersPage : public AppWriterTest {
protected:
    CDlgAppMembers& Page() { return Writer().m_dlgMembers; }
    CMemberGridCtrl& Grid() { return Page().m_wndGrid; }

    Rows GridRows() {
        Rows rows;
        for (int r = 0; r < Grid().GetRowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < CMemberGridCtrl::kColumnCount; ++c) row.push_back(Grid().GetItem(r, c)->GetValue());
            rows.push_back(row);
        }
        return rows;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int r = 0; r < Grid().GetRowCount(); ++r) names.push_back(Grid().GetItem(r, 0)->GetValue());
        return names;
    }
    void AddNamed(const std::vector<std::string>& names) {
        for (const std::string& name : names) Page().AddMemberRow()->GetItem(0)->SetValue(name);
    }
    // Imports a file with these bytes through the page's button.
    void ImportBytes(const std::string& bytes) {
        const std::string path = folder.File("members.txt");
        ASSERT_TRUE(sys::WriteFileAtomic(path, bytes));
        driver.AnswerFile(path);
        Page().Click(CDlgAppMembers::IDC_IMPORT);
    }
    // Types into a cell's in-place editor as the user does.
    void TypeCell(int row, int column, const std::string& value) {
        ASSERT_TRUE(Grid().EditItem(row, column));
        auto* line = qobject_cast<QLineEdit*>(Grid().GetInPlaceEditor());
        ASSERT_NE(line, nullptr);
        line->setText(QString::fromStdString(value));
        Grid().EndEditItem();
    }

    testsupport::TempFolder folder;
};

}  // namespace

TEST_F(MembersPage, GridHasTheSevenCentredColumnsOverItsFrame) {
    const std::vector<std::pair<std::string, int>> columns = {{"姓名", 100},     {"性别", 50},     {"年龄", 80},
                                                              {"职称", 100},     {"工作单位", 180}, {"参加月数", 70},
                                                              {"工作分工", 160}};
    ASSERT_EQ(Grid().GetColumnCount(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Grid().GetColumnName(i), columns[size_t(i)].first);
        EXPECT_EQ(Grid().GetColumnWidth(i), columns[size_t(i)].second);
        EXPECT_EQ(Grid().GetColumnAlign(i), ui::HDF_CENTER);
        EXPECT_EQ(Grid().GetHeaderAlign(i), ui::HDF_CENTER);
    }
    EXPECT_TRUE(Grid().IsHeaderEnabled());
    EXPECT_EQ(Grid().GetDlgCtrlID(), CDlgAppMembers::IDC_GRID);
}

TEST_F(MembersPage, NewRowsOfferTheNamesAndGoAfterTheFirstSelectedRow) {
    Page().m_arrSex = {"男", "女"};
    Page().m_arrTitle = {"教授", "讲师"};
    AddNamed({"甲", "乙", "丙"});
    Grid().SelectRow(2);
    Grid().SelectRow(0);
    ui::GridRow* row = Page().AddMemberRow();
    EXPECT_EQ(row->GetRowId(), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"甲", "", "乙", "丙"}));
    EXPECT_EQ(row->GetItem(CMemberGridCtrl::kSex)->GetOptions(), Page().m_arrSex);
    EXPECT_EQ(row->GetItem(CMemberGridCtrl::kTitle)->GetOptions(), Page().m_arrTitle);
    EXPECT_TRUE(row->GetItem(CMemberGridCtrl::kAge)->GetOptions().empty());

    Grid().SetCurSel(-1);
    Page().Click(CDlgAppMembers::IDC_INSERT);
    EXPECT_EQ(Names(), (std::vector<std::string>{"甲", "", "乙", "丙", ""}));
}

TEST_F(MembersPage, DeleteRemovesEverySelectedRowAndAsksForOneWhenNoneIs) {
    AddNamed({"甲", "乙", "丙", "丁"});
    Grid().SetCurSel(-1);
    driver.ExpectMessageBox("提示", "你尚未选中任何记录!");
    Page().Click(CDlgAppMembers::IDC_DELETE);
    EXPECT_EQ(Grid().GetRowCount(), 4);

    Grid().SelectRow(0);
    Grid().SelectRow(2);
    Page().Click(CDlgAppMembers::IDC_DELETE);
    EXPECT_EQ(Names(), (std::vector<std::string>{"乙", "丁"}));

    Page().Click(CDlgAppMembers::IDC_CLEAR);
    EXPECT_EQ(Grid().GetRowCount(), 0);
}

TEST_F(MembersPage, AgeAndMonthsTypedByTheUserMustBePlainWholeNumbers) {
    const struct {
        int column;
        std::string typed;
        std::string message;  // empty: accepted
    } cases[] = {
        {CMemberGridCtrl::kAge, "12a", "年龄请输入整数！"},
        {CMemberGridCtrl::kAge, "012", "年龄请输入整数！"},
        {CMemberGridCtrl::kAge, "-5", "年龄请输入整数！"},
        {CMemberGridCtrl::kAge, "45", ""},
        {CMemberGridCtrl::kMonths, "6.5", "参加月数请输入整数！"},
        {CMemberGridCtrl::kMonths, "12", ""},
        {CMemberGridCtrl::kWorkUnit, "12a", ""},
    };
    AddNamed({"甲"});
    for (const auto& c : cases) {
        if (!c.message.empty()) driver.ExpectMessageBox("提示", c.message);
        TypeCell(0, c.column, c.typed);
        EXPECT_EQ(Grid().GetItem(0, c.column)->GetValue(), c.message.empty() ? c.typed : "") << c.typed;
    }
    EXPECT_TRUE(driver.Finished());
}

TEST_F(MembersPage, TeamTotalIsTheSumOfTheSixCountsAndStaysWhenAllAreEmpty) {
    const struct {
        std::vector<std::string> counts;
        std::string total;
    } cases[] = {
        {{"1", "2", "", "", "", "3"}, "6"},
        {{"10", "0", "5", "1", "1", "1"}, "18"},
        {{"", "", "", "", "", ""}, "18"},  // unchanged
        {{"", "", "", "", "", "7"}, "7"},
    };
    for (const auto& c : cases) {
        for (size_t i = 0; i < 6; ++i) Page().SetDlgItemText(CDlgAppMembers::kCountIds[i], c.counts[i]);
        Page().OnCommand(CDlgAppMembers::kCountIds[2], EN_KILLFOCUS);
        EXPECT_EQ(Page().GetDlgItemText(CDlgAppMembers::IDC_TOTAL), c.total);
    }
}

TEST_F(MembersPage, CountsTakeAtMostSixDigits) {
    ui::MaskEdit& count = Page().m_editCounts[0];
    count.SetWindowText("");
    ui::sim::Type(count, "12a3456789");
    EXPECT_EQ(count.GetWindowText(), "123456");
}

TEST_F(MembersPage, TextFileGivesOneMemberPerSevenWords) {
    AddNamed({"已有"});
    Grid().SetCurSel(-1);
    ImportBytes("张三 男 45 教授 一所 12 负责\n\t李四  女\r\n30 讲师 二所 6 参加\n王五\n");
    EXPECT_EQ(GridRows(), (Rows{{"已有", "", "", "", "", "", ""},
                                {"张三", "男", "45", "教授", "一所", "12", "负责"},
                                {"李四", "女", "30", "讲师", "二所", "6", "参加"},
                                {"王五", "", "", "", "", "", ""}}));
    ASSERT_EQ(driver.FileRequests().size(), 1u);
    EXPECT_TRUE(driver.FileRequests()[0].open);
    EXPECT_EQ(driver.FileRequests()[0].filter, "申请人信息(*.txt)|*.txt||");
    EXPECT_EQ(driver.FileRequests()[0].defaultExt, "txt");
}

TEST_F(MembersPage, TextFileEdgeCases) {
    const std::string longWord(300, 'x');
    const struct {
        std::string name;
        std::string bytes;
        Rows rows;
    } cases[] = {
        {"eight words", "a b 3 d e 6 g h", {{"a", "b", "3", "d", "e", "6", "g"}, {"h", "", "", "", "", "", ""}}},
        {"white space only", " \r\n\t ", {}},
        {"empty", "", {}},
        {"code page", text::Utf8ToGbk("赵六 男 50 研究员 三所 24 总体"), {{"赵六", "男", "50", "研究员", "三所", "24", "总体"}}},
        {"long word", longWord, {{std::string(259, 'x'), "", "", "", "", "", ""}}},
    };
    for (const auto& c : cases) {
        Page().OnBtnClear();
        ImportBytes(c.bytes);
        EXPECT_EQ(GridRows(), c.rows) << c.name;
    }
}

TEST_F(MembersPage, UnreadableOrCancelledFileAddsNothing) {
    driver.AnswerFile(folder.File("missing.txt"));
    driver.ExpectMessageBox("提示", "文件missing.txt不存在，未读取！");
    Page().Click(CDlgAppMembers::IDC_IMPORT);
    driver.CancelFile();
    Page().Click(CDlgAppMembers::IDC_IMPORT);
    EXPECT_EQ(Grid().GetRowCount(), 0);
    EXPECT_EQ(driver.MessageBoxes().size(), 1u);
}

// A pipe, a device or a file far larger than a team's list is refused at once
// (nothing waits for a writer) and named; a genuine file beside them imports.
TEST_F(MembersPage, PipesDevicesAndOversizeFilesAreRefusedByName) {
    // The chooser gives names with the extension: the device and the folder stand under such names.
    ASSERT_EQ(::mkfifo(folder.File("pipe.txt").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", folder.File("zero.txt").c_str()), 0);
    ASSERT_TRUE(sys::MakeDir(folder.File("folder.txt")));
    const std::string huge = folder.File("huge.txt");
    ASSERT_TRUE(sys::WriteFileAtomic(huge, "叶英 女 40"));
    ASSERT_EQ(::truncate(huge.c_str(), off_t(600) << 20), 0);  // 600 MB, all a hole
    ASSERT_TRUE(sys::WriteFileAtomic(folder.File("good.txt"), "叶英 女 40"));
    const struct {
        std::string path, message;
    } cases[] = {
        {folder.File("pipe.txt"), "文件pipe.txt不是普通文件（文件夹、管道或设备），未读取！"},
        {folder.File("zero.txt"), "文件zero.txt不是普通文件（文件夹、管道或设备），未读取！"},
        {folder.File("folder.txt"), "文件folder.txt不是普通文件（文件夹、管道或设备），未读取！"},
        {huge, "文件huge.txt大于16MB，未读取！"},
    };
    for (const auto& c : cases) {
        driver.AnswerFile(c.path);
        driver.ExpectMessageBox("提示", c.message);
        Page().Click(CDlgAppMembers::IDC_IMPORT);
        EXPECT_EQ(Grid().GetRowCount(), 0) << c.path;
    }
    driver.AnswerFile(folder.File("good.txt"));
    Page().Click(CDlgAppMembers::IDC_IMPORT);
    EXPECT_EQ(GridRows(), (Rows{{"叶英", "女", "40", "", "", "", ""}}));
}

// Files as offices write them: GBK (also when its bytes happen to be valid
// UTF-8), UTF-8 with or without a byte-order mark, UTF-16 either way round.
TEST_F(MembersPage, TextFilesAreReadInTheirEncoding) {
    auto utf16 = [](const std::u16string& text, bool bigEndian) {
        std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char16_t c : text) {
            const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
            out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
        return out;
    };
    const Rows member = {{"叶英", "女", "40", "", "", "", ""}};
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"GBK, valid UTF-8 by chance", text::Utf8ToGbk("叶英 女 40")},
        {"UTF-8", "叶英 女 40"},
        {"UTF-8 with a mark", "\xEF\xBB\xBF叶英 女 40"},
        {"UTF-16 LE", utf16(u"叶英 女 40\r\n", false)},
        {"UTF-16 BE", utf16(u"叶英 女 40\r\n", true)},
    };
    for (const auto& c : cases) {
        Page().OnBtnClear();
        ImportBytes(c.bytes);
        EXPECT_EQ(GridRows(), member) << c.what;
    }
}

// The members of a file go after the selected row in the file's order.
TEST_F(MembersPage, ImportedMembersFollowTheSelectedRowInTheirOrder) {
    AddNamed({"甲", "乙"});
    Grid().SetCurSel(0);
    ImportBytes("一 男 40 教授 一所 12 总体\n二 女 35 讲师 二所 6 试验\n三");
    EXPECT_EQ(Names(), (std::vector<std::string>{"甲", "一", "二", "三", "乙"}));
}
