#include "console/path_texts.h"

namespace cpt {

namespace {

constexpr PathTexts kTexts[] = {
    {Txt::ArcOld, Txt::ArcPrompt, Txt::ArcNew, 0, true, Txt::ArcName, Txt::ArcSummary, 0},
    {Txt::SineOld, Txt::SinePrompt, Txt::SineNew, 2, true, Txt::SineName, Txt::SineSummary, 2},
    {Txt::UShapeOld, Txt::UShapePrompt, Txt::UShapeNew, 2, true, Txt::UShapeName, Txt::UShapeSummary, 2},
    {Txt::SlalomOld, Txt::SlalomPrompt, Txt::SlalomNew, 2, true, Txt::SlalomName, Txt::SlalomSummary, 2},
    {Txt::CamOld, Txt::CamPrompt, Txt::CamNew, 2, true, Txt::CamName, Txt::CamSummary, 2},
    {Txt::CycloidOld, Txt::CycloidPrompt, Txt::CycloidNew, 2, true, Txt::CycloidName, Txt::CycloidSummary, 2},
    // The straight line shows only its points and sf in the summary.
    {Txt::LineOld, Txt::LinePrompt, Txt::LineNew, 2, false, Txt::LineOld, Txt::LineOld, 0},
};

}  // namespace

void print_path_values(Console& con, Txt id, const double* v, int from) {
  con.print(con.tr(id), v[from], v[from + 1], v[from + 2], v[from + 3]);
}

const PathTexts* path_texts(PathType c) {
  const int i = type_number(c) - 1;
  return i >= 0 && i < static_cast<int>(sizeof kTexts / sizeof kTexts[0]) ? &kTexts[i] : nullptr;
}

}  // namespace cpt
