#include "app/TabellenModell.h"

#include <algorithm>

#include <QBrush>
#include <QColor>
#include <QLinearGradient>

namespace tavuran {

namespace {

QColor Farbe(std::uint32_t f) { return QColor((f >> 16) & 0xFF, (f >> 8) & 0xFF, f & 0xFF); }

// Inactive channels are shaded from the edges inwards.
QBrush Schattierung() {
    QLinearGradient verlauf(0, 0, 1, 0);
    verlauf.setCoordinateMode(QGradient::ObjectBoundingMode);
    const QColor grau(212, 212, 212);
    verlauf.setColorAt(0.0, Qt::white);
    verlauf.setColorAt(0.3, grau);
    verlauf.setColorAt(0.7, grau);
    verlauf.setColorAt(1.0, Qt::white);
    return QBrush(verlauf);
}

} // namespace

TabellenModell::TabellenModell(QObject* Eltern) : QAbstractTableModel(Eltern) { fett_.setBold(true); }

void TabellenModell::SetSchrift(const QFont& Schrift) {
    fett_ = Schrift;
    fett_.setBold(true);
}

TabellenModell::Aenderung TabellenModell::SetTabelle(TabelleTyp Neu) {
    Aenderung a;
    angezeigt_.clear();
    const int altSpalten = tabelle_.AnzahlSpalten(), neuSpalten = Neu.AnzahlSpalten();
    const int altZeilen = tabelle_.AnzahlZeilen(), neuZeilen = Neu.AnzahlZeilen();
    a.Spalten = !(tabelle_.Spalten == Neu.Spalten);
    // Columns first, then rows; between the two the old rows stand, cut or
    // padded by the new ones, so that every count the view asks for is right.
    if (neuSpalten > altSpalten) {
        beginInsertColumns(QModelIndex(), altSpalten, neuSpalten - 1);
        tabelle_.Spalten = Neu.Spalten;
        endInsertColumns();
    } else if (neuSpalten < altSpalten) {
        beginRemoveColumns(QModelIndex(), neuSpalten, altSpalten - 1);
        tabelle_.Spalten = Neu.Spalten;
        endRemoveColumns();
    }
    if (neuZeilen > altZeilen) {
        beginInsertRows(QModelIndex(), altZeilen, neuZeilen - 1);
        tabelle_.Zeilen.insert(tabelle_.Zeilen.end(), Neu.Zeilen.begin() + altZeilen, Neu.Zeilen.end());
        endInsertRows();
        a.Zeilen = true;
    } else if (neuZeilen < altZeilen) {
        beginRemoveRows(QModelIndex(), neuZeilen, altZeilen - 1);
        tabelle_.Zeilen.resize(static_cast<std::size_t>(neuZeilen));
        endRemoveRows();
        a.Zeilen = true;
    }
    const std::vector<ZeilenBereichTyp> geaendert = GeaenderteZeilen(tabelle_, Neu);
    const bool koepfe = a.Spalten;
    tabelle_ = std::move(Neu);
    const int letzteSpalte = std::max(neuSpalten - 1, 0);
    for (const ZeilenBereichTyp& b : geaendert) emit dataChanged(index(b.Von, 0), index(b.Bis, letzteSpalte));
    if (koepfe && neuSpalten > 0) emit headerDataChanged(Qt::Horizontal, 0, neuSpalten - 1);
    a.Zeilen = a.Zeilen || !geaendert.empty();
    return a;
}

void TabellenModell::SetText(int Zeile, int Spalte, const std::string& Text) {
    if (Zeile < 0 || Zeile >= tabelle_.AnzahlZeilen() || Spalte < 0 || Spalte >= tabelle_.AnzahlSpalten()) return;
    if (tabelle_.Text(Zeile, Spalte) == Text) return;
    angezeigt_.try_emplace({Zeile, Spalte}, tabelle_.Text(Zeile, Spalte));
    tabelle_.SetText(Zeile, Spalte, Text);
    const QModelIndex i = index(Zeile, Spalte);
    emit dataChanged(i, i);
}

const std::string& TabellenModell::Angezeigt(int Zeile, int Spalte) const {
    const auto a = angezeigt_.find({Zeile, Spalte});
    return a == angezeigt_.end() ? tabelle_.Text(Zeile, Spalte) : a->second;
}

void TabellenModell::SetAngezeigt(int Zeile, int Spalte, const std::string& Text) {
    if (Text == tabelle_.Text(Zeile, Spalte))
        angezeigt_.erase({Zeile, Spalte});
    else
        angezeigt_[{Zeile, Spalte}] = Text;
}

GitterTexte TabellenModell::Texte() const {
    const auto spalten = static_cast<std::size_t>(tabelle_.AnzahlSpalten());
    GitterTexte t;
    t.reserve(tabelle_.Zeilen.size() + 1);
    t.emplace_back(spalten);
    for (std::size_t c = 0; c < spalten; ++c) t[0][c] = tabelle_.Spalten[c].Kopf;
    for (const TabellenZeileTyp& z : tabelle_.Zeilen) {
        t.push_back(z.Texte);
        t.back().resize(spalten);
    }
    return t;
}

int TabellenModell::rowCount(const QModelIndex& Eltern) const { return Eltern.isValid() ? 0 : tabelle_.AnzahlZeilen(); }

int TabellenModell::columnCount(const QModelIndex& Eltern) const {
    return Eltern.isValid() ? 0 : tabelle_.AnzahlSpalten();
}

QVariant TabellenModell::data(const QModelIndex& Index, int Rolle) const {
    if (!Index.isValid()) return {};
    const int r = Index.row(), c = Index.column();
    switch (Rolle) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(tabelle_.Text(r, c));
    default: break;
    }
    const ZellMarkeTyp& m = tabelle_.Marke(r, c);
    switch (Rolle) {
    case Qt::TextAlignmentRole:
        if (m.Ausrichtung == ZellAusrichtung::Rechts) return int(Qt::AlignRight | Qt::AlignVCenter);
        if (m.Ausrichtung == ZellAusrichtung::Mitte) return int(Qt::AlignCenter);
        return {};
    case Qt::BackgroundRole:
        if (m.Schattiert) return Schattierung();
        if (m.Grund != KeineFarbe) return QBrush(Farbe(m.Grund));
        return {};
    case Qt::ForegroundRole:
        if (m.Schrift != KeineFarbe) return QBrush(Farbe(m.Schrift));
        return {};
    case Qt::FontRole:
        if (m.Fett) return fett_;
        return {};
    case Qt::ToolTipRole:
        if (!m.Hinweis.empty()) return QString::fromStdString(m.Hinweis);
        return {};
    case RahmenRolle:
        if (m.Rahmen != KeineFarbe) return Farbe(m.Rahmen);
        return {};
    default: return {};
    }
}

QVariant TabellenModell::headerData(int Abschnitt, Qt::Orientation Richtung, int Rolle) const {
    if (Rolle != Qt::DisplayRole) return {};
    if (Richtung == Qt::Vertical) return Abschnitt + 1;
    if (Abschnitt < 0 || Abschnitt >= tabelle_.AnzahlSpalten()) return {};
    return QString::fromStdString(tabelle_.Spalten[static_cast<std::size_t>(Abschnitt)].Kopf);
}

Qt::ItemFlags TabellenModell::flags(const QModelIndex& Index) const {
    if (!Index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (tabelle_.ZelleEditierbar(Index.row(), Index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool TabellenModell::setData(const QModelIndex& Index, const QVariant& Wert, int Rolle) {
    if (!Index.isValid() || Rolle != Qt::EditRole) return false;
    SetText(Index.row(), Index.column(), Wert.toString().toStdString());
    return true;
}

} // namespace tavuran
