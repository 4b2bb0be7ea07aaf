#include "exchange/DateiPruefung.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/DatenWettbewerb.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace fs = std::filesystem;

namespace tavuran {

namespace {

fs::path Pfad(const std::string& f) { return L_FILE_Pfad(f); }
std::string Text(const fs::path& p) { return L_FILE_PfadText(p); }

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::size_t a = 0;
    while (a < text.size()) {
        std::size_t e = text.find('\n', a);
        if (e == std::string::npos) e = text.size();
        std::string zeile = text.substr(a, e - a);
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        z.push_back(std::move(zeile));
        a = e + 1;
    }
    return z;
}

// Keys of the lines whose order follows the lists of the model, in file order.
constexpr const char* ListenKeys[] = {"TEILNEHMER:", "MANNSCHAFT:", "WERTUNG:", "ERGEBNIS:"};
constexpr int AnzListenKeys = 4;

int ListenArt(const std::string& z) {
    for (int i = 0; i < AnzListenKeys; ++i)
        if (z.rfind(ListenKeys[i], 0) == 0) return i;
    return -1;
}

// The lines in comparable order: parameter lines as written, then the list
// lines of each kind sorted.
std::vector<std::string> Vergleichsfolge(const std::string& text) {
    std::vector<std::string> fest;
    std::vector<std::string> listen[AnzListenKeys];
    for (std::string& z : Zeilen(text)) {
        const int art = ListenArt(z);
        if (art >= 0)
            listen[art].push_back(std::move(z));
        else
            fest.push_back(std::move(z));
    }
    for (std::vector<std::string>& zeilen : listen) {
        std::sort(zeilen.begin(), zeilen.end());
        for (std::string& z : zeilen) fest.push_back(std::move(z));
    }
    return fest;
}

// A temporary folder that is removed with this object.
struct TempOrdner {
    fs::path pfad;
    TempOrdner() {
        static std::atomic<unsigned> n{0};
        std::error_code ec;
        const fs::path basis = fs::temp_directory_path(ec);
        for (int versuch = 0; versuch < 1000; ++versuch) {
            fs::path p = basis / ("tavuran-pruefen-" + std::to_string(std::random_device{}() % 1000000) + "-" +
                                  std::to_string(n++));
            if (fs::create_directory(p, ec)) {
                pfad = p;
                return;
            }
        }
    }
    ~TempOrdner() {
        std::error_code ec;
        if (!pfad.empty()) fs::remove_all(pfad, ec);
    }
};

// Reads a file into a competition; false with a reason.
bool Laden(const std::string& datei, WettbewerbTyp*& comp, std::string& grund, DateiLeseBericht& bericht) {
    std::string fehler;
    const int r = DatenWettbewerbLoad(comp, datei, &fehler, &bericht);
    if (r == LadenOk) return true;
    grund = LadenFehlerText(r, bericht, fehler);
    return false;
}

} // namespace

std::string WettbewerbsZeilenVergleichen(const std::string& Text1, const std::string& Text2) {
    const std::vector<std::string> a = Vergleichsfolge(Text1);
    const std::vector<std::string> b = Vergleichsfolge(Text2);
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return "Zeile " + std::to_string(i + 1) + " unterscheidet sich:\n  1. Sicherung: " + a[i] +
                   "\n  2. Sicherung: " + b[i];
    }
    if (a.size() != b.size())
        return "Die Sicherungen haben " + std::to_string(a.size()) + " und " + std::to_string(b.size()) + " Zeilen.";
    return {};
}

DateiPruefErgebnis WettbewerbsDateiPruefen(const std::string& Datei) {
    DateiPruefErgebnis erg;
    TempOrdner temp;
    if (temp.pfad.empty()) {
        erg.Grund = "Es konnte kein Ordner für die Prüfung angelegt werden.";
        return erg;
    }
    const std::string datei1 = Text(temp.pfad / "erste.wtb");
    const std::string datei2 = Text(temp.pfad / "zweite.wtb");

    WettbewerbTyp* comp = nullptr;
    DateiLeseBericht bericht;
    if (!Laden(Datei, comp, erg.Grund, bericht)) {
        DatenWettbewerbDispose(comp);
        return erg;
    }
    erg.FormatNr = comp->FileFormatNr;
    if (bericht.Verluste()) {
        DatenWettbewerbDispose(comp);
        erg.Urteil = PruefUrteil::Beschaedigt;
        for (const std::string& z : LeseBerichtZeilen(bericht)) erg.Grund += (erg.Grund.empty() ? "" : " ") + z;
        return erg;
    }
    erg.Urteil = PruefUrteil::Abweichung;
    DateiSpeicherErgebnis s = DatenWettbewerbSave(comp, datei1, erg.FormatNr, false);
    DatenWettbewerbDispose(comp);
    if (!s.Ok) {
        erg.Grund = "Die erste Sicherung schlug fehl. " + s.Grund;
        return erg;
    }
    if (!Laden(datei1, comp, erg.Grund, bericht)) {
        DatenWettbewerbDispose(comp);
        erg.Grund = "Die erste Sicherung ist " + erg.Grund;
        return erg;
    }
    s = DatenWettbewerbSave(comp, datei2, erg.FormatNr, false);
    DatenWettbewerbDispose(comp);
    if (!s.Ok) {
        erg.Grund = "Die zweite Sicherung schlug fehl. " + s.Grund;
        return erg;
    }
    std::string text1, text2, grund;
    if (!DateiLesen(datei1, text1, grund) || !DateiLesen(datei2, text2, grund)) {
        erg.Grund = "Eine Sicherung ist nicht lesbar: " + grund;
        return erg;
    }
    erg.Zeilen = static_cast<int>(Zeilen(text2).size());
    erg.Grund = WettbewerbsZeilenVergleichen(text1, text2);
    erg.Ok = erg.Grund.empty();
    if (erg.Ok) erg.Urteil = PruefUrteil::Gleich;
    return erg;
}

std::vector<std::string> WettbewerbsDateienSammeln(const std::vector<std::string>& Namen, std::string& Grund) {
    std::vector<std::string> dateien;
    for (const std::string& name : Namen) {
        std::error_code ec;
        const fs::path p = Pfad(name);
        if (fs::is_directory(p, ec)) {
            std::vector<std::string> imOrdner;
            for (const fs::directory_entry& e : fs::directory_iterator(p, ec)) {
                std::error_code ec2;
                if (!e.is_regular_file(ec2)) continue;
                const std::u8string ext = e.path().extension().u8string();
                if (L_STR_Upcase(std::string(ext.begin(), ext.end())) == ".WTB") imOrdner.push_back(Text(e.path()));
            }
            std::sort(imOrdner.begin(), imOrdner.end());
            dateien.insert(dateien.end(), imOrdner.begin(), imOrdner.end());
        } else if (fs::exists(p, ec)) {
            dateien.push_back(name);
        } else {
            if (!Grund.empty()) Grund += "\n";
            Grund += "„" + name + "“ gibt es nicht.";
        }
    }
    return dateien;
}

} // namespace tavuran
