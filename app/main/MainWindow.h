// TMainWindow, the main window ("TOVIX"): the program editor Memo1, the port-data panel Panel1, the
// command-insertion panel Panel2, the description line and the main menu with the program file
// commands, the compile and the help items. Whether a program is open is told by Memo1's
// enabled state alone.
#pragma once

#include "compiler/Compiler.h"
#include "editor/style/CodePasStyler.h"
#include "workbench/StopPoints.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class Dialogs;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class Shell;
class TCodeMemo;
class TCodeMemoWidget;
class TBoardWindow;
class TAboutWindow;
class TListingFollower;
class TListingWindow;
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

    // ---- Handlers -----------------------------------------------------------------------------
    void FormCreate();
    // Asked before the window closes, whatever the cause.
    void FormCloseQuery(bool& canClose);

    void N2Click();  // Файл > Создать программу
    void N5Click();  // Файл > Открыть программу
    void N6Click();  // Файл > Сохранить программу как
    void N14Click(); // Файл > Сохранить
    void N7Click();  // Файл > Закрыть
    void N8Click();  // Файл > Выход
    void N9Click();  // Программа > Компилировать
    void N13Click(); // Программа > Информация
    void N15Click(); // Программа > Путь
    void N16Click(); // Программа > Перейти к адресу
    void N17Click(); // Программа > Сохранить образ в Intel HEX…
    void N18Click(); // Программа > Листинг
    void N19Click(); // Программа > Модель платы
    void N20Click(); // Программа > Точка остановки
    void N10Click(); // Помощь > По командам
    void N11Click(); // Помощь > По программе
    void Web1Click();
    void N12Click(); // Помощь > О программе

    void ListBox1Click();
    void Button2Click(); // Вставить
    void Button1Click(); // Переместить в нижнюю команду
    void Button3Click(); // Снять выделение

    // Opens fileName as Open does once its dialog has given the name (also `tovix FILE`).
    void OpenProgram(const QString& fileName);

    // ---- State --------------------------------------------------------------------------------
    // The current program file's path: the name given at New, Open or Save as.
    const QString& ProgramPath() const { return FProgramPath; }
    // True when the text has changed since it was last loaded or saved.
    bool ProgramChanged() const { return FProgramChanged; }
    // The figures of the last compile.
    const TCompileCounters& Counters() const { return FCounters; }
    TCodeMemo& Editor();
    // The listing window, once Program > "Листинг" has made it; nullptr before.
    TListingWindow* ListingWindow() const { return FListingWindow; }
    TListingFollower& ListingFollower() { return *FListingFollower; }
    // The board window, once Program > "Модель платы" has made it; nullptr before.
    TBoardWindow* BoardWindow() const { return FBoardWindow; }

    // ---- Controls (owned by their Qt parents) -------------------------------------------------
    TCodeMemoWidget* Memo1;
    QPushButton* Button3;
    QFrame* Panel1;
    QFrame* Panel2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label7; // holds the shown path
    QListWidget* ListBox3;

    // Panel1, the port-data panel.
    QLabel* Label1;
    QLabel* Label8;
    QPushButton* Button1;
    QCheckBox* CheckBox1; // bit 0
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox8; // bit 7

    // Panel2, the command-insertion panel.
    QLabel* Label2;
    QLabel* Label11;
    QLineEdit* Edit3;
    QLabel* Label5;
    QLineEdit* Edit1;
    QLabel* Label10;
    QComboBox* ComboBox1;
    QLabel* Label9;
    QLineEdit* Edit2;
    QPushButton* Button2;
    QListWidget* ListBox1;
    QListWidget* ListBox2;

    // MainMenu1.
    QMenu* N1;
    QMenu* N3;
    QMenu* N4;
    QAction* N2;
    QAction* N5;
    QAction* N6;
    QAction* N14;
    QAction* N7;
    QAction* N8;
    QAction* N9;
    QAction* N13;
    QAction* N15;
    QAction* N16;
    QAction* N17;
    QAction* N18;
    QAction* N19;
    QAction* N20;
    QAction* N10;
    QAction* N11;
    QAction* Web1;
    QAction* N12;

signals:
    // The window has closed: the application ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreatePortPanel();
    void CreateInsertionPanel();
    void CreateMenu();
    void ConnectHandlers();

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
    // A new text has come in (Open, New, Close): its stop points are gone.
    void ForgetStopPoints();
    // Another program, or none, is in the editor (New, Open, Close): the board window starts
    // over.
    void ResetBoardWindow();
    // Writes the editor's lines to path; the text then counts as saved.
    void SaveProgram(const QString& path);
    // Before Close and Open replace a text changed since it was loaded or saved: asks whether
    // to save it, and saves it when told to. False when the user cancels.
    bool SaveChangesFirst();
    // The selected catalogue entry, -1 when none is selected.
    int ListBox1ItemIndex() const;
    // The text of the entry selected in ComboBox1's list; empty when none is selected, as after
    // typing anything but a digit 0-7.
    QString PinDigit() const;

    Dialogs& FDialogs;
    Shell& FShell;
    TAboutWindow* FAbout = nullptr;
    TTextWindow* FCommands = nullptr;
    TTextWindow* FHelp = nullptr;
    std::unique_ptr<TListingFollower> FListingFollower;
    TListingWindow* FListingWindow = nullptr;
    TBoardWindow* FBoardWindow = nullptr;
    TStopPointImages FStopPointImages;

    TCodePascalMemoStyler FStyler;
    QString FProgramPath;
    TCompileCounters FCounters;
    bool FProgramChanged = false;
    bool FPinTypedOver = false;
};
