// cal_lunar_table.h: the calendar window's lunar table, one four-byte record per Gregorian
// year 1901..2050.
//
// Source: the calendar window's own table. It is the data of CalLunarCode (cal_lunar.h)
// and follows the astronomical calendar in Beijing time, as today's almanacs do, so it
// agrees day for day with the birth chart's table (lunar_table.h) over 1901..2050
// (checked with tools/compare_cal.js).
//
// Corrected records. As first copied, two records gave a pair of neighbouring months their
// 29 and 30 days the wrong way round, where the new moon fell minutes after midnight, and
// every day of the later month read one day off:
//   1989  0x18A4DD00 → 0x18A55D00  六月 30 days, 七月 29 (1989-08-01 is 六月三十, 七月 begins 08-02)
//   2013  0x14AD5500 → 0x14AB5500  四月 29 days, 五月 30 (2013-06-08 is 五月初一)
//
// Record of year y as one 32-bit word, byte 0 in the top eight bits:
//   byte 0      bit 7: the lunar month in progress on 1 January is the twelfth (1) or the
//               eleventh (0); bits 6..0: the lunar day of 1 January (1..30);
//   bytes 1, 2  16 month-length bits, bit 15 for the month in progress on 1 January down to
//               bit 0 for the 16th month; 1 = 30 days, 0 = 29 days;
//   byte 3      the lunar month followed by a leap month within these 16 months; 0 = none.
#pragma once

#include <array>
#include <cstdint>

namespace velmora::calendar {

inline constexpr int kCalFirstYear = 1901;
inline constexpr int kCalLastYear = 2050;

inline constexpr std::array<std::uint32_t, kCalLastYear - kCalFirstYear + 1> CalLunarInfo = {
    0x0B52BA00u, 0x16A95D00u, 0x83A93705u, 0x0E749B00u, 0x1AB65500u,  // 1901
    0x87B55504u, 0x1155AA00u, 0x1CA6B500u, 0x8AA57502u, 0x1452BA00u,  // 1906
    0x81526E06u, 0x0DE93700u, 0x18749700u, 0x86EA9605u, 0x106D5500u,  // 1911
    0x1A35AA00u, 0x884B6A02u, 0x13A56D00u, 0x1ED26E07u, 0x0BD25E00u,  // 1916
    0x17E92E00u, 0x84D92D05u, 0x0FDA9500u, 0x195B5200u, 0x8756D404u,  // 1921
    0x114ADA00u, 0x1CA55D00u, 0x89A4BD02u, 0x15D25D00u, 0x82B25B06u,  // 1926
    0x0DB52B00u, 0x18BA9500u, 0x86B6A505u, 0x1056B400u, 0x1A4ADA00u,  // 1931
    0x8749BA03u, 0x13A4BB00u, 0x1EB25B07u, 0x0B725700u, 0x16752B00u,  // 1936
    0x846D2A06u, 0x0FAD5500u, 0x1955AA00u, 0x86556C04u, 0x12C97600u,  // 1941
    0x1C64B700u, 0x8AE4AE02u, 0x15EA5600u, 0x83DA5507u, 0x0D5B2A00u,  // 1946
    0x18AD5500u, 0x85AAD505u, 0x10536A00u, 0x1BA96D00u, 0x88A95D03u,  // 1951
    0x13D4AE00u, 0x81D4AB08u, 0x0CBA5500u, 0x165AAA00u, 0x8356AA06u,  // 1956
    0x0FAAD500u, 0x1952DA00u, 0x8652BA04u, 0x11A95D00u, 0x1DD49B00u,  // 1961
    0x8A749B03u, 0x15B65500u, 0x82AD5507u, 0x0D55AA00u, 0x18A5B500u,  // 1966
    0x85A57505u, 0x0F52B600u, 0x1B693700u, 0x89E93704u, 0x13749700u,  // 1971
    0x81EA9608u, 0x0C6D5200u, 0x162DAA00u, 0x834B6A06u, 0x0EA56D00u,  // 1976
    0x1AD26E00u, 0x87D25E04u, 0x12E92E00u, 0x1DEC960Au, 0x0BDA9500u,  // 1981
    0x155B5200u, 0x8256D206u, 0x0C2ADA00u, 0x18A55D00u, 0x85A4BD05u,  // 1986
    0x10D25D00u, 0x1BD92D00u, 0x89B52B03u, 0x14BA9500u, 0x81B59508u,  // 1991
    0x0B56B200u, 0x162ADA00u, 0x8349B605u, 0x0E64BB00u, 0x19B25B00u,  // 1996
    0x876A5704u, 0x12752B00u, 0x1DB69500u, 0x8AAD5502u, 0x1555AA00u,  // 2001
    0x82556C07u, 0x0DC97600u, 0x1764B700u, 0x86E4AE05u, 0x11EA5600u,  // 2006
    0x1B6D2A00u, 0x885AAA04u, 0x14AB5500u, 0x81AAD509u, 0x0B52EA00u,  // 2011
    0x16A96D00u, 0x84A95D06u, 0x0FD4AE00u, 0x1AEA4D00u, 0x87BA5504u,  // 2016
    0x125AAA00u, 0x1DAB5500u, 0x8AA6D502u, 0x1452DA00u, 0x8252BA06u,  // 2021
    0x0DA93B00u, 0x18B49B00u, 0x85749B05u, 0x11B54D00u, 0x1CD6A900u,  // 2026
    0x8835AA03u, 0x13A5B500u, 0x81A5750Bu, 0x0B52B600u, 0x16693700u,  // 2031
    0x84E92F06u, 0x10F49700u, 0x1A754B00u, 0x876D5205u, 0x112D6900u,  // 2036
    0x1D95B500u, 0x8AA56D02u, 0x15D26E00u, 0x82D25E07u, 0x0EE92E00u,  // 2041
    0x19EA9600u, 0x86DA9505u, 0x105B4A00u, 0x1CAB6900u, 0x882AD803u,  // 2046
};

}  // namespace velmora::calendar
