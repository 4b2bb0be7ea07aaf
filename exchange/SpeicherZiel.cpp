#include "exchange/SpeicherZiel.h"

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
    if (!L_FILE_Exist(Ziel)) {
        p.Urteil = SpeicherZielUrteil::Frei;
        return p;
    }
    const std::vector<std::string> knoepfe = {"Überschreiben", "Unter anderem Namen speichern", "Abbrechen"};
    if (eigen) {
        if (DateiUnveraendert(Ziel, EigenerStand)) {
            p.Urteil = SpeicherZielUrteil::Eigen;
            return p;
        }
        p.Urteil = SpeicherZielUrteil::Geaendert;
        p.Text = "Die Datei\n" + Ziel +
                 "\nwurde geändert, seit dieses Fenster sie geöffnet oder zuletzt gespeichert hat, wohl von einem "
                 "anderen Programm oder Fenster. Wird sie überschrieben, geht diese Änderung verloren.";
        p.Knoepfe = knoepfe;
        return p;
    }
    SperrInhaber inhaber;
    if (SperreFremd(Ziel, inhaber)) {
        p.Urteil = SpeicherZielUrteil::Gesperrt;
        p.Text = "Die Datei\n" + Ziel + "\nist gerade geöffnet (" + SperrInhaberText(inhaber) +
                 ") und wird nicht überschrieben. Bitte einen anderen Namen wählen.";
        return p;
    }
    if (!Gewaehlt.empty() && DateienGleich(Ziel, Gewaehlt)) {
        p.Urteil = SpeicherZielUrteil::Gewaehlt;
        return p;
    }
    p.Urteil = SpeicherZielUrteil::Fremd;
    p.Text = "Die Datei\n" + Ziel +
             "\ngibt es schon; sie ist nicht die Datei dieses Wettbewerbs. Soll sie ersetzt werden? (Ihre bisherige "
             "Fassung bleibt als Sicherungskopie .bak erhalten.)";
    p.Knoepfe = {"Ersetzen", "Unter anderem Namen speichern", "Abbrechen"};
    return p;
}

} // namespace tavuran
