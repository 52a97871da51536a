#pragma once
// The one place where the program's version is set: the version block and the release packages
// both read it from here.
#define TARVANE_VERSION_NUMBERS 1, 1, 0, 0
#define TARVANE_VERSION_TEXT "1.01"
