#include "app/TPreviewForm.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "exchange/DateiZugriff.h"
#include "platform/Dialoge.h"
#include "platform/QtDruckCanvas.h"

namespace tavuran {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr const char* SortTitel[6] = {"Meldungsnr.", "Startnummer", "Name", "Startfolge", "Platz", "Team"};

// The room around the sheet in the page area.
constexpr int Rand = 4;

// The printer's page range dialog; false when cancelled.
bool StandardDruckDialog(QWidget* Eltern, QPrinter& Drucker, int MaxSeite, int& Von, int& Bis) {
    Drucker.setFromTo(1, MaxSeite);
    QPrintDialog dlg(&Drucker, Eltern);
    dlg.setWindowTitle("Drucken");
    dlg.setMinMax(1, MaxSeite);
    // The program draws only the pages of the range itself.
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dlg.exec() != QDialog::Accepted) return false;
    if (Drucker.printRange() == QPrinter::PageRange && Drucker.fromPage() > 0) {
        Von = Drucker.fromPage();
        Bis = std::max(Drucker.toPage(), Von);
    } else {
        Von = 1;
        Bis = MaxSeite;
    }
    return true;
}

// The file name a PDF of the document is offered under: its title without " drucken".
std::string PdfName(const std::string& Titel) {
    std::string n = Titel;
    const std::string weg = " drucken";
    if (n.size() > weg.size() && n.compare(n.size() - weg.size(), weg.size(), weg) == 0) n.resize(n.size() - weg.size());
    return (n.empty() ? std::string("Ausdruck") : n) + ".pdf";
}

} // namespace

// The page area: the current page on a sheet of the paper's proportions, or
// why there is nothing to print.
class VorschauSeite : public QWidget {
  public:
    explicit VorschauSeite(TPreviewForm* Form) : QWidget(Form), form_(Form) {
        setMinimumSize(200, 200);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    // Where the sheet lies in the area, and its image.
    QRect Blatt() const {
        const DruckDokument* d = form_->Dokument();
        if (!d || form_->AnzahlSeiten() < 1) return {};
        int b = 0, h = 0;
        VorschauSeitenGroesse(d->Papier(), width() - 2 * Rand, height() - 2 * Rand, b, h);
        const int x = d->Querformat() ? Rand : (width() - b) / 2;
        return {x, Rand, b, h};
    }
    // Drawn in device pixels, so that the text stays sharp on high-resolution screens.
    QImage Bild() const {
        const QRect r = Blatt();
        if (r.isEmpty()) return {};
        const double dpr = std::max(1.0, devicePixelRatioF());
        QImage bild = DruckSeiteAlsBild(*form_->Dokument(), form_->Seite(), static_cast<int>(r.width() * dpr),
                                        static_cast<int>(r.height() * dpr), true);
        bild.setDevicePixelRatio(dpr);
        return bild;
    }
    // The page changed (another document, page or style): drawn anew at the
    // next paint. Other paints reuse the image drawn last.
    void Verwerfen() {
        bild_ = QImage();
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 128));
        const QRect r = Blatt();
        if (r.isEmpty()) {
            const QRect kasten = rect().adjusted(40, 40, -40, -40);
            p.fillRect(kasten, Qt::white);
            QFont f = font();
            f.setPointSize(f.pointSize() + 2);
            p.setFont(f);
            p.drawText(kasten.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                       Q(form_->Meldung().empty() ? std::string("Es gibt nichts zu drucken.") : form_->Meldung()));
            return;
        }
        const double dpr = std::max(1.0, devicePixelRatioF());
        if (bild_.isNull() || bild_.size() != QSize(static_cast<int>(r.width() * dpr), static_cast<int>(r.height() * dpr)))
            bild_ = Bild();
        p.drawImage(r.topLeft(), bild_);
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(-1, -1, 0, 0));
    }

  private:
    TPreviewForm* form_;
    QImage bild_;
};

TPreviewForm::TPreviewForm(Anbindung Haupt, QWidget* Eltern) : QDialog(Eltern), haupt_(std::move(Haupt)) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);

    seitenFlaeche_ = new VorschauSeite(this);

    auto* seitenZeile = new QHBoxLayout;
    AusdruckSeiteLabel = new QLabel("Ausdruck Seite Nr.: ", this);
    ZurueckButton = new QPushButton("<", this);
    VorButton = new QPushButton(">", this);
    for (QPushButton* b : {ZurueckButton, VorButton}) b->setFixedWidth(44);
    seitenZeile->addWidget(ZurueckButton);
    seitenZeile->addWidget(VorButton);
    seitenZeile->addStretch();
    DruckButton = new QPushButton("Drucken", this);
    PdfButton = new QPushButton("PDF speichern", this);
    EndeButton = new QPushButton("Ende", this);

    FolgeGroupBox = new QGroupBox("Folge", this);
    auto* folge = new QVBoxLayout(FolgeGroupBox);
    sortGruppe_ = new QButtonGroup(this);
    for (int s = 0; s < 6; ++s) {
        SortButton[s] = new QRadioButton(SortTitel[s], FolgeGroupBox);
        sortGruppe_->addButton(SortButton[s], s);
        folge->addWidget(SortButton[s]);
    }
    SortButton[5]->setEnabled(false);

    DurchgangGroupBox = new QGroupBox("Durchgang", this);
    auto* dg = new QGridLayout(DurchgangGroupBox);
    durchgangGruppe_ = new QButtonGroup(this);
    for (int i = 1; i <= 10; ++i) {
        DurchgangButton[i] = new QRadioButton(QString::number(i), DurchgangGroupBox);
        durchgangGruppe_->addButton(DurchgangButton[i], i);
        dg->addWidget(DurchgangButton[i], (i - 1) % 5, (i - 1) / 5);
    }
    DurchgangButton[11] = new QRadioButton("weitere", DurchgangGroupBox);
    durchgangGruppe_->addButton(DurchgangButton[11], 11);
    WeitereEdit = new QLineEdit(DurchgangGroupBox);
    WeitereEdit->setValidator(new QIntValidator(0, 99, WeitereEdit));
    WeitereEdit->setMaximumWidth(48);
    dg->addWidget(DurchgangButton[11], 5, 0);
    dg->addWidget(WeitereEdit, 5, 1);
    VorrundenButton = new QRadioButton("Vorrnd.", DurchgangGroupBox);
    FlyOffButton = new QRadioButton("Fly Off", DurchgangGroupBox);
    durchgangGruppe_->addButton(VorrundenButton, 100 - DruckVorrunden);
    durchgangGruppe_->addButton(FlyOffButton, 100 - DruckFlyOffs);
    dg->addWidget(VorrundenButton, 6, 0);
    dg->addWidget(FlyOffButton, 6, 1);

    StilGroupBox = new QGroupBox("Stil", this);
    auto* stil = new QVBoxLayout(StilGroupBox);
    QuerformatCheckBox = new QCheckBox("Querformat", StilGroupBox);
    GrosseSchriftCheckBox = new QCheckBox("große Schrift", StilGroupBox);
    stil->addWidget(QuerformatCheckBox);
    stil->addWidget(GrosseSchriftCheckBox);

    auto* seite = new QWidget(this);
    seite->setFixedWidth(200);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(AusdruckSeiteLabel);
    spalte->addLayout(seitenZeile);
    spalte->addWidget(DruckButton);
    spalte->addWidget(PdfButton);
    spalte->addWidget(EndeButton);
    spalte->addSpacing(8);
    spalte->addWidget(FolgeGroupBox);
    spalte->addWidget(DurchgangGroupBox);
    spalte->addWidget(StilGroupBox);
    spalte->addStretch();

    auto* haupt = new QHBoxLayout(this);
    haupt->setContentsMargins(4, 4, 4, 4);
    haupt->addWidget(seitenFlaeche_, 1);
    haupt->addWidget(seite);

    connect(ZurueckButton, &QPushButton::clicked, this, [this] { VorigeSeite(); });
    connect(VorButton, &QPushButton::clicked, this, [this] { NaechsteSeite(); });
    connect(DruckButton, &QPushButton::clicked, this, [this] { DruckButtonClick(); });
    connect(PdfButton, &QPushButton::clicked, this, [this] { PdfSpeichernClick(); });
    connect(EndeButton, &QPushButton::clicked, this, [this] { EndeButtonClick(); });
    connect(sortGruppe_, &QButtonGroup::idClicked, this, [this](int s) {
        if (steuerungAktiv_) SortRadioButtonChanged(s);
    });
    connect(durchgangGruppe_, &QButtonGroup::idClicked, this, [this](int k) {
        if (steuerungAktiv_) DurchgangRadioButtonChanged(k > 11 ? 100 - k : k);
    });
    connect(WeitereEdit, &QLineEdit::editingFinished, this, [this] {
        if (steuerungAktiv_ && isVisible() && WeitereEdit->isModified()) {
            WeitereEdit->setModified(false);
            DurchgangRadioButtonChanged(11);
        }
    });
    connect(QuerformatCheckBox, &QCheckBox::toggled, this, [this](bool an) { QuerformatClick(an); });
    connect(GrosseSchriftCheckBox, &QCheckBox::toggled, this, [this](bool an) { GrosseSchriftClick(an); });
    // Page Down and Page Up page through the document.
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            [this] { NaechsteSeite(); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this, [this] { VorigeSeite(); });
    // Enter in the number field must not press a button.
    for (QPushButton* b : {ZurueckButton, VorButton, DruckButton, PdfButton, EndeButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

TPreviewForm::~TPreviewForm() = default;

int TPreviewForm::AnzahlSeiten() const { return dok_ ? dok_->AnzahlSeiten() : 0; }

QImage TPreviewForm::SeitenBild() const { return seitenFlaeche_->Bild(); }

void TPreviewForm::Oeffnen(WettbewerbTyp* Wett, const VorschauZustand& Zustand, const std::string& Titel) {
    if (!Wett) return;
    // Opened again while showing: the round to go back to stays the one from before the first opening.
    if (!(isVisible() && wett_ == Wett)) formerDurchgang_ = haupt_.GetDurchgangNr ? haupt_.GetDurchgangNr() : 1;
    wett_ = Wett;
    z_ = Zustand;
    formerSort_ = z_.AktSort;
    if (haupt_.SetDurchgangNr && z_.AktDurchgang >= 1 && z_.AktDurchgang <= Wett->AnzDurchgaenge)
        haupt_.SetDurchgangNr(z_.AktDurchgang);
    setWindowTitle(Q(Titel));
    Neuaufbau(true);
    if (!isVisible()) {
        // Nearly the whole screen: the page is as large as it can be.
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect r = s->availableGeometry();
            setGeometry(r.left() + 2, r.top() + 2, std::max(r.width() - 4, 400), std::max(r.height() - 40, 300));
        }
    }
    show();
    raise();
    activateWindow();
}

void TPreviewForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (!Wett || Wett != wett_) return;
    wett_ = nullptr;
    dok_.reset();
    meldung_.clear();
    hide();
}

void TPreviewForm::Neuaufbau(bool Seite1) {
    if (!wett_) {
        dok_.reset();
        meldung_ = "Es ist kein Wettbewerb geöffnet.";
    } else {
        if (haupt_.Druckfarbe) z_.Farbmodus = haupt_.Druckfarbe();
        if (haupt_.TeamAnzeigen) z_.TeamAnzeigen = haupt_.TeamAnzeigen();
        DruckAuftrag a = VorschauDruckAuftrag(z_);
        a.Zettelzugang = haupt_.Zettelzugang;
        dok_ = DruckDokumentErstellen(wett_, a, meldung_);
        if (dok_ && dok_->AnzahlSeiten() < 1 && meldung_.empty()) meldung_ = "Es gibt nichts zu drucken.";
        // Later builds keep the style chosen here.
        if (z_.Art == DruckArt::Startliste) z_.DruckAttributeWaehlen = false;
    }
    const int n = AnzahlSeiten();
    seite_ = Seite1 ? 1 : std::clamp(seite_, 1, std::max(n, 1));
    ReDraw();
}

void TPreviewForm::ReDraw() {
    steuerungAktiv_ = false;
    const int client = VorschauClient(z_.Art);
    const bool scalable = z_.Art == DruckArt::Startliste && wett_ && wett_->Scalable;
    const VorschauGruppen g = VorschauGruppenSichtbar(client, z_.AktSort, scalable);
    const int n = AnzahlSeiten();

    // Style of a start list.
    StilGroupBox->setVisible(g.Stil);
    if (g.Stil) {
        QuerformatCheckBox->setChecked(wett_->Orientierung == 1);
        GrosseSchriftCheckBox->setChecked(wett_->GroesseSchrift == 3);
        GrosseSchriftCheckBox->setEnabled(QuerformatCheckBox->isChecked());
    }

    AusdruckSeiteLabel->setText(g.Blaettern && n > 0 ? "Ausdruck Seite Nr.: " + QString::number(seite_) +
                                                           "  (von " + QString::number(n) + ")"
                                                     : QString());
    ZurueckButton->setEnabled(g.Blaettern && seite_ > 1);
    VorButton->setEnabled(g.Blaettern && seite_ < n);
    DruckButton->setEnabled(n > 0);
    PdfButton->setEnabled(n > 0);

    FolgeGroupBox->setVisible(g.Folge);
    if (z_.AktSort >= 0 && z_.AktSort <= 5) SortButton[z_.AktSort]->setChecked(true);
    SortButton[5]->setEnabled(g.TeamSortierung);

    DurchgangGroupBox->setVisible(g.Durchgang);
    const int anz = wett_ ? wett_->AnzDurchgaenge : 0;
    for (int i = 1; i <= 10; ++i) {
        DurchgangButton[i]->setText(wett_ && i <= anz ? Q(L_STR_Unblank(GetDurchgangBezeichner(wett_, i, true, true)))
                                                      : QString::number(i));
        DurchgangButton[i]->setEnabled(i <= anz);
    }
    DurchgangButton[11]->setEnabled(anz > 10);
    WeitereEdit->setEnabled(anz > 10);
    FlyOffButton->setEnabled(wett_ && wett_->AnzVorrunden < anz);
    if (z_.RundenWahl == DruckVorrunden) {
        VorrundenButton->setChecked(true);
    } else if (z_.RundenWahl == DruckFlyOffs) {
        FlyOffButton->setChecked(true);
    } else if (z_.AktDurchgang > 10) {
        DurchgangButton[11]->setChecked(true);
        WeitereEdit->setText(QString::number(z_.AktDurchgang));
    } else {
        // A round the competition no longer has: button 1.
        const int k = std::clamp(z_.AktDurchgang, 1, 10);
        DurchgangButton[k <= anz ? k : 1]->setChecked(true);
    }
    if (z_.RundenWahl != 0 || z_.AktDurchgang <= 10) WeitereEdit->clear();
    steuerungAktiv_ = true;
    SeiteAnzeigen();
}

void TPreviewForm::SeiteAnzeigen() { seitenFlaeche_->Verwerfen(); }

void TPreviewForm::SortRadioButtonChanged(int Sort) {
    if (!wett_ || Sort < 0 || Sort > 5) return;
    z_.AktSort = Sort;
    if (VorschauClient(z_.Art) == VorschauListen) {
        // A list is rebuilt for the main window's current round, and the round
        // buttons show that round.
        z_.RundenWahl = 0;
        if (haupt_.GetDurchgangNr) z_.AktDurchgang = haupt_.GetDurchgangNr();
    }
    Neuaufbau(true);
}

void TPreviewForm::DurchgangRadioButtonChanged(int Knopf) {
    if (!wett_) return;
    const int anz = wett_->AnzDurchgaenge;
    if (Knopf >= 1 && Knopf <= 11) {
        int nr = Knopf;
        if (Knopf == 11) {
            if (anz <= 10) return;
            nr = WeitererDurchgang(L_STR_CnvStrToInteger(L_STR_Unblank(WeitereEdit->text().toStdString())), anz);
        } else if (Knopf > anz) {
            return;
        }
        z_.AktDurchgang = nr;
        z_.RundenWahl = 0;
        if (haupt_.SetDurchgangNr) haupt_.SetDurchgangNr(nr);
    } else if (Knopf == DruckVorrunden || (Knopf == DruckFlyOffs && wett_->AnzVorrunden < anz)) {
        z_.AktDurchgang = 1;
        z_.RundenWahl = Knopf;
    } else {
        ReDraw();
        return;
    }
    Neuaufbau(true);
}

void TPreviewForm::WeitereEingeben(const std::string& Text) {
    WeitereEdit->setText(Q(Text));
    DurchgangRadioButtonChanged(11);
}

void TPreviewForm::QuerformatClick(bool An) {
    if (!steuerungAktiv_ || !wett_ || !wett_->Scalable || z_.Art != DruckArt::Startliste) return;
    wett_->Orientierung = An ? 1 : 2;
    // Large print only goes with landscape here: unticking it also unticks "große Schrift".
    if (!An) wett_->GroesseSchrift = 2;
    SetWettbewerbModified(wett_);
    Neuaufbau(true);
}

void TPreviewForm::GrosseSchriftClick(bool An) {
    if (!steuerungAktiv_ || !wett_ || !wett_->Scalable || z_.Art != DruckArt::Startliste) return;
    if (!QuerformatCheckBox->isChecked()) return;
    wett_->GroesseSchrift = An ? 3 : 2;
    SetWettbewerbModified(wett_);
    Neuaufbau(true);
}

void TPreviewForm::NaechsteSeite() {
    if (seite_ >= AnzahlSeiten() || VorschauClient(z_.Art) == VorschauKanalstatistik) return;
    ++seite_;
    ReDraw();
}

void TPreviewForm::VorigeSeite() {
    if (seite_ <= 1 || VorschauClient(z_.Art) == VorschauKanalstatistik) return;
    --seite_;
    ReDraw();
}

void TPreviewForm::StatusErhoehen() {
    if (wett_ && dok_) SetWettbewerbsStatus(wett_, dok_->Status, false);
}

bool TPreviewForm::Drucken(QPrinter& Drucker, int Von, int Bis) {
    DruckGeraetEinrichten(*dok_, Drucker);
    return DruckSeitenAusgeben(*dok_, Drucker, Von, Bis);
}

void TPreviewForm::DruckButtonClick() {
    if (!wett_) return;
    Neuaufbau(false); // the competition may have changed since the page was drawn
    const int n = AnzahlSeiten();
    if (n < 1) return;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(Q(dok_->Titel));
    DruckGeraetEinrichten(*dok_, drucker);
    int von = 1, bis = n;
    // The groups are hidden while printing.
    const bool folge = FolgeGroupBox->isVisible(), durchgang = DurchgangGroupBox->isVisible();
    FolgeGroupBox->hide();
    DurchgangGroupBox->hide();
    const bool ok = druckDialog_ ? druckDialog_(drucker, n, von, bis) : StandardDruckDialog(this, drucker, n, von, bis);
    bool gedruckt = true;
    // The dialog is modal, but the document may have been rebuilt meanwhile
    // (the window was activated again), or the competition closed.
    const int m = AnzahlSeiten();
    if (ok && wett_ && m > 0) {
        von = std::clamp(von, 1, m);
        bis = std::clamp(bis, von, m);
        gedruckt = Drucken(drucker, von, bis);
        if (!gedruckt) UiWarnung("Drucken", "Der Ausdruck konnte nicht gestartet werden: der Drucker ist nicht bereit.");
    }
    FolgeGroupBox->setVisible(folge);
    DurchgangGroupBox->setVisible(durchgang);
    // A print raises the progress mark, also when the dialog was cancelled.
    if (gedruckt) StatusErhoehen();
}

void TPreviewForm::PdfSpeichernClick() {
    if (!wett_) return;
    Neuaufbau(false);
    if (AnzahlSeiten() < 1) return;
    DateiDialogAnfrage a;
    a.Sichern = true;
    a.Titel = "PDF speichern";
    a.Filter = "PDF-Datei (*.pdf)|*.pdf";
    const std::string& wettDatei = wett_->WettbewerbFileNamen[0];
    a.StartOrdner = wettDatei.empty() ? std::string() : L_FILE_GetFilePath(wettDatei);
    a.StartName = PdfName(dok_->Titel);
    const DateiDialogErgebnis e = DateiDialog(this, a);
    if (!e.Ok || e.Datei.empty() || !wett_ || !dok_) return;
    std::string datei = e.Datei;
    if (L_STR_Upcase(L_FILE_GetFileExt(datei)) != ".PDF") datei += ".pdf";
    std::string grund = EingabeUeberschreibenGrund(datei, {wett_->WettbewerbFileNamen[0]});
    if (!grund.empty()) {
        UiWarnung("PDF speichern", grund);
        return;
    }
    // The name with ".pdf" added is not the one the dialog asked about.
    if (datei != e.Datei && L_FILE_Exist(datei) &&
        UiFrage("PDF speichern", "Die Datei „" + datei + "“ gibt es schon. Soll sie ersetzt werden?") != UiAntwort::Ja)
        return;
    if (!DruckPdfSchreiben(*dok_, datei, grund)) {
        UiWarnung("PDF speichern", "Die PDF-Datei „" + datei + "“ konnte nicht geschrieben werden:\n" + grund);
        return;
    }
    StatusErhoehen();
}

void TPreviewForm::EndeButtonClick() {
    if (wett_) {
        const int r = std::clamp(formerDurchgang_, 1, std::max(wett_->AnzDurchgaenge, 1));
        if (haupt_.SetDurchgangNr && haupt_.GetDurchgangNr && haupt_.GetDurchgangNr() != r) haupt_.SetDurchgangNr(r);
    }
    z_.AktSort = formerSort_;
    wett_ = nullptr;
    dok_.reset();
    hide();
}

void TPreviewForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    ReDraw();
}

void TPreviewForm::WettbewerbGeaendert(WettbewerbTyp* Wett) {
    if (wett_ && wett_ == Wett && isVisible()) Neuaufbau(false);
}

void TPreviewForm::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    // Back from the main window: the competition may have been edited there.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible() && wett_) Neuaufbau(false);
}

void TPreviewForm::closeEvent(QCloseEvent* e) {
    EndeButtonClick();
    e->accept();
}

void TPreviewForm::reject() { EndeButtonClick(); }

} // namespace tavuran
