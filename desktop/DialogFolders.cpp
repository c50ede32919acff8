// DialogFolders: the folder each file dialog of the program last chose a file in.
#include "desktop/DialogFolders.h"

#include <QDir>
#include <QFileInfo>

namespace kerf {

void DialogFolders::SetFolder(const QString& dialog, const QString& folder) {
  if (folder.isEmpty()) {
    folders_->remove(dialog);
  } else {
    folders_->insert(dialog, folder);
  }
}

FileChooser DialogFolders::Remembering(const QString& dialog, FileChooser chooser) {
  return [folders = folders_, dialog, chooser = std::move(chooser)](const FileRequest& request) {
    FileRequest started = request;
    const QString last = folders->value(dialog);
    if (!last.isEmpty() && QFileInfo(last).isDir()) started.directory = last;
    const QString chosen = chooser(started);
    if (!chosen.isEmpty())
      folders->insert(dialog, QDir::toNativeSeparators(QFileInfo(chosen).absolutePath()));
    return chosen;
  };
}

}  // namespace kerf
