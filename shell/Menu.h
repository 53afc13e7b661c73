#pragma once
// The application's menu bar: File and Options, one shared instance for the application and the splash.

#include <memory>

#include "framework/Menu.h"

class Menu : public MenuBar {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    using MenuBar::Lookup;

    // The shared bar, built with all its entries on the first call.
    static std::shared_ptr<Menu> Shared();
    // Lets go of the shared bar at the end of the run (the next call of Shared() would build a new one).
    static void ReleaseShared();

    void Constructor() override;
    void Untitled1();  // the File menu
    void Untitled2();  // the Options menu
};
