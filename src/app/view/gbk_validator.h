// An edit's limit in GBK bytes, as the windows' name boxes have it: typed text of at most
// max bytes, a Chinese character counting two. Text the form sets is not typed and is not
// checked.
#pragma once

#include "text/gbk.h"

#include <QValidator>

namespace velmora {

class GbkLengthValidator : public QValidator {
 public:
  GbkLengthValidator(int max, QObject* parent) : QValidator(parent), max_(max) {}
  State validate(QString& input, int& /*pos*/) const override {
    return text::GbkLength(input) <= max_ ? Acceptable : Invalid;
  }

 private:
  int max_;
};

}  // namespace velmora
