#pragma once
// The entries of the application's menu bar that the game window enables, checks and handles; each call
// looks the entry up by name afresh.

#include <memory>
#include <string>

#include "framework/Menu.h"

std::shared_ptr<AppleMenuItem> mnuAbout();
std::shared_ptr<MenuItem> mnuShapes();
std::shared_ptr<MenuItem> mnuHvC();
std::shared_ptr<MenuItem> mnuHvH();
std::shared_ptr<MenuItem> mnuSwitch();
std::shared_ptr<MenuItem> mnuReset();

// The entry of that name anywhere in the bar, cast to T; nil when no entry carries the name. A nil bar raises
// NilObjectException.
template <class T> std::shared_ptr<T> EntryOf(const std::shared_ptr<MenuBar>& bar, const std::string& name) {
    return Cast<T>(NotNil(bar).Lookup(name));
}
