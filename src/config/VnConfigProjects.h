#pragma once

#include "config/VnConfigSection.h"

#include <QStringList>

/// The folders or files last used by a dialog, stored as attributes of "projects".
enum class TVnLastPath { Imported = 1, Exported = 2, Exchanged = 3 };

/// Section "projects": the recent-project list and the last paths of the
/// import, export and exchange dialogs.
class TVnConfigProjects : public TVnConfigSection {
public:
  explicit TVnConfigProjects(pugi::xml_document &doc) : TVnConfigSection(doc, "projects") {}

  QString GetLastPath(TVnLastPath which);
  void SetLastPath(TVnLastPath which, const QString &path);

  /// The recent projects, most recent first.
  QStringList GetRecentProjects();
  /// Replaces the list, most recent first. The list has no length limit here.
  void SetRecentProjects(const QStringList &paths);
};
