// TAboutWindow, the About window ("О програме"): the product's name and version, its contact
// address and web page (both open through the shell when clicked) and a picture of the board. Modal
// and above other windows; it has no buttons and is closed with its close box.
#pragma once

#include <QDialog>

class ClickLabel;
class QLabel;
class Shell;

class TAboutWindow : public QDialog {
    Q_OBJECT

public:
    // shell (not owned) opens the addresses; it must outlive the window.
    explicit TAboutWindow(Shell& shell, QWidget* parent = nullptr);

    // ShowAbout: shows the window modally; returns when the user has closed it.
    void ShowModal();

    // Opens a new message to the contact address.
    void Label2Click();
    // Opens the web page.
    void Label4Click();

    QLabel* Label3;     // "TOVIX v. 2.01"
    ClickLabel* Label2; // "E-mail: " and the contact address
    ClickLabel* Label4; // "Web: " and the web page's address
    QLabel* Image1;     // the board picture at its own size

private:
    Shell& FShell;
};
