// Velora: 2D scientific graphics. The one header a client includes.
#pragma once

#include "common/api.h"
#include "common/endprocess.h"
#include "desk/desk.h"
#include "desk/segmentgeometry.h"
#include "devices/corel.h"
#include "devices/deviceflags.h"
#include "devices/deviceselect.h"
#include "devices/numberedlist.h"
#include "devices/palette.h"
#include "devices/plotpuffer.h"
#include "devices/plotrecord.h"
#include "devices/plotreplay.h"
#include "devices/postscript.h"
#include "devices/replaymapping.h"
#include "devices/replaytarget.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "plot/symbol.h"
#include "text/charactermap.h"
#include "text/fontclass.h"
#include "text/fontflags.h"
#include "text/velfont.h"

#ifdef _WIN32
#include "devices/penstack.h"
#endif
