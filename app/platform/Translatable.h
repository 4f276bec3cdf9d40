#pragma once

// The program's windows speak the player's language; the command line and the
// cores they share stay English. A core's text that a window also shows is
// written in English here and marked, so that the translation tools collect it
// under the context given; the window translates it with the same context
// (QCoreApplication::translate). The marks change nothing in the core.

/// An English text of a core, collected for translation under context.
#define VARNICK_TRANSLATE_NOOP(context, text) text
