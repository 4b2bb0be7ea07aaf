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

GezaehlterFlugTyp GezaehlterFlug(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr) {
    GezaehlterFlugTyp f;
    if (!Wett || !t) return f;
    const WertungTyp *e = nullptr, *r = nullptr;
    Eintraege(DatenDurchgangSuchen(Wett, DurchgangNr), t->EdvNr, e, r);
    f.Erstflug = e;
    f.Eintrag = e;
    if (r) {
        // As the reflight settling decides: a reflight caused on purpose
        // counts even when worse; otherwise the better one, the reflight
        // unless the first flight is strictly greater.
        const bool verursacht = r->ReflyVerursacher || (e && e->ReflyVerursacher);
        if (verursacht || !e || !(e->Punkte > r->Punkte)) {
            f.Eintrag = r;
            f.IstReflight = true;
        }
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
        VorrundenOrdnen(slots);
        const int c = MinInt(CalcAnzahlTempGewerteteVorrunden(w_), MaxDurchgaenge);
        for (int i = std::max(c, 0); i < MaxDurchgaenge; ++i)
            if (slots[i].Runde >= 1 && slots[i].Runde <= MaxDurchgaenge) ausserhalb_[slots[i].Runde] = true;
        geordnet_ = true;
    }
    return ausserhalb_[DurchgangNr];
}

bool ErgebnisGestrichen(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr) {
    return GestricheneRunden(Wett, t)(DurchgangNr);
}

std::string ErgebnisZahl(double Wert) { return L_STR_DoubleToStr(Wert, 1, 7, 0, 2); }

bool ErgebnisRundeLeer(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr) {
    if (!Wett || !t) return true;
    // A round nobody has flown yet shows no column of zeros.
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, DurchgangNr);
    if (!d || !d->DurchgangGeflogen) return true;
    if (DurchgangNr > Wett->AnzVorrunden && DurchgangNr >= 1 && DurchgangNr <= MaxDurchgaenge &&
        t->Gruppe[DurchgangNr] <= 0)
        return true;
    return ErgebnisPlatz(t) == 0 && !TeilnehmerGeflogen(Wett, t);
}

std::string ErgebnisRundenText(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, int DurchgangNr,
                               ErgebnisZeichen* Zeichen, bool MitReflight, GestricheneRunden* Gestrichen) {
    if (ErgebnisRundeLeer(Wett, t, DurchgangNr)) return {};
    const GezaehlterFlugTyp f = GezaehlterFlug(Wett, t, DurchgangNr);
    const WertungTyp* E = f.Erstflug ? f.Erstflug : f.Eintrag;
    ErgebnisZeichen z;
    if (IstGesamtwertung(Wett) && !WertEingetragen(E) && !(f.Eintrag && WertEingetragen(f.Eintrag))) {
        z.NichtGeflogen = true;
        if (Zeichen) Zeichen->NichtGeflogen = true;
        return NichtGeflogenZeichen;
    }
    if (!E) return ErgebnisZahl(0);
    std::string s;
    if (f.IstReflight && MitReflight) {
        s += "R";
        z.Reflight = true;
    }
    if (!E->KannStreicherSein) {
        s += "!";
        z.NichtStreichbar = true;
    }
    if (E->Strafpunkte != 0) {
        s += StrafZeichen;
        z.Strafe = true;
    }
    s += ErgebnisZahl(E->ErgebnisPunkte - E->Strafpunkte);
    if (Gestrichen ? (*Gestrichen)(DurchgangNr) : ErgebnisGestrichen(Wett, t, DurchgangNr)) {
        s = "(" + s + ")";
        z.Gestrichen = true;
    }
    if (Zeichen) {
        Zeichen->Reflight |= z.Reflight;
        Zeichen->NichtStreichbar |= z.NichtStreichbar;
        Zeichen->Strafe |= z.Strafe;
        Zeichen->Gestrichen |= z.Gestrichen;
    }
    return s;
}

std::string ErgebnisSummenText(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, double Wert) {
    if (!Wett || !t) return {};
    if (ErgebnisPlatz(t) == 0 && !TeilnehmerGeflogen(Wett, t)) return {};
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
    auto finden = [&](const MannschaftTyp* m) -> TeamErgebnisTyp* {
        for (TeamErgebnisTyp& e : v)
            if (e.Team == m) return &e;
        return nullptr;
    };
    // Members in the order of the team list, so that they follow their totals.
    for (const TeilnehmerTyp* t = Wett->TeilnehmerTeamRootPtr; t; t = t->nextTeam) {
        if (!TeilnehmerGelistet(t)) continue;
        if (TeamErgebnisTyp* e = finden(GetMannschaftdesTeilnehmers(const_cast<MannschaftTyp*>(Wett->MannschaftRootPtr), t->EdvNr)))
            e->Mitglieder.push_back(t);
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
