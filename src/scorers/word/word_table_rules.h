#pragma once
// The table rules: the first table of the document against sections table, row, column, cell and the
// cell sections "rc<i>-<j>".
#include <map>
#include <set>
#include <string>

#include "scorers/word/word_criteria.h"
#include "scorers/word/word_session.h"

// A row or column set: each member with its flag, 1 until one of its cells fails.
using FlagSet = std::map<std::string, int>;

// A cell's attributes by name, as texts; iterated in name order.
using CellAttributes = std::map<std::string, std::string>;

// Runs the table rules; returns whether the document has a table.
bool RunTableRules(WordRuleRun& run, WordSelection& selection);

// Checks one cell against a rule section: section row (prefix "<i>_"), column (prefix "<j>_") or the
// cell's own section (no prefix), which alone earns points per matching attribute.
void CheckCellRule(const std::string& section, const std::string& prefix, WordRuleRun& run, int i, int j,
                   FlagSet& rows, FlagSet& columns, const CellAttributes& attributes);
