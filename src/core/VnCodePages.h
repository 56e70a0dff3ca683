#pragma once

#include <QFlags>
#include <QStringView>
#include <QtGlobal>

#include <functional>
#include <span>

/// What the process can do with a code page; filled once, on first use of the table.
enum TVnCodePageFlag : unsigned {
  vnCpInstalled = 0x1,   ///< the system can convert it
  vnCpConvertible = 0x2, ///< the converter service can convert it
};
Q_DECLARE_FLAGS(TVnCodePageAvailability, TVnCodePageFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TVnCodePageAvailability)

/// One row of the code page table: an encoding name as target settings store it,
/// the Windows code page number it stands for and the script it writes.
struct TVnCodePageData {
  quint8 Script = 0;               ///< index into the script table; 0 for the Unicode encodings
  qint32 CodePage = 0;             ///< Windows code page number
  const char *Name = "";           ///< encoding name, compared ignoring ASCII case
  const char *Converter = nullptr; ///< ICU converter name for the number; null when ICU has none
  TVnCodePageAvailability Availability;
};

/// The 142 rows in their fixed order. Numbers and names repeat (20932, "iso-2022-jp"):
/// every lookup answers the first matching row.
std::span<const TVnCodePageData> VnCodePageTable();

/// The first row with that code page number; null for 0 or an unknown number.
const TVnCodePageData *FindCodePage(int codePage);
/// The code page of the first row whose name equals `name` ignoring ASCII case;
/// 0 when there is none or the name is empty.
int CodePageOfName(QStringView name);
/// The script of the code page's row; 0 when there is no row.
int ScriptOfCodePage(int codePage);
/// The availability of the code page's row; empty when there is no row.
TVnCodePageAvailability CodePageAvailability(int codePage);

/// The ICU converter name for a code page number, also for numbers the table does
/// not list but the system converts (437, 51932); null when ICU has no converter.
const char *VnConverterOfCodePage(int codePage);

/// Answers the default ANSI code page of a language identifier from the language
/// table, or 0 when the table does not know it.
using TVnAnsiCodePageSource = std::function<int(quint16 langid)>;
/// Installs the language table's answer for DefaultAnsiCodePage; an empty function
/// removes it. Set at start-up, before any other thread asks.
void VnSetDefaultAnsiCodePageSource(TVnAnsiCodePageSource source);

/// The default ANSI code page of a 16-bit Windows language identifier: Chinese by
/// its sub-language, then the installed source, then a table by primary language.
/// Never 0.
int DefaultAnsiCodePage(quint16 langid);
