// Panel1, the port-data panel: eight bit boxes made into a hexadecimal operand for the data field
// of the insertion panel; and "Снять выделение", which removes the compile marks.
#include "app/main/MainWindow.h"

#include "app/panels/PortValue.h"
#include "base/Cp1251.h"
#include "compiler/MemoCompileTarget.h"
#include "platform/CodeMemoWidget.h"
#include "platform/ControlPlacement.h"
#include "platform/ErrorGuard.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// The bytes of a program line, kept beside its shown text in the scratch list so that the copy
// comes back byte for byte.
constexpr int kLineBytesRole = Qt::UserRole;

} // namespace

void TMainWindow::CreatePortPanel() {
    QWidget* panel = Panel1;
    Label1 = PlaceLabel(panel, "Label1", QStringLiteral("Данные порта"), {8, 8}, 11, false);
    Label8 = PlaceLabel(panel, "Label8", QString(), {88, 8}, 16, true);
    Button1 = new QPushButton(QStringLiteral("Переместить в нижнюю команду"), panel);
    Place(Button1, "Button1", {176, 8, 187, 25});
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));

    const struct {
        QCheckBox* TMainWindow::*Field;
        const char* Name;
        int Left;
        int Width;
    } boxes[] = {
        {&TMainWindow::CheckBox8, "CheckBox8", 8, 25},
        {&TMainWindow::CheckBox7, "CheckBox7", 48, 33},
        {&TMainWindow::CheckBox6, "CheckBox6", 96, 33},
        {&TMainWindow::CheckBox5, "CheckBox5", 144, 33},
        {&TMainWindow::CheckBox4, "CheckBox4", 192, 33},
        {&TMainWindow::CheckBox3, "CheckBox3", 240, 33},
        {&TMainWindow::CheckBox2, "CheckBox2", 288, 33},
        {&TMainWindow::CheckBox1, "CheckBox1", 328, 33},
    };
    int bit = 7;
    for (const auto& box : boxes) {
        auto* checkBox = new QCheckBox(QString::number(bit--), panel);
        Place(checkBox, box.Name, {box.Left, 40, box.Width, 17});
        this->*box.Field = checkBox;
    }
}

void TMainWindow::Button1Click() {
    const PortValue value =
        MakePortValue({CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked(),
                       CheckBox4->isChecked(), CheckBox5->isChecked(), CheckBox6->isChecked(),
                       CheckBox7->isChecked(), CheckBox8->isChecked()});
    Label8->setText(QString::fromStdString(value.Label8));
    Label8->adjustSize();
    Edit1->setText(QString::fromStdString(value.Edit1));
}

void TMainWindow::Button3Click() {
    TCodeMemoStrings& lines = Editor().Lines();
    ListBox3->clear();
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string_view bytes = lines.Line(i);
        auto* item = new QListWidgetItem(QString::fromStdString(Cp1251ToUtf8(bytes)), ListBox3);
        item->setData(kLineBytesRole,
                      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }

    // The text comes back as it was, so it counts as changed exactly when it did before.
    const bool changed = FProgramChanged;
    TMemoCompileTarget target(Editor());
    target.Clear();
    for (int i = 0; i < ListBox3->count(); ++i) {
        const QByteArray bytes = ListBox3->item(i)->data(kLineBytesRole).toByteArray();
        target.Add(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    FProgramChanged = changed;
}
