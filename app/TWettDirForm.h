// The window "Standardverzeichnisse und -dateien": shows the competition file
// chosen at start-up.
#pragma once

#include <QDialog>

class QLabel;

namespace tavuran {

class TWettDirForm : public QDialog {
    Q_OBJECT
  public:
    explicit TWettDirForm(QWidget* Eltern = nullptr);
    // Fills the window, centres it on the screen and shows it.
    void Zeigen();
    QLabel* DateiLabel() const { return datei_; }

  private:
    void OkClick();
    QLabel* datei_;
};

} // namespace tavuran
