#include "project/VnV7ProjectTarget.h"

#include "project/VnProjectTypes.h"
#include "project/VnRowElement.h"
#include "project/VnV7Project.h"

#include "core/VnError.h"
#include "core/VnXml.h"

#include <QHash>

#include <algorithm>

namespace {

void AppendElements(pugi::xml_node list, std::vector<pugi::xml_node> &rows) {
  for (pugi::xml_node child = list.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element)
      rows.push_back(child);
}

} // namespace

TVnV7ProjectTarget::TVnV7ProjectTarget(TVnV7Project &project, pugi::xml_node element)
    : FProject(project), FElement(element) {}

void TVnV7ProjectTarget::SetCaching(bool on) {
  FCaching = on;
  FCachedLanguageId = on ? FProject.ActiveLanguageId() : std::string();
}

const std::string &TVnV7ProjectTarget::LanguageId() {
  return FCaching ? FCachedLanguageId : FProject.ActiveLanguageId();
}

void TVnV7ProjectTarget::Recount() {
  FIndexed = false;
  FNamesBuilt = false;
}

void TVnV7ProjectTarget::EnsureIndexed() {
  if (FIndexed && FIndexedAt == FProject.StructureCounter())
    return;
  FStringRows.clear();
  FCustomRows.clear();
  FRowStarts.clear();
  if (IsAllTargets())
    IndexAllTargets();
  else
    IndexTarget();
  FIndexedAt = FProject.StructureCounter();
  FIndexed = true;
}

void TVnV7ProjectTarget::IndexTarget() {
  if (!VnXmlParseAttributeBool(VnXmlAttr(FElement, "enabled")).value_or(true))
    return; // a disabled target shows no rows
  // String rows first, then the scanner's custom data; other children of the
  // target (its options among them) hold no rows.
  AppendElements(VnXmlEnsureChild(FElement, "stringdata"), FStringRows);
  AppendElements(FElement.child("customdata"), FCustomRows);
}

void TVnV7ProjectTarget::IndexAllTargets() {
  TVnV7ProjectSection &targets = FProject.Targets();
  int start = 0;
  const int count = targets.Count();
  for (int i = 0; i < count; ++i) {
    FRowStarts.push_back(start);
    start += targets.GetTarget(i).RowCount(true);
  }
  FRowStarts.push_back(start);
}

int TVnV7ProjectTarget::RowCount(bool stringRowsOnly) {
  EnsureIndexed();
  if (IsAllTargets())
    return FRowStarts.empty() ? 0 : FRowStarts.back();
  return int(FStringRows.size() + (stringRowsOnly ? 0 : FCustomRows.size()));
}

int TVnV7ProjectTarget::TargetOfRow(int row, int *localRow) {
  EnsureIndexed();
  if (row < 0 || FRowStarts.size() < 2 || row >= FRowStarts.back())
    return -1;
  // The last start not above the row; empty targets share a start and are skipped.
  auto it = std::upper_bound(FRowStarts.begin(), FRowStarts.end() - 1, row) - 1;
  if (localRow)
    *localRow = row - *it;
  return int(it - FRowStarts.begin());
}

pugi::xml_node TVnV7ProjectTarget::GetRowXml(int row) {
  EnsureIndexed();
  if (row < 0)
    return {};
  if (IsAllTargets()) {
    int local = 0;
    const int target = TargetOfRow(row, &local);
    if (target < 0)
      throw EVnAssertion(QStringLiteral("TVnV7ProjectTarget.GetRowXml: TargetIndex < 0; Row = %1").arg(row));
    return FProject.Targets().GetTarget(target).GetRowXml(local);
  }
  if (row < int(FStringRows.size()))
    return FStringRows[std::size_t(row)];
  const std::size_t custom = std::size_t(row) - FStringRows.size();
  return custom < FCustomRows.size() ? FCustomRows[custom] : pugi::xml_node();
}

QString TVnV7ProjectTarget::GetRowValue(int row, int field) {
  try {
    if (pugi::xml_node element = GetRowXml(row)) {
      if (auto value = ReadField(element, field))
        return *value;
    }
  } catch (const EVnError &) {
  }
  return QStringLiteral("An error occured when reading string at row %1 col %2").arg(row).arg(field);
}

std::optional<QString> TVnV7ProjectTarget::ReadField(pugi::xml_node element, int field) {
  if (const char *attr = VnRowAttributeOf(field))
    return VnXmlAttr(element, attr);
  if (field == rfNative)
    return VnReadQuoted(element.child("native"));
  if (field >= rfLanguage) {
    const QString code = FProject.GetLanguage(field - rfLanguage);
    return code.isEmpty() ? QString() : VnReadQuoted(VnFindTranslation(element, VnXmlEscapeAttribute(code)));
  }
  pugi::xml_node lang = VnFindTranslation(element, LanguageId());
  if (!lang)
    return QString();
  switch (field) {
  case rfTranslation: {
    // An empty translation reads as the test translation that stands in for it.
    qsizetype stored = 0;
    QString text = VnReadQuoted(lang, &stored);
    return stored <= 2 ? VnXmlAttr(lang, "test") : text;
  }
  case rfTransStatus: {
    const QString status = VnXmlAttr(lang, "status");
    qsizetype stored = 0;
    if (status.isEmpty() && (VnReadQuoted(lang, &stored), stored <= 2) && !VnXmlAttr(lang, "test").isEmpty())
      return QStringLiteral("auto");
    return status;
  }
  default:
    if (const char *attr = VnTranslationAttributeOf(field))
      return VnXmlAttr(lang, attr);
    return std::nullopt;
  }
}

int TVnV7ProjectTarget::IndexedRowNamed(const QString &text) {
  const int count = RowCount(false);
  if (!FNamesBuilt || FNamesAt != FProject.StructureCounter() || FNamesVersion != FProject.NamesCounter()) {
    FNameHashes.clear();
    FNameHashes.reserve(std::size_t(count));
    for (int row = 0; row < count; ++row)
      FNameHashes.emplace_back(qHash(VnXmlAttr(GetRowXml(row), "name")), row);
    std::sort(FNameHashes.begin(), FNameHashes.end()); // equal hashes keep row order
    FNamesAt = FProject.StructureCounter();
    FNamesVersion = FProject.NamesCounter();
    FNamesBuilt = true;
  }
  const std::size_t hash = qHash(text);
  auto candidate = std::lower_bound(FNameHashes.begin(), FNameHashes.end(), std::make_pair(hash, -1));
  for (; candidate != FNameHashes.end() && candidate->first == hash; ++candidate)
    if (candidate->second < count && VnXmlAttr(GetRowXml(candidate->second), "name") == text)
      return candidate->second;
  return -1;
}

int TVnV7ProjectTarget::FindRow(const QString &text, bool prefix) {
  // Links name their rows by context, and the editors follow them on every row
  // change: a search over 200,000 rows each time would be felt.
  if (!prefix) {
    const int row = IndexedRowNamed(text);
    if (row >= 0)
      return row;
  }
  const int count = RowCount(false);
  int found = -1;
  for (int row = 0; row < count && found < 0; ++row) {
    const QString name = VnXmlAttr(GetRowXml(row), "name");
    if (prefix ? name.startsWith(text) : name == text)
      found = row;
  }
  SetCaching(false);
  return found;
}
