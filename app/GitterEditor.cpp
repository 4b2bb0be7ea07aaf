#include "app/GitterEditor.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>

#include "app/TabellenGitter.h"

#include "core/DatenTeilnehmer.h"

namespace tavuran {

void GitterZelleSetzen(TabellenGitter* g, int Zeile, int Spalte, const std::string& Text) {
    g->Modell()->SetText(Zeile - 1, Spalte, Text);
}

// The texts of a sheet as the library routines take them: row 0 the header.
GitterTexte GitterLesen(const TabellenGitter* g) { return g->Modell()->Texte(); }

void GitterZeileZeigen(TabellenGitter* g, const GitterTexte& t, int Zeile) {
    for (int c = 1; c < g->columnCount(); ++c) GitterZelleSetzen(g, Zeile, c, GitterZelle(t, Zeile, c));
}

void LookupFuellen(QTableWidget* g, const std::vector<TeilnehmerTyp*>& Angebot) {
    g->clearContents();
    if (!Angebot.empty()) g->setRowCount(static_cast<int>(Angebot.size()) + 5);
    for (std::size_t i = 0; i < Angebot.size(); ++i) {
        const int r = static_cast<int>(i);
        g->setItem(r, 0, new QTableWidgetItem(QString::number(r + 1)));
        g->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(CnvNameTypToNameStr(&Angebot[i]->Name, true))));
        g->setItem(r, 3, new QTableWidgetItem(QString::fromStdString(Angebot[i]->Verein)));
    }
}

bool IstZellWechselTaste(int Taste) {
    return Taste == Qt::Key_Return || Taste == Qt::Key_Enter || Taste == Qt::Key_Tab || Taste == Qt::Key_Backtab ||
           Taste == Qt::Key_Up || Taste == Qt::Key_Down;
}

GitterEditor::GitterEditor(TabellenGitter* Grid) : QStyledItemDelegate(Grid), grid_(Grid) {
    Grid->setItemDelegate(this);
    Grid->installEventFilter(this);
}

QWidget* GitterEditor::createEditor(QWidget* Eltern, const QStyleOptionViewItem& Option, const QModelIndex& Index) const {
    QWidget* w = QStyledItemDelegate::createEditor(Eltern, Option, Index);
    if (auto* zeile = qobject_cast<QLineEdit*>(w)) {
        zeile->setFrame(false);
        connect(zeile, &QLineEdit::textEdited, this, [this](const QString& t) {
            if (Tippen) Tippen(t);
        });
    }
    return w;
}

void GitterEditor::setModelData(QWidget* Editor, QAbstractItemModel* Modell, const QModelIndex& Index) const {
    const QString vorher = Index.data(Qt::EditRole).toString();
    QStyledItemDelegate::setModelData(Editor, Modell, Index);
    if (Index.data(Qt::EditRole).toString() != vorher && Eingabe) Eingabe(Index.row() + 1, Index.column());
}

void GitterEditor::paint(QPainter* Maler, const QStyleOptionViewItem& Option, const QModelIndex& Index) const {
    QStyledItemDelegate::paint(Maler, Option, Index);
    const QVariant rahmen = Index.data(RahmenRolle);
    if (rahmen.isValid()) {
        Maler->save();
        Maler->setPen(QPen(rahmen.value<QColor>(), 1));
        Maler->setBrush(Qt::NoBrush);
        Maler->drawRect(Option.rect.adjusted(1, 1, -2, -2));
        Maler->restore();
    }
}

bool GitterEditor::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if (Objekt == grid_) {
        if (Ereignis->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(Ereignis);
        const int taste = k->key();
        const int r = grid_->currentRow(), c = grid_->currentColumn();
        if (taste != Qt::Key_Up && taste != Qt::Key_Down && IstZellWechselTaste(taste)) return Taste && Taste(taste);
        if ((taste == Qt::Key_Delete || taste == Qt::Key_Backspace) && r >= 0 && c >= 0) {
            const QModelIndex i = grid_->Modell()->index(r, c);
            if ((grid_->Modell()->flags(i) & Qt::ItemIsEditable) && !grid_->Text(r, c).empty()) {
                grid_->Modell()->SetText(r, c, std::string());
                if (Eingabe) Eingabe(r + 1, c);
            }
            return true;
        }
        if (!k->text().isEmpty() && k->text().at(0).isPrint() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            VorTippen)
            VorTippen();
        return false;
    }
    auto* editor = qobject_cast<QWidget*>(Objekt);
    if (editor && Ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(Ereignis)->key();
        if (IstZellWechselTaste(taste)) {
            // Take the cell first, then let the grid's owner move on.
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            if (!(Taste && Taste(taste))) {
                const int r = grid_->currentRow(), c = grid_->currentColumn();
                if (taste == Qt::Key_Up && r > 0) grid_->setCurrentCell(r - 1, c);
                if (taste == Qt::Key_Down && r + 1 < grid_->rowCount()) grid_->setCurrentCell(r + 1, c);
                if ((taste == Qt::Key_Tab) && c + 1 < grid_->columnCount()) grid_->setCurrentCell(r, c + 1);
                if ((taste == Qt::Key_Backtab) && c > 0) grid_->setCurrentCell(r, c - 1);
            }
            grid_->setFocus();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(Objekt, Ereignis);
}

} // namespace tavuran
