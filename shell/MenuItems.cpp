#include "shell/MenuItems.h"

#include "shell/App.h"

namespace {

template <class T> std::shared_ptr<T> ApplicationEntry(const std::string& name) {
    return EntryOf<T>(NotNil(App::Shared()).MenuBar(), name);
}

}  // namespace

std::shared_ptr<AppleMenuItem> mnuAbout() { return ApplicationEntry<AppleMenuItem>("mnuAbout"); }
std::shared_ptr<MenuItem> mnuShapes() { return ApplicationEntry<MenuItem>("mnuShapes"); }
std::shared_ptr<MenuItem> mnuHvC() { return ApplicationEntry<MenuItem>("mnuHvC"); }
std::shared_ptr<MenuItem> mnuHvH() { return ApplicationEntry<MenuItem>("mnuHvH"); }
std::shared_ptr<MenuItem> mnuSwitch() { return ApplicationEntry<MenuItem>("mnuSwitch"); }
std::shared_ptr<MenuItem> mnuReset() { return ApplicationEntry<MenuItem>("mnuReset"); }
