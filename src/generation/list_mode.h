// List mode and idiom mode: one statement that joins the best stroke plans of zh with the
// candidate characters of word, shown in the results grid a page at a time.
//
// The statement is one of four base texts, chosen by the byte length of the surname as
// typed (2 or 4 GBK bytes; any other length builds nothing) and by the name form, filled
// with TopPlans, the surname's strokes and ScoreFloor, then followed by the sex piece, the
// fixed-character piece, the stroke conditions of a chosen plan and, in idiom mode, the
// condition that each given-name character occurs in IdiomList. Pieces are joined without
// blanks ("and b.bh = 10and c.bh = 6"): the query layer reads the number and the keyword
// apart.
#pragma once

#include "generation/controls.h"
#include "generation/name_filter.h"
#include "refdb/query.h"

#include <QString>

namespace velmora {

// What a list, idiom or 美名 run reads from the main window.
struct ListInputs {
  QString xing;             // Xing as typed: its untrimmed byte length picks the statement
  bool male = true;         // CBsex "男"
  bool twoChars = true;     // CBXingshi "双字名"
  QString fixed;            // trimmed Gudingzi
  bool fixedSecond = true;  // CBdijizi "第二字"
  bool scoreBound = true;   // CBFeeXX
  QString lowest;           // ZuidiFee text
  QString plan;             // trimmed CBCode text
  NameFilter filter;        // the names shown pass it (set by the caller; keeps all by default)

  static ListInputs From(const NamingControls& c);
  QString Surname() const;  // the trimmed surname
};

// The plan score must exceed this: ZuidiFee − 1 when CBFeeXX is checked, else 60. Throws
// NotAnInteger for a checked box with a text that is not an integer.
int ScoreFloorOf(bool scoreBound, const QString& lowest);

// Plans the inner statement takes: 500 for one-character given names, 50 for two, 500 with
// a fixed character.
int TopPlansOf(bool twoChars, const QString& fixed);

// Redraws allowed per random pick: 2 above 50,000 rows, 3 above 10,000, else 5.
int RetryLimitOf(int totalFound);

// The details of one surname character for the grid; 0 and empty when not found.
struct SurnameChar {
  int bh = 0;
  QString ft, wuhang, pinyin;
};
struct SurnameInfo {
  SurnameChar first, second;  // second: 0 and empty for a one-character surname
};

// Reads SurnameInfo on adoTem: the first character from bytes 1-2 of the trimmed surname,
// the second from bytes 3-4 when the surname as typed is exactly 4 bytes. Throws DbError.
SurnameInfo ReadSurnameInfo(Query& adoTem, const ListInputs& in);

// The sex piece, for one- or two-character given names. Both characters of a two-character
// given name must suit the child's sex; a fixed character (fixedFirst: at 第二字, else at
// 第三字) is the parent's choice and exempt, so only the other one is tested.
QString ListSexPiece(bool twoChars, bool male, const QString& fixed = QString(), bool fixedFirst = true);

// The statement of list mode (idiomText null) or idiom mode; b and c are the given-name
// strokes of a chosen plan (0 for none). Empty when the surname as typed is neither 2 nor 4
// bytes long.
QString ListStatement(const ListInputs& in, const SurnameInfo& s, int topPlans, int scoreFloor, int b, int c,
                      const QString* idiomText);

// The high-score list item of a row: 张思远(76) in list and idiom mode; with fen, as 美名模式
// writes it like the poetry modes, 张思远(76分).
QString ListItemText(const QString& surname, const QString& given, qint64 zf, bool fen = false);

}  // namespace velmora
