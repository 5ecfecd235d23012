// Shell requests for the product's addresses.
#include "windows/ProductLinks.h"

#include "platform/Shell.h"

void OpenProductWebPage(Shell& shell) {
    shell.OpenUrl(kProductWebAddress);
}

void WriteToProductContact(Shell& shell) {
    shell.OpenUrl(QStringLiteral("mailto:") + kProductContactAddress);
}
