// The shell's "open" request on a URL: the product's web page, its mailto: address and the links
// clicked in program text. Failures are not reported: a missing browser or mail program simply
// does nothing.
#pragma once

#include <QString>

#include <string>

class Shell {
public:
    virtual ~Shell() = default;
    virtual void OpenUrl(const QString& url) = 0;
};

// Hands the URL to the desktop's handler for its scheme (QDesktopServices); no command
// interpreter is involved, so the URL's text cannot run anything.
// The address a link token of program text (single-byte) stands for: a "www." token gets
// "http://" in front. Empty when the token does not parse as a URL with a scheme.
QString LinkTokenUrl(const std::string& token);

class QtShell final : public Shell {
public:
    void OpenUrl(const QString& url) override;
};
