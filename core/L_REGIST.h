// The per-user settings store. The program backs it with its settings file
// (platform layer); tests and the command-line tool use the in-memory store.
// Keys are paths below the program's key, with "\" or "/" between levels.
#pragma once

#include <memory>
#include <string>

namespace tavuran {

inline constexpr int L_REGIST_Fehlt = 2147483647; // value of a missing integer

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual bool GetInteger(const std::string& Key, const std::string& Name, int& Wert) = 0;
    virtual void SetInteger(const std::string& Key, const std::string& Name, int Wert) = 0;
    virtual bool GetString(const std::string& Key, const std::string& Name, std::string& Wert) = 0;
    virtual void SetString(const std::string& Key, const std::string& Name, const std::string& Wert) = 0;
    virtual bool Delete(const std::string& Key, const std::string& Name) = 0;
};

// A store that lives in memory only.
std::unique_ptr<SettingsStore> NewMemorySettingsStore();

// Installs the store used by the L_REGIST_ routines (the default is an
// in-memory store). The caller keeps ownership.
void L_REGIST_SetStore(SettingsStore* store);
SettingsStore& L_REGIST_GetStore();

// Integer: L_REGIST_Fehlt when missing. String: empty when missing.
int L_REGIST_GetIntegerValue(const std::string& Name, const std::string& Key);
void L_REGIST_SetIntegerValue(const std::string& Name, const std::string& Key, int Value);
std::string L_REGIST_GetStringValue(const std::string& Name, const std::string& Key);
void L_REGIST_SetStringValue(const std::string& Name, const std::string& Key, const std::string& Value);
bool L_REGIST_DelValue(const std::string& Name, const std::string& Key);

} // namespace tavuran
