#include "project/VnV7Project.h"

#include "project/VnRowElement.h"

#include "core/VnError.h"
#include "core/VnXml.h"

#include <QDir>
#include <QFileInfo>

namespace {

pugi::xml_node EnsureFirstChild(pugi::xml_node parent, const char *name) {
  pugi::xml_node child = parent.child(name);
  return child ? child : parent.prepend_child(name);
}

// The output-language entry of a target for a language code.
pugi::xml_node OutputLanguage(pugi::xml_node target, const QString &code, Qt::CaseSensitivity cs) {
  pugi::xml_node list = target.child("options").child("encodings").child("output_language_list");
  for (pugi::xml_node entry : list.children("language"))
    if (VnXmlText(entry.child("code")).compare(code, cs) == 0)
      return entry;
  return {};
}

} // namespace

TVnV7Project::TVnV7Project(TVnProgress *progress)
    : TVnCustomProject(progress), FTargets(&Sections(QStringLiteral("target"))),
      FLanguages(&Sections(QStringLiteral("language"))) {
  FDoc.append_child("xml");
}

TVnV7Project::~TVnV7Project() = default;

pugi::xml_node TVnV7Project::EnsureRoot() {
  pugi::xml_node root = FDoc.document_element();
  return root ? root : FDoc.append_child("xml");
}

TVnV7ProjectSection &TVnV7Project::Sections(const QString &name) {
  auto &section = FSections[name];
  if (!section)
    section = std::make_unique<TVnV7ProjectSection>(*this, name);
  return *section;
}

pugi::xml_node TVnV7Project::CurrentTargetElement() { return Targets().Item(Targets().ItemIndex()); }

TVnV7ProjectTarget &TVnV7Project::CurrentView() { return Targets().GetCurrentTarget(); }

void TVnV7Project::ReloadViews() { Targets().Reload(); }

bool TVnV7Project::IsEmpty() { return Targets().Count() == 0; }

TVnTargetInfo TVnV7Project::GetTargetInfo(int index) {
  pugi::xml_node target = Targets().Item(index);
  if (!target)
    throw EVnError(QStringLiteral("Internal error in GetTargetInfo(%1): \"%2\"")
                       .arg(index)
                       .arg(QStringLiteral("there is no such target")));
  // Every target read once has the full options skeleton.
  pugi::xml_node options = EnsureFirstChild(target, "options");
  pugi::xml_node encodings = VnXmlEnsureChild(options, "encodings");
  pugi::xml_node native = VnXmlEnsureChild(encodings, "native_encoding");
  TVnTargetInfo info;
  info.FileName = VnXmlText(VnXmlEnsureChild(options, "filename"));
  info.NativeLanguage = VnXmlText(VnXmlEnsureChild(native, "code"));
  info.NativeEncoding = VnXmlText(VnXmlEnsureChild(native, "encoding"));
  info.Scanner = VnXmlAttr(target, "scanner");
  info.TranslatedEncoding =
      VnXmlText(OutputLanguage(target, GetActiveLanguage(), Qt::CaseInsensitive).child("encoding"));
  info.Visible = VnXmlParseAttributeBool(VnXmlAttr(target, "visible")).value_or(true);
  info.Enabled = VnXmlParseAttributeBool(VnXmlAttr(target, "enabled")).value_or(true);
  return info;
}

void TVnV7Project::SetTargetInfo(int index, const TVnTargetInfo &info) {
  const TVnTargetInfo old = GetTargetInfo(index); // also creates the skeleton
  pugi::xml_node target = Targets().Item(index);
  pugi::xml_node options = target.child("options");
  pugi::xml_node native = options.child("encodings").child("native_encoding");
  VnXmlSetText(options.child("filename"), info.FileName);
  VnXmlSetText(native.child("encoding"), info.NativeEncoding);
  const bool languageChanged = info.NativeLanguage != old.NativeLanguage;
  if (languageChanged)
    VnXmlSetText(native.child("code"), info.NativeLanguage);
  VnXmlSetAttr(target, "visible", VnXmlBoolText(info.Visible));
  VnXmlSetAttr(target, "enabled", VnXmlBoolText(info.Enabled));
  if (info.Enabled != old.Enabled)
    StructureChanged(); // a disabled target shows no rows
  SetModified(true);
  if (languageChanged)
    LanguageChanged();
}

TVnTargetInfo TVnV7Project::GetCurrentTargetInfo(const TVnTargetInfo &unchanged) {
  const int index = Targets().ItemIndex();
  return index >= 0 && index < Targets().Count() ? GetTargetInfo(index) : unchanged;
}

QString TVnV7Project::GetTargetFileName(int index) {
  const QString name = GetTargetInfo(index).FileName;
  // Paths from Windows-made projects ("X:\..." or "\\server\...") count as absolute.
  const bool windowsAbsolute = (name.size() > 2 && name[1] == QLatin1Char(':')) ||
                               name.startsWith(QLatin1String("\\\\"));
  if (name.isEmpty() || windowsAbsolute || QDir::isAbsolutePath(name) || FFileName.isEmpty())
    return name;
  return QDir::cleanPath(QFileInfo(FFileName).absoluteDir().filePath(name));
}

QString TVnV7Project::GetLanguage(int index) { return VnXmlText(Languages().Item(index)); }

void TVnV7Project::SetLanguage(int index, const QString &code) {
  pugi::xml_node container = VnXmlEnsureChild(EnsureRoot(), "languages");
  pugi::xml_node language = Languages().Item(index);
  if (!language)
    language = container.append_child("language");
  VnXmlSetText(language, code);
  InvalidateActiveLanguage();
  if (!code.isEmpty()) {
    TVnV7ProjectSection &targets = Targets();
    for (int t = 0; t < targets.Count(); ++t) {
      pugi::xml_node target = targets.Item(t);
      if (OutputLanguage(target, code, Qt::CaseSensitive))
        continue;
      pugi::xml_node options = EnsureFirstChild(target, "options");
      pugi::xml_node list = VnXmlEnsureChild(VnXmlEnsureChild(options, "encodings"), "output_language_list");
      VnXmlSetText(list.append_child("language").append_child("code"), code);
    }
  }
  Update(0, false);
}

QString TVnV7Project::GetActiveLanguage() {
  if (!FActiveValid) {
    const int index = Languages().ItemIndex();
    FActiveCode = index >= 0 ? GetLanguage(index) : QString();
    FActiveId = VnXmlEscapeAttribute(FActiveCode);
    FActiveValid = true;
  }
  return FActiveCode;
}

const std::string &TVnV7Project::ActiveLanguageId() {
  GetActiveLanguage();
  return FActiveId;
}

QString TVnV7Project::GetProjectNativeLanguage() {
  return IsEmpty() ? QString() : GetTargetInfo(0).NativeLanguage;
}

int TVnV7Project::RowCount() { return CurrentView().RowCount(true); }

int TVnV7Project::RowCountAll() { return CurrentView().RowCount(false); }

QString TVnV7Project::GetRowValue(int row, int field) { return CurrentView().GetRowValue(row, field); }

int TVnV7Project::FindRow(const QString &text, bool prefix) { return CurrentView().FindRow(text, prefix); }

void TVnV7Project::SetRowValue(int row, int field, const QString &text) {
  if (field >= rfLanguage)
    return; // the per-language columns are read only
  pugi::xml_node element = CurrentView().GetRowXml(row);
  if (!element)
    throw EVnError(QStringLiteral("There is no row %1 to write.").arg(row));
  if (field == rfName)
    ++FNames;
  if (const char *attr = VnRowAttributeOf(field))
    VnXmlSetAttr(element, attr, text);
  else if (field == rfNative)
    VnXmlSetText(VnXmlEnsureChild(element, "native"), QLatin1Char('"') + text + QLatin1Char('"'));
  else
    WriteTranslationField(element, field, text);
  TVnCustomProject::SetRowValue(row, field, text);
}

void TVnV7Project::WriteTranslationField(pugi::xml_node row, int field, const QString &text) {
  const QString code = GetActiveLanguage();
  if (code.isEmpty())
    throw EVnError(QStringLiteral("No project language is active: the translation cannot be written."));
  pugi::xml_node lang = VnFindTranslation(row, ActiveLanguageId());
  if (field == rfTranslation && text.isEmpty() && lang) {
    row.remove_child(lang);
    return;
  }
  if (!lang) {
    lang = row.append_child("lang");
    VnXmlSetAttr(lang, "id", code);
  }
  if (field == rfTranslation)
    VnXmlSetText(lang, QLatin1Char('"') + text + QLatin1Char('"'));
  else if (const char *attr = VnTranslationAttributeOf(field))
    VnXmlSetAttr(lang, attr, text);
}

bool TVnV7Project::RemoveTranslation(int row) {
  pugi::xml_node element = CurrentView().GetRowXml(row);
  pugi::xml_node lang = VnFindTranslation(element, ActiveLanguageId());
  if (!lang)
    return false;
  element.remove_child(lang);
  SetModified(true);
  return true;
}

void TVnV7Project::RemoveRemovedRows() {
  bool removed = false;
  TVnV7ProjectSection &targets = Targets();
  for (int t = 0; t < targets.Count(); ++t) {
    for (pugi::xml_node list : targets.Item(t).children()) {
      for (pugi::xml_node row = list.child("row"); row;) {
        pugi::xml_node next = row.next_sibling("row");
        if (VnXmlAttr(row, "status") == QLatin1String("removed")) {
          list.remove_child(row);
          removed = true;
        }
        row = next;
      }
    }
  }
  if (removed) {
    StructureChanged();
    SetModified(true);
  }
  Update(0, false);
}

QString TVnV7Project::GetScanner() { return VnXmlAttr(CurrentTargetElement(), "scanner"); }

void TVnV7Project::SetScanner(const QString &classId) {
  if (pugi::xml_node target = CurrentTargetElement())
    VnXmlSetAttr(target, "scanner", classId);
  AttachScanner(classId);
}

bool TVnV7Project::IsRowValidated(int) { return true; }
