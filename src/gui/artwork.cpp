#include "gui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage startupArtwork() {
  QImage image(398, 208, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Evening sky over a platform.
  QLinearGradient sky(0, 0, 0, 140);
  sky.setColorAt(0, QColor(40, 60, 120));
  sky.setColorAt(1, QColor(240, 170, 110));
  p.fillRect(0, 0, 398, 140, sky);
  p.fillRect(0, 140, 398, 68, QColor(90, 90, 95));
  // Platform roof on its pillars.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 60, 70));
  p.drawRect(0, 40, 398, 12);
  for (int x = 30; x < 398; x += 90) p.drawRect(x, 52, 6, 88);
  // The train standing at the platform.
  p.setBrush(QColor(235, 235, 230));
  p.drawRoundedRect(20, 92, 360, 44, 8, 8);
  p.setBrush(QColor(30, 120, 60));
  p.drawRect(20, 120, 360, 6);
  p.setBrush(QColor(70, 110, 150));
  for (int x = 40; x < 360; x += 52) p.drawRect(x, 100, 30, 14);
  // Rails.
  p.setBrush(QColor(150, 150, 155));
  p.drawRect(0, 150, 398, 3);
  p.drawRect(0, 170, 398, 3);
  p.setBrush(QColor(110, 80, 60));
  for (int x = 4; x < 398; x += 14) p.drawRect(x, 153, 5, 17);
  // A departure board hanging from the roof.
  p.setBrush(QColor(20, 20, 20));
  p.drawRect(150, 56, 98, 26);
  p.setPen(QColor(255, 200, 80));
  QFont font("Noto Sans CJK JP");
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRect(150, 56, 98, 26), Qt::AlignCenter, "Tovarek");
  return image;
}

QImage bellPicture() {
  QImage image(45, 93, QImage::Format_RGB32);
  image.fill(QColor(200, 200, 200));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(80, 60, 20));
  p.setBrush(QColor(220, 170, 40));
  QPainterPath bell;
  bell.moveTo(22.5, 4);
  bell.cubicTo(34, 4, 34, 16, 36, 26);
  bell.lineTo(40, 30);
  bell.lineTo(5, 30);
  bell.lineTo(9, 26);
  bell.cubicTo(11, 16, 11, 4, 22.5, 4);
  p.drawPath(bell);
  p.drawEllipse(QPointF(22.5, 32), 3, 3);
  return image;
}

QImage bellStartImage() {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(QColor(230, 230, 230));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(120, 20, 20));
  p.setBrush(QColor(220, 40, 40));
  p.drawEllipse(QRectF(3, 3, 14, 14));
  return image;
}

QImage bellStopImage() {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(QColor(230, 230, 230));
  QPainter p(&image);
  p.setPen(QColor(20, 20, 80));
  p.setBrush(QColor(40, 60, 200));
  p.drawRect(4, 4, 12, 12);
  return image;
}
