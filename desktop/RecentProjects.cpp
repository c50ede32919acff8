// RecentProjects: File > Recent Projects and the list of the projects opened or saved last.
#include "desktop/RecentProjects.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace kerf {

namespace {

// Paths are compared as written once "." and ".." and doubled separators are taken out.
QString Cleaned(const QString& path) { return QDir::cleanPath(path); }

}  // namespace

RecentList::RecentList(const QStringList& stored) {
  for (auto it = stored.crbegin(); it != stored.crend(); ++it)
    if (!it->trimmed().isEmpty()) Add(*it);
  // Added oldest first, so the stored order stands; repeats keep their most recent place.
}

void RecentList::Add(const QString& path) {
  Remove(path);
  paths_.prepend(path);
  while (paths_.size() > Limit) paths_.removeLast();
}

void RecentList::Remove(const QString& path) {
  const QString cleaned = Cleaned(path);
  paths_.removeIf([&cleaned](const QString& entry) { return Cleaned(entry) == cleaned; });
}

RecentProjects::RecentProjects(QMenu& menu, std::function<bool(const QString&)> open,
                               MessageShower showMessage)
    : menu_(menu), open_(std::move(open)), showMessage_(std::move(showMessage)) {
  Rebuild();
}

void RecentProjects::SetList(const RecentList& list) {
  list_ = list;
  Rebuild();
}

void RecentProjects::Add(const QString& path) {
  list_.Add(path);
  Rebuild();
  emit changed();
}

void RecentProjects::Clear() {
  list_.Clear();
  Rebuild();
  emit changed();
}

void RecentProjects::Choose(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    list_.Remove(path);
    Rebuild();
    emit changed();
    if (showMessage_)
      showMessage_(
          QString("The project %1 no longer exists.\nIt was taken off the recent projects.")
              .arg(path));
    return;
  }
  if (open_) open_(path);
}

void RecentProjects::Rebuild() {
  // The old items go later: this may run from one of them being chosen.
  for (QAction* old : menu_.actions()) {
    menu_.removeAction(old);
    old->setObjectName(QString());
    old->deleteLater();
  }
  int number = 1;
  for (const QString& path : list_.Paths()) {
    // An ampersand in a path is shown, not taken as a shortcut mark.
    QString caption = QString(path).replace('&', "&&");
    if (number <= 9) caption = QString("&%1 %2").arg(number).arg(caption);
    QAction* item = menu_.addAction(caption);
    item->setObjectName(QString("recentProject%1").arg(number++));
    connect(item, &QAction::triggered, this, [this, path] { Choose(path); });
  }
  if (!list_.Paths().isEmpty()) menu_.addSeparator();
  QAction* clear = menu_.addAction("&Clear");
  clear->setObjectName("clearRecentAction");
  clear->setEnabled(!list_.Paths().isEmpty());
  connect(clear, &QAction::triggered, this, &RecentProjects::Clear);
}

}  // namespace kerf
