#include "app/TabellenGitter.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>

namespace tavuran {

namespace {

// Candidates measured per column: the longest texts by their characters; a
// proportional font may make a shorter one wider, but not by many characters.
constexpr int Kandidaten = 8;

} // namespace

TabellenGitter::TabellenGitter(QWidget* Eltern) : QTableView(Eltern), modell_(new TabellenModell(this)) {
    setModel(modell_);
}

void TabellenGitter::setCurrentCell(int Zeile, int Spalte) {
    if (Zeile < 0 || Zeile >= rowCount() || Spalte < 0 || Spalte >= columnCount()) return;
    setCurrentIndex(modell_->index(Zeile, Spalte));
}

std::string TabellenGitter::KopfText(int Spalte) const {
    return modell_->headerData(Spalte, Qt::Horizontal).toString().toStdString();
}

void TabellenGitter::SetTabelle(TabelleTyp Tabelle, int FontFactor) {
    modell_->SetSchrift(font());
    const TabellenModell::Aenderung a = modell_->SetTabelle(std::move(Tabelle));
    if (a.Spalten || a.Zeilen) SpaltenBemessen(a.Spalten, FontFactor);
}

// A cell's width for its text as the item delegate lays it out: the text, its
// margins and the grid line.
int TabellenGitter::TextBreite(int Spalte) const {
    const QFontMetrics fm(font());
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + (showGrid() ? 1 : 0);
    int breite = 0;
    for (int r : LaengsteTexte(modell_->Tabelle(), Spalte, Kandidaten))
        breite = std::max(breite, fm.horizontalAdvance(QString::fromStdString(modell_->Text(r, Spalte))) + rand);
    return breite;
}

void TabellenGitter::SpaltenBemessen(bool Alle, int FontFactor) {
    const TabelleTyp& t = modell_->Tabelle();
    const QFontMetrics kopf(horizontalHeader()->font());
    const auto f = [FontFactor](int n) { return n * FontFactor / 100; };
    for (int c = 0; c < t.AnzahlSpalten(); ++c) {
        const TabellenSpalteTyp& s = t.Spalten[static_cast<std::size_t>(c)];
        if (isColumnHidden(c) != s.Verborgen) setColumnHidden(c, s.Verborgen);
        if (s.Verborgen) continue;
        if (!Alle && !s.NachInhalt) continue;
        int breite = f(s.Breite);
        if (s.NachKopf) breite = std::max(breite, kopf.horizontalAdvance(QString::fromStdString(s.Kopf)) + f(14));
        if (s.NachInhalt) breite = std::max({breite, horizontalHeader()->sectionSizeHint(c), TextBreite(c)});
        if (columnWidth(c) != breite) setColumnWidth(c, breite);
    }
}

std::string ListenZellText(const TabellenGitter* Grid, int Zeile, int Spalte) {
    return Grid ? Grid->Text(Zeile - 1, Spalte) : std::string();
}

} // namespace tavuran
