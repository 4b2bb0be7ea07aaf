#include "tabellen/Tabelle.h"

#include <algorithm>

namespace tavuran {

namespace {

const std::string LeererText;
const ZellMarkeTyp LeereMarke;

bool Blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

} // namespace

const std::string& TabelleTyp::Text(int Zeile, int Spalte) const {
    if (Zeile < 0 || Zeile >= AnzahlZeilen() || Spalte < 0) return LeererText;
    const auto& t = Zeilen[static_cast<std::size_t>(Zeile)].Texte;
    return Spalte < static_cast<int>(t.size()) ? t[static_cast<std::size_t>(Spalte)] : LeererText;
}

const ZellMarkeTyp& TabelleTyp::Marke(int Zeile, int Spalte) const {
    if (Zeile < 0 || Zeile >= AnzahlZeilen() || Spalte < 0) return LeereMarke;
    const auto& m = Zeilen[static_cast<std::size_t>(Zeile)].Marken;
    return Spalte < static_cast<int>(m.size()) ? m[static_cast<std::size_t>(Spalte)] : LeereMarke;
}

bool TabelleTyp::ZelleEditierbar(int Zeile, int Spalte) const {
    if (Zeile < 0 || Zeile >= AnzahlZeilen() || Spalte < 0 || Spalte >= AnzahlSpalten()) return false;
    return Zeilen[static_cast<std::size_t>(Zeile)].Editierbar && Spalten[static_cast<std::size_t>(Spalte)].Editierbar;
}

void TabelleTyp::SetText(int Zeile, int Spalte, const std::string& Text) {
    if (Zeile < 0 || Zeile >= AnzahlZeilen() || Spalte < 0) return;
    auto& t = Zeilen[static_cast<std::size_t>(Zeile)].Texte;
    if (Spalte >= static_cast<int>(t.size())) t.resize(static_cast<std::size_t>(Spalte) + 1);
    t[static_cast<std::size_t>(Spalte)] = Text;
}

int TabelleTyp::ZeileVon(int EdvNr) const {
    if (EdvNr == 0) return -1;
    for (int r = 0; r < AnzahlZeilen(); ++r)
        if (Zeilen[static_cast<std::size_t>(r)].EdvNr == EdvNr) return r;
    return -1;
}

TabellenZeileTyp NeueZeile(ZeilenArt Art, int Spalten) {
    TabellenZeileTyp z;
    z.Art = Art;
    z.Texte.resize(static_cast<std::size_t>(std::max(Spalten, 0)));
    return z;
}

std::vector<ZeilenBereichTyp> GeaenderteZeilen(const TabelleTyp& Alt, const TabelleTyp& Neu) {
    std::vector<ZeilenBereichTyp> bereiche;
    const int n = std::min(Alt.AnzahlZeilen(), Neu.AnzahlZeilen());
    for (int r = 0; r < n; ++r) {
        if (Alt.Zeilen[static_cast<std::size_t>(r)] == Neu.Zeilen[static_cast<std::size_t>(r)]) continue;
        if (!bereiche.empty() && bereiche.back().Bis == r - 1)
            bereiche.back().Bis = r;
        else
            bereiche.push_back({r, r});
    }
    return bereiche;
}

int ZeichenZahl(const std::string& Text) {
    int n = 0;
    for (unsigned char c : Text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

int TextLaenge(const std::string& Text) {
    int n = 0;
    for (unsigned char c : Text)
        if ((c & 0xC0) != 0x80) n += c == ' ' ? 1 : 2;
    return n;
}

std::vector<int> LaengsteTexte(const TabelleTyp& Tabelle, int Spalte, int Anzahl) {
    std::vector<std::pair<int, int>> laengen; // (length, row)
    for (int r = 0; r < Tabelle.AnzahlZeilen(); ++r) {
        const std::string& t = Tabelle.Text(r, Spalte);
        if (!t.empty()) laengen.emplace_back(TextLaenge(t), r);
    }
    const auto k = static_cast<std::ptrdiff_t>(std::min<std::size_t>(static_cast<std::size_t>(std::max(Anzahl, 0)), laengen.size()));
    std::partial_sort(laengen.begin(), laengen.begin() + k, laengen.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first || (a.first == b.first && a.second < b.second); });
    std::vector<int> zeilen;
    for (std::ptrdiff_t i = 0; i < k; ++i) zeilen.push_back(laengen[static_cast<std::size_t>(i)].second);
    return zeilen;
}

void LeereSpaltenVerbergen(TabelleTyp& Tabelle, int AbSpalte) {
    for (int c = std::max(AbSpalte, 0); c < Tabelle.AnzahlSpalten(); ++c) {
        bool leer = Blank(Tabelle.Spalten[static_cast<std::size_t>(c)].Kopf);
        for (int r = 0; r < Tabelle.AnzahlZeilen() && leer; ++r) leer = Blank(Tabelle.Text(r, c));
        Tabelle.Spalten[static_cast<std::size_t>(c)].Verborgen = leer;
    }
}

} // namespace tavuran
