#include "core/L_REGIST.h"

#include <map>
#include <utility>

namespace tavuran {

namespace {

class MemorySettingsStore : public SettingsStore {
  public:
    bool GetInteger(const std::string& Key, const std::string& Name, int& Wert) override {
        auto it = ints_.find({Key, Name});
        if (it == ints_.end()) return false;
        Wert = it->second;
        return true;
    }
    void SetInteger(const std::string& Key, const std::string& Name, int Wert) override {
        strings_.erase({Key, Name});
        ints_[{Key, Name}] = Wert;
    }
    bool GetString(const std::string& Key, const std::string& Name, std::string& Wert) override {
        auto it = strings_.find({Key, Name});
        if (it == strings_.end()) return false;
        Wert = it->second;
        return true;
    }
    void SetString(const std::string& Key, const std::string& Name, const std::string& Wert) override {
        ints_.erase({Key, Name});
        strings_[{Key, Name}] = Wert;
    }
    bool Delete(const std::string& Key, const std::string& Name) override {
        return ints_.erase({Key, Name}) + strings_.erase({Key, Name}) > 0;
    }

  private:
    std::map<std::pair<std::string, std::string>, int> ints_;
    std::map<std::pair<std::string, std::string>, std::string> strings_;
};

SettingsStore*& Aktuell() {
    static MemorySettingsStore standard;
    static SettingsStore* aktuell = &standard;
    return aktuell;
}

} // namespace

std::unique_ptr<SettingsStore> NewMemorySettingsStore() { return std::make_unique<MemorySettingsStore>(); }

void L_REGIST_SetStore(SettingsStore* store) {
    static MemorySettingsStore ersatz;
    Aktuell() = store ? store : &ersatz;
}
SettingsStore& L_REGIST_GetStore() { return *Aktuell(); }

int L_REGIST_GetIntegerValue(const std::string& Name, const std::string& Key) {
    int wert = L_REGIST_Fehlt;
    if (!Aktuell()->GetInteger(Key, Name, wert)) return L_REGIST_Fehlt;
    return wert;
}
void L_REGIST_SetIntegerValue(const std::string& Name, const std::string& Key, int Value) {
    Aktuell()->SetInteger(Key, Name, Value);
}
std::string L_REGIST_GetStringValue(const std::string& Name, const std::string& Key) {
    std::string wert;
    if (!Aktuell()->GetString(Key, Name, wert)) return {};
    return wert;
}
void L_REGIST_SetStringValue(const std::string& Name, const std::string& Key, const std::string& Value) {
    Aktuell()->SetString(Key, Name, Value);
}
bool L_REGIST_DelValue(const std::string& Name, const std::string& Key) { return Aktuell()->Delete(Key, Name); }

} // namespace tavuran
