// DialogFolders: the folder each file dialog of the program last chose a file in.
#pragma once

#include <QMap>
#include <QString>
#include <memory>

#include "desktop/Choosers.h"

namespace kerf {

class DialogFolders {
 public:
  // Keyed by the dialog's name ("Project", "Texture", ...); empty when nothing was chosen yet.
  QString Folder(const QString& dialog) const { return folders_->value(dialog); }
  void SetFolder(const QString& dialog, const QString& folder);
  const QMap<QString, QString>& All() const { return *folders_; }

  // chooser, started in the folder last chosen in with dialog (while that folder exists;
  // otherwise where the request says) and remembering the folder of each file chosen.
  FileChooser Remembering(const QString& dialog, FileChooser chooser);

 private:
  // Shared with the choosers made here, which may outlive this object.
  std::shared_ptr<QMap<QString, QString>> folders_ = std::make_shared<QMap<QString, QString>>();
};

}  // namespace kerf
