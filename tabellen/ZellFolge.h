// Which cell the cursor goes to when a cell is left by Enter or Tab: in the
// score grids through the value cells of a row and on to the next pilot's
// first value cell, so that a flight costs its values plus one key per value;
// in the participant sheet along the columns a pilot is registered with.
// Rows and columns are counted from 0, as in the tables.
#pragma once

#include "tabellen/Tabelle.h"

namespace tavuran {

struct ZellOrtTyp {
    int Zeile = 0;
    int Spalte = 0;
    bool operator==(const ZellOrtTyp&) const = default;
};

// The value cell after (Vorwaerts) or before the cell At in a score grid: the
// cells that can be typed into, left to right, row by row. Rows without any
// (group separators, free rows) are skipped, and so are the computed columns;
// a cursor outside the values of an entry goes to that row's first value
// cell. At the first or last value cell of the grid the cursor stays.
ZellOrtTyp WertZelleNach(const TabelleTyp& Tabelle, ZellOrtTyp At, bool Vorwaerts);

// The cell after At in the participant sheet on Enter (Enter) or Tab: name,
// club, the channels in use, junior, then the next row's name; the columns
// right of junior follow each other. Enter after the club of a pilot on
// 2.4 GHz goes to the next row's name, as there is no channel to type.
ZellOrtTyp TeilnehmerZelleNach(const TabelleTyp& Tabelle, ZellOrtTyp At, bool Enter);

} // namespace tavuran
