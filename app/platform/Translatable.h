#pragma once

// The program's windows speak the player's language; the command line and the
// cores they share stay English. A core's text that a window also shows is
// written in English here and marked, so that the translation tools collect it
// under the context given; the window translates it with the same context
// (QCoreApplication::translate). The marks change nothing in the core.

// The marks are defined beside the package layer's Phrase, which uses them too.
#include "package/base/Phrase.h"
