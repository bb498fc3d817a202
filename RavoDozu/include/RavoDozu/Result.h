// Result: the one error model of the project. A failure a caller must handle or a user must
// see comes back as a typed error inside a Result; numeric impossibility is NaN or infinity.
#pragma once

#include <cassert>
#include <utility>
#include <variant>

namespace ravodozu {

template <class E> struct Failure { E error; };

/// Wraps an error so it converts into any Result with that error type.
template <class E> Failure<std::decay_t<E>> fail(E&& error) {
    return {std::forward<E>(error)};
}

/// Either a value or an error, in the manner of C++23's std::expected.
template <class T, class E> class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    template <class F>
    Result(Failure<F> failure) : state_(std::in_place_index<1>, std::move(failure.error)) {}

    bool hasValue() const { return state_.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T& value() & { return assertedValue(), std::get<0>(state_); }
    const T& value() const& { return assertedValue(), std::get<0>(state_); }
    T&& value() && { return assertedValue(), std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const E& error() const {
        assert(!hasValue());
        return std::get<1>(state_);
    }

    template <class U> T valueOr(U&& fallback) const& {
        return hasValue() ? std::get<0>(state_) : static_cast<T>(std::forward<U>(fallback));
    }

  private:
    void assertedValue() const { assert(hasValue()); }
    std::variant<T, E> state_;
};

} // namespace ravodozu
