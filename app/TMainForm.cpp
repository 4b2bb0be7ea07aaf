#include "app/TMainForm.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <filesystem>
#include <system_error>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/DialogListe.h"
#include "app/TabellenGitter.h"
#include "app/TPreviewForm.h"
#include "app/TSpeichernAbfrageForm.h"
#include "app/TWarnStartNrForm.h"
#include "app/TWettDirForm.h"
#include "app/TWettbewerbNeuForm.h"
#include "app/Verzeichnisse.h"
#include "app/WettDir.h"
#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "evaluation/Auswertung.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/Pfade.h"
#include "exchange/TeilnehmerBearbeitung.h"
#include "platform/Dialoge.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtUiHooks.h"
#include "platform/Zeitgeber.h"
#include "evaluation/Refly.h"
#include "startorder/Kanal.h"
#include "startorder/Gruppenbearbeitung.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran {

TMainForm* MainForm = nullptr;

WettbewerbTyp* GetAktWettPtr() { return MainForm ? MainForm->GetAktWettPtr() : nullptr; }
int GetDurchgangNr() { return MainForm ? MainForm->GetDurchgangNr() : 1; }
void WettbewerbNeuBerechnen() {
    if (MainForm) MainForm->WettbewerbNeuBerechnen();
}
void ReinitAndRedraw() {
    if (MainForm) MainForm->ReinitAndRedraw();
}
std::string GetLastWettRegelName() { return MainForm ? MainForm->GetLastWettRegelName() : std::string(); }
int GetFontFactor(int BasicFactor) { return MainForm ? MainForm->GetFontFactor(BasicFactor) : BasicFactor; }

namespace {

namespace fs = std::filesystem;

QString Q(const std::string& s) { return QString::fromStdString(s); }

const char* const TabTitel[7] = {"Teilnehmer", "Startreihenfolge", "Teamschutz / Team", "Wertung",
                                 "Flugwiederholung (Reflight)", "Ergebnis", "Teamergebnis"};
const char* const SortTitel[6] = {"Meldung", "Startnr.", "Name", "Startfolge", "Platz", "Teamergebnis"};
const char* const FarbTitel[6] = {"aus (immer Schwarzweiß)",     "ein (Farbe bzw. Graustufen)",
                                  "braun (anstelle Schwarzweiß)", "rot (anstelle Schwarzweiß)",
                                  "grün (anstelle Schwarzweiß)",  "blau (anstelle Schwarzweiß)"};

QPixmap Lampe(int Bild) {
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QColor farbe = Bild == 1 ? QColor(220, 30, 30) : Bild == 2 ? QColor(240, 190, 0) : QColor(30, 170, 60);
    p.setBrush(farbe);
    p.setPen(QColor(60, 60, 60));
    p.drawEllipse(1, 1, 12, 12);
    return pm;
}

} // namespace

// ------------------------------------------------------------------ creation

TMainForm::TMainForm(const QStringList& Argumente, QWidget* Eltern) : QMainWindow(Eltern) {
    MainForm = this;
    WettPtr = nullptr;
    LastWettRegelName.clear();
    TeilnehmerZwischenablageGueltig = false;

    // The settings store first: every other window reads it.
    store_ = std::make_unique<QtSettingsStore>(L_REGIST_ProgramIdentifierType{"Tavuran", "Tavuran", "1.0"});
    L_REGIST_SetStore(store_.get());

    QtUiHooksFenster hooks;
    hooks.Hauptfenster = [this]() -> QWidget* { return this; };
    hooks.StatusBarNeuZeichnen = [this] { RedrawStatusBar(); };
    hooks.AktuellerWettbewerb = [this] { return WettPtr; };
    hooks.SpeichernAbfrage = [this](WettbewerbTyp* w, bool mehrere) { return SpeichernAbfrageZeigen(w, mehrere); };
    InstallQtUiHooks(hooks);
    // Dialogs are fitted to the screen when they are shown (eventFilter).
    qApp->installEventFilter(this);

    // Stored paths follow the user's documents folder.
    SetStandardPfad(GetStandardPath());

    if (Argumente.size() == 1) {
        WettbewerbFileName = Argumente.first().toStdString();
        if (!L_FILE_Exist(WettbewerbFileName) || L_FILE_ExistDir(WettbewerbFileName)) {
            startDateiFehler_ = "Die beim Start genannte Datei\n" + WettbewerbFileName +
                                "\ngibt es nicht oder sie ist keine Datei. Das Programm startet ohne sie.";
            WettbewerbFileName.clear();
        }
    }

    int dpi = 96;
    if (QScreen* s = QGuiApplication::primaryScreen()) dpi = static_cast<int>(s->logicalDotsPerInchX());
    FontFactorPercent = std::max(dpi * 100 / 96, 1);
    const int f = FontFactorPercent;
    Width_Name = f * 140 / 100;
    Width_Verein = f * 120 / 100;
    Width_Kanal = f * 48 / 100;
    Width_Land = f * 48 / 100;
    Width_Jugendlich = f * 20 / 100;
    Width_Modell = f * 120 / 100;

    setWindowTitle("Tavuran");
    MenueAufbauen();
    GridsAufbauen();
    WertungEingabeAufbauen();

    for (auto*& p : panel_) p = new QLabel(this);
    lampenBild_ = new QLabel(this);
    statusBar()->addWidget(lampenBild_);
    statusBar()->addWidget(panel_[1], 2);
    statusBar()->addWidget(panel_[2], 2);
    statusBar()->addWidget(panel_[3], 1);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 10000);
    progress_->setValue(0);
    progress_->setMaximumWidth(200);
    progress_->hide();
    statusBar()->addPermanentWidget(progress_);
    statusBar()->addPermanentWidget(panel_[4]);
    panel_[0]->hide();

    dragPanel_ = new QLabel(this);
    dragPanel_->setAutoFillBackground(true);
    dragPanel_->setFixedWidth(600);
    dragPanel_->setFrameShape(QFrame::Box);
    dragPanel_->hide();

    wettNeu_ = new TWettbewerbNeuForm(this);
    wettDir_ = new TWettDirForm(this);
    speichernAbfrage_ = new TSpeichernAbfrageForm(this);
    warnStartNr_ = new TWarnStartNrForm(this);

    auto* sichern = new QShortcut(QKeySequence::Save, this);
    connect(sichern, &QShortcut::activated, this, [this] { FunctionSichernClick(); });

    // No timer polls: the window sleeps until something happens.
    StartUp = true;
    OpenNewDialog = false;
    SortierHandleTimerTimer();
}

TMainForm::~TMainForm() {
    if (WettPtr) emit WettbewerbSchliesst(WettPtr);
    DatenWettbewerbDispose(WettPtr);
    ResetUiHooks();
    store_->Sync();
    L_REGIST_SetStore(nullptr);
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::MenueAufbauen() {
    EtikettSicherungAufbauen();
    QMenu* datei = menuBar()->addMenu("&Datei");
    connect(datei->addAction("&Neu"), &QAction::triggered, this, [this] { FunctionNeuClick(); });
    connect(datei->addAction("&Öffnen"), &QAction::triggered, this, [this] { FunctionOeffnenClick(); });
    connect(datei->addAction("&Sichern (Ctrl-S)"), &QAction::triggered, this, [this] { FunctionSichernClick(); });
    connect(datei->addAction("Sichern &als"), &QAction::triggered, this, [this] { FunctionSichernAlsClick(); });
    connect(datei->addAction("&Parallele Sicherung"), &QAction::triggered, this, [this] { SaveParallelFktClick(); });
    LiveMenueAufbauen(datei);
    datei->addSeparator();
    for (int n = 1; n <= 4; ++n) {
        recent_[n - 1] = datei->addAction(QString());
        recent_[n - 1]->setVisible(false);
        connect(recent_[n - 1], &QAction::triggered, this, [this, n] { FunctionRecentFileClick(n); });
    }
    recentTrenner_ = datei->addSeparator();
    recentTrenner_->setVisible(false);
    connect(datei->addAction("&Beenden"), &QAction::triggered, this, [this] { FunctionExitClick(); });

    QMenu* bearbeiten = menuBar()->addMenu("&Bearbeiten");
    RueckgaengigMenueAufbauen(bearbeiten);
    connect(bearbeiten->addAction("&Parameter"), &QAction::triggered, this, [this] { FunctionParameterClick(); });
    StartreihenfolgeMenueAufbauen(bearbeiten);
    DialogMenueAufbauen(bearbeiten);
    ImportMenueAufbauen(bearbeiten);
    TeilnehmerMenueAufbauen(bearbeiten);
    ExportMenueAufbauen(bearbeiten);
    DruckMenueAufbauen();

    QMenu* ansicht = menuBar()->addMenu("&Ansicht");
    QMenu* durchgang = ansicht->addMenu("&Durchgang");
    auto* dgGruppe = new QActionGroup(this);
    for (int n = 1; n <= MaxAnzeigeDurchgaenge; ++n) {
        QAction* a = durchgang->addAction(QString::number(n));
        a->setCheckable(true);
        dgGruppe->addAction(a);
        durchgangAct_[n - 1] = a;
        connect(a, &QAction::triggered, this, [this, n] { DurchgangWaehlen(n); });
    }
    NavigationMenueAufbauen(bearbeiten, durchgang);
    QMenu* sort = ansicht->addMenu("&Sortierung");
    // One order at a time: the sort items are one radio group.
    // (optional: without a competition none is checked; clicking the checked
    // item again keeps it, as ChangeSort checks it anew).
    auto* sortGruppe = new QActionGroup(this);
    sortGruppe->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int s = 0; s < 6; ++s) {
        QAction* a = sort->addAction(SortTitel[s]);
        a->setCheckable(true);
        sortGruppe->addAction(a);
        sortAct_[s] = a;
        connect(a, &QAction::triggered, this, [this, s] {
            if (!WettPtr) {
                SetSortListRadionButton();
                return;
            }
            ChangeSort(s);
            SetWettbewerbModified(WettPtr);
        });
    }
    QMenu* filter = ansicht->addMenu("&Filter");
    jugendAct_ = filter->addAction("Jugendliche");
    seniorAct_ = filter->addAction("Senioren");
    for (QAction* a : {jugendAct_, seniorAct_}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(jugendAct_, &QAction::triggered, this, [this] { JugendFktClick(); });
    connect(seniorAct_, &QAction::triggered, this, [this] { SeniorFktClick(); });

    QMenu* einst = menuBar()->addMenu("&Einstellungen");
    connect(einst->addAction("Verzeichnisse"), &QAction::triggered, this, [this] { wettDir_->Zeigen(); });
    QMenu* farbe = einst->addMenu("Farbdruck");
    auto* farbGruppe = new QActionGroup(this);
    for (int i = 0; i < 6; ++i) {
        farbeAct_[i] = farbe->addAction(FarbTitel[i]);
        farbeAct_[i]->setCheckable(true);
        farbGruppe->addAction(farbeAct_[i]);
        connect(farbeAct_[i], &QAction::triggered, this, [this, i] { DruckfarbeClick(i); });
    }
    farbeAct_[1]->setChecked(true);
    QMenu* anzeige = einst->addMenu("Startliste konfigurieren");
    auto* anzGruppe = new QActionGroup(this);
    vereinAct_ = anzeige->addAction("Verein anzeigen");
    teamAct_ = anzeige->addAction("Team anzeigen");
    for (QAction* a : {vereinAct_, teamAct_}) {
        a->setCheckable(true);
        anzGruppe->addAction(a);
    }
    teamAct_->setChecked(true);
    connect(vereinAct_, &QAction::triggered, this, [this] { StartlisteTeamClick(false); });
    connect(teamAct_, &QAction::triggered, this, [this] { StartlisteTeamClick(true); });
    StammdatenMenueAufbauen(einst);
    connect(einst->addAction("Info"), &QAction::triggered, this, [this] {
        DialogMeldung(this, "Info",
                      std::string("Tavuran V1.63 (14.06.2025)\n\n") +
                          "Auswertung von Modellflugwettbewerben: Teilnehmer, Startreihenfolge, Wertungen und "
                          "Ergebnisse.");
    });
}

void TMainForm::GridsAufbauen() {
    auto* mitte = new QWidget(this);
    auto* layout = new QVBoxLayout(mitte);
    layout->setContentsMargins(2, 2, 2, 2);
    tabBar_ = new QTabBar(mitte);
    tabBar_->setExpanding(false);
    panels_ = new QStackedWidget(mitte);
    for (int t = 0; t < AnzahlTabs; ++t) {
        grid_[t] = new TabellenGitter(panels_);
        // The list font is sized to the fixed column widths, so that a channel
        // text such as "2,4GHz" fits its column.
        QFont schrift = grid_[t]->font();
        schrift.setPixelSize(GetFontFactor(11));
        grid_[t]->setFont(schrift);
        grid_[t]->verticalHeader()->hide();
        grid_[t]->verticalHeader()->setDefaultSectionSize(GetFontFactor(16) + 4);
        grid_[t]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid_[t]->setSelectionMode(QAbstractItemView::SingleSelection);
        grid_[t]->viewport()->installEventFilter(this);
        grid_[t]->viewport()->setMouseTracking(true);
        grid_[t]->Gefroren()->viewport()->installEventFilter(this);
        grid_[t]->Gefroren()->viewport()->setMouseTracking(true);
        panels_->addWidget(t == TabTeilnehmer || t == TabMannschaft ? EditPanelAufbauen(t)
                           : t == TabWertung || t == TabRefly       ? DurchgangLeisteAufbauen(t)
                                                                    : grid_[t]);
        if (t != TabTeamergebnis) tabBar_->addTab(TabTitel[t]);
    }
    layout->addWidget(tabBar_);
    layout->addWidget(panels_, 1);
    layout->addWidget(SuchleisteAufbauen(mitte));
    setCentralWidget(mitte);
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int) { MainTabControlChange(); });
}

// ------------------------------------------------------------ first showing

void TMainForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (StartUp) {
        StartUp = false;
        // The start file is opened and shown once: its display is built at the end.
        ++anzeigeSperre_;
        InitWettDir(WettbewerbFileName);
        if (L_FILE_Exist(Verzeichnisse.WettbewerbFileName))
            WettbewerbAufbauen(Verzeichnisse.WettbewerbFileName, false);
        ReadRegistry();
        if (!WettPtr) {
            WettPtr = DatenWettbewerbNew();
            DatenWettbewerbDefault(WettPtr);
        }
        if (!WettPtr->RegelPtr || WettPtr->Name.empty()) OpenNewDialog = true;
        RefreshRecentFiles();
        if (KleinerBildschirm()) Maximiert = true;
        --anzeigeSperre_;
        if (!startDateiFehler_.empty()) UiWarnung("Wettbewerb öffnen", startDateiFehler_);
        ReinitAndRedraw();
        // The parameters of a new competition are asked for once the window is up.
        if (OpenNewDialog) QTimer::singleShot(0, this, [this] { SortierHandleTimerTimer(); });
    } else {
        AnzeigeAktualisieren();
    }
    if (Maximiert && !isMaximized()) setWindowState(windowState() | Qt::WindowMaximized);
}

bool TMainForm::GeometrieGueltig(int Left, int Top, int Width, int Height) const {
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect r = s ? s->geometry() : QRect(0, 0, 1024, 768);
    const int sw = r.width(), sh = r.height();
    return Left >= 0 && Left <= sw && Top >= 0 && Top <= sh && Height >= 100 && Top + Height <= sh &&
           Width >= 100 && Left + Width <= sw;
}

void TMainForm::FensterPlatzieren(int Left, int Top, int Width, int Height, bool Max) {
    setGeometry(Left, Top, Width, Height);
    Maximiert = Max;
    if (Max)
        setWindowState(windowState() | Qt::WindowMaximized);
    else if (isMaximized())
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

void TMainForm::ReadRegistry() {
    const int l = L_REGIST_GetIntegerValue("WinPosLeft", "");
    const int t = L_REGIST_GetIntegerValue("WinPosTop", "");
    const int h = L_REGIST_GetIntegerValue("WinPosHeight", "");
    const int w = L_REGIST_GetIntegerValue("WinPosWidth", "");
    const bool alle = l != L_REGIST_Fehlt && t != L_REGIST_Fehlt && h != L_REGIST_Fehlt && w != L_REGIST_Fehlt;
    if (alle && GeometrieGueltig(l, t, w, h)) {
        FensterPlatzieren(l, t, w, h, L_REGIST_GetIntegerValue("WinState", "") == 1);
    } else {
        QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect r = s ? s->geometry() : QRect(0, 0, 1024, 768);
        FensterPlatzieren(40, 40, r.width() - 80, r.height() - 80, false);
    }
    int farbe = L_REGIST_GetIntegerValue("ColorPrint", "");
    if (farbe < 0 || farbe > 5) farbe = 1;
    farbeAct_[farbe]->setChecked(true);
    const bool team = L_REGIST_GetIntegerValue("TeamInStartList", "") != 0;
    teamAct_->setChecked(team);
    vereinAct_->setChecked(!team);
}

void TMainForm::WriteRegistry() {
    const bool max = isMaximized();
    if (!max) {
        const QRect g = geometry();
        L_REGIST_SetIntegerValue("WinPosLeft", "", g.left());
        L_REGIST_SetIntegerValue("WinPosTop", "", g.top());
        L_REGIST_SetIntegerValue("WinPosHeight", "", g.height());
        L_REGIST_SetIntegerValue("WinPosWidth", "", g.width());
    }
    L_REGIST_SetIntegerValue("WinState", "", max ? 1 : 0);
    L_REGIST_SetIntegerValue("ColorPrint", "", Druckfarbe());
    L_REGIST_SetIntegerValue("TeamInStartList", "", TeamInStartliste() ? 1 : 0);
    store_->Sync();
}

int TMainForm::Druckfarbe() const {
    for (int i : {5, 4, 3, 2, 1})
        if (farbeAct_[i]->isChecked()) return i;
    return 0;
}

bool TMainForm::TeamInStartliste() const { return teamAct_->isChecked(); }
bool TMainForm::JugendlicheGezeigt() const { return jugendAct_->isChecked(); }
bool TMainForm::SeniorenGezeigt() const { return seniorAct_->isChecked(); }

// The menu offers the recent files other than the open competition's own
// file, the most recent first: a competition that was closed can be reopened.
std::vector<std::string> TMainForm::RecentMenueDateien() const {
    std::vector<std::string> liste;
    const std::string offen = WettPtr ? L_STR_Upcase(WettPtr->WettbewerbFileNamen[0]) : std::string();
    for (int i = 1; i <= AnzRecentFiles && liste.size() < 4; ++i)
        if (!RecentFiles[i].empty() && L_STR_Upcase(RecentFiles[i]) != offen) liste.push_back(RecentFiles[i]);
    return liste;
}

void TMainForm::RefreshRecentFiles() {
    const auto liste = RecentMenueDateien();
    for (int n = 1; n <= 4; ++n) {
        const bool da = n <= static_cast<int>(liste.size());
        recent_[n - 1]->setText(da ? Q(NameVon(liste[static_cast<std::size_t>(n - 1)])) : QString());
        recent_[n - 1]->setVisible(da);
    }
    recentTrenner_->setVisible(!liste.empty());
}

// ------------------------------------------------------------ file commands

void TMainForm::NeuerStandardWettbewerb() {
    WettPtr = DatenWettbewerbNew();
    DatenWettbewerbDefault(WettPtr);
}

void TMainForm::FunctionNeuClick() {
    const std::string vorher = WettPtr ? WettPtr->WettbewerbFileNamen[0] : std::string();
    if (!WettbewerbAufraeumen()) return;
    WettbewerbAufbauen("", false);
    // "Abbruch" in the parameters of the new competition brings back the one it was to replace.
    if (L_FILE_Exist(vorher))
        wettNeu_->BeiAbbruch = [this, vorher] {
            if (WettbewerbsDateiOeffenbar(vorher) && WettbewerbAufraeumen()) WettbewerbAufbauen(vorher, false);
        };
}

void TMainForm::FunctionOeffnenClick() {
    if (!WettPtr) return;
    std::string ordner = OrdnerVon(WettPtr->WettbewerbFileNamen[0]);
    if (ordner.empty()) ordner = OrdnerVon(RecentFiles[1]);
    DateiDialogAnfrage anfrage;
    anfrage.Sichern = false;
    anfrage.Titel = "Wettbewerb öffnen";
    anfrage.Filter = "Wettbewerbsdateien (*.wtb)|*.wtb|Alle Dateien (*.*)|*.*";
    anfrage.StartOrdner = ordner;
    anfrage.StartName = "*.wtb";
    // The file is chosen and checked first; the current competition is
    // closed only when there is one to open instead.
    DateiDialogErgebnis erg = DateiDialog(this, anfrage);
    if (!erg.Ok || !WettbewerbsDateiOeffenbar(erg.Datei) || !WettbewerbAufraeumen()) return;
    WettbewerbAufbauen(erg.Datei, false);
}

void TMainForm::FunctionSichernClick() {
    if (!WettPtr) return;
    if (L_FILE_Exist(WettPtr->WettbewerbFileNamen[0]))
        Sichern(WettPtr->FileFormatNr);
    else
        SichernUnter();
}

bool TMainForm::SpeichernErgebnisMelden(bool Ok, const std::string& Grund, const std::string& Datei) {
    if (!Ok)
        UiWarnung("Wettbewerb speichern", "Der Wettbewerb konnte nicht gespeichert werden:\n" + Datei + "\n\n" +
                                              Grund + "\n\nDie Daten sind weiterhin im Programm geöffnet.");
    else if (!Grund.empty())
        UiMeldung(Grund);
    RedrawStatusBar();
    return Ok;
}

UiAntwort TMainForm::SpeichernAbfrageZeigen(WettbewerbTyp* Wett, bool MehrereOffen) {
    if (!Wett) return UiAntwort::Nein;
    const QPoint p = geometry().topLeft();
    speichernAbfrage_->SetWinPos(p.x() + 40, p.y() + 40, -1, -1);
    speichernAbfrage_->SetDateiInfo(Wett->Name, L_CALEND_GetDateString(Wett->Datum), MehrereOffen ? 2 : 1);
    return TSpeichernAbfrageForm::StatusAlsAntwort(speichernAbfrage_->Abfragen());
}

bool TMainForm::WettbewerbAufraeumen() {
    if (!WettPtr) return true;
    if (!StartreihenfolgeSchliessenErlaubt()) return false;
    WertungEingabeSichern();
    bool ergebnis = true;
    if (WettPtr->modified) {
        const QRect g = geometry();
        WettPtr->WinPosLeft = g.left();
        WettPtr->WinPosTop = g.top();
        WettPtr->WinPosHeight = g.height();
        WettPtr->WinPosWidth = g.width();
        WettPtr->WinState = isMaximized() ? WinStateTyp::Maximized : WinStateTyp::Normal;
        // The save goes through the same checks as "Sichern" (the file
        // changed meanwhile, another file under that name, the backup).
        const std::string& datei = WettPtr->WettbewerbFileNamen[0];
        const UiAntwort a = UiSpeichernAbfrage(WettPtr, false);
        if (a == UiAntwort::Abbrechen)
            ergebnis = false;
        else if (a == UiAntwort::Ja || a == UiAntwort::JaAlle)
            ergebnis = L_FILE_Exist(datei) ? Sichern(WettPtr->FileFormatNr) || SichernUnter() : SichernUnter();
    }
    if (ergebnis) {
        NewFileLoaded(WettPtr->WettbewerbFileNamen[0]);
        WriteRegistry();
        emit WettbewerbSchliesst(WettPtr);
        DatenWettbewerbDispose(WettPtr);
        RueckgaengigBeenden();
        verlustDatei_.clear();
        DateiZustandVergessen();
        RefreshRecentFiles();
    }
    FormPaint();
    return ergebnis;
}

void TMainForm::WettbewerbAufbauen(const std::string& Datei, bool ForceInput) {
    // The display is built once, at the end, not by every step on the way.
    ++anzeigeSperre_;
    bool geladen = false;
    RueckgaengigBeenden();
    if (L_FILE_Exist(Datei)) {
        std::string grund;
        DateiLeseBericht bericht;
        // Read and locked; a file that another window holds is opened
        // read-only or not at all, as the user chooses.
        bool abgebrochen = false;
        if (DateiLaden(Datei, grund, bericht) && !SperreHolen(Datei)) {
            DatenWettbewerbDispose(WettPtr);
            DateiZustandVergessen();
            abgebrochen = true;
        }
        if (WettPtr && bericht.Verluste()) {
            verlustDatei_ = WettPtr->WettbewerbFileNamen[0];
            UiWarnung("Wettbewerb öffnen", "Die Datei\n" + Datei + "\nkonnte nicht vollständig gelesen werden.\n\n" +
                                               LeseBerichtText(bericht) +
                                               "\n\nVor dem Speichern über diese Datei wird gefragt.");
        }
        if (WettPtr) {
            geladen = true;
            SetPath(WettPtr, PfadWettbewerb, Datei);
            NewFileLoaded(Datei);
            RefreshRecentFiles();
        } else if (!abgebrochen) {
            UiWarnung("Wettbewerb öffnen", "Die Datei\n" + Datei + "\nkonnte nicht gelesen werden:\n" + grund);
        }
    }
    if (!geladen) {
        NeuerStandardWettbewerb();
        L_CALEND_GetDate(WettPtr->Datum);
        WettPtr->Name.clear();
        WettPtr->ByNummer = "BY ?" "?/" + L_STR_FillLeftWithO(std::to_string(WettPtr->Datum.Year), 4);
        wettNeu_->SetWettbewerb(WettPtr);
        wettNeu_->SetNeu(true);
        wettNeu_->AbbruchErlaubt(!ForceInput);
        wettNeu_->Zeigen();
    }
    if (!WettPtr) NeuerStandardWettbewerb();
    StammdatenLaden();
    WettbewerbNeuBerechnen();
    if (WettPtr->WinPosLeft != -1 && WettPtr->WinPosTop != -1 && WettPtr->WinPosHeight != -1 &&
        WettPtr->WinPosWidth != -1 &&
        GeometrieGueltig(WettPtr->WinPosLeft, WettPtr->WinPosTop, WettPtr->WinPosWidth, WettPtr->WinPosHeight))
        FensterPlatzieren(WettPtr->WinPosLeft, WettPtr->WinPosTop, WettPtr->WinPosWidth, WettPtr->WinPosHeight,
                          WettPtr->WinState == WinStateTyp::Maximized);
    SetDurchgangListRadionButton();
    SetSortListRadionButton();
    SortAll(WettPtr);
    LastWettRegelName = WettPtr->RegelPtr ? WettPtr->RegelPtr->Name : std::string("F5J");
    RefreshRecentFiles();
    if (WettPtr->KanWinAktiv == 1) WettPtr->KanWinAktiv = 2;
    LiveBinden();
    --anzeigeSperre_;
    ReinitAndRedraw();
    // A competition saved with the channel statistics open asks for them again.
    if (WettPtr->KanWinAktiv == 2) QTimer::singleShot(0, this, [this] { KanalStatistikAnfrage(); });
    RueckgaengigBeginnenFuer(geladen);
}

void TMainForm::FunctionRecentFileClick(int n) {
    const auto liste = RecentMenueDateien();
    if (n < 1 || n > static_cast<int>(liste.size())) return;
    const std::string datei = liste[static_cast<std::size_t>(n - 1)];
    if (WettbewerbsDateiOeffenbar(datei) && WettbewerbAufraeumen()) WettbewerbAufbauen(datei, false);
}

void TMainForm::FunctionExitClick() { close(); }

void TMainForm::closeEvent(QCloseEvent* e) {
    // The window closes only when the competition could be put away.
    if (WettbewerbAufraeumen()) {
        e->accept();
        QCoreApplication::quit();
    } else {
        e->ignore();
    }
}

// ------------------------------------------------------------------ recompute

void TMainForm::WettbewerbNeuBerechnen() {
    if (!WettPtr) return;
    WettbewerbModellNeuBerechnen(WettPtr);
    StartreihenfolgeMenueFreigeben();
    TeamTabAnpassen();
    DialogMenueAktualisieren();
    FormPaint();
    if (preview_) preview_->WettbewerbGeaendert(WettPtr);
    LiveGeaendert();
    SchrittMerken();
}

void TMainForm::TeamTabAnpassen() {
    if (!WettPtr) return;
    if (WettPtr->TeamwertungStatus != 0) {
        if (tabBar_->count() <= 6) tabBar_->addTab(TabTitel[TabTeamergebnis]);
    } else if (tabBar_->count() > 6) {
        tabBar_->removeTab(6);
    }
}

// -------------------------------------------------------------------- display

int TMainForm::GetDurchgangNr() const { return WettPtr ? WettPtr->DurchgangNr : 1; }

int TMainForm::AktuellerTab() const {
    int t = tabBar_->currentIndex();
    return t < 0 ? 0 : t;
}

void TMainForm::TabWaehlen(int Tab) {
    if (Tab >= 0 && Tab < tabBar_->count()) tabBar_->setCurrentIndex(Tab);
}

void TMainForm::SetDurchgangNr(int DurchgangNr) {
    if (!WettPtr) return;
    WertungEingabeSichern();
    WettPtr->DurchgangNr = DurchgangNr;
    SortTeilnehmerGruppe(WettPtr);
    SetDurchgangListRadionButton();
    FormPaint();
    for (int t : {TabWertung, TabRefly, TabErgebnis, TabTeamergebnis})
        if (grid_[t]->rowCount() > 0) grid_[t]->setCurrentCell(0, grid_[t]->currentColumn() < 0 ? 0 : grid_[t]->currentColumn());
}

void TMainForm::SetDurchgangListRadionButton() {
    for (int n = 1; n <= MaxAnzeigeDurchgaenge; ++n) {
        QAction* a = durchgangAct_[n - 1];
        a->setChecked(false);
        const bool da = WettPtr && n <= WettPtr->AnzDurchgaenge;
        a->setVisible(da);
        if (da) a->setText(Q(GetDurchgangBezeichner(WettPtr, n, true, false)));
    }
    if (WettPtr && WettPtr->DurchgangNr >= 1 && WettPtr->DurchgangNr <= MaxAnzeigeDurchgaenge)
        durchgangAct_[WettPtr->DurchgangNr - 1]->setChecked(true);
    DurchgangLeisteAktualisieren();
}

void TMainForm::SetSortListRadionButton() {
    for (QAction* a : sortAct_) a->setChecked(false);
    if (!WettPtr) return;
    const int s = GetSort(WettPtr, AktuellerTab());
    if (s >= 0 && s <= 5) sortAct_[s]->setChecked(true);
}

void TMainForm::ChangeSort(int ListenArt) {
    if (!WettPtr) return;
    SetSort(WettPtr, AktuellerTab(), ListenArt);
    SetSortListRadionButton();
    FormPaint();
}

void TMainForm::MainTabControlChange() {
    WertungEingabeSichern();
    const int tab = AktuellerTab();
    SetSortListRadionButton();
    panels_->setCurrentIndex(tab);
    RedrawStatusBar();
    if (WettPtr) {
        CheckZeigeHinweisEinteilungStartreihenfolge();
        // Evaluated only when something changed since the last evaluation;
        // the tab is built again only when what it shows changed.
        if (WettPtr->CalcWertung) {
            CalcWertung(WettPtr);
            ++anzeigeStand_;
        }
    }
    AnzeigeAktualisieren();
}

void TMainForm::JugendFktClick() {
    if (!jugendAct_->isChecked() && !seniorAct_->isChecked()) {
        jugendAct_->setChecked(true);
        seniorAct_->setChecked(true);
    }
    FormPaint();
}

void TMainForm::SeniorFktClick() { JugendFktClick(); }

void TMainForm::DruckfarbeClick(int Farbe) {
    for (int i = 0; i < 6; ++i) farbeAct_[i]->setChecked(i == Farbe);
}

void TMainForm::StartlisteTeamClick(bool Team) {
    teamAct_->setChecked(Team);
    vereinAct_->setChecked(!Team);
    FormPaint();
}

void TMainForm::FunctionParameterClick() {
    if (!WettPtr) return;
    wettNeu_->SetWettbewerb(WettPtr);
    wettNeu_->AbbruchErlaubt(true);
    wettNeu_->Zeigen();
}

std::string TMainForm::GetPrintListenName() const {
    static const char* const Namen[7] = {"Teilnehmerliste drucken", "Kanalliste drucken", "Meldungsliste drucken",
                                         "Startliste drucken",      "Mannschaftsliste drucken",
                                         "Wertungsliste drucken",   "Ergebnisliste drucken"};
    const int t = AktuellerTab();
    return t >= 0 && t <= 6 ? Namen[t] : std::string();
}

void TMainForm::ReinitAndRedraw() {
    SetDurchgangListRadionButton();
    SetSortListRadionButton();
    FormPaint();
}

ReiterOptionen TMainForm::AnzeigeOptionen() const {
    ReiterOptionen o;
    o.Jugendliche = JugendlicheGezeigt();
    o.Senioren = SeniorenGezeigt();
    o.TeamInStartliste = TeamInStartliste();
    return o;
}

void TMainForm::TabAktualisieren(int Tab) {
    if (Tab < 0 || Tab >= AnzahlTabs || tabStand_[Tab] == anzeigeStand_) return;
    tabStand_[Tab] = anzeigeStand_;
    grid_[Tab]->SetTabelle(ReiterTabelle(WettPtr, Tab, AnzeigeOptionen()), FontFactorPercent);
    if (Tab == TabWertung || Tab == TabRefly) WertungsGitterUebernehmen(Tab);
}

void TMainForm::FormPaint() {
    WertungEingabeSichern();
    // What the tabs show may have changed: each is built again when it shows.
    ++anzeigeStand_;
    if (anzeigeSperre_ == 0) AnzeigeAktualisieren();
}

void TMainForm::AnzeigeAktualisieren() {
    TabAktualisieren(AktuellerTab());
    TeilnehmerBearbeitungZeichnen();
    RedrawStatusBar();
}

void TMainForm::RedrawStatusBar() {
    TeilnehmerTimer();
    int tab = AktuellerTab();
    if (tab > 8) tab = 8;
    if (tab < 0) tab = 0;
    if (!WettPtr) {
        lampe_ = 0;
        lampenBild_->setPixmap(Lampe(0));
        panel_[1]->setText(QString());
        panel_[2]->setText(QString());
        panel_[3]->setText(QString());
        setWindowTitle("Tavuran");
        return;
    }
    if (WettPtr->modified)
        lampe_ = 1;
    else if (!WettPtr->BackUpSaved && WettPtr->WettbewerbParFileEnbl)
        lampe_ = 2;
    else
        lampe_ = 0;
    lampenBild_->setPixmap(Lampe(lampe_));
    lampenBild_->setToolTip(lampe_ == 1   ? "Wettbewerb geändert, noch nicht gespeichert"
                            : lampe_ == 2 ? "Parallele Sicherung nicht geschrieben"
                                          : "Wettbewerb gespeichert");
    panel_[1]->setText(
        Q(GetSortName(WettPtr->Sortierung[tab]) + "    " + GetDurchgangBezeichner(WettPtr, WettPtr->DurchgangNr, false, true)));
    panel_[2]->setText(Q(WettPtr->RegelPtr ? WettPtr->RegelPtr->Name : std::string("keine Regel")));
    panel_[3]->setText(Q("Teiln.: " + std::to_string(GetAnzTeilnehmer(WettPtr->TeilnehmerRootPtr))));
    setWindowTitle(Q(WettPtr->Name + " " + L_CALEND_GetDateString(WettPtr->Datum) + " (" +
                     NameVon(WettPtr->WettbewerbFileNamen[0]) + (schreibgeschuetzt_ ? ", schreibgeschützt" : "") +
                     ")"));
}

// --------------------------------------------------------------------- timers

void TMainForm::SortierHandleTimerTimer() {
    if (OpenNewDialog) {
        OpenNewDialog = false;
        if (WettbewerbAufraeumen()) WettbewerbAufbauen("", true);
    }
    // While a start-order draw runs, its progress replaces the version text.
    int zustand = 0, aktuell = 0, maximal = 0;
    GetProgressStartreihenfolge(zustand, aktuell, maximal);
    if (zustand != SortStateIdle && maximal > 0) {
        const int prozent = aktuell * 100 / maximal;
        panel_[4]->setText(Q(std::to_string(prozent) + " %"));
        progress_->setValue(std::clamp(prozent * 100, 0, 10000));
        progress_->show();
    } else {
        panel_[4]->setText(VersionsText);
        progress_->hide();
    }
}


// ------------------------------------------------------------ drag and drop

void TMainForm::ZeileVerschieben(int VonZeile, int NachZeile) {
    if (!WettPtr) return;
    const int tab = AktuellerTab();
    if (GetSort(WettPtr, tab) != SortGruppe) return;
    TabAktualisieren(tab);
    const int zeilen = grid_[tab]->rowCount() + 1;
    if (VonZeile < 1 || NachZeile < 1 || VonZeile >= zeilen || NachZeile >= zeilen || VonZeile == NachZeile) return;
    if (!ZeileVerschiebenErlaubt(VonZeile, NachZeile)) return;
    const bool bewegt = StartGruppenRowMove(WettPtr, tab, VonZeile, NachZeile,
                                            [this, tab](int Zeile) { return ListenZellText(grid_[tab], Zeile, 2); });
    if (!bewegt) return;
    CheckDoppelBelegung(WettPtr);
    SetWettbewerbModified(WettPtr);
    WettbewerbNeuBerechnen();
    SortAll(WettPtr);
    FormPaint();
}

bool TMainForm::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    const auto typ = Ereignis->type();
    // Every dialog fits the screen it opens on (1366 x 768, 1280 x 720 and smaller).
    if (typ == QEvent::Show)
        if (auto* d = qobject_cast<QDialog*>(Objekt); d && d->isWindow()) DialogEinpassen(d);
    if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseMove && typ != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(Objekt, Ereignis);
    int tab = -1;
    for (int t : {TabTeilnehmer, TabStartreihenfolge, TabWertung, TabRefly, TabErgebnis})
        if (grid_[t]->IstFlaeche(Objekt)) tab = t;
    if (tab < 0 || !WettPtr || GetSort(WettPtr, tab) != SortGruppe) return QMainWindow::eventFilter(Objekt, Ereignis);
    auto* m = static_cast<QMouseEvent*>(Ereignis);
    TabellenGitter* g = grid_[tab];
    const int zeile = g->rowAt(static_cast<int>(m->position().y())) + 1; // 0: below the last row
    const int n = WettPtr->DurchgangNr;

    auto teilnehmerIn = [&](int r) -> TeilnehmerTyp* {
        if (r < 1) return nullptr;
        for (TeilnehmerTyp* p = WettPtr->TeilnehmerRootPtr; p; p = p->next)
            if (p->ZeilenNr[tab] == r) return p;
        return nullptr;
    };

    if (typ == QEvent::MouseButtonPress && m->button() == Qt::LeftButton) {
        TeilnehmerTyp* p = teilnehmerIn(zeile);
        if (p) {
            StringGridMouseDownTeilnehmer = CnvNameTypToNameStr(&p->Name, true);
            StringGridMouseDownGruppe = n >= 1 && n <= MaxDurchgaenge ? p->Gruppe[n] : 0;
            StringGridMouseDownRowIndex = zeile;
            dragTab_ = tab;
            dragPanel_->setText(Q(StringGridMouseDownTeilnehmer));
            dragPanel_->adjustSize();
            dragPanel_->move(mapFromGlobal(m->globalPosition().toPoint()) + QPoint(12, 12));
            dragPanel_->show();
            dragPanel_->raise();
        }
    } else if (typ == QEvent::MouseMove && dragPanel_->isVisible() && dragTab_ == tab) {
        int ziel = 0;
        if (TeilnehmerTyp* p = teilnehmerIn(zeile)) {
            ziel = n >= 1 && n <= MaxDurchgaenge ? p->Gruppe[n] : 0;
        } else {
            ziel = 1;
            for (int r = 1; r < (zeile > 0 ? zeile : g->rowCount() + 1); ++r)
                if (ListenZellText(g, r, 2).find_first_not_of(' ') == std::string::npos) ++ziel;
        }
        const bool gleich = ziel == StringGridMouseDownGruppe;
        dragPanel_->setText(Q(StringGridMouseDownTeilnehmer +
                              (gleich ? " - verschieben innerhalb Gruppe, neue Startplätze"
                                      : " - verschieben auf freien Startplatz in anderer Gruppe")));
        QPalette pal = dragPanel_->palette();
        pal.setColor(QPalette::Window, gleich ? QColor(0xFF, 0xFF, 0xCF) : QColor(0xCF, 0xFF, 0xCF));
        dragPanel_->setPalette(pal);
        dragPanel_->move(mapFromGlobal(m->globalPosition().toPoint()) + QPoint(12, 12));
    } else if (typ == QEvent::MouseButtonRelease && dragPanel_->isVisible()) {
        dragPanel_->hide();
        StringGridMouseUpRowIndex = zeile;
        if (dragTab_ == tab) ZeileVerschieben(StringGridMouseDownRowIndex, StringGridMouseUpRowIndex);
        dragTab_ = -1;
    }
    return QMainWindow::eventFilter(Objekt, Ereignis);
}

} // namespace tavuran
