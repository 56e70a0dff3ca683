#include "core/VnVersion.h"

#include "core/VnVersionConfig.h"

QString VnProgramVersion() { return QStringLiteral(VN_PROGRAM_VERSION); }

QString VnProgramName() { return QStringLiteral("vantriadesk"); }
