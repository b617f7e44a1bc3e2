#include "console/answer.h"

#include <cctype>
#include <cerrno>
#include <cmath>
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

std::string expected_values(const Field* kinds, int n, int last_type) {
  const auto name = [last_type](Field kind) -> std::string {
    switch (kind) {
      case Field::Any: return "-1e4〜1e4の数";
      case Field::Positive: return "1e-6〜1e4の正の数";
      case Field::Count: return "1〜" + std::to_string(kMaxHalfCircles) + "の整数";
      case Field::PathType: return "1〜" + std::to_string(last_type) + "の整数";
    }
    return "";
  };
  if (n == 1) return "（" + name(kinds[0]) + "）";
  // Runs of one kind, in order: "数2つ，正の数1つ，数1つ".
  std::string text = "（";
  for (int i = 0; i < n;) {
    int j = i;
    while (j < n && kinds[j] == kinds[i]) ++j;
    if (i > 0) text += "，";
    text += name(kinds[i]) + std::to_string(j - i) + "つ";
    i = j;
  }
  return text + "を空白で区切って）";
}

}  // namespace cpt
