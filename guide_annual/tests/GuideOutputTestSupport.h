// Shared set-up of the Word output and issuing tests: a fresh installed
// folder, the period, a scripted UI driver, Word starts a test can refuse,
// documents handed to the desktop recorded instead of opened, and stored
// annual guides with rich-text chapters, subjects and directions.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_annual/DlgOneGuide.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

class GuideOutputTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        CDlgOneGuide::m_strPublishYear = "2006-2010";
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
        ASSERT_TRUE(testdb::OpenProgramDatabase(db));
    }
    void TearDown() override {
        db.Close();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        CDlgOneGuide::m_strPublishYear.clear();
        InstalledFolder::TearDown();
    }

    void RefuseWord() {
        office::SetStartHook([](std::string_view id) { return !text::EqualsNoCase(id, "word.Application"); });
    }

    void Exec(const std::string& sql) { testdb::Exec(db, sql); }
    void AddUnit(const std::string& code, const std::string& name) {
        testdb::Seed(db, {"CORVANE_UNIT", {"DWDM", "DWMC"}, {{code, name}}});
    }
    // A rich text of one paragraph.
    static std::string Rtf(const std::string& plain) { return "{\\rtf1\\ansi " + plain + "\\par}"; }

    // A guide row with its three chapters as rich text.
    void AddGuide(const std::string& fund, const std::string& name, const std::string& year) {
        CAdoRecordSet rs;
        Open(rs, "select * from corvane_yearfundguide");
        ASSERT_TRUE(rs.AddNew());
        rs.SetString("JJBH", fund);
        rs.SetString("ZNMC", name);
        rs.SetString("FBNF", year);
        const std::pair<const char*, std::string> chapters[] = {
            {"GS", "overview of " + fund}, {"GNWYJQK", "research of " + fund}, {"YJNR_YEAR", "goals of " + fund}};
        for (const auto& [column, plain] : chapters) Chunk(rs, column, Rtf(plain));
        ASSERT_TRUE(rs.Update()) << rs.GetLastErrorText();
    }
    void AddSubject(const std::string& code, const std::string& fund, const std::string& year,
                    const std::string& name) {
        CAdoRecordSet rs;
        Open(rs, "select * from corvane_year_studysubject");
        ASSERT_TRUE(rs.AddNew());
        rs.SetString("ZTBH", code);
        rs.SetString("JJBH", fund);
        rs.SetString("FBNF", year);
        rs.SetString("ZTMC", name);
        Chunk(rs, "YJMD", Rtf("purpose of " + code));
        ASSERT_TRUE(rs.Update()) << rs.GetLastErrorText();
    }
    // One direction row per unit; `kind` "1" key, "0" general.
    void AddDirection(const std::string& code, const std::string& fund, const std::string& year,
                      const std::string& subject, const std::string& unit, const std::string& name,
                      const std::string& kind) {
        testdb::Seed(db, {"CORVANE_YEAR_STUDYASPECT",
                          {"YJFXBH", "JJBH", "FBNF", "ZTBH", "DWDM", "YJFXMC", "SFZDYJFX", "BZ"},
                          {{code, fund, year, subject, unit, name, kind, "备注"}}});
    }

    // Units 甲 (U001), 乙 (U002), 丙 (U003) and the guides of 2007:
    // 9140A01 with 专题一 (方向一: key, units U002 and U001; 方向二: general,
    // U001) and 专题二 without directions; 9140A02 with 专题三 (方向三:
    // general, U001; 方向四: undirected); 9140B01 with 专题四 (方向五: key,
    // U001). In 2008 9140A01 directs a key direction at U003.
    void SeedGuides() {
        AddUnit("U001", "甲单位");
        AddUnit("U002", "乙单位");
        AddUnit("U003", "丙单位");
        AddGuide("9140A01", "指南一", "2007");
        AddSubject("9140A0101", "9140A01", "2007", "专题一");
        AddSubject("9140A0102", "9140A01", "2007", "专题二");
        AddDirection("9140A010101", "9140A01", "2007", "9140A0101", "U002", "方向一", "1");
        AddDirection("9140A010101", "9140A01", "2007", "9140A0101", "U001", "方向一", "1");
        AddDirection("9140A010102", "9140A01", "2007", "9140A0101", "U001", "方向二", "0");
        AddGuide("9140A02", "指南二", "2007");
        AddSubject("9140A0201", "9140A02", "2007", "专题三");
        AddDirection("9140A020101", "9140A02", "2007", "9140A0201", "U001", "方向三", "0");
        AddDirection("9140A020102", "9140A02", "2007", "9140A0201", " ", "方向四", "0");
        AddGuide("9140B01", "指南三", "2007");
        AddSubject("9140B0101", "9140B01", "2007", "专题四");
        AddDirection("9140B010101", "9140B01", "2007", "9140B0101", "U001", "方向五", "1");
        AddGuide("9140A01", "指南一", "2008");
        AddSubject("9140A0101", "9140A01", "2008", "专题一");
        AddDirection("9140A010101", "9140A01", "2008", "9140A0101", "U003", "方向一", "1");
    }

    // The text of a saved document, or of the one handed to the desktop last.
    std::string DocumentText(const std::string& path) {
        reader = office::word::Application::Create();
        office::word::Document doc = reader->Documents().Add(path);
        EXPECT_TRUE(doc.IsValid()) << path << ": " << reader->LastError();
        return doc.IsValid() ? doc.Text() : std::string();
    }
    std::string OpenedText() {
        if (opened.empty()) {
            ADD_FAILURE() << "nothing was handed to the desktop";
            return {};
        }
        return DocumentText(opened.back());
    }

    // Where each text occurs in order; npos for a text not found after the one before.
    static std::vector<std::size_t> Positions(const std::string& text, const std::vector<std::string>& parts) {
        std::vector<std::size_t> found;
        std::size_t from = 0;
        for (const std::string& part : parts) {
            const std::size_t at = from == std::string::npos ? std::string::npos : text.find(part, from);
            found.push_back(at);
            from = at == std::string::npos ? at : at + part.size();
        }
        return found;
    }
    // True when the parts occur in this order.
    static bool InOrder(const std::string& text, const std::vector<std::string>& parts) {
        for (std::size_t at : Positions(text, parts))
            if (at == std::string::npos) return false;
        return true;
    }
    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
        return n;
    }

    ui::TestDriver driver;
    CAdoConnection db;
    std::vector<std::string> opened;
    std::unique_ptr<office::word::Application> reader;

private:
    void Open(CAdoRecordSet& rs, const std::string& sql) {
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
        ASSERT_TRUE(rs.Open(sql)) << sql;
    }
    static void Chunk(CAdoRecordSet& rs, const char* column, const std::string& bytes) {
        ASSERT_TRUE(rs.AppendChunk(column, bytes.data(), long(bytes.size()))) << column;
    }
};
