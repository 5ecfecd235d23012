// Scope guards: state set for the length of a scope and put back however the scope ends.
#pragma once

#include <exception>
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

// An update block of target (BeginUpdate now, EndUpdate when the scope ends). A failure of
// EndUpdate reaches the caller, unless the block ends for another failure: that one is what
// the caller gets.
template <typename T> class TUpdateBlock {
public:
    explicit TUpdateBlock(T& target) : FTarget(target) { FTarget.BeginUpdate(); }
    ~TUpdateBlock() noexcept(false) {
        if (std::uncaught_exceptions() == FUncaught) {
            FTarget.EndUpdate();
            return;
        }
        try {
            FTarget.EndUpdate();
        } catch (...) {
        }
    }
    TUpdateBlock(const TUpdateBlock&) = delete;
    TUpdateBlock& operator=(const TUpdateBlock&) = delete;

private:
    T& FTarget;
    int FUncaught = std::uncaught_exceptions();
};
