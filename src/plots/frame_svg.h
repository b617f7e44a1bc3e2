// Pictures to keep: a frame of the window as an SVG file.
//
// The window's key 'p' and the runner's key 'p' write the frame on the screen
// as cp_time_optimal-NNN.svg in the working directory; the runner's --svg
// writes its last frame to a file of the user's choice.
#pragma once

#include <string>

#include "core/state.h"
#include "interaction/frame.h"

namespace cpt {

// The SVG document of the frame the window shows for this state and view.
std::string frame_svg(const Model& m, const Curves& cv, const Data& d, const Picture& pic, const FrameView& v);

// Writes that document to `path`, replacing a file there; nothing is left at
// `path` or beside it on failure. Returns false with a one-line reason.
bool write_frame_svg(const Model& m, const Curves& cv, const Data& d, const Picture& pic, const FrameView& v, const std::string& path,
                     std::string& error);

// The name of picture n: "cp_time_optimal-001.svg" for 1.
std::string numbered_svg_name(int n);

// The key 'p': writes the frame as the first numbered file from `next` on that
// does not exist yet, and prints "\nSVG: NAME" on the console, or
// "\nSVG: cannot write NAME: REASON" when the file cannot be written. `next`
// is the number after the file written.
void save_numbered_svg(Console& con, const Model& m, const Curves& cv, const Data& d, const Picture& pic, const FrameView& v, int& next);

}  // namespace cpt
