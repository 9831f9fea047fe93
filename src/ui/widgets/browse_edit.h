#pragma once

#include <functional>

#include <QWidget>

class QLineEdit;
class QToolButton;

/// A one-line edit with an 18-pixel browse button at the right end of its frame. The button
/// opens the folder dialog at the folder in the edit (the home folder when it is empty); a
/// chosen folder becomes the text, with native separators. Dropped files are not taken: they
/// belong to the window. The hint is the widget's tool tip.
class BrowseEdit : public QWidget
{
    Q_OBJECT

public:
    /// Asks the user for a folder, starting at startFolder; returns an empty text on cancel.
    using FolderDialog = std::function<QString(QWidget *parent, const QString &startFolder)>;

    static constexpr int ButtonWidth = 18;

    explicit BrowseEdit(QWidget *parent = nullptr);

    QString text() const;
    /// Sets the text; textChanged follows only when the text differs.
    void setText(const QString &text);
    void setHint(const QString &hint);
    QString hint() const { return toolTip(); }
    QLineEdit *lineEdit() const { return m_edit; }
    QToolButton *browseButton() const { return m_button; }

    /// Replaces the folder dialog (QFileDialog::getExistingDirectory by default).
    void setFolderDialog(FolderDialog dialog);

public slots:
    /// Opens the folder dialog, as the browse button does.
    void browse();

signals:
    /// The text changed, by typing, by the browse button or by setText.
    void textChanged(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeButton();

    QLineEdit *m_edit;
    QToolButton *m_button;
    FolderDialog m_folderDialog;
};
