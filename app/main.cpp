// Tavuran: start-up of the program. The main window is created first (it sets
// up the settings store that the other windows read), then the event loop runs
// until the main window has put its competition away.
#include <QApplication>

#include "app/TMainForm.h"
#include "platform/Uebersetzung.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tavuran");
    QApplication::setOrganizationName("Tavuran");
    QApplication::setQuitOnLastWindowClosed(false);
    tavuran::DeutscheOberflaeche(app);

    QStringList argumente = QApplication::arguments();
    argumente.removeFirst();
    tavuran::TMainForm fenster(argumente);
    fenster.show();
    return QApplication::exec();
}
