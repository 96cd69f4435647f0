// Shared set-up of the five-year guide tests: a fresh installed folder, a
// scripted UI driver, Word starts recorded instead of opened, statements and
// row reads on the copy of project.mdb, seeded groups, laboratories, units
// and stored guides, and the view hosted in a window of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_fiveyear/DlgFiveGuide.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

using Rows = std::vector<std::vector<std::string>>;

class FiveGuideTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        sys::MakeDirs(PathOf("temp"));
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
        ASSERT_TRUE(testdb::OpenProgramDatabase(db));
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        db.Close();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        CDlgFiveGuide::m_strPublishYear.clear();
        InstalledFolder::TearDown();
    }

    // ---- the database ----
    void Exec(const std::string& sql) { testdb::Exec(db, sql); }
    Rows Query(const std::string& sql) { return testdb::Query(db, sql); }
    // The bytes of a long binary column in the first row of a statement.
    std::string Blob(const std::string& sql, const std::string& column) {
        CAdoRecordSet rs;
        Bind(rs);
        if (!rs.Open(sql) || rs.IsEOF()) {
            ADD_FAILURE() << "no row: " << sql;
            return {};
        }
        const long size = rs.GetFieldActualSize(column);
        std::string bytes(size > 0 ? std::size_t(size) : 0, '\0');
        if (size > 0) EXPECT_TRUE(rs.GetChunk(column, bytes.data())) << column;
        return bytes;
    }
    // Every row of the three guide tables, so a test can see nothing changed.
    Rows AllGuideRows() {
        Rows all;
        for (const char* table : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"}) {
            const Rows rows = Query(std::string("select * from ") + table);
            all.push_back({table, std::to_string(rows.size())});
            all.insert(all.end(), rows.begin(), rows.end());
        }
        return all;
    }

    void AddUnit(const std::string& code, const std::string& name) {
        testdb::Seed(db, {"CORVANE_UNIT", {"DWDM", "DWMC"}, {{code, name}}});
    }
    void AddGroup(const std::string& fund, const std::string& name) {
        testdb::Seed(db, {"CORVANE_SPECGROUP", {"JJBH", "ZYZMC"}, {{fund, name}}});
    }
    void AddLab(const std::string& code, const std::string& name) {
        testdb::Seed(db, {"CORVANE_LAB", {"sysdm", "sysqc"}, {{code, name}}});
    }
    static std::string Rtf(const std::string& plain) { return "{\\rtf1\\ansi " + plain + "\\par}"; }

    // A guide row whose five chapters read "<column> of <fund>"; a topic
    // document is stored only when given.
    void AddGuide(const std::string& fund, const std::string& name, const std::string& period,
                  const std::string& topicXml = {}) {
        CAdoRecordSet rs;
        Bind(rs);
        ASSERT_TRUE(rs.Open("select * from corvane_fivefundguide"));
        ASSERT_TRUE(rs.AddNew());
        rs.SetString("JJBH", fund);
        rs.SetString("ZNMC", name);
        rs.SetString("FBNF", period);
        for (const char* column : {"GS", "GNWYJQK", "ZMB", "YXGJHZNGX", "XYFX"})
            Chunk(rs, column, Rtf(std::string(column) + " of " + fund));
        if (!topicXml.empty()) Chunk(rs, "XTFW", topicXml);
        ASSERT_TRUE(rs.Update()) << rs.GetLastErrorText();
    }
    void AddTopic(const std::string& code, const std::string& fund, const std::string& period,
                  const std::string& name) {
        CAdoRecordSet rs;
        Bind(rs);
        ASSERT_TRUE(rs.Open("select * from corvane_five_studysubject"));
        ASSERT_TRUE(rs.AddNew());
        rs.SetString("ZTBH", code);
        rs.SetString("JJBH", fund);
        rs.SetString("FBNF", period);
        rs.SetString("ZTMC", name);
        Chunk(rs, "YJMD", Rtf("purpose of " + code));
        ASSERT_TRUE(rs.Update()) << rs.GetLastErrorText();
    }
    // One direction row per unit; `key` as the sender stored it (none: NULL).
    void AddDirection(const std::string& code, const std::string& fund, const std::string& period,
                      const std::string& topic, const std::string& unit, const std::string& name,
                      const std::string& key = "") {
        testdb::Table direction{"CORVANE_FIVE_STUDYASPECT",
                                {"YJFXBH", "JJBH", "FBNF", "ZTBH", "DWDM", "YJFXMC", "BZ"},
                                {{code, fund, period, topic, unit, name, "备注"}}};
        if (!key.empty()) {
            direction.columns.push_back("SFZDYJFX");
            direction.rows[0].push_back(key);
        }
        testdb::Seed(db, direction);
    }

    // ---- the view ----
    CDlgFiveGuide& OpenView(const std::string& period) {
        CDlgFiveGuide::m_strPublishYear = period;
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        view_ = std::make_unique<CDlgFiveGuide>();
        view_->CreateView(host_.get(), {0, 0, 1200, 800});
        view_->OnInitialUpdate();
        return *view_;
    }
    static Rows ListRows(CDlgFiveGuide& view) {
        Rows rows;
        const ui::ListCtrl& list = view.m_dlgList.List();
        for (int i = 0; i < list.GetItemCount(); ++i)
            rows.push_back({list.GetItemText(i, 0), list.GetItemText(i, 1), list.GetItemText(i, 2)});
        return rows;
    }
    static void SelectRows(CDlgFiveGuide& view, std::initializer_list<int> rows) {
        for (int row : rows) {
            view.m_dlgList.List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            view.m_dlgList.List().SetSelectionMark(row);
        }
    }

    // ---- Word ----
    void RefuseWord() {
        office::SetStartHook([](std::string_view id) { return !text::EqualsNoCase(id, "word.Application"); });
    }
    std::string OpenedText() {
        if (opened.empty()) {
            ADD_FAILURE() << "nothing was handed to the desktop";
            return {};
        }
        reader = office::word::Application::Create();
        office::word::Document doc = reader->Documents().Add(opened.back());
        EXPECT_TRUE(doc.IsValid()) << opened.back();
        return doc.IsValid() ? doc.Text() : std::string();
    }
    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
        return n;
    }
    // True when the parts occur in this order.
    static bool InOrder(const std::string& text, const std::vector<std::string>& parts) {
        std::size_t from = 0;
        for (const std::string& part : parts) {
            const std::size_t at = text.find(part, from);
            if (at == std::string::npos) return false;
            from = at + part.size();
        }
        return true;
    }

    ui::TestDriver driver;
    CAdoConnection db;
    std::vector<std::string> opened;
    std::unique_ptr<office::word::Application> reader;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgFiveGuide> view_;

private:
    void Bind(CAdoRecordSet& rs) {
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
    }
    static void Chunk(CAdoRecordSet& rs, const char* column, const std::string& bytes) {
        ASSERT_TRUE(rs.AppendChunk(column, bytes.data(), long(bytes.size()))) << column;
    }
};
