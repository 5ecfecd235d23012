// TMainWindow, the main window ("TOVIX", object name "Form1"): the program editor, the port-data
// and command-insertion panels, the description line and the main menu with the program file
// commands, the compile and the help items. Widgets keep the object names outside tools find
// them by ("Memo1", "Panel1", "N9", ...).
#pragma once

#include "app/main/ProgramFile.h"
#include "compiler/Compiler.h"
#include "editor/style/CodePasStyler.h"
#include "workbench/StopPoints.h"

#include <QMainWindow>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

class Dialogs;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class Shell;
class TAboutWindow;
class TBoardWindow;
class TCodeMemo;
class TCodeMemoWidget;
class TEditorProblems;
class TEepromWindow;
class TFindBar;
class TInsertionPanel;
class TListingFollower;
class TListingWindow;
class TRecoveryKeeper;
class TTextWindow;

class TMainWindow : public QMainWindow {
    Q_OBJECT

public:
    // dialogs and shell (not owned) must outlive the window.
    TMainWindow(Dialogs& dialogs, Shell& shell, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // The windows the Help menu shows (not owned). They are created after the main window, so
    // they are handed over once they exist; until then their menu items do nothing.
    void SetHelpWindows(TAboutWindow& about, TTextWindow& commands, TTextWindow& help);

    // Opens fileName as Open does once its dialog has given the name (also `tovix FILE`).
    void OpenProgram(const QString& fileName);
    // At the start: offers the unsaved changes a crashed instance left, the newest first, and
    // opens the one the user takes (RecoveryOffer.cpp).
    void OfferRecovery();

    // The current program file's path: the name given at New, Open or Save as.
    const QString& ProgramPath() const { return FProgram.Path; }
    // True when the text has changed since it was last loaded or saved.
    bool ProgramChanged() const { return FProgram.Changed; }
    // The figures of the last compile.
    const TCompileCounters& Counters() const { return FCounters; }
    TCodeMemo& Editor();
    // The listing window, once Program > "Листинг" has made it; nullptr before.
    TListingWindow* ListingWindow() const { return FListingWindow; }
    TListingFollower& ListingFollower() { return *FListingFollower; }
    // The board window, once Program > "Модель платы" has made it; nullptr before.
    TBoardWindow* BoardWindow() const { return FBoardWindow; }
    // The EEPROM write window, once Записать в EEPROM has run a programmer; nullptr before.
    TEepromWindow* EepromWindow() const { return FEepromWindow; }
    // How long Отмена of an EEPROM write waits for the programmer to stop before it kills it;
    // for the windows made from now on.
    void SetProgrammerGracePeriod(std::chrono::milliseconds period) {
        FProgrammerGracePeriod = period;
    }

signals:
    // The window has closed: the application ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateMenu();
    // The find bar below the client area (FitFindBar gives it its room).
    void CreateFindBar();
    // The find bar has opened, changed its height or closed. A window at its minimum height
    // grows by the bar's height where the screen has room, and shrinks back when it closes;
    // otherwise the editor gives the room. The minimum height includes the open bar.
    void FitFindBar();

    // ---- File > Недавние программы (RecentPrograms.cpp) ---------------------------------------
    // The submenu, in the File menu before Выход; its items are made each time it opens.
    void CreateRecentMenu();
    void FillRecentMenu();
    // path has been opened or saved: it goes to the front of the list.
    void RememberProgram(const QString& path);
    // Opens a program of the list as Open does; one that is gone or cannot be read is reported
    // and leaves the list.
    void OpenRecentProgram(const QString& path);

    // ---- The menu's commands ------------------------------------------------------------------
    void NewProgram();
    void ChooseProgramToOpen();
    void SaveProgramAs();
    void Save();
    void CloseProgram();
    void Exit();
    void Compile();
    void ShowCompileInformation();
    void ShowProgramPath();
    void GoToAddress();
    void ExportIntelHex();
    void ShowListing();
    void ShowBoard();
    void ToggleStopPointAtCaret();
    void ShowCommandReference();
    void ShowProgramHelp();
    void OpenWebPage();
    void ShowAbout();
    // "Снять выделение": the compile marks go, the text comes back as it was.
    void ClearMarks();
    // "Обновить адреса переходов": the labelled gotos put right without a compile, and a word
    // of how many were; "Назвать переходы": labels for every goto target. One undo step each.
    void UpdateJumps();
    void NameJumps();
    // "Перейти к цели перехода" (F12) with the caret on a goto's address or label name, and
    // Ctrl+click there: the caret goes to the line the goto leads to.
    void GoToJumpTarget();
    void GoToJumpTargetAt(int line, int column);

    // Asked before the window closes, whatever the cause.
    bool MayClose();
    // A program is in the editor, or none: the editor, the Program menu, Save as and Вставить
    // follow.
    void SetProgramOpen(bool open);
    // The whole Program menu: its title and, with it, the shortcuts of its items.
    void SetProgramMenuEnabled(bool enabled);
    // The compile of F9 and of the Intel HEX export: tidies and compiles the editor's lines with
    // compile, reports faults (caret on the first faulty line) or runs afterSuccess and reports
    // the completion with its warnings (caret on the first warned line).
    void
    CompileProgram(const std::function<TCompileResult(TCompileTarget&, TCompileCounters&)>& compile,
                   const std::function<void()>& afterSuccess);
    // Puts the caret at the start of line, in view, with the focus in the editor; a line the
    // text does not have is left alone.
    void CaretToLineStart(int line);
    // The tooltip over the address of a goto at line and column: its target or warning.
    QString GotoToolTip(int line, int column);
    // The tooltip over a command's operands: their meaning on the board.
    QString OperandToolTip(int line, int column);
    // "Вставить текст для ЖКИ…": the LCD text dialog's lines above the caret's line.
    void InsertLcdText();
    // "Записать в EEPROM": compiles as F9 does and runs the programmer's command on the image
    // (asking for the command first while none is set); "Программатор…" changes the command.
    // EepromCommands.cpp.
    void WriteEeprom();
    void ChangeProgrammer();
    // The programmer dialog on the saved command; the accepted line is saved. False when the
    // user cancels.
    bool AskProgrammerCommand();
    // The messages of the editor's problems at line and column (EditorProblems.cpp).
    QString ProblemToolTip(int line, int column);
    // A new text has come in (Open, New, Close): its stop points are gone.
    void ForgetStopPoints();
    // Another program, or none, is in the editor (New, Open, Close): the board window starts
    // over.
    void ResetBoardWindow();
    // The recovered text of the program at path in the editor, changed and not saved.
    void OpenRecoveredProgram(const QString& path, const std::string& text);
    // Writes the editor's lines to path; the text then counts as saved.
    void SaveProgram(const QString& path);
    // Before Close and Open replace a text changed since it was loaded or saved: asks whether
    // to save it, and saves it when told to. False when the user cancels.
    bool SaveChangesFirst();

    Dialogs& FDialogs;
    Shell& FShell;
    TAboutWindow* FAbout = nullptr;
    TTextWindow* FCommands = nullptr;
    TTextWindow* FHelp = nullptr;
    std::unique_ptr<TListingFollower> FListingFollower;
    // The listing's faults and warnings made into the editor's problems.
    std::unique_ptr<TEditorProblems> FEditorProblems;
    // The recovery file of the unsaved text ("Recovery", a child object: bench_recovery finds it).
    std::unique_ptr<TRecoveryKeeper> FRecovery;
    TListingWindow* FListingWindow = nullptr;
    TBoardWindow* FBoardWindow = nullptr;
    TEepromWindow* FEepromWindow = nullptr;
    std::chrono::milliseconds FProgrammerGracePeriod{2000};
    TStopPointImages FStopPointImages;
    TCodePascalMemoStyler FStyler;
    TProgramFile FProgram;
    TCompileCounters FCounters;

    // Controls, owned by their Qt parents.
    TCodeMemoWidget* FEditor = nullptr;         // "Memo1"
    QLabel* FDescription = nullptr;             // "Label4", the chosen command's description
    TInsertionPanel* FInsertionPanel = nullptr; // "Panel2"
    QMenu* FProgramMenu = nullptr;              // "N3"
    QAction* FSaveAsAction = nullptr;           // "N6"
    TFindBar* FFindBar = nullptr;               // "FindBar", in the bottom tool bar
    QToolBar* FFindToolBar = nullptr;           // "FindToolBar"
    QMenu* FRecentMenu = nullptr;               // "NRecent"
    // The window's minimum size without the find bar: the specified one, or what a small screen
    // shows whole.
    QSize FMinimumSize;
    // How much the window grew when the find bar opened, given back when it closes.
    int FFindBarRoom = 0;
};
