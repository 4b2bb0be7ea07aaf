// The grids of the reflight and penalty dialogs: plain cells counted as the
// lists count them (row 0 is the header, data rows from 1), each data row
// carrying the EdvNr of its participant, and the participant list that both
// dialogs show on their right.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "evaluation/Refly.h"

class QTableWidget;
class QWidget;

namespace tavuran {

// Writes a cell of data row Zeile (from 1); the grid grows to hold the row.
void ListenZelle(QTableWidget* Grid, int Zeile, int Spalte, const std::string& Text, bool Editierbar = false);
std::string ListenZellText(const QTableWidget* Grid, int Zeile, int Spalte);
void ListenKopf(QTableWidget* Grid, int Spalte, const std::string& Text);
// The participant of data row Zeile (0 for an empty row).
int ListenEdvNr(const QTableWidget* Grid, int Zeile);
void ListenEdvNrSetzen(QTableWidget* Grid, int Zeile, int EdvNr);
// Empties every data row (texts and participants), keeping the row count.
void ListeLeeren(QTableWidget* Grid);
// The data row on top of the selection, else the current row; 0 for none.
int ListenAuswahl(const QTableWidget* Grid);

// Fills the participant list with the rows of DialogTeilnehmerListe and the
// headers "Gruppe", "Startnr.", "Name" and "Verein" (or "Team"); the grid
// keeps at least MinZeilen data rows and grows to hold every row. Returns the rows.
std::vector<DialogTeilnehmerZeile> TeilnehmerListeFuellen(QTableWidget* Grid, WettbewerbTyp* Wett, int DurchgangNr,
                                                          const DialogListenFilter& Filter, int MinZeilen);
// Filter and team option of the main window's lists.
DialogListenFilter HauptfensterListenFilter();

// Widens column Spalte to hold its header and every one of Texte.
void SpalteEinpassen(QTableWidget* Grid, int Spalte, const std::vector<std::string>& Texte);
// Widens every column to hold its header and the texts of its rows.
void SpaltenEinpassen(QTableWidget* Grid);
// Width the grid needs to show every column without scrolling sideways; it
// does not become narrower than that.
int ListeMindestbreite(QTableWidget* Grid);

// Widens the dialog when its lists need more room than its standard size,
// as far as the screen allows, and keeps it on the screen.
void DialogEinpassen(QWidget* Dialog);

// A grid as the dialog lists use it: no row header, single selection of rows,
// the main window's list font and row height.
void ListeEinrichten(QTableWidget* Grid, int Spalten);

} // namespace tavuran
