#pragma once
// The application's resource file: the colour icons compiled into the program.

#include <cstdint>
#include <memory>

#include "framework/Object.h"

class Picture;

class ResourceFork : public Object {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    // The colour icon with that number; nil for a number without an icon.
    std::shared_ptr<Picture> Getcicn(int32_t id) const;
};
