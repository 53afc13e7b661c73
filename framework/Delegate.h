#pragma once
// Delegates: a method bound to its target, carrying the signature text that events check it against.

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "framework/Object.h"

class Graphics;
class RectControl;

namespace signature_detail {
template <class T> std::string TypeText() {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, Graphics>) return "Graphics";
    else if constexpr (std::is_same_v<U, bool>) return "Boolean";
    else if constexpr (std::is_same_v<U, int32_t>) return "Int32";
    else if constexpr (std::is_same_v<U, double>) return "Double";
    else if constexpr (std::is_same_v<U, std::string>) return "String";
    else static_assert(sizeof(T) == 0, "no signature text for this type");
}
}  // namespace signature_detail

// "( Int32, Int32 ) as Boolean", "( Graphics )", "(  )": the text the framework's events are declared with.
template <class R, class... A> std::string SignatureText() {
    std::string text = "( ";
    bool first = true;
    ((text += (first ? "" : ", ") + signature_detail::TypeText<A>(), first = false), ...);
    text += " )";
    if constexpr (!std::is_void_v<R>) text += " as " + signature_detail::TypeText<R>();
    return text;
}

class Delegate : public Object {
public:
    template <class R, class... A>
    Delegate(std::string signature, std::function<R(A...)> call)
        : signature_(std::move(signature)), call_(std::move(call)) {}

    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const std::string& Signature() const { return signature_; }

    template <class R, class... A> R Invoke(A... args) const {
        const auto* call = std::any_cast<std::function<R(A...)>>(&call_);
        if (!call) throw UnsupportedOperationException("a delegate of " + signature_ + " was invoked as " +
                                                       SignatureText<R, A...>());
        return (*call)(std::forward<A>(args)...);
    }

private:
    std::string signature_;
    std::any call_;
};

// Refuses (UnsupportedOperationException) a signature text that does not describe the method.
void CheckDelegateSignature(const std::string& given, const std::string& actual);

// A delegate of a method on its target. The delegate does not keep the target alive: a call after the
// target is gone raises NilObjectException.
template <class T, class R, class... A>
std::shared_ptr<Delegate> RuntimeCreateDelegate(T* target, R (T::*method)(A...), const std::string& signature) {
    CheckDelegateSignature(signature, SignatureText<R, A...>());
    if (!target) RaiseNilObjectException();
    std::weak_ptr<T> weak = std::static_pointer_cast<T>(target->shared_from_this());
    std::function<R(A...)> call = [weak, method](A... args) -> R {
        auto self = weak.lock();
        if (!self) RaiseNilObjectException();
        return ((*self).*method)(std::forward<A>(args)...);
    };
    return std::make_shared<Delegate>(signature, std::move(call));
}

// A delegate of a free routine, without a receiver.
std::shared_ptr<Delegate> RuntimeCreateDelegate(void (*routine)(), const std::string& signature);

// Binds a handler to a control's event by name; refuses an unknown event or a handler of another signature.
void InstallInstanceEventHandler(RectControl& control, const std::string& eventName,
                                 std::shared_ptr<Delegate> handler);

// Inside a control's event handler: the control that fired. NilObjectException outside any handler.
std::shared_ptr<RectControl> RuntimeSwapSelfAndMe();
