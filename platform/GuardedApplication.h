// The application object. Its notify() runs every event delivery under the error guard, so an
// exception that escapes a handler's own guard is still shown and never unwinds through Qt's
// event loop.
#pragma once

#include <QApplication>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
