// The program corvane: the application object runs start-up, the event
// loop and the end; a cancelled login ends with exit code 1.
#include "main/CorvaneApp.h"

int main(int argc, char** argv) {
    ui::EnsureApplication(argc, argv);
    CCorvaneApp app;
    return app.Run();
}
