// QR codes of links (start sheets, the notice-board page, the live window):
// the module matrix from libqrencode and its drawing as filled rectangles
// through the print canvas, so preview, printer and PDF show the same code.
#pragma once

#include <string_view>
#include <vector>

#include "reports/DruckCanvas.h"

namespace tavuran {

struct QrMatrixTyp {
    int Groesse = 0;          // modules per side; 0: no code (text too long or no QR library)
    std::vector<bool> Dunkel; // row by row, Groesse * Groesse
    bool At(int x, int y) const { return Dunkel[static_cast<std::size_t>(y * Groesse + x)]; }
};

// The code of the text (byte mode, error correction level M).
QrMatrixTyp QrCodeBerechnen(std::string_view Text);

// Draws the code with its quiet zone of four modules into the square at
// (Links, Oben) of side Kante pixels; the modules are whole pixels, so the
// code may be a little smaller than the square. Nothing for an empty code.
void QrCodeZeichnen(DruckCanvas& Canvas, int Links, int Oben, int Kante, const QrMatrixTyp& Code);

} // namespace tavuran
