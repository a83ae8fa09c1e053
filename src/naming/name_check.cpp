// The checks of a whole name: see name_check.h.
#include "naming/name_check.h"

#include "naming/pinyin.h"
#include "refdb/connection_text.h"
#include "refdb/query.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace velmora::naming {

namespace {

// Syllables of a stretch of the name packed into one key, 12 bits a syllable (there are
// about 400 toneless syllables), so a lookup hashes one integer.
quint64 SoundKey(const int* ids, int n) {
  quint64 key = 0;
  for (int i = 0; i < n; ++i) {
    if (ids[i] < 0) return 0;
    key = key * 4096 + static_cast<quint64>(ids[i] + 1);
  }
  return key;
}

const char16_t* ToneName(int tone) {
  switch (tone) {
    case 1: return u"阴平";
    case 2: return u"阳平";
    case 3: return u"上声";
    default: return u"去声";
  }
}

// Loads rows of one statement; a table the database does not hold gives none.
template <typename Row>
void ForEachRow(Query& q, const QString& sql, Row&& row) {
  try {
    q.SetSql(sql);
    q.Open();
  } catch (const std::exception&) {
    return;
  }
  for (q.First(); !q.Eof(); q.Next()) row(q);
  q.Close();
}

}  // namespace

bool NameCheck::Refused() const {
  for (const Finding& f : findings) {
    if (f.kind != FindingKind::Sound) return true;
  }
  return false;
}

bool NameCheck::HasSound() const {
  for (const Finding& f : findings) {
    if (f.kind == FindingKind::Sound) return true;
  }
  return false;
}

QString NameCheck::Summary() const {
  QStringList meanings;
  for (const CharNote& c : chars.mid(chars.size() - given.size())) {
    meanings << QString(c.zi) + c.reading + (c.meaning.isEmpty() ? QString() : QStringLiteral("：") + c.meaning);
  }
  QString out = meanings.join(QStringLiteral("；")) + QStringLiteral("　声调 ") + tonePattern;
  for (const Finding& f : findings) out += QStringLiteral("　") + f.text;
  return out;
}

namespace {

const char16_t* LabelOf(FindingKind kind) {
  switch (kind) {
    case FindingKind::Sound: return u"【读音】";
    case FindingKind::Homophone: return u"【谐音】";
    case FindingKind::Meaning: return u"【寓意】";
    case FindingKind::Fame: return u"【重名】";
  }
  return u"";
}

}  // namespace

QString NameCheck::LabelledFindings() const {
  QStringList out;
  for (const Finding& f : findings) out << QString::fromUtf16(LabelOf(f.kind)) + f.text;
  return out.join(QStringLiteral("　"));
}

QStringList NameCheck::ReportLines() const {
  QStringList lines;
  QStringList readings;
  for (qsizetype i = 0; i < chars.size(); ++i) {
    const CharNote& c = chars[i];
    readings << c.reading;
    QString line = QStringLiteral("【字义】") + c.zi + QStringLiteral("（") + c.reading;
    if (!c.toneClass.isNull()) line += QStringLiteral("，") + c.toneClass;
    if (c.polyphone) line += QStringLiteral("，多音字，名中读此音");
    if (c.surnameReading) line += QStringLiteral("，作姓氏读此音");
    line += QStringLiteral("）");
    if (!c.meaning.isEmpty()) line += QStringLiteral("：") + c.meaning;
    else if (i < surname.size()) line += QStringLiteral("：姓");
    lines << line;
  }
  lines << QStringLiteral("【声调】") + readings.join(QLatin1Char(' ')) + QStringLiteral("，") + tonePattern;
  for (const Finding& f : findings) lines << QString::fromUtf16(LabelOf(f.kind)) + f.text;
  if (!Refused()) lines << QStringLiteral("未发现不妥的谐音或寓意");
  return lines;
}

std::shared_ptr<const NameChecker> NameChecker::For(const QString& folder) {
  static std::mutex mutex;
  static std::map<QString, std::shared_ptr<const NameChecker>> loaded;
  const std::lock_guard<std::mutex> lock(mutex);
  auto& checker = loaded[folder];
  if (!checker) checker = std::make_shared<const NameChecker>(folder);
  return checker;
}

int NameChecker::SyllableId(const QString& toneless) {
  if (toneless.isEmpty()) return -1;
  const auto it = syllableIds_.constFind(toneless);
  if (it != syllableIds_.cend()) return it.value();
  syllables_ << toneless;
  return syllableIds_[toneless] = static_cast<int>(syllables_.size() - 1);
}

void NameChecker::AddSoundWord(const QString& text, const QString& toneless, const QString& reason, const QString& kind) {
  std::vector<int> ids;
  for (QStringView s : QStringView(toneless).split(u' ', Qt::SkipEmptyParts)) ids.push_back(SyllableId(s.toString()));
  if (ids.size() < 2 || ids.size() > 5) return;
  const quint64 key = SoundKey(ids.data(), static_cast<int>(ids.size()));
  if (bySound_.contains(key)) return;  // the first word of a reading stands for it
  words_.push_back({text, reason, kind});
  bySound_.insert(key, static_cast<int>(words_.size() - 1));
}

NameChecker::NameChecker(const QString& folder) {
  Query q(DbConnectionText(DbFile::Pelvano, folder));
  ForEachRow(q, QStringLiteral("select zi, pinyin from word"), [this](const Query& r) {
    const QString zi = r.AsText(0);
    const QString pinyin = r.AsText(1).section(QLatin1Char(' '), 0, 0);
    if (zi.size() != 1 || pinyin.isEmpty()) return;
    Char& c = chars_[zi.front()];
    c.reading = pinyin;
    c.tone = ToneOf(pinyin);
    c.toneClass = ToneClass(c.tone);
    c.syllable = SyllableId(Toneless(pinyin));
  });
  QList<QPair<QString, QString>> risks;
  ForEachRow(q, QStringLiteral("select zi, yy, dy, dyz, fx from zy"), [&](const Query& r) {
    const QString zi = r.AsText(0);
    if (zi.size() != 1) return;
    Char& c = chars_[zi.front()];
    c.meaning = r.AsText(1);
    if (const QString dy = r.AsText(2).trimmed(); !dy.isEmpty()) {
      c.reading = dy;
      c.tone = ToneOf(dy);
      c.toneClass = ToneClass(c.tone);
      c.syllable = SyllableId(Toneless(dy));
    }
    c.polyphone = r.AsInt(3) != 0;
    for (const QString& item : r.AsText(4).split(QChar(u'；'), Qt::SkipEmptyParts)) {
      const QString word = item.section(QLatin1Char(':'), 0, 0).section(QChar(u'：'), 0, 0).trimmed();
      const QString reason = item.mid(word.size() + 1).trimmed();
      if (word.size() >= 2) {
        c.risks.append({word, reason});
        risks.append({word, reason});
      }
    }
  });
  // The project's own lists first, then risky pairings, then the derived words of bad sense,
  // then the rest by count: where two words share a reading, the first stands for it.
  struct Row {
    QString ci, py, lb, yy;
    qint64 cs;
  };
  std::vector<Row> rows;
  ForEachRow(q, QStringLiteral("select ci, py, lb, yy, cs from mc"), [&](const Query& r) {
    rows.push_back({r.AsText(0), r.AsText(1), r.AsText(2), r.AsText(3), r.AsInt(4)});
  });
  auto add = [this](const Row& r) {
    const int index = static_cast<int>(words_.size());
    if (r.lb == QStringLiteral("reading")) {
      if (r.ci.size() == 1) chars_[r.ci.front()].others << SyllableId(r.py);
    } else if (r.lb == QStringLiteral("sound") || r.lb == QStringLiteral("comic") || r.lb == QStringLiteral("tease")) {
      AddSoundWord(r.ci, r.py, r.yy, r.lb);
    } else if (r.lb == QStringLiteral("common")) {
      wordiness_.insert(r.ci, static_cast<int>(r.cs));
    } else {
      QHash<QString, int>* into = r.lb == QStringLiteral("word")    ? &plain_
                                  : r.lb == QStringLiteral("pair")  ? &pairs_
                                  : r.lb == QStringLiteral("given") ? &famousGiven_
                                  : r.lb == QStringLiteral("prefix") ? &famousPrefix_
                                  : r.lb == QStringLiteral("fame")  ? &famous_
                                                                    : nullptr;
      if (!into || into->contains(r.ci)) return;
      words_.push_back({r.ci, r.yy, r.lb});
      into->insert(r.ci, index);
    }
  };
  for (const Row& r : rows) {
    if (r.cs == 0) add(r);
  }
  for (const auto& [word, reason] : risks) {
    QStringList syllables;
    for (QChar ch : word) syllables << syllables_.value(chars_.value(ch).syllable);
    if (!syllables.contains(QString())) AddSoundWord(word, syllables.join(QLatin1Char(' ')), reason, QStringLiteral("risk"));
  }
  for (const Row& r : rows) {
    if (r.cs != 0 && r.lb == QStringLiteral("sound")) add(r);
  }
  for (const Row& r : rows) {
    if (r.cs != 0 && r.lb != QStringLiteral("sound")) add(r);
  }
  // Last, when every character is complete: the listed surnames, each character as the
  // surname reads it (its meaning and other readings as the character has them).
  ForEachRow(q, QStringLiteral("select xing, pinyin from xs"), [this](const Query& r) {
    const QString xing = r.AsText(0);
    const QStringList syllables = r.AsText(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (xing.isEmpty() || syllables.size() != xing.size()) return;
    std::vector<Char> read;
    for (qsizetype i = 0; i < xing.size(); ++i) {
      Char c = chars_.value(xing[i]);
      c.reading = syllables[i];
      c.tone = ToneOf(c.reading);
      c.toneClass = ToneClass(c.tone);
      c.syllable = SyllableId(Toneless(c.reading));
      read.push_back(c);
    }
    surnames_.insert(xing, read);
  });
}

const NameChecker::Char* NameChecker::SurnameChar(const QString& surname, int i) const {
  // The whole surname first, so that a compound reads as one (尉迟 yù chí, though 尉 alone
  // is wèi); then the character alone.
  auto it = surnames_.constFind(surname);
  if (it != surnames_.cend()) return &it.value()[static_cast<std::size_t>(i)];
  if (surname.size() < 2) return nullptr;
  it = surnames_.constFind(QString(surname[i]));
  return it != surnames_.cend() ? &it.value().front() : nullptr;
}

int NameChecker::Wordiness(const QString& pair) const { return wordiness_.value(pair); }

// Walks the findings of a name in a fixed order (fame, meaning, homophone, then sound
// when asked), handing each to visit; visit returns true to stop.
template <typename Visit>
void NameChecker::Scan(QStringView surname, QStringView given, bool wantSound, Visit&& visit) const {
  const int n = static_cast<int>(surname.size() + given.size());
  if (given.isEmpty() || n > 5) return;
  // Every name of a run passes here: one copy of each text, each hash looked up once.
  const QString givenText = given.toString();
  const QString surnameText = surname.toString();
  const QString full = surnameText + givenText;
  if (const auto f = famous_.constFind(full); f != famous_.cend() && visit(Hit{FindingKind::Fame, f.value(), {}})) return;
  // A compound surname with the first given character may spell a famous name by itself:
  // 欧阳锋轩 holds 欧阳锋. (Two characters would catch too many ordinary names: 王维嘉.)
  if (given.size() == 2 && surname.size() >= 2) {
    if (const auto f = famous_.constFind(full.left(static_cast<int>(surname.size()) + 1));
        f != famous_.cend() && visit(Hit{FindingKind::Fame, f.value(), {}}))
      return;
  }
  // A surname with the first given character that evokes a family: 毛泽睿 (毛泽东's brothers).
  if (given.size() == 2) {
    if (const auto f = famousPrefix_.constFind(full.left(static_cast<int>(surname.size()) + 1));
        f != famousPrefix_.cend() && visit(Hit{FindingKind::Fame, f.value(), {}}))
      return;
  }
  if (const auto f = famousGiven_.constFind(givenText);
      f != famousGiven_.cend() && visit(Hit{FindingKind::Fame, f.value(), {}}))
    return;
  const auto pair = pairs_.constFind(givenText);
  if (pair != pairs_.cend() && visit(Hit{FindingKind::Meaning, pair.value(), {}})) return;
  if (const auto p = plain_.constFind(givenText); p != plain_.cend() && visit(Hit{FindingKind::Meaning, p.value(), {}}))
    return;
  // Two numerals make a number, not a name: 三千, 一百.
  static const QString kNumerals = QStringLiteral("零一二三四五六七八九十百千万亿两");
  if (given.size() == 2 && kNumerals.contains(given[0]) && kNumerals.contains(given[1]) &&
      visit(Hit{FindingKind::Meaning, -1, QStringLiteral("“%1”是数字，不像名字").arg(givenText)}))
    return;

  int ids[5];
  const Char* info[5];
  static const Char kUnknown;
  const int s = static_cast<int>(surname.size());
  for (int i = 0; i < n; ++i) {
    const Char* read = i < s ? SurnameChar(surnameText, i) : nullptr;
    const auto it = read ? chars_.cend() : chars_.constFind(full[i]);
    info[i] = read ? read : it == chars_.cend() ? &kUnknown : &it.value();
    ids[i] = info[i]->syllable;
  }
  // A pairing a given character is flagged for, spelt out in the name: each word once, and
  // not again when the name is a listed pair already.
  QStringList told;
  if (pair != pairs_.cend()) told << givenText;
  for (int i = s; i < n; ++i) {
    for (const auto& [word, reason] : info[i]->risks) {
      if (!full.contains(word) || told.contains(word)) continue;
      told << word;
      if (visit(Hit{FindingKind::Meaning, -1, QStringLiteral("“%1”：%2").arg(word, reason)})) return;
    }
  }
  // The stretches read as words: the whole name, the surname with the first given
  // character, the two given characters, the surname's last character with the first.
  struct Stretch {
    int from, length;
  } stretches[] = {{0, n}, {0, s + 1}, {s, static_cast<int>(given.size())}, {s - 1, 2}};
  int seen[4] = {-1, -1, -1, -1};
  for (int k = 0; k < 4; ++k) {
    const Stretch& st = stretches[k];
    if (st.from < 0 || st.length < 2 || st.from + st.length > n || (k > 0 && st.length == n)) continue;
    if (k == 3 && s == 1) continue;  // with one surname character it is the second stretch again
    // Every reading a reader may give the stretch: the name readings, and the other
    // readings of a polyphone a reader may be unsure of.
    auto w = bySound_.cend();
    int pick[5] = {0, 0, 0, 0, 0};
    for (;;) {
      int key[5];
      for (int j = 0; j < st.length; ++j) {
        const Char& c = *info[st.from + j];
        key[j] = pick[j] == 0 ? ids[st.from + j] : c.others[pick[j] - 1];
      }
      w = bySound_.constFind(SoundKey(key, st.length));
      if (w != bySound_.cend()) break;
      int j = 0;  // the next combination, as an odometer turns
      while (j < st.length && ++pick[j] > info[st.from + j]->others.size()) pick[j++] = 0;
      if (j == st.length) break;
    }
    if (w == bySound_.cend() || std::find(seen, seen + 4, w.value()) != seen + 4) continue;
    // A comic word counts when the given name or the whole name sounds like it, not the
    // surname with the first character: 张博科 is 博客, 张程 is not 章程.
    if ((k == 1 || k == 3) && words_[static_cast<std::size_t>(w.value())].kind == QStringLiteral("comic")) continue;
    seen[k] = w.value();
    const QString& text = words_[static_cast<std::size_t>(w.value())].text;
    // A word spelt out in the name and told above as a matter of meaning is not told again.
    const bool literal = full.contains(text);
    if (literal && told.contains(text)) continue;
    if (visit(Hit{FindingKind::Homophone, w.value(), literal ? QStringLiteral("literal") : QString()})) return;
  }
  if (!wantSound) return;

  for (int i = s; i < n; ++i) {
    // The same syllable twice in a row, from two characters: 张章, 李丽 (婷婷 is meant).
    if (i >= 1 && ids[i] >= 0 && ids[i] == ids[i - 1] && full[i] != full[i - 1]) {
      if (visit(Hit{FindingKind::Sound, -1,
                    QStringLiteral("“%1”两字同音（%2），读来拗口").arg(full.mid(i - 1, 2), syllables_.value(ids[i]))}))
        return;
    }
  }
  if (n < 3) return;
  bool oneTone = true, oneInitial = true, oneFinal = true;
  const QString initial0 = InitialOf(syllables_.value(ids[0]));
  const QString final0 = syllables_.value(ids[0]).mid(initial0.size());
  for (int i = 0; i < n; ++i) {
    if (ids[i] < 0) return;
    const QString& syllable = syllables_[ids[i]];
    const QString initial = InitialOf(syllable);
    oneTone = oneTone && info[i]->tone == info[0]->tone && info[i]->tone != 5;
    oneInitial = oneInitial && !initial0.isEmpty() && initial == initial0;
    oneFinal = oneFinal && syllable.mid(initial.size()) == final0;
  }
  if (oneTone && visit(Hit{FindingKind::Sound, -1, QStringLiteral("%1字都读%2，读来平板").arg(n).arg(QString::fromUtf16(ToneName(info[0]->tone)))}))
    return;
  if (oneInitial && visit(Hit{FindingKind::Sound, -1, QStringLiteral("%1字声母都是%2，读来拗口").arg(n).arg(initial0)})) return;
  if (oneFinal && visit(Hit{FindingKind::Sound, -1, QStringLiteral("%1字韵母都是%2，读来拗口").arg(n).arg(final0)})) return;
}

Finding NameChecker::Describe(const Hit& hit) const {
  if (hit.word < 0) return {hit.kind, hit.detail};
  const Word& w = words_[static_cast<std::size_t>(hit.word)];
  const QString why = w.reason.isEmpty() ? QString() : QStringLiteral("（%1）").arg(w.reason);
  if (w.kind == QStringLiteral("fame")) return {hit.kind, QStringLiteral("与“%1”同名%2").arg(w.text, why)};
  if (w.kind == QStringLiteral("given") || w.kind == QStringLiteral("prefix"))
    return {hit.kind, QStringLiteral("“%1”令人想到%2").arg(w.text, w.reason)};
  if (w.kind == QStringLiteral("pair")) return {hit.kind, QStringLiteral("“%1”：%2").arg(w.text, w.reason)};
  if (w.kind == QStringLiteral("word")) return {hit.kind, QStringLiteral("“%1”是常用词%2").arg(w.text, why)};
  return {hit.kind, (hit.detail.isEmpty() ? QStringLiteral("谐音“%1”%2") : QStringLiteral("含“%1”%2")).arg(w.text, why)};
}

NameCheck NameChecker::Check(const QString& surname, const QString& given) const {
  NameCheck out;
  out.surname = surname;
  out.given = given;
  const QString full = surname + given;
  for (qsizetype i = 0; i < full.size(); ++i) {
    const QChar ch = full[i];
    const Char* read = i < surname.size() ? SurnameChar(surname, static_cast<int>(i)) : nullptr;
    const auto it = chars_.constFind(ch);
    CharNote note{ch, {}, {}, {}, false};
    // A surname read as a surname: the meaning the character has in given names is not its.
    if (read) note = {ch, read->reading, read->toneClass, QString(), false, true};
    else if (it != chars_.cend()) note = {ch, it->reading, it->toneClass, it->meaning, it->polyphone};
    out.chars << note;
    out.tonePattern += note.toneClass.isNull() ? QChar(u'？') : note.toneClass;
  }
  Scan(surname, given, true, [&](const Hit& hit) {
    out.findings << Describe(hit);
    return false;
  });
  return out;
}

bool NameChecker::Refuses(const QString& surname, const QString& given) const {
  bool refused = false;
  Scan(surname, given, false, [&](const Hit& hit) { return refused = hit.kind != FindingKind::Sound; });
  return refused;
}

QString NameChecker::BadSense(const QString& surname, const QString& given) const {
  QString reason;
  Scan(surname, given, false, [&](const Hit& hit) {
    // Only sound-alikes of bad senses, and given names that evoke a figure (如花). A
    // nickname may share a famous person's (康康, 小鱼儿) or spell out a food (汤圆) harmlessly.
    if (hit.word < 0) return false;
    const Word& w = words_[static_cast<std::size_t>(hit.word)];
    // A listed pair is told instead of its sound-alike; it counts when the pair is also a
    // word of bad sense (小三), not when it is only an everyday word (元宵, 芒果).
    const bool badPair = w.kind == QStringLiteral("pair") && std::any_of(words_.cbegin(), words_.cend(), [&w](const Word& o) {
                           return o.kind == QStringLiteral("sound") && o.text == w.text;
                         });
    if (!badPair && w.kind != QStringLiteral("sound") && w.kind != QStringLiteral("risk") && w.kind != QStringLiteral("given"))
      return false;
    reason = Describe(hit).text;
    return true;
  });
  return reason;
}

NameChecker::Verdict NameChecker::Judge(const QString& surname, const QString& given) const {
  Verdict v;
  Scan(surname, given, true, [&](const Hit& hit) {
    (hit.kind == FindingKind::Sound ? v.sound : v.refused) = true;
    return v.refused;
  });
  return v;
}

NameCheck CheckName(const QString& surname, const QString& given, const QString& folder) {
  return NameChecker::For(folder)->Check(surname, given);
}

}  // namespace velmora::naming
