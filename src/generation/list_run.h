// One run of list, idiom or 美名 mode: the statement on ADOFenxi, its paging, and the
// cells of the results grid.
//
// A grid row has nine cells: 编号, 名称 (surname and given name), 繁体字 (first traditional
// form of each character), 拼音 (surname, "-", the given name's syllables joined by "-": zhāng-sī-yuǎn),
// 五行, 笔画 (the surname's strokes, then each given-name character's, comma-separated),
// 五格, 三才, 分数.
#pragma once

#include "generation/list_mode.h"
#include "generation/list_paging.h"
#include "refdb/query.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace velmora {

// MakeListNames' mode: 0 list, 1 idiom, 2 美名.
enum class ListKind { List = 0, Idiom = 1, Meiming = 2 };

using GridRow = std::array<QString, 9>;

class ListRun {
 public:
  int ScoreFloor = 0;
  int TopPlans = 0;
  SurnameInfo surnameInfo;
  ListPaging paging;  // TotalFound, ShownCount, RetryLimit, ShownRecords

  // Builds the statement of the mode, opens it on adoFenxi (the surname's details read on
  // adoTem) and starts the paging with a generator seeded by seed; returns TotalFound.
  // Throws on every failure: SilentStop when the surname's length builds no statement,
  // NotAnInteger for an unreadable bound or plan, DbError from the database.
  int Open(ListKind kind, const ListInputs& in, Query& adoTem, Query& adoFenxi, quint64 seed);

  // Fills the next page into rows and sources (one per grid data row, from the first),
  // calling shown(item, zf) for each row. Records the run's filter refuses are passed
  // over: they count as shown but take no row. Throws what the query or shown throws; the
  // rows filled so far stay.
  void FillPage(Query& adoFenxi, int pageSize, std::vector<GridRow>& rows, QStringList& sources,
                const std::function<void(const QString& item, qint64 zf)>& shown);

  // The cells of the current record for grid row number.
  GridRow Cells(const Query& q, int number) const;
  // The source line of the current record in 美名模式, else empty.
  QString Source(const Query& q) const;
  // The high-score list item of the current record: 张思远(76).
  QString Item(const Query& q) const;
  // The surname of the run and the filter its names pass.
  const QString& Surname() const { return surname_; }
  const NameFilter& Filter() const { return filter_; }

 private:
  QString surname_;      // the trimmed surname of the run
  bool sources_ = false; // the rows carry a poem (美名, two-character given names)
  bool meiming_ = false; // 美名 items carry 分, as the poetry modes write them
  NameFilter filter_;
};

}  // namespace velmora
