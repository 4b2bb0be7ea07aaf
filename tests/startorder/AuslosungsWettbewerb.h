// A competition built in code for the start-order tests: n participants with
// EdvNr, start and registration number 1..n, named "N<nr>" / "V<nr>", all on
// 2.4 GHz unless a test gives them a channel; the round records of every
// round exist. Also a recorder of the draw's event log.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "evaluation/Sortierung.h"
#include "startorder/StartreihenfolgeDaten.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran::test {

class AuslosungsWettbewerb {
  public:
    explicit AuslosungsWettbewerb(int n, int Vorrunden = 5, int Gruppe = 10) {
        W = DatenWettbewerbNew();
        DatenWettbewerbDefault(W);
        W->AnzVorrunden = Vorrunden;
        W->AnzSeniorenFlyOff = 0;
        W->AnzDurchgaenge = Vorrunden;
        W->AnzTeilnGruppe = Gruppe;
        for (int nr = n; nr >= 1; --nr) {
            TeilnehmerTyp* t = DatenTeilnehmerGetPtr(W->TeilnehmerRootPtr, nr, true);
            t->Name.NachnameStr = "N" + std::to_string(nr);
            t->Name.VornameStr = "V" + std::to_string(nr);
            t->StartNr = nr;
            t->MeldgNr = nr;
        }
        for (int r = Vorrunden < 30 ? Vorrunden : 30; r >= 1; --r) DatenDurchgangGetPtr(W->DurchgangRootPtr, r);
    }
    ~AuslosungsWettbewerb() {
        StartreihenfolgeFreigeben();
        DatenWettbewerbDispose(W);
    }
    AuslosungsWettbewerb(const AuslosungsWettbewerb&) = delete;
    AuslosungsWettbewerb& operator=(const AuslosungsWettbewerb&) = delete;

    TeilnehmerTyp* T(int EdvNr) { return GetTeilnehmerEdvNr(W, EdvNr); }

    void Kanal(int EdvNr, const std::string& k) { T(EdvNr)->Kanal.fill(k); }
    // Registers participant HelferNr as the k-th helper of participant PilotNr.
    void Helfer(int PilotNr, int k, int HelferNr) { T(PilotNr)->Helfer[k] = T(HelferNr)->Name; }
    void Team(int Nr, const std::vector<int>& Mitglieder) {
        MannschaftTyp* m = DatenMannschaftNew();
        DatenMannschaftDefault(m);
        m->Nr = Nr;
        m->Name = "Team " + std::to_string(Nr);
        for (std::size_t i = 0; i < Mitglieder.size(); ++i) m->TeilnehmerEdvNr[static_cast<int>(i) + 1] = Mitglieder[i];
        m->next = W->MannschaftRootPtr;
        W->MannschaftRootPtr = m;
    }
    DurchgangTyp* Runde(int r) {
        for (DurchgangTyp* d = W->DurchgangRootPtr; d; d = d->next)
            if (d->Nr == r) return d;
        return nullptr;
    }

    // Group sizes of round r by group number, from the participants.
    std::map<int, int> Gruppengroessen(int r) {
        std::map<int, int> m;
        for (TeilnehmerTyp* t = W->TeilnehmerRootPtr; t; t = t->next) ++m[t->Gruppe[r]];
        return m;
    }
    // How often two participants share a group over rounds 1..Runden.
    int Treffen(int a, int b, int Runden) {
        int k = 0;
        for (int r = 1; r <= Runden; ++r)
            if (T(a)->Gruppe[r] != 0 && T(a)->Gruppe[r] == T(b)->Gruppe[r]) ++k;
        return k;
    }

    WettbewerbTyp* W = nullptr;
};

// Collects the lines of the draw's event log while it lives.
class ProtokollMitschrift {
  public:
    ProtokollMitschrift() {
        UiHooks h;
        h.Protokoll = [this](const std::string& z) { Zeilen.push_back(z); };
        SetUiHooks(h);
    }
    ~ProtokollMitschrift() { ResetUiHooks(); }
    ProtokollMitschrift(const ProtokollMitschrift&) = delete;
    ProtokollMitschrift& operator=(const ProtokollMitschrift&) = delete;

    bool Enthaelt(const std::string& z) const {
        for (const std::string& s : Zeilen)
            if (s == z) return true;
        return false;
    }
    std::vector<std::string> Zeilen;
};

// The members of every group of a candidate round, by group number, as EdvNr sets.
inline std::map<int, std::set<int>> Gruppen(SortDrchgType* Kandidat, int r) {
    std::map<int, std::set<int>> m;
    if (SortDrchgType* d = SearchDurchgPtr(Kandidat, r))
        for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
            auto& s = m[g->GruppeNr];
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) s.insert(e->TeilnPtr->EdvNr);
        }
    return m;
}

} // namespace tavuran::test
