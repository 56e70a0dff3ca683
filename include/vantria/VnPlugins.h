#pragma once

// Everything a plug-in author includes: the COM stand-in and the four contracts.

#include "vantria/IGeneralExporter.h"
#include "vantria/IGeneralImporter.h"
#include "vantria/IGeneralScanner.h"
#include "vantria/IGeneralTM.h"
#include "vantria/com/VnCom.h"
