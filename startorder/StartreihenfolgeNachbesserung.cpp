#include "startorder/StartreihenfolgeNachbesserung.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <chrono>
#include <limits>
#include <random>
#include <vector>

#include "core/MinMax.h"
#include "startorder/StartreihenfolgeBewertung.h"

namespace tavuran {

namespace {

// Chains of two exchanges: the first exchanges tried per pilot, and the
// largest rise of the score a first exchange may cause (30: one pair that
// met once now meets twice).
constexpr std::size_t KettenAnfaenge = 2;
constexpr long long KettenSchranke = 30;
// Long chains: exchanges at most in one chain.
constexpr std::size_t LangeKettenZuege = 12;

// Share of one unordered pair in the distribution score, met c times, with
// w the sum of the weights of both directions (channel, helper, pilot).
constexpr long long PaarKosten(long long c, long long w) {
    return 2 * c * c * c * c + c * w;
}

// The rise of a pair's share without weights when it meets once more, for
// the meeting counts that occur (a pair meets at most once per round).
constexpr int kStufen = 64;
constexpr std::array<long long, kStufen> StufenTabelle() {
    std::array<long long, kStufen> t{};
    for (int c = 0; c < kStufen; ++c)
        t[static_cast<std::size_t>(c)] = PaarKosten(c + 1, 0) - PaarKosten(c, 0);
    return t;
}
constexpr std::array<long long, kStufen> kStufe = StufenTabelle();

// One round that may change: its groups as member lists (matrix rows and the
// candidate's entries), and the group of every participant (-1 for none).
struct Runde {
    std::vector<std::vector<int>> Idx;
    std::vector<std::vector<SortTeilnType*>> Eintraege;
    std::vector<int> GruppeVon;
    std::vector<int> PlatzVon; // position of the participant in his group's lists
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

    // Score change when x (group ga) and each member y of group gb exchange
    // places, handed to f(position of y, change). The part of x (leaving ga,
    // joining gb) is the same for all of them.
    template <class F>
    void DeltasMitGruppe(const Runde& r, int x, std::size_t ga, std::size_t gb, F f) const {
        const std::size_t ng = r.Idx.size();
        const long long* aus = r.Austritt.data();
        const long long* bei = r.Beitritt.data();
        const long long teilX = aus[x * ng + ga] + bei[x * ng + gb];
        const std::vector<int>& b = r.Idx[gb];
        for (std::size_t j = 0; j < b.size(); ++j) {
            const std::size_t y = static_cast<std::size_t>(b[j]);
            f(j, teilX + aus[y * ng + gb] + bei[y * ng + ga] - 2 * Mehr(x, b[j]));
        }
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
        r.PlatzVon[y] = static_cast<int>(i);
        r.PlatzVon[x] = static_cast<int>(j);
        SortTeilnType* a = r.Eintraege[ga][i];
        SortTeilnType* b = r.Eintraege[gb][j];
        // Everything that belongs to the pilot moves; the start place stays
        // with the slot, so each takes over the other's place.
        std::swap(a->TeilnPtr, b->TeilnPtr);
        std::swap(a->TeamSchutz, b->TeamSchutz);
        std::swap(a->OrdnungsNr, b->OrdnungsNr);
        std::swap(a->MatrixIdx, b->MatrixIdx);
    }

    int Treffen(int a, int b) const { return anz_[Pos(a, b)]; }

    // The exchange of x (group ga of round r) that lowers the score most,
    // compared with the bar `schranke`: only an exchange whose change is
    // below it counts. Returns the change (schranke when there is none) and
    // the partner's group and position.
    long long BesterTausch(const Runde& r, int x, std::size_t ga, long long schranke, std::size_t& bg,
                           std::size_t& bj, long long& versuche) const {
        long long bestes = schranke;
        for (std::size_t gb = 0; gb < r.Idx.size(); ++gb) {
            if (gb == ga) continue;
            const std::vector<int>& b = r.Idx[gb];
            versuche += static_cast<long long>(b.size());
            DeltasMitGruppe(r, x, ga, gb, [&](std::size_t j, long long d) {
                if (d >= bestes) return;
                if (Konflikt(x, b, b[j]) || Konflikt(b[j], r.Idx[ga], x)) return;
                bestes = d;
                bg = gb;
                bj = j;
            });
        }
        return bestes;
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
    // Schritt(a, b, +1), with the rise of the fourth powers from a table.
    long long Mehr(int a, int b) const {
        const std::size_t p = Pos(a, b);
        const int c = anz_[p];
        const long long stufe = c >= 0 && c < kStufen ? kStufe[static_cast<std::size_t>(c)]
                                                      : PaarKosten(c + 1, 0) - PaarKosten(c, 0);
        return stufe + gewicht_[p];
    }
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
        const long long altPlus = Schritt(a, b, +1), altMinus = Schritt(a, b, -1);
        anz_[Pos(a, b)] += um;
        anz_[Pos(b, a)] += um;
        const long long plus = Schritt(a, b, +1) - altPlus, minus = Schritt(a, b, -1) - altMinus;
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
                                                   std::uint64_t Seed,
                                                   const NachbesserungsOptionen& Optionen) {
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
        rd.PlatzVon.assign(static_cast<std::size_t>(suche.Anzahl()), -1);
        for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
            std::vector<int> idx;
            std::vector<SortTeilnType*> eintraege;
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                const int i = suche.Index(e);
                if (i < 0 || rd.GruppeVon[i] >= 0) continue; // twice in a round: leave him where he is
                rd.GruppeVon[i] = static_cast<int>(rd.Idx.size());
                rd.PlatzVon[i] = static_cast<int>(idx.size());
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

    std::mt19937_64 zufall(Seed);
    long long laufend = erg.ScoreVorher; // the score as the kept changes price it

    // Sweeps of single exchanges: every pilot of every round looks at every
    // pilot of the other groups of that round and takes the exchange that
    // lowers the score most, if any; the pilots are visited in a random
    // order that the seed fixes. Returns the exchanges kept.
    struct Platz {
        std::size_t Runde, Gruppe, Pos;
    };
    std::vector<Platz> plaetze;
    for (std::size_t r = 0; r < runden.size(); ++r)
        for (std::size_t g = 0; g < runden[r].Idx.size(); ++g)
            for (std::size_t i = 0; i < runden[r].Idx[g].size(); ++i) plaetze.push_back({r, g, i});
    int durchlauf = 0;
    auto einzeltausche = [&]() {
        long long gesamt = 0;
        for (; durchlauf < Optionen.MaxDurchlaeufe && erg.Versuche < Optionen.MaxVersuche; ++durchlauf) {
            std::shuffle(plaetze.begin(), plaetze.end(), zufall);
            long long besser = 0;
            for (const Platz& p : plaetze) {
                if (erg.Versuche >= Optionen.MaxVersuche) break;
                Runde& r = runden[p.Runde];
                std::size_t bg = 0, bj = 0;
                const long long d =
                    suche.BesterTausch(r, r.Idx[p.Gruppe][p.Pos], p.Gruppe, 0, bg, bj, erg.Versuche);
                if (d < 0) {
                    suche.Tausche(r, p.Gruppe, p.Pos, bg, bj);
                    laufend += d;
                    ++erg.Tausche;
                    ++besser;
                }
            }
            gesamt += besser;
            if (besser == 0) break;
        }
        return gesamt;
    };

    // Chains of two exchanges. Where no single exchange helps, moving a pilot
    // away from somebody he meets more than once mostly costs as much as it
    // saves, because he now meets another pilot once too often. The chain
    // takes such a first exchange and looks for a second one that separates
    // a pair the first brought together once too often; both are kept only
    // when together they lower the score, else the first is undone.
    auto mehrfach = [&](const Runde& r, int x) {
        for (int m : r.Idx[static_cast<std::size_t>(r.GruppeVon[x])])
            if (m != x && suche.Treffen(x, m) >= 2) return true;
        return false;
    };
    struct Stelle {
        std::size_t Runde;
        int Pilot;
    };
    struct Erster {
        long long Delta;
        std::size_t Gruppe, Pos;
    };
    std::vector<Stelle> stellen;
    // Every pilot of every round who meets someone of his group at least
    // twice, in an order drawn from the seed: where chains of exchanges start.
    auto stellenMischen = [&]() {
        stellen.clear();
        for (std::size_t k = 0; k < runden.size(); ++k)
            for (const std::vector<int>& g : runden[k].Idx)
                for (int x : g)
                    if (mehrfach(runden[k], x)) stellen.push_back({k, x});
        std::shuffle(stellen.begin(), stellen.end(), zufall);
    };
    std::vector<Erster> erste;
    std::vector<std::pair<int, int>> paare;
    auto ketten = [&]() {
        stellenMischen();
        long long gehalten = 0;
        for (const Stelle& st : stellen) {
            if (erg.Versuche >= Optionen.MaxVersuche) break;
            Runde& r = runden[st.Runde];
            const int x = st.Pilot;
            if (!mehrfach(r, x)) continue;
            const std::size_t ga = static_cast<std::size_t>(r.GruppeVon[x]);
            // The cheapest first exchanges of x.
            erste.clear();
            for (std::size_t gb = 0; gb < r.Idx.size(); ++gb) {
                if (gb == ga) continue;
                const std::vector<int>& b = r.Idx[gb];
                erg.Versuche += static_cast<long long>(b.size());
                suche.DeltasMitGruppe(r, x, ga, gb, [&](std::size_t j, long long d) {
                    if (d > KettenSchranke) return;
                    if (suche.Konflikt(x, b, b[j]) || suche.Konflikt(b[j], r.Idx[ga], x)) return;
                    erste.push_back({d, gb, j});
                });
            }
            const std::size_t anzahl = std::min<std::size_t>(erste.size(), KettenAnfaenge);
            std::partial_sort(erste.begin(), erste.begin() + static_cast<std::ptrdiff_t>(anzahl), erste.end(),
                              [](const Erster& a, const Erster& b) { return a.Delta < b.Delta; });
            for (std::size_t k = 0; k < anzahl; ++k) {
                const Erster& e1 = erste[k];
                const std::size_t i = static_cast<std::size_t>(r.PlatzVon[x]);
                const int z = r.Idx[e1.Gruppe][e1.Pos];
                suche.Tausche(r, ga, i, e1.Gruppe, e1.Pos);
                if (e1.Delta < 0) { // helps on its own (the sweeps ran out of work)
                    laufend += e1.Delta;
                    ++erg.Tausche;
                    ++gehalten;
                    break;
                }
                long long bestes = -e1.Delta;
                Runde* br = nullptr;
                std::size_t bga = 0, bi = 0, bg = 0, bj = 0;
                auto zweiter = [&](Runde& r2, int s2) {
                    const std::size_t g = static_cast<std::size_t>(r2.GruppeVon[s2]);
                    std::size_t g2 = 0, j2 = 0;
                    const long long d = suche.BesterTausch(r2, s2, g, bestes, g2, j2, erg.Versuche);
                    if (d < bestes) {
                        bestes = d;
                        br = &r2;
                        bga = g;
                        bi = static_cast<std::size_t>(r2.PlatzVon[s2]);
                        bg = g2;
                        bj = j2;
                    }
                };
                // Pairs the first exchange made meet more than once: the second
                // exchange separates one of them.
                paare.clear();
                for (int m : r.Idx[e1.Gruppe])
                    if (m != x && suche.Treffen(x, m) >= 2) paare.push_back({x, m});
                for (int m : r.Idx[ga])
                    if (m != z && suche.Treffen(z, m) >= 2) paare.push_back({z, m});
                for (const auto& [p, q] : paare)
                    for (Runde& r2 : runden) {
                        const int g = r2.GruppeVon[p];
                        if (g < 0 || g != r2.GruppeVon[q]) continue;
                        zweiter(r2, p);
                        zweiter(r2, q);
                    }
                if (br) {
                    suche.Tausche(*br, bga, bi, bg, bj);
                    laufend += e1.Delta + bestes;
                    erg.Tausche += 2;
                    ++gehalten;
                    break;
                }
                suche.Tausche(r, ga, i, e1.Gruppe, e1.Pos); // undo
            }
        }
        return gehalten;
    };

    // Long chains: from a pilot who shares his group with somebody he meets
    // more than once, exchange after exchange, each the best one left among
    // pilots not yet moved in the chain (rising or not); the chain is cut
    // back to its part that lowered the score most, and undone completely
    // when no part lowered it.
    struct Zug {
        Runde* R;
        std::size_t Ga, I, Gb, J;
    };
    std::vector<Zug> zuege;
    std::vector<char> bewegt;
    auto langeKetten = [&]() {
        stellenMischen();
        const std::size_t n = static_cast<std::size_t>(suche.Anzahl());
        bewegt.assign(runden.size() * n, 0);
        long long gehalten = 0;
        for (const Stelle& st : stellen) {
            if (erg.Versuche >= Optionen.MaxVersuche) break;
            if (!mehrfach(runden[st.Runde], st.Pilot)) continue;
            zuege.clear();
            long long summe = 0, besteSumme = 0;
            std::size_t besteLaenge = 0;
            for (std::size_t schritt = 0; schritt < LangeKettenZuege; ++schritt) {
                long long bestes = std::numeric_limits<long long>::max();
                Zug bz{};
                auto pruefe = [&](std::size_t k, int x, std::size_t ga) {
                    Runde& r = runden[k];
                    for (std::size_t gb = 0; gb < r.Idx.size(); ++gb) {
                        if (gb == ga || (schritt > 0 && gb < ga)) continue;
                        const std::vector<int>& b = r.Idx[gb];
                        erg.Versuche += static_cast<long long>(b.size());
                        suche.DeltasMitGruppe(r, x, ga, gb, [&](std::size_t j, long long d) {
                            if (d >= bestes || bewegt[k * n + static_cast<std::size_t>(b[j])]) return;
                            if (suche.Konflikt(x, b, b[j]) || suche.Konflikt(b[j], r.Idx[ga], x)) return;
                            bestes = d;
                            bz = {&r, ga, static_cast<std::size_t>(r.PlatzVon[x]), gb, j};
                        });
                    }
                };
                if (schritt == 0) {
                    const Runde& r = runden[st.Runde];
                    pruefe(st.Runde, st.Pilot, static_cast<std::size_t>(r.GruppeVon[st.Pilot]));
                } else {
                    for (std::size_t k = 0; k < runden.size(); ++k)
                        for (std::size_t ga = 0; ga < runden[k].Idx.size(); ++ga)
                            for (int x : runden[k].Idx[ga])
                                if (!bewegt[k * n + static_cast<std::size_t>(x)]) pruefe(k, x, ga);
                }
                if (!bz.R) break;
                const std::size_t k = static_cast<std::size_t>(bz.R - runden.data());
                bewegt[k * n + static_cast<std::size_t>(bz.R->Idx[bz.Ga][bz.I])] = 1;
                bewegt[k * n + static_cast<std::size_t>(bz.R->Idx[bz.Gb][bz.J])] = 1;
                suche.Tausche(*bz.R, bz.Ga, bz.I, bz.Gb, bz.J);
                zuege.push_back(bz);
                summe += bestes;
                if (summe < besteSumme) {
                    besteSumme = summe;
                    besteLaenge = zuege.size();
                }
            }
            for (const Zug& z : zuege) {
                const std::size_t k = static_cast<std::size_t>(z.R - runden.data());
                bewegt[k * n + static_cast<std::size_t>(z.R->Idx[z.Ga][z.I])] = 0;
                bewegt[k * n + static_cast<std::size_t>(z.R->Idx[z.Gb][z.J])] = 0;
            }
            while (zuege.size() > besteLaenge) {
                const Zug& z = zuege.back();
                suche.Tausche(*z.R, z.Ga, z.I, z.Gb, z.J);
                zuege.pop_back();
            }
            if (besteLaenge > 0) {
                laufend += besteSumme;
                erg.Tausche += static_cast<long long>(besteLaenge);
                ++gehalten;
            }
        }
        return gehalten;
    };

    while (durchlauf < Optionen.MaxDurchlaeufe && erg.Versuche < Optionen.MaxVersuche) {
        einzeltausche();
        if (ketten() == 0 && (!Optionen.LangeKetten || langeKetten() == 0)) break;
    }
    // Every kept change was priced from the tables; they must agree with the
    // meetings counted afresh, or the search stopped on wrong prices.
    assert(laufend == suche.Score());
    (void)laufend;
    erg.ScoreNachher = suche.Score();
    erg.Millisekunden =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count();
    return erg;
}

} // namespace tavuran
