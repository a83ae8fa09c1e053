// The results grid RzStringGrid1 of list, idiom and 美名 mode, and the status strip at the
// bottom of the main window, both bound to the form FrmQiming.
//
// ResultsGrid is a table view over a model that reads the form's header and data rows, so
// a page of 500 rows costs one model reset. Selecting a row and double-clicking it reach
// the form's handlers (RzStringGrid1SelectCell, RzStringGrid1DblClick). StatusStrip shows
// the form's status text (where the selected 美名 name comes from) or, when there is none,
// the window's standing note.
#pragma once

#include "app/frm_qiming.h"

#include <QLabel>
#include <QTableView>

namespace velmora {

class ResultsGrid : public QTableView {
  Q_OBJECT

 public:
  ResultsGrid(FrmQiming& form, QWidget* parent);

  // Shows the form's rows as they are now.
  void Refresh();

 private:
  void SyncHeader();

  FrmQiming& form_;
  class Model;
  Model* model_;
  bool refreshing_ = false;  // the selection moves because the rows were replaced
  int shownRows_ = -1;       // what the view last showed of the form's row count and header
  QStringList shownHeader_;
};

class StatusStrip : public QLabel {
  Q_OBJECT

 public:
  StatusStrip(FrmQiming& form, QWidget* parent);

  // Shows the form's status text, shortened with an ellipsis when it is too long.
  void Refresh();

 private:
  FrmQiming& form_;
};

}  // namespace velmora
