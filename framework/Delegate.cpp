#include "framework/Delegate.h"

#include <vector>

#include "framework/Controls.h"

const ClassInfo& Delegate::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Delegate", &Object::Lookup()));
    return record;
}

void CheckDelegateSignature(const std::string& given, const std::string& actual) {
    if (given != actual)
        throw UnsupportedOperationException("a delegate was declared as " + given + " for a method of " + actual);
}

std::shared_ptr<Delegate> RuntimeCreateDelegate(void (*routine)(), const std::string& signature) {
    CheckDelegateSignature(signature, SignatureText<void>());
    if (!routine) return nullptr;
    return std::make_shared<Delegate>(signature, std::function<void()>(routine));
}

void InstallInstanceEventHandler(RectControl& control, const std::string& eventName,
                                 std::shared_ptr<Delegate> handler) {
    const ClassInfo& type = control.ClassRecord();
    const std::string* signature = type.FindEventSignature(eventName);
    if (!signature) throw UnsupportedOperationException(type.Name() + " has no event " + eventName);
    if (!handler) RaiseNilObjectException();
    if (handler->Signature() != *signature)
        throw UnsupportedOperationException("the " + eventName + " event of " + type.Name() + " takes a handler of " +
                                            *signature + ", not " + handler->Signature());
    control.handlers_[eventName] = std::move(handler);
}

namespace {
// Events may nest (a handler can make another control fire), so the firing controls form a stack.
std::vector<std::weak_ptr<RectControl>>& FiringControls() {
    static std::vector<std::weak_ptr<RectControl>> stack;
    return stack;
}
}  // namespace

RectControl::FiringScope::FiringScope(RectControl& control) {
    FiringControls().push_back(std::static_pointer_cast<RectControl>(control.shared_from_this()));
}

RectControl::FiringScope::~FiringScope() { FiringControls().pop_back(); }

std::shared_ptr<RectControl> RuntimeSwapSelfAndMe() {
    auto& stack = FiringControls();
    if (stack.empty()) RaiseNilObjectException();
    auto control = stack.back().lock();
    if (!control) RaiseNilObjectException();
    return control;
}
