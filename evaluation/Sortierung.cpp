#include "evaluation/Sortierung.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"

namespace tavuran {

namespace {

using Glied = TeilnehmerTyp* TeilnehmerTyp::*;

// The records of a list in creation order (the order of `next`).
std::vector<TeilnehmerTyp*> Erstellungsfolge(TeilnehmerTyp* Root) {
    std::vector<TeilnehmerTyp*> v;
    for (TeilnehmerTyp* p = Root; p; p = p->next) v.push_back(p);
    return v;
}

// Clears the chain field of every record, then threads the chain through
// `Folge` and returns its head.
TeilnehmerTyp* Verketten(const std::vector<TeilnehmerTyp*>& Alle, const std::vector<TeilnehmerTyp*>& Folge,
                         Glied Feld) {
    for (TeilnehmerTyp* p : Alle) p->*Feld = nullptr;
    for (std::size_t i = 0; i + 1 < Folge.size(); ++i) Folge[i]->*Feld = Folge[i + 1];
    return Folge.empty() ? nullptr : Folge.front();
}

// Position of a record in an order on one key (number or name text) that is
// built by insertion: a record goes to the front when its key is smaller than
// the front's, otherwise before the first following element whose key is not
// smaller. For equal keys this gives a fixed pattern, decided by what stood at
// the front when the record came: the first record of a key that arrived while
// the front was larger (Kopf), those that arrived while the key itself was at
// the front (right behind the Kopf, the later one first), and those that
// arrived after a smaller key (before the Kopf, the later one first).
enum class Gleichstand { Spaeter = 0, Kopf = 1, Frueher = 2 };

template <class Key>
struct SchluesselPos {
    Key Schluessel;
    Gleichstand Art;
    int Index; // creation index
};

template <class Key>
bool Vor(const SchluesselPos<Key>& a, const SchluesselPos<Key>& b) {
    if (a.Schluessel < b.Schluessel) return true;
    if (b.Schluessel < a.Schluessel) return false;
    if (a.Art != b.Art) return a.Art < b.Art;
    return a.Index > b.Index;
}

// Classifies the keys, given in creation order, for `Vor`.
template <class Key>
std::vector<SchluesselPos<Key>> Klassifizieren(const std::vector<Key>& Schluessel) {
    std::vector<SchluesselPos<Key>> v;
    v.reserve(Schluessel.size());
    const Key* Minimum = nullptr;
    for (std::size_t i = 0; i < Schluessel.size(); ++i) {
        const Key& k = Schluessel[i];
        Gleichstand Art;
        if (!Minimum || k < *Minimum) Art = Gleichstand::Kopf;
        else if (*Minimum < k) Art = Gleichstand::Spaeter;
        else Art = Gleichstand::Frueher;
        v.push_back({k, Art, static_cast<int>(i)});
        if (!Minimum || k < *Minimum) Minimum = &Schluessel[i];
    }
    return v;
}

// Orders `Teilnehmer` (creation order) by `Schluessel` (one per record) as above.
template <class Key>
std::vector<TeilnehmerTyp*> NachSchluessel(const std::vector<TeilnehmerTyp*>& Teilnehmer,
                                           const std::vector<Key>& Schluessel) {
    auto Pos = Klassifizieren(Schluessel);
    std::vector<int> Rang(Pos.size());
    for (std::size_t i = 0; i < Rang.size(); ++i) Rang[i] = static_cast<int>(i);
    std::sort(Rang.begin(), Rang.end(), [&](int a, int b) { return Vor(Pos[a], Pos[b]); });
    std::vector<TeilnehmerTyp*> Folge;
    Folge.reserve(Rang.size());
    for (int i : Rang) Folge.push_back(Teilnehmer[i]);
    return Folge;
}

std::vector<TeilnehmerTyp*> NachZahl(const std::vector<TeilnehmerTyp*>& Alle, int TeilnehmerTyp::*Zahl) {
    std::vector<TeilnehmerTyp*> Mit;
    std::vector<int> Schluessel;
    for (TeilnehmerTyp* p : Alle)
        if (p->*Zahl != 0) {
            Mit.push_back(p);
            Schluessel.push_back(p->*Zahl);
        }
    return NachSchluessel(Mit, Schluessel);
}

// Base letters of U+00C0..U+017F for the name order (empty: kept as it is).
constexpr const char* BasisBuchstaben[] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "y",
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",
    "l", "l", "l", "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",
    "s", "s", "t", "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",
};

} // namespace

std::string NamensSortierSchluessel(std::string_view Name) {
    std::string Basis;
    Basis.reserve(Name.size());
    for (std::size_t i = 0; i < Name.size();) {
        const unsigned char c = static_cast<unsigned char>(Name[i]);
        if (c < 0x80) {
            Basis += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            ++i;
            continue;
        }
        // Two-byte sequences cover the accented Latin letters; everything
        // else is taken as it stands.
        if ((c & 0xE0) == 0xC0 && i + 1 < Name.size() && (static_cast<unsigned char>(Name[i + 1]) & 0xC0) == 0x80) {
            const unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(Name[i + 1]) & 0x3Fu);
            if (cp >= 0xC0 && cp < 0x180 && *BasisBuchstaben[cp - 0xC0]) {
                Basis += BasisBuchstaben[cp - 0xC0];
                i += 2;
                continue;
            }
        }
        Basis += Name[i++];
    }
    // Equal base texts are ordered by the exact text.
    Basis += '\x01';
    Basis += Name;
    return Basis;
}

namespace {

std::string NamensSchluessel(const TeilnehmerTyp* p) {
    return NamensSortierSchluessel(CnvNameTypToNameStr(&p->Name, true));
}

// Folge (numbers of participants) reordered by their Schluessel, ascending;
// equal keys keep their order. The numbers of groups, places and start
// numbers lie close together: they are counted out, in time linear in the
// participants; keys far apart (from a damaged file) are sorted.
void StabilNachSchluessel(std::vector<int>& Folge, const std::vector<int>& Schluessel) {
    if (Folge.size() < 2) return;
    long long Klein = Schluessel[static_cast<std::size_t>(Folge[0])], Gross = Klein;
    for (int i : Folge) {
        Klein = std::min<long long>(Klein, Schluessel[static_cast<std::size_t>(i)]);
        Gross = std::max<long long>(Gross, Schluessel[static_cast<std::size_t>(i)]);
    }
    const long long Breite = Gross - Klein + 1;
    if (Breite > 4 * static_cast<long long>(Folge.size()) + 64) {
        std::stable_sort(Folge.begin(), Folge.end(), [&](int a, int b) {
            return Schluessel[static_cast<std::size_t>(a)] < Schluessel[static_cast<std::size_t>(b)];
        });
        return;
    }
    const auto Fach = [&](int i) {
        return static_cast<std::size_t>(Schluessel[static_cast<std::size_t>(i)] - Klein);
    };
    std::vector<std::size_t> Beginn(static_cast<std::size_t>(Breite) + 1, 0);
    for (int i : Folge) ++Beginn[Fach(i) + 1];
    for (std::size_t k = 1; k < Beginn.size(); ++k) Beginn[k] += Beginn[k - 1];
    std::vector<int> Neu(Folge.size());
    for (int i : Folge) Neu[Beginn[Fach(i)]++] = i;
    Folge.swap(Neu);
}

int GruppeIn(const TeilnehmerTyp* p, int Nr) {
    return Feld<int, 1, MaxDurchgaenge>::inRange(Nr) ? p->Gruppe[Nr] : 0;
}

// The group of every record of `Alle` in round Nr, indexed like `Alle`, read
// in the order the records were made, which is where they lie in memory.
std::vector<int> GruppenIn(const std::vector<TeilnehmerTyp*>& Alle, int Nr) {
    std::vector<int> G(Alle.size());
    for (std::size_t i = 0; i < Alle.size(); ++i) G[i] = GruppeIn(Alle[i], Nr);
    return G;
}

int StartplatzIn(const TeilnehmerTyp* p, int Nr) {
    return Feld<int, 1, MaxDurchgaenge>::inRange(Nr) ? p->Startplatz[Nr] : 0;
}

inline constexpr int MaxStartplatz = 40;

// The start places of a group: `Belegt` marks the explicit ones, `Rang` is how
// many members without explicit place precede in start-number order.
int FreierPlatz(const std::array<bool, MaxStartplatz + 1>& Belegt, int Rang) {
    int Platz = 1;
    while (Platz <= MaxStartplatz && Belegt[Platz]) ++Platz;
    for (int i = 0; i < Rang && Platz <= MaxStartplatz; ++i) {
        ++Platz;
        while (Platz <= MaxStartplatz && Belegt[Platz]) ++Platz;
    }
    return std::min(Platz, MaxStartplatz);
}

void Markieren(std::array<bool, MaxStartplatz + 1>& Belegt, int Platz) {
    if (Platz >= 1 && Platz <= MaxStartplatz) Belegt[Platz] = true;
}

// Rank of every record of `Alle` in start-number order, indexed like `Alle`
// (-1: no start number, not in that order).
std::vector<int> StartRaenge(const std::vector<TeilnehmerTyp*>& Alle) {
    std::vector<int> StartRang(Alle.size(), -1);
    {
        std::vector<int> Index;
        std::vector<int> Schluessel;
        for (std::size_t i = 0; i < Alle.size(); ++i)
            if (Alle[i]->StartNr != 0) {
                Index.push_back(static_cast<int>(i));
                Schluessel.push_back(Alle[i]->StartNr);
            }
        auto Pos = Klassifizieren(Schluessel);
        std::vector<int> Reihe(Pos.size());
        for (std::size_t i = 0; i < Reihe.size(); ++i) Reihe[i] = static_cast<int>(i);
        std::sort(Reihe.begin(), Reihe.end(), [&](int a, int b) { return Vor(Pos[a], Pos[b]); });
        for (std::size_t r = 0; r < Reihe.size(); ++r) StartRang[Index[Reihe[r]]] = static_cast<int>(r);
    }
    return StartRang;
}

// Start places of every record of `Alle` in round Nr, indexed like `Alle`;
// G as GruppenIn and StartRang as StartRaenge give them. The places are read
// in the order the records were made; the groups are then taken one after
// the other, their members in that order.
std::vector<int> AlleStartplaetze(const std::vector<TeilnehmerTyp*>& Alle, int Nr, const std::vector<int>& G,
                                  const std::vector<int>& StartRang) {
    const std::size_t n = Alle.size();
    std::vector<int> Platz(n, 0), Eigener(n), Folge(n);
    for (std::size_t i = 0; i < n; ++i) {
        Eigener[i] = StartplatzIn(Alle[i], Nr);
        Folge[i] = static_cast<int>(i);
    }
    StabilNachSchluessel(Folge, G);
    std::vector<int> Ohne, MitNr;
    for (std::size_t von = 0, bis = 0; von < n; von = bis) {
        while (bis < n && G[static_cast<std::size_t>(Folge[bis])] == G[static_cast<std::size_t>(Folge[von])])
            ++bis;
        std::array<bool, MaxStartplatz + 1> Belegt{};
        Ohne.clear();
        for (std::size_t k = von; k < bis; ++k) {
            const int i = Folge[k];
            if (const int sp = Eigener[static_cast<std::size_t>(i)]; sp != 0) {
                Markieren(Belegt, sp);
                Platz[static_cast<std::size_t>(i)] = sp;
            } else {
                Ohne.push_back(i);
            }
        }
        MitNr.clear();
        for (int i : Ohne)
            if (StartRang[i] >= 0) MitNr.push_back(i);
        std::sort(MitNr.begin(), MitNr.end(), [&](int a, int b) { return StartRang[a] < StartRang[b]; });
        for (std::size_t r = 0; r < MitNr.size(); ++r) Platz[MitNr[r]] = FreierPlatz(Belegt, static_cast<int>(r));
        for (int i : Ohne)
            if (StartRang[i] < 0) Platz[i] = FreierPlatz(Belegt, static_cast<int>(MitNr.size()));
    }
    return Platz;
}

TeilnehmerTyp* Weiter(const TeilnehmerTyp* p, int SortList) {
    switch (SortList) {
    case SortMeldgNr: return p->nextMeldgNr;
    case SortStartNr: return p->nextStartNr;
    case SortName: return p->nextName;
    case SortGruppe: return p->nextGruppe;
    case SortPlatz: return p->nextPlatz;
    case SortTeam: return p->nextTeam;
    default: return p->next;
    }
}

TeilnehmerTyp* ErsterVerwendbarer(TeilnehmerTyp* p, int SortList) {
    while (p && !TeilnehmerGelistet(p)) p = Weiter(p, SortList);
    return p;
}

} // namespace

void SortTeilnehmerMeldNr(WettbewerbTyp* Wett) {
    if (!Wett) return;
    auto Alle = Erstellungsfolge(Wett->TeilnehmerRootPtr);
    Wett->TeilnehmerMeldgNrRootPtr = Verketten(Alle, NachZahl(Alle, &TeilnehmerTyp::MeldgNr), &TeilnehmerTyp::nextMeldgNr);
}

void SortTeilnehmerStartNr(WettbewerbTyp* Wett) {
    if (!Wett) return;
    auto Alle = Erstellungsfolge(Wett->TeilnehmerRootPtr);
    Wett->TeilnehmerStartNrRootPtr = Verketten(Alle, NachZahl(Alle, &TeilnehmerTyp::StartNr), &TeilnehmerTyp::nextStartNr);
}

void SortTeilnehmerNamen(WettbewerbTyp* Wett) {
    if (!Wett) return;
    auto Alle = Erstellungsfolge(Wett->TeilnehmerRootPtr);
    std::vector<TeilnehmerTyp*> Mit;
    std::vector<std::string> Schluessel;
    for (TeilnehmerTyp* p : Alle)
        if (!p->Name.NachnameStr.empty()) {
            Mit.push_back(p);
            Schluessel.push_back(NamensSchluessel(p));
        }
    Wett->TeilnehmerNameRootPtr = Verketten(Alle, NachSchluessel(Mit, Schluessel), &TeilnehmerTyp::nextName);
}

namespace {

// The order of round N, G the groups of Alle in it as GruppenIn gives them;
// StartRang as StartRaenge gives it for Alle, made when empty (the orders of
// several rounds make it once).
std::vector<int> GruppenFolgeAus(const WettbewerbTyp* Wett, int N, const std::vector<TeilnehmerTyp*>& Alle,
                                 const std::vector<int>& G, std::vector<int>& StartRang) {
    std::vector<int> Folge;

    const bool Jugend = DurchgangIstFlyOffJugend(Wett, N) > 0;
    if (Jugend || DurchgangIstFlyOff(Wett, N) > 0) {
        // Fly-off: everybody with a place, ascending preliminary place; a
        // later record goes before an earlier one of the same place.
        std::vector<int> P(Alle.size());
        for (std::size_t i = 0; i < Alle.size(); ++i) {
            P[i] = Jugend ? Alle[i]->PlatzNrJugend : Alle[i]->PlatzNr;
            if (P[i] != 0) Folge.push_back(static_cast<int>(i));
        }
        std::reverse(Folge.begin(), Folge.end());
        StabilNachSchluessel(Folge, P);
    } else {
        // Preliminary round: the participants assigned to a group first, then
        // the unassigned ones (group 0) in creation order. The keys are read
        // in one pass, so that the order is made from numbers side by side.
        std::vector<int> Ohne;
        for (std::size_t i = 0; i < Alle.size(); ++i)
            (G[i] != 0 ? Folge : Ohne).push_back(static_cast<int>(i));
        if (Wett->Gruppenstart) {
            if (StartRang.size() != Alle.size()) StartRang = StartRaenge(Alle);
            auto Platz = AlleStartplaetze(Alle, N, G, StartRang);
            // By group, then start place, then the later record first.
            std::reverse(Folge.begin(), Folge.end());
            StabilNachSchluessel(Folge, Platz);
            StabilNachSchluessel(Folge, G);
        } else {
            // Without group start the start numbers decide.
            std::vector<int> S(Alle.size());
            for (std::size_t i = 0; i < Alle.size(); ++i) S[i] = Alle[i]->StartNr;
            std::reverse(Folge.begin(), Folge.end());
            StabilNachSchluessel(Folge, G);
            StabilNachSchluessel(Folge, S);
        }
        Folge.insert(Folge.end(), Ohne.begin(), Ohne.end());
    }
    return Folge;
}

} // namespace

std::vector<std::vector<GruppenPlatz>> GruppenFolgen(const WettbewerbTyp* Wett, int Runden) {
    std::vector<std::vector<GruppenPlatz>> v;
    if (!Wett) return v;
    const auto Alle = Erstellungsfolge(Wett->TeilnehmerRootPtr);
    std::vector<int> StartRang, Nummer(Alle.size());
    for (std::size_t i = 0; i < Alle.size(); ++i) Nummer[i] = Alle[i]->EdvNr;
    for (int r = 1; r <= Runden; ++r) {
        const std::vector<int> Gruppe = GruppenIn(Alle, r);
        const std::vector<int> Folge = GruppenFolgeAus(Wett, r, Alle, Gruppe, StartRang);
        std::vector<GruppenPlatz>& Plaetze = v.emplace_back();
        Plaetze.reserve(Folge.size());
        for (int i : Folge)
            Plaetze.push_back({Alle[static_cast<std::size_t>(i)], Nummer[static_cast<std::size_t>(i)],
                               Gruppe[static_cast<std::size_t>(i)]});
    }
    return v;
}

void SortTeilnehmerGruppe(WettbewerbTyp* Wett) {
    if (!Wett) return;
    const auto Alle = Erstellungsfolge(Wett->TeilnehmerRootPtr);
    std::vector<int> StartRang;
    std::vector<TeilnehmerTyp*> Kette;
    Kette.reserve(Alle.size());
    for (int i :
         GruppenFolgeAus(Wett, Wett->DurchgangNr, Alle, GruppenIn(Alle, Wett->DurchgangNr), StartRang))
        Kette.push_back(Alle[static_cast<std::size_t>(i)]);
    Wett->TeilnehmerGruppeRootPtr = Verketten(Alle, Kette, &TeilnehmerTyp::nextGruppe);
}

void SortTeilnehmerPlatz(WettbewerbTyp* Wett) {
    if (!Wett) return;
    auto Alle = Erstellungsfolge(Wett->TeilnehmerRootPtr);
    auto P = [&](int i) { return Alle[i]->PlatzNrFlyOff > 0 ? Alle[i]->PlatzNrFlyOff : Alle[i]->PlatzNr; };
    std::vector<int> Folge(Alle.size());
    for (std::size_t i = 0; i < Folge.size(); ++i) Folge[i] = static_cast<int>(i);
    // Placed ascending (equal places in creation order), then the unplaced,
    // the later-created first.
    std::sort(Folge.begin(), Folge.end(), [&](int a, int b) {
        bool oa = P(a) == 0, ob = P(b) == 0;
        if (oa != ob) return ob;
        if (oa) return a > b;
        if (P(a) != P(b)) return P(a) < P(b);
        return a < b;
    });
    std::vector<TeilnehmerTyp*> Kette;
    Kette.reserve(Folge.size());
    for (int i : Folge) Kette.push_back(Alle[i]);
    Wett->TeilnehmerPlatzRootPtr = Verketten(Alle, Kette, &TeilnehmerTyp::nextPlatz);
}

void SortTeilnehmerTeam(WettbewerbTyp* Wett) {
    if (!Wett) return;
    auto Alle = Erstellungsfolge(Wett->TeilnehmerRootPtr);
    auto Kette = Alle;
    // Numbered ascending, then the unnumbered; ties keep creation order.
    std::stable_sort(Kette.begin(), Kette.end(), [](const TeilnehmerTyp* a, const TeilnehmerTyp* b) {
        int na = a->PlatzTeilnTeamWertung, nb = b->PlatzTeilnTeamWertung;
        if ((na == 0) != (nb == 0)) return nb == 0;
        return na != 0 && na < nb;
    });
    Wett->TeilnehmerTeamRootPtr = Verketten(Alle, Kette, &TeilnehmerTyp::nextTeam);
}

void SortAll(WettbewerbTyp* Wett) {
    SortTeilnehmerMeldNr(Wett);
    SortTeilnehmerStartNr(Wett);
    SortTeilnehmerNamen(Wett);
    SortTeilnehmerGruppe(Wett);
    SortTeilnehmerPlatz(Wett);
    SortTeilnehmerTeam(Wett);
}

void SortStammDatenNamen(WettbewerbTyp* Wett, bool NurName) {
    if (!Wett) return;
    auto Alle = Erstellungsfolge(Wett->StammDatenRootPtr);
    struct Satz {
        TeilnehmerTyp* T;
        int Jahr;
        std::string Name;
        int Index;
    };
    std::vector<Satz> Mit;
    for (std::size_t i = 0; i < Alle.size(); ++i)
        if (!Alle[i]->Name.NachnameStr.empty())
            Mit.push_back({Alle[i], NurName ? 0 : Alle[i]->LetztTeiln.Year, NamensSchluessel(Alle[i]),
                           static_cast<int>(i)});
    // Most recent participation first, then by name; a later record goes
    // before an earlier equal one.
    std::sort(Mit.begin(), Mit.end(), [](const Satz& a, const Satz& b) {
        if (a.Jahr != b.Jahr) return a.Jahr > b.Jahr;
        if (a.Name != b.Name) return a.Name < b.Name;
        return a.Index > b.Index;
    });
    std::vector<TeilnehmerTyp*> Kette;
    Kette.reserve(Mit.size());
    for (const Satz& s : Mit) Kette.push_back(s.T);
    Wett->StammDatenNameRootPtr = Verketten(Alle, Kette, &TeilnehmerTyp::nextName);
}

std::string GetSortName(int SortList) {
    switch (SortList) {
    case SortMeldgNr: return "Meldung";
    case SortStartNr: return "Startnr";
    case SortName: return "Name";
    case SortGruppe: return "Startfolge";
    case SortPlatz: return "Platz";
    case SortTeam: return "Team";
    default: return {};
    }
}

TeilnehmerTyp* GetFirstTeilnehmer(WettbewerbTyp* Wett, int SortList, InfoTeilnehmerTyp& Info) {
    Info.SortList = SortList & ~SortStammDaten;
    Info.TeilnehmerPtr = nullptr;
    if (!Wett) return nullptr;
    TeilnehmerTyp* Root;
    if (SortList & SortStammDaten) {
        Root = SortList == SortStammDatenName ? Wett->StammDatenNameRootPtr : Wett->StammDatenRootPtr;
    } else {
        switch (SortList) {
        case SortMeldgNr: Root = Wett->TeilnehmerMeldgNrRootPtr; break;
        case SortStartNr: Root = Wett->TeilnehmerStartNrRootPtr; break;
        case SortName: Root = Wett->TeilnehmerNameRootPtr; break;
        case SortGruppe: Root = Wett->TeilnehmerGruppeRootPtr; break;
        case SortPlatz: Root = Wett->TeilnehmerPlatzRootPtr; break;
        case SortTeam: Root = Wett->TeilnehmerTeamRootPtr; break;
        default: Root = Wett->TeilnehmerRootPtr; break;
        }
    }
    Info.TeilnehmerPtr = ErsterVerwendbarer(Root, Info.SortList);
    return Info.TeilnehmerPtr;
}

TeilnehmerTyp* CalcNextTeilnehmer(const InfoTeilnehmerTyp& Info) {
    if (!Info.TeilnehmerPtr) return nullptr;
    return ErsterVerwendbarer(Weiter(Info.TeilnehmerPtr, Info.SortList), Info.SortList);
}

TeilnehmerTyp* GetNextTeilnehmer(InfoTeilnehmerTyp& Info) {
    Info.TeilnehmerPtr = CalcNextTeilnehmer(Info);
    return Info.TeilnehmerPtr;
}

int DurchgangIstFlyOff(const WettbewerbTyp* Wett, int Nr) {
    if (!Wett) return 0;
    // Counts come from the file unchecked: compute wide so that no value overflows.
    const long long k = static_cast<long long>(Nr) - Wett->AnzVorrunden;
    return (k >= 0 && k <= Wett->AnzSeniorenFlyOff) ? static_cast<int>(k) : 0;
}

int DurchgangIstFlyOffJugend(const WettbewerbTyp* Wett, int Nr) {
    if (!Wett) return 0;
    const long long k = static_cast<long long>(Nr) - Wett->AnzVorrunden - Wett->AnzSeniorenFlyOff;
    return k < 0 ? 0 : (k > MaxDurchgaenge ? MaxDurchgaenge + 1 : static_cast<int>(k));
}

DurchgangTyp* GetDurchgangPtr(WettbewerbTyp* Wett, int Nr) {
    if (!Wett) return nullptr;
    return DatenDurchgangGetPtr(Wett->DurchgangRootPtr, Nr);
}

WertungTyp* GetWertungPtr(WettbewerbTyp* Wett, DurchgangTyp* Durchgang, int EdvNr) {
    if (Durchgang)
        if (WertungTyp* w = DatenWertungGetPtr(Durchgang, EdvNr, 0)) return w;
    if (!Wett || !Durchgang || !Feld<int, 1, MaxDurchgaenge>::inRange(Durchgang->Nr)) return nullptr;
    TeilnehmerTyp* t = DatenTeilnehmerGetPtr(Wett->TeilnehmerRootPtr, EdvNr, true);
    GruppeTyp* g = DatenGruppeGetPtr(Durchgang->GruppePtr, t->Gruppe[Durchgang->Nr], 0);
    return DatenWertungInGroupGetPtr(Durchgang, g, EdvNr);
}

int GetTeilnehmerStartPlatzNr(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int Nr) {
    if (!Teilnehmer || !Feld<int, 1, MaxDurchgaenge>::inRange(Nr)) return 0;
    if (Teilnehmer->Startplatz[Nr] != 0) return Teilnehmer->Startplatz[Nr];
    if (!Wett) return 0;
    const int g = Teilnehmer->Gruppe[Nr];
    std::array<bool, MaxStartplatz + 1> Belegt{};
    for (const TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next)
        if (p->Gruppe[Nr] == g) Markieren(Belegt, p->Startplatz[Nr]);

    // Members of the group without explicit place that precede the
    // participant in start-number order.
    std::vector<TeilnehmerTyp*> MitNr;
    std::vector<int> Schluessel;
    for (TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next)
        if (p->StartNr != 0) {
            MitNr.push_back(p);
            Schluessel.push_back(p->StartNr);
        }
    auto Pos = Klassifizieren(Schluessel);
    int Eigen = -1;
    for (std::size_t i = 0; i < MitNr.size(); ++i)
        if (MitNr[i] == Teilnehmer) Eigen = static_cast<int>(i);
    int Rang = 0;
    for (std::size_t i = 0; i < MitNr.size(); ++i) {
        const TeilnehmerTyp* p = MitNr[i];
        if (p == Teilnehmer || p->Gruppe[Nr] != g || p->Startplatz[Nr] != 0) continue;
        if (Eigen < 0 || Vor(Pos[i], Pos[Eigen])) ++Rang;
    }
    return FreierPlatz(Belegt, Rang);
}

TeilnehmerTyp* GetTeilnehmerStartNr(WettbewerbTyp* Wett, int StartNr) {
    if (!Wett) return nullptr;
    // A removed participant keeps his start number, which closing up hands to
    // someone else: only a usable record answers for a number.
    for (TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next)
        if (p->StartNr == StartNr && TeilnehmerGelistet(p)) return p;
    return nullptr;
}

} // namespace tavuran
