// Score lines of the competition file: one line per stored score entry. The
// group of an entry is not stored; on reading it is the participant's group
// in that round.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "core/DatenTypen.h"

namespace tavuran {

// One score line as read.
struct WertungsZeileTyp {
    int DurchgangNr = 0;
    int EdvNr = 0;
    int ReflyOrder = 0;
    bool ReflyVerursacher = false;
    Feld<double, 1, MaxDurchgSpalten> WertungDurchg;
    Feld<double, 1, MaxPunktrichter> WertungPunktr;
    int Strafpunkte = 0;
};

// Reads the fields of a score line. False when the line names no round 1..30
// or no participant number above 0: such a line is ignored.
bool WertungsZeileLesen(std::string_view Value, int FormatNr, WertungsZeileTyp& z);
// A score line as the writer writes it, checked and read in one pass: every
// field in quotes without a quote inside, the numbers valid, exactly the
// fields of the format (such a line passes DateiZeilePruefen). -1 when the
// line is not that plain (it is checked and read field by field); otherwise
// 1 or 0 as WertungsZeileLesen returns true or false for it.
int WertungsZeileSchlichtLesen(std::string_view Value, int FormatNr, WertungsZeileTyp& z);

// Applies one score line: finds or creates the round, the participant (an
// empty one without surname when its line has not been read), the group
// (participant's group of that round, reflight number) and the entry, and
// stores the values.
void DatenDurchgangParse(DurchgangTyp*& DurchgangRoot, TeilnehmerTyp*& TeilnehmerRoot, std::string_view Value,
                         int FormatNr);

// The same lookups for a whole file at once, through tables instead of list
// walks, so that reading stays linear in the number of lines. Records are
// created exactly where DatenDurchgangParse would create them.
class WertungsLeser {
  public:
    WertungsLeser(DurchgangTyp*& DurchgangRoot, TeilnehmerTyp*& TeilnehmerRoot)
        : durchgangRoot_(DurchgangRoot), teilnehmerRoot_(TeilnehmerRoot) {}
    // Room for about this many score lines, so that the tables do not grow line by line.
    void Reservieren(std::size_t Zeilen) { wertungen_.reserve(Zeilen); }
    // A participant record that was just put at the head of the list.
    void TeilnehmerGelesen(TeilnehmerTyp* p);
    // A score line already read (a valid one). Its entry takes the values,
    // unless an earlier line gave the same entry other values: which of two
    // lines is right nobody knows, so the first stays.
    // ZeilenNr is the line's number in the file; the result is the number of
    // the line that gave the entry its values first when that line's values
    // differ (the earlier values then stay), 0 otherwise.
    int ZeileAnwenden(const WertungsZeileTyp& z, int ZeilenNr);

  private:
    DurchgangTyp*& durchgangRoot_;
    TeilnehmerTyp*& teilnehmerRoot_;
    std::unordered_map<int, TeilnehmerTyp*> teilnehmer_;
    struct GruppenSchluessel {
        const DurchgangTyp* Durchgang;
        int Nr;
        int ReflyOrder;
        bool operator==(const GruppenSchluessel&) const = default;
    };
    struct GruppenHash {
        std::size_t operator()(const GruppenSchluessel& k) const;
    };
    struct WertungsSchluessel {
        const GruppeTyp* Gruppe;
        int EdvNr;
        bool operator==(const WertungsSchluessel&) const = default;
    };
    struct WertungsHash {
        std::size_t operator()(const WertungsSchluessel& k) const;
    };
    std::unordered_map<GruppenSchluessel, GruppeTyp*, GruppenHash> gruppen_;
    struct Eintrag {
        WertungTyp* Wertung = nullptr;
        int ZeilenNr = 0; // the line that gave the values
    };
    std::unordered_map<WertungsSchluessel, Eintrag, WertungsHash> wertungen_;
};

// Line generator over all score entries of a competition: set the cursor with
// InitWertungsDaten, then each call gives the next line, an empty text at the end.
std::string GetNextWertungsDaten(int FormatNr, DurchgangListenInfoTyp& Info);

} // namespace tavuran
