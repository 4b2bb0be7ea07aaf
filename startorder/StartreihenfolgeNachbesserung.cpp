#include "startorder/StartreihenfolgeNachbesserung.h"

#include <chrono>
#include <random>
#include <vector>

#include "core/MinMax.h"
#include "startorder/StartreihenfolgeBewertung.h"

namespace tavuran {

namespace {

// One group of a round: its member entries and their rows in the matrix.
struct Gruppe {
    std::vector<SortTeilnType*> Eintraege;
    std::vector<int> Idx;
};

// Share of one unordered pair in the distribution score, met c times, with
// w the sum of the weights of both directions (channel, helper, pilot).
inline long long PaarKosten(long long c, long long w) { return 2 * c * c * c * c + c * w; }

class Suche {
  public:
    Suche(WettbewerbTyp* comp, const TeamGroupType* TeamGroups) {
        matrix_.Vorbereiten(comp, TeamGroups);
        n_ = matrix_.Anzahl();
        const std::size_t feld = static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_);
        anz_.assign(feld, 0);
        gewicht_.assign(feld, 0);
        konflikt_.assign(feld, 0);
        for (int a = 0; a < n_; ++a)
            for (int b = 0; b < n_; ++b) {
                if (a == b) continue;
                const long long w = Gewicht(matrix_.Flags(a, b)) + Gewicht(matrix_.Flags(b, a));
                gewicht_[Pos(a, b)] = w;
                konflikt_[Pos(a, b)] = w != 0;
            }
    }

    int Index(const SortTeilnType* e) const { return matrix_.Index(e->TeilnPtr); }

    // Counts the meetings of every group of the candidate (all its rounds).
    void Zaehle(SortDrchgType* Kandidat) {
        std::vector<int> m;
        for (SortDrchgType* d = Kandidat; d; d = d->next)
            for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
                m.clear();
                for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                    const int i = Index(e);
                    if (i >= 0) m.push_back(i);
                }
                for (int a : m)
                    for (int b : m)
                        if (a != b) ++anz_[Pos(a, b)];
            }
    }

    long long Score() const {
        long long s = 0;
        for (int a = 0; a < n_; ++a)
            for (int b = a + 1; b < n_; ++b) s += PaarKosten(anz_[Pos(a, b)], gewicht_[Pos(a, b)]);
        return s;
    }

    // Score change when x leaves group `von` for `nach` and y goes the other way.
    long long Delta(const Gruppe& von, int x, const Gruppe& nach, int y) const {
        long long d = 0;
        for (int m : von.Idx) {
            if (m == x) continue;
            d += Schritt(x, m, -1) + Schritt(y, m, +1);
        }
        for (int m : nach.Idx) {
            if (m == y) continue;
            d += Schritt(y, m, -1) + Schritt(x, m, +1);
        }
        return d;
    }

    // Whether p would share a group with anybody it must not meet.
    bool Konflikt(int p, const Gruppe& g, int ausser) const {
        for (int m : g.Idx)
            if (m != ausser && konflikt_[Pos(p, m)]) return true;
        return false;
    }

    void Verschiebe(const Gruppe& von, int x, const Gruppe& nach, int y) {
        for (int m : von.Idx) {
            if (m == x) continue;
            Aendere(x, m, -1);
            Aendere(y, m, +1);
        }
        for (int m : nach.Idx) {
            if (m == y) continue;
            Aendere(y, m, -1);
            Aendere(x, m, +1);
        }
    }

  private:
    static long long Gewicht(std::uint8_t f) {
        long long w = 0;
        if (f & StartBewertListe::FlagKanal) w += 16384;
        if (f & StartBewertListe::FlagHelfer) w += 8192;
        if (f & StartBewertListe::FlagPilot) w += 4096;
        return w;
    }
    std::size_t Pos(int a, int b) const { return static_cast<std::size_t>(a) * n_ + b; }
    long long Schritt(int a, int b, int um) const {
        const long long c = anz_[Pos(a, b)], w = gewicht_[Pos(a, b)];
        return PaarKosten(c + um, w) - PaarKosten(c, w);
    }
    void Aendere(int a, int b, int um) {
        anz_[Pos(a, b)] += um;
        anz_[Pos(b, a)] += um;
    }

    StartBewertListe matrix_;
    int n_ = 0;
    std::vector<int> anz_;
    std::vector<long long> gewicht_;
    std::vector<char> konflikt_;
};

// Exchanges everything that belongs to the pilot; the start place stays with
// the slot, so each takes over the other's place.
void TauscheEintraege(SortTeilnType* a, SortTeilnType* b) {
    std::swap(a->TeilnPtr, b->TeilnPtr);
    std::swap(a->TeamSchutz, b->TeamSchutz);
    std::swap(a->OrdnungsNr, b->OrdnungsNr);
    std::swap(a->MatrixIdx, b->MatrixIdx);
}

} // namespace

NachbesserungsErgebnis StartreihenfolgeNachbessern(SortDrchgType* Kandidat, WettbewerbTyp* comp,
                                                   const TeamGroupType* TeamGroups,
                                                   const std::function<bool(int)>& DurchgangZiehen,
                                                   std::uint64_t Seed, const NachbesserungsOptionen& Optionen) {
    const auto beginn = std::chrono::steady_clock::now();
    NachbesserungsErgebnis erg;
    if (!comp || !Kandidat) return erg;

    Suche suche(comp, TeamGroups);
    const int vorrunden = LimitLowHighInt(comp->AnzVorrunden, 0, MaxDurchgaenge);

    // The rounds that may change, each with at least two groups and members
    // that are in the matrix (a participant unknown to it never moves).
    std::vector<std::vector<Gruppe>> runden;
    for (SortDrchgType* d = Kandidat; d; d = d->next) {
        const int r = d->DurchgangNr;
        if (r < 1 || r > vorrunden) continue;
        if (DurchgangZiehen && !DurchgangZiehen(r)) continue;
        std::vector<Gruppe> gruppen;
        for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
            Gruppe gr;
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                const int i = suche.Index(e);
                if (i < 0) continue;
                gr.Eintraege.push_back(e);
                gr.Idx.push_back(i);
            }
            if (!gr.Idx.empty()) gruppen.push_back(std::move(gr));
        }
        if (gruppen.size() >= 2) runden.push_back(std::move(gruppen));
    }

    suche.Zaehle(Kandidat);
    erg.ScoreVorher = erg.ScoreNachher = suche.Score();

    if (!runden.empty()) {
        std::mt19937_64 zufall(Seed);
        auto wahl = [&zufall](std::size_t k) {
            return static_cast<std::size_t>(std::uniform_int_distribution<std::size_t>(0, k - 1)(zufall));
        };
        long long ohneErfolg = 0;
        while (erg.Versuche < Optionen.MaxVersuche && ohneErfolg < Optionen.MaxVersucheOhneErfolg) {
            ++erg.Versuche;
            ++ohneErfolg;
            std::vector<Gruppe>& gruppen = runden[wahl(runden.size())];
            const std::size_t g1 = wahl(gruppen.size());
            std::size_t g2 = wahl(gruppen.size() - 1);
            if (g2 >= g1) ++g2;
            Gruppe& a = gruppen[g1];
            Gruppe& b = gruppen[g2];
            const std::size_t i = wahl(a.Idx.size());
            const std::size_t j = wahl(b.Idx.size());
            const int x = a.Idx[i], y = b.Idx[j];
            const long long d = suche.Delta(a, x, b, y);
            if (d >= 0) continue;
            if (suche.Konflikt(x, b, y) || suche.Konflikt(y, a, x)) continue;
            suche.Verschiebe(a, x, b, y);
            TauscheEintraege(a.Eintraege[i], b.Eintraege[j]);
            a.Idx[i] = y;
            b.Idx[j] = x;
            ++erg.Tausche;
            ohneErfolg = 0;
        }
        erg.ScoreNachher = suche.Score();
    }
    erg.Millisekunden =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count();
    return erg;
}

} // namespace tavuran
