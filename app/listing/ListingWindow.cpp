// The listing window: a virtual table over the follower's listing.
#include "app/listing/ListingWindow.h"

#include "app/listing/ListingFollower.h"
#include "app/listing/ListingModel.h"
#include "platform/WindowStyle.h"
#include "windows/SizeInformation.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The settings group of the window's place.
const QString kPlaceGroup = QStringLiteral("ListingWindow");

} // namespace

TListingWindow::TListingWindow(TListingFollower& follower, const TCodeCustomMemo& memo,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), FFollower(follower) {
    setObjectName(QStringLiteral("ListingWindow"));
    setWindowTitle(QString::fromUtf8("Листинг"));

    FModel = new TListingModel(follower.Listing(), memo, this);
    FTable = new QTableView(this);
    FTable->setObjectName(QStringLiteral("ListingTable"));
    FTable->setModel(FModel);
    FTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    FTable->setSelectionMode(QAbstractItemView::SingleSelection);
    FTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTable->setWordWrap(false);
    FTable->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Fixed row heights and column widths: nothing is measured over a million rows.
    QHeaderView* rows = FTable->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(FTable->fontMetrics().height() + 4);
    QHeaderView* columns = FTable->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    const int digit = FTable->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    FTable->setColumnWidth(TListingModel::colAddress, digit * 6 + 8);
    FTable->setColumnWidth(TListingModel::colBytes, digit * 10 + 8);
    FTable->setColumnWidth(TListingModel::colLine, digit * 8 + 8);
    FTable->setColumnWidth(TListingModel::colText, digit * 30 + 8);

    FFooter = new QLabel(this);
    FFooter->setObjectName(QStringLiteral("ListingFooter"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(FTable);
    layout->addWidget(FFooter);
    resize(digit * 96, 480);

    const auto choose = [this](const QModelIndex& index) {
        emit LineChosen(FModel->LineOfRow(index.row()));
    };
    connect(FTable, &QTableView::clicked, this, choose);
    connect(FTable, &QTableView::activated, this, choose);
    connect(&follower, &TListingFollower::Updated, this, &TListingWindow::ListingUpdated);
    connect(&follower, &TListingFollower::Outdated, this, [this] { UpdateFooter(true); });
    UpdateFooter(!follower.IsCurrent());
}

TListingWindow::~TListingWindow() {
    // A window that has been shown comes back at its place next time, also after a restart.
    if (FPlaced)
        SaveWindowPlace(*this, kPlaceGroup);
}

void TListingWindow::ShowBeside() {
    FFollower.ListSoon();
    // Where the user left it last time, else beside the main window.
    if (!FPlaced)
        FPlaced = RestoreWindowPlace(*this, kPlaceGroup);
    ShowBesideParent(*this, FPlaced);
    ShowCaretLine(FCaretLine);
}

void TListingWindow::ListingUpdated() {
    FModel->Refresh();
    UpdateFooter(false);
    ShowCaretLine(FCaretLine);
}

void TListingWindow::ShowCaretLine(int line) {
    FCaretLine = line;
    if (!isVisible())
        return;
    int row = FFollower.Listing().EntryOfLine(line);
    QItemSelectionModel* selection = FTable->selectionModel();
    if (row < 0 || row >= FModel->rowCount()) {
        selection->clearSelection();
        return;
    }
    QModelIndex index = FModel->index(row, 0);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    FTable->scrollTo(index, QAbstractItemView::EnsureVisible);
}

void TListingWindow::UpdateFooter(bool outdated) {
    const TProgramListing& listing = FFollower.Listing();
    QString text = SizeInformationText(listing.Counters.CommandCount, listing.Counters.ProgramSize);
    if (!listing.Faults.empty())
        text += QString::fromUtf8(". Строк с неверными данными: %1").arg(listing.Faults.size());
    if (!listing.Warnings.empty())
        text += QString::fromUtf8(". Предупреждений: %1").arg(listing.Warnings.size());
    // Everything the editor underlines: faulty operands, and the goto, label and
    // passed-over-line warnings.
    const std::size_t warnings = listing.Warnings.size() + listing.PassedOver.size();
    if (!listing.Faults.empty() || warnings > 0)
        text += QString::fromUtf8(". Проблем: %1 (ошибок: %2, предупреждений: %3)")
                    .arg(listing.Faults.size() + warnings)
                    .arg(listing.Faults.size())
                    .arg(warnings);
    if (outdated)
        text += QString::fromUtf8(" (обновляется…)");
    FFooter->setText(text);
}
