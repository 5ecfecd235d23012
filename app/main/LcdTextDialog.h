// "Вставить текст для ЖКИ…": the dialog that takes a text and the display line it starts on,
// and names at once the characters the display cannot show, so that OK only takes a text the
// display shows as typed.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

class TLcdTextDialog final : public QDialog {
    Q_OBJECT

public:
    explicit TLcdTextDialog(QWidget* parent);

    // The program lines for the text and line chosen (Windows-1251): "lcdl2", then one
    // "lcdout_XX // C" per character; none while a character is missing or the text is empty.
    const std::vector<std::string>& Lines() const { return FLines; }

private:
    void TextChanged();

    QLineEdit* FText;           // "LcdText"
    QComboBox* FRow;            // "LcdRow": lines 1-4, then where the display's cursor is
    QLabel* FMessage;           // "LcdMessage": the characters the display lacks
    QDialogButtonBox* FButtons; // "LcdButtons"
    std::vector<std::string> FLines;
};
