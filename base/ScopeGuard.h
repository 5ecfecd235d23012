// Scope guards: state set for the length of a scope and put back however the scope ends.
#pragma once

#include <utility>

// Gives a variable a value for the length of a scope; the earlier value comes back when the
// scope ends.
template <typename T> class TScopedValue {
public:
    TScopedValue(T& variable, T value)
        : FVariable(variable), FSaved(std::exchange(variable, std::move(value))) {}
    ~TScopedValue() { FVariable = std::move(FSaved); }
    TScopedValue(const TScopedValue&) = delete;
    TScopedValue& operator=(const TScopedValue&) = delete;

private:
    T& FVariable;
    T FSaved;
};
