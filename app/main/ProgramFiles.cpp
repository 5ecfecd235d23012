// The program file commands of the File menu: New, Open, Save as, Save, Close, Exit, and the
// question before the window closes; Program > Path.
//
// A text changed since it was loaded or saved is never dropped without a question: Close and
// Open first offer to save it. A file that cannot be written changes nothing but the disk, and
// the text then still counts as unsaved.
#include "app/main/MainWindow.h"

#include "app/main/RecoveryKeeper.h"
#include "platform/CodeMemoWidget.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QFile>

namespace {

const QString kProgramExtension = QStringLiteral(".tovix");
const QString kOpenFilter = QStringLiteral("Программы интерпритатора (*.tovix)");
const QString kSaveChangesQuestion = QStringLiteral("Программа изменена. Сохранить изменения?");
const QString kExitQuestion =
    QStringLiteral("Вы действительно хотите выйти? Всё несохранённые данные будут потеряны!");
// What Close leaves in ProgramPath; nothing reads it before New or Open sets it again.
const QString kClosedProgramPath = QStringLiteral("C:\\tovix.tovix");

// A file name as the operating system takes it.
std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void TMainWindow::SaveProgram(const QString& path) {
    Editor().Lines().SaveToFile(LocalPath(path));
    FProgram.Changed = false;
    FRecovery->Discard(path);
    RememberProgram(path);
}

bool TMainWindow::SaveChangesFirst() {
    if (!FProgram.Open || !FProgram.Changed)
        return true;
    switch (FDialogs.AskSaveChanges(kSaveChangesQuestion)) {
    case TSaveChanges::Save:
        // A save that fails raises its error, which ends the command that asked.
        SaveProgram(FProgram.ShownPath());
        return true;
    case TSaveChanges::Discard:
        return true;
    case TSaveChanges::Cancel:
        break;
    }
    return false;
}

void TMainWindow::NewProgram() {
    std::optional<QString> path = ChooseSavePath(FDialogs, kProgramExtension);
    if (!path)
        return;
    // The file is written first, so that a New that cannot write it changes nothing.
    SaveProgram(*path);
    SetProgramOpen(true);
    FSaveAsAction->setEnabled(true);
    FProgram.Path = *path;
    ResetBoardWindow();
    FEditor->setFocus();
}

void TMainWindow::ChooseProgramToOpen() {
    if (!SaveChangesFirst())
        return;
    std::optional<QString> name = FDialogs.GetOpenFileName(kOpenFilter);
    if (!name)
        return;
    OpenProgram(*name);
}

void TMainWindow::OpenProgram(const QString& fileName) {
    Editor().Lines().LoadFromFile(LocalPath(fileName));
    FRecovery->Discard(FProgram.ShownPath());
    RememberProgram(fileName);
    ForgetStopPoints();
    FProgram.Changed = false;
    FProgram.Path = fileName;
    // Save as keeps its state: it stays disabled unless New has run since the last Close.
    SetProgramOpen(true);
    ResetBoardWindow();
    FEditor->setFocus();
}

void TMainWindow::SaveProgramAs() {
    std::optional<QString> path = ChooseSavePath(FDialogs, kProgramExtension);
    if (!path)
        return;
    SaveProgram(*path);
    FProgram.Path = *path;
}

void TMainWindow::Save() {
    if (FProgram.Open)
        SaveProgram(FProgram.ShownPath());
}

void TMainWindow::CloseProgram() {
    if (!SaveChangesFirst())
        return;
    Editor().Lines().Clear();
    ForgetStopPoints();
    // Nothing of the closed program may be undone or redone into the next one.
    Editor().ClearUndo();
    FRecovery->Discard(FProgram.Path);
    SetProgramOpen(false);
    FSaveAsAction->setEnabled(false);
    FProgram.Path = kClosedProgramPath;
    FProgram.Changed = false;
    ResetBoardWindow();
}

void TMainWindow::Exit() {
    close();
}

bool TMainWindow::MayClose() {
    return !FProgram.Open || FDialogs.AskYesNoCancel(kExitQuestion) == TYesNoCancel::Yes;
}

void TMainWindow::ShowProgramPath() {
    FDialogs.ShowInformation(FProgram.ShownPath());
}
