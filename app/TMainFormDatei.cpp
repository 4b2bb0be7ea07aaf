// The main window and its file: a file that is no competition file, or one of
// an unknown format, is refused before the current competition is closed; a
// file read with losses is opened with a notice and not written over without
// the user's consent; a file another window holds is opened read-only or not
// at all; a save asks before it replaces a file that changed since this
// window read it or that is not this competition's own, and before it goes
// on without a backup.
#include <QGuiApplication>
#include <QScreen>

#include "app/TMainForm.h"
#include "app/Verzeichnisse.h"
#include "app/WettDir.h"
#include "core/DatenWettbewerb.h"
#include "core/L_FILE.h"
#include "core/UiHooks.h"
#include "exchange/DateiFreigabe.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/Pfade.h"
#include "exchange/SpeicherZiel.h"
#include "platform/Dialoge.h"

namespace tavuran {

namespace {

constexpr const char* TitelSpeichern = "Wettbewerb speichern";
constexpr const char* TitelOeffnen = "Wettbewerb öffnen";

// The question when another window holds the file: 0 read-only, 1 take the
// lock over, 2 cancel.
int GesperrtFragen(const std::string& Datei, const SperrInhaber& Inhaber) {
    return UiAuswahl(TitelOeffnen,
                     "Die Datei\n" + Datei + "\nist schon geöffnet: " + SperrInhaberText(Inhaber) +
                         ".\n\nSie kann schreibgeschützt geöffnet werden; gespeichert wird dann nur unter einem "
                         "anderen Namen. Wird sie trotzdem bearbeitet, überschreiben sich die Fenster gegenseitig.",
                     {"Schreibgeschützt öffnen", "Trotzdem bearbeiten", "Abbrechen"});
}

} // namespace

bool TMainForm::WettbewerbsDateiOeffenbar(const std::string& Datei) {
    WettbewerbTyp* probe = nullptr;
    DateiLeseBericht bericht;
    std::string grund;
    const int r = DatenWettbewerbLoad(probe, Datei, &grund, &bericht);
    DatenWettbewerbDispose(probe);
    if (r != LadenOk) {
        UiWarnung(TitelOeffnen,
                  "Die Datei\n" + Datei + "\nwird nicht geöffnet.\n\n" + LadenFehlerText(r, bericht, grund));
        return false;
    }
    // Asked before the current competition is closed; the answer is used
    // when the file is built.
    sperrWahlDatei_.clear();
    SperrInhaber inhaber;
    if (!SperreFremd(Datei, inhaber) || (sperre_.Gesperrt() && DateienGleich(sperre_.Datei(), Datei))) return true;
    const int a = GesperrtFragen(Datei, inhaber);
    if (a != 0 && a != 1) return false;
    sperrWahlDatei_ = Datei;
    sperrWahl_ = a;
    return true;
}

bool TMainForm::DateiLaden(const std::string& Datei, std::string& Grund, DateiLeseBericht& Bericht) {
    std::string bytes;
    DateiStand stand;
    if (!DateiLesen(Datei, bytes, Grund, &stand)) {
        Grund = LadenFehlerText(LadenDateiFehler, Bericht, Grund);
        return false;
    }
    const int r = DatenWettbewerbLesen(WettPtr, bytes, Datei, &Bericht);
    if (r != LadenOk) {
        DatenWettbewerbDispose(WettPtr);
        Grund = LadenFehlerText(r, Bericht, Grund);
        return false;
    }
    eigeneDatei_ = Datei;
    eigenerStand_ = stand;
    return true;
}

bool TMainForm::SperreHolen(const std::string& Datei) {
    schreibgeschuetzt_ = false;
    int wahl = sperrWahlDatei_ == Datei ? sperrWahl_ : -1;
    sperrWahlDatei_.clear();
    SperrInhaber inhaber;
    if (wahl != 0 && sperre_.Nehmen(Datei, inhaber, wahl == 1)) return true;
    if (wahl < 0) wahl = GesperrtFragen(Datei, inhaber); // not asked before (the file named at start-up)
    if (wahl == 1) return sperre_.Nehmen(Datei, inhaber, true);
    if (wahl != 0) return false;
    sperre_.Freigeben();
    schreibgeschuetzt_ = true;
    return true;
}

void TMainForm::DateiZustandVergessen() {
    sperre_.Freigeben();
    schreibgeschuetzt_ = false;
    eigeneDatei_.clear();
    eigenerStand_ = DateiStand{};
    parallelAbgelehnt_.clear();
}

bool TMainForm::Sichern(int FormatNr) {
    const SpeichernAusgang a = SichernNach(FormatNr, "");
    if (a == SpeichernAusgang::AndererName) return SichernUnter();
    return a == SpeichernAusgang::Gespeichert;
}

TMainForm::SpeichernAusgang TMainForm::SichernNach(int FormatNr, const std::string& Gewaehlt) {
    if (!WettPtr) return SpeichernAusgang::Abgebrochen;
    WertungEingabeSichern();
    SetWettbewerbModified(WettPtr);
    // The name with blanks replaced is the one remembered as the last file.
    const std::string name = FormatFileName(WettPtr->WettbewerbFileNamen[0]);
    if (!VerlustDateiUeberschreiben(name)) return SpeichernAusgang::Abgebrochen;
    if (schreibgeschuetzt_ && !eigeneDatei_.empty() && DateienGleich(name, eigeneDatei_)) {
        UiMeldung("Der Wettbewerb ist schreibgeschützt geöffnet, weil ein anderes Fenster die Datei\n" + name +
                  "\ngeöffnet hat. Er kann nur unter einem anderen Namen gespeichert werden.");
        return Gewaehlt.empty() ? SpeichernAusgang::AndererName : SpeichernAusgang::Abgebrochen;
    }
    const SpeicherZielPruefung p = SpeicherZielPruefen(name, eigeneDatei_, eigenerStand_, Gewaehlt);
    switch (p.Urteil) {
    case SpeicherZielUrteil::Sonderdatei:
    case SpeicherZielUrteil::Gesperrt:
        UiWarnung(TitelSpeichern, p.Text);
        return Gewaehlt.empty() ? SpeichernAusgang::Abgebrochen : SpeichernAusgang::AndererName;
    case SpeicherZielUrteil::Geaendert:
    case SpeicherZielUrteil::Fremd: {
        const int a = UiAuswahl(TitelSpeichern, p.Text, p.Knoepfe);
        if (a == AntwortAndererName) return SpeichernAusgang::AndererName;
        if (a != AntwortErsetzen) return SpeichernAusgang::Abgebrochen;
        break;
    }
    default:
        break;
    }
    WettPtr->WettbewerbFileNamen[0] = SetPath(WettPtr, PfadWettbewerb, name);

    // The parallel copy goes only where the user confirmed it for this file.
    SpeicherOptionen o;
    const std::string& par = WettPtr->WettbewerbParFileName;
    if (WettPtr->WettbewerbParFileEnbl && !par.empty() && L_FILE_ExistDir(L_FILE_GetFilePath(par)) &&
        !DateienGleich(par, name) && par != parallelAbgelehnt_) {
        o.ParallelFremdeArtErlaubt = WunschErlauben(name, WunschArt::Parallelkopie, par, ZielHerkunft::Datei);
        if (!o.ParallelFremdeArtErlaubt) parallelAbgelehnt_ = par;
    }
    // What changed before the save is an undo step of its own.
    SchrittMerken();
    DateiSpeicherErgebnis erg = DatenWettbewerbSave(WettPtr, name, FormatNr, o);
    if (!erg.Ok && erg.SicherungFehlt) {
        const int a = UiAuswahl(TitelSpeichern,
                                "Der Wettbewerb wurde nicht gespeichert:\n" + name + "\n\n" + erg.Grund +
                                    "\n\nOhne Sicherungskopie ersetzt die neue Fassung die bisherige, die dann "
                                    "verloren ist.",
                                {KnopfOhneSicherung, "Abbrechen"});
        if (a != 0) {
            RedrawStatusBar();
            return SpeichernAusgang::Abgebrochen;
        }
        o.OhneSicherung = true;
        erg = DatenWettbewerbSave(WettPtr, name, FormatNr, o);
    }
    if (erg.Ok) {
        // This window holds the file it wrote from now on.
        if (eigeneDatei_.empty() || !DateienGleich(eigeneDatei_, name) || !sperre_.Gesperrt()) {
            SperrInhaber inhaber;
            sperre_.Nehmen(name, inhaber, true);
        }
        schreibgeschuetzt_ = false;
        eigeneDatei_ = name;
        eigenerStand_ = erg.Stand;
        GespeichertMerken();
        LiveGespeichert(name);
    }
    return SpeichernErgebnisMelden(erg.Ok, SpeicherErgebnisText(erg), WettPtr->WettbewerbFileNamen[0])
               ? SpeichernAusgang::Gespeichert
               : SpeichernAusgang::Abgebrochen;
}

bool TMainForm::SichernUnter() {
    if (!WettPtr) return false;
    for (;;) {
        const std::string vorschlag = GetPath(WettPtr, PfadWettbewerb);
        // The proposal lies in the standard folder, which may not exist yet.
        if (!GetStandardPfad().empty() && !L_FILE_ExistDir(GetStandardPfad())) L_FILE_MakeDirectory(GetStandardPfad());
        DateiDialogAnfrage anfrage;
        anfrage.Sichern = true;
        anfrage.Titel = "Wettbewerb sichern als";
        anfrage.Filter = "Wettbewerbsdateien 3.0 (*.wtb)|*.wtb|Wettbewerbsdateien 2.0 (*.wtb)|*.wtb|"
                         "Wettbewerbsdateien 1.0 (*.wtb)|*.wtb|AlleDateien (*.*)|*.*";
        anfrage.StartOrdner = OrdnerVon(vorschlag);
        anfrage.StartName = vorschlag;
        DateiDialogErgebnis erg = DateiDialog(this, anfrage);
        if (!erg.Ok) return false;
        const std::string alt = WettPtr->WettbewerbFileNamen[0];
        const std::string name = SetPath(WettPtr, PfadWettbewerb, erg.Datei);
        // A name in a folder that does not exist is not remembered; the save
        // below must still go to it and fail there, not to the old file.
        WettPtr->WettbewerbFileNamen[0] = name;
        // What the user confirmed for the competition holds under its new name.
        for (const std::string& von : {alt, eigeneDatei_}) WunschFreigabenUebertragen(von, FormatFileName(name));
        const int format = erg.FilterIndex == 2 ? 2 : erg.FilterIndex == 3 ? 1 : 3;
        const SpeichernAusgang a = SichernNach(format, erg.Datei);
        if (a == SpeichernAusgang::Gespeichert) {
            WettPtr->FileFormatNr = format;
            NewFileLoaded(WettPtr->WettbewerbFileNamen[0]);
            RefreshRecentFiles();
            return true;
        }
        WettPtr->WettbewerbFileNamen[0] = alt;
        RedrawStatusBar();
        if (a != SpeichernAusgang::AndererName) return false;
    }
}

bool TMainForm::VerlustDateiUeberschreiben(const std::string& Datei) {
    if (verlustDatei_.empty() || (Datei != verlustDatei_ && Datei != FormatFileName(verlustDatei_))) return true;
    const UiAntwort a = UiFrage("Wettbewerb speichern",
                                "Die Datei\n" + Datei +
                                    "\nkonnte beim Öffnen nicht vollständig gelesen werden. Wird sie jetzt "
                                    "überschrieben, fehlt ihr alles, was nicht gelesen werden konnte.\n\n"
                                    "Trotzdem über diese Datei speichern? Mit „Nein“ bleibt sie, wie sie ist; "
                                    "der Wettbewerb kann mit „Sichern als“ unter einem anderen Namen gespeichert "
                                    "werden.");
    if (a != UiAntwort::Ja) return false;
    verlustDatei_.clear();
    return true;
}

bool TMainForm::KleinerBildschirm() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return false;
    const QRect r = s->geometry();
    return r.width() <= 1366 || r.height() <= 768;
}

} // namespace tavuran
