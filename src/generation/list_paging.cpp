// The paging of the results grid: see list_paging.h.
#include "generation/list_paging.h"

#include "generation/list_mode.h"

#include <algorithm>
#include <numeric>

namespace velmora {

void ListPaging::Start(int totalFound, bool ordered, quint64 seed) {
  TotalFound = std::max(totalFound, 0);
  ShownCount = 0;
  RetryLimit = RetryLimitOf(TotalFound);
  ShownRecords.clear();
  ordered_ = ordered;
  generator_.seed(seed);
  unshown_.clear();
  order_.clear();
}

void ListPaging::StartInOrder(std::vector<int> records) {
  Start(static_cast<int>(records.size()), true, 0);
  order_ = std::move(records);
}

int ListPaging::BeginPage(int pageSize) {
  const int n = std::min(pageSize, TotalFound);
  // The whole result fits on one page (or is ordered): the records in their own order.
  inOrder_ = ordered_ || n < pageSize;
  if (!inOrder_ && ShownCount == 0) {
    unshown_.resize(static_cast<std::size_t>(TotalFound));
    std::iota(unshown_.begin(), unshown_.end(), 1);
  }
  return n;
}

int ListPaging::Draw() {
  int record = order_.empty() ? ShownCount + 1 : order_[static_cast<std::size_t>(ShownCount)];
  if (!inOrder_) {
    // Uniform over every record not shown yet, the last one included.
    std::uniform_int_distribution<std::size_t> pick(0, unshown_.size() - 1);
    const std::size_t i = pick(generator_);
    record = unshown_[i];
    unshown_[i] = unshown_.back();
    unshown_.pop_back();
  }
  ShownRecords.push_back(record);
  ++ShownCount;
  return record;
}

}  // namespace velmora
