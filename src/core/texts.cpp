#include "core/texts.h"

#include <algorithm>
#include <string>

namespace cpt {

namespace {

// In the order of Txt.
const TextEntry kTexts[] = {
    {"KeyHelp",
     "\n"
     "\n描画画面上でキーによる操作選択"
     "\n(1) 'a' 'b' : ロボットの選択"
     "\n(2) 'k'     : CP軌道曲線変更"
     "\n(3) 'u'     : 関節最大加速度変更"
     "\n(4)   描画の選択"
     "\n(4-1) 's'    ：運動継続"
     "\n(4-2) 't'    ：１つ戻って時間刻み小さくする"
     "\n(4-3) 'r'    ：１つ戻り時間刻み元に戻しトルク切り替える"
     "\n(4-4) 'c'    ：単にトルク切り替える"
     "\n(4-5) 'f'    ：最後の軌道に乗せる：少し行き過ぎてから"
     "\n             ：[註]r,cを押してはならない"
     "\n(4-6) '0'    ：運動初期状態に戻す"
     "\n(5-1)  'w' 'W'：ロボット図の縮小拡大"
     "\n(5-2)  'x' 'X' 'y' 'Y'：ロボット図の左右・上下移動"
     "\n(6)   ESC    ：終了",
     "\n"
     "\nKeys in the drawing window"
     "\n(1) 'a' 'b' : choose the robot"
     "\n(2) 'k'     : change the CP path"
     "\n(3) 'u'     : change the joint acceleration limits"
     "\n(4)   building the motion"
     "\n(4-1) 's'    : continue the motion"
     "\n(4-2) 't'    : one step back, with a smaller time step"
     "\n(4-3) 'r'    : one step back, the time step as before, switch the torque"
     "\n(4-4) 'c'    : switch the torque here"
     "\n(4-5) 'f'    : land on the final curve: a little past it first"
     "\n             : [note] do not press r or c for it"
     "\n(4-6) '0'    : back to the start of the motion"
     "\n(5-1)  'w' 'W': shrink / enlarge the robot picture"
     "\n(5-2)  'x' 'X' 'y' 'Y': move the robot picture left, right, down, up"
     "\n(6)   ESC    : quit"},
    {"AskChangeRobot",
     "\nロボットタイプ変更する？　yes : y   no : n    ",
     "\nChange the robot type?  yes : y   no : n    "},
    {"AskChangeLimits",
     "\n最大加速度変更する？　yes : y   no : n    ",
     "\nChange the maximum accelerations?  yes : y   no : n    "},
    {"AskChangePath",
     "\n軌道曲線変更する？　yes : y   no : n    ",
     "\nChange the path curve?  yes : y   no : n    "},
    {"RobotSection",
     "\n(1) CP運動種類の変更 a:円筒座標ロボット，b:SCARAロボット",
     "\n(1) Robot type  a: cylindrical robot, b: SCARA robot"},
    {"BadRobotKey",
     "%s（a または b のキー）",
     "%s (the key a or b)"},
    {"OldCylindrical",
     "\n    旧：円筒座標ロボット",
     "\n    was: cylindrical robot"},
    {"OldScara",
     "\n    旧：SCARAロボット",
     "\n    was: SCARA robot"},
    {"AskRobotKey",
     "   入力  a or b    ロボットタイプ=",
     "   enter a or b    robot type="},
    {"CylindricalChosen",
     "\n  円筒座標ロボット",
     "\n  cylindrical robot"},
    {"OldArms",
     "\n    旧アーム長(l1,l2)=(%5.2f %5.2f)[m]",
     "\n    was: arm lengths (l1,l2)=(%5.2f %5.2f)[m]"},
    {"AskArms",
     "\n    アーム長入力  l1 l2=",
     "\n    enter the arm lengths  l1 l2="},
    {"NewArms",
     "\n    SCARAロボット　アーム長(l1,l2)=(%5.2f %5.2f)[m]",
     "\n    SCARA robot  arm lengths (l1,l2)=(%5.2f %5.2f)[m]"},
    {"AskChangeJointLimits",
     "\n"
     "\n関節最大加速度変更する？　 yes : y,   no : n  ",
     "\n"
     "\nChange the joint acceleration limits?  yes : y,   no : n  "},
    {"AskChangeCpPath",
     "\n"
     "\nCP軌道変更する？　 yes : y,   no : n  ",
     "\n"
     "\nChange the CP path?  yes : y,   no : n  "},
    {"LimitsSection",
     "\n(2) 関節最大加減速変更  旧amax(x,y)＝(%6.2f %6.2f)",
     "\n(2) Joint acceleration limits  was amax(x,y)=(%6.2f %6.2f)"},
    {"LimitsSectionRigid",
     "\n(2) 関節最大トルク・力変更  旧(a1max,a2max)＝(%6.2f[%s] %6.2f[%s])",
     "\n(2) Joint effort limits  was (a1max,a2max)=(%6.2f[%s] %6.2f[%s])"},
    {"AskLimits",
     "\n    入力　a1max a2max=",
     "\n    enter a1max a2max="},
    {"NewLimits",
     "\n    関節最大加減速 amax(1,2)=(%6.2f %6.2f)",
     "\n    joint acceleration limits amax(1,2)=(%6.2f %6.2f)"},
    {"NewLimitsRigid",
     "\n    関節最大トルク・力 (a1max,a2max)=(%6.2f[%s] %6.2f[%s])",
     "\n    joint effort limits (a1max,a2max)=(%6.2f[%s] %6.2f[%s])"},
    {"PathSection",
     "\n(3) CP運動種類の変更"
     "\n運動選択c= 1:円弧　2:正弦波 3:Ｕ字 4:スラローム"
     "\n         = 5:等加速度カム   6:サイクロイドカム 　 7:直線",
     "\n(3) CP path type"
     "\npath c= 1: arc  2: sine wave  3: U-shape  4: slalom"
     "\n       = 5: constant-acceleration cam  6: cycloid cam  7: straight line"},
    {"PathKeepWaypoints",
     "\n         = 8:%s（ファイルの経由点のまま）",
     "\n       = 8: %s (the file's waypoints as they are)"},
    {"AskPathType",
     "\n旧運動＝%d  入力 c=",
     "\nwas %d  enter c="},
    {"Computing",
     "\n"
     "\n.........計算中.................."
     "\n",
     "\n"
     "\n.........computing.................."
     "\n"},
    {"StartUnreachable",
     "\n逆運動学解なし robottype=%c P0[]=(%7.4f %7.4f) 設定し直し",
     "\nno inverse kinematics solution robottype=%c P0[]=(%7.4f %7.4f); set again"},
    {"NoBoundary",
     "\nトルク境界線の解がない robottype=%c 軌道=%d 軌道変更へ",
     "\nno velocity limit curve robottype=%c path=%d; change the path"},
    {"NotFinite",
     "\nこの設定では計算値が有限にならない（値が極端）．設定し直し",
     "\nthese settings give values that are not finite (extreme values); set again"},
    {"TooFast",
     "\nこの設定では運動が%d[ms]の刻み%d回に満たない（軌道が小さすぎるか最大加速度が大きすぎる）．設定し直し",
     "\nwith these settings the motion takes less than %d[ms] x %d steps (the path is too small or the limits too large); set again"},
    {"TooNearSingular",
     "\n軌道が特異姿勢（%s）に近すぎる s=%7.4f 位置(x,y)=(%7.4f %7.4f) 距離=%.1e[m] < %.0e[m]．設定し直し",
     "\nthe path comes too near a singular configuration (%s) s=%7.4f position (x,y)=(%7.4f %7.4f) distance=%.1e[m] < %.0e[m]; set again"},
    {"FrictionHolds",
     "\n関節%dのクーロン摩擦%gが上限%g以上で，ロボットは動けない．設定し直し",
     "\nthe Coulomb friction of joint %d, %g, is at or above its limit %g: the robot cannot move; set again"},
    {"LimitZero",
     "\n速度制限曲線が s=%7.4f で 0 になり，どの運動も通れない．設定し直し",
     "\nthe velocity limit curve falls to 0 at s=%7.4f: no motion can pass there; set again"},
    {"Done",
     "\n"
     "\n............計算終了　描画画面へ..........",
     "\n"
     "\n............done; on to the drawing window.........."},
    {"EndOfInput",
     "\n"
     "\n入力が終わりました．プログラムを終了します．"
     "\n",
     "\n"
     "\nThe input has ended. The program ends."
     "\n"},
    {"BadInput",
     "\n  入力が正しくありません．もう一度入力してください．",
     "\n  This input is not valid. Please enter it again."},
    {"HintAny",
     "-1e4〜1e4の数",
     "a number from -1e4 to 1e4"},
    {"HintPositive",
     "1e-6〜1e4の正の数",
     "a positive number from 1e-6 to 1e4"},
    {"HintWhole",
     "1〜%dの整数",
     "a whole number from 1 to %d"},
    {"HintOne",
     "（%s）",
     " (%s)"},
    {"HintRunAnyOne",
     "-1e4〜1e4の数1つ",
     "one number from -1e4 to 1e4"},
    {"HintRunAnyMany",
     "-1e4〜1e4の数%dつ",
     "%d numbers from -1e4 to 1e4"},
    {"HintRunPositiveOne",
     "1e-6〜1e4の正の数1つ",
     "one positive number from 1e-6 to 1e4"},
    {"HintRunPositiveMany",
     "1e-6〜1e4の正の数%dつ",
     "%d positive numbers from 1e-6 to 1e4"},
    {"HintRunWholeOne",
     "1〜%dの整数1つ",
     "one whole number from 1 to %d"},
    {"HintRunWholeMany",
     "1〜%dの整数%dつ",
     "whole numbers from 1 to %d, %d of them"},
    {"HintRunsOpen",
     "（",
     " ("},
    {"HintRunsBetween",
     "，",
     ", "},
    {"HintRunsClose",
     "を空白で区切って）",
     ", separated by blanks)"},
    {"SummaryHead",
     "\n"
     "\n/*************** 設定した最短時間制御の条件 ************************/",
     "\n"
     "\n/*************** the time-optimal control problem as set ***********/"},
    {"SummaryCylindrical",
     "\n円筒座標ロボット"
     "\n アーム長 L=%6.2f[m]",
     "\ncylindrical robot"
     "\n arm length L=%6.2f[m]"},
    {"SummaryScara",
     "\nSCARAロボット"
     "\n ２つのアーム長 (L1,L2)=(%6.2f %6.2f)[m]",
     "\nSCARA robot"
     "\n arm lengths (L1,L2)=(%6.2f %6.2f)[m]"},
    {"SummaryPath",
     "\nCP軌道：%d",
     "\nCP path: %d"},
    {"SummaryWaypoints",
     "\n  経由点の数N=%d 弦長の合計=%7.4f[m]",
     "\n  waypoints N=%d total chord length=%7.4f[m]"},
    {"SummaryEnds",
     "\n  始点(x0,y0)=(%7.4f %7.4f)[m] 終点(xf,yf)=(%7.4f %7.4f)[m]",
     "\n  start (x0,y0)=(%7.4f %7.4f)[m] end (xf,yf)=(%7.4f %7.4f)[m]"},
    {"SummarySf",
     "\n  軌道変数の長さsf=%7.4f",
     "\n  end of the path parameter sf=%7.4f"},
    {"SummaryLimitsCylindrical",
     "\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(%5.1f[%s] %5.1f[%s])",
     "\njoint limits (T/m,F/m)=(a1max,a2max)=(%5.1f[%s] %5.1f[%s])"},
    {"SummaryLimitsScara",
     "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(%5.1f %5.1f)[%s])",
     "\njoint limits (tau1/m,tau2/m)=(a1max,a2max)=(%5.1f %5.1f)[%s]"},
    {"SummaryLimitsRigidCylindrical",
     "\n剛体リンクの動力学　関節最大トルク・力(τ1,F2)=(a1max,a2max)=(%5.1f[%s] %5.1f[%s])",
     "\nrigid-link dynamics  joint limits (tau1,F2)=(a1max,a2max)=(%5.1f[%s] %5.1f[%s])"},
    {"SummaryLimitsRigidScara",
     "\n剛体リンクの動力学　関節最大トルク(τ1,τ2)=(a1max,a2max)=(%5.1f %5.1f)[%s]",
     "\nrigid-link dynamics  joint limits (tau1,tau2)=(a1max,a2max)=(%5.1f %5.1f)[%s]"},
    {"SummarySpeedLimits",
     "\n関節最大速度(v1max,v2max)=(%5.2f %5.2f) 手先最大速度vtool=%5.2f[m/s] (0:制限なし)",
     "\njoint velocity limits (v1max,v2max)=(%5.2f %5.2f) hand speed limit vtool=%5.2f[m/s] (0: none)"},
    {"SummaryEnd",
     "\n/**************** 設定終わり ***************************************/",
     "\n/**************** end of the problem ******************************/"},
    {"WaypointPathName",
     "経由点を通る3次スプライン",
     "cubic spline through the waypoints"},
    {"WaypointBlock",
     "\n8 %s　経由点の数N=%d 弦長の合計=%7.4f[m]（変更なし）",
     "\n8 %s  waypoints N=%d total chord length=%7.4f[m] (unchanged)"},
    {"ArcOld",
     "\n1 円弧運動　旧中心A=(%5.2f %5.2f)[m] 半径=%5.2f[m] 円弧角=%5.2f[deg])",
     "\n1 arc  was: centre A=(%5.2f %5.2f)[m] radius=%5.2f[m] arc angle=%5.2f[deg]"},
    {"ArcPrompt",
     "\n  中心[m] 半径[m] 円弧角[deg] 入力　A[X,Y] R θf=",
     "\n  centre[m] radius[m] arc angle[deg]  enter A[X,Y] R thf="},
    {"ArcNew",
     "\n  中心A=(%5.2f %5.2f)[m] 半径R=%5.2f[m] 円弧角=%6.2f[deg]",
     "\n  centre A=(%5.2f %5.2f)[m] radius R=%5.2f[m] arc angle=%6.2f[deg]"},
    {"ArcName",
     " 円弧",
     " arc"},
    {"ArcSummary",
     "\n  中心A=(%5.1f %5.1f)[m]  半径R=%5.1f[m]  円弧角θ=%5.1f[deg]",
     "\n  centre A=(%5.1f %5.1f)[m]  radius R=%5.1f[m]  arc angle=%5.1f[deg]"},
    {"SineOld",
     "\n2 正弦波運動  旧始点P0=(%5.2f %5.2f)[m], (波長A,振幅L)=(%5.2f %5.2f)[m]",
     "\n2 sine wave  was: start P0=(%5.2f %5.2f)[m], (wavelength L, amplitude A)=(%5.2f %5.2f)[m]"},
    {"SinePrompt",
     "\n  始点A[m], 波長L[m]，振幅A[m] 入力 A[X,Y] L A=",
     "\n  start[m], wavelength L[m], amplitude A[m]  enter P0[X,Y] L A="},
    {"SineNew",
     "\n  波長A=%5.2f[m] 振幅L=%5.2f[m]",
     "\n  wavelength L=%5.2f[m] amplitude A=%5.2f[m]"},
    {"SineName",
     " 正弦波",
     " sine wave"},
    {"SineSummary",
     "\n  波長sinL=%5.1f[m] 振幅sinA=%5.1f[m]",
     "\n  wavelength sinL=%5.1f[m] amplitude sinA=%5.1f[m]"},
    {"UShapeOld",
     "\n3 Ｕ字軌道運動　旧始点A=(%5.2f %5.2f)[m]"
     "\n            直線部長さL=%5.2f[m], 円弧部半径R=%5.1f[m]",
     "\n3 U-shape  was: start A=(%5.2f %5.2f)[m]"
     "\n            straight parts L=%5.2f[m], radius of the bend R=%5.1f[m]"},
    {"UShapePrompt",
     "\n  P0[m]  L[m]  R[m] 入力　P[X,Y] L R=",
     "\n  P0[m]  L[m]  R[m]  enter P[X,Y] L R="},
    {"UShapeNew",
     "\n  直線部L=%5.2f[m] 円弧部半径R=%5.2f[m]",
     "\n  straight parts L=%5.2f[m] radius of the bend R=%5.2f[m]"},
    {"UShapeName",
     " Ｕ字軌道",
     " U-shape"},
    {"UShapeSummary",
     "\n  直線部長さL=%5.1f[m] 湾曲部半径R=%5.1f[m]",
     "\n  straight parts L=%5.1f[m] radius of the bend R=%5.1f[m]"},
    {"SlalomOld",
     "\n4 スラローム　旧始点=(%5.2f %5.2f)[m] 円弧部半径R=%5.2f[m] 円弧数N=%.0f",
     "\n4 slalom  was: start=(%5.2f %5.2f)[m] radius R=%5.2f[m] half circles N=%.0f"},
    {"SlalomPrompt",
     "\n  始点P0[m] 半径R[m] 円個数N 入力　P0[X,Y] R N=",
     "\n  start P0[m] radius R[m] half circles N  enter P0[X,Y] R N="},
    {"SlalomNew",
     "\n  円弧部半径R=%5.2f[m] 円弧数N=%.0f",
     "\n  radius R=%5.2f[m] half circles N=%.0f"},
    {"SlalomName",
     " スラローム(半円の繋がり)",
     " slalom (half circles in a row)"},
    {"SlalomSummary",
     "\n  円弧部半径R=%5.1f[m] 半円の個数N=%.0f",
     "\n  radius R=%5.1f[m] half circles N=%.0f"},
    {"CamOld",
     "\n5 等加速度カム曲線　旧始点P0=(%5.2f %5.2f)[m] 移動距離L=%5.2f[m] 立ち上がりH=%5.2f[m]",
     "\n5 constant-acceleration cam  was: start P0=(%5.2f %5.2f)[m] stroke L=%5.2f[m] rise H=%5.2f[m]"},
    {"CamPrompt",
     "\n  始点P0[m] 移動量L[m] 立ち上がり量H[m] 入力 P0[X,Y] L H=",
     "\n  start P0[m] stroke L[m] rise H[m]  enter P0[X,Y] L H="},
    {"CamNew",
     "\n  移動量L=%5.2f[m] 立ち上がり量H=%5.2f[m]",
     "\n  stroke L=%5.2f[m] rise H=%5.2f[m]"},
    {"CamName",
     " 等加速度カム曲線軌道",
     " constant-acceleration cam"},
    {"CamSummary",
     "\n  X方向行程L=%5.1f[m] Y方向行程H=%5.1f[m]",
     "\n  stroke in x L=%5.1f[m] rise in y H=%5.1f[m]"},
    {"CycloidOld",
     "\n6 サイクロイドカム曲線　旧 始点P0=(%5.2f %5.2f)[m]"
     "\n                        移動距離L=%5.2f[m] 立ち上がりH=%5.2f[m]",
     "\n6 cycloid cam  was: start P0=(%5.2f %5.2f)[m]"
     "\n                        stroke L=%5.2f[m] rise H=%5.2f[m]"},
    {"CycloidPrompt",
     "\n  始点P0[m] 移動量L[m] 立ち上がり量H 入力　P0[X,Y] L H=",
     "\n  start P0[m] stroke L[m] rise H[m]  enter P0[X,Y] L H="},
    {"CycloidNew",
     "\n  移動量L=%5.2f[m] 立ち上がり量H=%5.2f[m]",
     "\n  stroke L=%5.2f[m] rise H=%5.2f[m]"},
    {"CycloidName",
     " サイクロイドカム曲線",
     " cycloid cam"},
    {"CycloidSummary",
     "\n  X方向行程L=%5.1f[m] Y方向行程H=%5.1f[m]",
     "\n  stroke in x L=%5.1f[m] rise in y H=%5.1f[m]"},
    {"LineOld",
     "\n7 直線運動　旧始点P0=(%5.2f %5.2f)[m] 長さl=%5.2f[m] 傾きβ=%5.2f[deg]",
     "\n7 straight line  was: start P0=(%5.2f %5.2f)[m] length l=%5.2f[m] inclination beta=%5.2f[deg]"},
    {"LinePrompt",
     "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=",
     "\n  start P0[m] length l[m] inclination beta[deg]  enter P0[X,Y] l beta="},
    {"LineNew",
     "\n  長さl=%5.2f[m] 傾きβ=%5.2f[deg]",
     "\n  length l=%5.2f[m] inclination beta=%5.2f[deg]"},
    {"ProblemFile",
     "\n"
     "\n問題ファイル：%s",
     "\n"
     "\nProblem file: %s"},
    {"LimitJoint1",
     "関節1",
     "joint 1"},
    {"LimitJoint2",
     "関節2",
     "joint 2"},
    {"LimitHand",
     "手先",
     "hand"},
    {"SingularAxis",
     "回転軸",
     "the robot's axis"},
    {"SingularStretched",
     "腕が伸びきる姿勢",
     "the arm stretched out"},
    {"SingularFolded",
     "腕が折りたたまれる姿勢",
     "the arm folded back"},
    {"NotANumber",
     "(非数)",
     "(not a number)"},
    {"DiagSuppressed",
     "\n(同様の診断 %d 件を省略)",
     "\n(%d more diagnostics of this kind not shown)"},
    {"DiagInvNone",
     "\n!!!逆運動学inv()の解なし．始めからやり直し．"
     "\n    アーム長1,2=(%6.3f %6.3f) 位置(x,y)=(%6.3f %6.3f)",
     "\n!!! inv(): no inverse kinematics solution. Start again."
     "\n    arm lengths 1,2=(%6.3f %6.3f) position (x,y)=(%6.3f %6.3f)"},
    {"DiagCalDNone",
     "\ncalD() inv()解なし CP[]=(%7.4f %7.4f)",
     "\ncalD(): no inv() solution CP[]=(%7.4f %7.4f)"},
    {"DiagJointaccNone",
     "\njointacc() calD()解なし s=%7.4f",
     "\njointacc(): no calD() solution s=%7.4f"},
    {"DiagBoundaryNone",
     "\ncalboundary() 逆運動学解なし robot=%c 軌道=%d s=%7.4f",
     "\ncalboundary(): no inverse kinematics solution robot=%c path=%d s=%7.4f"},
    {"DiagBoundarySf",
     "\ncalboundary() 軌道の長さsf=%7.4f が不正",
     "\ncalboundary(): the path length sf=%7.4f is not valid"},
    {"DiagFNone",
     "\nf() calD()解なし s=%7.4f",
     "\nf(): no calD() solution s=%7.4f"},
    {"DiagLandTooLong",
     "\nland_final() ステップ数が上限%dを超える t=%7.4f",
     "\nland_final(): more steps than the limit %d t=%7.4f"},
    {"DiagLandFailed",
     "\nland_final() 減速の積分に失敗 t=%7.4f s=%7.4f",
     "\nland_final(): the deceleration could not be integrated t=%7.4f s=%7.4f"},
    {"DiagLandAboveCeiling",
     "\nland_final() 減速が速度上限を超える t=%7.4f s=%7.4f",
     "\nland_final(): the deceleration goes above a velocity limit t=%7.4f s=%7.4f"},
    {"DiagLandShort",
     "\nland_final() 減速が終点に届かない s=%7.4f sf=%7.4f",
     "\nland_final(): the deceleration does not reach the end s=%7.4f sf=%7.4f"},
    {"DiagLandRecords",
     "\nland_final() 切り替え記録が上限%dを超える NCHN=%d",
     "\nland_final(): more switching records than the limit %d NCHN=%d"},
    {"DiagReferenceSteps",
     "\n基準CP運動 ステップ数が上限%dを超える Tn=%7.4f",
     "\nreference CP motion: more steps than the limit %d Tn=%7.4f"},
    {"DiagReferenceNoAcc",
     "\n基準CP運動 加速度を決められない a=%7.4f sf=%7.4f",
     "\nreference CP motion: no acceleration can be chosen a=%7.4f sf=%7.4f"},
    {"DiagReferenceShrink",
     "\n基準CP運動 加速度の縮小が%d回で終わらない a=%7.4f",
     "\nreference CP motion: the acceleration is still too large after %d reductions a=%7.4f"},
    {"DiagCalcpInv",
     "\n逆運動学解なし robottype=%c CP[]=(%7.4f %7.4f)",
     "\nno inverse kinematics solution robottype=%c CP[]=(%7.4f %7.4f)"},
    {"DiagCalcpSteps",
     "\ncalcp() ステップ数が上限%dを超える i=%d t=%7.5f",
     "\ncalcp(): more steps than the limit %d i=%d t=%7.5f"},
    {"DiagCalcpOrder",
     "\ncalcp() 切り替え記録の時刻が逆順 i=%d t=%7.5f",
     "\ncalcp(): the switching records go back in time i=%d t=%7.5f"},
    {"DiagCalcpNotFinite",
     "\ncalcp() 有限でない状態 k=%d",
     "\ncalcp(): a state that is not finite k=%d"},
    {"DiagCalcpNotAtRest",
     "\ncalcp() 終点で静止しない S[]=(%7.4f %7.4f) sf=%7.4f",
     "\ncalcp(): the motion is not at rest at the end S[]=(%7.4f %7.4f) sf=%7.4f"},
    {"DiagCalcpRecords",
     "\ncalcp() 切り替え記録の数が上限%dを超える NCHN=%d",
     "\ncalcp(): more switching records than the limit %d NCHN=%d"},
    {"DiagCalcpBreaksLimit",
     "\ncalcp() 制限を超える軌道: %s",
     "\ncalcp(): the motion breaks a limit: %s"},
    {"ReportSwitchings",
     "\n"
     "\n新しい軌道に沿う加減速の切り替え回数と状態 NCHN=%d",
     "\n"
     "\nswitchings of acceleration and deceleration along the new trajectory NCHN=%d"},
    {"ReportAlongCeiling",
     "\nt%d から%sの速度上限に沿う",
     "\nfrom t%d along the velocity limit of the %s"},
    {"ReportTorqueSwitchings",
     "\n"
     "\n関節トルク切り替え回数 NCT=%d   加速度acc[]は直後の値",
     "\n"
     "\njoint torque switchings NCT=%d   acc[] is the value just after"},
    {"ReportDropped",
     "\nswitching_report() 関節トルク切り替えが上限%dを超え %d 個を記録しない",
     "\nswitching_report(): more joint torque switchings than the limit %d, %d not recorded"},
    {"OptimumNone",
     "\n"
     "\n最適軌道(自動計算) %s"
     "\n",
     "\n"
     "\noptimal trajectory (computed) %s"
     "\n"},
    {"OptimumHead",
     "\n"
     "\n最適軌道(自動計算) T*=%7.4f 切り替え回数=%d",
     "\n"
     "\noptimal trajectory (computed) T*=%7.4f switchings=%d"},
};

static_assert(static_cast<int>(sizeof kTexts / sizeof kTexts[0]) == static_cast<int>(Txt::Count), "one entry per text");

}  // namespace

const TextEntry& text_entry(Txt id) { return kTexts[static_cast<int>(id)]; }

bool lang_named(const char* value, Lang& lang) {
  const std::string v = value ? value : "";
  if (v == "ja") lang = Lang::Ja;
  else if (v == "en") lang = Lang::En;
  else return false;
  return true;
}

namespace {

// C, POSIX and C.<codeset>: no language of its own.
bool plain_locale(const std::string& l) { return l == "C" || l == "POSIX" || l.rfind("C.", 0) == 0; }

// Japanese for "ja", "ja_JP", "ja_JP.UTF-8", ...
bool japanese(const std::string& name) { return name == "ja" || name.rfind("ja_", 0) == 0 || name.rfind("ja.", 0) == 0; }

}  // namespace

Lang lang_from_environment(const char* (*env)(const char*)) {
  std::string locale;
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = env(var);
    if (v && *v) {
      locale = v;
      break;
    }
  }
  if (locale.empty() || plain_locale(locale)) return Lang::Ja;
  // LANGUAGE: a list of languages, the first one that is named counts.
  std::string name = locale;
  if (const char* list = env("LANGUAGE")) {
    const std::string l = list;
    for (size_t a = 0; a <= l.size();) {
      const size_t b = std::min(l.find(':', a), l.size());
      if (b > a) {
        name = l.substr(a, b - a);
        break;
      }
      a = b + 1;
    }
  }
  return japanese(name) ? Lang::Ja : Lang::En;
}

}  // namespace cpt
