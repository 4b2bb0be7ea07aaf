#include "startorder/StartreihenfolgeLauf.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Feld.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "core/Zufall.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Sortierung.h"
#include "startorder/Kanal.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeNachbesserung.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"
#include "startorder/Startnummern.h"
#include "startorder/WarnStartNr.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran {

namespace {

StartreihenfolgeAnzeige Anzeige;
Feld<bool, 1, MaxDurchgaenge> DurchgangSort{};
SortDrchgType* SortRootToRepresentTavuranDataPtr = nullptr;
WettbewerbTyp* IntrfcWettbewerbPtr = nullptr;
SortType Sort;
int State = SortStateIdle;
bool OptionVerlauf = false;
bool OptionErgebnismatrix = true;

void Log(const std::string& s) { AddToSortLogList(s); }

void Zeichnen() {
    if (Anzeige.HauptfensterNeuZeichnen) Anzeige.HauptfensterNeuZeichnen();
}

int AnzahlVorrunden(const WettbewerbTyp* comp) { return LimitLowHighInt(comp->AnzVorrunden, 0, MaxDurchgaenge); }

void KandidatenFreigeben() {
    for (int i = 1; i <= StartreihenfolgeKandidaten; ++i) DoneDrchg(Sort.DurchgRootPtr[i]);
}

// Participants removed while the dialog was open must not be drawn: their
// entries in the representation and in the team-protection groups go.
void VerweiseBereinigen() {
    std::unordered_set<const TeilnehmerTyp*> da;
    for (const TeilnehmerTyp* t = IntrfcWettbewerbPtr->TeilnehmerRootPtr; t; t = t->next) da.insert(t);
    auto bereinige = [&](SortTeilnType*& root) {
        SortTeilnType** e = &root;
        while (*e) {
            if (da.count((*e)->TeilnPtr)) {
                e = &(*e)->next;
                continue;
            }
            SortTeilnType* weg = *e;
            *e = weg->next;
            delete weg;
        }
    };
    for (SortDrchgType* d = SortRootToRepresentTavuranDataPtr; d; d = d->next) {
        for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) bereinige(g->TeilnRootPtr);
        bereinige(d->UnSortedRootPtr);
    }
    TeamGroupsBereinigen(IntrfcWettbewerbPtr);
}

void SortierTaskInit() {
    VerweiseBereinigen();
    InitWelchenDurchgangSort(Sort.DurchgangInfo);
    if (OptionVerlauf) ShowSortLogList();
    KandidatenFreigeben();
    for (int i = 1; i <= StartreihenfolgeKandidaten; ++i)
        Sort.DurchgRootPtr[i] = CopyDrchg(SortRootToRepresentTavuranDataPtr);
    Sort.LoopCnt = 0;
    State = SortStateEinteilen;
}

void SortierTaskEinteilen() {
    ++Sort.LoopCnt;
    Log("");
    Log("Auszählung Runde " + StrInt(Sort.LoopCnt) + ":");
    SortDrchgType*& kandidat = Sort.DurchgRootPtr[Sort.LoopCnt];
    if (Sort.GruppenStart)
        TeilnSortAllDurchg(kandidat, IntrfcWettbewerbPtr, Sort.GruppenGroesse);
    else
        TeilnSortOhneGruppenstart(kandidat, IntrfcWettbewerbPtr);
    Sort.Score[Sort.LoopCnt] = GetLastBewertungsScore();
    if (Sort.LoopCnt == StartreihenfolgeKandidaten || !Sort.GruppenStart) State = SortStateBewerten;
}

// Refines the candidates before the best one is written back: the candidate
// with the lowest score first, then the next ones in the order of their
// scores, as long as the work allowed for the whole refinement lasts (small
// competitions get all candidates refined, large ones the best one or two).
// The candidate with the lowest refined score then gets long chains of
// exchanges with a share of work of their own, and is written back; since
// the best candidate is refined first and every kept change lowers the
// score, this is never worse than the best candidate as drawn.
// Returns the index of the candidate to write back.
int Nachbessern() {
    const std::uint64_t seed = static_cast<std::uint64_t>(ZufallInt(INT_MAX));
    std::vector<int> reihenfolge;
    for (int i = 1; i <= StartreihenfolgeKandidaten; ++i)
        if (Sort.DurchgRootPtr[i] && Sort.Score[i] < StartreihenfolgeScoreMax) reihenfolge.push_back(i);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [](int a, int b) { return Sort.Score[a] < Sort.Score[b]; });
    // The best candidate comes first, whatever its place among equal scores;
    // without a result there is nothing to refine.
    auto best = std::find(reihenfolge.begin(), reihenfolge.end(), Sort.BestScoreIndex);
    if (best == reihenfolge.end()) return Sort.BestScoreIndex;
    std::rotate(reihenfolge.begin(), best, best + 1);

    int gewaehlt = Sort.BestScoreIndex;
    long long rest = NachbesserungsArbeit;
    double ms = 0;
    for (std::size_t k = 0; k < reihenfolge.size() && rest > 0; ++k) {
        const int i = reihenfolge[k];
        // An incomplete candidate is no division to improve on.
        if (i != Sort.BestScoreIndex && MakeFinalCheck(IntrfcWettbewerbPtr, Sort.DurchgRootPtr[i]) != 0) continue;
        NachbesserungsOptionen o;
        o.MaxVersuche = rest;
        const NachbesserungsErgebnis n = StartreihenfolgeNachbessern(
            Sort.DurchgRootPtr[i], IntrfcWettbewerbPtr, GetTeamGroupRootPtr(), DiesenDurchgangSortieren, seed + k, o);
        rest -= n.Versuche;
        ms += n.Millisekunden;
        Sort.NachbesserungVersuche += n.Versuche;
        ++Sort.NachbesserteKandidaten;
        if (k == 0) {
            Sort.ScoreVorNachbesserung = n.ScoreVorher;
            Sort.ScoreNachNachbesserung = n.ScoreNachher;
            Sort.NachbesserungTausche = n.Tausche;
        } else if (n.ScoreNachher < Sort.ScoreNachNachbesserung) {
            gewaehlt = i;
            Sort.ScoreNachNachbesserung = n.ScoreNachher;
            Sort.NachbesserungTausche = n.Tausche;
        }
    }
    NachbesserungsOptionen o;
    o.MaxVersuche = NachbesserungsArbeitLangeKetten;
    o.LangeKetten = true;
    const NachbesserungsErgebnis n = StartreihenfolgeNachbessern(Sort.DurchgRootPtr[gewaehlt], IntrfcWettbewerbPtr,
                                                                 GetTeamGroupRootPtr(), DiesenDurchgangSortieren,
                                                                 seed + StartreihenfolgeKandidaten, o);
    Sort.NachbesserungVersuche += n.Versuche;
    Sort.NachbesserungTausche += n.Tausche;
    Sort.ScoreNachNachbesserung = n.ScoreNachher;
    ms += n.Millisekunden;
    Sort.Nachgebessert = true;
    Sort.NachbesserungKandidat = gewaehlt;
    Sort.NachbesserungMs = ms;
    return gewaehlt;
}

void NachbesserungProtokollieren() {
    if (!Sort.Nachgebessert) return;
    char ms[32];
    std::snprintf(ms, sizeof ms, "%.0f", Sort.NachbesserungMs);
    Log("Nachbesserung durch Tausch von Piloten zwischen Gruppen: Verteilscore " + StrInt(Sort.ScoreVorNachbesserung) +
        " -> " + StrInt(Sort.ScoreNachNachbesserung) + " (Kandidat " + StrInt(Sort.NachbesserungKandidat) + ", " +
        StrInt(Sort.NachbesserungTausche) + " Tausche; nachgebesserte Kandidaten: " +
        StrInt(Sort.NachbesserteKandidaten) + ", " + StrInt(Sort.NachbesserungVersuche) + " Versuche, " + ms + " ms)");
}

void SortierTaskBewerten() {
    if (Sort.GruppenStart) {
        Log("Verteilergebnisse:");
        Sort.BestScore = StartreihenfolgeScoreMax;
        Sort.BestScoreIndex = -1;
        std::string zeile;
        for (int i = 1; i <= StartreihenfolgeKandidaten; ++i) {
            if (Sort.Score[i] < Sort.BestScore) {
                Sort.BestScore = Sort.Score[i];
                Sort.BestScoreIndex = i;
            }
            zeile += StrInt(Sort.Score[i]) + ", ";
            if (L_STR_Length(zeile) > 60) {
                Log(zeile);
                zeile.clear();
            }
        }
        if (!zeile.empty()) Log(zeile);
        Sort.BestScoreIndex = LimitLowHighInt(Sort.BestScoreIndex, 1, StartreihenfolgeKandidaten);
        const int schreiben = Sort.Nachbessern ? Nachbessern() : Sort.BestScoreIndex;
        WriteRelevantWettDatenAfterPilotSort(Sort.DurchgRootPtr[schreiben], true);
        Log("Auszählung mit Ergebnis " + StrInt(Sort.BestScore) + " wird verwendet");
        NachbesserungProtokollieren();
    } else {
        WriteRelevantWettDatenAfterPilotSort(Sort.DurchgRootPtr[Sort.LoopCnt], false);
    }
    State = SortStateSelect;
}

void SortierTaskSelect() {
    KandidatenFreigeben();
    if (OptionErgebnismatrix && Anzeige.ErgebnismatrixZeigen) Anzeige.ErgebnismatrixZeigen();
    State = SortStateFinish;
}

// One check of every preliminary round; `obereGrenze` limits group numbers to
// the number of groups of the competition's group size.
bool PruefeEinteilung(WettbewerbTyp* comp, bool obereGrenze, int* MinGruppe, int* MaxGruppe) {
    if (!comp) return false;
    const int n = GetAnzTeilnehmerGelistet(comp->TeilnehmerRootPtr);
    const int a = CalcAnzahlGruppen(n, comp->AnzTeilnGruppe);
    const int runden = AnzahlVorrunden(comp);
    int kleinste = INT_MAX;
    int groesste = INT_MIN;
    bool alle = true;
    for (DurchgangTyp* d = comp->DurchgangRootPtr; d; d = d->next) {
        const int r = d->Nr;
        if (r < 1 || r > runden) continue;
        bool ok = true;
        int erste = 0;
        bool verschiedene = false;
        for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
            if (!TeilnehmerGelistet(t)) continue;
            const int g = t->Gruppe[r];
            kleinste = MinInt(kleinste, g);
            groesste = MaxInt(groesste, g);
            if (comp->Gruppenstart ? (g < 1 || (obereGrenze && g > a)) : g != 1) {
                ok = false;
                break;
            }
            if (erste == 0)
                erste = g;
            else if (g != erste)
                verschiedene = true;
        }
        // Everybody in group 1 is no division while there ought to be several
        // groups; with room for one group only it is the whole division.
        if (ok && comp->Gruppenstart && !verschiedene && a >= 2) ok = false;
        d->DurchgangEingeteilt = ok;
        if (!ok) alle = false;
    }
    if (kleinste == INT_MAX) {
        kleinste = 1;
        groesste = MaxInt(a, 1);
    }
    if (MinGruppe) *MinGruppe = MaxInt(kleinste, 1);
    if (MaxGruppe) *MaxGruppe = obereGrenze ? MinInt(groesste, a) : groesste;
    return alle;
}

} // namespace

// ------------------------------------------------------------ user interface

void SetStartreihenfolgeAnzeige(const StartreihenfolgeAnzeige& a) { Anzeige = a; }
const StartreihenfolgeAnzeige& GetStartreihenfolgeAnzeige() { return Anzeige; }

void StartreihenfolgeNeuBerechnen(WettbewerbTyp* comp) {
    if (!comp) return;
    if (Anzeige.NeuBerechnen) {
        Anzeige.NeuBerechnen(comp);
        return;
    }
    WettbewerbModellNeuBerechnen(comp);
    SortAll(comp);
}

// ------------------------------------------------------------ rounds to draw

void InitWelchenDurchgangSort(std::int64_t DurchgangInfo) {
    for (int r = 1; r <= MaxDurchgaenge; ++r) DurchgangSort[r] = ((DurchgangInfo >> (r - 1)) & 1) != 0;
}

bool DiesenDurchgangSortieren(int DurchgangNr) {
    return DurchgangNr >= 1 && DurchgangNr <= MaxDurchgaenge && DurchgangSort[DurchgangNr];
}

// ------------------------------------------------------------ read and write

void ReadRelevantWettDatenAtStartOfPilotSort(WettbewerbTyp* comp) {
    IntrfcWettbewerbPtr = comp;
    DoneDrchg(SortRootToRepresentTavuranDataPtr);
    if (comp) {
        // A round has a record only once results were entered or it was shown
        // for entry; the division itself lives in the participants. Without
        // the records an existing division could not serve as reference and
        // the write-back could not mark the rounds divided.
        for (int r = 1; r <= AnzahlVorrunden(comp); ++r) DatenDurchgangGetPtr(comp->DurchgangRootPtr, r);
        GetDurchgangStartreihenfolgeEingeteiltAuslosung(comp);
        const int a = CalcAnzahlGruppen(GetAnzTeilnehmerGelistet(comp->TeilnehmerRootPtr), comp->AnzTeilnGruppe);
        for (int r = 1; r <= AnzahlVorrunden(comp); ++r) {
            DurchgangTyp* d = DatenDurchgangSuchen(comp, r);
            if (!d || !d->DurchgangEingeteilt) continue;
            for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
                if (!TeilnehmerGelistet(t)) continue;
                const int g = t->Gruppe[r];
                if (g <= 0 || g > 2 * a) continue;
                SortDrchgType* sd = GetDurchgPtr(SortRootToRepresentTavuranDataPtr, r);
                InsertPilotInToGroup(GetGroupPtr(sd, g), t);
            }
        }
    }
    if (Anzeige.DialogZeigen) Anzeige.DialogZeigen();
}

void WriteRelevantWettDatenAfterPilotSort(SortDrchgType* Kandidat, bool GruppenStart) {
    WettbewerbTyp* comp = IntrfcWettbewerbPtr;
    if (!comp) return;
    for (DurchgangTyp* d = comp->DurchgangRootPtr; d; d = d->next) d->DurchgangEingeteilt = false;
    for (SortDrchgType* sd = Kandidat; sd; sd = sd->next) {
        const int r = sd->DurchgangNr;
        if (!DiesenDurchgangSortieren(r)) continue;
        if (DurchgangTyp* d = DatenDurchgangSuchen(comp, r)) d->DurchgangEingeteilt = true;
        for (SortGroupType* g = sd->GroupRootPtr; g; g = g->next)
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                e->TeilnPtr->Gruppe[r] = g->GruppeNr;
                e->TeilnPtr->Startplatz[r] = e->StartPlatz;
            }
    }
    SetWettbewerbModified(comp);
    StartreihenfolgeNeuBerechnen(comp);
    SortAll(comp);
    Zeichnen();

    if (DiesenDurchgangSortieren(1)) {
        for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) t->StartNr = 0;
        comp->DurchgangNr = 1;
        if (GruppenStart) {
            StartnummerAufruecken(comp);
        } else {
            // Every participant has a group of his own in round 1: the start
            // numbers follow these groups, the random order of the draw (the
            // start order itself follows start numbers without group start).
            LoadAusschlussStartNr();
            std::vector<TeilnehmerTyp*> reihenfolge;
            for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) reihenfolge.push_back(t);
            std::reverse(reihenfolge.begin(), reihenfolge.end());
            std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [](TeilnehmerTyp* x, TeilnehmerTyp* y) {
                const int gx = x->Gruppe[1] > 0 ? x->Gruppe[1] : INT_MAX;
                const int gy = y->Gruppe[1] > 0 ? y->Gruppe[1] : INT_MAX;
                return gx < gy;
            });
            StartnummernVergeben(comp, reihenfolge);
        }
    }
    if (!GruppenStart) {
        for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) t->Gruppe.fill(1);
        comp->DurchgangNr = 1;
        SetWettbewerbModified(comp);
        StartreihenfolgeNeuBerechnen(comp);
    }
    SortAll(comp);
    Zeichnen();

    if (Kandidat != SortRootToRepresentTavuranDataPtr) {
        DoneDrchg(SortRootToRepresentTavuranDataPtr);
        SortRootToRepresentTavuranDataPtr = CopyDrchg(Kandidat);
    }
}

WettbewerbTyp* GetStartreihenfolgeWettPtr() { return IntrfcWettbewerbPtr; }
SortDrchgType* GetSortRootPtr() { return SortRootToRepresentTavuranDataPtr; }

// ------------------------------------------------------------------- the run

void SetStartreihenfolgeOptionen(bool Verlauf, bool Ergebnismatrix) {
    OptionVerlauf = Verlauf;
    OptionErgebnismatrix = Ergebnismatrix;
}

void InitStartreihenfolge(int AnzahlTeilnehmer, int AnzahlGruppen, bool GruppenStart, int GruppenGroesse,
                          std::int64_t DurchgangInfo, bool Nachbessern) {
    Sort.AnzahlTeilnehmer = AnzahlTeilnehmer;
    Sort.AnzahlGruppen = AnzahlGruppen;
    Sort.GruppenStart = GruppenStart;
    Sort.GruppenGroesse = GruppenGroesse;
    Sort.DurchgangInfo = DurchgangInfo;
    Sort.Nachbessern = Nachbessern;
    Sort.Nachgebessert = false;
    Sort.ScoreVorNachbesserung = Sort.ScoreNachNachbesserung = 0;
    Sort.NachbesserungMs = 0;
    Sort.NachbesserungTausche = Sort.NachbesserungVersuche = 0;
    Sort.NachbesserungKandidat = 0;
    Sort.NachbesserteKandidaten = 0;
    State = SortStateStart;
}

void SortierTask() {
    if (State != SortStateIdle && !IntrfcWettbewerbPtr) {
        // Nothing was read: there is nothing to draw.
        KandidatenFreigeben();
        State = SortStateIdle;
        return;
    }
    switch (State) {
    case SortStateIdle: return;
    case SortStateStart: SortierTaskInit(); break;
    case SortStateEinteilen: SortierTaskEinteilen(); break;
    case SortStateBewerten: SortierTaskBewerten(); break;
    case SortStateSelect: SortierTaskSelect(); break;
    default: State = SortStateIdle; break;
    }
}

int GetSortierState() { return State; }
const SortType& GetSortierLauf() { return Sort; }

void GetProgressStartreihenfolge(int& CurrentState, int& CurProgress, int& MaxProgress) {
    CurrentState = State;
    MaxProgress = 60;
    switch (State) {
    case SortStateIdle: CurProgress = 0; break;
    case SortStateStart: CurProgress = 1; break;
    case SortStateEinteilen: CurProgress = Sort.LoopCnt * 5520 / 5000 + 1; break;
    case SortStateBewerten: CurProgress = 58; break;
    default: CurProgress = 60; break;
    }
}

void StartreihenfolgeFreigeben() {
    KandidatenFreigeben();
    DoneDrchg(SortRootToRepresentTavuranDataPtr);
    FreeTeamGroups();
    IntrfcWettbewerbPtr = nullptr;
    State = SortStateIdle;
}

// ----------------------------------------------------------- division checks

bool GetDurchgangStartreihenfolgeEingeteiltAuslosung(WettbewerbTyp* comp, int* MinGruppe, int* MaxGruppe) {
    return PruefeEinteilung(comp, true, MinGruppe, MaxGruppe);
}

bool GetDurchgangStartreihenfolgeEingeteilt(WettbewerbTyp* comp) { return PruefeEinteilung(comp, false, nullptr, nullptr); }

bool GetStartreihenfolgeErmittelt(WettbewerbTyp* comp) { return FormCheckShow(comp, 50, 50); }

} // namespace tavuran
