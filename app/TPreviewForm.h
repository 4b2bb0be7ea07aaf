// The print preview: shows one page of a printed document at a time on an
// on-screen sheet of paper proportions, lets the user page through it, choose
// the participant order and the rounds (and for a start list orientation and
// font size), prints a page range or saves the whole document as PDF. It
// serves the lists, the labels, the channel statistics and the start sheets.
//
// The window is modeless and owned by the main window. It keeps a document
// (text snapshots, never pointers into the competition) and rebuilds it from
// the competition whenever a control changes, when the window is activated
// again (the competition may have been edited in the main window meanwhile)
// and before printing or saving.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "core/DatenTypen.h"
#include "reports/DruckVorschau.h"
#include "reports/Startzettel.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace tavuran {

class VorschauSeite;

class TPreviewForm : public QDialog {
    Q_OBJECT
  public:
    // What the preview needs of the main window: its current round, and the
    // print settings of its menu.
    struct Anbindung {
        std::function<int()> GetDurchgangNr;
        std::function<void(int)> SetDurchgangNr;
        std::function<int()> Druckfarbe;
        std::function<bool()> TeamAnzeigen;
        // Start sheets: gives the built sheets their entry links by phone.
        std::function<void(std::vector<ZettelSeiteTyp>&)> Zettelzugang;
    };
    explicit TPreviewForm(Anbindung Haupt, QWidget* Eltern = nullptr);
    ~TPreviewForm() override;

    // Opens the preview for a document of the competition: the state from
    // VorschauStart (changed as the command needs), the caption, then builds
    // page 1 and shows the window. The main window's current round becomes
    // the state's round; "Ende" restores it.
    void Oeffnen(WettbewerbTyp* Wett, const VorschauZustand& Zustand, const std::string& Titel);
    // The main window is about to free a competition: hide and forget it when it is ours.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);
    // The main window recomputed its competition after an edit: a preview
    // that is showing that competition builds its pages anew.
    void WettbewerbGeaendert(WettbewerbTyp* Wett);

    // --- the controls
    void SortRadioButtonChanged(int Sort);     // 0..5
    // Knopf 1..10 a round, 11 "weitere" (the number field), DruckVorrunden, DruckFlyOffs.
    void DurchgangRadioButtonChanged(int Knopf);
    void WeitereEingeben(const std::string& Text); // typed into the number field, then Enter
    void QuerformatClick(bool An);
    void GrosseSchriftClick(bool An);
    void NaechsteSeite();
    void VorigeSeite();
    void DruckButtonClick();
    void PdfSpeichernClick();
    void EndeButtonClick();

    // The print dialog (page range Von..Bis of 1..MaxSeite preset); tests answer it themselves.
    using DruckDialogHandler = std::function<bool(QPrinter& Drucker, int MaxSeite, int& Von, int& Bis)>;
    void SetDruckDialogHandler(DruckDialogHandler Handler) { druckDialog_ = std::move(Handler); }

    // --- state for the main window and tests
    WettbewerbTyp* Wettbewerb() const { return wett_; }
    const VorschauZustand& Zustand() const { return z_; }
    const DruckDokument* Dokument() const { return dok_.get(); }
    const std::string& Meldung() const { return meldung_; }
    int Seite() const { return seite_; }
    int AnzahlSeiten() const;
    int FormerDurchgang() const { return formerDurchgang_; }
    int FormerSort() const { return formerSort_; }
    // The on-screen page as drawn now.
    QImage SeitenBild() const;

    QLabel* AusdruckSeiteLabel = nullptr;
    QPushButton *ZurueckButton = nullptr, *VorButton = nullptr, *DruckButton = nullptr, *PdfButton = nullptr,
                *EndeButton = nullptr;
    QGroupBox *FolgeGroupBox = nullptr, *DurchgangGroupBox = nullptr, *StilGroupBox = nullptr;
    QRadioButton* SortButton[6] = {};
    QRadioButton* DurchgangButton[12] = {}; // [1..10] rounds, [11] "weitere"
    QRadioButton *VorrundenButton = nullptr, *FlyOffButton = nullptr;
    QLineEdit* WeitereEdit = nullptr;
    QCheckBox *QuerformatCheckBox = nullptr, *GrosseSchriftCheckBox = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

  private:
    // Builds the document again; Seite1 makes page 1 current, otherwise the
    // current page is kept while it exists.
    void Neuaufbau(bool Seite1);
    // Controls after a build (page label, groups, round buttons, style boxes).
    void ReDraw();
    void SeiteAnzeigen();
    bool Drucken(QPrinter& Drucker, int Von, int Bis);
    void StatusErhoehen();
    void DurchgangKnopfWaehlen(int Knopf);

    Anbindung haupt_;
    WettbewerbTyp* wett_ = nullptr;
    VorschauZustand z_;
    std::unique_ptr<DruckDokument> dok_;
    std::string meldung_;
    int seite_ = 1;
    int formerDurchgang_ = 1;
    int formerSort_ = 0;
    bool steuerungAktiv_ = true; // false while the program sets controls: their handlers do nothing
    VorschauSeite* seitenFlaeche_ = nullptr;
    QButtonGroup* sortGruppe_ = nullptr;
    QButtonGroup* durchgangGruppe_ = nullptr;
    DruckDialogHandler druckDialog_;
};

} // namespace tavuran
