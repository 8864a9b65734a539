#pragma once
// Helpers the Excel backends share for reading a rectangular area of cells, whatever type describes the
// area (any struct with int top, left, bottom, right).
#include <utility>

#include "scorers/excel/excel_session.h"

// The value every cell of `area` has, or `mixed` when they differ (Excel answers Null there).
template <class Area, class Get, class Value = decltype(std::declval<Get>()(0, 0))>
Value Uniform(const Area& area, Get get, Value mixed) {
  Value first = get(area.top, area.left);
  for (int row = area.top; row <= area.bottom; ++row)
    for (int column = area.left; column <= area.right; ++column)
      if (!(row == area.top && column == area.left) && get(row, column) != first) return mixed;
  return first;
}

// The cells along one edge of an area.
template <class Area>
Area EdgeCells(Area area, int edge) {
  if (edge == EXCEL_EDGE_TOP) area.bottom = area.top;
  if (edge == EXCEL_EDGE_BOTTOM) area.top = area.bottom;
  if (edge == EXCEL_EDGE_LEFT) area.right = area.left;
  if (edge == EXCEL_EDGE_RIGHT) area.left = area.right;
  return area;
}
