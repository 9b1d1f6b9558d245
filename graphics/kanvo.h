// libkanvo: one include reaches the whole library. Types, constants and every global function are
// callable by their plain names after it.
#pragma once

#include "graphics/color/color_models.h"
#include "graphics/device/drawing_api.h"
#include "graphics/files/image_files.h"
#include "graphics/image/canvas_image.h"
#include "graphics/input/message_queue.h"
#include "graphics/input/mouse_message.h"
#include "graphics/device/window_api.h"
#include "graphics/input/mouse_input.h"
