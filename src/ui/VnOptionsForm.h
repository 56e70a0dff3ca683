#pragma once

#include "config/VnConfigValues.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QBoxLayout;
class QFont;
class QLabel;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TVnConfiguration;

/// Help context of the Options dialog.
inline constexpr int hcOptionsDialog = 1100;

/// "Options": settings of the program's environment on pages chosen from a
/// tree. The controls are loaded from the store when the dialog is made; OK
/// writes every one back (hidden ones too, so that their settings keep their
/// values) and saves the configuration; Cancel writes nothing.
///
/// Each control that holds a setting is named after its key ("create_backups",
/// "grid_font", "save_statuses_qaed"), so tests and scripts find it by name.
class TVnOptionsForm : public QDialog {
  Q_OBJECT
public:
  explicit TVnOptionsForm(TVnConfiguration &config, QWidget *parent = nullptr);
  ~TVnOptionsForm() override;

  /// Asks for a font, starting from `current`; no font when the user cancels.
  /// Replaceable so that tests need no font dialog.
  std::function<std::optional<TVnFont>(const TVnFont &current)> ChooseFont;
  /// Shows the dialog's help topic; replaceable for tests.
  std::function<void()> ShowHelp;

  /// The captions of the active pages joined by " - " ("Environment - Settings").
  QString Title() const;
  QTreeWidget *PageTree() const { return FTree; }
  /// Selects the page with this caption (an outer page or a nested one); false
  /// when there is none.
  bool SelectPage(const QString &caption);

  /// Writes every control back to the store, without saving the file.
  void WriteSettings();
  /// Writes the settings and saves the configuration. A failure to save is
  /// reported; the settings stay in the store, which is saved again at exit.
  void accept() override;

private:
  struct TPrivate;
  struct TFontControl;

  QWidget *MakeSettingsPage();
  QWidget *MakeDialogsPage();
  QWidget *MakeGridPage();
  QWidget *MakeTranslationsPage();
  QWidget *MakeMemoryPage();
  QWidget *MakeIntegrityPage();
  void AddChecks(int page, QBoxLayout *layout);
  QWidget *MakeFontRow(TFontControl &font, const char *name);
  void ChangeFont(TFontControl &font);
  void PageSelected(QTreeWidgetItem *item);

  TVnConfiguration &FConfig; // not owned
  std::unique_ptr<TPrivate> FP;
  QTreeWidget *FTree;
  QLabel *FTitle;
  QStackedWidget *FPages; // outer pages, each a stack of nested pages
};

