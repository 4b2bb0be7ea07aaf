// The notice-board page of the live results: the competition, the address
// of the live pages in large letters and as a QR code, for phones on the
// field's network. A document of the print engine (A4 portrait).
#pragma once

#include <memory>
#include <string>

#include "reports/DruckDokument.h"

namespace tavuran {

// Wettbewerb: the competition's name; Adresse: "http://A:N/".
std::unique_ptr<DruckDokument> LiveAushangDokument(const std::string& Wettbewerb, const std::string& Adresse,
                                                   bool NurLesen);

} // namespace tavuran
