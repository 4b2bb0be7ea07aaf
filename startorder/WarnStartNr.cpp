#include "startorder/WarnStartNr.h"

#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "core/MinMax.h"

namespace tavuran {

namespace {

struct WarnStufe {
    int Stufe;
    const char* Funktion;  // line 1, by CurProgState
    const char* Wettbewerb; // line 2, by Status
    const char* Folge;      // consequence line
    const char* Abbruch;
    const char* Ok;
};

constexpr WarnStufe WarnStufen[] = {
    {20, "Es wurden grundlegende Wettbewerbsparameter geändert,",
     "es wurden aber bereits Wettbewerbsparameter festgelegt.",
     "-> Startreihenfolge müsste ggf. neu vergeben werden!", "Abbruch - Parameter lassen", "OK - Parameter ändern"},
    {50, "Diese Programmfunktion vergibt Startnummern neu,", "es wurden aber bereits Startnummern eingeteilt.",
     "-> Gegebenenfalls bereits kommunizierte Startlisten wären ungültig!", "Abbruch - Startnummern lassen",
     "Ok - Startnummern neu vergeben"},
    {60, "Diese Programmfunktion erstellt neue Ausdrucke,", "es wurden aber bereits Startlisten gedruckt!",
     "-> Start- und Wertungslisten müssten neu gedruckt werden!", "Abbruch - Ausdrucke lassen",
     "Ok - Ausdrucke werden neu erstellt"},
    {70, "Diese Programmfunktion ändert bestehende Wertungen,", "es wurden aber bereits Durchgänge geflogen!",
     "-> Durchgänge müssten neu geflogen und eingegeben werden!", "Abbruch - Wertungen lassen",
     "Ok - Wertungen ändern"},
    {80, "Diese Programmfunktion ändert Finalwertungen (Fly-Off),", "es wurde aber bereits ein Fly-Off geflogen!",
     "-> Fly-Off müsste neu geflogen und eingegeben werden!", "Abbruch - Fly Off lassen", "Ok - Fly Off ändern"},
    {90, "Diese Programmfunktion ändert das Ergebnis,", "es wurden aber bereits Ergebnisse exportiert!",
     "-> Ergebnisexporte und -listen müssten neu erstellt werden!", "Abbruch - Ergebnis lassen",
     "Ok - Ergebnis ändern"},
};

const WarnStufe* StufeVon(int stufe) {
    for (const WarnStufe& s : WarnStufen)
        if (s.Stufe == stufe) return &s;
    return nullptr;
}

constexpr int WarnErsteZeile = 16;
constexpr int WarnZeilenAbstand = 24;

} // namespace

WarnStartNrZustand& WarnStartNr() {
    static WarnStartNrZustand zustand;
    return zustand;
}

bool FormCheckShow(WettbewerbTyp* WettbewerbPtr, int NewState, int CriticalState) {
    WarnStartNr().CurProgState = NewState;
    if (!WettbewerbPtr) return false;
    return WettbewerbPtr->Status >= CriticalState && WettbewerbPtr->Status > WettbewerbPtr->Warnstufe;
}

void SetCallingFkt(int CallFkt) { WarnStartNr().CalledBy = CallFkt; }

WarnStartNrInhalt WarnStartNrTexte(WettbewerbTyp* comp, int CurProgState) {
    WarnStartNrInhalt inhalt;
    WarnStartNrZustand& zustand = WarnStartNr();
    const int s = comp ? comp->Status : 0;
    const int eigen = CurProgState;
    inhalt.Rot = s >= 70;
    const WarnStufe* funktion = StufeVon(eigen);
    inhalt.OkText = funktion ? funktion->Ok : "Ok";
    inhalt.AbbruchText = funktion ? funktion->Abbruch : "Abbruch";

    const std::uint32_t maske = comp ? DatenWettbewerbDurchgangEnthaeltWertung(comp) : 0;
    if (eigen == 50 && (s == 70 || s == 80) && maske != 0) {
        zustand.DurchgangGeaendertMaske = static_cast<int>(maske);
        inhalt.Zeilen.push_back({WarnErsteZeile, "Für die Durchgänge"});
        int top = WarnErsteZeile + WarnZeilenAbstand;
        std::string gesammelt;
        for (int r = 1; r <= MaxDurchgaenge; ++r) {
            if (!(maske & (1u << (r - 1)))) continue;
            gesammelt += GetDurchgangBezeichner(comp, r, false, true) + ", ";
            if (L_STR_Length(gesammelt) > 40) {
                inhalt.Zeilen.push_back({top, gesammelt});
                gesammelt.clear();
                top += WarnZeilenAbstand;
            }
        }
        if (!gesammelt.empty()) inhalt.Zeilen.push_back({top, gesammelt});
        inhalt.Zeilen.push_back({88, "wurden bereits Wertungen eingegeben; durch das"});
        inhalt.Zeilen.push_back({112, "Neusortieren würden die Gruppen neu zusammengestellt"});
        inhalt.Zeilen.push_back({136, "werden und die bereits bestehenden Wertungen würden"});
        inhalt.Zeilen.push_back({160, "zu einem falschen Ergebnbis führen!"});
        return inhalt;
    }

    const WarnStufe* wettbewerb = StufeVon(s);
    inhalt.Zeilen.push_back({WarnErsteZeile, funktion ? funktion->Funktion : ""});
    inhalt.Zeilen.push_back({WarnErsteZeile + WarnZeilenAbstand, wettbewerb ? wettbewerb->Wettbewerb : ""});
    // One empty line, then the consequences of every state from the function's up to the competition's.
    int top = WarnErsteZeile + 2 * WarnZeilenAbstand;
    for (int k = eigen; k <= s; ++k) {
        const WarnStufe* stufe = StufeVon(k);
        if (!stufe) continue;
        top += WarnZeilenAbstand;
        inhalt.Zeilen.push_back({top, stufe->Folge});
    }
    return inhalt;
}

void UpdateWarningLevel(WettbewerbTyp* comp, int CurProgState, WarnOption Option) {
    if (!comp) return;
    const int alt = comp->Warnstufe;
    switch (Option) {
    case WarnOption::Show: comp->Warnstufe = 0; break;
    case WarnOption::SkipLevel: comp->Warnstufe = MaxInt(CurProgState, comp->Status); break;
    case WarnOption::Skip: comp->Warnstufe = 100; break;
    }
    if (comp->Warnstufe != alt) SetWettbewerbModified(comp);
}

} // namespace tavuran
