// Program > "Модель платы": a modeless window that runs the editor's program on the board model
// and shows the two ports' LEDs and registers, the LCD, the sound pin, the virtual time and the
// running command, with the warnings and errors of the run, and the run's timeline. Пуск/Пауза
// (F5), Шаг (F8), До курсора (F4), Сброс (Ctrl+F2) and back in the run's history, Шаг назад
// (Shift+F8), Назад (Shift+F5) and Назад до курсора (Shift+F4), work from the editor too while
// the window is shown. The messages of moments after the one shown are greyed.
#pragma once

#include "app/board/BoardRunner.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include <tuple>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class TCodeCustomMemo;
class TLcdView;
class TLedRow;
class TTimelineBuilder;
class TTimelineDetail;
class TTimelineView;
class TTonePlayer;

class TBoardWindow : public QWidget {
    Q_OBJECT

public:
    // memo must outlive the window; parent is the main window.
    TBoardWindow(TCodeCustomMemo& memo, QWidget* parent);
    ~TBoardWindow() override;

    // Shows the window in front. The first time it goes where the user left it last time
    // (remembered in the settings, also over a restart), else beside its parent.
    void ShowBeside();
    // The editor's text has changed: a run ends.
    void TextChanged();
    // The editor's stop points have changed.
    void StopPointsChanged();
    // Runs before Пуск, Шаг or До курсора loads the text for a new run, and before Сброс loads
    // it again (the main window puts the labelled gotos right there).
    void SetBeforeRun(std::function<void()> beforeRun) { FBeforeRun = std::move(beforeRun); }
    // Another program is in the editor (open: true) or none (false): the window starts over,
    // and with no program its controls and keys do nothing.
    void ProgramReplaced(bool open);

    TBoardRunner& Runner() { return *FRunner; }
    TLedRow* PortDLeds() const { return FLedD; }
    TLedRow* PortBLeds() const { return FLedB; }
    QLabel* StatusLabel() const { return FStatus; }
    QListWidget* Messages() const { return FMessages; }
    TTimelineView* Timeline() const { return FTimeline; }

    // The buttons and the speed and sound choices.
    QPushButton* RunButton;
    QPushButton* StepButton;
    QPushButton* RunToCursorButton;
    QPushButton* ResetButton;
    QPushButton* StepBackButton;
    QPushButton* RunBackButton;
    QPushButton* BackToCursorButton;
    QCheckBox* TimelineBox;
    QComboBox* SpeedBox;
    QCheckBox* SoundBox;

signals:
    // The user chose a message of the line (0-based).
    void LineChosen(int line);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void RunOrPause();
    void Step();
    void RunToCaretLine();
    void Reset();
    // A run that is about to start from no run first lets the main window prepare the text.
    void BeforeNewRun();
    void Show();
    void ShowMessages();
    // Builds the timeline behind the run in slices and shows it; false while there is more.
    void BuildTimeline();
    // The exact stretch for a view zoomed into the folded part, in slices; true when done.
    bool BuildDetail(const QElapsedTimer& slice);

    TCodeCustomMemo& FMemo;
    TBoardRunner* FRunner;
    std::function<void()> FBeforeRun;
    TTonePlayer* FTone;
    TLedRow* FLedD;
    TLedRow* FLedB;
    QLabel* FRegisters;
    TLcdView* FLcd;
    QLabel* FLcdPort;
    QLabel* FSound;
    QLabel* FStatus;
    QLabel* FPosition;
    QListWidget* FMessages;
    QWidget* FTimelinePane;
    TTimelineView* FTimeline;
    QLabel* FDelta;
    std::unique_ptr<TTimelineBuilder> FBuilder;
    // The exact stretch of a view zoomed into the folded part, and the run it belongs to.
    std::unique_ptr<TTimelineDetail> FDetail;
    int FDetailLoads = -1;
    QTimer FBuildTimer;
    // What the message list shows: the run's compile, its faults, warnings and error.
    std::tuple<int, std::size_t, std::size_t, bool, std::size_t, bool> FShownMessages{
        -1, 0, 0, false, 0, false};
    std::vector<QAction*> FKeys; // F5, F8, F4, Ctrl+F2, Shift+F8, Shift+F5, Shift+F4
    bool FPlaced = false;
};
