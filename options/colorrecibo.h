// Choosing the receipt's colour with the colour chooser.
#pragma once

void ElegirColorRecibo();
