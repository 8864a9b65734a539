#!/usr/bin/env python3
"""Builds the Word and Excel documents of the sample question bank and of the office tests.

Each document is written as flat ODF (.fodt / .fods) and converted to .doc / .xls by LibreOffice, so the
committed binaries can always be made again from this script:

    tests/data/office/make_samples.py

Outputs: the candidate's files, criteria files and message texts (GBK) of the sample site's Word question
(101/1001.doc) and Excel question (102/2001.xls); the answer variants (right, partly right, wrong) and the
property documents in tests/data/office/.
"""
import base64
import os
import pathlib
import shutil
import struct
import subprocess
import tempfile
import zlib

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[2]
WEB_ROOT = ROOT / "site/server/nginx/html"

NS = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
      'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
      'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
      'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
      'xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" '
      'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
      'xmlns:xlink="http://www.w3.org/1999/xlink" '
      'xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" '
      'xmlns:chart="urn:oasis:names:tc:opendocument:xmlns:chart:1.0" '
      'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" '
      'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" '
      'xmlns:loext="urn:org:documentfoundation:names:experimental:office:xmlns:loext:1.0"')

FONTS = ["宋体", "黑体", "楷体", "Arial", "Times New Roman"]


def font_decls():
    return "<office:font-face-decls>" + "".join(
        f'<style:font-face style:name="{f}" svg:font-family="{f}"/>' for f in FONTS) + "</office:font-face-decls>"


def text_props(font="宋体", size=12, bold=False, italic=False, color=None, extra=""):
    """Character properties set alike for Western and Asian text, as Word keeps one of each."""
    p = (f'style:font-name="{font}" style:font-name-asian="{font}" '
         f'fo:font-size="{size}pt" style:font-size-asian="{size}pt" ')
    if bold:
        p += 'fo:font-weight="bold" style:font-weight-asian="bold" '
    if italic:
        p += 'fo:font-style="italic" style:font-style-asian="italic" '
    if color:
        p += f'fo:color="{color}" '
    return f"<style:text-properties {p}{extra}/>"


# ----------------------------------------------------------------------------------------------- Word

BODY = [
    "会计基础知识",
    "会计是以货币为主要计量单位，反映和监督一个单位经济活动的一种经济管理工作。",
    "会计的基本职能包括会计核算和会计监督两个方面。",
    "以下为某企业月末货币资金余额：",
]
TABLE = [["项目", "金额", "备注"], ["现金", "1000", "库存"], ["银行存款", "5000", "活期"]]


def word_document(styles, paragraphs):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document {NS} office:version="1.3" '
            f'office:mimetype="application/vnd.oasis.opendocument.text">{font_decls()}'
            f'<office:automatic-styles>{styles}</office:automatic-styles>'
            f'<office:body><office:text>{paragraphs}</office:text></office:body></office:document>\n')


def word_table(header_bold, border):
    cells = ""
    for r, row in enumerate(TABLE):
        style = "TH" if r == 0 and header_bold else "TD"
        cells += "<table:table-row>" + "".join(
            f'<table:table-cell table:style-name="Cell"><text:p text:style-name="{style}">{c}</text:p>'
            f'</table:table-cell>' for c in row) + "</table:table-row>"
    styles = (f'<style:style style:name="Tbl" style:family="table"><style:table-properties style:width="15cm" '
              f'table:align="left"/></style:style>'
              f'<style:style style:name="Col" style:family="table-column"><style:table-column-properties '
              f'style:column-width="5cm"/></style:style>'
              f'<style:style style:name="Cell" style:family="table-cell"><style:table-cell-properties '
              f'fo:border="{border}" fo:padding="0.1cm"/></style:style>'
              f'<style:style style:name="TH" style:family="paragraph">{text_props(bold=True)}</style:style>'
              f'<style:style style:name="TD" style:family="paragraph">{text_props()}</style:style>')
    body = (f'<table:table table:name="T1" table:style-name="Tbl"><table:table-column table:style-name="Col" '
            f'table:number-columns-repeated="3"/>{cells}</table:table>')
    return styles, body


def word_answer(font, color, spacing, with_table, header_bold):
    """The candidate's document: paragraph 2 formatted as asked (or not), a table inserted (or not)."""
    p2 = (f'<style:style style:name="P2" style:family="paragraph"><style:paragraph-properties '
          f'fo:line-height="{spacing}" fo:text-indent="28pt" fo:margin-top="6pt" fo:margin-bottom="6pt"/>'
          f'{text_props(font, 14, bold=True, color=color)}</style:style>'
          f'<style:style style:name="PB" style:family="paragraph">{text_props()}</style:style>')
    paragraphs = f'<text:p text:style-name="PB">{BODY[0]}</text:p><text:p text:style-name="P2">{BODY[1]}</text:p>'
    paragraphs += "".join(f'<text:p text:style-name="PB">{t}</text:p>' for t in BODY[2:])
    styles = p2
    if with_table:
        table_styles, table = word_table(header_bold, "0.5pt solid #000000")
        styles += table_styles
        paragraphs += table + '<text:p text:style-name="PB"/>'
    return word_document(styles, paragraphs)


def word_question():
    styles = f'<style:style style:name="PB" style:family="paragraph">{text_props()}</style:style>'
    return word_document(styles, "".join(f'<text:p text:style-name="PB">{t}</text:p>' for t in BODY))


def tiny_png(width, height):
    raw = b"".join(b"\x00" + b"\x80\x40\x20" * width for _ in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


# One paragraph per property the Word session reads; word_properties_test.cpp holds the expected values.
WORD_PROPERTY_PARAGRAPHS = [
    ("plain", "", ""),
    ("italic underlined", "", 'fo:font-style="italic" style:font-style-asian="italic" '
     'style:text-underline-style="solid" style:text-underline-width="auto" style:text-underline-color="font-color"'),
    ("double underline", "", 'style:text-underline-style="solid" style:text-underline-type="double" '
     'style:text-underline-width="auto" style:text-underline-color="font-color"'),
    ("scaled spaced embossed", "", 'style:text-scale="80%" fo:letter-spacing="2pt" style:font-relief="embossed"'),
    ("right aligned indented", 'fo:text-align="end" fo:margin-left="0.5cm" fo:margin-right="1cm" '
     'fo:text-indent="-0.5cm"', ""),
    ("justified exactly 18 pt", 'fo:text-align="justify" fo:line-height="18pt"', ""),
    ("centred double spaced", 'fo:text-align="center" fo:line-height="200%"', ""),
    ("shaded yellow blue text", "", 'fo:background-color="#ffff00" fo:color="#0000ff"'),
]


def word_properties():
    styles = ""
    paragraphs = ""
    for i, (text, para, chars) in enumerate(WORD_PROPERTY_PARAGRAPHS):
        styles += (f'<style:style style:name="Q{i}" style:family="paragraph">'
                   f'<style:paragraph-properties {para}/>{text_props("Arial", 10.5, extra=chars)}</style:style>')
        paragraphs += f'<text:p text:style-name="Q{i}">{text}</text:p>'
    picture = base64.b64encode(tiny_png(8, 4)).decode()
    styles += ('<style:style style:name="Pic" style:family="graphic"><style:graphic-properties '
               'draw:luminance="20%"/></style:style>')
    paragraphs += ('<text:p text:style-name="Q0">picture <draw:frame draw:style-name="Pic" draw:name="Picture1" '
                   'text:anchor-type="as-char" svg:width="2cm" svg:height="1cm"><draw:image>'
                   f'<office:binary-data>{picture}</office:binary-data></draw:image></draw:frame></text:p>')
    table_styles, table = word_table(True, "1.5pt solid #ff0000")
    row_styles = ('<style:style style:name="Row" style:family="table-row"><style:table-row-properties '
                  'style:row-height="1cm"/></style:style>')
    table = table.replace("<table:table-row>", '<table:table-row table:style-name="Row">', 1)
    return word_document(styles + table_styles + row_styles, paragraphs + table + '<text:p text:style-name="Q0"/>')


WORD_CRITERIA = """; 样题 1001：段落格式与插入表格
[score]
all_score=14
[msg]
path=word_1001.ini
[paragraph]
title=0
num=1
p1=会计是以货币
[p1]
fontname=黑体
score_fontname=1
size=14.000000
score_size=1
bold=-1
score_bold=1
color=0000ff
score_color=1
linespace=18.000000
score_linespace=1
firstlineindent=28.000000
score_firstlineindent=1
spaceafter=6.000000
spacebefore=6.000000
score_spaceafter=1
[table]
column=3
row=3
score_column=1
score_row=1
b_width=4
score_width=1
[row]
check=1
1_bold=-1
1_score=2
[cell]
check=2-1,3-2
[rc2-1]
text=现金
score_text=1
[rc3-2]
text=5000
score_text=1
"""

WORD_MESSAGES = """[msg]
font=字体设置不正确
size=字号设置不正确
bold=加粗设置不正确
color=字体颜色设置不正确
space=段落间距设置不正确
indent=缩进设置不正确
text=单元格内容不正确
italic=倾斜设置不正确
align=对齐方式设置不正确
"""

# ----------------------------------------------------------------------------------------------- Excel

SHEET = "成绩"
GRADES = [["姓名", "会计", "税法", "总分"], ["张三", 85, 78], ["李四", 92, 88], ["王五", 76, 69], ["赵六", 64, 90]]


def cell(value, style, formula=None):
    if isinstance(value, str):
        return f'<table:table-cell table:style-name="{style}" office:value-type="string"><text:p>{value}</text:p></table:table-cell>'
    f = f' table:formula="{formula}"' if formula else ""
    return (f'<table:table-cell table:style-name="{style}"{f} office:value-type="float" office:value="{value}">'
            f'<text:p>{value}</text:p></table:table-cell>')


def chart_frame(title, legend, labels):
    label_style = 'chart:data-label-number="value"' if labels else 'chart:data-label-number="none"'
    legend_xml = '<chart:legend chart:legend-position="end"/>' if legend else ""
    return f'''<draw:frame draw:z-index="0" draw:name="Chart1" svg:width="12cm" svg:height="7cm" svg:x="0.5cm" svg:y="4cm">
<draw:object draw:notify-on-update-of-ranges="{SHEET}.A2:{SHEET}.B6">
<office:document office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.chart">
<office:automatic-styles><style:style style:name="S1" style:family="chart"><style:chart-properties {label_style}/></style:style></office:automatic-styles>
<office:body><office:chart><chart:chart chart:class="chart:bar" svg:width="12cm" svg:height="7cm">
<chart:title><text:p>{title}</text:p></chart:title>{legend_xml}
<chart:plot-area table:cell-range-address="{SHEET}.A2:{SHEET}.B6" chart:data-source-has-labels="both">
<chart:axis chart:dimension="x" chart:name="primary-x"><chart:categories table:cell-range-address="{SHEET}.A3:{SHEET}.A6"/></chart:axis>
<chart:axis chart:dimension="y" chart:name="primary-y"/>
<chart:series chart:style-name="S1" chart:values-cell-range-address="{SHEET}.B3:{SHEET}.B6" chart:label-cell-address="{SHEET}.B2" chart:class="chart:bar"/>
</chart:plot-area></chart:chart></office:chart></office:body></office:document>
</draw:object></draw:frame>'''


def workbook(title_done, borders, header_fill, chart):
    """The grade table; the candidate's work: title merged and formatted, borders, header fill, and a chart
    (`chart` is None, "with legend" or "without legend")."""
    border = 'fo:border="0.74pt solid #000000"' if borders else ""
    fill = 'fo:background-color="#ffff00"' if header_fill else ""
    title_cell = (f'<style:table-cell-properties style:vertical-align="middle"/><style:paragraph-properties '
                  f'fo:text-align="center"/>{text_props("黑体", 16, bold=True)}' if title_done
                  else text_props("宋体", 11))
    styles = (f'<style:style style:name="co1" style:family="table-column"><style:table-column-properties '
              f'style:column-width="2.5cm"/></style:style>'
              f'<style:style style:name="Title" style:family="table-cell">{title_cell}</style:style>'
              f'<style:style style:name="Head" style:family="table-cell"><style:table-cell-properties {border} {fill}/>'
              f'{text_props("宋体", 11, bold=True)}</style:style>'
              f'<style:style style:name="Body" style:family="table-cell"><style:table-cell-properties {border}/>'
              f'{text_props("宋体", 11)}</style:style>')
    span = ' table:number-columns-spanned="4" table:number-rows-spanned="1"' if title_done else ""
    rows = (f'<table:table-row><table:table-cell table:style-name="Title" office:value-type="string"{span}>'
            f'<text:p>学生成绩表</text:p></table:table-cell>'
            + ('<table:covered-table-cell table:number-columns-repeated="3"/>' if title_done else "")
            + "</table:table-row>")
    rows += "<table:table-row>" + "".join(cell(v, "Head") for v in GRADES[0]) + "</table:table-row>"
    for i, (name, a, b) in enumerate(GRADES[1:], start=3):
        rows += ("<table:table-row>" + cell(name, "Body") + cell(a, "Body") + cell(b, "Body") +
                 cell(a + b, "Body", f"of:=[.B{i}]+[.C{i}]") + "</table:table-row>")
    shapes = f"<table:shapes>{chart_frame('会计成绩', chart == 'with legend', False)}</table:shapes>" if chart else ""
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document {NS} office:version="1.3" '
            f'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">{font_decls()}'
            f'<office:automatic-styles>{styles}</office:automatic-styles><office:body><office:spreadsheet>'
            f'<table:table table:name="{SHEET}">{shapes}<table:table-column table:style-name="co1" '
            f'table:number-columns-repeated="4"/>{rows}</table:table></office:spreadsheet></office:body></office:document>\n')


def excel_criteria():
    texts = "".join(f"{'ABCD'[j]}{2}={v}\n" for j, v in enumerate(GRADES[0]))
    for i, (name, a, b) in enumerate(GRADES[1:], start=3):
        texts += f"A{i}={name}\nB{i}={a}\nC{i}={b}\nD{i}={a + b}\n"
    return f"""; 样题 2001：标题、表格边框与图表
[score]
all_score=17
gloal_row=1
gloal_col=1
title_merge=1
title_content=1
title_align=1
title_font=1
title_bold=1
title=1
content_content=1
content_format=1
content_exception=1
content_border=1
border=1
chart_data_label=1
chart_has_legend=1
chart_title=1
[msg]
path=excel_2001.ini
[items]
title=1
content=1
border=1
chart=1
[gloal]
row=6
col=4
[title]
row_num=1
col_num=1
merge_num=4
merge=-1
content=学生成绩表
align=-4108
font=黑体
size=16
bold=-1
[content]
start=2
end=6
col_start=1
col_end=4
{texts}font=宋体
size=11
bold=0
exception=A2,B2,C2,D2
A2_bold=-1
B2_bold=-1
C2_bold=-1
D2_bold=-1
border_color=000000
width=2
line_style=1
[border]
start=A2
end=D6
color=000000
width=2
line_style=1
[chart]
type=3
series_num=1
series_1=会计
series_formula_1==SERIES({SHEET}!$B$2,{SHEET}!$A$3:$A$6,{SHEET}!$B$3:$B$6,1)
data_label=0
has_legend=1
data_table=0
title=会计成绩
"""


EXCEL_MESSAGES = """[msg]
cell_merge=没有合并单元格
title=标题内容不正确
align=对齐方式不正确
v_align=垂直对齐方式不正确
font=字体不正确
size=字号不正确
bold=加粗设置不正确
color=字体颜色不正确
content=内容不正确
line_style=线型不正确
width=粗细不正确
chart=没有插入正确的图表
type=图表类型不正确
data_label=数据标签设置不正确
legend=图例设置不正确
data_table=数据表设置不正确
"""


def excel_properties():
    """Cells with one property each, for excel_properties_test.cpp."""
    styles = ""
    rows = ""
    cases = [
        ('fo:text-align="end"', "", ""),
        ('fo:text-align="center"', 'style:vertical-align="top"', ""),
        ("", 'style:vertical-align="middle"', 'fo:font-style="italic" style:text-underline-style="solid" '
         'style:text-underline-width="auto" style:text-underline-color="font-color" fo:color="#ff0000"'),
        ("", 'fo:background-color="#c0c0c0" fo:border-bottom="2.5pt solid #0000ff"', ""),
        ("", 'fo:border-top="1.75pt dashed #000000" fo:border-left="0.74pt dotted #ff0000"', ""),
    ]
    for i, (para, cellp, chars) in enumerate(cases):
        styles += (f'<style:style style:name="C{i}" style:family="table-cell"><style:table-cell-properties {cellp}/>'
                   f'<style:paragraph-properties {para}/>{text_props("Arial", 10, extra=chars)}</style:style>')
        rows += f'<table:table-row>{cell(f"case {i + 1}", f"C{i}")}</table:table-row>'
    styles += ('<style:style style:name="Wide" style:family="table-column"><style:table-column-properties '
               'style:column-width="3cm"/></style:style>')
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document {NS} office:version="1.3" '
            f'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">{font_decls()}'
            f'<office:automatic-styles>{styles}</office:automatic-styles><office:body><office:spreadsheet>'
            f'<table:table table:name="Data sheet"><table:table-column table:style-name="Wide"/>{rows}</table:table>'
            f'</office:spreadsheet></office:body></office:document>\n')


# ----------------------------------------------------------------------------------------------- build

def convert(sources, work, target):
    subprocess.run(["soffice", f"-env:UserInstallation=file://{work}/profile", "--headless", "--convert-to",
                    target, "--outdir", str(work)] + [str(s) for s in sources], check=True,
                   stdout=subprocess.DEVNULL)


def write_gbk(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(text.replace("\n", "\r\n").encode("gbk"))


def main():
    word = {
        "word-question": word_question(),
        "word-right": word_answer("黑体", "#ff0000", "150%", True, True),
        "word-partly": word_answer("宋体", "#000000", "150%", True, False),
        "word-wrong": word_answer("楷体", "#0000ff", "100%", False, False),
        "word-properties": word_properties(),
    }
    excel = {
        "excel-question": workbook(False, False, False, None),
        "excel-right": workbook(True, True, True, "with legend"),
        "excel-partly": workbook(True, False, True, "without legend"),
        "excel-wrong": workbook(False, True, False, None),
        "excel-properties": excel_properties(),
    }
    with tempfile.TemporaryDirectory() as folder:
        work = pathlib.Path(folder)
        for name, xml in word.items():
            (work / f"{name}.fodt").write_text(xml, encoding="utf-8")
        for name, xml in excel.items():
            (work / f"{name}.fods").write_text(xml, encoding="utf-8")
        convert(sorted(work.glob("*.fodt")), work, "doc")
        convert(sorted(work.glob("*.fods")), work, "xls:MS Excel 97")
        for name in list(word) + list(excel):
            suffix = ".doc" if name.startswith("word") else ".xls"
            shutil.copy(work / (name + suffix), HERE / (name + suffix))
    shutil.copy(HERE / "word-question.doc", WEB_ROOT / "operation/101/word/1001.doc")
    shutil.copy(HERE / "excel-question.xls", WEB_ROOT / "operation/102/excel/2001.xls")
    write_gbk(WEB_ROOT / "score/word/1001.ini", WORD_CRITERIA)
    write_gbk(WEB_ROOT / "score/info/word_1001.ini", WORD_MESSAGES)
    write_gbk(WEB_ROOT / "score/excel/2001.ini", excel_criteria())
    write_gbk(WEB_ROOT / "score/info/excel_2001.ini", EXCEL_MESSAGES)


if __name__ == "__main__":
    main()
