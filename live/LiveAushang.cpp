#include "live/LiveAushang.h"

#include <algorithm>

#include "reports/QrCode.h"

namespace tavuran {

namespace {

class Aushang : public DruckDokument {
  public:
    Aushang(std::string w, std::string a, bool n) : wett_(std::move(w)), adresse_(std::move(a)), nurLesen_(n) {
        Titel = "Aushang Live-Ergebnisse";
    }
    int AnzahlSeiten() const override { return 1; }
    DruckPapier Papier() const override {
        DruckPapier p;
        p.Breite = 21000;
        p.Hoehe = 29700;
        return p;
    }
    void SeiteZeichnen(DruckCanvas& c, int Seite, bool) const override {
        if (Seite != 1) return;
        const int b = c.Breite(), h = c.Hoehe();
        c.RechteckFuellen(0, 0, b, h, DruckWeiss);
        const DruckSchrift alt = c.GetSchrift();
        auto zeile = [&](int y, const std::string& t, int punkte, bool fett) {
            DruckSchrift f;
            f.Hoehe = DruckPunkteZuPixel(c, punkte);
            f.Fett = fett;
            c.SetSchrift(f);
            // Lowered until the text fits the page's width.
            while (c.TextBreite(t) > b * 9 / 10 && f.Hoehe > DruckMinSchrifthoehe) {
                --f.Hoehe;
                c.SetSchrift(f);
            }
            c.Text((b - c.TextBreite(t)) / 2, y, t, b);
            return y + c.TextHoehe(t);
        };
        int y = h / 12;
        y = zeile(y, "Live-Ergebnisse", 40, true);
        y = zeile(y + h / 80, wett_, 24, false);
        const int kante = std::min(b * 6 / 10, h / 2);
        const int top = y + h / 30;
        QrCodeZeichnen(c, (b - kante) / 2, top, kante, QrCodeBerechnen(adresse_));
        y = top + kante + h / 30;
        y = zeile(y, adresse_, 30, true);
        y = zeile(y + h / 40, "Im WLAN des Fluggeländes den Code mit dem Telefon scannen", 16, false);
        y = zeile(y, "oder die Adresse im Browser eingeben.", 16, false);
        if (!nurLesen_) zeile(y + h / 60, "Wertungen per Telefon: mit dem QR-Code des Startzettels.", 16, false);
        c.SetSchrift(alt);
    }

  private:
    std::string wett_, adresse_;
    bool nurLesen_;
};

} // namespace

std::unique_ptr<DruckDokument> LiveAushangDokument(const std::string& Wettbewerb, const std::string& Adresse,
                                                   bool NurLesen) {
    return std::make_unique<Aushang>(Wettbewerb, Adresse, NurLesen);
}

} // namespace tavuran
