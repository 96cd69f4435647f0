// Included by GoogleTest suites: every ui::TestDriver of the suite reports
// its failures with ADD_FAILURE.
#pragma once

#include <gtest/gtest.h>

#include "platform/ui/TestDriver.h"

namespace ui::gtest_bridge {
inline const bool installed = [] {
    TestDriver::SetDefaultFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    return true;
}();
}  // namespace ui::gtest_bridge
