#include "framework/FileType.h"

#include <algorithm>

namespace {
std::vector<const FileType*>& RegisteredList() {
    // Never destroyed, so that a file type released at exit still finds it.
    static auto* types = new std::vector<const FileType*>;
    return *types;
}
}  // namespace

FileType::~FileType() {
    auto& types = RegisteredList();
    types.erase(std::remove(types.begin(), types.end(), this), types.end());
}

const ClassInfo& FileType::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("FileType", &Object::Lookup()));
    return record;
}

void FileType::Register() {
    if (registered_) return;
    registered_ = true;
    RegisteredList().push_back(this);
}

FileType::operator std::string() {
    Register();
    return name_;
}

std::vector<const FileType*> FileType::RegisteredTypes() { return RegisteredList(); }
