// The main window and files that cannot be read as they stand: a file that is
// no competition file, or one of an unknown format, is refused before the
// current competition is closed; a file read with losses is opened with a
// notice and not written over without the user's consent.
#include <QGuiApplication>
#include <QScreen>

#include "app/TMainForm.h"
#include "app/Verzeichnisse.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace tavuran {

bool TMainForm::WettbewerbsDateiOeffenbar(const std::string& Datei) {
    WettbewerbTyp* probe = nullptr;
    DateiLeseBericht bericht;
    std::string grund;
    const int r = DatenWettbewerbLoad(probe, Datei, &grund, &bericht);
    DatenWettbewerbDispose(probe);
    if (r == LadenOk) return true;
    UiWarnung("Wettbewerb öffnen",
              "Die Datei\n" + Datei + "\nwird nicht geöffnet.\n\n" + LadenFehlerText(r, bericht, grund));
    return false;
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
