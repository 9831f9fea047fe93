#include "progress_window.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "bevel_panel.h"
#include "fade_button.h"
#include "file_size.h"
#include "gradient_progress_bar.h"
#include "palette.h"
#include "shape.h"

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr int LabelHeight = 14;
const QSize ThumbnailSize(80, 60);

QLabel *makeInfoLabel(const QString &name, const QString &text, int left, int top, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Look::tahoma(12, true));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Look::PanelBackground);
    palette.setColor(QPalette::WindowText, Look::Text);
    label->setPalette(palette);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    return label;
}

} // namespace

ProgressWindow::ProgressWindow(BatchControl &batch, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
    , m_batch(batch)
{
    setObjectName(u"ProgressForm1"_s);
    setFixedSize(401, 72);
    setFont(Look::gothic(12));
    setAutoFillBackground(true);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, Look::Black);
    setPalette(windowPalette);

    // Created in stacking order: later controls lie over earlier ones.
    m_background = new Shape(Look::PanelBackground, Look::Black, 1, this);
    m_background->setObjectName(u"Shape0"_s);
    m_background->setGeometry(0, 0, 400, 72);

    m_thumbnailFrame = new Shape(Look::Black, Look::White, 1, this);
    m_thumbnailFrame->setObjectName(u"Shape1"_s);
    m_thumbnailFrame->setGeometry(5, 5, 82, 62);

    m_thumbnail = new QLabel(this);
    m_thumbnail->setObjectName(u"Image1"_s);
    m_thumbnail->setGeometry(QRect(QPoint(6, 6), ThumbnailSize));
    m_thumbnail->setScaledContents(true);

    m_namesLabel = makeInfoLabel(u"Label1"_s, QString::fromUtf16(ProgressText::DesignNames), 96, 20, this);
    m_sizesLabel = makeInfoLabel(u"Label2"_s, QString::fromUtf16(ProgressText::InitialSizes), 96, 32, this);
    setLabelText(m_namesLabel, m_namesLabel->text());
    setLabelText(m_sizesLabel, m_sizesLabel->text());

    m_progressBar = new GradientProgressBar(this);
    m_progressBar->setObjectName(u"ProgressBar1"_s);
    m_progressBar->setGeometry(92, 48, 300, 15);
    m_progressBar->setFont(Look::gothic(11));
    QPalette barPalette = m_progressBar->palette();
    barPalette.setColor(QPalette::WindowText, Look::Text);
    m_progressBar->setPalette(barPalette);
    // A press on the bar must not drag the window.
    m_progressBar->setAttribute(Qt::WA_NoMousePropagation);

    m_cancelPanel = new BevelPanel(Look::Gray, BevelPanel::Bevel::None, BevelPanel::Bevel::None, this);
    m_cancelPanel->setObjectName(u"Panel1"_s);
    m_cancelPanel->setGeometry(376, 4, 20, 20);

    m_cancelButton = new FadeButton(u"×"_s, m_cancelPanel);
    m_cancelButton->setObjectName(u"Button1"_s);
    m_cancelButton->setGeometry(0, 0, 20, 20);
    m_cancelButton->setToolTip(u" ｷｬﾝｾﾙ"_s);
    m_cancelButton->setFont(Look::tahoma(12, true));
    m_cancelButton->setColor(Look::Accent);
    m_cancelButton->setDestColor(Look::Accent);
    m_cancelButton->setBorderColor(Look::Gray);
    m_cancelButton->setBorderDestColor(Look::Black);
    m_cancelButton->setShowBorder(true);
    m_cancelButton->setBorderHeight(1);
    m_cancelButton->setCaptionColor(Look::White);
    m_cancelButton->setCaptionOverColor(Look::Yellow);
    m_cancelButton->setFadeOnOver(true);
    m_cancelButton->setFadeOnLeave(true);
    m_cancelButton->setStep(2);
    m_cancelButton->setSpeed(12);
    connect(m_cancelButton, &FadeButton::clicked, this, [this] { m_batch.cancel(); });

    m_sizePoll = new QTimer(this);
    m_sizePoll->setObjectName(u"Timer1"_s);
    m_sizePoll->setInterval(1000ms);
    connect(m_sizePoll, &QTimer::timeout, this, &ProgressWindow::pollSizes);
}

void ProgressWindow::setLabelText(QLabel *label, const QString &text)
{
    // Sized to its text; a long name simply runs past the window's edge.
    label->setText(text);
    label->resize(label->sizeHint().width(), LabelHeight);
}

void ProgressWindow::setMaximum(int maximum)
{
    m_progressBar->setMaximum(maximum);
}

void ProgressWindow::setPosition(int position)
{
    m_progressBar->setValue(position);
}

void ProgressWindow::showView()
{
    clearThumbnail();
    setLabelText(m_namesLabel, QString::fromUtf16(ProgressText::DesignNames));
    setLabelText(m_sizesLabel, QString::fromUtf16(ProgressText::InitialSizes));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
}

void ProgressWindow::setNames(const QString &names)
{
    setLabelText(m_namesLabel, names);
}

void ProgressWindow::clearThumbnail()
{
    m_thumbnail->clear();
}

bool ProgressWindow::showThumbnail(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_thumbnail->setPixmap(
        QPixmap::fromImage(image.scaled(ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return true;
}

void ProgressWindow::setSizePollActive(bool active)
{
    if (active)
        m_sizePoll->start();
    else
        m_sizePoll->stop();
}

void ProgressWindow::beep()
{
    QApplication::beep();
}

void ProgressWindow::showMessage(const QString &message)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    this);
    box.exec();
}

void ProgressWindow::closeView()
{
    m_sizePoll->stop();
    hide();
}

void ProgressWindow::pollSizes()
{
    // The poll never disturbs the batch: whatever goes wrong, the line keeps its last text.
    try {
        const qint64 inputBytes = FileSize::of(m_batch.inputPath());
        const qint64 outputBytes = FileSize::of(m_batch.outputPath());
        setLabelText(m_sizesLabel, ProgressText::sizesLine(inputBytes, outputBytes));
    } catch (...) {
    }
}

void ProgressWindow::mousePressEvent(QMouseEvent *event)
{
    if (!m_drag.press(this, event))
        QWidget::mousePressEvent(event);
}

void ProgressWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(this, event);
}

void ProgressWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release();
    QWidget::mouseReleaseEvent(event);
}
