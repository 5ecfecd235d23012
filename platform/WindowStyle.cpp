// Fonts, dialog borders and desktop placement of the workbench's windows.
#include "platform/WindowStyle.h"

#include "platform/Settings.h"
#include "platform/WindowPlacement.h"

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

namespace {

// The frame a window manager puts around a client area, for the windows not shown yet: a title
// bar and thin borders.
const QMargins kFrameAllowance(4, 30, 4, 4);

QRect AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame around the client area of a window that has been shown, else the allowance.
QMargins FrameOf(const QWidget& window) {
    if (!window.isVisible())
        return kFrameAllowance;
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

// The client size a window asks for before its first show: what it was resized to, else what
// its layout needs.
QSize WantedSize(const QWidget& window) {
    if (window.testAttribute(Qt::WA_Resized))
        return window.size();
    return window.sizeHint().expandedTo(window.minimumSizeHint());
}

} // namespace

QSize FittingWindowSize(const QWidget& window, QSize wanted) {
    const QRect area = AvailableArea(window);
    return area.isValid() ? FittingClientSize(wanted, area, kFrameAllowance) : wanted;
}

void MoveToDesktopCentre(QWidget& window) {
    const QRect area = AvailableArea(window);
    if (!area.isValid())
        return;
    const QRect client = CentredClientRect(window.size(), area, kFrameAllowance);
    // move() places the frame; a window larger than the area keeps its top left corner inside.
    window.move(client.topLeft() - QPoint(kFrameAllowance.left(), kFrameAllowance.top()));
}

void SaveWindowPlace(const QWidget& window, const QString& group) {
    const std::unique_ptr<QSettings> settings = WorkbenchSettings();
    settings->beginGroup(group);
    settings->setValue(QStringLiteral("Geometry"), window.normalGeometry());
    settings->setValue(QStringLiteral("Maximized"), window.isMaximized());
}

bool RestoreWindowPlace(QWidget& window, const QString& group) {
    const std::unique_ptr<QSettings> settings = WorkbenchSettings();
    settings->beginGroup(group);
    const QRect saved = settings->value(QStringLiteral("Geometry")).toRect();
    if (!saved.isValid())
        return false;
    const QScreen* screen = QGuiApplication::screenAt(saved.center());
    const QRect area = screen ? screen->availableGeometry() : AvailableArea(window);
    window.setGeometry(area.isValid()
                           ? FittedClientRect(saved, area, kFrameAllowance, window.minimumSize())
                           : saved);
    if (settings->value(QStringLiteral("Maximized")).toBool())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

void ShowBesideParent(QWidget& window, bool& placed) {
    if (!placed && window.parentWidget()) {
        const QWidget& main = *window.parentWidget()->window();
        const QWidget* editor = main.findChild<QWidget*>(QStringLiteral("Memo1"));
        TBesideRequest request;
        request.Area = AvailableArea(main);
        request.MainFrame = main.frameGeometry();
        request.Editor =
            editor ? QRect(editor->mapToGlobal(QPoint(0, 0)), editor->size()) : main.geometry();
        request.Wanted = WantedSize(window);
        request.Frame = FrameOf(main);
        request.MinHeight = main.geometry().height();
        if (request.Area.isValid())
            window.setGeometry(PlaceBeside(request));
        placed = true;
    }
    window.show();
    window.raise();
    window.activateWindow();
}
