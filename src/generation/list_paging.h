// The paging of the results grid: which records of the open statement each page shows.
//
// A result that fits on one page (fewer rows than the page size) is shown in the order the
// database returns it. A larger one is shown in random order, a page at a time, each page
// drawn without replacement from the records not shown yet, so that over the pages every
// record is shown exactly once and "继续显示" ends when the last one has been. One generator,
// seeded once per statement, makes the draws. An ordered result (美名模式, most attested
// first) is paged in its own order whatever its size, or in an order given as a list of
// records (美名模式 orders its rows itself and leaves some out).
//
// Records are numbered from 1, as the query numbers them.
#pragma once

#include <QtGlobal>

#include <random>
#include <vector>

namespace velmora {

class ListPaging {
 public:
  int TotalFound = 0;              // rows of the statement
  int ShownCount = 0;              // records shown since the statement was opened
  int RetryLimit = 0;              // redraws a pick may take; drawing from the unshown needs none
  std::vector<int> ShownRecords;   // the records shown, in the order shown

  // A new statement of totalFound rows. ordered: page in the statement's order.
  void Start(int totalFound, bool ordered, quint64 seed);
  // A new statement whose records are paged in the order given (TotalFound its size).
  void StartInOrder(std::vector<int> records);

  // Starts the next page; returns its length, the smaller of pageSize and TotalFound (the
  // page ends early when the last record has been drawn).
  int BeginPage(int pageSize);
  // The next record of the page, now counted as shown. Only while !AllShown().
  int Draw();

  bool AllShown() const { return ShownCount >= TotalFound; }

 private:
  bool ordered_ = false;
  bool inOrder_ = false;      // the current page takes the records in order
  std::mt19937_64 generator_;
  std::vector<int> unshown_;  // records not shown yet, when drawing at random
  std::vector<int> order_;    // the records in the order given, when one was
};

}  // namespace velmora
