#pragma once

#include "controls/Prompter.h"
#include "data/DatabaseError.h"

#include <exception>
#include <type_traits>
#include <utility>

// Wraps every event handler: a database error ends the handler, its text is
// shown in the error box and the program goes on. Nothing throws through Qt.
class HandlerGuard {
public:
    explicit HandlerGuard(Prompter& prompter)
        : m_prompter(prompter)
    {}

    // Runs f; returns false when it was stopped by an error (already shown).
    template <class F> bool run(F&& f) noexcept
    {
        try {
            std::forward<F>(f)();
            return true;
        } catch (const DatabaseError& e) {
            report(e.message());
        } catch (const std::exception& e) {
            report(QString::fromLocal8Bit(e.what()));
        }
        return false;
    }

    // A slot for Qt's connect: runs f under the guard. The signal's arguments
    // pass through when f takes them and are dropped when it takes none.
    template <class F> auto slot(F f)
    {
        return [this, f = std::move(f)](auto&&... args) {
            if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
                run([&] { f(std::forward<decltype(args)>(args)...); });
            else
                run([&] { f(); });
        };
    }

    // The error text as the box shows it: a full stop is appended when the
    // last character sorts after ".".
    static QString withFullStop(const QString& text);

    Prompter& prompter() const { return m_prompter; }

private:
    void report(const QString& text) noexcept;
    Prompter& m_prompter;
};
