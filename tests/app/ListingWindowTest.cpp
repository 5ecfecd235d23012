// Program > "Листинг" and the tooltip over a goto's address: the rows and their colours, click to
// line, caret to row, the live update while typing, and nothing compiled or marked by any of it.
#include "tests/app/Workbench.h"
#include "tests/support/TempDir.h"

#include "app/board/BoardWindow.h"
#include "app/listing/ListingFollower.h"
#include "app/listing/ListingWindow.h"
#include "windows/SizeInformation.h"

#include <QHelpEvent>
#include <QTableView>
#include <QToolTip>

#include <filesystem>

namespace {

// The cells of a row as shown, and whether each is drawn in red.
QStringList Row(QTableView* table, int row) {
    QStringList cells;
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        QModelIndex index = table->model()->index(row, column);
        QString cell = index.data().toString();
        if (index.data(Qt::ForegroundRole).isValid())
            cell = "red:" + cell;
        cells << cell;
    }
    return cells;
}

int SelectedRow(QTableView* table) {
    QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

// A point of the editor over line and column, (-1, -1) when none is.
QPoint CellPoint(TCodeMemoWidget* widget, int line, int column) {
    TCodeMemo& memo = widget->Memo();
    for (int y = 0; y < widget->height(); ++y)
        for (int x = 0; x < widget->width(); ++x) {
            TPoint cell = memo.PointToCell(x, y);
            if (cell.Y + memo.TopLine() == line && cell.X + memo.LeftCol() == column)
                return QPoint(x, y);
        }
    return QPoint(-1, -1);
}

// The tooltip the editor shows with the mouse over line and column.
QString ToolTipAt(TCodeMemoWidget* widget, int line, int column) {
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return "the last tooltip stays";
    const QPoint p = CellPoint(widget, line, column);
    if (p.x() < 0)
        return "no such cell";
    QHelpEvent event(QEvent::ToolTip, p, widget->mapToGlobal(p));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class ListingWindowTest : public QObject {
    Q_OBJECT

private slots:
    void FollowsTheProgram() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "configd_FF\r\n"
                                        "loop:\r\n"
                                        "  portdwrite_0x\r\n"
                                        "pause_64\r\n"
                                        "goto_0002\r\n"
                                        "goto_0005\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("p.tovix"));
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_L, Qt::ControlModifier);
        TListingWindow* window = w.Main.ListingWindow();
        QVERIFY(window && window->isVisible());
        QTableView* table = window->Table();
        QTRY_COMPARE(table->model()->rowCount(), 5);

        const QString fault = "red:неверные данные команды portdwrite: нужны две "
                              "шестнадцатеричные цифры, найдено «0x»";
        QCOMPARE(Row(table, 0), (QStringList{"0000", "04 FF", "1", "configd_FF", ""}));
        QCOMPARE(Row(table, 1),
                 (QStringList{"red:0002", "red:0A", "red:3", "red:loop:   portdwrite_0x", fault}));
        QCOMPARE(Row(table, 3),
                 (QStringList{"0006", "03 00 02", "5", "goto_0002", "строка 3: portdwrite_0x"}));
        QCOMPARE(Row(table, 4), (QStringList{"0009", "03 00 05", "6", "goto_0005",
                                             "red:переход внутрь команды в строке 4"}));
        QCOMPARE(window->Footer()->text(), SizeInformationText(5, 12) +
                                               ". Строк с неверными данными: 1. Предупреждений: 1. "
                                               "Проблем: 2 (ошибок: 1, предупреждений: 1)");

        // The tooltip over a goto's address names its target; over another operand it says
        // what the operand means.
        QCOMPARE(ToolTipAt(Child<TCodeMemoWidget>(w.Main, "Memo1"), 4, 5),
                 "Переход на 0002: строка 3, portdwrite_0x");
        QCOMPARE(ToolTipAt(Child<TCodeMemoWidget>(w.Main, "Memo1"), 5, 8),
                 "Переход на 0005: переход внутрь команды в строке 4");
        QCOMPARE(ToolTipAt(Child<TCodeMemoWidget>(w.Main, "Memo1"), 4, 4), QString());
        QCOMPARE(ToolTipAt(Child<TCodeMemoWidget>(w.Main, "Memo1"), 3, 7), "100 мс");
        QCOMPARE(ToolTipAt(Child<TCodeMemoWidget>(w.Main, "Memo1"), 3, 4), QString());

        // A click on a row puts the caret at the start of its line; the caret's line picks
        // the row, and a line without a command none.
        table->scrollTo(table->model()->index(2, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(2, 3)).center());
        QCOMPARE(w.Main.Editor().CurY(), 3);
        QCOMPARE(w.Main.Editor().CurX(), 0);
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_Down);
        QCOMPARE(SelectedRow(table), 3);
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(SelectedRow(table), 0);
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_Down);
        QCOMPARE(SelectedRow(table), -1);

        // Typing a command moves every offset after it; the listing follows once typing
        // pauses, and mending the fault clears its red.
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(Child<TCodeMemoWidget>(w.Main, "Memo1"), "nop");
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_Return);
        QVERIFY(window->Footer()->text().endsWith("(обновляется…)"));
        QTRY_COMPARE(table->model()->rowCount(), 6);
        QCOMPARE(Row(table, 0), (QStringList{"0000", "00", "1", "nop", ""}));
        QCOMPARE(Row(table, 4), (QStringList{"0007", "03 00 02", "6", "goto_0002",
                                             "red:переход внутрь команды в строке 2"}));
        QCOMPARE(Row(table, 5),
                 (QStringList{"000A", "03 00 05", "7", "goto_0005", "строка 5: pause_64"}));
        QCOMPARE(window->Footer()->text(), SizeInformationText(6, 13) +
                                               ". Строк с неверными данными: 1. Предупреждений: 1. "
                                               "Проблем: 2 (ошибок: 1, предупреждений: 1)");

        // Neither the window nor the tooltip compiles: no marks, no image.
        QVERIFY(w.MarkedLines().empty());
        QVERIFY(!std::filesystem::exists(dir.File("p.bin")));
        QCOMPARE(w.Errors.Texts, QStringList());

        // The Program menu's keys work in the listing window too.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(table, Qt::Key_F9, Qt::ControlModifier);
        QVERIFY(w.Main.BoardWindow() && w.Main.BoardWindow()->isVisible());
    }

    // A command typed above a label: F9 puts the goto naming it right and says so, Undo takes
    // the rewrite back in one step; the tooltip names the label, and Ctrl+click and F12 lead
    // from a goto to its target.
    void LabelledGotosFollowTheirLabels() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "configd_FF\r\n"
                                        "loop:\r\n"
                                        "allond\r\n"
                                        "pause_64\r\n"
                                        "goto_0002 loop // again\r\n"
                                        "goto_0000\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("p.tovix"));
        auto* editor = Child<TCodeMemoWidget>(w.Main, "Memo1");
        TCodeMemo& memo = w.Main.Editor();
        QTest::keyClicks(editor, "nop");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_F9);
        QCOMPARE(w.Messages(), QStringList{"Компиляция завершена!  Количество команд 6\n"
                                           "Обновлены адреса переходов:\n"
                                           "Строка 6: goto_0002 → goto_0003 (loop)"});
        QCOMPARE(w.Lines()[5], std::string("goto_0003 loop // again"));
        QCOMPARE(ReadBytes(dir.File("p.bin")).substr(6, 3), std::string("\x03\x00\x03", 3));
        QCOMPARE(ToolTipAt(editor, 5, 11),
                 QString("Переход на 0003: строка 4, allond (метка loop)"));
        QCOMPARE(ToolTipAt(editor, 6, 6), QString("Переход на 0000: строка 1, nop"));

        QTest::keyClick(editor, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(w.Lines()[5], std::string("goto_0002 loop // again"));
        QCOMPARE(w.Lines()[0], std::string("nop"));
        QVERIFY(w.Main.ProgramChanged());

        // Ctrl+click on the label name goes to the label, on an address to its command.
        QTest::mouseClick(editor, Qt::LeftButton, Qt::ControlModifier, CellPoint(editor, 5, 11));
        QCOMPARE(memo.CurY(), 2);
        QTest::mouseClick(editor, Qt::LeftButton, Qt::ControlModifier, CellPoint(editor, 6, 7));
        QCOMPARE(memo.CurY(), 0);
        // F12 with the caret on the address; elsewhere on the line it does nothing.
        memo.SetCurY(5);
        memo.SetCurX(6);
        QTest::keyClick(editor, Qt::Key_F12);
        QCOMPARE(memo.CurY(), 2);
        memo.SetCurY(5);
        memo.SetCurX(2);
        QTest::keyClick(editor, Qt::Key_F12);
        QCOMPARE(memo.CurY(), 5);
        QCOMPARE(w.Errors.Texts, QStringList());
    }

    // A typo typed into a program is underlined once typing pauses, with its message as the
    // tooltip, and F2 takes the caret to it.
    void ProblemsShowWhileTyping() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "configd_FF\r\nstop\r\n");
        Workbench w;
        QVERIFY(w.Show());
        w.Open(dir.File("p.tovix"));
        auto* editor = Child<TCodeMemoWidget>(w.Main, "Memo1");
        TCodeMemo& memo = w.Main.Editor();
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClicks(editor, "  alond");
        QTest::keyClick(editor, Qt::Key_Return);
        const QString message = "нет команды alond — возможно, allond";
        QTRY_COMPARE(memo.Problems().Count(), 1);
        const TCodeProblem& problem = memo.Problems().All().front();
        QCOMPARE(QString("%1:%2-%3").arg(problem.Line).arg(problem.Start).arg(problem.End),
                 "1:2-7");
        QVERIFY(problem.Kind == TProblemKind::Warning);
        QCOMPARE(QString::fromStdString(problem.Message), message);
        QCOMPARE(ToolTipAt(editor, 1, 4), message);

        QTest::keyClick(editor, Qt::Key_F2);
        QCOMPARE(QPoint(memo.CurX(), memo.CurY()), QPoint(2, 1));
    }
};

QTEST_MAIN(ListingWindowTest)
#include "ListingWindowTest.moc"
