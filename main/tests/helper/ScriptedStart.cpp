// The program's start-up run as a process of its own with its dialogs
// answered by a script, for the tests of two programs on one database:
//
//     main_test_scripted_start <program folder> <answer>
//
// <answer> is "yes" for the first message box (the rest answered No or
// Cancel) or "none". The login dialog logs in as the fund office. Every
// message box is written to the output ("box<TAB>caption<TAB>text", line
// breaks as "\n"), then "started" or "ended". A started program holds the
// database until its input ends.
#include <cstdio>
#include <iostream>
#include <string>

#include "main/CorvaneApp.h"
#include "main/DlgLogin.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriver.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    ui::EnsureApplication(argc, argv);
    sys::SetProgramFolder(argv[1]);
    int result = 1;
    {
        ui::TestDriver driver([](const std::string& failure) { std::cerr << failure << std::endl; });
        if (std::string(argv[2]) == "yes") driver.AnswerMessageBox(IDYES);
        driver.AnswerTheRest([](ui::Dialog& dialog) {
            auto* login = dynamic_cast<CDlgLogin*>(&dialog);
            if (!login) return;
            login->SetDlgItemText(CDlgLogin::IDC_USER, "jjb");
            login->SetDlgItemText(CDlgLogin::IDC_PASSWORD, "jjb2024");
            login->Click(IDOK);
        });
        CCorvaneApp app;
        const bool started = app.InitInstance();
        for (const ui::TestDriver::Call& box : driver.MessageBoxes())
            std::cout << "box\t" << box.caption << "\t" << text::ReplaceAll(box.text, "\r\n", "\\n") << "\n";
        std::cout << (started ? "started" : "ended") << std::endl;
        if (started) {
            for (std::string line; std::getline(std::cin, line);) {
            }
            result = 0;
        }
        app.ExitInstance();
    }
    return result;
}
