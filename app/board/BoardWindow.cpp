// The board window: controls, the board's pictures and the run's messages, redrawn whenever the
// runner reports a change.
#include "app/board/BoardWindow.h"

#include "app/board/BoardWidgets.h"
#include "app/board/TimelineView.h"
#include "base/Cp1251.h"
#include "board/BoardFormat.h"
#include "board/TimelineBuilder.h"
#include "compiler/CompileMessages.h"
#include "editor/CodeMemo.h"
#include "platform/ErrorGuard.h"
#include "platform/HexText.h"
#include "platform/TonePlayer.h"
#include "platform/WindowStyle.h"
#include "workbench/StopPoints.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Microseconds as seconds with a decimal comma: "1,234567 с".
QString Seconds(std::uint64_t us) {
    return QStringLiteral("%1,%2 с")
        .arg(us / 1'000'000)
        .arg(us % 1'000'000, 6, 10, QLatin1Char('0'));
}

// Adds a window-wide action with key that works while the window is shown, wherever the focus is
// in the application.
QAction* AddKey(QWidget& window, const QKeySequence& key, std::function<void()> run) {
    auto* action = new QAction(&window);
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(action, &QAction::triggered, &window, Guarded(std::move(run)));
    window.addAction(action);
    return action;
}

constexpr int kLineRole = Qt::UserRole;

// The settings group of the window's place.
const QString kPlaceGroup = QStringLiteral("BoardWindow");

// Commands the timeline replays per slice between two looks at the clock, and the slice's length.
constexpr std::uint64_t kTimelineStepsPerCall = 20'000;
constexpr int kTimelineSliceMs = 6;

} // namespace

TBoardWindow::TBoardWindow(TCodeCustomMemo& memo, QWidget* parent)
    : QWidget(parent, Qt::Window), FMemo(memo) {
    setObjectName(QStringLiteral("BoardWindow"));
    setWindowTitle(QString::fromUtf8("Модель платы"));
    FRunner = new TBoardRunner(memo, this);
    FTone = new TTonePlayer(this);

    RunButton = new QPushButton(QString::fromUtf8("Пуск (F5)"), this);
    StepButton = new QPushButton(QString::fromUtf8("Шаг (F8)"), this);
    RunToCursorButton = new QPushButton(QString::fromUtf8("До курсора (F4)"), this);
    ResetButton = new QPushButton(QString::fromUtf8("Сброс (Ctrl+F2)"), this);
    StepBackButton = new QPushButton(QString::fromUtf8("Шаг назад (Shift+F8)"), this);
    StepBackButton->setObjectName(QStringLiteral("BoardStepBack"));
    RunBackButton = new QPushButton(QString::fromUtf8("Назад (Shift+F5)"), this);
    RunBackButton->setObjectName(QStringLiteral("BoardRunBack"));
    BackToCursorButton = new QPushButton(QString::fromUtf8("Назад до курсора (Shift+F4)"), this);
    BackToCursorButton->setObjectName(QStringLiteral("BoardBackToCursor"));
    SpeedBox = new QComboBox(this);
    SpeedBox->addItems({QString::fromUtf8("реальное время"), QString::fromUtf8("×10"),
                        QString::fromUtf8("как можно быстрее")});
    SoundBox = new QCheckBox(QString::fromUtf8("Звук"), this);
    SoundBox->setChecked(true);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{RunButton, StepButton, RunToCursorButton, ResetButton})
        buttons->addWidget(w);
    buttons->addSpacing(12);
    buttons->addWidget(new QLabel(QString::fromUtf8("Скорость:"), this));
    buttons->addWidget(SpeedBox);
    buttons->addWidget(SoundBox);
    buttons->addStretch();
    auto* backButtons = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{StepBackButton, RunBackButton, BackToCursorButton})
        backButtons->addWidget(w);
    backButtons->addStretch();

    FStatus = new QLabel(this);
    FStatus->setObjectName(QStringLiteral("BoardStatus"));
    QFont bold = FStatus->font();
    bold.setBold(true);
    FStatus->setFont(bold);
    FPosition = new QLabel(this);
    FPosition->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ports = new QGroupBox(QString::fromUtf8("Порты"), this);
    auto* portGrid = new QGridLayout(ports);
    FLedD = new TLedRow(ports);
    FLedB = new TLedRow(ports);
    portGrid->addWidget(new QLabel(QStringLiteral("PORTD"), ports), 0, 0);
    portGrid->addWidget(FLedD, 0, 1);
    portGrid->addWidget(new QLabel(QStringLiteral("PORTB"), ports), 1, 0);
    portGrid->addWidget(FLedB, 1, 1);
    FRegisters = new QLabel(ports);
    FRegisters->setObjectName(QStringLiteral("BoardRegisters"));
    portGrid->addWidget(FRegisters, 2, 0, 1, 2);
    portGrid->setColumnStretch(2, 1);

    auto* display = new QGroupBox(QString::fromUtf8("ЖКИ 20 × 4"), this);
    auto* displayBox = new QVBoxLayout(display);
    FLcd = new TLcdView(display);
    FLcdPort = new QLabel(display);
    displayBox->addWidget(FLcd, 0, Qt::AlignLeft);
    displayBox->addWidget(FLcdPort);

    FSound = new QLabel(this);
    FSound->setObjectName(QStringLiteral("BoardSound"));

    FMessages = new QListWidget(this);
    FMessages->setObjectName(QStringLiteral("BoardMessages"));

    // The timeline, which the check box hides and shows.
    TimelineBox = new QCheckBox(QString::fromUtf8("Временная диаграмма"), this);
    TimelineBox->setObjectName(QStringLiteral("BoardTimelineShown"));
    TimelineBox->setChecked(true);
    FTimelinePane = new QWidget(this);
    auto* pane = new QVBoxLayout(FTimelinePane);
    pane->setContentsMargins(0, 0, 0, 0);
    FTimeline = new TTimelineView(FTimelinePane);
    auto* fit = new QPushButton(QString::fromUtf8("весь прогон"), FTimelinePane);
    fit->setObjectName(QStringLiteral("BoardTimelineFit"));
    FDelta = new QLabel(FTimelinePane);
    FDelta->setObjectName(QStringLiteral("BoardTimelineDelta"));
    auto* paneButtons = new QHBoxLayout;
    paneButtons->addWidget(fit);
    paneButtons->addWidget(FDelta);
    paneButtons->addStretch();
    pane->addWidget(FTimeline);
    pane->addLayout(paneButtons);
    FBuilder = std::make_unique<TTimelineBuilder>();
    FDetail = std::make_unique<TTimelineDetail>();
    FBuildTimer.setSingleShot(true);
    connect(&FBuildTimer, &QTimer::timeout, this, Guarded([this] { BuildTimeline(); }));
    connect(TimelineBox, &QCheckBox::toggled, this, [this](bool on) {
        FTimelinePane->setVisible(on);
        if (on)
            BuildTimeline();
    });
    connect(fit, &QPushButton::clicked, this, [this] { FTimeline->FitWholeRun(); });
    connect(FTimeline, &TTimelineView::MomentChosen, this,
            Guarded([this](std::uint64_t t) { FRunner->GoToTime(t); }));
    connect(FTimeline, &TTimelineView::ViewChanged, this, [this] {
        FDelta->setText(FTimeline->DeltaText());
        if (!FBuildTimer.isActive())
            FBuildTimer.start(0);
    });

    // The content scrolls in a window smaller than it, as on a small screen or a large scale.
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(buttons);
    layout->addLayout(backButtons);
    layout->addWidget(FStatus);
    layout->addWidget(FPosition);
    layout->addWidget(ports);
    layout->addWidget(display);
    layout->addWidget(FSound);
    layout->addWidget(new QLabel(QString::fromUtf8("Предупреждения и ошибки:"), this));
    layout->addWidget(FMessages, 1);
    layout->addWidget(TimelineBox);
    layout->addWidget(FTimelinePane);
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("BoardScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(content);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroller);
    resize(content->sizeHint().expandedTo(content->minimumSizeHint()));

    connect(RunButton, &QPushButton::clicked, this, Guarded([this] { RunOrPause(); }));
    connect(StepButton, &QPushButton::clicked, this, Guarded([this] { Step(); }));
    connect(RunToCursorButton, &QPushButton::clicked, this, Guarded([this] { RunToCaretLine(); }));
    connect(ResetButton, &QPushButton::clicked, this, Guarded([this] { Reset(); }));
    connect(StepBackButton, &QPushButton::clicked, this, Guarded([this] { FRunner->StepBack(); }));
    connect(RunBackButton, &QPushButton::clicked, this, Guarded([this] { FRunner->RunBack(); }));
    connect(BackToCursorButton, &QPushButton::clicked, this,
            Guarded([this] { FRunner->RunBackToLine(FMemo.CurY()); }));
    connect(SpeedBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { FRunner->SetSpeed(static_cast<TBoardRunner::TSpeed>(index)); });
    connect(SoundBox, &QCheckBox::toggled, this, [this](bool on) { FTone->SetEnabled(on); });
    connect(FMessages, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        int line = item->data(kLineRole).toInt();
        if (line >= 0)
            emit LineChosen(line);
    });
    FKeys = {
        AddKey(*this, QKeySequence(Qt::Key_F5), [this] { RunOrPause(); }),
        AddKey(*this, QKeySequence(Qt::Key_F8), [this] { Step(); }),
        AddKey(*this, QKeySequence(Qt::Key_F4), [this] { RunToCaretLine(); }),
        AddKey(*this, QKeySequence(Qt::CTRL | Qt::Key_F2), [this] { Reset(); }),
        AddKey(*this, QKeySequence(Qt::SHIFT | Qt::Key_F8), [this] { FRunner->StepBack(); }),
        AddKey(*this, QKeySequence(Qt::SHIFT | Qt::Key_F5), [this] { FRunner->RunBack(); }),
        AddKey(*this, QKeySequence(Qt::SHIFT | Qt::Key_F4),
               [this] { FRunner->RunBackToLine(FMemo.CurY()); }),
    };
    connect(FRunner, &TBoardRunner::Changed, this, &TBoardWindow::Show);
    FRunner->SetStopLineSource([this] { return StopPointLines(FMemo); });
    Show();
}

TBoardWindow::~TBoardWindow() {
    // A window that has been shown comes back at its place next time, also after a restart.
    if (FPlaced)
        SaveWindowPlace(*this, kPlaceGroup);
}

void TBoardWindow::ShowBeside() {
    // Where the user left it last time, else beside the main window.
    if (!FPlaced)
        FPlaced = RestoreWindowPlace(*this, kPlaceGroup);
    ShowBesideParent(*this, FPlaced);
}

void TBoardWindow::TextChanged() {
    FRunner->TextChanged();
}

void TBoardWindow::StopPointsChanged() {
    FRunner->StopLinesChanged();
}

void TBoardWindow::ProgramReplaced(bool open) {
    FRunner->Unload();
    FTone->Silence();
    for (QWidget* control :
         std::initializer_list<QWidget*>{RunButton, StepButton, RunToCursorButton, ResetButton,
                                         StepBackButton, RunBackButton, BackToCursorButton})
        control->setEnabled(open);
    for (QAction* key : FKeys)
        key->setEnabled(open);
}

void TBoardWindow::closeEvent(QCloseEvent* e) {
    // A closed window runs nothing, sounds nothing and leaves the editor as it was.
    FRunner->Stop();
    FTone->Silence();
    QWidget::closeEvent(e);
}

void TBoardWindow::RunOrPause() {
    if (FRunner->Mode() == TBoardRunner::TMode::Running) {
        FRunner->Pause();
        return;
    }
    BeforeNewRun();
    FRunner->Start();
}

void TBoardWindow::Step() {
    BeforeNewRun();
    FRunner->Step();
}

void TBoardWindow::RunToCaretLine() {
    BeforeNewRun();
    FRunner->RunToLine(FMemo.CurY());
}

void TBoardWindow::Reset() {
    // Сброс loads the text again whatever the run was doing.
    if (FBeforeRun)
        FBeforeRun();
    FRunner->Reset();
}

void TBoardWindow::BeforeNewRun() {
    if (FRunner->Mode() == TBoardRunner::TMode::Idle && FBeforeRun)
        FBeforeRun();
}

void TBoardWindow::Show() {
    const TBoard& board = FRunner->Board();
    const bool running = FRunner->Mode() == TBoardRunner::TMode::Running;
    RunButton->setText(QString::fromUtf8(running ? "Пауза (F5)" : "Пуск (F5)"));
    FStatus->setText(FRunner->Status());

    const std::uint64_t now = FRunner->NowUs();
    QString command = QString::fromStdString(board.Program().CommandText(board.Pc()));
    QString position =
        QString::fromUtf8("Время: %1    Адрес: %2").arg(Seconds(now), HexText(board.Pc(), 4));
    if (!command.isEmpty())
        position += QString::fromUtf8("    Команда: ") + command;
    if (board.PcLine() > 0)
        position += QString::fromUtf8(" (строка %1)").arg(board.PcLine());
    FPosition->setText(position);

    FLedD->SetPins(board.PortD(), board.DdrD());
    FLedB->SetPins(board.PortB(), board.DdrB());
    FRegisters->setText(QString::fromStdString(RegistersText(board.State(), " ", "   ")));
    FLcd->SetLcd(board.Lcd());
    const TLcdPort port = board.Lcd().Port;
    FLcdPort->setText(
        port == TLcdPort::None
            ? QString::fromUtf8("не подключён")
            : QString::fromUtf8("подключён к порту %1").arg(QString::fromUtf8(LcdPortName(port))));

    const std::uint32_t period = running ? board.TonePeriodAt(now) : 0;
    const bool raised = board.Sound().Raised;
    QString sound = QString::fromUtf8("Звук C.0: ");
    if (period)
        sound += QString::fromUtf8("вкл, %1 Гц").arg(qRound(1e6 / period));
    else
        sound += QString::fromUtf8("выкл");
    sound += QString::fromUtf8(", громкость %1").arg(QString::fromUtf8(VolumeText(raised)));
    if (!FTone->Available())
        sound += QString::fromUtf8(" (аудиовыхода нет: звук только на индикаторе)");
    FSound->setText(sound);
    if (FRunner->Speed() == TBoardRunner::TSpeed::Fastest)
        FTone->Silence();
    else
        FTone->Play(period, raised);

    ShowMessages();
    if (FTimelinePane->isVisible() && !FBuildTimer.isActive())
        FBuildTimer.start(0);
}

void TBoardWindow::BuildTimeline() {
    const TBoardSession& session = FRunner->Session();
    QElapsedTimer slice;
    slice.start();
    bool done = false;
    do {
        done = FBuilder->Continue(session, kTimelineStepsPerCall);
    } while (!done && slice.elapsed() < kTimelineSliceMs);
    FTimeline->SetTimeline(FBuilder->Timeline(), &session.Board().Program(),
                           session.Board().TimeUs());
    if (done)
        done = BuildDetail(slice);
    FDelta->setText(FTimeline->DeltaText());
    if (!done)
        FBuildTimer.start(0);
}

bool TBoardWindow::BuildDetail(const QElapsedTimer& slice) {
    const TBoardSession& session = FRunner->Session();
    const TTimeline* whole = FBuilder->Timeline();
    const std::uint64_t from = FTimeline->FromUs(), to = FTimeline->ToUs();
    // Only a view finer than the buckets of the folded part needs the exact changes.
    const bool needed =
        whole && from < whole->FoldedUntil() &&
        (to - from) / static_cast<std::uint64_t>(FTimeline->width() + 1) < whole->BucketUs();
    if (!needed) {
        FTimeline->SetDetail(nullptr);
        return true;
    }
    if (FDetailLoads != session.Loads() || from < FDetail->FromUs() || to > FDetail->ToUs()) {
        // A stretch three views wide, so that panning a little needs no new one.
        const std::uint64_t span = to - from;
        FDetail->Start(session, from - std::min(from, span), to + span);
        FDetailLoads = session.Loads();
    }
    bool done = false;
    do {
        done = FDetail->Continue(kTimelineStepsPerCall);
    } while (!done && slice.elapsed() < kTimelineSliceMs);
    FTimeline->SetDetail(FDetail->Covers(from, to) ? FDetail->Timeline() : nullptr);
    return done;
}

void TBoardWindow::ShowMessages() {
    const TBoard& board = FRunner->Board();
    const TBoardHistory& history = FRunner->Session().History();
    // The run's messages up to the furthest moment it reached: those after the moment shown
    // are greyed. The list is rebuilt when they, the error or that moment change.
    const std::vector<TBoardEvent>& warnings =
        history.Empty() ? board.Warnings() : history.Warnings();
    const std::optional<TBoardEvent>& error = history.Empty() ? board.Error() : history.Error();
    std::size_t happened = 0;
    while (happened < warnings.size() && warnings[happened].Step < board.Steps())
        ++happened;
    const bool errorNow = board.Error().has_value();
    std::tuple shown{FRunner->Loads(), FRunner->Faults().size(),
                     warnings.size(),  error.has_value(),
                     happened,         errorNow};
    if (shown == FShownMessages)
        return;
    FShownMessages = shown;
    FMessages->clear();
    auto add = [this](int line, const QString& text, bool red, bool ahead = false) {
        auto* item = new QListWidgetItem(text, FMessages);
        item->setData(kLineRole, line);
        if (ahead)
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        else if (red)
            item->setForeground(QColor(0xC0, 0, 0));
    };
    for (const TCompileFault& fault : FRunner->Faults())
        add(fault.Line,
            QString::fromUtf8("Строка %1: %2 — %3")
                .arg(fault.Line + 1)
                .arg(QString::fromStdString(Cp1251ToUtf8(fault.Text)),
                     QString::fromStdString(FaultReason(*fault.Command, fault.Text, fault.Column))),
            true);
    auto event = [](const TBoardEvent& e, const char* kind) {
        QString where = QString::fromStdString(EventPlace(e));
        return where + QString::fromUtf8(": %1%2").arg(QString::fromUtf8(kind),
                                                       QString::fromStdString(e.Message));
    };
    for (std::size_t i = 0; i < warnings.size(); ++i)
        add(warnings[i].Line - 1, event(warnings[i], "предупреждение: "), false, i >= happened);
    if (error)
        add(error->Line - 1, event(*error, "ошибка: "), true, !errorNow);
}
