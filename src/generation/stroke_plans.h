// Stroke plans: the best stroke combinations of table zh for the current surname and name
// form, listed in CBCode after "电脑全自动".
//
// A plan item reads like 7|10-6(80分): the surname's strokes, the given-name strokes and the
// plan score. PlanKind is the zh shape code lx: surname characters × 10 + given-name
// characters (11, 12, 21, 22).
#pragma once

#include "generation/controls.h"
#include "refdb/query.h"

#include <QString>

namespace velmora {

// A surname is one character when its trimmed text is exactly 2 GBK bytes; any other
// length is read as two characters, bytes 1-2 and 3-4.
bool IsSingleSurname(const QString& trimmedSurname);

// lx of a surname and the CBXingshi index (0 双字名, 1 单字名).
int PlanKindOf(const QString& trimmedSurname, int xingshiIndex);

// The item text of one plan row; bh21, bh22 and zf as the row's trimmed texts.
QString PlanItemText(int planKind, int s1, int s2, const QString& bh21, const QString& bh22, const QString& zf);

// Refills CBCode for the trimmed surname from the current settings, on ADOTem. Throws
// DbError when the statement cannot be opened (CBCode then keeps its items) and
// NotAnInteger when ZuidiFee holds no integer.
void LoadStrokePlans(NamingControls& controls, Query& adoTem, const QString& surname, int* planKind);

// A plan item read back: the given-name strokes and the score tag "(80分)".
struct PlanItem {
  int first = 0;
  int second = 0;  // 0 for a one-character given name
  QString tag;
};

// Reads a plan item. twoChars: CBXingshi is "双字名". Throws NotAnInteger when the
// numbers cannot be read.
PlanItem ReadPlanItem(const QString& itemText, bool twoChars);

// An integer typed into a box, as StrToInt reads it; throws NotAnInteger otherwise.
int StrToInt(const QString& text);
bool IsInteger(const QString& text);

class NotAnInteger : public std::exception {
 public:
  explicit NotAnInteger(QString text) : message_(QStringLiteral("“%1”不是有效的整数").arg(text).toStdString()) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

}  // namespace velmora
