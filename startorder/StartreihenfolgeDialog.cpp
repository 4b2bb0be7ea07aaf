#include "startorder/StartreihenfolgeDialog.h"

#include <algorithm>

#include "core/DatenDurchgang.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "core/DatenTeilnehmer.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran {

int GetDurchgangSortMode(bool Alle, bool Ausgewaehlte, bool Unsortierte, bool NurAktueller) {
    if (Alle) return SortModeAlle;
    if (Ausgewaehlte) return SortModeAusgewaehlte;
    if (Unsortierte) return SortModeUnsortierte;
    if (NurAktueller) return SortModeAktueller;
    return SortModeKeiner;
}

bool GetDurchgangIstEinzuteilen(const WettbewerbTyp* comp, int SortMode, int DurchgangNr,
                                const Feld<bool, 1, DialogRundenBoxen>& Ausgewaehlt) {
    if (!comp) return false;
    switch (SortMode) {
    case SortModeAktueller: return DurchgangNr == comp->DurchgangNr;
    case SortModeUnsortierte: {
        const DurchgangTyp* d = DatenDurchgangSuchen(comp, DurchgangNr);
        return d && !d->DurchgangEingeteilt;
    }
    case SortModeAusgewaehlte: return Ausgewaehlt.inRange(DurchgangNr) && Ausgewaehlt[DurchgangNr];
    case SortModeAlle: return true;
    default: return false;
    }
}

std::int64_t StartreihenfolgeDurchgangMaske(const WettbewerbTyp* comp, int SortMode,
                                            const Feld<bool, 1, DialogRundenBoxen>& Ausgewaehlt) {
    if (!comp) return 0;
    std::int64_t maske = 0;
    const int runden = LimitLowHighInt(comp->AnzVorrunden, 0, MaxDurchgaenge);
    for (int r = 1; r <= runden; ++r)
        if (GetDurchgangIstEinzuteilen(comp, SortMode, r, Ausgewaehlt)) maske |= std::int64_t{1} << (r - 1);
    return maske;
}

std::vector<DurchgangBox> DurchgangBoxen(const WettbewerbTyp* comp, int SortMode,
                                         const Feld<bool, 1, DialogRundenBoxen>& Ausgewaehlt) {
    std::vector<DurchgangBox> boxen(DialogRundenBoxen);
    if (!comp) return boxen;
    for (int r = 1; r <= DialogRundenBoxen; ++r) {
        DurchgangBox& b = boxen[r - 1];
        if (r > comp->AnzDurchgaenge) continue;
        b.Sichtbar = true;
        b.Text = GetDurchgangBezeichner(comp, r, false, true);
        if (r > comp->AnzVorrunden) continue;
        if (SortMode == SortModeAusgewaehlte) {
            b.Aktiv = true;
            b.Getickt = Ausgewaehlt[r];
        } else {
            b.Getickt = GetDurchgangIstEinzuteilen(comp, SortMode, r, Ausgewaehlt);
        }
    }
    return boxen;
}

GruppenGroesseGrenzen FillGruppenGroesse(int AnzahlTeilnehmer, int GruppenGroesse, int MaxVerkettung) {
    GruppenGroesseGrenzen g;
    g.MinAnzahlGruppen = MaxInt(MaxVerkettung, 2);
    g.MaxGroesse = AnzahlTeilnehmer / g.MinAnzahlGruppen;
    g.MinGroesse = 2;
    g.GruppenGroesse = LimitLowHighInt(GruppenGroesse, g.MinGroesse, g.MaxGroesse);
    g.AnzahlGruppen = CalcAnzahlGruppen(AnzahlTeilnehmer, g.GruppenGroesse);
    return g;
}

std::vector<std::string> StartreihenfolgeHinweise(int SortMode, bool AlleVorrundenGetickt, int AnzahlTeilnehmer,
                                                   int GruppenGroesse, int AnzahlGruppen, int MinAnzahlGruppen) {
    std::vector<std::string> h;
    if (SortMode != SortModeAlle && !AlleVorrundenGetickt) {
        h.push_back("Es soll nur für einen Teil der Durchgänge Gruppen und Startplätze neu ausgezählt werden.");
        h.push_back("Dies führt zu einer schlechten Durchmischung der Gruppen. Wenn möglich sollten immer alle");
        h.push_back("Durchgänge auf einmal ausgezählt werden.");
        h.push_back(" ");
    }
    const int n = AnzahlTeilnehmer;
    const int a = MaxInt(AnzahlGruppen, 1);
    const int m = (n + a - 1) / a;
    if (GruppenGroesse > m) {
        h.push_back("Die Gruppeneinteilung wird anstatt der geforderten " + StrInt(GruppenGroesse) + " Teilnehmer mit " +
                    StrInt(m) + " Teilnehmern pro Gruppe");
        h.push_back("durchgeführt werden! Beide Gruppengrößen führen zum gleichen Ergebnis.");
        h.push_back("");
    }
    const long long quadrat = static_cast<long long>(a) * a;
    const long long d = n - quadrat;
    if (d > 0) {
        const long long e = (d + quadrat - 1) / quadrat;
        h.push_back("Aufgrund der Gruppengröße werden mehrere Teilnehmergruppen nicht vollständig durchmischt");
        h.push_back(d == 1 ? std::string("werden! Das heißt, es wird mindestens ein Teilnehmer pro Durchgang mehrfach gegen jeweils")
                           : "werden! Das heißt, es werden mindestens " + StrInt(d) +
                                 " Teilnehmer pro Durchgang mehrfach gegen jeweils");
        h.push_back(e == 1 ? std::string("denselben Teilnehmer antreten müssen.")
                           : "dieselben " + StrInt(e) + " Teilnehmer antreten müssen.");
        h.push_back("");
    }
    if (MinAnzahlGruppen > 2) {
        h.push_back("Die maximal mögliche Gruppengröße und die minimal mögliche Anzahl von Gruppen sind durch die");
        h.push_back("Teamschutzanforderungen eingeschränkt.");
        h.push_back("");
    }
    return h;
}

std::vector<std::vector<std::string>> TeamschutzPlan(const TeamGroupType* TeamGroups) {
    std::vector<std::vector<std::string>> plan(1, std::vector<std::string>{"Pilot"});
    std::size_t spalten = 1;
    for (const TeamGroupType* g = TeamGroups; g; g = g->next) {
        std::vector<std::string> zeile{CnvNameTypToNameStr(&g->PilotPtr->Name, true)};
        for (const TeamHelperType* h = g->HelferRootPtr; h; h = h->next)
            zeile.push_back(CnvNameTypToNameStr(&h->HelferPtr->Name, true));
        spalten = std::max(spalten, zeile.size());
        plan.push_back(std::move(zeile));
    }
    for (std::size_t k = 1; k < spalten; ++k) plan[0].push_back(StrInt(static_cast<long long>(k)) + ". Helfer");
    for (auto& zeile : plan) zeile.resize(spalten);
    return plan;
}

bool GruppenstartAenderbar(const WettbewerbTyp* comp) {
    if (!comp) return false;
    if (!comp->RegelPtr) return true;
    return comp->RegelPtr->Gruppenstart == 2 || comp->RegelPtr->Gruppenstart == 3;
}

std::string DialogZahlText(int Wert) { return ": " + L_STR_FillLeftWithBlanks(StrInt(Wert), 4); }

AuslosungsErgebnis StartreihenfolgeAuslosen(WettbewerbTyp* comp, const AuslosungsAuftrag& Auftrag) {
    AuslosungsErgebnis e;
    if (!comp) return e;
    if (Auftrag.GruppenStart && GruppenstartAenderbar(comp)) comp->Gruppenstart = *Auftrag.GruppenStart;
    ReadRelevantWettDatenAtStartOfPilotSort(comp);
    CreateTeamGroup(comp, Auftrag.TeamschutzAlle, Auftrag.TeamschutzHelfer, Auftrag.TeamschutzMannschaft);
    const int n = GetAnzTeilnehmerGelistet(comp->TeilnehmerRootPtr);
    const int wunsch = Auftrag.GruppenGroesse > 0 ? Auftrag.GruppenGroesse : comp->AnzTeilnGruppe;
    const GruppenGroesseGrenzen g =
        FillGruppenGroesse(n, wunsch, CountTeamschutzMaxVerkettung(GetTeamGroupRootPtr()));
    e.GruppenGroesse = g.GruppenGroesse;
    e.AnzahlGruppen = g.AnzahlGruppen;
    Feld<bool, 1, DialogRundenBoxen> keine{};
    e.DurchgangInfo = Auftrag.DurchgangInfo >= 0 ? Auftrag.DurchgangInfo
                                                 : StartreihenfolgeDurchgangMaske(comp, SortModeAlle, keine);
    InitStartreihenfolge(n, e.AnzahlGruppen, comp->Gruppenstart, e.GruppenGroesse, e.DurchgangInfo,
                         Auftrag.Nachbessern);
    while (GetSortierState() != SortStateIdle) SortierTask();
    return e;
}

} // namespace tavuran
