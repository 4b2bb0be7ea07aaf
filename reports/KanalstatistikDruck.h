// The printed page of the channel statistics: the bands that have slots,
// stacked top to bottom, drawn from a copy of the chart model.
#pragma once

#include "reports/DruckCanvas.h"
#include "startorder/KanalStatistik.h"

namespace tavuran {

// Draws the page onto a canvas of BlattBreite x BlattHoehe pixels. With no
// band that has a slot (everybody on 2.4 GHz) the page shows only its titles.
void PrintKanalStatistik(DruckCanvas& Canvas, int BlattBreite, int BlattHoehe, const KanalStatistikModell& Modell);

} // namespace tavuran
