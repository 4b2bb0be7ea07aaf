#include "live/LiveEingabe.h"

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "evaluation/WertungEingabe.h"

namespace tavuran {

bool LiveWertLesen(WettbewerbTyp* Wett, int Durchgang, const std::string& Text, const std::string& Kopf,
                   double& Wert, std::string& Grund) {
    // An empty field on a phone is a value forgotten; "nothing" is typed as "-".
    if (Text.find_first_not_of(" \t") == std::string::npos) {
        Grund = "„" + Kopf + "“: kein Wert eingegeben (für keinen Wert „-“).";
        return false;
    }
    const EingabeErgebnis r = EingabeLesen(Wett, Durchgang, Kopf, Text);
    if (!r.Angenommen()) {
        Grund = "„" + Kopf + "“: " + r.Meldung;
        return false;
    }
    Wert = r.Wert;
    return true;
}

bool LiveFlug(WettbewerbTyp* Wett, int Durchgang, int EdvNr, LiveFlugTyp& Flug, std::string& Grund) {
    Flug = {};
    if (!Wett || !Wett->RegelPtr || Wett->RegelPtr->EdvNr < 1) {
        Grund = "Der Wettbewerb hat keine Regel mit Wertspalten.";
        return false;
    }
    const TeilnehmerTyp* t = DatenTeilnehmerGetPtr(Wett->TeilnehmerRootPtr, EdvNr, false);
    if (!t || t->EdvNr <= 0 || t->Name.NachnameStr.empty()) {
        Grund = "Den Teilnehmer dieses Zugangs gibt es im Wettbewerb nicht mehr.";
        return false;
    }
    if (Durchgang < 1 || Durchgang > Wett->AnzDurchgaenge || Durchgang > MaxAnzeigeDurchgaenge ||
        !TeilnehmerFliegtInDurchgang(Wett, t, Durchgang)) {
        Grund = "Der Teilnehmer fliegt in diesem Durchgang nicht.";
        return false;
    }
    const WertSpaltenTyp spalten = GetWertSpalten(Wett);
    Flug.Teilnehmer = t;
    Flug.Name = CnvNameTypToNameStr(&t->Name, true);
    Flug.StartNr = t->StartNr;
    Flug.Runde = GetDurchgangBezeichner(Wett, Durchgang, false, true);
    Flug.Gruppe = t->Gruppe[Durchgang];
    Flug.Koepfe = spalten.Koepfe;
    // Reads without creating: a flight not yet entered shows empty values.
    const WertungTyp* w = DatenWertungGetPtr(DatenDurchgangSuchen(Wett, Durchgang), EdvNr, 0);
    if (w) Flug.Werte = DispWertungWerte(Wett, w, spalten);
    else Flug.Werte.assign(spalten.Koepfe.size(), std::string());
    return true;
}

bool EingangPruefen(WettbewerbTyp* Wett, int Durchgang, int EdvNr, const std::vector<std::string>& Werte,
                    std::string& Grund) {
    LiveFlugTyp f;
    if (!LiveFlug(Wett, Durchgang, EdvNr, f, Grund)) return false;
    if (Werte.size() != f.Koepfe.size()) {
        Grund = "Es werden " + std::to_string(f.Koepfe.size()) + " Werte erwartet, angekommen sind " +
                std::to_string(Werte.size()) + ".";
        return false;
    }
    const WertSpaltenTyp spalten = GetWertSpalten(Wett);
    for (std::size_t k = 0; k < Werte.size(); ++k) {
        double w = 0;
        if (!LiveWertLesen(Wett, Durchgang, Werte[k], spalten.Koepfe[k], w, Grund)) return false;
    }
    return true;
}

bool EingangUebernehmen(WettbewerbTyp* Wett, const EingangTyp& Eingang, std::string& Grund) {
    if (!EingangPruefen(Wett, Eingang.Durchgang, Eingang.EdvNr, Eingang.Werte, Grund)) return false;
    WertungTyp* e = GetEingabeWertung(Wett, Eingang.Durchgang, Eingang.EdvNr, false);
    if (!e) {
        Grund = "Die Wertung des Teilnehmers kann nicht angelegt werden.";
        return false;
    }
    const WertSpaltenTyp spalten = GetWertSpalten(Wett);
    std::vector<WertZelleTyp> zellen;
    for (const std::string& s : DispWertungWerte(Wett, e, spalten)) zellen.push_back({s, s});
    for (std::size_t k = 0; k < zellen.size() && k < Eingang.Werte.size(); ++k) zellen[k].Text = Eingang.Werte[k];
    if (WertungZeileUebernehmen(Wett, Eingang.Durchgang, e, spalten, zellen) > 0) {
        SetWettbewerbModified(Wett);
        SetWettbewerbsStatus(Wett, StatusErgebnisse, false);
    }
    return true;
}

std::vector<std::string> EingangSpalten() {
    return {"Nr", "Zeit", "Startnr", "Pilot", "Durchgang", "Werte", "Adresse", "Stand", "Korrektur", "Im Wettbewerb"};
}

std::string EingangWerteText(const std::vector<std::string>& Werte) {
    std::string s;
    for (std::size_t k = 0; k < Werte.size(); ++k) s += (k ? " | " : "") + Werte[k];
    return s;
}

std::vector<std::string> EingangZellen(WettbewerbTyp* Wett, const EingaengeTyp& Eingaenge, const EingangTyp& e) {
    std::string startnr, pilot, runde, jetzt;
    LiveFlugTyp f;
    std::string grund;
    if (LiveFlug(Wett, e.Durchgang, e.EdvNr, f, grund)) {
        startnr = std::to_string(f.StartNr);
        pilot = f.Name;
        runde = f.Runde;
        jetzt = EingangWerteText(f.Werte);
    } else {
        pilot = "EDV-Nr. " + std::to_string(e.EdvNr);
        runde = Wett ? GetDurchgangBezeichner(Wett, e.Durchgang, false, true) : std::to_string(e.Durchgang);
    }
    std::string korrektur;
    if (const EingangTyp* v = e.Vorgaenger ? EingangVon(Eingaenge, e.Vorgaenger) : nullptr)
        korrektur = "von Nr. " + std::to_string(v->Id) + ": " + EingangWerteText(v->Werte);
    return {std::to_string(e.Id), e.Zeit, startnr, pilot, runde, EingangWerteText(e.Werte), e.Adresse,
            EingangStatusText(e), korrektur, jetzt};
}

} // namespace tavuran
