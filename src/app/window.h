// The single graphics window: creation with its UTF-8 title, reshape, and
// the two calls that open and close every frame.
#pragma once

namespace cpt {

// The one-line key help shown as the window title (UTF-8).
constexpr const char* kWindowTitle =
    "a,b:ロボット u:加速度，k:CP曲線 変更，W,w:画面拡大縮小，x,X,y,Y:左右上下移動，0:初期へ，s:継続, t:dt１つ戻る，r:切り替え，c:切り替え f;最後の軌道へ";

// Creates the 800 x 800 double-buffered window and registers the callbacks.
void open_window(int* argc, char** argv, void (*display)(), void (*keyboard)(unsigned char, int, int));

void reshape(int width, int height);
void begin_frame();
void end_frame();
void set_clear_colour();

}  // namespace cpt
