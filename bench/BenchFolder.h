// The program folder of a benchmark: a fresh copy of the installed folder,
// made the program's own. A benchmark that cannot have one ends.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

namespace bench {

inline std::string InstalledProgramFolder() {
    std::string error;
    const std::string folder = testsupport::MakeInstalledFolder(error);
    if (folder.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(2);
    }
    sys::SetProgramFolder(folder);
    return folder;
}

}  // namespace bench
