#include "project/VnV7ProjectTarget.h"

#include "project/VnProjectTypes.h"
#include "project/VnRowElement.h"
#include "project/VnV7Project.h"

#include "core/VnError.h"
#include "core/VnXml.h"

#include <algorithm>

namespace {

void AppendElements(pugi::xml_node list, std::vector<pugi::xml_node> &rows) {
  for (pugi::xml_node child = list.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element)
      rows.push_back(child);
}

int CountElements(pugi::xml_node list) {
  int count = 0;
  for (pugi::xml_node child = list.first_child(); child; child = child.next_sibling())
    count += child.type() == pugi::node_element;
  return count;
}

// Native texts and translations are stored between double quotes.
QString Unquote(const QString &stored) {
  return stored.size() < 2 ? QString() : stored.mid(1, stored.size() - 2);
}

} // namespace

TVnV7ProjectTarget::TVnV7ProjectTarget(TVnV7Project &project, pugi::xml_node element)
    : FProject(project), FElement(element) {}

void TVnV7ProjectTarget::SetCaching(bool on) {
  FCaching = on;
  FCachedLanguage = on ? FProject.GetActiveLanguage() : QString();
}

QString TVnV7ProjectTarget::LanguageCode() {
  return FCaching ? FCachedLanguage : FProject.GetActiveLanguage();
}

void TVnV7ProjectTarget::Recount() { FIndexed = false; }

void TVnV7ProjectTarget::EnsureIndexed() {
  if (FIndexed && FIndexedAt == FProject.StructureCounter())
    return;
  FStringRows.clear();
  FCustomRows.clear();
  FCustomCount = 0;
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
  VnXmlEnsureChild(FElement, "stringdata");
  // The first child holds the scanner options and is never a row list.
  for (pugi::xml_node list = FElement.first_child().next_sibling(); list; list = list.next_sibling()) {
    if (list.type() != pugi::node_element)
      continue;
    if (qstrcmp(list.name(), "stringdata") == 0)
      AppendElements(list, FStringRows);
    else
      FCustomCount += CountElements(list);
  }
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
  return int(FStringRows.size()) + (stringRowsOnly ? 0 : FCustomCount);
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
  const QString failure =
      QStringLiteral("An error occured when reading string at row %1 col %2").arg(row).arg(field);
  try {
    pugi::xml_node element = GetRowXml(row);
    if (!element)
      return failure;
    if (const char *attr = VnRowAttributeOf(field))
      return VnXmlAttr(element, attr);
    if (field == rfNative)
      return Unquote(VnXmlText(element.child("native")));
    if (field >= rfLanguage) {
      const QString code = FProject.GetLanguage(field - rfLanguage);
      return code.isEmpty() ? QString() : Unquote(VnXmlText(VnFindTranslation(element, code)));
    }
    pugi::xml_node lang = VnFindTranslation(element, LanguageCode());
    if (!lang)
      return {};
    switch (field) {
    case rfTranslation: {
      const QString stored = VnXmlText(lang);
      return stored.size() <= 2 ? VnXmlAttr(lang, "test") : Unquote(stored);
    }
    case rfTransStatus: {
      const QString status = VnXmlAttr(lang, "status");
      if (status.isEmpty() && VnXmlText(lang).size() <= 2 && !VnXmlAttr(lang, "test").isEmpty())
        return QStringLiteral("auto");
      return status;
    }
    default: {
      const char *attr = VnTranslationAttributeOf(field);
      return attr ? VnXmlAttr(lang, attr) : failure;
    }
    }
  } catch (const EVnError &) {
    return failure;
  }
}

int TVnV7ProjectTarget::FindRow(const QString &text, bool prefix) {
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
