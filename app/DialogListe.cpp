#include "app/DialogListe.h"

#include <algorithm>

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include "app/TMainForm.h"

namespace tavuran {

namespace {

constexpr int EdvNrRolle = Qt::UserRole + 1;

QTableWidgetItem* ItemVon(QTableWidget* g, int Zeile, int Spalte) {
    if (Zeile < 1 || Spalte < 0 || Spalte >= g->columnCount()) return nullptr;
    if (Zeile > g->rowCount()) g->setRowCount(Zeile);
    QTableWidgetItem* it = g->item(Zeile - 1, Spalte);
    if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        g->setItem(Zeile - 1, Spalte, it);
    }
    return it;
}

} // namespace

void ListenZelle(QTableWidget* g, int Zeile, int Spalte, const std::string& Text, bool Editierbar) {
    QTableWidgetItem* it = ItemVon(g, Zeile, Spalte);
    if (!it) return;
    it->setText(QString::fromStdString(Text));
    it->setFlags(Editierbar ? (Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable)
                            : (Qt::ItemIsSelectable | Qt::ItemIsEnabled));
}

std::string ListenZellText(const QTableWidget* g, int Zeile, int Spalte) {
    if (Zeile < 1 || Zeile > g->rowCount()) return {};
    const QTableWidgetItem* it = g->item(Zeile - 1, Spalte);
    return it ? it->text().toStdString() : std::string();
}

void ListenKopf(QTableWidget* g, int Spalte, const std::string& Text) {
    if (Spalte < 0 || Spalte >= g->columnCount()) return;
    QTableWidgetItem* it = g->horizontalHeaderItem(Spalte);
    if (!it) {
        it = new QTableWidgetItem;
        g->setHorizontalHeaderItem(Spalte, it);
    }
    it->setText(QString::fromStdString(Text));
}

int ListenEdvNr(const QTableWidget* g, int Zeile) {
    if (Zeile < 1 || Zeile > g->rowCount()) return 0;
    const QTableWidgetItem* it = g->item(Zeile - 1, 0);
    return it ? it->data(EdvNrRolle).toInt() : 0;
}

void ListenEdvNrSetzen(QTableWidget* g, int Zeile, int EdvNr) {
    if (QTableWidgetItem* it = ItemVon(g, Zeile, 0)) it->setData(EdvNrRolle, EdvNr);
}

void ListeLeeren(QTableWidget* g) {
    for (int r = 1; r <= g->rowCount(); ++r) {
        for (int c = 0; c < g->columnCount(); ++c)
            if (QTableWidgetItem* it = g->item(r - 1, c)) {
                it->setText(QString());
                it->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            }
        if (QTableWidgetItem* it = g->item(r - 1, 0)) it->setData(EdvNrRolle, 0);
    }
}

int ListenAuswahl(const QTableWidget* g) {
    const auto bereiche = g->selectedRanges();
    if (!bereiche.isEmpty()) {
        int oben = bereiche.first().topRow();
        for (const auto& b : bereiche) oben = std::min(oben, b.topRow());
        return oben + 1;
    }
    return g->currentRow() >= 0 ? g->currentRow() + 1 : 0;
}

DialogListenFilter HauptfensterListenFilter() {
    DialogListenFilter f;
    if (MainForm) {
        f.Jugendliche = MainForm->JugendlicheGezeigt();
        f.Senioren = MainForm->SeniorenGezeigt();
        f.Team = MainForm->TeamInStartliste();
    }
    return f;
}

std::vector<DialogTeilnehmerZeile> TeilnehmerListeFuellen(QTableWidget* g, WettbewerbTyp* Wett, int DurchgangNr,
                                                          const DialogListenFilter& Filter, int MinZeilen) {
    ListeLeeren(g);
    ListenKopf(g, 0, "Gruppe");
    ListenKopf(g, 1, "Startnr.");
    ListenKopf(g, 2, "Name");
    ListenKopf(g, 3, Filter.Team ? "Team" : "Verein");
    std::vector<DialogTeilnehmerZeile> zeilen = DialogTeilnehmerListe(Wett, DurchgangNr, Filter);
    g->setRowCount(std::max(MinZeilen, static_cast<int>(zeilen.size())));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const DialogTeilnehmerZeile& z = zeilen[i];
        if (z.EdvNr == 0) continue;
        const int r = static_cast<int>(i) + 1;
        ListenZelle(g, r, 0, z.GruppeText);
        ListenZelle(g, r, 1, std::to_string(z.StartNr));
        ListenZelle(g, r, 2, z.Name);
        ListenZelle(g, r, 3, z.VereinTeam);
        ListenEdvNrSetzen(g, r, z.EdvNr);
    }
    return zeilen;
}

void SpalteEinpassen(QTableWidget* g, int Spalte, const std::vector<std::string>& Texte) {
    if (Spalte < 0 || Spalte >= g->columnCount()) return;
    const QFontMetrics zelle(g->font());
    const QFontMetrics kopf(g->horizontalHeader()->font());
    const QTableWidgetItem* k = g->horizontalHeaderItem(Spalte);
    int breite = k ? kopf.horizontalAdvance(k->text()) + GetFontFactor(16) : 0;
    for (const std::string& t : Texte)
        breite = std::max(breite, zelle.horizontalAdvance(QString::fromStdString(t)) + GetFontFactor(10));
    g->setColumnWidth(Spalte, std::max(breite, GetFontFactor(24)));
}

void SpaltenEinpassen(QTableWidget* g) {
    for (int c = 0; c < g->columnCount(); ++c) {
        std::vector<std::string> texte;
        for (int r = 1; r <= g->rowCount(); ++r) texte.push_back(ListenZellText(g, r, c));
        SpalteEinpassen(g, c, texte);
    }
}

int ListeMindestbreite(QTableWidget* g) {
    int breite = 2 * g->frameWidth() + g->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < g->columnCount(); ++c) breite += g->columnWidth(c);
    g->setMinimumWidth(breite);
    return breite;
}

void DialogEinpassen(QWidget* d) {
    const QScreen* s = d->screen() ? d->screen() : QGuiApplication::primaryScreen();
    const QRect platz = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    // The window frame (title bar, borders) needs its room too.
    const QSize rahmen = d->frameGeometry().size() - d->geometry().size();
    const QSize frei = (platz.size() - rahmen.expandedTo(QSize(0, 0))).expandedTo(QSize(200, 150));
    QSize soll = d->size();
    if (d->layout()) soll = soll.expandedTo(d->layout()->minimumSize());
    if (soll.width() > frei.width() || soll.height() > frei.height()) {
        // Lists scroll: their minimum sizes give way to the screen.
        for (QAbstractScrollArea* a : d->findChildren<QAbstractScrollArea*>()) a->setMinimumSize(0, 0);
        if (d->layout()) d->layout()->activate();
    }
    d->setMinimumSize(d->minimumSize().boundedTo(frei));
    soll = soll.boundedTo(frei);
    d->resize(soll);
    const QSize aussen = soll + rahmen;
    const int x = std::clamp(d->x(), platz.left(), std::max(platz.left(), platz.right() + 1 - aussen.width()));
    const int y = std::clamp(d->y(), platz.top(), std::max(platz.top(), platz.bottom() + 1 - aussen.height()));
    d->move(x, y);
}

void ListeEinrichten(QTableWidget* g, int Spalten) {
    g->setColumnCount(Spalten);
    g->verticalHeader()->hide();
    QFont schrift = g->font();
    schrift.setPixelSize(GetFontFactor(11));
    g->setFont(schrift);
    g->verticalHeader()->setDefaultSectionSize(GetFontFactor(16) + 4);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->horizontalHeader()->setHighlightSections(false);
}

} // namespace tavuran
