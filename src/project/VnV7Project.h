#pragma once

#include "project/VnCustomProject.h"
#include "project/VnProjectIntegrity.h"
#include "project/VnV7ProjectSection.h"
#include "project/VnV7ProjectTarget.h"

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <map>
#include <string>
#include <memory>

class QIODevice;

/// The project document: an XML document edited in place. Rows are never
/// copied into objects; every read and write goes to the elements.
class TVnV7Project : public TVnCustomProject {
public:
  explicit TVnV7Project(TVnProgress *progress = nullptr);
  ~TVnV7Project() override;

  pugi::xml_document &Document() { return FDoc; }
  pugi::xml_node Root() { return FDoc.document_element(); }

  /// The section of items named `name` ("target", "language", "exclude",
  /// "info"), created on first use.
  TVnV7ProjectSection &Sections(const QString &name);
  // The two sections every cell read needs, kept at hand.
  TVnV7ProjectSection &Targets() { return *FTargets; }
  TVnV7ProjectSection &Languages() { return *FLanguages; }
  /// The current target's element; null when none is current.
  pugi::xml_node CurrentTargetElement();

  /// Bumped by every insertion or deletion of rows or targets; row indexes are
  /// rebuilt when it changes. Code that edits the document directly calls
  /// StructureChanged after adding or removing rows.
  quint64 StructureCounter() const { return FStructure; }
  void StructureChanged() { ++FStructure; }
  /// Bumped whenever a row's name (context) is written: searches by name
  /// rebuild their index when it moves.
  quint64 NamesCounter() const { return FNames; }

  // Targets and languages.
  TVnTargetInfo GetTargetInfo(int index);
  void SetTargetInfo(int index, const TVnTargetInfo &info);
  TVnTargetInfo GetCurrentTargetInfo(const TVnTargetInfo &unchanged = {});
  /// The target's file name, made absolute against the project file's folder.
  QString GetTargetFileName(int index);
  QString GetLanguage(int index);
  /// Sets (or appends) a project language and registers it with every target.
  void SetLanguage(int index, const QString &code);
  QString GetActiveLanguage();
  /// The active language code as stored in "lang" elements' "id".
  const std::string &ActiveLanguageId();
  /// The native language of the first target; empty without targets.
  QString GetProjectNativeLanguage();

  // Rows of the current target view.
  int RowCount();
  int RowCountAll();
  QString GetRowValue(int row, int field);
  void SetRowValue(int row, int field, const QString &text) override;
  int FindRow(const QString &text, bool prefix);
  /// Deletes the active language's translation of a row; true when there was one.
  bool RemoveTranslation(int row);
  /// Deletes every row whose status is "removed".
  void RemoveRemovedRows();

  // Files.
  /// Opens a project file or an exchange package. On failure the project is
  /// left as it was and the error names the file. False when the user
  /// cancelled (the save question of the open project, or the extraction of
  /// a package over existing files).
  bool Open(const QString &path);
  void LoadFromStream(QIODevice &stream);
  void SaveToStream(QIODevice &stream);
  void Save() override;
  void SaveAs(const QString &path);
  void Clear() override;
  bool CloseQuery() override;
  bool IsEmpty() override;

  /// Repairs known defects of project files and describes them in `report`;
  /// true when nothing was found.
  bool CheckIntegrity(QString &report, const TVnIntegrityOptions &options);

  // Undo and redo: one snapshot of the whole document.
  void PerformHistory(int kind) override;
  bool GetHistoryStatus(int kind) const;

  /// The class id of the current target's scanner; empty when none is current.
  virtual QString GetScanner();
  /// Stores the current target's scanner class id and binds that scanner.
  virtual void SetScanner(const QString &classId);
  /// False when a validation exclude exempts the row of the current view.
  virtual bool IsRowValidated(int row);

protected:
  void ReloadViews() override;
  bool HasTargets() override { return Targets().Count() > 0; }

  // Seams where the scanner binding, the history and validation plug in.
  /// Runs when a target becomes current, before the views hear of it.
  virtual void BindScannerOfCurrentTarget() {}
  /// Drops the bound scanner object and, for a non-empty class id, creates
  /// and keeps the scanner of that class.
  virtual void AttachScanner(const QString &classId) {}
  /// Run by Save before writing, and by Open after loading.
  virtual void AddHistoryOnSave() {}
  virtual void AddHistoryOnOpen() {}
  /// Run by LoadFromStream once the targets and languages are selected.
  virtual void BuildValidationExcludes() {}

private:
  friend class TVnV7ProjectSection;
  TVnV7ProjectTarget &CurrentView();
  void ForgetHistory();
  int CheckRowQuotes();
  int CheckOldSerbian();
  int CheckScannerLanguages();
  /// The active language changed or may have: the cached code is read anew.
  void InvalidateActiveLanguage() { FActiveValid = false; }
  void WriteTranslationField(pugi::xml_node row, int field, const QString &text);
  pugi::xml_node EnsureRoot();
  QByteArray Serialize();
  void LoadBytes(const QByteArray &bytes, const QString &sourceName);
  /// Makes a parsed document the project's and selects its first items.
  void InstallDocument(pugi::xml_document &&parsed);
  void SelectAfterLoad();
  void WriteFile();

  pugi::xml_document FDoc;
  std::map<QString, std::unique_ptr<TVnV7ProjectSection>> FSections;
  TVnV7ProjectSection *FTargets;   // owned by FSections
  TVnV7ProjectSection *FLanguages; // owned by FSections
  quint64 FStructure = 1;
  quint64 FNames = 0;
  QByteArray FSnapshot;
  bool FHasSnapshot = false;
  bool FUndoOffered = false;
  qsizetype FSizeHint = 0; // size of the file last read or written
  bool FActiveValid = false;
  QString FActiveCode;
  std::string FActiveId;
};

/// The backup name of a project file: its extension replaced by ".~v7p".
QString VnProjectBackupName(const QString &fileName);
