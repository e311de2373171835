#include "ui/qt/WindowSession.h"

#include "ui/qt/QtDateTime.h"

namespace tarrowin {

WindowSession::WindowSession() : WindowSession(std::make_unique<QtClock>(), std::make_unique<QtDateTimeFormat>()) {}

WindowSession::WindowSession(std::unique_ptr<Clock> clock, std::unique_ptr<DateTimeFormat> format)
    : clock_(std::move(clock)), format_(std::move(format)), model_(*clock_, *format_), window_(model_)
{
    // Once, with every control at its text at start, before the first show.
    model_.load();
}

}  // namespace tarrowin
