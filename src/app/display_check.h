// The check, before the console dialog, that the window can be opened at all.
#pragma once

#include <string>

namespace cpt {

// True when an X display can be opened (a real connection attempt to the
// display DISPLAY names).
bool display_available();

// The one line printed when it cannot: what is missing and the two ways on
// (a virtual display, or the window-less runner beside the program `argv0`).
std::string no_display_message(const char* argv0);

}  // namespace cpt
