// The event log of a start-order draw ("Verlauf der Auszählung"): every line
// the engine writes while the window is shown, the newest selected.
#pragma once

#include <string>

#include <QDialog>
#include <QStringList>

class QListWidget;
class QTimer;

namespace tavuran {

class TStartreihenfolgeCoreForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStartreihenfolgeCoreForm(QWidget* Eltern = nullptr);

    // Clears the log and shows the window.
    void ShowSortLogList();
    // Appends one line and selects it; lines are kept only while the window is shown.
    void AddToSortLogList(const std::string& Text);
    // Shows the lines not yet in the list (they are added in batches, so that
    // a run with thousands of lines is not slowed down by its log).
    void Nachtragen();

    QListWidget* SortLogList;

  private:
    QStringList offen_;
    QTimer* nachtragen_;
};

} // namespace tavuran
