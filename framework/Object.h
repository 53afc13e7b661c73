#pragma once
// Reference-counted objects, the framework's exceptions, tested casts and class records.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class ClassInfo;

// Every framework object is shared: std::shared_ptr is the one reference count used everywhere.
class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    static const ClassInfo& Lookup();
    virtual const ClassInfo& ClassRecord() const;
};

// Base of the exceptions that the framework raises; Name() is what the unhandled-exception report shows.
class RuntimeException : public std::runtime_error {
public:
    RuntimeException(std::string name, const std::string& message);
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

class NilObjectException : public RuntimeException {
public:
    NilObjectException();
    explicit NilObjectException(const std::string& message);
};

class IllegalCastException : public RuntimeException {
public:
    explicit IllegalCastException(const std::string& message);
};

// A layout or binding that does not fit its class: an unknown property or event, a value or handler of the wrong type.
class UnsupportedOperationException : public RuntimeException {
public:
    explicit UnsupportedOperationException(const std::string& message);
};

[[noreturn]] void RaiseNilObjectException();

// The object itself, or NilObjectException when there is none.
template <class T> T& NotNil(const std::shared_ptr<T>& object) {
    if (!object) RaiseNilObjectException();
    return *object;
}

// A tested cast: nil stays nil, an object of another class raises IllegalCastException.
template <class T, class U> std::shared_ptr<T> Cast(const std::shared_ptr<U>& object) {
    if (!object) return nullptr;
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast) throw IllegalCastException("an object of another class was cast to " + T::Lookup().Name());
    return cast;
}

// The framework's plain object creation: fields start at 0, nil or False and no constructor method runs.
template <class T> std::shared_ptr<T> RuntimeNewObject() { return std::make_shared<T>(); }

// ---- Class records -------------------------------------------------------------------------------------

struct Color {
    uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

using PropertyValue = std::variant<bool, int32_t, double, std::string, Color>;
// A layout as data: (name, value) pairs, applied in their order.
using PropertyRecord = std::vector<std::pair<std::string, PropertyValue>>;

enum class PropertyType { Boolean, Int32, Double, String, Color };
std::string TypeName(PropertyType type);

struct PropertyInfo {
    PropertyType type;
    std::function<void(Object&, const PropertyValue&)> set;
};

class ClassInfo {
public:
    ClassInfo(std::string name, const ClassInfo* base) : name_(std::move(name)), base_(base) {}

    const std::string& Name() const { return name_; }
    const ClassInfo* Base() const { return base_; }
    const std::vector<std::string>& Members() const { return members_; }
    bool IsA(const ClassInfo& other) const;

    // Searched through the base classes too; nullptr when no class of the chain has it.
    const PropertyInfo* FindProperty(const std::string& name) const;
    const std::string* FindEventSignature(const std::string& name) const;

    ClassInfo& Members(std::vector<std::string> names);
    ClassInfo& Event(const std::string& name, std::string signature);
    ClassInfo& Property(const std::string& name, PropertyType type,
                        std::function<void(Object&, const PropertyValue&)> set);

    // Typed property entries: the setter is a member function of T.
    template <class T> ClassInfo& Bool(const std::string& name, void (T::*set)(bool)) {
        return Property(name, PropertyType::Boolean, Setter<T, bool>(set));
    }
    template <class T> ClassInfo& Int(const std::string& name, void (T::*set)(int32_t)) {
        return Property(name, PropertyType::Int32, Setter<T, int32_t>(set));
    }
    template <class T> ClassInfo& Text(const std::string& name, void (T::*set)(const std::string&)) {
        return Property(name, PropertyType::String, Setter<T, std::string, const std::string&>(set));
    }
    template <class T> ClassInfo& Colour(const std::string& name, void (T::*set)(Color)) {
        return Property(name, PropertyType::Color, Setter<T, Color>(set));
    }
    // A property that the framework accepts and keeps no use for on this platform.
    ClassInfo& Accepted(const std::string& name, PropertyType type);

private:
    template <class Table>
    const typename Table::mapped_type* FindInChain(Table ClassInfo::*table, const std::string& name) const;

    template <class T, class V, class Arg = V>
    static std::function<void(Object&, const PropertyValue&)> Setter(void (T::*set)(Arg)) {
        return [set](Object& object, const PropertyValue& value) {
            (dynamic_cast<T&>(object).*set)(std::get<V>(value));
        };
    }

    std::string name_;
    const ClassInfo* base_;
    std::vector<std::string> members_;
    std::map<std::string, PropertyInfo> properties_;
    std::map<std::string, std::string> events_;
};

// The registry of class records, keyed by full class name.
class ClassRegistry {
public:
    // Keeps the record for the rest of the run; registering a name twice keeps the first.
    static const ClassInfo& Register(ClassInfo record);
    static const ClassInfo* Find(const std::string& fullName);
    static std::vector<std::string> Names();  // in registration order
};

// Applies each (name, value) pair in order through the property table of the object's class.
// An unknown name or a value of the wrong type raises UnsupportedOperationException naming both.
void SetProperties(Object& target, const PropertyRecord& record);
