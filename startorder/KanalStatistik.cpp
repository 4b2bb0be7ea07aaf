#include "startorder/KanalStatistik.h"

#include "core/L_STR.h"
#include "core/MinMax.h"
#include "startorder/Kanal.h"

namespace tavuran {

const std::array<const char*, 3> KanalNameStr = {"Sonderkanäle", "35 MHz A-Band", "35 MHz B-Band"};

namespace {

bool IstZahlImBereich(std::string_view text, int von, int bis) {
    for (int k = von; k <= bis; ++k)
        if (text == StrInt(k)) return true;
    return false;
}

int AnzahlFuerLabel(const WettbewerbTyp* comp, const std::string& label) {
    for (const KanalListeTyp* e = comp->KanalRootPtr; e; e = e->next)
        if (L_STR_Unblank(e->Kanal) == label) return e->Anzahl;
    return 0;
}

} // namespace

std::string KanalSortSchluessel(std::string_view KanalStr) {
    return L_STR_FillLeftWithO(L_STR_Upcase(L_STR_Unblank(KanalStr)), 6);
}

void SortKanalListe(WettbewerbTyp* comp) {
    if (!comp) return;
    KanalListeTyp* neu = nullptr;
    while (comp->KanalRootPtr) {
        // Take out the entry with the largest key (the first among equals) and
        // push it at the head: the new list ascends.
        KanalListeTyp** groesste = &comp->KanalRootPtr;
        std::string maxSchluessel = KanalSortSchluessel((*groesste)->Kanal);
        for (KanalListeTyp** p = &(*groesste)->next; *p; p = &(*p)->next) {
            std::string s = KanalSortSchluessel((*p)->Kanal);
            if (s > maxSchluessel) {
                maxSchluessel = std::move(s);
                groesste = p;
            }
        }
        KanalListeTyp* e = *groesste;
        *groesste = e->next;
        e->next = neu;
        neu = e;
    }
    comp->KanalRootPtr = neu;
}

bool IstKanalInBand(const WettbewerbTyp* comp, int BandInfo, std::string_view KanalStr) {
    const std::string text = L_STR_Unblank(KanalStr);
    const bool a = IstZahlImBereich(text, 61, 80);
    const bool b = IstZahlImBereich(text, 182, 191);
    if (BandInfo == KanalBandA) return a;
    if (BandInfo == KanalBandB) return b;
    if (BandInfo != KanalBandSonder || !comp || a || b) return false;
    if (Format24GHzKanalStr(text) == Kanal2G4 || !IsKanalValid(text)) return false;
    for (const KanalListeTyp* e = comp->KanalRootPtr; e; e = e->next)
        if (L_STR_Unblank(e->Kanal) == text) return true;
    return false;
}

int GetKanalAnzeigeMenge(const WettbewerbTyp* comp, int BandInfo) {
    if (!comp) return 0;
    int n = 0;
    bool belegt = false;
    for (const KanalListeTyp* e = comp->KanalRootPtr; e; e = e->next) {
        if (!IstKanalInBand(comp, BandInfo, e->Kanal)) continue;
        belegt = true;
        ++n;
    }
    if (BandInfo == KanalBandA) n = belegt ? 20 : 0;
    if (BandInfo == KanalBandB) n = belegt ? 10 : 0;
    return MinInt(n, KanalMaxSlots);
}

KanalFarbe KanalBalkenFarbe(int Anzahl, int Maximum) {
    if (Anzahl == 1) return KanalFarbeGruen;
    if (Anzahl == Maximum) return KanalFarbeRot;
    return KanalFarbeSchwarz;
}

KanalStatistikModell KanalStatistikErstellen(WettbewerbTyp* comp) {
    KanalStatistikModell m;
    for (int b = 0; b < 3; ++b) {
        m.Baender[b].BandInfo = b;
        m.Baender[b].Name = KanalNameStr[b];
    }
    if (!comp) return m;
    InitKanalListe(comp);
    KanalBelegungToHeap(comp);
    SortKanalListe(comp);
    m.Maximum = GetKanaeleMax(comp);

    auto slot = [&](std::string label) {
        KanalSlot s;
        s.Anzahl = AnzahlFuerLabel(comp, label);
        s.Farbe = KanalBalkenFarbe(s.Anzahl, m.Maximum);
        s.Label = std::move(label);
        return s;
    };
    if (GetKanalAnzeigeMenge(comp, KanalBandA) > 0)
        for (int k = 61; k <= 80; ++k) m.Baender[KanalBandA].Slots.push_back(slot(StrInt(k)));
    if (GetKanalAnzeigeMenge(comp, KanalBandB) > 0)
        for (int k = 182; k <= 191; ++k) m.Baender[KanalBandB].Slots.push_back(slot(StrInt(k)));
    auto& sonder = m.Baender[KanalBandSonder].Slots;
    for (const KanalListeTyp* e = comp->KanalRootPtr; e && static_cast<int>(sonder.size()) < KanalMaxSlots;
         e = e->next)
        if (IstKanalInBand(comp, KanalBandSonder, e->Kanal)) sonder.push_back(slot(L_STR_Unblank(e->Kanal)));
    return m;
}

int KanalSplitterGroesse(int Groesse, int Prozent) {
    return (Groesse * LimitLowHighInt(Prozent, 5, 95) + 50) / 100;
}

int KanalSplitterProzent(int Groesse, int Gesamt) {
    if (Gesamt <= 0) return 50;
    return (Groesse * 100 - 50) / Gesamt;
}

int KanalBalkenBreite(int SlotBreite, int VorherigeBreite) {
    return MinInt(LimitLowHighInt(SlotBreite / 2, 1, 60), VorherigeBreite);
}

int KanalSkalaSchritt(int Zeilenhoehe, int Schritt) {
    if (Schritt <= 0) return 1;
    const int k = Zeilenhoehe / Schritt;
    return k == 0 ? 1 : k;
}

} // namespace tavuran
