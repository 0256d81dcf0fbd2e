// Velora: 2D scientific graphics. The one header a client includes.
#pragma once

#include "common/api.h"
#include "common/endprocess.h"
#include "desk/defines.h"
#include "desk/desk.h"
#include "desk/segmentgeometry.h"
#include "desk/strings.h"
#include "desk/stringstack.h"
#include "devices/corel.h"
#include "devices/deviceflags.h"
#include "devices/deviceselect.h"
#include "devices/postscript.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "plot/symbol.h"
