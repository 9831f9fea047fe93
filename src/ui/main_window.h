#pragma once

#include <memory>

#include <QWidget>

#include "encode_settings.h"
#include "input_list.h"

class BatchDriver;
class BevelPanel;
class LocalBatchPlatform;
class ProgressWindow;
class BrowseEdit;
class DesktopLauncher;
class DigitBar;
class ErrorSink;
class FadeButton;
class JobControls;
class MultiColumnComboBox;
class QListWidget;
class QSlider;
class WindowDrag;

/// What the main window needs to know about the running program.
struct ProgramContext
{
    QString programDir;     ///< the executable's folder (see PathRules::programDir)
    QString executablePath; ///< full path of the executable
    QStringList arguments;  ///< command-line inputs, taken at the first activation
};

/// The borderless main window: the input list, the preset and parameter controls, the output
/// folder and the start button. It lays out and wires; the rules live in core.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    /// Loads the presets; throws TevaroError when "profile.txt" cannot be opened.
    MainWindow(const ProgramContext &context, ErrorSink &errors, DesktopLauncher &launcher,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    bool startupDone() const { return m_startupDone; }
    const InputList &inputs() const { return m_inputs; }

    /// Adds one dropped item or command-line argument: a file as given, a folder's every entry
    /// below it, nothing for a path that names nothing.
    void addInputItem(const QString &path);

    /// The work of the first activation; does nothing once it has succeeded.
    void runFirstActivation();

    /// The conversion parameters as the controls show them now.
    EncodeSettings currentEncodeSettings() const;
    BatchDriver &batch() { return *m_batch; }
    /// The batch's progress window, made when it is first needed.
    ProgressWindow &progressWindow();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QString settingsPath() const;
    void buildTitleStrip();
    void buildInputArea();
    void buildParameterPanel();
    void buildOutputArea();
    void setTabOrderChain();

    void loadPresets();
    void applyPresetChosenByUser();
    void normaliseOutputFolder();
    void clearInputs();
    void updateInputState();
    void openUserGuide();
    void openInformationPage();
    void startBatch();

    ProgramContext m_context;
    ErrorSink &m_errors;
    DesktopLauncher &m_launcher;
    InputList m_inputs;
    bool m_startupDone = false;
    bool m_activationSeen = false;
    std::unique_ptr<WindowDrag> m_drag;
    std::unique_ptr<JobControls> m_controls;
    // Destroyed in reverse order: the window before the batch it reads, the batch before its
    // platform.
    std::unique_ptr<LocalBatchPlatform> m_batchPlatform;
    std::unique_ptr<BatchDriver> m_batch;
    std::unique_ptr<ProgressWindow> m_progressWindow;

    FadeButton *m_closeButton = nullptr;
    FadeButton *m_minimizeButton = nullptr;
    FadeButton *m_guideButton = nullptr;
    FadeButton *m_infoButton = nullptr;
    FadeButton *m_clearButton = nullptr;
    FadeButton *m_startButton = nullptr;
    QListWidget *m_inputList = nullptr;
    BevelPanel *m_dropHint = nullptr;
    MultiColumnComboBox *m_presetCombo = nullptr;
    MultiColumnComboBox *m_codecList = nullptr;
    BrowseEdit *m_outputFolderEdit = nullptr;
    DigitBar *m_frameRateBar = nullptr;
    DigitBar *m_videoBitrateBar = nullptr;
    DigitBar *m_audioBitrateBar = nullptr;
    QSlider *m_sampleRateSlider = nullptr;
    QSlider *m_frameSizeSlider = nullptr;

    friend class MainWindowControls;
};
