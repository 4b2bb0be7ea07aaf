// Small competitions built in code for the print tests.
#pragma once

#include <functional>
#include <string>

#include "core/DatenDurchgang.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "reports/DruckCanvas.h"
#include "reports/DruckDokument.h"
#include "rules/RegelLookup.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::drucktest {

// Owns a competition for one test.
struct Wettbewerb {
    WettbewerbTyp* W = nullptr;
    Wettbewerb() {
        W = DatenWettbewerbNew();
        DatenWettbewerbDefault(W);
    }
    ~Wettbewerb() { DatenWettbewerbDispose(W); }
    Wettbewerb(const Wettbewerb&) = delete;
    Wettbewerb& operator=(const Wettbewerb&) = delete;
    WettbewerbTyp* operator->() { return W; }
};

inline std::string Zweistellig(int i) { return (i < 10 ? "0" : "") + std::to_string(i); }

// n participants "Teilnehmer01" ... with start and registration number i,
// channel 61 + i mod 20, placed in groups of `Gruppe` in every preliminary
// round (0: nobody placed). Manual points, `Vorrunden` preliminary rounds and
// one fly-off round. Each participant flies 100 x i per mille points in
// every preliminary round when `MitWertungen`.
inline void Fuellen(Wettbewerb& w, int n, int Gruppe, int Vorrunden = 2, bool MitWertungen = false) {
    WettbewerbTyp* c = w.W;
    c->Name = "Drucktest";
    c->ByNummer = "BY-17";
    DatenRegelLoad(c->RegelPtr, "Manuelle Auswertung", &c->Datum);
    c->AnzVorrunden = Vorrunden;
    c->AnzGewDurchgaenge = Vorrunden;
    c->StreicherAbDurchg = Vorrunden;
    c->AnzSeniorenFlyOff = 1;
    c->AnzDurchgaenge = Vorrunden + 1;
    c->AnzTeilnGruppe = Gruppe > 0 ? Gruppe : 10;
    c->DurchgangNr = 1;
    c->Organisationsleiter.NachnameStr = "Ordner";
    c->Wettbewerbsleiter.NachnameStr = "Leiter";
    for (int i = n; i >= 1; --i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(c->TeilnehmerRootPtr, i, true);
        t->Name.NachnameStr = "Teilnehmer" + Zweistellig(i);
        t->Name.VornameStr = "Vor";
        t->Verein = "Verein " + std::to_string(i % 5);
        t->StartNr = i;
        t->MeldgNr = i;
        t->Kanal[1] = std::to_string(61 + i % 20);
        t->KanalAktiv = 1;
        for (int r = 1; r <= Vorrunden; ++r) {
            t->Gruppe[r] = Gruppe > 0 ? (i - 1) / Gruppe + 1 : 0;
            if (MitWertungen && Gruppe > 0) {
                DurchgangTyp* d = GetDurchgangPtr(c, r);
                GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, t->Gruppe[r], 0);
                DatenWertungInGroupGetPtr(d, g, i)->WertungDurchg[1] = 100.0 * i;
            }
        }
    }
    for (int r = 1; r <= Vorrunden && Gruppe > 0; ++r) GetDurchgangPtr(c, r)->DurchgangEingeteilt = true;
    c->CalcWertung = true;
    WettbewerbModellNeuBerechnen(c, true);
    SortAll(c);
}

// Number of score entries of the competition.
inline int AnzahlWertungen(const WettbewerbTyp* c) {
    int n = 0;
    for (const DurchgangTyp* d = c->DurchgangRootPtr; d; d = d->next)
        for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
            for (const WertungTyp* e = g->WertungPtr; e; e = e->next) ++n;
    return n;
}

inline int AnzahlDurchgaenge(const WettbewerbTyp* c) {
    int n = 0;
    for (const DurchgangTyp* d = c->DurchgangRootPtr; d; d = d->next) ++n;
    return n;
}

// A font of the given cell height.
inline DruckSchrift Schrift(int Hoehe, bool Fett = false, DruckFarbe Farbe = DruckSchwarz) {
    DruckSchrift s;
    s.Hoehe = Hoehe;
    s.Fett = Fett;
    s.Farbe = Farbe;
    return s;
}

// A document drawn by a function, on a sheet of the given size.
struct TestDokument : DruckDokument {
    int Seiten = 1;
    DruckPapier Blatt;
    std::function<void(DruckCanvas&, int)> Zeichnen;
    int AnzahlSeiten() const override { return Seiten; }
    DruckPapier Papier() const override { return Blatt; }
    void SeiteZeichnen(DruckCanvas& c, int Seite, bool) const override { Zeichnen(c, Seite); }
};

} // namespace tavuran::drucktest
