// Every text the program prints on its console, in Japanese and in English,
// one entry each, named for what it says. A text with values is a printf
// format; both languages take the same conversions in the same order, so
// that either can be printed with the same arguments (checked by a test:
// the compiler cannot check a format chosen at run time).
#pragma once

namespace cpt {

// The language of the console.
enum class Lang { Ja, En };

// The language of a --lang value ("ja", "en"); false for any other.
bool lang_named(const char* value, Lang& lang);

// The language the environment asks for, read through `env` (a getenv):
// the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty, with
// LANGUAGE before it where that locale is not C or POSIX. Japanese when it
// names Japanese, or is C, POSIX, C.UTF-8 or unset; English for any other
// language. Nothing here changes the C locale: numbers are read and written
// with a decimal point whatever the environment says.
Lang lang_from_environment(const char* (*env)(const char*));

enum class Txt {
  KeyHelp,
  AskChangeRobot,
  AskChangeLimits,
  AskChangePath,
  RobotSection,
  BadRobotKey,
  OldCylindrical,
  OldScara,
  AskRobotKey,
  CylindricalChosen,
  OldArms,
  AskArms,
  NewArms,
  AskChangeJointLimits,
  AskChangeCpPath,
  LimitsSection,
  LimitsSectionRigid,
  AskLimits,
  NewLimits,
  NewLimitsRigid,
  PathSection,
  PathKeepWaypoints,
  AskPathType,
  Computing,
  StartUnreachable,
  NoBoundary,
  NotFinite,
  TooFast,
  TooNearSingular,
  FrictionHolds,
  LimitZero,
  Done,
  EndOfInput,
  BadInput,
  HintAny,
  HintPositive,
  HintWhole,
  HintOne,
  HintRunAnyOne,
  HintRunAnyMany,
  HintRunPositiveOne,
  HintRunPositiveMany,
  HintRunWholeOne,
  HintRunWholeMany,
  HintRunsOpen,
  HintRunsBetween,
  HintRunsClose,
  SummaryHead,
  SummaryCylindrical,
  SummaryScara,
  SummaryPath,
  SummaryWaypoints,
  SummaryEnds,
  SummarySf,
  SummaryLimitsCylindrical,
  SummaryLimitsScara,
  SummaryLimitsRigidCylindrical,
  SummaryLimitsRigidScara,
  SummarySpeedLimits,
  SummaryEnd,
  WaypointPathName,
  WaypointBlock,
  ArcOld,
  ArcPrompt,
  ArcNew,
  ArcName,
  ArcSummary,
  SineOld,
  SinePrompt,
  SineNew,
  SineName,
  SineSummary,
  UShapeOld,
  UShapePrompt,
  UShapeNew,
  UShapeName,
  UShapeSummary,
  SlalomOld,
  SlalomPrompt,
  SlalomNew,
  SlalomName,
  SlalomSummary,
  CamOld,
  CamPrompt,
  CamNew,
  CamName,
  CamSummary,
  CycloidOld,
  CycloidPrompt,
  CycloidNew,
  CycloidName,
  CycloidSummary,
  LineOld,
  LinePrompt,
  LineNew,
  ProblemFile,
  LimitJoint1,
  LimitJoint2,
  LimitHand,
  SingularAxis,
  SingularStretched,
  SingularFolded,
  NotANumber,
  DiagSuppressed,
  DiagInvNone,
  DiagCalDNone,
  DiagJointaccNone,
  DiagBoundaryNone,
  DiagBoundarySf,
  DiagFNone,
  DiagLandTooLong,
  DiagLandFailed,
  DiagLandAboveCeiling,
  DiagLandShort,
  DiagLandRecords,
  DiagReferenceSteps,
  DiagReferenceNoAcc,
  DiagReferenceShrink,
  DiagCalcpInv,
  DiagCalcpSteps,
  DiagCalcpOrder,
  DiagCalcpNotFinite,
  DiagCalcpNotAtRest,
  DiagCalcpRecords,
  DiagCalcpBreaksLimit,
  ReportSwitchings,
  ReportAlongCeiling,
  ReportTorqueSwitchings,
  ReportDropped,
  OptimumNone,
  OptimumHead,
  Count
};

struct TextEntry {
  const char* name;  // the entry's name, as in Txt
  const char* ja;
  const char* en;
};

// The entry of a text, and its text in a language.
const TextEntry& text_entry(Txt id);
inline const char* text(Lang lang, Txt id) {
  const TextEntry& e = text_entry(id);
  return lang == Lang::En ? e.en : e.ja;
}

}  // namespace cpt
