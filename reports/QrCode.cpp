#include "reports/QrCode.h"

#include <string>

#ifdef TAVURAN_QRENCODE
#include <qrencode.h>
#endif

namespace tavuran {

QrMatrixTyp QrCodeBerechnen(std::string_view Text) {
    QrMatrixTyp m;
#ifdef TAVURAN_QRENCODE
    const std::string t(Text);
    QRcode* q = QRcode_encodeData(static_cast<int>(t.size()), reinterpret_cast<const unsigned char*>(t.data()), 0,
                                  QR_ECLEVEL_M);
    if (!q) return m;
    m.Groesse = q->width;
    m.Dunkel.resize(static_cast<std::size_t>(q->width) * static_cast<std::size_t>(q->width));
    for (std::size_t i = 0; i < m.Dunkel.size(); ++i) m.Dunkel[i] = (q->data[i] & 1) != 0;
    QRcode_free(q);
#else
    (void)Text;
#endif
    return m;
}

void QrCodeZeichnen(DruckCanvas& Canvas, int Links, int Oben, int Kante, const QrMatrixTyp& Code) {
    if (Code.Groesse <= 0) return;
    const int gesamt = Code.Groesse + 8;
    const int modul = Kante / gesamt;
    if (modul < 1) return;
    const int x0 = Links + 4 * modul, y0 = Oben + 4 * modul;
    Canvas.RechteckFuellen(Links, Oben, Links + gesamt * modul, Oben + gesamt * modul, DruckWeiss);
    for (int y = 0; y < Code.Groesse; ++y) {
        // Runs of dark modules in a row as one rectangle.
        for (int x = 0; x < Code.Groesse;) {
            if (!Code.At(x, y)) {
                ++x;
                continue;
            }
            int e = x;
            while (e < Code.Groesse && Code.At(e, y)) ++e;
            Canvas.RechteckFuellen(x0 + x * modul, y0 + y * modul, x0 + e * modul, y0 + (y + 1) * modul, DruckSchwarz);
            x = e;
        }
    }
}

} // namespace tavuran
