#include "exchange/SpeicherZiel.h"

#include <utility>

#include "core/L_FILE.h"

namespace tavuran {

namespace {

// The same file: the same name, or a second name of the same file.
bool IstEigene(const std::string& Ziel, const std::string& EigeneDatei, const DateiStand& Stand) {
    if (EigeneDatei.empty()) return false;
    if (DateienGleich(Ziel, EigeneDatei)) return true;
    const DateiStand jetzt = DateiStandErmitteln(Ziel);
    return jetzt.Vorhanden && Stand.Vorhanden && jetzt.Geraet == Stand.Geraet && jetzt.Knoten == Stand.Knoten;
}

} // namespace

SpeicherZielPruefung SpeicherZielPruefen(const std::string& Ziel, const std::string& EigeneDatei,
                                         const DateiStand& EigenerStand, const std::string& Gewaehlt) {
    SpeicherZielPruefung p;
    if (std::string art = KeineGewoehnlicheDatei(Ziel); !art.empty()) {
        p.Urteil = SpeicherZielUrteil::Sonderdatei;
        p.Text = "„" + Ziel + "“: " + art + " Der Wettbewerb wird dort nicht gespeichert.";
        return p;
    }
    const bool eigen = IstEigene(Ziel, EigeneDatei, EigenerStand);
    const auto urteil = [&](SpeicherZielUrteil u, std::string Text = {}, std::vector<std::string> Knoepfe = {}) {
        p.Urteil = u;
        p.Text = std::move(Text);
        p.Knoepfe = std::move(Knoepfe);
        return p;
    };
    if (!L_FILE_Exist(Ziel)) return urteil(SpeicherZielUrteil::Frei);
    if (eigen) {
        if (DateiUnveraendert(Ziel, EigenerStand)) return urteil(SpeicherZielUrteil::Eigen);
        return urteil(SpeicherZielUrteil::Geaendert,
                      "Die Datei\n" + Ziel +
                          "\nwurde geändert, seit dieses Fenster sie geöffnet oder zuletzt gespeichert hat, wohl von "
                          "einem anderen Programm oder Fenster. Wird sie überschrieben, geht diese Änderung verloren.",
                      {"Überschreiben", "Unter anderem Namen speichern", "Abbrechen"});
    }
    if (SperrInhaber inhaber; SperreFremd(Ziel, inhaber))
        return urteil(SpeicherZielUrteil::Gesperrt, "Die Datei\n" + Ziel + "\nist gerade geöffnet (" +
                                                        SperrInhaberText(inhaber) +
                                                        ") und wird nicht überschrieben. Bitte einen anderen Namen wählen.");
    if (!Gewaehlt.empty() && DateienGleich(Ziel, Gewaehlt)) return urteil(SpeicherZielUrteil::Gewaehlt);
    return urteil(SpeicherZielUrteil::Fremd,
                  "Die Datei\n" + Ziel +
                      "\ngibt es schon; sie ist nicht die Datei dieses Wettbewerbs. Soll sie ersetzt werden? (Ihre "
                      "bisherige Fassung bleibt als Sicherungskopie .bak erhalten.)",
                  {"Ersetzen", "Unter anderem Namen speichern", "Abbrechen"});
}

} // namespace tavuran
