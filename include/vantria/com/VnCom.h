#pragma once

// Everything a plug-in needs from the minimal COM layer.

#include "vantria/com/VnBstr.h"
#include "vantria/com/VnComTypes.h"
#include "vantria/com/VnServer.h"
#include "vantria/com/VnUnknown.h"
#include "vantria/com/VnVariant.h"
