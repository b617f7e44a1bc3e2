// Console output: every line the program prints goes through here, flushed
// as it is printed, so that it appears at once (also into a pipe) and tests
// can capture it. Reading keys and lines is the console layer's (console/input.h).
//
// The numeric routines report their problems as diagnostics: at most
// kDiagMessages of them in one scope (one key, one preparation of a motion);
// the rest are counted and summed up in one line when the scope ends, so
// that pressing on past a failure never floods the console.
#pragma once

#include <cstdio>

namespace cpt {

// Formatted print to the console output, flushed at once.
void con_printf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Diagnostics printed in full in one scope; further ones are only counted.
constexpr int kDiagMessages = 8;

// A diagnostic of a numeric routine, printed like con_printf while the
// scope's budget lasts (at most 1023 bytes; a value that is not a number is
// shown as "(非数)").
void diag_printf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Kinds of diagnostics reported only once per scope, however often they occur.
enum class DiagOnce { NearSingular, Count };

// True the first time `kind` occurs in the current scope (the caller then
// prints it); counts it otherwise.
bool diag_first(DiagOnce kind);

// A new scope: the budget is full again. Ends the previous scope first.
void diag_scope_begin();
// Ends the scope: one line with the number of diagnostics not printed, if any.
void diag_scope_end();

// Redirects the console (tests). nullptr restores stdin / stdout.
void con_set_streams(FILE* in, FILE* out);
FILE* con_in();
FILE* con_out();

}  // namespace cpt
