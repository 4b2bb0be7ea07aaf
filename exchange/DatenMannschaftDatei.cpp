#include "exchange/DatenMannschaftDatei.h"

#include "core/DatenMannschaft.h"
#include "core/L_STR.h"
#include "exchange/DateiFelder.h"

namespace tavuran {

namespace {

constexpr std::string_view KeyMannschaft = "MANNSCHAFT";

// Member slots stored per team: 20 in format 3, 10 in formats 1 and 2.
int MitgliederImFormat(int FormatNr) { return FormatNr >= 3 ? MaxMannschaftMitglieder : 10; }

bool IstTeilnehmerMitNachname(const TeilnehmerTyp* root, int EdvNr) {
    for (const TeilnehmerTyp* p = root; p; p = p->next)
        if (p->EdvNr == EdvNr && !p->Name.NachnameStr.empty()) return true;
    return false;
}

struct Generator {
    int Index = 0;
    const MannschaftTyp* Root = nullptr;
    const MannschaftTyp* Letzter = nullptr;
};
Generator MannschaftGenerator;

} // namespace

MannschaftTyp* DatenMannschaftParse(MannschaftTyp*& MannschaftRootPtr, std::string_view Value, int FormatNr) {
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    std::string_view rest = Value;
    m->Nr = DateiInteger(SpalteErstenWertAusZeileAb(rest));
    m->Name = SpalteErstenWertAusZeileAb(rest);
    if (FormatNr < 3) {
        SpalteErstenWertAusZeileAb(rest);
        SpalteErstenWertAusZeileAb(rest);
    }
    const int anzahl = MitgliederImFormat(FormatNr);
    for (int i = 1; i <= anzahl; ++i) m->TeilnehmerEdvNr[i] = DateiInteger(SpalteErstenWertAusZeileAb(rest));
    m->next = MannschaftRootPtr;
    MannschaftRootPtr = m;
    return m;
}

namespace {

template <class Gueltig>
std::string MannschaftZeile(const MannschaftTyp* MannschaftPtr, int FormatNr, Gueltig MitNachname) {
    if (!MannschaftPtr) return {};
    const MannschaftTyp& m = *MannschaftPtr;
    if (m.Name.empty() || m.Nr <= 0) return "-";
    std::string z = ZeilenPraefix(KeyMannschaft);
    z += InKommas(L_STR_CnvIntegerToStr(m.Nr));
    z += ',';
    z += InKommas(m.Name);
    if (FormatNr < 3) z += ",'0','0'";
    const int anzahl = MitgliederImFormat(FormatNr);
    for (int i = 1; i <= anzahl; ++i) {
        const int nr = m.TeilnehmerEdvNr[i];
        const bool gueltig = nr > 0 && MitNachname(nr);
        z += ',';
        z += InKommas(L_STR_CnvIntegerToStr(gueltig ? nr : 0));
    }
    return z;
}

} // namespace

std::string MakeMannschaftZeile(const MannschaftTyp* MannschaftPtr, const TeilnehmerTyp* TeilnehmerRootPtr,
                                int FormatNr) {
    return MannschaftZeile(MannschaftPtr, FormatNr,
                           [&](int nr) { return IstTeilnehmerMitNachname(TeilnehmerRootPtr, nr); });
}

std::string MakeMannschaftZeile(const MannschaftTyp* MannschaftPtr, const std::unordered_set<int>& MitNachname,
                                int FormatNr) {
    return MannschaftZeile(MannschaftPtr, FormatNr, [&](int nr) { return MitNachname.count(nr) > 0; });
}

void InitMannschaftsDaten() { MannschaftGenerator = Generator{}; }

std::string GetNextMannschaftDaten(const MannschaftTyp* TeamRoot, const TeilnehmerTyp* TeilnehmerRoot, int FormatNr) {
    Generator& g = MannschaftGenerator;
    const MannschaftTyp* m;
    if (g.Index > 0 && g.Root == TeamRoot && g.Letzter) {
        m = g.Letzter->next;
    } else {
        m = TeamRoot;
        for (int i = 0; i < g.Index && m; ++i) m = m->next;
    }
    ++g.Index;
    g.Root = TeamRoot;
    g.Letzter = m;
    if (!m) return {};
    return MakeMannschaftZeile(m, TeilnehmerRoot, FormatNr);
}

} // namespace tavuran
