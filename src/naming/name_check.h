// The checks of a whole name as a parent reads it: what each character means, how the
// name sounds, and whether it sounds or reads like something no parent wants.
//
// CheckName(surname, given) returns findings with reasons, of four kinds:
//   - sound: three syllables of one tone; the same syllable twice in a row (张章, 李丽);
//     three syllables with one initial or one final (张振中). They make a name harder to
//     say, not unusable: a mode with an order of its own puts such names later;
//   - homophone: the name read without tones, whole or in part (the surname with the
//     first given character, the two given characters), is a word with a bad sense (李望生
//     往生, 朱甘 猪肝); a common word with a comic sense counts for the given name and the
//     whole name only (张博科 博客, but 张程 is no 章程); a polyphone is read as in names
//     and, where a reader may be unsure, in its other readings too (张发朝 发潮);
//   - meaning: the given name is a pair read badly (才傲, 鹤化, 月子), a plain everyday
//     word (大会, 工资), or holds a pairing one of its characters is flagged for;
//   - fame: the full name is a famous person's or a well-known character's (李逍遥), or the
//     given name alone evokes one with any surname (如花).
// Homophone, meaning and fame findings leave a name out of every mode (Refused).
//
// Data: tables zy (per candidate character: meaning, reading, tone class, polyphone flag,
// risky pairings) and mc (words by sound and by characters, famous names) of Pelvano.dll,
// the readings of word for every other character, and the surnames' own readings (table xs,
// naming/surname_reading.h: the surname of 曾思远 reads zēng, of 尉迟恭 yù chí, whatever the
// characters' readings elsewhere). NameChecker loads them
// once per process and folder (For); after that it only reads, so any thread may use it.
// A database without these tables gives a checker that knows readings only.
//
// A name here is any surname (one or two characters, or none) with a given name of one or
// two characters; a bare two-character word (a nickname) is checked with an empty surname.
#pragma once

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace velmora::naming {

enum class FindingKind { Sound, Homophone, Meaning, Fame };

struct Finding {
  FindingKind kind;
  QString text;  // the reason, as the report prints it: 谐音“往生”（佛教称死亡）
};

// One character of a name as the report shows it.
struct CharNote {
  QChar zi;
  QString reading;   // with tone mark, as read in names: sī
  QChar toneClass;   // 平 or 仄; null when the reading is unknown
  QString meaning;   // empty for characters without one (most surnames)
  bool polyphone = false;
  bool surnameReading = false;  // a surname character read as the surname (曾 zēng, 尉迟 yù chí)
};

struct NameCheck {
  QString surname, given;
  QList<CharNote> chars;   // the surname's characters, then the given name's
  QString tonePattern;     // one 平 or 仄 per character: 仄平平
  QList<Finding> findings;

  // A homophone, meaning or fame finding: the name is left out of the modes.
  bool Refused() const;
  bool HasSound() const;
  // One line for the status strip and `names --explain`: the meanings, the tone pattern
  // and the findings.
  QString Summary() const;
  // The lines of the analysis report's section after its heading.
  QStringList ReportLines() const;
  // The findings alone, each with its label: 【谐音】谐音“往生”（佛教称死亡）　【寓意】…
  QString LabelledFindings() const;
};

class NameChecker {
 public:
  // The checker of the databases in folder, loaded on first use and kept for the process.
  static std::shared_ptr<const NameChecker> For(const QString& folder);
  // Loads from Pelvano.dll in folder; tables that are missing stay empty.
  explicit NameChecker(const QString& folder);
  NameChecker() = default;  // knows nothing: finds nothing

  NameCheck Check(const QString& surname, const QString& given) const;
  // Check(...).Refused(), without writing any text: what the modes call for every name.
  bool Refuses(const QString& surname, const QString& given) const;
  // Refused and, for a name not refused, HasSound, without texts: what a mode with an order
  // of its own reads (the scan stops at the first refusing finding).
  struct Verdict {
    bool refused = false;
    bool sound = false;
  };
  Verdict Judge(const QString& surname, const QString& given) const;
  // What would embarrass a child in a nickname (乳名): a sound-alike of a word of bad sense
  // or of a flagged pairing, or a given name that evokes a figure (如花). Unlike a given
  // name, a nickname may be an everyday or comic word (土豆, 汤圆) or a famous person's
  // (康康). The reason, or empty.
  QString BadSense(const QString& surname, const QString& given) const;
  // How many common words and idioms hold the pair (春风 76, 思远 2); 0 below the bound
  // the data keeps. A pair that reads as a plain word rather than a name.
  int Wordiness(const QString& pair) const;

  struct Char {
    int syllable = -1;   // index into syllables_
    int tone = 5;
    QString reading, meaning;
    QChar toneClass;
    bool polyphone = false;
    QList<int> others;   // other readings a reader may give a polyphone (朝 cháo)
    QList<QPair<QString, QString>> risks;  // the word and its reason
  };
  struct Word {
    QString text, reason, kind;
  };

 private:
  struct Hit {
    FindingKind kind;
    int word = -1;      // index into words_, or -1
    QString detail;     // for sound and risk findings
  };
  template <typename Visit>
  void Scan(QStringView surname, QStringView given, bool wantSound, Visit&& visit) const;
  int SyllableId(const QString& toneless);
  void AddSoundWord(const QString& text, const QString& toneless, const QString& reason, const QString& kind);
  Finding Describe(const Hit& hit) const;
  // Character i of the surname as read in the surname (table xs: 曾 zēng, 尉 yù in 尉迟), or
  // nullptr when the surname is not listed and the character's own reading stands.
  const Char* SurnameChar(const QString& surname, int i) const;

  QHash<QChar, Char> chars_;
  QStringList syllables_;
  QHash<QString, int> syllableIds_;
  std::vector<Word> words_;
  QHash<quint64, int> bySound_;     // syllable key -> word
  QHash<QString, int> plain_;       // a given name that is this everyday word
  QHash<QString, int> pairs_;       // a given name read badly
  QHash<QString, int> famous_;      // full names
  QHash<QString, int> famousGiven_; // given names alone
  QHash<QString, int> famousPrefix_; // a surname with the first given character (毛泽)
  QHash<QString, int> wordiness_;
  QHash<QString, std::vector<Char>> surnames_;  // a listed surname, each character as read in it
};

// CheckName with the process's checker of folder.
NameCheck CheckName(const QString& surname, const QString& given, const QString& folder);

}  // namespace velmora::naming
