#pragma once
// DealerRec: the settings file "Dsetfil.dat" of the Data folder, one record of 807 bytes: the
// dealer who prepares the reports, the five unit options as "1"/"0" characters and whether
// discontinued units are offered. A field never written holds NULs; a reset leaves blanks.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_DEALER_FIELDS(F, A) \
  F(0, Text<3>, FileTag)             \
  F(3, Text<40>, Name)               \
  F(43, Text<40>, Address)           \
  F(83, Text<40>, City)              \
  F(123, Text<5>, State)             \
  F(128, Text<15>, Zip)              \
  F(143, Text<20>, Phone)            \
  F(163, Text<20>, Fax)              \
  F(183, Text<20>, CellPhone)        \
  F(203, Text<80>, Email)            \
  F(283, Text<40>, Contact)          \
  F(323, Text<1>, MetricMode)        \
  F(324, Text<1>, UseDegF)           \
  F(325, Text<1>, UseBtuh)           \
  F(326, Text<1>, UseFeet)           \
  F(327, Text<1>, GasGJ)             \
  F(328, Text<6>, Spare1)            \
  F(334, Text<49>, Spare2)           \
  F(383, Int16, HideInactive)        \
  F(385, Int16, Spare3)              \
  F(387, Int16, Spare4)              \
  F(389, Int16, Spare5)              \
  F(391, Int16, Spare6)              \
  F(393, Int16, Spare7)              \
  F(395, Int16, Spare8)              \
  F(397, Int16, Spare9)              \
  F(399, Text<408>, Spare10)

PELLAVAN_DEFINE_RECORD(DealerRec, 807, PELLAVAN_DEALER_FIELDS);

inline constexpr std::string_view kDealerFileTag = "KX2";
inline constexpr std::string_view kDealerFileName = "Dsetfil.dat";

}  // namespace pellavan::model
