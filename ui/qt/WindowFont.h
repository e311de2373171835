#pragma once

#include <QFont>

namespace tarrowin {

// The family of the face the program carries: every character the window
// writes, cut from a Simplified Chinese face whose Latin letters and digits
// are half as wide as an ideograph.
inline constexpr char windowFontFamily[] = "Tarrowin Sans";

// The window's one font, at 9 points on a 96 dpi screen: the carried face,
// then faces that carry Simplified Chinese on each platform, for whatever the
// user types beyond it. The first call registers the carried face.
QFont windowFont();

}  // namespace tarrowin
