// TFrmXiaoming, the 小名 window, as a form: from the surname, the given name and the sex it
// proposes nicknames (乳名) with a line on each, leaves out any that reads badly, and copies
// the chosen one to the clipboard.
//
// The proposals, in order: each character of the given name doubled (清清), after 小 (小清)
// and after 阿 (阿清); then the curated nicknames of table xiaoming in Pelvano.dll that suit
// the sex (男, 女 or 1 for both), those sharing a character with the given name first. Every
// proposal passes the same homophone and meaning checks as a name; one with a finding is
// left out, and the status line says how many were.
#pragma once

#include "refdb/ui.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace velmora::tools {

inline constexpr char16_t kXiaomingCaption[] = u"小名";

struct CuratedNickname {
  QString nickname;
  QString xb;  // 男, 女 or 1
  QString meaning;
};

// Table xiaoming of Pelvano.dll in `folder`, in its order. Throws DbError.
std::vector<CuratedNickname> LoadCuratedNicknames(const QString& folder);

struct Nickname {
  QString text;     // 清清
  QString source;   // 叠字, 小字, 阿字 or 常用小名
  QString meaning;  // one line
};

// What the proposals draw on besides the inputs: the meaning of a name character (empty
// when unknown) and the check of a nickname (the reason it reads badly, empty when it
// reads well).
struct NicknameSources {
  std::vector<CuratedNickname> curated;
  std::function<QString(const QString& character)> meaningOf;
  std::function<QString(const QString& nickname)> check;
};

// The sources as the window and the command line use them, from the databases in
// `folder`: the curated list, the name characters' meanings and the name checks. Throws
// DbError when the curated list cannot be read.
NicknameSources LoadNicknameSources(const QString& folder);

struct NicknameResult {
  std::vector<Nickname> nicknames;
  QStringList refused;  // "小三：…" for each left out
};

// The proposals for a given name (its Chinese characters; anything else is skipped) and
// a sex; see the file comment.
NicknameResult MakeNicknames(const QString& given, bool male, const NicknameSources& sources);

// One line of the list as it is copied and printed: 清清\t叠字\t…
QString NicknameLine(const Nickname& n);

class TFrmXiaoming {
 public:
  // `makeSources` is called once, when the window first shows.
  TFrmXiaoming(Ui& ui, std::function<NicknameSources()> makeSources);

  QString EditXing;       // 姓
  QString EditMing;       // 名
  QStringList CBsexItems{QStringLiteral("男"), QStringLiteral("女")};
  int CBsexIndex = 0;
  std::vector<Nickname> ListNames;
  int ListNamesIndex = -1;
  QString LabelStatus;

  void FormShow();      // loads the sources and proposes for the inputs the window opened with
  void BtnMakeClick();  // 生成小名
  void BtnCopyClick();  // 复制: the chosen nickname, or the whole list when none is chosen

 private:
  Ui& ui_;
  std::function<NicknameSources()> makeSources_;
  NicknameSources sources_;
  bool loaded_ = false;
};

}  // namespace velmora::tools
