#pragma once

#include <QString>
#include <QStringView>

#include <span>

/// One writing system a language code can name after its ".": the index of a
/// row is what cultures and the code page table store as their script.
struct TVnScriptData {
  const char *DisplayName; ///< English name shown to the user
  const char *Identifier;  ///< lower-case word, stable across versions
  const char *Code;        ///< three letters written after the "." of a code
};

/// Script indexes that code reads by name. Index 0 means "not set": searches
/// take it as any script and stores as a request for the default.
enum TVnScript : int {
  vnScriptDefault = 0,
  vnScriptLatin = 1,
  vnScriptGreek = 2,
  vnScriptCyrillic = 3,
  vnScriptArabic = 4,
  vnScriptHebrew = 5,
  vnScriptJapanese = 6,
  vnScriptTraditionalChinese = 7,
  vnScriptSimplifiedChinese = 8,
  vnScriptKorean = 9,
  vnScriptThai = 10,
  vnScriptBengali = 16,
};

/// The 24 scripts in index order.
std::span<const TVnScriptData> VnScriptTable();
/// The three-letter code of a script index; empty for an index outside the table.
QString ScriptCode(int script);
/// The index whose code equals `code` ignoring case; `def` when none does.
int ScriptByCode(QStringView code, int def);
