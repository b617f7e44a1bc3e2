#include "console/answer.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace cpt {

namespace {

// Whitespace-separated words of a line.
std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> w;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    const size_t start = i;
    while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i > start) w.push_back(line.substr(start, i - start));
  }
  return w;
}

// A whole word as a finite double.
bool to_double(const std::string& word, double& v) {
  char* end = nullptr;
  errno = 0;
  v = std::strtod(word.c_str(), &end);
  return end == word.c_str() + word.size() && errno != ERANGE && std::isfinite(v);
}

// A whole word as an integer in [lo, hi].
bool to_int(const std::string& word, long lo, long hi, double& v) {
  char* end = nullptr;
  errno = 0;
  const long n = std::strtol(word.c_str(), &end, 10);
  if (end != word.c_str() + word.size() || errno == ERANGE || n < lo || n > hi) return false;
  v = static_cast<double>(n);
  return true;
}

bool convert(const std::string& word, Field kind, int last_type, double& v) {
  switch (kind) {
    case Field::Any:
      return to_double(word, v) && std::fabs(v) <= kMaxValue;
    case Field::Positive:
      return to_double(word, v) && v >= kMinPositive && v <= kMaxValue;
    case Field::Count:
      return to_int(word, 1, kMaxHalfCircles, v);
    case Field::PathType:
      return to_int(word, 1, last_type, v);
  }
  return false;
}

}  // namespace

bool parse_answer(const std::string& line, const Field* kinds, int n, double* out, int last_type) {
  const std::vector<std::string> w = words(line);
  if (static_cast<int>(w.size()) != n) return false;
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i)
    if (!convert(w[i], kinds[i], last_type, v[i])) return false;
  for (int i = 0; i < n; ++i) out[i] = v[i];
  return true;
}

bool blank_line(const std::string& line) { return words(line).empty(); }

namespace {

// printf of one table text with its values.
std::string format(Lang lang, Txt id, int a = 0, int b = 0) {
  char text[256];
  std::snprintf(text, sizeof text, cpt::text(lang, id), a, b);
  return text;
}

// A run of n values of one kind: "-1e4〜1e4の数2つ".
std::string run_of(Lang lang, Field kind, int n) {
  const bool one = n == 1;
  switch (kind) {
    case Field::Any: return format(lang, one ? Txt::HintRunAnyOne : Txt::HintRunAnyMany, n);
    case Field::Positive: return format(lang, one ? Txt::HintRunPositiveOne : Txt::HintRunPositiveMany, n);
    case Field::Count:
    case Field::PathType: break;
  }
  return format(lang, one ? Txt::HintRunWholeOne : Txt::HintRunWholeMany, kMaxHalfCircles, n);
}

}  // namespace

std::string expected_values(Lang lang, const Field* kinds, int n, int last_type) {
  if (n == 1) {
    const Field k = kinds[0];
    const std::string name = k == Field::Any        ? format(lang, Txt::HintAny)
                             : k == Field::Positive ? format(lang, Txt::HintPositive)
                                                    : format(lang, Txt::HintWhole, k == Field::Count ? kMaxHalfCircles : last_type);
    char text[320];
    std::snprintf(text, sizeof text, cpt::text(lang, Txt::HintOne), name.c_str());
    return text;
  }
  // Runs of one kind, in order: "数2つ，正の数1つ，数1つ".
  std::string text = cpt::text(lang, Txt::HintRunsOpen);
  for (int i = 0; i < n;) {
    int j = i;
    while (j < n && kinds[j] == kinds[i]) ++j;
    if (i > 0) text += cpt::text(lang, Txt::HintRunsBetween);
    text += run_of(lang, kinds[i], j - i);
    i = j;
  }
  return text + cpt::text(lang, Txt::HintRunsClose);
}

}  // namespace cpt
