// Dialogs shown with QFileDialog and QMessageBox.
#pragma once

#include "platform/Dialogs.h"

class QWidget;

class QtDialogs final : public Dialogs {
public:
    // parent (not owned) is the window the dialogs are modal to; nullptr: the whole application.
    explicit QtDialogs(QWidget* parent = nullptr) : FParent(parent) {}

    std::optional<QString> GetOpenFileName(const QString& filter) override;
    std::optional<QString> GetSaveFileName() override;
    std::optional<QString> GetExportFileName(const QString& filter,
                                             const QString& suggested) override;
    bool ConfirmReplace(const QString& path) override;
    void ShowMessage(const QString& text) override;
    void ShowInformation(const QString& text) override;
    TYesNoCancel AskYesNoCancel(const QString& text) override;
    TSaveChanges AskSaveChanges(const QString& text) override;
    std::optional<QString> AskText(const QString& label) override;
    bool RunModal(QDialog& dialog) override;

private:
    QWidget* FParent;
};
