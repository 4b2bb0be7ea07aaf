// A document's pages written as a PDF directly: each text one string in a
// font embedded as a subset of its TrueType program, grid lines and fills as
// rectangles, every page's content compressed. The same drawing routine as on
// the screen and the printer, through a canvas that writes PDF operators.
#pragma once

#include <functional>
#include <string>

#include "reports/DruckCanvas.h"
#include "reports/DruckDokument.h"
#include "reports/TrueTypeSchrift.h"

namespace tavuran {

// The font program for a family and style (name, bold, italic of the
// DruckSchrift; its height and colour do not matter); nullptr when that
// font has none that can be embedded. The fonts live as long as the call
// that asks for them.
using PdfSchriften = std::function<const TrueTypeSchrift*(const DruckSchrift& Schrift)>;

// The pages Von..Bis of the document as a PDF at Aufloesung device pixels
// per inch, into Pdf. False with the reason, and nothing in Pdf, when a text
// needs a font that cannot be embedded or a character its font does not
// have: such a document is for a writer that substitutes fonts.
bool PdfErzeugen(const DruckDokument& Dokument, const PdfSchriften& Schriften, int Aufloesung, int Von, int Bis,
                 std::string& Pdf, std::string& Grund);

} // namespace tavuran
