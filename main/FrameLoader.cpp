// The program's side of MainFrameStart.h: loads libCorvaneFrame.so from the
// program folder at the first call and keeps it loaded for the rest of the
// run (the frame's windows, timers and registrations live in it).
#include <cstdio>
#include <memory>
#include <string>

#include "main/CurrentUser.h"
#include "main/FrameLibraryEntry.h"
#include "main/MainFrameStart.h"
#include "platform/sys/Library.h"

namespace {

struct FrameEntries {
    sys::Library library;
    framelibrary::NewMainFrameFn newMainFrame = nullptr;
    framelibrary::StartScreenTourIfAskedFn startScreenTourIfAsked = nullptr;
};

// Why the library could not be loaded; empty once it is.
std::string& LoadProblem() {
    static std::string problem;
    return problem;
}

const FrameEntries* Refuse(const std::string& problem) {
    LoadProblem() = problem;
    std::fprintf(stderr, "%s\n", problem.c_str());
    return nullptr;
}

const FrameEntries* LoadFrameLibrary() {
    // Never freed: the library stays loaded until the process ends.
    static const FrameEntries* const entries = []() -> const FrameEntries* {
        auto found = std::make_unique<FrameEntries>();
        if (!found->library.Load(framelibrary::kName)) return Refuse(found->library.Error());
        found->newMainFrame =
            reinterpret_cast<framelibrary::NewMainFrameFn>(found->library.Symbol(framelibrary::kNewMainFrame));
        found->startScreenTourIfAsked = reinterpret_cast<framelibrary::StartScreenTourIfAskedFn>(
            found->library.Symbol(framelibrary::kStartScreenTourIfAsked));
        if (!found->newMainFrame || !found->startScreenTourIfAsked)
            return Refuse(std::string("lib") + framelibrary::kName + ".so: an entry point is missing");
        return found.release();
    }();
    return entries;
}

}  // namespace

std::unique_ptr<ui::FrameWnd> NewMainFrame(std::string* problem) {
    const FrameEntries* entries = LoadFrameLibrary();
    if (!entries) {
        if (problem) *problem = LoadProblem();
        return nullptr;
    }
    return std::unique_ptr<ui::FrameWnd>(entries->newMainFrame(g_strUserName.c_str(), UserRole));
}

void StartScreenTourIfAsked(ui::FrameWnd& frame) {
    if (const FrameEntries* entries = LoadFrameLibrary()) entries->startScreenTourIfAsked(&frame);
}
