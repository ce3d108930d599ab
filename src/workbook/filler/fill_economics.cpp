// Economics: up to three options of the project record, each written only when its switch is 1;
// a later option goes to column L as soon as an earlier switch is not 0.
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

struct EconomicsOption {
  const model::Text<50>& text;
  const model::Currency& value11;
  const model::Currency& value12;
  const model::Currency& value15;
  const model::Currency& value16;
  const model::Currency& value17;
  const model::Currency& value18;
  model::Int16 value19;
  const model::Currency& value20;
  const model::Currency& value21;
};

constexpr int kColumnH = 8, kColumnL = 12;

void put_option(FillContext& ctx, int column, const EconomicsOption& o) {
  put_stored(ctx, {9, column}, o.text);
  put(ctx, {11, column}, o.value11);
  put(ctx, {12, column}, o.value12);
  put(ctx, {15, column}, o.value15);
  put(ctx, {16, column}, o.value16);
  put(ctx, {17, column}, o.value17);
  put(ctx, {18, column}, o.value18);
  put(ctx, {19, column}, o.value19);
  put(ctx, {20, column}, o.value20);
  put(ctx, {21, column}, o.value21);
}

}  // namespace

void fill_economics(FillContext& ctx) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  ctx.ReportWorkbook.set_active_sheet(kEconomicsSheet);
  const EconomicsOption option1{
      p.Econ_Text1,     p.Econ_Value11_1, p.Econ_Value12_1, p.Econ_Value15_1, p.Econ_Value16_1,
      p.Econ_Value17_1, p.Econ_Value18_1, p.Econ_Value19_1, p.Econ_Value20_1, p.Econ_Value21_1};
  const EconomicsOption option2{
      p.Econ_Text2,     p.Econ_Value11_2, p.Econ_Value12_2, p.Econ_Value15_2, p.Econ_Value16_2,
      p.Econ_Value17_2, p.Econ_Value18_2, p.Econ_Value19_2, p.Econ_Value20_2, p.Econ_Value21_2};
  const EconomicsOption option3{
      p.Econ_Text3,     p.Econ_Value11_3, p.Econ_Value12_3, p.Econ_Value15_3, p.Econ_Value16_3,
      p.Econ_Value17_3, p.Econ_Value18_3, p.Econ_Value19_3, p.Econ_Value20_3, p.Econ_Value21_3};
  if (p.Econ_Flag1 == 1) put_option(ctx, kColumnH, option1);
  if (p.Econ_Flag2 == 1) put_option(ctx, p.Econ_Flag1 != 0 ? kColumnL : kColumnH, option2);
  if (p.Econ_Flag3 == 1)
    put_option(ctx, p.Econ_Flag1 != 0 || p.Econ_Flag2 != 0 ? kColumnL : kColumnH, option3);
}

}  // namespace pellavan::workbook
