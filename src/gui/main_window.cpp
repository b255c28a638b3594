#include "gui/main_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <array>

#include "gui/artwork.h"
#include "gui/element_style.h"
#include "gui/main_window_layout.h"

InsideWidget::InsideWidget(const Surface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface), image_(imageOver(surface)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(Tovarek2::kInsideWidth, Tovarek2::kInsideHeight);
}

void InsideWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect dirty = event->rect();
  if (image_.isNull() ||
      image_.constBits() != reinterpret_cast<const uchar*>(surface_.pixels.data()))
    image_ = imageOver(surface_);
  p.fillRect(dirty, colourFromBgr(Tovarek2::kBackColour));
  if (!image_.isNull()) p.drawImage(dirty.topLeft(), image_, dirty);
}

namespace {

// What each menu entry says when the core has not named it.
struct MenuDefault {
  const char* name;
  const char* caption;
};
constexpr std::array<MenuDefault, 6> kMenuDefaults = {{
    {"IDMFille", "ファイル"},
    {"IDMNew", "乗り換え"},
    {"IDMExit", "終了"},
    {"IDMSet", "設定"},
    {"IDMSet2", "設定"},
    {"Chang", "乗換実行"},
}};

// The program's own image a bell button names; by its place when it names none.
const QImage& buttonImage(const ButtonElement& b, int command, const QImage& start,
                          const QImage& stop) {
  if (b.imageName == "bellStop") return stop;
  if (b.imageName == "bellStart") return start;
  return command % 2 == 0 ? start : stop;
}

}  // namespace

MainWindow::MainWindow(Tovarek2& main, MainWindowActions actions)
    : main_(main), actions_(std::move(actions)) {
  setObjectName("Tovarek2");
  inside_ = new InsideWidget(main_.windowSurface, this);
  inside_->setObjectName("inside");
  setCentralWidget(inside_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  buildMenus();

  const QImage bell = bellPicture();
  const QImage start = bellStartImage();
  const QImage stop = bellStopImage();
  const std::vector<ElementSlot> placed = mainWindowSlots(main_);
  std::vector<QWidget*> widgets;
  widgets.reserve(placed.size());
  for (const ElementSlot& s : placed) {
    QWidget* parent = s.parent < 0 ? inside_ : widgets[s.parent];
    QWidget* w = nullptr;
    std::function<void()> refresh;
    switch (s.kind) {
      case ElementSlot::Kind::Text: {
        auto* t = new TextWidget(*static_cast<TextElement*>(s.element), parent, s.transparent);
        refresh = [t] { t->refresh(); };
        w = t;
        break;
      }
      case ElementSlot::Kind::Picture: {
        const bool bellPanel = s.name.rfind("Picture2(", 0) == 0;
        auto* p = new PictureWidget(*static_cast<PictureElement*>(s.element), parent,
                                    bellPanel ? bell : QImage());
        refresh = [p] { p->refresh(); };
        w = p;
        break;
      }
      case ElementSlot::Kind::Button: {
        const int command = s.command;
        auto* b = new ElementButton(
            *static_cast<ButtonElement*>(s.element), parent,
            buttonImage(*static_cast<ButtonElement*>(s.element), command, start, stop),
            [this, command] {
              if (actions_.buttonClicked) actions_.buttonClicked(command);
            });
        refresh = [b] { b->refresh(); };
        w = b;
        break;
      }
    }
    w->setObjectName(QString::fromStdString(s.name));
    w->raise();  // above every earlier sibling
    widgets.push_back(w);
    byName_[s.name] = w;
    mirror_.add(*s.element, w, std::move(refresh));
  }
  syncAll();
}

void MainWindow::buildMenus() {
  auto caption = [this](int i) {
    const std::string& c = main_.menu[i].caption;
    return QString::fromStdString(c.empty() ? kMenuDefaults[i].caption : c);
  };
  auto entry = [this, &caption](QMenu* menu, int i) {
    QAction* a = menu->addAction(caption(i));
    a->setObjectName(kMenuDefaults[i].name);
    const std::string name = kMenuDefaults[i].name;
    connect(a, &QAction::triggered, this, [this, name] {
      if (actions_.menuChosen) actions_.menuChosen(name);
    });
  };
  menuBar()->clear();
  QMenu* file = menuBar()->addMenu(caption(0));
  file->setObjectName(kMenuDefaults[0].name);
  entry(file, 1);
  entry(file, 2);
  QMenu* settings = menuBar()->addMenu(caption(3));
  settings->setObjectName(kMenuDefaults[3].name);
  entry(settings, 4);
  entry(settings, 5);
}

void MainWindow::syncTitle() {
  const QString title = QString::fromStdString(main_.title.empty() ? "Tovarek2" : main_.title);
  if (windowTitle() != title) setWindowTitle(title);
}

void MainWindow::updateView() {
  if (surfaceSeen_ == main_.windowSurfaceRevision) return;
  surfaceSeen_ = main_.windowSurfaceRevision;
  // The lower panel covers the bottom of the view; only what it leaves free is redrawn.
  QRect view = inside_->rect();
  if (main_.Picture3.visible) {
    const int panelTop = pixelRect(main_.Picture3.rect).top();
    if (panelTop > 0) view.setBottom(std::min(view.bottom(), panelTop - 1));
  }
  inside_->update(view);
}

int MainWindow::sync() {
  updateView();
  return mirror_.sync();
}

void MainWindow::syncAll() {
  syncTitle();
  surfaceSeen_ = ~std::uint64_t{0};
  inside_->update();
  mirror_.syncAll();
}

QWidget* MainWindow::elementWidget(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The core decides: closing the main window ends the program.
  event->ignore();
  if (actions_.closeRequested) actions_.closeRequested();
}
