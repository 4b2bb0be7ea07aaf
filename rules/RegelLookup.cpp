#include "rules/RegelLookup.h"

#include <algorithm>
#include <string_view>

#include "core/DatenRegel.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "rules/RegelListe.h"

namespace tavuran {

namespace {

// The catalogue is searched from its last rule to its first; where several
// rules qualify equally the one met first (the higher number) is kept,
// because a later one replaces the choice only with a strictly higher score.
template <class Bewertung>
int BesteRegel(Bewertung Score, long long Mindest) {
    int Beste = 0;
    long long BesterScore = Mindest;
    for (int Nr = RegelAnzahl; Nr >= 1; --Nr) {
        const long long s = Score(RegelListe(Nr));
        if (s > BesterScore) {
            BesterScore = s;
            Beste = Nr;
        }
    }
    return Beste;
}

bool Enthaelt(std::string_view Text, std::string_view Teil) {
    return !Teil.empty() && L_STR_Pos(Teil, Text) > 0;
}

// Version number and class of a rule name: the text after and before "B-Mod".
// The version of a stored name is read from the file as it stands, so the
// score differences below are taken wide: any 32-bit version gives its score.
struct NamensTeile {
    long long Version;
    std::string Klasse;
};

NamensTeile Zerlegen(const std::string& Name) {
    static constexpr std::string_view Mod = "B-Mod";
    return {L_STR_CnvStrToInteger(L_STR_GetStrAfterTeilStr(Name, Mod)),
            L_STR_Upcase(L_STR_GetStrUntilTeilStr(Name, Mod))};
}

long long GespeicherterNameScore(const std::string& a, const NamensTeile& A, int Jahr, const RegelTyp& R) {
    const std::string b = L_STR_Unblank(R.Name);
    if (a == b) return 1000;
    if (L_STR_Upcase(a) == L_STR_Upcase(b)) return 900;
    const NamensTeile B = Zerlegen(b);
    if (A.Klasse == B.Klasse) {
        if (A.Version > B.Version && Jahr >= B.Version) return 800 - (A.Version - B.Version);
        if (A.Version > B.Version) return 700 - (A.Version - B.Version);
        if (A.Version < B.Version) return 600 + (B.Version - A.Version);
        return 500;
    }
    const bool Algorithmus =
        R.EdvNr >= 1 && R.EdvNr <= RegelEdvAnzahl && Enthaelt(L_STR_Upcase(a), RegelEdvListe[R.EdvNr - 1]);
    // A name of one word is what formats 1 and 2 store: the first word of the
    // rule's name. Of the rules with that first word the one whose version the
    // competition date has reached wins, the newest first; the rule of the
    // word's own algorithm goes before another of the same version.
    if (!a.empty() && a.find(' ') == std::string::npos &&
        L_STR_Upcase(a) == L_STR_Upcase(L_STR_GetStrUntilBlank(b))) {
        long long s = 450;
        if (B.Version > 0 && B.Version <= Jahr) s += 40 - std::min<long long>(39, Jahr - B.Version);
        if (Algorithmus) s += 5;
        return s;
    }
    if (Algorithmus) return 400;
    return 0;
}

int FremderNameScore(const std::string& s, int Jahr, const RegelTyp& R) {
    if (!R.Aktiv) return 0;
    const std::string t = L_STR_Unblank(L_STR_Upcase(R.Name));
    int Score = 0;
    if (s == t) Score += 200;
    if (Enthaelt(t, s)) {
        Score += 100;
        for (int i = 0; i <= 20; ++i)
            if (Enthaelt(R.Name, L_STR_CnvIntegerToStr(Jahr - i))) Score += 100 - i;
    }
    return Score;
}

// Generated lines of the list copies that the rule does not describe.
enum class Zeilenart { Ueberschrift, Trennlinie, Teilnehmer };

std::string Wiederholt(std::string_view Zeichen, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += Zeichen;
    return s;
}

// One cell of w characters of `Grund` with `Marke` at the positions q, 2q and 3q.
std::string MarkierteZelle(std::string_view Grund, std::string_view Marke, int w) {
    const int q = (w + 1) / 4;
    std::string s;
    for (int i = 1; i <= w; ++i) s += (q > 0 && (i == q || i == 2 * q || i == 3 * q)) ? Marke : Grund;
    return s;
}

std::string Durchgangszellen(Zeilenart Art, int MaxBreite, int AnzahlDurchgaenge) {
    const int n = AnzahlDurchgaenge & 0xFF;
    if (n == 0) return {};
    const int w = std::max(0, (MaxBreite - n + 1) / n);
    std::string Zeile;
    for (int i = 1; i <= n; ++i) {
        std::string Zelle;
        std::string_view Trenner;
        switch (Art) {
        case Zeilenart::Ueberschrift:
            Zelle = L_STR_CnvIntegerToStr(i) + ". ";
            while (static_cast<int>(L_STR_Length(Zelle)) < w) Zelle = " " + Zelle + " ";
            Zelle = L_STR_Copy(Zelle, 1, w);
            Trenner = "³";
            break;
        case Zeilenart::Trennlinie:
            Zelle = MarkierteZelle("Ä", "Å", w);
            Trenner = "×";
            break;
        case Zeilenart::Teilnehmer:
            Zelle = MarkierteZelle(" ", "³", w);
            Trenner = "º";
            break;
        }
        if (i > 1) Zeile += Trenner;
        Zeile += Zelle;
    }
    return Zeile;
}

} // namespace

void RegelListToHeap(RegelTyp*& RegelRootPtr) {
    for (int Nr = 1; Nr <= RegelAnzahl; ++Nr) {
        RegelTyp* r = DatenRegelNew();
        DatenRegelCopy(r, &RegelListe(Nr));
        r->next = RegelRootPtr;
        RegelRootPtr = r;
    }
}

void RegelListFromHeap(RegelTyp*& RegelRootPtr) {
    while (RegelRootPtr) {
        RegelTyp* weiter = RegelRootPtr->next;
        DatenRegelDispose(RegelRootPtr);
        RegelRootPtr = weiter;
    }
}

int RegelNrZuGespeichertemNamen(const std::string& RegelnameStr, const DateRec* DatumPtr) {
    const std::string a = L_STR_Unblank(RegelnameStr);
    const NamensTeile A = Zerlegen(a);
    const int Jahr = DatumPtr ? DatumPtr->Year : 0;
    return BesteRegel([&](const RegelTyp& R) { return GespeicherterNameScore(a, A, Jahr, R); }, 0);
}

void DatenRegelLoad(RegelTyp*& RootPtr, const std::string& RegelnameStr, const DateRec* DatumPtr) {
    RegelTyp* Regel = DatenRegelNew();
    DatenRegelDefault(Regel);
    Regel->Name.clear();
    RootPtr = Regel;

    const int Nr = RegelNrZuGespeichertemNamen(RegelnameStr, DatumPtr);
    if (Nr > 0) DatenRegelCopy(Regel, &RegelListe(Nr));
    Regel->next = nullptr;

    if (Regel->Name.empty()) {
        UiMeldung("In der Wettbewerbsdatei referenzierte Wettbewerbsregel \"" + RegelnameStr + "\" ist unbekannt!");
        Regel->Name = RegelnameStr;
    }
}

void RegelAuswahlAnwenden(WettbewerbTyp* WettPtr, const RegelTyp* RegelPtr) {
    if (!WettPtr || !RegelPtr) return;
    if (RegelPtr->Gruppenstart == 2 || RegelPtr->Gruppenstart == 3) WettPtr->Gruppenstart = RegelPtr->Gruppenstart == 3;
    const int v = RegelPtr->PermntNullDurchg & 3;
    if (v == 1 || v == 2) WettPtr->PermntNullMode = RegelPtr->PermntNullDurchg;
}

bool ReplaceRuleByName(WettbewerbTyp* WettPtr, const std::string& RuleNameStr, const DateRec* Heute) {
    if (!WettPtr) return false;
    DateRec Datum;
    if (Heute) Datum = *Heute;
    else L_CALEND_GetDate(Datum);
    const std::string s = L_STR_Upcase(L_STR_Unblank(RuleNameStr));
    const int Nr = BesteRegel([&](const RegelTyp& R) { return FremderNameScore(s, Datum.Year, R); }, 1);
    if (Nr == 0) return false;

    if (!WettPtr->RegelPtr) {
        WettPtr->RegelPtr = DatenRegelNew();
        DatenRegelDefault(WettPtr->RegelPtr);
    }
    DatenRegelCopy(WettPtr->RegelPtr, &RegelListe(Nr));
    WettPtr->RegelPtr->next = nullptr;
    RegelAuswahlAnwenden(WettPtr, WettPtr->RegelPtr);
    DatenRegelToWettbewerb(WettPtr, WettPtr->RegelPtr);
    return true;
}

void DatenRegelToWettbewerb(WettbewerbTyp* WettPtr, const RegelTyp* RegelPtr) {
    if (!WettPtr || !RegelPtr) return;
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        const int n = RegelPtr->ParameterWettb.ParaNr[i];
        if (n >= 1 && n <= MaxParameter)
            WettPtr->Parameter[n] = L_STR_CnvStrToDouble(RegelPtr->ParameterWettb.DefaultWert[i]);
    }
    WettPtr->Gruppenstart = RegelPtr->Gruppenstart != 1;
    const RegelDefaultDurchgTyp& d = RegelPtr->RegelDefaultDurchg;
    WettPtr->AnzVorrunden = d.AnzVorrunden;
    WettPtr->AnzSeniorenFlyOff = d.AnzSeniorenFlyOff;
    WettPtr->AnzTeilnGruppe = d.AnzTeilnGruppe;
    WettPtr->AnzTeilnInEndRunde = d.AnzTeilnInEndRunde;
    WettPtr->AnzJugInEndRunde = d.AnzJugInEndRunde;
    WettPtr->AnzPunktrichter = RegelPtr->AnzPunktrichter;
    int Gewertet = d.AnzVorrunden - d.AnzahlStreicher;
    if (Gewertet <= 0) Gewertet = 1;
    if (Gewertet > d.AnzVorrunden) Gewertet = d.AnzVorrunden;
    WettPtr->AnzGewDurchgaenge = Gewertet;
    WettPtr->AnzDurchgaenge = d.AnzVorrunden + d.AnzSeniorenFlyOff + d.AnzahlJugFlyOff;
}

std::string GetRegelBezeichnerStr(const RegelTyp* RegelPtr, int DurchgangIndex) {
    if (!RegelPtr) return {};
    if (DurchgangIndex >= 1 && DurchgangIndex <= MaxPunktrichter)
        return RegelPtr->ParameterPunktr.Bezeichner[DurchgangIndex];
    if (DurchgangIndex > MaxPunktrichter && DurchgangIndex <= MaxPunktrichter + MaxDurchgSpalten)
        return RegelPtr->ParameterDurchg.Bezeichner[DurchgangIndex - MaxPunktrichter];
    return {};
}

int GetRegelParameterAnzahl(const RegelTyp* RegelPtr, int ParameterArt) {
    if (!RegelPtr) return 0;
    switch (ParameterArt) {
    case 1: return RegelPtr->ParameterPunktr.Anzahl;
    case 2: return RegelPtr->ParameterDurchg.Anzahl;
    default: return 0;
    }
}

int GetListTyp(int VerteilerArt) {
    return (VerteilerArt >= 1 && VerteilerArt <= 6) ? VerteilerArt : 0;
}

std::string GetListStr(int MaxBreite, int ListenStrTyp, int AnzahlDurchgaenge, const RegelTyp* RegelPtr) {
    MaxBreite &= 0xFF;
    Zeilenart Art;
    int Kopie;
    if (ListenStrTyp >= 0 && ListenStrTyp <= 6) {
        Art = Zeilenart::Ueberschrift;
        Kopie = ListenStrTyp;
    } else if (ListenStrTyp >= 16 && ListenStrTyp <= 22) {
        Art = Zeilenart::Trennlinie;
        Kopie = ListenStrTyp - 16;
    } else if (ListenStrTyp >= 32 && ListenStrTyp <= 38) {
        Art = Zeilenart::Teilnehmer;
        Kopie = ListenStrTyp - 32;
    } else {
        return Wiederholt(" ", MaxBreite);
    }

    std::string Zeile;
    if (Kopie == 5 || Kopie == 6) {
        // The judges' and timekeepers' copies take the rule's own text, as a
        // quoted field (an empty text gives an empty line).
        std::string Text;
        if (RegelPtr) {
            switch (Art) {
            case Zeilenart::Ueberschrift: Text = Kopie == 5 ? RegelPtr->UeberschrPunktr : RegelPtr->UeberschrZeitn; break;
            case Zeilenart::Trennlinie: Text = Kopie == 5 ? RegelPtr->TrennliniePunktr : RegelPtr->TrennlinieZeitn; break;
            case Zeilenart::Teilnehmer: Text = Kopie == 5 ? RegelPtr->TeilnehmerPunktr : RegelPtr->TeilnehmerZeitn; break;
            }
        }
        Zeile = L_STR_GetStrBetweenInvertedKomma("'" + Text + "'");
    } else if (Kopie >= 2) {
        Zeile = Durchgangszellen(Art, MaxBreite, AnzahlDurchgaenge);
    } else {
        Zeile = Wiederholt(Art == Zeilenart::Trennlinie ? "Ä" : " ", MaxBreite);
    }

    Zeile = L_STR_Copy(L_STR_FillRightWithBlanks(Zeile, MaxBreite), 1, MaxBreite);

    // An empty 23-character cell between two borders is dropped with one border.
    static const std::string LeereZelle = "³" + std::string(23, ' ') + "³";
    const std::size_t p = Zeile.find(LeereZelle);
    if (p != std::string::npos) Zeile = Zeile.substr(0, p) + "³" + Zeile.substr(p + LeereZelle.size());
    return Zeile;
}

} // namespace tavuran
