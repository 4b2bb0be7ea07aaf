#include "cli/CliDatei.h"

#include <ostream>
#include <utility>
#include <vector>

#include "core/DatenWettbewerb.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "exchange/DateiSperre.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace tavuran::cli {

MeldungenAufStderr::MeldungenAufStderr(std::ostream& err) {
    UiHooks h;
    h.Meldung = [&err](const std::string& Text) { err << "Hinweis: " << Text << "\n"; };
    h.Warnung = [&err](const std::string& Titel, const std::string& Text) {
        err << "Hinweis: " << Titel << ": " << Text << "\n";
    };
    SetUiHooks(h);
}

MeldungenAufStderr::~MeldungenAufStderr() { ResetUiHooks(); }

bool WettbewerbLaden(const std::string& Datei, WettbewerbTyp*& comp, std::ostream& err, DateiLeseBericht* Bericht) {
    comp = nullptr;
    if (!L_FILE_Exist(Datei)) {
        err << "Die Datei „" << Datei << "“ gibt es nicht.\n";
        return false;
    }
    std::string grund;
    DateiLeseBericht bericht;
    const int r = DatenWettbewerbLoad(comp, Datei, &grund, &bericht);
    if (r != LadenOk) {
        err << "Die Datei „" << Datei << "“ wird nicht geöffnet. " << LadenFehlerText(r, bericht, grund) << "\n";
        DatenWettbewerbDispose(comp);
        return false;
    }
    if (bericht.Verluste()) {
        for (const std::string& z : LeseBerichtZeilen(bericht)) err << "Hinweis: " << z << "\n";
    }
    if (Bericht) *Bericht = std::move(bericht);
    return true;
}

int WettbewerbSpeichernUndFreigeben(WettbewerbTyp*& comp, const std::string& Ziel, std::ostream& out,
                                    std::ostream& err) {
    const DateiSpeicherErgebnis erg = DatenWettbewerbSave(comp, Ziel, comp->FileFormatNr, false);
    DatenWettbewerbDispose(comp);
    if (!erg.Ok) {
        err << "Die Datei „" << Ziel << "“ konnte nicht geschrieben werden. " << erg.Grund << "\n";
        return 1;
    }
    if (erg.ZeichenErsetzt)
        err << "Hinweis: Einige Zeichen lassen sich im Dateiformat nicht darstellen und wurden als „?“ gespeichert.\n";
    for (const std::string& h : erg.Hinweise) err << "Hinweis: " << h << "\n";
    out << "Gespeichert: " << Ziel << "\n";
    return 0;
}

bool SchadenErlaubtSchreiben(const DateiLeseBericht& Bericht, const std::string& Datei, const std::string& Ziel,
                             bool TrotzSchaden, std::ostream& err) {
    if (!Bericht.Verluste() || TrotzSchaden || !DateienGleich(Datei, Ziel)) return true;
    err << "Die Datei „" << Datei << "“ ist beschädigt: sie konnte nicht vollständig gelesen werden (siehe "
        << "Hinweise). Sie wird nicht überschrieben, denn ihr fehlte danach alles, was nicht gelesen werden konnte. "
        << "Weiter mit --aus ANDERE.wtb (in eine andere Datei) oder mit --trotz-schaden (über diese Datei).\n";
    return false;
}

bool SchadenErlaubtLesen(const DateiLeseBericht& Bericht, const std::string& Datei, bool TrotzSchaden,
                         std::ostream& err) {
    if (!Bericht.Verluste() || TrotzSchaden) return true;
    err << "Die Datei „" << Datei << "“ ist beschädigt: sie konnte nicht vollständig gelesen werden (siehe "
        << "Hinweise); aus ihr wird nichts ausgegeben. Mit --trotz-schaden wird ausgegeben, was gelesen werden "
        << "konnte.\n";
    return false;
}

bool SperreErlaubt(const std::string& Ziel, bool TrotzSperre, std::ostream& err) {
    SperrInhaber inhaber;
    if (TrotzSperre || !SperreFremd(Ziel, inhaber)) return true;
    err << "Die Datei „" << Ziel << "“ ist gerade geöffnet (" << SperrInhaberText(inhaber)
        << ") und wird nicht geschrieben. Mit --trotz-sperre wird sie trotzdem geschrieben.\n";
    return false;
}

bool AusgabeErlaubt(const std::string& Ziel, std::initializer_list<std::string> Eingaben, std::ostream& err) {
    const std::string grund = EingabeUeberschreibenGrund(Ziel, Eingaben);
    if (grund.empty()) return true;
    err << grund << "\n";
    return false;
}

bool VorrundenListeLesen(const std::string& Text, int Vorrunden, std::vector<int>& Runden, std::ostream& err) {
    Runden.clear();
    std::string rest = Text;
    do {
        const std::string stueck = L_STR_GetStrUntilChar(rest, U',');
        rest = L_STR_GetStrAfterChar(rest, U',');
        const std::string zahl = L_STR_Unblank(stueck);
        long long r = 0;
        bool ok = !zahl.empty() && zahl.size() <= 9;
        for (char c : zahl) ok = ok && c >= '0' && c <= '9';
        if (ok) r = std::stoll(zahl);
        if (!ok || r < 1 || r > Vorrunden) {
            err << "Ungültiger Durchgang „" << stueck << "“: der Wettbewerb hat die Vorrunden 1 bis " << Vorrunden
                << ".\n";
            return false;
        }
        Runden.push_back(static_cast<int>(r));
    } while (!rest.empty());
    return true;
}

bool ArgumenteLesen(const std::vector<std::string>& Args, const OptionenTabelle& Optionen,
                    std::vector<std::string>& Woerter, std::ostream& err) {
    for (std::size_t i = 0; i < Args.size(); ++i) {
        const std::string& a = Args[i];
        if (a.size() < 2 || a[0] != '-') {
            Woerter.push_back(a);
            continue;
        }
        bool bekannt = false;
        for (const auto& [name, flagge] : Optionen.Schalter)
            if (a == name) {
                *flagge = true;
                bekannt = true;
            }
        for (const auto& [name, wert] : Optionen.Werte)
            if (a == name) {
                if (i + 1 >= Args.size()) {
                    err << "Nach " << a << " fehlt ein Wert.\n";
                    return false;
                }
                *wert = Args[++i];
                bekannt = true;
            }
        if (!bekannt) {
            err << "Unbekannte Option: " << a << "\n";
            return false;
        }
    }
    return true;
}

WettbewerbFreigabe::~WettbewerbFreigabe() { DatenWettbewerbDispose(w); }

} // namespace tavuran::cli
