// The state of the main window's controls, as the naming modes read and change them.
// Plain data: the form owns it, the view renders it, tests set and read it.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

struct EditState {
  QString text;
  bool enabled = true;
  bool visible = true;
};

struct ComboState {
  QStringList items;
  int index = -1;  // the selected item; -1 when none
  QString text;    // what the box shows (an editable box may hold typed text)
  bool enabled = true;
  bool visible = true;

  // Selects item i and shows its text.
  void Select(int i) {
    index = (i >= 0 && i < items.size()) ? i : -1;
    text = index >= 0 ? items[index] : QString();
  }
};

struct CheckState {
  bool checked = false;
  bool enabled = true;
  bool visible = true;
};

// The naming inputs of the main window.
struct NamingControls {
  EditState Xing;        // surname
  ComboState CBsex;      // 男 / 女
  ComboState ComDate;    // 公历 / 农历
  ComboState SYear, SMonth, Sday, Shour, CBFen;
  ComboState CBXingshi;  // 双字名 / 单字名
  ComboState CBCode;     // 电脑全自动 and the stroke plans
  ComboState CBdijizi;   // 第二字 / 第三字
  EditState Gudingzi;    // fixed character, at most 2 bytes
  CheckState CBFeeXX;    // only plans of at least ZuidiFee points
  EditState ZuidiFee;
  CheckState CBInitFee;  // names of at least Sorcss points go to the high-score list
  EditState Sorcss;

  // The defaults every start begins with.
  static NamingControls Defaults();
};

inline constexpr const char16_t* kAllPlans = u"电脑全自动";

}  // namespace velmora
