// A shell and an error box that only remember what they were asked, for tests.
#pragma once

#include "platform/ErrorGuard.h"
#include "platform/Shell.h"

#include <QStringList>

class RecordingShell final : public Shell {
public:
    void OpenUrl(const QString& url) override { Urls.append(url); }
    QStringList Urls;
};

class RecordingErrorBox final : public ErrorBox {
public:
    void ShowError(const QString& text) override { Texts.append(text); }
    QStringList Texts;
};
