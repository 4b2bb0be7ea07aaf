#include "evaluation/Durchgaenge.h"

#include "core/DatenDurchgang.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Sortierung.h"

namespace tavuran {

DurchgangTyp* EntferneDurchgangPtr = nullptr;

namespace {

// Progress state of the function that removes a round: it changes flown rounds.
constexpr int ProgStateWertungen = StatusErgebnisse;

void NachAenderung(WettbewerbTyp* Wett) {
    SetWettbewerbModified(Wett);
    CalcWertung(Wett);
}

bool ImWettbewerb(const WettbewerbTyp* Wett, const DurchgangTyp* d) {
    for (const DurchgangTyp* p = Wett->DurchgangRootPtr; p; p = p->next)
        if (p == d) return true;
    return false;
}

// The start-number warning is due when the progress mark has reached the
// critical state and lies above the acknowledged warning level.
bool WarnungFaellig(const WettbewerbTyp* Wett, int CriticalState) {
    return Wett->Status >= CriticalState && Wett->Status > Wett->Warnstufe;
}

const char* WarnZeileStatus(int s) {
    switch (s) {
    case 20: return "es wurden aber bereits Wettbewerbsparameter festgelegt.";
    case 50: return "es wurden aber bereits Startnummern eingeteilt.";
    case 60: return "es wurden aber bereits Startlisten gedruckt!";
    case 70: return "es wurden aber bereits Durchgänge geflogen!";
    case 80: return "es wurde aber bereits ein Fly-Off geflogen!";
    case 90: return "es wurden aber bereits Ergebnisse exportiert!";
    default: return "";
    }
}

const char* WarnZeileFolge(int k) {
    switch (k) {
    case 20: return "-> Startreihenfolge müsste ggf. neu vergeben werden!";
    case 50: return "-> Gegebenenfalls bereits kommunizierte Startlisten wären ungültig!";
    case 60: return "-> Start- und Wertungslisten müssten neu gedruckt werden!";
    case 70: return "-> Durchgänge müssten neu geflogen und eingegeben werden!";
    case 80: return "-> Fly-Off müsste neu geflogen und eingegeben werden!";
    case 90: return "-> Ergebnisexporte und -listen müssten neu erstellt werden!";
    default: return nullptr;
    }
}

} // namespace

int DurchgangBlock(const WettbewerbTyp* Wett, int Nr) {
    if (!Wett || Nr < 1) return 0;
    if (Nr <= Wett->AnzVorrunden) return BlockVorrunde;
    if (Nr <= static_cast<long long>(Wett->AnzVorrunden) + Wett->AnzSeniorenFlyOff) return BlockSeniorenFlyOff;
    if (Nr <= Wett->AnzDurchgaenge) return BlockJugendFlyOff;
    return 0;
}

bool EinfuegeDurchgaenge(WettbewerbTyp* Wett, int DurchgangNr) {
    if (!Wett) return false;
    long long pos;
    int block;
    const long long vorrunden = Wett->AnzVorrunden;
    const long long senioren = Wett->AnzSeniorenFlyOff;
    switch (DurchgangNr) {
    case BlockVorrunde:
        pos = vorrunden + 1;
        block = BlockVorrunde;
        break;
    case BlockSeniorenFlyOff:
        pos = vorrunden + senioren + 1;
        block = BlockSeniorenFlyOff;
        break;
    case BlockJugendFlyOff:
        pos = static_cast<long long>(Wett->AnzDurchgaenge) + 1;
        block = BlockJugendFlyOff;
        break;
    default:
        if (DurchgangNr < 1) return false;
        pos = DurchgangNr;
        block = pos <= vorrunden ? BlockVorrunde : pos <= vorrunden + senioren ? BlockSeniorenFlyOff : BlockJugendFlyOff;
        break;
    }
    if (pos < 1) {
        UiMeldung(MeldungDurchgangUngueltig);
        return false;
    }
    // Neither the new round nor a round moved up may lie beyond what the
    // program can name and show.
    bool zuViele = Wett->AnzDurchgaenge >= MaxDurchgaengeEinfuegen || pos > MaxDurchgaengeEinfuegen;
    for (const DurchgangTyp* d = Wett->DurchgangRootPtr; d; d = d->next)
        if (d->Nr >= pos && d->Nr >= MaxDurchgaengeEinfuegen) zuViele = true;
    if (zuViele) {
        UiMeldung(MeldungZuVieleDurchgaenge);
        return false;
    }

    for (DurchgangTyp* d = Wett->DurchgangRootPtr; d; d = d->next)
        if (d->Nr >= pos) ++d->Nr;
    if (block == BlockVorrunde) {
        ++Wett->AnzVorrunden;
        ++Wett->AnzGewDurchgaenge;
    } else if (block == BlockSeniorenFlyOff) {
        ++Wett->AnzSeniorenFlyOff;
    }
    ++Wett->AnzDurchgaenge;
    DatenDurchgangGetPtr(Wett->DurchgangRootPtr, static_cast<int>(pos));
    NachAenderung(Wett);
    return true;
}

bool EntferneDurchgaenge(WettbewerbTyp* Wett, int DurchgangNr) {
    if (!Wett) return false;
    bool gefunden = false;
    for (DurchgangTyp** pp = &Wett->DurchgangRootPtr; *pp;) {
        DurchgangTyp* d = *pp;
        if (d->Nr != DurchgangNr) {
            pp = &d->next;
            continue;
        }
        *pp = d->next;
        d->next = nullptr;
        if (EntferneDurchgangPtr == d) EntferneDurchgangPtr = nullptr;
        DatenDurchgangDispose(d);
        gefunden = true;
    }
    if (!gefunden) return false;
    for (DurchgangTyp* d = Wett->DurchgangRootPtr; d; d = d->next)
        if (d->Nr > DurchgangNr) --d->Nr;
    if (DurchgangNr <= Wett->AnzVorrunden) {
        --Wett->AnzVorrunden;
        --Wett->AnzGewDurchgaenge;
        if (Wett->StreicherAbDurchg > Wett->AnzVorrunden) Wett->StreicherAbDurchg = Wett->AnzVorrunden;
    } else if (DurchgangNr <= static_cast<long long>(Wett->AnzVorrunden) + Wett->AnzSeniorenFlyOff) {
        --Wett->AnzSeniorenFlyOff;
    }
    --Wett->AnzDurchgaenge;
    NachAenderung(Wett);
    return true;
}

bool ExecPipedAction(WettbewerbTyp* Wett) {
    if (!Wett || !EntferneDurchgangPtr) return false;
    if (!ImWettbewerb(Wett, EntferneDurchgangPtr)) {
        EntferneDurchgangPtr = nullptr;
        return false;
    }
    const int nr = EntferneDurchgangPtr->Nr;
    const bool aktuell = nr == Wett->DurchgangNr;
    const bool ergebnis = EntferneDurchgaenge(Wett, nr);
    EntferneDurchgangPtr = nullptr;
    if (aktuell) {
        Wett->DurchgangNr = nr < 2 ? 1 : nr - 1;
        SortTeilnehmerGruppe(Wett);
    }
    return ergebnis;
}

std::string WarnungDurchgangEntfernenText(const WettbewerbTyp* Wett) {
    const int s = Wett ? Wett->Status : 0;
    std::string text = "Diese Programmfunktion ändert bestehende Wertungen,\n";
    text += WarnZeileStatus(s);
    bool erste = true;
    for (int k = ProgStateWertungen; k <= s; ++k) {
        const char* folge = WarnZeileFolge(k);
        if (!folge) continue;
        text += erste ? "\n\n" : "\n";
        text += folge;
        erste = false;
    }
    return text;
}

EntfernenWahl DurchgangZumEntfernenWaehlen(WettbewerbTyp* Wett, int Block) {
    EntferneDurchgangPtr = nullptr;
    if (!Wett) return EntfernenWahl::Keiner;
    DurchgangTyp* offen = nullptr;
    DurchgangTyp* hoechster = nullptr;
    for (DurchgangTyp* d = Wett->DurchgangRootPtr; d; d = d->next) {
        if (DurchgangBlock(Wett, d->Nr) != Block) continue;
        if (!hoechster || d->Nr > hoechster->Nr) hoechster = d;
        if (!d->DurchgangGeflogen && (!offen || d->Nr > offen->Nr)) offen = d;
    }
    if (offen) {
        EntferneDurchgangPtr = offen;
        return EntfernenWahl::Sofort;
    }
    if (!hoechster) return EntfernenWahl::Keiner;
    EntferneDurchgangPtr = hoechster;
    return WarnungFaellig(Wett, ProgStateWertungen) ? EntfernenWahl::Warnung : EntfernenWahl::Sofort;
}

bool DurchgangEntfernen(WettbewerbTyp* Wett, int Block) {
    switch (DurchgangZumEntfernenWaehlen(Wett, Block)) {
    case EntfernenWahl::Keiner: return false;
    case EntfernenWahl::Warnung:
        if (UiFrage("WARNUNG", WarnungDurchgangEntfernenText(Wett)) != UiAntwort::Ja) {
            EntferneDurchgangPtr = nullptr;
            return false;
        }
        break;
    case EntfernenWahl::Sofort: break;
    }
    return ExecPipedAction(Wett);
}

bool VorrundeHinzufuegen(WettbewerbTyp* Wett) { return EinfuegeDurchgaenge(Wett, BlockVorrunde); }
bool SenFlyOffHinzufuegen(WettbewerbTyp* Wett) { return EinfuegeDurchgaenge(Wett, BlockSeniorenFlyOff); }
bool JugFlyOffHinzufuegen(WettbewerbTyp* Wett) { return EinfuegeDurchgaenge(Wett, BlockJugendFlyOff); }
bool VorrundeEntfernen(WettbewerbTyp* Wett) { return DurchgangEntfernen(Wett, BlockVorrunde); }
bool SenFlyOffEntfernen(WettbewerbTyp* Wett) { return DurchgangEntfernen(Wett, BlockSeniorenFlyOff); }
bool JugFlyOffEntfernen(WettbewerbTyp* Wett) { return DurchgangEntfernen(Wett, BlockJugendFlyOff); }

} // namespace tavuran
