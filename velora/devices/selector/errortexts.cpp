#include "devices/selector/errortexts.h"

namespace velora {

const char* errorText(unsigned short id) {
    switch (id) {
    case errorFontFile:
        return "Die Zeichensatzdatei Velfont.bin ist nicht lesbar";
    case errorSymbolMemory:
        return "Symbolpuffer: kein Speicher frei";
    case errorRangeX:
        return "Plotbox: x-Bereich leer oder nicht endlich, oder mehr als 10000 Teilstriche";
    case errorRangeY:
        return "Plotbox: y-Bereich leer oder nicht endlich, oder mehr als 10000 Teilstriche";
    default:
        return "Unbekannter Fehler";
    }
}

} // namespace velora
