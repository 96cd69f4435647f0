// Shared set-up of the report tests: the main window's test set-up, an open
// connection on the installed database for the dialogs, rows seeded into the
// tables the reports read, Office starts that a test can refuse, and the
// documents handed to the desktop, read back through the office models.
#pragma once

#include <string>
#include <vector>

#include "MainTestSupport.h"
#include "platform/office/Excel.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/text/Text.h"
#include "platform/ui/Lists.h"

class ReportTest : public MainWindowTest {
protected:
    static constexpr const char* kPeriod = "2006-2010";

    void SetUp() override {
        MainWindowTest::SetUp();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
        ASSERT_TRUE(testdb::OpenProgramDatabase(db));
    }
    void TearDown() override {
        db.Close();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        MainWindowTest::TearDown();
    }

    // Office programs of this identifier cannot be started; every start
    // asked for is recorded.
    void RefuseStart(const std::string& progId) {
        office::SetStartHook([this, progId](std::string_view id) {
            starts.emplace_back(id);
            return !text::EqualsNoCase(id, progId);
        });
    }

    // Runs a report dialog as the frame does, with the fixture's connection
    // and the period; the handler drives it while it is open.
    template <class Dialog, class Handler>
    void RunDialog(Handler handler, const std::string& period = kPeriod) {
        driver.OnModal<Dialog>(handler);
        Dialog dialog(nullptr);
        dialog.SetConnection(&db);
        dialog.SetPeriod(period);
        dialog.DoModal();
    }

    // Picks a combo box item by its text as the user would.
    static void Choose(ui::Dialog& dlg, int comboId, const std::string& text) {
        auto* combo = dlg.Item<ui::ComboBox>(comboId);
        ASSERT_NE(combo, nullptr);
        combo->SetCurSel(combo->FindStringExact(-1, text));
        dlg.OnCommand(comboId, CBN_SELCHANGE);
    }
    static std::vector<std::string> Items(ui::Dialog& dlg, int comboId) {
        std::vector<std::string> items;
        if (auto* combo = dlg.Item<ui::ComboBox>(comboId))
            for (int i = 0; i < combo->GetCount(); ++i) items.push_back(combo->GetLBText(i));
        return items;
    }

    // The project number of a fund: guide code (fund + "0001"), the year's last
    // two digits, the unit and the serial.
    static std::string ProjectNumber(const std::string& fund, const std::string& year, const std::string& unit,
                                     const std::string& serial) {
        return fund + "0001" + year.substr(2) + unit + serial;
    }
    void AddApplication(const std::string& number, const std::string& unit, const std::string& year,
                        const std::string& category, const std::string& name = "", const std::string& applicant = "") {
        Seed({"CORVANE_ITEMAPPINFO",
              {"XMBH", "DWDM", "NF", "XMLB", "XMMC", "SQRXM"},
              {{number, unit, year, category, name, applicant}}});
    }
    // A result or amount of "NULL" leaves the column empty (NULL).
    void AddReview(const std::string& number, const std::string& result, const std::string& amount,
                   const std::string& reason = "", const std::vector<std::string>& experts = {}) {
        testdb::Table review{"CORVANE_ITEMPF", {"XMBH", "BZZLY", "ZJ1", "ZJ2", "ZJ3"}, {{number, reason, "", "", ""}}};
        for (std::size_t i = 0; i < experts.size() && i < 3; ++i) review.rows[0][2 + i] = experts[i];
        for (const auto& [column, value] : {std::pair{"PSJG", result}, std::pair{"PFJF", amount}}) {
            if (value == "NULL") continue;
            review.columns.push_back(column);
            review.rows[0].push_back(value);
        }
        Seed(review);
    }
    void AddUnit(const std::string& code, const std::string& name) {
        Seed({"CORVANE_UNIT", {"DWDM", "DWMC"}, {{code, name}}});
    }
    // A unit with every column: code, name and the 19 further columns in the
    // table's order.
    void AddUnitRow(const testdb::Row& unit) {
        Seed({"CORVANE_UNIT",
              {"DWDM", "DWMC", "SSBM", "DWJC", "KYGLBM", "YZBM", "TXDZ", "SZS", "DWSZCS", "LXR", "DH", "SJ", "KHYH",
               "KHDW", "ZH", "BY1", "BY2", "BY3", "BY4", "BY5", "BY6"},
              {unit}});
    }
    // A research direction of a fund directing a unit in a year.
    void AddDirection(const std::string& unit, const std::string& year, const std::string& fund) {
        Seed({"CORVANE_YEAR_STUDYASPECT", {"DWDM", "FBNF", "JJBH"}, {{unit, year, fund}}});
    }
    void AddLaboratory(const std::string& code, const std::string& name) {
        Seed({"CORVANE_LAB", {"SYSDM", "SYSQC"}, {{code, name}}});
    }

    // The workbook or document handed to the desktop last, read back.
    office::excel::Worksheet OpenedSheet(const std::string& name) {
        if (opened.empty()) {
            ADD_FAILURE() << "nothing was handed to the desktop";
            return {};
        }
        reader = office::excel::Application::Create();
        office::excel::Workbook book = reader->Workbooks().Add(opened.back());
        EXPECT_TRUE(book.IsValid()) << reader->LastError();
        return book.IsValid() ? book.Sheets().Item(name) : office::excel::Worksheet();
    }
    office::word::Document OpenedDocument() {
        if (opened.empty()) {
            ADD_FAILURE() << "nothing was handed to the desktop";
            return {};
        }
        wordReader = office::word::Application::Create();
        office::word::Document document = wordReader->Documents().Add(opened.back());
        EXPECT_TRUE(document.IsValid()) << wordReader->LastError();
        return document;
    }
    // The values of a row of cells, from column A.
    static std::vector<std::string> RowValues(const office::excel::Worksheet& sheet, int row, int columns) {
        std::vector<std::string> values;
        for (int c = 1; c <= columns; ++c) values.push_back(sheet.Cells().Item(row, c).Value());
        return values;
    }
    // True when every edge of every cell of the range has a thin border.
    static bool AllCellsBordered(const office::excel::Range& range) {
        for (int r = 1; r <= range.RowsCount(); ++r)
            for (int c = 1; c <= range.ColumnsCount(); ++c)
                for (const char* edge : {"left", "right", "top", "bottom"})
                    if (range.Item(r, c).BorderStyle(edge) != "thin") return false;
        return true;
    }

    CAdoConnection db;
    std::vector<std::string> opened;
    std::vector<std::string> starts;
    std::unique_ptr<office::excel::Application> reader;
    std::unique_ptr<office::word::Application> wordReader;
};
