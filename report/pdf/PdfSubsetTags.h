#pragma once

#include <QByteArray>

namespace tarrowin {

// Qt embeds only the glyphs a PDF uses and tags the subset's name in the font
// descriptor ("QMAAAA+Name"), but not in the two font dictionaries, whose
// /BaseFont readers such as pdffonts take as the font's name; a reader then
// takes the subset for the whole face. This gives each /BaseFont of a Qt
// PDF the tag of its descriptor's /FontName and moves the cross-reference
// offsets by the bytes added. A PDF not laid out as Qt writes it comes back
// unchanged.
QByteArray withSubsetTags(const QByteArray& pdf);

}  // namespace tarrowin
