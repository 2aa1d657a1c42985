#pragma once

#include <QByteArray>

// An SVG drawing names the font families the painter was asked for ("MS Sans Serif",
// "Arial"), which another machine may not have, or may have in another shape. This
// names instead the family each text was really drawn with on this machine, followed
// by the generic family, so that a viewer elsewhere picks the same face or its
// nearest kin: font-family="Liberation Sans, sans-serif". The chart's faces are all
// sans serif.
QByteArray NameDrawnFontFamilies(const QByteArray& svg);
