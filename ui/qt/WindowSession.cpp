#include "ui/qt/WindowSession.h"

#include "ui/qt/QtDateTime.h"

namespace tarrowin {

WindowSession::WindowSession() : WindowSession(std::make_unique<QtClock>(), std::make_unique<QtDateTimeFormat>()) {}

WindowSession::WindowSession(std::unique_ptr<Clock> clock, std::unique_ptr<DateTimeFormat> format,
                             std::unique_ptr<QtDesktop> desktop)
    : clock_(std::move(clock)),
      format_(std::move(format)),
      desktop_(desktop ? std::move(desktop) : std::make_unique<QtDesktop>()),
      model_(*clock_, *format_),
      document_(model_, *desktop_),
      window_(model_, document_)
{
    desktop_->setWindow(&window_);
    // Once, with every control at its text at start, before the first show.
    model_.load();
}

void WindowSession::start(const QString& file)
{
    // Shown first, so that a refusal has the window to stand over; the
    // window paints only once the event loop runs, with the file's texts.
    window_.show();
    if (!file.isEmpty())
        window_.openFileAt(file);
}

}  // namespace tarrowin
