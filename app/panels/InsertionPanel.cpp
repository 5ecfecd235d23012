// Panel2, the command-insertion panel: the command catalogue with its description line, the
// operand fields and "Вставить", which appends the built line to the program.
#include "app/main/MainWindow.h"

#include "app/panels/InsertionLine.h"
#include "base/Errors.h"
#include "compiler/CommandSet.h"
#include "platform/CodeMemoWidget.h"
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

void TMainWindow::CreateInsertionPanel() {
    QWidget* panel = Panel2;
    Label2 = PlaceLabel(panel, "Label2", QStringLiteral("Команда"), {8, 8}, 16, true);
    Label11 = PlaceLabel(panel, "Label11", QStringLiteral("Период (00-FF)"), {8, 40}, 13, true);
    Edit3 = PlaceEdit(panel, "Edit3", {128, 40, 33, 21}, "30", 2);
    Label5 = PlaceLabel(panel, "Label5", QStringLiteral("Данные"), {8, 72}, 13, true);
    Edit1 = PlaceEdit(panel, "Edit1", {80, 72, 33, 21}, "00", 2);
    Label10 = PlaceLabel(panel, "Label10", QStringLiteral("№ пина"), {8, 104}, 13, true);

    ComboBox1 = new QComboBox(panel);
    Place(ComboBox1, "ComboBox1", {80, 104, 33, 21});
    ComboBox1->setEditable(true);
    // Typed text stays in the edit field and never becomes an entry of the list.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (char pin = '0'; pin <= '7'; ++pin)
        ComboBox1->addItem(QString(QLatin1Char(pin)));
    ComboBox1->setCurrentIndex(0);
    // A typed digit 0-7 selects its entry at once, so that the line does not depend on whether
    // the field loses the focus before the press; any other typed text leaves no entry
    // selected, and the line then gets no pin digit.
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this,
            Guarded([this](const QString& text) {
                const int index = ComboBox1->findText(text);
                if (index >= 0)
                    ComboBox1->setCurrentIndex(index);
                FPinTypedOver = index < 0;
            }));
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            Guarded([this] { FPinTypedOver = false; }));
    connect(ComboBox1, &QComboBox::activated, this, Guarded([this] { FPinTypedOver = false; }));

    Label9 = PlaceLabel(panel, "Label9", QStringLiteral("Данные goto"), {8, 136}, 13, true);
    Edit2 = PlaceEdit(panel, "Edit2", {112, 136, 33, 21}, "0000", 4);

    Button2 = new QPushButton(QStringLiteral("Вставить"), panel);
    Place(Button2, "Button2", {8, 168, 75, 25});
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));

    ListBox1 =
        PlaceList<TCatalogueList>(panel, "ListBox1", {184, 16, 169, 185}, CatalogueMnemonics());
    ListBox1->setFont(WindowFont(kWindowFontFamily, 13, true));
    ListBox1->setItemDelegate(new TFixedRowDelegate(16, ListBox1));
    ListBox1->setUniformItemSizes(true);
    // Mouse and keyboard alike change the selection.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this,
            Guarded([this] { ListBox1Click(); }));

    ListBox2 = PlaceList(panel, "ListBox2", {200, 248, 121, 97}, CatalogueDescriptions());
    ListBox2->hide();
}

int TMainWindow::ListBox1ItemIndex() const {
    const QListWidgetItem* item = ListBox1->currentItem();
    return item && item->isSelected() ? ListBox1->row(item) : -1;
}

QString TMainWindow::PinDigit() const {
    if (FPinTypedOver || ComboBox1->currentIndex() < 0)
        return QString();
    return ComboBox1->itemText(ComboBox1->currentIndex());
}

void TMainWindow::ListBox1Click() {
    const int index = ListBox1ItemIndex();
    // The selection can only be cleared by a Ctrl+click; the description then stays.
    if (index < 0)
        return;
    const QListWidgetItem* description = ListBox2->item(index);
    if (!description)
        throw EListError(index);
    Label4->setText(description->text());
    Label4->adjustSize();
}

void TMainWindow::Button2Click() {
    std::vector<std::string> catalogue;
    catalogue.reserve(static_cast<std::size_t>(ListBox1->count()));
    for (int i = 0; i < ListBox1->count(); ++i)
        catalogue.push_back(ListBox1->item(i)->text().toStdString());

    const InsertionFields fields{Edit1->text().toStdString(), Edit2->text().toStdString(),
                                 Edit3->text().toStdString(), PinDigit().toStdString()};
    const std::optional<std::string> line =
        BuildInsertionLine(catalogue, ListBox1ItemIndex(), fields);
    if (!line) {
        FDialogs.ShowMessage(QString::fromUtf8(
            kNoCommandSelectedText.data(), static_cast<qsizetype>(kNoCommandSelectedText.size())));
        return;
    }
    Editor().Lines().Add(*line);
}
