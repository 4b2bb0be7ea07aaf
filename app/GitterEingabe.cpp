#include "app/GitterEingabe.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "app/TabellenGitter.h"

namespace tavuran {

namespace {

// Properties of an editor: the text of its cell when editing began, and
// whether it got that text already.
constexpr const char* AnfangsText = "tavuranAnfangsText";
constexpr const char* Gefuellt = "tavuranGefuellt";

bool IstUebergabeTaste(int Taste, bool ImEditor) {
    switch (Taste) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    case Qt::Key_Left:
    case Qt::Key_Right: return !ImEditor;
    default: return false;
    }
}

} // namespace

GitterEingabe::GitterEingabe(TabellenGitter* Grid, EditierbarFunktion Editierbar, TastenFunktion Tasten)
    : QStyledItemDelegate(Grid), grid_(Grid), editierbar_(std::move(Editierbar)), tasten_(std::move(Tasten)) {
    grid_->setItemDelegate(this);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    grid_->setTabKeyNavigation(true);
    grid_->installEventFilter(this);
}

// A closed editor is hidden by the grid at once and freed later.
bool GitterEingabe::EditorOffen() const { return editor_ != nullptr && !editor_->isHidden(); }

void GitterEingabe::EditorSchliessen() {
    if (!EditorOffen()) return;
    QWidget* e = editor_;
    emit commitData(e);
    emit closeEditor(e, QAbstractItemDelegate::NoHint);
}

void GitterEingabe::AblehnungZeigen(const QString& Meldung, const QString& Gespeichert) {
    if (!EditorOffen()) return;
    editor_->setToolTip(Meldung);
    editor_->setProperty(AnfangsText, Gespeichert);
}

QWidget* GitterEingabe::createEditor(QWidget* Eltern, const QStyleOptionViewItem&, const QModelIndex& Index) const {
    if (!Index.isValid() || !editierbar_ || !editierbar_(Index.row() + 1, Index.column())) return nullptr;
    auto* e = new QLineEdit(Eltern);
    e->setFrame(false);
    e->setProperty(AnfangsText, Index.data(Qt::EditRole).toString());
    // The cell follows every keystroke.
    QPointer<QLineEdit> zeiger(e);
    auto* self = const_cast<GitterEingabe*>(this);
    connect(e, &QLineEdit::textEdited, self, [self, zeiger] {
        if (zeiger) emit self->commitData(zeiger);
    });
    connect(e, &QObject::destroyed, self, [self, e] {
        if (self->editor_ == e) self->editor_ = nullptr;
    });
    editor_ = e;
    return e;
}

void GitterEingabe::setEditorData(QWidget* Editor, const QModelIndex& Index) const {
    auto* e = qobject_cast<QLineEdit*>(Editor);
    if (!e) return QStyledItemDelegate::setEditorData(Editor, Index);
    // Only once: a refill of the grid while typing must not replace the typed text.
    if (e->property(Gefuellt).toBool()) return;
    e->setProperty(Gefuellt, true);
    e->setText(Index.data(Qt::EditRole).toString());
}

void GitterEingabe::setModelData(QWidget* Editor, QAbstractItemModel* Modell, const QModelIndex& Index) const {
    auto* e = qobject_cast<QLineEdit*>(Editor);
    if (!e) return QStyledItemDelegate::setModelData(Editor, Modell, Index);
    if (Index.data(Qt::EditRole).toString() != e->text()) Modell->setData(Index, e->text(), Qt::EditRole);
}

bool GitterEingabe::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    // The grid's own events are not an editor's: the base class would take the
    // grid losing focus for an editor losing it and ask the grid to commit
    // the grid itself ("commitData called with an editor that does not belong
    // to this view").
    if (Objekt == grid_) {
        if (Ereignis->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(Ereignis);
        return IstUebergabeTaste(k->key(), false) && tasten_ && tasten_(k->key(), k->modifiers());
    }
    if (Ereignis->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(Ereignis);
        if (auto* e = qobject_cast<QLineEdit*>(Objekt)) {
            if (k->key() == Qt::Key_Escape) {
                e->setText(e->property(AnfangsText).toString());
                emit commitData(e);
                emit closeEditor(e, QAbstractItemDelegate::RevertModelCache);
                return true;
            }
            if (IstUebergabeTaste(k->key(), true) && tasten_) {
                // The editor closes first, keeping its text, so that the owner
                // reads the cell as typed and may move the cursor.
                emit commitData(e);
                emit closeEditor(e, QAbstractItemDelegate::NoHint);
                if (!tasten_(k->key(), k->modifiers())) {
                    // Not taken: the grid moves as usual.
                    QKeyEvent kopie(k->type(), k->key(), k->modifiers(), k->text());
                    grid_->setFocus();
                    QCoreApplication::sendEvent(grid_, &kopie);
                }
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(Objekt, Ereignis);
}

} // namespace tavuran
