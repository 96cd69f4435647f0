// The expert, specialty-group and laboratory editors: choices, typing rules,
// required fields, adding, changing, overwriting and refused writes.
#include "MasterListTestSupport.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Lists.h"
#include "sysmanage/DlgExpertInfo.h"
#include "sysmanage/DlgLabInfo.h"
#include "sysmanage/DlgSpecGroupInfo.h"

using namespace listtest;
using managetest::Exec;
using managetest::Query;

namespace {

std::vector<std::string> ComboTexts(const ui::Dialog& dlg, int id) {
    std::vector<std::string> texts;
    auto* combo = dlg.Item<ui::ComboBox>(id);
    for (int i = 0; i < combo->GetCount(); ++i) texts.push_back(combo->GetLBText(i));
    return texts;
}

int ComboSelection(const ui::Dialog& dlg, int id) { return dlg.Item<ui::ComboBox>(id)->GetCurSel(); }

void FillBoxes(ui::Dialog& dlg, const std::vector<std::pair<int, std::string>>& boxes) {
    for (const auto& [id, value] : boxes) dlg.SetDlgItemText(id, value);
}

}  // namespace

// Editors run on a connection and recordset lent by the test, as a list lends them.
class RecordEditors : public ManageTest {
protected:
    void SetUp() override {
        ManageTest::SetUp();
        ASSERT_TRUE(ConnectDatabase(connection_, kProjectDatabase));
        BindRecordset(recordset_, connection_);
    }

    template <class Editor, class Handler>
    int Run(const std::string& key, Handler handler, bool lend = true) {
        driver.OnModal<Editor>([&](Editor& dlg) {
            handler(dlg);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
        Editor editor;
        editor.m_strKey = key;
        if (lend) {
            editor.m_pConnection = &connection_;
            editor.m_pRecordSet = &recordset_;
        }
        const int result = editor.DoModal();
        EXPECT_TRUE(driver.Finished());
        return result;
    }

    CAdoConnection connection_;
    CAdoRecordSet recordset_;
};

using C = CDlgExpertInfo;

TEST_F(RecordEditors, ExpertChoicesComeFromTheGroupsAndTheTitleTable) {
    Run<C>("", [&](C& dlg) { EXPECT_TRUE(ComboTexts(dlg, C::IDC_SSJJLB).empty()); });  // no groups yet

    for (const char* jjbh : {"9140A11", "9140A01", "9140B01", "9140A02"}) AddGroup(jjbh, "组", "所");
    Run<C>("", [&](C& dlg) {
        EXPECT_EQ(ComboTexts(dlg, C::IDC_SSJJLB), (std::vector<std::string>{"J01", "J02", "J11", "J01"}));
        EXPECT_EQ(ComboSelection(dlg, C::IDC_SSJJLB), 0);
        EXPECT_EQ(ComboTexts(dlg, C::IDC_XB), (std::vector<std::string>{"男", "女"}));
        const auto titles = ComboTexts(dlg, C::IDC_ZC);
        ASSERT_EQ(titles.size(), 14u);
        EXPECT_EQ(titles.front(), "研究员");
        EXPECT_FALSE(dlg.GetDlgItem(C::IDC_SFXSWYHCY)->IsWindowVisible());
    });
}

TEST_F(RecordEditors, ExpertBoxesTakeOnlyTheirCharactersAndLengths) {
    struct Case {
        int id;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {C::IDC_NL, "4a56", "456"},
        {C::IDC_DH, "(010)-1234x", "(010)-1234"},
        {C::IDC_ID, "A-01", "A01"},
        {C::IDC_YZBM, "1000815", "100081"},
        {C::IDC_SJ, "138000000001", "13800000000"},
    };
    Run<C>("", [&](C& dlg) {
        for (const Case& c : cases) {
            ui::sim::Type(*dlg.GetDlgItem(c.id), c.typed);
            EXPECT_EQ(dlg.GetDlgItemText(c.id), c.kept) << c.typed;
        }
    });
}

TEST_F(RecordEditors, ANewExpertNeedsIdAndNameAndIsStoredAsAMember) {
    AddGroup("9140A07", "组", "所");
    EXPECT_EQ(Run<C>("", [&](C& dlg) {
        dlg.SetDlgItemText(C::IDC_ID, "A01");
        driver.ExpectMessageBox("提示", "请将必填项填写完整");
        dlg.Click(IDOK);
        ASSERT_TRUE(dlg.IsRunningModal());
        dlg.SetDlgItemText(C::IDC_XM, "张三");
        dlg.Item<ui::ComboBox>(C::IDC_XB)->SetCurSel(1);
        driver.ExpectMessageBox("提示", "专家信息保存成功！");
        dlg.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(Stored(kExperts), (Rows{{"J07", "A01", "张三", "女", "", "研究员", "", "", "", "", "", "", "是"}}));
}

TEST_F(RecordEditors, ChangingAnExpertRewritesTheLoadedRecordAfterYes) {
    // NULLs between the stored texts (a row Seed cannot write).
    Exec(kProjectDatabase, "insert into CORVANE_EXPERTINFO values "
                           "('J01', 'A01', '张三', '', '45', '无此职称', NULL, NULL, NULL, NULL, NULL, NULL, '否')");
    Run<C>("A01", [&](C& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(C::IDC_XM), "张三");
        EXPECT_EQ(ComboSelection(dlg, C::IDC_XB), -1);  // stored empty
        EXPECT_EQ(ComboSelection(dlg, C::IDC_ZC), -1);  // not among the titles
        dlg.SetDlgItemText(C::IDC_XM, "张三丰");
        driver.ExpectMessageBox("提示", "确定更新专家信息吗？", IDNO);
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        EXPECT_EQ(Stored(kExperts, 3), (Rows{{"J01", "A01", "张三"}}));

        dlg.SetDlgItemText(C::IDC_ID, "A02");
        driver.ExpectMessageBox("提示", "确定更新专家信息吗？", IDYES);
        driver.ExpectMessageBox("提示", "专家信息更新成功！");
        dlg.Click(IDOK);
    });
    // One record, under its new ID. No group gives category J01 and no title
    // is called 无此职称: the lists show no selection and the stored texts
    // are kept, as is the membership.
    EXPECT_EQ(Stored(kExperts), (Rows{{"J01", "A02", "张三丰", "", "45", "无此职称", "", "", "", "", "", "", "否"}}));
}

// An ID names one expert: neither a new expert nor a changed one may take an
// ID that another record holds.
TEST_F(RecordEditors, AnIdHeldByAnotherExpertIsRefused) {
    AddExpert("J01", "A01", "张三");
    AddExpert("J01", "A02", "李四");
    Run<C>("", [&](C& dlg) {
        FillBoxes(dlg, {{C::IDC_ID, "a01"}, {C::IDC_XM, "王五"}});
        driver.ExpectMessageBox("提示", "专家ID：a01已存在，请使用其他ID！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
    });
    Run<C>("A02", [&](C& dlg) {
        dlg.SetDlgItemText(C::IDC_ID, "A01");
        driver.ExpectMessageBox("提示", "专家ID：A01已存在，请使用其他ID！");
        dlg.Click(IDOK);
        // Its own ID is no conflict.
        dlg.SetDlgItemText(C::IDC_ID, "A02");
        driver.ExpectMessageBox("提示", "确定更新专家信息吗？", IDYES);
        driver.ExpectMessageBox("提示", "专家信息更新成功！");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(Stored(kExperts, 3), (Rows{{"J01", "A01", "张三"}, {"J01", "A02", "李四"}}));
}

// ---- the group and laboratory editors, which save under the typed key ----

namespace {

struct KeyedCase {
    const ListKind* kind;
    std::function<int(RecordEditors&, const std::string&, std::function<void(CRecordEditor&)>)> run;
    int keyId;
    std::vector<std::pair<int, std::string>> required;  // key first
    int longTextId;  // a box whose column holds 255 characters
    const char* longTextLabel;
    const char* requiredMessage;
    const char* exists;
    const char* added;
    const char* updated;
    const char* addFailed;
};

}  // namespace

class KeyedEditors : public RecordEditors {
public:
    template <class Editor>
    static int RunAs(RecordEditors& self, const std::string& key, std::function<void(CRecordEditor&)> body) {
        return static_cast<KeyedEditors&>(self).Run<Editor>(key, [&](Editor& dlg) { body(dlg); });
    }
    std::vector<KeyedCase> Cases() {
        using G = CDlgSpecGroupInfo;
        using L = CDlgLabInfo;
        return {
            {&kGroups, RunAs<G>, G::IDC_JJBH,
             {{G::IDC_JJBH, "9140A01"}, {G::IDC_ZYZMC, "电子组"}, {G::IDC_YTDW, "研究所"}, {G::IDC_LXR, "张三"},
              {G::IDC_DH, "010-1"}, {G::IDC_SJ, "13800000000"}},
             G::IDC_ZYZMC, "专业组名称", "所有项都是必填项", "该专业组信息已存在，是否覆盖？", "专业组信息保存成功！",
             "专业组信息更新成功！", "专业组信息写入失败！"},
            {&kLabs, RunAs<L>, L::IDC_SYSDM,
             {{L::IDC_SYSDM, "9140C01"}, {L::IDC_SYSQC, "光学实验室"}, {L::IDC_YTDW, "大学"}, {L::IDC_LXR, "李四"},
              {L::IDC_DH, "010-2"}},
             L::IDC_SYSQC, "实验室全称", "请将必填项填写完整", "该实验室信息已存在，是否覆盖？", "实验室信息保存成功！",
             "实验室信息更新成功！", "实验室信息插入失败！"},
        };
    }
};

TEST_F(KeyedEditors, ANewRecordNeedsItsRequiredBoxesAndASecondOneOfTheKeyOverwritesAfterYes) {
    for (const KeyedCase& c : Cases()) {
        SCOPED_TRACE(c.kind->name);
        c.run(*this, "", [&](CRecordEditor& dlg) {
            EXPECT_FALSE(dlg.Item<ui::Edit>(c.keyId)->IsReadOnly());
            FillBoxes(dlg, {c.required.begin(), c.required.end() - 1});
            driver.ExpectMessageBox("提示", c.requiredMessage);
            dlg.Click(IDOK);
            FillBoxes(dlg, c.required);
            driver.ExpectMessageBox("提示", c.added);
            dlg.Click(IDOK);
        });
        const Rows first = Stored(*c.kind);
        ASSERT_EQ(first.size(), 1u);
        EXPECT_EQ(first[0][1], c.required[1].second);

        c.run(*this, "", [&](CRecordEditor& dlg) {
            FillBoxes(dlg, c.required);
            dlg.SetDlgItemText(c.required[1].first, "新名称");
            driver.ExpectMessageBox("提示", c.exists, IDNO);
            dlg.Click(IDOK);
            EXPECT_TRUE(dlg.IsRunningModal());
            EXPECT_EQ(Stored(*c.kind), first);
            driver.ExpectMessageBox("提示", c.exists, IDYES);
            driver.ExpectMessageBox("提示", c.updated);
            dlg.Click(IDOK);
        });
        const Rows second = Stored(*c.kind);
        ASSERT_EQ(second.size(), 1u);
        EXPECT_EQ(second[0][1], "新名称");
    }
}

TEST_F(KeyedEditors, OpenedOnAKeyTheEditorShowsTheRecordAndKeepsTheKey) {
    AddGroup("9140A01", "电子组", "研究所");
    AddLab("9140C01", "光学实验室", "大学");
    for (const KeyedCase& c : Cases()) {
        SCOPED_TRACE(c.kind->name);
        c.run(*this, c.required[0].second, [&](CRecordEditor& dlg) {
            EXPECT_TRUE(dlg.Item<ui::Edit>(c.keyId)->IsReadOnly());
            EXPECT_EQ(dlg.GetDlgItemText(c.keyId), c.required[0].second);
            EXPECT_FALSE(dlg.GetDlgItemText(c.required[1].first).empty());
        });
    }
}

TEST_F(KeyedEditors, ARefusedWriteIsRolledBackAndTheEditorStaysOpen) {
    for (const KeyedCase& c : Cases()) {
        SCOPED_TRACE(c.kind->name);
        const int result = c.run(*this, "", [&](CRecordEditor& dlg) {
            FillBoxes(dlg, c.required);
            dlg.SetDlgItemText(c.longTextId, std::string(256, 'x'));  // one more than the column holds
            // The failure names the box whose value the column cannot hold.
            driver.ExpectMessageBox("提示", std::string("“") + c.longTextLabel + "”不能超过255个字符。\r\n" + c.addFailed);
            EXPECT_EQ(dlg.Item<ui::Edit>(c.longTextId)->GetLimitChars(), 255);
            dlg.Click(IDOK);
            EXPECT_TRUE(dlg.IsRunningModal());
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_TRUE(Stored(*c.kind).empty());
    }
}

TEST_F(KeyedEditors, BoxesTakeOnlyTheirCharactersAndLengths) {
    struct Case {
        bool lab;
        int id;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {false, CDlgSpecGroupInfo::IDC_JJBH, "9140A012", "9140A01"},
        {false, CDlgSpecGroupInfo::IDC_SJ, "138000000001", "13800000000"},
        {false, CDlgSpecGroupInfo::IDC_DH, "(010)-1a", "(010)-1"},
        {true, CDlgLabInfo::IDC_SYSDM, "9140-C1", "9140C1"},
        {true, CDlgLabInfo::IDC_ZH, "6222-0200ab", "6222-0200"},
        {true, CDlgLabInfo::IDC_YB, "1000815", "100081"},
    };
    for (const Case& c : cases) {
        auto type = [&](CRecordEditor& dlg) {
            ui::sim::Type(*dlg.GetDlgItem(c.id), c.typed);
            EXPECT_EQ(dlg.GetDlgItemText(c.id), c.kept) << c.typed;
        };
        if (c.lab) RunAs<CDlgLabInfo>(*this, "", type);
        else RunAs<CDlgSpecGroupInfo>(*this, "", type);
    }
}

TEST_F(RecordEditors, TheGroupEditorWithoutALentConnectionSavesIntoTheProgramDatabase) {
    using G = CDlgSpecGroupInfo;
    const int result = Run<G>("", [&](G& dlg) {
        FillBoxes(dlg, {{G::IDC_JJBH, "9140A05"}, {G::IDC_ZYZMC, "五组"}, {G::IDC_YTDW, "所"}, {G::IDC_LXR, "人"},
                        {G::IDC_DH, "1"}, {G::IDC_SJ, "2"}});
        driver.ExpectMessageBox("提示", "专业组信息保存成功！");
        dlg.Click(IDOK);
    }, false);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Stored(kGroups), (Rows{{"9140A05", "五组", "所", "人", "1", "2"}}));
}

// While the editor asks whether to overwrite, it holds no lock: another
// program's write goes through at once, and the editor's own save follows.
TEST_F(KeyedEditors, AnotherProgramWritesWhileTheOverwriteQuestionWaits) {
    ado::SetBusyTimeout(50);
    for (const KeyedCase& c : Cases()) {
        SCOPED_TRACE(c.kind->name);
        c.run(*this, "", [&](CRecordEditor& dlg) {
            FillBoxes(dlg, c.required);
            driver.ExpectMessageBox("提示", c.added);
            dlg.Click(IDOK);
        });
        c.run(*this, "", [&](CRecordEditor& dlg) {
            FillBoxes(dlg, c.required);
            driver.ExpectMessageBox("提示", c.exists, IDYES, [&] {
                CAdoConnection other;
                ASSERT_TRUE(ConnectDatabase(other, kProjectDatabase));
                EXPECT_NE(other.Execute("CREATE TABLE IF NOT EXISTS CORVANE_OTHER (N LONG)"), nullptr);
                EXPECT_NE(other.Execute("INSERT INTO CORVANE_OTHER (N) VALUES (1)"), nullptr)
                    << other.FormatErrors();
            });
            driver.ExpectMessageBox("提示", c.updated);
            dlg.Click(IDOK);
        });
        EXPECT_EQ(Stored(*c.kind).size(), 1u);
    }
    ado::SetBusyTimeout(5000);
}

// Another program reading the database while the record is saved: the commit
// waits its bounded time, fails, says the database is in use and keeps
// nothing.
TEST_F(KeyedEditors, ABusyDatabaseFailsTheSaveCleanlyAndSaysItIsInUse) {
    ado::SetBusyTimeout(50);
    for (const KeyedCase& c : Cases()) {
        SCOPED_TRACE(c.kind->name);
        CAdoConnection reader;
        ASSERT_TRUE(ConnectDatabase(reader, kProjectDatabase));
        ASSERT_GT(reader.BeginTrans(), 0);
        ASSERT_NE(reader.Execute(std::string("SELECT COUNT(*) FROM ") + c.kind->table), nullptr);
        c.run(*this, "", [&](CRecordEditor& dlg) {
            FillBoxes(dlg, c.required);
            driver.ExpectMessageBox("提示", std::string("数据库正被其他程序使用，请稍后再试。\r\n") + c.addFailed);
            dlg.Click(IDOK);
            EXPECT_TRUE(dlg.IsRunningModal());
        });
        reader.RollbackTrans();
        EXPECT_TRUE(Stored(*c.kind).empty());

    }
    ado::SetBusyTimeout(5000);
}
