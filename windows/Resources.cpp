// Reading the resources built into the program.
#include "windows/Resources.h"

#include "base/Errors.h"

#include <QFile>

QByteArray ResourceBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(file.fileName().toStdString(), file.errorString().toStdString());
    return file.readAll();
}
