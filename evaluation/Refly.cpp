#include "evaluation/Refly.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "core/Zufall.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Sortierung.h"

namespace tavuran {

namespace {

bool RundeImFeld(int Nr) { return Feld<int, 1, MaxDurchgaenge>::inRange(Nr); }

TeilnehmerTyp* TeilnehmerVon(WettbewerbTyp* Wett, int EdvNr) {
    return DatenTeilnehmerGetPtr(Wett->TeilnehmerRootPtr, EdvNr, false);
}

} // namespace

TeilnehmerTyp* ZeilenTeilnehmer(WettbewerbTyp* Wett, int EdvNr, int StartNr) {
    if (!Wett) return nullptr;
    if (EdvNr != 0) {
        TeilnehmerTyp* t = TeilnehmerVon(Wett, EdvNr);
        return TeilnehmerGelistet(t) ? t : nullptr;
    }
    return StartNr > 0 ? GetTeilnehmerStartNr(Wett, StartNr) : nullptr;
}

std::vector<DialogTeilnehmerZeile> DialogTeilnehmerListe(WettbewerbTyp* Wett, int DurchgangNr,
                                                         const DialogListenFilter& Filter) {
    std::vector<DialogTeilnehmerZeile> zeilen;
    if (!Wett) return zeilen;
    const int n = RundeImFeld(DurchgangNr) ? DurchgangNr : 0;
    const int s = Wett->Sortierung[7];
    const bool flyOff = n > 0 && (DurchgangIstFlyOff(Wett, n) > 0 || DurchgangIstFlyOffJugend(Wett, n) > 0);
    const TeamsDerTeilnehmer teams(Filter.Team ? Wett->MannschaftRootPtr : nullptr);
    InfoTeilnehmerTyp info;
    bool erster = true;
    int vorherGruppe = 0;
    for (TeilnehmerTyp* p = GetFirstTeilnehmer(Wett, s, info); p; p = GetNextTeilnehmer(info)) {
        const int gruppe = n > 0 ? p->Gruppe[n] : 0;
        // In the start order a new group opens after one blank row, also when
        // the one before was filtered out.
        if (!erster && s == SortGruppe && gruppe != vorherGruppe && !zeilen.empty() && zeilen.back().EdvNr != 0)
            zeilen.push_back({});
        erster = false;
        vorherGruppe = gruppe;
        if (p->Jugendlich ? !Filter.Jugendliche : !Filter.Senioren) continue;
        if (flyOff && gruppe != 1) continue;
        DialogTeilnehmerZeile z;
        z.EdvNr = p->EdvNr;
        z.StartNr = p->StartNr;
        z.Gruppe = gruppe;
        z.GruppeText = StrInt(gruppe) + " (" + StrInt(n > 0 ? GetTeilnehmerStartPlatzNr(Wett, p, n) : 0) + ")";
        z.Name = CnvNameTypToNameStr(&p->Name, true);
        const MannschaftTyp* m = teams(p->EdvNr);
        z.VereinTeam = m ? m->Name : p->Verein;
        zeilen.push_back(std::move(z));
    }
    // A separator before nothing shown is no use at the end of the list.
    while (!zeilen.empty() && zeilen.back().EdvNr == 0) zeilen.pop_back();
    return zeilen;
}

bool GetReflyInDurchgang(WettbewerbTyp* Wett, int DurchgangNr) {
    if (!Wett || !RundeImFeld(DurchgangNr)) return false;
    DurchgangTyp* d = GetDurchgangPtr(Wett, DurchgangNr);
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next)
        if (g->ReflyOrder >= 1) return g->WertungPtr != nullptr;
    return false;
}

bool GetReflyInWettbewerb(const WettbewerbTyp* Wett, int DurchgangNr) {
    if (!Wett) return false;
    for (const DurchgangTyp* d = Wett->DurchgangRootPtr; d; d = d->next) {
        if (DurchgangNr >= 0 && d->Nr != DurchgangNr) continue;
        for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
            if (g->ReflyOrder > 0) return true;
    }
    return false;
}

bool GetStrafpunkteInDurchgang(const WettbewerbTyp* Wett, int DurchgangNr) {
    if (!Wett) return false;
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, DurchgangNr);
    if (!d) return false;
    for (const GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder != 0) continue;
        for (const WertungTyp* w = g->WertungPtr; w; w = w->next)
            if (w->Strafpunkte != 0) return true;
    }
    return false;
}

std::vector<ReflyZeile> ReflyZeilenLesen(WettbewerbTyp* Wett, int DurchgangNr) {
    std::vector<ReflyZeile> zeilen;
    if (!GetReflyInDurchgang(Wett, DurchgangNr)) return zeilen;
    const DurchgangTyp* d = GetDurchgangPtr(Wett, DurchgangNr);
    for (const GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder <= 0) continue;
        for (const WertungTyp* w = g->WertungPtr; w; w = w->next) {
            TeilnehmerTyp* t = TeilnehmerVon(Wett, w->EdvNr);
            if (!TeilnehmerGelistet(t)) continue;
            zeilen.push_back({w->ReflyVerursacher ? ReflyRolleVerursacher : ReflyRolleTeilnehmer, t->StartNr,
                              CnvNameTypToNameStr(&t->Name, true), t, t->EdvNr});
        }
    }
    return zeilen;
}

void AktRefly(WettbewerbTyp* Wett, int DurchgangNr, const std::vector<ReflyZeile>& Zeilen) {
    if (!Wett || !RundeImFeld(DurchgangNr)) return;
    DurchgangTyp* d = GetDurchgangPtr(Wett, DurchgangNr);

    // The working list: every reflight entry of the round, not yet listed.
    struct Knoten {
        WertungTyp* Wertung;
        int Row;
        TeilnehmerTyp* Teilnehmer;
    };
    std::vector<Knoten> liste;
    std::unordered_map<WertungTyp*, std::size_t> nachWertung;
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder <= 0) continue;
        for (WertungTyp* w = g->WertungPtr; w; w = w->next) {
            TeilnehmerTyp* t = TeilnehmerVon(Wett, w->EdvNr);
            nachWertung.emplace(w, liste.size());
            liste.push_back({w, -1, TeilnehmerGelistet(t) ? t : nullptr});
        }
    }

    for (std::size_t i = 0; i < Zeilen.size(); ++i) {
        const ReflyZeile& z = Zeilen[i];
        TeilnehmerTyp* p = ZeilenTeilnehmer(Wett, z.EdvNr, z.StartNr);
        if (!p) continue;
        const int row = static_cast<int>(i) + 1;
        auto gefunden = std::find_if(liste.begin(), liste.end(), [&](const Knoten& k) { return k.Teilnehmer == p; });
        Knoten* k;
        if (gefunden != liste.end()) {
            k = &*gefunden;
        } else {
            GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, p->Gruppe[DurchgangNr], 1);
            WertungTyp* w = DatenWertungInGroupGetPtr(d, g, p->EdvNr);
            // An entry met already (two participants with one number) is one node, never two.
            auto [it, neu] = nachWertung.emplace(w, liste.size());
            if (neu) liste.push_back({w, -1, p});
            k = &liste[it->second];
        }
        k->Row = row;
        k->Wertung->ReflyVerursacher = (z.Rolle == ReflyRolleVerursacher);
    }

    for (GruppeTyp* g = d->GruppePtr; g; g = g->next)
        if (g->ReflyOrder > 0) g->WertungPtr = nullptr;

    for (Knoten& k : liste) {
        k.Wertung->next = nullptr;
        if (k.Row < 0 || !k.Teilnehmer) {
            DatenWertungDispose(k.Wertung);
            continue;
        }
        GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, k.Teilnehmer->Gruppe[DurchgangNr], 1);
        k.Wertung->next = g->WertungPtr;
        g->WertungPtr = k.Wertung;
    }
    DatenDurchgangIndexVerwerfen(d);
}

void ReflyUebernehmen(WettbewerbTyp* Wett, int DurchgangNr, const std::vector<ReflyZeile>& Zeilen) {
    if (!Wett) return;
    AktRefly(Wett, DurchgangNr, Zeilen);
    SetWettbewerbModified(Wett);
    CalcWertung(Wett);
}

int ZufaelligeReflyZeile(const std::vector<int>& TeilnehmerStartNr, int Anzahl, const std::vector<int>& ReflyStartNr) {
    auto gelistet = [&](int StartNr) {
        return std::find(ReflyStartNr.begin(), ReflyStartNr.end(), StartNr) != ReflyStartNr.end();
    };
    int kandidat = -1;
    const int versuche = (Anzahl > 0 ? Anzahl : 0) / 2 + 1;
    for (int v = 0; v < versuche; ++v) {
        // k in 0 .. Anzahl-1 picks the (k+1)-th row with a start number, so
        // that every participant, the last one included, can be drawn; past
        // the end of the list the last row with a start number.
        const int k = static_cast<int>(std::trunc(ZufallReal() * Anzahl));
        kandidat = -1;
        int gezaehlt = 0;
        for (std::size_t i = 0; i < TeilnehmerStartNr.size() && gezaehlt <= k; ++i) {
            if (TeilnehmerStartNr[i] <= 0) continue;
            kandidat = static_cast<int>(i);
            ++gezaehlt;
        }
        if (kandidat < 0) return -1;
        if (!gelistet(TeilnehmerStartNr[kandidat])) return kandidat;
    }
    return -1;
}

void StrafpunkteAnzeigen(WettbewerbTyp* Wett, int DurchgangNr, std::vector<StrafpunkteZeile>& Zeilen) {
    if (!Wett) return;
    DurchgangTyp* d = DatenDurchgangSuchen(Wett, DurchgangNr);
    if (!d) return;
    for (StrafpunkteZeile& z : Zeilen) {
        z.Strafpunkte.clear();
        if (z.Name.empty()) continue;
        TeilnehmerTyp* t = ZeilenTeilnehmer(Wett, z.EdvNr, z.StartNr);
        if (!t) continue;
        if (const WertungTyp* w = GetWertungPtr(Wett, d, t->EdvNr)) z.Strafpunkte = StrInt(w->Strafpunkte);
    }
}

void StrafpunkteRead(WettbewerbTyp* Wett, int DurchgangNr, const std::vector<StrafpunkteZeile>& Zeilen) {
    if (!Wett) return;
    DurchgangTyp* d = DatenDurchgangSuchen(Wett, DurchgangNr);
    if (!d) return;
    for (const StrafpunkteZeile& z : Zeilen) {
        if (z.Name.empty()) continue;
        TeilnehmerTyp* t = ZeilenTeilnehmer(Wett, z.EdvNr, z.StartNr);
        if (!t) continue;
        const EingabeErgebnis e = EingabeLesen(Wett, DurchgangNr, StrafpunkteKopf, z.Strafpunkte);
        if (!e.Angenommen()) continue;
        if (WertungTyp* w = GetWertungPtr(Wett, d, t->EdvNr)) w->Strafpunkte = static_cast<int>(e.Wert);
    }
}

std::string StrafpunkteFehler(const WettbewerbTyp* Wett, int DurchgangNr, const std::vector<StrafpunkteZeile>& Zeilen) {
    for (const StrafpunkteZeile& z : Zeilen) {
        if (z.Name.empty()) continue;
        const EingabeErgebnis e = EingabeLesen(Wett, DurchgangNr, StrafpunkteKopf, z.Strafpunkte);
        if (!e.Angenommen()) return z.Name + ": " + e.Meldung;
    }
    return {};
}

std::string StrafpunkteUebernehmen(WettbewerbTyp* Wett, int DurchgangNr, const std::vector<StrafpunkteZeile>& Zeilen) {
    if (!Wett) return {};
    if (std::string f = StrafpunkteFehler(Wett, DurchgangNr, Zeilen); !f.empty()) return f;
    StrafpunkteRead(Wett, DurchgangNr, Zeilen);
    SetWettbewerbModified(Wett);
    CalcWertung(Wett);
    return {};
}

} // namespace tavuran
