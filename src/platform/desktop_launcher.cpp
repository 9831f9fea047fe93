#include "desktop_launcher.h"

#include <QDesktopServices>

void SystemDesktopLauncher::open(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
