// The save-name rule with its replace question, and the Qt dialogs as the user meets them.
#include "platform/QtDialogs.h"
#include "support/ScriptedDialogs.h"

#include "tests/support/Modal.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using TKind = ScriptedDialogs::TKind;
using TCall = ScriptedDialogs::TCall;

class DialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QString Path(const QString& name) const { return FDir.filePath(name); }

private slots:
    void initTestCase() {
        for (const char* name : {"taken.tovix", "other"}) {
            QFile file(Path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(Path("missing-target"), Path("dangling.tovix")));
    }

    void ExtensionIsAddedOnlyWhenMissing() {
        const QString cases[][2] = {
            {"/p/a", "/p/a.tovix"},          {"/p/a.tovix", "/p/a.tovix"},
            {"/p/a.txt", "/p/a.txt.tovix"},  {"/p/a.tovix.old", "/p/a.tovix.old.tovix"},
            {"/p/a.TOVIX", "/p/a.TOVIX"},    {"/p/a.Tovix", "/p/a.Tovix"},
            {"/p/atovix", "/p/atovix.tovix"}};
        for (const auto& c : cases)
            QCOMPARE(WithExtension(c[0], ".tovix"), c[1]);
    }

    void ChooseSavePathAsksBeforeReplacing() {
        const QString taken = Path("taken.tovix"), dangling = Path("dangling.tovix");
        const TCall save{TKind::Save, {}};
        const struct {
            const char* what;
            std::vector<std::optional<QString>> names;
            std::vector<bool> replies;
            std::optional<QString> result;
            std::vector<TCall> calls;
        } cases[] = {
            {"cancelled", {std::nullopt}, {}, std::nullopt, {save}},
            {"new file", {Path("new")}, {}, Path("new.tovix"), {save}},
            // "other" exists, but the file written is other.tovix.
            {"exists only without extension", {Path("other")}, {}, Path("other.tovix"), {save}},
            {"replace", {Path("taken")}, {true}, taken, {save, {TKind::Replace, taken}}},
            {"replace, typed with extension",
             {taken},
             {true},
             taken,
             {save, {TKind::Replace, taken}}},
            {"keep, then another name",
             {Path("taken"), Path("fresh")},
             {false},
             Path("fresh.tovix"),
             {save, {TKind::Replace, taken}, save}},
            {"keep, then cancel",
             {taken, std::nullopt},
             {false},
             std::nullopt,
             {save, {TKind::Replace, taken}, save}},
            {"dangling link is a name in use",
             {dangling, std::nullopt},
             {false},
             std::nullopt,
             {save, {TKind::Replace, dangling}, save}},
        };
        for (const auto& c : cases) {
            ScriptedDialogs dialogs;
            for (const auto& name : c.names)
                dialogs.AnswerSave(name);
            for (bool reply : c.replies)
                dialogs.AnswerReplace(reply);
            QVERIFY2(ChooseSavePath(dialogs, ".tovix") == c.result, c.what);
            QVERIFY2(dialogs.Calls() == c.calls, c.what);
            QVERIFY2(dialogs.AllAnswered(), c.what);
        }
    }

    void OpenDialogTakesTheFilterAndAnyName() {
        QtDialogs dialogs;
        const QString wanted = Path("not-there.tovix");
        QStringList filters;
        QFileDialog::FileMode mode = QFileDialog::Directory;
        OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            mode = dialog->fileMode();
            dialog->selectFile(wanted);
            static_cast<QDialog*>(dialog)->accept(); // public in QDialog
        });
        QCOMPARE(dialogs.GetOpenFileName("Программы интерпритатора (*.tovix)"),
                 std::optional<QString>(wanted));
        QCOMPARE(filters, QStringList{"Программы интерпритатора (*.tovix)"});
        QCOMPARE(mode, QFileDialog::AnyFile);
    }

    void SaveDialogLeavesTheReplaceQuestionToChooseSavePath() {
        QtDialogs dialogs;
        bool confirms = true;
        OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
            confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            dialog->selectFile(Path("taken.tovix"));
            static_cast<QDialog*>(dialog)->accept();
        });
        QCOMPARE(dialogs.GetSaveFileName(), std::optional<QString>(Path("taken.tovix")));
        QVERIFY(!confirms);

        OnNextModal<QFileDialog>(
            [](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        QCOMPARE(dialogs.GetSaveFileName(), std::nullopt);
    }

    // Each box: its icon and buttons, and the answer each way of closing it gives.
    void MessageBoxes() {
        using B = QMessageBox;
        const int escape = -1;
        const struct {
            const char* what;
            std::function<int(QtDialogs&)> ask; // the answer, as a number
            B::Icon icon;
            B::StandardButtons buttons;
            std::vector<std::pair<int, int>> pressAndAnswer;
        } cases[] = {
            {"yes/no/cancel",
             [](QtDialogs& d) { return int(d.AskYesNoCancel("Выйти?")); },
             B::Question,
             B::Yes | B::No | B::Cancel,
             {{B::Yes, int(TYesNoCancel::Yes)},
              {B::No, int(TYesNoCancel::No)},
              {B::Cancel, int(TYesNoCancel::Cancel)},
              {escape, int(TYesNoCancel::Cancel)}}},
            {"save changes",
             [](QtDialogs& d) { return int(d.AskSaveChanges("Выйти?")); },
             B::Question,
             B::Save | B::Discard | B::Cancel,
             {{B::Save, int(TSaveChanges::Save)},
              {B::Discard, int(TSaveChanges::Discard)},
              {B::Cancel, int(TSaveChanges::Cancel)},
              {escape, int(TSaveChanges::Cancel)}}},
            {"replace",
             [](QtDialogs& d) { return int(d.ConfirmReplace("Выйти?")); },
             B::Question,
             B::Yes | B::No,
             {{B::Yes, 1}, {B::No, 0}, {escape, 0}}},
            {"plain",
             [](QtDialogs& d) { return (d.ShowMessage("Выйти?"), 0); },
             B::NoIcon,
             B::Ok,
             {{B::Ok, 0}}},
            {"information",
             [](QtDialogs& d) { return (d.ShowInformation("Выйти?"), 0); },
             B::Information,
             B::Ok,
             {{B::Ok, 0}}},
        };
        for (const auto& c : cases) {
            for (auto [press, answer] : c.pressAndAnswer) {
                QtDialogs dialogs;
                B::Icon icon = B::Critical;
                B::StandardButtons buttons;
                QString text;
                OnNextModal<B>([&, press = press](B* box) {
                    icon = box->icon();
                    buttons = box->standardButtons();
                    text = box->text();
                    if (press == escape)
                        QTest::keyClick(box, Qt::Key_Escape);
                    else
                        box->button(B::StandardButton(press))->click();
                });
                QVERIFY2(c.ask(dialogs) == answer, c.what);
                QVERIFY2(icon == c.icon, c.what);
                QVERIFY2(buttons == c.buttons, c.what);
                QVERIFY2(text.contains("Выйти?"), c.what);
            }
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
