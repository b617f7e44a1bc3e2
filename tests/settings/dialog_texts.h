// Expected console texts of the dialog, written out by hand from its quoted
// texts and formats; the numbers are the defaults formatted by hand
// (e.g. %6.2f of 0.5 is "  0.50", %7.4f of -0.3 is "-0.3000").
#pragma once

#include <string>

#include "support/console_capture.h"
#include "settings/state.h"

namespace texts {

inline const std::string kKeyHelp =
    "\n\n描画画面上でキーによる操作選択"
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
    "\n(6)   ESC    ：終了";

inline const std::string kSummaryTop =
    "\n\n/*************** 設定した最短時間制御の条件 ************************/";
inline const std::string kSummaryEnd =
    "\n/**************** 設定終わり ***************************************/\n";
inline const std::string kScaraDefault = "\nSCARAロボット\n ２つのアーム長 (L1,L2)=(  0.50   0.50)[m]";
inline const std::string kCylinder = "\n円筒座標ロボット\n アーム長 L=  1.00[m]";
inline const std::string kLimitsB =
    "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(  2.0   2.0)[m^2/s^2])";
inline const std::string kLimitsA =
    "\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(  2.0[m^2/s^2]   2.0[m/s^2])";

// The default arc: centre (0.2, 0.2), radius 0.5, 180 degrees, from (0.7, 0.2) to (-0.3, 0.2).
inline const std::string kArcDefault =
    "\nCP軌道：1 円弧"
    "\n  中心A=(  0.2   0.2)[m]  半径R=  0.5[m]  円弧角θ=180.0[deg]"
    "\n  始点(x0,y0)=( 0.7000  0.2000)[m] 終点(xf,yf)=(-0.3000  0.2000)[m]"
    "\n  軌道変数の長さsf= 3.1416";

// The summary at start-up: SCARA robot, default arc, limits 2 and 2.
inline const std::string kDefaultSummary = kSummaryTop + kScaraDefault + kArcDefault + kLimitsB + kSummaryEnd;

inline const std::string kQ1 = "\nロボットタイプ変更する？　yes : y   no : n    ";
inline const std::string kQ2 = "\n最大加速度変更する？　yes : y   no : n    ";
inline const std::string kQ3 = "\n軌道曲線変更する？　yes : y   no : n    ";
inline const std::string kR1 = "\n(1) CP運動種類の変更 a:円筒座標ロボット，b:SCARAロボット";
inline const std::string kR3 = "   入力  a or b    ロボットタイプ=";
inline const std::string kR6 = "\n\n関節最大加速度変更する？　 yes : y,   no : n  ";
inline const std::string kR7 = "\n\nCP軌道変更する？　 yes : y,   no : n  ";  // also U4
inline const std::string kPathHeader =
    "\n(3) CP運動種類の変更"
    "\n運動選択c= 1:円弧　2:正弦波 3:Ｕ字 4:スラローム"
    "\n         = 5:等加速度カム   6:サイクロイドカム 　 7:直線";
inline const std::string kComputing = "\n\n.........計算中..................\n";
inline const std::string kDone = "\n\n............計算終了　描画画面へ..........";
inline const std::string kBad = "\n  入力が正しくありません．もう一度入力してください．";
inline const std::string kEnd = "\n\n入力が終わりました．プログラムを終了します．\n";

}  // namespace texts

// One run of the dialog on `input` with the entry key `key`; end of input
// does not end the test program.
struct DialogRun {
  int result = -1;    // what settings_dialog returned
  bool ended = false; // the end-of-input hook was called
  std::string out;    // everything printed
};
DialogRun run_dialog(World& w, char key, const std::string& input);
