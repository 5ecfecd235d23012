// Files of the source tree as the GUI tests read them: the help texts, the README, the About
// picture. TOVIX_SOURCE_ROOT is the tree's root (tests/CMakeLists.txt defines it).
#pragma once

#include <QByteArray>
#include <QFile>

// The bytes of the file at relative, a path from the root; a file that is not there ends the run.
inline QByteArray SourceFile(const char* relative) {
    QFile file(QStringLiteral(TOVIX_SOURCE_ROOT "/") + QLatin1String(relative));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}
