#include "message_box_error_sink.h"

#include <QMessageBox>

void MessageBoxErrorSink::showError(const QString &message)
{
    QMessageBox::critical(m_parent, QStringLiteral("Tevaro"), message);
}
