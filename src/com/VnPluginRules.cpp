#include "com/VnPluginRules.h"

#include "com/VnComText.h"

#include "core/VnError.h"
#include "core/VnFileVersion.h"
#include "core/VnSafeFile.h"
#include "core/VnXml.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

constexpr qsizetype kLongestResultPath = 255;

pugi::xml_document ParsePluginXml(const QString &document, const QString &plugin) {
  pugi::xml_document doc;
  VnXmlLoad(doc, document.toUtf8(), plugin);
  return doc;
}

bool InTemporaryFolder(const QString &fileName) {
  const QString folder = QDir(QDir::tempPath()).canonicalPath();
  const QString file = QFileInfo(fileName).canonicalFilePath();
  return !folder.isEmpty() && file.startsWith(folder + QLatin1Char('/'));
}

} // namespace

void VnCheckPluginCall(HRESULT hr, const QString &plugin, const char *operation) {
  if (FAILED(hr))
    throw EVnComError(QStringLiteral("The plug-in %1 failed in %2 (%3).")
                          .arg(plugin, QLatin1String(operation), VnHResultText(hr)),
                      hr);
}

QString VnConfigurationDisplayText(const QString &configuration) {
  QString shown = configuration;
  if (configuration.startsWith(QLatin1String("<?xml"))) {
    pugi::xml_document doc;
    try {
      VnXmlLoad(doc, configuration.toUtf8(), QStringLiteral("configuration"));
      shown = VnXmlText(doc.document_element().child("filename"));
    } catch (const EVnError &) {
      shown.clear();
    }
  }
  return shown.isEmpty() ? QStringLiteral("<not configured>") : shown;
}

QList<TVnTranslationCandidate> VnParseTranslations(const QString &document, const QString &plugin) {
  QList<TVnTranslationCandidate> candidates;
  if (document.trimmed().isEmpty())
    return candidates;
  const pugi::xml_document doc = ParsePluginXml(document, plugin);
  for (pugi::xml_node item : doc.document_element().child("translations").children()) {
    if (item.type() != pugi::node_element)
      continue;
    TVnTranslationCandidate candidate;
    candidate.Text = VnXmlText(item);
    candidate.Match = VnXmlParseInt(VnXmlAttr(item, "match")).value_or(100);
    candidate.Comment = VnXmlAttr(item, "comment");
    candidate.RowComment = VnXmlAttr(item, "row_comment");
    candidates.append(candidate);
  }
  return candidates;
}

QString VnReadScanResult(const QString &result) {
  if (result.toLocal8Bit().size() > kLongestResultPath || !QFileInfo(result).isFile())
    return result;
  const QString document = QString::fromUtf8(VnReadFile(result));
  // A path may name any file of the user's: only our own temporary files go.
  if (InTemporaryFolder(result))
    QFile::remove(result);
  return document;
}

bool VnPluginUsesUtf16(const QString &pluginVersion) {
  try {
    return CompareVersions(pluginVersion.isEmpty() ? QStringLiteral("0") : pluginVersion,
                           QStringLiteral("1.1.0.0")) >= 0;
  } catch (const EVnError &) {
    return true; // an unreadable version is taken for a current plug-in
  }
}

TVnBstr VnPluginText(const QString &text, const QString &pluginVersion) {
  if (VnPluginUsesUtf16(pluginVersion))
    return VnMakeBstr(text);
  const QByteArray utf8 = text.toUtf8();
  return TVnBstr(SysAllocStringByteLen(utf8.constData(), std::uint32_t(utf8.size())));
}

QString VnPluginReturnedText(BSTR text, const QString &pluginVersion) {
  const std::uint32_t bytes = SysStringByteLen(text);
  const bool bom = bytes >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0;
  if (bom) // the byte order mark is no part of the text
    return QString::fromUtf8(reinterpret_cast<const char *>(text) + 3, qsizetype(bytes) - 3);
  return VnPluginUsesUtf16(pluginVersion) ? VnBstrText(text) : VnBstrUtf8Text(text);
}

int VnVariantInt(const VARIANT &value, int fallback) {
  switch (value.vt) {
  case VT_EMPTY:
    return 0;
  case VT_I4:
    return value.lVal;
  case VT_BOOL:
    return value.boolVal ? -1 : 0;
  case VT_BSTR: {
    bool ok = false;
    const int number = VnBstrText(value.bstrVal).trimmed().toInt(&ok);
    return ok ? number : fallback;
  }
  default:
    return fallback;
  }
}

QString VnVariantText(const VARIANT &value, const QString &pluginVersion) {
  switch (value.vt) {
  case VT_BSTR:
    return VnPluginReturnedText(value.bstrVal, pluginVersion);
  case VT_I4:
    return QString::number(value.lVal);
  default:
    return {};
  }
}
