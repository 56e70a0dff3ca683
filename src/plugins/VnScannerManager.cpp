#include "plugins/VnScannerManager.h"

#include "com/VnComLoader.h"
#include "com/VnComText.h"
#include "com/VnPluginRules.h"

#include "core/VnError.h"
#include "core/VnMessages.h"
#include "core/VnXml.h"

#include "vantria/IGeneralScanner.h"

namespace {

TVnComPtr<IGeneralScanner> CreateByClassId(const QString &classId, const QString &fileName) {
  const std::optional<GUID> clsid = VnGuidFromText(classId);
  if (!clsid)
    throw EVnError(QStringLiteral("%1 has not registered its class.").arg(fileName));
  TVnComPtr<IGeneralScanner> scanner;
  VnCreateInstance(*clsid, IID_IGeneralScanner, scanner.Receive());
  return scanner;
}

QString PluginVersionOf(const QString &libraryPath) {
  try {
    return VnGetFileVersion(libraryPath);
  } catch (const EVnError &) {
    return {}; // a plug-in without a version is taken for a current one
  }
}

} // namespace

TVnComPtr<IGeneralScanner> TVnScannerManager::CreateScanner(int index) {
  try {
    return CreateByClassId(GetClassID(index), FileName(index));
  } catch (const EVnError &) {
    // A scanner copied into the folder by hand has not registered itself yet.
    RegisterServer(FilePath(index));
    return CreateByClassId(GetClassID(index), FileName(index));
  }
}

TVnScannerInfo TVnScannerManager::ReadScannerInfo(int index) {
  return AskInfo(CreateScanner(index).Get(), index);
}

TVnScannerInfo TVnScannerManager::AskInfo(IGeneralScanner *scanner, int index) {
  TVnVariant answer;
  VnCheckPluginCall(scanner->GetInfo(answer.Receive()), FileName(index), "GetInfo");
  const QString text = VnVariantText(answer.Value(), PluginVersionOf(FilePath(index)));
  pugi::xml_document doc;
  try {
    VnXmlLoad(doc, text.toUtf8(), FileName(index));
  } catch (const EVnError &) {
    const QString raw = answer.Value().vt == VT_BSTR ? VnBstrUtf8Text(answer.Value().bstrVal) : text;
    throw EVnError(QStringLiteral("Scanner %1 returned invalid data:\n\"%2\"\n\"%3\"").arg(FileName(index), text, raw));
  }
  const pugi::xml_node root = doc.document_element();
  return {VnXmlText(root.child("name")), VnXmlText(root.child("supported_file_extensions")),
          VnXmlText(root.child("short_description"))};
}

TVnScannerInfo TVnScannerManager::GetScannerInfo(int index) {
  TVnComPtr<IGeneralScanner> scanner;
  try {
    scanner = CreateScanner(index);
  } catch (const EVnError &) {
    VnMessageDlg(BaseName(index) + QStringLiteral(" - ") +
                     QStringLiteral("Requested plug-in could not be initialized.\r\nTo correct this issue, please "
                                    "re-install Vantria."),
                 TVnMsgType::Error);
    return {};
  }
  return AskInfo(scanner.Get(), index);
}

void TVnScannerManager::ShowDetails(QStringList &lines, int index) {
  TVnPluginManager::ShowDetails(lines, index);
  const TVnScannerInfo info = GetScannerInfo(index);
  lines << QStringLiteral("Name: %1").arg(info.Name)
        << QStringLiteral("Supported Extensions: %1").arg(info.SupportedExtensions)
        << QStringLiteral("Description: %1").arg(info.ShortDescription);
}
