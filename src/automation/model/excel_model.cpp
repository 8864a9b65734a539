#include "automation/model/excel_model.h"

#include <algorithm>
#include <stdexcept>

#include "scorers/excel/excel_session.h"

std::optional<std::pair<int, int>> ParseExcelAddress(std::string_view address) {
  // Excel takes letters in either case and the absolute form $B$5 as well.
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  size_t i = address.starts_with('$') ? 1 : 0;
  size_t lettersFrom = i;
  int column = 0;
  while (i < address.size() && upper(address[i]) >= 'A' && upper(address[i]) <= 'Z' &&
         column <= EXCEL_MODEL_COLUMNS) {
    column = column * 26 + (upper(address[i++]) - 'A' + 1);
  }
  if (i == lettersFrom) return std::nullopt;
  if (i < address.size() && address[i] == '$') ++i;
  if (i == address.size() || address[i] == '0') return std::nullopt;
  int row = 0;
  for (; i < address.size(); ++i) {
    if (address[i] < '0' || address[i] > '9' || row > EXCEL_MODEL_ROWS) return std::nullopt;
    row = row * 10 + (address[i] - '0');
  }
  if (row > EXCEL_MODEL_ROWS || column > EXCEL_MODEL_COLUMNS) return std::nullopt;
  return std::pair{row, column};
}

namespace {

std::pair<int, int> Parsed(std::string_view address) {
  auto cell = ParseExcelAddress(address);
  if (!cell) throw std::invalid_argument("not a cell address: " + std::string(address));
  return *cell;
}

ExcelArea AreaBetween(std::string_view first, std::string_view last) {
  auto [row1, column1] = Parsed(first);
  auto [row2, column2] = Parsed(last);
  return {std::min(row1, row2), std::min(column1, column2), std::max(row1, row2), std::max(column1, column2)};
}

}  // namespace

ExcelCellModel& ExcelSheetModel::Cell(std::string_view address) {
  auto [row, column] = Parsed(address);
  return Cell(row, column);
}

ExcelCellModel& ExcelSheetModel::Cell(int row, int column) { return cells_[{row, column}]; }

const ExcelCellModel& ExcelSheetModel::CellAt(int row, int column) const {
  static const ExcelCellModel kUnformatted;
  auto found = cells_.find({row, column});
  return found == cells_.end() ? kUnformatted : found->second;
}

void ExcelSheetModel::Merge(std::string_view first, std::string_view last) {
  ExcelArea area = AreaBetween(first, last);
  merged_.push_back(area);
  Cell(area.top, area.left);
  Cell(area.bottom, area.right);
}

bool ExcelSheetModel::IsMerged(int row, int column) const {
  return std::any_of(merged_.begin(), merged_.end(), [&](const ExcelArea& a) {
    return row >= a.top && row <= a.bottom && column >= a.left && column <= a.right;
  });
}

ExcelSheetModel::LineKey ExcelSheetModel::KeyOf(int row, int column, int edge) {
  switch (edge) {
    case EXCEL_EDGE_TOP: return {row, column, false};
    case EXCEL_EDGE_BOTTOM: return {row + 1, column, false};
    case EXCEL_EDGE_LEFT: return {row, column, true};
    case EXCEL_EDGE_RIGHT: return {row, column + 1, true};
    default: throw std::invalid_argument("not a cell edge: " + std::to_string(edge));
  }
}

ExcelLineModel& ExcelSheetModel::Border(std::string_view address, int edge) {
  auto [row, column] = Parsed(address);
  Cell(row, column);
  return lines_[KeyOf(row, column, edge)];
}

ExcelLineModel ExcelSheetModel::LineAt(int row, int column, int edge) const {
  auto found = lines_.find(KeyOf(row, column, edge));
  return found == lines_.end() ? ExcelLineModel() : found->second;
}

void ExcelSheetModel::Grid(std::string_view first, std::string_view last, const ExcelLineModel& line) {
  ExcelArea area = AreaBetween(first, last);
  for (int row = area.top; row <= area.bottom; ++row) {
    for (int column = area.left; column <= area.right; ++column) {
      Cell(row, column);
      for (int edge : {EXCEL_EDGE_LEFT, EXCEL_EDGE_TOP, EXCEL_EDGE_BOTTOM, EXCEL_EDGE_RIGHT}) {
        lines_[KeyOf(row, column, edge)] = line;
      }
    }
  }
}

void ExcelSheetModel::SetColumnWidth(int column, double points) { widths_[column] = points; }

double ExcelSheetModel::ColumnWidth(int column) const {
  auto found = widths_.find(column);
  return found == widths_.end() ? kDefaultWidth : found->second;
}

ExcelArea ExcelSheetModel::UsedArea() const {
  if (cells_.empty()) return {};
  ExcelArea area{cells_.begin()->first.first, cells_.begin()->first.second, 0, 0};
  for (const auto& [position, cell] : cells_) {
    area.top = std::min(area.top, position.first);
    area.bottom = std::max(area.bottom, position.first);
    area.left = std::min(area.left, position.second);
    area.right = std::max(area.right, position.second);
  }
  return area;
}
