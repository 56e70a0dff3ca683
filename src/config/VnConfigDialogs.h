#pragma once

#include "config/VnConfigSection.h"

#include <QStringList>

/// Section "dialogs": histories and switches of the program's dialogs.
class TVnConfigDialogs : public TVnConfigSection {
public:
  explicit TVnConfigDialogs(pugi::xml_document &doc) : TVnConfigSection(doc, "dialogs") {}

  QStringList GetFindItems();
  void SetFindItems(const QStringList &items);
  QStringList GetReplaceItems();
  void SetReplaceItems(const QStringList &items);

  /// Show the post-build actions dialog after building.
  bool GetPostBuild();
  void SetPostBuild(bool show);

  /// Show the start-up dialog.
  bool GetShowStartup();
  void SetShowStartup(bool show);
  /// Open a project from the start-up dialog with a single click.
  bool GetStartupSingleClick();
  void SetStartupSingleClick(bool single);
  /// Hide the tool bar while no project is open.
  bool GetHideMenu();
  void SetHideMenu(bool hide);
};
