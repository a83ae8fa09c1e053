// TFrmQiming's 用字 (不要的字 / 想要的字): the dialog's handlers, the check before a run, and
// the filter every naming run's names pass. See frm_qiming.h and generation/char_wishes.h.
#include "app/frm_qiming.h"
#include "app/program_settings.h"
#include "text/gbk.h"

namespace velmora {

void FrmQiming::BtnYongziClick() {
  RunHandler([this] {
    ui_.EditCharWishes(wishes, [this](const QString& avoid, const QString& want) { return SetCharWishes(avoid, want); });
  });
}

bool FrmQiming::SetCharWishes(const QString& avoidText, const QString& wantText) {
  bool taken = false;
  RunHandler([&] {
    CharWishes read;
    QString why = ReadCharWishes(avoidText, wantText, &read);
    if (why.isEmpty()) why = UnproposableWanted(*ADOTem, read);
    if (!why.isEmpty()) {
      ui_.ShowNotice(why);
      return;
    }
    wishes = read;
    taken = true;
    if (!KeepWishes(settingsFile, wishes))
      ui_.ShowNotice(QStringLiteral("用字已设置，但无法保存到设置文件“%1”，下次启动时需要重新填写。").arg(settingsFile));
  });
  return taken;
}

bool FrmQiming::WishesAllowRun() {
  if (wishes.IsEmpty()) return true;
  // Poetry and 组合 mode do not use the fixed character.
  const bool usesFixed = mode != NamingMode::Poetry && mode != NamingMode::Zuhe;
  const QString why = WishesBlockRun(*ADOTem, wishes, controls.CBsex.index != 1,
                                     usesFixed ? text::Trim(controls.Gudingzi.text) : QString());
  if (why.isEmpty()) return true;
  ui_.ShowNotice(why);
  return false;
}

NameFilter FrmQiming::NamingFilter() const { return NameFilter::ForFolder(folder_).WithWishes(wishes); }

}  // namespace velmora
