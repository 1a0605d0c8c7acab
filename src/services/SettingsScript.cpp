#include "services/SettingsScript.h"

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <utility>

namespace orvane {
namespace {

constexpr size_t kHeadLines = 42;

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

ScrBlock NumberBlock(std::string variable, std::string label, std::string upper,
                     std::string_view number_text) {
  ScrBlock block{
      std::move(variable),   std::move(label), ScrType::kNumber, "0.000000", std::move(upper), {},
      ScrNumber(number_text)};
  return block;
}

ScrBlock BoolBlock(std::string variable, std::string label, bool on) {
  return ScrBlock{std::move(variable), std::move(label), ScrType::kBool, "", "", {},
                  on ? "1" : "0"};
}

ScrBlock StringBlock(std::string variable, std::string label, std::string value) {
  return ScrBlock{std::move(variable), std::move(label), ScrType::kString, "", "", {},
                  std::move(value)};
}

ScrBlock ListBlock(std::string variable, std::string label,
                   std::vector<std::pair<std::string, std::string>> choices, int chosen) {
  return ScrBlock{std::move(variable),
                  std::move(label),
                  ScrType::kList,
                  "",
                  "",
                  std::move(choices),
                  ScrNumber(std::to_string(chosen))};
}

std::string ScrNumber(std::string_view text) { return std::string(text) + ".000000"; }

std::string ScrBound(int bound) { return std::to_string(bound) + ".000000"; }

std::vector<std::string> ScrBlockLines(const ScrBlock& block) {
  std::vector<std::string> lines = {"\t" + Quoted(block.variable), "\t{",
                                    "\t\t" + Quoted(block.label)};
  switch (block.type) {
    case ScrType::kNumber:
      lines.push_back("\t\t{ NUMBER " + block.lower + " " + block.upper + " }");
      break;
    case ScrType::kBool:
      lines.push_back("\t\t{ BOOL }");
      break;
    case ScrType::kString:
      lines.push_back("\t\t{ STRING }");
      break;
    case ScrType::kList:
      lines.push_back("\t\t{");
      lines.push_back("\t\t\tLIST");
      for (const auto& [label, value] : block.choices) {
        lines.push_back("\t\t\t" + Quoted(label) + " " + Quoted(value));
      }
      lines.push_back("\t\t}");
      break;
  }
  lines.push_back("\t\t{ " + Quoted(block.value) + " }");
  lines.push_back("\t}");
  lines.emplace_back();
  return lines;
}

std::vector<std::string> SettingsScrLines(const std::vector<std::string>& old_lines,
                                          const std::vector<ScrBlock>& blocks) {
  std::vector<std::string> lines(kHeadLines);
  for (size_t i = 0; i < kHeadLines && i < old_lines.size(); ++i) lines[i] = old_lines[i];
  lines.emplace_back("{");
  for (const ScrBlock& block : blocks) {
    for (std::string& line : ScrBlockLines(block)) lines.push_back(std::move(line));
  }
  lines.emplace_back("}");
  return lines;
}

bool RewriteSettingsScr(std::string_view path, const std::vector<ScrBlock>& blocks) {
  if (!FileExists(path)) return false;
  WriteLines(path, SettingsScrLines(ReadLines(path), blocks));
  return true;
}

}  // namespace orvane
