#include "framework/Application.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    RuntimeInit(argc, argv);
    ModuleInitialize();
    Main();
    ModuleFinalize();
    return RuntimeExit();
}
