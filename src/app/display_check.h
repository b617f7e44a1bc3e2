// The check, before the console dialog, that the window can be opened at all.
#pragma once

#include <string>

namespace cpt {

// Opens a connection to the X display `name` (-display's value), or the one
// that DISPLAY names when it is empty, and holds it until release_display();
// false when there is none. Held, because an X server
// whose last client leaves resets, and refuses connections meanwhile: on a
// fresh Xvfb, closing at once would make the window's own connection, and
// any other client's, fail now and then.
bool hold_display(const std::string& name);
// Closes the held connection, once the window has its own.
void release_display();

// The one line printed when there is no display: what is missing (`name`, or
// DISPLAY when it is empty) and the two ways on, each a command to type: a
// virtual display, or the usage of the window-less runner beside `argv0`.
std::string no_display_message(const char* argv0, const std::string& name);

}  // namespace cpt
