// The library's view of the platform's sound: a player of clips and effects in the background.
#pragma once

#include "host/sound/sound_player.h"
