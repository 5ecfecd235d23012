// The editor's Qt window: keys, the mouse, the clipboard, the menu, the wheel, links, the hint
// and the disabled state, through real Qt events.
#include "platform/CodeMemoWidget.h"
#include "base/Cp1251.h"
#include "compiler/CommandSet.h"
#include "editor/style/CodePasStyler.h"
#include "platform/ParameterHintWindow.h"
#include "support/Recorders.h"
#include "workbench/WorkbenchDisplay.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

QString Utf8(const std::string& bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

// Types text as a keyboard of any layout delivers it: one key event per character.
void Type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        int key = c.isLetter() && c.unicode() < 128 ? c.toUpper().unicode() : c.unicode();
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &up);
    }
}

} // namespace

class CodeMemoWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TCodePascalMemoStyler> FStyler;
    std::unique_ptr<TCodeMemoWidget> FWidget;

    TCodeMemo& Memo() { return FWidget->Memo(); }
    QString Line(int i) { return Utf8(Memo().Lines().Get(i)); }
    // The middle of the cell of a text position.
    QPoint At(int col, int line) {
        TRect area = Memo().TextArea();
        return QPoint(area.Left + (col - Memo().LeftCol()) * Memo().CharWidth() + 3,
                      area.Top + (line - Memo().TopLine()) * Memo().LineHeight() + 8);
    }
    void SetText(const QStringList& lines) {
        std::vector<std::string> bytes;
        for (const QString& line : lines)
            bytes.push_back(Utf8ToCp1251(line.toStdString()));
        Memo().Lines().Assign(bytes);
        Memo().ClearUndo();
    }

private slots:
    void init() {
        FStyler = std::make_unique<TCodePascalMemoStyler>();
        ConfigureWorkbenchStyler(*FStyler, KeywordsSorted());
        FWidget = std::make_unique<TCodeMemoWidget>();
        ConfigureWorkbenchDisplay(Memo());
        Memo().SetSyntaxStyles(FStyler.get());
        FWidget->MeasureFont();
        FWidget->resize(425, 353);
        FWidget->show();
        FWidget->activateWindow();
        FWidget->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(FWidget.get()));
    }
    void cleanup() {
        FWidget.reset();
        FStyler.reset();
    }

    void typedTextLandsAsWindows1251Bytes() {
        Type(FWidget.get(), QString::fromUtf8("lcdout_41 // Привет, ёж"));
        QCOMPARE(Memo().Lines().Get(0),
                 std::string("lcdout_41 // \xCF\xF0\xE8\xE2\xE5\xF2, \xB8\xE6"));
        Type(FWidget.get(), QString::fromUtf8(" 中"));
        // outside the code page
        QCOMPARE(Line(0), QString::fromUtf8("lcdout_41 // Привет, ёж "));
        QVERIFY(FWidget->CaretVisible());
    }

    void navigationKeysAndUndo() {
        SetText({"allond", "pause_64"});
        QTest::keyClick(FWidget.get(), Qt::Key_Down);
        QTest::keyClick(FWidget.get(), Qt::Key_End);
        QCOMPARE(Memo().CurX(), 8);
        QTest::keyClick(FWidget.get(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(FWidget.get(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(Memo().GetSelText(), std::string("64"));
        QTest::keyClick(FWidget.get(), Qt::Key_Home);
        QCOMPARE(Memo().CurX(), 0);
        QVERIFY(Memo().SelectionEmpty());
        QTest::keyClick(FWidget.get(), Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Memo().GetSelText(), std::string("pause_64"));
        QTest::keyClick(FWidget.get(), Qt::Key_PageUp);
        QCOMPARE(Memo().CurY(), 0);
        QTest::keyClick(FWidget.get(), Qt::Key_Home);

        QTest::keyClicks(FWidget.get(), "xy");
        QCOMPARE(Line(0), QString("xyallond"));
        QTest::keyClick(FWidget.get(), Qt::Key_Backspace, Qt::AltModifier);
        // Alt+Backspace undoes without typing
        QCOMPARE(Line(0), QString("allond"));
        QTest::keyClick(FWidget.get(), Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(Line(0), QString("xyallond"));
        QTest::keyClick(FWidget.get(), Qt::Key_Z, Qt::ControlModifier);
        // Ctrl+Z does nothing
        QCOMPARE(Line(0), QString("xyallond"));
        QTest::keyClick(FWidget.get(), Qt::Key_Tab);
        QCOMPARE(Line(0), QString("xy    allond"));
        // Tab stays in the editor
        QVERIFY(FWidget->hasFocus());
    }

    void mouseSelectionCopiesAndPastesThroughTheSystemClipboard() {
        SetText({QString::fromUtf8("// Привет мир"), "stop"});
        QTest::mousePress(FWidget.get(), Qt::LeftButton, {}, At(3, 0));
        QTest::mouseMove(FWidget.get(), At(4, 0));
        QTest::mouseMove(FWidget.get(), At(9, 0));
        QTest::mouseRelease(FWidget.get(), Qt::LeftButton, {}, At(9, 0));
        QCOMPARE(Utf8(Memo().GetSelText()), QString::fromUtf8("Привет"));
        QTest::keyClick(FWidget.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("Привет"));

        QGuiApplication::clipboard()->setText(QString::fromUtf8("ёлка\nlcdl1"));
        QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, At(4, 1));
        QTest::keyClick(FWidget.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Line(1), QString::fromUtf8("stopёлка"));
        QCOMPARE(Line(2), QString("lcdl1"));
    }

    void shortcutsActByKeyPositionUnderACyrillicLayout() {
        SetText({"incd"});
        // Ctrl+A and Ctrl+C on the keys that carry Ф and С in the Russian layout.
        auto press = [&](int cyrillicKey, quint32 scanCode) {
            QKeyEvent down(QEvent::KeyPress, cyrillicKey, Qt::ControlModifier, scanCode, 0, 0);
            QApplication::sendEvent(FWidget.get(), &down);
            QKeyEvent up(QEvent::KeyRelease, cyrillicKey, Qt::ControlModifier, scanCode, 0, 0);
            QApplication::sendEvent(FWidget.get(), &up);
        };
        press(0x424, 38); // Ф on the A key
        QCOMPARE(Memo().GetSelText(), std::string("incd"));
        QGuiApplication::clipboard()->clear();
        press(0x421, 54); // С on the C key
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("incd"));
    }

    void editorKeysWinOverWindowShortcuts() {
        const struct {
            int key;
            Qt::KeyboardModifiers modifiers;
            bool editors;
        } cases[] = {
            {Qt::Key_Q, Qt::NoModifier, true},
            {Qt::Key_F9, Qt::NoModifier, false},
            {Qt::Key_A, Qt::ControlModifier, true},
            {Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier, true},
            {Qt::Key_Z, Qt::ControlModifier, false},
            {Qt::Key_S, Qt::ControlModifier, false},
            {Qt::Key_A, Qt::ControlModifier | Qt::AltModifier, false},
            {Qt::Key_Delete, Qt::AltModifier, true},
            {Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier, true},
            {Qt::Key_Space, Qt::ControlModifier, true},
            {Qt::Key_Backspace, Qt::ControlModifier | Qt::AltModifier, true},
            {Qt::Key_Tab, Qt::ControlModifier, false},
            {Qt::Key_Return, Qt::ControlModifier, false},
        };
        for (const auto& c : cases) {
            QKeyEvent override(QEvent::ShortcutOverride, c.key, c.modifiers);
            override.ignore();
            QApplication::sendEvent(FWidget.get(), &override);
            QVERIFY2(override.isAccepted() == c.editors,
                     qPrintable(QKeySequence(c.key | c.modifiers).toString()));
        }
    }

    void contextMenuGreysWhatCannotBeDone() {
        SetText({"nop"});
        QStringList seen;
        QTimer::singleShot(50, this, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    if (!action->isSeparator())
                        seen << action->text() + (action->isEnabled() ? "" : " (grey)");
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, At(1, 0), FWidget->mapToGlobal(At(1, 0)));
        QApplication::sendEvent(FWidget.get(), &event);
        QGuiApplication::clipboard()->clear();
        QCOMPARE(seen, (QStringList{"Undo (grey)", "Redo (grey)", "Copy\tCtrl-C (grey)",
                                    "Cut\tCtrl-X (grey)", "Paste\tCtrl-V", "Delete (grey)",
                                    "Select All\tCtrl-A"}));
    }

    void wheelScrollsFourLinesAStep() {
        QStringList lines;
        for (int i = 0; i < 100; ++i)
            lines << QString("pause_%1").arg(i % 100, 2, 10, QChar('0'));
        SetText(lines);
        QVERIFY(FWidget->VerticalBar()->isVisible());
        QWheelEvent down(At(1, 1), FWidget->mapToGlobal(At(1, 1)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(FWidget.get(), &down);
        QCOMPARE(Memo().TopLine(), 4);
        QCOMPARE(FWidget->VerticalBar()->value(), 4);
        QCOMPARE(Memo().CurY(), 0);
    }

    void horizontalBarFollowsTheView() {
        SetText({QString(120, 'a'), "stop"});
        QScrollBar* bar = FWidget->HorizontalBar();
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(FWidget.get(), Qt::Key_End);
        QCOMPARE(bar->value(), Memo().LeftCol());
        QVERIFY(Memo().LeftCol() > 0);
    }

    void clickedLinksGoToTheShellAsUrls() {
        RecordingShell shell;
        FWidget->SetShell(shell);
        SetText({"// www.example.org/tovix http:// mailto:a@example.org stop"});
        QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, At(5, 0));
        QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, At(27, 0)); // no host: nothing
        QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, At(36, 0));
        QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, At(54, 0)); // no link
        QCOMPARE(shell.Urls, (QStringList{"http://www.example.org/tovix", "mailto:a@example.org"}));
    }

    void hintWindowShowsWithoutFocusAndHidesAfterItsDelay() {
        Memo().SetAutoHintParameterDelay(150);
        QTest::keyClicks(FWidget.get(), "ShowMessage(");
        auto* hint = qobject_cast<TParameterHintWindow*>(FWidget->HintWindow());
        QVERIFY(hint);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->Texts(), (QStringList{"", "const Msg: string", ""}));
        QCOMPARE(hint->BoldPart(), 2);
        QVERIFY(FWidget->hasFocus());
        QVERIFY(hint->pos().y() > FWidget->mapToGlobal(QPoint(0, 0)).y());
        QTRY_VERIFY_WITH_TIMEOUT(!hint->isVisible(), 2000);
    }

    void disabledEditorTakesNoInput() {
        SetText({"stop"});
        FWidget->setEnabled(false);
        QTest::keyClicks(FWidget.get(), "abc");
        QTest::mouseClick(FWidget.get(), Qt::LeftButton, {}, At(3, 0));
        QCOMPARE(Line(0), QString("stop"));
        QCOMPARE(Memo().CurX(), 0);
    }
};

QTEST_MAIN(CodeMemoWidgetTest)
#include "CodeMemoWidgetTest.moc"
