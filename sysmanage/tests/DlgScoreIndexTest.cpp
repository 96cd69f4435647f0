// The scoring indexes: count, weights with the derived last weight, grade
// scores, kept in the settings record.
#include <array>
#include <functional>

#include "ManageTestSupport.h"
#include "platform/ui/Lists.h"
#include "sysmanage/DlgScoreIndex.h"

namespace {

using Ids = CDlgScoreIndex;

class ScoreIndex : public ManageTest {
protected:
    // Stores a record with count `count`, weights 10, 11, ... 19, grades 90 ... 40.
    static void StoreSettings(int count) {
        COptions options;
        options.SetIndexCount(10);
        options.SetIndexWeights(std::array{10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
        options.SetIndexCount(count);
        options.SetGradeScores(std::array{90, 80, 70, 60, 50, 40});
        options.SetAppDir("/srv/apps/");
        options.Save();
    }
    // Runs the dialog with a handler; returns its result.
    int Run(std::function<void(CDlgScoreIndex&)> handler) {
        driver.OnModal<CDlgScoreIndex>([handler](CDlgScoreIndex& dlg) {
            handler(dlg);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
        return CDlgScoreIndex().DoModal();
    }
    static void ChooseCount(CDlgScoreIndex& dlg, int count) {
        dlg.Item<ui::ComboBox>(Ids::IDC_COUNT)->SetCurSel(count - 6);
        dlg.OnCommand(Ids::IDC_COUNT, CBN_SELCHANGE);
    }
    static void SetWeights(CDlgScoreIndex& dlg, std::initializer_list<int> weights) {
        int i = 0;
        for (int w : weights) dlg.SetDlgItemText(Ids::kWeightIds[i++], std::to_string(w));
    }
    static std::string Weight(CDlgScoreIndex& dlg, int number) { return dlg.GetDlgItemText(Ids::kWeightIds[number - 1]); }
    static int VisibleWeights(CDlgScoreIndex& dlg) {
        int visible = 0;
        for (int id : Ids::kWeightIds) visible += dlg.GetDlgItem(id)->IsWindowVisible() ? 1 : 0;
        return visible;
    }
};

TEST_F(ScoreIndex, OpensWithTheStoredCountWeightsAndGrades) {
    StoreSettings(8);
    Run([](CDlgScoreIndex& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(Ids::IDC_COUNT), "8");
        EXPECT_EQ(VisibleWeights(dlg), 8);
        EXPECT_FALSE(dlg.GetDlgItem(Ids::kWeightIds[8])->IsWindowVisible());
        EXPECT_EQ(Weight(dlg, 1), "10");
        EXPECT_EQ(Weight(dlg, 8), "17");
        EXPECT_EQ(Weight(dlg, 9), "0");  // beyond the count: not read
        EXPECT_EQ(dlg.GetDlgItemText(Ids::kGradeIds[0]), "90");
        EXPECT_EQ(dlg.GetDlgItemText(Ids::kGradeIds[5]), "40");
    });
}

TEST_F(ScoreIndex, FewerIndexesHideAndZeroTheRestWhichReturnAsZero) {
    StoreSettings(8);
    Run([](CDlgScoreIndex& dlg) {
        ChooseCount(dlg, 6);
        EXPECT_EQ(VisibleWeights(dlg), 6);
        EXPECT_EQ(Weight(dlg, 7), "0");
        ChooseCount(dlg, 10);
        EXPECT_EQ(VisibleWeights(dlg), 10);
        EXPECT_EQ(Weight(dlg, 7), "0");
        EXPECT_EQ(Weight(dlg, 10), "0");
    });
}

TEST_F(ScoreIndex, LeavingAWeightDerivesTheLastShownOne) {
    struct Case {
        int count;
        std::initializer_list<int> weights;
        const char* last;
    };
    const Case cases[] = {
        {8, {10, 10, 10, 10, 15, 15, 15, 99}, "15"},
        {10, {10, 10, 10, 10, 10, 10, 10, 10, 5, 0}, "15"},
        {6, {30, 30, 30, 30, 0, 0}, "-20"},
    };
    StoreSettings(8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        Run([&](CDlgScoreIndex& dlg) {
            ChooseCount(dlg, c.count);
            SetWeights(dlg, c.weights);
            dlg.OnCommand(Ids::kWeightIds[2], EN_KILLFOCUS);
            EXPECT_EQ(Weight(dlg, c.count), c.last);
        });
    }
}

TEST_F(ScoreIndex, ADerivedNegativeOrAWrongGradeIsRefusedAndNothingIsStored) {
    struct Case {
        std::initializer_list<int> weights;  // count 6
        const char* grade;                   // grade C
        const char* message;
    };
    const Case cases[] = {
        {{30, 30, 30, 30, 0, 0}, "60", "请输入一个介于 0 和 100 之间的整数。"},  // weight 6 derived as -20
        {{20, 20, 20, 20, 10, 0}, "abc", "请输入一个整数。"},
        {{20, 20, 20, 20, 10, 0}, "101", "请输入一个介于 0 和 100 之间的整数。"},
    };
    StoreSettings(8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        driver.OnModal<CDlgScoreIndex>([&](CDlgScoreIndex& dlg) {
            ChooseCount(dlg, 6);
            SetWeights(dlg, c.weights);
            dlg.OnCommand(Ids::kWeightIds[0], EN_KILLFOCUS);
            dlg.SetDlgItemText(Ids::kGradeIds[2], c.grade);
            dlg.Click(IDOK);
            EXPECT_TRUE(dlg.IsRunningModal());
            dlg.Click(IDCANCEL);
        });
        driver.AnswerMessageBox();
        CDlgScoreIndex().DoModal();
        EXPECT_EQ(driver.MessageBoxes().back().text, c.message);
        EXPECT_EQ(COptions().GetIndexCount(), 8);
    }
    EXPECT_TRUE(driver.Finished());
}

TEST_F(ScoreIndex, OkStoresCountWeightsAndGradesAndKeepsEverythingElse) {
    StoreSettings(10);
    EXPECT_EQ(Run([](CDlgScoreIndex& dlg) {
                  ChooseCount(dlg, 7);
                  SetWeights(dlg, {20, 20, 20, 10, 10, 10, 10});
                  for (int i = 0; i < 6; ++i) dlg.SetDlgItemText(Ids::kGradeIds[i], std::to_string(100 - i * 5));
                  dlg.Click(IDOK);
              }),
              IDOK);
    COptions stored;
    EXPECT_EQ(stored.GetIndexCount(), 7);
    EXPECT_EQ(stored.GetIndexWeights(), (std::array{20, 20, 20, 10, 10, 10, 10, 17, 18, 19}));
    EXPECT_EQ(stored.GetGradeScores(), (std::array{100, 95, 90, 85, 80, 75}));
    EXPECT_EQ(stored.GetAppDir(), "/srv/apps/");
}

TEST_F(ScoreIndex, CancelStoresNothingAndAnOutOfRangeCountShowsTheNearest) {
    StoreSettings(8);
    {
        COptions options;
        options.SetIndexCount(42);
        options.Save();
    }
    Run([](CDlgScoreIndex& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(Ids::IDC_COUNT), "10");
        ChooseCount(dlg, 6);
    });
    EXPECT_EQ(COptions().GetIndexCount(), 42);
}

}  // namespace
