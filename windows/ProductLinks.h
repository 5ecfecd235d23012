// The product's web page and contact address, shown in the About window and opened through the
// shell from it and from the Help menu.
#pragma once

#include <QString>

class Shell;

inline const QString kProductWebAddress = QStringLiteral("https://example.org/tovix");
inline const QString kProductContactAddress = QStringLiteral("tovix@example.com");

// OpenWebPage and Label4Click: the web page in the desktop's browser.
void OpenProductWebPage(Shell& shell);
// Label2Click: a new message to the contact address in the desktop's mail program.
void WriteToProductContact(Shell& shell);
