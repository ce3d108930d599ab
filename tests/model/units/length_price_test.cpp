#include <gtest/gtest.h>

#include <limits>

#include "model/units/length.h"
#include "model/units/price.h"

namespace pellavan::model {
namespace {

Currency cy(double v) { return Currency::from_double(v); }

TEST(LengthTest, FeetAndMetres) {
  EXPECT_DOUBLE_EQ(Ft_To_M(100), 30.48);
  EXPECT_DOUBLE_EQ(Ft_To_M_Cy(cy(250.5)), 250.5 * 0.3048);
  EXPECT_DOUBLE_EQ(Ft_To_M_Int(-10), -3.048);
  EXPECT_EQ(M_To_Ft(1), cy(3.2808));
  EXPECT_EQ(M_To_Ft(30.48), cy(100));
  EXPECT_EQ(M_To_Ft(1e300).raw(), std::numeric_limits<std::int64_t>::max());
}

struct PriceRow {
  const char* name;
  Currency (*convert)(Currency);
  double price;
  double converted;
};

TEST(PriceTest, CurrencyPricesRoundToFourDecimals) {
  const PriceRow rows[] = {
      {"per Ccf to per m3", Per_CCF_To_M3, 1.00, 0.3531},
      {"per m3 to per Ccf", Per_M3_To_CCF, 0.3531, 1.0000},  // 0.9999792
      {"per gallon to per litre", Per_Gal_To_L, 3.00, 0.7926},
      {"per litre to per gallon", Per_L_To_Gal, 0.7926, 3.0000},  // 2.999991
      {"zero", Per_CCF_To_M3, 0.0, 0.0},
      {"negative", Per_Gal_To_L, -3.00, -0.7926},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.convert(cy(r.price)), Currency::from_double(r.converted));
  }
}

TEST(PriceTest, GigajoulePricesAreNotRounded) {
  EXPECT_DOUBLE_EQ(Per_CCF_To_GJ(cy(1.0)), 1.0 / 0.10673);
  EXPECT_DOUBLE_EQ(Per_GJ_To_CCF(cy(9.3695)), 9.3695 * 0.10673);
}

}  // namespace
}  // namespace pellavan::model
