#pragma once
// A document type that the application declares to the system.

#include <string>
#include <vector>

#include "framework/Object.h"

class FileType : public Object {
public:
    ~FileType() override;
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    const std::string& Extensions() const { return extensions_; }
    void SetExtensions(const std::string& extensions) { extensions_ = extensions; }
    const std::string& MacType() const { return macType_; }
    void SetMacType(const std::string& type) { macType_ = type; }
    const std::string& MacCreator() const { return macCreator_; }
    void SetMacCreator(const std::string& creator) { macCreator_ = creator; }

    // The conversion to String registers the type (once) and yields its name.
    explicit operator std::string();
    void Register();
    bool Registered() const { return registered_; }

    // The types registered now, in registration order; a type leaves the list when it is destroyed.
    static std::vector<const FileType*> RegisteredTypes();

private:
    std::string name_, extensions_, macType_, macCreator_;
    bool registered_ = false;
};
