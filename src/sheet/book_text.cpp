#include "sheet/book_text.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

#include "sheet/errors.h"
#include "sheet/text/sheet_text_reader.h"
#include "sheet/text/text_line.h"

namespace pellavan::sheet {

namespace {

const EmbeddedFile* lookup(std::span<const EmbeddedFile> files, std::string_view name) {
  const auto it = std::find_if(files.begin(), files.end(),
                               [&](const EmbeddedFile& f) { return f.name == name; });
  return it == files.end() ? nullptr : &*it;
}

const EmbeddedFile& find_file(std::span<const EmbeddedFile> files, const TextLine& line,
                              std::string_view name) {
  const EmbeddedFile* file = lookup(files, name);
  if (!file) line.fail("no file named '" + std::string(name) + "'");
  return *file;
}

// The cell or range a sheet line writes or styles, if it names one.
std::optional<RangePos> written_range(const TextLine& line) {
  static constexpr std::string_view kRangeSecond[] = {"override", "format", "font",
                                                      "align",    "border", "fill"};
  const bool second = std::any_of(std::begin(kRangeSecond), std::end(kRangeSecond),
                                  [&](std::string_view word) { return line.word_is(0, word); });
  const std::size_t at = second ? 1 : 0;
  if (at >= line.size() || line[at].kind != LineToken::Kind::kWord) return std::nullopt;
  return parse_a1_range(line[at].text);
}

// The 0-based rows of an include line's "rows 5" or "rows 1:52", all rows when it names none.
std::pair<int, int> included_rows(const TextLine& line) {
  for (std::size_t i = 2; i + 1 < line.size(); ++i) {
    if (!line.word_is(i, "rows")) continue;
    const std::string_view w = line[i + 1].text;
    const auto colon = w.find(':');
    int first = 0, last = 0;
    std::from_chars(w.data(), w.data() + std::min(colon, w.size()), first);
    last = first;
    if (colon != std::string_view::npos)
      std::from_chars(w.data() + colon + 1, w.data() + w.size(), last);
    return {std::min(first, last) - 1, std::max(first, last) - 1};
  }
  return {0, kMaxRows - 1};
}

// Grows `size` to hold every cell that the lines of a sheet file write or style within the rows
// first..last, the files it includes counted too; a line the reader will refuse is skipped here.
void measure_sheet(std::span<const EmbeddedFile> files, const EmbeddedFile& file, int first,
                   int last, int depth, Book::SheetSize& size) {
  for_each_line(file.name, file.content, [&](const TextLine& line) {
    if (line.word_is(0, "include")) {
      const EmbeddedFile* inner = line.size() > 1 ? lookup(files, line[1].text) : nullptr;
      if (!inner || depth > 8) return;
      const auto [from, to] = included_rows(line);
      if (std::max(from, first) <= std::min(to, last))
        measure_sheet(files, *inner, std::max(from, first), std::min(to, last), depth + 1, size);
    } else if (const auto range = written_range(line)) {
      if (range->first_row > last || range->last_row < first) return;
      size.rows = std::max(size.rows, std::min(range->last_row, last) + 1);
      size.cols = std::max(size.cols, range->last_col + 1);
    }
  });
}

void read_sheet(Book& book, int sheet, std::span<const EmbeddedFile> files,
                const EmbeddedFile& sheet_file) {
  SheetTextReader reader(book, sheet, [files](const TextLine& at, const std::string& name) {
    return find_file(files, at, name);
  });
  for_each_line(sheet_file.name, sheet_file.content, [&](const TextLine& line) {
    if (!reader.read(line)) line.fail("unknown line '" + line[0].text + "'");
  });
  reader.finish();
}

std::string quoted_name(const TextLine& line, std::size_t i) {
  if (i >= line.size() || line[i].kind != LineToken::Kind::kQuoted)
    line.fail("expected a \"sheet name\"");
  return line[i].text;
}

}  // namespace

Book load_book(std::span<const EmbeddedFile> files, std::string_view book_file) {
  Book book;
  struct Pending {
    int sheet;
    std::string file;
    int line;
  };
  std::vector<Pending> sheet_files, value_files;
  const EmbeddedFile* book_text = lookup(files, book_file);
  if (!book_text) throw BookFileError("no book file named '" + std::string(book_file) + "'");
  for_each_line(book_file, book_text->content, [&](const TextLine& line) {
    if (line.word_is(0, "passes")) {
      const int passes = line.integer_at(1, "the most passes");
      if (passes < 1) line.fail("passes must be at least 1");
      book.settings().max_passes = passes;
    } else if (line.word_is(0, "limit")) {
      const double limit = line.number_at(1, "the change limit");
      if (limit < 0) line.fail("the change limit cannot be negative");
      book.settings().change_limit = limit;
    } else if (line.word_is(0, "sheet")) {
      const int number = line.integer_at(1, "the sheet number");
      if (number != book.sheet_count() + 1) {
        line.fail("sheet number " + std::to_string(number) + " where " +
                  std::to_string(book.sheet_count() + 1) + " comes next");
      }
      try {
        book.add_sheet(quoted_name(line, 2));
      } catch (const BadCall& e) {
        line.fail(e.what());
      }
      if (line.size() > 3)
        sheet_files.push_back(Pending{number - 1, line.word(3, "the sheet file"), line.number});
    } else if (line.word_is(0, "values")) {
      const auto sheet = book.find_sheet(quoted_name(line, 1));
      if (!sheet) line.fail("no sheet named '" + line[1].text + "' (name the sheets first)");
      value_files.push_back(Pending{*sheet, line.word(2, "the values file"), line.number});
    } else {
      line.fail("unknown line '" + line[0].text + "'");
    }
  });
  // Every grid is made at its final size before any sheet is read, so that the cells move once.
  std::vector<Book::SheetSize> sizes(static_cast<std::size_t>(book.sheet_count()));
  for (const Pending& p : sheet_files) {
    if (const EmbeddedFile* file = lookup(files, p.file))
      measure_sheet(files, *file, 0, kMaxRows - 1, 0, sizes[static_cast<std::size_t>(p.sheet)]);
  }
  book.reserve(sizes);
  for (const Pending& p : sheet_files) {
    const TextLine at{book_file, p.line, {}};
    read_sheet(book, p.sheet, files, find_file(files, at, p.file));
  }
  for (const Pending& p : value_files) {
    const TextLine at{book_file, p.line, {}};
    apply_values(book, p.sheet, p.file, find_file(files, at, p.file).content);
  }
  return book;
}

void apply_values(Book& book, int sheet, std::string_view file_name, std::string_view content) {
  for_each_line(file_name, content, [&](const TextLine& line) {
    const RangePos range = line.range_at(0, sheet);
    const std::size_t values = line.size() - 1;
    if (values != 1 && values != range.cell_count()) {
      line.fail(line[0].text + " has " + std::to_string(range.cell_count()) +
                " cells but the line gives " + std::to_string(values) + " values");
    }
    std::size_t k = 0;
    for (int r = range.first_row; r <= range.last_row; ++r) {
      for (int c = range.first_col; c <= range.last_col; ++c, ++k) {
        const CellPos pos{sheet, r, c};
        if (book.cell_kind(pos) != CellKind::kFormula)
          line.fail(format_a1(r, c) + " holds no formula");
        book.set_cached_value(pos, line.constant_at(values == 1 ? 1 : 1 + k, book));
      }
    }
  });
}

}  // namespace pellavan::sheet
