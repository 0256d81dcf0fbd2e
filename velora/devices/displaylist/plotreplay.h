// PlotReplay: the one reader of the display lists. It walks every layer in order, each up to the
// count it finds when it begins the layer, and draws each record on a target through a mapping.
// A record cut short at the end of a layer (the client is still appending it) is left for the
// next replay.
#pragma once

#include "common/api.h"
#include "devices/displaylist/numberedlist.h"

class PlotPuffer;
class ReplayTarget;
struct ReplayMapping;

class VELORA_API PlotReplay {
public:
    static void run(NumberedList<PlotPuffer>& layers, const ReplayMapping& mapping,
                    ReplayTarget& target);
};
