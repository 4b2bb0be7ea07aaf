// The channel statistics window: how many participants use each radio
// channel, as bar charts in three bands (35 MHz A band on top, below it the
// B band and the other channels side by side). The window keeps its place,
// size and splitter proportions in the competition.
#pragma once

#include <array>

#include <QDialog>

#include "core/DatenTypen.h"
#include "startorder/KanalStatistik.h"

class QPainter;
class QPushButton;
class QRect;
class QSplitter;

namespace tavuran {

class Zeitgeber;
class TKanalStatForm;

// One band of the chart.
class KanalBandPanel : public QWidget {
    Q_OBJECT
  public:
    KanalBandPanel(TKanalStatForm* Form, int BandInfo, QWidget* Eltern);
    int BandInfo() const { return band_; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    TKanalStatForm* form_;
    int band_;
};

class TKanalStatForm : public QDialog {
    Q_OBJECT
  public:
    explicit TKanalStatForm(QWidget* Eltern = nullptr);

    // Binds the competition the window shows.
    void SetWettbewerb(WettbewerbTyp* comp);
    WettbewerbTyp* Wettbewerb() const { return wett_; }
    // Places the window from the competition's stored geometry and shows it.
    void Zeigen();
    void OkButtonClick();
    // The main window is about to free a competition: hide and forget it when it is ours.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);
    // Takes the channel counts from the competition again; repaints when they changed.
    void Aktualisieren();
    // The one-second timer: copies position and size into the competition.
    void GeometrieTimerTimer();

    const KanalStatistikModell& Modell() const { return modell_; }
    // Bar width of a band: half a slot, 1..60 pixels, never wider than a band
    // drawn before it (A band, B band, other channels).
    int BalkenBreite(int BandInfo) const;
    KanalBandPanel* Panel(int BandInfo) const { return panel_[static_cast<std::size_t>(BandInfo)]; }
    QSplitter* HorizontalerTeiler() const { return oben_unten_; }
    QSplitter* VertikalerTeiler() const { return links_rechts_; }
    QPushButton* OkButton;

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void TeilerAnwenden();
    void TeilerMerken();

    WettbewerbTyp* wett_ = nullptr;
    KanalStatistikModell modell_;
    std::array<KanalBandPanel*, 3> panel_{};
    QSplitter* oben_unten_ = nullptr;
    QSplitter* links_rechts_ = nullptr;
    Zeitgeber* geometrieTimer_ = nullptr;
    bool teilerSetzen_ = false;
};

// Draws one band of the chart into the rectangle: white ground, title, axes,
// scale 1..Maximum, one dotted line per slot and the bars.
void DrawKanalStatistik(QPainter& p, const QRect& Rechteck, const KanalBand& Band, int Maximum, int BalkenBreite);

} // namespace tavuran
