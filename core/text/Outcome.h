#pragma once
// The result of an operation that either succeeds with a value or fails with
// a message for the user.
//
// An operation without a value returns std::optional<CoreMessage> instead:
// nothing on success, the message on failure.

#include <utility>
#include <variant>

#include "core/text/CoreMessage.h"

template <class T>
class [[nodiscard]] Outcome {
public:
    // Implicit, so that an operation returns either its value or its message.
    Outcome(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Outcome(CoreMessage message) : state_(std::in_place_index<1>, std::move(message)) {}

    // True when the operation succeeded and value() may be asked.
    bool ok() const { return state_.index() == 0; }

    // The value of a successful operation. Asking a failed one is a fault of
    // the caller: std::bad_variant_access.
    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T value() && { return std::get<0>(std::move(state_)); }

    // The message of a failed operation. Asking a successful one is a fault
    // of the caller: std::bad_variant_access.
    const CoreMessage& message() const { return std::get<1>(state_); }

private:
    std::variant<T, CoreMessage> state_;
};
