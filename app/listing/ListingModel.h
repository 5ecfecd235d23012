// The listing window's table: one row per command of the follower's listing, read on demand,
// so that a million rows cost no more than the rows in view.
#pragma once

#include <QAbstractTableModel>

class TCodeCustomMemo;
struct TProgramListing;

class TListingModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum TColumn { colAddress, colBytes, colLine, colText, colJump, kColumnCount };

    // listing and memo must outlive the model; listing is read again after each Refresh.
    TListingModel(const TProgramListing& listing, const TCodeCustomMemo& memo,
                  QObject* parent = nullptr);

    // The listing has been replaced: the rows follow it.
    void Refresh();
    // The 0-based line of row's command; -1 outside the rows.
    int LineOfRow(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString LineText(int line) const;
    // "loop: " for each label that marks row's command.
    QString LabelsOfRow(int row) const;
    // The Переход cell: the target of a goto, its warning, or a faulty operand's reason.
    QString JumpText(int row) const;
    bool Faulty(int row) const;
    bool Warned(int row) const;

    const TProgramListing& FListing;
    const TCodeCustomMemo& FMemo;
    int FRows = 0;
};
