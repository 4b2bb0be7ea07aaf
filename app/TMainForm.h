// The main window: holds the one current competition, shows it in its tabs,
// and offers the file commands, the parameters dialog and the view settings.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QStringList>

#include "core/DatenTypen.h"
#include "exchange/Rueckgaengig.h"
#include "core/UiHooks.h"
#include "exchange/DateiSperre.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "reports/DruckVorschau.h"
#include "evaluation/WertungEingabe.h"
#include "tabellen/ReiterTabelle.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QTabBar;
class QTableWidget;

namespace tavuran {

class QtSettingsStore;
class TDurchgangImportForm;
class TImportPortalForm;
class GitterEditor;
class TExportForm;
class THtmlExportForm;
class TSpeichernAbfrageForm;
class TStartNrForm;
class TStartReihenfolgeNichtErmitteltForm;
class TStartreihenfolgeBewertungForm;
class TStartreihenfolgeCoreForm;
class TStartreihenfolgeErgebnisReportForm;
class TStartreihenfolgeUserInterfaceForm;
class GitterEingabe;
class TStammDatenForm;
class TabellenGitter;
struct UebernahmeAnfrage;
class TWarnStartNrForm;
class TWettbewerbNeuForm;
class TWettDirForm;
class Zeitgeber;

inline constexpr const char* VersionsText = "     Tavuran V1.63 (14.06.2025)";

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    // Creates the window: settings store, hooks, command-line argument (the
    // arguments without the program name; exactly one names the start file).
    explicit TMainForm(const QStringList& Argumente, QWidget* Eltern = nullptr);
    ~TMainForm() override;

    // --- the current competition and its round
    WettbewerbTyp* GetAktWettPtr() const { return WettPtr; }
    int GetDurchgangNr() const;
    void SetDurchgangNr(int DurchgangNr);

    // --- file commands
    void FunctionNeuClick();
    void FunctionOeffnenClick();
    void FunctionSichernClick();
    void FunctionSichernAlsClick() { SichernUnter(); }
    void FunctionExitClick();
    void FunctionRecentFileClick(int n); // n = 1..4: recent entry n + 1
    bool Sichern(int FormatNr);
    bool SichernUnter();
    // Opened read-only (another window holds the file); the file this window read or last wrote.
    bool Schreibgeschuetzt() const { return schreibgeschuetzt_; }
    const std::string& EigeneDatei() const { return eigeneDatei_; }
    bool WettbewerbAufraeumen();
    void WettbewerbAufbauen(const std::string& WettbewerbFileName, bool ForceInput);
    void RefreshRecentFiles();
    std::vector<std::string> RecentMenueDateien() const;
    void ReadRegistry();
    void WriteRegistry();
    std::string GetLastWettRegelName() const { return LastWettRegelName; }

    // --- display
    void WettbewerbNeuBerechnen();
    void RedrawStatusBar();
    // The competition changed: the showing tab is built again at once, the
    // others when they are shown.
    void FormPaint();
    void ReinitAndRedraw();
    // Brings the showing tab, its lookups and the status bar up to date.
    void AnzeigeAktualisieren();
    void ChangeSort(int ListenArt);
    int GetFontFactor(int BasicFactor) const { return BasicFactor * FontFactorPercent / 100; }
    std::string GetPrintListenName() const;
    int AktuellerTab() const;
    void TabWaehlen(int Tab);

    // --- menu commands of the view and settings
    void FunctionParameterClick();
    void JugendFktClick();
    void SeniorFktClick();
    void DruckfarbeClick(int Farbe);   // 0 aus .. 5 blau
    void StartlisteTeamClick(bool Team);
    bool TeamInStartliste() const;
    int Druckfarbe() const;            // the checked print colour, 0..5
    bool JugendlicheGezeigt() const;
    bool SeniorenGezeigt() const;

    // --- parts for the dialogs and for tests
    // The grid of tab Tab with its table brought up to date, as when it is shown.
    TabellenGitter* Grid(int Tab) {
        TabAktualisieren(Tab);
        return grid_[Tab];
    }
    QTabBar* Reiter() const { return tabBar_; }
    QLabel* StatusPanel(int i) const { return panel_[i]; }
    int StatusLampe() const { return lampe_; }
    QAction* RecentAction(int n) const { return recent_[n - 1]; }
    QAction* DurchgangAction(int n) const { return durchgangAct_[n - 1]; }
    QAction* SortAction(int s) const { return sortAct_[s]; }
    TWettbewerbNeuForm* ParameterDialog() const { return wettNeu_; }
    TSpeichernAbfrageForm* SpeichernAbfrageForm() const { return speichernAbfrage_; }
    TWarnStartNrForm* WarnStartNrForm() const { return warnStartNr_; }
    bool OpenNewDialogAngefordert() const { return OpenNewDialog; }
    // The start-up request for a new competition and the progress panel of a
    // draw; run once the window is up and by every slice of a draw.
    void SortierHandleTimerTimer();
    // Moves a participant of the current tab's list from one row to another
    // (the drop of the drag-and-drop gesture).
    void ZeileVerschieben(int VonZeile, int NachZeile);

    // --- start order: the draw and its windows, start numbers (TMainFormStartreihenfolge.cpp)
  public:
    void FktGruppeneinteilungClick();     // "Startreihenfolge auszählen"
    void FktEExStartNrClick();            // "Startnummern auslassen"
    void StartnummerAufrueckenFktClick(); // "Startnummern aufrücken"
    // "Ok" of the progress warning: goes on with the function that asked.
    void WarnungFortsetzen(int CalledBy);
    // After changing to a score tab or choosing a round: the notice when the round is not divided.
    void CheckZeigeHinweisEinteilungStartreihenfolge();
    // Prints and exports that need a drawn start order: true when it exists,
    // otherwise the notice "Startreihenfolge" is shown.
    bool StartreihenfolgePruefenFuerAusgabe();
    // One slice of a running draw; the run is driven by a timer of its own.
    void StartreihenfolgeLaufTick();
    bool StartreihenfolgeLaeuft() const;
    TStartreihenfolgeUserInterfaceForm* AuslosungsDialog() const { return auslosung_; }
    TStartreihenfolgeBewertungForm* ErgebnismatrixForm() const { return matrix_; }
    TStartreihenfolgeErgebnisReportForm* ErgebnisreportForm() const { return report_; }
    TStartreihenfolgeCoreForm* ProtokollForm() const { return protokoll_; }
    TStartReihenfolgeNichtErmitteltForm* HinweisForm() const { return hinweis_; }
    TStartNrForm* StartNrForm() const { return startNr_; }
    QAction* GruppeneinteilungAction() const { return gruppeneinteilungAct_; }

  private:
    void StartreihenfolgeMenueAufbauen(QMenu* Bearbeiten);
    void StartreihenfolgeMenueFreigeben();
    bool StartreihenfolgeSchliessenErlaubt();
    bool ZeileVerschiebenErlaubt(int VonZeile, int NachZeile);
    void StartreihenfolgeLaufStarten();
    void StartreihenfolgeLaufEnde();
    void StartnummerAufrueckenAusfuehren();
    QAction* gruppeneinteilungAct_ = nullptr;
    TStartreihenfolgeUserInterfaceForm* auslosung_ = nullptr;
    TStartreihenfolgeBewertungForm* matrix_ = nullptr;
    TStartreihenfolgeErgebnisReportForm* report_ = nullptr;
    TStartreihenfolgeCoreForm* protokoll_ = nullptr;
    TStartReihenfolgeNichtErmitteltForm* hinweis_ = nullptr;
    TStartNrForm* startNr_ = nullptr;
    Zeitgeber* laufTimer_ = nullptr;
    struct Verschiebung {
        WettbewerbTyp* Wett = nullptr;
        int Tab = -1, Von = 0, Nach = 0;
        bool Bestaetigt = false;
    } verschiebung_;
  public:
    // --- participant and team sheets, master data (TMainFormTeilnehmer.cpp, TMainFormMannschaft.cpp)
    void FunctionTeilnehmerEntfernenClick(); // "ent&fernen": tab 0 the participant, tab 2 the team
    void FunctionTeilnehmerEinfuegenClick(); // "einfü&gen"
    void StammdatenClick();                  // "Stammdaten"
    // The user typed Text into a cell of the participant or team sheet (as the
    // cell editor reports it), and pressed a key that leaves a cell.
    void TeilnehmerZelleEingeben(int Zeile, int Spalte, const std::string& Text);
    bool TeilnehmerTaste(int Taste);
    void MannschaftZelleEingeben(int Zeile, int Spalte, const std::string& Text);
    bool MannschaftTaste(int Taste);
    // A click into row Zeile of the master-data lookup or the team lookup.
    void StammdatenGridKlick(int Zeile);
    void StammdatenMannschGridKlick(int Zeile);
    // Puts the cursor of a sheet on (Zeile, Spalte), rows counted from 1.
    void CursorSetzen(int Tab, int Zeile, int Spalte);
    QTableWidget* StammdatenGrid() const { return stammGrid_; }
    QTableWidget* StammdatenMannschGrid() const { return stammMannschGrid_; }
    TStammDatenForm* StammdatenDialog() const { return stammDaten_; }
    QAction* EntfernenAction() const { return entfernenAct_; }
    QAction* EinfuegenAction() const { return einfuegenAct_; }
  private:
    QWidget* EditPanelAufbauen(int Tab);
    void TeilnehmerMenueAufbauen(QMenu* Bearbeiten);
    void StammdatenMenueAufbauen(QMenu* Einstellungen);
    void StammdatenLaden();
    void StammdatenSpeichern(WettbewerbTyp* Wett);
    void TeilnehmerBearbeitungZeichnen();
    void DispStammDaten(const std::string* Tipptext = nullptr);
    void DispStammDatenMannschaft(const std::string* Tipptext = nullptr);
    void TeilnehmerTimer();
    void TeilnehmerCursorBewegen(int Zeile, int Spalte, bool Enter);
    void TeilnehmerUebernahme(const UebernahmeAnfrage& Anfrage);
    void MannschaftUebernahme(const UebernahmeAnfrage& Anfrage);
    void MannschaftCursorWeiter();
    void NachBearbeitung(bool Geaendert, int Status);
    QTableWidget* stammGrid_ = nullptr;
    QTableWidget* stammMannschGrid_ = nullptr;
    GitterEditor* teilnEditor_ = nullptr;
    GitterEditor* mannschEditor_ = nullptr;
    QAction* entfernenAct_ = nullptr;
    QAction* einfuegenAct_ = nullptr;
    TStammDatenForm* stammDaten_ = nullptr;
    WettbewerbTyp* stammGeladenFuer_ = nullptr; // the competition whose master data are loaded
    std::string stammAngebotText_;  // the text the master-data lookup shows offers for
    std::string mannschAngebotText_; // the same for the team lookup

  public:
    // --- import of registrations and of a round of an overall ranking (TMainFormImport.cpp)
    void FktImportPortalClick();
    void FktDurchgangImportClick();
    QAction* ImportPortalAction() const { return importPortalAct_; }
    QAction* DurchgangImportAction() const { return durchgangImportAct_; }
    TImportPortalForm* ImportPortalForm() const { return importPortal_; }
    TDurchgangImportForm* DurchgangImportForm() const { return durchgangImport_; }
    // Sets which import commands the competition allows.
    void ImportMenueAnpassen();

  private:
    void ImportMenueAufbauen(QMenu* Bearbeiten);
    void NachImportNeuZeichnen();
    QAction* importPortalAct_ = nullptr;
    QAction* durchgangImportAct_ = nullptr;
    TImportPortalForm* importPortal_ = nullptr;
    TDurchgangImportForm* durchgangImport_ = nullptr;

    // --- score entry: tabs "Wertung" and "Flugwiederholung (Reflight)" (TMainFormWertung.cpp)
  public:
    // The 100 ms capture of the row under the cursor of the visible grid.
    void WertungCaptureTimerTimer();
    // Copies the rows being typed in both grids into the model (before a save,
    // a close, a change of round, order or filter, and before a refill).
    void WertungEingabeSichern();
    // First value column of grid Tab (TabWertung or TabRefly).
    int WertungErsteWertSpalte(int Tab) const;
    Zeitgeber* WertungCaptureTimer() const { return wertungCaptureTimer_; }

  private:
    void WertungEingabeAufbauen();
    // After a score grid got a new table: its value columns and round.
    void WertungsGitterUebernehmen(int Tab);
    // MeldungZeigen: a refused text is named in the status bar (not while the
    // capture reads a row still being typed).
    bool HoleEingabe(int Tab, int Zeile, bool MeldungZeigen = true);
    void HinweisZeigen(int Tab, int Zeile);
    bool PruefeZeilenwechsel(int Tab);
    bool WertungTaste(int Tab, int Taste, Qt::KeyboardModifiers Modifikatoren);
    bool WertZelleEditierbar(int Tab, int Zeile, int Spalte);
    // Reads row Zeile into the model; when a typed text of it is refused, the
    // cursor goes back to that cell and its editor opens again with the text.
    // True when the row must not be left.
    bool AblehnungHalten(int Tab, int Zeile);
    int LetzteZeileWertungsEingabe = 0;
    int LetzteZeileReflyEingabe = 0;
    WertSpaltenTyp wertSpalten_[2];
    int ersteWertSpalte_[2] = {6, ReflyErsteWertSpalte};
    int wertDurchgang_[2] = {1, 1}; // the round each score grid shows
    GitterEingabe* wertEingabe_[2] = {};
    // The first refused cell of the row HoleEingabe read last (column -1: none).
    struct AblehnungTyp {
        int Zeile = 0;
        int Spalte = -1;
        std::string Meldung;
    } abgelehnt_[2];
    Zeitgeber* wertungCaptureTimer_ = nullptr;
    // --- exports: HTML lists and the CSV table (TMainFormExport.cpp)
  public:
    void ExportMenueAufbauen(QMenu* Bearbeiten);
    void HTMLExportMeldung();
    void HTMLExportStartliste(bool EinteilungPruefen);
    void HTMLExportTeamergebnis();
    void ErgebnislisteHTMLExportClick();
    void CsvExportClick();
    THtmlExportForm* HtmlExportDialog() const { return htmlExport_; }
    TExportForm* CsvExportDialog() const { return csvExport_; }
    QAction* TeamErgebnisHtmlAction(int i) const { return teamErgebnisHtml_[i]; }

    // --- print previews: the "&Drucken" items, the preview window and the
    // distribution dialog "Verteiler" (TMainFormDrucken.cpp)
  public:
    void FunktionKanalstatistikClick();  // "&Kanalstatistik drucken"
    void FunctionMeldungslisteClick();   // "&Meldungsliste drucken"
    void FunctionStartlisteClick();      // "&Startliste drucken": the distribution dialog
    void FunktionStartzettelClick();     // "Start&zettel drucken"
    void FunctionWertungslisteClick();   // "&Wertungsliste drucken"
    void FunctionErgebnislisteClick();   // "&Ergebnisliste drucken"
    void FunctionTeamergebnisClick();    // "&Teamergebnis drucken"
    // "Ergebnis als endgültig drucken": result lists say "endgültig" although rounds are open.
    QAction* EndgueltigAction() const { return endgueltigAct_; }
    // "Ok" of the label dialog: the preview of the labels.
    void EtikettVorschauZeigen(const tavuran::FormatTyp& Format, const tavuran::EtikettOptionen& Optionen);
    // "Ok" of the distribution dialog with at least one copy: the preview of the start list.
    void StartlisteVorschauZeigen(int VerteilerMaske);
    class TPreviewForm* PreviewForm() const { return preview_; }
    class TVerteilerForm* VerteilerForm() const { return verteiler_; }

  private:
    void DruckMenueAufbauen();
    void VorschauOeffnen(const VorschauZustand& Zustand, const std::string& Titel);
    TPreviewForm* preview_ = nullptr;
    TVerteilerForm* verteiler_ = nullptr;
    QAction* endgueltigAct_ = nullptr;

    // --- the label dialog "Etiketten Drucken" and the dialog "Parallele Sicherung" (TMainFormEtikett.cpp)
  public:
    void SaveParallelFktClick(); // "&Parallele Sicherung"
    // Shows "Etiketten Drucken" once the start order is drawn (else the notice);
    // its signal Bestaetigt carries the confirmed format and options.
    void EtikettDialogZeigen();
    class TEtikettForm* EtikettForm() const { return etikettForm_; }
    class TSaveParallelForm* SaveParallelForm() const { return saveParallelForm_; }

  private:
    void EtikettSicherungAufbauen();
    TEtikettForm* etikettForm_ = nullptr;
    TSaveParallelForm* saveParallelForm_ = nullptr;

  signals:
    // Sent once the competition is put away and just before it is freed: every
    // modeless window that works on it hides and forgets it here.
    void WettbewerbSchliesst(tavuran::WettbewerbTyp* Wett);

  public:
    // --- undo and redo (TMainFormRueckgaengig.cpp)
    void RueckgaengigClick();
    void WiederherstellenClick();
    QAction* RueckgaengigAction() const { return undoAct_; }
    QAction* WiederherstellenAction() const { return redoAct_; }
    // Names the next step ("Wertung Müller Hans, 2. Vorrunde").
    void SchrittBenennen(const std::string& Name) { schrittName_ = Name; }
    // Records a step when the competition changed since the last one (not
    // while a cell is being typed into, unless Erzwingen).
    void SchrittMerken(bool Erzwingen = false);

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

  private:
    void RueckgaengigMenueAufbauen(QMenu* Bearbeiten);
    void RueckgaengigMenueAktualisieren();
    void RueckgaengigBeginnenFuer(bool Gespeichert);
    void RueckgaengigBeenden();
    void GespeichertMerken();
    void StandEinsetzen(const std::string& Stand);
    RueckgaengigListe rueckgaengig_;
    WettbewerbTyp* rueckgaengigWett_ = nullptr; // the competition the list belongs to
    std::string schrittName_;
    bool schrittVorgemerkt_ = false;
    bool standWirdEingesetzt_ = false;
    QAction* undoAct_ = nullptr;
    QAction* redoAct_ = nullptr;

    void MenueAufbauen();
    void GridsAufbauen();
    // Brings the table of tab Tab up to date when what it shows changed since
    // it was built (AnzeigeStand counts the changes).
    void TabAktualisieren(int Tab);
    ReiterOptionen AnzeigeOptionen() const;
    void SetDurchgangListRadionButton();
    void SetSortListRadionButton();
    void MainTabControlChange();
    void TeamTabAnpassen();
    void FensterPlatzieren(int Left, int Top, int Width, int Height, bool Maximiert);
    bool GeometrieGueltig(int Left, int Top, int Width, int Height) const;
    void NeuerStandardWettbewerb();
    UiAntwort SpeichernAbfrageZeigen(WettbewerbTyp* Wett, bool MehrereOffen);
    bool SpeichernErgebnisMelden(bool Ok, const std::string& Grund, const std::string& Datei);

    WettbewerbTyp* WettPtr = nullptr;
    std::string WettbewerbFileName;
    bool StartUp = true;
    bool OpenNewDialog = false;
    bool Maximiert = false;
    std::string LastWettRegelName;
    int FontFactorPercent = 100;
    int Width_Name = 140, Width_Verein = 120, Width_Kanal = 48, Width_Land = 48, Width_Jugendlich = 20,
        Width_Modell = 120;

    // drag and drop in the lists
    int StringGridMouseDownRowIndex = -1;
    int StringGridMouseUpRowIndex = -1;
    int StringGridMouseDownGruppe = 0;
    std::string StringGridMouseDownTeilnehmer;
    QLabel* dragPanel_ = nullptr;
    int dragTab_ = -1;

    std::unique_ptr<QtSettingsStore> store_;
    QTabBar* tabBar_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    TabellenGitter* grid_[AnzahlTabs] = {};
    // The display changes: a tab whose table was built at an older count is
    // built again when it is shown.
    unsigned anzeigeStand_ = 1;
    unsigned tabStand_[AnzahlTabs] = {};
    QLabel* panel_[5] = {};
    QLabel* lampenBild_ = nullptr;
    int lampe_ = 0;
    QProgressBar* progress_ = nullptr;

    QAction* recent_[4] = {};
    QAction* recentTrenner_ = nullptr;
    QAction* durchgangAct_[MaxAnzeigeDurchgaenge] = {};
    QAction* sortAct_[6] = {};
    QAction* jugendAct_ = nullptr;
    QAction* seniorAct_ = nullptr;
    QAction* farbeAct_[6] = {};
    QAction* vereinAct_ = nullptr;
    QAction* teamAct_ = nullptr;

    int anzeigeSperre_ = 0; // while > 0 a change only marks the tabs to be built

    TWettbewerbNeuForm* wettNeu_ = nullptr;
    TSpeichernAbfrageForm* speichernAbfrage_ = nullptr;
    TWarnStartNrForm* warnStartNr_ = nullptr;
    TWettDirForm* wettDir_ = nullptr;

    // --- reflights, penalties, team scoring, channel statistics and the rounds
    // menu (TMainFormDialoge.cpp). The dialogs are created when first opened.
  public:
    void FunctionReflyClick();           // "Flugwiederholung (&Reflight)"
    void FktStrafpunkteClick();          // "Strafpunkte vergeben"
    void TeamwertungFktClick();          // "Teamwertung konfigurieren"
    void FunctionKanalstatistikClick();  // "&Kanalstatistik"
    // The items of "Durchgang hinzufügen/entfernen" (DurchgangBefehl...).
    void DurchgangHinzufuegenEntfernenClick(int Befehl);
    static constexpr int DurchgangBefehlVorrundeHinzu = 0, DurchgangBefehlVorrundeWeg = 1,
                         DurchgangBefehlSenFlyOffHinzu = 2, DurchgangBefehlSenFlyOffWeg = 3,
                         DurchgangBefehlJugFlyOffHinzu = 4, DurchgangBefehlJugFlyOffWeg = 5;
    class TReflyForm* ReflyForm() const { return reflyForm_; }
    class TStrafpunkteForm* StrafpunkteForm() const { return strafpunkteForm_; }
    class TTeamwertungForm* TeamwertungForm() const { return teamwertungForm_; }
    class TKanalStatForm* KanalStatForm() const { return kanalStatForm_; }
    QAction* ReflyAction() const { return reflyAct_; }
    QAction* DurchgangBefehlAction(int Befehl) const { return durchgangBefehlAct_[Befehl]; }

  private:
    void DialogMenueAufbauen(QMenu* Bearbeiten);
    // After a recompute: the reflight item needs participants and a rule.
    void DialogMenueAktualisieren();
    // The 500 ms timer: opens the channel statistics a loaded competition asks for.
    void KanalStatistikAnfrage();
    // After rounds were added or removed: recompute, lay out the grids, rebuild the round menu.
    void NachDurchgangAenderung();
    TReflyForm* reflyForm_ = nullptr;
    TStrafpunkteForm* strafpunkteForm_ = nullptr;
    TTeamwertungForm* teamwertungForm_ = nullptr;
    TKanalStatForm* kanalStatForm_ = nullptr;
    QAction* reflyAct_ = nullptr;
    QAction* durchgangBefehlAct_[6] = {};
    // exports
    void HtmlKurzlisteExport(int PathFor, const char* Titel);
    THtmlExportForm* htmlExport_ = nullptr;
    TExportForm* csvExport_ = nullptr;
    QAction* teamErgebnisHtml_[2] = {};
    // --- files that cannot be read as they stand (TMainFormDatei.cpp): a
    // refused file leaves the current competition open; a file read with
    // losses is not written over without asking.
    bool WettbewerbsDateiOeffenbar(const std::string& Datei);
    bool VerlustDateiUeberschreiben(const std::string& Datei);
    static bool KleinerBildschirm();
    std::string verlustDatei_;     // the file the competition was read from with losses
    // --- the open file (TMainFormDatei.cpp): its lock, whether it was opened
    // read-only, and the file this window read or last wrote with what it held
    // then, so that a save notices a change by another program.
    enum class SpeichernAusgang { Gespeichert, Abgebrochen, AndererName };
    SpeichernAusgang SichernNach(int FormatNr, const std::string& Gewaehlt);
    bool DateiLaden(const std::string& Datei, std::string& Grund, DateiLeseBericht& Bericht);
    bool SperreHolen(const std::string& Datei);
    void DateiZustandVergessen();
    DateiSperre sperre_;
    bool schreibgeschuetzt_ = false;
    std::string eigeneDatei_;
    DateiStand eigenerStand_;
    std::string sperrWahlDatei_; // the file the user was asked about before it was opened
    int sperrWahl_ = -1;         // the answer then (0 read-only, 1 take over)
    std::string parallelAbgelehnt_; // a parallel copy the user declined in this window
    std::string startDateiFehler_; // why the file named at start-up was not opened

    // --- live pages and entry by phone (TMainFormLive.cpp): the server runs
    // in this window's event loop and stops when the competition is closed.
  public:
    void LiveErgebnisseClick(); // "Live-Ergebnisse …"
    void EingaengeClick();      // "Eingänge …"
    class LiveServer* LiveServerPtr() const { return liveServer_; }
    class TLiveForm* LiveForm() const { return liveForm_; }
    class TEingaengeForm* EingaengeForm() const { return eingaengeForm_; }

  private:
    void LiveMenueAufbauen(QMenu* Datei);
    // The competition was loaded: its inbox (pending submissions of an earlier session) is read.
    void LiveBinden();
    // After a recompute: the pages anew, the streams told, the inbox shown again.
    void LiveGeaendert();
    // The 500 ms timer: the note in the status bar.
    void LiveStatus();
    class LiveServer* liveServer_ = nullptr;
    TLiveForm* liveForm_ = nullptr;
    TEingaengeForm* eingaengeForm_ = nullptr;
    QLabel* liveStatus_ = nullptr;
};

// The one main window of the program (nil before it is created).
extern TMainForm* MainForm;

// What the dialogs use of the main window; harmless without one.
WettbewerbTyp* GetAktWettPtr();
int GetDurchgangNr();
void WettbewerbNeuBerechnen();
void ReinitAndRedraw();
std::string GetLastWettRegelName();
int GetFontFactor(int BasicFactor);

} // namespace tavuran
