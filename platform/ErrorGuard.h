// The one place that plays the runtime's default error handler. Every entry from Qt into the
// workbench's code runs through RunGuarded: an exception ends the handler, its what() text is
// shown in the error box, and the application carries on with whatever state had already
// changed. GuardedApplication::notify is the backstop for anything that still reaches Qt.
#pragma once

#include <QString>

#include <concepts>
#include <functional>
#include <utility>

// Where error texts are shown.
class ErrorBox {
public:
    virtual ~ErrorBox() = default;
    virtual void ShowError(const QString& text) = 0;
};

// A standard error box (critical icon, OK) over the active window.
class QtErrorBox final : public ErrorBox {
public:
    void ShowError(const QString& text) override;
};

// The box errors go to: a QtErrorBox unless SetErrorBox has put another in place.
ErrorBox& CurrentErrorBox();
// Makes box (not owned) the one errors go to; nullptr returns to the standard box. Returns the
// box that was in place before.
ErrorBox* SetErrorBox(ErrorBox* box);

// Puts a box in place for the lifetime of the object, then restores the previous one.
class ScopedErrorBox {
public:
    explicit ScopedErrorBox(ErrorBox& box) : FPrevious(SetErrorBox(&box)) {}
    ScopedErrorBox(const ScopedErrorBox&) = delete;
    ScopedErrorBox& operator=(const ScopedErrorBox&) = delete;
    ~ScopedErrorBox() { SetErrorBox(FPrevious); }

private:
    ErrorBox* FPrevious;
};

// The text the error box shows for an exception that is not a std::exception.
inline constexpr const char* kUnknownErrorText = "Unknown error";

// The text the error box shows for the exception being handled: its what() (UTF-8), or
// kUnknownErrorText. Call only inside a catch block.
QString CurrentExceptionText();

// Runs handler. If it throws, the exception's text is shown in the current error box and
// RunGuarded returns false; otherwise it returns true. A template, so that guarding every event
// delivery costs no allocation.
template <class Handler> bool RunGuarded(Handler&& handler) noexcept {
    QString text;
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        text = CurrentExceptionText();
    }
    // Shown outside the catch block, so that an error raised while the box runs its own event
    // loop is a new error of its own and not one nested in this handler's.
    CurrentErrorBox().ShowError(text);
    return false;
}

// A handler run under RunGuarded when called; made by Guarded.
template <class Handler> class TGuardedHandler {
public:
    explicit TGuardedHandler(Handler handler) : FHandler(std::move(handler)) {}

    // Constrained, so that Qt's connect() finds how many of a signal's arguments the handler
    // takes instead of passing them all.
    template <class... Args>
    requires std::invocable<const Handler&, Args...>
    void operator()(Args&&... args) const {
        RunGuarded([&] { std::invoke(FHandler, std::forward<Args>(args)...); });
    }

private:
    Handler FHandler;
};

// Wraps a handler for connecting to a Qt signal: the result takes the signal's arguments (or
// the leading ones the handler wants) and runs handler with them under RunGuarded.
template <class Handler> TGuardedHandler<Handler> Guarded(Handler handler) {
    return TGuardedHandler<Handler>(std::move(handler));
}
