#include "text/date_formats.h"

namespace velmora::text {

DateFormats& ProgramDateFormats() {
  static DateFormats formats;
  return formats;
}

}  // namespace velmora::text
