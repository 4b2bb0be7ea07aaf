#include "platform/QtDruckCanvas.h"

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>
#include <memory>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRect>
#include <QPdfWriter>
#include <QRawFont>
#include <QPen>

#include "exchange/DateiZugriff.h"
#include "reports/PdfAusgabe.h"

namespace tavuran {

namespace {

QColor Farbe(DruckFarbe f) { return QColor(f.R, f.G, f.B); }
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

QtDruckCanvas::QtDruckCanvas(QPainter& Painter, int Breite, int Hoehe, int Aufloesung)
    : p_(Painter), breite_(Breite), hoehe_(Hoehe), aufloesung_(Aufloesung) {
    SetSchrift(schrift_);
}

QtDruckCanvas::~QtDruckCanvas() { FlaechenZeichnen(); }

void QtDruckCanvas::FlaechenZeichnen() {
    if (flaechen_.Leer()) return;
    std::vector<QRect> r;
    r.reserve(flaechen_.Flaechen().size());
    for (const DruckFlaechen::Rechteck& f : flaechen_.Flaechen())
        r.emplace_back(f.Links, f.Oben, f.Rechts - f.Links, f.Unten - f.Oben);
    p_.setPen(Qt::NoPen);
    p_.setBrush(tavuran::Farbe(flaechen_.Farbe()));
    p_.drawRects(r.data(), static_cast<int>(r.size()));
    p_.setBrush(Qt::NoBrush);
    flaechen_.Leeren();
    gesetzt_ = nullptr; // the next text sets its pen again
}

void QtDruckCanvas::Fuellen(int Links, int Oben, int Rechts, int Unten, DruckFarbe Farbe) {
    flaechen_.Fuellen({Links, Oben, Rechts, Unten}, Farbe, [this] { FlaechenZeichnen(); });
}

void QtDruckCanvas::RechteckFuellen(int Links, int Oben, int Rechts, int Unten, DruckFarbe Farbe) {
    if (Rechts <= Links || Unten <= Oben) return;
    Fuellen(Links, Oben, Rechts, Unten, Farbe);
}

void QtDruckCanvas::Linie(int x0, int y0, int x1, int y1, DruckFarbe Farbe) {
    if (x0 == x1 || y0 == y1) {
        // Straight lines as filled pixels: exactly one device pixel wide on every device.
        Fuellen(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1, Farbe);
        return;
    }
    FlaechenZeichnen();
    QPen pen(tavuran::Farbe(Farbe));
    pen.setWidth(1);
    p_.setPen(pen);
    gesetzt_ = nullptr; // the next text sets its colour again
    p_.drawLine(x0, y0, x1, y1);
}

QtDruckCanvas::Schriftart& QtDruckCanvas::SchriftartFuer(const DruckSchrift& Schrift) {
    const int hoehe = std::max(1, Schrift.Hoehe);
    auto& platz = schriften_[{Schrift.Name, hoehe, Schrift.Fett, Schrift.Kursiv}];
    if (platz) return *platz;
    QFont f(Q(Schrift.Name));
    f.setPixelSize(hoehe);
    f.setBold(Schrift.Fett);
    f.setItalic(Schrift.Kursiv);
    // The height of a font is its cell height (ascent and descent), not its em size.
    const int zelle = QFontMetrics(f, p_.device()).height();
    if (zelle > hoehe) {
        int groesse = std::max(1, hoehe * hoehe / zelle);
        f.setPixelSize(groesse);
        // Rounded metrics may still come out a pixel higher than asked for.
        while (groesse > 1 && QFontMetrics(f, p_.device()).height() > hoehe) f.setPixelSize(--groesse);
    }
    const QFontMetrics m(f, p_.device());
    platz.reset(new Schriftart{f, m, m.height(), m.ascent(), {}});
    return *platz;
}

int QtDruckCanvas::Breite(Schriftart& s, std::string_view Text) {
    auto it = s.Breiten.find(Text);
    if (it != s.Breiten.end()) return it->second;
    const int b = s.Metrik.horizontalAdvance(Q(Text));
    s.Breiten.emplace(std::string(Text), b);
    return b;
}

void QtDruckCanvas::SetSchrift(const DruckSchrift& Schrift) {
    // The lists set the font cell by cell, mostly the one they have.
    const bool gleich = schriftart_ && Schrift.Name == schrift_.Name && Schrift.Hoehe == schrift_.Hoehe &&
                        Schrift.Fett == schrift_.Fett && Schrift.Kursiv == schrift_.Kursiv;
    if (!gleich) schriftart_ = &SchriftartFuer(Schrift);
    schrift_ = Schrift;
}

void QtDruckCanvas::Text(int x, int y, std::string_view Text, int ClipBreite) {
    if (Text.empty() || ClipBreite == 0) return;
    Schriftart& s = *schriftart_;
    // Only a text wider than its room is clipped.
    const int breite = Breite(s, Text);
    const bool clip = ClipBreite > 0 && breite > ClipBreite;
    // Held-back fills under the text are drawn first.
    if (flaechen_.UnterText(x, y, clip ? ClipBreite : breite, s.Zelle)) FlaechenZeichnen();
    if (gesetzt_ != &s) {
        p_.setFont(s.Font);
        gesetzt_ = &s;
        p_.setPen(tavuran::Farbe(schrift_.Farbe));
        gesetzteFarbe_ = schrift_.Farbe;
    } else if (!(gesetzteFarbe_ == schrift_.Farbe)) {
        p_.setPen(tavuran::Farbe(schrift_.Farbe));
        gesetzteFarbe_ = schrift_.Farbe;
    }
    if (clip) {
        p_.save();
        p_.setClipRect(QRect(x, y, ClipBreite, s.Zelle), Qt::IntersectClip);
    }
    p_.drawText(QPoint(x, y + s.Oberlaenge), Q(Text));
    if (clip) p_.restore();
}

int QtDruckCanvas::TextBreite(std::string_view Text) { return Breite(*schriftart_, Text); }

int QtDruckCanvas::TextHoehe(std::string_view) { return schriftart_->Zelle; }

QImage DruckSeiteAlsBild(const DruckDokument& Dokument, int Seite, int Breite, int Hoehe, bool Vorschau) {
    QImage bild(std::max(1, Breite), std::max(1, Hoehe), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    QtDruckCanvas c(p, bild.width(), bild.height(), bild.logicalDpiY() > 0 ? bild.logicalDpiY() : 96);
    Dokument.SeiteZeichnen(c, Seite, Vorschau);
    return bild;
}

void DruckGeraetEinrichten(const DruckDokument& Dokument, QPagedPaintDevice& Geraet) {
    const DruckPapier p = Dokument.Papier();
    const double b = std::min(p.Breite, p.Hoehe) / 100.0, h = std::max(p.Breite, p.Hoehe) / 100.0;
    const QPageLayout layout(QPageSize(QSizeF(b, h), QPageSize::Millimeter),
                             p.Breite > p.Hoehe ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    Geraet.setPageLayout(layout);
}

bool DruckSeitenAusgeben(const DruckDokument& Dokument, QPagedPaintDevice& Geraet, int Von, int Bis) {
    QPainter p;
    if (!p.begin(&Geraet)) return false;
    const int dpi = Geraet.logicalDpiY() > 0 ? Geraet.logicalDpiY() : 300;
    const DruckPapier papier = Dokument.Papier();
    int breite = 0, hoehe = 0;
    DruckCanvasGroesse(papier, dpi, breite, hoehe);
    // One canvas for all pages: fonts, metrics and widths are measured once.
    QtDruckCanvas c(p, breite, hoehe, dpi);
    for (int i = Von; i <= Bis; ++i) {
        if (i > Von) Geraet.newPage();
        p.save();
        p.translate(static_cast<int>(static_cast<long long>(papier.RandLinks) * dpi / 2540),
                    static_cast<int>(static_cast<long long>(papier.RandOben) * dpi / 2540));
        c.SeiteBeginnen();
        c.SetSchrift(DruckSchrift{});
        Dokument.SeiteZeichnen(c, i, false);
        c.FlaechenZeichnen();
        p.restore();
    }
    return p.end();
}

namespace {

// The font programs for the PDF writer, found as the painter finds its fonts.
// A style the font family does not have (the painter would slant or thicken
// the regular one) has none.
class QtPdfSchriften {
  public:
    const TrueTypeSchrift* operator()(const DruckSchrift& S) {
        auto& platz = schriften_[{S.Name, S.Fett, S.Kursiv}];
        if (platz.first) return platz.second.get();
        platz.first = true;
        QFont f(Q(S.Name));
        f.setPixelSize(100);
        f.setBold(S.Fett);
        f.setItalic(S.Kursiv);
        const QRawFont raw = QRawFont::fromFont(f);
        if (!raw.isValid()) return nullptr;
        if (S.Fett && raw.weight() < QFont::DemiBold) return nullptr;
        if (S.Kursiv && raw.style() == QFont::StyleNormal) return nullptr;
        std::string grund;
        platz.second = TrueTypeSchrift::Lesen(
            [&raw](std::string_view Tag) {
                const QByteArray t = raw.fontTable(std::string(Tag).c_str());
                return std::string(t.constData(), static_cast<std::size_t>(t.size()));
            },
            grund);
        return platz.second.get();
    }

  private:
    std::map<std::tuple<std::string, bool, bool>, std::pair<bool, std::unique_ptr<TrueTypeSchrift>>> schriften_;
};

} // namespace

bool DruckPdfErzeugen(const DruckDokument& Dokument, std::string& Pdf, std::string& Grund, int Von, int Bis,
                      int Aufloesung) {
    if (!DruckSeitenbereich(Dokument, Von, Bis, Grund)) return false;
    // Fonts need an application object; a program without one (the command
    // line) gets an offscreen one for the time of the call.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tavuran";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    {
        QtPdfSchriften schriften;
        std::string ohne;
        if (PdfErzeugen(Dokument, std::ref(schriften), Aufloesung, Von, Bis, Pdf, ohne)) return true;
    }
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setResolution(Aufloesung);
        pdf.setTitle(Q(Dokument.Titel));
        pdf.setCreator(QStringLiteral("Tavuran"));
        DruckGeraetEinrichten(Dokument, pdf);
        if (!DruckSeitenAusgeben(Dokument, pdf, Von, Bis)) {
            Grund = "Das PDF konnte nicht erzeugt werden.";
            return false;
        }
    }
    Pdf.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

bool DruckPdfSchreiben(const DruckDokument& Dokument, const std::string& Datei, std::string& Grund, int Von, int Bis,
                       int Aufloesung) {
    std::string pdf;
    if (!DruckPdfErzeugen(Dokument, pdf, Grund, Von, Bis, Aufloesung)) return false;
    std::string hinweis;
    return DateiErsetzen(Datei, pdf, "", Grund, hinweis);
}

} // namespace tavuran
