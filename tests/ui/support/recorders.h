#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

#include "desktop_launcher.h"
#include "error_sink.h"

/// Keeps the messages the program would show in a box.
class RecordingErrorSink : public ErrorSink
{
public:
    void showError(const QString &message) override { messages.append(message); }
    QStringList messages;
};

/// Keeps the addresses the program would hand to the desktop.
class RecordingLauncher : public DesktopLauncher
{
public:
    void open(const QUrl &url) override { opened.append(url); }
    QList<QUrl> opened;
};
