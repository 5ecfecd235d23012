// The main window: its frame, the controls outside the two panels, the editor's setup, the
// enabled states and the close question.
#include "app/main/MainWindow.h"

#include "app/board/BoardWindow.h"
#include "app/listing/ListingFollower.h"
#include "app/listing/ListingWindow.h"
#include "app/main/EditorProblems.h"
#include "app/main/FindBar.h"
#include "app/main/RecoveryKeeper.h"
#include "app/panels/InsertionPanel.h"
#include "app/panels/PortPanel.h"
#include "compiler/CommandSet.h"
#include "compiler/Labels.h"
#include "platform/CodeMemoWidget.h"
#include "platform/ControlPlacement.h"
#include "platform/ErrorGuard.h"
#include "platform/WindowStyle.h"
#include "windows/AboutWindow.h"
#include "windows/TextWindow.h"
#include "workbench/MemoCompileTarget.h"
#include "workbench/WorkbenchDisplay.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>

#include <algorithm>

namespace {

const QColor kWindowColour(217, 255, 251);

constexpr int kClientWidth = 832;
constexpr int kClientHeight = 393;

// The settings group of the window's place.
const QString kPlaceGroup = QStringLiteral("MainWindow");

} // namespace

TMainWindow::TMainWindow(Dialogs& dialogs, Shell& shell, QWidget* parent)
    : QMainWindow(parent), FDialogs(dialogs), FShell(shell) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TOVIX"));
    // A sizeable border with the system menu and the minimise and maximise boxes.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont(kWindowFontFamily, 11));

    CreateControls();
    CreateMenu();

    // The window opens with the specified client area, the menu bar above it, centred on the
    // desktop, and that is its minimum size; a larger window gives the editor the room. A
    // screen too small for it (a small one, or a large scale factor) gets the window at the
    // size it can show whole, and the client area scrolls in it. The place the user gave the
    // window last time comes back, fitted on the screen.
    const QSize specified(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    const QSize fitting = FittingWindowSize(*this, specified);
    if (fitting != specified) {
        auto* scroller = new QScrollArea(this);
        scroller->setObjectName(QStringLiteral("ClientScroller"));
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidgetResizable(true);
        scroller->setWidget(takeCentralWidget());
        setCentralWidget(scroller);
    }
    FMinimumSize = fitting;
    setMinimumSize(fitting);
    resize(fitting);
    CreateFindBar();
    MoveToDesktopCentre(*this);
    RestoreWindowPlace(*this, kPlaceGroup);

    SetProgramOpen(false);
    FSaveAsAction->setEnabled(false);
}

TMainWindow::~TMainWindow() {
    // The editor is a child widget and outlives the members: leave it nothing of ours.
    Editor().OnChange = nullptr;
    Editor().OnCursorChange = nullptr;
    Editor().OnCtrlClick = nullptr;
    Editor().OnFind = nullptr;
    Editor().OnReplace = nullptr;
    Editor().SetSyntaxStyles(nullptr);
}

void TMainWindow::CreateControls() {
    // The editor takes the room of a grown window; the panels and Снять выделение keep their
    // distance from the right edge, the description line its distance from the bottom.
    auto* client = new TAnchoredArea(QSize(kClientWidth, kClientHeight), this);
    client->setObjectName(QStringLiteral("Client"));
    SetBackground(client, kWindowColour);
    setCentralWidget(client);

    FEditor = new TCodeMemoWidget(client);
    Place(FEditor, "Memo1", {8, 8, 425, 353});
    TCodeMemo& memo = Editor();
    ConfigureCommandStyler(FStyler);
    ConfigureWorkbenchDisplay(memo);
    memo.SetSyntaxStyles(&FStyler);
    FEditor->MeasureFont();
    FEditor->SetShell(FShell);
    FListingFollower = std::make_unique<TListingFollower>(memo);
    FRecovery = std::make_unique<TRecoveryKeeper>(
        memo.Lines(),
        [this]() -> std::optional<QString> {
            if (FProgram.Open && FProgram.Changed)
                return FProgram.Path;
            return std::nullopt;
        },
        TRecoveryKeeper::DefaultFolder(), this);
    FRecovery->setObjectName(QStringLiteral("Recovery"));
    memo.OnChange = [this](TCodeCustomMemo&) {
        FProgram.Changed = true;
        FRecovery->TextChanged();
        FListingFollower->TextChanged();
        if (FFindBar)
            FFindBar->TextChanged();
        if (FBoardWindow)
            FBoardWindow->TextChanged();
    };
    memo.OnCursorChange = [this](TCodeCustomMemo& m) {
        if (FListingWindow)
            FListingWindow->ShowCaretLine(m.CurY());
    };
    memo.MarkerList().SetMarkerImageList(&FStopPointImages);
    FEditorProblems = std::make_unique<TEditorProblems>(memo, *FListingFollower);
    connect(FListingFollower.get(), &TListingFollower::Updated, this,
            [this] { FEditorProblems->Start(); });
    connect(FListingFollower.get(), &TListingFollower::Outdated, this,
            [this] { FEditorProblems->Stop(); });
    // The problems' messages come first, then what the text under the mouse says: a goto's
    // target (which may tell a problem already: its warning) or an operand's meaning.
    FEditor->SetToolTipSource([this](int line, int column) {
        QStringList tips = ProblemToolTip(line, column).split('\n', Qt::SkipEmptyParts);
        QString other = GotoToolTip(line, column);
        if (other.isEmpty())
            other = OperandToolTip(line, column);
        tips.removeIf([&](const QString& message) { return other.endsWith(message); });
        if (!other.isEmpty())
            tips << other;
        return tips.join('\n');
    });
    memo.OnCtrlClick = [this](TCodeCustomMemo&, int line, int column) {
        GoToJumpTargetAt(line, column);
    };

    auto* clearMarks = new QPushButton(QStringLiteral("Снять выделение"), client);
    Place(clearMarks, "Button3", {448, 16, 105, 25});
    connect(clearMarks, &QPushButton::clicked, this, Guarded([this] { ClearMarks(); }));

    auto* portPanel = new TPortPanel(client);
    FInsertionPanel = new TInsertionPanel(FDialogs, client);
    connect(portPanel, &TPortPanel::ValueMade, FInsertionPanel, &TInsertionPanel::SetData);
    FInsertionPanel->SetLabelOffsets([this](std::string_view name) -> std::optional<int> {
        TMemoCompileTarget target(Editor());
        const TLabelScan scan = ScanLabels(target);
        const TLabel* label = scan.Find(name);
        return label ? std::optional<int>(label->Offset) : std::nullopt;
    });
    connect(FInsertionPanel, &TInsertionPanel::LineBuilt, this,
            [this](const std::string& line) { Editor().Lines().Add(line); });
    connect(FInsertionPanel, &TInsertionPanel::LcdTextAsked, this,
            Guarded([this] { InsertLcdText(); }));

    QLabel* caption = PlaceLabel(client, "Label3", QStringLiteral("Описание:"), {8, 368}, 13, true);
    FDescription = PlaceLabel(client, "Label4", QString(), {104, 368}, 13, true);
    client->Anchor(FEditor, TAnchor::Grow);
    for (QWidget* control : std::initializer_list<QWidget*>{clearMarks, portPanel, FInsertionPanel})
        client->Anchor(control, TAnchor::Right);
    for (QWidget* control : std::initializer_list<QWidget*>{caption, FDescription})
        client->Anchor(control, TAnchor::BottomLeft);
    connect(FInsertionPanel, &TInsertionPanel::DescriptionChosen, this,
            [this](const QString& description) {
                FDescription->setText(description);
                FDescription->adjustSize();
            });
}

void TMainWindow::CreateFindBar() {
    // Below the client area, so that every control keeps its place and the editor shows all its
    // lines; a window at its minimum size grows by the bar's height while it is open and stays
    // on a 1024 × 768 screen.
    FFindToolBar = new QToolBar(this);
    FFindToolBar->setObjectName(QStringLiteral("FindToolBar"));
    FFindToolBar->setMovable(false);
    FFindToolBar->setFloatable(false);
    FFindToolBar->toggleViewAction()->setVisible(false);
    FFindBar = new TFindBar(*FEditor, *this, FFindToolBar);
    FFindToolBar->addWidget(FFindBar);
    addToolBar(Qt::BottomToolBarArea, FFindToolBar);
    FFindToolBar->hide();
    connect(FFindBar, &TFindBar::VisibilityChanged, this, [this] { FitFindBar(); });
    Editor().OnFind = [this](TCodeCustomMemo&) { FFindBar->Open(false); };
    Editor().OnReplace = [this](TCodeCustomMemo&) { FFindBar->Open(true); };
}

void TMainWindow::FitFindBar() {
    const bool open = FFindBar->IsOpen();
    FFindToolBar->setVisible(open);
    const int bar = open ? FFindToolBar->sizeHint().height() : 0;
    const int minimum = FittingWindowSize(*this, FMinimumSize + QSize(0, bar)).height();
    const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    const int before = height();
    const bool atMinimum = normal && before <= minimumHeight();
    setMinimumHeight(minimum);
    if (!normal)
        return;
    int wanted = before;
    if (atMinimum)
        wanted = minimum;
    else if (!open)
        wanted = before - FFindBarRoom;
    wanted = std::max(wanted, minimum);
    if (wanted != height())
        resize(width(), wanted);
    FFindBarRoom = open ? std::max(0, FFindBarRoom + wanted - before) : 0;
}

void TMainWindow::SetHelpWindows(TAboutWindow& about, TTextWindow& commands, TTextWindow& help) {
    FAbout = &about;
    FCommands = &commands;
    FHelp = &help;
}

TCodeMemo& TMainWindow::Editor() {
    return FEditor->Memo();
}

void TMainWindow::SetProgramOpen(bool open) {
    FProgram.Open = open;
    FEditor->setEnabled(open);
    SetProgramMenuEnabled(open);
    FInsertionPanel->SetInsertEnabled(open);
}

void TMainWindow::SetProgramMenuEnabled(bool enabled) {
    FProgramMenu->menuAction()->setEnabled(enabled);
    // A shortcut fires only while its menu is enabled too.
    for (QAction* item : FProgramMenu->actions())
        item->setEnabled(enabled);
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    bool canClose = false;
    // A question that fails leaves the window open, as a No does.
    if (!RunGuarded([&] { canClose = MayClose(); }) || !canClose) {
        event->ignore();
        return;
    }
    event->accept();
    // The room the find bar took is not part of the size the window comes back at.
    if (FFindBar->IsOpen())
        FFindBar->Close();
    SaveWindowPlace(*this, kPlaceGroup);
    FRecovery->Finish();
    emit Closed();
}
