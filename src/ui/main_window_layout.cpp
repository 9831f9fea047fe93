// The main window's controls, their positions, colours, fonts, captions and hints.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

#include "bevel_panel.h"
#include "browse_edit.h"
#include "digit_bar.h"
#include "encode_settings.h"
#include "fade_button.h"
#include "main_window.h"
#include "multi_column_combo_box.h"
#include "palette.h"
#include "shadow_label.h"
#include "shape.h"

using namespace Qt::StringLiterals;

namespace {

template<typename Widget> Widget *place(Widget *widget, const char *objectName, const QRect &geometry)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    return widget;
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

FadeButton *titleButton(QWidget *parent, const char *name, int left, int width, const QString &caption,
                        const QString &hint)
{
    auto *button = place(new FadeButton(caption, parent), name, QRect(left, 0, width, 20));
    button->setFont(Look::tahoma(12, true));
    button->setToolTip(hint);
    button->setColor(Look::TitleButtonFace);
    button->setDestColor(Look::Accent);
    button->setBorderColor(Look::Gray);
    button->setBorderDestColor(Look::Black);
    button->setShowBorder(true);
    button->setBorderHeight(1);
    button->setCaptionColor(Look::White);
    button->setCaptionOverColor(Look::Yellow);
    button->setFadeOnOver(true);
    button->setFadeOnLeave(true);
    button->setStep(2);
    button->setSpeed(12);
    return button;
}

BevelPanel *contentPanel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *panel = place(
        new BevelPanel(Look::PanelBackground, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, parent),
        name, geometry);
    setTextColor(panel, Look::Text);
    return panel;
}

Shape *panelShadow(QWidget *parent, const char *name, const QRect &panelGeometry)
{
    return place(new Shape(Look::Accent, Look::Silver, 1, parent), name, panelGeometry.translated(2, 2));
}

ShadowLabel *shadowLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                         Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = place(new ShadowLabel(caption, parent), name, geometry);
    label->setFont(Look::gothic(11, true));
    label->setAlignment(alignment);
    setTextColor(label, Look::Text);
    return label;
}

QLabel *rangeLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &caption)
{
    auto *label = place(new QLabel(caption, parent), name, geometry);
    label->setFont(Look::gothic(11));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColor(label, Look::Text);
    // The substitute gothic runs wider than the original; keep the right edge, which lines up
    // with the track bar's end, and widen to the left rather than cut the first digit off.
    const int needed = label->fontMetrics().horizontalAdvance(caption);
    if (needed > geometry.width())
        label->setGeometry(geometry.right() + 1 - needed, geometry.top(), needed, geometry.height());
    return label;
}

BevelPanel *bevelLine(QWidget *parent, const char *name, const QRect &geometry)
{
    return place(
        new BevelPanel(Look::PanelBackground, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::None, parent),
        name, geometry);
}

DigitBar *digitBar(QWidget *parent, const char *name, int left, int minimum, int maximum, int value,
                   const QColor &focusColor, const QString &hint)
{
    auto *bar = place(new DigitBar(parent), name, QRect(left, 8, 40, 160));
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    bar->setButtonHeight(16);
    bar->setFocusColor(focusColor);
    bar->setFont(Look::gothic(12));
    bar->setToolTip(hint);
    setTextColor(bar, Look::Text);
    return bar;
}

QSlider *trackBar(QWidget *parent, const char *name, Qt::Orientation orientation, const QRect &geometry,
                  const QString &hint)
{
    auto *slider = place(new QSlider(orientation, parent), name, geometry);
    slider->setRange(0, 1);
    slider->setValue(0);
    slider->setPageStep(1);
    slider->setSingleStep(1);
    slider->setTickInterval(1);
    // Position 0 sits at the top of the vertical bar, beside "48000Hz".
    slider->setInvertedAppearance(orientation == Qt::Vertical);
    slider->setInvertedControls(orientation == Qt::Vertical);
    slider->setTickPosition(orientation == Qt::Vertical ? QSlider::TicksLeft : QSlider::TicksAbove);
    slider->setCursor(Qt::PointingHandCursor);
    slider->setToolTip(hint);
    return slider;
}

} // namespace

void MainWindow::buildTitleStrip()
{
    place(new Shape(Look::Accent, Look::Black, 1, this), "Shape9", QRect(0, 0, 400, 25));

    auto *title = new QLabel(u"◆ Tevaro ver.1.8"_s, this);
    title->setObjectName(u"Label1"_s);
    title->setFont(Look::tahoma(12, true));
    title->setAutoFillBackground(true);
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, Look::Accent);
    palette.setColor(QPalette::WindowText, Look::White);
    title->setPalette(palette);
    title->setGeometry(8, 6, title->sizeHint().width(), 14);

    place(new Shape(Look::White, Look::Gray, 2, this), "Shape0", QRect(0, 23, 400, 527));
    panelShadow(this, "Shape1", QRect(6, 30, 386, 160));
    panelShadow(this, "Shape3", QRect(6, 462, 386, 78));
    panelShadow(this, "Shape2", QRect(16, 196, 366, 260));

    auto *holder = place(new BevelPanel(Look::Accent, BevelPanel::Bevel::None, BevelPanel::Bevel::None, this),
                         "Panel0", QRect(290, 2, 104, 20));
    m_infoButton = titleButton(holder, "Button4", 0, 40, u"info."_s, u" インフォメーション"_s);
    m_guideButton = titleButton(holder, "Button3", 44, 20, u"?"_s, u" ユーザーズガイド"_s);
    m_minimizeButton = titleButton(holder, "Button2", 64, 20, u"_"_s, u" 最小化"_s);
    m_closeButton = titleButton(holder, "Button1", 84, 20, u"×"_s, u" 閉じる"_s);
}

void MainWindow::buildInputArea()
{
    auto *panel = contentPanel(this, "Panel1", QRect(6, 30, 386, 160));

    shadowLabel(panel, "L1_00", QRect(8, 138, 53, 11), u"おまかせ-"_s, Qt::AlignRight);

    m_clearButton = place(new FadeButton(u"Del"_s, panel), "Button5", QRect(360, 128, 20, 18));
    m_clearButton->setFont(Look::gothic(11));
    m_clearButton->setToolTip(u" 一覧をｸﾘｱ"_s);
    m_clearButton->setColor(Look::Accent);
    m_clearButton->setDestColor(Look::Silver);
    m_clearButton->setBorderColor(Look::Gray);
    m_clearButton->setBorderDestColor(Look::Black);
    m_clearButton->setBorderHeight(1);
    m_clearButton->setCaptionColor(Look::White);
    m_clearButton->setCaptionOverColor(Look::Yellow);
    m_clearButton->setFadeOnOver(false);
    m_clearButton->setFadeOnLeave(false);

    m_inputList = place(new QListWidget(panel), "ListBox1", QRect(6, 8, 374, 120));
    m_inputList->setFont(Look::gothic(11));
    m_inputList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_inputList->setUniformItemSizes(true);
    m_inputList->setToolTip(u" 変換対象ファイル"_s);
    QPalette listPalette = m_inputList->palette();
    listPalette.setColor(QPalette::Base, Look::White);
    listPalette.setColor(QPalette::Text, Look::Black);
    m_inputList->setPalette(listPalette);

    const QList<MultiColumnComboBox::Column> presetColumns = {
        {220, Look::White},      {60, Look::ExtensionColumn}, {60, Look::VideoValues},
        {70, Look::VideoValues}, {60, Look::VideoValues},     {60, Look::VideoValues},
        {60, Look::AudioValues}, {60, Look::AudioValues},     {60, Look::AudioValues}};
    m_presetCombo = place(new MultiColumnComboBox(panel), "C2_00", QRect(64, 134, 286, 19));
    m_presetCombo->setColumns(presetColumns);
    m_presetCombo->setIndent(1);
    m_presetCombo->setRowHeight(13);
    m_presetCombo->setMaxVisibleItems(30);
    m_presetCombo->setFont(Look::gothic(11));
    m_presetCombo->setToolTip(u" おまかせ設定"_s);
    setTextColor(m_presetCombo, Look::Text);

    m_codecList = place(new MultiColumnComboBox(panel), "C2_04", QRect(204, 126, 132, 19));
    m_codecList->setColumns({{112, Look::White}, {160, Look::ExtensionColumn}});
    m_codecList->setIndent(1);
    m_codecList->setRowHeight(13);
    m_codecList->setFont(Look::gothic(11));
    m_codecList->setToolTip(u" 動画のｺｰﾃﾞｯｸ"_s);
    m_codecList->setFocusPolicy(Qt::NoFocus);
    m_codecList->hide();

    m_dropHint = place(
        new BevelPanel(Look::PanelBackground, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::None, panel),
        "Panel11", QRect(6, 8, 374, 120));
    m_dropHint->setCaption(u"[ ここにファイルをドロップ(複数可) ]"_s);
    m_dropHint->setFont(Look::gothic(16, true));
    setTextColor(m_dropHint, Look::Text);
    m_dropHint->setCursor(Qt::CrossCursor);
    m_dropHint->setToolTip(u" ここにファイルをドロップ(複数可)"_s);
}

void MainWindow::buildParameterPanel()
{
    auto *panel = contentPanel(this, "Panel5", QRect(16, 196, 366, 260));
    using namespace ParameterRange;

    shadowLabel(panel, "L2_03_01", QRect(8, 172, 75, 11), u"動画ﾌﾚｰﾑﾚｰﾄ"_s);
    shadowLabel(panel, "ShadowLabel4", QRect(92, 172, 69, 11), u"動画ﾋﾞｯﾄﾚｰﾄ"_s);
    shadowLabel(panel, "ShadowLabel5", QRect(184, 172, 79, 11), u"音声ｻﾝﾌﾟﾙﾚｰﾄ"_s);
    shadowLabel(panel, "ShadowLabel6", QRect(288, 172, 69, 11), u"音声ﾋﾞｯﾄﾚｰﾄ"_s);
    shadowLabel(panel, "ShadowLabel2", QRect(32, 184, 24, 11), u"(fps)"_s);
    shadowLabel(panel, "ShadowLabel7", QRect(108, 184, 32, 11), u"(kbps)"_s);
    shadowLabel(panel, "ShadowLabel8", QRect(212, 184, 22, 11), u"(Hz)"_s);
    shadowLabel(panel, "ShadowLabel9", QRect(304, 184, 32, 11), u"(kbps)"_s);
    bevelLine(panel, "Bevel1", QRect(168, 16, 4, 173));
    rangeLabel(panel, "Label2", QRect(182, 18, 42, 11), u"48000Hz"_s);
    rangeLabel(panel, "Label6", QRect(182, 148, 42, 11), u"24000Hz"_s);
    rangeLabel(panel, "Label7", QRect(55, 212, 41, 11), u"640x480"_s);
    bevelLine(panel, "Bevel2", QRect(8, 201, 345, 4));
    shadowLabel(panel, "ShadowLabel3", QRect(32, 236, 34, 11), u"ｻｲｽﾞ-"_s, Qt::AlignRight);
    rangeLabel(panel, "Label5", QRect(318, 212, 41, 11), u"720x480"_s);

    m_frameRateBar = digitBar(panel, "DigitBar1", 24, FrameRateMin, FrameRateMax, FrameRateDefault,
                              Look::VideoValues, u" 動画のﾌﾚｰﾑﾚｰﾄ"_s);
    m_videoBitrateBar = digitBar(panel, "DigitBar2", 104, VideoBitrateMin, VideoBitrateMax,
                                 VideoBitrateDefault, Look::VideoValues, u" 動画のﾋﾞｯﾄﾚｰﾄ"_s);
    m_sampleRateSlider =
        trackBar(panel, "TrackBar1", Qt::Vertical, QRect(224, 8, 40, 160), u" 音声のｻﾝﾌﾟﾙﾚｰﾄ"_s);
    m_audioBitrateBar = digitBar(panel, "DigitBar3", 304, AudioBitrateMin, AudioBitrateMax,
                                 AudioBitrateDefault, Look::AudioValues, u" 音声のﾋﾞｯﾄﾚｰﾄ"_s);
    m_frameSizeSlider =
        trackBar(panel, "TrackBar2", Qt::Horizontal, QRect(64, 220, 284, 30), u" 動画のｻｲｽﾞ"_s);
}

void MainWindow::buildOutputArea()
{
    auto *panel = contentPanel(this, "Panel3", QRect(6, 462, 386, 78));

    m_startButton = place(new FadeButton(u"[ 変換開始 ]"_s, panel), "Button10", QRect(20, 32, 348, 40));
    m_startButton->setFont(Look::gothic(12, true));
    m_startButton->setToolTip(u" 変換後⇒ﾌｧｲﾙ保存"_s);
    m_startButton->setColor(Look::Accent);
    m_startButton->setDestColor(Look::Accent);
    m_startButton->setBorderColor(Look::Gray);
    m_startButton->setBorderDestColor(Look::Black);
    m_startButton->setBorderHeight(2);
    m_startButton->setCaptionColor(Look::White);
    m_startButton->setCaptionOverColor(Look::Yellow);
    m_startButton->setFadeOnOver(false);
    m_startButton->setFadeOnLeave(false);
    m_startButton->setEnabled(false);

    shadowLabel(panel, "L1_01", QRect(8, 12, 43, 11), u"保存先-"_s, Qt::AlignRight);

    m_outputFolderEdit = place(new BrowseEdit(panel), "C1_03", QRect(54, 8, 326, 19));
    m_outputFolderEdit->setFont(Look::gothic(11));
    setTextColor(m_outputFolderEdit, Look::Text);
    m_outputFolderEdit->setCursor(Qt::PointingHandCursor);
    m_outputFolderEdit->setHint(u" 保存先のﾌｫﾙﾀﾞ"_s);
}

void MainWindow::setTabOrderChain()
{
    const QList<QWidget *> chain = {m_inputList,       m_presetCombo,     m_outputFolderEdit,
                                    m_frameRateBar,    m_videoBitrateBar, m_sampleRateSlider,
                                    m_audioBitrateBar, m_frameSizeSlider};
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain.at(i), chain.at(i + 1));
    setTabOrder(chain.last(), chain.first());
}
