#include "live/LiveZugang.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/L_STR.h"
#include "evaluation/WertungEingabe.h"
#include "exchange/DateiZugriff.h"
#include "live/LiveFelder.h"

namespace tavuran {

namespace {

bool Hexcode(std::string_view s) {
    if (s.size() != ZugangCodeLaenge) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

} // namespace

std::string ZugangDateiName(const std::string& WettbewerbDatei) { return WettbewerbDatei + ".zugang"; }

std::string ZugangCodeNeu() {
    unsigned char b[ZugangCodeLaenge / 2];
    std::ifstream q("/dev/urandom", std::ios::binary);
    if (!q.read(reinterpret_cast<char*>(b), sizeof b)) return {};
    static constexpr char hex[] = "0123456789abcdef";
    std::string s;
    for (unsigned char c : b) {
        s += hex[c >> 4];
        s += hex[c & 15];
    }
    return s;
}

bool ZugangGleich(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    volatile unsigned char d = 0;
    for (std::size_t i = 0; i < a.size(); ++i) d = d | static_cast<unsigned char>(a[i] ^ b[i]);
    return d == 0;
}

const ZugangEintragTyp* ZugangFinden(const ZugangListeTyp& Liste, std::string_view Code) {
    // Every code has the same length; a text of another length matches none.
    if (Code.size() != ZugangCodeLaenge) return nullptr;
    const ZugangEintragTyp* gefunden = nullptr;
    for (const ZugangEintragTyp& e : Liste.Codes)
        if (ZugangGleich(e.Code, Code)) gefunden = &e;
    return gefunden;
}

const ZugangEintragTyp* ZugangVon(const ZugangListeTyp& Liste, int Durchgang, int EdvNr) {
    for (const ZugangEintragTyp& e : Liste.Codes)
        if (e.Durchgang == Durchgang && e.EdvNr == EdvNr) return &e;
    return nullptr;
}

bool ZugangErgaenzen(const WettbewerbTyp* Wett, int Durchgang, ZugangListeTyp& Liste, std::string& Grund) {
    if (!Wett) return true;
    for (const TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next) {
        if (t->EdvNr <= 0 || t->Name.NachnameStr.empty()) continue;
        if (!TeilnehmerFliegtInDurchgang(Wett, t, Durchgang)) continue;
        if (ZugangVon(Liste, Durchgang, t->EdvNr)) continue;
        std::string c = ZugangCodeNeu();
        if (c.empty()) {
            Grund = "Die Zufallsquelle des Systems (/dev/urandom) kann nicht gelesen werden.";
            return false;
        }
        Liste.Codes.push_back({std::move(c), Durchgang, t->EdvNr});
    }
    return true;
}

bool ZugangErneuern(ZugangListeTyp& Liste, std::string& Grund) {
    ZugangListeTyp neu = Liste;
    for (ZugangEintragTyp& e : neu.Codes) {
        e.Code = ZugangCodeNeu();
        if (e.Code.empty()) {
            Grund = "Die Zufallsquelle des Systems (/dev/urandom) kann nicht gelesen werden.";
            return false;
        }
    }
    Liste = std::move(neu);
    return true;
}

std::string ZugangLink(const ZugangListeTyp& Liste, const ZugangEintragTyp& Eintrag) {
    return Liste.Basis + "/e/" + Eintrag.Code;
}

std::string ZugangBasis(const std::string& Adresse, int Port) {
    const bool v6 = Adresse.find(':') != std::string::npos;
    return "http://" + (v6 ? "[" + Adresse + "]" : Adresse) + ":" + std::to_string(Port);
}

bool ZugangLesen(const std::string& Datei, ZugangListeTyp& Liste, std::string& Grund) {
    Liste = {};
    std::error_code ec;
    if (!std::filesystem::exists(Datei, ec)) return true;
    std::string bytes;
    if (!DateiLesen(Datei, bytes, Grund)) return false;
    std::istringstream in(bytes);
    std::string z;
    if (!std::getline(in, z) || z != ZugangKennung) {
        Grund = "Die Datei „" + Datei + "“ ist keine Datei mit Zugangscodes.";
        return false;
    }
    while (std::getline(in, z)) {
        const std::vector<std::string_view> f = LiveTabFelder(z);
        if (f.size() == 2 && f[0] == "Adresse") {
            Liste.Basis = std::string(f[1]);
        } else if (f.size() == 4 && f[0] == "Z" && Hexcode(f[1])) {
            ZugangEintragTyp e;
            e.Code = std::string(f[1]);
            if (LiveGanzzahl(f[2], e.Durchgang) && LiveGanzzahl(f[3], e.EdvNr) && !ZugangVon(Liste, e.Durchgang, e.EdvNr))
                Liste.Codes.push_back(std::move(e));
        }
    }
    return true;
}

bool ZugangSchreiben(const std::string& Datei, const ZugangListeTyp& Liste, std::string& Grund) {
    std::string s(ZugangKennung);
    s += '\n';
    if (!Liste.Basis.empty() && Liste.Basis.find_first_of("\t\r\n") == std::string::npos)
        s += "Adresse\t" + Liste.Basis + "\n";
    for (const ZugangEintragTyp& e : Liste.Codes)
        s += "Z\t" + e.Code + "\t" + std::to_string(e.Durchgang) + "\t" + std::to_string(e.EdvNr) + "\n";
    std::string hinweis;
    return DateiErsetzen(Datei, s, {}, Grund, hinweis);
}

} // namespace tavuran
