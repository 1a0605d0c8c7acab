#include "gui/RosterPanel.h"
#include "gui/FormParts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <algorithm>
#include <chrono>

#include "gui/ErrorBox.h"
#include "gui/ListBoxes.h"
#include "gui/widgets/GameText.h"
#include "gui/widgets/PictureView.h"
#include "services/Models.h"

namespace orvane {
namespace {

constexpr const char* kMsgDelete = "Are you sure you want to delete selected bot(s) ?";

}  // namespace

RosterPanel::RosterPanel(BotEditorForm& form, const LauncherState& state, EditorSettings& settings)
    : form_(form),
      state_(state),
      settings_(settings),
      mod_(settings.mod()),
      random_(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())) {}

void RosterPanel::Build(QWidget* page, QBoxLayout* list_column, QBoxLayout* props_column,
                        bool beside_options) {
  auto* list_group = new QGroupBox(QStringLiteral("Bots List"), page);
  auto* list_layout = new QVBoxLayout(list_group);
  roster_list_ = new QListWidget(list_group);
  roster_list_->setObjectName(form_.ControlName("ListBot"));
  roster_list_->setToolTip(QStringLiteral("Select a bot to view / modify its values"));
  roster_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  roster_list_->installEventFilter(this);
  list_layout->addWidget(roster_list_);
  // Five buttons share a column that may be half the page: tight spacing keeps
  // every caption whole.
  list_layout->setContentsMargins(6, 6, 6, 6);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(2);
  struct Button {
    const char* suffix;
    const char* caption;
    const char* hint;
  };
  static const Button kButtons[] = {
      {"SBUpBot", "Up", "Place a bot upper in the list"},
      {"SBDownBot", "Down", "Place a bot lower in the list"},
      {"SBCreeBot", "New", "Create a new bot"},
      {"SBCreeRandomBot", "Random", "Create a new bot with random values"},
      {"SBDelBot", "Delete", "Delete selected bot"},
  };
  std::vector<QToolButton*> made;
  for (const Button& b : kButtons) {
    made.push_back(SmallButton(Q(settings_.RosterButton(b.suffix)), QString::fromLatin1(b.caption),
                               QString::fromLatin1(b.hint), list_group));
    buttons->addWidget(made.back());
  }
  list_layout->addLayout(buttons);
  list_column->addWidget(list_group, 1);
  connect(made[0], &QToolButton::clicked, this, [this] { MoveBot(-1); });
  connect(made[1], &QToolButton::clicked, this, [this] { MoveBot(+1); });
  // Both create buttons share one handler, told apart by the button's name.
  for (QToolButton* create : {made[2], made[3]}) {
    connect(create, &QToolButton::clicked, this, [this, create] {
      OnCreateBotClicked(create->objectName() != form_.ControlName("SBCreeBot"));
    });
  }
  connect(made[4], &QToolButton::clicked, this, &RosterPanel::OnDeleteBotClicked);
  connect(roster_list_, &QListWidget::itemSelectionChanged, this, &RosterPanel::OnRosterClicked);

  auto* props = new QGroupBox(QStringLiteral("Bot Properties"), page);
  props->setObjectName(QStringLiteral("GB_BotProp"));
  auto* form = new QFormLayout(props);
  // Room for the model picture under the mod's properties.
  form->setVerticalSpacing(3);
  form->setContentsMargins(6, 4, 6, 4);
  bot_name_ = new QLineEdit(props);
  bot_name_->setValidator(new GameTextValidator(bot_name_));
  bot_name_->setObjectName(form_.ControlName("botname"));
  bot_name_->setMaxLength(settings_.name_length());
  form->addRow(QStringLiteral("Name"), bot_name_);
  connect(bot_name_, &QLineEdit::textEdited, this, &RosterPanel::OnBotNameEdited);

  auto* model_row = new QHBoxLayout;
  auto* prev = SmallButton(form_.ControlName("PrevMod"), QStringLiteral("<"),
                           QStringLiteral("Previous model"), props);
  bot_model_ = new QComboBox(props);
  bot_model_->setObjectName(form_.ControlName("botmodel"));
  bot_model_->installEventFilter(this);
  auto* next = SmallButton(form_.ControlName("NextMod"), QStringLiteral(">"),
                           QStringLiteral("Next Model"), props);
  model_row->addWidget(prev);
  model_row->addWidget(bot_model_, 1);
  model_row->addWidget(next);
  if (settings_.ModelCaption().empty()) {
    // A roster without models (Firebot's): no model row and no picture.
    for (QWidget* w : {static_cast<QWidget*>(prev), static_cast<QWidget*>(bot_model_),
                       static_cast<QWidget*>(next)})
      w->hide();
    delete model_row;
  } else {
    form->addRow(Q(settings_.ModelCaption()), model_row);
  }
  connect(prev, &QToolButton::clicked, this, [this] { StepModel(ModelStepAction::kPrevious); });
  connect(next, &QToolButton::clicked, this, [this] { StepModel(ModelStepAction::kNext); });
  connect(bot_model_, &QComboBox::activated, this, [this] { StepModel(ModelStepAction::kChosen); });

  // The mod's own properties follow in the same form: option rows bound to the selected bot.
  OptionControls::Hooks hooks;
  hooks.changed = [this](const std::string& control) { PropertyChanged(control); };
  bot_controls_ = std::make_unique<OptionControls>(
      props, settings_.bot_properties(), std::move(hooks),
      OptionLayout{.slider_caption_above = beside_options, .narrow_choices = true});
  bot_pic_ = new PictureView(props);
  bot_pic_->setObjectName(Q(settings_.picture_name()));
  bot_pic_->setFixedSize(123, 150);
  bot_pic_->hide();
  // With sub-pages the picture goes on the first, beside the model.
  QFormLayout* first_page = bot_controls_->FirstSubPage();
  (first_page == nullptr ? form : first_page)->addRow(bot_pic_);
  props_column->addWidget(props, 1);
}

void RosterPanel::ShowRoster() {
  // A hand-written entry may have no name; its line still stands for it.
  ShowList<BotEntry>(roster_list_, settings_.roster, [](const BotEntry& e) {
    return e.name.empty() ? QStringLiteral("(no name)") : Q(e.name);
  });
}

void RosterPanel::ShowSelectedEntry() {
  BotEditorForm::FillingControls filling(form_);
  const BotEntry* current = settings_.CurrentBot();
  const BotEntry empty;
  const BotEntry& entry = current != nullptr ? *current : empty;
  bot_name_->setText(Q(entry.name));
  ShowModelBox();
  settings_.RefreshBotProperties();
  bot_controls_->Show();
  if (current != nullptr) {
    bot_pic_->LoadFile(ModelPicturePath(state_, mod_, settings_.PictureName()));
    bot_pic_->setVisible(!settings_.ModelCaption().empty());
  } else {
    bot_pic_->Clear();
    bot_pic_->hide();
  }
}

void RosterPanel::ShowModelBox() {
  const ModelBox& box = settings_.bot_model;
  Quietly(bot_model_, [&box](QComboBox* b) {
    // Only a drop-down whose items depend on the bot (a team's models) is refilled.
    bool same = b->count() == static_cast<int>(box.items.size());
    for (int i = 0; same && i < b->count(); ++i)
      same = ToGame(b->itemText(i)) == box.items[static_cast<size_t>(i)];
    if (!same) {
      b->clear();
      for (const std::string& item : box.items) b->addItem(Q(item));
    }
    b->setCurrentIndex(box.selected);
  });
}

void RosterPanel::OnRosterClicked() {
  TakeSelection(roster_list_, settings_.roster);
  settings_.CurrentBotChanged();
  ShowSelectedEntry();
}

void RosterPanel::OnCreateBotClicked(bool random) {
  Message refusal;
  if (!settings_.CreateBot(random, random_, &refusal)) {
    ShowErrorBox(&form_, refusal.text, refusal.detail);
    return;
  }
  form_.MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void RosterPanel::MoveBot(int step) {
  TakeSelection(roster_list_, settings_.roster);
  if (!settings_.MoveBot(step)) return;
  form_.MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void RosterPanel::OnDeleteBotClicked() {
  TakeSelection(roster_list_, settings_.roster);
  const std::vector<bool>& selected = settings_.roster.selected;
  if (std::find(selected.begin(), selected.end(), true) == selected.end()) return;
  if (!AskYesNo(&form_, kMsgDelete)) return;
  settings_.DeleteSelectedBots();
  form_.MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void RosterPanel::OnBotNameEdited(const QString& text) {
  const std::string typed = ToGame(text);
  if (!form_.PlayerChange() || settings_.CurrentBot() == nullptr) {
    const std::string kept = DropCharacters(typed, settings_.name_drops());
    if (kept != typed) bot_name_->setText(Q(kept));
    return;
  }
  const std::string name = settings_.SetBotName(typed);
  if (name != typed) {
    const int cursor = bot_name_->cursorPosition() - static_cast<int>(typed.size() - name.size());
    bot_name_->setText(Q(name));
    bot_name_->setCursorPosition(std::max(cursor, 0));
  }
  if (name.empty()) return;
  roster_list_->item(settings_.roster.current)->setText(Q(name));
  form_.MarkModified();
}

void RosterPanel::StepModel(ModelStepAction action) {
  ModelBox& box = settings_.bot_model;
  box.selected = bot_model_->currentIndex();
  box.text = ToGame(bot_model_->currentText());
  const std::optional<std::string> picture = settings_.StepModel(action);
  if (!picture) return;
  Quietly(bot_model_, [&box](QComboBox* b) { b->setCurrentIndex(box.selected); });
  bot_pic_->LoadFile(*picture);
  bot_pic_->show();
  form_.MarkModified();
}

void RosterPanel::PropertyChanged(const std::string& control) {
  if (!form_.PlayerChange() || settings_.CurrentBot() == nullptr) return;
  OptionValues& properties = settings_.bot_properties();
  const size_t row = properties.RowOf(control);
  settings_.BotPropertyChanged(row);
  if (properties.rows()[row].kind == OptionKind::kRadios) {
    // The team's own models at the same position, and their picture.
    ShowModelBox();
    bot_pic_->LoadFile(ModelPicturePath(state_, mod_, settings_.PictureName()));
  }
  form_.MarkModified();
}

void RosterPanel::ShowModels() {
  Quietly(bot_model_, [this](QComboBox* b) {
    b->clear();
    for (const std::string& model : settings_.models()) b->addItem(Q(model));
  });
}

bool RosterPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == roster_list_ && key->key() == Qt::Key_Delete) {
      OnDeleteBotClicked();
      return true;
    }
    // The model is chosen from the list or stepped, never typed.
    if (watched == bot_model_ && !key->text().isEmpty()) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orvane
