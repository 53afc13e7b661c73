#include "shell/App.h"

const ClassInfo& App::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("App", &Application::Lookup()));
    return record;
}

std::shared_ptr<App> App::Shared() { return Cast<App>(GetAppObject()); }
