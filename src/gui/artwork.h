#pragma once
// The program's own pictures, drawn with QPainter at start: the start-up window's station
// scene (398 x 208), the bell panels' bell (45 x 93) and the bell buttons' images
// (20 x 20: a ringing bell to start, a square to stop). UI thread only.
#include <QImage>

QImage startupArtwork();
QImage bellPicture();
QImage bellStartImage();
QImage bellStopImage();
