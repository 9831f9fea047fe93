#pragma once

#include <exception>

#include <QString>

#include "tevaro_error.h"

/// Where a failure of an event handler is shown. The window's implementation is a message box;
/// tests record the messages.
class ErrorSink
{
public:
    virtual ~ErrorSink() = default;
    virtual void showError(const QString &message) = 0;
};

namespace ErrorText {
/// The message as the error display shows it: with a full stop added when it has none.
QString withFullStop(const QString &message);
} // namespace ErrorText

/// Runs a handler's body and shows any failure through the sink, so that no exception ever
/// reaches the event loop. Returns true when the body finished.
template<typename Body> bool runGuarded(ErrorSink &sink, Body &&body) noexcept
{
    try {
        body();
        return true;
    } catch (const TevaroError &error) {
        sink.showError(ErrorText::withFullStop(error.message()));
    } catch (const std::exception &error) {
        sink.showError(ErrorText::withFullStop(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        sink.showError(QString());
    }
    return false;
}
