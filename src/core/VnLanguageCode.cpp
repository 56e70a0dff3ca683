#include "core/VnLanguageCode.h"

namespace {

const QLatin1String kOld("sr_SP");
const QLatin1String kNew("sr_RS");

} // namespace

bool VnIsOldSerbianCode(const QString &code) { return code.startsWith(kOld); }

QString VnMigrateOldSerbianCode(const QString &code) {
  return VnIsOldSerbianCode(code) ? kNew + code.mid(kOld.size()) : code;
}
