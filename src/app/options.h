// The window program's command line: its usage text, and the look at every
// argument before the display or the dialog is asked for.
#pragma once

#include <string>

#include "core/texts.h"

namespace cpt {

// The --help text.
extern const char* const kWindowUsage;

// Takes "--lang ja|en" out of argv (before the window system sees the
// arguments). `given` is false without it. False with the reason (one line
// naming the accepted values) when the value is missing or unknown, or the
// option is given twice.
bool take_lang_option(int& argc, char** argv, Lang& lang, bool& given, std::string& error);

// Takes "NAME FILE" out of argv (--record, --replay); `path` stays empty
// without it. False with the reason when FILE is missing or empty, or the
// option is given twice.
bool take_file_option(int& argc, char** argv, const char* name, std::string& path, std::string& error);

enum class WindowArgs { Run, Help, Bad };

// Looks at the arguments left once --problem is taken out: --help or -h, and
// the window system's own options, which glutInit takes when the window opens
// (-display and -geometry with their value, -iconic, -direct, -indirect,
// -gldebug, -sync). Anything else is bad usage, with one line of reason in
// `error`. `display` is -display's value, empty when it is not given.
WindowArgs check_window_args(int argc, char** argv, std::string& display, std::string& error);

// `word` as one word of a POSIX shell command: as it is when nothing in it
// needs quoting, else in single quotes.
std::string shell_word(const std::string& word);

}  // namespace cpt
