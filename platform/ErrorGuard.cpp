// The error guard and the standard error box.
#include "platform/ErrorGuard.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

ErrorBox* gErrorBox = nullptr;

} // namespace

void QtErrorBox::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

ErrorBox& CurrentErrorBox() {
    static QtErrorBox standardBox;
    return gErrorBox ? *gErrorBox : standardBox;
}

ErrorBox* SetErrorBox(ErrorBox* box) {
    return std::exchange(gErrorBox, box);
}

bool RunGuarded(const std::function<void()>& handler) noexcept {
    QString text;
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = QString::fromUtf8(kUnknownErrorText);
    }
    // Shown outside the catch block, so that an error raised while the box runs its own event
    // loop is a new error of its own and not one nested in this handler's.
    CurrentErrorBox().ShowError(text);
    return false;
}
