#include "palettes.h"

#include <limits>

ColourTable MonochromeTable() {
    return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
}

ColourTable Vga16Table() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

ColourTable Cube256Table() {
    ColourTable table;
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                table.append(qRgb(r * 51, g * 51, b * 51));
            }
        }
    }
    // Greys between the cube's own steps, so antialiased grey edges stay neutral.
    for (int i = 1; i <= 40; ++i) {
        const int level = i * 255 / 41;
        table.append(qRgb(level, level, level));
    }
    return table;
}

int NearestIndex(const ColourTable& table, QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < table.size(); ++i) {
        const int dr = qRed(table[i]) - qRed(colour);
        const int dg = qGreen(table[i]) - qGreen(colour);
        const int db = qBlue(table[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
