#include "gui/MapsPage.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <random>

#include "gui/ListBoxes.h"
#include "gui/widgets/GameText.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace {

constexpr int kMaxComment = 255;

// The buttons between the lists: object name suffix, caption, hint.
struct MapButton {
  const char* suffix;
  const char* caption;
  const char* hint;
  void (MapsPage::*action)();
};

QString Line(const std::string& item) { return FromGame(item); }

// The memo shows line breaks as the text page does; the file keeps CR LF.
QString CommentForMemo(const std::string& stored) {
  QString text = FromGame(stored);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string CommentForFile(QString text) {
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return ToGame(text);
}

}  // namespace

MapsPage::MapsPage(LauncherState& state, const EditorSettings& settings, PlayMaps& maps,
                   QWidget* parent)
    : QWidget(parent),
      state_(state),
      mod_(settings.mod()),
      available_(maps.available),
      play_(maps.play) {
  const ModInfo& mod = mod_;
  const QString prefix = QString::fromLatin1(mod.prefix.data(), mod.prefix.size()) + '_';
  auto* grid = new QGridLayout(this);

  grid->addWidget(new QLabel(QStringLiteral("Available Maps"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Play Maps"), this), 0, 2);
  dispo_ = new QListWidget(this);
  dispo_->setObjectName(FromGame(settings.map_dispo_name()));
  dispo_->setToolTip(QStringLiteral("Select the map(s) you want to play after the starting one"));
  dispo_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  dispo_->setUniformItemSizes(true);  // 20,000 maps stay quick
  grid->addWidget(dispo_, 1, 0);
  cycle_ = new QListWidget(this);
  cycle_->setObjectName(FromGame(settings.map_cycle_name()));
  cycle_->setToolTip(QStringLiteral("List of maps you will play after the starting one"));
  cycle_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  cycle_->setUniformItemSizes(true);
  grid->addWidget(cycle_, 1, 2);

  static const MapButton kButtons[] = {
      {"AddMap", ">", "Add selected map(s) to the map cycle list", &MapsPage::AddSelected},
      {"AddAllMaps", ">>", "Add all available maps to the map cycle list", &MapsPage::AddAll},
      {"DelMap", "<", "Remove selected map from the map cycle list", &MapsPage::RemoveSelected},
      {"DelAllMaps", "<<", "Remove all maps from the map cycle list", &MapsPage::RemoveAll},
      {"MapUp", "Up", "Place the selected map upper in the list", nullptr},
      {"MapDown", "Down", "Place the selected map lower in the list", nullptr},
      {"RandomMap", "Random", "Randomize Mapcycle", &MapsPage::Shuffle},
  };
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  for (const MapButton& b : kButtons) {
    auto* button = new QToolButton(this);
    button->setObjectName(prefix + QString::fromLatin1(b.suffix));
    button->setText(QString::fromLatin1(b.caption));
    button->setToolTip(QString::fromLatin1(b.hint));
    button->setMinimumWidth(56);
    buttons->addWidget(button);
    if (b.action != nullptr) {
      connect(button, &QToolButton::clicked, this, b.action);
    } else {
      const int step = QByteArray(b.suffix) == "MapUp" ? -1 : +1;
      connect(button, &QToolButton::clicked, this, [this, step] { Move(step); });
    }
  }
  buttons->addStretch();
  grid->addLayout(buttons, 1, 1);

  grid->addWidget(new QLabel(QStringLiteral("Map comments"), this), 2, 0);
  comment_ = new QPlainTextEdit(this);
  comment_->setObjectName(prefix + QStringLiteral("MapCom"));
  comment_->setToolTip(QStringLiteral("Map comments"));
  comment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  comment_->setMaximumHeight(70);
  grid->addWidget(comment_, 3, 0, 1, 3);

  connect(dispo_, &QListWidget::itemDoubleClicked, this, &MapsPage::AddSelected);
  connect(cycle_, &QListWidget::itemDoubleClicked, this, &MapsPage::RemoveSelected);
  connect(dispo_, &QListWidget::currentRowChanged, this, &MapsPage::AvailableMapsChanged);
  connect(comment_, &QPlainTextEdit::textChanged, this, [this] {
    if (comment_->toPlainText().size() > kMaxComment) {
      QTextCursor cursor = comment_->textCursor();
      comment_->setPlainText(comment_->toPlainText().left(kMaxComment));
      cursor.movePosition(QTextCursor::End);
      comment_->setTextCursor(cursor);
    }
  });
  for (QWidget* watched : {static_cast<QWidget*>(dispo_), static_cast<QWidget*>(cycle_),
                           static_cast<QWidget*>(comment_)}) {
    watched->installEventFilter(this);
  }
}

bool MapsPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == dispo_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      AddSelected();
      return true;
    }
    if (watched == cycle_ && key->key() == Qt::Key_Delete) {
      RemoveSelected();
      return true;
    }
    // The comment file keeps one line per map; "|" is refused as typed.
    if (watched == comment_ && key->text() == QStringLiteral("|")) return true;
  }
  if (watched == comment_ && event->type() == QEvent::FocusOut) MapComExit();
  return QWidget::eventFilter(watched, event);
}

void MapsPage::Show() {
  comment_entry_ = -1;
  {
    const QSignalBlocker block(comment_);
    comment_->clear();
  }
  ShowList<std::string>(dispo_, available_, Line);
  ShowList<std::string>(cycle_, play_, Line);
}

std::vector<std::string> MapsPage::SelectedAvailable() {
  TakeSelection(dispo_, available_);
  std::vector<std::string> selected;
  for (size_t i = 0; i < available_.items.size(); ++i) {
    if (available_.selected[i]) selected.push_back(available_.items[i]);
  }
  return selected;
}

void MapsPage::Changed(bool modified) {
  ShowList<std::string>(cycle_, play_, Line);
  if (modified) emit Modified();
}

void MapsPage::AddSelected() {
  TakeSelection(dispo_, available_);
  Changed(AddSelectedMaps(available_, play_));
}

void MapsPage::AddAll() {
  TakeSelection(dispo_, available_);
  const bool modified = AddAllMaps(available_, play_);
  ShowList<std::string>(dispo_, available_, Line);
  Changed(modified);
}

void MapsPage::RemoveSelected() {
  TakeSelection(cycle_, play_);
  Changed(RemoveSelectedMaps(play_));
}

void MapsPage::RemoveAll() { Changed(RemoveAllMaps(play_)); }

void MapsPage::Move(int step) {
  TakeSelection(cycle_, play_);
  Changed(MoveMap(play_, step));
}

void MapsPage::Shuffle() {
  std::mt19937 random(
      static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  Changed(ShuffleMaps(play_, random));
}

void MapsPage::AvailableMapsChanged(int row) {
  comment_entry_ = row;
  const std::string text =
      row >= 0 && row < available_.size()
          ? ReadMapComment(state_, mod_.map_comments, available_.items[static_cast<size_t>(row)])
          : std::string();
  comment_->setPlainText(CommentForMemo(text));
}

void MapsPage::MapComExit() {
  if (comment_entry_ < 0 || comment_entry_ >= available_.size()) return;
  WriteMapComment(state_, mod_.map_comments, available_.items[static_cast<size_t>(comment_entry_)],
                  CommentForFile(comment_->toPlainText()));
}

}  // namespace orvane
