#include "engine/region_table.h"

#include <array>

namespace zelvo {
namespace {

// Three-letter region codes by country id; id 0 has none. Some codes stand
// twice, and "---" marks ids that have no region.
constexpr std::array<std::u16string_view, 249> kRegionCodes = {
    u"",                                                                             // 0
    u"AFG", u"ALB", u"DZA", u"ASM", u"---", u"AGO", u"AIA", u"ATA", u"ATG", u"ARG",  // 1-10
    u"ARM", u"ABW", u"AUS", u"AUT", u"AZE", u"BHS", u"BHR", u"BGD", u"BRB", u"BLR",  // 11-20
    u"BEL", u"BLZ", u"BEN", u"BMU", u"BTN", u"BOL", u"BIH", u"BWA", u"BVT", u"BRA",  // 21-30
    u"IOT", u"BRN", u"BGR", u"BFA", u"BDI", u"KHM", u"CMR", u"CAN", u"CPV", u"CYM",  // 31-40
    u"CAF", u"TCD", u"CHL", u"CHN", u"HKG", u"MAC", u"CXR", u"CCK", u"COL", u"COM",  // 41-50
    u"COG", u"COG", u"COK", u"CRI", u"CIV", u"HRV", u"CUB", u"CYP", u"CZE", u"DNK",  // 51-60
    u"DJI", u"DMA", u"DOM", u"TMP", u"ECU", u"EGY", u"SLV", u"GNQ", u"ERI", u"EST",  // 61-70
    u"ETH", u"FLK", u"FRO", u"FJI", u"FIN", u"FRA", u"---", u"---", u"---", u"GAB",  // 71-80
    u"GMB", u"GEO", u"DEU", u"GHA", u"GIB", u"GRC", u"GRL", u"GRD", u"GLP", u"GUM",  // 81-90
    u"GTM", u"GNQ", u"GNB", u"GUY", u"HTI", u"HMD", u"HND", u"HUN", u"ISL", u"IOT",  // 91-100
    u"IDN", u"IRN", u"IRQ", u"IRL", u"ISR", u"ITA", u"JAM", u"JPN", u"JOR", u"KAZ",  // 101-110
    u"KEN", u"KIR", u"KOR", u"PRK", u"KWT", u"KGZ", u"LAO", u"LVA", u"LBN", u"LSO",  // 111-120
    u"LBR", u"LBY", u"LIE", u"LTU", u"LUX", u"MKD", u"MDG", u"MWI", u"MYS", u"MDV",  // 121-130
    u"MLI", u"MLT", u"MHL", u"MTQ", u"MRT", u"MUS", u"MYT", u"MEX", u"FSM", u"MDA",  // 131-140
    u"MCO", u"MNG", u"MSR", u"MAR", u"MOZ", u"MMR", u"NAM", u"NRU", u"NPL", u"ANT",  // 141-150
    u"NLD", u"NCL", u"NZL", u"NIC", u"NER", u"NGA", u"NIU", u"NFK", u"MNP", u"NOR",  // 151-160
    u"OMN", u"PAK", u"PLW", u"PAN", u"PNG", u"PRY", u"PER", u"PHL", u"PCN", u"POL",  // 161-170
    u"PRT", u"PRI", u"QAT", u"---", u"ROM", u"RUS", u"RWA", u"SHN", u"KNA", u"LCA",  // 171-180
    u"SPM", u"VCT", u"ASM", u"---", u"STP", u"SAU", u"SEN", u"SYC", u"SLE", u"SGP",  // 181-190
    u"SVK", u"SVN", u"SLB", u"SOM", u"ZAF", u"SGS", u"ESP", u"LKA", u"SDN", u"SUR",  // 191-200
    u"SJM", u"SWZ", u"SWE", u"CHE", u"SYR", u"TWN", u"TJK", u"TZA", u"THA", u"TGO",  // 201-210
    u"TKL", u"TON", u"TTO", u"TUN", u"TUR", u"TKM", u"TCA", u"TUV", u"UGA", u"UKR",  // 211-220
    u"ARE", u"GBR", u"USA", u"UMI", u"URY", u"UZB", u"VUT", u"VAT", u"VEN", u"VNM",  // 221-230
    u"VGB", u"VIR", u"WLF", u"ESH", u"YEM", u"YUG", u"ZMB", u"ZWE", u"---", u"PSE",  // 231-240
    u"SPB", u"---", u"ATF", u"REU", u"AND", u"GUF", u"PYF", u"SMR",                  // 241-248
};

// Every id has its row: a short list would leave the last ids empty.
static_assert(kRegionCodes[248] == u"SMR");

}  // namespace

std::u16string_view RegionCode(int32_t country_id) {
  if (country_id < 0 || country_id >= static_cast<int32_t>(kRegionCodes.size())) return {};
  return kRegionCodes[static_cast<size_t>(country_id)];
}

}  // namespace zelvo
