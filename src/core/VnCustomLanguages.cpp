#include "core/VnCustomLanguages.h"

#include "core/VnError.h"
#include "core/VnFolders.h"
#include "core/VnLanguages.h"
#include "core/VnXml.h"
#include "core/VnXmlWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <pugixml.hpp>

namespace {

const char *const kRoot = "custom_languages";

pugi::xml_node Root(pugi::xml_document &doc) {
  return VnXmlEnsureChild(doc, kRoot);
}

// Entries may sit anywhere below the root in files other tools wrote; the
// first element in document order with the right name and code answers.
pugi::xml_node FindEntry(const pugi::xml_document &doc, const QString &code) {
  const QByteArray name = code.left(2).toUtf8();
  pugi::xml_node found;
  VnXmlWalk(
      doc.document_element(),
      [&](pugi::xml_node node) {
        if (found)
          return false;
        if (node.type() == pugi::node_element && name == node.name() && VnXmlAttr(node, "code") == code)
          found = node;
        return !found;
      },
      [](pugi::xml_node) {});
  return found;
}

void AppendEntry(pugi::xml_node root, const TVnCustomLanguage &entry) {
  pugi::xml_node node = root.append_child(entry.Code.left(2).toUtf8().constData());
  VnXmlSetAttr(node, "name", entry.Name);
  VnXmlSetAttr(node, "code", entry.Code);
}

} // namespace

TVnCustomLanguages::TVnCustomLanguages(QString fileName)
    : FFileName(std::move(fileName)), FDocument(std::make_unique<pugi::xml_document>()) {
  Root(*FDocument);
}

TVnCustomLanguages::~TVnCustomLanguages() = default;

void TVnCustomLanguages::Load() {
  QDir().mkpath(QFileInfo(FFileName).absolutePath());
  FDocument->reset();
  if (QFileInfo::exists(FFileName)) {
    try {
      VnXmlLoadFile(*FDocument, FFileName);
    } catch (...) {
      Root(*FDocument); // the store stays usable, and empty
      throw;
    }
  }
  const pugi::xml_node root = FDocument->document_element();
  if (root && QLatin1String(root.name()) != QLatin1String(kRoot)) {
    FDocument->reset();
    Root(*FDocument);
    throw EVnError(QStringLiteral("%1 is not a custom language file: its root element is not \"%2\".")
                       .arg(FFileName, QLatin1String(kRoot)));
  }
  Root(*FDocument);
}

void TVnCustomLanguages::Save() const {
  QDir().mkpath(QFileInfo(FFileName).absolutePath());
  VnXmlSaveFile(*FDocument, FFileName);
}

QList<TVnCustomLanguage> TVnCustomLanguages::Entries() const {
  QList<TVnCustomLanguage> entries;
  for (pugi::xml_node node : FDocument->document_element().children()) {
    if (node.type() == pugi::node_element)
      entries.append({VnXmlAttr(node, "code"), VnXmlAttr(node, "name")});
  }
  return entries;
}

QString TVnCustomLanguages::NameOf(const QString &code) const {
  if (code.isEmpty())
    return {};
  const pugi::xml_node node = FindEntry(*FDocument, code);
  return node ? VnXmlAttr(node, "name") : QString();
}

bool TVnCustomLanguages::Contains(const QString &code) const {
  return !code.isEmpty() && FindEntry(*FDocument, code);
}

void TVnCustomLanguages::Add(const QString &code, const QString &name) {
  if (!IsValidCode(code))
    throw EVnError(QStringLiteral("\"%1\" is not a valid custom language code. Use two lower-case letters, "
                                  "optionally followed by \"_\" and two capitals and then by \".\" and two "
                                  "lower-case letters, such as \"xx\", \"xx_YY\" or \"xx_YY.zz\".")
                       .arg(code));
  if (name.trimmed().isEmpty())
    throw EVnError(QStringLiteral("The custom language \"%1\" needs a name.").arg(code));
  if (Contains(code))
    throw EVnError(
        QStringLiteral("The custom language \"%1\" already exists as \"%2\".").arg(code, NameOf(code)));
  if (IsBuiltInCode(code))
    throw EVnError(
        QStringLiteral("\"%1\" is already the code of %2. Choose another code for the custom language.")
            .arg(code, DisplayNameOfCode(code)));
  AppendEntry(Root(*FDocument), {code, name});
}

void TVnCustomLanguages::Rename(const QString &code, const QString &name) {
  pugi::xml_node node = FindEntry(*FDocument, code);
  if (!node)
    throw EVnError(QStringLiteral("There is no custom language \"%1\".").arg(code));
  if (name.trimmed().isEmpty())
    throw EVnError(QStringLiteral("The custom language \"%1\" needs a name.").arg(code));
  VnXmlSetAttr(node, "name", name);
}

bool TVnCustomLanguages::Remove(const QString &code) {
  bool removed = false;
  while (pugi::xml_node node = FindEntry(*FDocument, code)) {
    node.parent().remove_child(node);
    removed = true;
  }
  return removed;
}

void TVnCustomLanguages::SetEntries(const QList<TVnCustomLanguage> &entries) {
  pugi::xml_node root = Root(*FDocument);
  while (root.first_child())
    root.remove_child(root.first_child());
  for (const TVnCustomLanguage &entry : entries)
    AppendEntry(root, entry);
}

bool TVnCustomLanguages::IsValidCode(const QString &code) {
  static const QRegularExpression kPattern(
      QStringLiteral("^[a-z]{2}$|^[a-z]{2}_[A-Z]{2}$|^[a-z]{2}_[A-Z]{2}\\.[a-z]{2}$"));
  return kPattern.match(code).hasMatch();
}

bool TVnCustomLanguages::IsBuiltInCode(const QString &code) {
  const TVnLanguageCodeParts parts = ParseLanguageCode(code);
  if (FormatLanguageCode(parts.Language, parts.Country, parts.Variant, parts.Script) != code)
    return false;
  return FindLocaleRow(parts.Language, parts.Country, parts.Variant, parts.Script) != nullptr;
}

QString CustomLanguagesFile() {
  return WritableSharedDataFolder() + QStringLiteral("settings/customlangs.xml");
}

TVnCustomLanguages &VnCustomLanguages() {
  static TVnCustomLanguages store(CustomLanguagesFile());
  return store;
}

void LoadCustomLanguages() {
  VnCustomLanguages().Load();
}

void SaveCustomLanguages() {
  VnCustomLanguages().Save();
}
