#include "platform/QtSettingsStore.h"

#include <QSettings>
#include <QString>

namespace tavuran {

namespace {

// "\" and "/" both separate levels; empty levels are dropped.
std::string Normalisiert(const std::string& pfad) {
    std::string out;
    std::string stueck;
    auto fertig = [&] {
        if (!stueck.empty()) {
            if (!out.empty()) out += '/';
            out += stueck;
            stueck.clear();
        }
    };
    for (char c : pfad) {
        if (c == '\\' || c == '/')
            fertig();
        else
            stueck += c;
    }
    fertig();
    return out;
}

} // namespace

QtSettingsStore::QtSettingsStore(const L_REGIST_ProgramIdentifierType& Programm)
    : basis_(Normalisiert("Software\\" + Programm.ManufacturerNameStr + "\\" + Programm.ProgramNameStr + "\\" +
                          Programm.VersionNameStr)),
      settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QString::fromStdString(Programm.ManufacturerNameStr),
                                            QString::fromStdString(Programm.ProgramNameStr))) {}

QtSettingsStore::~QtSettingsStore() { settings_->sync(); }

std::string QtSettingsStore::VollerSchluessel(const std::string& Key, const std::string& Name) const {
    std::string voll = basis_;
    std::string key = Normalisiert(Key);
    if (!key.empty()) voll += "/" + key;
    std::string name = Normalisiert(Name);
    if (!name.empty()) voll += "/" + name;
    return voll;
}

bool QtSettingsStore::GetInteger(const std::string& Key, const std::string& Name, int& Wert) {
    QVariant v = settings_->value(QString::fromStdString(VollerSchluessel(Key, Name)));
    if (!v.isValid()) return false;
    bool ok = false;
    int i = v.toString().trimmed().toInt(&ok);
    if (!ok) return false;
    Wert = i;
    return true;
}

void QtSettingsStore::SetInteger(const std::string& Key, const std::string& Name, int Wert) {
    settings_->setValue(QString::fromStdString(VollerSchluessel(Key, Name)), Wert);
}

bool QtSettingsStore::GetString(const std::string& Key, const std::string& Name, std::string& Wert) {
    QVariant v = settings_->value(QString::fromStdString(VollerSchluessel(Key, Name)));
    if (!v.isValid()) return false;
    Wert = v.toString().toStdString();
    return true;
}

void QtSettingsStore::SetString(const std::string& Key, const std::string& Name, const std::string& Wert) {
    settings_->setValue(QString::fromStdString(VollerSchluessel(Key, Name)), QString::fromStdString(Wert));
}

bool QtSettingsStore::Delete(const std::string& Key, const std::string& Name) {
    QString k = QString::fromStdString(VollerSchluessel(Key, Name));
    if (!settings_->contains(k)) return false;
    settings_->remove(k);
    return true;
}

void QtSettingsStore::Sync() { settings_->sync(); }

std::string QtSettingsStore::DateiName() const { return settings_->fileName().toStdString(); }

} // namespace tavuran
