#include "gui/element_widgets.h"

#include <QPainter>
#include <algorithm>

#include "gui/element_style.h"

QImage imageOver(const Surface& s) {
  if (s.width <= 0 || s.height <= 0) return {};
  return QImage(reinterpret_cast<const uchar*>(s.pixels.data()), s.width, s.height,
                s.width * static_cast<int>(sizeof(std::uint32_t)), QImage::Format_RGB32);
}

namespace {

void drawBorder(QPainter& p, const QWidget& w) {
  p.setPen(QColor(0, 0, 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(w.rect().adjusted(0, 0, -1, -1));
}

}  // namespace

TextWidget::TextWidget(const TextElement& element, QWidget* parent, bool transparent)
    : QWidget(parent), element_(element), transparent_(transparent) {
  if (!transparent_) setAttribute(Qt::WA_OpaquePaintEvent);
  refresh();
}

void TextWidget::refresh() {
  font_ = fontFor(element_.font);
}

void TextWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!transparent_) p.fillRect(rect(), colourFromBgr(element_.backColour));
  QRect text = rect();
  if (element_.border) {
    drawBorder(p, *this);
    text.adjust(2, 1, -2, -1);
  }
  const QString line = QString::fromStdString(element_.text);
  // The stand-in Gothic fonts set digits wider than the board's own: a text that would
  // overrun its cell is drawn condensed rather than cut off.
  QFont font = font_;
  const int advance = QFontMetrics(font).horizontalAdvance(line);
  if (advance > text.width() && text.width() > 0)
    font.setStretch(std::max(50, 100 * text.width() / advance));
  p.setFont(font);
  p.setPen(colourFromBgr(element_.foreColour));
  p.drawText(text, static_cast<int>(alignmentFor(element_.align)) | Qt::TextSingleLine, line);
}

PictureWidget::PictureWidget(const PictureElement& element, QWidget* parent, QImage fallback)
    : QWidget(parent), element_(element), fallback_(std::move(fallback)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  refresh();
}

void PictureWidget::refresh() {
  if (shown_ == element_.surface) return;
  shown_ = element_.surface;
  image_ = shown_ ? imageOver(*shown_) : QImage();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colourFromBgr(element_.backColour));
  if (!image_.isNull())
    p.drawImage(0, 0, image_);
  else if (!fallback_.isNull())
    p.drawImage(0, 0, fallback_);
  if (element_.border) drawBorder(p, *this);
}

ElementButton::ElementButton(const ButtonElement& element, QWidget* parent, const QImage& image,
                             std::function<void()> clicked)
    : QToolButton(parent), element_(element) {
  if (!image.isNull()) {
    setIcon(QIcon(QPixmap::fromImage(image)));
    setIconSize(image.size());
  }
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QToolButton::clicked, this, [clicked = std::move(clicked)] { clicked(); });
  refresh();
}

void ElementButton::refresh() {
  setText(QString::fromStdString(element_.caption));
  setToolButtonStyle(element_.caption.empty() ? Qt::ToolButtonIconOnly
                                              : Qt::ToolButtonTextBesideIcon);
}

void ElementMirror::add(const ElementBase& element, QWidget* widget,
                        std::function<void()> refresh) {
  entries_.push_back({&element, widget, std::move(refresh), 0, true});
}

void ElementMirror::apply(Entry& e) {
  e.seen = e.element->revision;
  e.fresh = false;
  e.widget->setGeometry(pixelRect(e.element->rect));
  e.widget->setToolTip(QString::fromStdString(e.element->toolTip));
  if (e.refresh) e.refresh();
  e.widget->setVisible(e.element->visible);
  e.widget->update();
}

int ElementMirror::sync() {
  int refreshed = 0;
  for (auto& e : entries_) {
    if (!e.fresh && e.seen == e.element->revision) continue;
    apply(e);
    ++refreshed;
  }
  return refreshed;
}

void ElementMirror::syncAll() {
  for (auto& e : entries_) apply(e);
}
