// The distribution dialog "Verteiler": which copies of the start list to
// print. Each copy carries its recipient's title in the page header. The
// choice lives as long as the window (only the judges' copy at first) and is
// not stored.
#pragma once

#include <functional>

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace tavuran {

class TVerteilerForm : public QDialog {
    Q_OBJECT
  public:
    // Ok is called with the confirmed mask when at least one copy is chosen.
    explicit TVerteilerForm(std::function<void(int VerteilerMaske)> Ok, QWidget* Eltern = nullptr);

    int VerteilerMaske() const { return verteilerMaske_; }
    // Check boxes -> mask, mask -> check boxes.
    int ReadVerteilerMaske() const;
    void WriteVerteilerMaske();
    void OkButtonClick();
    void AbbruchButtonClick();

    // The boxes from top to bottom, bit n for box n.
    QCheckBox* CheckBox[7] = {};
    QPushButton* OkButton = nullptr;
    QPushButton* AbbruchButton = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;
    void reject() override { AbbruchButtonClick(); }

  private:
    std::function<void(int)> ok_;
    int verteilerMaske_ = 32;
};

} // namespace tavuran
