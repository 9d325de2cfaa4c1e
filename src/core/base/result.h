#pragma once
// A value or the run-time error that prevented it.
#include <utility>
#include <variant>

#include "base/runtime_error.h"

namespace velloran {

template <class T>
class Result {
public:
    Result(T value) : v_(std::move(value)) {}                 // NOLINT(google-explicit-constructor)
    Result(RuntimeError error) : v_(std::move(error)) {}      // NOLINT(google-explicit-constructor)

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    const RuntimeError& error() const { return std::get<1>(v_); }

private:
    std::variant<T, RuntimeError> v_;
};

}  // namespace velloran
