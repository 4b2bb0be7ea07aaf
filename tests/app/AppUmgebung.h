// Shared set-up of the window tests: one application object for the whole
// test program, settings and documents in a scratch folder, recording hooks
// for messages and answers for the file dialogs.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/TMainForm.h"
#include "core/UiHooks.h"
#include "platform/Dialoge.h"
#include "platform/Ordner.h"

namespace tavuran::test {

// The application object lives as long as the test program.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class AppUmgebung : public ::testing::Environment {
  public:
    void SetUp() override { App(); }
    void TearDown() override { delete &App(); }
};

// A test with its own scratch folder for settings and documents, and hooks
// that record what the user would have been told.
class FensterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(tmp_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, tmp_.path() + "/config");
        QDir().mkpath(tmp_.path() + "/docs");
        SetDocumentsPathOverride((tmp_.path() + "/docs").toStdString());
        SetDownloadsPathOverride((tmp_.path() + "/docs").toStdString());
        SetDateiDialogHandler([this](const DateiDialogAnfrage& a) {
            anfragen.push_back(a);
            if (dateiAntworten.empty()) return DateiDialogErgebnis{};
            DateiDialogErgebnis e = dateiAntworten.front();
            dateiAntworten.erase(dateiAntworten.begin());
            return e;
        });
    }

    void TearDown() override {
        fenster.reset();
        SetDateiDialogHandler({});
        SetDocumentsPathOverride("");
        SetDownloadsPathOverride("");
    }

    // Creates the main window (with its hooks) and replaces the message hooks by recorders.
    TMainForm& Fenster(const QStringList& Argumente = {}) {
        fenster = std::make_unique<TMainForm>(Argumente);
        UiHooks& h = GetUiHooks();
        h.Meldung = [this](const std::string& t) { meldungen.push_back(t); };
        h.Warnung = [this](const std::string&, const std::string& t) { meldungen.push_back(t); };
        h.Frage = [this](const std::string&, const std::string& t, bool) {
            meldungen.push_back(t);
            if (!frageAntworten.empty()) {
                const UiAntwort a = frageAntworten.front();
                frageAntworten.erase(frageAntworten.begin());
                return a;
            }
            return frageAntwort;
        };
        h.Auswahl = [this](const std::string&, const std::string& t, const std::vector<std::string>& k) {
            meldungen.push_back(t);
            auswahlKnoepfe.push_back(k);
            if (auswahlAntworten.empty()) return static_cast<int>(k.size()) - 1;
            const int a = auswahlAntworten.front();
            auswahlAntworten.erase(auswahlAntworten.begin());
            return a;
        };
        return *fenster;
    }

    // Shows the window and lets the start-up requests run.
    void Starten(TMainForm& f) {
        f.show();
        QApplication::processEvents();
        f.SortierHandleTimerTimer();
        QApplication::processEvents();
    }

    std::string Pfad(const std::string& name) const { return (tmp_.path() + "/" + QString::fromStdString(name)).toStdString(); }
    std::string Dokumente() const { return (tmp_.path() + "/docs/").toStdString(); }

    QTemporaryDir tmp_;
    std::unique_ptr<TMainForm> fenster;
    std::vector<std::string> meldungen;
    std::vector<DateiDialogAnfrage> anfragen;
    std::vector<DateiDialogErgebnis> dateiAntworten;
    UiAntwort frageAntwort = UiAntwort::Nein;
    std::vector<UiAntwort> frageAntworten;     // answered first, in order, then frageAntwort
    std::vector<int> auswahlAntworten;         // answers of the choices in order; then the last button
    std::vector<std::vector<std::string>> auswahlKnoepfe; // the answers each choice offered
};

} // namespace tavuran::test
