// The profile-function cases, shared by the test of our reader and writer
// and by the check of the same cases against Windows' own functions (Wine).
#pragma once

#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace orvane::test {

struct ProfileReadCase {
  const char* name;
  std::optional<std::string_view> file;  // nullopt: the file does not exist
  const char* section;
  const char* key;
  const char* expect_string;  // with default "dflt"
  int expect_int;             // with default 7
};

inline void PrintTo(const ProfileReadCase& c, std::ostream* os) { *os << c.name; }

struct ProfileWriteCase {
  const char* name;
  std::optional<std::string_view> before;
  const char* section;
  const char* key;
  const char* value;
  std::string_view after;  // our exact bytes; Windows may normalise other lines
};

inline void PrintTo(const ProfileWriteCase& c, std::ostream* os) { *os << c.name; }

inline const std::vector<ProfileReadCase>& ProfileReadCases() {
  using namespace std::string_view_literals;
  static const std::vector<ProfileReadCase> kCases = {
      {"Plain", "[KRV]\r\nCommand=+map x\r\n"sv, "KRV", "Command", "+map x", 0},
      {"SectionAndKeyIgnoreCase", "[krv]\r\ncommand=v\r\n"sv, "KRV", "COMMAND", "v", 0},
      {"BlanksAroundNamesInFile", "[ KRV ]\r\n  my key = v  \r\n"sv, "KRV", "my key", "v", 0},
      {"BlanksAroundNamesAsked", "[KRV]\r\nmy key=v\r\n"sv, " KRV ", " my key ", "v", 0},
      {"TabsAreBlanks", "[A]\r\n\tk\t=\tv\t\r\n"sv, "A", "k", "v", 0},
      {"DoubleQuotesKeepInnerBlanks", "[A]\r\nQ=\"  x  \"\r\n"sv, "A", "Q", "  x  ", 0},
      {"SingleQuotes", "[A]\r\nQ='y'\r\n"sv, "A", "Q", "y", 0},
      {"UnmatchedQuoteStays", "[A]\r\nQ=\"x\r\n"sv, "A", "Q", "\"x", 0},
      {"MixedQuotesStay", "[A]\r\nQ=\"x'\r\n"sv, "A", "Q", "\"x'", 0},
      {"LoneQuote", "[A]\r\nQ=\"\r\n"sv, "A", "Q", "\"", 0},
      {"EmptyQuotes", "[A]\r\nQ=\"\"\r\n"sv, "A", "Q", "", 7},
      {"EmptyValue", "[A]\r\nQ=\r\n"sv, "A", "Q", "", 7},
      {"BlankValue", "[A]\r\nQ=   \r\n"sv, "A", "Q", "", 7},
      {"MissingKey", "[A]\r\nx=1\r\n"sv, "A", "Q", "dflt", 7},
      {"MissingSection", "[A]\r\nQ=1\r\n"sv, "B", "Q", "dflt", 7},
      {"MissingFile", std::nullopt, "A", "Q", "dflt", 7},
      {"EmptyFile", ""sv, "A", "Q", "dflt", 7},
      {"FirstKeyWins", "[A]\r\nk=1\r\nk=2\r\n"sv, "A", "k", "1", 1},
      {"FirstSectionWins", "[A]\r\nx=1\r\n[B]\r\nk=b\r\n[A]\r\nk=2\r\n"sv, "A", "k", "dflt", 7},
      {"LineWithoutEqualsIsNoKey", "[A]\r\nk\r\n"sv, "A", "k", "dflt", 7},
      {"SemicolonComment", "[A]\r\n;k=1\r\nk=2\r\n"sv, "A", "k", "2", 2},
      {"KeyBeforeAnySection", "k=v\r\n[A]\r\nx=1\r\n"sv, "A", "k", "dflt", 7},
      {"TextAfterSectionHeader", "[A] ; note\r\nk=v\r\n"sv, "A", "k", "v", 0},
      {"EqualsInValue", "[A]\r\nk=a=b\r\n"sv, "A", "k", "a=b", 0},
      {"LfLineEnds", "[A]\nk=v\n"sv, "A", "k", "v", 0},
      {"NoFinalLineEnd", "[A]\r\nk=v"sv, "A", "k", "v", 0},
      {"IntStopsAtLetter", "[A]\r\nn=12abc\r\n"sv, "A", "n", "12abc", 12},
      {"IntNoDigits", "[A]\r\nn=abc\r\n"sv, "A", "n", "abc", 0},
      {"IntNegative", "[A]\r\nn= -5 \r\n"sv, "A", "n", "-5", -5},
      {"IntPlus", "[A]\r\nn=+7\r\n"sv, "A", "n", "+7", 7},
      {"IntHex", "[A]\r\nn=0x1A\r\n"sv, "A", "n", "0x1A", 26},
      {"IntUpperXIsNotHex", "[A]\r\nn=0X1f\r\n"sv, "A", "n", "0X1f", 0},
      {"IntNegativeHex", "[A]\r\nn=-0x10\r\n"sv, "A", "n", "-0x10", -16},
      {"IntQuoted", "[A]\r\nn=\"42\"\r\n"sv, "A", "n", "42", 42},
      {"IntDecimalPoint", "[A]\r\nn=3.5\r\n"sv, "A", "n", "3.5", 3},
  };
  return kCases;
}

inline const std::vector<ProfileWriteCase>& ProfileWriteCases() {
  using namespace std::string_view_literals;
  static const std::vector<ProfileWriteCase> kCases = {
      {"ReplaceKeepsEveryOtherByte",
       "; top\r\n[Other]\r\nx = 1\r\n\r\n[KRV]\r\n  Command = old  \r\n# note\r\n"sv, "KRV",
       "Command", "new", "; top\r\n[Other]\r\nx = 1\r\n\r\n[KRV]\r\n  Command = new\r\n# note\r\n"},
      {"AppendKeyToSection", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"sv, "A", "z", "3",
       "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
      {"AppendSection", "[A]\r\nx=1\r\n"sv, "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
      {"AppendAfterLastLineWithoutBreak", "[A]\r\nx=1"sv, "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"CreateMissingFile", std::nullopt, "KRV", "Command", "x", "[KRV]\r\nCommand=x\r\n"},
      {"NamesIgnoreCase", "[krv]\r\nCOMMAND=a\r\n"sv, "KRV", "Command", "b",
       "[krv]\r\nCOMMAND=b\r\n"},
      {"LfFileKeepsLf", "[A]\nk=1\nj=2\n"sv, "A", "k", "9", "[A]\nk=9\nj=2\n"},
      {"FirstOfDuplicateSections", "[A]\r\nx=1\r\n[B]\r\n[A]\r\nk=2\r\n"sv, "A", "k", "5",
       "[A]\r\nx=1\r\nk=5\r\n[B]\r\n[A]\r\nk=2\r\n"},
      {"EmptyValue", "[A]\r\nk=1\r\n"sv, "A", "k", "", "[A]\r\nk=\r\n"},
      {"ValueWithBlanks", "[KRV]\r\n"sv, "KRV", "Command", " +map x ",
       "[KRV]\r\nCommand= +map x \r\n"},
      {"EmptyStoredValueCrLf", "[Botman]\r\nLast Bot=\r\nFirst Map=x\r\n"sv, "Botman", "Last Bot",
       "New Bot", "[Botman]\r\nLast Bot=New Bot\r\nFirst Map=x\r\n"},
      {"BlankStoredValueCrLf", "[KRV]\r\nCommand=\t  \r\n"sv, "KRV", "Command", "+x",
       "[KRV]\r\nCommand=\t  +x\r\n"},
      {"EmptyStoredValueLastLineNoBreak", "[KRV]\r\nCommand="sv, "KRV", "Command", "+x",
       "[KRV]\r\nCommand=+x"},
      {"EmptyStoredValueLf", "[A]\nk=\nj=2\n"sv, "A", "k", "v", "[A]\nk=v\nj=2\n"},
      {"QuotedStoredValue", "[A]\r\nk=\"  old \"\r\n"sv, "A", "k", "new", "[A]\r\nk=new\r\n"},
      {"SecondOfDuplicateSectionsUntouched", "[A]\r\nk=1\r\n[A]\r\nk=\r\n"sv, "A", "k", "",
       "[A]\r\nk=\r\n[A]\r\nk=\r\n"},
      {"OtherLetterCase", "[botman]\r\nLAST BOT=  \r\n"sv, "Botman", "Last Bot", "Zed",
       "[botman]\r\nLAST BOT=  Zed\r\n"},
  };
  return kCases;
}

}  // namespace orvane::test
