// The Qt file dialogs and message boxes.
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

std::optional<QString> RunFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QString Title() {
    return QGuiApplication::applicationDisplayName();
}

} // namespace

std::optional<QString> QtDialogs::GetOpenFileName(const QString& filter) {
    QFileDialog dialog(FParent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name of a file that does not exist is accepted; reading it reports the error.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    return RunFileDialog(dialog);
}

std::optional<QString> QtDialogs::GetSaveFileName() {
    QFileDialog dialog(FParent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The replace question is asked by ChooseSavePath about the name with its extension, which
    // is not always the name the dialog sees.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return RunFileDialog(dialog);
}

std::optional<QString> QtDialogs::GetExportFileName(const QString& filter,
                                                    const QString& suggested) {
    QFileDialog dialog(FParent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.selectFile(suggested);
    return RunFileDialog(dialog);
}

bool QtDialogs::ConfirmReplace(const QString& path) {
    QMessageBox box(QMessageBox::Question, Title(),
                    QStringLiteral("Файл «%1» уже существует. Заменить его?").arg(path),
                    QMessageBox::Yes | QMessageBox::No, FParent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Title(), text, QMessageBox::Ok, FParent);
    box.exec();
}

void QtDialogs::ShowInformation(const QString& text) {
    QMessageBox box(QMessageBox::Information, Title(), text, QMessageBox::Ok, FParent);
    box.exec();
}

TYesNoCancel QtDialogs::AskYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, Title(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, FParent);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TYesNoCancel::Yes;
    case QMessageBox::No:
        return TYesNoCancel::No;
    default:
        return TYesNoCancel::Cancel;
    }
}

TSaveChanges QtDialogs::AskSaveChanges(const QString& text) {
    QMessageBox box(QMessageBox::Question, Title(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, FParent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return TSaveChanges::Save;
    case QMessageBox::Discard:
        return TSaveChanges::Discard;
    default:
        return TSaveChanges::Cancel;
    }
}

bool QtDialogs::RunModal(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtDialogs::AskText(const QString& label) {
    bool ok = false;
    QString text =
        QInputDialog::getText(FParent, Title(), label, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}
