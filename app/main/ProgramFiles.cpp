// The program file commands of the File menu: New, Open, Save as, Save, Close, Exit, and the
// question before the window closes; Program > Path.
//
// A text changed since it was loaded or saved is never dropped without a question: Close and
// Open first offer to save it. A file that cannot be written changes nothing but the disk, and
// the text then still counts as unsaved.
#include "app/main/MainWindow.h"

#include "platform/CodeMemoWidget.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>

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
    FProgramChanged = false;
}

bool TMainWindow::SaveChangesFirst() {
    if (!Memo1->isEnabled() || !FProgramChanged)
        return true;
    switch (FDialogs.AskSaveChanges(kSaveChangesQuestion)) {
    case TSaveChanges::Save:
        // A save that fails raises its error, which ends the command that asked.
        SaveProgram(Label7->text());
        return true;
    case TSaveChanges::Discard:
        return true;
    case TSaveChanges::Cancel:
        break;
    }
    return false;
}

void TMainWindow::N2Click() {
    std::optional<QString> path = ChooseSavePath(FDialogs, kProgramExtension);
    if (!path)
        return;
    // The file is written first, so that a New that cannot write it changes nothing.
    SaveProgram(*path);
    Memo1->setEnabled(true);
    SetProgramMenuEnabled(true);
    N6->setEnabled(true);
    Button2->setEnabled(true);
    FProgramPath = *path;
    Label7->setText(*path);
    ResetBoardWindow();
    Memo1->setFocus();
}

void TMainWindow::N5Click() {
    if (!SaveChangesFirst())
        return;
    std::optional<QString> name = FDialogs.GetOpenFileName(kOpenFilter);
    if (!name)
        return;
    OpenProgram(*name);
}

void TMainWindow::OpenProgram(const QString& fileName) {
    Editor().Lines().LoadFromFile(LocalPath(fileName));
    ForgetStopPoints();
    FProgramChanged = false;
    FProgramPath = fileName;
    Label7->setText(fileName);
    Memo1->setEnabled(true);
    Button2->setEnabled(true);
    SetProgramMenuEnabled(true);
    // Save as keeps its state: it stays disabled unless New has run since the last Close.
    ResetBoardWindow();
    Memo1->setFocus();
}

void TMainWindow::N6Click() {
    std::optional<QString> path = ChooseSavePath(FDialogs, kProgramExtension);
    if (!path)
        return;
    SaveProgram(*path);
    FProgramPath = *path;
    Label7->setText(*path);
}

void TMainWindow::N14Click() {
    if (Memo1->isEnabled())
        SaveProgram(Label7->text());
}

void TMainWindow::N7Click() {
    if (!SaveChangesFirst())
        return;
    Editor().Lines().Clear();
    ForgetStopPoints();
    // Nothing of the closed program may be undone or redone into the next one.
    Editor().ClearUndo();
    SetProgramMenuEnabled(false);
    N6->setEnabled(false);
    Button2->setEnabled(false);
    Memo1->setEnabled(false);
    Label7->setText(QString());
    FProgramPath = kClosedProgramPath;
    FProgramChanged = false;
    ResetBoardWindow();
}

void TMainWindow::N8Click() {
    close();
}

void TMainWindow::FormCloseQuery(bool& canClose) {
    if (Memo1->isEnabled())
        canClose = FDialogs.AskYesNoCancel(kExitQuestion) == TYesNoCancel::Yes;
}

void TMainWindow::N15Click() {
    FDialogs.ShowInformation(Label7->text());
}
