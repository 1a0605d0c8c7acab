#include "gui/editors/TFBotman.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/ErrorBox.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "gui/MapsPage.h"

namespace orvane {
namespace {

using Game = StandardGameCfg;

const std::vector<OptionRow<Game>>& GameRows() {
  static const std::vector<OptionRow<Game>> kRows = {
      {OptionKind::kSpin, "BM_fraglimit", "Frag Limit", "Game Settings", 0, 999, 0,
       "Maximum Frag points before changing map (0 = infinite)", &Game::fraglimit},
      {OptionKind::kSpin, "BM_timelimit", "Time Limit", "Game Settings", 0, 90, 0,
       "Maximum time before changing map (0 = infinite)", &Game::timelimit},
      {OptionKind::kCheck, "BM_friendlyfire", "Friendly Fire", "Game Settings", 0, 1, 0,
       "Allows firing to teammates", &Game::friendlyfire},
      {OptionKind::kCheck, "BM_weaponstay", "Weapons Stay", "Game Settings", 0, 1, 0,
       "Weapon remains after a player picked it up", &Game::weaponstay},
      {OptionKind::kCheck, "BM_forcerespawn", "Force Respawn", "Game Settings", 0, 1, 0,
       "Forces a player to respawn immediatly when killed", &Game::forcerespawn},
      {OptionKind::kCheck, "BM_footsteps", "Footsteps", "Game Settings", 0, 1, 1,
       "Allows footsteps sounds", &Game::footsteps},
      {OptionKind::kCheck, "BM_flashlight", "Flashlight", "Game Settings", 0, 1, 1,
       "Allows players to use flashlight", &Game::flashlight},
      {OptionKind::kCheck, "BM_autocrosshair", "AutoCrossHair", "Game Settings", 0, 1, 1,
       "Allows auto-aiming crosshair", &Game::autocrosshair},
      {OptionKind::kRadioPair, "BM_fallnorm|BM_fallreal", "Normal|Realistic", "Fall Damages", 0, 1,
       0, "Type of damages applied when a player falls", &Game::fall_realistic},
  };
  return kRows;
}

const std::vector<OptionRow<BotmanBotCfg>>& BotRows() {
  static const std::vector<OptionRow<BotmanBotCfg>> kRows = {
      {OptionKind::kSlider, "BM_defskill", "Bots default skill", "Bots Settings", 1, 5, 1, "",
       &BotmanBotCfg::default_skill, "Bad|Medium|Good"},
      {OptionKind::kSpin, "BM_spawndelay", "Spawn delay", "Bots Settings", 1, 30, 4,
       "Number of seconds bots await before joining", &BotmanBotCfg::spawn_delay},
  };
  return kRows;
}

const std::vector<RosterProperty>& BotProperties() {
  static const std::vector<RosterProperty> kProperties = {
      {RosterProperty::kSlider, "Botskill", "Skill", 0, 5, 1, &BotEntry::skill,
       "If skill is set to default, the bot will have the AI skill level",
       "Default|Bad|Medium|Good"},
  };
  return kProperties;
}

}  // namespace

TFBotman::TFBotman(LauncherState& state, QWidget* parent) : BotEditorForm(state, "Botman", parent) {
  setWindowTitle(QStringLiteral("Botman"));
  auto changed = [this] { ControlChanged(); };

  QWidget* game = AddPage("Game", QStringLiteral("Game"));
  auto* columns = new QHBoxLayout;
  qobject_cast<QVBoxLayout*>(game->layout())->addLayout(columns);
  auto* left = new QWidget(game);
  auto* left_layout = new QVBoxLayout(left);
  left_layout->setContentsMargins(0, 0, 0, 0);
  left_layout->addWidget(BuildGameType(left));
  game_ = std::make_unique<OptionTable<Game>>(left, GameRows(), changed);
  left_layout->addStretch();
  columns->addWidget(left);
  columns->addWidget(BuildTeamRows(game));

  BuildMapsPage(AddPage("Maps", QStringLiteral("Maps")));

  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  bots_ = std::make_unique<OptionTable<BotmanBotCfg>>(bots, BotRows(), changed);
  BuildRoster(bots, BotProperties(), kBotmanNameDrops);
}

TFBotman::~TFBotman() = default;

std::string TFBotman::File(std::string_view name) const {
  return ModDirectory() + "\\" + std::string(name);
}

void TFBotman::ResetControls() {
  maps_->Clear();
  maps_->SetAvailable(FillAvailableMaps(state_));
  FillModelLists();
  ResetTeams();
  game_->Reset();
  bots_->Reset();
  ClearRoster();
}

void TFBotman::LoadSequence() {
  team_text_.clear();
  ResetControls();
  LoadStep([this] {
    Game cfg;
    game_->Collect(cfg);
    if (!ReadStandardGameCfg(File("game.cfg"), cfg)) return;
    game_->Fill(cfg);
    SetTeamplay(cfg.teamplay);
    team_text_ = cfg.team_text;
  });
  LoadStep([this] { ReloadBotFile(); });
  LoadStep([this] {
    std::vector<std::string> cycle;
    ReadMapCycle(state_, "N", ModDirectory(), state_.valve_maps_dir, cycle);
    maps_->AppendPlay(cycle);
  });
  ApplyTeamList(team_text_);
}

void TFBotman::ReloadBotFile() {
  ClearRoster();
  const std::string path = File(kBotmanBotFile);
  if (!FileExists(path)) {
    ShowErrorBox(this, "Can't find " + std::string(kBotmanBotFile) + " in " + ModDirectory());
    return;
  }
  BotmanBotCfg cfg;
  bots_->Collect(cfg);
  const MapValidator usable(state_.valve_maps_dir, "", "");
  ReadBotmanBotCfg(path, usable, cfg);
  maps_->AppendPlay(cfg.start_maps);
  bots_->Fill(cfg);
  SetRoster(std::move(cfg.roster));
}

void TFBotman::SaveSequence() {
  Game game;
  game_->Collect(game);
  game.teamplay = Teamplay();
  game.teams = TeamTexts();
  BotmanBotCfg bots;
  bots_->Collect(bots);
  const std::vector<std::string>& play = maps_->play_maps();
  WriteStandardGameCfg(File("game.cfg"), game);
  WriteLines(File(kBotmanBotFile),
             BotmanBotCfgLines(play.front(), bots.default_skill, bots.spawn_delay, roster().items));
  WriteMapCycle(state_, "N", ModDirectory(), play);
  NeutraliseListenServer(File("listenserver.cfg"), ListenServerNames("Botman"));
}

BotEntry TFBotman::NewEntry() const { return BotEntry{"NewBot", "gordon", "", "", "0"}; }

void TFBotman::RandomizeEntry(BotEntry& entry, std::mt19937& random) const {
  entry.skill = std::to_string(PickRandom(1, 5, random));
}

}  // namespace orvane
