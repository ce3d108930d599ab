#pragma once
// Books written as text: the built-in templates are kept in this form, readable line by line.
//
// A book file names the settings and the sheets in order:
//
//   # the building-load workbook            comment: "#" followed by a blank, or alone
//   passes 25                                most passes of the iteration per recalculation
//   limit 1.0                                change limit of the iteration
//   sheet 1 "main" main.sheet                sheet number (checked: 1, 2, ...), name, its file
//   sheet 2 "Economics"                      a sheet without a file stays empty
//   values "main" main.values                cached values, applied after all sheets are read
//
// A sheet file has one line per cell or range of cells, and lines for looks and printing:
//
//   A2 "city, state"                  a text (quoted; "" inside stands for one quote)
//   B3 6                              a number; a bare m/d/y date becomes its day serial
//   D2:D31 0 1 10 47 ...              one constant per cell of the range, row by row
//   A28:A31 3                         one constant for every cell of the range
//   B11 TRUE                          booleans; error values such as #DIV/0! likewise
//   E2:E31 =IF(D2=0,0,E1)             a formula written for the first cell of the range; every
//                                     other cell gets it with its relative references moved
//   override B3 7                     a cell may be written twice only when marked so
//   format C11:C40 "#,##0"            number format
//   font A1:F1 bold italic underline size 12 name "Arial" colour FF0000
//   align A1:F1 center middle wrap    left|center|right|general, top|middle|bottom, wrap
//   border A1:F1 box thin             sides: left right top bottom box all;
//   thin|medium|thick|double|none;
//                                     colour RRGGBB
//   fill A1:F1 FFFF99
//   width A:C 10                      column width in characters; "width default 8.43"
//   height 1:3 15                     row height in points; "height default 12.75"
//   hide columns D:E                  or "hide rows 3:4"
//   printarea B1:O48
//   page landscape margins 0.5 0.5 0.75 0.75 scale 100 fit 1 1 blackwhite
//                                     ("centered": centred between the side margins)
//   seed B14 0                        safe seed of a cell of a circular group (or of a range)
//   include geo_a.sheet rows 1:52     the lines of another sheet file of the book, read as if
//                                     written here but keeping only the cells of those rows
//                                     (every row without "rows"); its expect lines are its own
//   include gas.sheet sheet "Geo A" as "Geo B"
//                                     the same, its formulas reading sheet "Geo B" wherever
//                                     they read "Geo A" (any number of such pairs, after "rows")
//   erase F46:F49                     empties cells an earlier or included line wrote
//   expect formulas 224               checked when the sheet is read: formulas, texts, numbers
//   expect used A1:K34                (constant cells) and the used range
//
// A values file gives formula cells the values they start the first recalculation from, with
// the constant forms above ("A1 12.5", "B2 \"text\"", "C3:C5 1 2 3", "D4 #DIV/0!"); naming a
// cell without a formula is an error. Every fault is reported as BookFileError "file:line: ...".

#include <span>
#include <string_view>

#include "sheet/text/embedded_file.h"
#include "sheet/book.h"

namespace pellavan::sheet {

// Reads the book file `book_file` and the files it names, all found by name in `files`.
Book load_book(std::span<const EmbeddedFile> files, std::string_view book_file);

// Gives the formula cells of sheet `sheet` the values of a values file.
void apply_values(Book& book, int sheet, std::string_view file_name, std::string_view content);

}  // namespace pellavan::sheet
