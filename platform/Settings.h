// The workbench's settings: QSettings in the native format and the user's scope, organization
// "TOVIX", application "workbench" (~/.config/TOVIX/workbench.conf on Linux). An empty
// configuration gives the workbench as it is without any settings.
#pragma once

#include <QSettings>

#include <memory>

std::unique_ptr<QSettings> WorkbenchSettings();
