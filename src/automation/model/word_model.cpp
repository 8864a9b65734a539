#include "automation/model/word_model.h"

#include <algorithm>

#include "scorers/word/word_session.h"

int WordTableModel::ColumnCount() const {
  size_t widest = 0;
  for (const auto& row : rows) widest = std::max(widest, row.size());
  return static_cast<int>(widest);
}

WordParagraphModel& WordDocumentModel::AddParagraph(std::string text) {
  blocks_.push_back({false, paragraphs_.size()});
  paragraphs_.emplace_back().text = std::move(text);
  return paragraphs_.back();
}

WordTableModel& WordDocumentModel::AddTable(int rows, int columns) {
  blocks_.push_back({true, tables_.size()});
  WordTableModel& table = tables_.emplace_back();
  table.rows.assign(rows, std::vector<WordCellModel>(columns));
  return table;
}

void WordDocumentModel::Paragraphs(std::vector<const WordParagraphModel*>& paragraphs,
                                   std::vector<bool>& cellEnds) const {
  auto add = [&](const WordParagraphModel& paragraph, bool cellEnd) {
    paragraphs.push_back(&paragraph);
    cellEnds.push_back(cellEnd);
  };
  for (const Block& block : blocks_) {
    if (!block.table) {
      add(paragraphs_[block.index], false);
      continue;
    }
    for (const auto& row : tables_[block.index].rows) {
      for (const WordCellModel& cell : row) add(cell.paragraph, true);
      add(mark_, true);
    }
  }
  if (blocks_.empty() || blocks_.back().table) add(mark_, false);
}

std::vector<const WordTableModel*> WordDocumentModel::Tables() const {
  std::vector<const WordTableModel*> tables;
  for (const WordTableModel& table : tables_) tables.push_back(&table);
  return tables;
}

namespace {

constexpr const char* PARAGRAPH_END = "\r";
constexpr const char* CELL_END = "\r\a";

void CheckIndex(int index, size_t count, const char* collection) {
  if (index < 1 || static_cast<size_t>(index) > count) {
    throw AutomationError(std::string(collection) + ".Item(" + std::to_string(index) + "): no such member");
  }
}

class ModelShading : public WordShading {
 public:
  explicit ModelShading(const WordShadingModel& shading) : shading_(shading) {}
  int ForegroundPatternColorIndex() override { return shading_.foregroundPatternColorIndex; }
  int BackgroundPatternColorIndex() override { return shading_.backgroundPatternColorIndex; }
  int Texture() override { return shading_.texture; }

 private:
  const WordShadingModel& shading_;
};

class ModelFont : public WordFont {
 public:
  explicit ModelFont(const WordFontModel& font) : font_(font) {}
  int Bold() override { return font_.bold; }
  int Italic() override { return font_.italic; }
  int Underline() override { return font_.underline; }
  int Scaling() override { return font_.scaling; }
  int Emboss() override { return font_.emboss; }
  int Color() override { return font_.color; }
  float Size() override { return font_.size; }
  float Spacing() override { return font_.spacing; }
  float Kerning() override { return font_.kerning; }
  std::string Name() override { return font_.name; }
  std::unique_ptr<WordShading> Shading() override { return std::make_unique<ModelShading>(font_.shading); }

 private:
  const WordFontModel& font_;
};

class ModelParagraphFormat : public WordParagraphFormat {
 public:
  explicit ModelParagraphFormat(int alignment) : alignment_(alignment) {}
  int Alignment() override { return alignment_; }

 private:
  int alignment_;
};

class ModelPictureFormat : public WordPictureFormat {
 public:
  explicit ModelPictureFormat(float brightness) : brightness_(brightness) {}
  float Brightness() override { return brightness_; }

 private:
  float brightness_;
};

class ModelInlineShape : public WordInlineShape {
 public:
  explicit ModelInlineShape(const WordPictureModel& picture) : picture_(picture) {}
  float Height() override { return picture_.height; }
  float Width() override { return picture_.width; }
  std::unique_ptr<WordPictureFormat> PictureFormat() override {
    return std::make_unique<ModelPictureFormat>(picture_.brightness);
  }

 private:
  const WordPictureModel& picture_;
};

class ModelInlineShapes : public WordInlineShapes {
 public:
  explicit ModelInlineShapes(const std::vector<WordPictureModel>& pictures) : pictures_(pictures) {}
  int Count() override { return static_cast<int>(pictures_.size()); }
  std::unique_ptr<WordInlineShape> Item(int index) override {
    CheckIndex(index, pictures_.size(), "InlineShapes");
    return std::make_unique<ModelInlineShape>(pictures_[index - 1]);
  }

 private:
  const std::vector<WordPictureModel>& pictures_;
};

class ModelRange : public WordRange {
 public:
  ModelRange(const WordParagraphModel& paragraph, const char* end) : paragraph_(paragraph), end_(end) {}
  std::string Text() override { return paragraph_.text + end_; }
  int Italic() override { return paragraph_.font.italic; }
  std::unique_ptr<WordFont> Font() override { return std::make_unique<ModelFont>(paragraph_.font); }
  std::unique_ptr<WordParagraphFormat> ParagraphFormat() override {
    return std::make_unique<ModelParagraphFormat>(paragraph_.alignment);
  }
  std::unique_ptr<WordInlineShapes> InlineShapes() override {
    return std::make_unique<ModelInlineShapes>(paragraph_.pictures);
  }

 private:
  const WordParagraphModel& paragraph_;
  const char* end_;
};

class ModelParagraph : public WordParagraph {
 public:
  ModelParagraph(const WordParagraphModel& paragraph, bool cellEnd) : paragraph_(paragraph), cellEnd_(cellEnd) {}
  std::unique_ptr<WordRange> Range() override {
    return std::make_unique<ModelRange>(paragraph_, cellEnd_ ? CELL_END : PARAGRAPH_END);
  }
  int Alignment() override { return paragraph_.alignment; }
  float RightIndent() override { return paragraph_.rightIndent; }
  float LeftIndent() override { return paragraph_.leftIndent; }
  float FirstLineIndent() override { return paragraph_.firstLineIndent; }
  float LineSpacing() override { return paragraph_.lineSpacing; }
  float SpaceBefore() override { return paragraph_.spaceBefore; }
  float SpaceAfter() override { return paragraph_.spaceAfter; }

 private:
  const WordParagraphModel& paragraph_;
  bool cellEnd_;
};

class ModelParagraphs : public WordParagraphs {
 public:
  ModelParagraphs(const WordDocumentModel& document, bool wholeStory) {
    document.Paragraphs(paragraphs_, cellEnds_);
    if (!wholeStory) paragraphs_.resize(1);  // the insertion point lies in the first paragraph
  }
  int Count() override { return static_cast<int>(paragraphs_.size()); }
  std::unique_ptr<WordParagraph> Item(int index) override {
    CheckIndex(index, paragraphs_.size(), "Paragraphs");
    return std::make_unique<ModelParagraph>(*paragraphs_[index - 1], cellEnds_[index - 1]);
  }

 private:
  std::vector<const WordParagraphModel*> paragraphs_;
  std::vector<bool> cellEnds_;
};

class ModelBorder : public WordBorder {
 public:
  explicit ModelBorder(const WordTableModel& table) : table_(table) {}
  int ColorIndex() override { return table_.borderColorIndex; }
  int LineWidth() override { return table_.borderLineWidth; }

 private:
  const WordTableModel& table_;
};

// Every border of a model table looks the same. A table has six borders; Word also takes its border
// constants -1 to -8.
class ModelBorders : public WordBorders {
 public:
  explicit ModelBorders(const WordTableModel& table) : table_(table) {}
  std::unique_ptr<WordBorder> Item(int index) override {
    if (index >= -8 && index <= -1) return std::make_unique<ModelBorder>(table_);
    CheckIndex(index, 6, "Borders");
    return std::make_unique<ModelBorder>(table_);
  }

 private:
  const WordTableModel& table_;
};

class ModelCell : public WordCell {
 public:
  explicit ModelCell(const WordCellModel& cell) : cell_(cell) {}
  std::unique_ptr<WordRange> Range() override { return std::make_unique<ModelRange>(cell_.paragraph, CELL_END); }
  std::unique_ptr<WordShading> Shading() override { return std::make_unique<ModelShading>(cell_.shading); }
  float Width() override { return cell_.width; }
  float Height() override { return cell_.height; }

 private:
  const WordCellModel& cell_;
};

class ModelCells : public WordCells {
 public:
  explicit ModelCells(const std::vector<WordCellModel>& cells) : cells_(cells) {}
  int Count() override { return static_cast<int>(cells_.size()); }
  std::unique_ptr<WordCell> Item(int index) override {
    CheckIndex(index, cells_.size(), "Cells");
    return std::make_unique<ModelCell>(cells_[index - 1]);
  }

 private:
  const std::vector<WordCellModel>& cells_;
};

class ModelRow : public WordRow {
 public:
  explicit ModelRow(const std::vector<WordCellModel>& cells) : cells_(cells) {}
  std::unique_ptr<WordCells> Cells() override { return std::make_unique<ModelCells>(cells_); }

 private:
  const std::vector<WordCellModel>& cells_;
};

class ModelRows : public WordRows {
 public:
  explicit ModelRows(const WordTableModel& table) : table_(table) {}
  int Count() override { return static_cast<int>(table_.rows.size()); }
  std::unique_ptr<WordRow> Item(int index) override {
    CheckIndex(index, table_.rows.size(), "Rows");
    return std::make_unique<ModelRow>(table_.rows[index - 1]);
  }

 private:
  const WordTableModel& table_;
};

class ModelColumns : public WordColumns {
 public:
  explicit ModelColumns(int count) : count_(count) {}
  int Count() override { return count_; }

 private:
  int count_;
};

class ModelTable : public WordTable {
 public:
  explicit ModelTable(const WordTableModel& table) : table_(table) {}
  std::unique_ptr<WordColumns> Columns() override { return std::make_unique<ModelColumns>(table_.ColumnCount()); }
  std::unique_ptr<WordRows> Rows() override { return std::make_unique<ModelRows>(table_); }
  std::unique_ptr<WordBorders> Borders() override { return std::make_unique<ModelBorders>(table_); }

 private:
  const WordTableModel& table_;
};

class ModelTables : public WordTables {
 public:
  explicit ModelTables(std::vector<const WordTableModel*> tables) : tables_(std::move(tables)) {}
  int Count() override { return static_cast<int>(tables_.size()); }
  std::unique_ptr<WordTable> Item(int index) override {
    CheckIndex(index, tables_.size(), "Tables");
    return std::make_unique<ModelTable>(*tables_[index - 1]);
  }

 private:
  std::vector<const WordTableModel*> tables_;
};

// The state of the session's active document that the selection shows.
struct ActiveDocument {
  const WordDocumentModel* document = nullptr;
  bool wholeStory = false;
};

class ModelSelection : public WordSelection {
 public:
  explicit ModelSelection(ActiveDocument& active) : active_(active) {}
  void WholeStory() override { active_.wholeStory = true; }
  std::unique_ptr<WordTables> Tables() override {
    std::vector<const WordTableModel*> tables = active_.document->Tables();
    if (!active_.wholeStory) tables.resize(active_.document->StartsWithTable() ? 1 : 0);
    return std::make_unique<ModelTables>(std::move(tables));
  }
  std::unique_ptr<WordParagraphs> Paragraphs() override {
    return std::make_unique<ModelParagraphs>(*active_.document, active_.wholeStory);
  }

 private:
  ActiveDocument& active_;
};

class ModelDocument : public WordDocument {};

class ModelDocuments : public WordDocuments {
 public:
  ModelDocuments(std::map<std::string, WordDocumentModel>& files, ActiveDocument& active)
      : files_(files), active_(active) {}
  std::unique_ptr<WordDocument> Add(const std::string& path) override {
    auto found = files_.find(path);
    if (found == files_.end()) throw AutomationError("Word cannot open the document " + path);
    active_ = {&found->second, false};
    return std::make_unique<ModelDocument>();
  }

 private:
  std::map<std::string, WordDocumentModel>& files_;
  ActiveDocument& active_;
};

}  // namespace

class WordModelSession : public WordSession {
 public:
  explicit WordModelSession(WordModel& model) : model_(model) {
    ++model_.started_;
    ++model_.running_;
  }
  ~WordModelSession() override { --model_.running_; }

  std::unique_ptr<WordDocuments> Documents() override {
    return std::make_unique<ModelDocuments>(model_.files_, active_);
  }
  std::unique_ptr<WordSelection> Selection() override {
    if (!active_.document) throw AutomationError("Selection: no document is open");
    return std::make_unique<ModelSelection>(active_);
  }

 private:
  WordModel& model_;
  ActiveDocument active_;
};

WordStarter WordModel::Starter() {
  return [this]() -> std::unique_ptr<WordSession> {
    if (!startable) return nullptr;
    return std::make_unique<WordModelSession>(*this);
  };
}
