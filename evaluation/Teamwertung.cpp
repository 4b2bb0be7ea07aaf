#include "evaluation/Teamwertung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <vector>

#include "core/DatenWettbewerb.h"
#include "evaluation/Auswertung.h"

namespace tavuran {

const std::array<std::string, AnzTeamwertungModi> TeamwertungCaption = {
    "keine Teamwertung",
    "Promillepunkte aus den Vorrunden der ersten  zwei Teammitgliedern in der Teamliste",
    "Promillepunkte aus den Vorrunden der ersten  drei Teammitgliedern in der Teamliste",
    "Promillepunkte aus den Vorrunden der besten zwei Teammitglieder",
    "Promillepunkte aus den Vorrunden der besten drei Teammitglieder",
    "Mittelwert der Promillepunkte aus den Vorrunden aller Teammitglieder",
    "Mittelwert aus den Promillepunkten der besten maximal drei Teammitglieder",
};

namespace {

double Schluessel(double x) {
    if (std::isnan(x)) return -std::numeric_limits<double>::infinity();
    return std::trunc(x * 100.0 + 0.5);
}

// Participants in list order and the lookups by EdvNr the team scoring needs.
struct Teilnehmerliste {
    std::vector<TeilnehmerTyp*> Alle;
    std::unordered_map<int, TeilnehmerTyp*> Erster;        // first record with the EdvNr
    std::unordered_map<int, std::vector<int>> AlleMitNr;   // indices of every record with the EdvNr

    explicit Teilnehmerliste(WettbewerbTyp* Wett) {
        for (TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next) {
            Erster.emplace(t->EdvNr, t);
            AlleMitNr[t->EdvNr].push_back(static_cast<int>(Alle.size()));
            Alle.push_back(t);
        }
    }
    TeilnehmerTyp* Von(int EdvNr) const {
        auto it = Erster.find(EdvNr);
        return it == Erster.end() ? nullptr : it->second;
    }
};

// The team of each member number: the first team in list order that lists it.
std::unordered_map<int, MannschaftTyp*> TeamsDerTeilnehmer(WettbewerbTyp* Wett) {
    std::unordered_map<int, MannschaftTyp*> team;
    for (MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next)
        for (int nr : m->TeilnehmerEdvNr)
            if (nr > 0) team.emplace(nr, m);
    return team;
}

// The (up to) three best members of a team by their totals; among equal totals
// the one later in list order ranks first.
std::array<TeilnehmerTyp*, 3> BesteDrei(const Teilnehmerliste& TL, const MannschaftTyp* m) {
    std::vector<int> indizes;
    std::vector<int> nummern;
    for (int nr : m->TeilnehmerEdvNr) {
        if (nr <= 0 || std::find(nummern.begin(), nummern.end(), nr) != nummern.end()) continue;
        nummern.push_back(nr);
        auto it = TL.AlleMitNr.find(nr);
        if (it != TL.AlleMitNr.end()) indizes.insert(indizes.end(), it->second.begin(), it->second.end());
    }
    std::sort(indizes.begin(), indizes.end());
    std::array<TeilnehmerTyp*, 3> beste{};
    for (int i : indizes) {
        TeilnehmerTyp* t = TL.Alle[i];
        for (int p = 0; p < 3; ++p) {
            if (!beste[p] || beste[p]->Punkte <= t->Punkte) {
                for (int q = 2; q > p; --q) beste[q] = beste[q - 1];
                beste[p] = t;
                break;
            }
        }
    }
    return beste;
}

double TeamPunkte(const Teilnehmerliste& TL, MannschaftTyp* m, int Status) {
    double summe = 0;
    int anzahl = 0;
    auto zaehlt = [&](TeilnehmerTyp* t) {
        summe += t->Punkte;
        ++anzahl;
        t->TeilDerTeamWertung = true;
    };
    switch (Status) {
    case TeamwertungErsteZwei:
    case TeamwertungErsteDrei: {
        const int soll = Status == TeamwertungErsteZwei ? 2 : 3;
        for (int nr : m->TeilnehmerEdvNr) {
            if (anzahl >= soll) break;
            if (nr < 1) continue;
            if (TeilnehmerTyp* t = TL.Von(nr)) zaehlt(t);
        }
        return summe;
    }
    case TeamwertungBesteZwei:
    case TeamwertungBesteDrei: {
        const auto beste = BesteDrei(TL, m);
        const int soll = Status == TeamwertungBesteZwei ? 2 : 3;
        for (int p = 0; p < soll; ++p)
            if (beste[p]) zaehlt(beste[p]);
        return summe;
    }
    case TeamwertungMittelwert:
        for (int nr : m->TeilnehmerEdvNr) {
            if (nr < 1) continue;
            if (TeilnehmerTyp* t = TL.Von(nr)) zaehlt(t);
        }
        return anzahl > 0 ? summe / anzahl : 0.0;
    case TeamwertungMittelwertBesteDrei: {
        for (TeilnehmerTyp* t : BesteDrei(TL, m))
            if (t) zaehlt(t);
        return anzahl > 0 ? summe / anzahl : 0.0;
    }
    default:
        return 0.0;
    }
}

// The member in the team's first filled slot that names a participant.
TeilnehmerTyp* ErstesMitglied(const Teilnehmerliste& TL, const MannschaftTyp* m) {
    for (int nr : m->TeilnehmerEdvNr)
        if (nr > 0)
            if (TeilnehmerTyp* t = TL.Von(nr)) return t;
    return nullptr;
}

void PlaetzeTeam(WettbewerbTyp* Wett, const std::vector<TeilnehmerTyp*>& Alle) {
    struct Eintrag {
        TeilnehmerTyp* t;
        double T;
        double P;
    };
    std::vector<Eintrag> liste;
    liste.reserve(Alle.size());
    for (TeilnehmerTyp* t : Alle) {
        t->PlatzTeilnTeamWertung = 0;
        t->PlatzTeamWertung = 0;
        // Records that are never listed (no surname or no EdvNr) take no position.
        if (t->Name.NachnameStr.empty() || t->EdvNr == 0) continue;
        const Eintrag e{t, Schluessel(t->PunkteTeamWertung), Schluessel(t->Punkte)};
        if (e.T > -1 || (e.T == -1 && e.P > -1)) liste.push_back(e);
    }
    // Selection of the best remaining by (T, P), the earlier on full equality:
    // the same order as a stable sort by these keys.
    std::stable_sort(liste.begin(), liste.end(),
                     [](const Eintrag& a, const Eintrag& b) { return a.T > b.T || (a.T == b.T && a.P > b.P); });
    const auto team = TeamsDerTeilnehmer(Wett);
    int position = 0;
    int platz = 0;
    const MannschaftTyp* vorher = nullptr;
    for (const Eintrag& e : liste) {
        e.t->PlatzTeilnTeamWertung = ++position;
        if (position >= 32000) continue;
        auto it = team.find(e.t->EdvNr);
        const MannschaftTyp* m = it == team.end() ? nullptr : it->second;
        if (!m || !vorher || m != vorher) ++platz;
        e.t->PlatzTeamWertung = platz;
        vorher = m;
    }
}

} // namespace

void CalcPlatzTeam(WettbewerbTyp* Wett) {
    if (!Wett) return;
    std::vector<TeilnehmerTyp*> alle;
    for (TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next) alle.push_back(t);
    PlaetzeTeam(Wett, alle);
}

void CalcWertungTeam(WettbewerbTyp* Wett) {
    if (!Wett) return;
    const Teilnehmerliste TL(Wett);
    for (TeilnehmerTyp* t : TL.Alle) t->TeilDerTeamWertung = false;
    for (MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next)
        m->Punkte = TeamPunkte(TL, m, Wett->TeamwertungStatus);
    for (TeilnehmerTyp* t : TL.Alle) t->PunkteTeamWertung = t->Punkte;
    for (MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next)
        for (int nr : m->TeilnehmerEdvNr)
            if (nr > 0)
                if (TeilnehmerTyp* t = TL.Von(nr)) t->PunkteTeamWertung = m->Punkte;
    PlaetzeTeam(Wett, TL.Alle);
    for (MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next)
        if (const TeilnehmerTyp* t = ErstesMitglied(TL, m)) m->Platz = t->PlatzTeamWertung;
}

int TeamwertungAuswahl(const WettbewerbTyp* Wett) {
    if (!Wett) return TeamwertungKeine;
    const int s = Wett->TeamwertungStatus;
    return s >= 0 && s < AnzTeamwertungModi ? s : TeamwertungKeine;
}

bool TeamwertungStatusAendern(WettbewerbTyp* Wett, int NeuerStatus) {
    if (!Wett || Wett->TeamwertungStatus == NeuerStatus) return false;
    Wett->TeamwertungStatus = NeuerStatus;
    Wett->CalcWertung = true;
    CalcWertung(Wett);
    SetWettbewerbModified(Wett);
    return true;
}

} // namespace tavuran
