// Finding one's way in the main window's grids: the bar above the score grids
// naming the round they show, with a selector to change it; the previous and
// next round by key; and the find bar, which puts the cursor on a pilot found
// by name, start number or registration number (library: tabellen/PilotSuche.h).
#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/TabellenGitter.h"
#include "app/TMainForm.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "tabellen/PilotSuche.h"

namespace tavuran {

namespace {

int Index(int Tab) { return Tab == TabRefly ? 1 : 0; }

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The rounds the selector offers.
int WaehlbareDurchgaenge(const WettbewerbTyp* Wett) {
    return Wett ? std::clamp(Wett->AnzDurchgaenge, 0, MaxDurchgaenge) : 0;
}

} // namespace

void TMainForm::NavigationMenueAufbauen(QMenu* Bearbeiten, QMenu* Durchgang) {
    Durchgang->addSeparator();
    QAction* vorher = Durchgang->addAction("&Vorheriger Durchgang");
    vorher->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    connect(vorher, &QAction::triggered, this, [this] { DurchgangSchritt(-1); });
    QAction* nachher = Durchgang->addAction("&Nächster Durchgang");
    nachher->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    connect(nachher, &QAction::triggered, this, [this] { DurchgangSchritt(1); });

    Bearbeiten->addSeparator();
    QAction* suchen = Bearbeiten->addAction("Pilot &suchen …");
    suchen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(suchen, &QAction::triggered, this, [this] { SuchenClick(); });
    QAction* weiter = Bearbeiten->addAction("&Weitersuchen");
    weiter->setShortcut(QKeySequence(Qt::Key_F3));
    connect(weiter, &QAction::triggered, this, [this] { WeitersuchenClick(); });
}

// ------------------------------------------------------------ rounds

QWidget* TMainForm::DurchgangLeisteAufbauen(int Tab) {
    auto* panel = new QWidget(panels_);
    auto* spalte = new QVBoxLayout(panel);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(2);
    auto* leiste = new QHBoxLayout;
    leiste->setContentsMargins(4, 2, 4, 0);
    auto* wahl = new QComboBox(panel);
    wahl->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    wahl->setFocusPolicy(Qt::ClickFocus);
    auto* beschriftung = new QLabel("&Durchgang:", panel);
    beschriftung->setBuddy(wahl);
    auto* name = new QLabel(panel);
    QFont fett = name->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.2);
    name->setFont(fett);
    leiste->addWidget(beschriftung);
    leiste->addWidget(wahl);
    leiste->addSpacing(16);
    leiste->addWidget(name, 1);
    spalte->addLayout(leiste);
    spalte->addWidget(grid_[Tab], 1);
    durchgangWahl_[Index(Tab)] = wahl;
    durchgangName_[Index(Tab)] = name;
    connect(wahl, &QComboBox::activated, this, [this](int i) {
        DurchgangWaehlen(i + 1);
        grid_[AktuellerTab()]->setFocus();
    });
    return panel;
}

// The selectors list the competition's rounds by name, the current one chosen;
// the title names it with its place among the rounds.
void TMainForm::DurchgangLeisteAktualisieren() {
    const int anzahl = WaehlbareDurchgaenge(WettPtr);
    const int n = WettPtr ? WettPtr->DurchgangNr : 0;
    QStringList namen;
    for (int r = 1; r <= anzahl; ++r) namen << Q(GetDurchgangBezeichner(WettPtr, r, false, true));
    const QString titel = n >= 1 && n <= anzahl ? Q(GetDurchgangBezeichner(WettPtr, n, false, true)) +
                                                      QString("   (Durchgang %1 von %2)").arg(n).arg(anzahl)
                                                : QString();
    for (int i = 0; i < 2; ++i) {
        QComboBox* wahl = durchgangWahl_[i];
        if (!wahl) continue;
        QStringList bisher;
        for (int k = 0; k < wahl->count(); ++k) bisher << wahl->itemText(k);
        if (bisher != namen) {
            wahl->clear();
            wahl->addItems(namen);
        }
        wahl->setCurrentIndex(n >= 1 && n <= anzahl ? n - 1 : -1);
        wahl->setEnabled(anzahl > 0);
        durchgangName_[i]->setText(titel);
    }
}

void TMainForm::DurchgangWaehlen(int n) {
    if (!WettPtr || n < 1 || n > MaxDurchgaenge) return;
    SetDurchgangNr(n);
    SetWettbewerbModified(WettPtr);
    RedrawStatusBar();
    CheckZeigeHinweisEinteilungStartreihenfolge();
}

void TMainForm::DurchgangSchritt(int Schritt) {
    if (!WettPtr) return;
    const int n = std::clamp(WettPtr->DurchgangNr + Schritt, 1, std::max(WaehlbareDurchgaenge(WettPtr), 1));
    if (n != WettPtr->DurchgangNr) DurchgangWaehlen(n);
}

// ------------------------------------------------------------ finding a pilot

QWidget* TMainForm::SuchleisteAufbauen(QWidget* Eltern) {
    suchLeiste_ = new QWidget(Eltern);
    auto* leiste = new QHBoxLayout(suchLeiste_);
    leiste->setContentsMargins(4, 2, 4, 2);
    suchFeld_ = new QLineEdit(suchLeiste_);
    suchFeld_->setPlaceholderText("Name, Startnummer oder Meldungsnummer");
    suchFeld_->setClearButtonEnabled(true);
    auto* beschriftung = new QLabel("Pilot suchen:", suchLeiste_);
    beschriftung->setBuddy(suchFeld_);
    auto* weiter = new QPushButton("Weitersuchen (F3)", suchLeiste_);
    weiter->setFocusPolicy(Qt::NoFocus);
    auto* schliessen = new QPushButton("Schließen", suchLeiste_);
    schliessen->setFocusPolicy(Qt::NoFocus);
    suchHinweis_ = new QLabel(suchLeiste_);
    leiste->addWidget(beschriftung);
    leiste->addWidget(suchFeld_, 1);
    leiste->addWidget(weiter);
    leiste->addWidget(suchHinweis_, 1);
    leiste->addWidget(schliessen);
    suchLeiste_->hide();

    const auto zuschliessen = [this] {
        suchLeiste_->hide();
        grid_[AktuellerTab()]->setFocus();
    };
    // Typing looks from the cursor's row on, so that the row found stays while it still matches.
    connect(suchFeld_, &QLineEdit::textEdited, this, [this] {
        PilotSuchen(std::max(grid_[AktuellerTab()]->currentRow(), 0) - 1);
    });
    connect(suchFeld_, &QLineEdit::returnPressed, this, [this] { WeitersuchenClick(); });
    connect(weiter, &QPushButton::clicked, this, [this] { WeitersuchenClick(); });
    connect(schliessen, &QPushButton::clicked, this, zuschliessen);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), suchFeld_);
    esc->setContext(Qt::WidgetShortcut);
    connect(esc, &QShortcut::activated, this, zuschliessen);
    return suchLeiste_;
}

void TMainForm::SuchenClick() {
    suchLeiste_->show();
    suchFeld_->setFocus();
    suchFeld_->selectAll();
}

void TMainForm::WeitersuchenClick() {
    if (L_STR_Unblank(suchFeld_->text().toStdString()).empty()) {
        SuchenClick();
        return;
    }
    PilotSuchen(grid_[AktuellerTab()]->currentRow());
}

void TMainForm::PilotSuchen(int AbZeile) {
    const int tab = AktuellerTab();
    TabAktualisieren(tab);
    TabellenGitter* g = grid_[tab];
    const std::vector<int> treffer = PilotTreffer(WettPtr, g->Tabelle(), suchFeld_->text().toStdString());
    const int zeile = NaechsterTreffer(treffer, AbZeile);
    if (zeile < 0) {
        suchHinweis_->setText(suchFeld_->text().trimmed().isEmpty() ? QString() : QString("Kein Pilot gefunden"));
        return;
    }
    const int spalte = g->currentColumn() >= 0 ? g->currentColumn() : std::min(2, g->columnCount() - 1);
    g->setCurrentCell(zeile, spalte);
    g->scrollTo(g->currentIndex());
    const auto k = std::find(treffer.begin(), treffer.end(), zeile) - treffer.begin() + 1;
    suchHinweis_->setText(QString("Treffer %1 von %2").arg(k).arg(treffer.size()));
}

} // namespace tavuran
