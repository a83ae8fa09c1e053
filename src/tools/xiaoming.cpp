// The 小名 window: see xiaoming.h.
#include "tools/xiaoming.h"

#include "naming/name_check.h"
#include "refdb/connection_text.h"
#include "refdb/query.h"
#include "text/gbk.h"

#include <QSet>

namespace velmora::tools {

std::vector<CuratedNickname> LoadCuratedNicknames(const QString& folder) {
  Query q(DbConnectionText(DbFile::Pelvano, folder));
  q.SetSql(QStringLiteral("select nickname, xb, meaning from xiaoming order by px"));
  q.Open();
  std::vector<CuratedNickname> out;
  for (q.First(); !q.Eof(); q.Next()) out.push_back({q.AsText(u"nickname"), q.AsText(u"xb"), q.AsText(u"meaning")});
  return out;
}

NicknameSources LoadNicknameSources(const QString& folder) {
  NicknameSources s;
  s.curated = LoadCuratedNicknames(folder);
  const std::shared_ptr<const naming::NameChecker> checker = naming::NameChecker::For(folder);
  s.meaningOf = [checker](const QString& c) {
    const naming::NameCheck check = checker->Check(QString(), c);
    return check.chars.isEmpty() ? QString() : check.chars.front().meaning;
  };
  // A nickname of three characters is read like a whole name (小鱼儿 as 小 + 鱼儿), so the
  // whole-name jokes count too.
  s.check = [checker](const QString& nickname) {
    return nickname.size() > 2 ? checker->BadSense(nickname.left(1), nickname.mid(1)) : checker->BadSense(QString(), nickname);
  };
  return s;
}

NicknameResult MakeNicknames(const QString& given, bool male, const NicknameSources& sources) {
  QStringList chars;  // the given name's Chinese characters, each once
  for (char32_t c : given.toUcs4()) {
    const QString one = QString::fromUcs4(&c, 1);
    if (QChar::script(c) == QChar::Script_Han && !chars.contains(one)) chars << one;
  }
  std::vector<Nickname> candidates;
  for (const QString& c : chars) {
    const QString meaning = sources.meaningOf ? sources.meaningOf(c) : QString();
    const QString tail = meaning.isEmpty() ? QString() : QStringLiteral("：") + meaning;
    candidates.push_back({c + c, QStringLiteral("叠字"), QStringLiteral("叠用名中的“%1”，叫起来亲昵%2").arg(c, tail)});
    candidates.push_back({QStringLiteral("小") + c, QStringLiteral("小字"), QStringLiteral("小加名中的“%1”，亲切娇小%2").arg(c, tail)});
    candidates.push_back({QStringLiteral("阿") + c, QStringLiteral("阿字"), QStringLiteral("阿加名中的“%1”，南方常见的亲昵叫法%2").arg(c, tail)});
  }
  const QString sex = male ? QStringLiteral("男") : QStringLiteral("女");
  std::vector<Nickname> sharing, others;
  for (const CuratedNickname& n : sources.curated) {
    if (n.xb != sex && n.xb != QStringLiteral("1")) continue;
    const bool shares = std::any_of(chars.cbegin(), chars.cend(), [&n](const QString& c) { return n.nickname.contains(c); });
    (shares ? sharing : others).push_back({n.nickname, QStringLiteral("常用小名"), n.meaning});
  }
  candidates.insert(candidates.end(), sharing.begin(), sharing.end());
  candidates.insert(candidates.end(), others.begin(), others.end());

  NicknameResult result;
  QSet<QString> seen;
  for (Nickname& n : candidates) {
    if (seen.contains(n.text)) continue;
    seen.insert(n.text);
    const QString reason = sources.check ? sources.check(n.text) : QString();
    if (!reason.isEmpty()) {
      result.refused << n.text + QStringLiteral("：") + reason;
      continue;
    }
    result.nicknames.push_back(std::move(n));
  }
  return result;
}

QString NicknameLine(const Nickname& n) { return n.text + u'\t' + n.source + u'\t' + n.meaning; }

TFrmXiaoming::TFrmXiaoming(Ui& ui, std::function<NicknameSources()> makeSources)
    : ui_(ui), makeSources_(std::move(makeSources)) {}

void TFrmXiaoming::FormShow() {
  RunHandler(ui_, [this] {
    sources_ = makeSources_();
    loaded_ = true;
  });
  if (loaded_) BtnMakeClick();
}

void TFrmXiaoming::BtnMakeClick() {
  RunHandler(ui_, [this] {
    if (!loaded_) return;
    const QString given = text::Trim(EditMing);
    const NicknameResult r = MakeNicknames(given, CBsexIndex == 0, sources_);
    ListNames = r.nicknames;
    ListNamesIndex = -1;  // nothing chosen: 复制 copies the whole list
    LabelStatus = QStringLiteral("共 %1 个小名").arg(ListNames.size());
    if (!r.refused.isEmpty()) {
      LabelStatus += QStringLiteral("；%1 个读音或含义不妥，已略去（%2）")
                         .arg(r.refused.size())
                         .arg(r.refused.mid(0, 3).join(QStringLiteral("；")) + (r.refused.size() > 3 ? QStringLiteral("…") : QString()));
    }
    if (given.isEmpty()) LabelStatus = QStringLiteral("未输入名字，只列出常用小名。") + LabelStatus;
  });
}

void TFrmXiaoming::BtnCopyClick() {
  RunHandler(ui_, [this] {
    if (ListNames.empty()) return;
    if (ListNamesIndex >= 0 && ListNamesIndex < static_cast<int>(ListNames.size())) {
      ui_.SetClipboardText(ListNames[static_cast<std::size_t>(ListNamesIndex)].text);
      return;
    }
    QStringList lines;
    for (const Nickname& n : ListNames) lines << NicknameLine(n);
    ui_.SetClipboardText(lines.join(u'\n'));
  });
}

}  // namespace velmora::tools
