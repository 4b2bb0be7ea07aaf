#include "evaluation/Auswertung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_ROUND.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/Sortierung.h"
#include "evaluation/Teamwertung.h"

namespace tavuran {

namespace {

constexpr int ErsteRunde = 1;
constexpr int LetzteRunde = MaxDurchgaenge; // per-round slots of a participant

bool RundeImFeld(int Nr) { return Nr >= ErsteRunde && Nr <= LetzteRunde; }

long long GruppenSchluessel(int Nr, int ReflyOrder) {
    return (static_cast<long long>(Nr) << 32) | static_cast<std::uint32_t>(ReflyOrder);
}

// Per-mille points of a flight against the reference maximum of its group.
double Promille(const WettbewerbTyp* Wett, double Roh, double Max) {
    if (Roh <= 0.01 || Max <= 0.01) return 0.0;
    return L_ROUND_GetRound(1000.0 * Roh / Max, Wett->AnzNachkomma);
}

// Ranking key of a total: hundredths, truncated toward zero. A value that is
// not a number ranks below everything.
double Schluessel(double x) {
    if (std::isnan(x)) return -std::numeric_limits<double>::infinity();
    return std::trunc(x * 100.0 + 0.5);
}

struct Rangschluessel {
    double K1 = 0;
    double K2 = 0;
};

bool Groesser(const Rangschluessel& a, const Rangschluessel& b) {
    return a.K1 > b.K1 || (a.K1 == b.K1 && a.K2 > b.K2);
}
bool Gleich(const Rangschluessel& a, const Rangschluessel& b) { return a.K1 == b.K1 && a.K2 == b.K2; }

struct Rang {
    TeilnehmerTyp* Teilnehmer;
    Rangschluessel Key;
};

// Places by selection: the participant with the strictly greatest key gets the
// next number, the first in list order among equal keys. A stable sort by the
// same key gives exactly this order. Only keys above (-1, -1) get a place.
// Returns the ranked participants in place order; `Platz` is set for them.
template <class KeyFn>
std::vector<Rang> PlaetzeVergeben(const std::vector<TeilnehmerTyp*>& Kandidaten, KeyFn Key,
                                  int TeilnehmerTyp::*Platz) {
    const Rangschluessel Waechter{-1, -1};
    std::vector<Rang> Liste;
    Liste.reserve(Kandidaten.size());
    for (TeilnehmerTyp* t : Kandidaten) {
        t->*Platz = 0;
        const Rangschluessel k = Key(t);
        if (Groesser(k, Waechter)) Liste.push_back({t, k});
    }
    std::stable_sort(Liste.begin(), Liste.end(), [](const Rang& a, const Rang& b) { return Groesser(a.Key, b.Key); });
    int n = 0;
    for (Rang& r : Liste) r.Teilnehmer->*Platz = ++n;
    return Liste;
}

// Equal keys share the best of their places (1, 2, 2, 2, 5): every place
// holder is compared with the holder met just before it in place order.
void GeteiltePlaetze(const std::vector<Rang>& Liste, int TeilnehmerTyp::*Platz) {
    const Rang* vorher = nullptr;
    for (const Rang& r : Liste) {
        if (r.Teilnehmer->*Platz == 0) continue;
        if (vorher && Gleich(vorher->Key, r.Key)) r.Teilnehmer->*Platz = vorher->Teilnehmer->*Platz;
        vorher = &r;
    }
}

// The state of one evaluation: participants indexed by EdvNr and, per round,
// the groups by (Nr, ReflyOrder) and the participants' entries in the ordinary
// groups, so that no step walks a list once per participant.
class Lauf {
public:
    explicit Lauf(WettbewerbTyp* Wett) : W(Wett) {
        for (TeilnehmerTyp* t = W->TeilnehmerRootPtr; t; t = t->next) {
            Teilnehmer.push_back(t);
            Index.emplace(t->EdvNr, static_cast<int>(Teilnehmer.size()) - 1);
            if (!t->Name.NachnameStr.empty() && t->EdvNr != 0) Brauchbar.push_back(t);
        }
        nV = LimitLowHighInt(W->AnzVorrunden, 0, LetzteRunde);
        nD = LimitLowHighInt(W->AnzDurchgaenge, 0, LetzteRunde);
    }

    WettbewerbTyp* W;
    std::vector<TeilnehmerTyp*> Teilnehmer; // every record in list order
    // The records that are listed (surname and EdvNr): only they are ranked,
    // so that a placeholder record never takes a place from a participant.
    std::vector<TeilnehmerTyp*> Brauchbar;
    int nV = 0; // preliminary rounds 1..nV
    int nD = 0; // last round with per-round slots

    // The first participant in list order with that EdvNr (as the lookups without creation find it).
    TeilnehmerTyp* TeilnehmerVon(int EdvNr) const {
        auto it = Index.find(EdvNr);
        return it == Index.end() ? nullptr : Teilnehmer[it->second];
    }

    // The round with that number (found or created), for 1..30.
    DurchgangTyp* Runde(int Nr) {
        Rundendaten& d = Daten[Nr];
        if (!d.Durchgang) d.Durchgang = GetDurchgangPtr(W, Nr);
        return d.Durchgang;
    }

    // The participant's entry in the ordinary groups of round Nr (1..30), the
    // first in list order; with Erzeugen a missing one is created in the group
    // the participant is assigned to (0 when none), as GetWertungPtr does.
    WertungTyp* Wertung(int Nr, int EdvNr, bool Erzeugen) {
        auto it = Index.find(EdvNr);
        if (it == Index.end()) {
            if (!Erzeugen) return nullptr;
            return GetWertungPtr(W, Runde(Nr), EdvNr); // creates the participant as well
        }
        Rundendaten& d = Aufgebaut(Nr);
        WertungTyp*& slot = d.Wertungen[it->second];
        if (slot || !Erzeugen) return slot;
        const TeilnehmerTyp* t = Teilnehmer[it->second];
        GruppeTyp* g = Gruppe(Nr, t->Gruppe[Nr], 0);
        slot = DatenWertungEinhaengen(d.Durchgang, g, EdvNr);
        return slot;
    }

    // The group (Nr, ReflyOrder) of round RundeNr, found or created.
    GruppeTyp* Gruppe(int RundeNr, int Nr, int ReflyOrder) {
        Rundendaten& d = Aufgebaut(RundeNr);
        auto [it, neu] = d.Gruppen.emplace(GruppenSchluessel(Nr, ReflyOrder), nullptr);
        if (neu) it->second = DatenGruppeGetPtr(d.Durchgang->GruppePtr, Nr, ReflyOrder);
        return it->second;
    }

    // Groups and entries were re-filed: the per-round lookups are rebuilt on demand.
    void Vergessen() {
        for (Rundendaten& d : Daten) {
            d.Aufgebaut = false;
            d.Gruppen.clear();
            d.Wertungen.clear();
        }
    }

private:
    struct Rundendaten {
        DurchgangTyp* Durchgang = nullptr;
        bool Aufgebaut = false;
        std::unordered_map<long long, GruppeTyp*> Gruppen;
        std::vector<WertungTyp*> Wertungen; // by participant index
    };

    Rundendaten& Aufgebaut(int Nr) {
        Rundendaten& d = Daten[Nr];
        if (d.Aufgebaut) return d;
        Runde(Nr);
        d.Aufgebaut = true;
        d.Wertungen.assign(Teilnehmer.size(), nullptr);
        for (GruppeTyp* g = d.Durchgang->GruppePtr; g; g = g->next) {
            d.Gruppen.emplace(GruppenSchluessel(g->Nr, g->ReflyOrder), g);
            if (g->ReflyOrder != 0) continue;
            for (WertungTyp* w = g->WertungPtr; w; w = w->next) {
                auto it = Index.find(w->EdvNr);
                if (it != Index.end() && !d.Wertungen[it->second]) d.Wertungen[it->second] = w;
            }
        }
        return d;
    }

    std::unordered_map<int, int> Index; // EdvNr -> first participant in list order
    std::array<Rundendaten, LetzteRunde + 1> Daten{};
};

// ------------------------------------------------------------- the steps

void Neuverkettung(Lauf& L) {
    WettbewerbTyp* W = L.W;
    struct Ziel {
        WertungTyp* Wertung;
        int Gruppe; // index into `gruppen`, -1: dispose
    };
    std::vector<GruppeTyp*> gruppen;
    std::unordered_map<long long, int> nachSchluessel;
    std::vector<Ziel> ziele;
    std::vector<WertungTyp*> enden;
    std::unordered_map<GruppeTyp*, int> nachZeiger;

    for (DurchgangTyp* d = W->DurchgangRootPtr; d; d = d->next) {
        const int r = d->Nr;
        if (!RundeImFeld(r)) continue;
        gruppen.clear();
        nachSchluessel.clear();
        nachZeiger.clear();
        ziele.clear();
        bool verschoben = false;
        for (GruppeTyp* g = d->GruppePtr; g; g = g->next) {
            nachZeiger.emplace(g, static_cast<int>(gruppen.size()));
            nachSchluessel.emplace(GruppenSchluessel(g->Nr, g->ReflyOrder), static_cast<int>(gruppen.size()));
            gruppen.push_back(g);
        }
        const std::size_t vorhanden = gruppen.size();
        for (std::size_t gi = 0; gi < vorhanden; ++gi) {
            GruppeTyp* g = gruppen[gi];
            for (WertungTyp* w = g->WertungPtr; w; w = w->next) {
                int ziel = -1;
                if (const TeilnehmerTyp* t = L.TeilnehmerVon(w->EdvNr)) {
                    const int soll = t->Gruppe[r];
                    if (soll == g->Nr) {
                        ziel = static_cast<int>(gi);
                    } else if (soll != 0) {
                        auto [it, neu] = nachSchluessel.emplace(GruppenSchluessel(soll, g->ReflyOrder),
                                                                static_cast<int>(gruppen.size()));
                        if (neu) gruppen.push_back(DatenGruppeGetPtr(d->GruppePtr, soll, g->ReflyOrder));
                        ziel = it->second;
                    }
                }
                if (ziel != static_cast<int>(gi)) verschoben = true;
                ziele.push_back({w, ziel});
            }
        }
        for (GruppeTyp* g : gruppen) g->WertungPtr = nullptr;
        enden.assign(gruppen.size(), nullptr);
        for (const Ziel& z : ziele) {
            WertungTyp* w = z.Wertung;
            w->next = nullptr;
            if (z.Gruppe < 0) {
                DatenWertungDispose(w);
                continue;
            }
            if (enden[z.Gruppe])
                enden[z.Gruppe]->next = w;
            else
                gruppen[z.Gruppe]->WertungPtr = w;
            enden[z.Gruppe] = w;
        }
        // Entries that stay in their group are linked again in their order:
        // the round's index holds only while nothing moved or went.
        if (verschoben) DatenDurchgangIndexVerwerfen(d);
    }
    L.Vergessen();
}

// Every participant gets an entry in rounds Von..Bis before those rounds are
// evaluated, and every reflight entry of rounds Von..BisRefly its first-flight
// entry: an entry created later in the pass would be evaluated only by the
// next pass, which then would change the result.
void WertungenAnlegen(Lauf& L, int Von, int Bis, int BisRefly) {
    for (int r = Von; r <= Bis; ++r)
        for (TeilnehmerTyp* t : L.Teilnehmer) L.Wertung(r, t->EdvNr, true);
    for (DurchgangTyp* d = L.W->DurchgangRootPtr; d; d = d->next) {
        if (!RundeImFeld(d->Nr) || d->Nr < Von || d->Nr > BisRefly) continue;
        for (GruppeTyp* g = d->GruppePtr; g; g = g->next) {
            if (g->ReflyOrder <= 0) continue;
            for (WertungTyp* w = g->WertungPtr; w; w = w->next)
                if (L.TeilnehmerVon(w->EdvNr)) L.Wertung(d->Nr, w->EdvNr, true);
        }
    }
}

void Gruppenwertung(WettbewerbTyp* W, GruppeTyp* g, DurchgangTyp* d) {
    for (WertungTyp* w = g->WertungPtr; w; w = w->next) {
        w->RohPunkte = GetRegelRohPunkte(W, w, d->Nr);
        if (w->RohPunkte > 1e-6 || w->RohPunkte < -1e-6) d->DurchgangGeflogen = true;
    }
    if (!W->DurchgangPromille) {
        for (WertungTyp* w = g->WertungPtr; w; w = w->next) w->Punkte = w->RohPunkte;
        return;
    }
    g->MaxRohPunkte = 0;
    for (WertungTyp* w = g->WertungPtr; w; w = w->next)
        if (w->RohPunkte > g->MaxRohPunkte) g->MaxRohPunkte = w->RohPunkte;
    for (WertungTyp* w = g->WertungPtr; w; w = w->next) w->Punkte = Promille(W, w->RohPunkte, g->MaxRohPunkte);
}

void Durchgangswertung(WettbewerbTyp* W, DurchgangTyp* d) {
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next) Gruppenwertung(W, g, d);
}

void Reflywertung(Lauf& L, DurchgangTyp* d) {
    WettbewerbTyp* W = L.W;
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next)
        for (WertungTyp* w = g->WertungPtr; w; w = w->next) w->ErgebnisPunkte = w->Punkte;

    // All reflight groups of the round are normalised against their common best.
    double max = 0;
    bool refly = false;
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder <= 0) continue;
        for (WertungTyp* w = g->WertungPtr; w; w = w->next) {
            refly = true;
            w->RohPunkte = GetRegelRohPunkte(W, w, d->Nr);
            if (w->RohPunkte > max) max = w->RohPunkte;
        }
    }
    if (!refly) return;

    // The first flight of a participant: the last match in the ordinary groups.
    std::unordered_map<int, WertungTyp*> ersterFlug;
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder != 0) continue;
        for (WertungTyp* w = g->WertungPtr; w; w = w->next) ersterFlug[w->EdvNr] = w;
    }
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder <= 0) continue;
        for (WertungTyp* R = g->WertungPtr; R; R = R->next) {
            R->Punkte = W->DurchgangPromille ? Promille(W, R->RohPunkte, max) : R->RohPunkte;
            auto it = ersterFlug.find(R->EdvNr);
            WertungTyp* S = it != ersterFlug.end() ? it->second : L.Wertung(d->Nr, R->EdvNr, true);
            if (!S) continue;
            if (R->ReflyVerursacher || S->ReflyVerursacher) {
                R->ErgebnisPunkte = S->ErgebnisPunkte = R->Punkte;
            } else {
                const double besser = S->Punkte > R->Punkte ? S->Punkte : R->Punkte;
                R->ErgebnisPunkte = S->ErgebnisPunkte = besser;
            }
        }
    }
}

template <class Bed>
void RundenWerten(Lauf& L, Bed Bedingung, bool Refly) {
    for (DurchgangTyp* d = L.W->DurchgangRootPtr; d; d = d->next) {
        if (!RundeImFeld(d->Nr) || !Bedingung(d->Nr)) continue;
        if (Refly)
            Reflywertung(L, d);
        else
            Durchgangswertung(L.W, d);
    }
}

bool IstVorrunde(const Lauf& L, int Nr) { return Nr <= L.nV; }
bool IstFlyOffRunde(const Lauf& L, int Nr) { return Nr > L.nV; }

void AnzahlGeflogenerVorrunden(Lauf& L) {
    int n = 0;
    for (DurchgangTyp* d = L.W->DurchgangRootPtr; d; d = d->next)
        if (d->DurchgangGeflogen && RundeImFeld(d->Nr) && IstVorrunde(L, d->Nr)) ++n;
    L.W->AnzVorrundenGeflogen = n;
}

void PunkteVorrunden(Lauf& L) {
    WettbewerbTyp* W = L.W;
    const int c = CalcAnzahlTempGewerteteVorrunden(W);
    const int gezaehlt = MinInt(c, LetzteRunde);
    std::vector<VorrundenErgebnis> slots;
    for (TeilnehmerTyp* t : L.Teilnehmer) {
        slots.assign(LetzteRunde, VorrundenErgebnis{});
        double straf = 0;
        for (int j = 1; j <= L.nV; ++j) {
            const WertungTyp* w = L.Wertung(j, t->EdvNr, true);
            if (!w) continue;
            slots[j - 1] = {w->ErgebnisPunkte, w->KannStreicherSein, j};
            straf += w->Strafpunkte;
        }
        VorrundenOrdnen(slots);
        double summe = 0;
        for (int i = 0; i < gezaehlt; ++i) summe += slots[i].Wert;
        t->Punkte = summe - straf;
        t->StreicherPunkte = (W->AnzVorrunden > c && c < LetzteRunde) ? slots[c].Wert : 0.0;
    }
}

void PlatzVorrunden(Lauf& L) {
    std::vector<TeilnehmerTyp*> junioren;
    for (TeilnehmerTyp* t : L.Teilnehmer) {
        t->PlatzNr = 0;
        t->PlatzNrJugend = 0;
    }
    for (TeilnehmerTyp* t : L.Brauchbar)
        if (t->Jugendlich) junioren.push_back(t);
    auto key = [](const TeilnehmerTyp* t) { return Rangschluessel{Schluessel(t->Punkte), Schluessel(t->StreicherPunkte)}; };
    const std::vector<Rang> alle = PlaetzeVergeben(L.Brauchbar, key, &TeilnehmerTyp::PlatzNr);
    const std::vector<Rang> jugend = PlaetzeVergeben(junioren, key, &TeilnehmerTyp::PlatzNrJugend);
    // Below half a point nobody is ranked.
    for (TeilnehmerTyp* t : L.Teilnehmer) {
        if (std::trunc(t->Punkte + 0.5) == 0) {
            t->PlatzNr = 0;
            t->PlatzNrJugend = 0;
        }
    }
    GeteiltePlaetze(alle, &TeilnehmerTyp::PlatzNr);
    GeteiltePlaetze(jugend, &TeilnehmerTyp::PlatzNrJugend);
    for (TeilnehmerTyp* t : L.Teilnehmer) {
        t->PlatzNrFlyOff = t->PlatzNr;
        t->PlatzNrFlyOffJugend = t->PlatzNrJugend;
    }
}

void WerteLoeschen(WertungTyp* w) {
    w->WertungPunktr.fill(0.0);
    w->WertungDurchg.fill(0.0);
}

void FlyOffEinteilung(Lauf& L) {
    WettbewerbTyp* W = L.W;
    for (int i = L.nV + 1; i <= L.nD; ++i) {
        if (DurchgangIstFlyOff(W, i) > 0) {
            for (TeilnehmerTyp* t : L.Teilnehmer) {
                if (t->PlatzNr != 0 && t->PlatzNr <= W->AnzTeilnInEndRunde) {
                    t->Gruppe[i] = 1;
                    t->Startplatz[i] = t->PlatzNr;
                } else {
                    t->Gruppe[i] = 0;
                    if (WertungTyp* w = L.Wertung(i, t->EdvNr, true)) WerteLoeschen(w);
                }
            }
        } else if (DurchgangIstFlyOffJugend(W, i) > 0) {
            for (TeilnehmerTyp* t : L.Teilnehmer) {
                if (t->PlatzNrJugend != 0 && t->PlatzNrJugend <= W->AnzJugInEndRunde) {
                    t->Gruppe[i] = 1;
                    t->Startplatz[i] = t->PlatzNrJugend;
                } else {
                    t->Gruppe[i] = 0;
                    if (WertungTyp* w = L.Wertung(i, t->EdvNr, false)) WerteLoeschen(w);
                }
            }
        }
    }
}

void PunkteFlyOff(Lauf& L) {
    WettbewerbTyp* W = L.W;
    for (TeilnehmerTyp* t : L.Teilnehmer) {
        t->PunkteEndrunde = 0;
        t->PunkteEndrundeJugend = 0;
        for (int i = L.nV + 1; i <= L.nD; ++i) {
            const bool senior = DurchgangIstFlyOff(W, i) > 0;
            const bool junior = !senior && DurchgangIstFlyOffJugend(W, i) > 0;
            if (!senior && !junior) continue;
            const WertungTyp* w = L.Wertung(i, t->EdvNr, true);
            if (!w) continue;
            // A penalty of a fly-off round is deducted from the fly-off total,
            // as the round's cell shows it.
            (senior ? t->PunkteEndrunde : t->PunkteEndrundeJugend) += w->ErgebnisPunkte - w->Strafpunkte;
        }
    }
}

void PlatzFlyOff(Lauf& L) {
    WettbewerbTyp* W = L.W;
    std::vector<TeilnehmerTyp*> junioren;
    for (TeilnehmerTyp* t : L.Teilnehmer) {
        t->PlatzNrFlyOff = 0;
        t->PlatzNrFlyOffJugend = 0;
    }
    for (TeilnehmerTyp* t : L.Brauchbar)
        if (t->Jugendlich) junioren.push_back(t);
    const std::vector<Rang> alle = PlaetzeVergeben(
        L.Brauchbar,
        [](const TeilnehmerTyp* t) { return Rangschluessel{Schluessel(t->PunkteEndrunde), Schluessel(t->Punkte)}; },
        &TeilnehmerTyp::PlatzNrFlyOff);
    const std::vector<Rang> jugend = PlaetzeVergeben(
        junioren,
        [](const TeilnehmerTyp* t) {
            return Rangschluessel{Schluessel(t->PunkteEndrundeJugend), Schluessel(t->Punkte)};
        },
        &TeilnehmerTyp::PlatzNrFlyOffJugend);
    // Only finalists keep a fly-off place; a participant without a
    // preliminary place is no finalist.
    for (TeilnehmerTyp* t : L.Teilnehmer) {
        if (t->PlatzNr == 0 || t->PlatzNr > W->AnzTeilnInEndRunde) t->PlatzNrFlyOff = 0;
        if (t->PlatzNrJugend == 0 || t->PlatzNrJugend > W->AnzJugInEndRunde) t->PlatzNrFlyOffJugend = 0;
    }
    GeteiltePlaetze(alle, &TeilnehmerTyp::PlatzNrFlyOff);
    GeteiltePlaetze(jugend, &TeilnehmerTyp::PlatzNrFlyOffJugend);
}

bool NachnameNichtLeer(const TeilnehmerTyp* t) { return !L_STR_Unblank(t->Name.NachnameStr).empty(); }

void Exportpunkte(Lauf& L) {
    WettbewerbTyp* W = L.W;
    double R = 0;
    if (W->VorrundenPromille) {
        for (const TeilnehmerTyp* t : L.Teilnehmer)
            if (NachnameNichtLeer(t) && t->Punkte > R) R = t->Punkte;
    } else {
        R = static_cast<double>(W->AnzGewDurchgaenge) * 1000.0;
    }
    const bool flyOffGeflogen =
        W->AnzSeniorenFlyOff > 0 &&
        (DatenWettbewerbDurchgangEnthaeltWertung(W) & DatenWettbewerbDurchgangIstFlyOff(W, true)) != 0;
    const int anzahl = MinInt(GetTeilnehmerAnzahl(W->TeilnehmerRootPtr), 24);
    for (TeilnehmerTyp* t : L.Teilnehmer) {
        if (!NachnameNichtLeer(t)) continue;
        t->ExportPunkte[0] = R < 0.01 ? 0.0 : t->Punkte * 100.0 / R;
        t->ExportPunkte[1] = t->ExportPunkte[0];
        if (flyOffGeflogen && t->PunkteEndrunde >= 0.001) {
            static constexpr double Bonus[5] = {3.0, 2.0, 1.5, 1.0, 0.5};
            if (t->PlatzNrFlyOff >= 1 && t->PlatzNrFlyOff <= 5) {
                t->ExportPunkte[0] += Bonus[t->PlatzNrFlyOff - 1];
                t->ExportPunkte[1] += 2.0 * Bonus[t->PlatzNrFlyOff - 1];
            }
        }
        t->ExportPunkte[1] += anzahl;
    }
}

} // namespace

// ------------------------------------------------------------ public steps

int CalcAnzahlTempGewerteteVorrunden(const WettbewerbTyp* Wett) {
    if (!Wett) return 1;
    const long long a = Wett->AnzVorrunden;
    const long long b = Wett->AnzGewDurchgaenge;
    const long long g = Wett->AnzVorrundenGeflogen;
    const long long s = Wett->StreicherAbDurchg;
    const long long d = a - b;
    long long c;
    if (a - g > 0 && g >= s)
        c = std::max(g - d, s - d);
    else
        c = b;
    if (c < 1) c = 1;
    if (c > std::numeric_limits<int>::max()) c = std::numeric_limits<int>::max();
    return static_cast<int>(c);
}

void NeuVerkettungGruppen(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    Neuverkettung(L);
}

void CalcWertungGruppe(WettbewerbTyp* Wett, GruppeTyp* Gruppe, DurchgangTyp* Durchgang) {
    if (!Wett || !Gruppe || !Durchgang) return;
    Gruppenwertung(Wett, Gruppe, Durchgang);
}

void CalcWertungDurchgang(WettbewerbTyp* Wett, DurchgangTyp* Durchgang) {
    if (!Wett || !Durchgang) return;
    Durchgangswertung(Wett, Durchgang);
}

void CalcWertungVorrunden(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    RundenWerten(L, [&](int Nr) { return IstVorrunde(L, Nr); }, false);
}

void CalcReflyDurchgang(WettbewerbTyp* Wett, DurchgangTyp* Durchgang) {
    if (!Wett || !Durchgang || !RundeImFeld(Durchgang->Nr)) return;
    Lauf L(Wett);
    Reflywertung(L, Durchgang);
}

void CalcWertungRefly(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    RundenWerten(L, [&](int Nr) { return IstVorrunde(L, Nr); }, true);
}

void CalcAnzahlGeflogenerVorrunden(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    AnzahlGeflogenerVorrunden(L);
}

void VorrundenOrdnen(std::vector<VorrundenErgebnis>& Ergebnisse) {
    // Highest first, equal values keep their order (adjacent swaps while a
    // later slot is strictly greater).
    for (std::size_t i = 1; i < Ergebnisse.size(); ++i)
        for (std::size_t k = i; k > 0 && Ergebnisse[k].Wert > Ergebnisse[k - 1].Wert; --k)
            std::swap(Ergebnisse[k], Ergebnisse[k - 1]);
    // Results that may not be dropped go first, so they always count.
    std::stable_partition(Ergebnisse.begin(), Ergebnisse.end(),
                          [](const VorrundenErgebnis& s) { return !s.KannStreicherSein; });
}

void CalcPunkteVorrunden(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    PunkteVorrunden(L);
}

void CalcPlatzVorrunden(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    PlatzVorrunden(L);
}

void EinteilungFuerFlyOff(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    FlyOffEinteilung(L);
}

void CalcWertungFlyOff(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    RundenWerten(L, [&](int Nr) { return IstFlyOffRunde(L, Nr); }, false);
}

void CalcWertungReflyFlyOff(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    RundenWerten(L, [&](int Nr) { return IstFlyOffRunde(L, Nr); }, true);
}

void CalcPunkteFlyOff(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    PunkteFlyOff(L);
}

void CalcPlatzFlyOff(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    PlatzFlyOff(L);
}

void CalcExportpunkte(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Lauf L(Wett);
    Exportpunkte(L);
}

void CalcWertung(WettbewerbTyp* Wett) {
    if (!Wett || !Wett->CalcWertung) return;
    Wett->CalcWertung = false;

    Lauf L(Wett);
    Neuverkettung(L);
    WertungenAnlegen(L, 1, L.nV, L.nV);
    RundenWerten(L, [&](int Nr) { return IstVorrunde(L, Nr); }, false);
    RundenWerten(L, [&](int Nr) { return IstVorrunde(L, Nr); }, true);
    AnzahlGeflogenerVorrunden(L);
    PunkteVorrunden(L);
    PlatzVorrunden(L);
    FlyOffEinteilung(L);
    Neuverkettung(L);
    WertungenAnlegen(L, L.nV + 1, L.nD, LetzteRunde);
    RundenWerten(L, [&](int Nr) { return IstFlyOffRunde(L, Nr); }, false);
    RundenWerten(L, [&](int Nr) { return IstFlyOffRunde(L, Nr); }, true);
    PunkteFlyOff(L);
    PlatzFlyOff(L);
    Exportpunkte(L);
    CalcWertungTeam(Wett);
    SortTeilnehmerPlatz(Wett);
    // The team-result order follows the team places just computed.
    SortTeilnehmerTeam(Wett);
}

} // namespace tavuran
