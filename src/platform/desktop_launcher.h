#pragma once

#include <QUrl>

/// Hands a file or a web address to the desktop's handler. Abstract so that tests can record
/// what would be opened instead of starting a browser.
class DesktopLauncher
{
public:
    virtual ~DesktopLauncher() = default;
    virtual void open(const QUrl &url) = 0;
};

/// The desktop's own handler (QDesktopServices). Failures are not reported.
class SystemDesktopLauncher : public DesktopLauncher
{
public:
    void open(const QUrl &url) override;
};
