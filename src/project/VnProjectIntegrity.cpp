// The integrity check: repairs known defects of project files.

#include "project/VnProjectIntegrity.h"

#include "project/VnV7Project.h"

#include "config/VnConfigToolSections.h"
#include "core/VnLanguageCode.h"
#include "core/VnXml.h"

#include <string>

namespace {

constexpr std::string_view kQuot = "&quot;";

// Repairs the stored (escaped) text of one element: raw double quotes become
// entities and the text is enclosed in them. Returns the errors corrected.
int RepairQuotes(pugi::xml_node element) {
  pugi::xml_node text = element.first_child();
  if (!text || text.type() != pugi::node_pcdata || !*text.value())
    return 0;
  std::string stored = text.value();
  int errors = 0;
  if (stored.find('"') != std::string::npos) {
    std::string replaced;
    for (char c : stored)
      replaced += c == '"' ? std::string(kQuot) : std::string(1, c);
    stored = std::move(replaced);
    ++errors;
  }
  if (!stored.starts_with(kQuot)) {
    stored.insert(0, kQuot);
    ++errors;
  }
  if (!stored.ends_with(kQuot)) {
    stored.append(kQuot);
    ++errors;
  }
  if (errors > 0)
    text.set_value(stored.c_str());
  return errors;
}

QString ReportLine(const char *check, int errors) {
  return (errors > 0 ? QStringLiteral("%1 check: %2 errors found and corrected").arg(QLatin1String(check)).arg(errors)
                     : QStringLiteral("%1 check: No errors found.").arg(QLatin1String(check))) +
         QStringLiteral("\r\n");
}

} // namespace

TVnIntegrityOptions VnIntegrityOptionsOf(TVnConfigProjectCheck &section) {
  return {section.GetBool(TVnConfigBoolKey::CheckQuots), section.GetBool(TVnConfigBoolKey::CheckSerbian),
          section.GetBool(TVnConfigBoolKey::CheckScannerLangs)};
}

int TVnV7Project::CheckRowQuotes() {
  int errors = 0;
  TVnV7ProjectSection &targets = Targets();
  for (int t = 0; t < targets.Count(); ++t) {
    pugi::xml_node target = targets.Item(t);
    for (const char *list : {"stringdata", "customdata"})
      for (pugi::xml_node row : VnXmlEnsureChild(target, list).children("row"))
        for (pugi::xml_node child : row.children())
          if (child.type() == pugi::node_element)
            errors += RepairQuotes(child);
  }
  return errors;
}

int TVnV7Project::CheckOldSerbian() {
  for (pugi::xpath_node lang : Root().select_nodes("//lang[starts-with(@id, 'sr_SP')]"))
    VnXmlSetAttr(lang.node(), "id", VnMigrateOldSerbianCode(VnXmlAttr(lang.node(), "id")));
  int errors = 0;
  TVnV7ProjectSection &languages = Languages();
  for (int i = 0; i < languages.Count(); ++i) {
    const QString old = GetLanguage(i);
    if (!VnIsOldSerbianCode(old))
      continue;
    const QString migrated = VnMigrateOldSerbianCode(old);
    VnXmlSetText(languages.Item(i), migrated);
    for (int t = 0; t < Targets().Count(); ++t) {
      pugi::xml_node list = Targets().Item(t).child("options").child("encodings").child("output_language_list");
      for (pugi::xml_node entry : list.children("language"))
        if (VnXmlText(entry.child("code")).compare(old, Qt::CaseInsensitive) == 0) {
          VnXmlSetText(entry.child("code"), migrated);
          break;
        }
    }
    ++errors;
  }
  InvalidateActiveLanguage();
  return errors;
}

int TVnV7Project::CheckScannerLanguages() {
  int errors = 0;
  const int languageCount = Languages().Count();
  for (int t = 0; t < Targets().Count(); ++t) {
    pugi::xml_node target = Targets().Item(t);
    const auto outputs = target.child("options").child("encodings").child("output_language_list").children("language");
    if (std::distance(outputs.begin(), outputs.end()) < languageCount)
      ++errors;
    TVnTargetInfo info = GetTargetInfo(t);
    if (info.NativeLanguage.isEmpty()) {
      VnXmlSetText(target.child("options").child("encodings").child("native_encoding").child("code"), u"en");
      ++errors;
    }
  }
  for (int i = 0; i < languageCount; ++i)
    SetLanguage(i, GetLanguage(i));
  return errors;
}

bool TVnV7Project::CheckIntegrity(QString &report, const TVnIntegrityOptions &options) {
  report.clear();
  int total = 0;
  const struct {
    bool On;
    const char *Name;
    int (TVnV7Project::*Check)();
  } checks[] = {
      {options.Quotes, "Row quots", &TVnV7Project::CheckRowQuotes},
      {options.OldSerbian, "Old Serbian language code", &TVnV7Project::CheckOldSerbian},
      {options.ScannerLanguages, "Scanner languages", &TVnV7Project::CheckScannerLanguages},
  };
  for (const auto &check : checks) {
    if (!check.On)
      continue;
    const int errors = (this->*check.Check)();
    report += ReportLine(check.Name, errors);
    total += errors;
  }
  if (total == 0)
    report = QStringLiteral("No errors found in project file.");
  else
    SetModified(true); // the repairs are worth nothing until saved
  Update(0, false);
  return total == 0;
}
