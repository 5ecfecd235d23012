// The main window as the user meets it: its start-up state and layout, its menu as the README
// describes it, the menu's states through New, Open, Save as, Save and Close, the program files
// written and read, the questions before text is lost, and the errors of files that cannot be
// read or written.
#include "app/board/BoardWindow.h"
#include "tests/app/Workbench.h"
#include "tests/support/Layout.h"
#include "tests/support/SourceFile.h"
#include "tests/support/TempDir.h"

#include "base/FileIO.h"
#include "platform/GuardedApplication.h"
#include "platform/Settings.h"
#include "tests/support/Permissions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cerrno>
#include <filesystem>

using TKind = ScriptedDialogs::TKind;
using TCall = ScriptedDialogs::TCall;

namespace {

const QString kExitQuestion =
    "Вы действительно хотите выйти? Всё несохранённые данные будут потеряны!";
const QString kChangedQuestion = "Программа изменена. Сохранить изменения?";
const QString kOpenFilter = "Программы интерпритатора (*.tovix)";

// Every menu in the menu bar's order, its title and then its items: object name and caption,
// byte for byte. Their keys are those of the README's table.
const QStringList kMenu{
    "N1 Файл",
    "N2 Создать программу",
    "N5 Открыть программу",
    "N6 Сохранить программу как",
    "N14 Сохранить",
    "N7 Закрыть",
    "NRecent Недавние программы",
    "N8 Выход",
    "N3 Программа",
    "N9 Компилировать",
    "N13 Информация",
    "N15 Путь",
    "N16 Перейти к адресу",
    "N17 Сохранить образ в Intel HEX…",
    "N18 Листинг",
    "N19 Модель платы",
    "N20 Точка остановки",
    "NUpdateJumps Обновить адреса переходов",
    "NNameJumps Назвать переходы",
    "NJumpTarget Перейти к цели перехода",
    "NLcdText Вставить текст для ЖКИ…",
    "NWriteEeprom Записать в EEPROM",
    "NProgrammer Программатор…",
    "N4 Помощь",
    "N10 По командам",
    "N11 По программе",
    "Web1 Web",
    "N12 О программе",
};

// The README's table of menu keys row by row: "KEY | MENU > ITEM" without the explanation in
// parentheses, or only the keys for a row of another window's or the find bar's keys.
QStringList ReadmeKeyRows() {
    const QStringList lines = QString::fromUtf8(SourceFile("README.md")).split('\n');
    qsizetype i = lines.indexOf("Menu shortcuts:") + 1;
    while (i > 0 && i < lines.size() && !lines[i].startsWith('|'))
        ++i;
    QStringList rows;
    for (i += 2; i > 2 && i < lines.size() && lines[i].startsWith("| "); ++i) { // past the heading
        const QStringList cells = lines[i].mid(2).chopped(2).split(" | ");
        const QString command = cells.value(1).section(" (", 0, 0);
        rows << (command.contains(" > ") ? cells[0] + " | " + command : cells[0]);
    }
    return rows;
}

// File > Недавние программы as the user sees it: each item's object name and caption, and
// whether it can be chosen.
QStringList RecentItems(const TMainWindow& form) {
    QStringList items;
    for (QAction* item : Child<QMenu>(form, "NRecent")->actions())
        items << item->objectName() + ' ' + item->text() + (item->isEnabled() ? "" : " (off)");
    return items;
}

struct StateRow {
    bool Memo, N3, N6, Button2;
    QString Path;
};

void CheckState(TMainWindow& form, const StateRow& row, const char* what) {
    QVERIFY2(Child<TCodeMemoWidget>(form, "Memo1")->isEnabled() == row.Memo, what);
    QVERIFY2(Child<QMenu>(form, "N3")->menuAction()->isEnabled() == row.N3, what);
    for (QAction* item :
         {Child<QAction>(form, "N9"), Child<QAction>(form, "N13"), Child<QAction>(form, "N15")})
        QVERIFY2(item->isEnabled() == row.N3, what);
    QVERIFY2(Child<QAction>(form, "N6")->isEnabled() == row.N6, what);
    QVERIFY2(Child<QPushButton>(form, "Button2")->isEnabled() == row.Button2, what);
    QCOMPARE(form.ProgramPath(), row.Path);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // What the user finds at start: a window at its minimum size whose controls neither overlap
    // nor are cut,
    // the disabled editor with one empty line, the catalogue without a selection, the fields'
    // first values and their length limits.
    void StartUp() {
        Workbench w;
        TMainWindow& f = w.Main;
        QCOMPARE(f.windowTitle(), QString("TOVIX"));
        QCOMPARE(f.centralWidget()->size(), QSize(832, 393));
        QCOMPARE(f.size(), f.minimumSize());
        QVERIFY(f.windowFlags() & Qt::WindowMaximizeButtonHint);
        CheckLayout({f.centralWidget(), Child<QFrame>(f, "Panel1"), Child<QFrame>(f, "Panel2")});

        QCOMPARE(w.Lines(), Strings({""}));
        QCOMPARE(Child<QListWidget>(f, "ListBox1")->count(), 36);
        QCOMPARE(Child<QListWidget>(f, "ListBox1")->selectedItems().size(), 0);
        QCOMPARE(Child<QLabel>(f, "Label4")->text(), QString());
        const struct {
            QLineEdit* edit;
            QString text;
            int maxLength;
        } edits[] = {{Child<QLineEdit>(f, "Edit1"), "00", 2},
                     {Child<QLineEdit>(f, "Edit2"), "0000", 4},
                     {Child<QLineEdit>(f, "Edit3"), "30", 2}};
        for (const auto& e : edits) {
            QCOMPARE(e.edit->text(), e.text);
            QCOMPARE(e.edit->maxLength(), e.maxLength);
        }
        QCOMPARE(Child<QComboBox>(f, "ComboBox1")->count(), 8);
        QCOMPARE(Child<QComboBox>(f, "ComboBox1")->currentText(), QString("0"));
        QCOMPARE(f.Counters().CommandCount, 0);
        CheckState(f, {false, false, false, false, ""}, "start");
    }

    // The menu's items with their captions, and its keys as the README's table and text give
    // them: a key, caption or item changed on either side fails.
    void MenuAsTheReadmeDescribesIt() {
        TempDir dir;
        Workbench w;
        w.New(dir.File("p"));
        Child<QAction>(w.Main, "N19")->trigger(); // the board window, for its keys
        QStringList items, paths, keyRows, boardKeys, findKeys;
        for (QAction* menu : w.Main.menuBar()->actions()) {
            items << menu->objectName() + ' ' + menu->text();
            for (QAction* item : menu->menu()->actions()) {
                items << item->objectName() + ' ' + item->text();
                paths << menu->text() + " > " + item->text();
                if (!item->shortcut().isEmpty())
                    keyRows << item->shortcut().toString(QKeySequence::PortableText) + " | " +
                                   paths.back();
            }
        }
        for (QAction* key : w.Main.BoardWindow()->findChildren<QAction*>())
            boardKeys << key->shortcut().toString(QKeySequence::PortableText);
        for (QAction* key : Child<QWidget>(w.Main, "FindBar")->findChildren<QAction*>())
            findKeys << key->shortcut().toString(QKeySequence::PortableText);
        QCOMPARE(items, kMenu);
        QStringList readmeRows = ReadmeKeyRows();
        readmeRows.sort(); // the order is kMenu's to check
        keyRows << boardKeys.join(", ") << findKeys.join(", ");
        keyRows.sort();
        QCOMPARE(readmeRows, keyRows);

        // Every menu path the README's text names begins with an item's.
        const QString readme = QString::fromUtf8(SourceFile("README.md")).replace('\n', ' ');
        for (QAction* menu : w.Main.menuBar()->actions())
            for (qsizetype at = readme.indexOf(menu->text() + " > "); at >= 0;
                 at = readme.indexOf(menu->text() + " > ", at + 1))
                QVERIFY2(std::any_of(
                             paths.begin(), paths.end(),
                             [&](const QString& path) { return readme.mid(at).startsWith(path); }),
                         qPrintable(readme.mid(at, 60)));
    }

    void StateTableRowByRow() {
        TempDir dir;
        const QString a = QString::fromStdString(dir.File("a.tovix"));
        const QString b = QString::fromStdString(dir.File("b"));
        const QString c = QString::fromStdString(dir.File("c.tovix"));
        WriteBytes(a.toStdString(), "stop\r\n");
        const QString closed = "C:\\tovix.tovix";

        Workbench w;
        TMainWindow& f = w.Main;
        const auto open = [&](const QString& name) {
            w.Dialogs.AnswerOpen(name);
            Child<QAction>(f, "N5")->trigger();
        };
        const auto save = [&](QAction* item, const QString& name) {
            w.Dialogs.AnswerSave(name);
            item->trigger();
        };
        open(a);
        CheckState(f, {true, true, false, true, a}, "Open after start");
        Child<QAction>(f, "N6")
            ->trigger(); // disabled: a dialog shown would find no answer and raise an error
        Child<QAction>(f, "N14")->trigger();
        CheckState(f, {true, true, false, true, a}, "Save");
        Child<QAction>(f, "N7")->trigger();
        CheckState(f, {false, false, false, false, closed}, "Close");
        Child<QAction>(f, "N14")->trigger(); // nothing without a program
        save(Child<QAction>(f, "N2"), b);
        CheckState(f, {true, true, true, true, b + ".tovix"}, "New");
        open(a);
        CheckState(f, {true, true, true, true, a}, "Open after New");
        save(Child<QAction>(f, "N6"), c); // the name ends in the extension already
        CheckState(f, {true, true, true, true, c}, "Save as");
        Child<QAction>(f, "N7")->trigger();
        Child<QAction>(f, "N7")->trigger();
        CheckState(f, {false, false, false, false, closed}, "Close twice");
        open(a);
        CheckState(f, {true, true, false, true, a}, "Open after Close");
        QVERIFY(w.Dialogs.AllAnswered());
        QCOMPARE(w.Errors.Texts, QStringList());

        Child<QAction>(f, "N15")->trigger();
        QCOMPARE(w.Dialogs.Calls().back(), (TCall{TKind::Information, a}));
        QCOMPARE(dir.Entries(), Strings({"a.tovix", "b.tovix", "c.tovix"}));
    }

    // Over two starts with one configuration: the programs opened and saved come back in the
    // menu, newest first, and so does the window's size; a program chosen there opens as Open
    // opens it, and one that is gone or unreadable is reported and leaves the list. A grown
    // window gives the editor the room; the rest keeps its distance from the right and bottom.
    void RecentProgramsAndTheWindowOverTwoStarts() {
        TempDir dir;
        const QString folder = QString::fromStdString(dir.Path());
        WriteBytes(dir.File("a.tovix"), "stop\r\n");
        WriteBytes(dir.File("b.tovix"), "nop\r\n");
        WriteBytes(dir.File("locked.tovix"), "nop\r\n");
        ScratchConfiguration();
        WorkbenchSettings()->clear(); // what the tests before have opened
        const QSize grown(1000, 600);
        {
            Workbench w;
            QVERIFY(w.Show());
            QCOMPARE(RecentItems(w.Main), QStringList{" Нет недавних программ (off)"});
            w.Open(dir.File("locked.tovix"));
            w.Open(dir.File("a.tovix"));
            w.New(dir.File("c"));
            w.Open(dir.File("b.tovix"));

            const char* const names[] = {"Memo1",  "Button3", "Panel1",
                                         "Panel2", "Label3",  "Label4"};
            QMap<QString, QRect> before;
            for (const char* name : names)
                before[name] = Child<QWidget>(w.Main, name)->geometry();
            const QSize client = w.Main.centralWidget()->size();
            w.Main.resize(grown);
            QTRY_COMPARE(w.Main.size(), grown);
            const QSize room = w.Main.centralWidget()->size() - client;
            QVERIFY(room.width() > 0 && room.height() > 0);
            const QMap<QString, QRect> after{
                {"Memo1", before["Memo1"].adjusted(0, 0, room.width(), room.height())},
                {"Button3", before["Button3"].translated(room.width(), 0)},
                {"Panel1", before["Panel1"].translated(room.width(), 0)},
                {"Panel2", before["Panel2"].translated(room.width(), 0)},
                {"Label3", before["Label3"].translated(0, room.height())},
                {"Label4", before["Label4"].translated(0, room.height())}};
            for (const char* name : names)
                QVERIFY2(Child<QWidget>(w.Main, name)->geometry() == after[name], name);
            w.Dialogs.AnswerYesNoCancel(TYesNoCancel::Yes);
            Child<QAction>(w.Main, "N8")->trigger();
        }

        Workbench w; // the next start
        QCOMPARE(w.Main.size(), grown);
        QCOMPARE(
            RecentItems(w.Main),
            (QStringList{"NRecent1 1 b.tovix — " + folder, "NRecent2 2 c.tovix — " + folder,
                         "NRecent3 3 a.tovix — " + folder, "NRecent4 4 locked.tovix — " + folder}));
        QVERIFY(w.Show());
        w.Open(dir.File("b.tovix"));
        QTest::keyClicks(Child<TCodeMemoWidget>(w.Main, "Memo1"), "x");
        w.Dialogs.AnswerSaveChanges(TSaveChanges::Discard); // asked first, as Open asks
        Child<QAction>(w.Main, "NRecent3")->trigger();
        QCOMPARE(w.Lines(), Strings({"stop"}));
        QCOMPARE(w.Main.ProgramPath(), QString::fromStdString(dir.File("a.tovix")));
        QVERIFY(w.Dialogs.AllAnswered());

        std::filesystem::remove(dir.File("c.tovix"));
        Child<QAction>(w.Main, "NRecent3")->trigger();
        QCOMPARE(w.Messages().back(), "Программа " + QString::fromStdString(dir.File("c.tovix")) +
                                          " не найдена и убрана из списка недавних.");
        const ScopedNoPermissionOverride noOverride;
        std::filesystem::permissions(dir.File("locked.tovix"), std::filesystem::perms::none);
        if (noOverride.Active()) {
            Child<QAction>(w.Main, "NRecent3")->trigger();
            QCOMPARE(w.Messages().value(1),
                     QString("Cannot open file \"%1\". Permission denied")
                         .arg(QString::fromStdString(dir.File("locked.tovix"))));
            QCOMPARE(RecentItems(w.Main), (QStringList{"NRecent1 1 a.tovix — " + folder,
                                                       "NRecent2 2 b.tovix — " + folder}));
        }
        QCOMPARE(w.Lines(), Strings({"stop"})); // what failed to open changed nothing
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    void NewWritesWhatTheEditorHolds() {
        TempDir dir;
        Workbench w;
        w.New(dir.File("first"));
        QCOMPARE(ReadBytes(dir.File("first.tovix")), std::string("\r\n"));
        Child<QAction>(w.Main, "N7")->trigger();
        w.New(dir.File("empty.tovix"));
        QCOMPARE(ReadBytes(dir.File("empty.tovix")), std::string());

        // New while a program is open: the text goes on under the new name; the old file stays.
        w.Main.Editor().Lines().Add("nop");
        Child<QAction>(w.Main, "N14")->trigger();
        w.New(dir.File("copy"));
        QCOMPARE(ReadBytes(dir.File("copy.tovix")), std::string("nop\r\n"));
        QCOMPARE(ReadBytes(dir.File("empty.tovix")), std::string("nop\r\n"));
        QCOMPARE(w.Main.ProgramPath(), QString::fromStdString(dir.File("copy.tovix")));

        // An existing file is replaced only when the user agrees.
        w.Dialogs.AnswerSave(QString::fromStdString(dir.File("copy")));
        w.Dialogs.AnswerReplace(false);
        w.Dialogs.AnswerSave(std::nullopt);
        Child<QAction>(w.Main, "N6")->trigger();
        QCOMPARE(w.Dialogs.Calls().back().Kind, TKind::Save);
        QVERIFY(w.Dialogs.AllAnswered());
        QCOMPARE(dir.Entries(), Strings({"copy.tovix", "empty.tovix", "first.tovix"}));
    }

    void OpenReadsEveryLineEnd() {
        const struct {
            const char* what;
            std::string bytes;
        } files[] = {
            {"CR LF", "allond\r\npause_64\r\n\r\ngoto_0000\r\n"},
            {"LF", "allond\npause_64\n\ngoto_0000\n"},
            {"CR", "allond\rpause_64\r\rgoto_0000"},
            {"mixed, NUL ends the text", "allond\npause_64\r\n\rgoto_0000\r\n\0stop"},
        };
        TempDir dir;
        for (const auto& file : files) {
            const std::string path = dir.File("p.tovix");
            WriteBytes(path, file.bytes);
            Workbench w;
            w.Open(path);
            QVERIFY2(w.Lines() == Strings({"allond", "pause_64", "", "goto_0000"}), file.what);
            QVERIFY2(!w.Main.ProgramChanged(), file.what);
            // Saved and read back byte for byte.
            Child<QAction>(w.Main, "N14")->trigger();
            QCOMPARE(ReadBytes(path), std::string("allond\r\npause_64\r\n\r\ngoto_0000\r\n"));
        }
    }

    // Close and Open ask before a changed text is lost; Save saves to the shown path first.
    void UnsavedChangesQuestion() {
        enum class Action { Close, Open };
        const struct {
            const char* what;
            Action action;
            bool edit;
            std::optional<TSaveChanges> answer;
            std::string fileAfter;               // of the program first opened
            std::vector<std::string> linesAfter; // in the editor
            bool openAfter;                      // a program is open afterwards
        } cases[] = {
            {"Close unchanged", Action::Close, false, {}, "stop\r\n", {}, false},
            {"Close, cancel",
             Action::Close,
             true,
             TSaveChanges::Cancel,
             "stop\r\n",
             {"xstop"},
             true},
            {"Close, discard", Action::Close, true, TSaveChanges::Discard, "stop\r\n", {}, false},
            {"Close, save", Action::Close, true, TSaveChanges::Save, "xstop\r\n", {}, false},
            {"Open unchanged", Action::Open, false, {}, "stop\r\n", {"nop"}, true},
            {"Open, cancel", Action::Open, true, TSaveChanges::Cancel, "stop\r\n", {"xstop"}, true},
            {"Open, discard", Action::Open, true, TSaveChanges::Discard, "stop\r\n", {"nop"}, true},
            {"Open, save", Action::Open, true, TSaveChanges::Save, "xstop\r\n", {"nop"}, true},
        };
        TempDir dir;
        for (const auto& c : cases) {
            const std::string first = dir.File("first.tovix"), other = dir.File("other.tovix");
            WriteBytes(first, "stop\r\n");
            WriteBytes(other, "nop\r\n");
            Workbench w;
            QVERIFY(w.Show());
            w.Open(first);
            if (c.edit)
                QTest::keyClicks(Child<TCodeMemoWidget>(w.Main, "Memo1"), "x"); // typed by the user
            QCOMPARE(w.Main.ProgramChanged(), c.edit);
            if (c.answer)
                w.Dialogs.AnswerSaveChanges(*c.answer);
            if (c.action == Action::Open) {
                w.Open(other);
            } else {
                Child<QAction>(w.Main, "N7")->trigger();
            }
            QVERIFY2(ReadBytes(first) == c.fileAfter, c.what);
            QVERIFY2(w.Lines() == c.linesAfter, c.what);
            QVERIFY2(Child<TCodeMemoWidget>(w.Main, "Memo1")->isEnabled() == c.openAfter, c.what);
            const bool asked = std::count(w.Dialogs.Calls().begin(), w.Dialogs.Calls().end(),
                                          TCall{TKind::SaveChanges, kChangedQuestion}) == 1;
            QVERIFY2(asked == c.answer.has_value(), c.what);
            QVERIFY2(w.Errors.Texts.isEmpty(), c.what);
        }
    }

    // Close ends the program's undo history: in the program made or opened next, undo and redo
    // raise no error and bring nothing of the closed program back.
    void CloseEndsTheUndoHistory() {
        const QKeyCombination undo(Qt::ALT, Qt::Key_Backspace);
        const QKeyCombination redo(Qt::ALT | Qt::SHIFT, Qt::Key_Backspace);
        const struct {
            const char* what;
            std::vector<QKeyCombination> edit; // in the closed program
            bool open;                         // the next program is opened, else made by New
            QKeyCombination replay;
            std::vector<std::string> after;
        } cases[] = {
            {"Ctrl+Y, Close, New, undo",
             {QKeyCombination(Qt::CTRL, Qt::Key_End), QKeyCombination(Qt::CTRL, Qt::Key_Y)},
             false,
             undo,
             {""}},
            {"Delete, undo, Save, Close, New, redo",
             {QKeyCombination(Qt::Key_Delete), undo, QKeyCombination(Qt::CTRL, Qt::Key_S)},
             false,
             redo,
             {"x"}},
            {"Ctrl+Y, Close, Open, undo",
             {QKeyCombination(Qt::CTRL, Qt::Key_End), QKeyCombination(Qt::CTRL, Qt::Key_Y)},
             true,
             undo,
             {"pause_64"}},
        };
        for (const auto& c : cases) {
            TempDir dir;
            WriteBytes(dir.File("closed.tovix"), "stop\r\nnop\r\n");
            WriteBytes(dir.File("next.tovix"), "pause_64\r\n");
            Workbench w;
            QVERIFY(w.Show());
            w.Open(dir.File("closed.tovix"));
            for (QKeyCombination key : c.edit)
                QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), key.key(),
                                key.keyboardModifiers());
            if (w.Main.ProgramChanged())
                w.Dialogs.AnswerSaveChanges(TSaveChanges::Discard);
            QTest::keyClick(&w.Main, Qt::Key_Q, Qt::ControlModifier);
            QVERIFY2(!w.Main.Editor().CanUndo() && !w.Main.Editor().CanRedo(), c.what);
            if (c.open) {
                w.Dialogs.AnswerOpen(QString::fromStdString(dir.File("next.tovix")));
                QTest::keyClick(&w.Main, Qt::Key_O, Qt::ControlModifier);
            } else {
                w.Dialogs.AnswerSave(QString::fromStdString(dir.File("new")));
                QTest::keyClick(&w.Main, Qt::Key_N, Qt::ControlModifier);
            }
            QVERIFY2(Child<TCodeMemoWidget>(w.Main, "Memo1")->isEnabled() &&
                         w.Dialogs.AllAnswered(),
                     c.what);
            for (const char* keys : {"", "x"}) {
                QTest::keyClicks(Child<TCodeMemoWidget>(w.Main, "Memo1"), keys);
                for (int i = 0; i < 2; ++i)
                    QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), c.replay.key(),
                                    c.replay.keyboardModifiers());
            }
            QVERIFY2(w.Errors.Texts.isEmpty(), qPrintable(w.Errors.Texts.join('\n')));
            QVERIFY2(w.Lines() == c.after, c.what);
        }
    }

    // Which commands count as changing the text.
    void WhatCountsAsAChange() {
        const struct {
            const char* what;
            const char* file;
            std::function<void(Workbench&)> action;
            bool changed;
        } cases[] = {
            {"Вставить", "stop\r\n",
             [](Workbench& w) {
                 Child<QListWidget>(w.Main, "ListBox1")->setCurrentRow(2);
                 QTest::mouseClick(Child<QPushButton>(w.Main, "Button2"), Qt::LeftButton);
             },
             true},
            {"Снять выделение", "stop\r\n",
             [](Workbench& w) {
                 QTest::mouseClick(Child<QPushButton>(w.Main, "Button3"), Qt::LeftButton);
             },
             false},
            {"compile without indents", "stop\r\n",
             [](Workbench& w) { Child<QAction>(w.Main, "N9")->trigger(); }, false},
            {"compile removing an indent", "  stop\r\n",
             [](Workbench& w) { Child<QAction>(w.Main, "N9")->trigger(); }, true},
            {"Save after a change", "stop\r\n",
             [](Workbench& w) {
                 w.Main.Editor().Lines().Add("nop");
                 Child<QAction>(w.Main, "N14")->trigger();
             },
             false},
        };
        TempDir dir;
        for (const auto& c : cases) {
            WriteBytes(dir.File("p.tovix"), c.file);
            Workbench w;
            w.Open(dir.File("p.tovix"));
            c.action(w);
            QVERIFY2(w.Main.ProgramChanged() == c.changed, c.what);
            w.Dialogs.AnswerSaveChanges(TSaveChanges::Cancel);
            Child<QAction>(w.Main, "N7")->trigger();
            QVERIFY2(Child<TCodeMemoWidget>(w.Main, "Memo1")->isEnabled() == c.changed,
                     c.what); // cancelled only if asked
        }
    }

    void ExitAsksWhileAProgramIsOpen() {
        const struct {
            const char* what;
            bool open;
            std::optional<TYesNoCancel> answer;
            bool closes;
        } cases[] = {
            {"no program", false, {}, true},
            {"yes", true, TYesNoCancel::Yes, true},
            {"no", true, TYesNoCancel::No, false},
            {"cancel", true, TYesNoCancel::Cancel, false},
        };
        TempDir dir;
        for (const auto& c : cases) {
            Workbench w;
            QVERIFY(w.Show());
            if (c.open)
                w.New(dir.File(c.what));
            if (c.answer)
                w.Dialogs.AnswerYesNoCancel(*c.answer);
            QSignalSpy closed(&w.Main, &TMainWindow::Closed);
            Child<QAction>(w.Main, "N8")->trigger();
            QVERIFY2(w.Main.isVisible() == !c.closes, c.what);
            QVERIFY2(closed.size() == (c.closes ? 1 : 0), c.what);
            QVERIFY2(w.Dialogs.AllAnswered(), c.what);
            if (c.answer)
                QCOMPARE(w.Dialogs.Calls().back(), (TCall{TKind::YesNoCancel, kExitQuestion}));
        }
    }

    void NoProgramNoFileCommands() {
        TempDir dir;
        Workbench w;
        QVERIFY(w.Show());
        for (auto key : {QKeyCombination(Qt::CTRL, Qt::Key_S), QKeyCombination(Qt::Key_F9),
                         QKeyCombination(Qt::Key_F10), QKeyCombination(Qt::CTRL, Qt::Key_U)})
            QTest::keyClick(&w.Main, key.key(), key.keyboardModifiers());
        QCOMPARE(w.Dialogs.Calls(), std::vector<TCall>());
        QCOMPARE(w.Errors.Texts, QStringList());
        QCOMPARE(dir.Entries(), std::vector<std::string>());

        // The same keys reach their commands once a program is open, also from the editor.
        w.New(dir.File("p"));
        QVERIFY(Child<TCodeMemoWidget>(w.Main, "Memo1")->hasFocus());
        QTest::keyClicks(Child<TCodeMemoWidget>(w.Main, "Memo1"), "stop");
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadBytes(dir.File("p.tovix")), std::string("stop\r\n"));
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F9);
        QCOMPARE(ReadBytes(dir.File("p.bin")), std::string("\x02", 1));
        QCOMPARE(w.Messages(), QStringList{"Компиляция завершена!  Количество команд 1"});
    }

    void UnreadableAndUnwritableFiles() {
        TempDir dir;
        const std::string missing = dir.File("missing.tovix");
        const std::string noFolder = dir.File("no-folder/p");
        {
            // Open: nothing changes.
            Workbench w;
            w.Open(missing);
            QCOMPARE(w.Errors.Texts,
                     QStringList{QString("Cannot open file \"%1\". No such file or directory")
                                     .arg(QString::fromStdString(missing))});
            CheckState(w.Main, {false, false, false, false, ""}, "failed Open");
        }
        {
            // New: nothing changes either, so that F9 cannot write an image named ".bin".
            Workbench w;
            w.New(noFolder);
            QCOMPARE(
                w.Errors.Texts,
                QStringList{QString("Cannot create file \"%1.tovix\". No such file or directory")
                                .arg(QString::fromStdString(noFolder))});
            CheckState(w.Main, {false, false, false, false, ""}, "failed New");
        }
        {
            // A save that fails leaves the text unsaved: Close then asks.
            Workbench w;
            w.New(dir.File("p"));
            w.Main.Editor().Lines().Add("nop");
            FileFaults::FailAt(2, ENOSPC); // the write of the temporary file
            Child<QAction>(w.Main, "N14")->trigger();
            FileFaults::FailAt(0, 0);
            QCOMPARE(w.Errors.Texts,
                     QStringList{QString("Cannot create file \"%1\". No space left on device")
                                     .arg(QString::fromStdString(dir.File("p.tovix")))});
            QCOMPARE(ReadBytes(dir.File("p.tovix")), std::string("\r\n"));
            QVERIFY(w.Main.ProgramChanged());
            w.Dialogs.AnswerSaveChanges(TSaveChanges::Cancel);
            Child<QAction>(w.Main, "N7")->trigger();
            QVERIFY(Child<TCodeMemoWidget>(w.Main, "Memo1")->isEnabled());
            QVERIFY(w.Dialogs.AllAnswered());
        }
    }
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
