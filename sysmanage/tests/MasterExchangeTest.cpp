// Exchange files of the expert, specialty-group and laboratory lists: export
// of the selected rows, import with each duplicate policy, refused files,
// records that cannot be written.
#include "MasterListTestSupport.h"
#include "platform/text/Text.h"

using namespace listtest;
using managetest::Exec;
using managetest::FileRows;
using namespace sysmanage;

namespace {

// What the round trip of one list needs: three stored rows, the column it
// changes behind the file's back and the question an import asks.
struct ExchangeKind {
    const ListKind* kind;
    std::vector<std::string> keys;
    void (*seed)();
    const char* changedColumn;
    const char* question;  // before the key
    const char* extension;
    int fileColumns;       // every column of the table
};

const ExchangeKind kExchangeKinds[] = {
    {&kExperts, {"E01", "E02", "E03"},
     [] {
         AddExpert("J01", "E01", "张三");
         AddExpert("J01", "E02", "李四");
         AddExpert("J02", "E03", "王五");
     },
     "XM", "专家ID：", "eif", 13},
    {&kGroups, {"9140A01", "9140A02", "9140A03"},
     [] {
         AddGroup("9140A01", "电子组", "研究所");
         AddGroup("9140A02", "光学组", "研究所");
         AddGroup("9140A03", "材料组", "大学");
     },
     "ZYZMC", "基金编号：", "sif", 6},
    {&kLabs, {"9140C01", "9140C02", "9140C03"},
     [] {
         AddLab("9140C01", "光学实验室", "大学");
         AddLab("9140C02", "光电实验室", "大学");
         AddLab("9140C03", "材料实验室", "研究院");
     },
     "sysqc", "实验室代码：", "lif", 14},
};

struct PolicyCase {
    DuplicatePolicy policy;
    int answer;             // to the question of the stored record (AskEach)
    bool storedReplaced;
};

const PolicyCase kPolicies[] = {
    {Overwrite, 0, true},
    {KeepExisting, 0, false},
    {AskEach, IDNO, false},
    {AskEach, IDYES, true},
};

const int kPolicyRadio[] = {CDlgRepeatRecord::IDC_OVERWRITE, CDlgRepeatRecord::IDC_KEEP, CDlgRepeatRecord::IDC_ASK};

}  // namespace

class MasterExchange : public ListTest {
protected:
    void Export(const ListKind& kind, const std::vector<std::string>& keys, const std::string& path) {
        RunList(kind, [&](CMasterListDialog& dlg) {
            SelectKeys(dlg, keys);
            driver.AnswerFile(path);
            driver.ExpectMessageBox("提示", text::Format("共导出了%d条数据！", int(keys.size())));
            dlg.Click(dlg.Spec().idExport);
        });
    }

    // Imports `path` with the policy; `between` scripts what comes between the
    // file chooser and the closing count.
    void Import(const ListKind& kind, DuplicatePolicy policy, const std::string& path,
                const std::function<void()>& between = {}) {
        RunList(kind, [&](CMasterListDialog& dlg) {
            driver.OnModal<CDlgRepeatRecord>([policy](CDlgRepeatRecord& prompt) {
                prompt.Click(kPolicyRadio[policy]);
                prompt.Click(IDOK);
            });
            driver.AnswerFile(path);
            if (between) between();
            dlg.Click(dlg.Spec().idImport);
            // The list shows what is stored now.
            EXPECT_EQ(dlg.List().GetItemCount(), int(Stored(kind).size()));
        });
    }
};

TEST_F(MasterExchange, ExportedRowsComeBackUnderEachDuplicatePolicy) {
    for (const ExchangeKind& x : kExchangeKinds) {
        const ListKind& kind = *x.kind;
        x.seed();
        const Rows original = Stored(kind);
        const std::string path = PathOf(std::string("out.") + x.extension);
        Export(kind, {x.keys[0], x.keys[1]}, path);
        const Rows file = FileRows(path);
        ASSERT_EQ(file.size(), 2u) << kind.name;
        EXPECT_EQ(file[0].size(), std::size_t(x.fileColumns)) << kind.name;
        EXPECT_TRUE(managetest::Query(kSideDatabase, std::string("select * from ") + kind.table).empty());

        for (const PolicyCase& p : kPolicies) {
            SCOPED_TRACE(std::string(kind.name) + " policy " + std::to_string(p.policy) + " answer " +
                         std::to_string(p.answer));
            // The first exported row was changed since, the second deleted.
            Exec(kProjectDatabase, std::string("update ") + kind.table + " set " + x.changedColumn +
                                       " = '改过' where " + kind.keyColumn + " = '" + x.keys[0] + "'");
            Exec(kProjectDatabase,
                 std::string("delete from ") + kind.table + " where " + kind.keyColumn + " = '" + x.keys[1] + "'");
            const Rows changed = Stored(kind);
            Import(kind, p.policy, path, [&] {
                if (p.policy == AskEach)
                    driver.ExpectMessageBox("提示", x.question + x.keys[0] + "已存在，是否覆盖原有记录？", p.answer);
                driver.ExpectMessageBox("提示", p.storedReplaced ? "共导入了2条数据！" : "共导入了1条数据！");
            });
            const Rows stored = Stored(kind);
            ASSERT_EQ(stored.size(), 3u);
            EXPECT_EQ(stored[0], p.storedReplaced ? original[0] : changed[0]);
            EXPECT_EQ(stored[1], original[1]);
            EXPECT_EQ(stored[2], original[2]);
        }
        Exec(kProjectDatabase, std::string("delete from ") + kind.table);
    }
}

TEST_F(MasterExchange, AnExpertFileCarriesTwelveColumnsAndAnOverwriteLeavesMembershipEmpty) {
    AddExpert("J01", "E01", "张三", {"男", "45", "研究员", "雷达", "某所", "北京", "100081", "010-1", "13800000000", "是"});
    const std::string path = PathOf("one.eif");
    Export(kExperts, {"E01"}, path);
    EXPECT_EQ(FileRows(path)[0][12], "");
    Import(kExperts, Overwrite, path, [&] { driver.ExpectMessageBox("提示", "共导入了1条数据！"); });
    EXPECT_EQ(Stored(kExperts), (Rows{{"J01", "E01", "张三", "男", "45", "研究员", "雷达", "某所", "北京", "100081",
                                       "010-1", "13800000000", ""}}));
}

TEST_F(MasterExchange, AFileThatIsNotOfTheListIsRefusedAndNothingChanges) {
    AddExpert("J01", "E01", "张三");
    AddGroup("9140A01", "电子组", "研究所");
    const std::string groupFile = PathOf("groups.sif");
    Export(kGroups, {"9140A01"}, groupFile);
    const std::string expertFile = PathOf("experts.eif");
    Export(kExperts, {"E01"}, expertFile);
    std::string whole;
    ASSERT_TRUE(sys::ReadFile(expertFile, whole));

    // Each named with its reason.
    const std::string unreadable = "不是可读取的专家信息文件（";
    struct BadFile {
        const char* name;
        std::string content;  // empty: the group file as it is
        std::string message;  // after "文件<name>"
    };
    const BadFile files[] = {
        {"groups.sif", {}, "不是专家信息文件（其列与专家信息的列不符），未导入任何数据！"},
        {"garbage.eif", "\x01\x02not a saved recordset", unreadable + "第1行：文件中没有XML元素），未导入任何数据！"},
        {"cut.eif", whole.substr(0, whole.size() / 2), unreadable},
        {"empty.eif", " ", unreadable + "文件是空的），未导入任何数据！"},
    };
    Exec(kProjectDatabase, "update CORVANE_EXPERTINFO set XM = '改过'");
    const Rows before = Stored(kExperts);
    for (const BadFile& f : files) {
        SCOPED_TRACE(f.name);
        const std::string path = f.content.empty() ? groupFile : PathOf(f.name);
        if (!f.content.empty()) {
            ASSERT_TRUE(sys::WriteFileAtomic(path, f.content));
        }
        Import(kExperts, Overwrite, path, [&] { driver.AnswerMessageBox(IDOK); });
        ASSERT_FALSE(driver.MessageBoxes().empty());
        const std::string shown = driver.MessageBoxes().back().text;
        EXPECT_EQ(shown.rfind(std::string("文件") + f.name + f.message, 0), 0u) << shown;
        EXPECT_EQ(driver.MessageBoxes().back().type & MB_ICONSTOP, UINT(MB_ICONSTOP));
        EXPECT_EQ(Stored(kExperts), before);
    }
}

// A record that cannot be stored (a value longer than its column, or no key)
// is not imported: an overwritten record stays as it was, and each is named
// with its reason.
TEST_F(MasterExchange, ARecordThatCannotBeWrittenKeepsTheStoredOne) {
    AddExpert("J01", "E01", "张三", {"男", "45"});
    AddExpert("J01", "E02", "李四");
    AddExpert("J01", "E03", "王五");
    const std::string path = PathOf("bad.eif");
    Export(kExperts, {"E01", "E02", "E03"}, path);
    std::string content;
    ASSERT_TRUE(sys::ReadFile(path, content));
    content = text::ReplaceAll(content, "NL='45'", "NL='12345'");  // the column holds three characters
    content = text::ReplaceAll(content, "ID='E02'", "");           // no key
    content = text::ReplaceAll(content, "XM='王五'", "XM='王六'");
    ASSERT_TRUE(sys::WriteFileAtomic(path, content));
    const Rows before = Stored(kExperts);

    Import(kExperts, Overwrite, path, [&] {
        driver.ExpectMessageBox("提示", "共导入了1条数据！\r\n以下记录未导入：\r\n第1条：NL的值超过3个字符\r\n第2条：没有专家ID");
    });
    const Rows after = Stored(kExperts);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    EXPECT_EQ(after[2][2], "王六");
}

// The rows of a file are written in one transaction: when the database
// refuses one of them, none is stored and none counted, and the file is named.
TEST_F(MasterExchange, AFileIsStoredWholeOrNotAtAll) {
    AddExpert("J01", "E01", "张三");
    AddExpert("J01", "E02", "李四");
    const std::string path = PathOf("two.eif");
    Export(kExperts, {"E01", "E02"}, path);
    Exec(kProjectDatabase, "delete from CORVANE_EXPERTINFO");
    Exec(kProjectDatabase, "create trigger refuse_e02 before insert on CORVANE_EXPERTINFO when new.ID = 'E02' "
                           "begin select raise(abort, 'refused'); end");
    Import(kExperts, Overwrite, path, [&] {
        driver.ExpectMessageBox("提示", "共导入了0条数据！\r\n以下文件写入数据库失败，未导入：\r\ntwo.eif");
    });
    EXPECT_TRUE(Stored(kExperts).empty());
}

TEST_F(MasterExchange, CancellingThePromptOrTheChooserImportsNothing) {
    AddGroup("9140A01", "电子组", "研究所");
    RunList(kGroups, [&](CMasterListDialog& dlg) {
        driver.OnModal<CDlgRepeatRecord>([](CDlgRepeatRecord& prompt) { prompt.Click(IDCANCEL); });
        dlg.Click(CDlgSpecGroupManage::IDC_IMPORT);
        EXPECT_TRUE(driver.FileRequests().empty());  // no file is asked for

        driver.OnModal<CDlgRepeatRecord>([](CDlgRepeatRecord& prompt) { prompt.Click(IDOK); });
        driver.CancelFile();
        dlg.Click(CDlgSpecGroupManage::IDC_IMPORT);
        ASSERT_EQ(driver.FileRequests().size(), 1u);
        EXPECT_TRUE(driver.FileRequests()[0].open);
        EXPECT_EQ(driver.FileRequests()[0].filter, "专业组信息文件(*.sif)|*.sif||");
        EXPECT_EQ(driver.FileRequests()[0].defaultExt, "sif");
    });
}
