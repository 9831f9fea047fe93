#include <QApplication>

#include "desktop_launcher.h"
#include "error_sink.h"
#include "hint_controller.h"
#include "main_window.h"
#include "message_box_error_sink.h"
#include "palette.h"
#include "path_rules.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tevaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tevaro"));
    Look::installFontSubstitutions();
    // The caret blinks every 200 ms: one cycle is on, then off.
    QApplication::setCursorFlashTime(400);
    // Hints of both windows take the program's own style and timing.
    HintController hints(&app);

    ProgramContext context;
    context.executablePath = QApplication::applicationFilePath();
    context.programDir = PathRules::programDir(context.executablePath, PathRules::nativeStyle());
    context.arguments = QApplication::arguments().mid(1);

    MessageBoxErrorSink errors;
    SystemDesktopLauncher launcher;
    std::unique_ptr<MainWindow> window;
    // A window that cannot be built (no preset file) is reported and the program ends.
    if (!runGuarded(errors, [&] { window = std::make_unique<MainWindow>(context, errors, launcher); }))
        return 0;
    errors.setParent(window.get());
    window->show();
    window->activateWindow();
    runGuarded(errors, [&] { QApplication::exec(); });
    return 0;
}
