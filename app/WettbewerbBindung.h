// What a modeless window works on: the competition it was shown for and the
// round it was opened for. The main window may open another file or change
// the rounds while the window stays open; before the window writes anything
// back it asks whether its competition is still the current one and whether
// the rounds are still those it was opened for.
#pragma once

#include "core/DatenTypen.h"

namespace tavuran {

class WettbewerbBindung {
  public:
    // Binds the competition and round; remembers the round counts.
    void Binden(WettbewerbTyp* Wett, int DurchgangNr) {
        wett_ = Wett;
        durchgangNr_ = DurchgangNr;
        if (Wett) {
            anzDurchgaenge_ = Wett->AnzDurchgaenge;
            anzVorrunden_ = Wett->AnzVorrunden;
            anzSeniorenFlyOff_ = Wett->AnzSeniorenFlyOff;
        }
    }
    void Loesen() { wett_ = nullptr; }

    WettbewerbTyp* Wett() const { return wett_; }
    int DurchgangNr() const { return durchgangNr_; }

    // The bound competition is the given current one.
    bool IstAktuell(const WettbewerbTyp* Aktuell) const { return wett_ && wett_ == Aktuell; }
    // Rounds were added or removed since binding: the round number may now
    // name another round.
    bool RundenGeaendert() const {
        return !wett_ || wett_->AnzDurchgaenge != anzDurchgaenge_ || wett_->AnzVorrunden != anzVorrunden_ ||
               wett_->AnzSeniorenFlyOff != anzSeniorenFlyOff_;
    }

  private:
    WettbewerbTyp* wett_ = nullptr;
    int durchgangNr_ = 1;
    int anzDurchgaenge_ = 0;
    int anzVorrunden_ = 0;
    int anzSeniorenFlyOff_ = 0;
};

} // namespace tavuran
