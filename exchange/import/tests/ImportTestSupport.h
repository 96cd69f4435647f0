// Shared set-up of the import view tests: a fresh installed folder with its
// database open for seeding and checking, a scripted UI driver, and a view
// created as the main program creates it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LengthPrefixedContainer.h"
#include "platform/sys/Sys.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

template <class View>
class ImportViewTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        ASSERT_TRUE(db.ConnectAccess(PathOf("project.mdb"), "5081"));
        in = PathOf("收到");
        ASSERT_TRUE(sys::MakeDir(in));
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        db.Close();
        InstalledFolder::TearDown();
    }
    View& OpenView() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        view_ = std::make_unique<View>();
        view_->CreateView(host_.get(), {0, 0, 900, 700});
        view_->OnInitialUpdate();
        return *view_;
    }
    void SetPolicy(int policy) {
        view_->m_nPolicy = policy;
        view_->UpdateData(FALSE);
    }
    // The fixture's connection through testdb (the tests name these).
    void Exec(const std::string& sql) { testdb::Exec(db, sql); }
    long Count(const std::string& sql) { return testdb::Count(db, sql); }
    std::string Value(const std::string& sql, const std::string& column) {
        CAdoRecordSet rs;
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
        std::string value = "<none>";
        if (rs.Open(sql) && !rs.IsEOF()) rs.GetString(column, value);
        return value;
    }
    // The bytes of a saved recordset of the query.
    std::string Saved(const std::string& sql) {
        CAdoRecordSet rs;
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
        const std::string scratch = PathOf("saved.xml");
        sys::RemoveFile(scratch);
        std::string bytes;
        EXPECT_TRUE(rs.Open(sql) && rs.Save(scratch) && sys::ReadFile(scratch, bytes)) << sql;
        return bytes;
    }
    void Bundle(const std::string& name, std::optional<char> marker, const std::vector<std::string>& parts) {
        ASSERT_TRUE(LengthPrefixedContainer::Write(sys::JoinPath(in, name), marker, parts));
    }
    // Presses a folder-import button on the folder `in`, expecting the count.
    void ImportFolder(int button, int count) {
        driver.AnswerFolder(in);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(count) + "条数据！");
        view_->Click(button);
    }

    CAdoConnection db;
    ui::TestDriver driver;
    std::string in;  // the folder chosen for import, inside the test folder
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<View> view_;
};
