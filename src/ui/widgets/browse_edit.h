#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

/// A one-line edit with an 18-pixel browse button at its right end. The button opens the folder
/// dialog at the folder in the edit (the home folder when it is empty); a chosen folder becomes
/// the text.
class BrowseEdit : public QWidget
{
    Q_OBJECT

public:
    explicit BrowseEdit(QWidget *parent = nullptr);

    QString text() const;
    /// Sets the text; textChanged follows only when the text differs.
    void setText(const QString &text);
    void setHint(const QString &hint);
    QLineEdit *lineEdit() const { return m_edit; }
    QToolButton *browseButton() const { return m_button; }

signals:
    void textChanged(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void browse();

    QLineEdit *m_edit;
    QToolButton *m_button;
};
