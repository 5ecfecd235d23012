// Scripted answers and the call log.
#include "support/ScriptedDialogs.h"

#include <QDialog>

#include <stdexcept>

namespace {

template <class T> T Take(std::deque<T>& answers, const char* question) {
    if (answers.empty())
        throw std::logic_error(std::string("no scripted answer for ") + question);
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

bool ScriptedDialogs::AllAnswered() const {
    return FOpen.empty() && FSave.empty() && FReplace.empty() && FYesNoCancel.empty() &&
           FSaveChanges.empty() && FText.empty() && FExport.empty() && FModal.empty();
}

std::optional<QString> ScriptedDialogs::GetOpenFileName(const QString& filter) {
    FCalls.push_back({TKind::Open, filter});
    return Take(FOpen, "the open dialog");
}

std::optional<QString> ScriptedDialogs::GetSaveFileName() {
    FCalls.push_back({TKind::Save, {}});
    return Take(FSave, "the save dialog");
}

bool ScriptedDialogs::ConfirmReplace(const QString& path) {
    FCalls.push_back({TKind::Replace, path});
    return Take(FReplace, "the replace question");
}

void ScriptedDialogs::ShowMessage(const QString& text) {
    FCalls.push_back({TKind::Message, text});
}

void ScriptedDialogs::ShowInformation(const QString& text) {
    FCalls.push_back({TKind::Information, text});
}

TYesNoCancel ScriptedDialogs::AskYesNoCancel(const QString& text) {
    FCalls.push_back({TKind::YesNoCancel, text});
    return Take(FYesNoCancel, "the Yes/No/Cancel question");
}

TSaveChanges ScriptedDialogs::AskSaveChanges(const QString& text) {
    FCalls.push_back({TKind::SaveChanges, text});
    return Take(FSaveChanges, "the unsaved-changes question");
}

std::optional<QString> ScriptedDialogs::AskText(const QString& label) {
    FCalls.push_back({TKind::Text, label});
    return Take(FText, "the text question");
}

bool ScriptedDialogs::RunModal(QDialog& dialog) {
    FCalls.push_back({TKind::Modal, dialog.objectName()});
    std::function<void(QDialog&)> script = Take(FModal, "the modal dialog");
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    script(dialog);
    dialog.hide();
    return dialog.result() == QDialog::Accepted;
}

std::optional<QString> ScriptedDialogs::GetExportFileName(const QString&,
                                                          const QString& suggested) {
    FCalls.push_back({TKind::Export, suggested});
    return Take(FExport, "the export dialog");
}
