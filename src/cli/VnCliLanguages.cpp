// vantria languages: every language code the program knows, with its name.

#include "cli/VnCliMain.h"
#include "cli/VnCliProject.h"

#include "core/VnCustomLanguages.h"
#include "core/VnLanguages.h"
#include "core/VnLocaleTable.h"

#include <QTextStream>

int VnCliLanguages(const QStringList &args, QTextStream &out) {
  TVnCliArgs(args, {}).Expect(0, "languages");
  for (const TVnLocaleData &row : VnLocaleTable()) {
    const QString code = FormatLanguageCode(QLatin1String(row.Language), QLatin1String(row.Country),
                                            QLatin1String(row.Variant), row.Script);
    out << code << '\t' << DisplayNameOfCode(code) << '\n';
  }
  for (const TVnCustomLanguage &custom : VnCustomLanguages().Entries())
    out << custom.Code << '\t' << custom.Name << '\n';
  return ecSuccess;
}
