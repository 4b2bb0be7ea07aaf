#include "startorder/StartreihenfolgeNachbesserung.h"

#include <chrono>
#include <random>
#include <vector>

#include "core/MinMax.h"
#include "startorder/StartreihenfolgeBewertung.h"

namespace tavuran {

namespace {

// Share of one unordered pair in the distribution score, met c times, with
// w the sum of the weights of both directions (channel, helper, pilot).
inline long long PaarKosten(long long c, long long w) { return 2 * c * c * c * c + c * w; }

// One round that may change: its groups as member lists (matrix rows and the
// candidate's entries), and the group of every participant (-1 for none).
struct Runde {
    std::vector<std::vector<int>> Idx;
    std::vector<std::vector<SortTeilnType*>> Eintraege;
    std::vector<int> GruppeVon;
    // For every participant p and group g: the score change if p joined g
    // (Beitritt) or left it (Austritt), summed over the members of g other
    // than p. Kept up to date on every exchange, so that an exchange is
    // priced in constant time.
    std::vector<long long> Beitritt, Austritt;
};

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

    int Anzahl() const { return n_; }
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

    void Aufnehmen(Runde& r) {
        const std::size_t ng = r.Idx.size();
        r.Beitritt.assign(static_cast<std::size_t>(n_) * ng, 0);
        r.Austritt.assign(static_cast<std::size_t>(n_) * ng, 0);
        for (int p = 0; p < n_; ++p)
            for (std::size_t g = 0; g < ng; ++g)
                for (int m : r.Idx[g]) {
                    if (m == p) continue;
                    r.Beitritt[p * ng + g] += Schritt(p, m, +1);
                    r.Austritt[p * ng + g] += Schritt(p, m, -1);
                }
        runden_.push_back(&r);
    }

    // Score change when x (group ga) and y (group gb) exchange places.
    long long Delta(const Runde& r, int x, std::size_t ga, int y, std::size_t gb) const {
        const std::size_t ng = r.Idx.size();
        return r.Austritt[x * ng + ga] + r.Austritt[y * ng + gb] + r.Beitritt[y * ng + ga] - Schritt(y, x, +1) +
               r.Beitritt[x * ng + gb] - Schritt(x, y, +1);
    }

    // Whether p would share group g with anybody it must not meet.
    bool Konflikt(int p, const std::vector<int>& g, int ausser) const {
        for (int m : g)
            if (m != ausser && konflikt_[Pos(p, m)]) return true;
        return false;
    }

    // Exchanges the members at positions i of group ga and j of group gb.
    void Tausche(Runde& r, std::size_t ga, std::size_t i, std::size_t gb, std::size_t j) {
        const int x = r.Idx[ga][i], y = r.Idx[gb][j];
        // Membership first, priced with the meetings as they are now.
        Wechsel(r, x, ga, gb);
        Wechsel(r, y, gb, ga);
        // Then the meetings, which change the prices in every round.
        for (int m : r.Idx[ga]) {
            if (m == x || m == y) continue;
            Aendere(x, m, -1);
            Aendere(y, m, +1);
        }
        for (int m : r.Idx[gb]) {
            if (m == x || m == y) continue;
            Aendere(y, m, -1);
            Aendere(x, m, +1);
        }
        r.Idx[ga][i] = y;
        r.Idx[gb][j] = x;
        SortTeilnType* a = r.Eintraege[ga][i];
        SortTeilnType* b = r.Eintraege[gb][j];
        // Everything that belongs to the pilot moves; the start place stays
        // with the slot, so each takes over the other's place.
        std::swap(a->TeilnPtr, b->TeilnPtr);
        std::swap(a->TeamSchutz, b->TeamSchutz);
        std::swap(a->OrdnungsNr, b->OrdnungsNr);
        std::swap(a->MatrixIdx, b->MatrixIdx);
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

    // p leaves group von of the round for group nach (prices of the others).
    void Wechsel(Runde& r, int p, std::size_t von, std::size_t nach) {
        const std::size_t ng = r.Idx.size();
        for (int q = 0; q < n_; ++q) {
            if (q == p) continue;
            const long long plus = Schritt(q, p, +1), minus = Schritt(q, p, -1);
            r.Beitritt[q * ng + von] -= plus;
            r.Austritt[q * ng + von] -= minus;
            r.Beitritt[q * ng + nach] += plus;
            r.Austritt[q * ng + nach] += minus;
        }
        r.GruppeVon[p] = static_cast<int>(nach);
    }

    // The pair (a, b) meets um more often: the prices of a for b's groups and
    // of b for a's groups change in every round.
    void Aendere(int a, int b, int um) {
        long long alt[4] = {Schritt(a, b, +1), Schritt(a, b, -1), 0, 0};
        alt[2] = alt[0];
        alt[3] = alt[1];
        anz_[Pos(a, b)] += um;
        anz_[Pos(b, a)] += um;
        const long long plus = Schritt(a, b, +1) - alt[0], minus = Schritt(a, b, -1) - alt[1];
        for (Runde* r : runden_) {
            const std::size_t ng = r->Idx.size();
            const int gb = r->GruppeVon[b], ga = r->GruppeVon[a];
            if (gb >= 0) {
                r->Beitritt[a * ng + gb] += plus;
                r->Austritt[a * ng + gb] += minus;
            }
            if (ga >= 0) {
                r->Beitritt[b * ng + ga] += plus;
                r->Austritt[b * ng + ga] += minus;
            }
        }
    }

    StartBewertListe matrix_;
    int n_ = 0;
    std::vector<int> anz_;
    std::vector<long long> gewicht_;
    std::vector<char> konflikt_;
    std::vector<Runde*> runden_;
};

} // namespace

NachbesserungsErgebnis StartreihenfolgeNachbessern(SortDrchgType* Kandidat, WettbewerbTyp* comp,
                                                   const TeamGroupType* TeamGroups,
                                                   const std::function<bool(int)>& DurchgangZiehen,
                                                   std::uint64_t Seed, const NachbesserungsOptionen& Optionen) {
    const auto beginn = std::chrono::steady_clock::now();
    NachbesserungsErgebnis erg;
    if (!comp || !Kandidat) return erg;

    Suche suche(comp, TeamGroups);
    suche.Zaehle(Kandidat);
    erg.ScoreVorher = erg.ScoreNachher = suche.Score();
    const int vorrunden = LimitLowHighInt(comp->AnzVorrunden, 0, MaxDurchgaenge);

    // The rounds that may change, each with at least two groups; a
    // participant unknown to the matrix never moves.
    std::vector<Runde> runden;
    for (SortDrchgType* d = Kandidat; d; d = d->next) {
        const int r = d->DurchgangNr;
        if (r < 1 || r > vorrunden) continue;
        if (DurchgangZiehen && !DurchgangZiehen(r)) continue;
        Runde rd;
        rd.GruppeVon.assign(static_cast<std::size_t>(suche.Anzahl()), -1);
        for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
            std::vector<int> idx;
            std::vector<SortTeilnType*> eintraege;
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                const int i = suche.Index(e);
                if (i < 0 || rd.GruppeVon[i] >= 0) continue; // twice in a round: leave him where he is
                rd.GruppeVon[i] = static_cast<int>(rd.Idx.size());
                idx.push_back(i);
                eintraege.push_back(e);
            }
            if (idx.empty()) continue;
            rd.Idx.push_back(std::move(idx));
            rd.Eintraege.push_back(std::move(eintraege));
        }
        if (rd.Idx.size() >= 2) runden.push_back(std::move(rd));
    }
    for (Runde& r : runden) suche.Aufnehmen(r);

    // Sweeps: every pilot of every round looks at every pilot of the other
    // groups of that round and takes the exchange that lowers the score
    // most, if any; the pilots are visited in a random order that the seed
    // fixes. The search ends when a sweep finds nothing or the work is done.
    std::mt19937_64 zufall(Seed);
    struct Platz {
        std::size_t Runde, Gruppe, Pos;
    };
    std::vector<Platz> plaetze;
    for (std::size_t r = 0; r < runden.size(); ++r)
        for (std::size_t g = 0; g < runden[r].Idx.size(); ++g)
            for (std::size_t i = 0; i < runden[r].Idx[g].size(); ++i) plaetze.push_back({r, g, i});
    for (int durchlauf = 0; durchlauf < Optionen.MaxDurchlaeufe && erg.Versuche < Optionen.MaxVersuche; ++durchlauf) {
        std::shuffle(plaetze.begin(), plaetze.end(), zufall);
        long long besser = 0;
        for (const Platz& p : plaetze) {
            if (erg.Versuche >= Optionen.MaxVersuche) break;
            Runde& r = runden[p.Runde];
            const int x = r.Idx[p.Gruppe][p.Pos];
            long long bestes = 0;
            std::size_t bg = 0, bj = 0;
            for (std::size_t gb = 0; gb < r.Idx.size(); ++gb) {
                if (gb == p.Gruppe) continue;
                const std::vector<int>& b = r.Idx[gb];
                for (std::size_t j = 0; j < b.size(); ++j) {
                    ++erg.Versuche;
                    const long long d = suche.Delta(r, x, p.Gruppe, b[j], gb);
                    if (d >= bestes) continue;
                    if (suche.Konflikt(x, b, b[j]) || suche.Konflikt(b[j], r.Idx[p.Gruppe], x)) continue;
                    bestes = d;
                    bg = gb;
                    bj = j;
                }
            }
            if (bestes < 0) {
                suche.Tausche(r, p.Gruppe, p.Pos, bg, bj);
                ++erg.Tausche;
                ++besser;
            }
        }
        if (besser == 0) break;
    }
    erg.ScoreNachher = suche.Score();
    erg.Millisekunden =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count();
    return erg;
}

} // namespace tavuran
