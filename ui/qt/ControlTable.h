#pragma once

#include <QRect>

#include <span>

namespace tarrowin {

enum class ControlKind { Frame, Label, TextBox, OptionButton, ComboBox, PushButton };

enum class Container { Window, Frame1, Frame2, Frame3 };

// Marks that set a control apart from the plain kind.
enum ControlMark : unsigned {
    NoMark = 0,
    Hidden = 1u << 0,    // exists and is written, never shown, never focused
    Disabled = 1u << 1,  // dimmed, never focused, still written by the system
    ReadOnly = 1u << 2,  // focusable and selectable, not editable
    Centred = 1u << 3,
    Selected = 1u << 4,  // the option selected at start
};

// Position and outer size in twips, relative to the container's outer
// top-left corner (the client area for controls on the window).
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// One control of the window. Text boxes and the picker take their text at
// start from the field of the same name, so `caption` is empty for them.
struct ControlEntry {
    const char* name;
    ControlKind kind;
    Container container;
    const char* caption;
    TwipRect twips;
    int tabIndex;  // orders the focus cycle; controls that cannot take the focus keep theirs unused
    unsigned marks;
    const char* accessibleName;  // what a screen reader reads; empty for labels and frames, which read their text
};

// Every control, in the order of creation: frames before their children,
// and within each container the labels first, because a control created
// later draws over its earlier siblings and labels lie beneath the rest.
std::span<const ControlEntry> windowControls();

// The client area in twips.
inline constexpr int clientWidthTwips = 8205;
inline constexpr int clientHeightTwips = 5625;

// 15 twips to a device-independent pixel, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips) { return (twips * 2 + 15) / 30; }

inline QRect pixelRect(const TwipRect& twips)
{
    return {twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
            twipsToPixels(twips.height)};
}

}  // namespace tarrowin
