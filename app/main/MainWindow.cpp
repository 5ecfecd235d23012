// The main window: its frame, the controls outside the two panels, the editor's setup, the
// enabled states and the close question.
#include "app/main/MainWindow.h"

#include "app/board/BoardWindow.h"
#include "app/listing/ListingFollower.h"
#include "app/listing/ListingWindow.h"
#include "compiler/CommandSet.h"
#include "platform/CodeMemoWidget.h"
#include "platform/ControlPlacement.h"
#include "platform/ErrorGuard.h"
#include "platform/WindowStyle.h"
#include "windows/AboutWindow.h"
#include "windows/TextWindow.h"
#include "workbench/WorkbenchDisplay.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>

namespace {

const QColor kWindowColour(217, 255, 251);
const QColor kPortPanelColour(231, 254, 203);
const QColor kInsertionPanelColour(226, 239, 254);

constexpr int kClientWidth = 832;
constexpr int kClientHeight = 393;

} // namespace

TMainWindow::TMainWindow(Dialogs& dialogs, Shell& shell, QWidget* parent)
    : QMainWindow(parent), FDialogs(dialogs), FShell(shell) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TOVIX"));
    // A fixed single border with the system menu and the minimise box; no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(WindowFont(kWindowFontFamily, 11));

    CreateControls();
    CreatePortPanel();
    CreateInsertionPanel();
    CreateMenu();

    // The client area is fixed; the menu bar lies above it. A screen too small for the window
    // (a small one, or a large scale factor) gets the window at the size it can show whole, and
    // the client area scrolls in it.
    centralWidget()->setFixedSize(kClientWidth, kClientHeight);
    const QSize specified(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    const QSize fitting = FittingWindowSize(*this, specified);
    if (fitting != specified) {
        auto* scroller = new QScrollArea(this);
        scroller->setObjectName(QStringLiteral("ClientScroller"));
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidget(takeCentralWidget());
        setCentralWidget(scroller);
    }
    setFixedSize(fitting);
    MoveToDesktopCentre(*this);

    FormCreate();
}

TMainWindow::~TMainWindow() {
    // The editor is a child widget and outlives the members: leave it nothing of ours.
    Editor().OnChange = nullptr;
    Editor().OnCursorChange = nullptr;
    Editor().SetSyntaxStyles(nullptr);
}

void TMainWindow::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    SetBackground(client, kWindowColour);
    setCentralWidget(client);

    // Hidden for the whole run, under the editor: Label7 only holds the shown path.
    Label6 = PlaceLabel(client, "Label6", QStringLiteral("Путь:"), {8, 16}, 13, true);
    Label7 = PlaceLabel(client, "Label7", QString(), {64, 16}, 13, true);
    Label6->hide();
    Label7->hide();

    Memo1 = new TCodeMemoWidget(client);
    Place(Memo1, "Memo1", {8, 8, 425, 353});
    TCodeMemo& memo = Editor();
    ConfigureWorkbenchStyler(FStyler, KeywordsSorted());
    ConfigureWorkbenchDisplay(memo);
    memo.SetSyntaxStyles(&FStyler);
    Memo1->MeasureFont();
    Memo1->SetShell(FShell);
    FListingFollower = std::make_unique<TListingFollower>(memo);
    memo.OnChange = [this](TCodeCustomMemo&) {
        FProgramChanged = true;
        FListingFollower->TextChanged();
        if (FBoardWindow)
            FBoardWindow->TextChanged();
    };
    memo.OnCursorChange = [this](TCodeCustomMemo& m) {
        if (FListingWindow)
            FListingWindow->ShowCaretLine(m.CurY());
    };
    memo.MarkerList().SetMarkerImageList(&FStopPointImages);
    Memo1->SetToolTipSource([this](int line, int column) { return GotoToolTip(line, column); });
    Memo1->setEnabled(false);

    Button3 = new QPushButton(QStringLiteral("Снять выделение"), client);
    Place(Button3, "Button3", {448, 16, 105, 25});
    connect(Button3, &QPushButton::clicked, this, Guarded([this] { Button3Click(); }));

    Panel1 = PlacePanel(client, "Panel1", {448, 56, 369, 89}, kPortPanelColour);
    Panel2 = PlacePanel(client, "Panel2", {448, 152, 369, 209}, kInsertionPanelColour);

    Label3 = PlaceLabel(client, "Label3", QStringLiteral("Описание:"), {8, 368}, 13, true);
    Label4 = PlaceLabel(client, "Label4", QString(), {104, 368}, 13, true);

    ListBox3 = new QListWidget(client);
    Place(ListBox3, "ListBox3", {624, 8, 65, 17});
    ListBox3->hide();
}

void TMainWindow::SetHelpWindows(TAboutWindow& about, TTextWindow& commands, TTextWindow& help) {
    FAbout = &about;
    FCommands = &commands;
    FHelp = &help;
}

TCodeMemo& TMainWindow::Editor() {
    return Memo1->Memo();
}

void TMainWindow::FormCreate() {
    SetProgramMenuEnabled(false);
    N6->setEnabled(false);
    Button2->setEnabled(false);
}

void TMainWindow::SetProgramMenuEnabled(bool enabled) {
    N3->menuAction()->setEnabled(enabled);
    // A shortcut fires only while its menu is enabled too.
    for (QAction* item : N3->actions())
        item->setEnabled(enabled);
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    // A question that fails leaves the window open, as a No does.
    if (!RunGuarded([&] { FormCloseQuery(canClose); }) || !canClose) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}
