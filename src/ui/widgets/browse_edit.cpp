#include "browse_edit.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

using namespace Qt::StringLiterals;

BrowseEdit::BrowseEdit(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(m_edit))
    , m_folderDialog([](QWidget *dialogParent, const QString &start) {
        return QFileDialog::getExistingDirectory(dialogParent, QString(), start);
    })
{
    // Dropped files belong to the window's input list, not to this text.
    m_edit->setAcceptDrops(false);
    m_edit->setTextMargins(0, 0, ButtonWidth, 0);
    m_button->setText(u"..."_s);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::ArrowCursor);
    m_button->setAcceptDrops(false);
    setFocusProxy(m_edit);
    setFocusPolicy(m_edit->focusPolicy());
    connect(m_edit, &QLineEdit::textChanged, this, &BrowseEdit::textChanged);
    connect(m_button, &QToolButton::clicked, this, &BrowseEdit::browse);
}

QString BrowseEdit::text() const
{
    return m_edit->text();
}

void BrowseEdit::setText(const QString &text)
{
    if (text != m_edit->text())
        m_edit->setText(text);
}

void BrowseEdit::setHint(const QString &hint)
{
    setToolTip(hint);
}

void BrowseEdit::setFolderDialog(FolderDialog dialog)
{
    m_folderDialog = std::move(dialog);
}

void BrowseEdit::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_edit->setGeometry(rect());
    placeButton();
}

void BrowseEdit::placeButton()
{
    // The button sits inside the edit's sunken frame, over the margin kept free for it.
    QStyleOptionFrame option;
    option.initFrom(m_edit);
    option.lineWidth = m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, m_edit);
    const int frame = m_edit->hasFrame() ? option.lineWidth : 0;
    const QRect inner = m_edit->rect().adjusted(frame, frame, -frame, -frame);
    m_button->setGeometry(inner.right() + 1 - ButtonWidth, inner.top(), ButtonWidth, inner.height());
}

void BrowseEdit::browse()
{
    if (!m_folderDialog)
        return;
    const QString start = text().isEmpty() ? QDir::homePath() : text();
    const QString folder = m_folderDialog(this, start);
    if (!folder.isEmpty())
        setText(QDir::toNativeSeparators(folder));
}
