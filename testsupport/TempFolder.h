// A fresh temporary folder for one test, removed afterwards.
#pragma once

#include <cstdlib>
#include <string>

#include "platform/sys/Sys.h"

namespace testsupport {

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/corvane_test_XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempFolder() { sys::RemoveAll(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return sys::JoinPath(path_, name); }

private:
    std::string path_;
};

}  // namespace testsupport
