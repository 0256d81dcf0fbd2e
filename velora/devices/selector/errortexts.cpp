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
    case errorMapSize:
        return "Plotbox: Karte mit mehr als 16384 Zellen je Seite oder 2^26 Zellen";
    default:
        return "Unbekannter Fehler";
    }
}

} // namespace velora
