// The workbench's settings: QSettings in its native format, user scope, organization "TOVIX",
// application "workbench" (~/.config/TOVIX/workbench.conf on Linux).
#pragma once

#include <QSettings>

#include <memory>

std::unique_ptr<QSettings> WorkbenchSettings();
