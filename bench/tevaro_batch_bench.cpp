// Runs one batch with the program's own driver and platform, without a window, for timing.
//
//   tevaro_batch_bench --output FOLDER --program-dir FOLDER FILE...
//
// Prints any message the batch would show to the error output; exits with 1 when there was one.

#include <cstdio>

#include <QCoreApplication>
#include <QImageReader>
#include <QTextStream>

#include "batch_driver.h"
#include "local_batch_platform.h"

using namespace Qt::StringLiterals;

namespace {

class HeadlessView : public ProgressView
{
public:
    void setMaximum(int) override {}
    void setPosition(int) override {}
    void showView() override {}
    void setNames(const QString &) override {}
    void clearThumbnail() override {}
    bool showThumbnail(const QString &path) override { return !QImageReader(path).read().isNull(); }
    void setSizePollActive(bool) override {}
    void beep() override {}
    void showMessage(const QString &message) override
    {
        QTextStream(stderr) << message << '\n';
        messages = true;
    }
    void closeView() override {}

    bool messages = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    EncodeSettings settings;
    settings.videoCodec = u"MJPEG"_s;
    QString programDir;
    QStringList inputs;
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == u"--output"_s && !arguments.isEmpty())
            settings.outputFolder = arguments.takeFirst();
        else if (argument == u"--program-dir"_s && !arguments.isEmpty())
            programDir = arguments.takeFirst();
        else
            inputs.append(argument);
    }
    if (inputs.isEmpty() || settings.outputFolder.isEmpty() || programDir.isEmpty()) {
        std::fputs("usage: tevaro_batch_bench --output FOLDER --program-dir FOLDER FILE...\n", stderr);
        return 2;
    }

    LocalBatchPlatform platform(programDir);
    BatchDriver driver(platform, programDir);
    HeadlessView view;
    QObject::connect(&driver, &BatchDriver::runningChanged, &app, [](bool running) {
        if (!running)
            QCoreApplication::quit();
    });
    if (!driver.start(inputs, settings, view))
        return 2;
    if (driver.isRunning())
        QCoreApplication::exec();
    return view.messages ? 1 : 0;
}
