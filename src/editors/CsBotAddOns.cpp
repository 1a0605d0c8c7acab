#include "editors/CsBotAddOns.h"

#include <algorithm>
#include <array>
#include <utility>

#include "editors/PodbotMmConfig.h"
#include "editors/YapbConfig.h"
#include "services/Converters.h"

namespace orvane {
namespace {

std::string Get(const CsLaunchInput& in, std::string_view key, std::string_view def) {
  return in.ini.Text("Default", key, def);
}
std::string OnOff(const CsLaunchInput& in, std::string_view key) {
  return YesOrOneToOnOff(Get(in, key, "0"));
}
std::string Skill(const CsLaunchInput& in) { return Get(in, "skill" + in.profile.max_skill, "0"); }

void NnBotLines(std::vector<std::string>& lines, const CsLaunchInput& in) {
  const std::string dir = Get(in, "nwpdir", "maps");
  if (!dir.empty() && in.dir_exists(dir)) lines.push_back("nwpdir " + dir);
  for (const char* key : {"botchat", "knifeonly", "pistolonly", "subonly", "usesmoke"})
    lines.push_back(std::string(key) + " " + Get(in, key, "0"));
  lines.push_back("cs10 " + Get(in, "version", "0"));
}

void PlBotLines(std::vector<std::string>& lines, const CsLaunchInput& in) {
  static const std::pair<const char*, const char*> kPlKeys[] = {
      {"waydist", "300"}, {"bheight", "150"}, {"pway", "20"}, {"proad", "5"},
      {"pgoal", "4"},     {"pchange", "5"},   {"plong", "3"}, {"bsenss", "50"},
      {"bsensf", "75"},   {"bsensc", "100"}};
  for (const auto& [key, def] : kPlKeys)
    lines.push_back(std::string(key) + " " + in.ini.Text("PlBot", key, def));
  lines.push_back("control_bot " + Get(in, "control_bot", "0"));
}

void PodBotLines(std::vector<std::string>& lines, const CsLaunchInput& in) {
  const std::string folder = Get(in, "wptfolder", "wptcs10");
  if (!folder.empty() && in.dir_exists("PodBot\\" + folder)) lines.push_back("wptfolder " + folder);
  lines.push_back("minbotskill " + Skill(in));
  lines.push_back("jasonmode " + OnOff(in, "knifeonly"));
  lines.push_back("botchat " + OnOff(in, "botchat"));
  lines.push_back("detailnames " + OnOff(in, "detailnames"));
  lines.push_back("inhumanturns " + OnOff(in, "inhumanturns"));
  lines.push_back("botsfollowuser " + Get(in, "control_bot", "0"));
}

void RealBotLines(std::vector<std::string>& lines, const CsLaunchInput& in) {
  lines.push_back("rb_navigationtype " + Get(in, "navigation", "0"));
  lines.push_back("rb_minskill " + Get(in, "minskill", "1"));
  lines.push_back("rb_maxskill " + Skill(in));
  lines.push_back("rb_extraskill " + Get(in, "extraskill", "0"));
  // Only exactly "1" forces the skill.
  if (Get(in, "forceskill", "") == "1") lines.push_back("rb_forceskill " + Skill(in));
  lines.push_back("rb_playingcs " + Get(in, "version", "0"));
}

void SwatBotLines(std::vector<std::string>& lines, const CsLaunchInput& in) {
  lines.push_back("knifewar " + Get(in, "knifeonly", "0"));
}

const std::vector<CsBotAddOn>& AddOns() {
  static const std::vector<CsBotAddOn> kAddOns = [] {
    std::vector<CsBotAddOn> rows;
    CsBotAddOn nn{
        "NN Bot",
        {"CS_botchat", "CS_knifeonly", "CS_pistolonly", "CS_subonly", "CS_usesmoke", "WayDir"}};
    nn.folder_key = "nwpdir";
    nn.folder_default = "maps";
    nn.own_lines = NnBotLines;
    rows.push_back(nn);

    CsBotAddOn pl{"PlBot", {"CS_control_bot"}};
    pl.ai_page = true;
    pl.own_lines = PlBotLines;
    rows.push_back(pl);

    CsBotAddOn pod{"P.O.D.Bot",
                   {"CS_botchat", "CS_knifeonly", "CS_detailnames", "CS_inhumanturns",
                    "CS_control_bot", "WayDir"}};
    pod.skill_table_dir = "PODBot";
    pod.folder_key = "wptfolder";
    pod.folder_default = "wptcs10";
    pod.folder_base = "PodBot";
    pod.percent_s_chat = true;
    pod.skill_line = false;
    pod.own_lines = PodBotLines;
    rows.push_back(pod);

    CsBotAddOn swat{"Swat Bot", {"CS_knifeonly"}};
    swat.own_lines = SwatBotLines;
    rows.push_back(swat);

    CsBotAddOn real{"RealBot", {"CS_Navigation", "CS_minskill", "CS_Extraskill", "CS_forceskill"}};
    real.max_skill_caption = true;
    real.skill_line = false;
    real.own_lines = RealBotLines;
    rows.push_back(real);

    CsBotAddOn android{"Android", {}};
    android.android_game_cfg = true;
    rows.push_back(android);

    CsBotAddOn yapb{"YaPB", {"CS_botchat", "CS_knifeonly", "CS_jointeam"}};
    yapb.merge_settings = MergeYapbConfig;
    rows.push_back(yapb);

    CsBotAddOn pod_mm{"POD-Bot MM",
                      {"CS_botchat", "CS_knifeonly", "CS_detailnames", "CS_jointeam", "WayDir"}};
    pod_mm.skill_table_dir = "addons\\podbot";
    pod_mm.folder_key = "pb_wptfolder";
    pod_mm.folder_default = "wptdefault";
    pod_mm.folder_base = "addons\\podbot";
    pod_mm.percent_s_chat = true;
    pod_mm.merge_settings = MergePodbotMmConfig;
    rows.push_back(pod_mm);
    return rows;
  }();
  return kAddOns;
}

}  // namespace

bool CsBotAddOn::Understands(std::string_view control) const {
  return std::find(options.begin(), options.end(), control) != options.end();
}

const CsBotAddOn& CsBotAddOnNamed(std::string_view name) {
  static const CsBotAddOn kCommon{"", {}};
  for (const CsBotAddOn& row : AddOns()) {
    if (row.name == name) return row;
  }
  return kCommon;
}

}  // namespace orvane
