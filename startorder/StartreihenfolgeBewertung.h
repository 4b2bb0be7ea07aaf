// The meeting matrix of the start-order draw: for every ordered pair of
// participants how often they share a group over all rounds of a candidate,
// and whether they use one channel or form a protected pilot/helper pair. Also
// the placing and distribution scores built on it, and the grid model of the
// result matrix window ("wer fliegt wie oft gegen wen?").
//
// The matrix is an n x n table over the competition's participants (in
// registration order). An entry "exists" once it was created by GetAdd; the
// entries are visited newest first, as if they had been pushed at the head of
// a list, because the repair pass of the draw depends on that order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/DatenTypen.h"
#include "startorder/StartreihenfolgeDaten.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran {

struct StartBewertTeilnType {
    TeilnehmerTyp* TeilnehmerPtr = nullptr;
    bool TeamschutzPilot = false;
    bool TeamschutzHelfer = false;
    bool Kanal = false;
};

// One entry as the result matrix shows it; element 0 carries the flags.
struct StartBewertType {
    StartBewertTeilnType Teiln[2];
    int AnzDoppelTeilnahmen = 0;
    int PosCol = -1;
    int PosRow = -1;
};

class StartBewertListe {
  public:
    static constexpr std::uint8_t FlagKanal = 1;
    static constexpr std::uint8_t FlagPilot = 2;  // TeamschutzPilot: row is the pilot, column his helper
    static constexpr std::uint8_t FlagHelfer = 4; // TeamschutzHelfer: row is the helper, column his pilot

    // Takes the participants of the competition and fills the channel pairs
    // and the protected pairs (they do not depend on a candidate).
    void Vorbereiten(WettbewerbTyp* comp, const TeamGroupType* TeamGroups);
    // Forgets all meetings and every entry created for them (Init/Done of the list).
    void Leeren();

    int Anzahl() const { return n_; }
    TeilnehmerTyp* Teilnehmer(int i) const { return teiln_[i]; }
    int Index(const TeilnehmerTyp* t) const;
    // Cached in the entry; the cache is checked against the participant, so
    // an entry whose participant changed is looked up again.
    int Index(SortTeilnType* e) const {
        if (!e) return -1;
        const int i = e->MatrixIdx;
        if (i >= 0 && i < n_ && teiln_[static_cast<std::size_t>(i)] == e->TeilnPtr) return i;
        return IndexNeu(e);
    }

    bool Existiert(int a, int b) const { return flags_[Pos(a, b)] != 0 || dyn_[Pos(a, b)] != 0; }
    void GetAdd(int a, int b);
    int Anz(int a, int b) const { return anz_[Pos(a, b)]; }
    std::uint8_t Flags(int a, int b) const { return flags_[Pos(a, b)]; }
    void Zaehle(int a, int b) {
        GetAdd(a, b);
        ++anz_[Pos(a, b)];
    }

    // Visits every existing entry (a, b) newest first.
    template <class F>
    void FuerAlle(F f) const {
        for (auto it = dynReihe_.rbegin(); it != dynReihe_.rend(); ++it) f(*it / n_, *it % n_);
        for (auto it = statReihe_.rbegin(); it != statReihe_.rend(); ++it) f(*it / n_, *it % n_);
    }

  private:
    int Pos(int a, int b) const { return a * n_ + b; }
    int IndexNeu(SortTeilnType* e) const;
    void SetzeFlag(int a, int b, std::uint8_t f);

    int n_ = 0;
    std::vector<TeilnehmerTyp*> teiln_;
    std::unordered_map<const TeilnehmerTyp*, int> index_;
    std::vector<std::uint8_t> flags_; // channel and protection flags; non-zero = entry exists
    std::vector<std::uint8_t> dyn_;   // entry created for a meeting
    std::vector<int> anz_;            // AnzDoppelTeilnahmen
    std::vector<int> statReihe_;      // flag entries in creation order
    std::vector<int> dynReihe_;       // meeting entries in creation order
};

// Rebuilds the meetings of the matrix from a candidate (the matrix must be prepared).
void DurchgangBewertung(StartBewertListe& Matrix, SortDrchgType* Kandidat);
// Placing score of entry T in a group: the sum of T's meetings with the
// members, with 0x4000 / 0x2000 / 0x1000 or-ed in for a channel, helper or pilot conflict.
int GetScoreIfPilotIsPlacedInToGroup(const StartBewertListe& Matrix, const SortGroupType* Gruppe,
                                     SortTeilnType* T);
// Records that T joined the group (call after linking it in).
void InsertPilotInToGroupForBewertung(StartBewertListe& Matrix, const SortGroupType* Gruppe, SortTeilnType* T);
// Distribution score: the sum over all entries of c^4 + c*(16384 channel + 8192
// helper + 4096 pilot), c the meeting count; limited to the largest Integer.
int BewerteFertigenDurchgang(const StartBewertListe& Matrix);
// The entry of the pair, if it exists.
std::optional<StartBewertType> Search(const StartBewertListe& Matrix, const TeilnehmerTyp* A, const TeilnehmerTyp* B);

// --- result matrix window model

enum class BewertungZellArt { Fix, Weiss, Gelb, Orange, Rot, Hellblau };
struct BewertungZellFarbe {
    BewertungZellArt Art = BewertungZellArt::Weiss;
    bool WeisseSchrift = false;
};
// Colour of a data cell from its text.
BewertungZellFarbe BewertungZellFarbeFuer(const std::string& Text);

struct BewertungsGitter {
    int Zeilen = 5;  // rows including the header row
    int Spalten = 5; // columns including the header column
    std::vector<TeilnehmerTyp*> Teilnehmer; // listed participants, by name
    std::vector<std::string> Namen;         // their full names (row and column headers)
    std::vector<std::vector<std::string>> Zellen; // [row][column], row/column 0 the headers
};
// Builds the grid of the result matrix from a candidate (the representation)
// and the team-protection groups.
BewertungsGitter FillBewertStringGrid(WettbewerbTyp* comp, SortDrchgType* Darstellung, const TeamGroupType* TeamGroups);

} // namespace tavuran
