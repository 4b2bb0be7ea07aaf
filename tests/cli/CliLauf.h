// Runs the built tavuran-cli as a user would and collects what it prints.
// Output goes through files named after the process and the running test, so
// that tests running side by side never read each other's output.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tavuran::clitest {

struct Lauf {
    int Rueckgabe = -1;
    std::string Aus, Fehler;
};

inline std::string Lies(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A file name of the running test in the temporary folder.
inline std::string TempDatei(const std::string& Name) {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string test = info ? std::string(info->test_suite_name()) + "_" + info->name() : "ohne_test";
    return testing::TempDir() + "tavuran_" + std::to_string(getpid()) + "_" + test + "_" + Name;
}

inline Lauf Starte(const std::string& Argumente) {
    const std::string aus = TempDatei("aus.txt");
    const std::string fehler = TempDatei("fehler.txt");
    const std::string cmd =
        std::string("\"") + TAVURAN_CLI + "\" " + Argumente + " >\"" + aus + "\" 2>\"" + fehler + "\" </dev/null";
    const int status = std::system(cmd.c_str());
    Lauf l;
    l.Rueckgabe = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    l.Aus = Lies(aus);
    l.Fehler = Lies(fehler);
    std::remove(aus.c_str());
    std::remove(fehler.c_str());
    return l;
}

inline std::vector<std::string> Zeilen(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string l;
    while (std::getline(in, l)) out.push_back(l);
    return out;
}

inline std::vector<std::string> Felder(const std::string& zeile) {
    std::vector<std::string> f;
    std::string teil;
    std::istringstream in(zeile);
    while (std::getline(in, teil, '\t')) f.push_back(teil);
    return f;
}

} // namespace tavuran::clitest
