// The command reference and program help windows: their texts line for line as their files in
// data/help hold them, inside the window and whole, read-only but selectable, wrapped, without
// scroll bars, modeless; and the size information text.
#include "windows/CommandReference.h"
#include "windows/ProgramHelp.h"
#include "windows/SizeInformation.h"

#include "base/Cp1251.h"
#include "tests/support/Layout.h"
#include "tests/support/SourceFile.h"

#include <QClipboard>
#include <QCryptographicHash>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

namespace {

// The lines the window must show: those of its file, every one ended by LF, the last one too.
QStringList FileLines(const char* file) {
    QByteArray text = SourceFile(file);
    if (!text.endsWith('\n'))
        qFatal("%s does not end with a line break", file);
    text.chop(1);
    return QString::fromUtf8(text).split('\n');
}

QStringList Blocks(const QPlainTextEdit& memo) {
    QStringList blocks;
    for (QTextBlock b = memo.document()->begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks;
}

} // namespace

class TextWindowsTest : public QObject {
    Q_OBJECT

    void CheckWindow(TTextWindow& window, const QString& caption, QSize client, int pixelSize,
                     bool bold, bool border, const char* file) {
        const QStringList lines = FileLines(file);
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(window.size(), client);
        QCOMPARE(window.minimumSize(), window.maximumSize()); // fixed size
        QVERIFY(!window.isModal());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        CheckLayout({&window});
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
    // The help texts are fixed texts of the workbench: a change to their files must be made on
    // purpose, here too.
    void HelpFilesAreTheFixedTexts() {
        const auto digest = [](const char* file) {
            return QCryptographicHash::hash(SourceFile(file), QCryptographicHash::Sha256).toHex();
        };
        QCOMPARE(digest("data/help/commands.txt"),
                 "29b6ef4b0eb77f9cb02838aecd6c3d32843e79ca06497c1ac6d3fe43291c9489");
        QCOMPARE(digest("data/help/program.txt"),
                 "0e44d30692013163c2561e369c2e2344bffebd4efc196805dacf959d0c54a639");
    }

    void CommandReference() {
        TCommandReference form;
        CheckWindow(form, "Описание комонд", {491, 483}, 13, false, true, "data/help/commands.txt");
    }

    void ProgramHelp() {
        TProgramHelp form;
        CheckWindow(form, "Помощь по программе", {441, 419}, 19, true, false,
                    "data/help/program.txt");
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
