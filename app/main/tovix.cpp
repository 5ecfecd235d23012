// tovix: the workbench. Creates the main window, the About window, the command reference and the
// program help, in this order, shows the main window and runs until it closes.
//
//   tovix [PROGRAM]
//
// With PROGRAM the workbench starts with that file open, as Open would open it. Then the unsaved
// changes a crashed instance left are offered (app/main/RecoveryOffer.cpp).
#include "app/main/MainWindow.h"
#include "platform/ErrorGuard.h"
#include "platform/GuardedApplication.h"
#include "platform/QtDialogs.h"
#include "platform/Shell.h"
#include "windows/AboutWindow.h"
#include "windows/CommandReference.h"
#include "windows/ProgramHelp.h"

#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
const char* const kUsage = "использование: tovix [ПРОГРАММА]\n";
} // namespace

int main(int argc, char** argv) {
    // A pipe written directly (Save onto a FIFO) whose reader goes away must fail the write,
    // reported as any write error, not end the workbench with the unsaved program.
    std::signal(SIGPIPE, SIG_IGN);
    // Help needs no display: it is answered before Qt looks for one.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    }
    GuardedApplication app(argc, argv);
    // The recovery files live in the application's data folder, ~/.local/share/TOVIX/TOVIX.
    QApplication::setOrganizationName(QStringLiteral("TOVIX"));
    QApplication::setApplicationName(QStringLiteral("TOVIX"));
    // The interface is Russian: so are the buttons and texts of Qt's own dialogs, where the
    // translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // Qt has taken its own options out of the arguments by now.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments.front().startsWith('-'))) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    bool created = false;
    QtShell shell;
    QtDialogs dialogs;
    std::unique_ptr<TMainWindow> mainWindow;
    std::unique_ptr<TAboutWindow> about;
    std::unique_ptr<TCommandReference> commands;
    std::unique_ptr<TProgramHelp> help;
    // A window that cannot be built is reported like any other error; without it there is no
    // workbench to run.
    RunGuarded([&] {
        mainWindow = std::make_unique<TMainWindow>(dialogs, shell);
        about = std::make_unique<TAboutWindow>(shell);
        commands = std::make_unique<TCommandReference>();
        help = std::make_unique<TProgramHelp>();
        mainWindow->SetHelpWindows(*about, *commands, *help);
        created = true;
    });
    if (!created)
        return 1;

    // Closing the main window ends the run, also while the help windows are open.
    QObject::connect(mainWindow.get(), &TMainWindow::Closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    mainWindow->show();
    if (!arguments.isEmpty())
        RunGuarded([&] { mainWindow->OpenProgram(arguments.front()); });
    // What a crash left unsaved is offered once the window shows, also over the program given.
    RunGuarded([&] { mainWindow->OfferRecovery(); });
    const int status = QApplication::exec();
    // The windows go in the reverse order of their making, before the application object.
    help.reset();
    commands.reset();
    about.reset();
    mainWindow.reset();
    return status;
}
