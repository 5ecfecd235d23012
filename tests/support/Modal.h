// Drives modal dialogs from a test: the action runs on the next modal widget of type W once its
// own event loop is running, and can inspect it, answer it or close it.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Polls for the modal widget every few milliseconds and gives up after timeoutMs.
template <class W> void OnNextModal(std::function<void(W*)> action, int timeoutMs = 5000) {
    QTimer* timer = new QTimer(qApp); // deletes itself below, or with the application
    timer->setInterval(5);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, action, timeoutMs] {
        if (auto* modal = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (clock.elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}
