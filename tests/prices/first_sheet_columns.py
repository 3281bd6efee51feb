#!/usr/bin/python3
"""Columns B and C of the first worksheet of every workbook in a folder, as Debian's own readers
find them: python3-xlrd for .xls, python3-openpyxl for .xlsx (the stored results of formulas).

Prints one JSON object by file name: {"rows": {"<row>": [B, C], ...}} with the rows that hold
something in B or C, or {"error": "<why the reader refused the file>"}. A cell is null (empty),
["n", number], ["s", text], ["b", true or false], ["e", error text], or ["o", text] for anything
else (a date, a number that is not finite).

    first_sheet_columns.py FOLDER
"""
import json
import math
import os
import sys
import warnings

import openpyxl
import xlrd
from openpyxl.worksheet.worksheet import Worksheet


def number(value):
    value = float(value) if isinstance(value, float) else value
    if isinstance(value, float) and not math.isfinite(value):
        return ["o", repr(value)]
    return ["n", value]


def xls_cell(sheet, row, column):
    if column >= sheet.row_len(row):
        return None
    cell = sheet.cell(row, column)
    if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
        return None
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return ["s", cell.value]
    if cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE):  # a date is its number
        return number(cell.value)
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return ["b", bool(cell.value)]
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return ["e", xlrd.error_text_from_code.get(cell.value, str(cell.value))]
    return ["o", repr(cell.value)]


def xls_rows(path):
    book = xlrd.open_workbook(path, logfile=open(os.devnull, "w"))
    sheet = book.sheet_by_index(0)
    rows = {}
    for row in range(sheet.nrows):
        cells = [xls_cell(sheet, row, column) for column in (1, 2)]
        if any(cells):
            rows[str(row + 1)] = cells
    return rows


def xlsx_cell(cell):
    value = cell.value
    if value is None:
        return None
    if cell.data_type == "e":
        return ["e", str(value)]
    if isinstance(value, bool):
        return ["b", value]
    if isinstance(value, (int, float)):
        return number(value)
    if isinstance(value, str):
        return ["s", value]
    return ["o", str(value)]


def xlsx_rows(path):
    book = openpyxl.load_workbook(path, data_only=True)
    sheet = next(s for s in book.worksheets if isinstance(s, Worksheet))
    rows = {}
    for row in sheet.iter_rows(min_col=2, max_col=3):
        cells = [xlsx_cell(cell) for cell in row]
        if any(cells):
            rows[str(row[0].row)] = cells
    return rows


def main():
    warnings.simplefilter("ignore")
    folder = sys.argv[1]
    found = {}
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        try:
            rows = xls_rows(path) if name.lower().endswith(".xls") else xlsx_rows(path)
            found[name] = {"rows": rows}
        except Exception as error:  # the reader refused the file
            found[name] = {"error": "%s: %s" % (type(error).__name__, error)}
    json.dump(found, sys.stdout, allow_nan=False)


main()
