// The LCD text dialog's controls; the lines come from board/LcdText.
#include "app/main/LcdTextDialog.h"

#include "board/BoardConstants.h"
#include "board/LcdText.h"
#include "platform/ErrorGuard.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLcdTextDialog::TLcdTextDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LcdTextDialog"));
    setWindowTitle(QString::fromUtf8("Текст для ЖКИ"));

    FText = new QLineEdit(this);
    FText->setObjectName(QStringLiteral("LcdText"));
    // One line of the display.
    FText->setMaxLength(kBoard.LcdColumns);
    FRow = new QComboBox(this);
    FRow->setObjectName(QStringLiteral("LcdRow"));
    for (int row = 1; row <= kBoard.LcdRows; ++row)
        FRow->addItem(QString::fromUtf8("строка %1").arg(row), row);
    FRow->addItem(QString::fromUtf8("где стоит курсор ЖКИ"), 0);
    FMessage = new QLabel(this);
    FMessage->setObjectName(QStringLiteral("LcdMessage"));
    FMessage->setWordWrap(true);
    FButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    FButtons->setObjectName(QStringLiteral("LcdButtons"));
    FButtons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    FButtons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Отмена"));

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("Текст:"), FText);
    form->addRow(QString::fromUtf8("Строка ЖКИ:"), FRow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(FMessage);
    layout->addWidget(FButtons);
    setFixedWidth(sizeHint().width() + 80);

    connect(FText, &QLineEdit::textChanged, this, Guarded([this] { TextChanged(); }));
    connect(FRow, &QComboBox::currentIndexChanged, this, Guarded([this] { TextChanged(); }));
    connect(FButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(FButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    TextChanged();
}

void TLcdTextDialog::TextChanged() {
    const std::u32string text = FText->text().toStdU32String();
    TLcdTextLines lines = LcdTextLines(text, FRow->currentData().toInt());
    FLines = std::move(lines.Lines);
    FMessage->setText(lines.Missing.empty()
                          ? QString()
                          : QString::fromStdString(MissingCharactersMessage(lines.Missing)));
    FButtons->button(QDialogButtonBox::Ok)->setEnabled(!FLines.empty());
}
