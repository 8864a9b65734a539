// The table rules: every cell of the table area holds its expected text, cell formats follow the common
// format (exception cells their own), a row the candidate had to delete is gone; the border, shading and
// width checks of the same walk are in excel_table_borders.
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "app/mbcs.h"
#include "app/texts.h"
#include "scorers/excel/excel_rules.h"
#include "scorers/excel/excel_run.h"
#include "scorers/excel/excel_table_borders.h"
#include "scorers/excel/excel_values.h"
#include "scoring/split_set.h"

namespace {

// The format attributes in the order a cell is checked; each is also its key and message key.
enum Attribute { kColor, kBold, kFont, kSize, kAlign, kItalic, kAttributeCount };
constexpr std::array<std::string_view, kAttributeCount> kAttributeKeys = {"color", "bold",  "font",
                                                                          "size",  "align", "italic"};
// The order of a row's feedback items.
constexpr std::array<Attribute, kAttributeCount> kRowFeedbackOrder = {kSize, kColor, kBold, kItalic, kFont, kAlign};

// Expected text per attribute; empty where the criteria give none.
using Format = std::array<std::string, kAttributeCount>;

Format ReadFormat(ExcelRun& run, const std::string& keyPrefix) {
  Format format;
  for (int a = 0; a < kAttributeCount; ++a) format[a] = run.Text("content", keyPrefix + std::string(kAttributeKeys[a]));
  return format;
}

std::string ActualValue(Attribute attribute, ExcelRange& cell, ExcelFont& font) {
  switch (attribute) {
    case kColor: return ColorText(font.Color());
    case kBold: return std::to_string(font.Bold());
    case kFont: return font.Name();
    case kSize: return std::to_string(Truncate(font.Size()));
    case kAlign: return std::to_string(cell.HorizontalAlignment());
    default: return std::to_string(font.Italic());
  }
}

// What one row of the walk found: the attributes that broke the common format, and its last empty cell.
struct RowState {
  std::array<bool, kAttributeCount> failed{};
  bool emptySeen = false;
  std::string lastEmptyAddress;
};

class TableWalk {
 public:
  TableWalk(ExcelRun& run, int start, int end, int colStart, int colEnd)
      : run_(run), start_(start), end_(end), colStart_(colStart), colEnd_(colEnd),
        borders_(run, start, end, colStart, colEnd),
        common_(ReadFormat(run, "")),
        exceptions_(SplitSet(run.Text("content", "exception", 1024), ',')),
        deleteColumn_(run.Int("delete", "row")) {
    for (const std::string& address : exceptions_) exceptionFormats_[address] = ReadFormat(run, address + "_");
    formatHeld_ = std::any_of(common_.begin(), common_.end(), [](const std::string& v) { return !v.empty(); });
    exceptionFailed_ = exceptions_.empty();
    if (deleteColumn_ > 0) deleteContent_ = TrimBlanks(run.Text("delete", "content", 64));
  }

  void Walk() {
    for (int row = start_; row <= end_; ++row) {
      borders_.CheckRow(row);
      RowState state;
      for (int column = colStart_; column <= colEnd_; ++column) {
        if (row == start_) borders_.CheckLeftBorder(column);
        CheckCell(row, column, state);
      }
      AddRowFeedback(row, state);
    }
    AddPoints();
  }

 private:
  void CheckCell(int row, int column, RowState& state) {
    auto cell = run_.cells.Item(row, column);
    borders_.CheckWidth(column, *cell);
    std::string text = CellText(*cell);
    if (deleteColumn_ > 0 && !deletedRowFound_ && column == deleteColumn_ && text == deleteContent_) {
      deletedRowFound_ = true;
      run_.AddItem(AnsiText(EXCEL_ROW_NOT_DELETED));
    }
    std::string address = CellAddress(row, column);
    std::string expected(TrimBlanks(run_.Text("content", address)));
    if (text != expected) textHeld_ = false;
    bool isException = exceptions_.contains(address);
    if (text.empty()) {
      if (!expected.empty()) CountEmptyCell(address, isException, state);
      return;
    }
    CheckFormat(*cell, isException ? &exceptionFormats_[address] : nullptr, state);
  }

  // An empty cell that should hold text breaks every attribute of its row's format.
  void CountEmptyCell(const std::string& address, bool isException, RowState& state) {
    state.emptySeen = true;
    state.lastEmptyAddress = address;
    run_.AddItem(AnsiText(EXCEL_TABLE_LABEL) + address + AnsiText(EXCEL_CELL_EMPTY));
    state.failed.fill(true);
    if (isException) {
      exceptionFailed_ = true;
    } else {
      formatHeld_ = false;
    }
  }

  // An exception cell is held to its own format only; any other cell to the common format, each attribute
  // once per row.
  void CheckFormat(ExcelRange& cell, const Format* exception, RowState& state) {
    std::unique_ptr<ExcelFont> font;
    for (int a = 0; a < kAttributeCount; ++a) {
      bool byException = exception && !(*exception)[a].empty();
      bool byCommon = !exception && !state.failed[a] && !common_[a].empty();
      if (!byException && !byCommon) continue;
      if (!font) font = cell.Font();
      std::string actual = ActualValue(static_cast<Attribute>(a), cell, *font);
      if (byException && actual != (*exception)[a]) exceptionFailed_ = true;
      if (byCommon && actual != common_[a]) {
        formatHeld_ = false;
        state.failed[a] = true;
      }
    }
  }

  void AddRowFeedback(int row, const RowState& state) {
    std::string prefix = RowName(row) + AnsiText(EXCEL_ROW_COLON);
    if (state.emptySeen) {
      prefix += AnsiText(EXCEL_EMPTY_CAUSE_BEFORE) + state.lastEmptyAddress + AnsiText(EXCEL_EMPTY_CAUSE_AFTER);
    }
    for (Attribute a : kRowFeedbackOrder) {
      if (state.failed[a] && !common_[a].empty()) run_.AddItem(prefix + run_.Message(kAttributeKeys[a]));
    }
  }

  void AddPoints() {
    if (deleteColumn_ > 0 && !deletedRowFound_) run_.AddPoints("content_delete");
    if (!exceptionFailed_) run_.AddPoints("content_exception");
    borders_.AddShadingPoints();
    if (formatHeld_) {
      run_.AddPoints("content_format");
      if (!exceptionFailed_) run_.AddPoints("content_format_exception");
    }
    if (textHeld_) {
      run_.AddPoints("content_content");
    } else {
      run_.AddItem(AnsiText(EXCEL_TABLE_LABEL), "content");
    }
    borders_.AddBorderAndWidthPoints();
  }

  ExcelRun& run_;
  int start_, end_, colStart_, colEnd_;
  TableBorderChecks borders_;
  Format common_;
  std::set<std::string> exceptions_;
  std::map<std::string, Format> exceptionFormats_;
  int deleteColumn_;
  std::string deleteContent_;
  bool textHeld_ = true;
  bool formatHeld_ = false;
  bool exceptionFailed_ = false;
  bool deletedRowFound_ = false;
};

}  // namespace

void ScoreTable(ExcelRun& run) {
  int start = run.Int("content", "start");
  int end = run.Int("content", "end");
  int colStart = run.Int("content", "col_start");
  int colEnd = run.Int("content", "col_end");
  if (end < start || colStart > colEnd) return;
  TableWalk(run, start, end, colStart, colEnd).Walk();
}
