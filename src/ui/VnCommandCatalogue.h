#pragma once

// The catalogue of the main window's commands: one table row per command with
// its name, caption, shortcut, hint, menu and start-up visibility. It creates
// every QAction and every menu; widgets never set captions or shortcuts.

#include <QHash>
#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QMenu;
class QMenuBar;

/// The menus of the main window, in their order.
enum class TVnMenu { File, Edit, View, Project, Advanced, Tools, Help, None };

enum TVnCommandFlag : unsigned {
  cfNone = 0,
  cfHidden = 1 << 0,    // hidden at start-up; its shortcut still works
  cfCheckable = 1 << 1,
  cfSeparator = 1 << 2, // a separator line, not a command
  cfSubmenu = 1 << 3,   // a submenu whose items the window fills itself
  cfInSubmenu = 1 << 4, // belongs to the last submenu row before it
};

/// One row of the catalogue.
struct TVnCommandSpec {
  const char *Name;
  const char *Caption;
  const char *Shortcut;
  const char *Hint;
  TVnMenu Menu;
  unsigned Flags;
  /// Caption of the menu item when it differs from the command's own caption.
  const char *MenuCaption = nullptr;
};

/// Every command of the main window, in menu order.
const std::vector<TVnCommandSpec> &VnCommandTable();

/// The command list: the QActions of the catalogue, looked up by name.
class TVnCommandList : public QObject {
  Q_OBJECT
public:
  explicit TVnCommandList(QObject *parent = nullptr);

  /// The command named `name`; asserts that it exists.
  QAction *Action(const QString &name) const;
  /// Builds the seven menus into `bar`; submenus can then be found by name.
  void CreateMenus(QMenuBar *bar);
  QMenu *Menu(TVnMenu menu) const { return FMenus.value(int(menu)); }
  QMenu *Submenu(const QString &name) const { return FSubmenus.value(name); }
  const QHash<QString, QAction *> &Actions() const { return FActions; }

private:
  QHash<QString, QAction *> FActions;
  QHash<int, QMenu *> FMenus;
  QHash<QString, QMenu *> FSubmenus;
};
