#include "gui/startup_window_view.h"

#include <QCloseEvent>
#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

#include "gui/artwork.h"
#include "gui/element_style.h"

namespace {

constexpr int kInsideWidthTwips = 8190;
constexpr int kInsideHeightTwips = 3150;

QRect at(int left, int top, int width, int height) {
  return pixelRect(TwipRect{left, top, width, height});
}

QString text(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

bool pseudoVolume(const QStorageInfo& v) {
  const QString root = v.rootPath();
  if (root == "/") return false;
  for (const char* prefix : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot/efi"})
    if (root == prefix || root.startsWith(QString(prefix) + "/"))
      return !(root.startsWith("/run/media/") || root.startsWith("/run/mount/"));
  const QByteArray type = v.fileSystemType();
  return type == "tmpfs" || type == "devtmpfs" || type == "squashfs" || type == "overlay" ||
         type == "proc" || type == "sysfs" || type == "cgroup2" || type == "autofs";
}

}  // namespace

QStringList mountedVolumes() {
  QStringList roots;
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
    if (v.isValid() && v.isReady() && !pseudoVolume(v)) roots << v.rootPath();
  if (!roots.contains("/")) roots << "/";
  roots.removeDuplicates();
  roots.sort();
  return roots;
}

StartupWindowView::StartupWindowView(const StartupWindow& model, StartupActions actions)
    : model_(model), actions_(std::move(actions)) {
  setObjectName("Miselu起動");
  setWindowTitle("Tovarek");
  setFixedSize(pixelsFromTwips(kInsideWidthTwips), pixelsFromTwips(kInsideHeightTwips));

  auto* picture = new QLabel(this);
  picture->setObjectName("picture");
  picture->setPixmap(QPixmap::fromImage(startupArtwork()));
  picture->setGeometry(0, 1, 398, 208);

  QFont listFont = fontFor(Font{"MS UI Gothic", 9, false});
  label1_ = new QLabel("駅選択", this);
  label1_->setObjectName("Label1");
  label1_->setGeometry(at(6120, 0, 1050, 375));
  label1_->setFont(fontFor(Font{"HG丸ｺﾞｼｯｸM-PRO", 15.75, true}));
  label1_->setAutoFillBackground(true);
  QPalette labelPalette = label1_->palette();
  labelPalette.setColor(QPalette::Window, QColor(224, 224, 224));
  label1_->setPalette(labelPalette);

  drive1_ = new QComboBox(this);
  drive1_->setObjectName("Drive1");
  drive1_->setGeometry(at(6120, 360, 2055, 300));
  dir1_ = new QListWidget(this);
  dir1_->setObjectName("Dir1");
  dir1_->setGeometry(at(6120, 720, 2055, 930));
  files_ = new QListWidget(this);
  files_->setObjectName("選択");
  files_->setGeometry(at(6120, 1680, 2055, 990));
  command1_ = new QPushButton("乗車", this);
  command1_->setObjectName("Command1");
  command1_->setGeometry(at(6120, 2760, 975, 375));
  command2_ = new QPushButton("終了", this);
  command2_->setObjectName("Command2");
  command2_->setGeometry(at(7200, 2760, 975, 375));
  for (QWidget* w :
       {static_cast<QWidget*>(drive1_), static_cast<QWidget*>(dir1_), static_cast<QWidget*>(files_),
        static_cast<QWidget*>(command1_), static_cast<QWidget*>(command2_)})
    w->setFont(listFont);

  // Tab order: 選択, 乗車, Dir1, (Label1 takes no focus), 終了, Drive1.
  QWidget::setTabOrder(files_, command1_);
  QWidget::setTabOrder(command1_, dir1_);
  QWidget::setTabOrder(dir1_, command2_);
  QWidget::setTabOrder(command2_, drive1_);
  files_->setFocus();

  connect(drive1_, &QComboBox::activated, this, [this](int i) {
    if (rebuilding_ || !actions_.driveChosen) return;
    actions_.driveChosen(drive1_->itemData(i).toString().toStdString());
  });
  auto folderPicked = [this](QListWidgetItem* item) {
    if (rebuilding_ || !item || !actions_.folderChosen) return;
    actions_.folderChosen(item->data(Qt::UserRole).toString().toStdString());
  };
  connect(dir1_, &QListWidget::itemClicked, this, folderPicked);
  connect(dir1_, &QListWidget::itemActivated, this, folderPicked);
  // Selection, not the current item: focus alone moves the current item without a choice.
  connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
    const auto picked = files_->selectedItems();
    if (rebuilding_ || picked.isEmpty() || !actions_.fileClicked) return;
    actions_.fileClicked(picked.first()->text().toStdString());
  });
  connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (!item || !(item->flags() & Qt::ItemIsSelectable)) return;
    if (actions_.fileDoubleClicked) actions_.fileDoubleClicked(item->text().toStdString());
  });
  connect(command1_, &QPushButton::clicked, this, [this] {
    if (actions_.board) actions_.board();
  });
  connect(command2_, &QPushButton::clicked, this, [this] {
    if (actions_.quit) actions_.quit();
  });
  sync(true);
}

void StartupWindowView::sync(bool force) {
  if (!force && seen_ == model_.revision) return;
  seen_ = model_.revision;
  rebuilding_ = true;
  const QSignalBlocker blockDrive(drive1_);

  drive1_->clear();
  QStringList drives = mountedVolumes();
  const QString drive = text(model_.drive);
  if (!drive.isEmpty() && !drives.contains(drive)) drives << drive;
  for (const QString& d : drives) drive1_->addItem(d, d);
  drive1_->setCurrentIndex(drive1_->findData(drive));

  // The folder list: the folder's ancestors from the root down, then its subfolders.
  dir1_->clear();
  if (!model_.folder.empty()) {
    std::vector<std::filesystem::path> chain;
    for (std::filesystem::path p = model_.folder;; p = p.parent_path()) {
      chain.push_back(p);
      if (p == p.parent_path() || p.parent_path().empty()) break;
    }
    std::reverse(chain.begin(), chain.end());
    int depth = 0;
    for (const auto& p : chain) {
      const QString name = p == p.root_path() ? text(p) : text(p.filename());
      auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, dir1_);
      item->setData(Qt::UserRole, text(p));
      ++depth;
    }
    dir1_->setCurrentRow(static_cast<int>(chain.size()) - 1);
    QDir here(text(model_.folder));
    for (const QString& sub : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
      auto* item = new QListWidgetItem(QString(depth * 2, ' ') + sub, dir1_);
      item->setData(Qt::UserRole, text(model_.folder / sub.toStdString()));
    }
  }

  files_->clear();
  if (!model_.error.empty()) {
    auto* item = new QListWidgetItem(QString::fromStdString(model_.error), files_);
    item->setFlags(Qt::ItemIsEnabled);
    item->setToolTip(item->text());
  }
  for (const std::string& f : model_.files) {
    auto* item = new QListWidgetItem(QString::fromStdString(f), files_);
    if (f == model_.chosen) {
      files_->setCurrentItem(item);
      item->setSelected(true);
    }
  }
  rebuilding_ = false;
}

void StartupWindowView::closeEvent(QCloseEvent* event) {
  // The core decides what the close box means; the window goes when the model says so.
  event->ignore();
  if (actions_.closeBox) actions_.closeBox();
}
