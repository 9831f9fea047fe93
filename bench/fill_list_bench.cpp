// Times filling the main window's input list from one dropped folder: the folder search, the
// sort and the list view, as the user waits for them.
#include "desktop_launcher.h"
#include "error_sink.h"
#include "main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {
class PrintingSink : public ErrorSink
{
public:
    void showError(const QString &message) override { std::fprintf(stderr, "%s\n", qPrintable(message)); }
};
class NoLauncher : public DesktopLauncher
{
public:
    void open(const QUrl &) override {}
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QTemporaryDir programDir;
    QFile profile(programDir.filePath(QStringLiteral("profile.txt")));
    if (!profile.open(QIODevice::WriteOnly))
        return 1;
    profile.write("a,AVI,640x480,MJPEG,30fps,2048kbps,PCM,48000Hz,128kbps\n");
    profile.close();

    ProgramContext context;
    context.programDir = programDir.path();
    PrintingSink errors;
    NoLauncher launcher;
    MainWindow window(context, errors, launcher);
    window.show();
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    window.addInputItem(QString::fromLocal8Bit(argv[1]));
    QCoreApplication::processEvents(); // the list's first layout and paint
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%.3f %lld\n", seconds, static_cast<long long>(window.inputs().size()));
    return 0;
}
