// The listing's cells: hex offsets and bytes, line numbers, the editor's live line texts after
// the labels that mark their commands, and the goto targets, with faults and warnings in red.
#include "app/listing/ListingModel.h"

#include "app/listing/JumpNote.h"
#include "base/Cp1251.h"
#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"
#include "platform/HexText.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace {

const QColor kWarningColour(0xC0, 0x00, 0x00);

} // namespace

TListingModel::TListingModel(const TProgramListing& listing, const TCodeCustomMemo& memo,
                             QObject* parent)
    : QAbstractTableModel(parent), FListing(listing), FMemo(memo) {
    FRows = static_cast<int>(FListing.Entries.size());
}

void TListingModel::Refresh() {
    // Rows are added or removed at the end and every row kept is told of new data, so that the
    // view keeps its scroll position and selection.
    int rows = static_cast<int>(FListing.Entries.size());
    if (rows > FRows) {
        beginInsertRows(QModelIndex(), FRows, rows - 1);
        FRows = rows;
        endInsertRows();
    } else if (rows < FRows) {
        beginRemoveRows(QModelIndex(), rows, FRows - 1);
        FRows = rows;
        endRemoveRows();
    }
    if (FRows > 0)
        emit dataChanged(index(0, 0), index(FRows - 1, kColumnCount - 1));
}

int TListingModel::LineOfRow(int row) const {
    if (row < 0 || row >= FRows)
        return -1;
    return FListing.Entries[static_cast<std::size_t>(row)].Line;
}

int TListingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRows;
}

int TListingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString TListingModel::LineText(int line) const {
    if (line < 0 || line >= FMemo.Lines().Count())
        return QString();
    return QString::fromStdString(Cp1251ToUtf8(FMemo.Lines().Line(line)));
}

bool TListingModel::Faulty(int row) const {
    return FListing.FaultOf(row) != nullptr;
}

bool TListingModel::Warned(int row) const {
    return FListing.WarningOf(LineOfRow(row)) != nullptr;
}

QString TListingModel::LabelsOfRow(int row) const {
    // The labels between the previous command's line and this one's mark this command.
    const int line = LineOfRow(row);
    const int previous = row > 0 ? LineOfRow(row - 1) : -1;
    const std::vector<TLabel>& labels = FListing.Labels;
    auto it = std::upper_bound(labels.begin(), labels.end(), previous,
                               [](int at, const TLabel& l) { return at < l.Line; });
    QString text;
    for (; it != labels.end() && it->Line < line; ++it)
        text += QString::fromStdString(Cp1251ToUtf8(it->Name)) + QStringLiteral(": ");
    return text;
}

QString TListingModel::JumpText(int row) const {
    TJumpNote note = JumpNote(FListing, FMemo, row);
    if (note.TargetLine < 0)
        return note.Problem;
    return QStringLiteral("строка %1: %2").arg(note.TargetLine + 1).arg(note.TargetText.trimmed());
}

QVariant TListingModel::data(const QModelIndex& index, int role) const {
    int row = index.row();
    if (!index.isValid() || row < 0 || row >= FRows)
        return {};
    const TListingEntry& entry = FListing.Entries[static_cast<std::size_t>(row)];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case colAddress:
            return HexText(entry.Offset, 4);
        case colBytes: {
            QString bytes;
            for (int k = 0; k < entry.ByteCount; ++k)
                bytes += (k ? QStringLiteral(" ") : QString()) +
                         HexText(entry.Bytes[static_cast<std::size_t>(k)], 2);
            return bytes;
        }
        case colLine:
            return entry.Line + 1;
        case colText:
            return LabelsOfRow(row) + LineText(entry.Line);
        case colJump:
            return JumpText(row);
        default:
            return {};
        }
    }
    if (role == Qt::ForegroundRole) {
        if (Faulty(row) || (index.column() == colJump && Warned(row)))
            return QBrush(kWarningColour);
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() == colLine)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TListingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kTitles[kColumnCount] = {"Адрес", "Байты", "Строка", "Текст",
                                                      "Переход"};
    return section >= 0 && section < kColumnCount ? QString::fromUtf8(kTitles[section])
                                                  : QVariant();
}
