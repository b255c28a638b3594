#include "pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <stdexcept>

namespace demo {

namespace {

struct LiveryColours {
  QColor body, band, band2;
};
LiveryColours colours(Livery l) {
  switch (l) {
    case Livery::Local: return {QColor(196, 202, 208), QColor(40, 110, 200), QColor(40, 110, 200)};
    case Livery::Rapid: return {QColor(200, 204, 206), QColor(236, 120, 20), QColor(40, 140, 70)};
    case Livery::Express: return {QColor(236, 226, 196), QColor(196, 30, 40), QColor(196, 30, 40)};
    case Livery::LimitedExpress:
      return {QColor(246, 246, 242), QColor(110, 40, 150), QColor(220, 170, 40)};
  }
  return {};
}

QFont japaneseFont(int pixelSize, bool bold = true) {
  QFont f("Noto Sans CJK JP");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

QImage transparent(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  return img;
}

// One train side: cars with windows, doors, band, bogies, pantographs and cab ends.
QImage drawTrain(const DemoTrain& d, bool open) {
  const int w = d.spriteWidth(), h = d.spriteHeight(), car = track(d.board).carLength;
  const LiveryColours c = colours(d.livery);
  QImage img = transparent(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double top = h * 0.14, bottom = h * 0.84;
  const bool streamlined = d.livery == Livery::LimitedExpress;
  for (int i = 0; i < d.cars; ++i) {
    const double x0 = i * car + 1, x1 = (i + 1) * car - 1;
    const bool first = i == 0, last = i == d.cars - 1;
    QPainterPath body;
    if (streamlined && (first || last)) {
      const double nose = car * 0.28;
      if (first) {
        body.moveTo(x0 + nose, top);
        body.lineTo(x1, top);
        body.lineTo(x1, bottom);
        body.lineTo(x0, bottom);
        body.quadTo(x0, top + (bottom - top) * 0.45, x0 + nose, top);
      } else {
        body.moveTo(x0, top);
        body.lineTo(x1 - nose, top);
        body.quadTo(x1, top + (bottom - top) * 0.45, x1, bottom);
        body.lineTo(x0, bottom);
        body.closeSubpath();
      }
    } else {
      body.addRoundedRect(QRectF(x0, top, x1 - x0, bottom - top), h * 0.05, h * 0.05);
    }
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0, c.body.lighter(112));
    shade.setColorAt(0.5, c.body);
    shade.setColorAt(1, c.body.darker(125));
    p.fillPath(body, shade);
    p.setPen(QPen(c.body.darker(160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    // Roof and bands.
    p.fillRect(QRectF(x0, top, x1 - x0, h * 0.05), c.body.darker(140));
    p.fillRect(QRectF(x0, h * 0.60, x1 - x0, h * 0.075), c.band);
    p.fillRect(QRectF(x0, h * 0.685, x1 - x0, h * 0.025), c.band2);
    p.fillRect(QRectF(x0, h * 0.20, x1 - x0, h * 0.02), c.band);
    p.restore();
    // Doors: four on a commuter car, two on the long-distance types.
    const int doors = d.livery == Livery::LimitedExpress || d.livery == Livery::Express ? 2 : 4;
    const double doorW = car * (doors == 4 ? 0.075 : 0.085);
    const double margin = car * (streamlined && (first || last) ? 0.34 : 0.12);
    std::vector<double> doorX;
    for (int k = 0; k < doors; ++k) {
      const double span = (x1 - x0) - 2 * margin - doorW;
      doorX.push_back(x0 + margin + span * (doors == 1 ? 0.5 : double(k) / (doors - 1)));
    }
    // Windows between the doors.
    const double winTop = h * 0.27, winBottom = h * 0.52;
    QLinearGradient glass(0, winTop, 0, winBottom);
    glass.setColorAt(0, QColor(120, 150, 175));
    glass.setColorAt(0.35, QColor(60, 80, 100));
    glass.setColorAt(1, QColor(35, 45, 60));
    std::vector<double> edges = {x0 + (streamlined && first ? margin : car * 0.05)};
    for (double dx : doorX) {
      edges.push_back(dx - 2);
      edges.push_back(dx + doorW + 2);
    }
    edges.push_back(x1 - (streamlined && last ? margin : car * 0.05));
    for (size_t k = 0; k + 1 < edges.size(); k += 2) {
      const double a = edges[k] + 2, b = edges[k + 1] - 2;
      if (b - a < 4) continue;
      const int panes = std::max(1, int((b - a) / (car * 0.14)));
      const double pw = (b - a) / panes;
      for (int q = 0; q < panes; ++q) {
        QRectF r(a + q * pw + 1, winTop, pw - 2, winBottom - winTop);
        p.setPen(QPen(QColor(70, 70, 75), 0.8));
        p.setBrush(glass);
        p.drawRoundedRect(r, 1.5, 1.5);
      }
    }
    for (double dx : doorX) {
      QRectF door(dx, h * 0.25, doorW, bottom - h * 0.25 - 1);
      if (open) {
        QLinearGradient inside(0, door.top(), 0, door.bottom());
        inside.setColorAt(0, QColor(250, 240, 205));
        inside.setColorAt(0.6, QColor(180, 170, 150));
        inside.setColorAt(1, QColor(90, 85, 80));
        p.fillRect(door, inside);
        p.fillRect(QRectF(door.left() + doorW * 0.45, door.top(), doorW * 0.1, door.height()),
                   QColor(150, 150, 150));  // the grab pole
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(door);
      } else {
        p.setPen(QPen(c.body.darker(170), 1));
        p.setBrush(c.body.darker(104));
        p.drawRect(door);
        p.drawLine(QPointF(door.center().x(), door.top()),
                   QPointF(door.center().x(), door.bottom()));
        p.setBrush(glass);
        p.drawRect(QRectF(door.left() + 1.5, winTop, doorW / 2 - 3, (winBottom - winTop) * 0.9));
        p.drawRect(
            QRectF(door.center().x() + 1.5, winTop, doorW / 2 - 3, (winBottom - winTop) * 0.9));
      }
    }
    // Cab ends: a front window and lights.
    auto cab = [&](bool left) {
      const double cx = left ? x0 + 2 : x1 - car * 0.07 - 2;
      if (!streamlined) {
        p.setBrush(QColor(30, 40, 55));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(cx, h * 0.27, car * 0.07, h * 0.22));
      }
      p.setBrush(QColor(255, 250, 210));
      p.drawEllipse(QPointF(left ? x0 + car * 0.05 : x1 - car * 0.05, h * 0.73), h * 0.035,
                    h * 0.035);
    };
    if (first) cab(true);
    if (last) cab(false);
    // Bogies and wheels.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 45, 48));
    p.drawRect(QRectF(x0 + car * 0.06, bottom, x1 - x0 - car * 0.12, h * 0.04));
    for (double bx : {x0 + car * 0.16, x1 - car * 0.16}) {
      p.setBrush(QColor(55, 55, 58));
      p.drawRect(QRectF(bx - car * 0.09, bottom + h * 0.02, car * 0.18, h * 0.09));
      p.setBrush(QColor(25, 25, 25));
      for (double wx : {bx - car * 0.05, bx + car * 0.05})
        p.drawEllipse(QPointF(wx, h - h * 0.075), h * 0.07, h * 0.07);
    }
    // A pantograph on every other car.
    if (i % 2 == 1) {
      p.setPen(QPen(QColor(70, 70, 70), std::max(1.0, h / 40.0)));
      const double mx = (x0 + x1) / 2, ph = top;
      p.drawLine(QPointF(mx - car * 0.08, ph), QPointF(mx, 1));
      p.drawLine(QPointF(mx + car * 0.08, ph), QPointF(mx, 1));
      p.drawLine(QPointF(mx - car * 0.1, 1), QPointF(mx + car * 0.1, 1));
    }
    // The gangway to the next car.
    if (!last) p.fillRect(QRectF(x1 - 1, h * 0.3, 3, h * 0.45), QColor(50, 50, 50));
  }
  return img;
}

QImage drawBadge(Livery l) {
  QImage img(70, 26, QImage::Format_RGB32);
  img.fill(QColor(64, 64, 64));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QColor bg, fg;
  switch (l) {
    case Livery::Local: bg = QColor(20, 20, 20), fg = Qt::white; break;
    case Livery::Rapid: bg = QColor(232, 115, 12), fg = Qt::white; break;
    case Livery::Express: bg = QColor(210, 30, 36), fg = Qt::white; break;
    case Livery::LimitedExpress: bg = QColor(245, 245, 245), fg = QColor(200, 20, 30); break;
  }
  p.setPen(QPen(QColor(200, 200, 200), 1));
  p.setBrush(bg);
  p.drawRoundedRect(QRectF(1.5, 1.5, 67, 23), 4, 4);
  p.setPen(fg);
  p.setFont(japaneseFont(18));
  p.drawText(QRectF(0, 0, 70, 26), Qt::AlignCenter, typeName(l));
  return img;
}

void drawRails(QPainter& p, int y) {
  p.fillRect(QRectF(0, y - 3, kViewWidth, 9), QColor(110, 104, 96));
  p.setPen(QPen(QColor(80, 62, 48), 2));
  for (int x = 0; x < kViewWidth; x += 9) p.drawLine(x, y + 1, x + 3, y + 4);
  p.setPen(QPen(QColor(175, 175, 180), 1.5));
  p.drawLine(0, y - 1, kViewWidth, y - 1);
  p.setPen(QPen(QColor(120, 120, 125), 1.2));
  p.drawLine(0, y + 2, kViewWidth, y + 2);
}

QImage drawBackground(int period) {
  QImage img(kViewWidth, kWindowHeight, QImage::Format_RGB32);
  img.fill(QColor(40, 40, 42));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 80);
  if (period == 0) {
    sky.setColorAt(0, QColor(120, 170, 225));
    sky.setColorAt(1, QColor(250, 205, 160));
  } else if (period == 1) {
    sky.setColorAt(0, QColor(70, 140, 225));
    sky.setColorAt(1, QColor(185, 220, 245));
  } else {
    sky.setColorAt(0, QColor(8, 12, 35));
    sky.setColorAt(1, QColor(40, 45, 80));
  }
  p.fillRect(0, 0, kViewWidth, 90, sky);
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> u(0, 1);
  if (period == 2)
    for (int i = 0; i < 60; ++i)
      p.fillRect(QRectF(u(rng) * kViewWidth, u(rng) * 40, 1.2, 1.2), QColor(230, 230, 255));
  else
    for (int i = 0; i < 5; ++i) {  // clouds
      const double cx = u(rng) * kViewWidth, cy = 8 + u(rng) * 25;
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, period == 0 ? 150 : 200));
      for (int k = 0; k < 4; ++k) p.drawEllipse(QPointF(cx + k * 12, cy + (k % 2) * 3), 14 - k, 7);
    }
  // Hills and the town behind the station.
  const QColor hill = period == 2 ? QColor(20, 28, 40) : QColor(110, 150, 120);
  QPainterPath hills;
  hills.moveTo(0, 70);
  for (int x = 0; x <= kViewWidth; x += 30)
    hills.lineTo(x, 52 + 10 * std::sin(x * 0.012) + 5 * std::sin(x * 0.05));
  hills.lineTo(kViewWidth, 90);
  hills.lineTo(0, 90);
  p.fillPath(hills, hill);
  for (int x = 0; x < kViewWidth;) {
    const int bw = 18 + int(u(rng) * 40), bh = 14 + int(u(rng) * 36);
    const QColor wall = period == 2 ? QColor(35, 38, 55)
                                    : QColor(150 + int(u(rng) * 60), 150 + int(u(rng) * 50),
                                             150 + int(u(rng) * 40));
    p.fillRect(x, 78 - bh, bw, bh, wall);
    for (int wy = 78 - bh + 3; wy < 74; wy += 5)
      for (int wx = x + 3; wx < x + bw - 3; wx += 5) {
        const bool lit = period == 2 ? u(rng) < 0.45 : false;
        p.fillRect(wx, wy, 2, 2, lit ? QColor(255, 220, 130) : wall.darker(130));
      }
    x += bw + int(u(rng) * 6);
  }
  // The far platform of track 1 with its building and canopy.
  const QColor concrete = period == 2 ? QColor(95, 95, 100) : QColor(175, 172, 165);
  p.fillRect(0, 66, kViewWidth, 12, period == 2 ? QColor(60, 62, 70) : QColor(140, 135, 128));
  p.fillRect(0, 62, kViewWidth, 5, period == 2 ? QColor(70, 70, 80) : QColor(90, 95, 105));
  for (int x = 30; x < kViewWidth; x += 120) p.fillRect(x, 66, 3, 12, QColor(80, 80, 85));
  p.fillRect(0, 78, kViewWidth, 16, concrete);
  p.fillRect(0, 90, kViewWidth, 2, QColor(230, 200, 40));
  p.fillRect(0, 92, kViewWidth, 8, concrete.darker(130));
  // Ground, ballast and rails of the four tracks; the gravel between them.
  p.fillRect(0, 100, kViewWidth, kViewHeight - 100,
             period == 2 ? QColor(45, 43, 42) : QColor(120, 114, 104));
  for (int i = 0; i < 1500; ++i)
    p.fillRect(QRectF(u(rng) * kViewWidth, 100 + u(rng) * (kViewHeight - 100), 1.3, 1.3),
               period == 2 ? QColor(70, 68, 66) : QColor(150, 142, 130));
  for (int b = 0; b < 4; ++b) drawRails(p, track(b).railY);
  // Overhead wires.
  p.setPen(QPen(QColor(40, 40, 40), 1));
  for (int y : {46, 52, 60}) p.drawLine(0, y, kViewWidth, y - 2);
  if (period != 1) {
    // Lamps under the far canopy light the platform at dusk and night.
    for (int x = 60; x < kViewWidth; x += 120) p.fillRect(x, 67, 14, 2, QColor(255, 240, 200));
  }
  return img;
}

QImage drawFront() {
  QImage img(kViewWidth, kWindowHeight, QImage::Format_RGB32);
  img.fill(QColor(60, 60, 62));
  QPainter p(&img);
  p.fillRect(0, 0, kViewWidth, 3, QColor(235, 235, 230));
  QLinearGradient floor(0, 3, 0, 30);
  floor.setColorAt(0, QColor(170, 168, 160));
  floor.setColorAt(1, QColor(120, 118, 112));
  p.fillRect(0, 3, kViewWidth, 40, floor);
  p.fillRect(0, 6, kViewWidth, 7, QColor(240, 200, 30));  // tactile paving
  for (int x = 2; x < kViewWidth; x += 6) {
    p.fillRect(x, 7, 2, 2, QColor(210, 170, 20));
    p.fillRect(x + 3, 10, 2, 2, QColor(210, 170, 20));
  }
  for (int x = 0; x < kViewWidth; x += 48) p.fillRect(x, 14, 1, 30, QColor(140, 138, 130));
  return img;
}

QImage drawMasts(int w, int h, std::initializer_list<int> xs, bool signal, int beamY) {
  QImage img = transparent(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  for (int x : xs) {
    p.fillRect(x, 0, 5, h, QColor(120, 125, 130));
    p.fillRect(x + 1, 0, 1, h, QColor(170, 175, 180));
    p.fillRect(x - 14, beamY, 34, 3, QColor(100, 104, 110));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(x - 12, beamY + 3, x - 12, beamY + 9);
    p.drawLine(x + 16, beamY + 3, x + 16, beamY + 9);
  }
  if (signal) {
    const int sx = *xs.begin() + 10, sy = beamY + 14;
    p.fillRect(sx, sy, 12, 30, QColor(25, 25, 25));
    p.setPen(Qt::NoPen);
    const QColor lamps[3] = {QColor(60, 200, 90), QColor(90, 70, 20), QColor(90, 20, 20)};
    for (int i = 0; i < 3; ++i) {
      p.setBrush(lamps[i]);
      p.drawEllipse(QPointF(sx + 6, sy + 6 + i * 9), 3.5, 3.5);
    }
  }
  return img;
}

QImage drawIsland() {
  const Overlay& o = overlay(3);
  QImage img = transparent(o.width, o.height);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath slab;  // sloping ends
  slab.moveTo(20, 0);
  slab.lineTo(o.width - 20, 0);
  slab.lineTo(o.width, o.height);
  slab.lineTo(0, o.height);
  slab.closeSubpath();
  p.fillPath(slab, QColor(150, 148, 142));
  p.fillRect(QRectF(18, 0, o.width - 36, 5), QColor(190, 188, 180));
  p.fillRect(QRectF(20, 5, o.width - 40, 2), QColor(235, 200, 30));
  p.setPen(QPen(QColor(120, 118, 112), 1));
  for (int x = 40; x < o.width - 20; x += 40) p.drawLine(x, 8, x, o.height);
  return img;
}

QImage drawStationSign() {
  const Overlay& o = overlay(1);
  QImage img = transparent(o.width, o.height);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(30, 28, 4, o.height - 28, QColor(90, 90, 95));
  p.fillRect(o.width - 34, 28, 4, o.height - 28, QColor(90, 90, 95));
  p.setPen(QPen(QColor(80, 80, 80), 1));
  p.setBrush(QColor(250, 250, 248));
  p.drawRect(QRectF(0.5, 0.5, o.width - 1, 30));
  p.fillRect(1, 22, o.width - 2, 5, QColor(40, 110, 200));
  p.setPen(QColor(20, 20, 20));
  p.setFont(japaneseFont(15));
  p.drawText(QRectF(0, -1, o.width, 17), Qt::AlignCenter, "星見台");
  p.setFont(japaneseFont(7, false));
  p.drawText(QRectF(0, 14, o.width, 9), Qt::AlignCenter, "ほしみだい  Hoshimidai");
  p.setPen(Qt::white);
  p.drawText(QRectF(4, 21, o.width / 2, 7), Qt::AlignLeft | Qt::AlignVCenter, "← 湊中央");
  p.drawText(QRectF(o.width / 2, 21, o.width / 2 - 4, 7), Qt::AlignRight | Qt::AlignVCenter,
             "山ノ辺 →");
  return img;
}

QImage drawRoof() {
  const Overlay& o = overlay(4);
  QImage img = transparent(o.width, o.height);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient roof(0, 0, 0, 18);
  roof.setColorAt(0, QColor(70, 75, 85));
  roof.setColorAt(1, QColor(160, 165, 170));
  QPainterPath edge;
  edge.moveTo(0, 0);
  edge.lineTo(o.width - 30, 0);
  edge.lineTo(o.width, 10);
  edge.lineTo(o.width, 16);
  edge.lineTo(0, 20);
  edge.closeSubpath();
  p.fillPath(edge, roof);
  p.fillRect(0, 18, o.width - 20, 2, QColor(230, 230, 220));  // the lights
  p.fillRect(58, 18, 8, o.height - 18, QColor(95, 100, 110));
  p.fillRect(60, 18, 2, o.height - 18, QColor(150, 155, 165));
  // The hanging track sign.
  p.fillRect(219, 20, 2, 6, QColor(60, 60, 60));
  p.fillRect(299, 20, 2, 6, QColor(60, 60, 60));
  p.setPen(QPen(QColor(50, 50, 50), 1));
  p.setBrush(QColor(30, 40, 60));
  p.drawRect(QRectF(200, 26, 120, 18));
  p.setPen(Qt::white);
  p.setFont(japaneseFont(11));
  p.drawText(QRectF(200, 26, 120, 18), Qt::AlignCenter, "4番線 下り 山ノ辺方面");
  return img;
}

QImage drawFootbridge() {
  const Overlay& o = overlay(5);
  QImage img = transparent(o.width, o.height);
  QPainter p(&img);
  p.fillRect(0, 0, o.width, 6, QColor(85, 90, 100));
  p.fillRect(0, 6, o.width, 28, QColor(210, 210, 204));
  QLinearGradient g(0, 10, 0, 27);
  g.setColorAt(0, QColor(160, 195, 220));
  g.setColorAt(1, QColor(70, 95, 120));
  for (int x = 6; x < o.width - 10; x += 20) p.fillRect(x, 10, 15, 17, g);
  p.fillRect(0, 29, o.width, 2, QColor(40, 110, 200));
  p.fillRect(0, 34, o.width, 6, QColor(110, 110, 108));
  for (int x = 0; x < o.width; x += 40) p.fillRect(x, 34, 2, 6, QColor(80, 80, 80));
  return img;
}

}  // namespace

QImage sideBySide(const QImage& drawing) {
  const QImage src = drawing.convertToFormat(QImage::Format_ARGB32);
  const int w = src.width(), h = src.height();
  QImage out(2 * w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const bool solid = qAlpha(s[x]) >= 128;
      o[x] = solid ? qRgb(qRed(s[x]), qGreen(s[x]), qBlue(s[x])) : qRgb(0, 0, 0);
      o[w + x] = solid ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
  }
  return out;
}

std::vector<Picture> makePictures() {
  std::vector<Picture> out;
  std::set<std::string> done;
  for (const DemoTrain& d : trains()) {
    if (!done.insert(d.pictureName()).second) continue;
    out.push_back({d.pictureName(), sideBySide(drawTrain(d, false))});
    out.push_back({d.pictureName() + "開", sideBySide(drawTrain(d, true))});
  }
  for (int p = 0; p < 3; ++p) out.push_back({periodPictureName(p), drawBackground(p)});
  out.push_back({kFrontPicture, drawFront(), true});
  for (Livery l : {Livery::Local, Livery::Rapid, Livery::Express, Livery::LimitedExpress})
    out.push_back({badgeName(l), drawBadge(l)});
  const Overlay& o0 = overlay(0);
  out.push_back({o0.name, sideBySide(drawMasts(o0.width, o0.height, {60, 380}, true, 6))});
  out.push_back({overlay(1).name, sideBySide(drawStationSign())});
  const Overlay& o2 = overlay(2);
  out.push_back({o2.name, sideBySide(drawMasts(o2.width, o2.height, {40, 400}, true, 4))});
  out.push_back({overlay(3).name, sideBySide(drawIsland())});
  out.push_back({overlay(4).name, sideBySide(drawRoof())});
  out.push_back({overlay(5).name, sideBySide(drawFootbridge())});
  return out;
}

void writeBmp(const std::filesystem::path& path, const QImage& image) {
  const QImage img = image.convertToFormat(QImage::Format_RGB32);
  const int w = img.width(), h = img.height();
  const int stride = (w * 3 + 3) & ~3;
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(stride) * h;
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + path.string());
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    out.put(static_cast<char>(v));
    out.put(static_cast<char>(v >> 8));
  };
  out.write("BM", 2);
  u32(14 + 40 + dataBytes);
  u32(0);
  u32(14 + 40);
  u32(40);
  u32(static_cast<std::uint32_t>(w));
  u32(static_cast<std::uint32_t>(h));  // bottom-up
  u16(1);
  u16(24);
  u32(0);  // no compression
  u32(dataBytes);
  u32(3780);  // 96 dots per inch
  u32(3780);
  u32(0);
  u32(0);
  std::string row(stride, '\0');
  for (int y = h - 1; y >= 0; --y) {
    const QRgb* s = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      row[3 * x] = static_cast<char>(qBlue(s[x]));
      row[3 * x + 1] = static_cast<char>(qGreen(s[x]));
      row[3 * x + 2] = static_cast<char>(qRed(s[x]));
    }
    out.write(row.data(), stride);
  }
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace demo
