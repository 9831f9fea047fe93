#pragma once

#include "error_sink.h"

class QWidget;

/// Shows a failure as the program's error box: an error icon, the title "Tevaro", one OK button.
class MessageBoxErrorSink : public ErrorSink
{
public:
    explicit MessageBoxErrorSink(QWidget *parent = nullptr)
        : m_parent(parent)
    {}
    void setParent(QWidget *parent) { m_parent = parent; }
    void showError(const QString &message) override;

private:
    QWidget *m_parent;
};
