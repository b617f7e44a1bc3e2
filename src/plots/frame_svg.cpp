#include "plots/frame_svg.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/console.h"
#include "core/files.h"
#include "draw/svg_backend.h"
#include "plots/frame_picture.h"

namespace cpt {

namespace {

// Numbered names tried by one key before it gives up: a folder full of
// pictures must not keep the program busy.
constexpr int kMaxTries = 1000;

}  // namespace

std::string frame_svg(const Model& m, const Curves& cv, const Data& d, const Picture& pic, const FrameView& v) {
  SvgBackend svg;
  draw_frame(svg, m, cv, d, pic, v);
  return svg.document();
}

bool write_frame_svg(const Model& m, const Curves& cv, const Data& d, const Picture& pic, const FrameView& v, const std::string& path,
                     std::string& error) {
  return write_file_safely(path, frame_svg(m, cv, d, pic, v), true, error);
}

std::string numbered_svg_name(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "cp_time_optimal-%03d.svg", n);
  return name;
}

void save_numbered_svg(Console& con, const Model& m, const Curves& cv, const Data& d, const Picture& pic, const FrameView& v, int& next) {
  const std::string doc = frame_svg(m, cv, d, pic, v);
  std::string name, error;
  for (int tries = 0; tries < kMaxTries; ++tries, ++next) {
    name = numbered_svg_name(next);
    // A file already there is never replaced: the next number is tried.
    if (access(name.c_str(), F_OK) == 0) continue;
    int err = 0;
    if (write_file_safely(name, doc, false, error, &err)) {
      ++next;
      con.print("\nSVG: %s", name.c_str());
      return;
    }
    if (err != EEXIST) break;
  }
  if (error.empty()) error = "cannot write " + name + ": every number up to it is taken";
  con.print("\nSVG: %s", error.c_str());
}

}  // namespace cpt
