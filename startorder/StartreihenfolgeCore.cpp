#include "startorder/StartreihenfolgeCore.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/DatenTeilnehmer.h"
#include "core/MinMax.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "core/Zufall.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran {

namespace {

int DurchgangBewertungsScore = StartreihenfolgeScoreMax;
bool ZufallFest = false;

void Log(const std::string& s) { AddToSortLogList(s); }

// Each random placement try starts from a fresh clock seed, unless the draw
// is to be repeatable.
void ZufallNeu() {
    if (!ZufallFest) ZufallSeedFromClock();
}

// Trunc(Random * k) + 1.
int ZufallNr(int k) {
    if (k <= 0) return 1;
    return MinInt(static_cast<int>(ZufallReal() * k) + 1, k);
}

// The rounds a draw may touch: preliminary rounds, never more than the 30 slots of a participant.
int AnzahlRunden(const WettbewerbTyp* comp) { return LimitLowHighInt(comp->AnzVorrunden, 0, MaxDurchgaenge); }

SortTeilnType* NeuerEintrag(TeilnehmerTyp* t, int idx) {
    SortTeilnType* e = new SortTeilnType();
    e->TeilnPtr = t;
    e->MatrixIdx = idx;
    return e;
}

template <class T>
void KopfEin(T*& root, T* e) {
    e->next = root;
    root = e;
}

// The groups of one round with their sizes and, per participant, the group he
// is in; keeps the size rule of GetGruppenGroesse up to date as members come and go.
class Runde {
  public:
    Runde(SortDrchgType* d, const StartBewertListe& m, int n, int a) : d_(d), m_(m), wo_(m.Anzahl(), -1), a_(a) {
        if (a > 0) {
            M_ = (n + a - 1) / a;
            voll_ = a - (a * M_ - n);
        }
        if (!d) return;
        for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
            const int slot = NeuerSlot(g);
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                const int i = m.Index(e);
                if (i >= 0) wo_[i] = slot;
                Mehr(slot);
            }
        }
    }

    SortDrchgType* Durchgang() const { return d_; }
    int Slots() const { return static_cast<int>(gruppe_.size()); }
    SortGroupType* Gruppe(int slot) const { return gruppe_[slot]; }
    int Anz(int slot) const { return anz_[slot]; }
    int Wo(int idx) const { return idx >= 0 ? wo_[idx] : -1; }

    // GetGruppenGroesse of the round.
    int Erlaubt() const {
        if (a_ <= 0) return 0;
        return anzM_ < voll_ ? M_ : M_ - 1;
    }

    int SlotFuerNr(int nr) const {
        auto it = nrSlot_.find(nr);
        return it == nrSlot_.end() ? -1 : it->second;
    }
    int SlotFuerNrErzeugen(int nr) {
        const int s = SlotFuerNr(nr);
        return s >= 0 ? s : NeuerSlot(GetGroupPtr(d_, nr));
    }

    // Links the entry in at the head of the group's members.
    void Einhaengen(int slot, SortTeilnType* e) {
        KopfEin(gruppe_[slot]->TeilnRootPtr, e);
        const int i = m_.Index(e);
        if (i >= 0) wo_[i] = slot;
        Mehr(slot);
    }
    // Unlinks the participant's entry from its group; nil when he is in none.
    SortTeilnType* Aushaengen(int idx) {
        const int slot = Wo(idx);
        if (slot < 0) return nullptr;
        SortTeilnType** p = &gruppe_[slot]->TeilnRootPtr;
        while (*p && m_.Index(*p) != idx) p = &(*p)->next;
        SortTeilnType* e = *p;
        if (!e) return nullptr;
        *p = e->next;
        e->next = nullptr;
        wo_[idx] = -1;
        if (anz_[slot] == M_) --anzM_;
        --anz_[slot];
        if (anz_[slot] == M_) ++anzM_;
        return e;
    }

  private:
    int NeuerSlot(SortGroupType* g) {
        gruppe_.push_back(g);
        anz_.push_back(0);
        nrSlot_.emplace(g->GruppeNr, Slots() - 1);
        if (M_ == 0) ++anzM_;
        return Slots() - 1;
    }
    void Mehr(int slot) {
        if (anz_[slot] == M_) --anzM_;
        ++anz_[slot];
        if (anz_[slot] == M_) ++anzM_;
    }

    SortDrchgType* d_;
    const StartBewertListe& m_;
    std::vector<SortGroupType*> gruppe_;
    std::vector<int> anz_;
    std::vector<int> wo_;
    std::unordered_map<int, int> nrSlot_;
    int a_ = 0;
    int M_ = 0;
    int voll_ = 0;
    int anzM_ = 0; // groups holding exactly M_ members
};

class Engine {
  public:
    explicit Engine(WettbewerbTyp* comp) : comp_(comp) {
        n_ = GetAnzTeilnehmerGelistet(comp->TeilnehmerRootPtr);
        runden_ = AnzahlRunden(comp);
        teams_ = GetTeamGroupRootPtr();
        matrix_.Vorbereiten(comp, teams_);
        const int N = matrix_.Anzahl();
        verwendbar_.assign(N, false);
        istHelfer_.assign(N, false);
        istPilot_.assign(N, false);
        pilotenDesHelfers_.assign(N, {});
        for (int i = 0; i < N; ++i) {
            const TeilnehmerTyp* t = matrix_.Teilnehmer(i);
            verwendbar_[i] = TeilnehmerGelistet(t);
        }
        for (const TeamGroupType* g = teams_; g; g = g->next) {
            const int p = matrix_.Index(g->PilotPtr);
            if (p >= 0) istPilot_[p] = true;
            for (const TeamHelperType* h = g->HelferRootPtr; h; h = h->next) {
                const int x = matrix_.Index(h->HelferPtr);
                if (x < 0) continue;
                istHelfer_[x] = true;
                if (p >= 0) pilotenDesHelfers_[x].push_back(p);
            }
        }
    }

    int Runden() const { return runden_; }

    // ---------------------------------------------------- reference round
    bool Referenz(SortDrchgType*& K, int g, int R) {
        SortDrchgType* d = GetDurchgPtr(K, R);
        if (!DiesenDurchgangSortieren(R)) {
            Log("Bereits bestehender Durchgang " + StrInt(R) +
                " wird Referenzdurchgang als Referenzdurchgang verwendet.");
            return true;
        }
        Log("Verteilung durch Zufall Durchgang " + StrInt(R) + " als Referenzdurchgang:");
        const int a = CalcAnzahlGruppen(n_, g);
        for (int versuch = 1; versuch <= StartreihenfolgeVersuche; ++versuch) {
            ZufallNeu();
            LeereDurchgang(d);
            Runde rd(d, matrix_, n_, a);
            if (!PilotSchritt(rd, a)) {
                Log("Pilot-Helfer-Konflikt bez. Teamschutz Durchgang " + StrInt(R) + " konnte nicht gelöst werden.");
            } else if (!HelferSchritt(rd, a)) {
                Log("Helfer-Helfer-Konflikt bez. Teamschutz Durchgang " + StrInt(R) + " konnte nicht gelöst werden.");
            } else if (!TeilnehmerSchritt(rd, a)) {
                Log("Teilnehmer im Durchgang " + StrInt(R) + " konnten nicht konfliktfrei verteilt werden.");
            } else {
                Log("Durchgang " + StrInt(R) + " vollständig und konfliktfrei verteilt.");
                return true;
            }
        }
        return false;
    }

    void Leeren(SortDrchgType*& K, int R) {
        for (int r = 1; r <= runden_; ++r) {
            if (r == R) continue;
            Log("Lösche Verteilung Durchgang " + StrInt(r));
            LeereDurchgang(GetDurchgPtr(K, r));
        }
    }

    // ---------------------------------------------------------- rotation
    void Rotation(SortDrchgType*& K, int g, int R) {
        DurchgangBewertung(matrix_, K);
        const int G = CalcBestGruppenGroesse(n_, g);
        const int a = CalcAnzahlGruppen(n_, G);
        const int grenze = G * a;
        std::vector<SortTeilnType*> ord(static_cast<std::size_t>(grenze) + 1, nullptr);
        if (SortDrchgType* dR = SearchDurchgPtr(K, R)) {
            for (SortGroupType* gr = dR->GroupRootPtr; gr; gr = gr->next)
                for (SortTeilnType* e = gr->TeilnRootPtr; e; e = e->next) e->OrdnungsNr = -1;
            for (int k = 1; G > 0; ++k) {
                SortGroupType* gr = SearchGroupPtr(dR, k);
                if (!gr) break;
                int nr = (k - 1) * G + 1;
                for (SortTeilnType* e = gr->TeilnRootPtr; e; e = e->next, ++nr) {
                    e->OrdnungsNr = nr;
                    if (nr <= grenze && !ord[nr]) ord[nr] = e;
                }
            }
        }
        int w = G;
        int p = 1;
        for (int r = 1; r <= runden_; ++r) {
            if (r == R) continue;
            Log("Verteilung durch Permutation Durchgang " + StrInt(r));
            Runde rd(GetDurchgPtr(K, r), matrix_, n_, a);
            for (int t = 1; t <= a; ++t) {
                for (int i = p; i <= grenze; i += w) {
                    SortTeilnType* e = ord[i];
                    if (!e) continue;
                    const int idx = matrix_.Index(e);
                    if (idx < 0 || rd.Wo(idx) >= 0) continue;
                    const int slot = rd.SlotFuerNrErzeugen(t);
                    SortGroupType* gr = rd.Gruppe(slot);
                    if (GetScoreIfPilotIsPlacedInToGroup(matrix_, gr, e) != 0 || rd.Anz(slot) >= rd.Erlaubt()) continue;
                    SortTeilnType* neu = NeuerEintrag(e->TeilnPtr, idx);
                    rd.Einhaengen(slot, neu);
                    InsertPilotInToGroupForBewertung(matrix_, gr, neu);
                }
                if (++p > G) {
                    p = 1;
                    ++w;
                }
            }
        }
        LogBelegung(K);
    }

    // ---------------------------------------------------- unsorted lists
    void Unsortiert(SortDrchgType*& K, int R) {
        SortDrchgType* dR = SearchDurchgPtr(K, R);
        for (SortDrchgType* d = K; d; d = d->next) {
            if (d->DurchgangNr == R) continue;
            DoneTeiln(d->UnSortedRootPtr);
            if (!dR) continue;
            Runde rd(d, matrix_, n_, 0);
            std::vector<char> schonDa(matrix_.Anzahl(), 0);
            for (SortGroupType* gr = dR->GroupRootPtr; gr; gr = gr->next)
                for (SortTeilnType* e = gr->TeilnRootPtr; e; e = e->next) {
                    const int idx = matrix_.Index(e);
                    if (idx < 0 || rd.Wo(idx) >= 0 || schonDa[idx]) continue;
                    schonDa[idx] = 1;
                    KopfEin(d->UnSortedRootPtr, NeuerEintrag(e->TeilnPtr, idx));
                }
        }
        for (SortDrchgType* d = K; d; d = d->next)
            Log(StrInt(CountUnsortedInDurchg(d)) + " unverteilte Teilnehmer Durchgang " + StrInt(d->DurchgangNr));
    }

    // --------------------------------------------------------- orderings
    void Sperrigkeit(SortDrchgType*& K) {
        Log("Sortiere alle \"unsortierten\" Teilnehmer nach \"Sperrigkeit\".");
        DurchgangBewertung(matrix_, K);
        std::vector<std::pair<SortTeilnType*, long long>> liste;
        for (SortDrchgType* d = K; d; d = d->next) {
            liste.clear();
            for (SortTeilnType* e = d->UnSortedRootPtr; e; e = e->next) {
                long long sperrig = 0;
                for (SortGroupType* gr = d->GroupRootPtr; gr; gr = gr->next)
                    sperrig += GetScoreIfPilotIsPlacedInToGroup(matrix_, gr, e);
                liste.emplace_back(e, sperrig);
            }
            // Taking out the first least bulky entry again and again and pushing
            // it at the head leaves the bulkiest entries first.
            std::stable_sort(liste.begin(), liste.end(), [](const auto& x, const auto& y) { return x.second < y.second; });
            d->UnSortedRootPtr = nullptr;
            for (auto& [e, s] : liste) KopfEin(d->UnSortedRootPtr, e);
        }
    }

    static void GruppenNachGroesse(SortDrchgType*& K) {
        Log("Sortiere alle Gruppen nach Größe.");
        std::vector<std::pair<SortGroupType*, int>> liste;
        for (SortDrchgType* d = K; d; d = d->next) {
            liste.clear();
            for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) liste.emplace_back(g, CountPilotsInGroup(g));
            std::stable_sort(liste.begin(), liste.end(), [](const auto& x, const auto& y) { return x.second > y.second; });
            d->GroupRootPtr = nullptr;
            for (auto& [g, s] : liste) KopfEin(d->GroupRootPtr, g);
        }
    }

    static void DurchgNachGroesse(SortDrchgType*& K) {
        Log("Sortiere alle Durchgänge nach Größe.");
        std::vector<std::pair<SortDrchgType*, int>> liste;
        for (SortDrchgType* d = K; d; d = d->next) liste.emplace_back(d, CountPilotsInDurchg(d));
        std::stable_sort(liste.begin(), liste.end(), [](const auto& x, const auto& y) { return x.second < y.second; });
        K = nullptr;
        for (auto& [d, s] : liste) KopfEin(K, d);
    }

    // ---------------------------------------------------------- best fit
    bool BestFit(SortDrchgType*& K, int mode, int g) {
        DurchgangBewertung(matrix_, K);
        const int G = CalcBestGruppenGroesse(n_, g);
        const int a = CalcAnzahlGruppen(n_, G);
        bool fehler = false;
        for (SortDrchgType* d = K; d; d = d->next) {
            const std::string r = StrInt(d->DurchgangNr);
            if (mode == 7) {
                Log("Verteile übrige bislang unsortierte Teilnehmer in Durchgang " + r);
            } else {
                if (mode & 1) Log("Verteile unsortierte Teamschutz-Helfer in Durchgang " + r);
                if (mode & 2) Log("Verteile unsortierte Teamschutz-Piloten in Durchgang " + r);
            }
            // Every group number of the division must exist before the rest is
            // placed: a group the rotation never opened would otherwise leave
            // the round without room.
            if (d->UnSortedRootPtr)
                for (int t = 1; t <= a; ++t)
                    if (!SearchGroupPtr(d, t)) GetGroupPtr(d, t);
            Runde rd(d, matrix_, n_, a);
            SortTeilnType* vorher = nullptr;
            SortTeilnType* e = d->UnSortedRootPtr;
            while (e) {
                const int idx = matrix_.Index(e);
                const bool relevant = mode == 7 || (idx >= 0 && (((mode & 1) && istHelfer_[idx]) ||
                                                                ((mode & 2) && istPilot_[idx])));
                if (!relevant) {
                    vorher = e;
                    e = e->next;
                    continue;
                }
                const int erlaubt = rd.Erlaubt();
                int best = -1;
                int bestScore = 0;
                for (int s = 0; s < rd.Slots(); ++s) {
                    if (rd.Anz(s) >= erlaubt) continue;
                    const int score = GetScoreIfPilotIsPlacedInToGroup(matrix_, rd.Gruppe(s), e);
                    if (best < 0 || score < bestScore) {
                        best = s;
                        bestScore = score;
                        if (score == 0) break;
                    }
                }
                if (best >= 0) {
                    (vorher ? vorher->next : d->UnSortedRootPtr) = e->next;
                    e->next = nullptr;
                    rd.Einhaengen(best, e);
                    InsertPilotInToGroupForBewertung(matrix_, rd.Gruppe(best), e);
                    vorher = nullptr;
                    e = d->UnSortedRootPtr;
                    continue;
                }
                if (mode == 7)
                    fehler = true;
                else
                    Log("Nicht behebbarer Teamschutz- oder Kanalkonflikt aufgetreten.");
                vorher = e;
                e = e->next;
            }
        }
        LogBelegung(K);
        return !fehler;
    }

    // -------------------------------------------------------- repair pass
    void Optimierung(SortDrchgType*& K, int g) {
        DurchgangBewertung(matrix_, K);
        const int limit = StartreihenfolgeWiederholungsLimit(n_, g);
        Log("Löse Teilnehmer mit hoher Wiederholungsrate aus der Verteilliste");
        std::vector<Runde> runden;
        for (SortDrchgType* d = K; d; d = d->next) runden.emplace_back(d, matrix_, n_, 0);
        matrix_.FuerAlle([&](int A, int B) {
            const int c = matrix_.Anz(A, B);
            const bool geschuetzt = matrix_.Flags(A, B) & (StartBewertListe::FlagPilot | StartBewertListe::FlagHelfer);
            if (!(c > limit || (c >= 1 && geschuetzt))) return;
            for (Runde& rd : runden) {
                SortDrchgType* d = rd.Durchgang();
                if (!DiesenDurchgangSortieren(d->DurchgangNr)) {
                    Log("Durchgang " + StrInt(d->DurchgangNr) +
                        " wird ist bereits sortiert und wird bez. Optimierung nicht berücksichtigt.");
                    continue;
                }
                const int slot = rd.Wo(A);
                if (slot < 0 || slot != rd.Wo(B)) continue;
                if (SortTeilnType* e = rd.Aushaengen(A)) KopfEin(d->UnSortedRootPtr, e);
            }
        });
        LogBelegung(K);
    }

    // ------------------------------------------------------------ scores
    int Verteilscore(SortDrchgType* K) {
        DurchgangBewertung(matrix_, K);
        const int s = BewerteFertigenDurchgang(matrix_);
        Log("Erreichter Verteilscore: " + StrInt(s));
        return s;
    }

    int FinalCheck(SortDrchgType* K) {
        bool ok = true;
        int kleinste = INT_MAX;
        int groesste = INT_MIN;
        for (SortDrchgType* d = K; d && ok; d = d->next) {
            if (CountPilotsInDurchg(d) != n_) ok = false;
            for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
                const int k = CountPilotsInGroup(g);
                kleinste = MinInt(kleinste, k);
                groesste = MaxInt(groesste, k);
            }
            Runde rd(d, matrix_, n_, 0);
            for (int i = 0; i < matrix_.Anzahl() && ok; ++i)
                if (verwendbar_[i] && rd.Wo(i) < 0) ok = false;
        }
        if (ok && groesste != INT_MIN && groesste - kleinste > 1) ok = false;
        return ok ? 0 : StartreihenfolgeFinalFehler;
    }

    int Gesamt(SortDrchgType* K) {
        const long long s = static_cast<long long>(Verteilscore(K)) + FinalCheck(K);
        return s > INT_MAX ? INT_MAX : static_cast<int>(s);
    }

    // ----------------------------------------------------------- attempt
    bool Versuch(SortDrchgType*& K, int g, int& score) {
        score = StartreihenfolgeScoreMax;
        int best = StartreihenfolgeScoreMax;
        const int R = 1;
        if (!Referenz(K, g, R)) return false;
        Leeren(K, R);
        Rotation(K, g, R);
        Unsortiert(K, R);
        Sperrigkeit(K);
        GruppenNachGroesse(K);
        DurchgNachGroesse(K);
        BestFit(K, 1, g);
        Sperrigkeit(K);
        BestFit(K, 2, g);
        Sperrigkeit(K);
        if (!BestFit(K, 7, g)) return false;
        SetStartplatz(K);
        score = Gesamt(K);

        SortDrchgType* bestKopie = nullptr;
        bool fertig = false;
        for (int durchlauf = 1; durchlauf <= StartreihenfolgeVersuche; ++durchlauf) {
            fertig = score >= best;
            if (score <= best) {
                best = score;
                DoneDrchg(bestKopie);
                bestKopie = CopyDrchg(K);
            } else {
                DoneDrchg(K);
                K = CopyDrchg(bestKopie);
                score = best;
            }
            if (fertig) break;
            Optimierung(K, g);
            Sperrigkeit(K);
            GruppenNachGroesse(K);
            DurchgNachGroesse(K);
            if (BestFit(K, 7, g)) {
                SetStartplatz(K);
                score = Gesamt(K);
            } else {
                // Participants are left without a group: score the candidate as
                // it stands, so that the best copy is taken back instead.
                score = Gesamt(K);
            }
        }
        DoneDrchg(bestKopie);
        return fertig;
    }

  private:
    bool Platziere(Runde& rd, int a, TeilnehmerTyp* t, int idx, bool schutz, auto qualifiziert) {
        if (a <= 0) return false;
        const int start = ZufallNr(a);
        for (int k = 0; k < a; ++k) {
            const int nr = (start - 1 + k) % a + 1;
            int slot = rd.SlotFuerNr(nr);
            if ((slot < 0 ? 0 : rd.Anz(slot)) >= rd.Erlaubt()) continue;
            if (slot >= 0 && !qualifiziert(slot)) continue;
            if (slot < 0) slot = rd.SlotFuerNrErzeugen(nr);
            SortTeilnType* e = NeuerEintrag(t, idx);
            e->TeamSchutz = schutz;
            rd.Einhaengen(slot, e);
            return true;
        }
        return false;
    }

    bool PilotSchritt(Runde& rd, int a) {
        for (const TeamGroupType* g = teams_; g; g = g->next) {
            const int p = matrix_.Index(g->PilotPtr);
            if (p < 0) continue;
            auto ok = [&](int slot) {
                for (const TeamHelperType* h = g->HelferRootPtr; h; h = h->next)
                    if (rd.Wo(matrix_.Index(h->HelferPtr)) == slot) return false;
                for (int q : pilotenDesHelfers_[p])
                    if (rd.Wo(q) == slot) return false;
                return true;
            };
            if (!Platziere(rd, a, g->PilotPtr, p, true, ok)) return false;
        }
        return true;
    }

    bool HelferSchritt(Runde& rd, int a) {
        for (const TeamGroupType* g = teams_; g; g = g->next) {
            const int p = matrix_.Index(g->PilotPtr);
            for (const TeamHelperType* h = g->HelferRootPtr; h; h = h->next) {
                const int x = matrix_.Index(h->HelferPtr);
                if (x < 0 || rd.Wo(x) >= 0) continue;
                auto ok = [&](int slot) { return rd.Wo(p) != slot; };
                if (!Platziere(rd, a, h->HelferPtr, x, true, ok)) return false;
            }
        }
        return true;
    }

    bool TeilnehmerSchritt(Runde& rd, int a) {
        for (int i = 0; i < matrix_.Anzahl(); ++i) {
            if (!verwendbar_[i] || rd.Wo(i) >= 0) continue;
            if (!Platziere(rd, a, matrix_.Teilnehmer(i), i, false, [](int) { return true; })) return false;
        }
        return true;
    }

    static void LogBelegung(SortDrchgType* K) {
        for (SortDrchgType* d = K; d; d = d->next)
            Log(StrInt(CountPilotsInDurchg(d)) + " Teilnehmer in Durchgang " + StrInt(d->DurchgangNr));
    }

    WettbewerbTyp* comp_;
    int n_ = 0;
    int runden_ = 0;
    const TeamGroupType* teams_ = nullptr;
    StartBewertListe matrix_;
    std::vector<bool> verwendbar_;  // listed participants: placed by the participant step, checked by the final check
    std::vector<bool> istHelfer_;
    std::vector<bool> istPilot_;
    std::vector<std::vector<int>> pilotenDesHelfers_; // pilots whose group lists this participant as helper
};

int BegrenzteGruppenGroesse(int g) { return LimitLowHighInt(g, 1, StartreihenfolgeMaxStartplatz); }

} // namespace

// -------------------------------------------------------- group arithmetic

int CalcAnzahlGruppen(int n, int g) {
    if (n <= 0) return 0;
    if (g < 1) g = 1;
    return (n + g - 1) / g;
}

int CalcBestGruppenGroesse(int n, int g) {
    const int a = CalcAnzahlGruppen(n, g);
    if (a <= 0) return 0;
    return (n + a - 1) / a;
}

int GetGruppenGroesse(const SortGroupType* Gruppen, int n, int a) {
    if (n <= 0 || a <= 0) return 0;
    const int M = (n + a - 1) / a;
    const int voll = a - (a * M - n);
    int mitM = 0;
    for (const SortGroupType* g = Gruppen; g; g = g->next)
        if (CountPilotsInGroup(g) == M) ++mitM;
    return mitM < voll ? M : M - 1;
}

int StartreihenfolgeWiederholungsLimit(int n, int g) {
    const int G = CalcBestGruppenGroesse(n, BegrenzteGruppenGroesse(g));
    const int a = CalcAnzahlGruppen(n, G);
    return MaxInt(G / MaxInt(a, 1) + 1, 1);
}

// ----------------------------------------------------------------- engine

void TeilnSortAllDurchg(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int GruppenGroesse) {
    if (!comp) return;
    const int g = BegrenzteGruppenGroesse(GruppenGroesse);
    Engine engine(comp);
    int score = StartreihenfolgeScoreMax;
    for (int versuch = 1; versuch <= StartreihenfolgeVersuche; ++versuch) {
        if (engine.Versuch(Kandidat, g, score)) break;
        Log(std::string(45, '='));
        Log("Zu viele Konflikte, starte Verteilung erneut.");
    }
    DurchgangBewertungsScore = score;
}

void TeilnSortOhneGruppenstart(SortDrchgType*& Kandidat, WettbewerbTyp* comp) {
    if (!comp) return;
    Engine engine(comp);
    // No score is computed without group start; 0 marks a finished division.
    DurchgangBewertungsScore = StartreihenfolgeScoreMax;
    for (int versuch = 1; versuch <= StartreihenfolgeVersuche; ++versuch) {
        if (!engine.Referenz(Kandidat, 1, 1)) continue;
        SortDrchgType* erster = SearchDurchgPtr(Kandidat, 1);
        for (int r = 2; r <= engine.Runden(); ++r) {
            Log("Kopiere Verteilung in Durchgang " + StrInt(r));
            SortDrchgType* d = GetDurchgPtr(Kandidat, r);
            LeereDurchgang(d);
            d->GroupRootPtr = CopyGroup(erster->GroupRootPtr);
            d->UnSortedRootPtr = CopyTeiln(erster->UnSortedRootPtr);
        }
        DurchgangBewertungsScore = 0;
        break;
    }
}

int GetLastBewertungsScore() { return DurchgangBewertungsScore; }

int MakeFinalCheck(WettbewerbTyp* comp, SortDrchgType* Kandidat) {
    if (!comp) return StartreihenfolgeFinalFehler;
    Engine engine(comp);
    return engine.FinalCheck(Kandidat);
}

void SetStartplatz(SortDrchgType* Kandidat) {
    std::vector<char> belegt;
    for (SortDrchgType* d = Kandidat; d; d = d->next)
        for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
            const int k = CountPilotsInGroup(g);
            belegt.assign(static_cast<std::size_t>(k) + 1, 0);
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) e->StartPlatz = -1;
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                int j = ZufallNr(k);
                while (belegt[j]) j = j % k + 1;
                belegt[j] = 1;
                e->StartPlatz = j;
            }
        }
}

int BewerteFertigenDurchgang(SortDrchgType* Kandidat, WettbewerbTyp* comp) {
    if (!comp) return 0;
    Engine engine(comp);
    return engine.Verteilscore(Kandidat);
}

bool SortDurchgangRandom(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int g, int R) {
    if (!comp) return false;
    Engine engine(comp);
    return engine.Referenz(Kandidat, BegrenzteGruppenGroesse(g), R);
}

void ClearNewDurchgang(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int R) {
    if (!comp) return;
    Engine(comp).Leeren(Kandidat, R);
}

void SortDurchgangPermutation(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int g, int AnzVorrunden, int R) {
    if (!comp) return;
    (void)AnzVorrunden; // the engine takes the rounds from the competition, never more than 30
    Engine(comp).Rotation(Kandidat, BegrenzteGruppenGroesse(g), R);
}

void AddUnsortedToUnsortedList(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int R) {
    if (!comp) return;
    Engine(comp).Unsortiert(Kandidat, R);
}

void SortUnsortierteTeilnehmerNachSperrigkeit(SortDrchgType*& Kandidat, WettbewerbTyp* comp) {
    if (!comp) return;
    Engine(comp).Sperrigkeit(Kandidat);
}

void SortGruppenNachGroesse(SortDrchgType*& Kandidat) { Engine::GruppenNachGroesse(Kandidat); }

void SortDurchgNachGroesse(SortDrchgType*& Kandidat) { Engine::DurchgNachGroesse(Kandidat); }

bool SortDurchgangBestFit(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int InsertMode, int g) {
    if (!comp) return false;
    return Engine(comp).BestFit(Kandidat, InsertMode, BegrenzteGruppenGroesse(g));
}

void SortDurchgangOptimization(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int g) {
    if (!comp) return;
    Engine(comp).Optimierung(Kandidat, BegrenzteGruppenGroesse(g));
}

// -------------------------------------------------------------- event log

void ShowSortLogList() {
    if (const auto& zeigen = GetStartreihenfolgeAnzeige().ProtokollZeigen) zeigen();
}

void AddToSortLogList(const std::string& Text) { UiProtokoll(Text); }

void StartreihenfolgeZufallFest(std::uint64_t Seed) {
    ZufallSetSeed(Seed);
    ZufallFest = true;
}

void StartreihenfolgeZufallUhr() {
    ZufallFest = false;
    ZufallSeedFromClock();
}

} // namespace tavuran
