#include "app/TEingaengeForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "live/LiveDienst.h"
#include "live/LiveEingabe.h"

namespace tavuran {

TEingaengeForm::TEingaengeForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Eingänge");
    auto* l = new QVBoxLayout(this);
    liste_ = new QTableWidget(this);
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->verticalHeader()->hide();
    liste_->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(liste_);
    meldung_ = new QLabel(this);
    meldung_->setWordWrap(true);
    l->addWidget(meldung_);
    auto* knoepfe = new QHBoxLayout;
    annehmen_ = new QPushButton("&Annehmen", this);
    alle_ = new QPushButton("Alle &gültigen annehmen", this);
    ablehnen_ = new QPushButton("A&blehnen …", this);
    auto* schliessen = new QPushButton("S&chließen", this);
    for (QPushButton* b : {annehmen_, alle_, ablehnen_}) knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    l->addLayout(knoepfe);
    connect(annehmen_, &QPushButton::clicked, this, [this] { AnnehmenClick(); });
    connect(alle_, &QPushButton::clicked, this, [this] { AlleAnnehmenClick(); });
    connect(ablehnen_, &QPushButton::clicked, this, [this] {
        const int id = AusgewaehlteId();
        if (id == 0) return;
        bool ok = false;
        const QString g = QInputDialog::getText(this, "Eingang ablehnen",
                                                "Grund (das Telefon zeigt ihn):", QLineEdit::Normal, {}, &ok);
        if (ok) AblehnenClick(id, g.toStdString());
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::hide);
    resize(1100, 420);
}

void TEingaengeForm::Binden(WettbewerbTyp* Wett, LiveDienst* Dienst, std::function<void()> Neuberechnen) {
    wett_ = Wett;
    dienst_ = Dienst;
    neuberechnen_ = std::move(Neuberechnen);
    Aktualisieren();
}

void TEingaengeForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != wett_) return;
    wett_ = nullptr;
    dienst_ = nullptr;
    neuberechnen_ = nullptr;
    hide();
    Aktualisieren();
}

QString TEingaengeForm::Meldung() const { return meldung_->text(); }

void TEingaengeForm::Aktualisieren() {
    const std::vector<std::string> spalten = EingangSpalten();
    liste_->setColumnCount(static_cast<int>(spalten.size()));
    QStringList k;
    for (const std::string& s : spalten) k << QString::fromStdString(s);
    liste_->setHorizontalHeaderLabels(k);
    const int auswahl = AusgewaehlteId();
    liste_->setRowCount(0);
    const bool da = wett_ && dienst_ && dienst_->Offen();
    for (QPushButton* b : {annehmen_, alle_, ablehnen_}) b->setEnabled(da);
    if (!da) return;
    const EingaengeTyp& e = dienst_->Eingaenge();
    liste_->setRowCount(static_cast<int>(e.Liste.size()));
    // The newest on top.
    int zeile = 0;
    for (auto it = e.Liste.rbegin(); it != e.Liste.rend(); ++it, ++zeile) {
        const std::vector<std::string> z = EingangZellen(wett_, e, *it);
        for (int s = 0; s < static_cast<int>(z.size()); ++s) {
            auto* item = new QTableWidgetItem(QString::fromStdString(z[static_cast<std::size_t>(s)]));
            item->setData(Qt::UserRole, it->Id);
            if (it->Status == EingangStatus::Offen) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            liste_->setItem(zeile, s, item);
        }
        if (it->Id == auswahl) liste_->selectRow(zeile);
    }
    liste_->resizeColumnsToContents();
}

int TEingaengeForm::AusgewaehlteId() const {
    const int r = liste_->currentRow();
    const QTableWidgetItem* i = r >= 0 ? liste_->item(r, 0) : nullptr;
    return i ? i->data(Qt::UserRole).toInt() : 0;
}

bool TEingaengeForm::Annehmen(int Id, std::string& Grund) {
    const EingangTyp* e = EingangVon(dienst_->Eingaenge(), Id);
    if (!e) {
        Grund = "Es gibt keinen Eingang " + std::to_string(Id) + ".";
        return false;
    }
    const EingangTyp kopie = *e;
    if (!EingangUebernehmen(wett_, kopie, Grund)) return false;
    // The journal records the acceptance when the competition is saved.
    return dienst_->AnnahmeVormerken(Id, Grund);
}

bool TEingaengeForm::AnnehmenClick(int Id) {
    if (!wett_ || !dienst_) return false;
    if (Id == 0) Id = AusgewaehlteId();
    if (Id == 0) return false;
    std::string grund;
    const bool ok = Annehmen(Id, grund);
    meldung_->setText(ok ? QString("Eingang %1 angenommen.").arg(Id)
                         : QString("Eingang %1 nicht angenommen: %2").arg(Id).arg(QString::fromStdString(grund)));
    if (ok && neuberechnen_) neuberechnen_();
    Aktualisieren();
    return ok;
}

int TEingaengeForm::AlleAnnehmenClick() {
    if (!wett_ || !dienst_) return 0;
    int n = 0;
    QString fehler;
    for (int id : EingaengeOhneKorrektur(dienst_->Eingaenge())) {
        std::string grund;
        if (Annehmen(id, grund))
            ++n;
        else
            fehler += QString("\nEingang %1: %2").arg(id).arg(QString::fromStdString(grund));
    }
    meldung_->setText(QString("%1 Eingänge angenommen; Korrekturen warten auf eine Entscheidung einzeln.").arg(n) + fehler);
    if (n > 0 && neuberechnen_) neuberechnen_();
    Aktualisieren();
    return n;
}

bool TEingaengeForm::AblehnenClick(int Id, const std::string& Grund) {
    if (!wett_ || !dienst_) return false;
    std::string fehler;
    const bool ok = EingangAbgelehntVermerken(dienst_->Journal(), dienst_->Eingaenge(), Id, Grund, fehler);
    meldung_->setText(ok ? QString("Eingang %1 abgelehnt.").arg(Id)
                         : QString("Eingang %1 nicht abgelehnt: %2").arg(Id).arg(QString::fromStdString(fehler)));
    Aktualisieren();
    return ok;
}

} // namespace tavuran
