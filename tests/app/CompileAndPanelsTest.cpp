// The compile from the main window (F9) with its image, message, marks and the caret on a faulty
// line; the size information (F10); the two panels; the help and About windows.
#include "tests/app/Workbench.h"
#include "tests/support/Layout.h"
#include "tests/support/Modal.h"
#include "tests/support/TempDir.h"

#include "compiler/CommandSet.h"
#include "platform/GuardedApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <filesystem>
#include <map>

namespace {

const QString kSizeInformation5 =
    "Количество откомпилированых команд 5 шт. Размер программы составляет 9 байт";

void ClickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // QTest types ASCII only; other characters arrive as an input method would insert them.
    for (QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(edit, ch.toLatin1());
        else
            edit->insert(ch);
    }
}

void TypePin(TMainWindow& form, const QString& text) {
    Child<QComboBox>(form, "ComboBox1")->setFocus();
    Retype(Child<QComboBox>(form, "ComboBox1")->lineEdit(), text);
}

} // namespace

// The description the catalogue's entry row shows.
QString Description(int row) {
    return QString::fromStdString(CatalogueDescriptions().at(static_cast<std::size_t>(row)));
}

class CompileAndPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void F9WritesTheImageAndMarksTheLines() {
        TempDir dir;
        WriteBytes(dir.File("blink.tovix"),
                   "  allond\r\npause_64\r\n// wait\r\nalloffd\r\npause_64\r\ngoto_0000\r\n");
        WriteBytes(dir.File("other.tovix"), "stop\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("blink.tovix"));
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F9);
        QCOMPARE(ReadBytes(dir.File("blink.bin")),
                 std::string("\x06\x1B\x64\x08\x1B\x64\x03\x00\x00", 9));
        QCOMPARE(w.Messages(), QStringList{"Компиляция завершена!  Количество команд 5"});
        QCOMPARE(w.MarkedLines(), (std::vector<int>{0, 1, 3, 4, 5}));
        QCOMPARE(w.Lines().front(), std::string("allond"));

        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F10);
        QCOMPARE(w.Messages().back(), kSizeInformation5);

        // The figures stay those of the last compile through Close and Open.
        w.Dialogs.AnswerSaveChanges(TSaveChanges::Discard); // the tidied indent is a change
        Child<QAction>(w.Main, "N7")->trigger();
        w.Open(dir.File("other.tovix"));
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F10);
        QCOMPARE(w.Messages().back(), kSizeInformation5);
        QVERIFY(w.Dialogs.AllAnswered());
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    // A goto that lands wrongly: the image is written, the box keeps its first line and lists
    // the warnings, and the caret goes to the first warned line.
    void F9WarnsOfGotosThatLandWrongly() {
        TempDir dir;
        WriteBytes(dir.File("jumps.tovix"),
                   "allond\r\npause_64\r\n// back\r\n  goto_0002\r\ngoto_0009\r\nPAUSE_64\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("jumps.tovix"));
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F9);
        QCOMPARE(ReadBytes(dir.File("jumps.bin")).size(), std::size_t{9});
        QCOMPARE(w.Messages(),
                 QStringList{"Компиляция завершена!  Количество команд 4\n"
                             "Предупреждения:\n"
                             "Строка 4: goto_0002 — переход внутрь команды в строке 2\n"
                             "Строка 5: goto_0009 — переход за конец программы\n"
                             "Строка 6: PAUSE_64 — команды пишутся строчными буквами: pause"});
        QCOMPARE(w.Main.Editor().CurY(), 3);
        QCOMPARE(w.Main.Editor().CurX(), 0);
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    // Ctrl+G: the caret goes to the command holding the offset; an offset beyond the image or
    // text that is no address gets a message and leaves the caret; Cancel does nothing.
    void GoToAddress() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "allond\r\n// wait\r\npause_64\r\ngoto_0000\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("p.tovix"));
        TCodeMemo& memo = w.Main.Editor();
        const struct {
            std::optional<QString> typed;
            int line;        // where the caret is afterwards
            QString message; // the message shown, if any
        } rows[] = {
            {"0", 0, {}},
            {"2", 2, {}},
            {" 0005 ", 3, {}},
            {"1", 2, {}},
            {"6", 2, "Адрес 0006 лежит за концом программы: её размер 6 байт (0000–0005)."},
            {"g1", 2, "Адрес пишется шестнадцатеричными цифрами, от 0000 до FFFF: g1"},
            {std::nullopt, 2, {}},
        };
        for (const auto& row : rows) {
            const qsizetype shown = w.Messages().size();
            w.Dialogs.AnswerText(row.typed);
            QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_G,
                            Qt::ControlModifier);
            QCOMPARE(memo.CurY(), row.line);
            QCOMPARE(memo.CurX(), 0);
            QCOMPARE(w.Messages().size(), shown + (row.message.isEmpty() ? 0 : 1));
            if (!row.message.isEmpty())
                QCOMPARE(w.Messages().back(), row.message);
        }
        QVERIFY(w.MarkedLines().empty());
        QVERIFY(!std::filesystem::exists(dir.File("p.bin")));
        QVERIFY(w.Dialogs.AllAnswered());
    }

    // The Intel HEX export compiles as F9 does, suggests the image's name with .hex and writes
    // the records where the user chose; Cancel compiles nothing.
    void IntelHexExport() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "  allond\r\npause_64\r\ngoto_0000\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("p.tovix"));
        w.Dialogs.AnswerExport(std::nullopt);
        Child<QAction>(w.Main, "N17")->trigger();
        QVERIFY(w.MarkedLines().empty());

        w.Dialogs.AnswerExport(QString::fromStdString(dir.File("out.hex")));
        Child<QAction>(w.Main, "N17")->trigger();
        const auto& calls = w.Dialogs.Calls();
        QCOMPARE(calls[calls.size() - 2].Text, QString::fromStdString(dir.File("p.hex")));
        // 06 1B 64 03 00 00: the sum of the record's bytes is 8E, so its checksum is 72.
        QCOMPARE(ReadBytes(dir.File("out.hex")), std::string(":06000000061B6403000072\n"
                                                             ":00000001FF\n"));
        QVERIFY(!std::filesystem::exists(dir.File("p.bin")));
        QCOMPARE(w.Messages(), QStringList{"Компиляция завершена!  Количество команд 3"});
        QCOMPARE(w.MarkedLines(), (std::vector<int>{0, 1, 2}));
        QVERIFY(w.Dialogs.AllAnswered());
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    void FaultyOperandsWriteNoImage() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "allond\r\npause_6\r\nstop\r\n  pause_zz\r\ngoto_00F5\r\n");
        WriteBytes(dir.File("p.bin"), "old");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("p.tovix"));
        TCodeMemo& memo = w.Main.Editor();
        memo.SetCurY(4);
        memo.SetCurX(3);
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F9);
        QCOMPARE(w.Messages(), QStringList{"Компиляция не выполнена: неверные данные команды.\n"
                                           "Строка 2: pause_6\nСтрока 4: pause_zz"});
        QCOMPARE(ReadBytes(dir.File("p.bin")), std::string("old"));
        QCOMPARE(memo.CurY(), 1);
        QCOMPARE(memo.CurX(), 0);
        QVERIFY(memo.SelectionEmpty());
        QCOMPARE(w.MarkedLines(), (std::vector<int>{0, 1, 2, 3, 4}));
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F10);
        QCOMPARE(w.Messages().back(), kSizeInformation5);
    }

    void ImageThatCannotBeWritten() {
        TempDir dir;
        const std::string folder = dir.File("gone");
        std::filesystem::create_directory(folder);
        WriteBytes(folder + "/p.tovix", "stop\r\n");
        Workbench w;
        w.Open(folder + "/p.tovix");
        Child<QAction>(w.Main, "N9")->trigger();
        std::filesystem::remove_all(folder);
        w.Main.Editor().Lines().Add("nop");
        Child<QAction>(w.Main, "N9")->trigger();
        QCOMPARE(w.Errors.Texts,
                 QStringList{QString("Folder \"%1\" does not exist").arg(folder.c_str())});
        // No completion message, and the counters keep the last compile's figures.
        QCOMPARE(w.Messages().size(), 1);
        QCOMPARE(w.Main.Counters().CommandCount, 1);
    }

    void InsertionLinesForEveryForm() {
        const std::map<int, std::string> withOperands{
            {3, "goto_0000"},      {8, "configd_00"},   {9, "configb_00"}, {10, "portdwrite_00"},
            {11, "portbwrite_00"}, {18, "onpind_00"},   {19, "onpinb_00"}, {20, "offpind_00"},
            {21, "offpinb_00"},    {22, "10xpause_00"}, {23, "pause_00"},  {26, "lcdout_00"},
            {34, "sound_00_30"},
        };
        TempDir dir;
        Workbench w;
        w.New(dir.File("p"));
        TCodeMemo& memo = w.Main.Editor();
        std::vector<std::string> expected{""};
        for (int row = 0; row < 36; ++row) {
            Child<QListWidget>(w.Main, "ListBox1")->setCurrentRow(row);
            QTest::mouseClick(Child<QPushButton>(w.Main, "Button2"), Qt::LeftButton);
            auto it = withOperands.find(row);
            expected.push_back(
                it != withOperands.end()
                    ? it->second
                    : Child<QListWidget>(w.Main, "ListBox1")->item(row)->text().toStdString());
        }
        QCOMPARE(w.Lines(), expected);
        // Appended after the last line, not at the caret, and not undoable.
        QCOMPARE(memo.CurY(), 0);
        QVERIFY(!memo.CanUndo());
    }

    void InsertionFieldsAsTyped() {
        const struct {
            const char* what;
            int row;
            std::function<void(TMainWindow&)> fill;
            std::string line;
            QString meaning; // under the catalogue, as typed
        } cases[] = {
            {"data", 8, [](TMainWindow& f) { Retype(Child<QLineEdit>(f, "Edit1"), "5"); },
             "configd_5", ""},
            {"letters", 23, [](TMainWindow& f) { Retype(Child<QLineEdit>(f, "Edit1"), "ab"); },
             "pause_ab", "171 мс"},
            {"empty", 10, [](TMainWindow& f) { Retype(Child<QLineEdit>(f, "Edit1"), ""); },
             "portdwrite_", ""},
            {"length limit", 3,
             [](TMainWindow& f) { Retype(Child<QLineEdit>(f, "Edit2"), "12345"); }, "goto_1234",
             ""},
            {"sound", 34,
             [](TMainWindow& f) {
                 Retype(Child<QLineEdit>(f, "Edit1"), "10");
                 Retype(Child<QLineEdit>(f, "Edit3"), "FF");
             },
             "sound_10_FF", "0,16 с, 392 Гц"},
            {"pin picked by keyboard", 21,
             [](TMainWindow& f) {
                 for (int i = 0; i < 7; ++i)
                     QTest::keyClick(Child<QComboBox>(f, "ComboBox1"), Qt::Key_Down);
             },
             "offpinb_07", "вывод B.7"},
            // The press takes the focus from the pin field, as a user's click does.
            {"pin digit typed", 21, [](TMainWindow& f) { TypePin(f, "7"); }, "offpinb_07",
             "вывод B.7"},
            {"selected pin retyped", 21, [](TMainWindow& f) { TypePin(f, "0"); }, "offpinb_00",
             "вывод B.0"},
            {"pin past 7 typed", 21, [](TMainWindow& f) { TypePin(f, "9"); }, "offpinb_0", ""},
            {"letter typed as pin", 18, [](TMainWindow& f) { TypePin(f, "x"); }, "onpind_0", ""},
            {"pin cleared", 18, [](TMainWindow& f) { TypePin(f, ""); }, "onpind_0", ""},
            {"Cyrillic in a field", 26,
             [](TMainWindow& f) { Retype(Child<QLineEdit>(f, "Edit1"), "ЖК"); }, "lcdout_\xC6\xCA",
             ""},
        };
        TempDir dir;
        for (const auto& c : cases) {
            Workbench w;
            QVERIFY(w.Show());
            w.New(dir.File(c.what));
            Child<QListWidget>(w.Main, "ListBox1")->setCurrentRow(c.row);
            c.fill(w.Main);
            QCOMPARE(Child<QLabel>(w.Main, "PanelMeaning")->text(), c.meaning);
            QTest::mouseClick(Child<QPushButton>(w.Main, "Button2"), Qt::LeftButton);
            QTest::mouseClick(Child<QPushButton>(w.Main, "Button2"),
                              Qt::LeftButton); // the same line again
            QVERIFY2(w.Lines() == (std::vector<std::string>{"", c.line, c.line}), c.what);
            QVERIFY2(w.Errors.Texts.isEmpty(), c.what);
        }
    }

    // Вставить текст для ЖКИ… from the menu: "HELLO" on line 2 goes in above the caret's line as
    // one undo step and compiles; from the panel's button, a letter the display lacks is named
    // and nothing goes in.
    void LcdTextDialog() {
        TempDir dir;
        WriteBytes(dir.File("lcd.tovix"), "initlcdd\r\nstop\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("lcd.tovix"));
        TCaretSelection onStop;
        onStop.CollapseTo({2, 1});
        w.Main.Editor().SetCaretSelection(onStop);
        w.Dialogs.AnswerModal([](QDialog& d) {
            Retype(Child<QLineEdit>(d, "LcdText"), "HELLO");
            Child<QComboBox>(d, "LcdRow")->setCurrentIndex(1);
            QCOMPARE(Child<QLabel>(d, "LcdMessage")->text(), QString());
            QTest::mouseClick(
                Child<QDialogButtonBox>(d, "LcdButtons")->button(QDialogButtonBox::Ok),
                Qt::LeftButton);
        });
        Child<QAction>(w.Main, "NLcdText")->trigger();
        const std::vector<std::string> written{
            "initlcdd",       "lcdl2",          "lcdout_48 // H", "lcdout_45 // E",
            "lcdout_4C // L", "lcdout_4C // L", "lcdout_4F // O", "stop",
        };
        QCOMPARE(w.Lines(), written);
        QCOMPARE(w.Dialogs.Calls().back(),
                 (ScriptedDialogs::TCall{ScriptedDialogs::TKind::Modal, "LcdTextDialog"}));
        w.Main.Editor().Undo();
        QCOMPARE(w.Lines(), Strings({"initlcdd", "stop"}));
        w.Main.Editor().Redo();
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F9);
        QCOMPARE(ReadBytes(dir.File("lcd.bin")), std::string("\x20\x27\x22H\x22"
                                                             "E\x22L\x22L\x22O\x02"));
        QCOMPARE(w.Messages().back(), QString("Компиляция завершена!  Количество команд 8"));

        w.Dialogs.AnswerModal([](QDialog& d) {
            Retype(Child<QLineEdit>(d, "LcdText"), "HЖ");
            QCOMPARE(Child<QLabel>(d, "LcdMessage")->text(), QString("Нет на дисплее: Ж"));
            QPushButton* ok =
                Child<QDialogButtonBox>(d, "LcdButtons")->button(QDialogButtonBox::Ok);
            QVERIFY(!ok->isEnabled());
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::mouseClick(Child<QPushButton>(w.Main, "Button4"), Qt::LeftButton);
        QCOMPARE(w.Lines(), written);
        QVERIFY(w.Dialogs.AllAnswered());
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    void InsertWithoutSelection() {
        TempDir dir;
        Workbench w;
        w.New(dir.File("p"));
        QTest::mouseClick(Child<QPushButton>(w.Main, "Button2"), Qt::LeftButton);
        QCOMPARE(w.Lines(), Strings({""}));
        QCOMPARE(w.Messages(), QStringList{"Выберите команду в списке."});
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    void DescriptionFollowsTheCatalogue() {
        Workbench w;
        QVERIFY(w.Show());
        ClickRow(Child<QListWidget>(w.Main, "ListBox1"), 26);
        QCOMPARE(Child<QLabel>(w.Main, "Label4")->text(),
                 QString("Вывести на ЖКИ символ из данных (цифровой код символа для HD44780)"));
        CheckLayout({w.Main.centralWidget()}); // the description whole, inside the window
        QTest::keyClick(Child<QListWidget>(w.Main, "ListBox1"), Qt::Key_Down);
        QCOMPARE(Child<QLabel>(w.Main, "Label4")->text(), Description(27));
        QTest::keyClick(Child<QListWidget>(w.Main, "ListBox1"), Qt::Key_Home);
        QCOMPARE(Child<QLabel>(w.Main, "Label4")->text(), Description(0));
    }

    void FirstKeysInTheCatalogue() {
        const struct {
            std::vector<Qt::Key> keys;
            int row;
        } cases[] = {
            {{Qt::Key_Down}, 0},
            {{Qt::Key_Space}, 0},
            {{Qt::Key_Down, Qt::Key_Down}, 1},
            {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, 0},
        };
        for (const auto& c : cases) {
            Workbench w;
            QVERIFY(w.Show());
            QListWidget* list = Child<QListWidget>(w.Main, "ListBox1");
            list->setFocus(Qt::TabFocusReason);
            for (Qt::Key key : c.keys)
                QTest::keyClick(list, key);
            QCOMPARE(list->currentRow(), c.row);
            QVERIFY(list->currentItem()->isSelected());
            QCOMPARE(Child<QLabel>(w.Main, "Label4")->text(), Description(c.row));
        }
    }

    void PortValues() {
        const struct {
            std::vector<int> bits;
            QString hex;
        } cases[] = {{{}, "00"},           {{7}, "80"},          {{0, 1, 2, 3}, "0F"},
                     {{7, 5, 3, 1}, "AA"}, {{6, 4, 2, 0}, "55"}, {{0, 1, 2, 3, 4, 5, 6, 7}, "FF"}};
        Workbench w;
        QVERIFY(w.Show());
        TMainWindow& f = w.Main;
        QCheckBox* boxes[] = {Child<QCheckBox>(f, "CheckBox1"), Child<QCheckBox>(f, "CheckBox2"),
                              Child<QCheckBox>(f, "CheckBox3"), Child<QCheckBox>(f, "CheckBox4"),
                              Child<QCheckBox>(f, "CheckBox5"), Child<QCheckBox>(f, "CheckBox6"),
                              Child<QCheckBox>(f, "CheckBox7"), Child<QCheckBox>(f, "CheckBox8")};
        for (int bit = 0; bit < 8; ++bit)
            QCOMPARE(boxes[bit]->text(), QString::number(bit));
        for (const auto& c : cases) {
            for (QCheckBox* box : boxes)
                box->setChecked(false);
            for (int bit : c.bits)
                QTest::mouseClick(boxes[bit], Qt::LeftButton);
            Retype(Child<QLineEdit>(f, "Edit1"), "zz");
            QTest::mouseClick(Child<QPushButton>(f, "Button1"), Qt::LeftButton);
            QCOMPARE(Child<QLineEdit>(f, "Edit1")->text(), c.hex);
            QCOMPARE(Child<QLabel>(f, "Label8")->text(), "0x" + c.hex);
        }
        QCOMPARE(w.Lines(), Strings({""})); // the editor is not touched
    }

    void RemoveMarks() {
        TempDir dir;
        const std::string text = "allond\r\n\xC6\x98 text\r\npause_64\r\n";
        WriteBytes(dir.File("p.tovix"), text);
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("p.tovix"));
        Child<QAction>(w.Main, "N9")->trigger();
        QCOMPARE(w.MarkedLines(), (std::vector<int>{0, 2}));
        TCodeMemo& memo = w.Main.Editor();
        memo.SetCurY(2);
        memo.SetCurX(3);
        memo.SetSelectionBounds(0, 2, 3, 2);
        QTest::mouseClick(Child<QPushButton>(w.Main, "Button3"), Qt::LeftButton);
        QCOMPARE(w.MarkedLines(), std::vector<int>());
        QCOMPARE(w.Lines(), Strings({"allond", "\xC6\x98 text", "pause_64"}));
        QCOMPARE(memo.CurX(), 0);
        QCOMPARE(memo.CurY(), 0);
        QVERIFY(memo.SelectionEmpty());
        QVERIFY(!w.Main.ProgramChanged());

        // Also with no program open, on the disabled editor.
        Child<QAction>(w.Main, "N7")->trigger();
        QTest::mouseClick(Child<QPushButton>(w.Main, "Button3"), Qt::LeftButton);
        QCOMPARE(w.Lines(), std::vector<std::string>());
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    // The help items and F1 reach their windows; how each window shows itself (modeless, modal,
    // on top) is tested with the windows.
    void HelpWindows() {
        Workbench w;
        QVERIFY(w.Show());
        for (int press = 0; press < 2; ++press) {
            w.Main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w.Main));
            QTest::keyClick(&w.Main, Qt::Key_F1);
            QVERIFY(w.Commands.isVisible());
        }

        Child<QAction>(w.Main, "N11")->trigger();
        QVERIFY(w.Help.isVisible());
        Child<QAction>(w.Main, "Web1")->trigger();
        QCOMPARE(w.Shell.Urls, QStringList{"https://example.org/tovix"});

        QWidget* modal = nullptr;
        OnNextModal<TAboutWindow>([&](TAboutWindow* about) {
            modal = QApplication::activeModalWidget();
            about->close();
        });
        Child<QAction>(w.Main, "N12")->trigger();
        QCOMPARE(modal, &w.About);
        QVERIFY(!w.About.isVisible());
    }
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    CompileAndPanelsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CompileAndPanelsTest.moc"
