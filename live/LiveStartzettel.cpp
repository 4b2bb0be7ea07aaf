#include "live/LiveStartzettel.h"

#include <algorithm>
#include <set>

#include "core/DatenTeilnehmer.h"
#include "evaluation/WertungEingabe.h"

namespace tavuran {

std::vector<LiveZugangZeileTyp> LiveZugangZeilen(const WettbewerbTyp* Wett, int Durchgang, const ZugangListeTyp& Liste) {
    std::vector<LiveZugangZeileTyp> z;
    if (!Wett) return z;
    for (const TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next) {
        if (t->EdvNr <= 0 || t->Name.NachnameStr.empty() || !TeilnehmerFliegtInDurchgang(Wett, t, Durchgang)) continue;
        const ZugangEintragTyp* e = ZugangVon(Liste, Durchgang, t->EdvNr);
        if (!e) continue;
        z.push_back({t->StartNr, t->EdvNr, CnvNameTypToNameStr(&t->Name, true), ZugangLink(Liste, *e)});
    }
    std::stable_sort(z.begin(), z.end(), [](const LiveZugangZeileTyp& a, const LiveZugangZeileTyp& b) {
        return a.StartNr != b.StartNr ? a.StartNr < b.StartNr : a.EdvNr < b.EdvNr;
    });
    return z;
}

void ZettelZugangEintragen(std::vector<ZettelSeiteTyp>& Seiten, const ZugangListeTyp& Liste) {
    for (ZettelSeiteTyp& s : Seiten)
        for (ZettelTyp& z : s.Zettel)
            if (const ZugangEintragTyp* e = ZugangVon(Liste, z.DurchgangNr, z.EdvNr)) z.Zugangslink = ZugangLink(Liste, *e);
}

bool ZettelZugangVorbereiten(const WettbewerbTyp* Wett, const std::string& WettbewerbDatei,
                             std::vector<ZettelSeiteTyp>& Seiten, std::string& Grund) {
    if (WettbewerbDatei.empty()) return true;
    const std::string datei = ZugangDateiName(WettbewerbDatei);
    ZugangListeTyp l;
    if (!ZugangLesen(datei, l, Grund)) return false;
    if (l.Basis.empty()) return true;
    std::set<int> runden;
    for (const ZettelSeiteTyp& s : Seiten)
        for (const ZettelTyp& z : s.Zettel) runden.insert(z.DurchgangNr);
    const std::size_t vorher = l.Codes.size();
    for (int r : runden)
        if (!ZugangErgaenzen(Wett, r, l, Grund)) return false;
    if (l.Codes.size() != vorher && !ZugangSchreiben(datei, l, Grund)) return false;
    ZettelZugangEintragen(Seiten, l);
    return true;
}

} // namespace tavuran
