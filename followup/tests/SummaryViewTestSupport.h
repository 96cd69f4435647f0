// Helpers of the tests of the summary views: a shown view of either kind on
// the installed-folder copy, stored documents, applications and
// achievements, and the pages of the view.
#pragma once

#include <memory>
#include <string>

#include "FollowupFilesTestSupport.h"
#include "followup/DlgProSum.h"
#include "followup/DlgProSum1.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/GridCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/tests/ControlHost.h"

namespace summarytest {

constexpr const char* kNumber = "9140A01010108U001001";
constexpr const char* kOther = "9140B02020208U002001";

// A stored rich text as the editor writes it: GBK bytes.
inline std::string Rtf(const std::string& plain) {
    return "{\\rtf1\\ansi\\ansicpg936 " + text::Utf8ToGbk(plain) + "\\par}";
}

}  // namespace summarytest

class SummaryViewTest : public FollowupFilesTest {
protected:
    void SetUp() override {
        FollowupFilesTest::SetUp();
        ui::EnsureApplication();
        sys::MakeDirs(PathOf("temp"));
        SetRole(1);
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        FollowupFilesTest::TearDown();
    }

    // Creates the view in a shown window and runs its initial update.
    template <class View>
    View& Open() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        auto view = std::make_unique<View>();
        View& ref = *view;
        view_ = std::move(view);
        ref.CreateView(host_.get(), {0, 0, 1300, 900});
        ref.OnInitialUpdate();
        return ref;
    }
    CDlgProSum& OpenAcceptance() { return Open<CDlgProSum>(); }
    // Becomes the fund office, its acceptance summaries' attachments saved
    // below the test's files; gives the folder of kNumber's attachments.
    std::string BecomeFundOffice() {
        SetRole(2);
        COptions options;
        options.SetAcceptDir(files.File("验收") + "/");
        options.Save();
        return files.File(std::string("验收/9140A01/重点项目/") + summarytest::kNumber + "/所有文件");
    }
    CDlgProSum1& OpenProgress() { return Open<CDlgProSum1>(); }

    void StoreApplication(const std::string& number, const std::string& name,
                          const std::string& category = "共性技术基金——重点项目") {
        StoreRow("corvane_itemappinfo", {{"XMBH", number}, {"XMMC", name}, {"XMLB", category}, {"NF", "2008"},
                                         {"SQZNDM", number.substr(0, 11)}, {"DWDM", "U001"}, {"GZDW", "第一研究所"},
                                         {"SQRXM", "张三"}, {"SQJE", "30"}, {"ZC", "研究员"},
                                         {"XMQSRQ", "2008/01"}, {"XMZZRQ", "2010/12"}});
    }
    void StoreSummary(const std::string& table, const std::string& number, const std::string& name,
                      const std::string& text, const Values& more = {}) {
        Values texts{{"XMBH", number}, {"BACKUPNAME", name}, {"SJWCR", "王五"}};
        texts.insert(more.begin(), more.end());
        Values blobs{{"WCQKJJ", summarytest::Rtf(text)}};
        if (table == "corvane_itemcheckaccept") blobs["ZBSXQK"] = text::Utf8ToGbk("指标全部达到") + '\0';
        StoreRow(table, texts, blobs);
    }
    void StoreAchievement(const std::string& number, const std::string& name, const std::string& type = "论文") {
        StoreRow("corvane_cghz", {{"XMBH", number}, {"MC", name}, {"LX", type}, {"TIME", "2010-05"}, {"BZ", "备注"}});
    }
    Rows Achievements(const std::string& number) {
        return Query("select MC, LX, TIME, BZ from corvane_cghz where xmbh='" + number + "' order by rowid");
    }

    static std::vector<std::string> ListNumbers(CSummaryListPage& list) {
        std::vector<std::string> numbers;
        for (int row = 0; row < list.List().GetItemCount(); ++row)
            numbers.push_back(list.List().GetItemText(row, CSummaryListPage::kNumberColumn));
        return numbers;
    }
    static void ClickRow(CSummaryListPage& list, int row) { ui::sim::ClickItem(list.List(), row); }
    // The grid's rows as their four texts.
    static Rows GridRows(CDlgProSumResults& results) { return results.Rows(); }

    // Saves, answering the success message.
    void Save(CSummaryEditPage& edit) {
        driver.ExpectMessageBox("提示", "保存成功！");
        edit.Click(CSummaryEditPage::IDC_BTN_SAVE);
        EXPECT_TRUE(driver.Finished());
    }

    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CSummaryView> view_;
};
