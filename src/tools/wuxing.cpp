// The five-element lookup window: see wuxing.h.
#include "tools/wuxing.h"

#include "refdb/errors.h"
#include "refdb/lookups.h"
#include "text/gbk.h"

namespace velmora::tools {

// The input used to be read two bytes at a time, so one Latin letter or digit shifted every
// later pair and they were looked up as unrelated characters. It is read by characters.
QString ElementsOf(const QString& t, Query& adoTem) {
  QString result;
  int count = 0;
  for (char32_t c : t.toUcs4()) {
    if (++count > kWuxingCharacters) break;
    if (QChar::script(c) != QChar::Script_Han) continue;
    result += MainLookupWuxing(adoTem, QString::fromUcs4(&c, 1));
  }
  return result;
}

TFrmWuxing::TFrmWuxing(WuxingUi& ui, Query& adoTem) : ui_(ui), adoTem_(adoTem) {}

void TFrmWuxing::Image3Click() {
  RunHandler(ui_, [this] {
    const QString t = text::Trim(Wuxing);
    if (t.isEmpty()) return;
    Reswu = ElementsOf(t, adoTem_);
  });
}

void TFrmWuxing::Image4Click() {
  RunHandler(ui_, [this] { ui_.CloseWindow(); });
}

}  // namespace velmora::tools
