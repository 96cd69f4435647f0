// The entry points of libCorvaneFrame.so, found by name by the program's
// FrameLoader.cpp. The library keeps its own copy of the current user, which
// the program hands over with the first call.
#include <type_traits>

#include "main/CurrentUser.h"
#include "main/FrameLibraryEntry.h"
#include "main/MainFrameStart.h"
#include "platform/ado/ErrorLog.h"

static_assert(std::is_same_v<decltype(&CorvaneNewMainFrame), framelibrary::NewMainFrameFn>);
static_assert(std::is_same_v<decltype(&CorvaneStartScreenTourIfAsked), framelibrary::StartScreenTourIfAskedFn>);

extern "C" {

ui::FrameWnd* CorvaneNewMainFrame(const char* userName, int role) {
    g_strUserName = userName ? userName : "";
    ado::SetErrorLogUser(g_strUserName);
    UserRole = role;
    return NewMainFrame().release();
}

void CorvaneStartScreenTourIfAsked(ui::FrameWnd* frame) {
    if (frame) StartScreenTourIfAsked(*frame);
}

}  // extern "C"
