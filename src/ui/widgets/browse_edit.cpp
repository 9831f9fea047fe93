#include "browse_edit.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QToolButton>

BrowseEdit::BrowseEdit(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    // Dropped files belong to the window's input list, not to this text.
    m_edit->setAcceptDrops(false);
    m_button->setText(QStringLiteral("..."));
    m_button->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::textChanged, this, &BrowseEdit::textChanged);
    connect(m_button, &QToolButton::clicked, this, &BrowseEdit::browse);
}

QString BrowseEdit::text() const { return m_edit->text(); }

void BrowseEdit::setText(const QString &text)
{
    if (text != m_edit->text())
        m_edit->setText(text);
}

void BrowseEdit::setHint(const QString &hint)
{
    setToolTip(hint);
    m_edit->setToolTip(hint);
}

void BrowseEdit::resizeEvent(QResizeEvent *)
{
    constexpr int ButtonWidth = 18;
    m_edit->setGeometry(0, 0, width() - ButtonWidth, height());
    m_button->setGeometry(width() - ButtonWidth, 0, ButtonWidth, height());
}

void BrowseEdit::browse()
{
    const QString start = text().isEmpty() ? QDir::homePath() : text();
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), start);
    if (!folder.isEmpty())
        setText(QDir::toNativeSeparators(folder));
}
