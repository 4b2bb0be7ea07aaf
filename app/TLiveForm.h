// The window "Live-Ergebnisse": starts and stops the web server of the live
// pages on a port of the laptop, lists the addresses of the laptop's network
// interfaces with a QR code each, switches entry by phone off ("nur
// Ergebnisse (keine Eingabe)"), prints the notice-board page and renews the
// access codes. The server itself belongs to the main window, which stops it
// when the competition is closed.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "core/DatenTypen.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace tavuran {

class LiveServer;

class TLiveForm : public QDialog {
    Q_OBJECT
  public:
    explicit TLiveForm(QWidget* Eltern = nullptr);

    // What the window works on: the competition, its file and the server.
    void Binden(WettbewerbTyp* Wett, const std::string& Datei, LiveServer* Server);
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    bool StartenClick();
    void StoppenClick();
    bool ZugangErneuernClick();
    // The notice-board page: printed (Datei empty: the print dialog) or written as PDF.
    bool AushangDruckenClick(const std::string& PdfDatei = {});
    void Aktualisieren();

    QSpinBox* PortFeld() const { return port_; }
    QCheckBox* NurLesenFeld() const { return nurLesen_; }
    QString Meldung() const;
    // The addresses shown ("http://A:N/"), the first one the links' address.
    const std::vector<std::string>& Adressen() const { return adressen_; }

  private:
    void AdressenZeigen();

    WettbewerbTyp* wett_ = nullptr;
    std::string datei_;
    LiveServer* server_ = nullptr;
    QSpinBox* port_ = nullptr;
    QCheckBox* nurLesen_ = nullptr;
    QPushButton* starten_ = nullptr;
    QPushButton* aushang_ = nullptr;
    QPushButton* erneuern_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* meldung_ = nullptr;
    QWidget* adressFeld_ = nullptr;
    QGridLayout* adressLayout_ = nullptr;
    std::vector<std::string> adressen_;
    int adressPort_ = -1; // the port the shown addresses are for (0: stopped)
};

// The laptop's addresses for the phones: IPv4 addresses of the interfaces
// that are up, loopback last (only the laptop itself reaches it).
std::vector<std::string> LiveNetzAdressen();

} // namespace tavuran
