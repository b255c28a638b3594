#include "gui/settings_dialog.h"

#include <QCloseEvent>

#include "gui/element_style.h"

namespace {

// The window's design, for elements the model leaves without a place.
struct Place {
  TwipRect rect;
  const char* caption;
};
const Place kCheckBox{{120, 120, 1575, 255}, "デジタル時計"};
const std::array<Place, 3> kBoxes{
    {{{240, 720, 495, 495}, ""}, {{960, 720, 495, 495}, ""}, {{1680, 720, 495, 495}, ""}}};
const Place kCommand1{{3000, 840, 975, 375}, "時間"};
const Place kDone{{3360, 2640, 975, 375}, "設定完了"};

void place(QWidget* w, const ElementBase& e, const Place& design) {
  w->setGeometry(pixelRect(e.rect.width > 0 ? e.rect : design.rect));
  w->setVisible(e.visible);
  w->setToolTip(QString::fromStdString(e.toolTip));
}

QString captionOr(const std::string& caption, const Place& design) {
  return QString::fromStdString(caption.empty() ? design.caption : caption);
}

}  // namespace

SettingsDialog::SettingsDialog(const SettingsWindow& model, SettingsActions actions,
                               QWidget* parent)
    : QDialog(parent), model_(model), actions_(std::move(actions)) {
  setObjectName("設定");
  setWindowTitle("設定");
  setWindowModality(Qt::WindowModal);
  const TwipRect client = model_.client.width > 0 ? model_.client : TwipRect{0, 0, 4680, 3195};
  setFixedSize(pixelsFromTwips(client.width), pixelsFromTwips(client.height));
  setFont(fontFor(Font{"MS UI Gothic", 9, false}));

  check_ = new QCheckBox(this);
  check_->setObjectName("デジタル時計");
  connect(check_, &QCheckBox::clicked, this, [this] {
    if (actions_.checkBoxClicked) actions_.checkBoxClicked();
    sync();  // the model toggles the box, not Qt
  });
  for (int i = 0; i < 3; ++i) {
    boxes_[i] = new QLineEdit(this);
    boxes_[i]->setObjectName(QString("Text1(%1)").arg(i));
    connect(boxes_[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
      if (actions_.typed) actions_.typed(i, t.toStdString());
    });
  }
  command1_ = new QPushButton(this);
  command1_->setObjectName("Command1");
  command1_->setAutoDefault(false);
  connect(command1_, &QPushButton::clicked, this, [this] {
    if (actions_.timeClicked) actions_.timeClicked();
  });
  done_ = new QPushButton(this);
  done_->setObjectName("設定完了");
  done_->setAutoDefault(false);
  connect(done_, &QPushButton::clicked, this, [this] {
    if (actions_.doneClicked) actions_.doneClicked();
  });
  sync();
}

void SettingsDialog::sync() {
  place(check_, model_.デジタル時計, kCheckBox);
  check_->setText(captionOr(model_.デジタル時計.caption, kCheckBox));
  check_->setChecked(model_.デジタル時計.value == 1);
  for (int i = 0; i < 3; ++i) {
    place(boxes_[i], model_.Text1[i], kBoxes[i]);
    const QString t = QString::fromStdString(model_.Text1[i].text);
    if (boxes_[i]->text() != t) boxes_[i]->setText(t);
  }
  place(command1_, model_.Command1, kCommand1);
  command1_->setText(captionOr(model_.Command1.caption, kCommand1));
  place(done_, model_.設定完了, kDone);
  done_->setText(captionOr(model_.設定完了.caption, kDone));
}

void SettingsDialog::reject() {
  if (actions_.closeBox) actions_.closeBox();
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
  // The model decides; the dialog goes when its state says so.
  event->ignore();
  if (actions_.closeBox) actions_.closeBox();
}
