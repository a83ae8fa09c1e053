// The information window "人工起名服务" opened from the toolbar item 服务: static text that
// explains what a personal naming consultation involves and how this program's analyses
// can serve one. Velmora itself offers no such service, and the text says so.
#pragma once

#include <QDialog>

namespace velmora {

class ServiceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ServiceDialog(QWidget* parent = nullptr);
};

}  // namespace velmora
