#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "rte2int/commands.h"

namespace {

// The tables in a readable spelling: '#' stands for the optional-space byte
// 0xA3 and '~' for the item-end byte 0xA7 (neither occurs in a pattern).
struct Row {
  const char* csv;
  const char* rw;
  const char* clean;
};

const Row kExpected[kCommandCount] = {
    /*   0 */ {"!+,", "~+~", "+,"},
    /*   1 */ {"!with&#route!", "[#route#]", "\r\nwith route\r\n"},
    /*   2 */ {"!with&#train!", "[#train#]", "\r\nwith train\r\n"},
    /*   3 */ {"!with&#structure!", "[#object#]", "\r\nwith structure\r\n"},
    /*   4 */ {"!with&#texture!", "", "\r\nwith texture\r\n"},
    /*   5 */ {"!with&#cycle!", "[#cycle#]", "\r\nwith cycle\r\n"},
    /*   6 */ {"!with&#track!", "[#railway#]", "\r\nwith track\r\n"},
    /*   7 */ {"!route#.", "", "\r\nwith route\r\n"},
    /*   8 */ {"!train#.", "", "\r\nwith train\r\n"},
    /*   9 */ {"!structure#.", "", "\r\nwith structure\r\n"},
    /*  10 */ {"!texture#.", "", "\r\nwith texture\r\n"},
    /*  11 */ {"!cycle#.", "", "\r\nwith cycle\r\n"},
    /*  12 */ {"!track#.", "", "\r\nwith track\r\n"},
    /*  13 */ {"!signal#(#+#)#.#load&#*,", "", "\r\nsignal(+).load +,"},
    /*  14 */ {".#comment&#*,", "", ".comment +,"},
    /*  15 */ {".#timetable&#*,", "", ".timetable +,"},
    /*  16 */ {".#change&#+!", "&change#=#+%", ".change +,"},
    /*  17 */ {".#gauge&#+!", "&gauge#=#+%", "route.gauge +,"},
    /*  18 */ {".#signal#(#+#)#+!", "&signal#(#+#)#=#+%", ".signal(+) +,"},
    /*  19 */ {".#runinterval&#+!", "&interval#=#+%", "route.runinterval +"},
    /*  20 */ {".#developerid&#*,", "&developerid#=#*%", "route.developerid +"},
    /*  21 */ {".#lightdirection&#+#;#+!", "", ".lightdirection +; +,"},
    /*  22 */ {".#directionallight&#+#;#+#;#+!", "", ".directionallight +; +; +,"},
    /*  23 */ {".#ambientlight&#+#;#+#;#+!", "", ".ambientlight +; +; +,"},
    /*  24 */ {".#folder&#*,", "&file#=#*%", ".folder +,"},
    /*  25 */ {".#rail#(#+#)#+!", "&rail#(#+#)#=#+", ".run(+) +,"},
    /*  26 */ {".#run#(#+#)#+!", "&run#(#+#)#=#+", ".run(+) +,"},
    /*  27 */ {".#flange(#+#)#+!", "&flange#(#+#)#=#+", ".flange(+) +,"},
    /*  28 */ {".#timetable#(#+#)#.#day#.#load&#*,", "", ".timetable(+).day.load +,"},
    /*  29 */ {".#timetable#(#+#)#.#night#.#load&#*,", "", ".timetable(+).night.load +,"},
    /*  30 */ {".#rail#(#+#)#*,", "&rail#(#+#)#=#*%", ".rail(+) +,"},
    /*  31 */ {".#pole#(*)#*,", "&pole#(*)#=#*%", ".pole(+;+) +,"},
    /*  32 */ {".#ground#(#+#)#*,", "&ground#(#+#)#=#*%", ".ground(+) +,"},
    /*  33 */ {".#formcl#(#+#)#*,", "&formcl#(#+#)#=#*%", ".formcl(+) +,"},
    /*  34 */ {".#formcr#(#+#)#*,", "&formcr#(#+#)#=#*%", ".formcr(+) +,"},
    /*  35 */ {".#forml#(#+#)#*,", "&forml#(#+#)#=#*%", ".forml(+) +,"},
    /*  36 */ {".#formr#(#+#)#*,", "&formr#(#+#)#=#*%", ".formr(+) +,"},
    /*  37 */ {".#formcl#*,", "&formcl#=#*%", ".formcl(0) +,"},
    /*  38 */ {".#formcr#*,", "&formcr#=#*%", ".formcr(0) +,"},
    /*  39 */ {".#forml#*,", "&forml#=#*%", ".forml(0) +,"},
    /*  40 */ {".#formr#*,", "&formr#=#*%", ".formr(0) +,"},
    /*  41 */ {".#roofcr#(#+#)#*,", "&roofcr#(#+#)#=#*%", ".roofcr(+) +,"},
    /*  42 */ {".#roofcl#(#+#)#*,", "&roofcl#(#+#)#=#*%", ".roofcl(+) +,"},
    /*  43 */ {".#roofl#(#+#)#*,", "&roofl#(#+#)#=#*%", ".roofl(+) +,"},
    /*  44 */ {".#roofr#(#+#)#*,", "&roofr#(#+#)#=#*%", ".roofr(+) +,"},
    /*  45 */ {".#roofcr#*,", "&roofcr#=#*%", ".roofcr(1) +,"},
    /*  46 */ {".#roofcl#*,", "&roofcl#=#*%", ".roofcl(1) +,"},
    /*  47 */ {".#roofl#*,", "&roofl#=#*%", ".roofl(1) +,"},
    /*  48 */ {".#roofr#*,", "&roofr#=#*%", ".roofr(1) +,"},
    /*  49 */ {".#dikel#(#+#)#*,", "&dikel#(#+#)#=#*%", ".dikel(+) +,"},
    /*  50 */ {".#diker#(#+#)#*,", "&diker#(#+#)#=#*%", ".diker(+) +,"},
    /*  51 */ {".#walll#(#+#)#*,", "&walll#(#+#)#=#*%", ".walll(+) +,"},
    /*  52 */ {".#wallr#(#+#)#*,", "&wallr#(#+#)#=#*%", ".wallr(+) +,"},
    /*  53 */ {".#crackl#(#+#)#*,", "&crackl#(#+#)#=#*%", ".crackl(+) +,"},
    /*  54 */ {".#crackr#(#+#)#*,", "&crackr#(#+#)#=#*%", ".crackr(+) +,"},
    /*  55 */ {".#freeobj#(#+#)#*,", "&freeobj#(#+#)#=#*%", ".freeobj(+) +,"},
    /*  56 */ {".#beacon#(#+#)#*,", "", ".beacon(+) +,"},
    /*  57 */ {".#background#(#+#)#*,", "&back#(#+#)#=#*%", "texture.background(+) +,"},
    /*  58 */ {".#ground#(#+#)#.#params&#*,", "&+#=#*%", ".ground(+) +,"},
    /*  59 */ {".#railstart&#*,", "railstart#(*)", ".railstart +,"},
    /*  60 */ {".#rail&#*,", "rail#(*)", ".rail +,"},
    /*  61 */ {".#railend&#*,", "railend#(*)", ".railend +,"},
    /*  62 */ {".#railtype&#*,", "railtype#(*)", ".railtype +,"},
    /*  63 */ {".#accuracy&#*,", "accuracy#(*)", ".accuracy +,"},
    /*  64 */ {".#curve&#*,", "curve#(*)", ".curve +,"},
    /*  65 */ {".#pitch&#*,", "pitch#(*)", ".pitch +,"},
    /*  66 */ {".#turn&#*,", "turn#(*)", ".turn +,"},
    /*  67 */ {".#adhesion&#*,", "adhesion#(*)", ".adhesion +,"},
    /*  68 */ {".#fog&#*,", "fog#(*)", ".fog +,"},
    /*  69 */ {".#signal&#*,", "signal#(*)", ".signal +,"},
    /*  70 */ {".#sig&#*,", "sig#(*)", ".sig +,"},
    /*  71 */ {".#relay&#*,", "relay#(*)", ".relay +,"},
    /*  72 */ {".#pattern&#*,", "pattern#(*)", ".pattern +,"},
    /*  73 */ {".#limit&#*,", "limit#(*)", ".limit +,"},
    /*  74 */ {".#stop*,", "stop#(*)", ".stop +,"},
    /*  75 */ {".#sta&#*,", "sta#(*)", ".sta +,"},
    /*  76 */ {".#station&#*,", "station#(2*)", ".station +,"},
    /*  77 */ {".#form&#*,", "form#(*)", ".form +,"},
    /*  78 */ {".#pole&#*,", "pole#(*)", ".pole +,"},
    /*  79 */ {".#poleend&#*,", "poleend#(*)", ".poleend +,"},
    /*  80 */ {".#wall&#*,", "wall#(*)", ".wall +,"},
    /*  81 */ {".#wallend&#*,", "wallend#(*)", ".wallend +,"},
    /*  82 */ {".#dike&#*,", "dike#(*)", ".dike +,"},
    /*  83 */ {".#dikeend&#*,", "dikeend#(*)", ".dikeend +,"},
    /*  84 */ {".#marker&#*,", "marker#(*)", ".marker +,"},
    /*  85 */ {".#height&#*,", "height#(*)", ".height +,"},
    /*  86 */ {".#ground&#*,", "ground#(*)", ".ground +,"},
    /*  87 */ {".#crack&#*,", "crack#(*)", ".crack +,"},
    /*  88 */ {".#freeobj&#*,", "freeobj#(*)", ".freeobj +,"},
    /*  89 */ {".#back&#*,", "back#(*)", ".back +,"},
    /*  90 */ {".#announce&#*,", "announce#(*)", ".announce +,"},
    /*  91 */ {".#doppler&#*,", "doppler#(*)", ".doppler +,"},
    /*  92 */ {".#pretrain&#*,", "pretrain#(*)", ".pretrain +,"},
    /*  93 */ {".#transponder&#*,", "transponder#(*)", ".transponder +,"},
    /*  94 */ {".#tr&#*,", "tr#(*)", ".tr +,"},
    /*  95 */ {".#beacon&#*,", "", ".beacon +,"},
    /*  96 */ {".#section&#*,", "", ".section +,"},
    /*  97 */ {".#sigf&#*,", "", ".sigf +,"},
    /*  98 */ {".#brightness&#*,", "", ".brightness +,"},
    /*  99 */ {"", "$#chr#(*)", "$chr(+)"},
    /* 100 */ {"", "$#rnd#(#+#;#+#)", "$rnd(+;+)"},
    /* 101 */ {"", "$#sub#(#+#)#=#*,", "\r\n$sub(+)=+\r\n"},
    /* 102 */ {"", "$#sub#(#+#)", "$sub(+)"},
};

std::string Readable(const char* pattern) {
  std::string s;
  for (const char* p = pattern; *p; ++p) {
    if (*p == '\xA3')
      s += '#';
    else if (*p == '\xA7')
      s += '~';
    else
      s += *p;
  }
  return s;
}

TEST(CommandTablesTest, EveryEntryIsSpelledExactly) {
  for (int i = 0; i < kCommandCount; ++i) {
    EXPECT_EQ(Readable(csvcom[i]), kExpected[i].csv) << "csvcom[" << i << "]";
    EXPECT_EQ(Readable(rwcom[i]), kExpected[i].rw) << "rwcom[" << i << "]";
    EXPECT_EQ(Readable(cleancom[i]), kExpected[i].clean) << "cleancom[" << i << "]";
  }
}

TEST(CommandTablesTest, SpecialBytesAreSingleLatin1Bytes) {
  int csvCount = 0, rwCount = 0, cleanCount = 0;
  for (int i = 0; i < kCommandCount; ++i) {
    for (const char* t : {csvcom[i], rwcom[i], cleancom[i]}) {
      EXPECT_LT(std::strlen(t), static_cast<size_t>(kCommandFieldSize)) << i;
      for (const char* p = t; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        // No UTF-8 lead bytes: only the two pattern bytes lie above 0x7F,
        // and capitals never occur in patterns.
        EXPECT_TRUE(c < 0x80 || c == 0xA3 || c == 0xA7) << i << ": " << t;
        if (t != cleancom[i]) {
          EXPECT_FALSE(c >= 'A' && c <= 'Z') << i << ": " << t;
        }
      }
    }
    csvCount += csvcom[i][0] != 0;
    rwCount += rwcom[i][0] != 0;
    cleanCount += cleancom[i][0] != 0;
  }
  EXPECT_EQ(csvCount, 99);
  EXPECT_EQ(rwCount, 83);
  EXPECT_EQ(cleanCount, 103);
}

TEST(CommandTablesTest, FreeObjectKeywordsInOrder) {
  const char* expected[] = {"train", "treno", "matrotabil", "zug",  "juna", "vehicle",
                            "engineer", "clag", "wagon", "coach", "sd40", "car"};
  for (int i = 0; i < kFreeObjKeywordCount; ++i) EXPECT_STREQ(freeobjkeyword[i], expected[i]) << i;
}

}  // namespace
