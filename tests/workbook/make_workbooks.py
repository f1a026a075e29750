#!/usr/bin/python3
"""Workbooks as engineers' spreadsheet programs save them, for the workbook tests.

    /usr/bin/python3 make_workbooks.py OUTDIR

joints.xlsx is written by openpyxl, a real spreadsheet library; the others are
packages laid out by hand the way other writers lay them out (a namespace prefix,
absolute targets, a sheet not named sheet1.xml, a byte-order mark, cells without
references, stored entries and folder entries), and damaged ones.
"""

import pathlib
import sys
import zipfile

import openpyxl
from openpyxl.styles import Font

out = pathlib.Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)

# A list as an engineer keeps it: a merged title row, a header, joint numbers as
# numbers, a note with a line break, a formula-like note, a joint still blank, a "+"
# joint, a material merged down two joints, and a chart sheet before the list.
book = openpyxl.Workbook()
book.remove(book.active)
book.create_chartsheet("图表")
sheet = book.create_sheet("焊缝清单")
sheet.append(["XX 项目焊缝清单"])
sheet.merge_cells("A1:D1")
sheet.append(["焊缝编号", "母材1", "母材2", "备注"])
sheet.append([1, "16MnR", "Q235B", "第一行\n第二行"])
sheet.append([2, "06Cr19Ni10", "20g", None])
sheet.cell(row=4, column=4).value = "=1+1"
sheet.cell(row=4, column=4).data_type = "s"
sheet.append([3, None, None, "待定"])
sheet.append([4.5, "16MnR+304", None, 2.5e-3])
sheet.append([5, "40Cr", None, None])
sheet.append([6, None, None, "同上"])
sheet.merge_cells("B7:B8")
sheet["A2"].font = Font(bold=True)
book.save(out / "joints.xlsx")

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"
TYPES = ('<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/'
         'package/2006/content-types"><Default Extension="rels" ContentType="application/'
         'vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" '
         'ContentType="application/xml"/></Types>')


def package(name, parts, stored=False, folders=False):
    method = zipfile.ZIP_STORED if stored else zipfile.ZIP_DEFLATED
    with zipfile.ZipFile(out / name, "w", method) as z:
        if folders:
            for folder in ("_rels/", "xl/", "xl/_rels/", "xl/worksheets/"):
                z.writestr(folder, b"")
        for path, text in parts.items():
            z.writestr(path, text.encode("utf-8") if isinstance(text, str) else text)


def parts(sheet_xml, sheet_path="xl/worksheets/sheet1.xml", target="worksheets/sheet1.xml",
          shared=None, bom=""):
    p = {
        "[Content_Types].xml": TYPES,
        "_rels/.rels": f'<Relationships xmlns="{PKG}"><Relationship Id="r1" '
                       f'Type="{REL}/officeDocument" Target="xl/workbook.xml"/></Relationships>',
        "xl/workbook.xml": f'<workbook xmlns="{MAIN}" xmlns:r="{REL}"><sheets>'
                           f'<sheet name="清单" sheetId="1" r:id="rId7"/></sheets></workbook>',
        "xl/_rels/workbook.xml.rels":
            f'<Relationships xmlns="{PKG}"><Relationship Id="rId7" Type="{REL}/worksheet" '
            f'Target="{target}"/>'
            + (f'<Relationship Id="rId8" Type="{REL}/sharedStrings" Target="sharedStrings.xml"/>'
               if shared else "") + '</Relationships>',
        sheet_path: bom + sheet_xml,
    }
    if shared:
        p["xl/sharedStrings.xml"] = shared
    return p


# Google Sheets and Numbers style: a prefixed namespace, an absolute target, a sheet
# called sheet.xml, rich text with a phonetic run, stored entries and folder entries.
prefixed = (f'<x:worksheet xmlns:x="{MAIN}"><x:sheetData>'
            '<x:row r="1"><x:c r="A1" t="s"><x:v>0</x:v></x:c><x:c r="B1" t="s"><x:v>1</x:v></x:c></x:row>'
            '<x:row r="3"><x:c r="A3" t="n"><x:v>1.0</x:v></x:c><x:c r="B3" t="s"><x:v>2</x:v></x:c></x:row>'
            '</x:sheetData></x:worksheet>')
shared = (f'<sst xmlns="{MAIN}"><si><t>编号</t></si><si><r><t>母</t></r><r><t>材</t></r>'
          '<rPh sb="0" eb="1"><t>ボ</t></rPh></si><si><t xml:space="preserve"> 16MnR </t></si></sst>')
package("prefixed.xlsx", parts(prefixed, "xl/worksheets/sheet.xml", "/xl/worksheets/sheet.xml",
                               shared), stored=True, folders=True)

# WPS and LibreOffice style: a byte-order mark, inline strings, rows and cells without
# references, a formula's result as a string.
plain = (f'<worksheet xmlns="{MAIN}"><sheetData>'
         '<row><c t="inlineStr"><is><t>编号</t></is></c><c t="inlineStr"><is><t>母材</t></is></c></row>'
         '<row><c><v>12345678901234</v></c><c t="str"><f>A1</f><v>20g</v></c></row>'
         '</sheetData></worksheet>')
package("plain.xlsx", parts(plain, bom="\ufeff"))

# Damaged and hostile packages.
whole = (out / "joints.xlsx").read_bytes()
(out / "truncated.xlsx").write_bytes(whole[: len(whole) // 2])
missing = parts(plain)
del missing["xl/workbook.xml"]
package("missing.xlsx", missing)
package("huge.xlsx", parts(f'<worksheet xmlns="{MAIN}"><sheetData>' + " " * 101_000_000
                           + '</sheetData></worksheet>'))
package("rows.xlsx", parts(f'<worksheet xmlns="{MAIN}"><sheetData>' + "<row/>" * 100_001
                           + '</sheetData></worksheet>'))
(out / "old.xls").write_bytes(bytes.fromhex("d0cf11e0a1b11ae1") + bytes(504))
