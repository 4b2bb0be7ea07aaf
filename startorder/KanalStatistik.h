// The channel statistics as data: three bands of channel slots with their
// labels, participant counts and bar colours, and the scale maximum. The
// statistics window and the printed page draw this model; they only lay it out.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// Band 0 every other channel, band 1 the 35 MHz A band ("61".."80"),
// band 2 the 35 MHz B band ("182".."191").
inline constexpr int KanalBandSonder = 0;
inline constexpr int KanalBandA = 1;
inline constexpr int KanalBandB = 2;
inline constexpr int KanalMaxSlots = 25;
extern const std::array<const char*, 3> KanalNameStr; // "Sonderkanäle", "35 MHz A-Band", "35 MHz B-Band"

struct KanalFarbe {
    int R = 0, G = 0, B = 0;
    friend bool operator==(const KanalFarbe&, const KanalFarbe&) = default;
};
inline constexpr KanalFarbe KanalFarbeGruen{0, 255, 0};
inline constexpr KanalFarbe KanalFarbeRot{255, 0, 0};
inline constexpr KanalFarbe KanalFarbeSchwarz{0, 0, 0};

struct KanalSlot {
    std::string Label;
    int Anzahl = 0;        // participants on this channel; no bar for 0
    KanalFarbe Farbe;      // colour of the bar
};

struct KanalBand {
    int BandInfo = 0;
    std::string Name;
    std::vector<KanalSlot> Slots; // at most 25
};

struct KanalStatistikModell {
    int Maximum = 0; // scale maximum M (largest count of any channel); 0 draws no scale
    std::array<KanalBand, 3> Baender;
};

// Sort key of a channel text: trimmed, upper-cased, left-padded with "0" to six characters.
std::string KanalSortSchluessel(std::string_view KanalStr);
// Sorts the channel usage list into ascending key order.
void SortKanalListe(WettbewerbTyp* comp);
bool IstKanalInBand(const WettbewerbTyp* comp, int BandInfo, std::string_view KanalStr);
int GetKanalAnzeigeMenge(const WettbewerbTyp* comp, int BandInfo);
// Bar colour of a slot with count Anzahl under the scale maximum M.
KanalFarbe KanalBalkenFarbe(int Anzahl, int Maximum);

// Rebuilds the channel usage and occupancy lists, sorts the channel list and
// returns the chart model. A nil competition gives three empty bands.
KanalStatistikModell KanalStatistikErstellen(WettbewerbTyp* comp);

// Layout helpers shared by window and page.
// Size of a panel from a splitter percentage (kept within 5..95).
int KanalSplitterGroesse(int Groesse, int Prozent);
// Splitter percentage after the user moved it to `Groesse` of `Gesamt`.
int KanalSplitterProzent(int Groesse, int Gesamt);
// Bar width for a slot: half the slot, 1..60 pixels, never wider than the band drawn before.
int KanalBalkenBreite(int SlotBreite, int VorherigeBreite);
// Every k-th scale value is labelled (k = line height / step, every value when 0).
int KanalSkalaSchritt(int Zeilenhoehe, int Schritt);

} // namespace tavuran
