// AboutWindow: the "About" window: the title, its makers, its version and two pictures.
#pragma once

#include <QDialog>

#include "KerfwrightVersion.h"

class QLabel;
class QPushButton;

namespace kerf {

inline constexpr const char* VersionText = "Version: " KERF_VERSION_TEXT;

// The two pictures of the About window, drawn by the program at the given size.
QPixmap DrawAboutLogo(QSize size);      // a router bit over a worked edge
QPixmap DrawAboutMoulding(QSize size);  // a length of moulding seen end-on and along

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  QPushButton* CloseButton() const { return closeButton_; }

 private:
  QPushButton* closeButton_;
};

}  // namespace kerf
