#include "core/args.h"

#include <cstring>

namespace cpt {

bool take_option(int& argc, char** argv, const char* name, bool& given,
                 const std::function<std::string(const char* value)>& take, std::string& error) {
  given = false;
  int out = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], name) != 0) {
      argv[out++] = argv[i];
      continue;
    }
    if (given) {
      error = std::string(name) + " given twice";
      return false;
    }
    const std::string refused = take(i + 1 < argc ? argv[i + 1] : nullptr);
    if (!refused.empty()) {
      error = refused;
      return false;
    }
    given = true;
    ++i;
  }
  argc = out;
  argv[argc] = nullptr;
  return true;
}

}  // namespace cpt
