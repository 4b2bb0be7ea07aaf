#include "app/TStartreihenfolgeBewertungForm.h"

#include <algorithm>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QAbstractTableModel>
#include <QTableView>
#include <QVBoxLayout>

#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran {

namespace {

constexpr int KopfGroesse = 130;  // width of the name column, height of the name row
constexpr int MinZelle = 18;      // smallest cell that still shows "P12" legibly

QColor FarbeVon(BewertungZellArt a, const QColor& fix) {
    switch (a) {
    case BewertungZellArt::Fix: return fix;
    case BewertungZellArt::Gelb: return QColor(255, 255, 0);
    case BewertungZellArt::Orange: return QColor(255, 160, 0);
    case BewertungZellArt::Rot: return QColor(255, 0, 0);
    case BewertungZellArt::Hellblau: return QColor(166, 202, 240);
    case BewertungZellArt::Weiss: break;
    }
    return Qt::white;
}

// Data cells: coloured background, fixed-colour frame, centred text.
class ZellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        const QString text = i.data().toString();
        const BewertungZellFarbe f = BewertungZellFarbeFuer(text.toStdString());
        const QColor fix = o.palette.color(QPalette::Button);
        p->save();
        p->fillRect(o.rect, FarbeVon(f.Art, fix));
        p->setPen(fix.darker(120));
        p->drawRect(o.rect.adjusted(0, 0, -1, -1));
        p->setPen(f.WeisseSchrift ? Qt::white : o.palette.color(QPalette::Text));
        p->drawText(o.rect, Qt::AlignCenter, text);
        p->restore();
    }
};

// The header above the columns: each name written upwards, centred in its column.
class SenkrechterKopf : public QHeaderView {
  public:
    explicit SenkrechterKopf(QWidget* Eltern) : QHeaderView(Qt::Horizontal, Eltern) {}
    QSize sizeHint() const override { return QSize(QHeaderView::sizeHint().width(), KopfGroesse); }

  protected:
    void paintSection(QPainter* p, const QRect& r, int Spalte) const override {
        if (!r.isValid()) return;
        p->save();
        p->fillRect(r, palette().color(QPalette::Button));
        p->setPen(palette().color(QPalette::Mid));
        p->drawRect(r.adjusted(0, 0, -1, -1));
        QFont f = font();
        f.setPointSizeF(std::min(f.pointSizeF(), std::max(r.width() / 2.0, 4.0)));
        p->setFont(f);
        p->setPen(palette().color(QPalette::ButtonText));
        const QString text = model()->headerData(Spalte, Qt::Horizontal).toString();
        p->translate(r.left() + r.width() / 2.0, r.bottom() - 4);
        p->rotate(-90);
        const QFontMetrics fm(f);
        p->drawText(QRect(0, -fm.height() / 2, r.height() - 8, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                    fm.elidedText(text, Qt::ElideRight, r.height() - 8));
        p->restore();
    }
};

// The grid's cells are read from the matrix model as they are drawn: a
// hundred participants make ten thousand cells.
class BewertungsModell : public QAbstractTableModel {
  public:
    BewertungsModell(const BewertungsGitter& g, QObject* Eltern) : QAbstractTableModel(Eltern), g_(g) {}
    void Neu() {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : std::max(g_.Zeilen - 1, 0); }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : std::max(g_.Spalten - 1, 0); }
    QVariant data(const QModelIndex& i, int Rolle) const override {
        if (!i.isValid() || !Da(i.row() + 1, i.column() + 1)) return {};
        if (Rolle == Qt::DisplayRole) return Text(i.row() + 1, i.column() + 1);
        if (Rolle == Qt::ToolTipRole) return Text(i.row() + 1, 0) + " – " + Text(0, i.column() + 1);
        return {};
    }
    QVariant headerData(int k, Qt::Orientation o, int Rolle) const override {
        if (Rolle != Qt::DisplayRole) return {};
        return o == Qt::Horizontal ? (Da(0, k + 1) ? Text(0, k + 1) : QVariant()) : (Da(k + 1, 0) ? Text(k + 1, 0) : QVariant());
    }

  private:
    bool Da(int r, int c) const {
        return r >= 0 && c >= 0 && r < static_cast<int>(g_.Zellen.size()) &&
               c < static_cast<int>(g_.Zellen[static_cast<std::size_t>(r)].size());
    }
    QString Text(int r, int c) const {
        return QString::fromStdString(g_.Zellen[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    }
    const BewertungsGitter& g_;
};

} // namespace

TStartreihenfolgeBewertungForm::TStartreihenfolgeBewertungForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Auszählergebnis der Startreihenfolge - wer fliegt wie oft gegen wen?");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    BewertungStringGrid = new QTableView(this);
    modell_ = new BewertungsModell(gitter_, this);
    BewertungStringGrid->setModel(modell_);
    BewertungStringGrid->setHorizontalHeader(new SenkrechterKopf(BewertungStringGrid));
    BewertungStringGrid->setItemDelegate(new ZellDelegate(BewertungStringGrid));
    BewertungStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BewertungStringGrid->setSelectionMode(QAbstractItemView::NoSelection);
    BewertungStringGrid->setShowGrid(false);
    BewertungStringGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    BewertungStringGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    BewertungStringGrid->horizontalHeader()->setFixedHeight(KopfGroesse);
    BewertungStringGrid->verticalHeader()->setFixedWidth(KopfGroesse);
    BewertungStringGrid->horizontalHeader()->setMinimumSectionSize(4);
    BewertungStringGrid->verticalHeader()->setMinimumSectionSize(4);
    layout->addWidget(BewertungStringGrid, 1);
    auto* reihe = new QHBoxLayout;
    NeuSortButton = new QPushButton("Gefällt mir nicht, Startreihenfolge erneut auszählen", this);
    OkButton = new QPushButton("Ok", this);
    OkButton->setDefault(true);
    reihe->addWidget(NeuSortButton);
    reihe->addStretch();
    reihe->addWidget(OkButton);
    layout->addLayout(reihe);
    connect(NeuSortButton, &QPushButton::clicked, this, [this] { NeuSortButtonClick(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
}

void TStartreihenfolgeBewertungForm::Zeigen(WettbewerbTyp* Wett) {
    wett_ = Wett;
    if (!wett_) return;
    FillBewertStringGrid(wett_);
    show();
    raise();
    StringGridResize();
}

void TStartreihenfolgeBewertungForm::FillBewertStringGrid(WettbewerbTyp* Wett) {
    // Top 10, left 50, as high as the screen allows and a little wider than high.
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        const int h = std::max(r.height() - 50, 300);
        setGeometry(r.x() + 50, r.y() + 10, std::min(h + 120, r.width() - 60), h - 10);
    }
    // The run's division belongs to the competition it was read from.
    SortDrchgType* darstellung = GetStartreihenfolgeWettPtr() == Wett ? GetSortRootPtr() : nullptr;
    gitter_ = tavuran::FillBewertStringGrid(Wett, darstellung, GetTeamGroupRootPtr());
    static_cast<BewertungsModell*>(modell_)->Neu();
    StringGridResize();
}

void TStartreihenfolgeBewertungForm::StringGridResize() {
    QTableView* g = BewertungStringGrid;
    const int zeilen = std::max(modell_->rowCount(), 1);
    const int spalten = std::max(modell_->columnCount(), 1);
    // The cells share the room beside the names; below a legible size the grid scrolls.
    const int hoehe = std::max((g->viewport()->height()) / zeilen - 1, MinZelle);
    const int breite = std::max((g->viewport()->width()) / spalten - 1, MinZelle);
    g->verticalHeader()->setDefaultSectionSize(hoehe);
    g->horizontalHeader()->setDefaultSectionSize(breite);
}

void TStartreihenfolgeBewertungForm::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    StringGridResize();
}

void TStartreihenfolgeBewertungForm::NeuSortButtonClick() {
    hide();
    if (wett_ && neu_) neu_(wett_);
}

void TStartreihenfolgeBewertungForm::OkButtonClick() { hide(); }

void TStartreihenfolgeBewertungForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (wett_ && Wett != wett_) return;
    hide();
    wett_ = nullptr;
    gitter_ = BewertungsGitter{};
    static_cast<BewertungsModell*>(modell_)->Neu();
}

} // namespace tavuran
