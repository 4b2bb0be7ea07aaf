#include "platform/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tavuran {

bool DeutscheOberflaeche(QCoreApplication& App) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* qtbase = new QTranslator(&App);
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool gefunden = qtbase->load(QLocale(QLocale::German), "qtbase", "_", ordner);
    if (gefunden)
        App.installTranslator(qtbase);
    else
        delete qtbase;
    return gefunden;
}

} // namespace tavuran
