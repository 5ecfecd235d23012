// The error guard: an exception's text reaches the error box, the handler stops there and the
// application goes on handling events.
#include "platform/ErrorGuard.h"
#include "platform/GuardedApplication.h"
#include "support/Recorders.h"

#include "base/Errors.h"
#include "tests/support/Modal.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

// An object whose event handler fails the way a handler of the workbench can.
class FailingObject : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw EFOpenError("/tmp/нет.tovix", "No such file or directory");
        return QObject::event(e);
    }
};

} // namespace

class ErrorGuardTest : public QObject {
    Q_OBJECT

private slots:
    void ErrorTextsReachTheBox_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("open error") << 0 << "Cannot open file \"/tmp/ф.tovix\". Permission denied";
        QTest::newRow("list error") << 1 << "List index out of bounds (-1)";
        QTest::newRow("i/o error") << 2 << "File access denied";
        QTest::newRow("std exception") << 3 << "vector::_M_range_check";
        QTest::newRow("not a std::exception") << 4 << kUnknownErrorText;
    }

    void ErrorTextsReachTheBox() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        RecordingErrorBox box;
        ScopedErrorBox scoped(box);
        bool ranOn = false;
        bool finished = RunGuarded([&] {
            switch (kind) {
            case 0:
                throw EFOpenError("/tmp/ф.tovix", "Permission denied");
            case 1:
                throw EListError(-1);
            case 2:
                throw EInOutError(5);
            case 3:
                throw std::out_of_range("vector::_M_range_check");
            default:
                throw 42;
            }
            ranOn = true;
        });
        QVERIFY(!finished);
        QVERIFY(!ranOn);
        QCOMPARE(box.Texts, QStringList{text});
    }

    void GuardedSlotTakesTheSignalsArguments() {
        RecordingErrorBox box;
        ScopedErrorBox scoped(box);
        QTimer sender;
        QString seen;
        QObject::connect(&sender, &QObject::objectNameChanged, Guarded([&](const QString& name) {
            seen = name;
            if (name == "bad")
                throw EListError(7);
        }));
        sender.setObjectName("good");
        sender.setObjectName("bad");
        QCOMPARE(seen, QString("bad"));
        QCOMPARE(box.Texts, QStringList{"List index out of bounds (7)"});
    }

    // The backstop: an exception from an event handler is caught in notify(), and the event
    // loop keeps running and delivering later events.
    void NotifyCatchesAndTheLoopCarriesOn() {
        RecordingErrorBox box;
        ScopedErrorBox scoped(box);
        FailingObject failing;
        QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
        QTimer::singleShot(0, [] { throw EInOutError(103); });
        bool later = false;
        QTimer::singleShot(20, [&] { later = true; });
        QTRY_VERIFY(later);
        // Posted events and timers have no fixed order between them.
        box.Texts.sort();
        QCOMPARE(box.Texts, (QStringList{"Cannot open file \"/tmp/нет.tovix\". No such file or "
                                         "directory",
                                         "I/O error 103"}));
    }

    void StandardBoxIsACriticalMessage() {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        OnNextModal<QMessageBox>([&](QMessageBox* shown) {
            text = shown->text();
            icon = shown->icon();
            shown->accept();
        });
        RunGuarded([] { throw EListError(-1); });
        QCOMPARE(text, QString("List index out of bounds (-1)"));
        QCOMPARE(icon, QMessageBox::Critical);
    }
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    ErrorGuardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ErrorGuardTest.moc"
