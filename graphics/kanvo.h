// libkanvo: one include reaches the whole library. Its types, named values and global functions
// are callable by their plain names after it; everything else stays inside namespace kanvo.
#pragma once

#include "graphics/color/color_models.h"
#include "graphics/context/text_encoding.h"
#include "graphics/device/drawing_api.h"
#include "graphics/device/drawing_constants.h"
#include "graphics/device/window_api.h"
#include "graphics/files/image_files.h"
#include "graphics/image/canvas_image.h"
#include "graphics/input/key_input.h"
#include "graphics/input/mouse_input.h"
#include "graphics/input/mouse_message.h"
#include "graphics/input/text_input_dialog.h"
#include "graphics/sound/sound_api.h"

// Types.
using kanvo::CanvasImage;
using kanvo::Color;
using kanvo::FillStyle;
using kanvo::KeyMessage;
using kanvo::LineStyle;
using kanvo::LogFont;
using kanvo::MouseMessage;
using kanvo::Point;
using kanvo::Rect;
using kanvo::RegionHandle;
using kanvo::SurfaceHandle;
using kanvo::TextEncoding;
using kanvo::TextInputDialog;
using kanvo::WindowHandle;

// The window.
using kanvo::close_window;
using kanvo::get_author_text;
using kanvo::get_version_text;
using kanvo::get_window_handle;
using kanvo::NO_CLOSE;
using kanvo::NO_MINIMIZE;
using kanvo::open_window;
using kanvo::open_window_default;
using kanvo::SHOW_CONSOLE;

// Batch drawing.
using kanvo::begin_batch_draw;
using kanvo::end_batch_draw;
using kanvo::end_batch_draw_rect;
using kanvo::flush_batch_draw;
using kanvo::flush_batch_draw_rect;

// The drawing operations and the calls made of them.
#define KANVO_OPERATION(result, name, parameters, arguments) using kanvo::name;
#define KANVO_COMPOSITE(result, name, parameters) using kanvo::name;
#include "graphics/device/drawing_operations.h"

// Text encoding.
using kanvo::get_text_encoding;
using kanvo::set_text_encoding;

// Image files and copies.
using kanvo::get_image;
using kanvo::load_image;
using kanvo::load_image_resource;
using kanvo::put_image;
using kanvo::put_image_part;
using kanvo::rotate_image;
using kanvo::save_image;

// Mouse input.
using kanvo::flush_mouse_messages;
using kanvo::get_mouse_message;
using kanvo::mouse_hit;
using kanvo::WM_LBUTTONDBLCLK;
using kanvo::WM_LBUTTONDOWN;
using kanvo::WM_LBUTTONUP;
using kanvo::WM_MBUTTONDBLCLK;
using kanvo::WM_MBUTTONDOWN;
using kanvo::WM_MBUTTONUP;
using kanvo::WM_MOUSEMOVE;
using kanvo::WM_MOUSEWHEEL;
using kanvo::WM_RBUTTONDBLCLK;
using kanvo::WM_RBUTTONDOWN;
using kanvo::WM_RBUTTONUP;

// Key input.
using kanvo::flush_key_messages;
using kanvo::get_key_message;
using kanvo::key_hit;
using kanvo::VK_BACK;
using kanvo::VK_CONTROL;
using kanvo::VK_DELETE;
using kanvo::VK_DOWN;
using kanvo::VK_END;
using kanvo::VK_ESCAPE;
using kanvo::VK_F1;
using kanvo::VK_HOME;
using kanvo::VK_INSERT;
using kanvo::VK_LEFT;
using kanvo::VK_MENU;
using kanvo::VK_NEXT;
using kanvo::VK_PRIOR;
using kanvo::VK_RETURN;
using kanvo::VK_RIGHT;
using kanvo::VK_SHIFT;
using kanvo::VK_SPACE;
using kanvo::VK_TAB;
using kanvo::VK_UP;
using kanvo::WM_KEYDOWN;
using kanvo::WM_KEYUP;

// Asking for text.
using kanvo::ask_text;

// Sound.
using kanvo::loop_clip;
using kanvo::play_clip;
using kanvo::play_effect;
using kanvo::stop_clip;

// Colours.
using kanvo::hsl_to_rgb;
using kanvo::hsv_to_rgb;
using kanvo::rgb;
using kanvo::rgb_to_gray;
using kanvo::rgb_to_hsl;
using kanvo::rgb_to_hsv;

// Named values.
using kanvo::ALTERNATE;
using kanvo::ANTIALIASED_QUALITY;
using kanvo::BLACKNESS;
using kanvo::BS_DIBPATTERN;
using kanvo::BS_HATCHED;
using kanvo::BS_NULL;
using kanvo::BS_PATTERN;
using kanvo::BS_SOLID;
using kanvo::DEFAULT_CHARSET;
using kanvo::DSTINVERT;
using kanvo::DT_BOTTOM;
using kanvo::DT_CALCRECT;
using kanvo::DT_CENTER;
using kanvo::DT_EXPANDTABS;
using kanvo::DT_LEFT;
using kanvo::DT_NOCLIP;
using kanvo::DT_NOPREFIX;
using kanvo::DT_RIGHT;
using kanvo::DT_SINGLELINE;
using kanvo::DT_TOP;
using kanvo::DT_VCENTER;
using kanvo::DT_WORDBREAK;
using kanvo::FW_BOLD;
using kanvo::FW_NORMAL;
using kanvo::HS_BDIAGONAL;
using kanvo::HS_CROSS;
using kanvo::HS_DIAGCROSS;
using kanvo::HS_FDIAGONAL;
using kanvo::HS_HORIZONTAL;
using kanvo::HS_VERTICAL;
using kanvo::MERGECOPY;
using kanvo::MERGEPAINT;
using kanvo::NONANTIALIASED_QUALITY;
using kanvo::NOTSRCCOPY;
using kanvo::NOTSRCERASE;
using kanvo::OPAQUE;
using kanvo::PATCOPY;
using kanvo::PATINVERT;
using kanvo::PATPAINT;
using kanvo::PS_DASH;
using kanvo::PS_DASHDOT;
using kanvo::PS_DASHDOTDOT;
using kanvo::PS_DOT;
using kanvo::PS_ENDCAP_FLAT;
using kanvo::PS_ENDCAP_ROUND;
using kanvo::PS_ENDCAP_SQUARE;
using kanvo::PS_INSIDEFRAME;
using kanvo::PS_JOIN_BEVEL;
using kanvo::PS_JOIN_MITER;
using kanvo::PS_JOIN_ROUND;
using kanvo::PS_NULL;
using kanvo::PS_SOLID;
using kanvo::PS_USERSTYLE;
using kanvo::R2_BLACK;
using kanvo::R2_COPYPEN;
using kanvo::R2_MASKNOTPEN;
using kanvo::R2_MASKPEN;
using kanvo::R2_MASKPENNOT;
using kanvo::R2_MERGENOTPEN;
using kanvo::R2_MERGEPEN;
using kanvo::R2_MERGEPENNOT;
using kanvo::R2_NOP;
using kanvo::R2_NOT;
using kanvo::R2_NOTCOPYPEN;
using kanvo::R2_NOTMASKPEN;
using kanvo::R2_NOTMERGEPEN;
using kanvo::R2_NOTXORPEN;
using kanvo::R2_WHITE;
using kanvo::R2_XORPEN;
using kanvo::SRCAND;
using kanvo::SRCCOPY;
using kanvo::SRCERASE;
using kanvo::SRCINVERT;
using kanvo::SRCPAINT;
using kanvo::TEXT_GBK;
using kanvo::TEXT_UTF8;
using kanvo::TRANSPARENT;
using kanvo::WHITENESS;
using kanvo::WINDING;
