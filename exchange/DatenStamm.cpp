#include "exchange/DatenStamm.h"

#include <algorithm>
#include <array>
#include <set>

#include "core/DatenTeilnehmer.h"
#include "core/L_CALEND.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenTeilnehmerDatei.h"

namespace tavuran {

namespace {

const char* const WertAbgleich = "StatusStammdaten";
const char* const WertAnzahl = "StammDaten\\Count";

// The built-in records: a few example pilots, so that a new installation
// shows what the list holds. Their last participation has the year 0.
struct StammDatSatz {
    const char* Nachname;
    const char* Vorname;
    const char* Verein;
    const char* Kanal1;
    const char* Kanal2;
    const char* Kanal3;
    const char* Nation;
    const char* Bundesland;
    bool Jugendlich;
};

const StammDatSatz StammDatListe[] = {
    {"Albrecht", "Jonas", "MFC Adlerhorst", "2G4", "2G4", "2G4", "GER", "BY", false},
    {"Brandt", "Miriam", "MSG Talwind", "2G4", "2G4", "2G4", "GER", "BW", false},
    {"Conradi", "Felix", "MFC Adlerhorst", "35", "40", "2G4", "GER", "BY", true},
    {"Dorn", "Helmut", "FSV Hangkante", "2G4", "", "", "GER", "HE", false},
    {"Eckert", "Lena", "MSG Talwind", "2G4", "2G4", "2G4", "GER", "BW", true},
    {"Falk", "Werner", "MFG Seewiesen", "72", "2G4", "", "AUT", "", false},
    {"Gruber", "Stefan", "MFG Seewiesen", "2G4", "2G4", "2G4", "AUT", "", false},
    {"Hartmann", "Nina", "FSV Hangkante", "2G4", "2G4", "2G4", "GER", "HE", false},
    {"Imhof", "Beat", "MG Thermikfreunde", "2G4", "2G4", "2G4", "SUI", "", false},
    {"Jansen", "Tim", "MFC Adlerhorst", "2G4", "2G4", "2G4", "GER", "BY", true},
};

void StammDatenLeeren(WettbewerbTyp* Wett) {
    DatenTeilnehmerDispose(Wett->StammDatenRootPtr);
    Wett->StammDatenNameRootPtr = nullptr;
    Wett->StammdatenFileName.clear();
}

std::string Getrimmt(const std::string& s) { return L_STR_Unblank(s); }

} // namespace

bool DatenStammRom(const WettbewerbTyp* Wett) { return Wett && Wett->StammDatRom; }

int DatenStammAbgleichReadRegistry() {
    const int m = L_REGIST_GetIntegerValue(WertAbgleich, "");
    // A new installation merges every closed competition, so that the look-up
    // offers the pilots of the last season without anyone finding the setting.
    if (m == L_REGIST_Fehlt) return StammAbgleichAutomatisch;
    return m >= StammAbgleichNie && m <= StammAbgleichAutomatisch ? m : StammAbgleichNie;
}

void DatenStammAbgleichWriteRegistry(int Mode) { L_REGIST_SetIntegerValue(WertAbgleich, "", Mode); }

bool DatenStammInRegistry() {
    const int n = L_REGIST_GetIntegerValue(WertAnzahl, "");
    return n != L_REGIST_Fehlt && n >= 1;
}

std::string GetValueStr(int Index) {
    return std::string("StammDaten\\Data") + L_STR_FillLeftWithO(std::to_string(Index), 4);
}

void DatenStammReadRegistry(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Wett->StammDatRom = false;
    StammDatenLeeren(Wett);
    const int n = L_REGIST_GetIntegerValue(WertAnzahl, "");
    if (n != L_REGIST_Fehlt) {
        for (int i = 0; i < std::min(n, MaxStammdaten); ++i) {
            const std::string zeile = L_REGIST_GetStringValue(GetValueStr(i), "");
            if (!zeile.empty()) DatenTeilnehmerParse(Wett->StammDatenRootPtr, zeile, 3, TeilnehmerModusStammdaten);
        }
    }
    SortStammDatenNamen(Wett, false);
    MarkTeilnehmerInStammDaten(Wett);
}

void DatenStammLoadRom(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Wett->StammDatRom = true;
    StammDatenLeeren(Wett);
    // The sample pilots count as having taken part today: the look-up offers
    // only pilots of the last five years.
    DateRec heute;
    L_CALEND_GetDate(heute);
    for (const StammDatSatz& s : StammDatListe) {
        TeilnehmerTyp* p = DatenTeilnehmerNew();
        DatenTeilnehmerDefault(p);
        p->Name.NachnameStr = s.Nachname;
        p->Name.VornameStr = s.Vorname;
        p->Verein = s.Verein;
        p->Kanal[1] = s.Kanal1;
        p->Kanal[2] = s.Kanal2;
        p->Kanal[3] = s.Kanal3;
        p->Land.Nation = s.Nation;
        p->Land.Bundesland = s.Bundesland;
        p->Jugendlich = s.Jugendlich;
        p->Lebendig = true;
        p->KanalAktiv = 1;
        p->GebDatum = {1, 1, 2000};
        p->LetztTeiln = heute;
        p->next = Wett->StammDatenRootPtr;
        Wett->StammDatenRootPtr = p;
    }
    SortStammDatenNamen(Wett, false);
    MarkTeilnehmerInStammDaten(Wett);
}

int DatenStammLaden(WettbewerbTyp* Wett) {
    const int mode = DatenStammAbgleichReadRegistry();
    if (!Wett) return mode;
    if (DatenStammInRegistry() && mode != StammAbgleichNie)
        DatenStammReadRegistry(Wett);
    else
        DatenStammLoadRom(Wett);
    return mode;
}

void DatenStammWriteRegistry(WettbewerbTyp* Wett, int Mode) {
    if (!Wett) return;
    if (Mode == StammAbgleichAutomatisch) DatenStammAbgleichen(Wett);
    SortStammDatenNamen(Wett, true);
    int n = 0;
    for (const TeilnehmerTyp* p = Wett->StammDatenNameRootPtr; p; p = p->nextName) ++n;
    const int alt = L_REGIST_GetIntegerValue(WertAnzahl, "");
    L_REGIST_SetIntegerValue(WertAnzahl, "", n);
    int k = 0;
    for (const TeilnehmerTyp* p = Wett->StammDatenNameRootPtr; p; p = p->nextName)
        L_REGIST_SetStringValue(GetValueStr(k++), "", MakeTeilnehmerZeile(p, 3, TeilnehmerModusStammdaten));
    // Every value beyond the new count goes, also behind a gap left by an
    // earlier, interrupted clean-up.
    if (alt != L_REGIST_Fehlt)
        for (int i = n; i < std::min(alt, n + MaxStammdaten); ++i) L_REGIST_DelValue(GetValueStr(i), "");
}

void CopyStammdaten(TeilnehmerTyp* Ziel, const TeilnehmerTyp* Quelle) {
    if (!Ziel || !Quelle) return;
    Ziel->Name = Quelle->Name;
    Ziel->Verein = Quelle->Verein;
    for (int k = 1; k <= 3; ++k) Ziel->Kanal[k] = Quelle->Kanal[k];
    Ziel->KanalAktiv = Quelle->KanalAktiv;
    Ziel->Land = Quelle->Land;
    Ziel->Jugendlich = Quelle->Jugendlich;
    Ziel->Lebendig = Quelle->Lebendig;
    Ziel->GebDatum = Quelle->GebDatum;
    Ziel->LetztTeiln = Quelle->LetztTeiln;
    for (int k = 1; k <= 3; ++k) Ziel->Helfer[k] = Quelle->Helfer[k];
    for (int k = 1; k <= 2; ++k) Ziel->Modell[k] = Quelle->Modell[k];
    Ziel->Verband = Quelle->Verband;
}

void DatenStammFuegeEin(WettbewerbTyp* Wett, const TeilnehmerTyp* P) {
    if (!Wett || !P || P->Name.NachnameStr.empty() || P->Name.VornameStr.empty()) return;
    TeilnehmerTyp* m = Wett->StammDatenRootPtr;
    while (m && !NamenSindGleich(&m->Name, &P->Name)) m = m->next;
    if (m) {
        if (L_CALEND_GetDayDifference(m->LetztTeiln, Wett->Datum) >= 0) {
            CopyStammdaten(m, P);
            m->LetztTeiln = Wett->Datum;
        }
        return;
    }
    TeilnehmerTyp* neu = DatenTeilnehmerNew();
    DatenTeilnehmerDefault(neu);
    CopyStammdaten(neu, P);
    neu->LetztTeiln = Wett->Datum;
    neu->next = Wett->StammDatenRootPtr;
    Wett->StammDatenRootPtr = neu;
}

void DatenStammAbgleichen(WettbewerbTyp* Wett) {
    if (!Wett) return;
    for (const TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next) DatenStammFuegeEin(Wett, p);
}

void MarkTeilnehmerInStammDaten(WettbewerbTyp* Wett) {
    if (!Wett) return;
    // Name and club, trimmed, of every participant, looked up once per known
    // pilot (the master data may hold thousands).
    using Schluessel = std::array<std::string, 4>;
    const auto schluessel = [](const TeilnehmerTyp* t) {
        return Schluessel{Getrimmt(t->Name.NachnameStr), Getrimmt(t->Name.VornameStr), Getrimmt(t->Name.TitelStr),
                          Getrimmt(t->Verein)};
    };
    std::set<Schluessel> teilnehmer;
    for (const TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next) teilnehmer.insert(schluessel(p));
    for (TeilnehmerTyp* m = Wett->StammDatenRootPtr; m; m = m->next)
        m->TeilnehmerAusStammDat = teilnehmer.count(schluessel(m)) > 0;
}

bool DatenStammLoeschen(WettbewerbTyp* Wett, const TeilnehmerTyp* Pilot) {
    if (!Wett || !Pilot) return false;
    for (TeilnehmerTyp** pp = &Wett->StammDatenRootPtr; *pp; pp = &(*pp)->next) {
        if (*pp != Pilot) continue;
        TeilnehmerTyp* weg = *pp;
        *pp = weg->next;
        weg->next = nullptr;
        DatenTeilnehmerDispose(weg);
        // The name chain still runs through the freed record: rebuild it.
        SortStammDatenNamen(Wett, true);
        return true;
    }
    return false;
}

bool DatenStammEnthaelt(const WettbewerbTyp* Wett, const TeilnehmerTyp* Pilot) {
    if (!Wett || !Pilot) return false;
    for (const TeilnehmerTyp* p = Wett->StammDatenRootPtr; p; p = p->next)
        if (p == Pilot) return true;
    return false;
}

} // namespace tavuran
