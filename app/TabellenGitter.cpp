#include "app/TabellenGitter.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

namespace tavuran {

namespace {

// Candidates measured per column: the longest texts by their characters; a
// proportional font may make a shorter one wider, but not by many characters.
constexpr int Kandidaten = 8;

// The frozen columns show the grid's current row lightly, so that the pilot
// of the cell being typed into is in sight.
class GefrorenDelegate : public QStyledItemDelegate {
  public:
    GefrorenDelegate(QTableView* Grid, QObject* Eltern) : QStyledItemDelegate(Eltern), grid_(Grid) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override {
        QStyledItemDelegate::initStyleOption(Option, Index);
        if (Index.row() == grid_->currentIndex().row() && !(Option->state & QStyle::State_Selected))
            Option->backgroundBrush = Option->palette.highlight().color().lighter(185);
    }

  private:
    QTableView* grid_;
};

} // namespace

TabellenGitter::TabellenGitter(QWidget* Eltern)
    : QTableView(Eltern), gefroren_(new QTableView(this)), modell_(new TabellenModell(this)) {
    setModel(modell_);
    QTableView* g = gefroren_;
    g->setModel(modell_);
    g->setSelectionModel(selectionModel());
    g->setItemDelegate(new GefrorenDelegate(this, g));
    g->setFocusPolicy(Qt::NoFocus);
    g->setEditTriggers(NoEditTriggers);
    g->setFrameShape(QFrame::NoFrame);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->hide();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, g->verticalScrollBar(), &QScrollBar::setValue);
    connect(g->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { GefrorenAnpassen(); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int Spalte, int, int Breite) {
        if (Spalte < Tabelle().GefroreneSpalten) {
            gefroren_->setColumnWidth(Spalte, Breite);
            GefrorenAnpassen();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int Zeile, int, int Hoehe) { gefroren_->setRowHeight(Zeile, Hoehe); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (gefroren_->isVisible()) gefroren_->viewport()->update();
    });
    // A click into the frozen part goes to the grid: its keys, its editor.
    connect(g, &QTableView::clicked, this, [this] { setFocus(); });
    connect(g, &QTableView::doubleClicked, this, [this](const QModelIndex& Index) {
        setFocus();
        if (editTriggers() & DoubleClicked) edit(Index, DoubleClicked, nullptr);
    });
}

bool TabellenGitter::IstFlaeche(const QObject* Objekt) const {
    return Objekt && (Objekt == viewport() || Objekt == gefroren_->viewport());
}

int TabellenGitter::GefrorenBreite() const {
    int breite = 0;
    for (int c = 0; c < std::min(Tabelle().GefroreneSpalten, columnCount()); ++c)
        if (!isColumnHidden(c)) breite += columnWidth(c);
    return breite;
}

// The frozen view lies over the frozen columns with the grid's header height,
// rows and font; it is needed only while the grid is scrolled right.
void TabellenGitter::GefrorenAnpassen() {
    const int n = std::min(Tabelle().GefroreneSpalten, columnCount());
    const bool zeigen = n > 0 && horizontalScrollBar()->value() > 0;
    if (!zeigen) {
        if (gefroren_->isVisible()) gefroren_->hide();
        return;
    }
    if (gefroren_->font() != font()) gefroren_->setFont(font());
    gefroren_->setShowGrid(showGrid());
    QHeaderView* zeilen = gefroren_->verticalHeader();
    if (zeilen->defaultSectionSize() != verticalHeader()->defaultSectionSize())
        zeilen->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    for (int c = 0; c < columnCount(); ++c) {
        const bool weg = c >= n || isColumnHidden(c);
        if (gefroren_->isColumnHidden(c) != weg) gefroren_->setColumnHidden(c, weg);
        if (!weg && gefroren_->columnWidth(c) != columnWidth(c)) gefroren_->setColumnWidth(c, columnWidth(c));
    }
    gefroren_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    gefroren_->setGeometry(frameWidth(), frameWidth(), GefrorenBreite(),
                           viewport()->height() + horizontalHeader()->height());
    gefroren_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    if (!gefroren_->isVisible()) gefroren_->show();
}

void TabellenGitter::resizeEvent(QResizeEvent* Ereignis) {
    QTableView::resizeEvent(Ereignis);
    GefrorenAnpassen();
}

// A frozen cell is always in sight: the grid scrolls only up or down for it.
// Another cell is brought out from under the frozen columns.
void TabellenGitter::scrollTo(const QModelIndex& Index, ScrollHint Hinweis) {
    QScrollBar* h = horizontalScrollBar();
    const int vorher = h->value();
    QTableView::scrollTo(Index, Hinweis);
    const int n = Tabelle().GefroreneSpalten;
    if (n <= 0 || !Index.isValid()) return;
    if (Index.column() < n) {
        h->setValue(vorher);
        return;
    }
    const int breite = GefrorenBreite();
    // Scrolling per column steps one column at a time, per pixel at once.
    const bool proPixel = horizontalScrollMode() == ScrollPerPixel;
    for (int fehlt = breite - visualRect(Index).left(); fehlt > 0 && h->value() > h->minimum();
         fehlt = breite - visualRect(Index).left())
        h->setValue(h->value() - (proPixel ? fehlt : 1));
}

// A frozen cell is typed into where it stands in the grid: the grid goes back
// to its left edge, the frozen view hides, and the editor is in sight.
bool TabellenGitter::edit(const QModelIndex& Index, EditTrigger Ausloeser, QEvent* Ereignis) {
    // The view asks on every change of the current cell; only a trigger the
    // grid takes opens an editor.
    const bool oeffnet = Ausloeser == AllEditTriggers || (editTriggers() & Ausloeser);
    if (oeffnet && Index.isValid() && Index.column() < Tabelle().GefroreneSpalten &&
        horizontalScrollBar()->value() > 0 && (modell_->flags(Index) & Qt::ItemIsEditable))
        horizontalScrollBar()->setValue(0);
    return QTableView::edit(Index, Ausloeser, Ereignis);
}

void TabellenGitter::setCurrentCell(int Zeile, int Spalte) {
    if (Zeile < 0 || Zeile >= rowCount() || Spalte < 0 || Spalte >= columnCount()) return;
    setCurrentIndex(modell_->index(Zeile, Spalte));
}

std::string TabellenGitter::KopfText(int Spalte) const {
    return modell_->headerData(Spalte, Qt::Horizontal).toString().toStdString();
}

void TabellenGitter::SetTabelle(TabelleTyp Tabelle, int FontFactor) {
    modell_->SetSchrift(font());
    const TabellenModell::Aenderung a = modell_->SetTabelle(std::move(Tabelle));
    if (a.Spalten || a.Zeilen) SpaltenBemessen(a.Spalten, FontFactor);
    GefrorenAnpassen();
}

// A cell's width for its text as the item delegate lays it out: the text in
// the cell's own font (a bold cell is wider), its margins and the grid line.
// The delegate elides a text whose fractional width exceeds the room, so the
// width is rounded up.
int TabellenGitter::TextBreite(int Spalte) const {
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + (showGrid() ? 1 : 0);
    int breite = 0;
    for (int r : LaengsteTexte(modell_->Tabelle(), Spalte, Kandidaten)) {
        const QVariant eigene = modell_->data(modell_->index(r, Spalte), Qt::FontRole);
        const QFontMetricsF fm(eigene.isValid() ? eigene.value<QFont>() : font());
        const double text = fm.horizontalAdvance(QString::fromStdString(modell_->Text(r, Spalte)));
        breite = std::max(breite, static_cast<int>(std::ceil(text)) + rand);
    }
    return breite;
}

void TabellenGitter::SpaltenBemessen(bool Alle, int FontFactor) {
    const TabelleTyp& t = modell_->Tabelle();
    const QFontMetrics kopf(horizontalHeader()->font());
    const auto f = [FontFactor](int n) { return n * FontFactor / 100; };
    for (int c = 0; c < t.AnzahlSpalten(); ++c) {
        const TabellenSpalteTyp& s = t.Spalten[static_cast<std::size_t>(c)];
        if (isColumnHidden(c) != s.Verborgen) setColumnHidden(c, s.Verborgen);
        if (s.Verborgen) continue;
        if (!Alle && !s.NachInhalt) continue;
        int breite = f(s.Breite);
        if (s.NachKopf) breite = std::max(breite, kopf.horizontalAdvance(QString::fromStdString(s.Kopf)) + f(14));
        if (s.NachInhalt) breite = std::max({breite, horizontalHeader()->sectionSizeHint(c), TextBreite(c)});
        if (columnWidth(c) != breite) setColumnWidth(c, breite);
    }
}

std::string ListenZellText(const TabellenGitter* Grid, int Zeile, int Spalte) {
    return Grid ? Grid->Text(Zeile - 1, Spalte) : std::string();
}

} // namespace tavuran
