#pragma once
// The application object.

#include <memory>

#include "framework/Application.h"

class App : public Application {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    // The application object that the framework holds, asked for afresh on every call; nil before start-up
    // registered it. An application object of another class raises IllegalCastException.
    static std::shared_ptr<App> Shared();
};
