// Helpers of the application-writer tests: the writer with all its pages,
// created in a host window of its own, as the form view creates it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "application/DlgAppWriter.h"
#include "platform/ui/App.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/TestDriverGTest.h"

class AppWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::EnsureApplication();
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 420}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        writer_ = std::make_unique<CDlgAppWriter>(host_.get());
        ASSERT_TRUE(writer_->Create(host_.get()));
        writer_->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        writer_.reset();
        host_.reset();
    }

    CDlgAppWriter& Writer() { return *writer_; }

    // Puts plain text in a rich-text field and selects the range.
    static void SetTextAndSelect(COleRichEdit& editor, const std::string& text, long start, long end) {
        editor.SetWindowText(text);
        editor.SetSel(start, end);
    }

    ui::TestDriver driver;

private:
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgAppWriter> writer_;
};
