#include "reports/DruckDokument.h"

#include "core/MinMax.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/Refly.h"
#include "evaluation/Sortierung.h"
#include "reports/KanalstatistikDruck.h"
#include "reports/Startzettel.h"
#include "reports/TeamergebnisDruck.h"
#include "startorder/StartreihenfolgeLauf.h"

namespace tavuran {

const char* const StartreihenfolgeHinweis =
    "Für einige Durchgänge ist die Startreihenfolge noch nicht festgelegt! Vor der Ausgabe von Start- oder "
    "Wertungslisten sowie vor der Eingabe von Wertungen muss die Startreihenfolge bekannt sein!";

namespace {

DruckPapier A4(bool Quer) {
    DruckPapier p;
    p.Breite = Quer ? 29700 : 21000;
    p.Hoehe = Quer ? 21000 : 29700;
    return p;
}

class ListenDokument : public DruckDokument {
  public:
    ListenDokument(DruckSeitenListe l, int f) : Liste(std::move(l)), Farbmodus(f) {}
    int AnzahlSeiten() const override { return static_cast<int>(Liste.Seiten.size()); }
    DruckPapier Papier() const override { return A4(Liste.Parameter.Orientierung == 1); }
    void SeiteZeichnen(DruckCanvas& C, int Seite, bool) const override {
        DrawPrintImage(C, C.Hoehe(), Liste, Seite, Farbmodus);
    }
    DruckSeitenListe Liste;
    int Farbmodus;
};

class StartzettelDokument : public DruckDokument {
  public:
    explicit StartzettelDokument(std::vector<ZettelSeiteTyp> s) : Seiten(std::move(s)) {}
    int AnzahlSeiten() const override { return static_cast<int>(Seiten.size()); }
    DruckPapier Papier() const override { return A4(false); }
    void SeiteZeichnen(DruckCanvas& C, int Seite, bool Vorschau) const override {
        if (Seite < 1 || Seite > AnzahlSeiten()) return;
        DrawZettelImage(C, C.Breite(), Vorschau, C.Hoehe(), Seiten[Seite - 1]);
    }
    std::vector<ZettelSeiteTyp> Seiten;
};

class EtikettenDokument : public DruckDokument {
  public:
    EtikettenDokument(std::vector<EtikettSeiteTyp> s, const FormatTyp& f, const EtikettOptionen& o)
        : Seiten(std::move(s)), Format(f), Optionen(o) {}
    int AnzahlSeiten() const override { return static_cast<int>(Seiten.size()); }
    DruckPapier Papier() const override {
        DruckPapier p;
        p.Breite = Format.PapierBreite;
        p.Hoehe = Format.PapierHoehe;
        p.RandLinks = Format.Sperrbereich.links;
        p.RandOben = Format.Sperrbereich.oben;
        p.RandRechts = Format.Sperrbereich.rechts;
        p.RandUnten = Format.Sperrbereich.unten;
        return p;
    }
    void SeiteZeichnen(DruckCanvas& C, int Seite, bool Vorschau) const override {
        if (Seite < 1 || Seite > AnzahlSeiten()) return;
        DrawEtikettImage(C, C.Breite(), Vorschau, C.Hoehe(), Format, Optionen, Seiten[Seite - 1]);
    }
    std::vector<EtikettSeiteTyp> Seiten;
    FormatTyp Format;
    EtikettOptionen Optionen;
};

class KanalstatistikDokument : public DruckDokument {
  public:
    KanalstatistikDokument(KanalStatistikModell m, KanalStatistikTexte t) : Modell(std::move(m)), Texte(std::move(t)) {}
    int AnzahlSeiten() const override { return 1; }
    DruckPapier Papier() const override { return A4(false); }
    void SeiteZeichnen(DruckCanvas& C, int Seite, bool) const override {
        if (Seite == 1) PrintKanalStatistik(C, C.Breite(), C.Hoehe(), Modell, Texte);
    }
    KanalStatistikModell Modell;
    KanalStatistikTexte Texte;
};

class TeamergebnisDokument : public DruckDokument {
  public:
    explicit TeamergebnisDokument(TeamergebnisDruckTyp d) : Druck(std::move(d)) {}
    int AnzahlSeiten() const override { return static_cast<int>(Druck.Seiten.size()); }
    DruckPapier Papier() const override { return A4(false); }
    void SeiteZeichnen(DruckCanvas& C, int Seite, bool) const override {
        DrawTeamergebnis(C, C.Breite(), C.Hoehe(), Druck, Seite);
    }
    TeamergebnisDruckTyp Druck;
};

int Wahl(int Wert, int Ueblich) { return Wert > 0 ? Wert : Ueblich; }

} // namespace

bool DruckBrauchtStartreihenfolge(DruckArt Art) {
    return Art == DruckArt::Startliste || Art == DruckArt::Wertungsliste || Art == DruckArt::Startzettel ||
           Art == DruckArt::Etiketten;
}

std::unique_ptr<DruckDokument> DruckDokumentErstellen(WettbewerbTyp* Wett, const DruckAuftrag& A,
                                                      std::string& Meldung) {
    Meldung.clear();
    if (!Wett) {
        Meldung = "Es ist kein Wettbewerb geöffnet.";
        return nullptr;
    }
    std::unique_ptr<DruckDokument> dok;
    const int sort = A.Sortierung;
    const int runden = A.Durchgaenge == DruckUeblicheDurchgaenge ? DruckAktuellerDurchgang : A.Durchgaenge;
    auto liste = [&](DruckSeitenTyp P, const char* Titel, int Status) {
        P.TeamAnzeigen = A.TeamAnzeigen;
        P.Endgueltig = A.Endgueltig;
        P.Zeit = A.Zeit;
        DruckSeitenListe l = MakeDruckSeiten(Wett, P, runden);
        if (l.Seiten.empty()) {
            Meldung = l.Hinweis.empty() ? "Es gibt nichts zu drucken." : l.Hinweis;
            return;
        }
        dok = std::make_unique<ListenDokument>(std::move(l), A.Farbmodus);
        dok->Titel = Titel;
        dok->Status = Status;
    };
    switch (A.Art) {
    case DruckArt::Meldungsliste:
        Wett->Scalable = false;
        // Sorted by the number it shows: the start number once the start order is drawn.
        liste({ListeMeldung, 1 << VerteilerEinzeln, Wahl(A.Orientierung, 1), Wahl(A.Stil, 1),
               sort >= 0 ? sort : (GetStartreihenfolgeErmittelt(Wett) ? SortStartNr : SortMeldgNr)},
              "Meldungsliste drucken", 30);
        break;
    case DruckArt::Ergebnisliste:
        Wett->Scalable = false;
        liste({ListeErgebnis, 1 << VerteilerEinzeln, Wahl(A.Orientierung, 1), Wahl(A.Stil, 1),
               sort >= 0 ? sort : SortPlatz},
              "Ergebnisliste drucken", 90);
        break;
    case DruckArt::Wertungsliste: {
        Wett->Scalable = false;
        const bool quer = GetReflyInWettbewerb(Wett, Wett->DurchgangNr) || GetAnzahlPunktrichter(Wett) >= 2;
        liste({ListeWertung, 1 << VerteilerEinzeln, Wahl(A.Orientierung, quer ? 1 : 2), Wahl(A.Stil, 1),
               sort >= 0 ? sort : SortGruppe},
              "Wertungsliste drucken", 70);
        break;
    }
    case DruckArt::Startliste: {
        const int maske = A.VerteilerMaske & 0x7F;
        if (maske == 0) {
            Meldung = "Es ist kein Verteiler gewählt.";
            return nullptr;
        }
        if (A.DruckAttributeWaehlen) MakePrintAttributesSizeOrientation(Wett);
        const int orient = Wett->Orientierung == 1 ? 1 : 2;
        const int stil = Wett->GroesseSchrift == 3 ? 3 : 2;
        liste({ListeStart, maske, Wahl(A.Orientierung, orient), Wahl(A.Stil, stil), sort >= 0 ? sort : SortGruppe},
              "Startliste drucken", 60);
        break;
    }
    case DruckArt::Startzettel: {
        Wett->Scalable = false;
        const int r = A.Durchgaenge == DruckUeblicheDurchgaenge ? DruckVorrunden : A.Durchgaenge;
        std::vector<ZettelSeiteTyp> s = MakeZettelSeiten(Wett, r, sort >= 0 ? sort : SortName);
        if (A.Zettelzugang) A.Zettelzugang(s);
        if (s.empty()) {
            Meldung = "Es gibt keinen Startzettel zu drucken: kein Teilnehmer in den gewählten Durchgängen.";
            return nullptr;
        }
        dok = std::make_unique<StartzettelDokument>(std::move(s));
        dok->Titel = "Wertungszettel";
        dok->Status = 60;
        break;
    }
    case DruckArt::Etiketten: {
        Wett->Scalable = false;
        const std::string fehler = EtikettFormatPruefen(A.Etikettformat);
        if (!fehler.empty()) {
            Meldung = "Das Etikettenformat kann nicht gedruckt werden:\n" + fehler;
            return nullptr;
        }
        std::vector<EtikettSeiteTyp> s = MakeEtikettSeiten(Wett, A.Etikettformat, sort >= 0 ? sort : SortName);
        dok = std::make_unique<EtikettenDokument>(std::move(s), A.Etikettformat, A.Etikettoptionen);
        dok->Titel = "Etiketten drucken";
        dok->Status = 10;
        break;
    }
    case DruckArt::Teamergebnis: {
        Wett->Scalable = false;
        TeamergebnisDruckTyp t = MakeTeamergebnisSeiten(Wett, A.Zeit, A.Endgueltig, Meldung);
        if (t.Seiten.empty()) return nullptr;
        dok = std::make_unique<TeamergebnisDokument>(std::move(t));
        dok->Titel = "Teamergebnis drucken";
        dok->Status = 90;
        break;
    }
    case DruckArt::Kanalstatistik:
        Wett->Scalable = false;
    {
        KanalStatistikModell m = KanalStatistikErstellen(Wett);
        KanalStatistikTexte t = KanalStatistikTexteErstellen(Wett, m);
        dok = std::make_unique<KanalstatistikDokument>(std::move(m), std::move(t));
    }
        dok->Titel = "Kanalstatistik drucken";
        dok->Status = 10;
        break;
    }
    return dok;
}

} // namespace tavuran

namespace tavuran {

void DruckCanvasGroesse(const DruckPapier& p, int Aufloesung, int& Breite, int& Hoehe) {
    const long long b = MaxInt(1, p.Breite - p.RandLinks - p.RandRechts);
    const long long h = MaxInt(1, p.Hoehe - p.RandOben - p.RandUnten);
    Breite = static_cast<int>(MaxInt(1, static_cast<int>(b * Aufloesung / 2540)));
    Hoehe = static_cast<int>(MaxInt(1, static_cast<int>(h * Aufloesung / 2540)));
}

bool DruckSeitenbereich(const DruckDokument& Dokument, int Von, int& Bis, std::string& Grund) {
    const int n = Dokument.AnzahlSeiten();
    if (Bis < 1) Bis = n;
    if (n >= 1 && Von >= 1 && Bis <= n && Von <= Bis) return true;
    Grund = "Das Dokument hat keine Seiten " + std::to_string(Von) + " bis " + std::to_string(Bis) + ".";
    return false;
}

} // namespace tavuran
