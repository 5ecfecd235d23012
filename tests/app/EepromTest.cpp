// Program > Записать в EEPROM with fake programmers (shell scripts in a temporary folder): the
// first-time dialog, a write with its files and arguments, the outcomes, Отмена of a programmer
// that hangs, and one that floods the log.
#include "app/main/EepromWindow.h"
#include "tests/app/Workbench.h"
#include "tests/support/TempDir.h"

#include "platform/GuardedApplication.h"
#include "platform/Settings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <csignal>
#include <filesystem>

namespace {

const QString kKey = "programmer/command";

// A #!/bin/sh programmer in folder, whose name has a space.
QString FakeProgrammer(const std::string& folder, const std::string& body) {
    const std::string path = folder + "/fake programmer";
    WriteBytes(path, "#!/bin/sh\n" + body);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return QString::fromStdString(path);
}

// A workbench with program open, the command saved and Записать в EEPROM chosen.
struct Writing : Workbench {
    TempDir Dir;
    std::string Folder = Dir.File("my dir");

    Writing(const std::string& body, const QString& arguments) {
        std::filesystem::create_directory(Folder);
        WriteBytes(Folder + "/p.tovix", "initlcdd\r\nstop\r\n");
        WorkbenchSettings()->setValue(kKey, "'" + FakeProgrammer(Folder, body) + "' " + arguments);
        Open(Folder + "/p.tovix");
        Main.SetProgrammerGracePeriod(std::chrono::milliseconds(100));
        Child<QAction>(Main, "NWriteEeprom")->trigger();
    }
    QString Status() { return Child<QLabel>(Log(), "ProgrammerStatus")->text(); }
    QPlainTextEdit* Output() { return Child<QPlainTextEdit>(Log(), "ProgrammerOutput"); }
    TEepromWindow& Log() {
        if (!Main.EepromWindow())
            qFatal("no programmer window");
        return *Main.EepromWindow();
    }
};

QPushButton* Button(QDialog& d, QDialogButtonBox::StandardButton which) {
    return Child<QDialogButtonBox>(d, "ProgrammerButtons")->button(which);
}

} // namespace

class EepromTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { WorkbenchSettings()->remove(kKey); }
    void cleanup() { WorkbenchSettings()->remove(kKey); }

    // No command yet: the dialog comes first. Отмена runs nothing, not even the compile; a line
    // that cannot run is refused with its reason; a template fills the line; OK saves it.
    void FirstTimeDialog() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "stop\r\n");
        Workbench w;
        w.Open(dir.File("p.tovix"));
        w.Dialogs.AnswerModal([](QDialog& d) {
            QComboBox* templates = Child<QComboBox>(d, "ProgrammerTemplate");
            QCOMPARE(templates->currentText(), QString("Свой"));
            QCOMPARE(Child<QLineEdit>(d, "ProgrammerCommand")->text(), QString());
            QTest::mouseClick(Button(d, QDialogButtonBox::Cancel), Qt::LeftButton);
        });
        Child<QAction>(w.Main, "NWriteEeprom")->trigger();
        QVERIFY(!w.Main.EepromWindow());
        QCOMPARE(dir.Entries(), std::vector<std::string>{"p.tovix"});
        QVERIFY(!WorkbenchSettings()->contains(kKey));

        w.Dialogs.AnswerModal([](QDialog& d) {
            QLineEdit* line = Child<QLineEdit>(d, "ProgrammerCommand");
            line->setText("minipro -w {bin} > log");
            QTest::mouseClick(Button(d, QDialogButtonBox::Ok), Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(Child<QLabel>(d, "ProgrammerMessage")->text(),
                     QString("Команда запускается без оболочки: «>» в ней не работает. Уберите "
                             "его или возьмите в одинарные кавычки."));
            QComboBox* templates = Child<QComboBox>(d, "ProgrammerTemplate");
            templates->setCurrentIndex(1);
            emit templates->activated(1);
            QCOMPARE(line->text(), QString("ch341eeprom -s 24c256 -w {bin}"));
            QCOMPARE(Child<QLabel>(d, "ProgrammerMessage")->text(), QString());
            QTest::mouseClick(Button(d, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        Child<QAction>(w.Main, "NProgrammer")->trigger();
        QCOMPARE(WorkbenchSettings()->value(kKey).toString(),
                 QString("ch341eeprom -s 24c256 -w {bin}"));
        QVERIFY(!w.Main.EepromWindow()); // Программатор… only sets the command
        // The saved line comes back with its template chosen.
        w.Dialogs.AnswerModal([](QDialog& d) {
            QCOMPARE(Child<QComboBox>(d, "ProgrammerTemplate")->currentIndex(), 1);
            d.reject();
        });
        Child<QAction>(w.Main, "NProgrammer")->trigger();
        QVERIFY(w.Dialogs.AllAnswered());
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    // The programmer gets the image F9 writes, its Intel HEX beside it and the program, each as
    // one argument; its output, UTF-8 or Windows-1251, comes into the log after the command.
    void WritesTheImage() {
        Writing w("for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/args\"\n"
                  "cat \"$2\" > \"$(dirname \"$0\")/written\"\n"
                  "echo 'Пишу 24C256'\nprintf '\\317\\360\\356\\342\\345\\360\\352\\340\\n'\n",
                  "-w {bin} \"--hex={hex}\" {program}");
        QTRY_COMPARE(w.Status(), QString("Записано."));
        const std::string folder = w.Folder;
        QCOMPARE(ReadBytes(folder + "/args"),
                 "-w\n" + folder + "/p.bin\n--hex=" + folder + "/p.hex\n" + folder + "/p.tovix\n");
        QCOMPARE(ReadBytes(folder + "/written"), std::string("\x20\x02"));
        QCOMPARE(ReadBytes(folder + "/p.hex"), std::string(":020000002002DC\n:00000001FF\n"));
        QCOMPARE(w.Output()->toPlainText(),
                 "'" + QString::fromStdString(folder) + "/fake programmer' -w '" +
                     QString::fromStdString(folder) +
                     "/p.bin' '--hex=" + QString::fromStdString(folder) + "/p.hex' '" +
                     QString::fromStdString(folder) + "/p.tovix'\nПишу 24C256\nПроверка");
        QCOMPARE(w.Messages(), QStringList{"Компиляция завершена!  Количество команд 2"});
        QVERIFY(!Child<QPushButton>(w.Log(), "ProgrammerCancel")->isEnabled());
        QVERIFY(w.Log().screen()->availableGeometry().contains(w.Log().frameGeometry()));
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    void Outcomes() {
        const struct {
            const char* body;
            QString arguments;
            QString status;
        } rows[] = {
            {"exit 3\n", "{bin}", "Ошибка программатора: код 3."},
            {"kill -KILL $$\n", "{bin}", "Программатор завершился аварийно."},
        };
        for (const auto& row : rows) {
            Writing w(row.body, row.arguments);
            QTRY_COMPARE(w.Status(), row.status);
        }
        // A program that is not there, by name or by path, and a file that is no program.
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "stop\r\n");
        WriteBytes(dir.File("plain"), "");
        const struct {
            QString command, status;
        } missing[] = {
            {"no-such-programmer {bin}",
             "Программатор не запущен: программа «no-such-programmer» не найдена."},
            {"/no/such {bin}", "Программатор не запущен: файл «/no/such» не найден."},
            {QString::fromStdString(dir.File("plain")),
             "Программатор не запущен: файл «" + QString::fromStdString(dir.File("plain")) +
                 "» не исполняемый."},
        };
        Workbench w;
        w.Open(dir.File("p.tovix"));
        for (const auto& row : missing) {
            WorkbenchSettings()->setValue(kKey, row.command);
            Child<QAction>(w.Main, "NWriteEeprom")->trigger();
            QCOMPARE(Child<QLabel>(*w.Main.EepromWindow(), "ProgrammerStatus")->text(), row.status);
        }
    }

    // A programmer that ignores the request to stop is killed after the grace period, with
    // what it started; while it runs, the menu item starts no second run.
    void HangThenCancel() {
        Writing w("trap '' TERM\necho $$ > \"$(dirname \"$0\")/pid\"\necho waiting\n"
                  "while :; do sleep 1; done\n",
                  "{bin}");
        QTRY_VERIFY(w.Output()->toPlainText().endsWith("waiting"));
        QCOMPARE(w.Status(), QString("Идёт запись…"));
        Child<QAction>(w.Main, "NWriteEeprom")->trigger();
        QCOMPARE(w.Messages().size(), 1); // no second compile
        const pid_t pid = ReadBytes(w.Folder + "/pid").empty()
                              ? 0
                              : static_cast<pid_t>(std::stol(ReadBytes(w.Folder + "/pid")));
        QVERIFY(pid > 0);
        QTest::mouseClick(Child<QPushButton>(w.Log(), "ProgrammerCancel"), Qt::LeftButton);
        QTRY_COMPARE(w.Status(), QString("Запись прервана."));
        QCOMPARE(::kill(pid, 0), -1);
        QTRY_COMPARE(::kill(-pid, 0), -1); // the sleep it ran too
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    // 20 MB of output: the event loop keeps turning and the log keeps only its last lines.
    void HugeOutput() {
        Writing w("yes 'строка вывода' | head -c 20000000\necho\necho end\n", "{bin}");
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longestGap = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        ticks.start(10);
        QTRY_COMPARE_WITH_TIMEOUT(w.Status(), QString("Записано."), 120000);
        qInfo("20 MB of output in %lld ms, the longest gap between turns %lld ms", clock.elapsed(),
              longestGap);
        QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
        QVERIFY(w.Output()->blockCount() <= TEepromWindow::kLogLines);
        // head cuts the last line, maybe inside a character: a line of its own all the same.
        const QStringList lines = w.Output()->toPlainText().split('\n');
        QCOMPARE(lines.back(), QString("end"));
        QCOMPARE(lines[lines.size() - 3], QString("строка вывода"));
    }
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    EepromTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EepromTest.moc"
