#include "controls/HandlerGuard.h"

QString HandlerGuard::withFullStop(const QString& text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

void HandlerGuard::report(const QString& text) noexcept
{
    try {
        m_prompter.showError(withFullStop(text));
    } catch (...) {
        // Showing the box must never let an error escape into Qt.
    }
}
