#include "exchange/TeilnehmerBearbeitung.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "core/Utf8.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiFelder.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

// Upper case for comparing typed beginnings of names: the Latin letters with
// their accented forms, so that "mü" finds "MÜLLER" as well as "Müller".
std::string GrossText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        const std::size_t n = Utf8Decode(s, i, cp);
        if (n == 0) break;
        if (cp >= U'a' && cp <= U'z')
            cp -= 0x20;
        else if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)
            cp -= 0x20;
        Utf8Append(out, cp);
        i += n;
    }
    return out;
}

bool BeginntMit(const std::string& Text, const std::string& Anfang) {
    return Text.compare(0, Anfang.size(), Anfang) == 0;
}

bool Leer(std::string_view s) { return L_STR_Unblank(s).empty(); }

std::string NameText(const NameTyp& n) { return CnvNameTypToNameStr(&n, true); }

NameTyp NameLesen(const std::string& Text) {
    NameTyp n;
    NameDatenParseTitelVorNachname(&n, L_STR_Unblank(Text), 1, true);
    return n;
}

std::string& Zelle(GitterZeile& z, int c) {
    if (static_cast<int>(z.size()) <= c) z.resize(static_cast<std::size_t>(c) + 1);
    return z[static_cast<std::size_t>(c)];
}

template <class T> void Setze(T& Feld, const T& Wert, bool& Geaendert) {
    if (Feld == Wert) return;
    Feld = Wert;
    Geaendert = true;
}

// Reads the cells of one row into p. Alt: the record whose display the cells
// are compared with (nil for a new participant: every cell is read).
void ZeileLesen(TeilnehmerTyp* p, const TeilnehmerTyp* Alt, GitterZeile& z, const TeilnehmerTyp* Vorlage,
                bool& Geaendert) {
    auto unberuehrt = [&](int c) { return Alt && Zelle(z, c) == TeilnehmerZellText(*Alt, c); };
    auto wieVorlage = [&](int c) { return Vorlage && Zelle(z, c) == TeilnehmerZellText(*Vorlage, c); };

    // name
    if (!(Alt && L_STR_Unblank(Zelle(z, TeilnSpalteName)) == NameText(Alt->Name))) {
        const std::string text = L_STR_Unblank(Zelle(z, TeilnSpalteName));
        Setze(p->Name, Vorlage && text == NameText(Vorlage->Name) ? Vorlage->Name : NameLesen(text), Geaendert);
    }
    if (!unberuehrt(TeilnSpalteVerein))
        Setze(p->Verein, wieVorlage(TeilnSpalteVerein) ? Vorlage->Verein : L_STR_Unblank(Zelle(z, TeilnSpalteVerein)),
              Geaendert);

    // region: upper-cased as typed, the pilot's own spelling when taken over
    struct Region {
        int Spalte;
        std::string LandTyp::*Feld;
    };
    for (const Region& r : {Region{TeilnSpalteBezirk, &LandTyp::Bezirk}, Region{TeilnSpalteBundesland, &LandTyp::Bundesland},
                            Region{TeilnSpalteNation, &LandTyp::Nation}}) {
        if (unberuehrt(r.Spalte)) continue;
        Setze(p->Land.*r.Feld,
              wieVorlage(r.Spalte) ? Vorlage->Land.*r.Feld : L_STR_Upcase(L_STR_Unblank(Zelle(z, r.Spalte))), Geaendert);
    }

    // channels: the three cells are one group, since a pilot on 2.4 GHz shows
    // only the first; touching any of them takes all three as shown
    bool kanalBeruehrt = false, kanalWieVorlage = true;
    for (int k = 0; k < 3; ++k) {
        kanalBeruehrt = kanalBeruehrt || !unberuehrt(TeilnSpalteKanal1 + k);
        kanalWieVorlage = kanalWieVorlage && wieVorlage(TeilnSpalteKanal1 + k);
    }
    if (kanalBeruehrt) {
        if (kanalWieVorlage) {
            for (int k = 1; k <= 3; ++k) Setze(p->Kanal[k], Vorlage->Kanal[k], Geaendert);
            Setze(p->KanalAktiv, Vorlage->KanalAktiv, Geaendert);
        } else {
            for (int k = 1; k <= 3; ++k)
                Setze(p->Kanal[k], Format24GHzKanalStr(L_STR_Unblank(Zelle(z, TeilnSpalteKanal1 + k - 1))), Geaendert);
        }
    }

    if (!unberuehrt(TeilnSpalteJugend))
        Setze(p->Jugendlich, L_STR_Upcase(Zelle(z, TeilnSpalteJugend)).find('J') != std::string::npos, Geaendert);
    Zelle(z, TeilnSpalteJugend) = p->Jugendlich ? "J" : " ";

    for (int k = 1; k <= 3; ++k) {
        const int c = TeilnSpalteHelfer1 + k - 1;
        if (unberuehrt(c)) continue;
        const std::string text = L_STR_Unblank(Zelle(z, c));
        NameTyp n;
        if (Vorlage && text == NameText(Vorlage->Helfer[k]))
            n = Vorlage->Helfer[k];
        else if (Vorlage && text == NameText(Vorlage->Name))
            n = Vorlage->Name;
        else
            n = NameLesen(text);
        Setze(p->Helfer[k], n, Geaendert);
    }
    for (int k = 1; k <= 2; ++k)
        if (!unberuehrt(TeilnSpalteModell1 + k - 1))
            Setze(p->Modell[k], L_STR_Unblank(Zelle(z, TeilnSpalteModell1 + k - 1)), Geaendert);
    if (!unberuehrt(TeilnSpalteVerband))
        Setze(p->Verband, wieVorlage(TeilnSpalteVerband) ? Vorlage->Verband : L_STR_Unblank(Zelle(z, TeilnSpalteVerband)),
              Geaendert);
}

// Writes back one row; returns whether the model changed.
bool TeilnehmerZeileSchreiben(WettbewerbTyp* Wett, GitterZeile& z, int i, const TeilnehmerTyp* Vorlage) {
    bool geaendert = false;
    if (Leer(Zelle(z, TeilnSpalteName))) {
        for (TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next) {
            if (p->ZeilenNr[0] != i) continue;
            NameDatenDefault(&p->Name);
            p->EdvNr = 0;
            p->ZeilenNr[0] = 0;
            geaendert = true;
        }
        return geaendert;
    }
    TeilnehmerTyp* p = TeilnehmerInZeile(Wett, 0, i);
    if (p) {
        const TeilnehmerTyp alt = *p;
        ZeileLesen(p, &alt, z, Vorlage, geaendert);
        return geaendert;
    }
    p = DatenTeilnehmerNew();
    DatenTeilnehmerDefault(p);
    p->ZeilenNr[0] = i;
    p->EdvNr = NeueTeilnehmerEdvNr(Wett);
    p->KanalAktiv = 1;
    p->StartNr = GetMaxStartNr(Wett->TeilnehmerRootPtr) + 1;
    p->MeldgNr = GetMaxMeldungsNr(Wett->TeilnehmerRootPtr) + 1;
    // The defaults go only into cells the user left empty.
    auto vorbelegen = [&](int c, const std::string& Wert) {
        if (Leer(Zelle(z, c))) Zelle(z, c) = Wert;
    };
    const bool kanalLeer = Leer(Zelle(z, 4)) && Leer(Zelle(z, 5)) && Leer(Zelle(z, 6));
    if (kanalLeer)
        for (int k = 1; k <= 3; ++k) vorbelegen(TeilnSpalteKanal1 + k - 1, p->Kanal[k]);
    vorbelegen(TeilnSpalteBezirk, p->Land.Bezirk);
    vorbelegen(TeilnSpalteBundesland, p->Land.Bundesland);
    vorbelegen(TeilnSpalteNation, p->Land.Nation);
    bool egal = false;
    ZeileLesen(p, nullptr, z, Vorlage, egal);
    p->next = Wett->TeilnehmerRootPtr;
    Wett->TeilnehmerRootPtr = p;
    return true;
}

TeilnehmerTyp* StammdatenPilot(WettbewerbTyp* Wett, const std::string& Name, const std::string& Verein) {
    for (TeilnehmerTyp* m = Wett->StammDatenRootPtr; m; m = m->next)
        if (NameText(m->Name) == Name && m->Verein == Verein) return m;
    return nullptr;
}

MannschaftTyp* MannschaftNr(WettbewerbTyp* Wett, int Nr) {
    for (MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next)
        if (m->Nr == Nr) return m;
    return nullptr;
}

bool MannschaftZeileSchreiben(WettbewerbTyp* Wett, GitterZeile& z, int i) {
    bool leer = true;
    for (int c = MannschSpalteName; c < MannschSpalten; ++c) leer = leer && Leer(Zelle(z, c));
    MannschaftTyp* m = MannschaftNr(Wett, i);
    if (leer) {
        if (!m) return false;
        MannschaftTyp** pp = &Wett->MannschaftRootPtr;
        while (*pp != m) pp = &(*pp)->next;
        *pp = m->next;
        delete m;
        return true;
    }
    bool geaendert = false;
    if (!m) {
        m = DatenMannschaftNew();
        DatenMannschaftDefault(m);
        m->Nr = i;
        m->next = Wett->MannschaftRootPtr;
        Wett->MannschaftRootPtr = m;
        geaendert = true;
    }
    std::string name = L_STR_Unblank(Zelle(z, MannschSpalteName));
    if (name.empty()) name = "Team " + std::to_string(i);
    Setze(m->Name, name, geaendert);
    for (int j = 1; j <= MaxMannschaftMitglieder; ++j) {
        const std::string text = L_STR_Unblank(Zelle(z, j + 1));
        int nr = 0;
        if (text.empty())
            nr = 0;
        else if (m->TeilnehmerEdvNr[j] != 0 && text == MannschaftZellText(Wett, *m, j + 1))
            nr = m->TeilnehmerEdvNr[j]; // still shows its member: keep him, even beside a namesake
        else if (TeilnehmerTyp* p = GetTeilnehmerName(Wett, text))
            nr = p->EdvNr > 0 ? p->EdvNr : 0;
        Setze(m->TeilnehmerEdvNr[j], nr, geaendert);
    }
    return geaendert;
}

// Rows Von .. Bis clipped to the grid (row 0 is the header).
void Zeilenbereich(const GitterTexte& Gitter, int& Von, int& Bis) {
    Von = std::max(Von, 1);
    Bis = std::min(Bis, static_cast<int>(Gitter.size()) - 1);
}

UebernahmeAnfrage Anfrage(TeilnehmerTyp* p, int Zeile, int Spalte, const std::string& ZellText, bool NurGefuellt) {
    UebernahmeAnfrage a;
    if (!p) return a;
    const std::string name = NameText(p->Name);
    if (name.empty() || (NurGefuellt && Leer(ZellText))) return a;
    a.Zeile = Zeile;
    a.Spalte = Spalte;
    a.Name = name;
    a.Verein = p->Verein;
    return a;
}

TeilnehmerTyp* Gewaehlt(const std::vector<TeilnehmerTyp*>& Angebot, int Wahl) {
    return Wahl >= 1 && Wahl <= static_cast<int>(Angebot.size()) ? Angebot[static_cast<std::size_t>(Wahl - 1)] : nullptr;
}

} // namespace

std::string GitterZelle(const GitterTexte& Gitter, int r, int c) {
    if (r < 0 || r >= static_cast<int>(Gitter.size()) || c < 0) return {};
    const GitterZeile& z = Gitter[static_cast<std::size_t>(r)];
    return c < static_cast<int>(z.size()) ? z[static_cast<std::size_t>(c)] : std::string();
}

void SetGitterZelle(GitterTexte& Gitter, int r, int c, const std::string& Text) {
    if (r < 0 || r >= static_cast<int>(Gitter.size()) || c < 0) return;
    Zelle(Gitter[static_cast<std::size_t>(r)], c) = Text;
}

// ------------------------------------------------------------ participants

std::string TeilnehmerZellText(const TeilnehmerTyp& p, int Spalte) {
    switch (Spalte) {
    case TeilnSpalteName: return NameText(p.Name);
    case TeilnSpalteVerein: return p.Verein;
    case TeilnSpalteKanal1:
    case TeilnSpalteKanal1 + 1:
    case TeilnSpalteKanal1 + 2: {
        const int k = Spalte - TeilnSpalteKanal1 + 1;
        if (TeilnehmerIs2G4(&p)) return k == 1 ? Kanal2G4Anzeige : "";
        return L_STR_SearchAndReplace(p.Kanal[k], Kanal2G4, Kanal2G4Anzeige);
    }
    case TeilnSpalteJugend: return p.Jugendlich ? "J" : " ";
    case TeilnSpalteVerband: return p.Verband;
    case TeilnSpalteNation: return p.Land.Nation;
    case TeilnSpalteBundesland: return p.Land.Bundesland;
    case TeilnSpalteBezirk: return p.Land.Bezirk;
    case TeilnSpalteHelfer1:
    case TeilnSpalteHelfer1 + 1:
    case TeilnSpalteHelfer1 + 2: return NameText(p.Helfer[Spalte - TeilnSpalteHelfer1 + 1]);
    case TeilnSpalteModell1:
    case TeilnSpalteModell1 + 1: return p.Modell[Spalte - TeilnSpalteModell1 + 1];
    default: return {};
    }
}

TeilnehmerTyp* TeilnehmerInZeile(WettbewerbTyp* Wett, int Tab, int Zeile) {
    if (!Wett || Zeile < 1 || Tab < 0 || Tab > 7) return nullptr;
    for (TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next)
        if (p->ZeilenNr[Tab] == Zeile) return p;
    return nullptr;
}

int NeueTeilnehmerEdvNr(const WettbewerbTyp* Wett) {
    if (!Wett) return 1;
    int maxNr = 0;
    for (const TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next) maxNr = std::max(maxNr, p->EdvNr);
    for (const DurchgangTyp* d = Wett->DurchgangRootPtr; d; d = d->next)
        for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
            for (const WertungTyp* w = g->WertungPtr; w; w = w->next) maxNr = std::max(maxNr, w->EdvNr);
    for (const MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next)
        for (int j = 1; j <= MaxMannschaftMitglieder; ++j) maxNr = std::max(maxNr, m->TeilnehmerEdvNr[j]);
    return maxNr + 1;
}

bool AktTeilnehmerDaten(WettbewerbTyp* Wett, GitterTexte& Gitter, int Von, int Bis, const TeilnehmerTyp* Vorlage) {
    if (!Wett) return false;
    Zeilenbereich(Gitter, Von, Bis);
    bool geaendert = false;
    for (int i = Von; i <= Bis; ++i)
        if (TeilnehmerZeileSchreiben(Wett, Gitter[static_cast<std::size_t>(i)], i, Vorlage)) geaendert = true;
    if (geaendert) {
        SetWettbewerbModified(Wett);
        SortAll(Wett);
    }
    return geaendert;
}

std::vector<TeilnehmerTyp*> StammdatenAngebot(WettbewerbTyp* Wett, int CursorSpalte, const std::string& CursorText) {
    std::vector<TeilnehmerTyp*> angebot;
    if (!Wett) return angebot;
    const bool helfer = CursorSpalte >= TeilnSpalteHelfer1 && CursorSpalte <= TeilnSpalteHelfer1 + 2;
    const std::string filter =
        helfer || CursorSpalte == TeilnSpalteName ? GrossText(L_STR_UnblankLeft(CursorText)) : std::string();
    for (TeilnehmerTyp* m = Wett->StammDatenRootPtr; m; m = m->next) m->ZeilenNr[0] = 0;
    InfoTeilnehmerTyp info;
    for (TeilnehmerTyp* m = GetFirstTeilnehmer(Wett, SortStammDatenName, info); m; m = GetNextTeilnehmer(info)) {
        if (!helfer && m->TeilnehmerAusStammDat) continue;
        if (m->LetztTeiln.Year + 5 < Wett->Datum.Year) continue;
        if (!filter.empty() && !BeginntMit(GrossText(NameText(m->Name)), filter)) continue;
        angebot.push_back(m);
        m->ZeilenNr[0] = static_cast<int>(angebot.size());
    }
    return angebot;
}

UebernahmeAnfrage StammdatenAnfrage(const std::vector<TeilnehmerTyp*>& Angebot, int Wahl, int Zeile, int Spalte,
                                    const std::string& ZellText, bool NurGefuellt) {
    const bool spalteOk =
        Spalte == TeilnSpalteName || (Spalte >= TeilnSpalteHelfer1 && Spalte <= TeilnSpalteHelfer1 + 2);
    if (!spalteOk || Zeile < 1) return {};
    return Anfrage(Gewaehlt(Angebot, Wahl), Zeile, Spalte, ZellText, NurGefuellt);
}

int StammdatenUebernehmen(WettbewerbTyp* Wett, GitterTexte& Gitter, const UebernahmeAnfrage& a) {
    if (!Wett || !a.Offen() || a.Zeile < 1 || a.Zeile >= static_cast<int>(Gitter.size())) return 0;
    TeilnehmerTyp* pilot = StammdatenPilot(Wett, a.Name, a.Verein);
    if (!pilot) return 0;
    const std::string pilotName = NameText(pilot->Name);
    int ziel = a.Zeile;
    if (a.Spalte == TeilnSpalteName && Leer(GitterZelle(Gitter, ziel, TeilnSpalteName))) {
        // Asked for in an empty row: go up to the first empty row below the
        // list; when the name above is the beginning of the pilot's, complete it.
        while (ziel - 1 >= 1 && Leer(GitterZelle(Gitter, ziel - 1, TeilnSpalteName))) --ziel;
        const std::string oben = GrossText(L_STR_Unblank(GitterZelle(Gitter, ziel - 1, TeilnSpalteName)));
        if (ziel != a.Zeile && ziel - 1 >= 1 && BeginntMit(GrossText(pilotName), oben)) --ziel;
    }
    if (a.Spalte == TeilnSpalteName) {
        for (int c = TeilnSpalteName; c < TeilnSpalten; ++c) SetGitterZelle(Gitter, ziel, c, TeilnehmerZellText(*pilot, c));
        pilot->TeilnehmerAusStammDat = true;
    } else {
        SetGitterZelle(Gitter, ziel, a.Spalte, pilotName);
    }
    AktTeilnehmerDaten(Wett, Gitter, ziel, ziel, pilot);
    return ziel;
}

TeilnehmerFluegeTyp GetTeilnehmerFluege(const WettbewerbTyp* Wett, int EdvNr) {
    TeilnehmerFluegeTyp f;
    if (!Wett || EdvNr <= 0) return f;
    for (const DurchgangTyp* d = Wett->DurchgangRootPtr; d; d = d->next)
        for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
            for (const WertungTyp* w = g->WertungPtr; w; w = w->next) {
                if (w->EdvNr != EdvNr) continue;
                if (g->ReflyOrder > 0) {
                    ++f.Reflights;
                    continue;
                }
                // A measured value (above 0); "nothing entered" and "invalid"
                // are not counted, as the evaluation itself writes "invalid"
                // into entries of rounds not flown.
                const auto eingetragen = [](double v) { return v > 0; };
                bool wert = w->Strafpunkte != 0;
                for (double v : w->WertungPunktr) wert = wert || eingetragen(v);
                for (double v : w->WertungDurchg) wert = wert || eingetragen(v);
                if (wert) ++f.Fluege;
            }
    return f;
}

std::string TeilnehmerEntfernenFrage(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer) {
    if (!Teilnehmer) return {};
    const TeilnehmerFluegeTyp f = GetTeilnehmerFluege(Wett, Teilnehmer->EdvNr);
    if (f.Fluege == 0 && f.Reflights == 0) return {};
    std::string was;
    if (f.Fluege > 0) was = std::to_string(f.Fluege) + (f.Fluege == 1 ? " Flug" : " Flüge");
    if (f.Reflights > 0)
        was += (was.empty() ? "" : " und ") + std::to_string(f.Reflights) +
               (f.Reflights == 1 ? " Flugwiederholung" : " Flugwiederholungen");
    return CnvNameTypToNameStr(&Teilnehmer->Name, true) + " hat " + was +
           ". Beim Entfernen gehen sie mit ihm aus der Wertung (Bearbeiten › Rückgängig holt sie zurück). "
           "Entfernen?";
}

bool EntferneTeilnehmerAusWettbewerb(WettbewerbTyp* Wett, GitterTexte& Gitter, int Zeile) {
    if (!Wett || Zeile < 1 || Zeile >= static_cast<int>(Gitter.size())) return false;
    TeilnehmerTyp* p = TeilnehmerInZeile(Wett, 0, Zeile);
    if (!p || p->Name.NachnameStr.empty()) return false;
    DatenTeilnehmerCopy(&TeilnehmerZwischenablage, p);
    TeilnehmerTyp& k = TeilnehmerZwischenablage;
    k.ZeilenNr[0] = 0;
    k.next = k.nextMeldgNr = k.nextStartNr = k.nextName = k.nextGruppe = k.nextPlatz = k.nextTeam = nullptr;
    TeilnehmerZwischenablageGueltig = true;
    SetWettbewerbModified(Wett);
    for (int c = 1; c <= TeilnSpalteVerband; ++c) SetGitterZelle(Gitter, Zeile, c, "");
    AktTeilnehmerDaten(Wett, Gitter, Zeile, Zeile);
    return true;
}

bool EinfuegeTeilnehmerInWettbewerb(WettbewerbTyp* Wett, int Zeile, int ZeilenAnzahl) {
    if (!Wett || !TeilnehmerZwischenablageGueltig || Zeile < 2 || Zeile > ZeilenAnzahl) return false;
    if (TeilnehmerZwischenablage.Name.NachnameStr.empty()) return false;
    TeilnehmerTyp* p = DatenTeilnehmerNew();
    DatenTeilnehmerDefault(p);
    DatenTeilnehmerCopy(p, &TeilnehmerZwischenablage);
    p->next = p->nextMeldgNr = p->nextStartNr = p->nextName = p->nextGruppe = p->nextPlatz = p->nextTeam = nullptr;
    for (int t = 0; t <= 7; ++t) p->ZeilenNr[t] = 0;
    p->ZeilenNr[0] = Zeile;
    p->EdvNr = NeueTeilnehmerEdvNr(Wett);
    p->StartNr = GetMaxStartNr(Wett->TeilnehmerRootPtr) + 1;
    p->MeldgNr = GetMaxMeldungsNr(Wett->TeilnehmerRootPtr) + 1;
    p->next = Wett->TeilnehmerRootPtr;
    Wett->TeilnehmerRootPtr = p;
    SetWettbewerbModified(Wett);
    SortAll(Wett);
    return true;
}

// -------------------------------------------------------------------- teams

std::string MannschaftZellText(WettbewerbTyp* Wett, const MannschaftTyp& m, int Spalte) {
    if (Spalte == MannschSpalteName) return m.Name;
    const int j = Spalte - 1;
    if (j < 1 || j > MaxMannschaftMitglieder || m.TeilnehmerEdvNr[j] == 0) return {};
    const TeilnehmerTyp* p = GetTeilnehmerEdvNr(Wett, m.TeilnehmerEdvNr[j]);
    return p ? NameText(p->Name) : std::string();
}

std::vector<int> MannschaftZeilenNummern(const WettbewerbTyp* Wett, int MindestZeilen, int FreieZeilen) {
    std::vector<int> teams;
    if (Wett)
        for (const MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next)
            if (m->Nr > 0) teams.push_back(m->Nr);
    std::sort(teams.begin(), teams.end());
    teams.erase(std::unique(teams.begin(), teams.end()), teams.end());
    const long long mindest = std::max(MindestZeilen, 0), frei = std::max(FreieZeilen, 0);
    const long long groesste = teams.empty() ? 0 : teams.back();
    // Every number up to the largest team's while that stays within the
    // usual rows plus one per team; a team beyond gets a row of its own.
    const long long dicht = std::max(mindest, std::min(groesste, mindest + static_cast<long long>(teams.size())));
    std::vector<int> zeilen;
    for (long long nr = 1; nr <= dicht; ++nr) zeilen.push_back(static_cast<int>(nr));
    for (int nr : teams)
        if (nr > dicht) zeilen.push_back(nr);
    // and free rows below the last team to type a new one into
    for (long long nr = std::max(groesste, dicht) + 1; nr <= groesste + frei; ++nr) {
        if (nr > std::numeric_limits<int>::max()) break;
        zeilen.push_back(static_cast<int>(nr));
    }
    return zeilen;
}

int MannschaftZeilenNr(const GitterTexte& Gitter, int Zeile) {
    const std::string text = L_STR_Unblank(GitterZelle(Gitter, Zeile, 0));
    if (text.empty() || text.size() > 10 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return Zeile;
    const long long nr = std::stoll(text);
    return nr > 0 && nr <= std::numeric_limits<int>::max() ? static_cast<int>(nr) : Zeile;
}

bool AktMannschaftDaten(WettbewerbTyp* Wett, GitterTexte& Gitter, int Von, int Bis) {
    if (!Wett) return false;
    Zeilenbereich(Gitter, Von, Bis);
    bool geaendert = false;
    for (int i = Von; i <= Bis; ++i)
        if (MannschaftZeileSchreiben(Wett, Gitter[static_cast<std::size_t>(i)], MannschaftZeilenNr(Gitter, i)))
            geaendert = true;
    if (geaendert) {
        SetWettbewerbModified(Wett);
        SortAll(Wett);
    }
    return geaendert;
}

std::vector<TeilnehmerTyp*> MannschaftAngebot(WettbewerbTyp* Wett, int CursorSpalte, const std::string& CursorText) {
    std::vector<TeilnehmerTyp*> angebot;
    if (!Wett) return angebot;
    const std::string filter = CursorSpalte > 0 ? GrossText(L_STR_UnblankLeft(CursorText)) : std::string();
    std::unordered_set<int> imTeam;
    for (const MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next)
        for (int j = 1; j <= MaxMannschaftMitglieder; ++j)
            if (m->TeilnehmerEdvNr[j] != 0) imTeam.insert(m->TeilnehmerEdvNr[j]);
    InfoTeilnehmerTyp info;
    for (TeilnehmerTyp* p = GetFirstTeilnehmer(Wett, SortName, info); p; p = GetNextTeilnehmer(info)) {
        if (p->EdvNr <= 0 || imTeam.count(p->EdvNr)) continue;
        if (!filter.empty() && !BeginntMit(GrossText(NameText(p->Name)), filter)) continue;
        angebot.push_back(p);
    }
    return angebot;
}

UebernahmeAnfrage MannschaftAnfrage(const std::vector<TeilnehmerTyp*>& Angebot, int Wahl, int Zeile, int Spalte,
                                    const std::string& ZellText, bool NurGefuellt) {
    if (Spalte <= MannschSpalteName || Spalte >= MannschSpalten || Zeile < 1) return {};
    return Anfrage(Gewaehlt(Angebot, Wahl), Zeile, Spalte, ZellText, NurGefuellt);
}

int MannschaftUebernehmen(WettbewerbTyp* Wett, GitterTexte& Gitter, const UebernahmeAnfrage& a) {
    if (!Wett || !a.Offen() || a.Zeile < 1 || a.Zeile >= static_cast<int>(Gitter.size())) return 0;
    if (a.Spalte <= MannschSpalteName || a.Spalte >= MannschSpalten) return 0;
    TeilnehmerTyp* p = Wett->TeilnehmerRootPtr;
    while (p && !(NameText(p->Name) == a.Name && p->Verein == a.Verein && p->EdvNr > 0)) p = p->next;
    if (!p) return 0;
    SetGitterZelle(Gitter, a.Zeile, a.Spalte, a.Name);
    AktMannschaftDaten(Wett, Gitter, a.Zeile, a.Zeile);
    // The name may be shared by another pilot: the slot takes the chosen one.
    MannschaftTyp* m = MannschaftNr(Wett, MannschaftZeilenNr(Gitter, a.Zeile));
    if (m && m->TeilnehmerEdvNr[a.Spalte - 1] != p->EdvNr) {
        m->TeilnehmerEdvNr[a.Spalte - 1] = p->EdvNr;
        SetWettbewerbModified(Wett);
        SortAll(Wett);
    }
    return a.Zeile;
}

bool EntferneMannschaftAusWettbewerb(WettbewerbTyp* Wett, GitterTexte& Gitter, int Zeile) {
    if (!Wett || Zeile < 1 || Zeile >= static_cast<int>(Gitter.size())) return false;
    SetWettbewerbModified(Wett);
    for (int c = MannschSpalteName; c < MannschSpalten; ++c) SetGitterZelle(Gitter, Zeile, c, "");
    return AktMannschaftDaten(Wett, Gitter, Zeile, Zeile);
}

} // namespace tavuran
