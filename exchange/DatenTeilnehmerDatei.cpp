#include "exchange/DatenTeilnehmerDatei.h"

#include "core/DatenTeilnehmer.h"
#include "core/L_STR.h"
#include "exchange/DateiFelder.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

constexpr std::string_view KeyTeilnehmer = "TEILNEHMER";
constexpr std::string_view KeyErgebnis = "ERGEBNIS";

// Group numbers stored per participant: 30 in formats 2 and 3, 10 in format 1.
int GruppenImFormat(int FormatNr) { return FormatNr <= 1 ? 10 : MaxDurchgaenge; }

// Surname up to the first blank, first name the next word of the rest, title
// whatever remains: a person stored as one text in formats 1 and 2.
void NameAusEinemFeld(NameTyp& n, std::string_view feld) {
    const std::string name = L_STR_Unblank(feld);
    n.NachnameStr = L_STR_GetStrUntilBlank(name);
    const std::string rest = L_STR_Unblank(L_STR_GetStrAfterBlank(name));
    n.VornameStr = L_STR_GetStrUntilBlank(rest);
    n.TitelStr = L_STR_Unblank(L_STR_GetStrAfterBlank(rest));
}

void NameLesen(NameTyp& n, std::string_view& rest, int FormatNr) {
    if (FormatNr >= 3) {
        n.NachnameStr = SpalteErstenWertAusZeileAb(rest);
        n.VornameStr = SpalteErstenWertAusZeileAb(rest);
        n.TitelStr = SpalteErstenWertAusZeileAb(rest);
    } else {
        NameAusEinemFeld(n, SpalteErstenWertAusZeileAb(rest));
    }
}

// The short nation codes of older files.
std::string NationNormieren(const std::string& nation) {
    if (nation == "D") return "GER";
    if (nation == "A") return "AUT";
    if (nation == "CH") return "CHF";
    if (nation == "F") return "FRA";
    if (nation == "CZ") return "CZR";
    return nation;
}

// Clubs that are to appear under the name of their association.
std::string VereinNormieren(const std::string& verein) {
    const bool fve = verein.rfind("FVE", 0) == 0;
    const bool rivudara = L_STR_Pos("Rivudara", verein) > 1 && L_STR_Pos("Flugsport", verein) > 0;
    return fve || rivudara ? std::string("VEZ Aridivor") : verein;
}

Byte DatumsByte(std::string_view feld) { return static_cast<Byte>(L_STR_CnvStrToWord(feld) & 0xFF); }

void DatumLesen(DateRec& d, std::string_view& rest) {
    d.Day = DatumsByte(SpalteErstenWertAusZeileAb(rest));
    d.Month = DatumsByte(SpalteErstenWertAusZeileAb(rest));
    d.Year = L_STR_CnvStrToWord(SpalteErstenWertAusZeileAb(rest));
}

int IntFeld(std::string_view& rest) { return DateiInteger(SpalteErstenWertAusZeileAb(rest)); }

void FeldAnhaengen(std::string& zeile, std::string_view text) {
    InKommasAnhaengen(zeile, text);
    zeile += ',';
}
void FeldAnhaengen(std::string& zeile, int wert) { FeldAnhaengen(zeile, L_STR_CnvIntegerToStr(wert)); }

// The generator's counter and, to spare a walk from the head on every call,
// the record the last call returned.
struct Generator {
    int Index = 0;
    const TeilnehmerTyp* Root = nullptr;
    const TeilnehmerTyp* Letzter = nullptr;
};
Generator TeilnehmerGenerator;

} // namespace

TeilnehmerTyp* DatenTeilnehmerParse(TeilnehmerTyp*& TeilnehmerRootPtr, std::string_view TeilnDatenStr, int FormatNr,
                                    int Modus) {
    const bool wettbewerb = Modus == TeilnehmerModusWettbewerb;
    TeilnehmerTyp* p = DatenTeilnehmerNew();
    DatenTeilnehmerDefault(p);
    std::string_view rest = TeilnDatenStr;

    if (wettbewerb) p->EdvNr = IntFeld(rest);
    NameLesen(p->Name, rest, FormatNr);
    if (L_STR_Upcase(p->Name.NachnameStr) == "DE") {
        p->Name.NachnameStr += " " + p->Name.VornameStr;
        p->Name.VornameStr = p->Name.TitelStr;
        p->Name.TitelStr.clear();
    }
    p->Verein = VereinNormieren(SpalteErstenWertAusZeileAb(rest));
    p->Land.Bundesland = SpalteErstenWertAusZeileAb(rest);
    p->Kanal[1] = SpalteErstenWertAusZeileAb(rest);
    p->Kanal[2] = SpalteErstenWertAusZeileAb(rest);
    if (FormatNr <= 1) p->Kanal[3] = p->Kanal[1];
    p->Jugendlich = L_STR_Upcase(L_STR_Unblank(SpalteErstenWertAusZeileAb(rest))) == "J";
    if (wettbewerb) {
        p->MeldgNr = IntFeld(rest);
        p->StartNr = IntFeld(rest);
        const int gruppen = GruppenImFormat(FormatNr);
        for (int r = 1; r <= gruppen; ++r) p->Gruppe[r] = IntFeld(rest);
    }
    if (FormatNr >= 2) {
        p->Kanal[3] = SpalteErstenWertAusZeileAb(rest);
        p->KanalAktiv = IntFeld(rest);
        p->Land.Nation = NationNormieren(SpalteErstenWertAusZeileAb(rest));
        p->Land.Bezirk = SpalteErstenWertAusZeileAb(rest);
        for (int h = 1; h <= 3; ++h) {
            if (FormatNr >= 3)
                NameLesen(p->Helfer[h], rest, FormatNr);
            else
                NameAusEinemFeld(p->Helfer[h], SpalteErstenWertAusZeileAb(rest));
        }
        p->Modell[1] = SpalteErstenWertAusZeileAb(rest);
        p->Modell[2] = SpalteErstenWertAusZeileAb(rest);
        p->Verband = SpalteErstenWertAusZeileAb(rest);
    }
    if (FormatNr >= 3) {
        if (wettbewerb) {
            for (int r = 1; r <= MaxDurchgaenge; ++r) p->Startplatz[r] = DateiInteger(L_STR_Unblank(SpalteErstenWertAusZeileAb(rest)));
        } else {
            p->Lebendig = L_STR_Upcase(L_STR_Unblank(SpalteErstenWertAusZeileAb(rest))) != "T";
            DatumLesen(p->GebDatum, rest);
            DatumLesen(p->LetztTeiln, rest);
        }
    }
    for (int k = 1; k <= 3; ++k) p->Kanal[k] = Format24GHzKanalStr(p->Kanal[k]);

    p->next = TeilnehmerRootPtr;
    TeilnehmerRootPtr = p;
    return p;
}

std::string MakeTeilnehmerZeile(const TeilnehmerTyp* TeilnehmerPtr, int FormatNr, int Modus) {
    if (!TeilnehmerPtr) return {};
    const TeilnehmerTyp& p = *TeilnehmerPtr;
    const bool wettbewerb = Modus == TeilnehmerModusWettbewerb;
    if (p.Name.NachnameStr.empty()) return "-";
    if (wettbewerb && p.EdvNr <= 0) return "-";

    std::string z;
    z.reserve(FormatNr >= 3 ? 512 : 160);
    if (wettbewerb) {
        z = ZeilenPraefix(KeyTeilnehmer);
        FeldAnhaengen(z, p.EdvNr);
    }
    z = InsertName(p.Name, std::move(z), FormatNr);
    FeldAnhaengen(z, p.Verein);
    FeldAnhaengen(z, p.Land.Bundesland);
    FeldAnhaengen(z, p.Kanal[1]);
    FeldAnhaengen(z, p.Kanal[2]);
    FeldAnhaengen(z, p.Jugendlich ? "j" : "e");
    if (wettbewerb) {
        FeldAnhaengen(z, p.MeldgNr);
        FeldAnhaengen(z, p.StartNr);
        const int gruppen = GruppenImFormat(FormatNr);
        for (int r = 1; r <= gruppen; ++r) FeldAnhaengen(z, p.Gruppe[r]);
    }
    if (FormatNr >= 2) {
        FeldAnhaengen(z, p.Kanal[3]);
        FeldAnhaengen(z, p.KanalAktiv);
        FeldAnhaengen(z, p.Land.Nation);
        FeldAnhaengen(z, p.Land.Bezirk);
        for (int h = 1; h <= 3; ++h) z = InsertName(p.Helfer[h], std::move(z), FormatNr);
        FeldAnhaengen(z, p.Modell[1]);
        FeldAnhaengen(z, p.Modell[2]);
        FeldAnhaengen(z, p.Verband);
    }
    if (FormatNr >= 3) {
        if (wettbewerb) {
            for (int r = 1; r <= MaxDurchgaenge; ++r) FeldAnhaengen(z, p.Startplatz[r]);
        } else {
            FeldAnhaengen(z, p.Lebendig ? "l" : "t");
            for (const DateRec* d : {&p.GebDatum, &p.LetztTeiln}) {
                FeldAnhaengen(z, d->Day);
                FeldAnhaengen(z, d->Month);
                FeldAnhaengen(z, d->Year);
            }
        }
    }
    z.pop_back(); // the comma after the last field
    return z;
}

void InitTeilnehmerDaten() { TeilnehmerGenerator = Generator{}; }

std::string GetNextTeilnehmerDaten(const TeilnehmerTyp* TeilnehmerPtr, int FormatNr, int Modus) {
    Generator& g = TeilnehmerGenerator;
    const TeilnehmerTyp* p;
    if (g.Index > 0 && g.Root == TeilnehmerPtr && g.Letzter) {
        p = g.Letzter->next;
    } else {
        p = TeilnehmerPtr;
        for (int i = 0; i < g.Index && p; ++i) p = p->next;
    }
    ++g.Index;
    g.Root = TeilnehmerPtr;
    g.Letzter = p;
    if (!p) return {};
    return MakeTeilnehmerZeile(p, FormatNr, Modus);
}

std::string GetTeilnehmerErgebnisDaten(const TeilnehmerTyp* p) {
    if (!p || p->EdvNr <= 0 || p->Name.NachnameStr.empty()) return {};
    std::string z = ZeilenPraefix(KeyErgebnis);
    FeldAnhaengen(z, p->EdvNr);
    for (double x : {p->Punkte, p->PunkteEndrunde, p->PunkteEndrundeJugend, p->StreicherPunkte})
        FeldAnhaengen(z, ErgebnisReal(x));
    for (int platz : {p->PlatzNr, p->PlatzNrJugend, p->PlatzNrFlyOff, p->PlatzNrFlyOffJugend}) FeldAnhaengen(z, platz);
    FeldAnhaengen(z, ErgebnisReal(p->ExportPunkte[0]));
    FeldAnhaengen(z, ErgebnisReal(p->ExportPunkte[1]));
    z.pop_back();
    return z;
}

void SetTeilnehmerErgebnisDaten(TeilnehmerTyp* p, std::string_view Rest) {
    if (!p) return;
    const auto real = [&] { return DateiDouble(SpalteErstenWertAusZeileAb(Rest)); };
    const auto ganz = [&] { return DateiInteger(SpalteErstenWertAusZeileAb(Rest)); };
    p->Punkte = real();
    p->PunkteEndrunde = real();
    p->PunkteEndrundeJugend = real();
    p->StreicherPunkte = real();
    p->PlatzNr = ganz();
    p->PlatzNrJugend = ganz();
    p->PlatzNrFlyOff = ganz();
    p->PlatzNrFlyOffJugend = ganz();
    p->ExportPunkte[0] = real();
    p->ExportPunkte[1] = real();
}

} // namespace tavuran
