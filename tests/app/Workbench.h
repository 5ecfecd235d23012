// The workbench as tovix builds it, with scripted dialogs, a recording shell and a recording
// error box, for driving the real windows from a test.
#pragma once

#include "app/main/MainWindow.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"
#include "support/Recorders.h"
#include "support/ScriptedDialogs.h"
#include "windows/AboutWindow.h"
#include "windows/CommandReference.h"
#include "windows/ProgramHelp.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

// The control of window with that object name, as outside tools find it. A missing one fails
// the test at once.
template <typename T> T* Child(const QObject& window, const char* name) {
    T* child = window.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return child;
}

// The test process's configuration folder, empty at its start: nothing the user or another test
// has saved reaches the windows. Settings saved in the process stay for its later windows, as
// over a restart. Set before the first QSettings, which fixes the folder for the process.
inline QString ScratchConfiguration() {
    static QTemporaryDir folder;
    static const bool set = qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    return set ? folder.path() : QString();
}

struct Workbench {
    QString Configuration = ScratchConfiguration();
    ScriptedDialogs Dialogs;
    RecordingShell Shell;
    RecordingErrorBox Errors;
    ScopedErrorBox ScopedErrors{Errors};
    TMainWindow Main{Dialogs, Shell};
    TAboutWindow About{Shell};
    TCommandReference Commands;
    TProgramHelp Help;

    Workbench() { Main.SetHelpWindows(About, Commands, Help); }

    // Shows the main window and makes it the active one, so that its shortcuts work.
    bool Show() {
        Main.show();
        Main.activateWindow();
        return QTest::qWaitForWindowActive(&Main);
    }

    std::vector<std::string> Lines() { return Main.Editor().Lines().ToVector(); }

    // File > Open with the dialog answering path.
    void Open(const std::string& path) {
        Dialogs.AnswerOpen(QString::fromStdString(path));
        Child<QAction>(Main, "N5")->trigger();
    }
    // File > New with the save dialog answering name.
    void New(const std::string& name) {
        Dialogs.AnswerSave(QString::fromStdString(name));
        Child<QAction>(Main, "N2")->trigger();
    }

    // The lines carrying a compile mark.
    std::vector<int> MarkedLines() {
        std::vector<int> marked;
        TCodeMemoStrings& lines = Main.Editor().Lines();
        for (int i = 0; i < lines.Count(); ++i)
            if (const TLineProp* prop = lines.GetLineProp(i); prop && prop->Breakpoint)
                marked.push_back(i);
        return marked;
    }

    // The texts of the plain message boxes shown so far.
    QStringList Messages() const {
        QStringList texts;
        for (const auto& call : Dialogs.Calls())
            if (call.Kind == ScriptedDialogs::TKind::Message)
                texts << call.Text;
        return texts;
    }
};

inline std::vector<std::string> Strings(std::initializer_list<const char*> lines) {
    return std::vector<std::string>(lines.begin(), lines.end());
}
