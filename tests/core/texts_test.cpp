// The table of console texts and the choice of the language.
#include "core/texts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace cpt {
namespace {

// The printf conversions of a format in order, "%%" left out: "%7.4f %d" -> {"%7.4f", "%d"}.
std::vector<std::string> conversions(const std::string& f) {
  std::vector<std::string> out;
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] != '%') continue;
    if (i + 1 < f.size() && f[i + 1] == '%') { ++i; continue; }
    size_t j = i + 1;
    while (j < f.size() && std::string("-+ #0123456789.*'lhzjtL").find(f[j]) != std::string::npos) ++j;
    out.push_back(f.substr(i, j - i + 1));
    i = j;
  }
  return out;
}

// Catches an entry whose English format takes other values, or in another order, than the
// Japanese one (printf would then read the wrong arguments), an empty entry, and a
// Japanese character left in an English text.
TEST(ConsoleTexts, BothLanguagesTakeTheSameConversions) {
  EXPECT_EQ(conversions("a %7.4f%% b %d %s %c %.0e"), (std::vector<std::string>{"%7.4f", "%d", "%s", "%c", "%.0e"}));
  for (int i = 0; i < static_cast<int>(Txt::Count); ++i) {
    const TextEntry& e = text_entry(static_cast<Txt>(i));
    SCOPED_TRACE(e.name);
    EXPECT_GT(std::string(e.ja).size(), 0u);
    EXPECT_GT(std::string(e.en).size(), 0u);
    EXPECT_EQ(conversions(e.ja), conversions(e.en));
    for (const unsigned char c : std::string(e.en)) EXPECT_LT(c, 0xe3) << "a Japanese character in the English text";
  }
}

// Every case of the environment, and --lang's values.
TEST(ConsoleTexts, LanguageFromTheEnvironmentAndOption) {
  struct Case { std::map<std::string, std::string> env; Lang want; };
  const Case cases[] = {
      {{}, Lang::Ja},
      {{{"LANG", "C"}}, Lang::Ja},
      {{{"LANG", "C.UTF-8"}}, Lang::Ja},
      {{{"LC_ALL", "POSIX"}, {"LANG", "en_US.UTF-8"}}, Lang::Ja},
      {{{"LANG", "ja_JP.UTF-8"}}, Lang::Ja},
      {{{"LANG", "en_US.UTF-8"}}, Lang::En},
      {{{"LANG", "de_DE.UTF-8"}}, Lang::En},
      {{{"LC_ALL", ""}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}, Lang::En},
      {{{"LC_ALL", "ja_JP.UTF-8"}, {"LANG", "en_US.UTF-8"}}, Lang::Ja},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja:en"}}, Lang::Ja},
      {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", ":en_GB"}}, Lang::En},
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "en"}}, Lang::Ja},  // LANGUAGE does not count for C
      {{{"LANGUAGE", "en"}}, Lang::Ja},                       // nor where no locale is set
  };
  static const std::map<std::string, std::string>* env = nullptr;
  for (const Case& c : cases) {
    env = &c.env;
    const Lang got = lang_from_environment([](const char* name) -> const char* {
      const auto it = env->find(name);
      return it == env->end() ? nullptr : it->second.c_str();
    });
    std::string shown;
    for (const auto& [k, v] : c.env) shown += k + "=" + v + " ";
    EXPECT_EQ(got, c.want) << shown;
  }
  Lang l = Lang::Ja;
  EXPECT_TRUE(lang_named("en", l)); EXPECT_EQ(l, Lang::En);
  EXPECT_TRUE(lang_named("ja", l)); EXPECT_EQ(l, Lang::Ja);
  for (const char* bad : {"", "EN", "english", "fr", "ja_JP"}) EXPECT_FALSE(lang_named(bad, l)) << bad;
}

}  // namespace
}  // namespace cpt
