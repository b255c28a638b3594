#pragma once
// One Qt widget per window element, and the mirror that brings a widget up to date only
// when its element's `revision` moved. Widgets read their element when they paint; the
// core owns the elements. UI thread only.
#include <QFont>
#include <QImage>
#include <QToolButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/elements.h"
#include "platform/surface.h"

// A QImage over a surface's 0x00RRGGBB pixels, drawn as opaque without a copy. The image
// is valid while the surface lives and is not resized.
QImage imageOver(const Surface& s);

// A text box or label: back colour, optional border, text in its font, colour and alignment.
class TextWidget : public QWidget {
 public:
  TextWidget(const TextElement& element, QWidget* parent, bool transparent = false);
  void refresh();  // the element changed: take its font again
  const QFont& cachedFont() const { return font_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const TextElement& element_;
  bool transparent_;
  QFont font_;
};

// A picture element: its back colour with its surface at the top left; `fallback` is the
// program's own artwork shown while the element holds no picture.
class PictureWidget : public QWidget {
 public:
  PictureWidget(const PictureElement& element, QWidget* parent, QImage fallback = {});
  void refresh();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const PictureElement& element_;
  QImage fallback_;
  std::shared_ptr<const Surface> shown_;  // keeps the pixels under image_ alive
  QImage image_;
};

// A picture button; a click goes to `clicked`.
class ElementButton : public QToolButton {
 public:
  ElementButton(const ButtonElement& element, QWidget* parent, const QImage& image,
                std::function<void()> clicked);
  void refresh();

 private:
  const ButtonElement& element_;
};

// Brings widgets up to date from their elements.
class ElementMirror {
 public:
  // `refresh` takes the element's content; geometry, visibility and tooltip the mirror sets.
  void add(const ElementBase& element, QWidget* widget, std::function<void()> refresh);
  // Every widget whose element's revision moved; returns how many.
  int sync();
  // Every widget, whatever its revision (after a load rewrote geometry or looks).
  void syncAll();
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    const ElementBase* element;
    QWidget* widget;
    std::function<void()> refresh;
    std::uint64_t seen;
    bool fresh;
  };
  void apply(Entry& e);
  std::vector<Entry> entries_;
};
