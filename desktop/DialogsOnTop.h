// Keeps the program's dialogs above its always-on-top tool windows.
#pragma once

#include <QObject>

namespace kerf {

// Installed on the application: every dialog window (file, colour and print dialogs, message
// boxes, the program's own dialogs) joins the always-on-top layer of the tool windows as it is
// shown, so the newly shown dialog comes out above them instead of opening behind one.
class DialogsOnTop : public QObject {
  Q_OBJECT

 public:
  explicit DialogsOnTop(QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kerf
