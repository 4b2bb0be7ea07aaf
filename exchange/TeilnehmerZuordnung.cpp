#include "exchange/TeilnehmerZuordnung.h"

#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/L_STR.h"

namespace tavuran {

namespace {

bool Zaehlt(const TeilnehmerTyp* p) { return !p->Name.NachnameStr.empty() && p->EdvNr > 0; }

std::pair<std::string, std::string> Schluessel(const TeilnehmerTyp* p) {
    return {p->Name.NachnameStr, p->Name.VornameStr};
}

bool GleicherVerein(const TeilnehmerTyp* a, const TeilnehmerTyp* b) {
    return L_STR_Unblank(a->Verein) == L_STR_Unblank(b->Verein);
}

bool Gleich(const DateRec& x, const DateRec& y) { return x.Day == y.Day && x.Month == y.Month && x.Year == y.Year; }

// The birth date only tells people apart when it was entered: a new
// participant carries the default date.
bool Eingetragen(const DateRec& d) { return !Gleich(d, TeilnehmerTyp{}.GebDatum); }

bool GleichesGeburtsdatum(const TeilnehmerTyp* a, const TeilnehmerTyp* b) {
    return Eingetragen(a->GebDatum) && Gleich(a->GebDatum, b->GebDatum);
}

// Both birth dates entered and different: two people.
bool KeinWiderspruch(const TeilnehmerTyp* a, const TeilnehmerTyp* b) {
    return !Eingetragen(a->GebDatum) || !Eingetragen(b->GebDatum) || Gleich(a->GebDatum, b->GebDatum);
}

std::vector<TeilnehmerTyp*> Filter(const std::vector<TeilnehmerTyp*>& Kandidaten, const TeilnehmerTyp* I,
                                   bool (*Passt)(const TeilnehmerTyp*, const TeilnehmerTyp*)) {
    std::vector<TeilnehmerTyp*> v;
    for (TeilnehmerTyp* t : Kandidaten)
        if (Passt(I, t)) v.push_back(t);
    return v;
}

} // namespace

std::vector<TeilnehmerZuordnungTyp> TeilnehmerZuordnen(TeilnehmerTyp* ZielRoot, const TeilnehmerTyp* QuelleRoot) {
    std::map<std::pair<std::string, std::string>, std::vector<TeilnehmerTyp*>> Ziele;
    for (TeilnehmerTyp* t = ZielRoot; t; t = t->next)
        if (!t->Name.NachnameStr.empty()) Ziele[Schluessel(t)].push_back(t);
    std::map<std::pair<std::string, std::string>, int> InQuelle;
    for (const TeilnehmerTyp* p = QuelleRoot; p; p = p->next)
        if (Zaehlt(p)) ++InQuelle[Schluessel(p)];

    std::vector<TeilnehmerZuordnungTyp> Liste;
    std::set<const TeilnehmerTyp*> Vergeben;
    for (const TeilnehmerTyp* I = QuelleRoot; I; I = I->next) {
        if (!Zaehlt(I)) continue;
        TeilnehmerZuordnungTyp z;
        z.Quelle = I;
        const auto it = Ziele.find(Schluessel(I));
        const std::vector<TeilnehmerTyp*> Kandidaten = it != Ziele.end() ? it->second : std::vector<TeilnehmerTyp*>{};
        if (InQuelle[Schluessel(I)] == 1 && Kandidaten.size() <= 1) {
            z.Ziel = Kandidaten.empty() ? nullptr : Kandidaten.front();
        } else if (const std::vector<TeilnehmerTyp*> k = Filter(Kandidaten, I, KeinWiderspruch); !k.empty()) {
            std::vector<TeilnehmerTyp*> v = Filter(k, I, GleicherVerein);
            if (v.size() != 1) {
                std::vector<TeilnehmerTyp*> g = Filter(v.empty() ? k : v, I, GleichesGeburtsdatum);
                if (g.size() == 1) v = g;
            }
            if (v.size() == 1)
                z.Ziel = v.front();
            else
                z.Mehrdeutig = true;
        }
        // A name that occurs more than once in Quelle and not at all here
        // stands for that many new participants.
        if (z.Ziel && !Vergeben.insert(z.Ziel).second) {
            z.Ziel = nullptr;
            z.Mehrdeutig = true;
        }
        Liste.push_back(z);
    }
    return Liste;
}

} // namespace tavuran
