#include "reports/DruckVorschau.h"

#include <cmath>

#include "core/MinMax.h"
#include "evaluation/Sortierung.h"

namespace tavuran {

int VorschauClient(DruckArt Art) {
    switch (Art) {
    case DruckArt::Etiketten: return VorschauEtiketten;
    case DruckArt::Kanalstatistik: return VorschauKanalstatistik;
    case DruckArt::Startzettel: return VorschauStartzettel;
    default: return VorschauListen;
    }
}

VorschauZustand VorschauStart(DruckArt Art, int AktuellerDurchgang) {
    VorschauZustand z;
    z.Art = Art;
    z.AktDurchgang = AktuellerDurchgang;
    z.RundenWahl = 0;
    switch (Art) {
    case DruckArt::Meldungsliste: z.AktSort = SortMeldgNr; break;
    case DruckArt::Ergebnisliste: z.AktSort = SortPlatz; break;
    case DruckArt::Wertungsliste:
    case DruckArt::Startliste: z.AktSort = SortGruppe; break;
    case DruckArt::Etiketten: z.AktSort = SortName; break;
    case DruckArt::Startzettel:
        z.AktSort = SortName;
        z.RundenWahl = DruckVorrunden;
        break;
    case DruckArt::Kanalstatistik: z.AktSort = SortMeldgNr; break;
    case DruckArt::Teamergebnis: z.AktSort = SortTeam; break;
    }
    return z;
}

DruckAuftrag VorschauDruckAuftrag(const VorschauZustand& z) {
    DruckAuftrag a;
    a.Art = z.Art;
    a.TeamAnzeigen = z.TeamAnzeigen;
    a.Farbmodus = z.Farbmodus;
    a.Endgueltig = z.Endgueltig;
    switch (VorschauClient(z.Art)) {
    case VorschauListen:
    case VorschauStartzettel:
        a.Durchgaenge = z.RundenWahl == DruckVorrunden || z.RundenWahl == DruckFlyOffs ? z.RundenWahl
                                                                                        : MaxInt(1, z.AktDurchgang);
        a.Sortierung = z.AktSort;
        break;
    case VorschauEtiketten:
        a.Sortierung = z.AktSort;
        a.Etikettformat = z.Etikettformat;
        a.Etikettoptionen = z.Etikettoptionen;
        break;
    default: break;
    }
    if (z.Art == DruckArt::Startliste) {
        a.VerteilerMaske = z.VerteilerMaske;
        a.DruckAttributeWaehlen = z.DruckAttributeWaehlen;
    }
    return a;
}

int WeitererDurchgang(int Eingabe, int AnzDurchgaenge) {
    int n = LimitLowHighInt(Eingabe, 11, MaxAnzeigeDurchgaenge);
    if (n > AnzDurchgaenge) n = AnzDurchgaenge;
    return MaxInt(n, 1);
}

VorschauGruppen VorschauGruppenSichtbar(int Client, int AktSort, bool StartlisteScalable) {
    VorschauGruppen g;
    switch (Client) {
    case VorschauStartzettel:
        g.Folge = g.Durchgang = g.TeamSortierung = true;
        break;
    case VorschauKanalstatistik:
        g.Blaettern = false;
        break;
    default:
        g.Folge = AktSort >= 0 && AktSort <= 5;
        g.Durchgang = AktSort == SortGruppe;
        g.Stil = Client == VorschauListen && StartlisteScalable;
        break;
    }
    return g;
}

void VorschauSeitenGroesse(const DruckPapier& p, int FlaecheBreite, int FlaecheHoehe, int& Breite, int& Hoehe) {
    const long long nb = MaxInt(1, p.Breite - p.RandLinks - p.RandRechts);
    const long long nh = MaxInt(1, p.Hoehe - p.RandOben - p.RandUnten);
    const bool a4Hoch = nb == 21000 && nh == 29700, a4Quer = nb == 29700 && nh == 21000;
    Hoehe = MaxInt(1, FlaecheHoehe);
    // An A4 sheet is √2 times as long as it is wide.
    auto breiteZu = [&](int h) {
        if (a4Hoch) return static_cast<int>(std::trunc(std::sqrt(2.0) * h / 2));
        if (a4Quer) return static_cast<int>(std::trunc(std::sqrt(2.0) * h));
        return static_cast<int>(h * nb / nh);
    };
    Breite = breiteZu(Hoehe);
    if (Breite > FlaecheBreite) {
        Breite = MaxInt(1, FlaecheBreite);
        Hoehe = MaxInt(1, static_cast<int>(Breite * nh / nb));
    }
    Breite = MaxInt(1, Breite);
}

} // namespace tavuran
