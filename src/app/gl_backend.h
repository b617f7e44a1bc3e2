// The OpenGL implementation of the drawing backend.
#pragma once

#include "draw/backend.h"

namespace cpt {

// The OpenGL backend (one instance for the program); draws into the current
// GLUT window.
Backend& gl_backend();

}  // namespace cpt
