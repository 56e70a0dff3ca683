#pragma once

// The plug-in managers: one per category, each listing the files of its
// category in the plug-ins folder and turning a file into its ProgID and
// class. A plug-in named "xScanner.so" has the ProgID "xScanner.Scanner".

#include <QString>
#include <QStringList>

#include <functional>

/// True when the class registry names a library for `classId` (registry form,
/// with braces) and that file exists.
bool IsClassRegistered(const QString &classId);
/// Registers the classes of a plug-in library. Raises EVnError "Failed to
/// register OCX. File name: "…"" (with the reason on a second line) when the
/// library cannot be loaded or its registration fails.
void RegisterServer(const QString &fileName);

/// The base of the managers. Derived classes name their category's suffix.
class TVnPluginManager {
public:
  explicit TVnPluginManager(QString componentName) : FName(std::move(componentName)) {}
  virtual ~TVnPluginManager() = default;
  TVnPluginManager(const TVnPluginManager &) = delete;
  TVnPluginManager &operator=(const TVnPluginManager &) = delete;

  /// The name the data module knows the manager by ("ScannerManager").
  const QString &Name() const { return FName; }

  /// Raised after every search of the folder.
  std::function<void(TVnPluginManager &sender)> OnAfterScanFolder;

  /// The plug-ins folder (ends without a slash as assigned).
  const QString &Folder() const { return FFolder; }
  /// Keeps `folder` when it exists, else takes the program's plug-ins folder;
  /// then searches it.
  void SetFolder(const QString &folder);

  /// Number of files found by the last search.
  int Count() const { return int(FFiles.size()); }
  /// File name (without folder) of entry `index`.
  const QString &FileName(int index) const;
  /// Full path of entry `index`.
  QString FilePath(int index) const;
  /// The ProgID the file of entry `index` registers: its name with the
  /// extension replaced by "." and the ProgID suffix.
  QString ProgId(int index) const;
  /// The file name up to the first occurrence of the suffix ("" for a file
  /// named exactly like the suffix).
  QString BaseName(int index) const;
  /// Index of the first file whose GetClassID is exactly `classId`, else -1.
  int IndexOfClassID(const QString &classId);

  /// The class registered for the ProgID of file `index`, in registry form;
  /// empty when the ProgID is not registered.
  virtual QString GetClassID(int index);
  /// The file name suffix of the category ("Scanner.so").
  virtual QString Suffix() const = 0;
  /// The format of the found message: %1 the count, %2 the folder.
  virtual QString FoundMessage() const;
  /// The found message filled in.
  QString FoundText() const;
  /// Fills `lines` with what the user is told about file `index`; the base
  /// only clears them.
  virtual void ShowDetails(QStringList &lines, int index);

protected:
  /// The part after the dot of the category's ProgIDs ("Scanner").
  virtual QString ProgIdSuffix() const;

private:
  void Search();

  QString FName;
  QString FFolder;
  QStringList FFiles;
};

class TVnExporterManager : public TVnPluginManager {
public:
  TVnExporterManager() : TVnPluginManager(QStringLiteral("ExporterManager")) {}
  QString Suffix() const override { return QStringLiteral("Exporter.so"); }
  QString FoundMessage() const override { return QStringLiteral("%1 exporter(s) found in folder %2"); }
};

/// Visual editor controls. Their ProgIDs end in "Vn7Editor".
class TVnEditorManager : public TVnPluginManager {
public:
  TVnEditorManager() : TVnPluginManager(QStringLiteral("EditorManager")) {}
  QString Suffix() const override { return QStringLiteral("Editor.so"); }
  void ShowDetails(QStringList &lines, int index) override;

protected:
  QString ProgIdSuffix() const override { return QStringLiteral("Vn7Editor"); }
};
