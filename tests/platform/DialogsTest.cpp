// The save-name rule with its replace question, the scripted dialogs, and the Qt dialogs as the
// user meets them.
#include "platform/QtDialogs.h"
#include "platform/ScriptedDialogs.h"

#include "tests/support/Modal.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using TKind = ScriptedDialogs::TKind;
using TCall = ScriptedDialogs::TCall;

Q_DECLARE_METATYPE(TYesNoCancel)
Q_DECLARE_METATYPE(TSaveChanges)

class DialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

    QString Path(const QString& name) const { return FDir.filePath(name); }
    void Touch(const QString& name) const {
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        Touch("taken.tovix");
        Touch("other");
        QVERIFY(QFile::link(Path("missing-target"), Path("dangling.tovix")));
    }

    void ExtensionIsAddedOnlyWhenMissing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("bare") << "/p/a"
                              << "/p/a.tovix";
        QTest::newRow("already there") << "/p/a.tovix"
                                       << "/p/a.tovix";
        QTest::newRow("other extension") << "/p/a.txt"
                                         << "/p/a.txt.tovix";
        QTest::newRow("inside the name") << "/p/a.tovix.old"
                                         << "/p/a.tovix.old.tovix";
        QTest::newRow("other case") << "/p/a.TOVIX"
                                    << "/p/a.TOVIX.tovix";
        QTest::newRow("only the extension") << ".tovix"
                                            << ".tovix";
    }

    void ExtensionIsAddedOnlyWhenMissing() {
        QFETCH(QString, name);
        QFETCH(QString, path);
        QCOMPARE(WithExtension(name, ".tovix"), path);
    }

    void ChooseSavePathAsksBeforeReplacing() {
        struct Case {
            const char* what;
            std::vector<std::optional<QString>> names;
            std::vector<bool> replies;
            std::optional<QString> result;
            std::vector<TCall> calls;
        };
        const QString taken = Path("taken.tovix");
        const QString dangling = Path("dangling.tovix");
        const Case cases[] = {
            {"cancelled", {std::nullopt}, {}, std::nullopt, {{TKind::Save, {}}}},
            {"new file", {Path("new")}, {}, Path("new.tovix"), {{TKind::Save, {}}}},
            // The name the dialog saw ("other") is free of questions: the file written is
            // other.tovix.
            {"exists only without extension",
             {Path("other")},
             {},
             Path("other.tovix"),
             {{TKind::Save, {}}}},
            {"replace yes",
             {Path("taken")},
             {true},
             taken,
             {{TKind::Save, {}}, {TKind::Replace, taken}}},
            {"replace yes, typed with extension",
             {taken},
             {true},
             taken,
             {{TKind::Save, {}}, {TKind::Replace, taken}}},
            {"replace no, then another name",
             {Path("taken"), Path("fresh")},
             {false},
             Path("fresh.tovix"),
             {{TKind::Save, {}}, {TKind::Replace, taken}, {TKind::Save, {}}}},
            {"replace no, then cancel",
             {taken, std::nullopt},
             {false},
             std::nullopt,
             {{TKind::Save, {}}, {TKind::Replace, taken}, {TKind::Save, {}}}},
            {"dangling link is a name in use",
             {dangling},
             {false, true},
             std::nullopt,
             {{TKind::Save, {}}, {TKind::Replace, dangling}, {TKind::Save, {}}}},
        };
        for (const Case& c : cases) {
            ScriptedDialogs dialogs;
            for (const auto& name : c.names)
                dialogs.AnswerSave(name);
            for (bool reply : c.replies)
                dialogs.AnswerReplace(reply);
            std::optional<QString> result;
            if (std::string(c.what) == "dangling link is a name in use") {
                // The second reply is never asked for: the second dialog is not scripted.
                QVERIFY_THROWS_EXCEPTION(std::logic_error, ChooseSavePath(dialogs, ".tovix"));
            } else {
                result = ChooseSavePath(dialogs, ".tovix");
                QVERIFY2(dialogs.AllAnswered(), c.what);
            }
            QVERIFY2(result == c.result, c.what);
            QVERIFY2(dialogs.Calls() == c.calls, c.what);
        }
    }

    void ScriptedDialogsLogEveryCall() {
        ScriptedDialogs dialogs;
        dialogs.AnswerOpen("/p/x.tovix");
        dialogs.AnswerYesNoCancel(TYesNoCancel::No);
        dialogs.AnswerSaveChanges(TSaveChanges::Discard);
        QCOMPARE(dialogs.GetOpenFileName("F (*.tovix)"), std::optional<QString>("/p/x.tovix"));
        dialogs.ShowMessage("m");
        QCOMPARE(dialogs.AskYesNoCancel("q"), TYesNoCancel::No);
        dialogs.ShowInformation("i");
        QCOMPARE(dialogs.AskSaveChanges("s"), TSaveChanges::Discard);
        QVERIFY(dialogs.AllAnswered());
        const std::vector<TCall> expected{{TKind::Open, "F (*.tovix)"},
                                          {TKind::Message, "m"},
                                          {TKind::YesNoCancel, "q"},
                                          {TKind::Information, "i"},
                                          {TKind::SaveChanges, "s"}};
        QVERIFY(dialogs.Calls() == expected);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, dialogs.AskYesNoCancel("again"));
    }

    // The Qt dialogs, driven as a user would.

    void OpenDialogTakesTheFilterAndAnyName() {
        QtDialogs dialogs;
        const QString wanted = Path("not-there.tovix");
        QStringList filters;
        QFileDialog::FileMode mode = QFileDialog::Directory;
        QFileDialog::AcceptMode accept = QFileDialog::AcceptSave;
        OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            mode = dialog->fileMode();
            accept = dialog->acceptMode();
            dialog->selectFile(wanted);
            static_cast<QDialog*>(dialog)->accept(); // public in QDialog
        });
        std::optional<QString> name =
            dialogs.GetOpenFileName(QStringLiteral("Программы интерпритатора (*.tovix)"));
        QCOMPARE(filters, QStringList{"Программы интерпритатора (*.tovix)"});
        QCOMPARE(mode, QFileDialog::AnyFile);
        QCOMPARE(accept, QFileDialog::AcceptOpen);
        QCOMPARE(name, std::optional<QString>(wanted));
    }

    void SaveDialogLeavesTheReplaceQuestionToChooseSavePath() {
        QtDialogs dialogs;
        bool confirms = true;
        QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
        OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
            confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            accept = dialog->acceptMode();
            dialog->selectFile(Path("taken.tovix"));
            static_cast<QDialog*>(dialog)->accept(); // public in QDialog
        });
        QCOMPARE(dialogs.GetSaveFileName(), std::optional<QString>(Path("taken.tovix")));
        QVERIFY(!confirms);
        QCOMPARE(accept, QFileDialog::AcceptSave);

        OnNextModal<QFileDialog>(
            [](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        QCOMPARE(dialogs.GetSaveFileName(), std::nullopt);
    }

    void YesNoCancelBox_data() {
        QTest::addColumn<int>("button"); // -1: closed with Escape
        QTest::addColumn<TYesNoCancel>("answer");
        QTest::newRow("yes") << int(QMessageBox::Yes) << TYesNoCancel::Yes;
        QTest::newRow("no") << int(QMessageBox::No) << TYesNoCancel::No;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << TYesNoCancel::Cancel;
        QTest::newRow("escape") << -1 << TYesNoCancel::Cancel;
    }

    void YesNoCancelBox() {
        QFETCH(int, button);
        QFETCH(TYesNoCancel, answer);
        QtDialogs dialogs;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QString text;
        OnNextModal<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            buttons = box->standardButtons();
            text = box->text();
            Press(box, button);
        });
        QCOMPARE(dialogs.AskYesNoCancel("Выйти?"), answer);
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(text, QString("Выйти?"));
    }

    void SaveChangesBox_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<TSaveChanges>("answer");
        QTest::newRow("save") << int(QMessageBox::Save) << TSaveChanges::Save;
        QTest::newRow("discard") << int(QMessageBox::Discard) << TSaveChanges::Discard;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << TSaveChanges::Cancel;
        QTest::newRow("escape") << -1 << TSaveChanges::Cancel;
    }

    void SaveChangesBox() {
        QFETCH(int, button);
        QFETCH(TSaveChanges, answer);
        QtDialogs dialogs;
        QMessageBox::StandardButtons buttons;
        OnNextModal<QMessageBox>([&](QMessageBox* box) {
            buttons = box->standardButtons();
            Press(box, button);
        });
        QCOMPARE(dialogs.AskSaveChanges("Сохранить?"), answer);
        QCOMPARE(buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }

    void ReplaceBox_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("replace");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
        QTest::newRow("escape") << -1 << false;
    }

    void ReplaceBox() {
        QFETCH(int, button);
        QFETCH(bool, replace);
        QtDialogs dialogs;
        QString text;
        OnNextModal<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            Press(box, button);
        });
        QCOMPARE(dialogs.ConfirmReplace("/p/a.tovix"), replace);
        QVERIFY2(text.contains("/p/a.tovix"), qPrintable(text));
    }

    void PlainAndInformationBoxes() {
        QtDialogs dialogs;
        QMessageBox::Icon icons[2] = {QMessageBox::Critical, QMessageBox::Critical};
        QString texts[2];
        QMessageBox::StandardButtons buttons[2];
        for (int i = 0; i < 2; ++i) {
            OnNextModal<QMessageBox>([&, i](QMessageBox* box) {
                icons[i] = box->icon();
                texts[i] = box->text();
                buttons[i] = box->standardButtons();
                Press(box, QMessageBox::Ok);
            });
            if (i == 0)
                dialogs.ShowMessage("Выберите команду в списке.");
            else
                dialogs.ShowInformation("/p/a.tovix");
        }
        QCOMPARE(icons[0], QMessageBox::NoIcon);
        QCOMPARE(icons[1], QMessageBox::Information);
        QCOMPARE(texts[0], QString("Выберите команду в списке."));
        QCOMPARE(texts[1], QString("/p/a.tovix"));
        QCOMPARE(buttons[0], QMessageBox::Ok);
        QCOMPARE(buttons[1], QMessageBox::Ok);
    }

private:
    static void Press(QMessageBox* box, int button) {
        if (button < 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(QMessageBox::StandardButton(button))->click();
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
