// TFrmWuxing, the five-element lookup window "五行查询(最多可以输入5个字)", as a form: the
// input Wuxing (at most 10 bytes), the result Reswu, and its two picture buttons.
//
// The input is read character by character: each of its first five characters that is a
// Chinese character adds its element from the main window's lookup (simplified form, then
// traditional); any other character, and a character the lookup does not know, adds
// nothing. So a金b木 gives 金木.
#pragma once

#include "refdb/query.h"
#include "refdb/ui.h"

#include <QString>

namespace velmora::tools {

inline constexpr const char16_t* kWuxingCaption = u"五行查询(最多可以输入5个字)";
inline constexpr int kWuxingInputBytes = 10;  // five Chinese characters
inline constexpr int kWuxingCharacters = 5;

// The dialogs of the window.
class WuxingUi : public Ui {
 public:
  virtual void CloseWindow() = 0;
};

// The elements of the first five characters of t, side by side (see the file comment).
// Failures of the lookup reach the caller.
QString ElementsOf(const QString& t, Query& adoTem);

class TFrmWuxing {
 public:
  // adoTem: the main window's short-lookup query; it must outlive the form.
  TFrmWuxing(WuxingUi& ui, Query& adoTem);

  QString Wuxing;  // the input
  QString Reswu;   // the result

  void Image3Click();  // look up; an empty input leaves Reswu as it is
  void Image4Click();  // close

 private:
  WuxingUi& ui_;
  Query& adoTem_;
};

}  // namespace velmora::tools
