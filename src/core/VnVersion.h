#pragma once

#include <QString>

/// The program's own version as four dotted numbers ("1.2.3.4"), taken from the
/// build's project version.
QString VnProgramVersion();
/// The program's name as it introduces itself.
QString VnProgramName();
