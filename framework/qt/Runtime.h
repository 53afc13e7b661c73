#pragma once
// Framework internals shared by the toolkit-facing files.

#include <functional>

class QApplication;

// Runs a piece of framework work called from the toolkit; whatever it throws goes to UnhandledException.
void Guarded(const std::function<void()>& work);

// Installed once by RuntimeInit: takes Cmd-key presses as menu shortcuts.
void InstallShortcutFilter(QApplication& application);
