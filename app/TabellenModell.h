// The table of a tab (tabellen/Tabelle.h) as a Qt item model: texts, marks as
// colours, fonts, alignment, frames and tooltips, and which cells take typing.
// A new table replaces the old one row by row: the view is told which rows
// changed (and which rows or columns came or went), not refilled. A typed text
// stays in its cell beside the text the table showed there, until the next
// table arrives.
#pragma once

#include <map>
#include <string>
#include <utility>

#include <QAbstractTableModel>
#include <QFont>

#include "exchange/TeilnehmerBearbeitung.h"
#include "tabellen/Tabelle.h"

namespace tavuran {

class TabellenModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    // Item data role: a cell with this set to a colour gets a frame of it.
    static constexpr int RahmenRolle = Qt::UserRole + 1;

    explicit TabellenModell(QObject* Eltern = nullptr);

    // What the last SetTabelle changed.
    struct Aenderung {
        bool Spalten = false; // headers, widths or the number of columns
        bool Zeilen = false;  // texts, marks or the number of rows
    };
    Aenderung SetTabelle(TabelleTyp Neu);
    const TabelleTyp& Tabelle() const { return tabelle_; }

    // Rows and columns from 0.
    const std::string& Text(int Zeile, int Spalte) const { return tabelle_.Text(Zeile, Spalte); }
    void SetText(int Zeile, int Spalte, const std::string& Text);
    // The text the table showed in a cell before anything was typed into it.
    const std::string& Angezeigt(int Zeile, int Spalte) const;
    // Takes Text as what the cell shows from now on (the stored value's text).
    void SetAngezeigt(int Zeile, int Spalte, const std::string& Text);
    // All texts as the library routines take them: row 0 the headers.
    GitterTexte Texte() const;

    // The font of the grid, made bold for marked cells.
    void SetSchrift(const QFont& Schrift);

    int rowCount(const QModelIndex& Eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex& Eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex& Index, int Rolle = Qt::DisplayRole) const override;
    QVariant headerData(int Abschnitt, Qt::Orientation Richtung, int Rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;
    bool setData(const QModelIndex& Index, const QVariant& Wert, int Rolle = Qt::EditRole) override;

  private:
    TabelleTyp tabelle_;
    std::map<std::pair<int, int>, std::string> angezeigt_; // cells typed into
    QFont fett_;
};

} // namespace tavuran
