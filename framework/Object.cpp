#include "framework/Object.h"

#include <deque>

RuntimeException::RuntimeException(std::string name, const std::string& message)
    : std::runtime_error(message), name_(std::move(name)) {}

NilObjectException::NilObjectException() : NilObjectException("an object that does not exist was used") {}
NilObjectException::NilObjectException(const std::string& message)
    : RuntimeException("NilObjectException", message) {}

IllegalCastException::IllegalCastException(const std::string& message)
    : RuntimeException("IllegalCastException", message) {}

UnsupportedOperationException::UnsupportedOperationException(const std::string& message)
    : RuntimeException("UnsupportedOperationException", message) {}

void RaiseNilObjectException() { throw NilObjectException(); }

const ClassInfo& Object::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Object", nullptr));
    return record;
}

const ClassInfo& Object::ClassRecord() const { return Lookup(); }

std::string TypeName(PropertyType type) {
    switch (type) {
    case PropertyType::Boolean: return "Boolean";
    case PropertyType::Int32: return "Int32";
    case PropertyType::Double: return "Double";
    case PropertyType::String: return "String";
    case PropertyType::Color: return "Color";
    }
    return "?";
}

bool ClassInfo::IsA(const ClassInfo& other) const {
    for (const ClassInfo* record = this; record; record = record->base_)
        if (record == &other) return true;
    return false;
}

// Searches a table of the class and then of each base class.
template <class Table>
const typename Table::mapped_type* ClassInfo::FindInChain(Table ClassInfo::*table, const std::string& name) const {
    for (const ClassInfo* record = this; record; record = record->base_) {
        auto found = (record->*table).find(name);
        if (found != (record->*table).end()) return &found->second;
    }
    return nullptr;
}

const PropertyInfo* ClassInfo::FindProperty(const std::string& name) const {
    return FindInChain(&ClassInfo::properties_, name);
}

const std::string* ClassInfo::FindEventSignature(const std::string& name) const {
    return FindInChain(&ClassInfo::events_, name);
}

ClassInfo& ClassInfo::Members(std::vector<std::string> names) {
    members_ = std::move(names);
    return *this;
}

ClassInfo& ClassInfo::Event(const std::string& name, std::string signature) {
    events_[name] = std::move(signature);
    return *this;
}

ClassInfo& ClassInfo::Property(const std::string& name, PropertyType type,
                               std::function<void(Object&, const PropertyValue&)> set) {
    properties_[name] = PropertyInfo{type, std::move(set)};
    return *this;
}

ClassInfo& ClassInfo::Accepted(const std::string& name, PropertyType type) {
    return Property(name, type, [](Object&, const PropertyValue&) {});
}

namespace {
struct Registry {
    std::deque<ClassInfo> records;  // a deque keeps references stable as it grows
    std::map<std::string, const ClassInfo*> byName;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

PropertyType TypeOf(const PropertyValue& value) {
    return static_cast<PropertyType>(value.index());  // the variant's order is the enum's
}
}  // namespace

const ClassInfo& ClassRegistry::Register(ClassInfo record) {
    auto& registry = TheRegistry();
    auto found = registry.byName.find(record.Name());
    if (found != registry.byName.end()) return *found->second;
    registry.records.push_back(std::move(record));
    const ClassInfo& stored = registry.records.back();
    registry.byName[stored.Name()] = &stored;
    return stored;
}

const ClassInfo* ClassRegistry::Find(const std::string& fullName) {
    auto& registry = TheRegistry();
    auto found = registry.byName.find(fullName);
    return found == registry.byName.end() ? nullptr : found->second;
}

std::vector<std::string> ClassRegistry::Names() {
    std::vector<std::string> names;
    for (const auto& record : TheRegistry().records) names.push_back(record.Name());
    return names;
}

void SetProperties(Object& target, const PropertyRecord& record) {
    const ClassInfo& type = target.ClassRecord();
    for (const auto& [name, value] : record) {
        const PropertyInfo* property = type.FindProperty(name);
        if (!property) throw UnsupportedOperationException(type.Name() + " has no property " + name);
        PropertyValue given = value;
        if (property->type == PropertyType::Double && TypeOf(value) == PropertyType::Int32)
            given = static_cast<double>(std::get<int32_t>(value));
        if (TypeOf(given) != property->type)
            throw UnsupportedOperationException("the property " + name + " of " + type.Name() + " takes " +
                                                TypeName(property->type) + ", not " + TypeName(TypeOf(value)));
        property->set(target, given);
    }
}
