// The workbench as tovix builds it, with scripted dialogs, a recording shell and a recording
// error box, for driving the real windows from a test.
#pragma once

#include "app/Unit1.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"
#include "support/Recorders.h"
#include "support/ScriptedDialogs.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

#include <string>
#include <vector>

struct Workbench {
    ScriptedDialogs Dialogs;
    RecordingShell Shell;
    RecordingErrorBox Errors;
    ScopedErrorBox ScopedErrors{Errors};
    TForm1 Form1{Dialogs, Shell};
    TForm2 Form2{Shell};
    TForm3 Form3;
    TForm4 Form4;

    Workbench() { Form1.SetHelpWindows(Form2, Form3, Form4); }

    // Shows the main window and makes it the active one, so that its shortcuts work.
    bool Show() {
        Form1.show();
        Form1.activateWindow();
        return QTest::qWaitForWindowActive(&Form1);
    }

    std::vector<std::string> Lines() { return Form1.Editor().Lines().ToVector(); }

    // File > Open with the dialog answering path.
    void Open(const std::string& path) {
        Dialogs.AnswerOpen(QString::fromStdString(path));
        Form1.N5->trigger();
    }
    // File > New with the save dialog answering name.
    void New(const std::string& name) {
        Dialogs.AnswerSave(QString::fromStdString(name));
        Form1.N2->trigger();
    }

    // The lines carrying a compile mark.
    std::vector<int> MarkedLines() {
        std::vector<int> marked;
        TCodeMemoStrings& lines = Form1.Editor().Lines();
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
