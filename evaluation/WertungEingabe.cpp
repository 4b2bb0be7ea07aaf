#include "evaluation/WertungEingabe.h"

#include <algorithm>
#include <cmath>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/Refly.h"
#include "evaluation/Sortierung.h"

namespace tavuran {

namespace {

// Numbers of the computed columns: at least 3 characters, at most 6, at most 2 decimals.
std::string Zahl(double x) { return L_STR_DoubleToStr(x, 3, 6, 0, 2); }

bool HatLandepunkte(int EdvNr) {
    switch (EdvNr) {
    case F3B_A: case F3J: case F3B_RES: case F5J: case F3B_J: case F3B_A_ELEKTRO: return true;
    default: return false;
    }
}

// Two stored values are the same value (NaN equals NaN, so that a slot read
// from a damaged file does not count as changed on every copy).
bool GleicherWert(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

} // namespace

int GetAnzahlPunktrichterEingabe(const WettbewerbTyp* Wett) {
    if (!Wett || !Wett->RegelPtr) return 0;
    const int werte = Wett->RegelPtr->ParameterPunktr.Anzahl;
    int j = GetAnzahlPunktrichter(Wett);
    if (werte > 0 && j * werte > MaxPunktrichter) j = MaxPunktrichter / werte;
    return j;
}

std::string WertSpaltenKopf(std::string_view Bezeichner) {
    const auto p = Bezeichner.find("[s]");
    if (p != std::string_view::npos && L_STR_Upcase(std::string(Bezeichner)).find("ZEIT") != std::string::npos)
        return std::string(Bezeichner.substr(0, p)) + " [min:s]";
    return std::string(Bezeichner);
}

WertSpaltenTyp GetWertSpalten(const WettbewerbTyp* Wett) {
    WertSpaltenTyp s;
    if (!Wett || !Wett->RegelPtr) return s;
    const RegelTyp* r = Wett->RegelPtr;
    s.WerteProRichter = r->ParameterPunktr.Anzahl < 0 ? 0
                        : r->ParameterPunktr.Anzahl > MaxPunktrichter ? MaxPunktrichter
                                                                       : r->ParameterPunktr.Anzahl;
    s.AnzPunktrichter = s.WerteProRichter > 0 ? GetAnzahlPunktrichterEingabe(Wett) : 0;
    s.AnzPunktrWerte = s.AnzPunktrichter * s.WerteProRichter;
    s.AnzDurchgWerte = r->ParameterDurchg.Anzahl < 0 ? 0
                       : r->ParameterDurchg.Anzahl > MaxDurchgSpalten ? MaxDurchgSpalten
                                                                      : r->ParameterDurchg.Anzahl;
    for (int j = 1; j <= s.AnzPunktrichter; ++j)
        for (int i = 1; i <= s.WerteProRichter; ++i) s.Bezeichner.push_back(r->ParameterPunktr.Bezeichner[i]);
    for (int i = 1; i <= s.AnzDurchgWerte; ++i) s.Bezeichner.push_back(r->ParameterDurchg.Bezeichner[i]);
    for (const std::string& b : s.Bezeichner) s.Koepfe.push_back(WertSpaltenKopf(b));
    return s;
}

double* WertSlotPtr(WertungTyp* Wertung, const WertSpaltenTyp& Spalten, int k) {
    if (!Wertung || k < 1 || k > Spalten.Anzahl()) return nullptr;
    if (k <= Spalten.AnzPunktrWerte) return k <= MaxPunktrichter ? &Wertung->WertungPunktr[k] : nullptr;
    const int d = k - Spalten.AnzPunktrWerte;
    return d <= MaxDurchgSpalten ? &Wertung->WertungDurchg[d] : nullptr;
}

double WertSlot(const WertungTyp* Wertung, const WertSpaltenTyp& Spalten, int k) {
    const double* p = WertSlotPtr(const_cast<WertungTyp*>(Wertung), Spalten, k);
    return p ? *p : 0.0;
}

std::vector<std::string> GetWertungBerechnetKoepfe(const WettbewerbTyp* Wett, int DurchgangNr) {
    std::vector<std::string> k;
    if (Wett && Wett->RegelPtr) {
        if (GetStrafpunkteInDurchgang(Wett, DurchgangNr)) k.push_back("Strafe");
        if (HatLandepunkte(Wett->RegelPtr->EdvNr)) k.push_back("Landepunkte");
    }
    k.push_back("Rohpunkte");
    k.push_back("Ergebnis");
    return k;
}

std::vector<std::string> GetReflyBerechnetKoepfe() { return {"Rohpunkte", "Reflight", "Vorrunde", "Ergebnis"}; }

std::vector<std::string> DispWertungWerte(WettbewerbTyp* Wett, const WertungTyp* Wertung,
                                          const WertSpaltenTyp& Spalten) {
    std::vector<std::string> t;
    if (!Wertung) return t;
    for (int k = 1; k <= Spalten.Anzahl(); ++k)
        t.push_back(DispAllWertung(Wett, WertSlot(Wertung, Spalten, k), Spalten.Koepfe[static_cast<std::size_t>(k - 1)]));
    return t;
}

std::vector<std::string> DispWertungBerechnet(WettbewerbTyp* Wett, int DurchgangNr, const WertungTyp* Wertung,
                                              bool Strafe) {
    std::vector<std::string> t;
    if (!Wertung) return t;
    if (Wett && Wett->RegelPtr) {
        if (Strafe) t.push_back(std::to_string(Wertung->Strafpunkte));
        if (HatLandepunkte(Wett->RegelPtr->EdvNr)) {
            const double lp = CalcLandepunkteAusAbstand(Wett, Wertung, DurchgangNr);
            t.push_back(Zahl(lp < 0.0005 ? 0.0 : lp));
        }
    }
    t.push_back(Zahl(Wertung->RohPunkte));
    t.push_back(Zahl(Wertung->Punkte - Wertung->Strafpunkte));
    return t;
}

std::vector<std::string> DispReflyBerechnet(const WertungTyp* Refly, const WertungTyp* Erstflug) {
    if (!Refly) return {};
    const int straf = Erstflug ? Erstflug->Strafpunkte : 0;
    return {Zahl(Refly->RohPunkte), Zahl(Refly->Punkte - straf),
            Refly->ReflyVerursacher ? std::string("Verursacher") : Zahl(Erstflug ? Erstflug->Punkte - straf : 0.0),
            Zahl(Erstflug ? Erstflug->ErgebnisPunkte - straf : 0.0)};
}

WertungTyp* GetEingabeWertung(WettbewerbTyp* Wett, int DurchgangNr, int EdvNr, bool Refly) {
    if (!Wett || DurchgangNr < 1 || DurchgangNr > MaxDurchgaenge || EdvNr <= 0) return nullptr;
    if (!DatenTeilnehmerGetPtr(Wett->TeilnehmerRootPtr, EdvNr, false)) return nullptr;
    DurchgangTyp* d = GetDurchgangPtr(Wett, DurchgangNr);
    if (!d) return nullptr;
    return Refly ? DatenWertungGetPtr(d, EdvNr, 1) : GetWertungPtr(Wett, d, EdvNr);
}

int WertungZeileUebernehmen(WettbewerbTyp* Wett, int DurchgangNr, WertungTyp* Wertung,
                            const WertSpaltenTyp& Spalten, std::vector<WertZelleTyp>& Zellen) {
    if (!Wertung) return 0;
    const int n = std::min(static_cast<int>(Zellen.size()), Spalten.Anzahl());
    // Every typed cell is read first: a refused one keeps the whole row out.
    std::vector<double> werte(static_cast<std::size_t>(std::max(n, 0)), 0.0);
    std::vector<bool> getippt(werte.size(), false);
    bool abgelehnt = false;
    for (int k = 1; k <= n; ++k) {
        WertZelleTyp& z = Zellen[static_cast<std::size_t>(k - 1)];
        z.Meldung.clear();
        if (z.Text == z.Angezeigt || !WertSlotPtr(Wertung, Spalten, k)) continue;
        const EingabeErgebnis e = EingabeLesen(Wett, DurchgangNr, Spalten.Koepfe[static_cast<std::size_t>(k - 1)], z.Text);
        if (!e.Angenommen()) {
            z.Meldung = e.Meldung;
            abgelehnt = true;
            continue;
        }
        werte[static_cast<std::size_t>(k - 1)] = e.Wert;
        getippt[static_cast<std::size_t>(k - 1)] = true;
    }
    if (abgelehnt) return 0;
    int geaendert = 0;
    for (int k = 1; k <= n; ++k) {
        if (!getippt[static_cast<std::size_t>(k - 1)]) continue;
        double* slot = WertSlotPtr(Wertung, Spalten, k);
        const double wert = werte[static_cast<std::size_t>(k - 1)];
        if (GleicherWert(*slot, wert)) continue;
        *slot = wert;
        Zellen[static_cast<std::size_t>(k - 1)].Angezeigt =
            DispAllWertung(Wett, wert, Spalten.Koepfe[static_cast<std::size_t>(k - 1)]);
        ++geaendert;
    }
    return geaendert;
}

std::string ZeileMeldung(const std::vector<WertZelleTyp>& Zellen) {
    for (const WertZelleTyp& z : Zellen)
        if (!z.Meldung.empty()) return z.Meldung;
    return {};
}

bool TeilnehmerFliegtInDurchgang(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int DurchgangNr) {
    if (!Wett || !Teilnehmer || DurchgangNr < 1 || DurchgangNr > MaxDurchgaenge) return false;
    const bool flyOff = DurchgangIstFlyOff(Wett, DurchgangNr) > 0 || DurchgangIstFlyOffJugend(Wett, DurchgangNr) > 0;
    return !flyOff || Teilnehmer->Gruppe[DurchgangNr] == 1;
}

TeilnehmerTyp* GetTeilnehmerInZeile(WettbewerbTyp* Wett, int Tab, int Zeile, std::string_view NameZelle) {
    if (!Wett || Zeile < 1 || Tab < 0 || Tab > 7) return nullptr;
    for (TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next)
        if (p->ZeilenNr[Tab] == Zeile) return CnvNameTypToNameStr(&p->Name, true) == NameZelle ? p : nullptr;
    return nullptr;
}

} // namespace tavuran
