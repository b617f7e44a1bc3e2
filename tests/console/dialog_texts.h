// Expected console texts, typed by hand from the quoted texts and formats, the
// numbers formatted by hand (e.g. %6.2f of 0.5 is "  0.50", %7.4f of -0.3 is "-0.3000").
#pragma once

#include <string>

#include "console/dialog.h"
#include "support/console_capture.h"

namespace cpt {

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

inline const std::string kScaraDefault = "\nSCARAロボット\n ２つのアーム長 (L1,L2)=(  0.50   0.50)[m]";
inline const std::string kLimitsB = "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(  2.0   2.0)[m^2/s^2])";
// The default arc: centre (0.2, 0.2), radius 0.5, 180 degrees, from (0.7, 0.2) to (-0.3, 0.2).
inline const std::string kArcDefault =
    "\nCP軌道：1 円弧"
    "\n  中心A=(  0.2   0.2)[m]  半径R=  0.5[m]  円弧角θ=180.0[deg]"
    "\n  始点(x0,y0)=( 0.7000  0.2000)[m] 終点(xf,yf)=(-0.3000  0.2000)[m]"
    "\n  軌道変数の長さsf= 3.1416";
// The default straight line: from (-0.4, 0.1), length 0.8, inclination 0.
inline const std::string kLineDefault =
    "\nCP軌道：7"
    "\n  始点(x0,y0)=(-0.4000  0.1000)[m] 終点(xf,yf)=( 0.4000  0.1000)[m]"
    "\n  軌道変数の長さsf= 0.8000";

inline std::string summary(const std::string& robot, const std::string& path,
                           const std::string& limits) {
  return "\n\n/*************** 設定した最短時間制御の条件 ************************/" + robot + path +
         limits + "\n/**************** 設定終わり ***************************************/\n";
}
inline const std::string kDefaultSummary = summary(kScaraDefault, kArcDefault, kLimitsB);

inline const std::string kQ1 = "\nロボットタイプ変更する？　yes : y   no : n    ";
inline const std::string kQ2 = "\n最大加速度変更する？　yes : y   no : n    ";
inline const std::string kQ3 = "\n軌道曲線変更する？　yes : y   no : n    ";
inline const std::string kR1 = "\n(1) CP運動種類の変更 a:円筒座標ロボット，b:SCARAロボット";
inline const std::string kR3 = "   入力  a or b    ロボットタイプ=";
inline const std::string kArmOld = "\n    旧アーム長(l1,l2)=( 0.50  0.50)[m]";
inline const std::string kArmPrompt = "\n    アーム長入力  l1 l2=";
inline const std::string kR6 = "\n\n関節最大加速度変更する？　 yes : y,   no : n  ";
inline const std::string kR7 = "\n\nCP軌道変更する？　 yes : y,   no : n  ";  // also U4
inline const std::string kUOld = "\n(2) 関節最大加減速変更  旧amax(x,y)＝(  2.00   2.00)";
inline const std::string kUPrompt = "\n    入力　a1max a2max=";
inline const std::string kPathHeader =
    "\n(3) CP運動種類の変更"
    "\n運動選択c= 1:円弧　2:正弦波 3:Ｕ字 4:スラローム"
    "\n         = 5:等加速度カム   6:サイクロイドカム 　 7:直線";
inline const std::string kTypePrompt1 = "\n旧運動＝1  入力 c=";
inline const std::string kLinePrompt = "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=";
inline const std::string kComputing = "\n\n.........計算中..................\n";
inline const std::string kDone = "\n\n............計算終了　描画画面へ..........";
inline const std::string kBad = "\n  入力が正しくありません．もう一度入力してください．";
inline const std::string kEnd = "\n\n入力が終わりました．プログラムを終了します．\n";

}  // namespace texts

// One run of the dialog on `input` with the entry key `key`: what it
// returned, whether the end-of-input hook (which here records the end instead
// of ending the test program) was called, and everything printed.
struct DialogRun { int result; bool ended; std::string out; };
inline DialogRun run_dialog(World& w, char key, const std::string& input) {
  static bool ended;
  ended = false;
  ConsoleCapture cap(input);
  set_dialog_end_hook([] { ended = true; });
  const int result = settings_dialog(w, key);
  set_dialog_end_hook(nullptr);
  return {result, ended, cap.text()};
}

}  // namespace cpt
