// Program > "Листинг": a modeless window beside the main window with the listing of the program
// as the user types it — offset, bytes, line, text and goto target of every command — and a
// footer with the command count and the image size.
#pragma once

#include <QWidget>

class QLabel;
class QTableView;
class TCodeCustomMemo;
class TListingFollower;
class TListingModel;

class TListingWindow : public QWidget {
    Q_OBJECT

public:
    // follower and memo must outlive the window; parent is the main window.
    TListingWindow(TListingFollower& follower, const TCodeCustomMemo& memo, QWidget* parent);
    ~TListingWindow() override;

    // Shows the window in front. The first time it goes where the user left it last time
    // (remembered in the settings, also over a restart), else beside its parent.
    void ShowBeside();
    // Highlights the row of the command on line (0-based); none when line holds no command.
    void ShowCaretLine(int line);

    QTableView* Table() const { return FTable; }
    QLabel* Footer() const { return FFooter; }

signals:
    // The user chose the row of the command on line (0-based).
    void LineChosen(int line);

private:
    void ListingUpdated();
    void UpdateFooter(bool outdated);

    TListingFollower& FFollower;
    TListingModel* FModel;
    QTableView* FTable;
    QLabel* FFooter;
    int FCaretLine = -1;
    bool FPlaced = false;
};
