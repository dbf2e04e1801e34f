#pragma once

#include <QImage>

namespace quindor::samples {

// Pictures of the sample documents, drawn in code so that the samples carry nothing from
// elsewhere. All are ARGB32 premultiplied; the small ones have transparent surroundings.
QImage DrawPlant(int width, int height);
QImage DrawTownMap(int width, int height);
QImage DrawPaper(int width, int height);

enum class Sign { Stop, GiveWay, Crossing, CyclePath };
QImage DrawSign(Sign sign, int size);
QImage DrawCompassRose(int size);
// A small fruit or animal symbol for the grid and question seeds.
QImage DrawSymbol(int index, int size);

} // namespace quindor::samples
