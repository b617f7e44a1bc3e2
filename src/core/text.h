// Formatted text into a string: the reports and files the program writes.
#pragma once

#include <string>

namespace cpt {

// Appends printf-formatted text to `text`.
void appendf(std::string& text, const char* fmt, ...) __attribute__((format(printf, 2, 3)));

}  // namespace cpt
