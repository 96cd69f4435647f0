// A stand-in for the management library: with WITH_SHOW_DIALOG it exports
// ShowDialog, which appends "<code> <user>" to showdialog.log in the program
// folder; without it, it exports nothing the main program looks for.
#include <string>

#ifdef WITH_SHOW_DIALOG
#include <fstream>

#include "platform/sys/Sys.h"
#include "sysmanage/ShowDialog.h"

extern "C" int ShowDialog(int code, std::string userName) {
    std::ofstream log(sys::JoinPath(sys::ProgramFolder(), "showdialog.log"), std::ios::app);
    log << code << ' ' << userName << '\n';
    return 1;
}
#else
extern "C" int SomethingElse() { return 0; }
#endif
