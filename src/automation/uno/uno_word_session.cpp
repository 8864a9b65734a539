#include "automation/uno/uno_word_session.h"

#include <com/sun/star/container/XContentEnumerationAccess.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/style/LineSpacing.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/TableBorder2.hpp>
#include <com/sun/star/text/TableColumnSeparator.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "automation/office_values.h"
#include "automation/uno/uno_properties.h"
#include "automation/uno/uno_text.h"

using office::uno::Reference;
using office::uno::UNO_QUERY;
using office::uno::UNO_QUERY_THROW;

namespace {

using App = std::shared_ptr<UnoApplication>;
using Props = Reference<office::beans::XPropertySet>;
using Range = Reference<office::text::XTextRange>;

// The import filters of documents Word opens.
const std::vector<std::string_view> kDocumentFilters{"MS Word", "MS WinWord", "Rich Text Format", "writer8",
                                                     "Office Open XML Text"};

constexpr float kUndefined = static_cast<float>(WD_UNDEFINED);

bool Supports(const Reference<office::uno::XInterface>& object, const char* service) {
  Reference<office::lang::XServiceInfo> info(object, UNO_QUERY);
  return info.is() && info->supportsService(rtl::OUString::createFromAscii(service));
}

template <typename Each>
void ForEach(const Reference<office::uno::XInterface>& container, Each each) {
  Reference<office::container::XEnumerationAccess> access(container, UNO_QUERY_THROW);
  Reference<office::container::XEnumeration> items = access->createEnumeration();
  while (items->hasMoreElements()) each(Reference<office::uno::XInterface>(items->nextElement(), UNO_QUERY));
}

// Word's text of a stretch: a line break is character 11 as in Word.
std::string WordText(const Range& range) {
  std::string text = OUStringToAnsi(range->getString());
  for (char& c : text)
    if (c == '\n') c = '\v';
  return text;
}

// The value all items share, or `undefined` when they differ.
template <typename Value, typename Item, typename Get>
Value Common(const std::vector<Item>& items, Get get, Value undefined) {
  if (items.empty()) return undefined;
  Value first = get(items.front());
  for (size_t i = 1; i < items.size(); ++i)
    if (get(items[i]) != first) return undefined;
  return first;
}

// A stretch of text as Word sees it: whole paragraphs, with the characters Word ends it with.
struct Stretch {
  std::vector<Range> paragraphs;
  std::string ending;  // "\r", or "\r\a" for the end of a table cell
  bool rowEnd = false;  // an end-of-row mark: no text of its own, formatted like the row's last cell
};

// The runs of characters of a stretch, whose formatting Word's Font reports (a paragraph without text
// reports the paragraph's own character formatting).
std::vector<Props> Runs(const Stretch& stretch) {
  std::vector<Props> runs;
  for (const Range& paragraph : stretch.paragraphs) {
    size_t before = runs.size();
    ForEach(paragraph, [&](const Reference<office::uno::XInterface>& portion) {
      Props properties(portion, UNO_QUERY_THROW);
      Range text(portion, UNO_QUERY_THROW);
      if (Property<rtl::OUString>(properties, "TextPortionType") == "Text" && !text->getString().isEmpty())
        runs.push_back(properties);
    });
    if (runs.size() == before) runs.emplace_back(paragraph, UNO_QUERY_THROW);
  }
  return runs;
}

std::vector<Props> InlinePictures(const Stretch& stretch) {
  std::vector<Props> pictures;
  if (stretch.rowEnd) return pictures;
  for (const Range& paragraph : stretch.paragraphs) {
    ForEach(paragraph, [&](const Reference<office::uno::XInterface>& portion) {
      if (Property<rtl::OUString>(portion, "TextPortionType") != "Frame") return;
      Reference<office::container::XContentEnumerationAccess> contents(portion, UNO_QUERY_THROW);
      Reference<office::container::XEnumeration> items =
          contents->createContentEnumeration("com.sun.star.text.TextContent");
      while (items->hasMoreElements()) {
        Reference<office::uno::XInterface> content(items->nextElement(), UNO_QUERY);
        if (Supports(content, "com.sun.star.text.TextGraphicObject") ||
            Supports(content, "com.sun.star.text.TextEmbeddedObject"))
          pictures.emplace_back(content, UNO_QUERY_THROW);
      }
    });
  }
  return pictures;
}

// The office keeps a shading as one fill colour: Word's plain (textureless) shading in that colour.
class UnoShading : public WordShading {
 public:
  UnoShading(App app, std::function<int32_t()> fill) : app_(std::move(app)), fill_(std::move(fill)) {}
  int ForegroundPatternColorIndex() override { return 0; }
  int BackgroundPatternColorIndex() override {
    return app_->Guarded([&] { return WordColorIndex(fill_()); });
  }
  int Texture() override { return 0; }

 private:
  App app_;
  std::function<int32_t()> fill_;
};

int32_t CharFill(const Props& run) {
  if (Property<bool>(run, "CharBackTransparent")) return -1;
  return Property<int32_t>(run, "CharBackColor");
}

class UnoFont : public WordFont {
 public:
  UnoFont(App app, Stretch stretch) : app_(std::move(app)), stretch_(std::move(stretch)) {}
  int Bold() override {
    return Int([](const Props& run) { return Property<float>(run, "CharWeight") > 100.0f ? -1 : 0; });
  }
  int Italic() override { return Int([](const Props& run) { return IntProperty(run, "CharPosture") != 0 ? -1 : 0; }); }
  int Underline() override {
    return Int([](const Props& run) {
      return WordUnderline(IntProperty(run, "CharUnderline"), Property<bool>(run, "CharWordMode"));
    });
  }
  int Scaling() override { return Int([](const Props& run) { return IntProperty(run, "CharScaleWidth"); }); }
  int Emboss() override { return Int([](const Props& run) { return IntProperty(run, "CharRelief") == 1 ? -1 : 0; }); }
  int Color() override { return Int([](const Props& run) { return WordColor(Property<int32_t>(run, "CharColor")); }); }
  float Size() override { return Float([](const Props& run) { return Property<float>(run, "CharHeight"); }); }
  float Spacing() override {
    return Float([](const Props& run) { return HundredthMmToPoints(IntProperty(run, "CharKerning")); });
  }
  // The office keeps only whether a run is kerned, not from which size: kerned reads as Word's 1 pt.
  float Kerning() override {
    return Float([](const Props& run) { return Property<bool>(run, "CharAutoKerning") ? 1.0f : 0.0f; });
  }
  // A .doc font table may give "Name;AlternativeName": Word's name is the first.
  std::string Name() override {
    return app_->Guarded([&] {
      return Common(Runs(stretch_), [](const Props& run) {
        std::string names = OUStringToAnsi(Property<rtl::OUString>(run, "CharFontName"));
        return names.substr(0, names.find(';'));
      }, std::string());
    });
  }
  std::unique_ptr<WordShading> Shading() override {
    // Runs with different fills read as a colour Word has no index for: wdUndefined.
    return std::make_unique<UnoShading>(app_, [stretch = stretch_] {
      return Common(Runs(stretch), CharFill, int32_t{0x7FFFFFFF});
    });
  }

 private:
  template <typename Get>
  int Int(Get get) {
    return app_->Guarded([&] { return Common(Runs(stretch_), get, WD_UNDEFINED); });
  }
  template <typename Get>
  float Float(Get get) {
    return app_->Guarded([&] { return Common(Runs(stretch_), get, kUndefined); });
  }
  App app_;
  Stretch stretch_;
};

int ParagraphAlignment(const Props& paragraph) {
  return WordAlignment(IntProperty(paragraph, "ParaAdjust"), IntProperty(paragraph, "ParaLastLineAdjust"));
}

class UnoParagraphFormat : public WordParagraphFormat {
 public:
  UnoParagraphFormat(App app, Stretch stretch) : app_(std::move(app)), stretch_(std::move(stretch)) {}
  int Alignment() override {
    return app_->Guarded([&] {
      return Common(stretch_.paragraphs, [](const Range& p) { return ParagraphAlignment(Props(p, UNO_QUERY_THROW)); },
                    WD_UNDEFINED);
    });
  }

 private:
  App app_;
  Stretch stretch_;
};

class UnoPictureFormat : public WordPictureFormat {
 public:
  UnoPictureFormat(App app, Props picture) : app_(std::move(app)), picture_(std::move(picture)) {}
  float Brightness() override {
    return app_->Guarded([&] { return WordBrightness(IntProperty(picture_, "AdjustLuminance")); });
  }

 private:
  App app_;
  Props picture_;
};

class UnoInlineShape : public WordInlineShape {
 public:
  UnoInlineShape(App app, Props picture) : app_(std::move(app)), picture_(std::move(picture)) {}
  float Height() override { return app_->Guarded([&] { return HundredthMmToPoints(IntProperty(picture_, "Height")); }); }
  float Width() override { return app_->Guarded([&] { return HundredthMmToPoints(IntProperty(picture_, "Width")); }); }
  std::unique_ptr<WordPictureFormat> PictureFormat() override {
    return std::make_unique<UnoPictureFormat>(app_, picture_);
  }

 private:
  App app_;
  Props picture_;
};

class UnoInlineShapes : public WordInlineShapes {
 public:
  UnoInlineShapes(App app, std::vector<Props> pictures) : app_(std::move(app)), pictures_(std::move(pictures)) {}
  int Count() override { return static_cast<int>(pictures_.size()); }
  std::unique_ptr<WordInlineShape> Item(int index) override {
    if (index < 1 || index > Count()) throw AutomationError("no inline shape " + std::to_string(index));
    return std::make_unique<UnoInlineShape>(app_, pictures_[index - 1]);
  }

 private:
  App app_;
  std::vector<Props> pictures_;
};

class UnoRange : public WordRange {
 public:
  UnoRange(App app, Stretch stretch) : app_(std::move(app)), stretch_(std::move(stretch)) {}
  std::string Text() override {
    if (stretch_.rowEnd) return stretch_.ending;
    return app_->Guarded([&] {
      std::string text;
      for (size_t i = 0; i < stretch_.paragraphs.size(); ++i)
        text += WordText(stretch_.paragraphs[i]) + (i + 1 < stretch_.paragraphs.size() ? "\r" : stretch_.ending);
      return text;
    });
  }
  int Italic() override { return UnoFont(app_, stretch_).Italic(); }
  std::unique_ptr<WordFont> Font() override { return std::make_unique<UnoFont>(app_, stretch_); }
  std::unique_ptr<WordParagraphFormat> ParagraphFormat() override {
    return std::make_unique<UnoParagraphFormat>(app_, stretch_);
  }
  std::unique_ptr<WordInlineShapes> InlineShapes() override {
    return std::make_unique<UnoInlineShapes>(app_, app_->Guarded([&] { return InlinePictures(stretch_); }));
  }

 private:
  App app_;
  Stretch stretch_;
};

class UnoParagraph : public WordParagraph {
 public:
  UnoParagraph(App app, Stretch stretch)
      : app_(std::move(app)), stretch_(std::move(stretch)), paragraph_(stretch_.paragraphs.front(), UNO_QUERY_THROW) {}
  std::unique_ptr<WordRange> Range() override { return std::make_unique<UnoRange>(app_, stretch_); }
  int Alignment() override { return app_->Guarded([&] { return ParagraphAlignment(paragraph_); }); }
  float RightIndent() override { return Length("ParaRightMargin"); }
  float LeftIndent() override { return Length("ParaLeftMargin"); }
  float FirstLineIndent() override { return Length("ParaFirstLineIndent"); }
  float LineSpacing() override {
    return app_->Guarded([&] {
      office::style::LineSpacing spacing = Property<office::style::LineSpacing>(paragraph_, "ParaLineSpacing");
      return WordLineSpacing(spacing.Mode, spacing.Height);
    });
  }
  float SpaceBefore() override { return Length("ParaTopMargin"); }
  float SpaceAfter() override { return Length("ParaBottomMargin"); }

 private:
  float Length(const char* name) {
    return app_->Guarded([&] { return HundredthMmToPoints(IntProperty(paragraph_, name)); });
  }
  App app_;
  Stretch stretch_;
  Props paragraph_;
};

// Word's paragraphs of the main text: body paragraphs, and inside tables each cell's paragraphs (the last
// one ending with 13 and 7) followed by each row's end-of-row mark.
class UnoParagraphs : public WordParagraphs {
 public:
  UnoParagraphs(App app, std::vector<Stretch> paragraphs) : app_(std::move(app)), paragraphs_(std::move(paragraphs)) {}
  int Count() override { return static_cast<int>(paragraphs_.size()); }
  std::unique_ptr<WordParagraph> Item(int index) override {
    if (index < 1 || index > Count()) throw AutomationError("no paragraph " + std::to_string(index));
    return std::make_unique<UnoParagraph>(app_, paragraphs_[index - 1]);
  }

 private:
  App app_;
  std::vector<Stretch> paragraphs_;
};

// A table's cells grouped by row, from the office's cell names ("B3": column B, row 3).
std::vector<std::vector<rtl::OUString>> CellRows(const Reference<office::text::XTextTable>& table) {
  std::map<int, std::vector<rtl::OUString>> rows;
  const office::uno::Sequence<rtl::OUString> names = table->getCellNames();
  for (const rtl::OUString& name : names) {
    std::string text = OUStringToUtf8(name);
    size_t digits = text.find_first_of("0123456789");
    if (digits == std::string::npos) continue;
    rows[std::atoi(text.c_str() + digits)].push_back(name);
  }
  std::vector<std::vector<rtl::OUString>> result;
  for (auto& [row, cells] : rows) result.push_back(std::move(cells));
  return result;
}

std::vector<Range> ParagraphsOf(const Reference<office::uno::XInterface>& text) {
  std::vector<Range> paragraphs;
  ForEach(text, [&](const Reference<office::uno::XInterface>& element) {
    if (Supports(element, "com.sun.star.text.Paragraph")) paragraphs.emplace_back(element, UNO_QUERY_THROW);
  });
  return paragraphs;
}

struct TableCell {
  Reference<office::text::XTextTable> table;
  Props row;
  int column;  // from 0, within its row
  Reference<office::uno::XInterface> cell;
};

int32_t CellFill(const Reference<office::uno::XInterface>& cell) { return Property<int32_t>(cell, "BackColor"); }

class UnoCell : public WordCell {
 public:
  UnoCell(App app, TableCell cell) : app_(std::move(app)), cell_(std::move(cell)) {}
  std::unique_ptr<WordRange> Range() override {
    Stretch stretch{app_->Guarded([&] { return ParagraphsOf(cell_.cell); }), "\r\a"};
    return std::make_unique<UnoRange>(app_, stretch);
  }
  std::unique_ptr<WordShading> Shading() override {
    Reference<office::uno::XInterface> cell = cell_.cell;
    return std::make_unique<UnoShading>(app_, [cell] { return CellFill(cell); });
  }
  // A row's column separators are positions on a scale of TableColumnRelativeSum across the table width;
  // the cell lies between the separators before and after it.
  float Width() override {
    return app_->Guarded([&] {
      using Separators = office::uno::Sequence<office::text::TableColumnSeparator>;
      Props table(cell_.table, UNO_QUERY_THROW);
      int sum = std::max(IntProperty(table, "TableColumnRelativeSum"), 1);
      auto separators = Property<Separators>(cell_.row, "TableColumnSeparators");
      if (separators.getLength() == 0) separators = Property<Separators>(table, "TableColumnSeparators");
      auto position = [&](int i) {
        return i <= 0 ? 0 : i > separators.getLength() ? sum : static_cast<int>(separators[i - 1].Position);
      };
      double width = static_cast<double>(position(cell_.column + 1) - position(cell_.column)) *
                     IntProperty(table, "Width") / sum;
      return HundredthMmToPoints(static_cast<int>(width + 0.5));
    });
  }
  // An automatic row height is undefined in Word.
  float Height() override {
    return app_->Guarded([&] {
      if (Property<bool>(cell_.row, "IsAutoHeight")) return kUndefined;
      return HundredthMmToPoints(IntProperty(cell_.row, "Height"));
    });
  }

 private:
  App app_;
  TableCell cell_;
};

struct TableRow {
  Reference<office::text::XTextTable> table;
  Props row;
  std::vector<rtl::OUString> cells;
};

class UnoCells : public WordCells {
 public:
  UnoCells(App app, TableRow row) : app_(std::move(app)), row_(std::move(row)) {}
  int Count() override { return static_cast<int>(row_.cells.size()); }
  std::unique_ptr<WordCell> Item(int index) override {
    if (index < 1 || index > Count()) throw AutomationError("no cell " + std::to_string(index));
    Reference<office::uno::XInterface> cell = app_->Guarded([&] {
      return Reference<office::uno::XInterface>(row_.table->getCellByName(row_.cells[index - 1]), UNO_QUERY_THROW);
    });
    return std::make_unique<UnoCell>(app_, TableCell{row_.table, row_.row, index - 1, cell});
  }

 private:
  App app_;
  TableRow row_;
};

class UnoRow : public WordRow {
 public:
  UnoRow(App app, TableRow row) : app_(std::move(app)), row_(std::move(row)) {}
  std::unique_ptr<WordCells> Cells() override { return std::make_unique<UnoCells>(app_, row_); }

 private:
  App app_;
  TableRow row_;
};

class UnoRows : public WordRows {
 public:
  UnoRows(App app, Reference<office::text::XTextTable> table) : app_(std::move(app)), table_(std::move(table)) {
    cells_ = app_->Guarded([&] { return CellRows(table_); });
  }
  int Count() override { return static_cast<int>(cells_.size()); }
  std::unique_ptr<WordRow> Item(int index) override {
    if (index < 1 || index > Count()) throw AutomationError("no row " + std::to_string(index));
    Props row = app_->Guarded([&] {
      Reference<office::container::XIndexAccess> rows(table_->getRows(), UNO_QUERY_THROW);
      return Props(rows->getByIndex(index - 1), UNO_QUERY_THROW);
    });
    return std::make_unique<UnoRow>(app_, TableRow{table_, row, cells_[index - 1]});
  }

 private:
  App app_;
  Reference<office::text::XTextTable> table_;
  std::vector<std::vector<rtl::OUString>> cells_;
};

class UnoColumns : public WordColumns {
 public:
  explicit UnoColumns(int count) : count_(count) {}
  int Count() override { return count_; }

 private:
  int count_;
};

// Word's table borders by index: 1 top, 2 left, 3 bottom, 4 right, 5 inside horizontal, 6 inside
// vertical; WdBorderType's negative constants name the same borders.
class UnoBorder : public WordBorder {
 public:
  UnoBorder(App app, Reference<office::text::XTextTable> table, int index)
      : app_(std::move(app)), table_(std::move(table)), index_(index) {}
  int ColorIndex() override {
    return app_->Guarded([&] {
      office::table::BorderLine2 line = Line();
      return line.LineWidth > 0 ? WordColorIndex(line.Color) : 0;
    });
  }
  int LineWidth() override { return app_->Guarded([&] { return WordLineWidth(Line().LineWidth); }); }

 private:
  office::table::BorderLine2 Line() {
    office::table::TableBorder2 border = Property<office::table::TableBorder2>(table_, "TableBorder2");
    switch (index_) {
      case 1: return border.TopLine;
      case 2: return border.LeftLine;
      case 3: return border.BottomLine;
      case 4: return border.RightLine;
      case 5: return border.HorizontalLine;
      default: return border.VerticalLine;
    }
  }
  App app_;
  Reference<office::text::XTextTable> table_;
  int index_;
};

class UnoBorders : public WordBorders {
 public:
  UnoBorders(App app, Reference<office::text::XTextTable> table) : app_(std::move(app)), table_(std::move(table)) {}
  std::unique_ptr<WordBorder> Item(int index) override {
    int border = index < 0 ? -index : index;
    if (border < 1 || border > 6) throw AutomationError("no border " + std::to_string(index));
    return std::make_unique<UnoBorder>(app_, table_, border);
  }

 private:
  App app_;
  Reference<office::text::XTextTable> table_;
};

class UnoTable : public WordTable {
 public:
  UnoTable(App app, Reference<office::text::XTextTable> table) : app_(std::move(app)), table_(std::move(table)) {}
  // Word counts the columns of the widest row.
  std::unique_ptr<WordColumns> Columns() override {
    size_t widest = 0;
    for (const auto& row : app_->Guarded([&] { return CellRows(table_); })) widest = std::max(widest, row.size());
    return std::make_unique<UnoColumns>(static_cast<int>(widest));
  }
  std::unique_ptr<WordRows> Rows() override { return std::make_unique<UnoRows>(app_, table_); }
  std::unique_ptr<WordBorders> Borders() override { return std::make_unique<UnoBorders>(app_, table_); }

 private:
  App app_;
  Reference<office::text::XTextTable> table_;
};

class UnoTables : public WordTables {
 public:
  UnoTables(App app, std::vector<Reference<office::text::XTextTable>> tables)
      : app_(std::move(app)), tables_(std::move(tables)) {}
  int Count() override { return static_cast<int>(tables_.size()); }
  std::unique_ptr<WordTable> Item(int index) override {
    if (index < 1 || index > Count()) throw AutomationError("no table " + std::to_string(index));
    return std::make_unique<UnoTable>(app_, tables_[index - 1]);
  }

 private:
  App app_;
  std::vector<Reference<office::text::XTextTable>> tables_;
};

// The main text in Word's order: its paragraphs and its tables.
struct Story {
  std::vector<Stretch> paragraphs;
  std::vector<Reference<office::text::XTextTable>> tables;
};

void AppendTable(const Reference<office::text::XTextTable>& table, Story& story) {
  story.tables.push_back(table);
  for (const auto& row : CellRows(table)) {
    for (const rtl::OUString& name : row) {
      std::vector<Range> paragraphs = ParagraphsOf(Reference<office::uno::XInterface>(table->getCellByName(name), UNO_QUERY_THROW));
      for (size_t i = 0; i < paragraphs.size(); ++i)
        story.paragraphs.push_back({{paragraphs[i]}, i + 1 < paragraphs.size() ? "\r" : "\r\a"});
    }
    if (!story.paragraphs.empty()) story.paragraphs.push_back({{story.paragraphs.back().paragraphs}, "\r\a", true});
  }
}

Story ReadStory(const Reference<office::text::XTextDocument>& document) {
  Story story;
  ForEach(document->getText(), [&](const Reference<office::uno::XInterface>& element) {
    Reference<office::text::XTextTable> table(element, UNO_QUERY);
    if (table.is())
      AppendTable(table, story);
    else if (Supports(element, "com.sun.star.text.Paragraph"))
      story.paragraphs.push_back({{Range(element, UNO_QUERY_THROW)}, "\r"});
  });
  return story;
}

// The document Documents.Add made last: Application.Selection works on it.
struct ActiveDocument {
  Reference<office::text::XTextDocument> document;
};

class UnoSelection : public WordSelection {
 public:
  UnoSelection(App app, std::shared_ptr<ActiveDocument> active) : app_(std::move(app)), active_(std::move(active)) {}
  void WholeStory() override { wholeStory_ = true; }
  std::unique_ptr<WordTables> Tables() override {
    Story story = Read();
    return std::make_unique<UnoTables>(app_, std::move(story.tables));
  }
  std::unique_ptr<WordParagraphs> Paragraphs() override {
    Story story = Read();
    return std::make_unique<UnoParagraphs>(app_, std::move(story.paragraphs));
  }

 private:
  // Before WholeStory the selection is the insertion point at the start: the first paragraph, and the
  // table it lies in, if any.
  Story Read() {
    if (!active_->document.is()) throw AutomationError("no document is open");
    Story story = app_->Guarded([&] { return ReadStory(active_->document); });
    if (!wholeStory_) {
      if (story.paragraphs.size() > 1) story.paragraphs.resize(1);
      bool startsWithTable = !story.tables.empty() && story.paragraphs.size() == 1 &&
                             story.paragraphs.front().ending == "\r\a";
      story.tables.resize(startsWithTable ? 1 : 0);
    }
    return story;
  }
  App app_;
  std::shared_ptr<ActiveDocument> active_;
  bool wholeStory_ = false;
};

class UnoDocument : public WordDocument {};

class UnoDocuments : public WordDocuments {
 public:
  UnoDocuments(App app, std::shared_ptr<ActiveDocument> active) : app_(std::move(app)), active_(std::move(active)) {}
  std::unique_ptr<WordDocument> Add(const std::string& path) override {
    if (!app_->office) throw AutomationError("the office has quit");
    Reference<office::text::XTextDocument> document(app_->office->Load(path, kDocumentFilters), UNO_QUERY);
    if (!document.is()) throw AutomationError("not a Word document: " + path);
    active_->document = document;
    return std::make_unique<UnoDocument>();
  }

 private:
  App app_;
  std::shared_ptr<ActiveDocument> active_;
};

class UnoWordSession : public WordSession {
 public:
  explicit UnoWordSession(std::unique_ptr<OfficeInstance> office)
      : app_(std::make_shared<UnoApplication>()), active_(std::make_shared<ActiveDocument>()) {
    app_->office = std::move(office);
  }
  ~UnoWordSession() override {
    active_->document.clear();
    app_->office.reset();
  }
  std::unique_ptr<WordDocuments> Documents() override { return std::make_unique<UnoDocuments>(app_, active_); }
  std::unique_ptr<WordSelection> Selection() override { return std::make_unique<UnoSelection>(app_, active_); }

 private:
  App app_;
  std::shared_ptr<ActiveDocument> active_;
};

}  // namespace

std::unique_ptr<WordSession> StartUnoWord(const OfficeOptions& options) {
  std::unique_ptr<OfficeInstance> office = OfficeInstance::Start(options);
  if (!office) return nullptr;
  return std::make_unique<UnoWordSession>(std::move(office));
}
