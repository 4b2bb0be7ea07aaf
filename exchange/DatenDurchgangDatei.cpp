#include "exchange/DatenDurchgangDatei.h"

#include <array>
#include <climits>
#include <cmath>
#include <functional>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/L_STR.h"
#include "exchange/DateiFelder.h"
#include "exchange/DateiZeilenPruefung.h"

namespace tavuran {

namespace {

constexpr std::string_view KeyWertung = "WERTUNG";

// Values of at most this magnitude count as not entered when deciding whether
// an entry is written.
constexpr double WertSchwelle = 1e-8;

void Speichern(WertungTyp* w, const WertungsZeileTyp& z) {
    w->ReflyVerursacher = z.ReflyVerursacher;
    w->WertungDurchg = z.WertungDurchg;
    w->WertungPunktr = z.WertungPunktr;
    w->Strafpunkte = z.Strafpunkte;
}

bool GleicheWerte(const WertungTyp* w, const WertungsZeileTyp& z) {
    return w->ReflyVerursacher == z.ReflyVerursacher && w->WertungDurchg == z.WertungDurchg &&
           w->WertungPunktr == z.WertungPunktr && w->Strafpunkte == z.Strafpunkte;
}

std::size_t Mischen(std::size_t h, std::size_t x) { return h ^ (x + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2)); }

} // namespace

namespace {

// The values of a score line from its fields, as Feld() gives them in turn.
template <class F>
bool WertungsFelderLesen(F&& Feld, int FormatNr, WertungsZeileTyp& z) {
    z = WertungsZeileTyp{};
    const auto ganz = [&] { return DateiInteger(Feld()); };
    long long r = ganz();
    z.EdvNr = ganz();
    long long o = 0;
    if (FormatNr >= 3) {
        o = ganz();
        if (o < 0) {
            o = -o;
            z.ReflyVerursacher = true;
        }
    } else if (r < 0) {
        r = -r;
        o = 1;
    }
    for (int i = 1; i <= MaxDurchgSpalten; ++i) z.WertungDurchg[i] = DateiDouble(Feld());
    for (int i = 1; i <= MaxPunktrichter; ++i) z.WertungPunktr[i] = DateiDouble(Feld());
    z.Strafpunkte = ganz();
    // A participant holds groups for rounds 1..30 only; a reflight number
    // beyond the integer range cannot be a group of this model.
    if (r < 1 || r > MaxDurchgaenge || z.EdvNr <= 0 || o > INT_MAX) return false;
    z.DurchgangNr = static_cast<int>(r);
    z.ReflyOrder = static_cast<int>(o);
    return true;
}

} // namespace

bool WertungsZeileLesen(std::string_view Value, int FormatNr, WertungsZeileTyp& z) {
    std::string_view rest = Value;
    std::string puffer;
    return WertungsFelderLesen([&] { return SpalteErstenWertAnsicht(rest, puffer); }, FormatNr, z);
}

int WertungsZeileSchlichtLesen(std::string_view Value, int FormatNr, WertungsZeileTyp& z) {
    constexpr int Zahlen = MaxDurchgSpalten + MaxPunktrichter;
    const int ganze = FormatNr >= 3 ? 3 : 2, felder = ganze + Zahlen + 1;
    std::array<std::string_view, 3 + Zahlen + 1> f;
    std::string_view rest = Value;
    for (int i = 0; i < felder; ++i) {
        if (rest.empty() || rest.front() != '\'') return -1;
        const std::size_t e = rest.find('\'', 1);
        if (e == std::string_view::npos) return -1;
        const bool letztes = i + 1 == felder;
        if (letztes ? e + 1 != rest.size() : e + 1 >= rest.size() || rest[e + 1] != ',') return -1;
        f[static_cast<std::size_t>(i)] = rest.substr(1, e - 1);
        rest.remove_prefix(letztes ? rest.size() : e + 2);
        const bool zahl = i < ganze || letztes ? DateiGanzzahlGueltig(f[static_cast<std::size_t>(i)])
                                               : DateiRealGueltig(f[static_cast<std::size_t>(i)]);
        if (!zahl) return -1;
    }
    std::size_t n = 0;
    return WertungsFelderLesen([&] { return f[n++]; }, FormatNr, z) ? 1 : 0;
}

void DatenDurchgangParse(DurchgangTyp*& DurchgangRoot, TeilnehmerTyp*& TeilnehmerRoot, std::string_view Value,
                         int FormatNr) {
    WertungsZeileTyp z;
    if (!WertungsZeileLesen(Value, FormatNr, z)) return;
    DurchgangTyp* d = DatenDurchgangGetPtr(DurchgangRoot, z.DurchgangNr);
    TeilnehmerTyp* p = DatenTeilnehmerGetPtr(TeilnehmerRoot, z.EdvNr, true);
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, p->Gruppe[z.DurchgangNr], z.ReflyOrder);
    Speichern(DatenWertungInGroupGetPtr(d, g, z.EdvNr), z);
}

std::size_t WertungsLeser::GruppenHash::operator()(const GruppenSchluessel& k) const {
    std::size_t h = std::hash<const void*>{}(k.Durchgang);
    h = Mischen(h, std::hash<int>{}(k.Nr));
    return Mischen(h, std::hash<int>{}(k.ReflyOrder));
}

std::size_t WertungsLeser::WertungsHash::operator()(const WertungsSchluessel& k) const {
    return Mischen(std::hash<const void*>{}(k.Gruppe), std::hash<int>{}(k.EdvNr));
}

void WertungsLeser::TeilnehmerGelesen(TeilnehmerTyp* p) {
    // The list is searched from its head, so the newest record of a number wins.
    if (p) teilnehmer_[p->EdvNr] = p;
}

int WertungsLeser::ZeileAnwenden(const WertungsZeileTyp& z, int ZeilenNr) {
    // Rounds are at most 30, so the list walk is cheap.
    DurchgangTyp* d = DatenDurchgangGetPtr(durchgangRoot_, z.DurchgangNr);

    TeilnehmerTyp*& p = teilnehmer_[z.EdvNr];
    if (!p) {
        p = DatenTeilnehmerNew();
        DatenTeilnehmerDefault(p);
        p->EdvNr = z.EdvNr;
        p->next = teilnehmerRoot_;
        teilnehmerRoot_ = p;
    }

    const GruppenSchluessel gk{d, p->Gruppe[z.DurchgangNr], z.ReflyOrder};
    GruppeTyp*& g = gruppen_[gk];
    if (!g) {
        g = DatenGruppeNew();
        DatenGruppeDefault(g);
        g->Nr = gk.Nr;
        g->ReflyOrder = gk.ReflyOrder;
        g->next = d->GruppePtr;
        d->GruppePtr = g;
    }

    Eintrag& e = wertungen_[{g, z.EdvNr}];
    if (!e.Wertung) {
        WertungTyp* w = DatenWertungNew();
        DatenWertungDefault(w);
        w->EdvNr = z.EdvNr;
        w->next = g->WertungPtr;
        g->WertungPtr = w;
        DatenDurchgangIndexVerwerfen(d);
        e.Wertung = w;
        e.ZeilenNr = ZeilenNr;
    } else if (!GleicheWerte(e.Wertung, z)) {
        return e.ZeilenNr;
    }
    Speichern(e.Wertung, z);
    return 0;
}

std::string GetNextWertungsDaten(int FormatNr, DurchgangListenInfoTyp& Info) {
    while (const WertungTyp* w = GetNextWertungsDatenPtr(Info)) {
        const GruppeTyp* g = Info.GruppePtr;
        const DurchgangTyp* d = Info.DurchgangPtr;
        if (!g || !d) continue;
        bool wert = g->ReflyOrder > 0;
        for (int i = 1; i <= MaxDurchgSpalten && !wert; ++i) wert = std::fabs(w->WertungDurchg[i]) > WertSchwelle;
        for (int i = 1; i <= MaxPunktrichter && !wert; ++i) wert = std::fabs(w->WertungPunktr[i]) > WertSchwelle;
        if (!wert) continue;

        std::string z;
        z.reserve(256);
        z = ZeilenPraefix(KeyWertung);
        if (FormatNr >= 3) {
            InKommasAnhaengen(z, L_STR_CnvIntegerToStr(d->Nr));
            z += ',';
            InKommasAnhaengen(z, L_STR_CnvIntegerToStr(w->EdvNr));
            z += ',';
            InKommasAnhaengen(z, (w->ReflyVerursacher ? "-" : "") + L_STR_CnvIntegerToStr(g->ReflyOrder));
        } else {
            InKommasAnhaengen(z, L_STR_CnvIntegerToStr(g->ReflyOrder > 0 ? -d->Nr : d->Nr));
            z += ',';
            InKommasAnhaengen(z, L_STR_CnvIntegerToStr(w->EdvNr));
        }
        for (int i = 1; i <= MaxDurchgSpalten; ++i) {
            z += ',';
            InKommasAnhaengen(z, WertungsReal(w->WertungDurchg[i]));
        }
        for (int i = 1; i <= MaxPunktrichter; ++i) {
            z += ',';
            InKommasAnhaengen(z, WertungsReal(w->WertungPunktr[i]));
        }
        z += ',';
        InKommasAnhaengen(z, L_STR_CnvIntegerToStr(w->Strafpunkte));
        return z;
    }
    return {};
}

} // namespace tavuran
