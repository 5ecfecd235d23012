// Dialogs answered from a script, for tests: each question takes the next answer queued for its
// kind, and every call is logged in order with the text it was given.
#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedDialogs final : public Dialogs {
public:
    enum class TKind {
        Open,
        Save,
        Replace,
        Message,
        Information,
        YesNoCancel,
        SaveChanges,
        Text,
        Export,
        Modal
    };
    // One call: its kind and its text (the filter, the path or the message; empty for Save; the
    // object name of a modal dialog).
    struct TCall {
        TKind Kind;
        QString Text;
        bool operator==(const TCall&) const = default;
    };

    // Answers, taken in the order given by the calls of their kind. nullopt cancels a file
    // dialog.
    void AnswerOpen(std::optional<QString> name) { FOpen.push_back(std::move(name)); }
    void AnswerSave(std::optional<QString> name) { FSave.push_back(std::move(name)); }
    void AnswerReplace(bool replace) { FReplace.push_back(replace); }
    void AnswerYesNoCancel(TYesNoCancel answer) { FYesNoCancel.push_back(answer); }
    void AnswerSaveChanges(TSaveChanges answer) { FSaveChanges.push_back(answer); }
    void AnswerText(std::optional<QString> text) { FText.push_back(std::move(text)); }
    void AnswerExport(std::optional<QString> name) { FExport.push_back(std::move(name)); }
    // A modal dialog of the workbench's own is shown, not run: the script fills its controls
    // and presses its buttons as the user would, and the dialog's result is the answer.
    void AnswerModal(std::function<void(QDialog&)> script) { FModal.push_back(std::move(script)); }

    const std::vector<TCall>& Calls() const { return FCalls; }
    // True when every queued answer has been asked for.
    bool AllAnswered() const;

    // A question with no answer queued throws std::logic_error, which fails the test through the
    // error guard like any other error.
    std::optional<QString> GetOpenFileName(const QString& filter) override;
    std::optional<QString> GetSaveFileName() override;
    // Logged with the suggested path as its text.
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
    std::deque<std::optional<QString>> FOpen, FSave, FText, FExport;
    std::deque<bool> FReplace;
    std::deque<TYesNoCancel> FYesNoCancel;
    std::deque<TSaveChanges> FSaveChanges;
    std::deque<std::function<void(QDialog&)>> FModal;
    std::vector<TCall> FCalls;
};
