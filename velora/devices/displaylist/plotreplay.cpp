#include "devices/displaylist/plotreplay.h"

#include "common/colour.h"

#include "devices/displaylist/plotpuffer.h"
#include "devices/displaylist/plotrecord.h"
#include "devices/displaylist/replaymapping.h"
#include "devices/displaylist/replaytarget.h"

#include <vector>

namespace {

class LayerReader {
public:
    LayerReader(PlotPuffer& list, const ReplayMapping& mapping, ReplayTarget& target,
                long long& lastSlot, std::vector<LinePoint>& polygon)
        : list(list), end(list.getCounter()), mapping(mapping), target(target), lastSlot(lastSlot),
          polygon(polygon) {}

    void run() {
        unsigned long i = 0;
        while (i < end) {
            const unsigned long length = record(i);
            if (length == 0) return; // cut short: the rest is still being written
            i += length;
        }
    }

private:
    bool fits(unsigned long i, unsigned long length) const { return length <= end - i; }

    // Draws the record at i; its length, or 0 when it does not end before the count.
    unsigned long record(unsigned long i) {
        switch (list.item(i)) {
        case PI_MOVETO:
        case PI_LINETO: {
            if (!fits(i, plotrecord::pointLength)) return 0;
            const int x = mapping.x(list.item(i + 1));
            const int y = mapping.y(list.item(i + 2));
            if (list.item(i) == PI_MOVETO)
                target.moveTo(x, y);
            else
                target.lineTo(x, y);
            return plotrecord::pointLength;
        }
        case PI_PEN:
            if (!fits(i, plotrecord::penLength)) return 0;
            pen(static_cast<unsigned short>(list.item(i + 1)), list.item(i + 2));
            return plotrecord::penLength;
        case PI_RGBPEN:
            if (!fits(i, plotrecord::rgbPenLength)) return 0;
            pen(static_cast<unsigned>(velora::trueColourTag) |
                    (static_cast<unsigned short>(list.item(i + 1)) & 0xffu) << 16 |
                    static_cast<unsigned short>(list.item(i + 2)),
                list.item(i + 3));
            return plotrecord::rgbPenLength;
        case PI_FILL:
            return fill(i);
        case PI_BITMAP:
        case PI_CELLS:
            if (!fits(i, plotrecord::bitmapLength)) return 0;
            image(i, list.item(i) == PI_CELLS);
            return plotrecord::bitmapLength;
        case PI_SHOWBMP:
            return file(i);
        default:
            return 1;
        }
    }

    void pen(unsigned colour, int step) {
        const int width = mapping.totalWidth(step);
        // The same slot as the pen before costs nothing; slot 0 stands for the device's pen.
        const long long slot =
            static_cast<long long>(colour) + (static_cast<long long>(width) << 32);
        if (slot != lastSlot) {
            target.selectPen(colour, static_cast<unsigned>(width));
            lastSlot = slot;
        }
    }

    unsigned long fill(unsigned long i) {
        const unsigned long head = plotrecord::fillHeadLength;
        if (!fits(i, head)) return 0;
        const unsigned long count =
            static_cast<unsigned long>(static_cast<unsigned short>(list.item(i + 4)) & 0x7fffu)
                << 15 |
            (static_cast<unsigned short>(list.item(i + 5)) & 0x7fffu);
        if (count > (end - i - head) / 2) return 0;
        const unsigned colour = static_cast<unsigned>(static_cast<unsigned short>(list.item(i + 1)))
                                    << 16 |
                                static_cast<unsigned short>(list.item(i + 2));
        const unsigned alpha = static_cast<unsigned short>(list.item(i + 3));
        polygon.resize(count);
        for (unsigned long k = 0; k < count; ++k) {
            polygon[k].x = mapping.x(list.item(i + head + 2 * k));
            polygon[k].y = mapping.y(list.item(i + head + 2 * k + 1));
        }
        if (count >= 3)
            target.fillPolygon(polygon.data(), count, colour, alpha > 255 ? 255 : alpha);
        return head + 2 * count;
    }

    void image(unsigned long i, bool cells) {
        const int x1 = list.item(i + 1), y1 = list.item(i + 2);
        const int x2 = list.item(i + 3), y2 = list.item(i + 4);
        const int columns = list.item(i + 5), rows = list.item(i + 6);
        short address[plotrecord::addressItems];
        for (int k = 0; k < plotrecord::addressItems; ++k)
            address[k] = list.item(i + 7 + k);
        const void* pixels = plotrecord::joinAddress(address);
        for (int k = 0; k < plotrecord::addressItems; ++k)
            address[k] = list.item(i + 7 + plotrecord::addressItems + k);
        const void* info = plotrecord::joinAddress(address);
        const int left = static_cast<int>((x1 + mapping.dx) * mapping.fx);
        const int width = static_cast<int>((x2 - x1) * mapping.fx);
        const int top = static_cast<int>((y2 + mapping.dy) * mapping.fy - mapping.off);
        const int height = static_cast<int>((y1 - y2) * mapping.fy + 1);
        if (cells)
            target.drawCells(left, top, width, height, columns, rows, pixels, info);
        else
            target.drawImage(left, top, width, height, columns, rows, pixels, info);
    }

    unsigned long file(unsigned long i) {
        const unsigned long head = plotrecord::showBmpHeadLength;
        if (!fits(i, head + 1)) return 0;
        const int bytes = list.item(i + head);
        const unsigned long stringItems = bytes > 0 ? (bytes + 1ul) / 2 : 0;
        const unsigned long length = head + 1 + stringItems + 1;
        if (!fits(i, length)) return 0;
        unsigned long at = i + head;
        const char* name = list.getString(at);
        const int x1 = list.item(i + 1), y1 = list.item(i + 2);
        const int x2 = list.item(i + 3), y2 = list.item(i + 4);
        const double left = (x1 + mapping.dx) * mapping.fx;
        const double top = (y2 + mapping.dy) * mapping.fy - mapping.off;
        const double w = (x2 - x1) * mapping.fx;
        const double h = (y1 - y2) * mapping.fy;
        target.drawFile(name, static_cast<int>(left), static_cast<int>(top),
                        static_cast<int>(w + 1), static_cast<int>(h + 1));
        return length;
    }

    PlotPuffer& list;
    const unsigned long end;
    const ReplayMapping& mapping;
    ReplayTarget& target;
    long long& lastSlot;
    std::vector<LinePoint>& polygon;
};

} // namespace

void PlotReplay::run(NumberedList<PlotPuffer>& layers, const ReplayMapping& mapping,
                     ReplayTarget& target) {
    // Carried from layer to layer; 0 at the start, so a first pen of colour 0 and width 0 keeps
    // the device's own thin black pen.
    long long lastSlot = 0;
    // A fill's points, mapped; kept for the whole replay.
    std::vector<LinePoint> polygon;
    for (NumberedList<PlotPuffer>* layer = &layers; layer; layer = layer->getNext())
        LayerReader(layer->payload(), mapping, target, lastSlot, polygon).run();
}
