#pragma once

#include <QString>

/// The code of Serbia as it was written before the country split ("sr_SP")
/// rewritten to today's ("sr_RS"): the first "sr_SP" at the start is replaced,
/// so "sr_SP.lat" becomes "sr_RS.lat". Other codes come back unchanged.
QString VnMigrateOldSerbianCode(const QString &code);
/// True when VnMigrateOldSerbianCode would change the code.
bool VnIsOldSerbianCode(const QString &code);
