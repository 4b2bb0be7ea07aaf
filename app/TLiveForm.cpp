#include "app/TLiveForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QNetworkInterface>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "live/LiveAushang.h"
#include "live/LiveZugang.h"
#include "netz/LiveServer.h"
#include "platform/Dialoge.h"
#include "platform/QtDruckCanvas.h"
#include "reports/QrCode.h"

namespace tavuran {

namespace {

QPixmap QrBild(const std::string& Text, int Modul) {
    const QrMatrixTyp q = QrCodeBerechnen(Text);
    if (q.Groesse <= 0) return {};
    const int n = q.Groesse + 8;
    QImage bild(n * Modul, n * Modul, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    for (int y = 0; y < q.Groesse; ++y)
        for (int x = 0; x < q.Groesse; ++x)
            if (q.At(x, y)) p.fillRect((x + 4) * Modul, (y + 4) * Modul, Modul, Modul, Qt::black);
    return QPixmap::fromImage(bild);
}

} // namespace

std::vector<std::string> LiveNetzAdressen() {
    std::vector<std::string> aussen, innen;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (!(i.flags() & QNetworkInterface::IsUp)) continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            if (e.ip().protocol() != QAbstractSocket::IPv4Protocol) continue;
            (e.ip().isLoopback() ? innen : aussen).push_back(e.ip().toString().toStdString());
        }
    }
    aussen.insert(aussen.end(), innen.begin(), innen.end());
    return aussen;
}

TLiveForm::TLiveForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Live-Ergebnisse");
    auto* l = new QVBoxLayout(this);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel("Port:", this));
    port_ = new QSpinBox(this);
    port_->setRange(0, 65535);
    port_->setSpecialValueText("frei");
    port_->setValue(8080);
    zeile->addWidget(port_);
    starten_ = new QPushButton("&Starten", this);
    zeile->addWidget(starten_);
    zeile->addStretch();
    l->addLayout(zeile);
    nurLesen_ = new QCheckBox("nur Ergebnisse (keine Eingabe)", this);
    l->addWidget(nurLesen_);
    status_ = new QLabel(this);
    l->addWidget(status_);
    adressFeld_ = new QWidget(this);
    adressLayout_ = new QGridLayout(adressFeld_);
    l->addWidget(adressFeld_);
    auto* knoepfe = new QHBoxLayout;
    aushang_ = new QPushButton("&Aushang drucken …", this);
    erneuern_ = new QPushButton("Zugangscodes &erneuern", this);
    auto* schliessen = new QPushButton("S&chließen", this);
    knoepfe->addWidget(aushang_);
    knoepfe->addWidget(erneuern_);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    l->addLayout(knoepfe);
    meldung_ = new QLabel(this);
    meldung_->setWordWrap(true);
    l->addWidget(meldung_);
    connect(starten_, &QPushButton::clicked, this, [this] {
        if (server_ && server_->Laeuft())
            StoppenClick();
        else
            StartenClick();
    });
    connect(nurLesen_, &QCheckBox::toggled, this, [this](bool an) {
        if (server_) server_->Dienst().SetNurLesen(an);
    });
    connect(aushang_, &QPushButton::clicked, this, [this] { AushangDruckenClick(); });
    connect(erneuern_, &QPushButton::clicked, this, [this] {
        if (DialogFrage(this, "Zugangscodes erneuern",
                        "Alle Zugangscodes werden ersetzt; jeder gedruckte Startzettel-Code wird ungültig. Fortfahren?",
                        false) == DialogAntwort::Ja)
            ZugangErneuernClick();
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::hide);
}

void TLiveForm::Binden(WettbewerbTyp* Wett, const std::string& Datei, LiveServer* Server) {
    wett_ = Wett;
    datei_ = Datei;
    server_ = Server;
    if (server_) nurLesen_->setChecked(server_->Dienst().NurLesen());
    Aktualisieren();
}

void TLiveForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != wett_) return;
    wett_ = nullptr;
    datei_.clear();
    Aktualisieren();
}

QString TLiveForm::Meldung() const { return meldung_->text(); }

bool TLiveForm::StartenClick() {
    if (!wett_ || !server_) return false;
    std::string grund;
    if (!server_->Dienst().Offen() && !server_->Dienst().Oeffnen(wett_, datei_, grund)) {
        meldung_->setText(QString::fromStdString(grund));
        return false;
    }
    server_->Dienst().SetNurLesen(nurLesen_->isChecked());
    QString g;
    if (!server_->Starten(QHostAddress::Any, static_cast<quint16>(port_->value()), g)) {
        meldung_->setText(g);
        return false;
    }
    // The links of the start sheets point to the first address of the laptop.
    const std::vector<std::string> a = LiveNetzAdressen();
    ZugangListeTyp l;
    if (!a.empty() && ZugangLesen(ZugangDateiName(datei_), l, grund)) {
        const std::string basis = ZugangBasis(a.front(), server_->Port());
        if (l.Basis != basis) {
            l.Basis = basis;
            if (!ZugangSchreiben(ZugangDateiName(datei_), l, grund)) meldung_->setText(QString::fromStdString(grund));
        }
    }
    meldung_->clear();
    Aktualisieren();
    return true;
}

void TLiveForm::StoppenClick() {
    if (server_) server_->Stoppen();
    Aktualisieren();
}

bool TLiveForm::ZugangErneuernClick() {
    if (!wett_ || datei_.empty()) return false;
    ZugangListeTyp l;
    std::string grund;
    const bool ok = ZugangLesen(ZugangDateiName(datei_), l, grund) && ZugangErneuern(l, grund) &&
                    ZugangSchreiben(ZugangDateiName(datei_), l, grund) &&
                    (!server_ || server_->Dienst().ZugangNeuLesen(grund));
    meldung_->setText(ok ? QString("%1 Zugangscodes erneuert; die Startzettel bitte neu drucken.").arg(l.Codes.size())
                         : QString::fromStdString(grund));
    return ok;
}

bool TLiveForm::AushangDruckenClick(const std::string& PdfDatei) {
    if (!wett_ || adressen_.empty()) return false;
    const auto dok = LiveAushangDokument(wett_->Name, adressen_.front(), nurLesen_->isChecked());
    if (!PdfDatei.empty()) {
        std::string grund;
        const bool ok = DruckPdfSchreiben(*dok, PdfDatei, grund);
        if (!ok) meldung_->setText(QString::fromStdString(grund));
        return ok;
    }
    QPrinter drucker(QPrinter::HighResolution);
    DruckGeraetEinrichten(*dok, drucker);
    QPrintDialog d(&drucker, this);
    if (d.exec() != QDialog::Accepted) return false;
    return DruckSeitenAusgeben(*dok, drucker, 1, 1);
}

void TLiveForm::AdressenZeigen() {
    const int port = server_ && server_->Laeuft() ? server_->Port() : 0;
    if (port == adressPort_) return;
    adressPort_ = port;
    while (QLayoutItem* i = adressLayout_->takeAt(0)) {
        delete i->widget();
        delete i;
    }
    adressen_.clear();
    if (!server_ || !server_->Laeuft()) return;
    int r = 0;
    for (const std::string& a : LiveNetzAdressen()) {
        const std::string url = ZugangBasis(a, server_->Port()) + "/";
        adressen_.push_back(url);
        auto* text = new QLabel(QString::fromStdString(url), adressFeld_);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* bild = new QLabel(adressFeld_);
        bild->setPixmap(QrBild(url, 3));
        adressLayout_->addWidget(bild, r, 0);
        adressLayout_->addWidget(text, r, 1);
        ++r;
    }
}

void TLiveForm::Aktualisieren() {
    const bool laeuft = server_ && server_->Laeuft();
    starten_->setText(laeuft ? "&Stoppen" : "&Starten");
    starten_->setEnabled(wett_ && server_);
    port_->setEnabled(!laeuft);
    aushang_->setEnabled(laeuft);
    erneuern_->setEnabled(wett_ && !datei_.empty());
    status_->setText(laeuft ? QString("Der Server läuft auf Port %1; %2 Telefone in der letzten Minute.")
                                  .arg(server_->Port())
                                  .arg(server_->TelefoneLetzteMinute())
                            : QString("Der Server ist gestoppt."));
    AdressenZeigen();
}

} // namespace tavuran
