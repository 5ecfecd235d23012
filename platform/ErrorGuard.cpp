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

QString CurrentExceptionText() {
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QString::fromUtf8(kUnknownErrorText);
    }
}
