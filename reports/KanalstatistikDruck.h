// The printed page of the channel statistics: the bands that have slots,
// stacked top to bottom, drawn from a copy of the chart model.
#pragma once

#include "reports/DruckCanvas.h"
#include "startorder/KanalStatistik.h"

#include <string>
#include <vector>

namespace tavuran {

// The texts above the chart: title, competition and date, the count per band
// (2.4 GHz included), the pilots on each shared channel, and the one line that
// stands in for the chart when no channel is to show.
struct KanalStatistikTexte {
    std::string Titel = "Kanalstatistik";
    std::string Wettbewerb;          // name and date
    std::string Zaehlung;            // "35 MHz A-Band: 12, 35 MHz B-Band: 0, Sonderkanäle: 1, 2,4 GHz: 26, ohne Kanal: 1"
    std::vector<std::string> Geteilt; // "Kanal 72: Maier Paul, Huber Hans"
    std::string NichtsZuZeigen;      // empty when a band has a slot
};
// Computes the texts from the competition (its channel lists must be current).
KanalStatistikTexte KanalStatistikTexteErstellen(const WettbewerbTyp* Wett, const KanalStatistikModell& Modell);

// Draws the page onto a canvas of BlattBreite x BlattHoehe pixels: the texts,
// then the bands that have slots; with none, the line that says why.
void PrintKanalStatistik(DruckCanvas& Canvas, int BlattBreite, int BlattHoehe, const KanalStatistikModell& Modell,
                         const KanalStatistikTexte& Texte = {});

} // namespace tavuran
