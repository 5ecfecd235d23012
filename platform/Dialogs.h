// The file dialogs and message boxes the workbench asks its questions through. The Qt
// implementation shows the real dialogs; tests answer them from a script (ScriptedDialogs).
#pragma once

#include <QString>

#include <optional>

class QDialog;

enum class TYesNoCancel { Yes, No, Cancel };
enum class TSaveChanges { Save, Discard, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The open dialog with one filter in Qt's form ("Description (*.ext)"). The name may be of
    // a file that does not exist. Nothing when the user cancels.
    virtual std::optional<QString> GetOpenFileName(const QString& filter) = 0;
    // The save dialog without filter, returning the name as chosen: no extension is added and
    // nothing is asked about existing files (ChooseSavePath does both).
    virtual std::optional<QString> GetSaveFileName() = 0;
    // The save dialog for an exported file: one filter, the suggested path filled in; the dialog
    // itself asks before an existing file is replaced. Nothing when the user cancels.
    virtual std::optional<QString> GetExportFileName(const QString& filter,
                                                     const QString& suggested) = 0;
    // Asks whether the existing file path may be replaced.
    virtual bool ConfirmReplace(const QString& path) = 0;

    // A plain message box with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // An information box with an OK button.
    virtual void ShowInformation(const QString& text) = 0;
    // A confirmation with the question icon and the buttons Yes, No and Cancel; closing the box
    // answers Cancel.
    virtual TYesNoCancel AskYesNoCancel(const QString& text) = 0;
    // The unsaved-changes question with the buttons Save, Discard and Cancel; closing the box
    // answers Cancel.
    virtual TSaveChanges AskSaveChanges(const QString& text) = 0;
    // A one-line text question with OK and Cancel; nothing when the user cancels.
    virtual std::optional<QString> AskText(const QString& label) = 0;
    // Runs a dialog of the workbench's own modally; true when the user accepted it.
    virtual bool RunModal(QDialog& dialog) = 0;
};

// name with extension appended, unless it already ends in it (in any letter case).
QString WithExtension(const QString& name, const QString& extension);

// The save dialog as New and Save as use it: the chosen name with the extension rule applied.
// When a file of that name exists the user is asked before it is replaced; "No" shows the
// dialog again. Nothing when the user cancels.
std::optional<QString> ChooseSavePath(Dialogs& dialogs, const QString& extension);
