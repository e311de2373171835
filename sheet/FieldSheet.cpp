#include "sheet/FieldSheet.h"

#include <utility>

namespace tarrowin {
namespace {

std::size_t indexOf(Field field) { return static_cast<std::size_t>(field); }

}  // namespace

const std::string& FieldSheet::text(Field field) const { return texts_[field]; }

void FieldSheet::write(Field field, std::string_view text)
{
    std::string& stored = texts_[field];
    const bool changed = stored != text;
    if (changed)
        stored.assign(text);
    if (observer_)
        observer_->fieldWritten(field, stored);
    // Copy the listener: it may run writes of its own, and nothing it does may
    // pull the function out from under this call.
    if (changed && listeners_[indexOf(field)]) {
        const ChangeListener listener = listeners_[indexOf(field)];
        listener();
    }
}

void FieldSheet::setMessageColour(Rgb colour)
{
    messageColour_ = colour;
    if (observer_)
        observer_->messageColourSet(colour);
}

void FieldSheet::setChangeListener(Field field, ChangeListener listener)
{
    listeners_[indexOf(field)] = std::move(listener);
}

}  // namespace tarrowin
