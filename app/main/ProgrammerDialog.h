// "Программатор…" and the first Записать в EEPROM: the command line of the EEPROM programmer,
// typed or taken from a ready-made template, with a note of its placeholders. OK takes only a
// line that can run: its fault is shown in the dialog instead.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

class TProgrammerDialog final : public QDialog {
    Q_OBJECT

public:
    TProgrammerDialog(QWidget* parent, const QString& command);

    // The command line as accepted.
    QString Command() const;

    void accept() override;

private:
    void TemplateChosen(int index);
    void CommandEdited();

    QComboBox* FTemplate;       // "ProgrammerTemplate"
    QLineEdit* FCommand;        // "ProgrammerCommand"
    QLabel* FMessage;           // "ProgrammerMessage": why the line cannot run
    QDialogButtonBox* FButtons; // "ProgrammerButtons"
};
