#pragma once
// Checks a record's field table against the layout as documented: every field by name, offset
// and width, in file order, and nothing else.

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "model/record/record_layout.h"

namespace pellavan::model::testing {

struct FieldRow {
  std::string_view name;
  std::size_t offset;
  std::size_t width;
};

template <Record R>
void expect_layout(std::initializer_list<FieldRow> rows) {
  ASSERT_EQ(R::kFields.size(), rows.size()) << R::kTypeName << ": number of fields";
  std::size_t i = 0;
  for (const FieldRow& row : rows) {
    const FieldInfo& f = R::kFields[i++];
    SCOPED_TRACE(::testing::Message() << R::kTypeName << "." << row.name);
    EXPECT_EQ(f.name, row.name);
    EXPECT_EQ(f.offset, row.offset);
    EXPECT_EQ(f.width, row.width);
  }
}

}  // namespace pellavan::model::testing
