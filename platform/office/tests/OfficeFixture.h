// A program folder in a fresh temporary directory, an automation start that
// tests can refuse, and a shell open that records instead of opening.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/office/Office.h"
#include "platform/office/Package.h"
#include "platform/sys/Sys.h"

class OfficeFixture : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/office-test-XXXXXX";
        folder_ = mkdtemp(pattern);
        sys::SetProgramFolder(folder_);
        opened_.clear();
        office::SetShellOpenHook([this](const std::string& path) { opened_.push_back(path); });
        office::SetStartHook({});
    }
    void TearDown() override {
        office::SetShellOpenHook({});
        office::SetStartHook({});
        sys::SetProgramFolder("");
        sys::RemoveAll(folder_);
    }
    std::string Path(const std::string& name) const { return sys::JoinPath(folder_, name); }
    // One part of a saved package, as text.
    static std::string PartOf(const std::string& file, const std::string& part) {
        office::Package package;
        std::string error;
        EXPECT_TRUE(package.Load(file, error)) << error;
        return package.Part(part);
    }

    std::string folder_;
    std::vector<std::string> opened_;
};
