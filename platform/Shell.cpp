// The desktop's URL handlers through QDesktopServices.
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

void QtShell::OpenUrl(const QString& url) {
    // The result is not looked at: a request nobody can serve is not the user's problem.
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}
