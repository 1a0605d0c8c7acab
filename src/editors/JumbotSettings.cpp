#include "editors/JumbotSettings.h"

#include "core/LauncherSettings.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/Converters.h"

namespace orvane {
namespace {

using Cfg = JumbotCfg;
using Rows = std::vector<OptionRow<Cfg>>;

constexpr const char* kWeaponHint =
    "Select bots preferences for this weapon (left = never use, rigth = always)";

// The names that differ between the two windows.
struct Names {
  std::string fov, fov_label, distance_label, trip_label;
};

Names NamesOf(const std::string& p, JumbotFlavour flavour) {
  if (flavour == JumbotFlavour::kJumbot)
    return {p + "_Botfov", p + "_LabelFov", p + "_labeldist", p + "_LabelTrip"};
  return {p + "_botfov", p + "_LabelFov", p + "_LabelDist", p + "_LabelTrip"};
}

Rows SkillRows(const std::string& p, JumbotFlavour flavour) {
  Rows rows = {
      {SliderRow(p + "_bot_skill", "Difficulty level", "Bots skill", 1, 4, 1,
                 "The skill of the bots that use the game's setting", "Easy|Medium|Hard|Very Hard"),
       &Cfg::bot_skill}};
  if (flavour == JumbotFlavour::kJumbot) {
    rows.push_back({CheckRow(p + "_squads", "Squads", "Bots skill", false,
                             "Bots of a team move and fight in squads"),
                    &Cfg::bot_squads});
    rows.push_back({CheckRow(p + "_leadsys", "Team leaders", "Bots skill", false,
                             "A bot of each team leads the others"),
                    &Cfg::bot_leadsys});
  }
  return rows;
}

Rows BotRows(const std::string& p, JumbotFlavour flavour) {
  const std::string botfiles = flavour == JumbotFlavour::kScihunt ? "botfiles" : "";
  return {
      {SpinRow(p + "_bot_num", "Number of bots", "Bots Settings", 0, 30, 4,
               "Number of bots in your game"),
       &Cfg::bot_num},
      {SpinRow(p + "_spawndelay", "Spawn delay", "Bots Settings", 1, 30, 4,
               "Number of seconds bots await before joining"),
       &Cfg::spawndelay},
      {CheckRow(p + "_bot_random", "Spawn randomly", "Bots Settings", false,
                "The bots will appear in a random order instead of the file order"),
       &Cfg::bot_random},
      {TextRow(p + "_botfile", "Bots configuration file", "Bots Settings", "bots.cfg", 64,
               "The file that lists your bots")
           .Browse(botfiles, "Config file (*.cfg)|*.cfg"),
       &Cfg::botcfgfile},
  };
}

Rows SkillsRows(const std::string& p, JumbotFlavour flavour) {
  const Names n = NamesOf(p, flavour);
  return {
      {SpinRow(p + "_bot_distance", "Sight distance", "Bots senses", 128, 8192, 4096,
               "How far the bots see")
           .WithLabel(n.distance_label),
       &Cfg::bot_distance},
      {SpinRow(n.fov, "Field of vision", "Bots senses", 1, 360, 90,
               "The angle the bots see, in degrees")
           .WithLabel(n.fov_label),
       &Cfg::botfov},
      {SliderRow(p + "_botaccuracy", "Accuracy", "Bots senses", 0, 160, 10, "How well the bots aim",
                 "Good|Bad"),
       &Cfg::botaccuracy},
      {SpinRow(p + "_bot_weaprun", "Weapon run", "Bots moves", -10, 23, 9,
               "Weapon preference under which a bot runs to a better weapon"),
       &Cfg::bot_weaprun},
      {SpinRow(p + "_bot_run_worse", "Worse run", "Bots moves", -10, 23, 8,
               "Weapon preference under which a bot runs away"),
       &Cfg::bot_run_worse},
      {SpinRow(p + "_botspeed", "Run speed", "Bots moves", -10, 10, 0, "How fast the bots run"),
       &Cfg::botspeed},
      {SpinRow(p + "_speedup", "Speed up", "Bots moves", 0, 2, 0, "Makes the bots think faster"),
       &Cfg::speedup},
      {SpinRow(p + "_bot_thinkspeed", "Think speed", "Bots moves", 1, 10, 1,
               "How often the bots think (10 = always)"),
       &Cfg::bot_thinkspeed},
      {SpinRow(p + "_bot_viewdelay", "View speed", "Bots moves", 0, 10, 5,
               "How quickly the bots look around"),
       &Cfg::bot_viewdelay},
      {SpinRow(p + "_bot_yawspeed", "Turn speed", "Bots moves", 1, 99, 25,
               "How quickly the bots turn"),
       &Cfg::bot_yawspeed},
  };
}

Rows BehaviourRows(const std::string& p, JumbotFlavour flavour) {
  const bool jumbot = flavour == JumbotFlavour::kJumbot;
  Rows rows = {
      {CheckRow(p + "_bot_checkdistance", "Limited sight", "Bots behaviour", true,
                "The bots see no further than the sight distance"),
       &Cfg::bot_checkdistance},
      {CheckRow(p + "_botusefov", "Limited FOV", "Bots behaviour", true,
                "The bots see only within their field of vision"),
       &Cfg::botusefov},
      {CheckRow(p + "_bot_tripmines", "Use Trip mines", "Bots behaviour", false,
                "The bots lay trip mines"),
       &Cfg::bot_tripmines},
  };
  if (jumbot) {
    rows.push_back({CheckRow(p + "_bot_longjump", "Use longjump module", "Bots behaviour", false,
                             "The bots use the long jump module"),
                    &Cfg::bot_longjump});
  }
  for (Rows::value_type row : Rows{
           {CheckRow(p + "_bot_gauss", "Gauss jump", "Bots behaviour", true,
                     "The bots jump with the gauss gun"),
            &Cfg::bot_gauss},
           {CheckRow(p + "_bot_turret", "Use turrets", "Bots behaviour", true,
                     "The bots use the turrets of the map"),
            &Cfg::bot_turret},
           {CheckRow(p + "_bot_rpgaimlow", "RPG aim at feet", "Bots behaviour", true,
                     "The bots aim their rockets at the feet"),
            &Cfg::bot_rpgaimlow},
           {CheckRow(p + "_bot_runaway", "Run Away", "Bots behaviour", true,
                     "The bots run away when they are weak"),
            &Cfg::bot_runaway},
           {CheckRow(p + "_bot_hunt", "Hunting", "Bots behaviour", true,
                     "The bots hunt their enemies"),
            &Cfg::bot_hunt},
           {CheckRow(p + "_bothearing", "Hearing", "Bots behaviour", true,
                     "The bots hear what happens around them"),
            &Cfg::bothearing},
           {CheckRow(p + "_botpain", "Detect pain", "Bots behaviour", true,
                     "The bots turn to who hurts them"),
            &Cfg::botpain},
           {CheckRow(p + "_bot_angleupdate", "Angles update", "Bots behaviour", true,
                     "The bots update their view angles smoothly"),
            &Cfg::bot_angleupdate},
       }) {
    rows.push_back(std::move(row));
  }
  if (jumbot) {
    for (Rows::value_type row : Rows{
             {CheckRow(p + "_bot_crowbar", "Crowbar Mode", "Bots behaviour", false,
                       "The bots fight with the crowbar only"),
              &Cfg::bot_crowbar},
             {CheckRow(p + "_snipers", "Snipers", "Bots behaviour", false,
                       "Some bots snipe from far away"),
              &Cfg::bot_snipers},
             {CheckRow(p + "_campers", "Campers", "Bots behaviour", false,
                       "Some bots wait in hiding"),
              &Cfg::bot_campers},
             {CheckRow(p + "_objavoid", "Avoid objects", "Bots behaviour", false,
                       "The bots go around objects"),
              &Cfg::bot_objavoid},
             {CheckRow(p + "_funcsmash", "Smash objects", "Bots behaviour", false,
                       "The bots break what stands in their way"),
              &Cfg::bot_funcsmash},
         }) {
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

Rows WeaponRows(const std::string& p, JumbotFlavour flavour) {
  const Names n = NamesOf(p, flavour);
  struct Weapon {
    const char* suffix;
    const char* caption;
    int reset;
    int Cfg::*field;
  };
  static const Weapon kWeapons[] = {
      {"crowbar", "Crowbar", 0, &Cfg::bweap_crowbar},
      {"glock", "Glock", 10, &Cfg::bweap_glock},
      {"python", "Python", 16, &Cfg::bweap_python},
      {"mp5", "MP5", 18, &Cfg::bweap_mp5},
      {"shotgun", "Shotgun", 17, &Cfg::bweap_shotgun},
      {"crossbow", "Crossbow", 15, &Cfg::bweap_crossbow},
      {"rpg", "RPG", 20, &Cfg::bweap_rpg},
      {"gauss", "Gauss", 21, &Cfg::bweap_gauss},
      {"egon", "Egon", 22, &Cfg::bweap_egon},
      {"hornet", "Hornet", 12, &Cfg::bweap_hornet},
      {"grenade", "Grenade", 13, &Cfg::bweap_grenade},
      {"snark", "Snark", 14, &Cfg::bweap_snark},
      {"satchel", "Satchel", 5, &Cfg::bweap_satchel},
      {"tripmine", "Trip mine", -10, &Cfg::bweap_tripmine},
  };
  Rows rows;
  for (const Weapon& w : kWeapons) {
    OptionInfo row = SliderRow(p + "_bweap_" + w.suffix, w.caption, "Weapons Preferences", -10, 23,
                               w.reset, kWeaponHint, "");
    if (std::string_view(w.suffix) == "tripmine") row = row.WithLabel(n.trip_label);
    rows.push_back({std::move(row), w.field});
  }
  return rows;
}

Rows ChatRows(const std::string& p, JumbotFlavour flavour) {
  const bool jumbot = flavour == JumbotFlavour::kJumbot;
  Rows rows = {
      {CheckRow(p + "_botchat", "Enable bots chat", "Bots chat", false,
                "The bots say the lines of the chat file"),
       &Cfg::botchat},
  };
  if (jumbot) {
    rows.push_back({CheckRow(p + "_bot_ordering", "Give orders to bots", "Bots chat", false,
                             "You can give orders to the bots of your team"),
                    &Cfg::bot_ordering});
    rows.push_back({CheckRow(p + "_ackteam", "Acknowledge orders", "Bots chat", false,
                             "The bots answer the orders they are given"),
                    &Cfg::bot_ackteam});
  } else {
    rows.push_back(
        {TextRow(p + "_chatfile", "Bots chat file", "Bots chat", DefaultJumbotCfg(flavour).chatfile,
                 64, "The file of the bots' chat lines")
             .Browse("botfiles", "Chat file (*.cfg)|*.cfg"),
         &Cfg::chatfile});
  }
  rows.push_back(
      {SliderRow(p + "_chatfreq_kill", jumbot ? "Chat when kill" : "Bots chat when kill",
                 "Bots chat", 0, 10, 0, "How often a bot speaks after a kill", "Never|Always"),
       &Cfg::chatfreq_killed});
  rows.push_back(
      {SliderRow(p + "_chatfreq_died", jumbot ? "Chat when die" : "Bots chat when die", "Bots chat",
                 0, 10, 0, "How often a bot speaks after dying", "Never|Always"),
       &Cfg::chatfreq_died});
  return rows;
}

Rows WaypointRows(const std::string& p, JumbotFlavour flavour) {
  OptionInfo edit_mode = CheckRow(p + "_WayMode", "Play in edit mode", "Waypoints", false,
                                  "Play alone to place waypoints");
  // Sci-hunt's reset leaves edit mode as it is.
  if (flavour == JumbotFlavour::kScihunt) edit_mode = edit_mode.KeptOnReset();
  return {
      {RadioRow(p + "_waypoints|" + p + "_nav_autogen",
                "Use waypoints files|Generate navigation on-the-fly", "Waypoints", 0,
                "How the bots find their way"),
       &Cfg::nav_autogen},
      {CheckRow(p + "_wp_autoplace", "Auto place regular waypoints", "Waypoints", false,
                "Waypoints are placed where players walk"),
       &Cfg::wp_autoplace},
      {CheckRow(p + "_wp_jumpplace", "Auto place jump waypoints", "Waypoints", false,
                "Jump waypoints are placed where players jump"),
       &Cfg::wp_jumpplace},
      {CheckRow(p + "_bot_wppref", "Use good items (weapons, health...)", "Waypoints", true,
                "The bots go for the items the waypoints mark"),
       &Cfg::bot_wppref},
      {CheckRow(p + "_bot_advp", "Use advantage points (turrets...)", "Waypoints", true,
                "The bots go for the advantage points the waypoints mark"),
       &Cfg::bot_advp},
      {std::move(edit_mode), &Cfg::wp_edit},
  };
}

Rows MoronRows(const std::string& p, JumbotFlavour flavour) {
  if (flavour != JumbotFlavour::kJumbot) return {};
  return {{CheckRow(p + "_realgame", "Realistic game", "Moron bots", false,
                    "Some bots play as badly as real morons"),
           &Cfg::bot_realgame}};
}

std::vector<OptionRow<JumbotKeys>> KeyRows(const std::string& p) {
  const std::vector<std::string> items = KeyDisplayNames();
  const char* hint = "Select a key";
  return {
      {ChoiceRow(p + "_makewp", "to add a waypoint", "Editing waypoints", items, -1, hint),
       &JumbotKeys::makewp},
      {ChoiceRow(p + "_makewpj", "to add a jump waypoint", "Editing waypoints", items, -1, hint),
       &JumbotKeys::makewpj},
      {ChoiceRow(p + "_remwp", "to remove last waypoint", "Editing waypoints", items, -1, hint),
       &JumbotKeys::remwp},
      {ChoiceRow(p + "_writewpfile", "to save waypoint file", "Editing waypoints", items, -1, hint),
       &JumbotKeys::writewpfile},
  };
}

// The KRV.ini keys of the four drop-downs, in their order.
constexpr std::array<const char*, 4> kKeyNames = {"Makewp", "Makewpj", "Remwp", "Writewpfile"};

// The text pages' files, which the window offers no way to rename.
constexpr const char* kChatFile = "exchat.cfg";
constexpr const char* kOrdersFile = "botorder.cfg";
constexpr const char* kMoronsFile = "morons.cfg";

}  // namespace

// ---- the bot settings shared with Sci-hunt ----

JumbotOptions::JumbotOptions(std::string_view prefix, JumbotFlavour flavour)
    : skill(SkillRows(std::string(prefix), flavour)),
      bots(BotRows(std::string(prefix), flavour)),
      skills(SkillsRows(std::string(prefix), flavour)),
      behaviour(BehaviourRows(std::string(prefix), flavour)),
      weapons(WeaponRows(std::string(prefix), flavour)),
      chat(ChatRows(std::string(prefix), flavour), DefaultJumbotCfg(flavour)),
      waypoints(WaypointRows(std::string(prefix), flavour)),
      morons(MoronRows(std::string(prefix), flavour)),
      keys(KeyRows(std::string(prefix))),
      prefix_(prefix),
      flavour_(flavour),
      roster_file_(Name("botfile")) {}

JumbotCfg JumbotOptions::Cfg() const {
  JumbotCfg cfg;  // Jumbot's chat file name is no control: the reset one
  for (const BoundOptions<JumbotCfg>* table :
       {&skill, &bots, &skills, &behaviour, &weapons, &chat, &waypoints, &morons}) {
    table->Collect(cfg);
  }
  cfg.waypoints = !cfg.nav_autogen;  // one radio of the pair is selected
  return cfg;
}

void JumbotOptions::Fill(const JumbotCfg& cfg) {
  // The radio pair stands for nav_autogen: with both lines at 1 the later
  // one, nav_autogen, is selected; with both at 0 the waypoint files are.
  for (BoundOptions<JumbotCfg>* table :
       {&skill, &bots, &skills, &behaviour, &weapons, &chat, &waypoints, &morons}) {
    table->Fill(cfg);
  }
}

std::array<std::string, 4> JumbotOptions::KeyTexts() const {
  const JumbotKeys k = keys.Collected();
  return {k.makewp, k.makewpj, k.remwp, k.writewpfile};
}

std::optional<ControlState> JumbotOptions::State(std::string_view control) const {
  const Names names = NamesOf(prefix_, flavour_);
  const auto on = [this](const BoundOptions<JumbotCfg>& table, const char* suffix) {
    return table.value(table.RowOf(Name(suffix))) != 0;
  };
  if (control == names.fov) return ControlState{on(behaviour, "botusefov"), true};
  if (control == Name("bot_distance"))
    return ControlState{on(behaviour, "bot_checkdistance"), true};
  if (control == Name("bweap_tripmine")) {
    // The slider goes; its caption stays, disabled.
    const bool mines = on(behaviour, "bot_tripmines");
    return ControlState{mines, mines, true};
  }
  return std::nullopt;
}

bool JumbotOptions::EditModeChanged(std::string_view control) {
  if (control != Name("WayMode")) return false;
  JumbotCfg cfg = Cfg();
  if (!cfg.wp_edit) return false;
  TurnEditModeOn(cfg);
  Fill(cfg);
  return true;
}

void JumbotOptions::ReadKeys(const LauncherState& state, std::string_view mod_key) {
  JumbotKeys read;
  std::string* fields[] = {&read.makewp, &read.makewpj, &read.remwp, &read.writewpfile};
  for (size_t i = 0; i < kKeyNames.size(); ++i) {
    *fields[i] = TrimCopy(ReadModSetting(state, mod_key, kKeyNames[i]));
  }
  keys.Fill(read);
}

void JumbotOptions::WriteKeys(const LauncherState& state, std::string_view mod_key,
                              const std::string& config_path, FileBatch& batch) const {
  const std::array<std::string, 4> texts = KeyTexts();
  for (size_t i = 0; i < kKeyNames.size(); ++i) {
    WriteProfileString(batch, KrvIniPath(state), mod_key, kKeyNames[i], texts[i]);
  }
  // The game's own config.cfg is the one to start from when the mod has none.
  std::vector<std::string> lines;
  const std::string standard = state.hl_path + "\\valve\\config.cfg";
  if (FileExists(config_path)) {
    lines = ReadLines(config_path);
  } else if (FileExists(standard)) {
    lines = ReadLines(standard);
  }
  batch.PutLines(config_path, RebindWaypointKeys(lines, texts));
}

// ---- documents whose bots are Jumbot's ----

JumbotBotsDocument::JumbotBotsDocument(LauncherState& state, std::string_view mod_key,
                                       JumbotFlavour flavour, std::string roster_dir)
    : EditorSettings(state, mod_key),
      jumbot(mod().prefix, flavour),
      flavour_(flavour),
      roster_dir_(std::move(roster_dir)) {}

void JumbotBotsDocument::AddJumbotRoster() {
  const bool jumbot_names = flavour_ == JumbotFlavour::kJumbot;
  // Typing a double quote in a name is dropped: the roster file quotes names.
  AddRoster(
      {
          {SpinRow(Control(jumbot_names ? "botParam1" : "botparam1"), "Pants color", "", 0, 255, 0,
                   "The colour of the bot's pants"),
           &BotEntry::param1},
          {SpinRow(Control("botparam2"), "Shirt color", "", 0, 255, 0,
                   "The colour of the bot's shirt"),
           &BotEntry::param2},
          {SliderRow(Control(jumbot_names ? "Botskill" : "botskill"), "Skill", "", 0, 4, 0,
                     "Default uses the game's difficulty level",
                     "Default|Bad|Medium|Good|Very good"),
           &BotEntry::skill},
      },
      "\"", false);
}

ControlState JumbotBotsDocument::OptionState(std::string_view control) const {
  if (const std::optional<ControlState> state = jumbot.State(control)) return *state;
  return ModState(control);
}

void JumbotBotsDocument::ReadRoster(Messages& messages, bool report_missing) {
  const size_t row = jumbot.bots.RowOf(jumbot.roster_file_control());
  const std::string name = jumbot.bots.text(row);
  const std::string path = roster_dir_ + "\\" + name;
  if (name.empty() || !FileExists(path)) {
    if (!report_missing) return;  // a name being typed: nothing changes
    messages.push_back({"Can't find bots configuration file " + name + " in " +
                            ShownPath(roster_dir_) + ". No bot will be loaded.",
                        ""});
    SetRoster({});
    jumbot.bots.SetText(row, "");
    return;
  }
  try {
    SetRoster(ParseJumbotRoster(ReadLines(path), path));
  } catch (const FileError& e) {
    messages.push_back({"Can't read the file " + e.host_file() + ".", e.detail()});
    // The broken file is not overwritten unless its name is chosen again.
    SetRoster({});
    jumbot.bots.SetText(row, "");
  }
}

void JumbotBotsDocument::RosterChecks(std::vector<std::string>& failed) const {
  const JumbotCfg cfg = jumbot.Cfg();
  if (cfg.wp_edit) return;  // placing waypoints needs neither bots nor their file
  if (Trim(cfg.botcfgfile).empty()) {
    failed.emplace_back("You must select a bots configuration file.");
  } else if (cfg.bot_num == 0) {
    failed.emplace_back("You must have at least one bot to play.");
  }
}

BotEntry JumbotBotsDocument::NewEntry() const {
  return BotEntry{"New Bot", "gordon", "10", "10", "0"};
}

void JumbotBotsDocument::RandomizeEntry(BotEntry& entry, std::mt19937& draw) const {
  entry.skill = std::to_string(PickRandom(1, 4, draw));
  entry.param1 = std::to_string(PickRandom(0, 255, draw));
  entry.param2 = std::to_string(PickRandom(0, 255, draw));
}

std::string JumbotBotsDocument::CreateRefusal() const {
  return jumbot.Cfg().botcfgfile.empty() ? "You must enter a bot configuration file first." : "";
}

bool JumbotBotsDocument::AfterOptionChange(std::string_view control, Messages& messages) {
  if (control == jumbot.roster_file_control()) {
    const std::string name = jumbot.Cfg().botcfgfile;
    if (name.empty() || !FileExists(roster_dir_ + "\\" + name)) return false;
    ReadRoster(messages, false);
    return true;
  }
  if (jumbot.EditModeChanged(control)) return true;
  return OnModOptionChanged(control, messages);
}

// ---- Jumbot ----

JumbotSettings::JumbotSettings(LauncherState& state)
    : JumbotBotsDocument(state, "Jumbot", JumbotFlavour::kJumbot, DirsOf(state, "Jumbot").dir),
      game(StandardGameRows("JB")) {
  SetMapListNames("JB_Mapdispo", "JB_Mapcycle");
  SetPictureName("JB_Botpic");
  SetTeamControlWords("Team", "Label_numteam");
  AddGameType();
  AddOptions(game);
  AddOptions(jumbot.skill);
  AddTeams();
  AddOptions(jumbot.bots);
  AddJumbotRoster();
  AddOptions(jumbot.skills);
  AddOptions(jumbot.behaviour);
  AddOptions(jumbot.weapons);
  AddOptions(jumbot.chat);
  chat_page = AddTextPage("JB_chat");
  orders_page = AddTextPage("JB_orders");
  AddOptions(jumbot.waypoints);
  AddOptions(jumbot.keys);
  AddOptions(jumbot.morons);
  morons_page = AddTextPage("JB_Moron");
}

ControlState JumbotSettings::ModState(std::string_view control) const {
  // Leaders and squads need teams.
  if (control == "JB_leadsys" || control == "JB_squads") return {teams.teamplay, true};
  return {};
}

void JumbotSettings::ReadFiles(Messages& messages) {
  ReadStandardGame(game, messages);
  ReadJumbotCfg(messages);
  Step(messages, [&] { jumbot.ReadKeys(state(), mod().key); });
  ReadPlayList(messages);
  ReadRoster(messages, true);
  ReadTextPages(messages);
}

void JumbotSettings::ReadJumbotCfg(Messages& messages) {
  const std::string path = File("jumbot.cfg");
  if (!FileExists(path)) {
    messages.push_back({"Can't find jumbot.cfg in " + ShownPath(ModDirectory()) +
                            ". All params are set to default.",
                        ""});
    return;
  }
  Step(messages, [&] {
    JumbotCfg cfg = jumbot.Cfg();
    // One map line: a look at the file is cheaper than listing the maps.
    const std::string maps_dir = state().valve_maps_dir;
    const auto usable = [&maps_dir](std::string_view map) {
      return IsValidMap(map, maps_dir, "", "");
    };
    ParseJumbotCfg(ReadLines(path), path, usable, JumbotFlavour::kJumbot, cfg);
    jumbot.Fill(cfg);
    for (const std::string& map : cfg.start_maps) maps.play.Append(map);
  });
}

void JumbotSettings::ReadTextPages(Messages& messages) {
  const std::string dir = ModDirectory() + "\\";
  for (const auto& [page, file] :
       {std::pair{chat_page, kChatFile}, std::pair{orders_page, kOrdersFile},
        std::pair{morons_page, kMoronsFile}}) {
    Step(messages,
         [&, page = page, file = file] { ReadTextPage(text_page(page).lines, dir, file); });
  }
}

void JumbotSettings::ReadBotFile(Messages& messages) {
  ReadRoster(messages, true);
  ReadTextPages(messages);
}

void JumbotSettings::ModChecks(std::vector<std::string>& failed) const { RosterChecks(failed); }

void JumbotSettings::WriteFiles(FileBatch& batch) const {
  WriteStandardGame(game, batch);
  const JumbotCfg cfg = jumbot.Cfg();
  const std::string start = maps.play.items.empty() ? std::string() : maps.play.items.front();
  batch.PutLines(File("jumbot.cfg"), JumbotCfgLines(cfg, start, JumbotFlavour::kJumbot));
  jumbot.WriteKeys(state(), mod().key, File("config.cfg"), batch);
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  if (!cfg.botcfgfile.empty())
    batch.PutLines(File(cfg.botcfgfile), [this] { return JumbotRosterLines(roster.items); });
  for (const auto& [page, file] :
       {std::pair{chat_page, kChatFile}, std::pair{orders_page, kOrdersFile},
        std::pair{morons_page, kMoronsFile}}) {
    batch.PutLines(File(file), text_page(page).lines);
  }
}

}  // namespace orvane
