#include "scorers/word/word_table_rules.h"

#include "app/mbcs.h"
#include "app/texts.h"
#include "scoring/split_set.h"

namespace {

FlagSet ReadFlagSet(const WordRuleRun& run, const char* section) {
  FlagSet flags;
  for (const std::string& member : SplitSet(run.Read(section, "check"), ',')) flags[member] = 1;
  return flags;
}

bool HasFlag(const FlagSet& flags, const std::string& member) {
  auto found = flags.find(member);
  return found != flags.end() && found->second == 1;
}

void AddItem(WordRuleRun& run, std::string_view text) {
  run.feedback += AnsiText(text);
  run.feedback += ITEM_END;
}

std::string CellText(WordRange& range) {
  std::string text = range.Text();
  size_t first = text.find_first_not_of('\a');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of('\a') - first + 1);
}

CellAttributes ReadCellAttributes(WordCell& cell) {
  std::unique_ptr<WordRange> range = cell.Range();
  std::unique_ptr<WordFont> font = range->Font();
  std::unique_ptr<WordShading> shading = cell.Shading();
  CellAttributes attributes;
  attributes["text"] = CellText(*range);
  attributes["size"] = Format("%6f", static_cast<double>(font->Size()));
  attributes["name"] = font->Name();
  attributes["color"] = Format("%06x", font->Color());
  attributes["bold"] = Format("%d", font->Bold());
  attributes["italic"] = Format("%d", font->Italic());
  attributes["alignment"] = Format("%d", range->ParagraphFormat()->Alignment());
  attributes["texture"] = Format("%d", shading->Texture());
  attributes["texture_bgp"] = Format("%d", shading->BackgroundPatternColorIndex());
  attributes["texture_fgp"] = Format("%d", shading->ForegroundPatternColorIndex());
  attributes["width"] = Format("%f", static_cast<double>(cell.Width()));
  attributes["height"] = Format("%f", static_cast<double>(cell.Height()));
  return attributes;
}

// Adds the score of every row (then every column) that kept its flag.
void AddKeptScores(WordRuleRun& run, const FlagSet& flags, const char* section) {
  for (const auto& [member, flag] : flags) {
    if (flag == 1) run.AddScore(section, member + "_score");
  }
}

void CheckTable(WordRuleRun& run, WordTable& table, int expectedColumns, int expectedRows) {
  std::unique_ptr<WordRows> rows = table.Rows();
  std::unique_ptr<WordBorder> border = table.Borders()->Item(1);
  int lineWidth = border->LineWidth();
  int colorIndex = border->ColorIndex();
  struct Measure {
    const char* key;
    int value;
    const char* scoreKey;
  } const measures[] = {
      {"column", table.Columns()->Count(), "score_column"},
      {"row", rows->Count(), "score_row"},
      {"b_color", colorIndex, "score_color"},
      {"b_width", lineWidth, "score_width"},
  };
  for (const Measure& measure : measures) {
    int expected = run.ReadInt("table", measure.key, SCORE_ABSENT);
    if (expected != SCORE_ABSENT && expected == measure.value) run.AddScore("table", measure.scoreKey);
  }

  FlagSet rowSet = ReadFlagSet(run, "row");
  FlagSet columnSet = ReadFlagSet(run, "column");
  std::set<std::string> cellSet = SplitSet(run.Read("cell", "check"), ',');

  // Made even when the key is absent, so an absent key always gives its item.
  if (rows->Count() != expectedRows) AddItem(run, WORD_ROW_COUNT_WRONG);
  if (rows->Item(1)->Cells()->Count() != expectedColumns) AddItem(run, WORD_COLUMN_COUNT_WRONG);

  for (int i = 1; i <= rows->Count(); ++i) {
    std::unique_ptr<WordCells> cells = rows->Item(i)->Cells();
    for (int j = 1; j <= cells->Count(); ++j) {
      CellAttributes attributes = ReadCellAttributes(*cells->Item(j));
      std::string row = std::to_string(i);
      std::string column = std::to_string(j);
      bool rowRuleRan = false;
      if (HasFlag(rowSet, row)) {
        CheckCellRule("row", row + "_", run, i, j, rowSet, columnSet, attributes);
        rowRuleRan = true;
      }
      if (HasFlag(columnSet, column)) {
        if (rowRuleRan) continue;  // a row rule wins over the column rule and the cell rule
        CheckCellRule("column", column + "_", run, i, j, rowSet, columnSet, attributes);
      }
      std::string cell = row + "-" + column;
      if (cellSet.count(cell)) CheckCellRule("rc" + cell, "", run, i, j, rowSet, columnSet, attributes);
    }
  }
  AddKeptScores(run, rowSet, "row");
  AddKeptScores(run, columnSet, "column");
}

}  // namespace

bool RunTableRules(WordRuleRun& run, WordSelection& selection) {
  int expectedColumns = run.ReadInt("table", "column", SCORE_ABSENT);
  int expectedRows = run.ReadInt("table", "row", SCORE_ABSENT);
  std::unique_ptr<WordTables> tables = selection.Tables();
  if (tables->Count() == 0) {
    if (expectedColumns != SCORE_ABSENT && expectedRows != SCORE_ABSENT) AddItem(run, WORD_NO_TABLE);
    return false;
  }
  CheckTable(run, *tables->Item(1), expectedColumns, expectedRows);
  return true;
}

void CheckCellRule(const std::string& section, const std::string& prefix, WordRuleRun& run, int i, int j,
                   FlagSet& rows, FlagSet& columns, const CellAttributes& attributes) {
  auto clearFlag = [&] {
    if (section == "row") rows[std::to_string(i)] = 0;
    if (section == "column") columns[std::to_string(j)] = 0;
  };
  int checked = 0;
  for (const auto& [name, value] : attributes) {
    std::string expected = run.Read(section, prefix + name);
    std::string_view wanted = TrimBlanks(expected);
    if (wanted.empty()) continue;
    ++checked;
    if (wanted == TrimBlanks(value)) {
      if (section == "rc" + std::to_string(i) + "-" + std::to_string(j)) run.AddScore(section, "score_" + name);
      continue;
    }
    clearFlag();
    run.AddItem(Format(AnsiText(WORD_CELL_LABEL), i, j), name);
  }
  if (checked == 0) clearFlag();
}
