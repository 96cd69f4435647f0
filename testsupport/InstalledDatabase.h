// Fixture: a fresh copy of the installed program folder (InstalledFolder)
// with its project.mdb open in `db`, for tests of a store that need no
// window.
//
//     class UnitStoreTest : public InstalledDatabase {};
//     TEST_F(UnitStoreTest, ...) { testdb::Seed(db, {...}); EXPECT_TRUE(unitstore::IsStored(db, "U'1")); }
//
// Header only: every test program that reaches a database already links the
// database classes.
#pragma once

#include <gtest/gtest.h>

#include "foundation/AdoConnection.h"
#include "testsupport/InstalledFolder.h"

class InstalledDatabase : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(db.ConnectAccess(PathOf("project.mdb"), "5081"));
    }
    void TearDown() override {
        db.Close();
        InstalledFolder::TearDown();
    }

    CAdoConnection db;
};
