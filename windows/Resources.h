// The files built into the program as Qt resources: the About picture and the help texts
// (windows/CMakeLists.txt lists them).
#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the resource at path (":/about.jpg"). A resource that is not there is a fault of
// the build, raised as EFOpenError: the window that needs it cannot be made.
QByteArray ResourceBytes(const QString& path);
