#include "main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QSlider>
#include <QUrl>

#include "batch_driver.h"
#include "bevel_panel.h"
#include "browse_edit.h"
#include "desktop_launcher.h"
#include "digit_bar.h"
#include "error_sink.h"
#include "fade_button.h"
#include "input_collector.h"
#include "job_controls.h"
#include "local_batch_platform.h"
#include "multi_column_combo_box.h"
#include "palette.h"
#include "path_rules.h"
#include "preset_rows.h"
#include "progress_window.h"
#include "settings_file.h"
#include "window_drag.h"

using namespace Qt::StringLiterals;

namespace {

/// Host of the maker's information page.
constexpr auto InfoHost = u"www.tevaro.example";

QStringList localPaths(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(QDir::toNativeSeparators(url.toLocalFile()));
    }
    return paths;
}

} // namespace

/// The window's controls as the preset and settings rules see them.
class MainWindowControls : public JobControls
{
public:
    explicit MainWindowControls(MainWindow &window)
        : w(window)
    {}

    int windowLeft() const override { return w.x(); }
    int windowTop() const override { return w.y(); }
    void setWindowLeft(int left) override { w.move(left, w.y()); }
    void setWindowTop(int top) override { w.move(w.x(), top); }

    int presetRowCount() const override { return w.m_presetCombo->count(); }
    QString presetRow(int index) const override { return w.m_presetCombo->row(index); }
    int presetIndex() const override { return w.m_presetCombo->currentIndex(); }
    void setPresetIndex(int index) override
    {
        w.m_presetCombo->setCurrentIndex(index >= 0 && index < w.m_presetCombo->count() ? index : -1);
    }

    int codecCount() const override { return w.m_codecList->count(); }
    QString codecItem(int index) const override { return w.m_codecList->row(index); }
    int codecIndex() const override { return w.m_codecList->currentIndex(); }
    void setCodecIndex(int index) override { w.m_codecList->setCurrentIndex(index); }

    int frameRate() const override { return w.m_frameRateBar->value(); }
    void setFrameRate(int value) override { w.m_frameRateBar->setValue(value); }
    int videoBitrate() const override { return w.m_videoBitrateBar->value(); }
    void setVideoBitrate(int value) override { w.m_videoBitrateBar->setValue(value); }
    int sampleRate() const override { return w.m_sampleRateSlider->value(); }
    void setSampleRate(int value) override { w.m_sampleRateSlider->setValue(value); }
    int audioBitrate() const override { return w.m_audioBitrateBar->value(); }
    void setAudioBitrate(int value) override { w.m_audioBitrateBar->setValue(value); }
    int frameSize() const override { return w.m_frameSizeSlider->value(); }
    void setFrameSize(int value) override { w.m_frameSizeSlider->setValue(value); }

    QString outputFolder() const override { return w.m_outputFolderEdit->text(); }
    void setOutputFolder(const QString &folder) override { w.m_outputFolderEdit->setText(folder); }

private:
    MainWindow &w;
};

MainWindow::MainWindow(const ProgramContext &context, ErrorSink &errors, DesktopLauncher &launcher,
                       QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_errors(errors)
    , m_launcher(launcher)
    , m_drag(std::make_unique<WindowDrag>())
{
    setObjectName(u"MainForm1"_s);
    setWindowTitle(u"Tevaro"_s);
    setFont(Look::gothic(12));
    setFixedSize(400, 550);
    move(20, 20);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, Look::Black);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setAcceptDrops(true);

    buildTitleStrip();
    buildInputArea();
    buildParameterPanel();
    buildOutputArea();
    setTabOrderChain();
    m_controls = std::make_unique<MainWindowControls>(*this);
    m_batchPlatform = std::make_unique<LocalBatchPlatform>(m_context.programDir);
    m_batch = std::make_unique<BatchDriver>(*m_batchPlatform, m_context.programDir);
    connect(m_batch.get(), &BatchDriver::runningChanged, this,
            [this](bool running) { setEnabled(!running); });

    connect(m_closeButton, &FadeButton::clicked, this, &QWidget::close);
    connect(m_minimizeButton, &FadeButton::clicked, this, &QWidget::showMinimized);
    connect(m_guideButton, &FadeButton::clicked, this, &MainWindow::openUserGuide);
    connect(m_infoButton, &FadeButton::clicked, this, &MainWindow::openInformationPage);
    connect(m_clearButton, &FadeButton::clicked, this, &MainWindow::clearInputs);
    connect(m_startButton, &FadeButton::clicked, this, &MainWindow::startBatch);
    connect(m_outputFolderEdit, &BrowseEdit::textChanged, this, &MainWindow::normaliseOutputFolder);
    connect(m_presetCombo, &QComboBox::activated, this, &MainWindow::applyPresetChosenByUser);
    // Coming back from another program retries a first activation that failed.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && m_activationSeen && isActiveWindow())
            runFirstActivation();
    });

    loadPresets();
}

MainWindow::~MainWindow() = default;

ProgressWindow &MainWindow::progressWindow()
{
    // No parent: disabling this window for the batch would disable the progress window too.
    if (!m_progressWindow)
        m_progressWindow = std::make_unique<ProgressWindow>(*m_batch);
    return *m_progressWindow;
}

QString MainWindow::settingsPath() const
{
    return PathRules::join(m_context.programDir, QString::fromUtf16(SettingsFile::FileName),
                           PathRules::nativeStyle());
}

void MainWindow::loadPresets()
{
    m_presetCombo->addRow(PresetRows::headerRow());
    const QString profile = PathRules::join(m_context.programDir, u"profile.txt"_s, PathRules::nativeStyle());
    for (const QString &line : PresetRows::readPresetFile(profile))
        m_presetCombo->addRow(line);
    m_codecList->addRow(u"MJPEG"_s);
    m_presetCombo->setCurrentIndex(-1);
    m_codecList->setCurrentIndex(-1);
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activationSeen) {
        m_activationSeen = true;
        runFirstActivation();
    }
    return QWidget::event(event);
}

void MainWindow::runFirstActivation()
{
    if (m_startupDone)
        return;
    runGuarded(m_errors, [this] {
        SettingsFile::restoreSettings(settingsPath(), *m_controls, m_context.programDir);
        for (const QString &argument : std::as_const(m_context.arguments))
            addInputItem(argument);
        m_startupDone = true;
    });
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    m_drag->press(this, event);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_drag->move(this, event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_drag->release();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    runGuarded(m_errors, [this, &paths] {
        for (const QString &path : paths)
            addInputItem(path);
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The window is disabled while a batch runs; a close that still gets through waits for its end.
    if (m_batch->isRunning()) {
        event->ignore();
        return;
    }
    const bool saved =
        runGuarded(m_errors, [this] { SettingsFile::saveSettings(settingsPath(), *m_controls); });
    if (saved)
        event->accept();
    else
        event->ignore();
}

void MainWindow::addInputItem(const QString &path)
{
    const QStringList found = collectInputs(path);
    if (found.size() == 1) {
        const qsizetype index = m_inputs.add(found.first());
        m_inputList->insertItem(int(index), found.first());
    } else if (!found.isEmpty()) {
        m_inputs.addMany(found);
        // One rebuild is far cheaper than thousands of sorted insertions into the view.
        m_inputList->setUpdatesEnabled(false);
        m_inputList->clear();
        m_inputList->addItems(m_inputs.paths());
        m_inputList->setUpdatesEnabled(true);
    }
    updateInputState();
}

void MainWindow::clearInputs()
{
    m_inputs.clear();
    m_inputList->clear();
    updateInputState();
}

void MainWindow::updateInputState()
{
    const bool empty = m_inputs.isEmpty();
    m_dropHint->setVisible(empty);
    m_startButton->setEnabled(!empty);
}

void MainWindow::normaliseOutputFolder()
{
    const QString folder =
        PathRules::withoutTrailingSeparators(m_outputFolderEdit->text(), PathRules::nativeStyle());
    m_outputFolderEdit->setText(folder);
    m_outputFolderEdit->setHint(folder);
}

void MainWindow::applyPresetChosenByUser()
{
    runGuarded(m_errors, [this] { PresetRows::applySelectedPreset(*m_controls); });
}

void MainWindow::openUserGuide()
{
    const QString guide = m_context.programDir + u"/Readme.txt"_s;
    m_launcher.open(QUrl::fromLocalFile(guide));
}

void MainWindow::openInformationPage()
{
    const QString stem = PathRules::completeBaseName(m_context.executablePath, PathRules::nativeStyle());
    const QString address = u"http://"_s + QString::fromUtf16(InfoHost) + u"/info.php?pf=w&sn="_s + stem;
    m_launcher.open(QUrl(address, QUrl::TolerantMode));
}

EncodeSettings MainWindow::currentEncodeSettings() const
{
    EncodeSettings settings;
    settings.frameSize = m_frameSizeSlider->value();
    settings.videoCodec = m_codecList->currentCell(0);
    settings.videoBitrate = m_videoBitrateBar->value();
    settings.frameRate = m_frameRateBar->value();
    settings.audioBitrate = m_audioBitrateBar->value();
    settings.sampleRate = m_sampleRateSlider->value();
    settings.outputFolder = m_outputFolderEdit->text();
    return settings;
}

void MainWindow::startBatch()
{
    runGuarded(m_errors,
               [this] { m_batch->start(m_inputs.paths(), currentEncodeSettings(), progressWindow()); });
}
