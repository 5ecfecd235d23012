// The command-insertion panel ("Panel2"): the command catalogue, the operand fields (period,
// data, pin, goto address), "Вставить", which builds the line to append to the program, the
// meaning of that line's operands as they are typed, and the button of the LCD text dialog.
#pragma once

#include "app/panels/InsertionLine.h"

#include <QFrame>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class Dialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TInsertionPanel : public QFrame {
    Q_OBJECT

public:
    // dialogs (not owned) must outlive the panel.
    TInsertionPanel(Dialogs& dialogs, QWidget* parent);

    // The data field's text, as the port panel's value sets it.
    void SetData(const QString& digits);
    // "Вставить" and "Текст ЖКИ…" work only while a program is open.
    void SetInsertEnabled(bool enabled);
    // Where a label name in the goto address field finds its offset.
    void SetLabelOffsets(TLabelOffsets labels) { FLabels = std::move(labels); }

signals:
    // A catalogue entry was selected: its description.
    void DescriptionChosen(const QString& description);
    // "Вставить" built a line (Windows-1251 bytes) to append to the program.
    void LineBuilt(const std::string& line);
    // "Текст ЖКИ…" was pressed.
    void LcdTextAsked();

private:
    void ShowDescription();
    void Insert();
    // The line "Вставить" would build now; nothing when no entry is selected.
    std::optional<std::string> Line() const;
    // The meaning of that line's operands, under the catalogue.
    void ShowMeaning();
    // The selected catalogue entry, -1 when none is selected.
    int SelectedEntry() const;
    // The text of the entry selected in the pin field's list; empty when none is selected, as
    // after typing anything but a digit 0-7.
    QString PinDigit() const;

    Dialogs& FDialogs;
    QLineEdit* FPeriod;
    QLineEdit* FData;
    QComboBox* FPin;
    QLineEdit* FGotoAddress;
    QPushButton* FInsert;
    QPushButton* FLcdText;
    QLabel* FMeaning;
    QListWidget* FCatalogue;
    std::vector<std::string> FDescriptions; // one per catalogue entry
    bool FPinTypedOver = false;
    TLabelOffsets FLabels;
};
