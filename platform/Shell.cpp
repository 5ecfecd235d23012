// The desktop's URL handlers through QDesktopServices.
#include "platform/Shell.h"

#include "base/Cp1251.h"

#include <QDesktopServices>
#include <QUrl>

void QtShell::OpenUrl(const QString& url) {
    // The result is not looked at: a request nobody can serve is not the user's problem.
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

QString LinkTokenUrl(const std::string& token) {
    QString text = QString::fromStdString(Cp1251ToUtf8(token));
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        text.prepend(QLatin1String("http://"));
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return {};
    // A mail address needs its address, every other link a host to go to.
    bool mail = url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0;
    if (mail ? url.path().isEmpty() : url.host().isEmpty())
        return {};
    return url.toString();
}
