// Save-name completion and the replace question, shared by every Dialogs implementation.
#include "platform/Dialogs.h"

#include <QFileInfo>

QString WithExtension(const QString& name, const QString& extension) {
    // Any letter case counts, as it does when the image is named after the program file.
    return name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
}

std::optional<QString> ChooseSavePath(Dialogs& dialogs, const QString& extension) {
    for (;;) {
        std::optional<QString> name = dialogs.GetSaveFileName();
        if (!name)
            return std::nullopt;
        QString path = WithExtension(*name, extension);
        // exists() follows symbolic links; a dangling link is a name in use all the same.
        QFileInfo info(path);
        if ((!info.exists() && !info.isSymLink()) || dialogs.ConfirmReplace(path))
            return path;
    }
}
