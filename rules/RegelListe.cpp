#include "rules/RegelListe.h"

#include <cassert>
#include <string_view>

#include "rules/RegelListeDaten.h"

namespace tavuran {

const std::array<std::string, RegelEdvAnzahl> RegelEdvListe = {
    "F3B-A",           // 1
    "F3B-E",           // 2
    "F3B-E_BAVARIAN_OPEN", // 3
    "F3J",             // 4
    "OLDTIMER_FUNFLY", // 5
    "MANUELLE_EINGABE", // 6
    "F5B-J_BAVARIAN_OPEN", // 7
    "GESAMTWERTUNG",   // 8
    "F5B-J_MOD_LANDUNG", // 9
    "F3B_RES",         // 10
    "F5J",             // 11
    "F3B-J",           // 12
    "F5B-J",           // 13
    "F3B-A-ELEKTRO",   // 14
};

namespace {

using namespace regeldaten;

const ParameterFamilie& FindeParameterFamilie(char Buchstabe) {
    for (int i = 0; i < ParameterFamilienAnzahl; ++i)
        if (ParameterFamilien[i].Buchstabe == Buchstabe) return ParameterFamilien[i];
    assert(!"parameter family missing from the catalogue data");
    return ParameterFamilien[0];
}

const SpaltenFamilie& FindeSpaltenFamilie(std::string_view Name) {
    for (int i = 0; i < SpaltenFamilienAnzahl; ++i)
        if (SpaltenFamilien[i].Name == Name) return SpaltenFamilien[i];
    assert(!"column family missing from the catalogue data");
    return SpaltenFamilien[0];
}

void SetzeParameter(ParameterWettbTyp& P, const ParameterFamilie& F) {
    P.Anzahl = 0;
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        if (F.AlleParameterFrei) {
            P.ParaNr[i] = i;
            P.Bezeichner[i] = "-";
            P.DefaultWert[i] = "0";
        } else {
            P.ParaNr[i] = 0;
            P.Bezeichner[i].clear();
            P.DefaultWert[i].clear();
        }
    }
    for (const ParameterZeile& Z : F.Zeilen) {
        P.ParaNr[Z.Zeile] = Z.ParaNr;
        P.Bezeichner[Z.Zeile] = std::string(Z.Bezeichner);
        P.DefaultWert[Z.Zeile] = std::string(Z.DefaultWert);
    }
}

template <class Spalten>
void SetzeSpalten(Spalten& S, std::span<const std::string_view> Bezeichner) {
    S.Anzahl = static_cast<int>(Bezeichner.size());
    for (auto& b : S.Bezeichner) b = "-";
    for (int i = 0; i < S.Anzahl; ++i) S.Bezeichner[i + 1] = std::string(Bezeichner[i]);
}

RegelTyp BaueRegel(const RegelZeile& Z) {
    RegelTyp R;
    R.Name = std::string(Z.Name);
    R.EdvNr = Z.EdvNr;
    R.AnzGewerteteDurchg = std::string(Z.AnzGewerteteDurchg);
    R.PermntNullDurchg = Z.PermntNullDurchg;
    R.AnzDurchgaenge = Z.AnzDurchgaenge;
    R.AnzPunktrichter = Z.AnzPunktrichter;
    R.AnzGruppen = Z.AnzGruppen;
    R.Gruppenstart = Z.Gruppenstart;
    R.Aktiv = Z.Aktiv;
    SetzeParameter(R.ParameterWettb, FindeParameterFamilie(Z.ParameterFamilie));
    const SpaltenFamilie& K = FindeSpaltenFamilie(Z.SpaltenFamilie);
    SetzeSpalten(R.ParameterPunktr, K.Punktr);
    SetzeSpalten(R.ParameterDurchg, K.Durchg);
    assert(Z.Beschreibung >= 0 && Z.Beschreibung < BeschreibungenAnzahl);
    const BeschreibungTexte& B = Beschreibungen[Z.Beschreibung];
    assert(static_cast<int>(B.size()) <= MaxBeschreibung);
    for (std::size_t i = 0; i < B.size(); ++i) R.Beschreibung[static_cast<int>(i) + 1] = std::string(B[i]);
    R.RegelDefaultDurchg = Z.RegelDefaultDurchg;
    assert(Z.Layout >= 0 && Z.Layout < ListenLayoutsAnzahl);
    const ListenLayout& L = ListenLayouts[Z.Layout];
    R.UeberschrPunktr = std::string(L.UeberschrPunktr);
    R.UeberschrZeitn = std::string(L.UeberschrZeitn);
    R.TrennliniePunktr = std::string(L.TrennliniePunktr);
    R.TrennlinieZeitn = std::string(L.TrennlinieZeitn);
    R.TeilnehmerPunktr = std::string(L.TeilnehmerPunktr);
    R.TeilnehmerZeitn = std::string(L.TeilnehmerZeitn);
    R.StartplatzStr = std::string(Z.StartplatzStr);
    R.next = nullptr;
    return R;
}

using Katalog = std::array<RegelTyp, RegelAnzahl>;

Katalog BaueKatalog() {
    Katalog K;
    for (int i = 0; i < RegelAnzahl; ++i) {
        assert(RegelZeilen[i].Nr == i + 1);
        K[i] = BaueRegel(RegelZeilen[i]);
    }
    return K;
}

RegelTyp UnbekannteRegel() {
    RegelTyp R;
    R.EdvNr = -1;
    return R;
}

} // namespace

const RegelTyp& RegelListe(int Nr) {
    static const Katalog K = BaueKatalog();
    static const RegelTyp Unbekannt = UnbekannteRegel();
    if (Nr < 1 || Nr > RegelAnzahl) return Unbekannt;
    return K[Nr - 1];
}

} // namespace tavuran
