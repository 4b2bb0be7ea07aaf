#include "evaluation/EingabePlausibel.h"

#include <algorithm>
#include <cmath>

#include "core/Dezimalkomma.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"

namespace tavuran {

namespace {

bool Reserviert(double v) { return (v > -2.1 && v < -1.9) || (v > -1.001 && v < -0.999); }

bool Enthaelt(const std::string& s, std::string_view t) { return s.find(t) != std::string::npos; }

// The distance unit of a label: centimetres when it names "[cm]".
bool Zentimeter(const std::string& Kopf) { return Enthaelt(L_STR_Upcase(Kopf), "CM"); }

// The notes are read by people: decimal comma.
std::string Zahl(double v) { return PunktZuKomma(L_STR_Unblank(L_STR_DoubleToStr(v, 1, 12, 0, 2))); }

} // namespace

double GetArbeitszeit(const WettbewerbTyp* Wett, int DurchgangNr) {
    if (!Wett || !Wett->RegelPtr) return 0;
    const ParameterWettbTyp& p = Wett->RegelPtr->ParameterWettb;
    double zeit = 0, offsetFlyOff = 0, offsetJugend = 0;
    bool flugzeit = false;
    // The rows of the rule's parameter page, in page order.
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        const std::string b = L_STR_Upcase(p.Bezeichner[i]);
        const int nr = p.ParaNr[i];
        if (b.empty()) continue;
        // A row without a parameter heads a section ("Flugzeit [s]:", "Landung :").
        if (nr < 1 || nr > MaxParameter) {
            flugzeit = Enthaelt(b, "FLUGZEIT");
            continue;
        }
        const double v = Wett->Parameter[nr];
        if (!std::isfinite(v)) continue;
        if (Enthaelt(b, "OFFSET JUG")) offsetJugend = v;
        else if (Enthaelt(b, "OFFSET")) offsetFlyOff = v;
        // (the time up to which a landing is still scored is no working time)
        else if ((flugzeit || Enthaelt(b, "FLUGZEIT")) && !Enthaelt(b, "LANDE")) zeit = std::max(zeit, v);
    }
    if (zeit <= 0) return 0;
    if (DurchgangIstFlyOffJugend(Wett, DurchgangNr) > 0) return zeit + std::max(offsetJugend, 0.0);
    if (DurchgangIstFlyOff(Wett, DurchgangNr) > 0) return zeit + std::max(offsetFlyOff, 0.0);
    return zeit;
}

std::vector<std::string> GetEingabeHinweise(const WettbewerbTyp* Wett, int DurchgangNr, const WertungTyp* Wertung,
                                            const WertSpaltenTyp& Spalten) {
    std::vector<std::string> h(static_cast<std::size_t>(std::max(Spalten.Anzahl(), 0)));
    if (!Wertung) return h;
    const double arbeitszeit = GetArbeitszeit(Wett, DurchgangNr);
    // A flight of 0:00 typed in a time column: no landing can belong to it.
    bool nullFlug = false;
    for (int k = 1; k <= Spalten.Anzahl(); ++k)
        if (GetEingabeArt(Spalten.Koepfe[static_cast<std::size_t>(k - 1)], false) == EingabeArt::Zeit &&
            WertSlot(Wertung, Spalten, k) == 0)
            nullFlug = true;
    for (int k = 1; k <= Spalten.Anzahl(); ++k) {
        const std::string& kopf = Spalten.Koepfe[static_cast<std::size_t>(k - 1)];
        const double v = WertSlot(Wertung, Spalten, k);
        std::string& hinweis = h[static_cast<std::size_t>(k - 1)];
        if (!std::isfinite(v) || Reserviert(v)) continue;
        const auto zeigen = [&](double x) { return PunktZuKomma(DispAllWertung(const_cast<WettbewerbTyp*>(Wett), x, kopf)); };
        if (v < 0) {
            hinweis = "negativer Wert " + Zahl(v);
            continue;
        }
        switch (GetEingabeArt(kopf, true)) {
        case EingabeArt::Zeit:
            if (arbeitszeit > 0 && v > arbeitszeit + ZeitZugabe)
                hinweis = "Flugzeit " + zeigen(v) + " länger als die Arbeitszeit " + zeigen(arbeitszeit) + " und " +
                          zeigen(ZeitZugabe) + " Zugabe";
            break;
        case EingabeArt::LoggerHoehe:
            if (v > MaxStarthoehe) hinweis = "Starthöhe " + Zahl(v) + " m über " + Zahl(MaxStarthoehe) + " m";
            break;
        case EingabeArt::Abstand: {
            const bool cm = Zentimeter(kopf);
            const double meter = cm ? v / 100 : v;
            if (meter > MaxLandeabstand)
                hinweis = "Landung " + Zahl(v) + (cm ? " cm" : " m") + " weiter als " + Zahl(MaxLandeabstand) + " m";
            else if (nullFlug && v > 0.001)
                hinweis = "Landung zu einem Flug von 0:00";
            break;
        }
        default: break;
        }
    }
    return h;
}

std::string EingabeHinweisText(const WertSpaltenTyp& Spalten, const std::vector<std::string>& Hinweise) {
    std::string t;
    for (std::size_t k = 0; k < Hinweise.size() && k < Spalten.Koepfe.size(); ++k) {
        if (Hinweise[k].empty()) continue;
        if (!t.empty()) t += "; ";
        t += Spalten.Koepfe[k] + ": " + Hinweise[k];
    }
    return t;
}

} // namespace tavuran
