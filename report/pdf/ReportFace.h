#pragma once

#include <QString>

namespace tarrowin {

// Where the report's face lies: share/tarrowin/fonts/ beside the folder of
// the running program, which holds for the build tree (build/bin) and for an
// installed program (/usr/bin) alike.
QString reportFacePath();

// The report's face registered with Qt, once per process: its family, or an
// empty text when the file is missing or unreadable. Needs a QGuiApplication.
QString reportFaceFamily();

}  // namespace tarrowin
