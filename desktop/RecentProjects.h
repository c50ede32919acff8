// RecentProjects: File > Recent Projects and the list of the projects opened or saved last.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

#include "desktop/Choosers.h"

class QMenu;

namespace kerf {

// The projects opened or saved last: most recent first, each path once, at most Limit.
class RecentList {
 public:
  static constexpr int Limit = 8;

  RecentList() = default;
  // A list as it was stored: empty entries and repeats are dropped, the first Limit kept.
  explicit RecentList(const QStringList& stored);

  // path goes to the top; an earlier entry for it goes, and the oldest beyond Limit.
  void Add(const QString& path);
  void Remove(const QString& path);
  void Clear() { paths_.clear(); }
  const QStringList& Paths() const { return paths_; }

 private:
  QStringList paths_;
};

// Keeps the Recent Projects menu in step with its list. Choosing an entry opens the project;
// one whose file is gone is reported and taken off the list.
class RecentProjects : public QObject {
  Q_OBJECT

 public:
  // open: opens a project as File > Open does; returns whether it was opened.
  RecentProjects(QMenu& menu, std::function<bool(const QString&)> open, MessageShower showMessage);

  const RecentList& List() const { return list_; }
  void SetList(const RecentList& list);
  // A project was opened or saved under path.
  void Add(const QString& path);
  void Clear();
  // What choosing the entry for path does.
  void Choose(const QString& path);
  void SetMessageShower(MessageShower showMessage) { showMessage_ = std::move(showMessage); }

 signals:
  // The list changed (an entry added, dropped or cleared).
  void changed();

 private:
  void Rebuild();

  QMenu& menu_;
  std::function<bool(const QString&)> open_;
  MessageShower showMessage_;
  RecentList list_;
};

}  // namespace kerf
