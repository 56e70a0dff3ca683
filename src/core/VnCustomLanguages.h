#pragma once

#include <QList>
#include <QString>

#include <memory>

namespace pugi {
class xml_document;
}

/// A language the user defined: an opaque code and the name shown for it.
struct TVnCustomLanguage {
  QString Code;
  QString Name;
  bool operator==(const TVnCustomLanguage &) const = default;
};

/// The per-installation store of custom languages: an XML document with root
/// "custom_languages" and one element per entry, named after the first two
/// characters of the code, with the attributes "name" and "code".
class TVnCustomLanguages {
public:
  /// A store kept in `fileName`; empty until Load.
  explicit TVnCustomLanguages(QString fileName);
  ~TVnCustomLanguages();
  TVnCustomLanguages(const TVnCustomLanguages &) = delete;
  TVnCustomLanguages &operator=(const TVnCustomLanguages &) = delete;

  const QString &FileName() const { return FFileName; }

  /// Creates the folder of the file when missing and reads the file when it
  /// exists; a missing file leaves the store empty. Entries that repeat a code
  /// are kept as they are: the first one answers. Raises EVnXmlError for a file
  /// that is not XML.
  void Load();
  /// Writes the whole document back to the file.
  void Save() const;

  /// The entries in document order.
  QList<TVnCustomLanguage> Entries() const;
  /// The name of the first entry with that code (searched through the whole
  /// document); empty when there is none.
  QString NameOf(const QString &code) const;
  bool Contains(const QString &code) const;

  /// Adds an entry. Raises EVnError when the code is not of the form "xx",
  /// "xx_YY" or "xx_YY.zz", when the name is empty, when the code is already a
  /// custom language, or when it is a code the program knows itself.
  void Add(const QString &code, const QString &name);
  /// Gives an existing entry a new name; raises EVnError when the code is not
  /// in the store or the name is empty.
  void Rename(const QString &code, const QString &name);
  /// Removes every entry with that code; false when there was none.
  bool Remove(const QString &code);
  /// Replaces all entries, as the custom languages dialog does when it closes.
  void SetEntries(const QList<TVnCustomLanguage> &entries);

  /// True for a code of the form a custom language must have.
  static bool IsValidCode(const QString &code);
  /// True when the locale table itself answers for the code.
  static bool IsBuiltInCode(const QString &code);

private:
  QString FFileName;
  std::unique_ptr<pugi::xml_document> FDocument; // owned
};

/// Where the store lives: "settings/customlangs.xml" in the writable shared data folder.
QString CustomLanguagesFile();
/// The process-wide store, kept in CustomLanguagesFile().
TVnCustomLanguages &VnCustomLanguages();
/// Loads the process-wide store; called once at start-up.
void LoadCustomLanguages();
/// Saves the process-wide store.
void SaveCustomLanguages();
