// The command-insertion panel's controls and its line building.
#include "app/panels/InsertionPanel.h"

#include "app/panels/InsertionLine.h"
#include "base/Errors.h"
#include "board/OperandMeaning.h"
#include "compiler/CommandSet.h"
#include "platform/ControlPlacement.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "platform/WindowStyle.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

const QColor kPanelColour(226, 239, 254);

// Rows of a fixed height, whatever the font asks for.
class TFixedRowDelegate final : public QStyledItemDelegate {
public:
    TFixedRowDelegate(int rowHeight, QObject* parent)
        : QStyledItemDelegate(parent), FRowHeight(rowHeight) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), FRowHeight);
    }

private:
    int FRowHeight;
};

// The command catalogue. Qt makes its first entry current, unselected, when the list takes the
// focus; Down would then select the second entry, so while the current entry is unselected
// Down selects it instead.
class TCatalogueList final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::MoveToNextLine) && currentItem() &&
            !currentItem()->isSelected()) {
            setCurrentItem(currentItem(), QItemSelectionModel::ClearAndSelect);
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

QLineEdit* PlaceEdit(QWidget* parent, const char* name, const QRect& geometry, const char* text,
                     int maxLength) {
    auto* edit = new QLineEdit(QString::fromUtf8(text), parent);
    Place(edit, name, geometry);
    edit->setMaxLength(maxLength);
    return edit;
}

template <typename List = QListWidget>
QListWidget* PlaceList(QWidget* parent, const char* name, const QRect& geometry,
                       const std::vector<std::string>& items) {
    auto* list = new List(parent);
    Place(list, name, geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& item : items)
        list->addItem(QString::fromStdString(item));
    return list;
}

} // namespace

TInsertionPanel::TInsertionPanel(Dialogs& dialogs, QWidget* parent)
    : QFrame(parent), FDialogs(dialogs), FDescriptions(CatalogueDescriptions()) {
    Place(this, "Panel2", {448, 152, 369, 209});
    StylePanel(*this, kPanelColour);
    // The meaning of the operands of the line "Вставить" would build, beside the fields, in the
    // room between them and the catalogue.
    FMeaning = new QLabel(this);
    Place(FMeaning, "PanelMeaning", {116, 64, 66, 70});
    FMeaning->setFont(WindowFont(kWindowFontFamily, 11));
    FMeaning->setWordWrap(true);
    FMeaning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceLabel(this, "Label2", QStringLiteral("Команда"), {8, 8}, 16, true);
    PlaceLabel(this, "Label11", QStringLiteral("Период (00-FF)"), {8, 40}, 13, true);
    FPeriod = PlaceEdit(this, "Edit3", {128, 40, 33, 21}, "30", 2);
    PlaceLabel(this, "Label5", QStringLiteral("Данные"), {8, 72}, 13, true);
    FData = PlaceEdit(this, "Edit1", {80, 72, 33, 21}, "00", 2);
    PlaceLabel(this, "Label10", QStringLiteral("№ пина"), {8, 104}, 13, true);

    FPin = new QComboBox(this);
    Place(FPin, "ComboBox1", {80, 104, 33, 21});
    FPin->setEditable(true);
    // Typed text stays in the edit field and never becomes an entry of the list.
    FPin->setInsertPolicy(QComboBox::NoInsert);
    for (char pin = '0'; pin <= '7'; ++pin)
        FPin->addItem(QString(QLatin1Char(pin)));
    FPin->setCurrentIndex(0);
    // A typed digit 0-7 selects its entry at once, so that the line does not depend on whether
    // the field loses the focus before the press; any other typed text leaves no entry
    // selected, and the line then gets no pin digit.
    connect(FPin->lineEdit(), &QLineEdit::textEdited, this, Guarded([this](const QString& text) {
                const int index = FPin->findText(text);
                if (index >= 0)
                    FPin->setCurrentIndex(index);
                FPinTypedOver = index < 0;
                ShowMeaning();
            }));
    connect(FPin, &QComboBox::currentIndexChanged, this, Guarded([this] {
                FPinTypedOver = false;
                ShowMeaning();
            }));
    connect(FPin, &QComboBox::activated, this, Guarded([this] {
                FPinTypedOver = false;
                ShowMeaning();
            }));

    PlaceLabel(this, "Label9", QStringLiteral("Данные goto"), {8, 136}, 13, true);
    // Four hex digits, or the name of a label (see ResolveGotoField).
    FGotoAddress = PlaceEdit(this, "Edit2", {112, 136, 33, 21}, "0000", 4);

    FInsert = new QPushButton(QStringLiteral("Вставить"), this);
    Place(FInsert, "Button2", {8, 168, 75, 25});
    connect(FInsert, &QPushButton::clicked, this, Guarded([this] { Insert(); }));
    FLcdText = new QPushButton(QString::fromUtf8("Текст ЖКИ…"), this);
    Place(FLcdText, "Button4", {91, 168, 85, 25});
    connect(FLcdText, &QPushButton::clicked, this, &TInsertionPanel::LcdTextAsked);

    FCatalogue =
        PlaceList<TCatalogueList>(this, "ListBox1", {184, 16, 169, 185}, CatalogueMnemonics());
    FCatalogue->setFont(WindowFont(kWindowFontFamily, 13, true));
    FCatalogue->setItemDelegate(new TFixedRowDelegate(16, FCatalogue));
    FCatalogue->setUniformItemSizes(true);
    // Mouse and keyboard alike change the selection.
    connect(FCatalogue, &QListWidget::itemSelectionChanged, this, Guarded([this] {
                ShowDescription();
                ShowMeaning();
            }));

    for (QLineEdit* field : {FPeriod, FData, FGotoAddress})
        connect(field, &QLineEdit::textChanged, this, Guarded([this] { ShowMeaning(); }));
}

void TInsertionPanel::SetData(const QString& digits) {
    FData->setText(digits);
}

void TInsertionPanel::SetInsertEnabled(bool enabled) {
    FInsert->setEnabled(enabled);
    FLcdText->setEnabled(enabled);
}

int TInsertionPanel::SelectedEntry() const {
    const QListWidgetItem* item = FCatalogue->currentItem();
    return item && item->isSelected() ? FCatalogue->row(item) : -1;
}

QString TInsertionPanel::PinDigit() const {
    if (FPinTypedOver || FPin->currentIndex() < 0)
        return QString();
    return FPin->itemText(FPin->currentIndex());
}

void TInsertionPanel::ShowDescription() {
    const int index = SelectedEntry();
    // The selection can only be cleared by a Ctrl+click; the description then stays.
    if (index < 0)
        return;
    if (static_cast<std::size_t>(index) >= FDescriptions.size())
        throw EListError(index);
    emit DescriptionChosen(QString::fromStdString(FDescriptions[static_cast<std::size_t>(index)]));
}

std::optional<std::string> TInsertionPanel::Line() const {
    std::vector<std::string> catalogue;
    catalogue.reserve(static_cast<std::size_t>(FCatalogue->count()));
    for (int i = 0; i < FCatalogue->count(); ++i)
        catalogue.push_back(FCatalogue->item(i)->text().toStdString());

    std::string address = FGotoAddress->text().toStdString();
    const int entry = SelectedEntry();
    if (entry >= 0 && entry < FCatalogue->count() && FCatalogue->item(entry)->text() == "goto") {
        address = ResolveGotoField(address, FLabels);
    }
    const InsertionFields fields{FData->text().toStdString(), address,
                                 FPeriod->text().toStdString(), PinDigit().toStdString()};
    return BuildInsertionLine(catalogue, SelectedEntry(), fields);
}

void TInsertionPanel::ShowMeaning() {
    const std::optional<std::string> line = Line();
    const QString meaning = line ? QString::fromStdString(LineMeaning(*line)) : QString();
    FMeaning->setText(meaning);
    FMeaning->setToolTip(meaning);
}

void TInsertionPanel::Insert() {
    const std::optional<std::string> line = Line();
    if (!line) {
        FDialogs.ShowMessage(QString::fromUtf8(
            kNoCommandSelectedText.data(), static_cast<qsizetype>(kNoCommandSelectedText.size())));
        return;
    }
    emit LineBuilt(*line);
}
