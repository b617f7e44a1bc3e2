// An option with a value, taken out of the arguments before the rest are read
// (the window system sees what is left).
#pragma once

#include <functional>
#include <string>

namespace cpt {

// Takes "NAME VALUE" out of argv[1..argc-1], the other arguments moving up.
// Its VALUE goes to `take` (nullptr when NAME is the last argument), which
// returns why it refuses it, or "" when it takes it. `given` says whether
// NAME was there. False with the reason in `error` when `take` refuses or
// NAME is given twice.
bool take_option(int& argc, char** argv, const char* name, bool& given,
                 const std::function<std::string(const char* value)>& take, std::string& error);

}  // namespace cpt
