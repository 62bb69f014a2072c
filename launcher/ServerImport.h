// The six module functions the launcher imports from Ruvo_Server.dll by name (ServerImport.def
// lists them for the import library). The import is static: without the library the program does
// not start.
#pragma once

#include "RuvoServerExports.h"
