// The command reference and program help windows: their texts line for line, read-only but
// selectable, wrapped, without scroll bars, modeless; and the size information text.
#include "windows/CommandReference.h"
#include "windows/ProgramHelp.h"
#include "windows/SizeInformation.h"

#include "base/Cp1251.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

namespace {

const QString kUnderscores(32, QLatin1Char('_'));

// The texts as the user must see them, written out again here rather than taken from the
// windows' own tables.
const QStringList kReferenceLines{
    "Описание работы с командами",
    "Тип данных, используемый в программе - HEX (шестнадцатеричный)",
    "",
    "Шаблоны команд:",
    kUnderscores,
    "слово  - однобайтная команда",
    "пример:",
    "",
    "incd  -инкрементирование порта D",
    "",
    kUnderscores,
    "слово_44 -двухбайтовая команда (слово[\"@\" или \"_\"]данные(HEX) )",
    "",
    "пример:",
    "",
    "delay_64  - пауза 100 мс. (64 hex=100 deg)",
    kUnderscores,
    "",
    "команда goto_XXXX",
    "-безусловное перемещение по памяти",
    "пример:",
    "",
    "goto_00F5  -перемещение в памяти  на адрес F5 (hex)",
    "",
    "Особое внимание-",
    "при написании адреса перехода, старайтесь подсчитывать",
    "команды и их размер!",
};

const QStringList kHelpLines{
    "Данная программа является средством ",
    "разработки ",
    "и редактирования алгоритмов для ",
    "интерпретатора",
    "TOVIX. ",
    "Для создания нового проекта - Файл-> ",
    "Новая программа",
    "Остальные действия как и в любом ",
    "другом текстовом редакторе.",
    "Меню Программа: Компиляция - ",
    QString("компиляция алгоритма для 24") + QChar(0x0421) + "XX.",
    "Информация - данные об используемой ",
    "памяти.",
    "Выходной формат данных- *.bin",
    "",
    "Не забывайте сохраняться!!!",
    "",
};

QStringList Blocks(const QPlainTextEdit& memo) {
    QStringList blocks;
    for (QTextBlock b = memo.document()->begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks;
}

} // namespace

class TextWindowsTest : public QObject {
    Q_OBJECT

    void CheckWindow(TTextWindow& window, const QString& caption, QSize client, QRect memo,
                     int pixelSize, bool bold, bool border, const QStringList& lines) {
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(window.size(), client);
        QCOMPARE(window.minimumSize(), window.maximumSize()); // fixed size
        QVERIFY(!window.isModal());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(window.Memo1->geometry(), memo);
        QCOMPARE(window.Memo1->font().pixelSize(), pixelSize);
        QCOMPARE(window.Memo1->font().bold(), bold);
        QCOMPARE(window.Memo1->frameShape() != QFrame::NoFrame, border);

        QCOMPARE(Blocks(*window.Memo1), lines);
        QCOMPARE(window.Memo1->toPlainText(), lines.join('\n'));
        // Every character is one the program's code page can hold.
        for (const QString& line : lines) {
            const std::string utf8 = line.toStdString();
            QCOMPARE(Cp1251ToUtf8(Utf8ToCp1251(utf8)), utf8);
        }

        QVERIFY(window.Memo1->isReadOnly());
        QCOMPARE(window.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(window.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(window.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        // Shown, the whole text fits: nothing is left to scroll to.
        window.ShowInFront();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.Memo1->verticalScrollBar()->maximum(), 0);
        QCOMPARE(window.Memo1->horizontalScrollBar()->maximum(), 0);

        // Typing changes nothing; selecting and copying gives the text.
        window.Memo1->setFocus();
        QTest::keyClicks(window.Memo1, "xyz");
        QTest::keyClick(window.Memo1, Qt::Key_Backspace);
        QTest::keyClick(window.Memo1, Qt::Key_Delete);
        QCOMPARE(window.Memo1->toPlainText(), lines.join('\n'));
        QTest::keyClick(window.Memo1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window.Memo1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), lines.join('\n'));

        // Shown again while open: still the one window, in front; closing only hides it.
        window.ShowInFront();
        QVERIFY(window.isVisible());
        QVERIFY(!window.testAttribute(Qt::WA_DeleteOnClose));
        window.close();
        QVERIFY(!window.isVisible());
        window.ShowInFront();
        QVERIFY(window.isVisible());
        QCOMPARE(window.Memo1->toPlainText(), lines.join('\n'));
        window.close();
    }

private slots:
    void CommandReference() {
        TCommandReference form;
        CheckWindow(form, "Описание комонд", {491, 483}, {8, 8, 473, 465}, 13, false, true,
                    kReferenceLines);
        QCOMPARE(kReferenceLines.size(), 27);
    }

    void ProgramHelp() {
        TProgramHelp form;
        CheckWindow(form, "Помощь по программе", {441, 419}, {0, 0, 441, 417}, 19, true, false,
                    kHelpLines);
        QCOMPARE(kHelpLines.size(), 17);
    }

    void SizeInformation_data() {
        QTest::addColumn<long long>("commands");
        QTest::addColumn<long long>("size");
        QTest::addColumn<QString>("text");
        QTest::newRow("before any compile")
            << 0LL << 0LL
            << "Количество откомпилированых команд 0 шт. Размер программы составляет 0 байт";
        QTest::newRow("three commands")
            << 3LL << 6LL
            << "Количество откомпилированых команд 3 шт. Размер программы составляет 6 байт";
        QTest::newRow("large") << 21845LL << 65535LL
                               << "Количество откомпилированых команд 21845 шт. Размер программы "
                                  "составляет 65535 байт";
    }

    void SizeInformation() {
        QFETCH(long long, commands);
        QFETCH(long long, size);
        QFETCH(QString, text);
        QCOMPARE(SizeInformationText(commands, size), text);
    }
};

QTEST_MAIN(TextWindowsTest)
#include "TextWindowsTest.moc"
