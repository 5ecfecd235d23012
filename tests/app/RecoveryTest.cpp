// Nothing lost in a crash, for real: a child process (this test started with --typist) opens a
// program, types into it, waits for its recovery file and is killed with SIGKILL; the next
// instances are asked, keep the file on No, and open the text byte for byte on Yes. Then the
// file follows the text, and goes at Save and at a normal end.
#include "tests/app/Workbench.h"
#include "tests/support/TempDir.h"

#include "base/TextFile.h"
#include "platform/GuardedApplication.h"
#include "workbench/RecoveryFile.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// The recovery files in the application's data folder.
QStringList RecoveryFiles() {
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("*.recovery")}, QDir::Files))
        files << folder.filePath(name);
    return files;
}

std::optional<TRecoveryRecord> OnlyRecord() {
    const QStringList files = RecoveryFiles();
    return files.size() == 1 ? ReadRecoveryFile(files.front().toStdString()) : std::nullopt;
}

std::string Text(Workbench& w) {
    return JoinTextFile(w.Lines());
}

// The child: types a comment with cp1251 letters and a new line into program, writes what the
// editor then holds to typedFile once the recovery file holds it too, says "ready" and waits
// for its end.
int Type(const char* program, const char* typedFile) {
    Workbench w;
    if (!w.Show())
        return 3;
    w.Open(program);
    auto* memo = Child<TCodeMemoWidget>(w.Main, "Memo1");
    QTest::keyClick(memo, Qt::Key_End);
    // QTest knows no key for a Cyrillic letter: the event carries the text alone.
    for (QChar c : QStringLiteral(" ; жук"))
        QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("stop"));
    const std::string typed = Text(w);
    if (!QTest::qWaitFor([&] { return OnlyRecord() && OnlyRecord()->Text == typed; }, 10000))
        return 4;
    WriteBytes(typedFile, typed);
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void CrashThenRecover() {
        TempDir home;
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.File("data")));
        const std::string program = home.File("blink.tovix");
        const std::string typedFile = home.File("typed");
        WriteBytes(program, "nop\r\n");

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File("config")));
        child.setProcessEnvironment(environment);
        child.start(
            QCoreApplication::applicationFilePath(),
            {"--typist", QString::fromStdString(program), QString::fromStdString(typedFile)});
        QVERIFY(child.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += child.readAllStandardOutput()).contains("ready"), 20000);
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const std::string typed = ReadBytes(typedFile);
        QCOMPARE(typed, std::string("nop ; \xE6\xF3\xEA\r\nstop\r\n"));
        const QStringList left = RecoveryFiles();
        QCOMPARE(left.size(), 1);
        const QString question =
            QStringLiteral("Восстановить несохранённые изменения программы blink.tovix (%1)?")
                .arg(QDateTime::fromMSecsSinceEpoch(OnlyRecord()->ChangedAtMs)
                         .toString("dd.MM.yyyy HH:mm"));

        {
            // No keeps the file. While this instance runs, another is not offered it.
            Workbench no;
            no.Dialogs.AnswerYesNoCancel(TYesNoCancel::No);
            no.Main.OfferRecovery();
            QCOMPARE(no.Dialogs.Calls(), (std::vector<ScriptedDialogs::TCall>{
                                             {ScriptedDialogs::TKind::YesNoCancel, question}}));
            QVERIFY(no.Main.ProgramPath().isEmpty());
            Workbench other;
            other.Main.OfferRecovery();
            QVERIFY(other.Dialogs.Calls().empty());
        }
        QCOMPARE(RecoveryFiles(), left);

        // Yes opens the text, also of a program whose file has gone, and leaves the disk alone.
        std::remove(program.c_str());
        Workbench yes;
        QVERIFY(yes.Show());
        yes.Dialogs.AnswerYesNoCancel(TYesNoCancel::Yes);
        yes.Main.OfferRecovery();
        QVERIFY(yes.Dialogs.AllAnswered());
        QCOMPARE(Text(yes), typed);
        QCOMPARE(yes.Main.ProgramPath(), QString::fromStdString(program));
        QVERIFY(yes.Main.ProgramChanged());
        QVERIFY(!QFile::exists(QString::fromStdString(program)));
        // This instance's file takes the text over, and the left one goes.
        QTRY_VERIFY(RecoveryFiles() != left && OnlyRecord() && OnlyRecord()->Text == typed);

        auto* memo = Child<TCodeMemoWidget>(yes.Main, "Memo1");
        QTest::keyClicks(memo, "nop");
        QTRY_VERIFY(OnlyRecord() && OnlyRecord()->Text == Text(yes));
        Child<QAction>(yes.Main, "N14")->trigger();
        QCOMPARE(ReadBytes(program), Text(yes));
        // A write still under way when Save came ends first; then the file goes.
        QTRY_VERIFY(RecoveryFiles().isEmpty());
        QTest::keyClicks(memo, "x");
        QTRY_VERIFY(OnlyRecord());
        yes.Dialogs.AnswerYesNoCancel(TYesNoCancel::Yes);
        yes.Main.close();
        QVERIFY(RecoveryFiles().isEmpty());
    }
};

int main(int argc, char** argv) {
    QCoreApplication::setOrganizationName(QStringLiteral("TOVIX"));
    QCoreApplication::setApplicationName(QStringLiteral("TOVIX"));
    GuardedApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--typist") == 0)
        return Type(argv[2], argv[3]);
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryTest.moc"
