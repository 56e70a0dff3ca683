#pragma once

// The languages and locales the system supports, as the languages dialog lists
// them. Built on demand by LoadFromSystem; the program never stores the list.

#include <QList>
#include <QString>

struct TVnLocaleData;
class TVnSystemLanguage;

/// One country of a system language, identified inside its language by the
/// country code. Code, variant, script and primary id are its language's.
class TVnSystemLocale {
public:
  QString Country;
  int SubId = 0;
  QString WinCode;
  QString LocalizedName; ///< country name in the user's language
  QString NativeName;    ///< country name in the locale's own language
  int SymbianLanguage = 0;
  QString SymbianInstallCode;
  int PalmLanguage = 0;
  QString OracleAbbreviation;

  /// The table row of the locale; null when the table lacks it.
  const TVnLocaleData *Row(const TVnSystemLanguage &language) const;
  /// Primary id of the language plus the sub id shifted left by 10.
  int Lcid(const TVnSystemLanguage &language) const;
  /// Fills what is empty from the table and the system, when the system knows the locale.
  void FillDefaults(const TVnSystemLanguage &language);
  /// The native or the localized country name.
  QString DisplayName(bool native) const { return native ? NativeName : LocalizedName; }
  bool operator==(const TVnSystemLocale &) const = default;
};

/// A language as the system knows it, with its locales.
class TVnSystemLanguage {
public:
  QString Code;
  int Script = 0;
  QString Variant;
  QString WinCode; ///< two letters
  int PrimaryId = 0;
  int CodePage = 0;
  int SymbianLanguage = 99;
  QString SymbianInstallCode;
  int PalmLanguage = 0;
  QString OracleAbbreviation;
  QString LocalizedName;
  QString LocalizedVariantName;
  QString NativeName;
  QString NativeVariantName;
  QList<TVnSystemLocale> Locales;

  /// The language's code with variant and script, without country.
  QString FullCode() const;
  /// The table row of the language; null when the table lacks it.
  const TVnLocaleData *Row() const;
  /// The locale identifier used for system queries about the language.
  int Lcid() const;
  /// Fills unset fields from the table, else from the system.
  void FillDefaults();
  /// "Serbian, Latin", "Norwegian, Nynorsk".
  QString DisplayName() const;
  /// Same code, script and variant.
  bool SameLanguage(const TVnSystemLanguage &other) const;
  /// Adds a locale unless one with its country is present; true when added.
  bool AddLocale(const TVnSystemLocale &locale);
  /// The locale of that country; null when there is none.
  const TVnSystemLocale *FindLocale(const QString &country) const;
  bool operator==(const TVnSystemLanguage &) const = default;
};

/// The list of system languages.
class TVnSystemLanguages {
public:
  qsizetype Count() const { return FItems.size(); }
  const TVnSystemLanguage &operator[](qsizetype index) const { return FItems[index]; }
  void Clear() { FItems.clear(); }

  /// The index of the language with the same code, script and variant; -1 when none.
  qsizetype IndexOf(const TVnSystemLanguage &language) const;
  /// The language with that code, script and variant; null when none.
  const TVnSystemLanguage *Find(const QString &code, int script, const QString &variant) const;
  /// Adds a copy unless an equal language is present; true when added.
  bool Add(const TVnSystemLanguage &language);
  /// The locale named by a full code ("sr_BA.lat"); null when none.
  const TVnSystemLocale *FindLocale(const QString &fullCode) const;
  /// Sorts languages and their locales by full code, ignoring case.
  void Sort();

  /// Adds every locale the system supports, grouped by language. A language
  /// already present gains the new locales and, with `overwrite`, takes the
  /// new fields. `added` and `updated` count languages.
  void LoadFromSystem(int &added, int &updated, bool overwrite);

private:
  QList<TVnSystemLanguage> FItems;
};
