#include "ui/VnCommandCatalogue.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(VnCommandCatalogue, NamesAndShortcutsAreUnique) {
  TVnCommandList commands;
  QSet<QString> shortcuts;
  for (QAction *action : commands.Actions()) {
    const QString keys = action->shortcut().toString();
    if (keys.isEmpty())
      continue;
    // Two commands on one key make Qt run neither.
    EXPECT_FALSE(shortcuts.contains(keys)) << keys.toStdString();
    shortcuts.insert(keys);
  }
  int named = 0;
  for (const TVnCommandSpec &spec : VnCommandTable())
    named += !(spec.Flags & (cfSeparator | cfSubmenu));
  EXPECT_EQ(commands.Actions().size(), named) << "a command name is used twice";
}

TEST(VnCommandCatalogue, BuildsTheSevenMenusInOrder) {
  TVnCommandList commands;
  QMenuBar bar;
  commands.CreateMenus(&bar);
  QStringList captions;
  for (QAction *menu : bar.actions())
    captions.append(menu->text());
  EXPECT_EQ(captions, QStringList({"&File", "&Edit", "&View", "&Project", "&Advanced", "&Tools", "&Help"}));

  QStringList file;
  for (QAction *item : commands.Menu(TVnMenu::File)->actions())
    file.append(item->isSeparator() ? QStringLiteral("-") : item->text());
  EXPECT_EQ(file, QStringList({"&New...", "New &DB...", "New From &Template...", "&Open...", "&Reopen", "-", "&Save",
                               "Save &As...", "&Close", "-", "Import...", "Export...", "Exchange...", "-", "E&xit"}));
  EXPECT_EQ(commands.Menu(TVnMenu::Tools)->actions().at(1), commands.Action(QStringLiteral("aToolsSwitchTM")));
  EXPECT_FALSE(commands.Action(QStringLiteral("aFileNewDB"))->isVisible());
  EXPECT_EQ(commands.Action(QStringLiteral("aFileSaveAs"))->shortcut(), QKeySequence(Qt::Key_F12));
  EXPECT_EQ(commands.Submenu(QStringLiteral("aProjectClearNew")), nullptr);
  ASSERT_NE(commands.Submenu(QStringLiteral("mClear")), nullptr);
  EXPECT_EQ(commands.Submenu(QStringLiteral("mClear"))->actions().size(), 4);
}

TEST(VnCommandCatalogue, MenuItemsWithTheirOwnCaptionRunTheCommand) {
  TVnCommandList commands;
  QMenuBar bar;
  commands.CreateMenus(&bar);
  QAction *item = nullptr;
  for (QAction *candidate : commands.Menu(TVnMenu::Edit)->actions())
    if (candidate->text().startsWith(QStringLiteral("Paste Native Text")))
      item = candidate;
  ASSERT_NE(item, nullptr);
  int runs = 0;
  QObject::connect(commands.Action(QStringLiteral("aEditPasteNative")), &QAction::triggered, [&] { ++runs; });
  item->trigger();
  EXPECT_EQ(runs, 1);
  commands.Action(QStringLiteral("aEditPasteNative"))->setEnabled(false);
  EXPECT_FALSE(item->isEnabled());
}

} // namespace
