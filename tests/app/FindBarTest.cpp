// The find bar as the user meets it: Ctrl+F, the count, F3 round the text, Esc back to the
// editor, and Ctrl+H with Заменить все as one undo step. What is found and replaced is the
// search's table (tests/editor/commands/SearchTest.cpp).
#include "tests/app/Workbench.h"
#include "tests/support/TempDir.h"

#include "platform/GuardedApplication.h"

#include <QLineEdit>
#include <QPushButton>

class FindBarTest : public QObject {
    Q_OBJECT

private slots:
    void FindThenReplaceAll() {
        TempDir dir;
        const std::string path = dir.File("p.tovix");
        WriteBytes(path, "pause_64\r\nstop\r\nPause_64\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(path);
        const std::vector<std::string> original = w.Lines();
        auto* memo = Child<TCodeMemoWidget>(w.Main, "Memo1");
        memo->setFocus();
        const QSize closedSize = w.Main.size();
        auto* bar = Child<QWidget>(w.Main, "FindBar");
        auto* count = Child<QLabel>(w.Main, "FindCount");
        auto* notice = Child<QLabel>(w.Main, "FindNotice");

        for (auto [name, caption] : {std::pair{"FindMatchCase", "Aa"},
                                     {"FindPrevious", "↑"},
                                     {"FindNext", "↓"},
                                     {"ReplaceOne", "Заменить"},
                                     {"ReplaceAll", "Заменить все"}})
            QCOMPARE(Child<QAbstractButton>(w.Main, name)->text(), QString(caption));

        QTest::keyClick(memo, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(bar->isVisible());
        QVERIFY(!Child<QWidget>(w.Main, "ReplaceRow")->isVisible());
        QVERIFY(w.Main.height() > closedSize.height()); // below the client area, which stays
        QCOMPARE(w.Main.centralWidget()->size(), QSize(832, 393));
        auto* text = Child<QLineEdit>(w.Main, "FindText");
        QTRY_VERIFY(text->hasFocus());
        QTest::keyClicks(text, "PAUSE");
        QTRY_COMPARE(count->text(), QString("0 из 2"));

        const struct {
            int Line;
            QString Count, Notice;
        } steps[] = {
            {0, "1 из 2", ""}, {2, "2 из 2", ""}, {0, "1 из 2", "Поиск продолжен с начала"}};
        for (const auto& step : steps) {
            QTest::keyClick(memo, Qt::Key_F3); // F3 works in the editor as in the bar
            QCOMPARE(w.Main.Editor().CurY(), step.Line);
            QCOMPARE(w.Main.Editor().GetSelText(), std::string(step.Line ? "Pause" : "pause"));
            QTRY_COMPARE(count->text(), step.Count);
            QCOMPARE(notice->text(), step.Notice);
        }
        QTest::keyClick(text, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(w.Main.Editor().CurY(), 2);
        QCOMPARE(notice->text(), QString("Поиск продолжен с конца"));

        QTest::keyClick(text, Qt::Key_Escape);
        QTRY_VERIFY(!bar->isVisible());
        QTRY_VERIFY(memo->hasFocus());
        QCOMPARE(w.Main.size(), closedSize);

        QTest::keyClick(memo, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(Child<QWidget>(w.Main, "ReplaceRow")->isVisible());
        QCOMPARE(text->text(), QString("Pause")); // the selected match
        QTest::keyClicks(Child<QLineEdit>(w.Main, "ReplaceText"), "wait");
        Child<QPushButton>(w.Main, "ReplaceAll")->click();
        QCOMPARE(w.Lines(), (std::vector<std::string>{"wait_64", "stop", "wait_64"}));
        QCOMPARE(notice->text(), QString("Заменено: 2"));
        QTRY_COMPARE(count->text(), QString("0 из 0"));
        w.Main.Editor().Undo();
        QCOMPARE(w.Lines(), original);

        // Заменить: the first click selects a match, the next replaces it and selects the next.
        w.Main.Editor().SelectInLine(0, 0, 0);
        auto* replaceOne = Child<QPushButton>(w.Main, "ReplaceOne");
        replaceOne->click();
        QCOMPARE(w.Lines(), original);
        replaceOne->click();
        QCOMPARE(w.Lines(), (std::vector<std::string>{"wait_64", "stop", "Pause_64"}));
        QCOMPARE(w.Main.Editor().CurY(), 2);
        QCOMPARE(w.Main.Editor().GetSelText(), std::string("Pause"));
    }
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    FindBarTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FindBarTest.moc"
