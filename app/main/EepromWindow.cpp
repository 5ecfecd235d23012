// The EEPROM write window: the programmer run with QProcess, its output decoded line by line
// (UTF-8 where a line is valid UTF-8, else Windows-1251, which every byte is), and its outcome.
#include "app/main/EepromWindow.h"

#include "base/Cp1251.h"
#include "platform/ErrorGuard.h"
#include "platform/WindowStyle.h"
#include "workbench/ProgrammerCommand.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace {

// Output not yet shown is cut to its last part past this size: the log keeps only its last
// lines anyway.
constexpr qsizetype kMaxPending = 4 << 20;
constexpr qsizetype kKeptPending = 1 << 20;
// A line this long without an end is shown as it is.
constexpr qsizetype kLongestLine = 64 << 10;
// The shortest time between two batches of output put into the log, in milliseconds.
constexpr qint64 kFlushInterval = 50;

// One line of output as the terminal would leave it: what a carriage return overwrote is gone.
QString DecodedLine(QByteArrayView line) {
    if (line.endsWith('\r'))
        line.chop(1);
    if (const qsizetype cr = line.lastIndexOf('\r'); cr >= 0)
        line = line.sliced(cr + 1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(line);
    if (!utf8.hasError())
        return text;
    return QString::fromStdString(Cp1251ToUtf8(std::string_view(line.data(), line.size())));
}

// Why program cannot start, in the user's words; empty when it can be tried.
QString StartProblem(const QString& program) {
    if (!program.contains('/')) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            return QString::fromUtf8("программа «%1» не найдена.").arg(program);
        return {};
    }
    const QFileInfo file(program);
    if (!file.exists())
        return QString::fromUtf8("файл «%1» не найден.").arg(program);
    if (!file.isFile() || !file.isExecutable())
        return QString::fromUtf8("файл «%1» не исполняемый.").arg(program);
    return {};
}

} // namespace

TEepromWindow::TEepromWindow(QWidget* parent, std::chrono::milliseconds gracePeriod)
    : QWidget(parent, Qt::Window), FGracePeriod(gracePeriod), FKillTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("ProgrammerLog"));
    setWindowTitle(QString::fromUtf8("Запись в EEPROM"));

    FOutput = new QPlainTextEdit(this);
    FOutput->setObjectName(QStringLiteral("ProgrammerOutput"));
    FOutput->setReadOnly(true);
    FOutput->setMaximumBlockCount(kLogLines);
    FOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    FOutput->setFont(WindowFont(QStringLiteral("Courier New"), 13));
    FStatus = new QLabel(this);
    FStatus->setObjectName(QStringLiteral("ProgrammerStatus"));
    FStatus->setWordWrap(true);
    FCancel = new QPushButton(QString::fromUtf8("Отмена"), this);
    FCancel->setObjectName(QStringLiteral("ProgrammerCancel"));
    FCancel->setEnabled(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(FStatus, 1);
    bottom->addWidget(FCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FOutput, 1);
    layout->addLayout(bottom);
    resize(640, 400);

    FProcess.setProcessChannelMode(QProcess::MergedChannels);
    // A programmer that asks before writing reads the end of its input, not a wait.
    FProcess.setStandardInputFile(QProcess::nullDevice());
    // The programmer leads a process group of its own, so that Отмена also stops what a
    // wrapper script of it has started.
    FProcess.setChildProcessModifier([] { ::setpgid(0, 0); });
    FKillTimer->setSingleShot(true);
    connect(FKillTimer, &QTimer::timeout, this, [this] { Signal(SIGKILL); });
    connect(&FProcess, &QProcess::started, this, [this] { FPid = FProcess.processId(); });
    connect(&FProcess, &QProcess::readyReadStandardOutput, this, Guarded([this] { Read(); }));
    connect(&FProcess, &QProcess::finished, this,
            Guarded([this](int code, QProcess::ExitStatus status) { Finished(code, status); }));
    connect(&FProcess, &QProcess::errorOccurred, this, Guarded([this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            FailedToStart(FProcess.errorString());
    }));
    connect(FCancel, &QPushButton::clicked, this, Guarded([this] { Cancel(); }));
}

TEepromWindow::~TEepromWindow() {
    // The window goes with the workbench: a write still going on is stopped at once, and
    // QProcess reaps it.
    FProcess.disconnect(this);
    if (Running())
        Signal(SIGKILL);
}

void TEepromWindow::Start(const std::vector<std::string>& arguments, const QString& folder) {
    FCancelled = false;
    FPending.clear();
    FLastFlush.invalidate();
    FOutput->clear();
    QString shown;
    for (const std::string& argument : arguments)
        shown += QString::fromStdString(QuotedWord(argument)) + ' ';
    FOutput->appendPlainText(shown.trimmed());
    ShowInFront();

    const QString program = QString::fromStdString(arguments.front());
    if (const QString problem = StartProblem(program); !problem.isEmpty()) {
        FailedToStart(problem);
        return;
    }
    QStringList rest;
    for (std::size_t i = 1; i < arguments.size(); ++i)
        rest << QString::fromStdString(arguments[i]);
    FStatus->setText(QString::fromUtf8("Идёт запись…"));
    FCancel->setEnabled(true);
    FProcess.setWorkingDirectory(folder);
    FProcess.start(program, rest);
}

void TEepromWindow::Cancel() {
    if (!Running() || FCancelled)
        return;
    FCancelled = true;
    FStatus->setText(QString::fromUtf8("Запись прерывается…"));
    Signal(SIGTERM);
    FKillTimer->start(FGracePeriod);
}

void TEepromWindow::ShowInFront() {
    if (!FPlaced)
        resize(FittingWindowSize(*this, size()));
    ShowBesideParent(*this, FPlaced);
}

void TEepromWindow::closeEvent(QCloseEvent* event) {
    // Closing the window stops the write, as Отмена does.
    Cancel();
    event->accept();
}

void TEepromWindow::Signal(int signal) {
    if (FPid <= 0)
        return;
    // The group first; the process alone if it could not lead one.
    if (::kill(static_cast<pid_t>(-FPid), signal) != 0)
        ::kill(static_cast<pid_t>(FPid), signal);
}

void TEepromWindow::Read() {
    FPending += FProcess.readAllStandardOutput();
    if (FPending.size() > kMaxPending) {
        qsizetype from = FPending.size() - kKeptPending;
        if (const qsizetype lineEnd = FPending.indexOf('\n', from); lineEnd >= 0)
            from = lineEnd + 1;
        FPending.remove(0, from);
    }
    // Whatever has come goes into the log in one batch when the event loop turns, and at most
    // once in kFlushInterval while output keeps coming: a flood then costs a few batches of the
    // lines the log keeps, not one per read.
    if (!FFlushQueued) {
        FFlushQueued = true;
        const qint64 since = FLastFlush.isValid() ? FLastFlush.elapsed() : kFlushInterval;
        QTimer::singleShot(std::max<qint64>(0, kFlushInterval - since), this, Guarded([this] {
                               FFlushQueued = false;
                               FLastFlush.start();
                               Flush();
                           }));
    }
}

void TEepromWindow::Flush() {
    const bool ended = !Running();
    qsizetype end = ended ? FPending.size() : FPending.lastIndexOf('\n') + 1;
    if (end == 0 && FPending.size() > kLongestLine)
        end = FPending.size();
    if (end == 0)
        return;
    QByteArrayView chunk(FPending.constData(), end);
    if (chunk.endsWith('\n'))
        chunk.chop(1);
    // Only the lines the log would keep are decoded.
    qsizetype from = chunk.size();
    for (int lines = 0; lines < kLogLines && from > 0; ++lines) {
        const qsizetype lineEnd = chunk.first(from).lastIndexOf('\n');
        from = lineEnd < 0 ? 0 : lineEnd;
    }
    if (from > 0)
        ++from;
    QString text;
    for (QByteArrayView rest = chunk.sliced(from);;) {
        const qsizetype lineEnd = rest.indexOf('\n');
        text += DecodedLine(lineEnd < 0 ? rest : rest.first(lineEnd));
        if (lineEnd < 0)
            break;
        text += '\n';
        rest = rest.sliced(lineEnd + 1);
    }
    FPending.remove(0, end);
    FOutput->appendPlainText(text);
}

void TEepromWindow::Finished(int exitCode, QProcess::ExitStatus status) {
    FPending += FProcess.readAllStandardOutput();
    Flush();
    FKillTimer->stop();
    // What the programmer started and left running is stopped with it: its group only, as its
    // own process is gone.
    if (FCancelled && FPid > 0)
        ::kill(static_cast<pid_t>(-FPid), SIGKILL);
    FPid = 0;
    FCancel->setEnabled(false);
    if (FCancelled)
        FStatus->setText(QString::fromUtf8("Запись прервана."));
    else if (status == QProcess::CrashExit)
        FStatus->setText(QString::fromUtf8("Программатор завершился аварийно."));
    else if (exitCode == 0)
        FStatus->setText(QString::fromUtf8("Записано."));
    else
        FStatus->setText(QString::fromUtf8("Ошибка программатора: код %1.").arg(exitCode));
}

void TEepromWindow::FailedToStart(const QString& reason) {
    FKillTimer->stop();
    FCancel->setEnabled(false);
    FStatus->setText(QString::fromUtf8("Программатор не запущен: ") + reason);
}
