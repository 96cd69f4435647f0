// Shared set-up of the application output tests: a fresh installed folder,
// its database open, a scripted UI driver, Office starts a test can refuse,
// documents handed to the desktop recorded instead of opened, and stored
// applications.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/office/Office.h"
#include "platform/text/Text.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

class AppOutputTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
        ASSERT_TRUE(testdb::OpenProgramDatabase(db));
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
    }
    void TearDown() override {
        rs.Close();
        db.Close();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        InstalledFolder::TearDown();
    }

    void Refuse(const char* progId) {
        office::SetStartHook([progId](std::string_view id) { return !text::EqualsNoCase(id, progId); });
    }

    struct StoredApplication {
        std::string number, name, category, year, leader, amount;
        std::string unitCode = "A001", unit = "第一研究所", title = "研究员";
        std::string start = "2008/01", end = "2010/01";
    };
    // Empty values stay NULL.
    void AddApplication(const StoredApplication& a) {
        const std::pair<const char*, std::string> values[] = {
            {"XMBH", a.number},   {"XMMC", a.name},  {"XMLB", a.category}, {"NF", a.year},
            {"SQZNDM", a.number.substr(0, 11)},       {"DWDM", a.unitCode}, {"GZDW", a.unit}, {"SQRXM", a.leader},
            {"SQJE", a.amount},   {"ZC", a.title},   {"XMQSRQ", a.start},  {"XMZZRQ", a.end},
        };
        testdb::Table row{"CORVANE_ITEMAPPINFO", {}, {{}}};
        for (const auto& [column, value] : values) {
            if (value.empty()) continue;
            row.columns.push_back(column);
            row.rows[0].push_back(value);
        }
        testdb::Seed(db, row);
    }
    // Three applications whose numbers sort differently by their whole text
    // and by their last seven characters (unit code and serial).
    void SeedApplications() {
        AddApplication({"9140A0101012008A001002", "项目乙", "共性技术基金——一般项目", "2008", "李四", "12.5"});
        AddApplication({"9140B0101012007A001001", "项目甲", "共性技术基金——重点项目", "2007", "张三", "30"});
        AddApplication({"9140A0101012008A002001", "项目丙", "重点实验室基金——一般项目", "2008", "王五", ""});
    }

    ui::TestDriver driver;
    CAdoConnection db;
    CAdoRecordSet rs;
    std::vector<std::string> opened;
};

// A window to hold child dialogs.
class HostDialog : public ui::Dialog {
public:
    HostDialog() : ui::Dialog(Template()) {
        Create();
        ShowWindow(SW_SHOW);
    }
    static const ui::DialogTemplate& Template() {
        static const ui::DialogTemplate t{1, "", {0, 0, 780, 260}, {}};
        return t;
    }
};
