#include "platform/Dialoge.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <vector>

namespace tavuran {

namespace {

DateiDialogHandler& Handler() {
    static DateiDialogHandler h;
    return h;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::vector<std::string> Teile(const std::string& s, char trenner) {
    std::vector<std::string> out;
    std::string stueck;
    for (char c : s) {
        if (c == trenner) {
            out.push_back(stueck);
            stueck.clear();
        } else {
            stueck += c;
        }
    }
    out.push_back(stueck);
    return out;
}

// One Qt filter per pair: the description without its own bracket, then the
// pattern in brackets ("*.*" matches every file, also one without a dot).
QStringList QtFilterListe(const std::string& Filter) {
    QStringList liste;
    auto teile = Teile(Filter, '|');
    for (std::size_t i = 0; i + 1 < teile.size(); i += 2) {
        QString text = Q(teile[i]).trimmed();
        int klammer = text.lastIndexOf('(');
        if (klammer > 0 && text.endsWith(')')) text = text.left(klammer).trimmed();
        QString muster = Q(teile[i + 1]).trimmed();
        muster.replace(';', ' ');
        if (muster == "*.*") muster = "*";
        liste << text + " (" + muster + ")";
    }
    if (liste.isEmpty()) liste << "Alle Dateien (*)";
    return liste;
}

void Einrichten(QMessageBox& box, const std::string& Titel, const std::string& Text) {
    box.setWindowTitle(Titel.empty() ? QString(ProgrammTitel) : Q(Titel));
    box.setText(Q(Text));
}

// Places a dialog over the middle of its parent window (or of the screen).
void Zentrieren(QWidget& dlg, QWidget* Eltern) {
    dlg.adjustSize();
    QRect bereich;
    if (Eltern && Eltern->isVisible())
        bereich = Eltern->window()->frameGeometry();
    else if (QScreen* s = QGuiApplication::primaryScreen())
        bereich = s->availableGeometry();
    if (bereich.isValid()) dlg.move(bereich.center() - QPoint(dlg.width() / 2, dlg.height() / 2));
}

} // namespace

std::string QtFilterAus(const std::string& Filter) { return QtFilterListe(Filter).join(";;").toStdString(); }

void DialogMeldung(QWidget* Eltern, const std::string& Titel, const std::string& Text) {
    QMessageBox box(Eltern);
    Einrichten(box, Titel, Text);
    box.setIcon(QMessageBox::Information);
    box.addButton("&Ok", QMessageBox::AcceptRole);
    Zentrieren(box, Eltern);
    box.exec();
}

void DialogWarnung(QWidget* Eltern, const std::string& Titel, const std::string& Text) {
    QMessageBox box(Eltern);
    Einrichten(box, Titel, Text);
    box.setIcon(QMessageBox::Warning);
    box.addButton("&Ok", QMessageBox::AcceptRole);
    Zentrieren(box, Eltern);
    box.exec();
}

DialogAntwort DialogFrage(QWidget* Eltern, const std::string& Titel, const std::string& Text, bool MitAbbrechen) {
    QMessageBox box(Eltern);
    Einrichten(box, Titel, Text);
    box.setIcon(QMessageBox::Question);
    QPushButton* ja = box.addButton("&Ja", QMessageBox::YesRole);
    QPushButton* nein = box.addButton("&Nein", QMessageBox::NoRole);
    QPushButton* abbrechen = MitAbbrechen ? box.addButton("&Abbrechen", QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(ja);
    box.setEscapeButton(abbrechen ? abbrechen : nein);
    Zentrieren(box, Eltern);
    box.exec();
    if (box.clickedButton() == ja) return DialogAntwort::Ja;
    if (abbrechen && box.clickedButton() == abbrechen) return DialogAntwort::Abbrechen;
    return DialogAntwort::Nein;
}

int DialogAuswahl(QWidget* Eltern, const std::string& Titel, const std::string& Text,
                  const std::vector<std::string>& Knoepfe) {
    if (Knoepfe.empty()) return -1;
    QMessageBox box(Eltern);
    Einrichten(box, Titel, Text);
    box.setIcon(QMessageBox::Question);
    std::vector<QPushButton*> knoepfe;
    for (std::size_t i = 0; i < Knoepfe.size(); ++i)
        knoepfe.push_back(box.addButton(Q(Knoepfe[i]), i + 1 == Knoepfe.size() ? QMessageBox::RejectRole
                                                                                : QMessageBox::AcceptRole));
    box.setDefaultButton(knoepfe.back());
    box.setEscapeButton(knoepfe.back());
    Zentrieren(box, Eltern);
    box.exec();
    for (std::size_t i = 0; i < knoepfe.size(); ++i)
        if (box.clickedButton() == knoepfe[i]) return static_cast<int>(i);
    return static_cast<int>(Knoepfe.size()) - 1;
}

void SetDateiDialogHandler(DateiDialogHandler h) { Handler() = std::move(h); }

DateiDialogErgebnis DateiDialog(QWidget* Eltern, const DateiDialogAnfrage& Anfrage) {
    if (Handler()) return Handler()(Anfrage);

    QFileDialog dlg(Eltern, Q(Anfrage.Titel.empty() ? std::string(Anfrage.Sichern ? "Speichern unter" : "Öffnen")
                                                     : Anfrage.Titel));
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(Anfrage.Sichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(Anfrage.Sichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filter = QtFilterListe(Anfrage.Filter);
    dlg.setNameFilters(filter);
    if (!Anfrage.StartOrdner.empty()) dlg.setDirectory(Q(Anfrage.StartOrdner));
    if (!Anfrage.StartName.empty() && Anfrage.StartName.find('*') == std::string::npos)
        dlg.selectFile(Q(Anfrage.StartName));
    dlg.setLabelText(QFileDialog::LookIn, "Suchen in:");
    dlg.setLabelText(QFileDialog::FileName, "Dateiname:");
    dlg.setLabelText(QFileDialog::FileType, "Dateityp:");
    dlg.setLabelText(QFileDialog::Accept, Anfrage.Sichern ? "&Speichern" : "Ö&ffnen");
    dlg.setLabelText(QFileDialog::Reject, "&Abbrechen");

    dlg.resize(820, 500);
    Zentrieren(dlg, Eltern);
    dlg.resize(820, 500);
    DateiDialogErgebnis erg;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return erg;
    erg.Ok = true;
    erg.Datei = dlg.selectedFiles().first().toStdString();
    int i = filter.indexOf(dlg.selectedNameFilter());
    erg.FilterIndex = i >= 0 ? i + 1 : 1;
    return erg;
}

} // namespace tavuran
