// Poetry mode: given names whose every character occurs in a collected text (poems chosen
// from the library, or any text the user typed in 组合模式), suits the child's sex and
// forms with the surname a stroke combination of table zh scored within the bounds.
//
// One statement does the work. Its character source X keeps the characters of word that
// the collected text contains ('<text>' Like '%'+ zi+ '%', answered by the query layer's
// containment index), joins one or two of them with zh, and the wrapper orders the names
// by score, best first. The collected text enters the statement only as a quoted literal,
// outside the part that is formatted, so no text can change the statement.
#pragma once

#include "generation/controls.h"
#include "generation/name_filter.h"
#include "refdb/query.h"

#include <QString>

#include <atomic>
#include <functional>
#include <vector>

namespace velmora {

// The most collected text a run takes (UTF-8 bytes): about 340,000 characters, some 150
// times the longest poem of the library. The whole text enters the statement and the
// source index, so a larger one would cost memory and time out of all proportion; the
// window and the command line refuse it with kCollectedTooLong and keep it as it is.
constexpr qsizetype kMaxCollectedBytes = 1024 * 1024;
inline constexpr char16_t kCollectedTooLong[] = u"已选诗词或输入的文字超过 1 MB，请删减后再取名。";
bool CollectedTextTooLong(const QString& text);

// What a poetry run reads from the main window.
struct PoetryInputs {
  QString surname;              // trimmed Xing
  bool male = true;             // CBsex "男" (index 0)
  bool twoChars = true;         // CBXingshi "双字名"
  bool floorChecked = true;     // CBFeeXX
  QString zuidiFee = QStringLiteral("60");  // ZuidiFee, as the mode switch sets it
  QString text;                 // the whole collected text MemoYixuan
  NameFilter filter;            // names it refuses are left out

  static PoetryInputs From(const NamingControls& c, const QString& collected);
};

// The sex clause G.
QString PoetrySexClause(bool male, bool twoChars);

// The statement of a run, wrapped and ready to open: s1 and s2 are the surname characters'
// strokes (s2 = 0 for a one-character surname), scoreFloor the bound names must exceed.
QString PoetryStatement(const PoetryInputs& in, int s1, int s2, int scoreFloor);

// One name as the list shows it, 张明月(76分), with the line of the text it was drawn from.
struct PoetryName {
  QString item;
  QString given;   // 明月
  QString source;  // 床前明月光，疑是地上霜。
};

// Reorders a list of given names of one score so that the characters vary: the statement
// returns ties in join order, which puts names of one character together (张朝博, 张程博,
// 张登博 …). A name's round is the later of its places among the names of its first
// character and among those of its last; names come round by round, in their order within
// a round. Returns the indexes of givens in the new order.
std::vector<int> VaryTies(const QStringList& givens);

enum class PoetryOutcome { Names, NoneFound, Failed };

// One poetry run (the collected text must hold more than blanks). Looks the surname up on
// adoTem, then, in order: clearList() empties the list, the score floor is read
// (ZuidiFee - 1 when checked, else 60), the statement is opened on adoFenxi and each row is
// handed to emitName, best first, testing running before each. Names the filter refuses
// are left out, and names of one score come in VaryTies order. NoneFound: the statement
// gave no row, or none the filter keeps, and both queries are closed. Failed: something
// failed on the way; the names handed on so far stay. adoFenxi is closed at the end.
PoetryOutcome MakePoetryNames(const PoetryInputs& in, Query& adoTem, Query& adoFenxi, const std::atomic<bool>& running,
                              const std::function<void()>& clearList,
                              const std::function<void(const PoetryName&)>& emitName);

}  // namespace velmora
