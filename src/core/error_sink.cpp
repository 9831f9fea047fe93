#include "error_sink.h"

namespace ErrorText {

QString withFullStop(const QString &message)
{
    if (message.isEmpty() || message.endsWith(u'.') || message.endsWith(u'。'))
        return message;
    return message + u'.';
}

} // namespace ErrorText
