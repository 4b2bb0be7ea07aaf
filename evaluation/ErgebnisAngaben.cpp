#include "evaluation/ErgebnisAngaben.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "evaluation/Auswertung.h"
#include "evaluation/AuswertungRohpunkte.h"

namespace tavuran {

namespace {

int Runden(const WettbewerbTyp* Wett) { return LimitLowHighInt(Wett->AnzDurchgaenge, 0, MaxDurchgaenge); }

bool IstGesamtwertung(const WettbewerbTyp* Wett) { return Wett->RegelPtr && Wett->RegelPtr->EdvNr == GESAMTWERTUNG; }

// Something was entered into the entry, or it has raw points. An invalid
// flight (over-flight, landing out) was flown and counts as entered.
bool WertEingetragen(const WertungTyp* E) {
    if (!E) return false;
    if (E->RohPunkte > 1e-6 || E->RohPunkte < -1e-6) return true;
    auto eingetragen = [](double v) { return v > 1e-6 || (v < WertUngueltig + 1e-6 && v > WertUngueltig - 1e-6); };
    for (int i = 1; i <= MaxDurchgSpalten; ++i)
        if (eingetragen(E->WertungDurchg[i])) return true;
    for (int i = 1; i <= MaxPunktrichter; ++i)
        if (eingetragen(E->WertungPunktr[i])) return true;
    return false;
}

// The participant's entries of a round: the last one in an ordinary group
// and the last one in a reflight group, as the reflight settling pairs them.
// Looked up in the round's index when each participant has only one of each
// (a walk of the groups per pilot and round made the lists quadratic).
void Eintraege(const DurchgangTyp* d, int EdvNr, const WertungTyp*& Erst, const WertungTyp*& Refly) {
    Erst = Refly = nullptr;
    if (!d) return;
    DurchgangTyp* runde = const_cast<DurchgangTyp*>(d); // the index is built on the first lookup
    if (DatenDurchgangEintraegeEindeutig(runde)) {
        Erst = DatenWertungGetPtr(runde, EdvNr, 0);
        Refly = DatenWertungGetPtr(runde, EdvNr, 1);
        return;
    }
    for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
        for (const WertungTyp* w = g->WertungPtr; w; w = w->next)
            if (w->EdvNr == EdvNr) (g->ReflyOrder > 0 ? Refly : Erst) = w;
}

std::string Zweistellig(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

} // namespace

// ------------------------------------------------------- provisional or final

namespace {

// The lowest group of the round with a participant placed in it who has no
// result; 0 when every one has.
int ErsteOffeneGruppe(const WettbewerbTyp* Wett, int DurchgangNr) {
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, DurchgangNr);
    int offen = 0;
    for (const TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next) {
        const int g = t->Gruppe[DurchgangNr];
        if (!TeilnehmerGelistet(t) || g <= 0 || (offen > 0 && g >= offen)) continue;
        const WertungTyp *e = nullptr, *r = nullptr;
        Eintraege(d, t->EdvNr, e, r);
        if (!WertEingetragen(e) && !WertEingetragen(r)) offen = g;
    }
    return offen;
}

} // namespace

bool DurchgangVollstaendig(const WettbewerbTyp* Wett, int DurchgangNr) {
    if (!Wett || DurchgangNr < 1 || DurchgangNr > MaxDurchgaenge) return false;
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, DurchgangNr);
    if (!d || !d->DurchgangGeflogen) return false;
    return ErsteOffeneGruppe(Wett, DurchgangNr) == 0;
}

AktuellerFlugTyp AktuellerFlug(const WettbewerbTyp* Wett) {
    if (!Wett) return {};
    for (int r = 1; r <= Runden(Wett); ++r) {
        if (const int g = ErsteOffeneGruppe(Wett, r); g > 0) return {r, g};
    }
    return {};
}

bool ErgebnisEndgueltig(const WettbewerbTyp* Wett, bool AlsEndgueltig) {
    if (AlsEndgueltig) return true;
    if (!Wett || Runden(Wett) < 1) return false;
    for (int r = 1; r <= Runden(Wett); ++r)
        if (!DurchgangVollstaendig(Wett, r)) return false;
    return true;
}

const char* ErgebnisStandWort(bool Endgueltig) { return Endgueltig ? "endgültig" : "vorläufig"; }

ErgebnisZeitpunkt ErgebnisZeitpunktJetzt() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    ErgebnisZeitpunkt z;
    z.Tag = tm.tm_mday;
    z.Monat = tm.tm_mon + 1;
    z.Jahr = tm.tm_year + 1900;
    z.Stunde = tm.tm_hour;
    z.Minute = tm.tm_min;
    return z;
}

std::string ErgebnisStandText(const ErgebnisZeitpunkt& z) {
    return "Stand " + Zweistellig(z.Tag) + "." + Zweistellig(z.Monat) + "." + StrInt(z.Jahr) + " " +
           Zweistellig(z.Stunde) + ":" + Zweistellig(z.Minute);
}

std::string ErgebnisStandZeile(const WettbewerbTyp* Wett, const ErgebnisZeitpunkt& Zeit, bool AlsEndgueltig) {
    return ErgebnisStandText(Zeit) + ", " + ErgebnisStandWort(ErgebnisEndgueltig(Wett, AlsEndgueltig));
}

// --------------------------------------------------- rounds flown and counted

std::string VorrundenHinweis(const WettbewerbTyp* Wett) {
    if (!Wett) return {};
    const int a = MaxInt(0, Wett->AnzVorrunden);
    const int b = LimitLowHighInt(Wett->AnzGewDurchgaenge, 0, a);
    const int g = LimitLowHighInt(Wett->AnzVorrundenGeflogen, 0, a);
    if (a == 0 || (g >= a && b >= a)) return {};
    const bool gesamt = IstGesamtwertung(Wett);
    const char* wort = gesamt ? (g == 1 ? "Teilwettbewerb" : "Teilwettbewerbe") : (g == 1 ? "Vorrunde" : "Vorrunden");
    return StrInt(g) + " " + wort + " geflogen, gewertet werden " + StrInt(b) + " von " + StrInt(a);
}

// ------------------------------------------------------------ places

int ErgebnisPlatz(const TeilnehmerTyp* t) {
    if (!t) return 0;
    return t->PlatzNrFlyOff > 0 ? t->PlatzNrFlyOff : MaxInt(0, t->PlatzNr);
}

std::string ErgebnisPlatzText(const TeilnehmerTyp* t) {
    const int p = ErgebnisPlatz(t);
    return p > 0 ? StrInt(p) : std::string();
}

bool TeilnehmerGeflogen(const WettbewerbTyp* Wett, const TeilnehmerTyp* t) {
    if (!Wett || !t) return false;
    for (const DurchgangTyp* d = Wett->DurchgangRootPtr; d; d = d->next) {
        if (d->Nr < 1 || d->Nr > Runden(Wett)) continue;
        const WertungTyp *e = nullptr, *r = nullptr;
        Eintraege(d, t->EdvNr, e, r);
        if (WertEingetragen(e) || WertEingetragen(r)) return true;
    }
    return false;
}

std::vector<const TeilnehmerTyp*> ErgebnisFolge(const WettbewerbTyp* Wett) {
    std::vector<const TeilnehmerTyp*> v;
    if (!Wett) return v;
    for (const TeilnehmerTyp* t = Wett->TeilnehmerPlatzRootPtr; t; t = t->nextPlatz)
        if (TeilnehmerGelistet(t)) v.push_back(t);
    return v;
}

// ------------------------------------------------- a round's result

namespace {

// What the result lists read of an entry.
struct EintragsWerte {
    bool Da = false;
    bool Eingetragen = false; // only read for overall rankings
    bool ReflyVerursacher = false;
    bool KannStreicherSein = true;
    int Strafpunkte = 0;
    double Punkte = 0;
    double ErgebnisPunkte = 0;
};

EintragsWerte Werte(const WertungTyp* w, bool MitEingetragen) {
    EintragsWerte v;
    if (!w) return v;
    v.Da = true;
    v.Eingetragen = MitEingetragen && WertEingetragen(w);
    v.ReflyVerursacher = w->ReflyVerursacher;
    v.KannStreicherSein = w->KannStreicherSein;
    v.Strafpunkte = w->Strafpunkte;
    v.Punkte = w->Punkte;
    v.ErgebnisPunkte = w->ErgebnisPunkte;
    return v;
}

// As the reflight settling decides: a reflight caused on purpose counts even
// when worse; otherwise the better one, the reflight unless the first flight
// is strictly greater.
bool ReflightZaehlt(const EintragsWerte& e, const EintragsWerte& r) {
    if (!r.Da) return false;
    const bool verursacht = r.ReflyVerursacher || (e.Da && e.ReflyVerursacher);
    return verursacht || !e.Da || !(e.Punkte > r.Punkte);
}

// A round's result from the participant's first flight e and reflight r of
// a round that is not left empty; whether it is dropped is asked only of a
// result with marks.
template <class Streicher>
RundenErgebnis ErgebnisAus(const EintragsWerte& e, const EintragsWerte& r, bool Gesamtwertung,
                           Streicher gestrichen) {
    RundenErgebnis x;
    const bool Reflight = ReflightZaehlt(e, r);
    const EintragsWerte& E = e.Da ? e : r; // the first flight: penalty points live there
    const EintragsWerte& Gezaehlt = Reflight ? r : e;
    if (Gesamtwertung && !(E.Da && E.Eingetragen) && !(Gezaehlt.Da && Gezaehlt.Eingetragen)) {
        x.Inhalt = RundenErgebnis::Art::NichtGeflogen;
        return x;
    }
    if (!E.Da) {
        x.Inhalt = RundenErgebnis::Art::Null;
        return x;
    }
    x.Inhalt = RundenErgebnis::Art::Wert;
    x.Reflight = Reflight;
    x.NichtStreichbar = !E.KannStreicherSein;
    x.Strafe = E.Strafpunkte != 0;
    x.Punkte = E.ErgebnisPunkte - E.Strafpunkte;
    x.Gestrichen = gestrichen();
    return x;
}

using Ausserhalb = std::array<bool, MaxDurchgaenge + 1>;

// The preliminary rounds whose results are not among the Gewertet that
// count, from the participant's results of them (a slot for each of the
// MaxDurchgaenge rounds, in round order).
void StreicherBestimmen(std::vector<VorrundenErgebnis>& Slots, int Gewertet, Ausserhalb& Aus) {
    VorrundenOrdnen(Slots);
    for (std::size_t i = static_cast<std::size_t>(std::max(Gewertet, 0)); i < Slots.size(); ++i)
        if (Slots[i].Runde >= 1 && Slots[i].Runde <= MaxDurchgaenge)
            Aus[static_cast<std::size_t>(Slots[i].Runde)] = true;
}

int GewerteteVorrunden(const WettbewerbTyp* Wett) {
    return MinInt(CalcAnzahlTempGewerteteVorrunden(Wett), MaxDurchgaenge);
}

} // namespace

GezaehlterFlugTyp GezaehlterFlug(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr) {
    GezaehlterFlugTyp f;
    if (!Wett || !t) return f;
    const WertungTyp *e = nullptr, *r = nullptr;
    Eintraege(DatenDurchgangSuchen(Wett, DurchgangNr), t->EdvNr, e, r);
    f.Erstflug = e;
    f.Eintrag = e;
    if (ReflightZaehlt(Werte(e, false), Werte(r, false))) {
        f.Eintrag = r;
        f.IstReflight = true;
    }
    return f;
}

bool GestricheneRunden::operator()(int DurchgangNr) {
    if (!w_ || !t_) return false;
    const int nV = LimitLowHighInt(w_->AnzVorrunden, 0, MaxDurchgaenge);
    if (DurchgangNr < 1 || DurchgangNr > nV) return false;
    const DurchgangTyp* d = DatenDurchgangSuchen(w_, DurchgangNr);
    if (!d || !d->DurchgangGeflogen) return false;
    if (!geordnet_) {
        std::vector<VorrundenErgebnis> slots(MaxDurchgaenge);
        for (int j = 1; j <= nV; ++j) {
            const WertungTyp *e = nullptr, *r = nullptr;
            Eintraege(DatenDurchgangSuchen(w_, j), t_->EdvNr, e, r);
            if (e) slots[j - 1] = {e->ErgebnisPunkte, e->KannStreicherSein, j};
            else slots[j - 1].Runde = j;
        }
        StreicherBestimmen(slots, GewerteteVorrunden(w_), ausserhalb_);
        geordnet_ = true;
    }
    return ausserhalb_[DurchgangNr];
}

bool ErgebnisGestrichen(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr) {
    return GestricheneRunden(Wett, t)(DurchgangNr);
}

std::string ErgebnisZahl(double Wert) { return L_STR_DoubleToStr(Wert, 1, 7, 0, 2); }

namespace {

// Whether the participant's cells are all left empty: not placed, and
// nothing entered in any round.
bool ZeileLeer(const WettbewerbTyp* Wett, const TeilnehmerTyp* t) {
    return ErgebnisPlatz(t) == 0 && !TeilnehmerGeflogen(Wett, t);
}

// Whether round d (number Nr) is left empty for every participant of a
// result list, or for t because it is a fly-off round he is not seated in.
bool RundeLeer(const WettbewerbTyp* Wett, const DurchgangTyp* d, const TeilnehmerTyp* t, int Nr) {
    // A round nobody has flown yet shows no column of zeros.
    if (!d || !d->DurchgangGeflogen) return true;
    return Nr > Wett->AnzVorrunden && Nr >= 1 && Nr <= MaxDurchgaenge && t->Gruppe[Nr] <= 0;
}

} // namespace

bool ErgebnisRundeLeer(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr) {
    if (!Wett || !t) return true;
    return RundeLeer(Wett, DatenDurchgangSuchen(Wett, DurchgangNr), t, DurchgangNr) || ZeileLeer(Wett, t);
}

RundenErgebnis ErgebnisRunde(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr,
                             GestricheneRunden* Gestrichen) {
    if (ErgebnisRundeLeer(Wett, t, DurchgangNr)) return {};
    const WertungTyp *e = nullptr, *r = nullptr;
    Eintraege(DatenDurchgangSuchen(Wett, DurchgangNr), t->EdvNr, e, r);
    const bool Gesamt = IstGesamtwertung(Wett);
    return ErgebnisAus(Werte(e, Gesamt), Werte(r, Gesamt), Gesamt, [&] {
        return Gestrichen ? (*Gestrichen)(DurchgangNr) : ErgebnisGestrichen(Wett, t, DurchgangNr);
    });
}

ErgebnisRundenTabelle::ErgebnisRundenTabelle(const WettbewerbTyp* Wett,
                                             const std::vector<const TeilnehmerTyp*>& Folge, int Runden)
    : runden_(LimitLowHighInt(Runden, 0, MaxDurchgaenge)),
      werte_(Folge.size() * static_cast<std::size_t>(runden_)) {
    if (!Wett || runden_ == 0 || Folge.empty()) return;
    const std::size_t n = Folge.size();
    const std::size_t R = static_cast<std::size_t>(runden_);
    const int nV = LimitLowHighInt(Wett->AnzVorrunden, 0, MaxDurchgaenge);
    const int Bis = std::max(runden_, nV);
    const bool Gesamt = IstGesamtwertung(Wett);

    // The rows by participant number. A number out of range, or one that two
    // rows of a damaged file share, leaves its rows to the lookup of each
    // round's index (Einzeln).
    constexpr int Grenze = 1 << 16;
    std::vector<int> Zeile; // number -> row + 1; 0 none, -1 shared
    std::vector<std::size_t> Einzeln;
    for (std::size_t i = 0; i < n; ++i) {
        const int Nr = Folge[i]->EdvNr;
        if (Nr < 0 || Nr >= Grenze) {
            Einzeln.push_back(i);
            continue;
        }
        if (static_cast<std::size_t>(Nr) >= Zeile.size()) Zeile.resize(static_cast<std::size_t>(Nr) + 1);
        int& z = Zeile[static_cast<std::size_t>(Nr)];
        if (z > 0) Einzeln.push_back(static_cast<std::size_t>(z - 1));
        if (z != 0) Einzeln.push_back(i);
        z = z == 0 ? static_cast<int>(i) + 1 : -1;
    }

    // Each round's entries read once, as Eintraege finds them: the last one
    // a participant has in ordinary and in reflight groups. Where each has
    // only one of each, they are taken from the round's index by number,
    // otherwise along the groups. The results are complete except for
    // dropping and the rounds left empty, and the first flights of the
    // preliminary rounds are kept for the dropping.
    std::vector<const DurchgangTyp*> Runde(static_cast<std::size_t>(Bis) + 1, nullptr);
    std::vector<VorrundenErgebnis> Vor(n * static_cast<std::size_t>(nV));
    std::vector<EintragsWerte> Erst(n), Refly(n);
    for (int r = 1; r <= Bis; ++r) {
        // the round's index is built on the first lookup
        DurchgangTyp* d = const_cast<DurchgangTyp*>(DatenDurchgangSuchen(Wett, r));
        Runde[static_cast<std::size_t>(r)] = d;
        std::fill(Erst.begin(), Erst.end(), EintragsWerte{});
        std::fill(Refly.begin(), Refly.end(), EintragsWerte{});
        if (d && DatenDurchgangEintraegeEindeutig(d)) {
            for (std::size_t Nr = 0; Nr < Zeile.size(); ++Nr)
                if (const int z = Zeile[Nr]; z > 0) {
                    const std::size_t i = static_cast<std::size_t>(z - 1);
                    Erst[i] = Werte(DatenWertungGetPtr(d, static_cast<int>(Nr), 0), Gesamt);
                    Refly[i] = Werte(DatenWertungGetPtr(d, static_cast<int>(Nr), 1), Gesamt);
                }
        } else if (d) {
            for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
                for (const WertungTyp* w = g->WertungPtr; w; w = w->next)
                    if (w->EdvNr >= 0 && static_cast<std::size_t>(w->EdvNr) < Zeile.size())
                        if (const int z = Zeile[static_cast<std::size_t>(w->EdvNr)]; z > 0)
                            (g->ReflyOrder > 0 ? Refly : Erst)[static_cast<std::size_t>(z - 1)] =
                                Werte(w, Gesamt);
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (r <= runden_)
                werte_[i * R + static_cast<std::size_t>(r - 1)] =
                    ErgebnisAus(Erst[i], Refly[i], Gesamt, [] { return false; });
            if (r <= nV) {
                VorrundenErgebnis& v =
                    Vor[i * static_cast<std::size_t>(nV) + static_cast<std::size_t>(r - 1)];
                v.Runde = r;
                if (Erst[i].Da) {
                    v.Wert = Erst[i].ErgebnisPunkte;
                    v.KannStreicherSein = Erst[i].KannStreicherSein;
                }
            }
        }
    }

    // Row by row: the rounds left empty, and the dropped results.
    const int Gewertet = GewerteteVorrunden(Wett);
    std::vector<VorrundenErgebnis> Slots;
    for (std::size_t i = 0; i < n; ++i) {
        const TeilnehmerTyp* t = Folge[i];
        RundenErgebnis* x = &werte_[i * R];
        const bool Leer = ZeileLeer(Wett, t);
        bool Wert = false;
        for (int r = 1; r <= runden_; ++r) {
            RundenErgebnis& e = x[r - 1];
            if (Leer || RundeLeer(Wett, Runde[static_cast<std::size_t>(r)], t, r))
                e = {};
            else if (e.Inhalt == RundenErgebnis::Art::Wert && r <= nV)
                Wert = true;
        }
        if (!Wert) continue;
        Slots.assign(MaxDurchgaenge, VorrundenErgebnis{});
        std::copy_n(Vor.begin() + static_cast<std::ptrdiff_t>(i * static_cast<std::size_t>(nV)), nV,
                    Slots.begin());
        Ausserhalb Aus{};
        StreicherBestimmen(Slots, Gewertet, Aus);
        for (int r = 1; r <= std::min(runden_, nV); ++r)
            if (x[r - 1].Inhalt == RundenErgebnis::Art::Wert)
                x[r - 1].Gestrichen = Aus[static_cast<std::size_t>(r)];
    }

    for (const std::size_t i : Einzeln) {
        GestricheneRunden Gestrichen(Wett, Folge[i]);
        for (int r = 1; r <= runden_; ++r)
            werte_[i * R + static_cast<std::size_t>(r - 1)] = ErgebnisRunde(Wett, Folge[i], r, &Gestrichen);
    }
}

std::string ErgebnisRundenText(const RundenErgebnis& x, ErgebnisZeichen* Zeichen, bool MitReflight) {
    using Art = RundenErgebnis::Art;
    switch (x.Inhalt) {
    case Art::Leer:
        return {};
    case Art::NichtGeflogen:
        if (Zeichen) Zeichen->NichtGeflogen = true;
        return NichtGeflogenZeichen;
    case Art::Null:
        return ErgebnisZahl(0);
    case Art::Wert:
        break;
    }
    std::string s;
    const bool Reflight = x.Reflight && MitReflight;
    if (Reflight) s += "R";
    if (x.NichtStreichbar) s += "!";
    if (x.Strafe) s += StrafZeichen;
    s += ErgebnisZahl(x.Punkte);
    if (x.Gestrichen) s = "(" + s + ")";
    if (Zeichen) {
        Zeichen->Reflight |= Reflight;
        Zeichen->NichtStreichbar |= x.NichtStreichbar;
        Zeichen->Strafe |= x.Strafe;
        Zeichen->Gestrichen |= x.Gestrichen;
    }
    return s;
}

std::string ErgebnisRundenText(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr,
                               ErgebnisZeichen* Zeichen, bool MitReflight, GestricheneRunden* Gestrichen) {
    return ErgebnisRundenText(ErgebnisRunde(Wett, t, DurchgangNr, Gestrichen), Zeichen, MitReflight);
}

std::string ErgebnisSummenText(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, double Wert) {
    if (!Wett || !t) return {};
    if (ZeileLeer(Wett, t)) return {};
    return ErgebnisZahl(Wert);
}

std::vector<std::string> ZeichenLegende(const ErgebnisZeichen& z) {
    std::vector<std::string> l;
    if (z.Gestrichen) l.emplace_back("( )  Streichergebnis: zählt nicht zur Summe");
    if (z.NichtStreichbar) l.emplace_back("!  Ergebnis, das nicht gestrichen werden kann");
    if (z.Reflight) l.emplace_back("R  gewertet wird der Reflight");
    if (z.Strafe)
        l.emplace_back(std::string(StrafZeichen) + "  Punktabzug: Wert nach Abzug der Strafpunkte");
    if (z.NichtGeflogen) l.emplace_back(std::string(NichtGeflogenZeichen) + "  nicht teilgenommen");
    if (z.KanalDoppelt) l.emplace_back("!  Kanal in der Gruppe doppelt belegt");
    if (z.KanalNachbar) l.emplace_back("~  Kanal auch in der Nachbargruppe belegt");
    return l;
}

std::string ErgebnisRundenTitel(const WettbewerbTyp* Wett, int DurchgangNr) {
    return GetDurchgangBezeichner(Wett, DurchgangNr, false, true);
}

// ----------------------------------------------------------- teams

std::vector<TeamErgebnisTyp> TeamErgebnisFolge(const WettbewerbTyp* Wett) {
    std::vector<TeamErgebnisTyp> v;
    if (!Wett) return v;
    for (const MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next) {
        TeamErgebnisTyp e;
        e.Team = m;
        e.Platz = m->Platz;
        e.Punkte = m->Punkte;
        v.push_back(e);
    }
    std::unordered_map<const MannschaftTyp*, std::size_t> stelle;
    for (std::size_t i = 0; i < v.size(); ++i) stelle.emplace(v[i].Team, i);
    const TeamsDerTeilnehmer teams(Wett->MannschaftRootPtr);
    // Members in the order of the team list, so that they follow their totals.
    for (const TeilnehmerTyp* t = Wett->TeilnehmerTeamRootPtr; t; t = t->nextTeam) {
        if (!TeilnehmerGelistet(t)) continue;
        if (const auto e = stelle.find(teams(t->EdvNr)); e != stelle.end())
            v[e->second].Mitglieder.push_back(t);
    }
    std::erase_if(v, [](const TeamErgebnisTyp& e) { return e.Mitglieder.empty(); });
    // The running positions of the last evaluation order the members (the
    // team chain is rebuilt only with all orders).
    for (TeamErgebnisTyp& e : v)
        std::stable_sort(e.Mitglieder.begin(), e.Mitglieder.end(), [](const TeilnehmerTyp* a, const TeilnehmerTyp* b) {
            const int pa = a->PlatzTeilnTeamWertung, pb = b->PlatzTeilnTeamWertung;
            if ((pa > 0) != (pb > 0)) return pa > 0;
            return pa > 0 && pa < pb;
        });
    std::stable_sort(v.begin(), v.end(), [](const TeamErgebnisTyp& a, const TeamErgebnisTyp& b) {
        if ((a.Platz > 0) != (b.Platz > 0)) return a.Platz > 0;
        return a.Platz > 0 && a.Platz < b.Platz;
    });
    return v;
}

// ----------------------------------------------------------- channels

std::string KanalAnzeige(std::string_view Kanal) {
    if (Kanal == "2G4") return "2,4GHz";
    return std::string(Kanal);
}

} // namespace tavuran
