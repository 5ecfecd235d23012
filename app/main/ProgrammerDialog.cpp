// The programmer dialog's controls; the line is read by workbench/ProgrammerCommand.
#include "app/main/ProgrammerDialog.h"

#include "platform/ErrorGuard.h"
#include "platform/WindowStyle.h"
#include "workbench/ProgrammerCommand.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char* const kNote =
    "Подстановки: {bin} — образ программы (.bin, как после F9), {hex} — тот же образ в Intel "
    "HEX (.hex рядом с ним), {program} — файл программы. Команда запускается без оболочки: "
    "кавычки и \\ действуют как в ней, а |, >, ; и $ — нет.";

// The template whose line is command, else the user's own (the last).
int TemplateOf(const QString& command) {
    const auto templates = ProgrammerTemplates();
    for (std::size_t i = 0; i + 1 < templates.size(); ++i)
        if (command == QString::fromUtf8(templates[i].Command))
            return static_cast<int>(i);
    return static_cast<int>(templates.size()) - 1;
}

} // namespace

TProgrammerDialog::TProgrammerDialog(QWidget* parent, const QString& command) : QDialog(parent) {
    setObjectName(QStringLiteral("ProgrammerDialog"));
    setWindowTitle(QString::fromUtf8("Программатор EEPROM"));

    FTemplate = new QComboBox(this);
    FTemplate->setObjectName(QStringLiteral("ProgrammerTemplate"));
    for (const TProgrammerTemplate& t : ProgrammerTemplates())
        FTemplate->addItem(QString::fromUtf8(t.Caption));
    FTemplate->setCurrentIndex(TemplateOf(command));
    FCommand = new QLineEdit(command, this);
    FCommand->setObjectName(QStringLiteral("ProgrammerCommand"));
    auto* note = new QLabel(QString::fromUtf8(kNote), this);
    note->setObjectName(QStringLiteral("ProgrammerNote"));
    note->setWordWrap(true);
    FMessage = new QLabel(this);
    FMessage->setObjectName(QStringLiteral("ProgrammerMessage"));
    FMessage->setWordWrap(true);
    FMessage->setStyleSheet(QStringLiteral("color: #b00000"));
    FButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    FButtons->setObjectName(QStringLiteral("ProgrammerButtons"));
    FButtons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    FButtons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Отмена"));

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("Шаблон:"), FTemplate);
    form->addRow(QString::fromUtf8("Команда:"), FCommand);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(FMessage);
    layout->addStretch();
    layout->addWidget(FButtons);
    resize(FittingWindowSize(*this, QSize(560, sizeHint().height())));

    connect(FTemplate, &QComboBox::activated, this,
            Guarded([this](int index) { TemplateChosen(index); }));
    connect(FCommand, &QLineEdit::textEdited, this, Guarded([this] { CommandEdited(); }));
    connect(FButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(FButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TProgrammerDialog::Command() const {
    return FCommand->text();
}

void TProgrammerDialog::accept() {
    const TProgrammerCommand command = ReadProgrammerCommand(FCommand->text().toStdString());
    if (!command.Valid()) {
        FMessage->setText(QString::fromStdString(command.Error));
        FCommand->setFocus();
        return;
    }
    QDialog::accept();
}

void TProgrammerDialog::TemplateChosen(int index) {
    FCommand->setText(
        QString::fromUtf8(ProgrammerTemplates()[static_cast<std::size_t>(index)].Command));
    FMessage->clear();
    FCommand->setFocus();
}

void TProgrammerDialog::CommandEdited() {
    FMessage->clear();
    // A line changed by hand is the user's own unless it is a template's again.
    const QSignalBlocker blocker(FTemplate);
    FTemplate->setCurrentIndex(TemplateOf(FCommand->text()));
}
