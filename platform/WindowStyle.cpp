// Fonts, dialog borders and desktop placement of the workbench's windows.
#include "platform/WindowStyle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QFont WindowFont(const QString& family, int pixelHeight, bool bold) {
    QStringList families{family};
    if (family == QLatin1String("MS Sans Serif"))
        families << QStringLiteral("Liberation Sans");
    else if (family == QLatin1String("Courier New"))
        families << QStringLiteral("Liberation Mono");
    else if (family == QLatin1String("OCR A Extended"))
        families << QStringLiteral("DejaVu Sans Mono");
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void SetDialogBorder(QWidget& window, int clientWidth, int clientHeight) {
    window.setWindowFlags((window.windowFlags() & Qt::WindowStaysOnTopHint) | Qt::Dialog |
                          Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(clientWidth, clientHeight);
}

void MoveToDesktopCentre(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

namespace {

// Before its first show a window's frame is not known yet, so main's frame stands for it.
void PlaceBesideWindow(QWidget& window, const QWidget& main) {
    QRect frame = main.frameGeometry();
    QRect client = main.geometry();
    QRect screen = main.screen() ? main.screen()->availableGeometry() : QRect();
    int border = client.left() - frame.left();
    int width = window.width() + 2 * border;
    int x = frame.right() + 1;
    if (screen.isValid() && x + width > screen.right())
        x = std::max(screen.left(), frame.left() - width);
    window.setGeometry(x + border, client.top(), window.width(),
                       std::max(window.height(), client.height()));
}

} // namespace

void ShowBesideParent(QWidget& window, bool& placed) {
    if (!placed && window.parentWidget()) {
        PlaceBesideWindow(window, *window.parentWidget()->window());
        placed = true;
    }
    window.show();
    window.raise();
    window.activateWindow();
}
