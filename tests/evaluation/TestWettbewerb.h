// A small competition built in code for the evaluation tests: a rule of the
// given kind (manual points by default, whose raw points are the typed points),
// participants with numbers and names, and entries typed into groups.
#pragma once

#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Auswertung.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/Sortierung.h"

namespace tavuran::test {

class TestWettbewerb {
public:
    explicit TestWettbewerb(int RegelEdvNr = MANUELLE_EINGABE) {
        W = DatenWettbewerbNew();
        DatenWettbewerbDefault(W);
        W->RegelPtr = DatenRegelNew();
        DatenRegelDefault(W->RegelPtr);
        W->RegelPtr->EdvNr = RegelEdvNr;
        W->RegelPtr->Name = "Test";
    }
    ~TestWettbewerb() { DatenWettbewerbDispose(W); }
    TestWettbewerb(const TestWettbewerb&) = delete;
    TestWettbewerb& operator=(const TestWettbewerb&) = delete;

    // Preliminary rounds, senior and junior fly-off rounds; counted rounds and
    // drops from StreicherAb flown rounds on.
    void Runden(int Vorrunden, int Gewertet, int StreicherAb, int Senioren = 0, int Junioren = 0) {
        W->AnzVorrunden = Vorrunden;
        W->AnzGewDurchgaenge = Gewertet;
        W->StreicherAbDurchg = StreicherAb;
        W->AnzSeniorenFlyOff = Senioren;
        W->AnzDurchgaenge = Vorrunden + Senioren + Junioren;
    }

    // A participant with EdvNr, start and registration number Nr.
    TeilnehmerTyp* Teilnehmer(int Nr, const std::string& Nachname, bool Jugendlich = false) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(W->TeilnehmerRootPtr, Nr, true);
        t->Name.NachnameStr = Nachname;
        t->Name.VornameStr = "V" + std::to_string(Nr);
        t->StartNr = Nr;
        t->MeldgNr = Nr;
        t->Jugendlich = Jugendlich;
        return t;
    }
    TeilnehmerTyp* T(int EdvNr) { return GetTeilnehmerEdvNr(W, EdvNr); }

    // Types a flight: the participant is assigned to the group, his entry in
    // (group, ReflyOrder) of the round gets the points in the first flight column.
    WertungTyp* Flug(int Runde, int EdvNr, double Punkte, int Gruppe = 1, int ReflyOrder = 0) {
        TeilnehmerTyp* t = T(EdvNr);
        if (t) t->Gruppe[Runde] = Gruppe;
        DurchgangTyp* d = GetDurchgangPtr(W, Runde);
        GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, Gruppe, ReflyOrder);
        WertungTyp* w = DatenWertungInGroupGetPtr(d, g, EdvNr);
        w->WertungDurchg[1] = Punkte;
        return w;
    }

    void Rechnen() {
        W->CalcWertung = true;
        CalcWertung(W);
    }

    // Participants' EdvNr along the order by place.
    std::vector<int> Platzfolge() const {
        std::vector<int> v;
        for (TeilnehmerTyp* t = W->TeilnehmerPlatzRootPtr; t; t = t->nextPlatz) v.push_back(t->EdvNr);
        return v;
    }

    WettbewerbTyp* W = nullptr;
};

} // namespace tavuran::test
