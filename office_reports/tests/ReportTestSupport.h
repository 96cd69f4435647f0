// Helpers of the report dialog tests: the test's copy of the program folder
// with its settings record and period, the opener's connection, seeded rows,
// and the workbook or document the dialog handed to the desktop, read back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/Options.h"
#include "platform/office/Excel.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Lists.h"
#include "platform/ui/TestDriverGTest.h"
#include "review/DlgFirstAPPR.h"
#include "review/OfficeReports.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace reporttest {

inline const std::string kGroupGeneral = "共性技术基金——一般项目";
inline const std::string kGroupKey = "共性技术基金——重点项目";
inline const std::string kLabGeneral = "重点实验室基金——一般项目";
inline const std::string kLabKey = "重点实验室基金——重点项目";

class ReportTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
        CDlgFirstAPPR::m_strPublishYear = "2006-2010";
        StoreSettings("2008", 0);
        ASSERT_TRUE(testdb::OpenProgramDatabase(connection));
        officereports::ClearRequests();
    }
    void TearDown() override {
        reader_.reset();
        connection.Close();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        InstalledFolder::TearDown();
    }

    static void StoreSettings(const std::string& year, int category) {
        COptions options;
        options.SetYear(year);
        options.SetCategory(category);
        options.Save();
    }
    void Exec(const std::string& sql) { testdb::Exec(connection, sql); }
    void AddApplication(const std::string& xmbh, const std::string& category, const std::string& sqje,
                        const std::string& year = "2008", const std::string& firstReview = "+") {
        testdb::Seed(connection, {"CORVANE_ITEMAPPINFO",
                                  {"XMBH", "NF", "XMLB", "SQJE", "FIRSTAPPR", "XMMC", "XMQSRQ", "XMZZRQ", "GZDW",
                                   "SQRXM", "SQRXB", "SQRNL", "ZC"},
                                  {{xmbh, year, category, sqje, firstReview, "名称" + xmbh.substr(14), "2008-01",
                                    "2009-12", "单位", "张三", "男", "45", "研究员"}}});
    }
    void AddDirection(const std::string& code, const std::string& name, const std::string& unit = "1001",
                      const std::string& keyFlag = "0", const std::string& year = "2008") {
        testdb::Seed(connection, {"CORVANE_YEAR_STUDYASPECT",
                                  {"YJFXBH", "YJFXMC", "FBNF", "DWDM", "SFZDYJFX"},
                                  {{code, name, year, unit, keyFlag}}});
    }
    // A project's review row: its result and approved funds.
    void AddReviewResult(const std::string& xmbh, const std::string& result, const std::string& funds) {
        testdb::Seed(connection, {"CORVANE_ITEMPF", {"XMBH", "PSJG", "PFJF"}, {{xmbh, result, funds}}});
    }
    void AddLaboratory(const std::string& code, const std::string& name) {
        testdb::Seed(connection, {"CORVANE_LAB", {"SYSDM", "SYSQC"}, {{code, name}}});
    }
    void AddSpecialtyGroup(const std::string& fund, const std::string& name) {
        testdb::Seed(connection, {"CORVANE_SPECGROUP", {"JJBH", "ZYZMC"}, {{fund, name}}});
    }

    // The only workbook handed to the desktop, its sheet by name.
    office::excel::Worksheet OpenedSheet(const std::string& name = "sheet1") {
        EXPECT_EQ(opened.size(), 1u);
        if (opened.empty()) return {};
        excelReader_ = office::excel::Application::Create();
        return excelReader_->Workbooks().Add(opened.back()).Sheets().Item(name);
    }
    // The only document handed to the desktop.
    office::word::Document OpenedDocument() {
        EXPECT_EQ(opened.size(), 1u);
        if (opened.empty()) return {};
        reader_ = office::word::Application::Create();
        return reader_->Documents().Add(opened.back());
    }
    static std::string Cell(const office::excel::Worksheet& sheet, const std::string& name) {
        return sheet.Range(name).Value();
    }
    // Texts of a row from column A to the last column given.
    static std::vector<std::string> RowTexts(const office::excel::Worksheet& sheet, int row, int lastColumn) {
        std::vector<std::string> texts;
        for (int column = 1; column <= lastColumn; ++column)
            texts.push_back(sheet.Cells().Item(row, column).Value());
        return texts;
    }
    static std::vector<std::string> ComboTexts(const ui::ComboBox& combo) {
        std::vector<std::string> texts;
        for (int i = 0; i < combo.GetCount(); ++i) texts.push_back(combo.GetLBText(i));
        return texts;
    }

    ui::TestDriver driver;
    CAdoConnection connection;
    std::vector<std::string> opened;

private:
    std::unique_ptr<office::excel::Application> excelReader_;
    std::unique_ptr<office::word::Application> reader_;
};

}  // namespace reporttest
