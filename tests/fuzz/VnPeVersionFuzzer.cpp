// Feeds arbitrary bytes to the reader of Windows executables' versions.
// Nothing may crash, hang or read out of bounds, and the answer is either
// empty or four 16-bit numbers.

#include "core/VnFileVersion.h"
#include "core/VnPeVersion.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool IsVersionText(const QString &text) {
  const QStringList parts = text.split(QLatin1Char('.'));
  if (parts.size() != 4)
    return false;
  for (const QString &part : parts) {
    bool ok = false;
    if (part.toUInt(&ok) > 0xFFFF || !ok)
      return false;
  }
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArray image = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
  const QString version = VnPeFileVersion(image);
  if (!version.isEmpty() && (!IsVersionText(version) || CompareVersions(version, version + QStringLiteral(".0")) != 0))
    std::abort();
  return 0;
}
