#include "platform/Settings.h"

std::unique_ptr<QSettings> WorkbenchSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("TOVIX"), QStringLiteral("workbench"));
}
