#pragma once

#include <QString>
#include <QStringList>

/// What a file dialog asks. Filter is a list of "description|patterns" pairs
/// joined with "|" ("Projects (*.v7p)|*.v7p|All files|*"); FilterIndex counts
/// from 1 as the pairs stand.
struct TVnFileDialogRequest {
  QString Title;
  QString Filter;
  QString DefaultExt;
  QString FileName;
  int FilterIndex = 1;
  bool MultiSelect = false;
  bool MustExist = true;         // open dialogs
  bool ConfirmOverwrite = false; // save dialogs
};

/// What the user chose; Files is empty when the dialog was cancelled.
struct TVnFileDialogResult {
  QStringList Files;
  int FilterIndex = 1;

  bool Accepted() const { return !Files.isEmpty(); }
};

/// Asks the user for files. The window, the command-line tool and the tests
/// each install their own implementation, as for message boxes.
class TVnFileDialogs {
public:
  virtual ~TVnFileDialogs() = default;
  virtual TVnFileDialogResult Open(const TVnFileDialogRequest &request) = 0;
  virtual TVnFileDialogResult Save(const TVnFileDialogRequest &request) = 0;
};

/// Installs `dialogs` (not owned; null restores the fallback, which always
/// cancels) and returns the previous one.
TVnFileDialogs *VnSetFileDialogs(TVnFileDialogs *dialogs);
/// The installed implementation.
TVnFileDialogs &VnFileDialogs();
