// The window of a write to the EEPROM ("ProgrammerLog"): the programmer's command line, then
// what it prints as it comes, the outcome, and Отмена to stop it. The programmer runs as a
// program with its arguments, never through a shell, and asynchronously: nothing here waits on
// the GUI thread. Output is taken in batches, at most one per turn of the event loop and per
// 50 ms, and the log keeps only its last lines, so a programmer that floods it neither fills
// the memory nor stalls the window.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>

#include <chrono>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

class TEepromWindow final : public QWidget {
    Q_OBJECT

public:
    // The lines the log keeps.
    static constexpr int kLogLines = 5000;

    // gracePeriod: how long Отмена waits after asking the programmer to stop before it kills it.
    TEepromWindow(QWidget* parent, std::chrono::milliseconds gracePeriod);
    ~TEepromWindow() override;

    // Shows the window and runs arguments[0] with the rest (UTF-8) in folder. Only while no
    // run is going on.
    void Start(const std::vector<std::string>& arguments, const QString& folder);
    bool Running() const { return FProcess.state() != QProcess::NotRunning; }
    // Asks the programmer and whatever it started to stop, then kills them after the grace
    // period.
    void Cancel();
    void ShowInFront();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Read();
    void Flush();
    void Finished(int exitCode, QProcess::ExitStatus status);
    void FailedToStart(const QString& reason);
    void Signal(int signal);

    std::chrono::milliseconds FGracePeriod;
    QProcess FProcess;
    qint64 FPid = 0; // the run's process and its group, from its start to its end
    QTimer* FKillTimer;
    QByteArray FPending; // read, not yet in the log
    bool FFlushQueued = false;
    QElapsedTimer FLastFlush; // since the last batch put into the log
    bool FCancelled = false;
    bool FPlaced = false;
    QPlainTextEdit* FOutput; // "ProgrammerOutput"
    QLabel* FStatus;         // "ProgrammerStatus"
    QPushButton* FCancel;    // "ProgrammerCancel"
};
