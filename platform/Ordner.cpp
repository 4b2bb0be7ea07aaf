#include "platform/Ordner.h"

#include <QDir>
#include <QStandardPaths>

namespace tavuran {

namespace {

std::string& DokumenteErsatz() {
    static std::string s;
    return s;
}
std::string& DownloadsErsatz() {
    static std::string s;
    return s;
}

std::string MitTrenner(const QString& ordner) {
    if (ordner.isEmpty()) return {};
    std::string s = QDir::cleanPath(ordner).toStdString();
    if (s.empty()) return {};
    if (s.back() != '/') s += '/';
    return s;
}

} // namespace

std::string GetDocumentsPath() {
    if (!DokumenteErsatz().empty()) return MitTrenner(QString::fromStdString(DokumenteErsatz()));
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (ordner.isEmpty()) ordner = QDir::homePath();
    return MitTrenner(ordner);
}

std::string GetDownloadsPath() {
    if (!DownloadsErsatz().empty()) return MitTrenner(QString::fromStdString(DownloadsErsatz()));
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (ordner.isEmpty()) ordner = QDir::homePath();
    return MitTrenner(ordner);
}

std::string GetHomePath() { return MitTrenner(QDir::homePath()); }

void SetDocumentsPathOverride(const std::string& Ordner) { DokumenteErsatz() = Ordner; }
void SetDownloadsPathOverride(const std::string& Ordner) { DownloadsErsatz() = Ordner; }

} // namespace tavuran
