#include "editors/BotsIni.h"

#include <algorithm>

#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/Converters.h"

namespace orvane {
namespace {

Message CantRead(std::string_view path, std::string detail) {
  return CantReadFile(path, std::move(detail));
}

}  // namespace

int BotsIniCount(const ProfileIndex& ini, std::string_view path, Messages& messages) {
  const int count = ParseProfileInt(ini.Text("Default", "numbot", ""), 0);
  if (count <= kMaxRosterBots) return std::max(count, 0);
  messages.push_back(CantRead(path, "[Default] numbot: " + std::to_string(count) +
                                        " bots are more than " + std::to_string(kMaxRosterBots) +
                                        "; the first " + std::to_string(kMaxRosterBots) +
                                        " are read."));
  return kMaxRosterBots;
}

std::vector<BotEntry> ReadBotsIniRoster(const ProfileIndex& ini, std::string_view path,
                                        const RosterKeys& keys, Messages& messages) {
  const std::string skill_key = "skill" + std::to_string(keys.max_skill);
  const int count = BotsIniCount(ini, path, messages);
  std::vector<BotEntry> roster;
  roster.reserve(static_cast<size_t>(count));
  for (int i = 1; i <= count; ++i) {
    const std::string section = "Bot " + std::to_string(i);
    BotEntry e;
    e.name = ini.Text(section, "nom", "NewBot");
    const auto number = [&](std::string_view key, int lo, int hi, int def, std::string* field) {
      const std::string stored = ini.Text(section, key, std::to_string(def));
      const std::optional<int> n = ParseDecimalInt(Trim(stored));
      const bool skill = key == skill_key;
      if (!n || *n < lo || (*n > hi && !skill)) {
        messages.push_back(CantRead(
            path, "[" + section + "] " + std::string(key) + ": expected a whole number from " +
                      std::to_string(lo) + " to " + std::to_string(hi) + ", found \"" + stored +
                      "\"; " + e.name + " keeps " + std::to_string(def) + "."));
        *field = std::to_string(def);
        return;
      }
      // A skill above the bot's top is its top.
      *field = std::to_string(std::min(*n, hi));
    };
    number("team", 0, 2, 0, &e.param1);
    number("modele", keys.model_lo, keys.model_hi, keys.model_default, &e.model);
    number(skill_key, 0, keys.max_skill, 0, &e.skill);
    roster.push_back(std::move(e));
  }
  return roster;
}

void AddBotsIniRoster(std::vector<ProfileWrite>& writes, const std::vector<BotEntry>& roster,
                      std::string_view max_skill) {
  const std::string skill_key = "skill" + std::string(max_skill);
  writes.reserve(writes.size() + 4 * roster.size());
  for (size_t i = 0; i < roster.size(); ++i) {
    const std::string section = "Bot " + std::to_string(i + 1);
    writes.push_back({section, "nom", roster[i].name});
    writes.push_back({section, "team", roster[i].param1});
    writes.push_back({section, "modele", roster[i].model});
    writes.push_back({section, skill_key, roster[i].skill});
  }
}

int BotsIniNumber(const ProfileIndex& ini, std::string_view path, std::string_view key, int def,
                  Messages& messages) {
  const std::optional<std::string_view> stored = ini.Find("Default", key);
  if (!stored) return def;
  const std::string text = ini.Text("Default", key, "");
  if (const std::optional<int> n = ParseDecimalInt(Trim(text))) return *n;
  messages.push_back(CantRead(path, "[Default] " + std::string(key) +
                                        ": expected a whole number, found \"" + text +
                                        "\"; the value stays " + std::to_string(def) + "."));
  return def;
}

std::vector<std::string> BotFileHead(const BotProfile& profile, std::string_view pause) {
  return {"# " + profile.add_bot_template, std::string(pause), ""};
}

void AddBotCommandLines(std::vector<std::string>& lines, const ProfileIndex& ini,
                        const BotProfile& profile, const RosterWords& words) {
  const auto spell = [](const std::function<std::string(std::string)>& as, std::string text) {
    return as ? as(std::move(text)) : text;
  };
  const std::string skill_key = "skill" + profile.max_skill;
  const int count =
      std::clamp(ParseProfileInt(ini.Text("Default", "numbot", ""), 0), 0, kMaxRosterBots);
  for (int i = 1; i <= count; ++i) {
    const std::string section = "Bot " + std::to_string(i);
    const auto entry = [&](std::string_view key, std::string_view def) {
      return ini.Text(section, key, def);
    };
    lines.push_back(FillAddBotTemplate(
        profile.add_bot_template, spell(words.team, entry("team", "0")),
        spell(words.model, entry("modele", "0")), spell(words.name, entry("nom", "NewBot")),
        spell(words.skill, entry(skill_key, "0"))));
  }
}

TeamBotsIni ReadTeamBotsIni(std::string_view text, std::string_view path, const RosterKeys& keys,
                            const TeamBotOptions& before, Messages& messages) {
  const ProfileIndex ini(text);
  TeamBotsIni read;
  TeamBotOptions& o = read.options;
  o.default_skill = BotsIniNumber(ini, path, "skill" + std::to_string(keys.max_skill),
                                  before.default_skill, messages);
  o.botdontshoot = YesOrOne(ini.Text("Default", "botdontshoot", "0"));
  o.addmap = YesOrOne(ini.Text("Default", "addmap", "0"));
  o.dodge_bullets = YesOrOne(ini.Text("Default", "dodge_bullets", "0"));
  read.roster = ReadBotsIniRoster(ini, path, keys, messages);
  return read;
}

void PutTeamBotsIni(FileBatch& batch, const std::string& path, const TeamBotOptions& o,
                    const std::vector<BotEntry>& roster, std::string_view max_skill,
                    std::string_view own_key) {
  std::vector<ProfileWrite> writes = {
      {"Default", "numbot", std::to_string(roster.size())},
      {"Default", "skill" + std::string(max_skill), std::to_string(o.default_skill)},
      {"Default", "botdontshoot", BoolToOneZero(o.botdontshoot)},
      {"Default", std::string(own_key),
       BoolToOneZero(own_key == "addmap" ? o.addmap : o.dodge_bullets)},
  };
  AddBotsIniRoster(writes, roster, max_skill);
  WriteProfileStrings(batch, path, writes);
}

}  // namespace orvane
