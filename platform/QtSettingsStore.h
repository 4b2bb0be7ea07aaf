// The per-user settings store of the program, kept in an INI file in the
// user's configuration folder. Every value lives below the program's key
// "Software/<maker>/<program>/<version>"; a value name may carry sub-keys
// before its last "\" (or "/").
#pragma once

#include <memory>
#include <string>

#include "core/L_REGIST.h"

class QSettings;

namespace tavuran {

// Who the program is: the parts of its key path.
struct L_REGIST_ProgramIdentifierType {
    std::string ProgramNameStr;
    std::string ManufacturerNameStr;
    std::string VersionNameStr;
};

class QtSettingsStore : public SettingsStore {
  public:
    // Opens the user's settings file of the program (QSettings, INI format,
    // user scope; tests move it with QSettings::setPath).
    explicit QtSettingsStore(const L_REGIST_ProgramIdentifierType& Programm);
    ~QtSettingsStore() override;

    bool GetInteger(const std::string& Key, const std::string& Name, int& Wert) override;
    void SetInteger(const std::string& Key, const std::string& Name, int Wert) override;
    bool GetString(const std::string& Key, const std::string& Name, std::string& Wert) override;
    void SetString(const std::string& Key, const std::string& Name, const std::string& Wert) override;
    bool Delete(const std::string& Key, const std::string& Name) override;

    // Writes pending changes to the file.
    void Sync();
    // The file the values are kept in.
    std::string DateiName() const;
    // The full key of a value (for tests and diagnostics).
    std::string VollerSchluessel(const std::string& Key, const std::string& Name) const;

  private:
    std::string basis_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace tavuran
