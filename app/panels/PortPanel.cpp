// The port-data panel's controls.
#include "app/panels/PortPanel.h"

#include "app/panels/PortValue.h"
#include "platform/ControlPlacement.h"
#include "platform/ErrorGuard.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor kPanelColour(231, 254, 203);

} // namespace

TPortPanel::TPortPanel(QWidget* parent) : QFrame(parent) {
    Place(this, "Panel1", {448, 56, 369, 89});
    StylePanel(*this, kPanelColour);
    PlaceLabel(this, "Label1", QStringLiteral("Данные порта"), {8, 8}, 11, false);
    FValueLabel = PlaceLabel(this, "Label8", QString(), {88, 8}, 16, true);
    auto* button = new QPushButton(QStringLiteral("Переместить в нижнюю команду"), this);
    Place(button, "Button1", {176, 8, 187, 25});
    connect(button, &QPushButton::clicked, this, Guarded([this] { MakeValue(); }));

    // Left to right: bit 7 ("CheckBox8") down to bit 0 ("CheckBox1").
    const struct {
        int Left;
        int Width;
    } places[] = {{8, 25},   {48, 33},  {96, 33},  {144, 33},
                  {192, 33}, {240, 33}, {288, 33}, {328, 33}};
    int bit = 7;
    for (const auto& place : places) {
        auto* box = new QCheckBox(QString::number(bit), this);
        const std::string name = "CheckBox" + std::to_string(bit + 1);
        Place(box, name.c_str(), {place.Left, 40, place.Width, 17});
        FBits[static_cast<std::size_t>(bit--)] = box;
    }
}

void TPortPanel::MakeValue() {
    std::array<bool, 8> checked{};
    for (std::size_t bit = 0; bit < FBits.size(); ++bit)
        checked[bit] = FBits[bit]->isChecked();
    const PortValue value = MakePortValue(checked);
    FValueLabel->setText(QString::fromStdString(value.Shown));
    FValueLabel->adjustSize();
    emit ValueMade(QString::fromStdString(value.Digits));
}
